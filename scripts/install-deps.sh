#!/usr/bin/env bash
# Installs the Debian packages Plakatorium needs to build, run and test.
# Idempotent: prints nothing and installs nothing when everything is present.
set -euo pipefail

PACKAGES=(
  build-essential cmake ninja-build pkg-config ccache
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-image-formats-plugins libqt6svg6
  qt6-translations-l10n
  libgl-dev libgif-dev libzint-dev
  fonts-wine fontconfig fonts-dejavu-core
  xvfb xauth
  appstream desktop-file-utils shared-mime-info dpkg-dev
  cups cups-client printer-driver-cups-pdf poppler-utils
  libbenchmark-dev
  libzxing-dev libzbar-dev  # tests only: they decode the barcodes the program draws
  librsvg2-bin  # tests only: another program draws our SVG files
  clang libclang-rt-14-dev
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  SUDO=""
  if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
