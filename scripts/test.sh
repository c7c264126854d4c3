#!/usr/bin/env bash
# Configures, builds and runs every test. BUILD_DIR picks the build folder
# (default: build); extra arguments go to the configure step, e.g.
#   BUILD_DIR=build-sanitize ./scripts/test.sh -DFOCARA_SANITIZE=ON
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build}
JOBS=${JOBS:-2}

cmake -S . -B "$BUILD_DIR" -G Ninja "$@"
cmake --build "$BUILD_DIR" -j "$JOBS"
ctest --test-dir "$BUILD_DIR" --output-on-failure -j "$JOBS" --timeout 300
