#!/usr/bin/env bash
# What the player sees in the game's own moments, taken from the screen: Xvfb
# keeps its screen in a framebuffer file (-fbdir), which frames.py reads in a
# tight loop while xdotool plays.
#
# The real program starts from a prepared position through the test-only
# environment variable LUMO_TEST_POSITION, which names a position file (format
# in src/engine/PositionText.h); no player sets it. Without it the program
# deals as always. The position here, at level 2:
#   pile 13: Karo As under Kreuz Fünf    pile 3: Kreuz Sechs
#   pile 1: Herz Neun                    pile 2: Pik Drei
# Dragging Kreuz Fünf onto Kreuz Sechs uncovers the As, which flies up to its
# foundation; then no move is left. With a reshuffle left that is the stuck
# position, with none the game is lost and the question dialog opens.
#
# Checked: the flight notice is in the balloon while the As is still on its
# way; the stuck notice is in the balloon and the stuck label in the table;
# the dialog's "Ja" turns lime under the real pointer. Printed: how long the
# tip lift and the flight took and in how many frames. Pictures of the stuck
# label, the level digit and the dialog's context menu are left in
# $LUMO_E2E_SHOTS (default: the test's temporary folder, removed at the end).
source "$(dirname "$0")/../startup_common.sh"
REFERENCE=${2:?usage: $0 <Lumo> <lumo_balloon_reference>}
source "$(dirname "$0")/recording.sh"

e2e_private_home
SHOTS=${LUMO_E2E_SHOTS:-$E2E_TMP/shots}
mkdir -p "$SHOTS" "$XDG_CONFIG_HOME/vemu"
# No creatures crossing the table: they would change the frames on their own.
printf '[General]\nOptAni=0\nOptMidi=0\nOptSound=0\n' >"$XDG_CONFIG_HOME/vemu/LUMO.conf"

# A missing tool skips the test on a developer's machine; in CI it fails.
for tool in xdotool xwininfo Xvfb openbox python3; do
  if ! command -v "$tool" >/dev/null; then
    [ "${CI:-}" = true ] && e2e_fail "$tool is not installed"
    e2e_skip "$tool is not installed"
  fi
done
mkdir -p "$E2E_TMP/fb"
# A display of its own: frames are read from its framebuffer file.
e2e_start_display -fbdir "$E2E_TMP/fb" -screen 0 1280x1024x24 || e2e_fail "could not start a private display"
E2E_STARTED_PIDS+=("${E2E_DISPLAY_PIDS[@]}")
FB="$E2E_TMP/fb/Xvfb_screen0"
e2e_wait_for 10 '[ -s "$FB" ]' || e2e_fail "no framebuffer file"

cat >"$E2E_TMP/stuck.position" <<'POS'
level 2
reshuffles-used 0
pile 1 35
pile 2 42
pile 3 6
pile 13 14 5
POS
sed 's/^reshuffles-used 0/reshuffles-used 2/' "$E2E_TMP/stuck.position" >"$E2E_TMP/lost.position"

# Table geometry: the card table lies at (2, 40) in the window.
TABLE_X=2
TABLE_Y=40
pile_centre() { # pile -> "x y" on the screen, the middle of a card on it
  local p=$1
  echo $(( MX + TABLE_X + 25 + 120 * ((p - 1) % 6) + 7 + 35 )) $(( MY + TABLE_Y + 125 + 115 * ((p - 1) / 6) + 8 + 48 ))
}

start_at() { # position file, log name
  export LUMO_TEST_POSITION=$1
  e2e_start_lumo "$2"
  PID=$E2E_PID
  e2e_wait_for 25 '[ -n "$(e2e_window_sized $PID "$MAIN_SIZE")" ]' \
    || e2e_fail "the main window did not appear; log: $(cat "$E2E_TMP/lumo-$2.log")"
  MAIN=$(e2e_window_sized "$PID" "$MAIN_SIZE")
  read -r MX MY < <(e2e_position_of "$MAIN")
  # The first activation moves the pointer to the screen's middle; let it settle.
  sleep 1.5
  unset LUMO_TEST_POSITION
}

stop_lumo() {
  kill "$PID" 2>/dev/null || true
  wait "$PID" 2>/dev/null || true
}

drag() { # from "x y" to "x y", in small steps like a hand
  local fx=$1 fy=$2 tx=$3 ty=$4 i
  xdotool mousemove "$fx" "$fy"
  sleep 0.2
  xdotool mousedown 1
  for i in $(seq 1 12); do
    xdotool mousemove $(( fx + (tx - fx) * i / 12 )) $(( fy + (ty - fy) * i / 12 ))
    sleep 0.03
  done
  sleep 0.1
  xdotool mouseup 1
}

# --- The stuck position: tip lift, flight notice, stuck notice ------------
start_at "$E2E_TMP/stuck.position" stuck
# The balloons as the game draws them beside the logo (arrow at window + 33, + 1).
FLIGHT_TEXT='Karo As aufgedeckt.\r\nKarte wird nach\r\noben verschoben.'
STUCK_TEXT='Kein Zug mehr möglich.\r\nBitte neu mischen!'
FLIGHT_AT=$("$REFERENCE" $(( MX + 33 )) $(( MY + 1 )) "$FLIGHT_TEXT" "$E2E_TMP/flight.ppm") \
  || e2e_fail "no reference balloon"
STUCK_AT=$("$REFERENCE" $(( MX + 33 )) $(( MY + 1 )) "$STUCK_TEXT" "$E2E_TMP/stuck.ppm") \
  || e2e_fail "no reference balloon"

REGION="$MX $(( MY - 160 )) 792 $(( 541 + 160 ))"
# The tip: a right click over a table spot without a hint of its own.
xdotool mousemove $(( MX + 400 )) $(( MY + TABLE_Y + 100 ))
sleep 0.5
record_start "$E2E_TMP/tip.frames" 3 $REGION
xdotool click 3
wait $REC

read -r AX AY < <(pile_centre 13)
read -r BX BY < <(pile_centre 3)
record_start "$E2E_TMP/flight.frames" 8 $REGION
drag "$AX" "$AY" "$BX" "$BY"
wait $REC
stop_lumo

# --- The lost position: the question dialog under the real pointer -------
start_at "$E2E_TMP/lost.position" lost
# The level digit in the opened menu ("Menü" at 46, 19 of the title bar).
# The menu opens under the pointer on "Menü" and closes over the table.
xdotool mousemove $(( MX + 2 + 46 + 30 )) $(( MY + 2 + 19 + 9 ))
sleep 0.8
$FRAMES png "$FB" "$SHOTS/menu-level.png" $(( MX )) $(( MY )) 220 300
xdotool mousemove $(( MX + 600 )) $(( MY + 300 ))
sleep 0.5

read -r AX AY < <(pile_centre 13)
read -r BX BY < <(pile_centre 3)
drag "$AX" "$AY" "$BX" "$BY"
DIALOG=""
find_dialog() {
  local id
  for id in $(e2e_windows_of "$PID"); do
    [ "$id" = "$MAIN" ] && continue
    read -r _ _ w h < <(e2e_geometry_of "$id")
    [ "${w:-0}" -ge 290 ] && [ "${h:-0}" -ge 80 ] && { DIALOG=$id; return 0; }
  done
  return 1
}
e2e_wait_for 15 find_dialog || e2e_fail "no question after the lost position"
sleep 0.8
read -r DX DY DW DH < <(e2e_geometry_of "$DIALOG")
# "Ja": 80 x 25 at bar width - 180, 7 in the bar (2, height - 42).
JA_X=$(( DX + 2 + (DW - 4) - 180 ))
JA_Y=$(( DY + DH - 42 + 7 ))
xdotool mousemove $(( JA_X + 40 )) $(( JA_Y + 10 ))
sleep 0.1
xdotool mousemove $(( JA_X + 44 )) $(( JA_Y + 12 ))
sleep 0.5
$FRAMES record "$FB" "$E2E_TMP/ja.frames" 0.05 "$JA_X" "$JA_Y" 80 25 >/dev/null
$FRAMES png "$FB" "$SHOTS/dialog-hover.png" "$DX" "$DY" "$DW" "$DH"
# The context menu of the text opens at the pointer.
xdotool mousemove $(( DX + DW / 2 )) $(( DY + 20 ))
sleep 0.2
xdotool click 3
sleep 0.6
# Around the click point: the menu opens at the pointer, but a busy display
# may move the pointer's last report a few pixels, so the check finds the
# menu's light panel in the picture and reads the frame around it.
$FRAMES record "$FB" "$E2E_TMP/menu.frames" 0.05 $(( DX + DW / 2 - 40 )) $(( DY )) 240 120 >/dev/null
$FRAMES png "$FB" "$SHOTS/dialog-menu.png" "$DX" "$DY" $(( DW + 120 )) $(( DH + 20 ))
xdotool key Escape
sleep 0.3
xdotool key Escape
sleep 0.5
stop_lumo

cp "$E2E_TMP"/*.frames "$E2E_TMP"/*.ppm "$SHOTS"/ 2>/dev/null || true
python3 "$HERE/check_moments.py" "$E2E_TMP" "$SHOTS" "$FLIGHT_AT" "$STUCK_AT" \
  || e2e_fail "see above"
echo "PASS: notices in flight and when stuck, lime under the pointer, pictures in $SHOTS"
