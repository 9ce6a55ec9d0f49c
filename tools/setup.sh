#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the program need, when missing,
# then configures and builds. Shared by run.sh and test.sh.
#   tools/setup.sh [BUILD_FOLDER [CMAKE_OPTION...]]   (default folder: build/)
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$root/tools/packages.sh"
install_missing "${zephyrane_packages[@]}"

build=${1:-$root/build}
shift $(($# > 0 ? 1 : 0))
build_type=${ZEPHYRANE_BUILD_TYPE:-RelWithDebInfo}
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE="$build_type" "$@" >/dev/null
cmake --build "$build" -j "$(nproc)"
