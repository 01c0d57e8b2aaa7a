#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer and runs the
# whole test suite. Usage: tools/test.sh [ctest arguments]
set -euo pipefail
cd "$(dirname "$0")/.."
tools/deps.sh
cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=Check -DQV_SANITIZE=ON -DQV_WERROR=ON
cmake --build build-test -j "$(nproc)"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
cd build-test && ctest --output-on-failure -j "$(nproc)" "$@"
