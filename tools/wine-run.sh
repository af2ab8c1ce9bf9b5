#!/usr/bin/env bash
# Runs a Windows program under Wine in a private prefix: wine-run.sh PREFIX_DIR PROGRAM [ARGS...]
# ctest calls it as the cross-compiling emulator; tools/test-windows.sh prepares the prefix,
# the display and the wineserver before the tests so that each run costs only the program's own time.
set -euo pipefail
prefix=$1; shift
export WINEPREFIX=$prefix
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export LC_ALL=zh_CN.UTF-8
export WINEARCH=win64
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  bash "$(dirname "$0")/wine-prefix.sh" "$WINEPREFIX"
fi
exec wine "$@"
