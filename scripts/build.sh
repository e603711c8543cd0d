#!/usr/bin/env bash
# Set-up and build: installs what is missing, configures once, builds what changed.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
[ -f build/CMakeCache.txt ] || cmake --preset default >/dev/null
cmake --build --preset default
