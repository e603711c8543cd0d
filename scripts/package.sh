#!/usr/bin/env bash
# Set-up, build, and the Debian package: leaves build/quorvane_VERSION_ARCH.deb (CPack's DEB
# generator, from the install rules in cmake/packaging.cmake). Installs what is missing first, so
# it can be run again at any time.
# Install it with: apt-get install ./build/quorvane_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
cd build
cpack -G DEB
ls -1 "$PWD"/quorvane_*.deb
