#!/usr/bin/env bash
# Installs what building and playing Lumo need (no test kit), builds it,
# installs it for the current user into ~/.local (program, menu entry, icon,
# man page) and starts the installed game. Run it again to update.
set -euo pipefail
cd "$(dirname "$0")/.."
PREFIX=${LUMO_PREFIX:-$HOME/.local}
scripts/deps.sh
cmake -S . -B build/player -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DBUILD_TESTING=OFF -DLUMO_BUILD_TOOLS=OFF -DCMAKE_INSTALL_PREFIX="$PREFIX" >/dev/null
cmake --build build/player -j "$(nproc)"
cmake --install build/player >/dev/null
# The desktop finds new entries and icons by itself; these make it immediate.
command -v update-desktop-database >/dev/null &&
  update-desktop-database -q "$PREFIX/share/applications" 2>/dev/null || true
command -v gtk-update-icon-cache >/dev/null &&
  gtk-update-icon-cache -q -t "$PREFIX/share/icons/hicolor" 2>/dev/null || true
echo "Lumo is installed in $PREFIX/games/Lumo and in the desktop's menu (Spiele)."
exec "$PREFIX/games/Lumo"
