#!/usr/bin/env bash
# Builds the fuzzers with clang (AddressSanitizer and UndefinedBehaviorSanitizer
# included) and runs each of them in turn for a bounded time: every NAME_fuzz.cpp in
# tests/fuzz, seeded by its NAME_fuzz_seeds program.
# Usage: tools/fuzz.sh [seconds]   (per fuzzer; default 60)
# Exits non-zero when a fuzzer finds a crash; the input is kept in build-fuzz/findings,
# named after the fuzzer.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
tools/deps.sh

fuzzers=()
for source in tests/fuzz/*_fuzz.cpp; do
  fuzzers+=("$(basename "$source" .cpp)")
done
targets=()
for fuzzer in "${fuzzers[@]}"; do
  targets+=("$fuzzer" "${fuzzer}_seeds")
done

CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=Check -DQV_SANITIZE=ON -DQV_WERROR=ON
cmake --build build-fuzz -j "$(nproc)" --target "${targets[@]}"

findings=build-fuzz/findings
mkdir -p "$findings"
failed=()
for fuzzer in "${fuzzers[@]}"; do
  corpus="build-fuzz/corpus/$fuzzer"
  mkdir -p "$corpus"
  "build-fuzz/bin/${fuzzer}_seeds" "$corpus"
  echo "== $fuzzer: $seconds seconds"
  if ! "build-fuzz/bin/$fuzzer" -max_total_time="$seconds" -artifact_prefix="$findings/$fuzzer-" "$corpus"; then
    failed+=("$fuzzer")
  fi
done

if ((${#failed[@]} > 0)); then
  echo "fuzzing found crashes in: ${failed[*]} (inputs in $findings)" >&2
  exit 1
fi
