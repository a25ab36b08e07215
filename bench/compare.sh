#!/usr/bin/env bash
# Times zarvek-grid's add, lint and show on a full-size grid file, as CPU time (user + system) and
# wall time, against a baseline measured side by side in the same runs: a durable copy of the
# same file (copy it, then flush it to the disk), the floor any safe writer has.
#
#   bench/compare.sh [RUNS] [--baseline OTHER-ZARVEK-GRID]    (default 15 runs, alternating)
#
# Builds the release preset, generates grid files of 32766 parts (about 6 MB, the largest that
# Add accepts) and of 4096 parts in a scratch folder, then per run puts fresh copies in place,
# flushes everything (untimed), and times one after the other, each including its process start:
#   - zarvek-grid add --yes on the 32766-part file (read, checks, write, flush, rename),
#   - dd conv=fsync copying the 32766-part file (copy, flush),
#   - zarvek-grid add --yes on the 4096-part file,
#   - zarvek-grid lint and zarvek-grid show on the 32766-part file,
#   - with --baseline, the same add, lint and show by the other program (an older build), so that
#     the two are compared in the same runs on the same load.
# Prints each run, the medians, the load average before and after, and the peak memory (GNU time).
# Exits 1 when a target is missed:
#   add: CPU <= 25 ms, wall <= 4x the durable copy (median of the runs' ratios);
#   lint: CPU <= 30 ms; show: CPU <= 8 ms;
#   8x the parts (32766 against 4096) in at most 9x the add's CPU time;
#   peak memory of add, lint and show <= 32 MB.
# CPU time does not move with the disk, and less than wall time with the machine's load; still,
# figures taken while other work runs are not figures: compare on a quiet machine.
set -euo pipefail
cd "$(dirname "$0")/.."

runs=15
baseline=
while [ $# -gt 0 ]; do
  case "$1" in
    --baseline) baseline=$(realpath "$2"); shift 2 ;;
    *) runs=$1; shift ;;
  esac
done

cmake --preset release -DZARVEK_BUILD_BENCH=ON >/dev/null
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

# Times one command: prints "wall cpu" in milliseconds, CPU being user + system time of the
# process. Lint's exit code 1 (problems found) counts as a run; anything else above it fails.
measure() {
  local TIMEFORMAT='%3R %3U %3S' times
  times=$( { time "$@" >/dev/null 2>&1 || [ $? -eq 1 ] || echo failed; } 2>&1 )
  case "$times" in
    *failed*) echo "failed: $*" >&2; exit 2 ;;
  esac
  awk -v t="$times" 'BEGIN { split(t, f, " "); printf "%.1f %.1f\n", f[1] * 1000, (f[2] + f[3]) * 1000 }'
}

median() { sort -g | awk '{ v[NR] = $1 } END { m = int((NR + 1) / 2); if (NR % 2) print v[m]; else printf "%.3f\n", (v[m] + v[m + 1]) / 2 }'; }

load() { cut -d' ' -f1-3 /proc/loadavg; }

# One column per measured command: "<name>.wall" and "<name>.cpu" files of one figure a run.
record() {  # name wall cpu
  echo "$2" >>"$work/$1.wall"
  echo "$3" >>"$work/$1.cpu"
}
column_median() { median <"$work/$1"; }

load_before=$(load)
echo "load average before: $load_before"
for ((run = 1; run <= runs; run++)); do
  cp "$work/full.dat" "$work/add.dat"
  cp "$work/eighth.dat" "$work/small.dat"
  [ -z "$baseline" ] || cp "$work/full.dat" "$work/base.dat"
  rm -f "$work/copy.dat"
  sync
  read -r add_wall add_cpu < <(measure "$grid" add "${add_args[@]}" --file "$work/add.dat")
  read -r copy_wall copy_cpu < <(measure dd if="$work/full.dat" of="$work/copy.dat" bs=4M conv=fsync status=none)
  read -r small_wall small_cpu < <(measure "$grid" add "${add_args[@]}" --file "$work/small.dat")
  read -r lint_wall lint_cpu < <(measure "$grid" lint "$work/full.dat")
  read -r show_wall show_cpu < <(measure "$grid" show "$work/full.dat")
  record add "$add_wall" "$add_cpu"
  record copy "$copy_wall" "$copy_cpu"
  record small "$small_wall" "$small_cpu"
  record lint "$lint_wall" "$lint_cpu"
  record show "$show_wall" "$show_cpu"
  awk -v a="$add_wall" -v c="$copy_wall" 'BEGIN { printf "%.3f\n", a / c }' >>"$work/ratio"
  line=$(printf 'run %2d  wall/CPU ms: add %6.1f/%5.1f  copy %6.1f  add 4096 %6.1f/%5.1f  lint %6.1f/%5.1f  show %6.1f/%5.1f' \
    "$run" "$add_wall" "$add_cpu" "$copy_wall" "$small_wall" "$small_cpu" "$lint_wall" "$lint_cpu" \
    "$show_wall" "$show_cpu")
  if [ -n "$baseline" ]; then
    read -r badd_wall badd_cpu < <(measure "$baseline" add "${add_args[@]}" --file "$work/base.dat")
    read -r blint_wall blint_cpu < <(measure "$baseline" lint "$work/full.dat")
    read -r bshow_wall bshow_cpu < <(measure "$baseline" show "$work/full.dat")
    record base-add "$badd_wall" "$badd_cpu"
    record base-lint "$blint_wall" "$blint_cpu"
    record base-show "$bshow_wall" "$bshow_cpu"
    line+=$(printf '  | baseline add %6.1f/%5.1f  lint %6.1f/%5.1f  show %6.1f/%5.1f' \
      "$badd_wall" "$badd_cpu" "$blint_wall" "$blint_cpu" "$bshow_wall" "$bshow_cpu")
  fi
  echo "$line"
done
load_after=$(load)

peak_mb() {  # the peak resident memory of one run of the command, in MB
  /usr/bin/time -f '%M' "$@" 2>&1 >/dev/null | tail -n 1 | awk '{ printf "%.1f\n", $1 / 1024 }'
}
cp "$work/full.dat" "$work/add.dat"
add_peak=$(peak_mb "$grid" add "${add_args[@]}" --file "$work/add.dat")
lint_peak=$(peak_mb "$grid" lint "$work/full.dat")
show_peak=$(peak_mb "$grid" show "$work/full.dat")
peak=$(printf '%s\n' "$add_peak" "$lint_peak" "$show_peak" | sort -g | tail -n 1)

size=$(stat -c %s "$work/full.dat")
echo
echo "grid file: 32766 parts, $size bytes; $runs runs, medians; load average $load_before before, $load_after after"
printf '%-32s %9s %9s\n' "" "wall ms" "CPU ms"
for name in add copy small lint show base-add base-lint base-show; do
  [ -f "$work/$name.wall" ] || continue
  case "$name" in
    add) label="add --yes, 32766 parts" ;;
    copy) label="durable copy (dd conv=fsync)" ;;
    small) label="add --yes, 4096 parts" ;;
    lint) label="lint, 32766 parts" ;;
    show) label="show, 32766 parts" ;;
    base-add) label="baseline add --yes, 32766 parts" ;;
    base-lint) label="baseline lint, 32766 parts" ;;
    base-show) label="baseline show, 32766 parts" ;;
  esac
  printf '%-32s %9.1f %9.1f\n' "$label" "$(column_median "$name.wall")" "$(column_median "$name.cpu")"
done
echo "peak memory: add $add_peak MB, lint $lint_peak MB, show $show_peak MB"
if [ -n "$baseline" ]; then
  for name in add lint show; do
    awk -v n="$name" -v a="$(column_median "$name.cpu")" -v b="$(column_median "base-$name.cpu")" \
      'BEGIN { printf "%s CPU time against the baseline: %.2f of it\n", n, a / b }'
  done
fi

add_cpu=$(column_median add.cpu)
small_cpu=$(column_median small.cpu)
ratio=$(median <"$work/ratio")
scaling=$(awk -v a="$add_cpu" -v s="$small_cpu" 'BEGIN { printf "%.2f\n", a / s }')
status=0
verdict() {  # label, value, awk condition on v, target text
  local v
  if awk -v v="$2" "BEGIN { exit !($3) }"; then v=met; else v=MISSED; status=1; fi
  printf '%-52s %8s   target %-8s %s\n' "$1" "$2" "$4:" "$v"
}
echo
verdict "add CPU ms" "$add_cpu" "v <= 25" "<= 25"
verdict "add wall / durable copy (median of the runs' ratios)" "$ratio" "v <= 4" "<= 4"
verdict "lint CPU ms" "$(column_median lint.cpu)" "v <= 30" "<= 30"
verdict "show CPU ms" "$(column_median show.cpu)" "v <= 8" "<= 8"
verdict "add CPU at 32766 / at 4096 parts (8x the parts)" "$scaling" "v <= 9" "<= 9"
verdict "peak memory MB (the most of add, lint, show)" "$peak" "v <= 32" "<= 32"
exit $status
