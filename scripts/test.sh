#!/usr/bin/env bash
# Installs what Lumo needs, builds it twice (plain and with AddressSanitizer +
# UndefinedBehaviorSanitizer) and runs every test headless.
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT=$PWD
scripts/deps.sh --tests

JOBS=$(nproc)

# A private X server with a window manager for the end-to-end tests of the real binary.
source tests/e2e/lib/display.sh
trap e2e_stop_display EXIT

echo "== plain build =="
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DLUMO_WARNINGS_AS_ERRORS=ON >/dev/null
cmake --build build/release -j "$JOBS"

e2e_start_display
echo "== tests (unit, widget, end-to-end) =="
(cd build/release && ctest --output-on-failure -j "$JOBS")

echo "== sanitizer build =="
cmake -S . -B build/asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DLUMO_SANITIZE=ON -DLUMO_BUILD_TOOLS=OFF -DLUMO_WARNINGS_AS_ERRORS=ON >/dev/null
cmake --build build/asan -j "$JOBS"
echo "== tests under ASan/UBSan (unit, widget) =="
(cd build/asan && ctest --output-on-failure -j "$JOBS" -L "unit|widget")

# The parsers under libFuzzer; 30 s per target keeps the whole run within its
# time (scripts/fuzz.sh alone defaults to 60 s).
echo "== fuzzing (libFuzzer) =="
scripts/fuzz.sh "${LUMO_FUZZ_SECONDS:-30}"
