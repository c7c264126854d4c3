#!/usr/bin/env bash
# From a fresh Debian machine to a drawing: installs what is missing, builds,
# and renders the default focus lines to default.svg.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build}

./scripts/install-deps.sh
cmake -S . -B "$BUILD_DIR" -G Ninja
cmake --build "$BUILD_DIR" -j "${JOBS:-2}"
"$BUILD_DIR/bin/focara" render --seed 1 -o default.svg
echo "wrote default.svg"
