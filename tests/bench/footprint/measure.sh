#!/usr/bin/env bash
# Stripped size and memory use of TorvaneXP.exe beside a minimal window
# program, with the budgets, and beside the same minimal program with the
# common controls that the window needs (a tab control and a tool-tip window),
# which shows what the system's common-controls library costs by itself; then
# the GDI objects that the window holds. Sizes are the shipped 32-bit programs'; memory is
# measured under the project's Wine on the programs that this machine runs
# (the 64-bit copies where it runs no 32-bit code). Run after scripts/build.
set -euo pipefail
root=$(cd "$(dirname "$0")/../../.." && pwd)
. "$root/scripts/wine-env"
shipped="$root/build/win32"
running="$shipped"
[ "$wine_arch" = i686 ] || running="$root/build/win32-tests"
size_budget=$((700 * 1024)); memory_budget_kb=2048
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

stripped_size() {
  i686-w64-mingw32-strip -o "$tmp/stripped.exe" "$1"
  stat -c %s "$tmp/stripped.exe"
}
private_kb() {
  "$root/scripts/wine-run" "$running/tests/bench/footprint/footprint.exe" "$1" | tee /dev/stderr |
    sed -n 's/.*private \([0-9]*\) KB.*/\1/p'
}

size=$(stripped_size "$shipped/TorvaneXP.exe")
minimal_size=$(stripped_size "$shipped/tests/bench/footprint/MinimalWindow.exe")
echo "TorvaneXP.exe (i686): stripped $size bytes (budget $size_budget); minimal window program: $minimal_size bytes"
program_kb=$(private_kb "$running/TorvaneXP.exe")
minimal_kb=$(private_kb "$running/tests/bench/footprint/MinimalWindow.exe")
controls_kb=$(private_kb "$running/tests/bench/footprint/MinimalCommonControls.exe")
echo "private memory ($wine_arch under Wine): $program_kb KB, minimal window program $minimal_kb KB;" \
     "difference $((program_kb - minimal_kb)) KB (budget $memory_budget_kb KB)"
echo "  of which the common controls alone: $((controls_kb - minimal_kb)) KB" \
     "(minimal window program with them: $controls_kb KB); the program beyond that: $((program_kb - controls_kb)) KB"
"$root/scripts/wine-run" "$running/tests/bench/footprint/gdi_objects.exe"
