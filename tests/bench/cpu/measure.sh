#!/usr/bin/env bash
# The shipped program's processor use under the project's Wine at "Haute",
# with its window shown and then in the tray, counting the time Wine's server
# spends for it too, beyond what the server spends beside a minimal window
# program (aim: under 0.5 % of one core). Run after scripts/build.
#   measure.sh [seconds=60]
set -euo pipefail
root=$(cd "$(dirname "$0")/../../.." && pwd)
seconds=${1:-60}
if [ -z "${DISPLAY:-}" ]; then exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"; fi
. "$root/scripts/wine-env"
program="$root/build/win32/TorvaneXP.exe"
[ "$wine_arch" = i686 ] || program="$root/build/win32-tests/TorvaneXP.exe"
drive() { "$root/scripts/wine-run" "$root/build/win32/tests/bench/cpu/cpu_use.exe" "$1" >/dev/null 2>&1; }
# Processor ticks (user and system) of the processes whose command line matches.
ticks() { local sum=0 pid; for pid in $(pgrep -f "$1"); do sum=$((sum + $(awk '{ print $14 + $15 }' "/proc/$pid/stat"))); done; echo $sum; }
hz=$(getconf CLK_TCK)
# Ticks of the program named $1 and of the Wine server over the span, less the
# server's own beside the minimal program.
server_base=0
measure() {
  local p0 s0 p1 s1
  p0=$(ticks "$2"); s0=$(ticks wineserver)
  sleep "$seconds"
  p1=$(ticks "$2"); s1=$(ticks wineserver)
  awk -v what="$1" -v p=$((p1 - p0)) -v s=$((s1 - s0)) -v b="$server_base" -v hz="$hz" -v t="$seconds" 'BEGIN {
    printf "%s: program %.2f s, Wine server %.2f s (%.2f s beside the minimal program) over %d s: %.2f %% of one core\n",
           what, p / hz, s / hz, b / hz, t, 100 * (p + s - b) / hz / t }'
  last_server=$((s1 - s0))
}
"$root/scripts/wine-run" "$root/build/win32/tests/bench/footprint/MinimalWindow.exe" >/dev/null 2>&1 &
sleep 6
measure "minimal window program" MinimalWindow.exe
server_base=$last_server
"$root/scripts/wine-run" cmd /c taskkill /im MinimalWindow.exe /f >/dev/null 2>&1 || pkill -f MinimalWindow.exe || true
"$root/scripts/wine-run" "$program" >/dev/null 2>&1 &
sleep 6   # started and gone to the tray
drive haute
sleep 2
measure shown TorvaneXP.exe
drive hide
sleep 1
measure "in the tray" TorvaneXP.exe
wineserver -k >/dev/null 2>&1 || true
