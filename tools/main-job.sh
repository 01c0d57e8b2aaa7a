#!/usr/bin/env bash
# The main job: builds the module and the host shell, then lets the host shell place
# a range of the shipped workbook as a table (the create command, the companion
# add-in reading the range from the workbook), dumps the design file and draws it.
# A range of a workbook with pictures and a text box, the shipped recorded transfer
# and the smoke run of the host operations are placed and drawn beside it.
# Usage: tools/main-job.sh [output folder]
# QUORVELLE_BUILD=FOLDER runs the programs of that build folder (CI gives it the
# sanitizer build of the tests) instead of making an optimised build in build/.
set -euo pipefail
cd "$(dirname "$0")/.."
out="${1:-out}"
tools/deps.sh
build="${QUORVELLE_BUILD:-build}"
if [ -z "${QUORVELLE_BUILD:-}" ]; then
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build "$build" -j "$(nproc)"
mkdir -p "$out"
export QUORVELLE_REGISTRY="$(cd "$out" && pwd)/registry.json"
shell="$build/bin/quorvelle"
rm -f "$out/report.dgn" "$out/objects.dgn" "$out/schedule.dgn" "$out/smoke.dgn"
"$shell" --quiet --design "$out/report.dgn" create --workbook tools/samples/sampleConvertWorksheetToImageByPage.xlsx \
  --sheet "Balance Sheet" --range B1:I28 --at 0,0
"$shell" --quiet --design "$out/report.dgn" dump > "$out/report.json"
"$shell" --quiet --design "$out/report.dgn" render --svg "$out/report.svg"
"$shell" --quiet --design "$out/report.dgn" render "$out/report.png"
"$shell" --quiet --design "$out/objects.dgn" create --workbook tools/samples/WithDrawing.xlsx --range A1:L30 --at 0,0
"$shell" --quiet --design "$out/objects.dgn" dump > "$out/objects.json"
"$shell" --quiet --design "$out/objects.dgn" render --svg "$out/objects.svg"
"$shell" --quiet --design "$out/objects.dgn" render "$out/objects.png"
"$shell" --quiet --design "$out/schedule.dgn" create --transcript tools/samples/schedule.qvt --at 0,0
"$shell" --quiet --design "$out/schedule.dgn" dump > "$out/schedule.json"
"$shell" --quiet --design "$out/schedule.dgn" render --svg "$out/schedule.svg"
"$shell" --quiet --design "$out/schedule.dgn" render "$out/schedule.png"
"$shell" --quiet --design "$out/smoke.dgn" smoke --picture "$out/smoke.png" > "$out/smoke.json"
echo "workbook table: $out/report.dgn (dump $out/report.json, pictures $out/report.svg and .png)"
echo "drawing objects: $out/objects.dgn (dump $out/objects.json, pictures $out/objects.svg and .png;"
echo "  the workbook's pictures attached from $out/QuorvellePictures)"
echo "recorded table: $out/schedule.dgn (dump $out/schedule.json, pictures $out/schedule.svg and .png)"
echo "smoke: $out/smoke.dgn (dump $out/smoke.json, picture $out/smoke.png)"
