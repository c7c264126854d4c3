#!/usr/bin/env bash
# Runs the Windows focara.exe under Wine on a set of cases and compares what
# it writes with the Linux focara's output for the same commands: the files
# (JSON, SVG, records) byte for byte, the exit status, and stderr and stdout
# up to line ends (Windows text output ends lines with CR LF).
#
#   wine_runs.sh LINUX_FOCARA WINDOWS_BIN_DIR WORK_DIR
#
# The Wine prefix lives in WORK_DIR and is reused; all Windows runs go in one
# batch file, so Wine starts once. Exit 77 (skipped) when Wine or the Windows
# build is missing.
set -euo pipefail
linux_focara=$1
windows_bin=$2
work=$3

wine=$(command -v wine64 || true)
[[ -z $wine && -x /usr/lib/wine/wine64 ]] && wine=/usr/lib/wine/wine64
if [[ -z $wine ]]; then
  echo "SKIPPED: Wine is not installed (wine64; ./scripts/install-deps.sh installs it)"
  exit 77
fi
for file in focara.exe Vexo_Zoom.aip; do
  if [[ ! -f $windows_bin/$file ]]; then
    echo "SKIPPED: $windows_bin/$file is missing; ./scripts/build-windows.sh makes it"
    exit 77
  fi
done

# Each case: a name and the arguments of focara render (no quotes inside).
cases=(
  "defaults|--seed 1"
  "styled|--seed 5 --fill #ffcc00 --stroke gray:1 --stroke-width 2 --set dropShadow=1 --set sketchRepeats=3 --set sketchColorMode=7 --set lineCount=40"
  "preset-7|--seed 2 --preset 7"
  "preset-13|--seed 3 --preset 13"
  "preset-24|--seed 4 --preset 24 --set zoomSets=2"
  "cancel|--seed 6 --set lineCount=50 --ui cancel"
)
for shape in $(seq 0 54); do
  cases+=("shape-$shape|--seed $((100 + shape)) --set shapeStyle=$shape")
done
# Other commands, in order (a later one may read what an earlier one wrote);
# each: a name and focara's arguments, paths written with "/".
commands=(
  "info|info"
  "about|about"
  "presets|presets"
  "params-make|params make --set lineCount=77 --set zoomSets=2 -o out/made.rec"
  "params-show|params show out/made.rec"
  "params-render|render --seed 9 --params out/made.rec --save-params out/saved.rec -o out/params.svg"
)

# What only the Windows build does: its loader's refusals and the parts it
# leaves out. Each: a name, focara.exe's arguments, the exit status and a
# piece of the one line on stderr.
refusals=(
  "no-file|info --plugin missing.aip|2|missing.aip: no such file"
  "not-a-dll|info --plugin runs.bat|2|runs.bat: not a Windows DLL"
  "no-pipl|info --plugin focara.exe|2|focara.exe: no PIPL resource: not a plug-in"
  "32-bit|about --plugin Vexo_Zoom32.aip|2|Vexo_Zoom32.aip: cannot load: not a DLL for this processor"
  "png|render --seed 1 -o out\\lines.png|2|PNG output is not in this build"
  "studio|studio|2|focara studio is not in this build"
  "webp|render --seed 1 --no-dialog --frames 2 -o out\\lines.webp|2|WebP animations are not in this build"
  "gif|render --seed 1 --no-dialog --frames 2 -o out\\lines.gif|2|GIF animations are not in this build"
)

rm -rf "$work/linux" "$work/windows"
mkdir -p "$work/linux" "$work/windows"
export WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" DISPLAY=

# The Windows runs, one batch file; CR LF ends its lines.
{
  for entry in "${cases[@]}"; do
    name=${entry%%|*}
    echo "focara.exe render ${entry#*|} -o out\\$name.json > out\\$name.out 2> out\\$name.err"
    echo "echo %ERRORLEVEL% > out\\$name.rc"
  done
  for entry in "${commands[@]}"; do
    name=${entry%%|*}
    args=${entry#*|}
    echo "focara.exe ${args//\//\\} > out\\$name.out 2> out\\$name.err"
    echo "echo %ERRORLEVEL% > out\\$name.rc"
  done
  for entry in "${refusals[@]}"; do
    IFS='|' read -r name args _ <<<"$entry"
    echo "focara.exe $args > refused\\$name.out 2> refused\\$name.err"
    echo "echo %ERRORLEVEL% > refused\\$name.rc"
  done
} | sed 's/$/\r/' >"$work/windows/runs.bat"
# focara.exe finds the plug-in beside itself: both are copied next to the batch.
cp "$windows_bin/focara.exe" "$windows_bin/Vexo_Zoom.aip" "$work/windows/"
[[ -f $windows_bin/../../i686/bin/Vexo_Zoom.aip ]] && cp "$windows_bin/../../i686/bin/Vexo_Zoom.aip" "$work/windows/Vexo_Zoom32.aip"
mkdir -p "$work/windows/out" "$work/windows/refused"
(cd "$work/windows" && "$wine" cmd /c runs.bat) >"$work/wine.log" 2>&1 || true

# The same commands on Linux.
cd "$work/linux"
mkdir -p out
for entry in "${cases[@]}"; do
  name=${entry%%|*}
  read -ra args <<<"${entry#*|}"
  status=0
  "$linux_focara" render "${args[@]}" -o "out/$name.json" >"out/$name.out" 2>"out/$name.err" || status=$?
  echo "$status" >"out/$name.rc"
done
for entry in "${commands[@]}"; do
  name=${entry%%|*}
  read -ra args <<<"${entry#*|}"
  status=0
  "$linux_focara" "${args[@]}" >"out/$name.out" 2>"out/$name.err" || status=$?
  echo "$status" >"out/$name.rc"
done

# Files are compared byte for byte; text is compared without CR and without trailing blanks; info's first line
# names the library file, which differs by nature.
text() { sed -e 's/\r$//' -e 's/ *$//' -e 's/^library: .*/library: (path)/' "$1"; }
failures=0
compared=0
for file in out/*; do
  other="$work/windows/$file"
  if [[ $file == *.json || $file == *.svg || $file == *.rec ]]; then
    if [[ ! -f $other ]] || ! cmp -s "$file" "$other"; then
      echo "differs: $file (Linux: $work/linux/$file, Windows: $other)"
      failures=$((failures + 1))
    fi
  elif [[ ! -f $other ]] || ! diff <(text "$file") <(text "$other") >/dev/null; then
    echo "differs: $file"
    diff <(text "$file") <(text "$other" 2>/dev/null) | head -5 || true
    failures=$((failures + 1))
  fi
  compared=$((compared + 1))
done
# A file Windows wrote that Linux did not (the cancelled run writes nothing).
for file in "$work/windows/out"/*; do
  [[ -f out/${file##*/} ]] || { echo "Windows only: ${file##*/}"; failures=$((failures + 1)); }
done
if [[ ! -f out/defaults.json || -f out/cancel.json ]]; then
  echo "the Linux runs did not write what they should"
  failures=$((failures + 1))
fi
for entry in "${refusals[@]}"; do
  IFS='|' read -r name args status message <<<"$entry"
  [[ $name == 32-bit && ! -f $work/windows/Vexo_Zoom32.aip ]] && continue
  got_status=$(tr -d '\r ' <"$work/windows/refused/$name.rc")
  got=$(tr -d '\r' <"$work/windows/refused/$name.err")
  if [[ $got_status != "$status" || $got != *"$message"* || $(wc -l <"$work/windows/refused/$name.err") != 1 ]]; then
    echo "focara.exe $args: status $got_status, stderr: $got; expected status $status and one line with: $message"
    failures=$((failures + 1))
  fi
done
for refused in lines.png lines.webp lines.gif; do
  [[ -f $work/windows/out/$refused ]] && { echo "focara.exe wrote $refused, which it refused"; failures=$((failures + 1)); }
done
if ((failures > 0)); then
  echo "$failures of $compared outputs differ; Wine's log: $work/wine.log"
  exit 1
fi
echo "${#cases[@]} renders and ${#commands[@]} other commands: focara.exe under Wine wrote what Linux focara wrote ($compared files);"
echo "${#refusals[@]} refusals of focara.exe as expected"
