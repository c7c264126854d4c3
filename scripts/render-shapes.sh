#!/usr/bin/env bash
# Renders one line of each of the 55 shapes, pointing right, into one sheet:
# docs/shapes.svg. Needs a build (BUILD_DIR, default build) and python3.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build}
focara="$BUILD_DIR/bin/focara"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

for s in $(seq 0 54); do
  "$focara" render --seed 1 --set shapeStyle="$s" --set lineCount=1 --set zoomLength=160 --set zoomWidth=30 \
    --set zoomDistance=0 --set centerX=20 --set centerY=40 -o "$work/s$s.svg" 2>/dev/null
done
python3 - "$work" docs/shapes.svg <<'PY'
import re, sys
work, target = sys.argv[1], sys.argv[2]
out = ['<svg xmlns="http://www.w3.org/2000/svg" width="1100" height="1100" viewBox="0 0 1100 1100">'
       '<rect width="1100" height="1100" fill="white"/>']
for s in range(55):
    paths = re.findall(r'<path [^>]*/>', open(f'{work}/s{s}.svg').read())
    x, y = (s % 5) * 220, (s // 5) * 100
    paths = [p.replace(' stroke="none"', '').replace('fill="#000000"', 'fill="#335" stroke="#f00" stroke-width="0.5"')
             for p in paths]
    out.append(f'<g transform="translate({x},{y + 90}) scale(1,-1)">' + ''.join(paths) + '</g>')
    out.append(f'<text x="{x + 5}" y="{y + 12}" font-size="11">{s}</text>')
out.append('</svg>')
open(target, 'w').write(''.join(out))
PY
echo "wrote docs/shapes.svg"
