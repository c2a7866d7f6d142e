#!/usr/bin/env bash
# The real program follows a restarted sound server. It starts with sound and
# music on; the server then goes away for longer than any one retry of Qt's
# audio layer and comes back. Within a few seconds key presses tick at
# 1200 Hz again without a restart of the program, and music, which the device
# check switched off while no output was there, plays again when switched on
# (had the check not seen the server go, the click would switch it off and the
# recording would stay silent).
#
#   server_restart.sh LUMO_BINARY
#
# Exit status 0 on success, 1 on a failed check, 77 when no server can be started.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
lumo=${1:?usage: server_restart.sh LUMO_BINARY}

if [ -z "${LUMO_INSIDE_PRIVATE_PULSE:-}" ]; then
  LUMO_INSIDE_PRIVATE_PULSE=1 exec "$here/private_pulse.sh" "$0" "$@"
fi
source "$here/sound_common.sh"
sound_setup "$lumo" "OptSound=1 OptAni=0 OptMidi=1"

start_lumo "$lumo"
sleep 2

stop_pulse_server
[ -S "$PULSE_RUNTIME_PATH/native" ] && fail "the sound server did not stop"
sleep 4
start_pulse_server || fail "the sound server did not come back"
back=$(now_ms)
# A few seconds: the program looks for the lost server once a second.
sleep 3

start_recording "$work/keys.raw"
press_keys 8
stop_recording
echo "key presses heard after the restart: $(python3 "$here/analyze.py" bursts "$work/keys.raw" | wc -l) of 8"
python3 "$here/analyze.py" tone "$work/keys.raw" --expect 1200 --tolerance 0.02 \
  || fail "no 1200 Hz key tone $(( $(now_ms) - back )) ms after the sound server came back"

start_recording "$work/music.raw"
click_music_label
sleep 7
stop_recording
python3 "$here/analyze.py" music "$work/music.raw" --from-s 3 --min-rms 100 \
  || fail "no music after switching it on again once the sound server was back"

kill -0 "$lumo_pid" 2>/dev/null || fail "the program ended during the test"
echo "sound server restart check passed"
