#!/usr/bin/env bash
# Installs everything a fresh Debian 12 machine lacks for building and testing both worlds.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  googletest libgtest-dev libbenchmark-dev
  libboost-dev libgeos-dev
  python3 python3-ezdxf python3-matplotlib
  wine64 wine g++-mingw-w64-x86-64-posix mingw-w64-tools
  xvfb xauth x11-utils imagemagick fonts-wqy-microhei locales
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"

if [ ${#missing[@]} -gt 0 ]; then
  echo "bootstrap: installing ${missing[*]}"
  $SUDO apt-get update
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
fi

# Wine reports code page 936 only with a Chinese locale; Chinese arguments and titles need it generated.
if ! locale -a 2>/dev/null | grep -qi '^zh_CN\.utf-\?8$'; then
  echo "bootstrap: generating zh_CN.UTF-8"
  $SUDO localedef -i zh_CN -f UTF-8 zh_CN.UTF-8
fi
echo "bootstrap: ready"
