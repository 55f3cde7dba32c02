#!/usr/bin/env bash
# A long fuzzing run of the settings file, for a scheduled job: one fuzzing process per core,
# with a corpus kept between runs so that each run goes on from where the last one stopped.
#   scripts/fuzz-long.sh                     an hour
#   FUZZ_SECONDS=120 scripts/fuzz-long.sh    two minutes (how CI runs it)
#   FUZZ_CORPUS=DIR                          where the corpus is kept (default build-fuzz/corpus)
#   FUZZ_JOBS=N                              parallel fuzzing processes (default: one per core)
# Exits non-zero when the fuzzer finds a fault; the input that caused it is kept in build-fuzz/
# (crash-*, leak-*, timeout-* or oom-*) and can be replayed with
#   build-fuzz/tests/config_fuzz build-fuzz/crash-<hash>
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
seconds=${FUZZ_SECONDS:-3600}
jobs=${FUZZ_JOBS:-$(nproc 2>/dev/null || echo 2)}
corpus=${FUZZ_CORPUS:-build-fuzz/corpus}

echo "== build the fuzzer"
cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DVANTORELLE_FUZZ=ON \
  -DVANTORELLE_APP=OFF -DVANTORELLE_TESTS=OFF -DVANTORELLE_WERROR=ON >/dev/null
cmake --build build-fuzz -j "$jobs"

mkdir -p "$corpus"
corpus=$(cd "$corpus" && pwd)
inputs_before=$(find "$corpus" -type f | wc -l)
# Each job writes its own log, fuzz-<job>.log, into the folder it runs in.
logs=$(mktemp -d)
trap 'rm -rf "$logs"' EXIT

echo "== fuzz the settings file for $seconds s with $jobs jobs" \
  "(corpus $corpus: $inputs_before inputs, seeded with tests/config/golden)"
status=0
(cd "$logs" && "$root/build-fuzz/tests/config_fuzz" -jobs="$jobs" -workers="$jobs" \
  -max_total_time="$seconds" -timeout=30 -print_final_stats=1 \
  -artifact_prefix="$root/build-fuzz/" "$corpus" "$root/tests/config/golden" \
  >"$logs/driver.log" 2>&1) || status=$?

executions=0
for log in "$logs"/fuzz-*.log; do
  [ -e "$log" ] || continue
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
  executions=$((executions + ${runs:-0}))
done
inputs_after=$(find "$corpus" -type f | wc -l)
echo "executions: $executions over $jobs jobs; corpus: $inputs_before -> $inputs_after inputs"

if [ "$status" -ne 0 ]; then
  for log in "$logs"/fuzz-*.log; do
    if grep -q -e '^==[0-9]*==' -e 'invariant broken' -e '^SUMMARY:' "$log"; then
      tail -n 60 "$log"
    fi
  done
  tail -n 20 "$logs/driver.log"
  echo "fuzzing found a fault; the input is in build-fuzz/" >&2
  exit 1
fi
