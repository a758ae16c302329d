#!/usr/bin/env bash
# Stripped size and memory use of TorvaneXP.exe beside a minimal window program,
# under the project's Wine. Run after scripts/build win32.
set -euo pipefail
root=$(cd "$(dirname "$0")/../../.." && pwd)
bin="$root/build/win32"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
for exe in "$bin/TorvaneXP.exe" "$bin/tests/bench/footprint/MinimalWindow.exe"; do
  i686-w64-mingw32-strip -o "$tmp/$(basename "$exe")" "$exe"
  echo "$(basename "$exe"): stripped $(stat -c %s "$tmp/$(basename "$exe")") bytes"
done
for exe in "$bin/TorvaneXP.exe" "$bin/tests/bench/footprint/MinimalWindow.exe"; do
  "$root/scripts/wine-run" "$bin/tests/bench/footprint/footprint.exe" "$exe"
done
