#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the programs need.
# Only missing packages are installed, so a prepared machine pays nothing.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config ccache
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev
  libboost-dev libcli11-dev nlohmann-json3-dev
  dpkg-dev file
  libfreetype-dev libfontconfig-dev fonts-liberation2 fonts-dejavu-core
  hershey-fonts-data
  qt6-base-dev
  python3-ezdxf
  gcovr
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "installing: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
"${sudo_cmd[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
