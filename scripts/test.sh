#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: logic, OpenGL and end
# to end, the last two under a private Xvfb.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"

source "$root/scripts/xvfb.sh"
start_xvfb
# Tests hear the game through libmikmod's own drivers, never a sound card.
export VELDRIN_AUDIO="${VELDRIN_AUDIO:-nosound}"
cd "$root/build"
ctest --output-on-failure -j"$(nproc)" --timeout 600
