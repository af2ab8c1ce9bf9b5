#!/usr/bin/env bash
# Times Setup.exe installing a generated medium (10,000 small files plus a few large ones, 200 MB)
# under Wine, and Wine's own xcopy of the same folders, in the same session; prints both and the ratio.
# Setup is timed from the click on the folder page's next button until the finish page appears
# (copy, top-level files, install log); xcopy as the wall time of one `wine cmd /c` running it.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
build=$root/build/windows
medium=$root/build/bench-medium
prefix=$root/build/bench-wine
title="Orvex V8.5 安装向导"
rounds=${BENCH_ROUNDS:-2}

cmake --preset windows >/dev/null
cmake --build --preset windows -j2 --target Setup orvex-driver >/dev/null
if [ ! -f "$medium/Setup.exe" ] || [ "$build/setup/Setup.exe" -nt "$medium/Setup.exe" ]; then
  /usr/bin/python3 tools/make-medium.py "$medium" --setup "$build/setup/Setup.exe" --bench >/dev/null
fi
echo "bench: medium $medium ($(du -sm "$medium" | cut -f1) MB, $(find "$medium" -type f | wc -l) files)"

source tools/wine-session.sh
trap wine_session_stop EXIT
wine_session_start "$prefix"
driver() { wine "$build/tools/driver/orvex-driver.exe" "$@"; }
drive_c=$prefix/drive_c
wmedium="Z:${medium//\//\\}"

best_setup=""; best_xcopy=""
for round in $(seq 1 "$rounds"); do
  rm -rf "$drive_c/bench"
  wine reg delete 'HKLM\SOFTWARE\Velmark\enggOrvex\V8' /f >/dev/null 2>&1 || true
  wine "$medium/Setup.exe" &
  setup_pid=$!
  driver click "$title" 1003 1000
  driver click "$title" 1016 1017
  driver click "$title" 1016 1000
  driver settext "$title" 1009 1009 'C:\bench\setup\'
  setup_ms=$(driver timeclick "$title" 1009 1000 1012 600000 | tr -d '\r')
  driver click "$title" 1012 1012
  driver click "$title" 1012 1000
  wait "$setup_pid"

  # A batch file in the system code page: cmd reads its Chinese folder names as GBK.
  {
    for f in Support Controls 图框 Data Database 模板 Temp; do
      printf 'xcopy /e /i /q /y "%s\\%s" "C:\\bench\\xcopy\\%s" >nul\r\n' "$wmedium" "$f" "$f"
    done
    printf 'copy /y "%s\\*.*" "C:\\bench\\xcopy\\" >nul\r\n' "$wmedium"
  } | iconv -f utf-8 -t gbk > "$drive_c/bench-xcopy.bat"
  start=$(date +%s%N)
  wine cmd /c 'C:\bench-xcopy.bat' >/dev/null 2>&1 </dev/null || true  # the file counts show what arrived
  xcopy_ms=$(( ($(date +%s%N) - start) / 1000000 ))

  setup_files=$(find "$drive_c/bench/setup" -type f | wc -l)
  xcopy_files=$(find "$drive_c/bench/xcopy" -type f | wc -l)
  echo "bench: round $round: Setup ${setup_ms} ms ($setup_files files), xcopy ${xcopy_ms} ms ($xcopy_files files)"
  if [ -z "$best_setup" ] || [ "$setup_ms" -lt "$best_setup" ]; then best_setup=$setup_ms; fi
  if [ -z "$best_xcopy" ] || [ "$xcopy_ms" -lt "$best_xcopy" ]; then best_xcopy=$xcopy_ms; fi
done
rm -rf "$drive_c/bench" "$drive_c/bench-xcopy.bat"
ratio=$(awk -v s="$best_setup" -v x="$best_xcopy" 'BEGIN { printf "%.2f", s / x }')
echo "bench: best of $rounds: Setup ${best_setup} ms, xcopy ${best_xcopy} ms, ratio ${ratio} (target <= 1.20)"
