#!/usr/bin/env bash
# Renders the README's pictures into docs/: the default drawing and a few
# shapes and settings, each with a fixed seed so they can be made again.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build}

cmake --build "$BUILD_DIR" -j "${JOBS:-2}" --target focara
focara="$BUILD_DIR/bin/focara"
mkdir -p docs

"$focara" render --seed 1 -o docs/default.svg
"$focara" render --seed 1 --set shapeStyle=13 --set lineCount=40 -o docs/shape-13.svg
"$focara" render --seed 1 --set shapeStyle=36 --set zoomLength=220 -o docs/shape-36.svg
"$focara" render --seed 1 --set shapeStyle=46 --set zoomWidth=24 -o docs/shape-46.svg
"$focara" render --seed 1 --set shapeStyle=37 --set zoomSets=3 --set setCenterShiftX=10 \
  --set setLengthPercent=80 -o docs/zoom-sets.svg
echo "wrote docs/*.svg"
