#!/usr/bin/env bash
# Installs the Debian 12 packages Quorvane builds, tests and runs with, only those missing, and
# a comma-decimal locale (de_DE.UTF-8) under which the number formatter's test runs.
set -euo pipefail
cd "$(dirname "$0")"

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev qt6-charts-dev libqt6opengl6-dev qt6-svg-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  libjpeg-dev libfftw3-dev libeigen3-dev
  ngspice
  poppler-utils fonts-dejavu-core locales
  dpkg-dev file desktop-file-utils appstream shared-mime-info libxml2-utils man-db
)
bash apt_install.sh "${packages[@]}"

# Generated, not installed: Debian ships the locale's source in "locales" but builds none.
if ! locale -a 2>/dev/null | grep -qix 'de_DE\.utf-\?8'; then
  as_root=()
  [ "$(id -u)" -eq 0 ] || as_root=(sudo)
  if ! "${as_root[@]}" localedef -i de_DE -c -f UTF-8 de_DE.UTF-8; then
    echo "warning: the de_DE.UTF-8 locale could not be generated; the comma-decimal test will be skipped" >&2
  fi
fi
