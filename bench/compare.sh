#!/usr/bin/env bash
# Times a whole `zarvek-grid add --yes` on a full-size grid file against the floor any safe
# writer has: a durable copy of the same file (copy it, then flush it to the disk).
#
#   bench/compare.sh [RUNS]        (default 15 runs of each, alternating)
#
# Builds the release preset, generates grid files of 32766 parts (about 6 MB, the largest that
# Add accepts) and of 4096 parts in a scratch folder, then per run: puts a fresh copy of each file
# in place, flushes everything (untimed), and times one after the other
#   - zarvek-grid add --yes on the 32766-part file (process start, read, checks, write, flush,
#     rename),
#   - dd conv=fsync copying the 32766-part file (process start, copy, flush),
#   - zarvek-grid add --yes on the 4096-part file.
# Prints the medians, the median of the per-run ratios add/copy, the ratio of the medians at
# 32766 and 4096 parts, and the peak memory of the add (GNU time). Exits 1 when a target is
# missed: add within 3x the durable copy, 8x the parts at most 10x the time, peak memory under
# 64 MB.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-15}

cmake --preset release >/dev/null
cmake --build --preset release --target zarvek-grid zarvek_bench_grid_file >/dev/null
grid=build/release/cli/zarvek-grid
generate=build/release/bench/zarvek_bench_grid_file

work=$(mktemp -d "${TMPDIR:-/tmp}/zarvek-compare.XXXXXX")
trap 'rm -rf "$work"' EXIT
# A registry stand-in without the host's key: no host library is looked for outside the scratch
# folder's world, and the user's own configuration stays out of the figures.
printf 'Windows Registry Editor Version 5.00\r\n' >"$work/registry.reg"
export ZARVEK_REGISTRY=$work/registry.reg XDG_CONFIG_HOME=$work LANG=C.UTF-8
unset LANGUAGE LC_ALL LC_MESSAGES

"$generate" 32766 "$work/full.dat"
"$generate" 4096 "$work/eighth.dat"
sync

add_args=(--p1 0,0,0,0,0,1 --p2 80,0,0,0,0,1 --p3 20,60,0,0,0,1 --probe 6 --name "Benchmark part"
          --yes)

now() { date +%s%N; }

# Times one command in milliseconds (with fractions); fails when the command fails.
time_ms() {
  local start end
  start=$(now)
  "$@" >/dev/null 2>&1 || { echo "failed: $*" >&2; exit 2; }
  end=$(now)
  awk -v a="$start" -v b="$end" 'BEGIN { printf "%.3f\n", (b - a) / 1e6 }'
}

median() { sort -g | awk '{ v[NR] = $1 } END { m = int((NR + 1) / 2); if (NR % 2) print v[m]; else printf "%.3f\n", (v[m] + v[m + 1]) / 2 }'; }

adds=() copies=() smalls=() ratios=()
for ((run = 1; run <= runs; run++)); do
  cp "$work/full.dat" "$work/add.dat"
  cp "$work/eighth.dat" "$work/small.dat"
  rm -f "$work/copy.dat"
  sync
  add=$(time_ms "$grid" add "${add_args[@]}" --file "$work/add.dat")
  copy=$(time_ms dd if="$work/full.dat" of="$work/copy.dat" bs=4M conv=fsync status=none)
  small=$(time_ms "$grid" add "${add_args[@]}" --file "$work/small.dat")
  adds+=("$add") copies+=("$copy") smalls+=("$small")
  ratios+=("$(awk -v a="$add" -v c="$copy" 'BEGIN { printf "%.3f\n", a / c }')")
  printf 'run %2d: add %8.1f ms   durable copy %8.1f ms   add at 4096 parts %8.1f ms\n' \
    "$run" "$add" "$copy" "$small"
done

add_median=$(printf '%s\n' "${adds[@]}" | median)
copy_median=$(printf '%s\n' "${copies[@]}" | median)
small_median=$(printf '%s\n' "${smalls[@]}" | median)
ratio_median=$(printf '%s\n' "${ratios[@]}" | median)
scaling=$(awk -v a="$add_median" -v s="$small_median" 'BEGIN { printf "%.2f\n", a / s }')

cp "$work/full.dat" "$work/add.dat"
peak_kb=$(/usr/bin/time -f '%M' "$grid" add "${add_args[@]}" --file "$work/add.dat" 2>&1 >/dev/null |
          tail -n 1)
peak_mb=$(awk -v k="$peak_kb" 'BEGIN { printf "%.1f\n", k / 1024 }')

size=$(stat -c %s "$work/full.dat")
echo
echo "grid file: 32766 parts, $size bytes; $runs runs, medians"
printf 'add --yes, 32766 parts:       %8.1f ms\n' "$add_median"
printf 'durable copy (dd conv=fsync): %8.1f ms\n' "$copy_median"
printf 'add --yes, 4096 parts:        %8.1f ms\n' "$small_median"
status=0
verdict() {  # sets $v to met or MISSED for the awk condition $1
  if awk "BEGIN { exit !($1) }"; then v=met; else v=MISSED; status=1; fi
}
verdict "$ratio_median <= 3"
echo "add / durable copy (median of the runs' ratios): $ratio_median   target <= 3: $v"
verdict "$scaling <= 10"
echo "time at 32766 / at 4096 parts (8x the parts):     $scaling   target <= 10: $v"
verdict "$peak_mb < 64"
echo "peak memory of the add:                           $peak_mb MB   target < 64: $v"
exit $status
