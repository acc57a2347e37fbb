#!/usr/bin/env bash
# Runs every libFuzzer target of a fuzz build for a while over its committed
# seed corpus: tools/run-fuzzers.sh [seconds per target, default 5].
# New inputs go to a scratch corpus under build/fuzz, never into the
# repository; a crash leaves its input in build/fuzz/artifacts/.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-5}
build=build/fuzz
mkdir -p "$build/artifacts"
shopt -s nullglob
fuzzers=("$build"/fuzzers/mirel_fuzz_*)
[ ${#fuzzers[@]} -gt 0 ] || { echo "no fuzz targets in $build/fuzzers" >&2; exit 1; }

for fuzzer in "${fuzzers[@]}"; do
  name=${fuzzer##*/mirel_fuzz_}
  seeds=(fuzz/*/corpus/"$name")
  [ ${#seeds[@]} -eq 1 ] || { echo "no seed corpus for $name" >&2; exit 1; }
  scratch="$build/corpus/$name"
  mkdir -p "$scratch"
  echo "--- $name: ${seconds}s"
  if ! "$fuzzer" -max_total_time="$seconds" -print_final_stats=1 \
      -artifact_prefix="$build/artifacts/$name-" "$scratch" "${seeds[0]}" 2>&1 | tail -n 12; then
    echo "fuzz target $name failed" >&2
    exit 1
  fi
done
