#!/usr/bin/env bash
# Installs every package Orvanta builds, tests and runs with (Debian 12). Safe to run again:
# packages already present are left alone and apt is not touched.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-base-dev-tools libgl-dev
  libcli11-dev nlohmann-json3-dev libfreexl-dev
  liborcus-dev libixion-dev libboost-dev libminizip-dev zlib1g-dev libsqlite3-dev
  clang libclang-rt-14-dev clang-format
  libpalm-pdb-perl netpbm
  python3-xlwt python3-openpyxl python3-odf sqlite3 poppler-utils unzip
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
$sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
