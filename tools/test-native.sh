#!/usr/bin/env bash
# Builds and tests one native preset (native or native-asan).
set -euo pipefail
cd "$(dirname "$0")/.."
preset=${1:-native}
jobs=$(nproc)

cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" -j "$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=0 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --preset "$preset" -j "$jobs" --no-tests=error
