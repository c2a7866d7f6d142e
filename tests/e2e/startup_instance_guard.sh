#!/usr/bin/env bash
# What another local user or an idle peer can do to the single instance.
# Another user (uid 65534, through setpriv; so the test needs root) has planted
# in the shared temporary folder, sticky and open to all like /tmp, every name
# the lock could take there, each holding a live lock of a process of theirs.
# The start must still show its window, and its lock and socket must live in
# a folder of the player's own. Then 50 idle connections to that socket are
# kept open: the program holds few descriptors for them, drops each silent one
# after about a second (making room for a new peer by dropping the oldest),
# and a second start during the flood still brings its window back.
source "$(dirname "$0")/startup_common.sh"

[ "$(id -u)" -eq 0 ] || e2e_skip "acting as another user needs root"
command -v setpriv >/dev/null || e2e_skip "setpriv is not installed"
command -v python3 >/dev/null || e2e_skip "python3 is not installed"

e2e_private_home
e2e_display
unset XDG_RUNTIME_DIR
# The other user may pass through the test's folder into the shared one.
chmod 711 "$E2E_TMP"
export TMPDIR="$E2E_TMP/shared"
mkdir -m 1777 "$TMPDIR"
UID_NOW=$(id -u)
USER_NOW=$(id -un)

as_other() {
  setpriv --reuid=65534 --regid=65534 --clear-groups "$@"
}
# A process of the other user that stays alive, whose id goes into the locks.
setpriv --reuid=65534 --regid=65534 --clear-groups sleep 600 >/dev/null 2>&1 &
HOLDER=$!
E2E_STARTED_PIDS+=("$HOLDER")
lock_text="$HOLDER
sleep
$(hostname)
"
as_other sh -c '
  umask 000
  mkdir -m 700 "$1/runtime-$2"
  mkdir -m 777 "$1/lumo-$3"
  printf "%s" "$4" >"$1/TLumoForm-$3.lock"
  printf "%s" "$4" >"$1/lumo-$3/TLumoForm-$3.lock"
' sh "$TMPDIR" "$USER_NOW" "$UID_NOW" "$lock_text" || e2e_fail "could not plant the other user's folders"

e2e_start_lumo first
FIRST=$E2E_PID
e2e_wait_for 25 '[ -n "$(e2e_window_sized $FIRST "$MAIN_SIZE")" ]' \
  || e2e_fail "no main window with the other user's files planted (running: $(kill -0 $FIRST 2>/dev/null && echo yes || echo no)); log: $(cat "$E2E_TMP/lumo-first.log")"
MAIN=$(e2e_window_sized "$FIRST" "$MAIN_SIZE")

SOCKET=$(find "$E2E_TMP" -name "TLumoForm-$UID_NOW.socket" 2>/dev/null | head -n 1)
[ -S "$SOCKET" ] || e2e_fail "no instance socket found under $E2E_TMP"
FOLDER=$(dirname "$SOCKET")
case "$FOLDER" in
  "$TMPDIR"/*) [ "$(stat -c %u "$FOLDER")" = "$UID_NOW" ] || e2e_fail "socket in the other user's folder $FOLDER" ;;
esac
[ "$(stat -c '%u %a' "$FOLDER")" = "$UID_NOW 700" ] || e2e_fail "socket folder $FOLDER is $(stat -c '%U %a' "$FOLDER")"
[ -e "$FOLDER/TLumoForm-$UID_NOW.lock" ] || e2e_fail "no lock beside the socket in $FOLDER"
echo "lock and socket in $FOLDER"

# The flood. A second start during it must still reach the first. The
# descriptors are counted once the start-up's own files are closed again.
sleep 2
FDS_BEFORE=$(ls /proc/"$FIRST"/fd | wc -l)
coproc FLOOD { python3 "$(dirname "$0")/instance_flood.py" "$SOCKET" 4; }
E2E_STARTED_PIDS+=("$FLOOD_PID")
read -r -t 10 line <&"${FLOOD[0]}" && [ "$line" = "open" ] || e2e_fail "the idle connections could not be opened"
sleep 0.5
FDS_DURING=$(ls /proc/"$FIRST"/fd | wc -l)

xdotool windowminimize "$MAIN"
e2e_wait_for 5 '[ "$(e2e_map_state $MAIN)" != "IsViewable" ]' || e2e_fail "main window did not minimize"
e2e_start_lumo second
SECOND=$E2E_PID
e2e_wait_for 10 '! kill -0 '"$SECOND"' 2>/dev/null' || e2e_fail "second start still running after 10 s"
wait "$SECOND"
RC=$?
[ "$RC" -eq 0 ] || e2e_fail "second start ended with $RC; log: $(cat "$E2E_TMP/lumo-second.log")"
e2e_wait_for 5 '[ "$(e2e_map_state $MAIN)" = "IsViewable" ]' || e2e_fail "a second start during the flood did not restore the first window"

read -r -t 15 report <&"${FLOOD[0]}" || e2e_fail "the flood gave no report"
echo "descriptors: $FDS_BEFORE before, $FDS_DURING while 50 idle peers wait; flood: $report"
[ "$FDS_DURING" -le $(( FDS_BEFORE + 12 )) ] || e2e_fail "the program holds $FDS_DURING descriptors with 50 idle peers (before: $FDS_BEFORE)"
read -r _ closed _ longest _ oldest <<<"$report"
[ "$closed" -ge 50 ] || e2e_fail "only $closed idle connections were closed by the program"
# The last few peers wait their second; none lives much longer.
awk -v l="$longest" -v o="$oldest" 'BEGIN { exit !(l >= 0.8 && l < 2.0 && o == 0) }' \
  || e2e_fail "idle connections were not dropped after about a second: $report"
kill -0 "$FIRST" 2>/dev/null || e2e_fail "the first program ended"
[ "$(ls "$FOLDER"/*.socket 2>/dev/null | wc -l)" -eq 1 ] || e2e_fail "more than one socket in $FOLDER"
echo "PASS"
