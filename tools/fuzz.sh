#!/usr/bin/env bash
# Builds the cell-record fuzzer with clang (AddressSanitizer and
# UndefinedBehaviorSanitizer included) and runs it for a bounded time.
# Usage: tools/fuzz.sh [seconds]   (default 60)
# Exits non-zero when the fuzzer finds a crash; the input is kept in build-fuzz/findings.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
tools/deps.sh

CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQV_SANITIZE=ON
cmake --build build-fuzz -j "$(nproc)" --target record_fuzz record_fuzz_seeds

corpus=build-fuzz/corpus
findings=build-fuzz/findings
mkdir -p "$corpus" "$findings"
build-fuzz/bin/record_fuzz_seeds "$corpus"
build-fuzz/bin/record_fuzz -max_total_time="$seconds" -artifact_prefix="$findings/" "$corpus"
