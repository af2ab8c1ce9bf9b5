#!/usr/bin/env bash
# Builds the Windows programs and runs their tests under Wine, with a private Xvfb and a private
# wineserver for the build tree's prefix; both are stopped at the end, whatever happened.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
jobs=$(nproc)

cmake --preset windows >/dev/null
cmake --build --preset windows -j "$jobs"

source tools/wine-session.sh
trap wine_session_stop EXIT
wine_session_start "$root/build/windows/wine"

ctest --preset windows -j "$jobs" --no-tests=error
