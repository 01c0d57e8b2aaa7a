#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the host shell need.
# Skips the install when every package is already there.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  libgtest-dev libbenchmark-dev libsqlite3-dev sqlite3 nlohmann-json3-dev libcli11-dev
  libzip-dev libpugixml-dev libexpat1-dev libdw-dev
  libcairo2-dev libturbojpeg0-dev libfreetype-dev libfontconfig-dev fontconfig fonts-liberation fonts-crosextra-carlito
  fonts-wqy-microhei
  clang libclang-rt-14-dev
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

run() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }
export DEBIAN_FRONTEND=noninteractive
run apt-get update
run apt-get install -y --no-install-recommends "${missing[@]}"
