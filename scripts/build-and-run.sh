#!/usr/bin/env bash
# Installs what the program needs on a fresh Debian 12, builds it in build/
# and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

PAKETE=(cmake make g++ qt6-base-dev qt6-translations-l10n googletest libgtest-dev libbenchmark-dev)

als_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

fehlend=()
for p in "${PAKETE[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || fehlend+=("$p")
done
if [ "${#fehlend[@]}" -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  als_root apt-get update
  als_root apt-get install -y "${fehlend[@]}"
fi

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUARNEL_BUILD_QT=ON
cmake --build build -j"$(nproc)" --target quarnel
exec ./build/quarnel
