#!/usr/bin/env bash
# Installs the Debian 12 packages Lumo needs. Idempotent.
#   deps.sh            what building and playing need, nothing else
#   deps.sh --tests    plus the test kit (what scripts/test.sh runs needs)
#   deps.sh --tools    plus what the asset tools and benchmarks need
#   deps.sh --print [--tests] [--tools]   lists the chosen packages, installs nothing
set -euo pipefail

# Building and running the game.
PLAYER=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-svg-dev qt6-multimedia-dev libgl-dev libxcb1-dev
  fonts-dejavu-core fonts-liberation
  libfluidsynth-dev timgm6mb-soundfont libpulse-dev
  # Crash report: code locations through elfutils. Build: libdw-dev; the
  # program's runtime dependency is libdw1.
  libdw-dev libdw1
  # The web link, the mail to the author and the update's setup open through it.
  xdg-utils
)

# Every test scripts/test.sh runs; a missing one would make a test skip.
TESTS=(
  libgtest-dev libgmock-dev
  # Built by the CI run so it keeps compiling.
  libbenchmark-dev
  xvfb xauth openbox xdotool x11-utils
  # Screenshots of the end-to-end tests (import, convert, compare).
  imagemagick
  # The crash report test reads the dialog's text through the clipboard.
  xclip
  pulseaudio pulseaudio-utils python3 sox
  # The update test's local HTTPS server.
  openssl
  # The package test: the .deb, its checks, and the Wayland smoke test.
  dpkg-dev fakeroot lintian appstream desktop-file-utils file man-db strace
  weston qt6-wayland
  # Fuzzing the parsers with libFuzzer (scripts/fuzz.sh).
  clang libclang-rt-14-dev
)

# tools/sounds/make_sounds.sh, tools/music/make_music.py, lumo-bench.
TOOLS=(
  libbenchmark-dev
  python3 sox espeak-ng
)

print=0
PACKAGES=("${PLAYER[@]}")
for arg in "$@"; do
  case "$arg" in
    --tests) PACKAGES+=("${TESTS[@]}") ;;
    --tools) PACKAGES+=("${TOOLS[@]}") ;;
    --print) print=1 ;;
    *) echo "usage: $0 [--tests] [--tools] [--print]" >&2; exit 2 ;;
  esac
done
mapfile -t PACKAGES < <(printf '%s\n' "${PACKAGES[@]}" | awk '!seen[$0]++')

if [ "$print" = 1 ]; then
  printf '%s\n' "${PACKAGES[@]}"
  exit 0
fi

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
echo "Installing: ${missing[*]}"
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
