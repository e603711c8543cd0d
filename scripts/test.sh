#!/usr/bin/env bash
# Set-up, build, and every test (window tests run offscreen).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
export QT_QPA_PLATFORM=offscreen
ctest --preset default --timeout 300 -j2
