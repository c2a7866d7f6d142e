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

read -r BX BY _ < <(e2e_geometry_of "$BIRD")
[ -n "${BY:-}" ] || e2e_fail "the bird window went away before it could be measured"
[ "$BX" -eq $(( (SCREEN_W - 57) / 2 )) ] && [ "$BY" -eq $(( (SCREEN_H - 80) / 2 )) ] \
  || e2e_fail "bird at $BX,$BY, not centred on the ${SCREEN_W}x${SCREEN_H} screen"

# The balloon: another window of the program, standing above the bird's head
# and, left of the screen's middle, extending to the right of its arrow. The
# greeting shows two balloons in turn ("Hallo", then the system facts), so a
# balloon found may be gone by the time it is measured: look again until one
# is measured whole.
BALLOON_SEEN="none"
balloon_in_place() {
  local id geometry lx ly lw lh
  for id in $(e2e_windows_of "$PID"); do
    [ "$id" = "$BIRD" ] && continue
    geometry=$(e2e_geometry_of "$id")
    [ -n "$geometry" ] || continue
    read -r lx ly lw lh <<<"$geometry"
    [ "$lw $lh" = "$MAIN_SIZE" ] && continue
    BALLOON_SEEN="$lx,$ly ${lw}x$lh"
    [ $(( ly + lh )) -le $(( BY + 1 )) ] && [ $(( lx + lw )) -gt $(( BX + 57 )) ] && return 0
  done
  return 1
}
e2e_wait_for 5 balloon_in_place \
  || e2e_fail "no balloon above the bird at $BX,$BY extending to its right (last seen: $BALLOON_SEEN)"

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
