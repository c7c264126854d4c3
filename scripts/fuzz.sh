#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, ASan+UBSan; fuzz/) in build-fuzz and
# runs each for SECONDS seconds (default 25), starting from seeds made from
# the project's own outputs plus the small ones in fuzz/seeds. New inputs
# collect in build-fuzz/fuzz-corpus/TARGET, so a later run goes on from there;
# a crash stops with the reproducer saved as build-fuzz/crash-* (run the
# target on that file to see it again).
#   ./scripts/fuzz.sh            # CI: 25 s each
#   ./scripts/fuzz.sh 3600       # an hour each
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-25}
build=${FUZZ_BUILD_DIR:-build-fuzz}
jobs=${JOBS:-2}
targets=(document record settings elf res script studio)

CC=${FUZZ_CC:-clang-14} CXX=${FUZZ_CXX:-clang++-14} \
  cmake -S . -B "$build" -G Ninja -DFOCARA_FUZZ=ON -DFOCARA_BUILD_TESTS=OFF -DFOCARA_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" -j "$jobs"

# Seeds from what the project writes: documents, records, the plug-in's
# resources and a library that carries them.
seeds="$build/fuzz-seeds"
rm -rf "$seeds"
mkdir -p "$seeds"/{document,record,settings,elf,res}
focara="$build/bin/focara"
"$focara" render --seed 1 --set lineCount=3 -o "$seeds/document/lines.json" 2>/dev/null
"$focara" render --seed 2 --set lineCount=2 --set dropShadow=1 --set sketchRepeats=1 -o "$seeds/document/styled.json" 2>/dev/null
echo '{"page": {"width": 100, "height": 100}, "colorModel": "cmyk", "layers": [{"art": []}]}' >"$seeds/document/small.json"
"$focara" params make -o "$seeds/record/defaults.rec"
"$focara" params make --set dropShadow=1 --set zoomSets=3 -o "$seeds/record/styled.rec"
echo -n "lineCount=50" >"$seeds/record/set.txt"
"$focara" render --seed 3 --look flash --area rect:100,200,300,150,30 --no-dialog -o "$seeds/settings/area.svg" 2>/dev/null
sed -n 's/.*<metadata id="focara-settings">\(.*\)<\/metadata>.*/\1/p' "$seeds/settings/area.svg" | sed 's/&quot;/"/g' >"$seeds/settings/settings.json"
rm "$seeds/settings/area.svg"
cp looks/*.json "$seeds/settings/"
echo -n "ellipse:306,396,120,70,15" >"$seeds/settings/area.txt"
cp "$build/plugin/Vexo_Zoom.res" "$seeds/res/"
cp "$build/bin/libfuzz_seed_library.so" "$seeds/elf/"

status=0
for target in "${targets[@]}"; do
  corpus="$build/fuzz-corpus/$target"
  mkdir -p "$corpus"
  sources=("$corpus")
  [[ -d "$seeds/$target" ]] && sources+=("$seeds/$target")
  [[ -d "fuzz/seeds/$target" ]] && sources+=("fuzz/seeds/$target")
  log="$build/fuzz-$target.log"
  if "$build/bin/fuzz_$target" -max_total_time="$seconds" -timeout=20 -rss_limit_mb=4096 \
    -artifact_prefix="$build/" -print_final_stats=1 "${sources[@]}" >"$log" 2>&1; then
    result=ok
  else
    result="FAILED (see $log)"
    status=1
  fi
  runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || echo "?")
  echo "fuzz_$target: $runs executions in ${seconds}s, corpus $(ls "$corpus" | wc -l) inputs: $result"
done
exit $status
