#!/usr/bin/env bash
# One program per user: a second start, during the greeting or later, shows
# nothing and ends with 0; later it brings the minimized first window back
# and to the front.
source "$(dirname "$0")/startup_common.sh"

e2e_private_home
e2e_display

# Waits for the process to end (up to the seconds given) and sets E2E_RC.
wait_exit() {
  local pid=$1 seconds=$2
  e2e_wait_for "$seconds" '! kill -0 '"$pid"' 2>/dev/null' || e2e_fail "second start still running after ${seconds}s"
  wait "$pid"
  E2E_RC=$?
}

e2e_start_lumo first
FIRST=$E2E_PID
e2e_wait_for 15 '[ -n "$(e2e_window_sized $FIRST "$BIRD_SIZE")" ]' || e2e_fail "first start shows no bird"

# Second start while the first one still greets.
SECOND_START=$(e2e_now_ms)
e2e_start_lumo during-greeting
SECOND=$E2E_PID
SHOWN=""
while kill -0 "$SECOND" 2>/dev/null; do
  [ -n "$(e2e_windows_of "$SECOND")" ] && SHOWN=yes
  [ $(( $(e2e_now_ms) - SECOND_START )) -gt 10000 ] && break
  sleep 0.02
done
wait_exit "$SECOND" 1
[ "$E2E_RC" -eq 0 ] || e2e_fail "second start during the greeting ended with $E2E_RC"
[ -z "$SHOWN" ] || e2e_fail "second start during the greeting showed a window"
echo "second start during the greeting ended after $(( $(e2e_now_ms) - SECOND_START )) ms"

e2e_wait_for 25 '[ -n "$(e2e_window_sized $FIRST "$MAIN_SIZE")" ]' || e2e_fail "first start never showed its main window"
MAIN=$(e2e_window_sized "$FIRST" "$MAIN_SIZE")

# Minimize the running window, then start again.
xdotool windowminimize "$MAIN"
e2e_wait_for 5 '[ "$(e2e_map_state $MAIN)" != "IsViewable" ]' || e2e_fail "main window did not minimize"

SECOND_START=$(e2e_now_ms)
e2e_start_lumo later
SECOND=$E2E_PID
wait_exit "$SECOND" 10
SECOND_END=$(e2e_now_ms)
[ "$E2E_RC" -eq 0 ] || e2e_fail "second start ended with $E2E_RC; log: $(cat "$E2E_TMP/lumo-later.log")"
[ -z "$(grep -v '^$' "$E2E_TMP/lumo-later.log")" ] || echo "second start printed: $(cat "$E2E_TMP/lumo-later.log")"

e2e_wait_for 5 '[ "$(e2e_map_state $MAIN)" = "IsViewable" ]' || e2e_fail "first window was not restored"
e2e_wait_for 5 '[ "$(xdotool getactivewindow 2>/dev/null)" = "$MAIN" ]' \
  || e2e_fail "first window is not the active one (active: $(xdotool getactivewindow 2>/dev/null))"
kill -0 "$FIRST" 2>/dev/null || e2e_fail "the first program ended"

echo "second start ended after $(( SECOND_END - SECOND_START )) ms; first window restored and active"
echo "PASS"
