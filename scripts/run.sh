#!/usr/bin/env bash
# Set-up, build, and start the calculator.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
if [ -x build/src/app/quorvane ]; then
  exec build/src/app/quorvane "$@"
fi
exec build/src/app/quorvane-calc --fields "$@"
