#!/usr/bin/env bash
# Installs the Debian packages the game needs to build, run and test.
# As root (or through sudo) it installs what is missing; otherwise it prints
# the one apt-get line to run and fails.
set -euo pipefail

packages=(
  build-essential cmake pkg-config git
  libsdl2-dev libsdl2-mixer-dev libx11-dev zlib1g-dev
  libgtkmm-3.0-dev
  libgtest-dev libgmock-dev googletest libbenchmark-dev nlohmann-json3-dev
  clang libclang-rt-14-dev
  xvfb xauth xdotool imagemagick x11-utils openbox tesseract-ocr
  desktop-file-utils appstream man-db groff-base
  debhelper dpkg-dev lintian
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing missing packages: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
elif command -v sudo >/dev/null 2>&1 && sudo -n true 2>/dev/null; then
  sudo apt-get update -qq
  sudo DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
else
  echo "Please install the missing packages first:" >&2
  echo "  sudo apt-get install ${missing[*]}" >&2
  exit 1
fi
