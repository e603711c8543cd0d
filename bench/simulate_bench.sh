#!/usr/bin/env bash
# Time from launch to results of `quorvane-calc --simulate K` for the three netlist models of
# the default design, for one or more builds of the program side by side in one run:
#   bench/simulate_bench.sh [-n RUNS] BINARY [BINARY ...]
# Prints, per binary and model, the median and the spread of the wall-clock seconds and the
# median processor seconds (user + system, of ngspice included), which the machine's other
# load disturbs less. Runs alternate between the binaries so a change of load hits them alike.
set -euo pipefail

runs=7
if [ "${1:-}" = "-n" ]; then runs=$2; shift 2; fi
[ $# -ge 1 ] || { echo "usage: $0 [-n RUNS] BINARY [BINARY ...]" >&2; exit 2; }

declare -A wall cpu
for ((run = 0; run < runs; run++)); do
  for model in 1 2 3; do
    for binary in "$@"; do
      timing=$( { /usr/bin/time -f '%e %U %S' "$binary" --simulate "$model" >/dev/null; } 2>&1 | tail -n 1 )
      read -r seconds user system <<<"$timing"
      wall[$binary,$model]+="$seconds "
      cpu[$binary,$model]+="$(awk -v u="$user" -v s="$system" 'BEGIN { printf "%.2f", u + s }') "
    done
  done
done

median() { tr ' ' '\n' | sed '/^$/d' | sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
spread() { tr ' ' '\n' | sed '/^$/d' | sort -g | awk 'NR == 1 { lo = $1 } { hi = $1 } END { print lo "-" hi }'; }

printf '%-50s %5s %12s %12s %10s\n' binary model "median s" "range s" "cpu s"
for binary in "$@"; do
  for model in 1 2 3; do
    printf '%-50s %5s %12s %12s %10s\n' "$binary" "$model" \
      "$(median <<<"${wall[$binary,$model]}")" "$(spread <<<"${wall[$binary,$model]}")" \
      "$(median <<<"${cpu[$binary,$model]}")"
  done
done
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg), $(nproc) processors"
