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

# A corpus file needs all 6236 lines to load; give the fuzzer one to start from in each of
# the two encodings.
seed_valid_corpora() {
  local cp1256=$'a\x9e\x9eb\x9e\x9ec\x9e\x9ed\x9e\x9e1\x9e\x9e\xc7\r'
  local zwj2=$'\xe2\x80\x8d\xe2\x80\x8d'
  local utf8=$'\xd9\x90\xd9\x86\xd9\x85'$zwj2'ti'$zwj2$'\xda\x95\xdb\x8e'$zwj2$'\xd8\xa8'$zwj2'1'$zwj2$'\xd8\xa7\r'
  for ((i = 0; i < 6236; i++)); do printf '%s\n' "$cp1256"; done >"$1/all-6236-lines"
  {
    printf '\xef\xbb\xbf'
    for ((i = 0; i < 6236; i++)); do printf '%s\n' "$utf8"; done
  } >"$1/all-6236-lines-utf-8"
}

# The longest input is the longest seed, so the whole-corpus seeds are fuzzed whole.
longest_file() {
  find "$@" -type f -printf '%s\n' | sort -n | tail -n 1
}

status=0
for target in "${targets[@]}"; do
  name=${target#fuzz_}
  corpus=$build/corpora/$name
  mkdir -p "$corpus" "$build/artifacts"
  [[ $name != corpus ]] || seed_valid_corpora "$corpus"
  seeds=$root/tests/fuzz/seeds/$name
  max_len=$(longest_file "$corpus" "$seeds")
  ((max_len >= 4096)) || max_len=4096
  log=$build/$target.log
  echo "== $target: $seconds s (log: $log)"
  if ! "$build/tests/fuzz/$target" "$corpus" "$seeds" \
    -max_total_time="$seconds" -max_len="$max_len" -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts/$target-" >"$log" 2>&1; then
    status=1
  fi
  grep -E '^(#[0-9]+.*DONE|stat::|==[0-9]+==ERROR|SUMMARY|Test unit written)' "$log" || true
done
exit $status
