#!/usr/bin/env bash
# Configures, builds and runs every test: the C++ tests (ctest), then the
# studio's browser tests (Debian's Chromium driven by playwright-core from
# npm, in tests/browser). BUILD_DIR picks the build folder (default: build);
# extra arguments go to the configure step, e.g.
#   BUILD_DIR=build-sanitize ./scripts/test.sh -DFOCARA_SANITIZE=ON
# FOCARA_BROWSER_TESTS=0 leaves the browser tests out. The plain build also
# builds the Windows plug-in and focara.exe (scripts/build-windows.sh) and
# checks them, under Wine; -DFOCARA_WINDOWS_TESTS=OFF leaves that out.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build}
JOBS=${JOBS:-2}

cmake -S . -B "$BUILD_DIR" -G Ninja "$@"
cmake --build "$BUILD_DIR" -j "$JOBS"
# The Windows builds, which ctest checks, where this build checks them and
# the cross compilers are here (ctest says so when they are not).
if grep -q '^FOCARA_WINDOWS_TESTS:BOOL=ON' "$BUILD_DIR/CMakeCache.txt" &&
  command -v x86_64-w64-mingw32-g++-posix >/dev/null && command -v i686-w64-mingw32-g++-posix >/dev/null; then
  ./scripts/build-windows.sh
elif grep -q '^FOCARA_WINDOWS_TESTS:BOOL=ON' "$BUILD_DIR/CMakeCache.txt"; then
  echo "test.sh: the MinGW-w64 cross compilers are missing, so the Windows checks are skipped" \
    "(./scripts/install-deps.sh installs them)" >&2
fi
ctest --test-dir "$BUILD_DIR" --output-on-failure -j "$JOBS" --timeout 300

if [[ "${FOCARA_BROWSER_TESTS:-1}" != 0 ]]; then
  for tool in npm node /usr/bin/chromium; do
    command -v "$tool" >/dev/null || { echo "test.sh: $tool is missing; run ./scripts/install-deps.sh" >&2; exit 1; }
  done
  focara="$(cd "$BUILD_DIR/bin" && pwd)/focara"
  (cd tests/browser && npm ci --no-audit --no-fund --loglevel=error)
  (cd tests/browser && FOCARA_BIN="$focara" timeout 900 npm test)
fi
