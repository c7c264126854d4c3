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
# Reference areas: the clear middle an ellipse or a turned rectangle.
"$focara" render --seed 1 --set lineCount=90 --set zoomLength=300 --set zoomWidth=6 --set zoomLengthSpread=80 \
  --set randomAngle=4 --area ellipse:306,420,150,80,-15 -o docs/area-ellipse.svg
"$focara" render --seed 1 --set lineCount=120 --set zoomLength=160 --set zoomWidth=5 \
  --area rect:166,336,280,120,20 -o docs/area-rect.svg
# Flickering lines: eight frames, each drawn with the next seed.
"$focara" render --seed 1 --frames 8 --fps 8 --dpi 20 --set lineCount=60 --set zoomLength=140 --set zoomWidth=7 \
  --set zoomLengthSpread=120 --set randomAngle=6 --area ellipse:306,396,110,70 -o docs/flicker.gif
# The looks sheet: every look as focara draws it, and the manga look on a B4
# page around an oval clear area, as an artist would start a panel.
mkdir -p docs/looks
for look in $("$focara" looks | sed -n 's/^\([a-z0-9-]*\): .*/\1/p'); do
  "$focara" render --seed 2 --look "$look" --dpi 24 -o "docs/looks/$look.png"
done
"$focara" render --seed 2 --look manga --page b4 --area ellipse:364,560,170,110,-10 --dpi 36 -o docs/manga-b4-area.png
echo "wrote docs/*.svg, docs/flicker.gif, docs/looks/*.png and docs/manga-b4-area.png"
