#!/usr/bin/env bash
# Installs what Lumo needs, builds it and starts the game.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/release --target Lumo
exec build/release/Lumo
