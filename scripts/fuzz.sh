#!/usr/bin/env bash
# Builds the fuzz preset and runs every libFuzzer target of fuzz/ for SECONDS (default 30) on
# its corpus under build/fuzz/corpus, seeded from a copy of fuzz/seeds/<target> (the seeds are
# never written). First the saved reproducers of fuzz/regressions/<target> run once each.
# Prints, per target, executions, time and coverage; exits 1 when any target or reproducer
# breaks a property, 2 when the build fails. Crash inputs land in build/fuzz/artifacts.
# FUZZ_BUILD_DIR=build/other configures the same preset in that folder and works there instead.
set -uo pipefail

seconds=${1:-30}
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

build=${FUZZ_BUILD_DIR:-build/fuzz}
if [ "$build" = build/fuzz ]; then
  cmake --preset fuzz >/dev/null || exit 2
  cmake --build --preset fuzz || exit 2
else
  cmake --preset fuzz -B "$build" >/dev/null || exit 2
  cmake --build "$build" --target fuzzers || exit 2
fi

artifacts=$build/artifacts
mkdir -p "$artifacts" "$build/logs"
found=0

# The first line libFuzzer or a target printed about what broke.
what_broke() {
  grep -m1 -E '^==== broken property|ERROR: (AddressSanitizer|LeakSanitizer|libFuzzer)|runtime error:' "$1" |
    cut -c1-400
}

for seeds in fuzz/seeds/*/; do
  target=$(basename "$seeds")
  exe=$build/fuzz/$target
  if [ ! -x "$exe" ]; then
    echo "$target: not built"
    found=1
    continue
  fi
  dict=()
  [ -f "fuzz/$target.dict" ] && dict=("-dict=fuzz/$target.dict")

  regressions=fuzz/regressions/$target
  if [ -d "$regressions" ] && [ -n "$(ls -A "$regressions")" ]; then
    for input in "$regressions"/*; do
      log=$build/logs/$target-regression-$(basename "$input").log
      if ! "$exe" "$input" >"$log" 2>&1; then
        echo "$target: reproducer $input still fails: $(what_broke "$log")"
        found=1
      fi
    done
  fi

  corpus=$build/corpus/$target
  mkdir -p "$corpus"
  cp -n "$seeds"* "$corpus"/  # keeps what earlier runs found
  log=$build/logs/$target.log
  start=$SECONDS
  "$exe" -max_total_time="$seconds" -timeout=25 -print_final_stats=1 \
    -artifact_prefix="$artifacts/$target-" "${dict[@]}" "$corpus" >"$log" 2>&1
  status=$?
  elapsed=$((SECONDS - start))
  execs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$')
  cov=$(grep -oE 'cov: [0-9]+ ft: [0-9]+ corp: [0-9]+/[0-9]+[bKM]b?' "$log" | tail -n 1)
  printf '%-14s %9s executions in %4ss, %s\n' "$target" "${execs:-?}" "$elapsed" "${cov:-cov: ?}"
  if [ "$status" -ne 0 ]; then
    echo "  FOUND (exit $status): $(what_broke "$log")"
    grep -m1 -o "Test unit written to .*" "$log" | sed 's/^/  /'
    echo "  log: $log"
    found=1
  fi
done

exit "$found"
