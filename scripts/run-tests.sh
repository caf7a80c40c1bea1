#!/usr/bin/env bash
# Installs what is needed, then builds and runs every test twice: a normal
# build, and a build with AddressSanitizer and UndefinedBehaviorSanitizer
# where any report fails the test. The normal build is also installed, the
# Debian package built, linted, installed, started and purged.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

echo "== test share"
# A ratchet: step it down as tests are folded into tables; the aim is 35.
python3 scripts/test-share.py --max 40

run() {  # run BUILD-DIR CMAKE-OPTIONS...
  local dir=$1; shift
  cmake -S . -B "$dir" -G Ninja -DTILDORA_WERROR=ON "$@"
  cmake --build "$dir"
  ctest --test-dir "$dir" --output-on-failure
}

echo "== normal build"
run build/test-normal -DCMAKE_BUILD_TYPE=RelWithDebInfo
echo "== bundled exercise files"
build/test-normal/tildora-author check --content content content/ejercicios/*.txt
echo "== installing and packaging"
bash scripts/check-install.sh build/test-normal
bash scripts/check-package.sh
echo "== sanitizer build"
run build/test-sanitize -DCMAKE_BUILD_TYPE=Debug -DTILDORA_SANITIZE=ON -DTILDORA_BUILD_BENCHMARKS=OFF
echo "== fuzzing each reader of teacher files for 30 s"
bash scripts/run-fuzzers.sh 30
