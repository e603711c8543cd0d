#!/usr/bin/env bash
# Set-up and build: installs what is missing, configures when there are no build files, builds
# what changed. A configure that failed leaves a cache but no build.ninja; it is redone from a
# fresh cache, so a bad entry the failed run left behind cannot make it fail again.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
[ -f build/build.ninja ] || cmake --preset default --fresh >/dev/null
cmake --build --preset default
