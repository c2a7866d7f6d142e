#!/usr/bin/env bash
# The start of the real program: the bird stands centred on the screen with
# its balloon above its head, and after the greeting the main window follows
# while the bird goes.
source "$(dirname "$0")/startup_common.sh"

e2e_private_home
e2e_display

read -r SCREEN_W SCREEN_H < <(xdotool getdisplaygeometry)
START=$(e2e_now_ms)
e2e_start_lumo first
PID=$E2E_PID

e2e_wait_for 15 '[ -n "$(e2e_window_sized $PID "$BIRD_SIZE")" ]' \
  || e2e_fail "no bird window ($BIRD_SIZE) appeared; log: $(cat "$E2E_TMP/lumo-first.log")"
BIRD_SEEN=$(e2e_now_ms)
BIRD=$(e2e_window_sized "$PID" "$BIRD_SIZE")
[ -z "$(e2e_window_sized "$PID" "$MAIN_SIZE")" ] || e2e_fail "main window shown together with the bird"

read -r BX BY < <(e2e_position_of "$BIRD")
[ "$BX" -eq $(( (SCREEN_W - 57) / 2 )) ] && [ "$BY" -eq $(( (SCREEN_H - 80) / 2 )) ] \
  || e2e_fail "bird at $BX,$BY, not centred on the ${SCREEN_W}x${SCREEN_H} screen"

# The balloon: another window of the program, standing above the bird's head.
balloon_of() {
  local id
  for id in $(e2e_windows_of "$PID"); do
    [ "$id" = "$BIRD" ] && continue
    [ "$(e2e_size_of "$id")" = "$MAIN_SIZE" ] && continue
    echo "$id"
    return 0
  done
}
e2e_wait_for 5 '[ -n "$(balloon_of)" ]' || e2e_fail "the bird shows no balloon"
BALLOON=$(balloon_of)
read -r LX LY < <(e2e_position_of "$BALLOON")
read -r LW LH < <(e2e_size_of "$BALLOON")
[ $(( LY + LH )) -le $(( BY + 1 )) ] || e2e_fail "balloon ($LX,$LY ${LW}x$LH) does not stand above the bird at $BX,$BY"
# Left of the screen's middle the balloon extends to the right of its arrow.
[ $(( LX + LW )) -gt $(( BX + 57 )) ] || e2e_fail "balloon does not extend to the right of the bird"

e2e_wait_for 25 '[ -n "$(e2e_window_sized $PID "$MAIN_SIZE")" ]' || e2e_fail "the main window did not appear"
MAIN_SEEN=$(e2e_now_ms)
MAIN=$(e2e_window_sized "$PID" "$MAIN_SIZE")
[ -z "$(e2e_window_sized "$PID" "$BIRD_SIZE")" ] || e2e_fail "the bird is still there with the main window"

# The title starts as "Lumo"; once the window is active it runs as a marquee,
# so look for the name in the title read round the corner.
NAME=$(xdotool getwindowname "$MAIN")
case "$NAME$NAME" in
  *Lumo*) ;;
  *) e2e_fail "main window title '$NAME' does not carry the program name" ;;
esac
kill -0 "$PID" 2>/dev/null || e2e_fail "the program ended after showing its window"

echo "bird after $(( BIRD_SEEN - START )) ms, main window $(( MAIN_SEEN - BIRD_SEEN )) ms after the bird"
echo "PASS"
