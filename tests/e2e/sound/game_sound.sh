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

work=$(mktemp -d /tmp/lumo-sound-e2e.XXXXXX)
started=()
cleanup() {
  local pid
  for pid in "${started[@]}"; do kill "$pid" 2>/dev/null; done
  for pid in "${started[@]}"; do wait "$pid" 2>/dev/null; done
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; [ -f "$work/lumo.log" ] && sed 's/^/  lumo: /' "$work/lumo.log" >&2; exit 1; }

command -v xdotool >/dev/null || fail "xdotool is not installed"
command -v xwininfo >/dev/null || fail "xwininfo is not installed"
if [ -z "${DISPLAY:-}" ] || ! xdotool getdisplaygeometry >/dev/null 2>&1; then
  source "$here/../lib/display.sh"
  e2e_start_display || fail "no display, and no private Xvfb with openbox could be started"
  started=("${E2E_DISPLAY_PIDS[@]}")
fi

# Private settings, scores and temporary folder; sound on, music off.
export XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data XDG_CACHE_HOME=$work/cache TMPDIR=$work/tmp
mkdir -p "$XDG_CONFIG_HOME/vemu" "$XDG_DATA_HOME" "$XDG_CACHE_HOME" "$TMPDIR"
printf '[General]\nOptSound=1\nOptAni=0\nOptMidi=0\n' >"$XDG_CONFIG_HOME/vemu/LUMO.conf"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY

now_ms() { date +%s%3N; }
wait_for() {  # wait_for SECONDS CONDITION...
  local deadline=$(( $(now_ms) + $1 * 1000 )); shift
  while [ "$(now_ms)" -lt "$deadline" ]; do eval "$@" && return 0; sleep 0.1; done
  return 1
}
main_window() {
  local id
  for id in $(xdotool search --all --onlyvisible --pid "$lumo_pid" 2>/dev/null); do
    if xwininfo -id "$id" 2>/dev/null | grep -q 'Width: 792' && xwininfo -id "$id" | grep -q 'Height: 541'; then
      echo "$id"; return 0
    fi
  done
  return 0
}
start_recording() {  # start_recording FILE
  parec --latency-msec=20 -d lumo_check.monitor --format=s16le --channels=1 --rate=44100 --raw >"$1" &
  recorder=$!
  sleep 0.3
}
stop_recording() {
  sleep 0.5
  kill "$recorder" 2>/dev/null
  wait "$recorder" 2>/dev/null
}

"$lumo" >"$work/lumo.log" 2>&1 &
lumo_pid=$!
started=("$lumo_pid" "${started[@]}")
wait_for 30 '[ -n "$(main_window)" ]' || fail "the main window did not appear"
win=$(main_window)
timeout 5 xdotool windowactivate --sync "$win" >/dev/null 2>&1 || timeout 5 xdotool windowfocus --sync "$win" >/dev/null 2>&1
wait_for 10 '[ "$(xdotool getactivewindow 2>/dev/null)" = "$win" ]' || fail "the main window did not become active"
# The start-up ends with the stored settings read; give the first ticks time.
sleep 2

# Key presses: each one a 10 ms tone of 1200 Hz.
start_recording "$work/keys.raw"
for _ in $(seq 1 12); do
  xdotool key --window "$win" --clearmodifiers space >/dev/null 2>&1 || xdotool key space
  sleep 0.15
done
stop_recording
echo "key presses heard: $(python3 "$here/analyze.py" bursts "$work/keys.raw" | wc -l) of 12"
python3 "$here/analyze.py" tone "$work/keys.raw" --expect 1200 --tolerance 0.02 \
  || fail "the key click tone is not 1200 Hz within 2 %"

# A click on the music label switches the music on; the first piece starts
# within about a second.
read -r wx wy < <(xwininfo -id "$win" | awk '/Absolute upper-left X:/ {x=$4} /Absolute upper-left Y:/ {y=$4} END {print x, y}')
[ -n "${wy:-}" ] || fail "the main window went away"
start_recording "$work/music.raw"
clicked=$(now_ms)
xdotool mousemove $(( wx + 396 )) $(( wy + 531 )) click 1
# The piece is written to the temporary folder before it plays: a missing file
# means the click did not switch the music on, which is a different fault from
# music that plays silently.
wait_for 5 '[ -s "$TMPDIR/~LUMO.TMP" ]' || fail "no music piece in the temporary folder 5 s after the click on the music label"
echo "music piece written $(( $(now_ms) - clicked )) ms after the click"
sleep 10
stop_recording
# Silence records as rms ~0; the softest pieces measure about 330 over such a
# stretch, so the bar sits well below them.
python3 "$here/analyze.py" music "$work/music.raw" --from-s 4 --min-rms 100 || fail "the background music is silent"

kill -0 "$lumo_pid" 2>/dev/null || fail "the program ended during the test"
echo "game sound check passed"
