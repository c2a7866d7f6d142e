#!/usr/bin/env bash
# Installs what Lumo needs, builds it twice (plain and with AddressSanitizer +
# UndefinedBehaviorSanitizer) and runs every test headless.
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT=$PWD
scripts/deps.sh

JOBS=$(nproc)

# A private X server with a window manager for the end-to-end tests of the real binary.
XVFB_PID=""; WM_PID=""
cleanup() {
  [ -n "$WM_PID" ] && kill "$WM_PID" 2>/dev/null || true
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true
}
trap cleanup EXIT
start_display() {
  local n
  for n in $(seq 91 120); do
    [ -e "/tmp/.X${n}-lock" ] && continue
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    XVFB_PID=$!
    sleep 1
    if kill -0 "$XVFB_PID" 2>/dev/null; then
      export DISPLAY=":$n"
      openbox >/dev/null 2>&1 &
      WM_PID=$!
      sleep 1
      return 0
    fi
  done
  echo "could not start Xvfb" >&2
  return 1
}

echo "== plain build =="
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/release -j "$JOBS"

start_display
echo "== tests (unit, widget, end-to-end) =="
(cd build/release && ctest --output-on-failure -j "$JOBS")

echo "== sanitizer build =="
cmake -S . -B build/asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DLUMO_SANITIZE=ON -DLUMO_BUILD_TOOLS=OFF >/dev/null
cmake --build build/asan -j "$JOBS"
echo "== tests under ASan/UBSan (unit, widget) =="
(cd build/asan && ctest --output-on-failure -j "$JOBS" -L "unit|widget")
