#!/usr/bin/env bash
# Creates (once) and prepares a private Wine prefix: wine-prefix.sh PREFIX_DIR
# Safe to call from several processes: the first one builds the prefix, the others wait for it.
set -euo pipefail
export WINEPREFIX=$1
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export LC_ALL=zh_CN.UTF-8
export WINEARCH=win64
mkdir -p "$WINEPREFIX"
exec 9>"$WINEPREFIX.lock"
flock 9
if [ -f "$WINEPREFIX/.orvex-ready" ]; then exit 0; fi
wineboot -i >/dev/null 2>&1
# Unmanaged top-level windows close at once instead of costing seconds at process exit.
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
# A fresh prefix cannot open .txt files; opening the read-me would block on an error box.
wine reg add 'HKCR\.txt' /ve /d txtfile /f >/dev/null 2>&1
touch "$WINEPREFIX/.orvex-ready"
