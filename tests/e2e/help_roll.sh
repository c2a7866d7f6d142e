#!/usr/bin/env bash
# The help of the real program: F1 pressed a few times in a row opens one
# about box, centred over the main window, whose text rises as a roll; Escape
# closes it and the game goes on. With LUMO_SCREENSHOT set, a picture of the
# roll with its bold heading mid-way up is written there.
source "$(dirname "$0")/startup_common.sh"

e2e_private_home
e2e_display
command -v import >/dev/null || e2e_skip "ImageMagick's import is not installed"
command -v compare >/dev/null || e2e_skip "ImageMagick's compare is not installed"

TITLE="Informationen zu Lumo Version"

e2e_start_lumo help
PID=$E2E_PID
e2e_wait_for 25 '[ -n "$(e2e_window_sized $PID "$MAIN_SIZE")" ]' \
  || e2e_fail "the main window did not appear; log: $(cat "$E2E_TMP/lumo-help.log")"
MAIN=$(e2e_window_sized "$PID" "$MAIN_SIZE")
# The first deal and the stored settings come after the window is shown.
sleep 2
read -r MX MY < <(e2e_position_of "$MAIN")
[ -n "${MY:-}" ] || e2e_fail "the main window $MAIN could not be measured: $(e2e_xwininfo "$MAIN")"

about_boxes() {
  local id
  for id in $(e2e_windows_of "$PID"); do
    case "$(xdotool getwindowname "$id" 2>/dev/null)" in
      "$TITLE"*) echo "$id" ;;
    esac
  done
}

timeout 5 xdotool windowactivate --sync "$MAIN" >/dev/null 2>&1 || true
# Three quick presses, one with Shift held: one help window.
xdotool key --delay 30 F1 shift+F1 F1
e2e_wait_for 10 '[ -n "$(about_boxes)" ]' || e2e_fail "F1 opened no about box"
sleep 1
BOXES=$(about_boxes | wc -l)
[ "$BOXES" -eq 1 ] || e2e_fail "$BOXES about boxes open after three presses of F1"
BOX=$(about_boxes)

read -r BX BY BW BH < <(e2e_geometry_of "$BOX")
[ -n "${BH:-}" ] || e2e_fail "the about box went away before it could be measured"
# Centred over the main window, no higher than the main window less 80.
CX=$(( MX + (792 - BW) / 2 )); CY=$(( MY + (541 - BH) / 2 ))
[ $(( BX - CX )) -ge -1 ] && [ $(( BX - CX )) -le 1 ] && [ $(( BY - CY )) -ge -1 ] && [ $(( BY - CY )) -le 1 ] \
  || e2e_fail "about box ${BW}x$BH at $BX,$BY, not centred over the main window at $MX,$MY"
[ "$BH" -le 461 ] || e2e_fail "about box $BH high, more than the main window less 80"

# The roll moves: the same area a moment later looks different.
ROLL="$(( BW - 4 ))x$(( BH - 44 ))+$(( BX + 2 ))+$(( BY + 2 ))"
import -window root -crop "$ROLL" "$E2E_TMP/roll-1.png"
sleep 0.7
import -window root -crop "$ROLL" "$E2E_TMP/roll-2.png"
MOVED=$(compare -metric AE "$E2E_TMP/roll-1.png" "$E2E_TMP/roll-2.png" null: 2>&1 || true)
[ "${MOVED%% *}" != "0" ] || e2e_fail "the roll does not move"

if [ -n "${LUMO_SCREENSHOT:-}" ]; then
  # The heading is the sixth line: it stands in the upper half of the roll
  # once about 220 px have gone by at 35 ms a pixel.
  sleep "${LUMO_SCREENSHOT_WAIT:-7}"
  import -window root -crop "792x541+$MX+$MY" +repage "$LUMO_SCREENSHOT"
fi

# Enter leaves the box open, Escape closes it; the game is still there.
xdotool key Return
sleep 0.5
[ -n "$(about_boxes)" ] || e2e_fail "Enter closed the about box"
xdotool key Escape
e2e_wait_for 10 '[ -z "$(about_boxes)" ]' || e2e_fail "Escape did not close the about box"
kill -0 "$PID" 2>/dev/null || e2e_fail "the program ended with the about box"
[ -n "$(e2e_window_sized "$PID" "$MAIN_SIZE")" ] || e2e_fail "the main window went with the about box"

# The help can be opened again.
timeout 5 xdotool windowactivate --sync "$MAIN" >/dev/null 2>&1 || true
xdotool key F1
e2e_wait_for 10 '[ -n "$(about_boxes)" ]' || e2e_fail "F1 did not open the help a second time"
xdotool key Escape
e2e_wait_for 10 '[ -z "$(about_boxes)" ]' || e2e_fail "the second about box did not close"
echo "help roll: one box ${BW}x$BH centred at $BX,$BY over the main window at $MX,$MY"
