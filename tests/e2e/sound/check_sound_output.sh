#!/usr/bin/env bash
# Plays a tone, the greeting and a stretch of music through the program's sound
# classes (lumo_sound_probe) into a private PulseAudio null sink, records the
# sink's monitor and checks what came out: the tone's pitch within 2 %, the
# greeting audible, all 52 clicks of a deal heard, the music not silent. Also prints how long a 5 ms tone
# blocks its caller.
#
#   check_sound_output.sh PROBE_BINARY
#
# Exit status 0 on success, 1 on a failed check, 77 when no server can be started.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
probe=${1:?usage: check_sound_output.sh PROBE_BINARY}

if [ -z "${LUMO_INSIDE_PRIVATE_PULSE:-}" ]; then
  LUMO_INSIDE_PRIVATE_PULSE=1 exec "$here/private_pulse.sh" "$0" "$@"
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0

record() {  # record FILE COMMAND...: records the monitor while the command runs
  local out=$1; shift
  parec --latency-msec=20 -d lumo_check.monitor --format=s16le --channels=1 --rate=44100 --raw >"$out" &
  local rec=$!
  sleep 0.3
  "$@"
  local status=$?
  sleep 0.5
  kill "$rec" 2>/dev/null
  wait "$rec" 2>/dev/null
  return $status
}

"$probe" devices
record "$work/tone.raw" "$probe" tone 1600 200 15 1 || failed=1
python3 "$here/analyze.py" tone "$work/tone.raw" --expect 1600 --min-ms 150 || failed=1

record "$work/clicks.raw" "$probe" tone 1600 5 15 52 || failed=1
python3 "$here/analyze.py" tone "$work/clicks.raw" --expect 1600 --tolerance 0.1 || failed=1
heard=$(python3 "$here/analyze.py" bursts "$work/clicks.raw" | wc -l)
echo "clicks heard: $heard of 52"
[ "$heard" -eq 52 ] || failed=1

record "$work/hallo.raw" "$probe" recording Hallo || failed=1
python3 "$here/analyze.py" music "$work/hallo.raw" --from-s 0 --min-rms 100 || failed=1

record "$work/music.raw" "$probe" music 1 6 || failed=1
python3 "$here/analyze.py" music "$work/music.raw" --from-s 1.5 || failed=1

if [ $failed -ne 0 ]; then echo "sound output check FAILED"; exit 1; fi
echo "sound output check passed"
