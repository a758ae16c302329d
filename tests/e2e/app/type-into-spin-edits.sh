#!/usr/bin/env bash
# A person's hands on the settings page, through the X server: for each of the
# three spin edits, a click in the box, its text selected with the keys, a
# number typed; the box must show that number and still its up and down
# buttons (what the screen shows there is not the box's white), and after
# "&Enregistrer" the registry must hold it. Then a click on the caption
# strip's hide button.
#   type-into-spin-edits.sh TorvaneXP.exe locate.exe
set -euo pipefail
root=$(cd "$(dirname "$0")/../../.." && pwd)
if [ -z "${DISPLAY:-}" ]; then exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"; fi
. "$root/scripts/wine-env"
program=$1 locator=$2
wine=("$root/scripts/wine-run")
settings='HKCU\Software\Torvane XP\settings'

fail() { echo "FAILED: $*" >&2; exit 1; }
shown() { xdotool search --onlyvisible --name '^Torvane XP$' >/dev/null 2>&1; }
wait_until() {  # CONDITION...: up to 20 s
  for _ in $(seq 1 100); do "$@" && return 0; sleep 0.2; done
  return 1
}
locate() { "${wine[@]}" "$locator" "$@" 2>/dev/null | tr -d '\r'; }
click_at() { xdotool mousemove "$1" "$2" click 1; sleep 0.4; }
# The DWORD value NAME of the settings' key PATH, in decimal.
stored() {
  local hex
  hex=$("${wine[@]}" reg query "$settings$1" /v "$2" 2>/dev/null | tr -d '\r' | grep -o 'REG_DWORD.*' | awk '{ print $2 }')
  [ -n "$hex" ] && printf '%d\n' "$hex"
}

"${wine[@]}" reg delete "$settings" /f >/dev/null 2>&1 || true
"${wine[@]}" "$program" &
instance=$!
wait_until shown || fail "the window did not show"
# Four seconds after start the window goes to the tray; a second start brings it back for good.
wait_until bash -c "! xdotool search --onlyvisible --name '^Torvane XP\$' >/dev/null 2>&1" || fail "the window did not go to the tray"
"${wine[@]}" "$program"
wait_until shown || fail "a second start did not bring the window back"
sleep 1

read -r x y < <(locate tab 1) || fail "no Paramètres tab"
click_at "$x" "$y"
# The interval's box takes typing once its check box is on.
read -r x y < <(locate button "Libère tous les ") || fail "no interval check box"
click_at "$x" "$y"

status=0
check() {  # EDIT_INDEX NUMBER VALUE_NAME
  local x y text
  read -r x y _ < <(locate edit "$1") || fail "no edit box $1"
  click_at "$x" "$y"
  xdotool key --clearmodifiers Home shift+End
  xdotool type --delay 80 "$2"
  sleep 0.4
  read -r _ _ text < <(locate edit "$1")
  echo "box $1: typed $2, shows \"$text\""
  [ "$text" = "$2" ] || { echo "FAILED: box $1 shows \"$text\", not $2" >&2; status=1; }
  local w h white
  read -r x y w h < <(locate inside "$1")
  white=$(import -window root -crop "${w}x${h}+${x}+${y}" txt:- | grep -c ' white$' || true)
  echo "box $1: $white of $((w * h)) pixels of its buttons white"
  [ "$white" -lt $((w * h / 2)) ] || { echo "FAILED: box $1's buttons are painted over" >&2; status=1; }
}
check 0 42
check 1 27
check 2 12
read -r x y < <(locate button "&Enregistrer") || fail "no save button"
click_at "$x" "$y"
sleep 0.5
for pair in Pourcentage:42 "Time value:27" Pcpu:12; do
  value=$(stored '\Recover Property' "${pair%%:*}")
  echo "stored ${pair%%:*} = $value"
  [ "$value" = "${pair##*:}" ] || { echo "FAILED: ${pair%%:*} stored as \"$value\", not ${pair##*:}" >&2; status=1; }
done
# The caption strip's hide button, under the mouse, takes the window to the tray.
wid=$(xdotool search --onlyvisible --name '^Torvane XP$' | head -1)
xdotool mousemove --window "$wid" 322 12 click 1
wait_until bash -c "! xdotool search --onlyvisible --name '^Torvane XP\$' >/dev/null 2>&1" ||
  { echo "FAILED: the hide button did not hide the window" >&2; status=1; }
# Closed as the system closes a window.
"${wine[@]}" taskkill /im TorvaneXP.exe >/dev/null 2>&1 || true
wait_until bash -c "! kill -0 $instance 2>/dev/null" || kill "$instance" 2>/dev/null || true
exit $status
