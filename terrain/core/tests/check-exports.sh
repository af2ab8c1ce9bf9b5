#!/usr/bin/env bash
# The module exports its services by name and hides everything else: every function the shared library
# defines for others must be the host entry point or a service of the terrain namespace.
set -euo pipefail
library=$1
exported=$(nm -D --defined-only "$library" | awk '$2 == "T" { print $3 }' | c++filt)
[ -n "$exported" ] || { echo "no exported functions in $library"; exit 1; }
stray=$(printf '%s\n' "$exported" | grep -v -e '^hostModuleEntry$' -e '^terrain::' || true)
if [ -n "$stray" ]; then
  echo "exported but not a service of the module:"
  printf '%s\n' "$stray"
  exit 1
fi
printf '%s\n' "$exported" | grep -qx 'hostModuleEntry' || { echo "hostModuleEntry is not exported"; exit 1; }
echo "exports: $(printf '%s\n' "$exported" | wc -l) functions, all by the module's names"
