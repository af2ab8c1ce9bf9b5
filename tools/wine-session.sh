# Sourced helpers: a private Xvfb display and a running wineserver for one prefix.
# wine_session_start PREFIX  -> exports DISPLAY and WINEPREFIX (and Wine's settings)
# wine_session_stop          -> stops that wineserver and that Xvfb only

wine_session_start() {
  export WINEPREFIX=$1
  export WINEDEBUG=-all
  # No menu builder: shortcuts Setup saves in the prefix's shell folders stay out of the Linux desktop.
  export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
  export LC_ALL=zh_CN.UTF-8
  export WINEARCH=win64
  # Xvfb picks a free display itself and writes its number: no race with other sessions on this machine.
  local number_file
  number_file=$(mktemp)
  Xvfb -displayfd 3 -nolisten tcp -screen 0 1280x1024x24 3>"$number_file" >/dev/null 2>&1 &
  WINE_SESSION_XVFB=$!
  local i
  for i in $(seq 1 100); do
    [ -s "$number_file" ] && break
    sleep 0.1
  done
  export DISPLAY=":$(tr -d '[:space:]' < "$number_file")"
  rm -f "$number_file"
  for i in $(seq 1 100); do
    xdpyinfo -display "$DISPLAY" >/dev/null 2>&1 && break
    sleep 0.1
  done
  bash "$(dirname "${BASH_SOURCE[0]}")/wine-prefix.sh" "$WINEPREFIX"
  # The server must already run, with its output away from ours, before the tests start.
  wineserver -p >/dev/null 2>&1 </dev/null || true
  wine cmd /c exit >/dev/null 2>&1 </dev/null || true
}

wine_session_stop() {
  if [ -n "${WINEPREFIX:-}" ]; then
    wineserver -k >/dev/null 2>&1 || true
    wineserver -w >/dev/null 2>&1 || true
  fi
  if [ -n "${WINE_SESSION_XVFB:-}" ]; then
    kill "$WINE_SESSION_XVFB" 2>/dev/null || true
    wait "$WINE_SESSION_XVFB" 2>/dev/null || true
  fi
}
