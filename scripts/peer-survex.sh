#!/usr/bin/env bash
# Least squares side by side with survex's cave-survey reducer `cavern` (Debian
# package survex) on generated nets: chains between two benchmarks, closed
# loops, grids of blocks and random nets. Each net is written as a data file
# and in cavern's survey format; the script checks that the two programs'
# heights agree within 1e-6 mm and prints the median processor time (user +
# system) of whole runs of each and their ratio (cavern / korvado-cli: above
# 1, korvado-cli is faster). Processor time, because on a machine busy with
# other work the wall clock measures the others as well.
#
#   scripts/peer-survex.sh [BUILD_DIR] [RUNS]
#
# cavern takes minutes on grids and random nets of thousands of points; they
# are left out unless PEER_LARGE=1.
set -euo pipefail
export LC_ALL=C  # a decimal point in the times, whatever the user's locale
build=${1:-build}
runs=${2:-5}
cli=$build/cli/korvado-cli
testnets=$build/tools/testnets/korvado-testnets
for tool in "$cli" "$testnets"; do
  [ -x "$tool" ] || { echo "peer-survex: $tool is missing; build the project first" >&2; exit 2; }
done
command -v cavern >/dev/null || { echo "peer-survex: cavern is missing: apt-get install survex" >&2; exit 2; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Median processor milliseconds (user + system) of $runs whole runs of a command, output dropped.
median_ms() {
  local times=() spent
  for ((run = 0; run < runs; run++)); do
    spent=$({ TIMEFORMAT='%3U %3S'; time "$@" >/dev/null 2>&1; } 2>&1)
    times+=("$(awk -v t="$spent" 'BEGIN { split(t, a, " "); printf "%.1f", (a[1] + a[2]) * 1000 }')")
  done
  printf '%s\n' "${times[@]}" | sort -g | awk '{ t[NR] = $1 } END { print t[int((NR + 1) / 2)] }'
}

sets="chain:10 chain:100 chain:1000 chain:5000 loop:10 loop:100 loop:1000 loop:5000
      grid:10 grid:100 grid:1000 random:10 random:100 random:1000"
[ "${PEER_LARGE:-0}" = 1 ] && sets="$sets grid:5000 random:5000"

printf '%-7s %6s %14s %14s %8s  %s\n' shape points korvado_cpu_ms cavern_cpu_ms ratio agreement
failed=0
for set in $sets; do
  shape=${set%%:*} points=${set##*:} base=$work/$shape-$points
  "$testnets" write "$shape" "$points" "$base.kor" "$base.svx"
  "$cli" lsq "$base.kor" --net 0 >"$base.json"
  cavern -q -s -o "$base.3d" "$base.svx" >/dev/null
  dump3d "$base.3d" >"$base.dump"
  if agreement=$("$testnets" compare "$shape" "$points" "$base.json" "$base.dump"); then :; else failed=1; fi
  ours=$(median_ms "$cli" lsq "$base.kor" --net 0)
  theirs=$(median_ms cavern -q -s -o "$base.3d" "$base.svx")
  ratio=$(awk -v a="$theirs" -v b="$ours" 'BEGIN { printf "%.1f", (b > 0 ? a / b : 0) }')
  printf '%-7s %6s %14s %14s %8s  %s\n' "$shape" "$points" "$ours" "$theirs" "$ratio" "$agreement"
done
exit $failed
