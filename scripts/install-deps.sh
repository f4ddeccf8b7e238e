#!/usr/bin/env bash
# Installs the Debian packages Plakatorium needs to build, run and test.
# Idempotent: prints nothing and installs nothing when everything is present.
set -euo pipefail

PACKAGES=(
  build-essential cmake ninja-build pkg-config ccache
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-image-formats-plugins libqt6svg6
  qt6-translations-l10n
  libgl-dev libgif-dev libzint-dev zlib1g-dev libharfbuzz-dev
  fonts-wine fontconfig fonts-dejavu-core
  xvfb xauth
  appstream desktop-file-utils shared-mime-info dpkg-dev
  cups cups-client printer-driver-cups-pdf poppler-utils
  libbenchmark-dev
  libzxing-dev libzbar-dev  # tests only: they decode the barcodes the program draws
  librsvg2-bin  # tests only: another program draws our SVG files
  glabels-data  # the open label-product database the catalogue reads (tests: real products)
  glabels  # tests only: the peer prints the same gLabels project, to compare with the import
  clang libclang-rt-14-dev
  gcovr  # make coverage
  locales  # the tests run in fr_FR.UTF-8 as well, as a French user does
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# The French locale, generated the Debian way (listed in /etc/locale.gen) so that it stays.
if ! locale -a 2>/dev/null | grep -qix 'fr_FR\.utf-\?8'; then
  echo "Generating the locale fr_FR.UTF-8"
  if grep -q '^# *fr_FR.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null; then
    $SUDO sed -i 's/^# *fr_FR.UTF-8 UTF-8/fr_FR.UTF-8 UTF-8/' /etc/locale.gen
  else
    echo 'fr_FR.UTF-8 UTF-8' | $SUDO tee -a /etc/locale.gen >/dev/null
  fi
  $SUDO locale-gen >/dev/null
fi
