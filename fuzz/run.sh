#!/bin/sh
# Runs the fuzz targets of a fuzzing build, each for SECONDS seconds, starting
# from its committed seed corpus. New inputs go to a scratch folder, never into
# the committed corpus; a finding is saved in BUILD/fuzz-findings/ and fails
# the run. Usage: fuzz/run.sh BUILD SECONDS [TARGET...]
set -eu
build=$1; seconds=$2; shift 2
src=$(cd "$(dirname "$0")" && pwd)
findings="$build/fuzz-findings"; mkdir -p "$findings"
targets=${*:-$(cd "$src/corpus" && ls)}
status=0
for t in $targets; do
  bin="$build/fuzz/fuzz_$t"
  [ -x "$bin" ] || { echo "no fuzz target $t in $build"; exit 2; }
  scratch=$(mktemp -d); log="$findings/$t.log"
  echo "== fuzz_$t for ${seconds}s"
  if "$bin" -max_total_time="$seconds" -print_final_stats=1 -timeout=25 -rss_limit_mb=2048 \
       -artifact_prefix="$findings/$t-" "$scratch" "$src/corpus/$t" >"$log" 2>&1; then
    grep -E '^stat::number_of_executed_units|^stat::average_exec_per_sec' "$log" | tr '\n' ' '; echo
  else
    echo "fuzz_$t found a fault; see $log"; tail -40 "$log"; status=1
  fi
  rm -rf "$scratch"
done
exit $status
