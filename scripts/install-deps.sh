#!/usr/bin/env bash
# Installs the Debian packages of scripts/debian-packages.txt that are missing.
# With --always, updates the package lists and installs them all (CI).
set -euo pipefail
cd "$(dirname "$0")/.."

mapfile -t packages < <(grep -v -e '^#' -e '^$' scripts/debian-packages.txt)
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
