#!/usr/bin/env bash
# The shipped program's processor use while it idles at its default rate,
# hidden in the tray and shown on "Système", under the project's Wine,
# counting the time Wine's server spends for it too, beside a minimal window
# program under the same Wine (budget: 0.5 % of one core above it). Where the
# machine runs both, the 32-bit program and a 64-bit copy are measured. Run
# after scripts/build.
#   measure.sh [seconds=30]
set -euo pipefail
root=$(cd "$(dirname "$0")/../../.." && pwd)
seconds=${1:-30}
budget=0.5
if [ -z "${DISPLAY:-}" ]; then exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"; fi
. "$root/scripts/wine-env"
hz=$(getconf CLK_TCK)

# Processor ticks (user and system) of process $1.
ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat" 2>/dev/null || echo 0; }
# Those of the Wine server of this prefix, which works in a folder named
# after the prefix's device and inode; other prefixes' servers are not ours.
server_ticks() {
  local folder pid
  folder=$(printf 'server-%x-%x' "$(stat -c %d "$WINEPREFIX")" "$(stat -c %i "$WINEPREFIX")")
  for pid in $(pgrep -x wineserver; pgrep -x wineserver64); do
    [[ "$(readlink "/proc/$pid/cwd")" == */"$folder" ]] && awk '{ print $14 + $15 }' "/proc/$pid/stat" && return
  done
  echo 0
}
# Percent of one core that process $1 and the Wine server took over the span.
percent() {
  local p0 s0 p1 s1
  p0=$(ticks "$1"); s0=$(server_ticks)
  sleep "$seconds"
  p1=$(ticks "$1"); s1=$(server_ticks)
  awk -v p=$((p1 - p0)) -v s=$((s1 - s0)) -v hz="$hz" -v t="$seconds" 'BEGIN { printf "%.2f", 100 * (p + s) / hz / t }'
}
report() {  # WHAT PERCENT BASELINE
  awk -v what="$1" -v p="$2" -v b="$3" -v budget="$budget" 'BEGIN {
    printf "%s: %.2f %% of one core, program and Wine server; %.2f above the minimal program (budget %.2f)%s\n",
           what, p, p - b, budget, (p - b > budget ? ": OVER" : "") }'
}

# measure ARCH PROGRAMS_DIR WINE...: the minimal program, then the program
# in the tray and shown, each started by WINE.
measure() {
  local arch=$1 dir=$2 minimal
  shift 2
  local wine=("$@")
  "${wine[@]}" "$dir/tests/bench/footprint/MinimalWindow.exe" >/dev/null 2>&1 &
  sleep 6
  minimal=$(percent $!)
  echo "$arch minimal window program: $minimal % of one core, program and Wine server, over $seconds s"
  wineserver -k >/dev/null 2>&1 || true; sleep 1
  "${wine[@]}" "$dir/TorvaneXP.exe" >/dev/null 2>&1 &
  local program=$!
  sleep 8   # started, and gone to the tray four seconds later
  report "$arch TorvaneXP.exe in the tray" "$(percent $program)" "$minimal"
  "${wine[@]}" "$dir/tests/bench/cpu/cpu_use.exe" >/dev/null 2>&1
  sleep 2
  report "$arch TorvaneXP.exe shown on Système" "$(percent $program)" "$minimal"
  wineserver -k >/dev/null 2>&1 || true; sleep 1
}

measure "$wine_arch" "$root/build/win32" "$root/scripts/wine-run"
# The 64-bit copy, where the 64-bit Wine runs beside the 32-bit one.
if [ "$wine_arch" = i686 ] && /usr/lib/wine/wine64 --version >/dev/null 2>&1; then
  "$root/scripts/build-libjpeg-mingw" x86_64
  [ -f "$root/build/win64/build.ninja" ] ||
    cmake --preset win32 -B "$root/build/win64" -DTORVANE_MINGW_ARCH=x86_64 >/dev/null
  cmake --build "$root/build/win64" --target TorvaneXP MinimalWindow cpu_use >/dev/null
  export WINEARCH=win64 WINELOADER=/usr/lib/wine/wine64 WINEPREFIX="$root/build/wineprefix64"
  [ -f "$WINEPREFIX/system.reg" ] || { /usr/lib/wine/wine64 wineboot --init >/dev/null 2>&1; wineserver -w; }
  measure x86_64 "$root/build/win64" /usr/lib/wine/wine64
fi
