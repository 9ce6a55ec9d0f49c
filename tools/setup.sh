#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the program need, when missing,
# then configures and builds into build/. Shared by run.sh and test.sh.
set -euo pipefail

packages=(
  cmake g++ make pkg-config
  qt6-base-dev qt6-multimedia-dev libsqlite3-dev
  xvfb xauth
  fonts-hosny-amiri fonts-noto-core fonts-dejavu-core fonts-liberation2
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if ((${#missing[@]})); then
  echo "Installing missing packages: ${missing[*]}"
  if [[ $(id -u) -eq 0 ]]; then sudo=(); else sudo=(sudo); fi
  export DEBIAN_FRONTEND=noninteractive
  "${sudo[@]}" apt-get update -q
  "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build_type=${ZEPHYRANE_BUILD_TYPE:-RelWithDebInfo}
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE="$build_type" >/dev/null
cmake --build "$root/build" -j "$(nproc)"
