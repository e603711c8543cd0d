#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (the fuzz preset) and runs each for a while.
# Usage: scripts/fuzz.sh [SECONDS_PER_TARGET [TARGET...]]   (default 60 s, every target)
# Installs clang and its runtime libraries if missing; CI does not fuzz, so setup.sh leaves them out.
set -euo pipefail

all_targets=(number_parser_fuzz design_file_fuzz raw_file_fuzz deck_translation_fuzz jpeg_decode_fuzz)
seconds="${1:-60}"
case "$seconds" in
  ''|*[!0-9]*) echo "usage: $0 [SECONDS_PER_TARGET [TARGET...]]" >&2; exit 2 ;;
esac
shift $(( $# > 0 ? 1 : 0 ))
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=("${all_targets[@]}")

root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"

# Whichever clang is installed (the newest versioned one if several), else Debian's default.
clangxx="$(command -v clang++ || ls /usr/bin/clang++-[0-9]* 2>/dev/null | sort -V | tail -n 1 || true)"
if [ -z "$clangxx" ]; then
  bash scripts/apt_install.sh clang
  clangxx="$(command -v clang++)"
fi
clang_major="$("$clangxx" -dumpversion | cut -d. -f1)"
bash scripts/apt_install.sh "libclang-rt-${clang_major}-dev" cmake ninja-build libjpeg-dev libfftw3-dev pkg-config

cmake --preset fuzz -DCMAKE_CXX_COMPILER="$clangxx" >/dev/null
cmake --build --preset fuzz --target "${targets[@]}"

# Each target keeps its corpus between runs and starts from the seeds in fuzz/seeds; a crash
# leaves its input in build-fuzz/artifacts.
status=0
for target in "${targets[@]}"; do
  corpus="build-fuzz/corpus/$target"
  seeds="fuzz/seeds/$target"
  mkdir -p "$corpus" "$seeds" build-fuzz/artifacts
  echo "== $target for ${seconds}s" >&2
  "build-fuzz/fuzz/$target" -max_total_time="$seconds" -max_len=16384 -print_final_stats=1 \
    -artifact_prefix=build-fuzz/artifacts/ "$corpus" "$seeds" || status=1
done
exit $status
