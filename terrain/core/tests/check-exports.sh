#!/usr/bin/env bash
# The module exports its services by name and hides everything else: every symbol the shared library
# defines for others (functions, data, template code) must be the host entry point or of the terrain namespace.
set -euo pipefail
library=$1
exported=$(nm -D --defined-only "$library" | awk 'NF == 3 { print $3 }' | c++filt)
[ -n "$exported" ] || { echo "no exported functions in $library"; exit 1; }
stray=$(printf '%s\n' "$exported" | grep -v -e '^hostModuleEntry$' -e '^terrain::' || true)
if [ -n "$stray" ]; then
  echo "exported but not a service of the module:"
  printf '%s\n' "$stray"
  exit 1
fi
printf '%s\n' "$exported" | grep -qx 'hostModuleEntry' || { echo "hostModuleEntry is not exported"; exit 1; }
echo "exports: $(printf '%s\n' "$exported" | wc -l) symbols, all by the module's names"
