#!/usr/bin/env bash
# Installs the Debian packages of scripts/debian-packages.txt that are missing.
# With --always, updates the package lists and installs them all (CI).
set -euo pipefail
cd "$(dirname "$0")/.."

mapfile -t packages < <(grep -v -e '^#' -e '^$' scripts/debian-packages.txt)
# The browser tests need Node.js with npm; a machine that has them from
# elsewhere keeps its own (Debian's npm would conflict with them).
if ! command -v node >/dev/null || ! command -v npm >/dev/null; then
  packages+=(nodejs npm)
fi
if [[ "${1:-}" != "--always" ]]; then
  missing=()
  for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  packages=("${missing[@]+"${missing[@]}"}")
fi
if ((${#packages[@]} == 0)); then
  exit 0
fi

sudo=()
if [[ "$(id -u)" -ne 0 ]]; then sudo=(sudo); fi
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${packages[@]}"
