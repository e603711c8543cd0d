#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (the fuzz preset) and runs each for a while.
# Usage: scripts/fuzz.sh [SECONDS_PER_TARGET]   (default 60)
# Installs clang and its runtime libraries if missing; CI does not fuzz, so setup.sh leaves them out.
set -euo pipefail

seconds="${1:-60}"
case "$seconds" in
  ''|*[!0-9]*) echo "usage: $0 [SECONDS_PER_TARGET]" >&2; exit 2 ;;
esac

packages=(clang libclang-rt-14-dev cmake ninja-build)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}" >&2
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz --target number_parser_fuzz design_file_fuzz

# Each target keeps its corpus between runs; a crash leaves its input in build-fuzz/artifacts.
status=0
for target in number_parser_fuzz design_file_fuzz; do
  corpus="build-fuzz/corpus/$target"
  mkdir -p "$corpus" build-fuzz/artifacts
  echo "== $target for ${seconds}s" >&2
  "build-fuzz/fuzz/$target" -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
    -artifact_prefix=build-fuzz/artifacts/ "$corpus" || status=1
done
exit $status
