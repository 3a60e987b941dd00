#!/usr/bin/env bash
# Installs the Debian 12 packages Kelvane needs to build, run and test.
# Only missing packages are installed; the package lists are refreshed first
# when anything is missing, so a fresh machine works and a ready one is quick.
# libqt6svg6 brings the plugins that draw the program's SVG icons;
# qt6-svg-dev the SVG writer of the graph export. groff
# renders the two guides to PDF; libgs10-common holds the fonts it embeds.
# poppler-utils reads the printed PDFs back in the tests, and its pdfinfo
# measures the pictures of the window that the user guide places.
# rsvg-convert draws the icon's pixel sizes; the desktop validators, the
# MIME database and gio check the installed desktop files in the tests.
# clang-14 and libclang-rt-14-dev (libFuzzer and the sanitizer runtimes) build
# the fuzz targets. libgsl-dev brings the nonlinear least-squares solver of the
# user-defined fits; libginac-dev differentiates their equations.
set -euo pipefail

packages=(
  cmake ninja-build make g++ pkg-config
  qt6-base-dev libqcustomplot-dev libqcustomplot2.1-qt6
  libqt6svg6 qt6-svg-dev
  libfparser-dev libtnt-dev libjama-dev libjpeg-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  libcli11-dev nlohmann-json3-dev
  libgsl-dev libginac-dev
  fonts-liberation fontconfig
  groff libgs10-common
  poppler-utils librsvg2-bin desktop-file-utils appstream shared-mime-info libglib2.0-bin file
  clang-14 libclang-rt-14-dev
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  if [ "$(id -u)" -ne 0 ]; then
    echo "Missing packages and not root: run this script as root." >&2
    exit 1
  fi
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
