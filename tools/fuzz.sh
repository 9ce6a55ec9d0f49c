#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (AddressSanitizer and UndefinedBehaviorSanitizer on)
# into build-fuzz/ and runs each in turn, starting from the seeds in tests/fuzz/seeds/.
#   tools/fuzz.sh [SECONDS_PER_TARGET [TARGET...]]   (default: 600 s, every target)
# Inputs that crash land in build-fuzz/artifacts/; the grown corpora in build-fuzz/corpora/.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$root/tools/packages.sh"
install_missing "${zephyrane_packages[@]}" clang-14 libclang-rt-14-dev

seconds=${1:-600}
shift $(($# > 0 ? 1 : 0))
targets=("$@")
((${#targets[@]})) || targets=(fuzz_corpus fuzz_query_text fuzz_like_pattern)

build=$root/build-fuzz
CC=clang-14 CXX=clang++-14 cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DZEPHYRANE_FUZZ=ON >/dev/null
cmake --build "$build" -j "$(nproc)" --target "${targets[@]}"

# A corpus file needs all 6236 lines to load; give the fuzzer one to start from.
seed_valid_corpus() {
  local line=$'a\x9e\x9eb\x9e\x9ec\x9e\x9ed\x9e\x9e1\x9e\x9e\xc7\r'
  for ((i = 0; i < 6236; i++)); do printf '%s\n' "$line"; done >"$1/all-6236-lines"
}

status=0
for target in "${targets[@]}"; do
  name=${target#fuzz_}
  corpus=$build/corpora/$name
  mkdir -p "$corpus" "$build/artifacts"
  [[ $name != corpus ]] || seed_valid_corpus "$corpus"
  log=$build/$target.log
  echo "== $target: $seconds s (log: $log)"
  if ! "$build/tests/fuzz/$target" "$corpus" "$root/tests/fuzz/seeds/$name" \
    -max_total_time="$seconds" -max_len=70000 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts/$target-" >"$log" 2>&1; then
    status=1
  fi
  grep -E '^(#[0-9]+.*DONE|stat::|==[0-9]+==ERROR|SUMMARY|Test unit written)' "$log" || true
done
exit $status
