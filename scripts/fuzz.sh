#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for the given number of seconds.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
seconds="${1:-60}"
scripts/deps.sh "${BUILD_PACKAGES[@]}" "${FUZZ_PACKAGES[@]}"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz --target tamo_fuzzers
shopt -s nullglob
for fuzzer in build-fuzz/fuzz_*; do
  [ -x "$fuzzer" ] || continue
  corpus="tests/fuzz/corpus/$(basename "$fuzzer")"
  mkdir -p "build-fuzz/corpus-$(basename "$fuzzer")"
  echo "Fuzzing $(basename "$fuzzer") for ${seconds}s"
  "$fuzzer" -max_total_time="$seconds" -max_len=65536 -rss_limit_mb=2048 \
    "build-fuzz/corpus-$(basename "$fuzzer")" $( [ -d "$corpus" ] && echo "$corpus" )
done
