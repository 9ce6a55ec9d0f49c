#!/usr/bin/env bash
# Builds everything and runs every test (offscreen, no display needed).
#   ./test.sh [CTEST_OPTION...]
#   ./test.sh --sanitize [CTEST_OPTION...]   the same with AddressSanitizer and
#                                            UndefinedBehaviorSanitizer, in build-asan/
set -euo pipefail
root=$(cd "$(dirname "$0")" && pwd)
build=$root/build
if [[ ${1:-} == --sanitize ]]; then
  shift
  build=$root/build-asan
  "$root/tools/setup.sh" "$build" -DZEPHYRANE_SANITIZE=ON
  export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1:suppressions=$root/tools/asan.supp
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
else
  "$root/tools/setup.sh"
fi
cd "$build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)" "$@"
