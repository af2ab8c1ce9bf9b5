#!/usr/bin/env bash
# Runs every test of both builds from a fresh machine: bootstrap, native, native under sanitizers, Windows under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/bootstrap.sh
bash tools/test-native.sh native
bash tools/test-native.sh native-asan
bash tools/test-windows.sh
echo "test-all: every build passed"
