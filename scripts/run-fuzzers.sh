#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, AddressSanitizer, UBSan) in their own
# build folder and runs each for a fixed time on a working copy of its seed
# corpus. Any crash, leak or sanitizer report fails the script and leaves the
# input in build/fuzz/findings/TARGET/.
#   scripts/run-fuzzers.sh SECONDS [TARGET...]
# FUZZ_ARGS adds libFuzzer options, e.g. FUZZ_ARGS=-runs=10000000 to stop
# after that many executions if that comes before SECONDS.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:?usage: run-fuzzers.sh SECONDS [TARGET...]}
shift
targets=("$@")
if [[ ${#targets[@]} -eq 0 ]]; then
  targets=(fuzz_exercisetext fuzz_numberreader fuzz_gif fuzz_bmp fuzz_maker fuzz_results fuzz_classlist)
fi

build=build/fuzz
CC=clang-14 CXX=clang++-14 cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTILDORA_FUZZ=ON -DTILDORA_BUILD_TESTS=OFF -DTILDORA_BUILD_BENCHMARKS=OFF -DTILDORA_BUILD_CONTENTGEN=OFF >/dev/null
cmake --build "$build" --target "${targets[@]}"

status=0
for t in "${targets[@]}"; do
  corpus=$build/corpus/$t
  findings=$build/findings/$t
  mkdir -p "$corpus" "$findings"
  cp -n fuzz/corpus/"$t"/* "$corpus"/ 2>/dev/null || true
  echo "== $t for $seconds s"
  # Fixed seed: a CI failure can be replayed. The log's last lines give the
  # number of runs.
  if ! QT_QPA_PLATFORM=offscreen "$build/fuzz/$t" -max_total_time="$seconds" -seed=1 -rss_limit_mb=2048 \
      -artifact_prefix="$findings/" -print_final_stats=1 ${FUZZ_ARGS:-} "$corpus" 2>"$build/$t.log"; then
    tail -n 40 "$build/$t.log"
    echo "== $t FOUND A FAULT: input in $findings/"
    status=1
  else
    grep -E '^(stat::number_of_executed_units|Done)' "$build/$t.log" || true
  fi
done
exit $status
