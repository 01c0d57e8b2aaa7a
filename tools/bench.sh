#!/usr/bin/env bash
# Builds the benchmarks (optimised, no sanitizers) and runs every one of them.
# Usage: tools/bench.sh [benchmark arguments, e.g. --benchmark_filter=Wrap]
set -euo pipefail
cd "$(dirname "$0")/.."
tools/deps.sh
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DQV_SANITIZE=OFF -DQV_TESTS=OFF -DQV_BENCH=ON
cmake --build build-bench -j "$(nproc)"
export QUORVELLE_REGISTRY=
for program in build-bench/bin/*_bench; do
  [ -x "$program" ] || continue
  echo "== $(basename "$program")"
  "$program" "$@"
done
