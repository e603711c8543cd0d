#!/usr/bin/env bash
# Set-up and build: installs what is missing, configures when the build files are missing (a
# first configure that failed leaves a cache but no build.ninja), builds what changed.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
[ -f build/build.ninja ] || cmake --preset default >/dev/null
cmake --build --preset default
