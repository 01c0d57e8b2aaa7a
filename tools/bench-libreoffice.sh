#!/usr/bin/env bash
# Times the whole create of the generated grid workbook (100 columns; thin borders on
# every cell, a bold filled header row, a text column, numbers under "#,##0.00") as a
# user runs it, `quorvelle create` from workbook to saved design file, next to
# LibreOffice's headless PDF export of the same workbook, and prints the seconds,
# peak memory and their ratio for each size, then whether the placement targets hold:
#   - 1000 rows placed in at most half of LibreOffice's time for them;
#   - 2000 rows in at most 2.2 times the time of 1000 rows;
#   - peak memory at most 300 MiB for 1000 rows and 600 MiB for 2000 rows.
# Each time is the best of three runs. LibreOffice is a reference here, not a part of
# the product; the script installs it (Debian's libreoffice-calc-nogui) when missing.
# Usage: tools/bench-libreoffice.sh [ROWS...]   (default: 100 500 1000 2000)
# Exits 1 when a target does not hold.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/deps.sh

run() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }
missing=()
command -v soffice > /dev/null || missing+=(libreoffice-calc-nogui)
[ -x /usr/bin/time ] || missing+=(time)
if ((${#missing[@]} > 0)); then
  export DEBIAN_FRONTEND=noninteractive
  run apt-get update
  run apt-get install -y --no-install-recommends "${missing[@]}"
fi

cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DQV_SANITIZE=OFF -DQV_TESTS=OFF -DQV_BENCH=ON > /dev/null
cmake --build build-bench -j "$(nproc)" --target quorvelle grid_workbook QuorvelleV8i_standin > /dev/null
shell="$PWD/build-bench/bin/quorvelle"
grid="$PWD/build-bench/bin/grid_workbook"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QUORVELLE_REGISTRY="$work/registry.json"
profile="file://$work/libreoffice-profile"

# "seconds KiB" of one run of the command; its output is not kept.
timed() { /usr/bin/time -f "%e %M" "$@" 2>&1 > /dev/null | tail -n 1; }
# The line with the fewest seconds.
fastest() { sort -n -k1,1 | head -n 1; }

# LibreOffice builds its profile on its first start: not part of what is timed.
"$grid" 2 2 "$work/warm.xlsx" > /dev/null
soffice -env:UserInstallation="$profile" --headless --convert-to pdf --outdir "$work" "$work/warm.xlsx" > /dev/null 2>&1

sizes=("$@")
[ ${#sizes[@]} -gt 0 ] || sizes=(100 500 1000 2000)
declare -A seconds memory
printf "%8s %8s %14s %14s %16s %16s %8s\n" rows cells quorvelle_s quorvelle_MiB libreoffice_s libreoffice_MiB ratio
for rows in "${sizes[@]}"; do
  book="$work/grid-$rows.xlsx"
  range=$("$grid" "$rows" 100 "$book")
  read -r q_s q_kib <<< "$(for run in 1 2 3; do
    timed "$shell" --quiet --design "$work/grid-$rows-$run.dgn" create --workbook "$book" --sheet Data \
      --range "$range" --at 0,0
  done | fastest)"
  read -r l_s l_kib <<< "$(for run in 1 2 3; do
    timed soffice -env:UserInstallation="$profile" --headless --convert-to pdf --outdir "$work" "$book"
  done | fastest)"
  seconds[$rows]=$q_s
  memory[$rows]=$((q_kib / 1024))
  printf "%8s %8s %14s %14s %16s %16s %8s\n" "$rows" "$((rows * 100))" "$q_s" "$((q_kib / 1024))" "$l_s" \
    "$((l_kib / 1024))" "$(awk -v q="$q_s" -v l="$l_s" 'BEGIN { printf "%.2f", q / l }')"
  [ "$rows" = 1000 ] && lo1000=$l_s
done

failed=0
check() {
  if awk "BEGIN { exit !($2) }"; then echo "holds: $1"; else echo "FAILS: $1"; failed=1; fi
}
if [ -n "${seconds[1000]:-}" ]; then
  check "1000 rows in at most half of LibreOffice's time (${seconds[1000]} s against ${lo1000} s)" \
    "${seconds[1000]} <= 0.5 * $lo1000"
  check "1000 rows within 300 MiB (${memory[1000]} MiB)" "${memory[1000]} <= 300"
fi
if [ -n "${seconds[1000]:-}" ] && [ -n "${seconds[2000]:-}" ]; then
  check "2000 rows in at most 2.2 times the time of 1000 rows (${seconds[2000]} s against ${seconds[1000]} s)" \
    "${seconds[2000]} <= 2.2 * ${seconds[1000]}"
fi
[ -z "${seconds[2000]:-}" ] || check "2000 rows within 600 MiB (${memory[2000]} MiB)" "${memory[2000]} <= 600"
exit "$failed"
