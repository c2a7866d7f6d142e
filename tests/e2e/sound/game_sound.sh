#!/usr/bin/env bash
# The real program's sound into a private PulseAudio null sink: key presses on
# the main window tick at 1200 Hz (checked within 2 % in the recording of the
# sink's monitor), and a click on the music bar starts background music that
# must not be silent. The program runs with a private home whose stored
# settings have sound on and music off.
#
#   game_sound.sh LUMO_BINARY
#
# Exit status 0 on success, 1 on a failed check, 77 when no server can be started.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
lumo=${1:?usage: game_sound.sh LUMO_BINARY}

if [ -z "${LUMO_INSIDE_PRIVATE_PULSE:-}" ]; then
  LUMO_INSIDE_PRIVATE_PULSE=1 exec "$here/private_pulse.sh" "$0" "$@"
fi
source "$here/sound_common.sh"
sound_setup "$lumo" "OptSound=1 OptAni=0 OptMidi=0"

start_lumo "$lumo"
# The start-up ends with the stored settings read; give the first ticks time.
sleep 2

# Key presses: each one a 10 ms tone of 1200 Hz.
start_recording "$work/keys.raw"
press_keys 12
stop_recording
echo "key presses heard: $(python3 "$here/analyze.py" bursts "$work/keys.raw" | wc -l) of 12"
python3 "$here/analyze.py" tone "$work/keys.raw" --expect 1200 --tolerance 0.02 \
  || fail "the key click tone is not 1200 Hz within 2 %"

# A click on the music label switches the music on; the first piece starts
# within about a second.
start_recording "$work/music.raw"
clicked=$(now_ms)
click_music_label
# The piece is written to the temporary folder before it plays: a missing file
# means the click did not switch the music on, which is a different fault from
# music that plays silently.
# The private runtime folder of the sound server's set-up is the user's own
# temporary folder; the shared one stays empty.
wait_for 5 '[ -s "$XDG_RUNTIME_DIR/~LUMO.TMP" ]' || fail "no music piece in the private temporary folder 5 s after the click on the music label"
[ -z "$(ls -A "$TMPDIR")" ] || fail "files in the shared temporary folder: $(ls -A "$TMPDIR")"
echo "music piece written $(( $(now_ms) - clicked )) ms after the click"
sleep 10
stop_recording
# Silence records as rms ~0; the softest pieces measure about 330 over such a
# stretch, so the bar sits well below them.
python3 "$here/analyze.py" music "$work/music.raw" --from-s 4 --min-rms 100 || fail "the background music is silent"

kill -0 "$lumo_pid" 2>/dev/null || fail "the program ended during the test"
echo "game sound check passed"
