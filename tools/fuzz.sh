#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (AddressSanitizer and UndefinedBehaviorSanitizer on)
# into build-fuzz/ and runs each in turn, starting from the seeds in tests/fuzz/seeds/.
#   tools/fuzz.sh [SECONDS_PER_TARGET [TARGET...]]   (default: 600 s, every target)
# Inputs that crash land in build-fuzz/artifacts/; the grown corpora in build-fuzz/corpora/.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$root/tools/packages.sh"
install_missing "${zephyrane_packages[@]}" clang-14 libclang-rt-14-dev sqlite3

seconds=${1:-600}
shift $(($# > 0 ? 1 : 0))
targets=("$@")
((${#targets[@]})) || targets=(fuzz_corpus fuzz_query_text fuzz_like_pattern fuzz_database)

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

# Small databases with the tables of both database files, one with its settings row, one without
# and one left in write-ahead-log mode.
seed_databases() {
  local tables="CREATE TABLE Data (No1 TEXT, Num3 TEXT, Mum1 TEXT, Num1 TEXT, No TEXT);
    INSERT INTO Data VALUES ('1', 'الفاتحة     Al-Fatiha 1', 'بسم الله', 'بسم', '1');
    INSERT INTO Data VALUES ('2', 'الفاتحة     Al-Fatiha 2', 'الحمد لله', 'الحمد', '2');
    CREATE INDEX DataMum1 ON Data(Mum1);
    CREATE TABLE Lang (Kalima TEXT, Aia TEXT, AiaNo TEXT, Ara TEXT, AraNo TEXT, Kurd TEXT,
      KurdNo TEXT, Eng TEXT, EngNo TEXT, NO1 TEXT, NO2 TEXT, NO3 TEXT, NO4 TEXT, Lang TEXT,
      Sura TEXT);"
  local row="INSERT INTO Lang VALUES ('بسم الله', 'Traditional Arabic-Q', '20',
    'Traditional Arabic', '14', 'Tahoma-Quvel', '11', 'Tahoma', '10', '1', '1', '0', '0',
    'English', '0');"
  rm -f "$1"/tables-*
  sqlite3 "$1/tables-with-settings-row" "PRAGMA page_size = 512; $tables $row"
  sqlite3 "$1/tables-without-settings-row" "PRAGMA page_size = 512; $tables"
  sqlite3 "$1/tables-in-wal-mode" "PRAGMA page_size = 512; PRAGMA journal_mode = WAL; $tables $row" >/dev/null
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
  [[ $name != database ]] || seed_databases "$corpus"
  inputs=("$corpus")
  [[ ! -d $root/tests/fuzz/seeds/$name ]] || inputs+=("$root/tests/fuzz/seeds/$name")
  max_len=$(longest_file "${inputs[@]}")
  ((max_len >= 4096)) || max_len=4096
  log=$build/$target.log
  echo "== $target: $seconds s (log: $log)"
  if ! "$build/tests/fuzz/$target" "${inputs[@]}" \
    -max_total_time="$seconds" -max_len="$max_len" -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts/$target-" >"$log" 2>&1; then
    status=1
  fi
  grep -E '^(#[0-9]+.*DONE|stat::|==[0-9]+==ERROR|SUMMARY|Test unit written)' "$log" || true
done
exit $status
