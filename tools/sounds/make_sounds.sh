#!/usr/bin/env bash
# Makes the two stored recordings into assets/sound/: APPLAUS.wav and HALLO.wav.
# Rerunning gives the same files. Needs python3, espeak-ng and sox.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
dest=${1:-$here/../../assets/sound}
mkdir -p "$dest"
python3 "$here/make_applause.py" "$dest/APPLAUS.wav"
"$here/make_greeting.sh" "$dest/HALLO.wav"
for f in APPLAUS HALLO; do
  printf '%s: %ss\n' "$f" "$(soxi -D "$dest/$f.wav")"
done
