#!/usr/bin/env bash
# Installs the Debian packages the toolset needs to build, run and test.
# Idempotent: prints nothing and does nothing when every package is there.
set -euo pipefail

packages=(
  # build
  cmake ninja-build g++ pkg-config
  # libraries
  qt6-base-dev libgd-dev
  # tests and benchmarks
  libgtest-dev libgmock-dev libbenchmark-dev libeigen3-dev
  # fonts the drawings use (Arial, Times New Roman and Symbol stand-ins) and the stroke font source
  fonts-liberation2 fonts-urw-base35 hershey-fonts-data
  # fuzz targets and headless window tests
  clang libclang-rt-14-dev xvfb xauth
  # helpers that check exported files in tests
  ghostscript giflib-tools poppler-utils libwmf-bin emf2svg netpbm
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing missing packages: ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
