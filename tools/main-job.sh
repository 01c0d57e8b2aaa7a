#!/usr/bin/env bash
# The main job: builds the module and the host shell, runs the host shell on a design
# file and draws it to a picture. Usage: tools/main-job.sh [output folder]
set -euo pipefail
cd "$(dirname "$0")/.."
out="${1:-out}"
tools/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$(nproc)"
mkdir -p "$out"
rm -f "$out/smoke.dgn"
build/bin/quorvelle --design "$out/smoke.dgn" smoke --picture "$out/smoke.png" > "$out/smoke.json"
echo "design file: $out/smoke.dgn, dump: $out/smoke.json, picture: $out/smoke.png"
