#!/usr/bin/env bash
# Installs what is missing, builds, and starts the game from the ready-to-run
# folder, running setup first when there is no config.cfg yet.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"
cd "$root/build/run"
if [ ! -f config.cfg ] && [ -x ./setup ]; then
  ./setup || true
fi
exec ./game
