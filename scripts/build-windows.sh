#!/usr/bin/env bash
# Builds the Windows plug-in and the Windows focara with Debian's MinGW-w64
# cross compilers, into build-windows/ (or WINDOWS_BUILD_DIR):
#   i686/bin/Vexo_Zoom.aip    the plug-in as a 32-bit DLL
#   x86_64/bin/Vexo_Zoom.aip  the plug-in as a 64-bit DLL
#   x86_64/bin/focara.exe     the host, without PNG, PDF and focara studio
# Both DLLs are made from the Linux library's sources and resource script.
set -euo pipefail
cd "$(dirname "$0")/.."
OUT=${WINDOWS_BUILD_DIR:-build-windows}
JOBS=${JOBS:-2}

for tool in i686-w64-mingw32-g++-posix x86_64-w64-mingw32-g++-posix i686-w64-mingw32-windres \
  x86_64-w64-mingw32-windres; do
  command -v "$tool" >/dev/null ||
    { echo "build-windows.sh: $tool is missing; run ./scripts/install-deps.sh" >&2; exit 1; }
done

# -O2 as the Linux build; no debugging information in the shipped files.
for arch in i686 x86_64; do
  studio=ON
  [[ $arch == i686 ]] && studio=OFF
  cmake -S . -B "$OUT/$arch" -G Ninja --log-level=WARNING \
    -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/toolchains/mingw-$arch.cmake" \
    -DCMAKE_BUILD_TYPE=Release "-DCMAKE_CXX_FLAGS_RELEASE=-O2 -DNDEBUG" \
    -DFOCARA_BUILD_STUDIO=$studio
  cmake --build "$OUT/$arch" -j "$JOBS"
done
ls -l "$OUT"/i686/bin/Vexo_Zoom.aip "$OUT"/x86_64/bin/Vexo_Zoom.aip "$OUT"/x86_64/bin/focara.exe
