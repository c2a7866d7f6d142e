#!/usr/bin/env bash
# Installs the Debian 12 packages Lumo needs to build, run and test. Idempotent.
set -euo pipefail

PACKAGES=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-svg-dev qt6-multimedia-dev libgl-dev libxcb1-dev
  fonts-dejavu-core fonts-liberation
  libfluidsynth-dev timgm6mb-soundfont
  # Crash report: code locations through elfutils. Build: libdw-dev; the
  # program's runtime dependency is libdw1.
  libdw-dev libdw1
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth openbox xdotool x11-utils imagemagick
  # Tests only: the crash report test reads the dialog's text through the
  # clipboard and takes its picture.
  xclip
  pulseaudio pulseaudio-utils python3 sox
  xdg-utils openssl
)

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
