#!/usr/bin/env bash
# Speaks the greeting "Hallo" with a German voice, trims the silence around it
# and fits it to about 0.34 s, 11025 Hz 16-bit mono.
# usage: make_greeting.sh OUT.wav      (needs espeak-ng and sox)
set -euo pipefail
out=$1
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
espeak-ng -v de -s 150 -p 55 -w "$tmp/raw.wav" "Hallo"
sox "$tmp/raw.wav" "$tmp/trim.wav" silence 1 0.005 0.5% reverse silence 1 0.005 0.5% reverse
len=$(soxi -D "$tmp/trim.wav")
factor=$(python3 -c "print(f'{max(0.5, min(2.0, $len / 0.34)):.4f}')")
sox -R "$tmp/trim.wav" -r 11025 -b 16 -c 1 "$tmp/fit.wav" tempo -s "$factor" fade t 0.01 0 0.03 norm -2
# Strip the LIST chunk sox may add so the file is a plain RIFF/fmt/data image.
sox -R "$tmp/fit.wav" -t wavpcm "$out"
