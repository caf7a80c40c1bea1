#!/usr/bin/env bash
# Installs the Debian 12 packages that building, testing and running Tildora
# need. Safe to run again: it does nothing when everything is there.
#   --content-tools   also the tools that regenerate the content pack
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-multimedia-dev qt6-charts-dev libqt6opengl6-dev qt6-image-formats-plugins
  libgif-dev libhunspell-dev hunspell-es libbenchmark-dev
  fonts-liberation2
  qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
  desktop-file-utils appstream file python3
  espeak-ng sox
  debhelper dpkg-dev fakeroot lintian man-db qt6-l10n-tools qt6-tools-dev
  clang-14 libclang-rt-14-dev
)
if [[ "${1:-}" == "--content-tools" ]]; then
  packages+=(fonts-sil-andika imagemagick)
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
if [[ ${#missing[@]} -eq 0 ]]; then
  echo "install-deps: all packages present"
  exit 0
fi

sudo=()
if [[ "$(id -u)" -ne 0 ]]; then
  sudo=(sudo)
fi
echo "install-deps: installing ${missing[*]}"
"${sudo[@]}" apt-get update
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
