#!/usr/bin/env bash
# Builds the parsers' fuzz targets with Debian's clang and libFuzzer (with
# AddressSanitizer and UndefinedBehaviorSanitizer) and runs each for a bounded
# time. Usage: scripts/fuzz.sh [seconds per target, default 60]
# LUMO_FUZZ_RUNS=N runs each target for N inputs instead, however long it takes.
# A finding stops the run with the crashing input left in build/fuzz/<target>/
# and the log in build/fuzz/<target>.log.
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT=$PWD
SECONDS_EACH=${1:-${LUMO_FUZZ_SECONDS:-60}}
OUT=$ROOT/build/fuzz
mkdir -p "$OUT/bin"

CXX=${FUZZ_CXX:-clang++}
command -v "$CXX" >/dev/null || { echo "fuzz: $CXX is not installed (scripts/deps.sh)" >&2; exit 1; }
FLAGS=(-std=c++20 -O1 -g -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined
       -I "$ROOT/src")

# target name, then its sources (Qt-free parsers from lumo_core).
build() {
  local name=$1; shift
  "$CXX" "${FLAGS[@]}" -o "$OUT/bin/$name" "$@"
}
build fuzz_update_info fuzz/UpdateInfoFuzzer.cpp src/online/ProfileText.cpp src/online/UpdateVersion.cpp \
  src/common/TextHelpers.cpp
build fuzz_high_score_load fuzz/HighScoreLoadFuzzer.cpp src/persistence/HighScoreList.cpp \
  src/persistence/HighScoreText.cpp src/persistence/ScrambleText.cpp src/common/TextHelpers.cpp
build fuzz_settings_text fuzz/SettingsTextFuzzer.cpp src/persistence/SettingsText.cpp

for name in fuzz_update_info fuzz_high_score_load fuzz_settings_text; do
  corpus=$OUT/$name/corpus
  mkdir -p "$corpus"
  seeds=()
  [ -d "fuzz/seeds/$name" ] && seeds=("fuzz/seeds/$name")
  limit=(-max_total_time="$SECONDS_EACH")
  [ -n "${LUMO_FUZZ_RUNS:-}" ] && limit=(-runs="$LUMO_FUZZ_RUNS")
  echo "== $name: ${limit[*]} =="
  rc=0
  (cd "$OUT/$name" && "$OUT/bin/$name" "${limit[@]}" -max_len=4096 -timeout=10 \
     -rss_limit_mb=1024 -print_final_stats=1 "$corpus" "${seeds[@]/#/$ROOT/}") >"$OUT/$name.log" 2>&1 || rc=$?
  grep -E "^stat::(number_of_executed_units|peak_rss_mb)|^#[0-9]+ +DONE|ERROR|SUMMARY|Test unit written" \
    "$OUT/$name.log" || true
  [ "$rc" -eq 0 ] || { echo "fuzz: $name failed with status $rc (log: $OUT/$name.log)" >&2; exit 1; }
done
echo "fuzz: all targets held"
