#!/usr/bin/env bash
# The installer and the uninstaller of build/dist/ under Wine, in a fresh
# prefix, used as a Windows user would: a silent install; the program started
# from where it was installed; a second silent install over the first while the
# program runs; the program started again and a silent uninstall while it runs.
# Exits 77 (skipped) where the machine runs no 32-bit code.
#   installer-test.sh SETUP.exe
set -euo pipefail
root=$(cd "$(dirname "$0")/../../.." && pwd)
setup=$(realpath "$1")
if [ "$("$root/scripts/wine-arch")" != i686 ]; then
  echo "skipped: the installer is a 32-bit program and this machine runs no 32-bit code"
  exit 77
fi
[ -n "${DISPLAY:-}" ] || exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
[ -f "$setup" ] || { echo "no $setup: run scripts/package"; exit 1; }

export WINEPREFIX="$root/build/wineprefix-release"
# No desktop entries in the user's own menus for the shortcuts made here.
export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe="
. "$root/scripts/wine-env"
rm -rf "$WINEPREFIX"
failures=0
program_pid=
cleanup() {
  [ -z "$program_pid" ] || kill "$program_pid" 2>/dev/null || true
  wineserver -k >/dev/null 2>&1 || true
  if [ $failures -eq 0 ]; then rm -rf "$WINEPREFIX"; else echo "the prefix is kept in $WINEPREFIX"; fi
}
trap cleanup EXIT

check() {  # check DESCRIPTION COMMAND...: runs the command, reports a failure
  local what=$1; shift
  if "$@"; then echo "ok: $what"; else echo "FAILED: $what"; failures=$((failures + 1)); fi
}
wine_() { "$wine_loader" "$@"; }
# The values of a registry key as NAME=DATA lines (DWORDs as 0x...), nothing when
# the key does not exist.
values() {
  wine_ reg query "$1" 2>/dev/null | tr -d '\r' |
    awk -F '    ' '/^    [^ ]/ { print $2 "=" $4 }' || true
}
has() { grep -qxF -- "$2" <<<"$1"; }
lacks() { ! grep -q -- "^$2=" <<<"$1"; }

install_dir="$WINEPREFIX/drive_c/Program Files/Torvane XP"
program='C:\Program Files\Torvane XP\TorvaneXP.exe'
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Torvane XP'
settings_key='HKCU\Software\Torvane XP\settings'
run_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'
shortcuts() { find "$WINEPREFIX/drive_c" -path '*/Torvane XP/*.lnk' -printf '%f\n' | sort | tr '\n' ' '; }

# Starts the installed program; true once its window shows (before it goes to
# the tray, four seconds later).
start_program() {
  wine_ "$program" >/dev/null 2>&1 &
  program_pid=$!
  for _ in $(seq 1 100); do
    xdotool search --onlyvisible --name '^Torvane XP$' >/dev/null 2>&1 && return 0
    sleep 0.2
  done
  return 1
}
program_ended() {
  for _ in $(seq 1 50); do kill -0 "$program_pid" 2>/dev/null || return 0; sleep 0.2; done
  return 1
}

started=$SECONDS
wine_ wineboot --init >/dev/null 2>&1
wine_ reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
echo "fresh prefix in $((SECONDS - started)) s"

check "a silent install" wine_ "$setup" /S
files=$(cd "$install_dir" 2>/dev/null && ls | sort | tr '\n' ' ')
check "installed files: $files" test "$files" = "Desinstaller.exe LISEZMOI.txt TorvaneXP.exe cpuinfo.exe "
check "Start-menu shortcuts: $(shortcuts)" test "$(shortcuts)" = "Désinstaller Torvane XP.lnk Torvane XP.lnk "
entry=$(values "$uninstall_key")
# Language 1036: the pages were French, as they are by default.
for value in 'DisplayName=Torvane XP' 'DisplayVersion=3.1.1' 'Publisher=Torvane XP' \
             'DisplayIcon=C:\Program Files\Torvane XP\TorvaneXP.exe,0' \
             'UninstallString="C:\Program Files\Torvane XP\Desinstaller.exe"' 'NoModify=0x1' 'NoRepair=0x1' \
             'Language=1036'; do
  check "uninstall entry: $value" has "$entry" "$value"
done
# Its size in KB is that of the files, give or take a block each.
size_gap=$(( $(sed -n 's/^EstimatedSize=//p' <<<"$entry") - ($(cat "$install_dir"/{TorvaneXP.exe,cpuinfo.exe,LISEZMOI.txt} | wc -c) + 1023) / 1024 ))
check "uninstall entry: EstimatedSize within 3 KB of the files' size ($size_gap)" test ${size_gap#-} -le 3
check "no settings before the program's first run" test -z "$(values "$settings_key")"

check "the installed program shows its window" start_program
check "a second silent install while the program runs" wine_ "$setup" /S
check "the second install closed the running program" program_ended
settings=$(values "$settings_key")
check "the program saved its settings as it closed" has "$settings" "Path=\"$program\""
check "the program's exit wrote its start-with-Windows value" has "$(values "$run_key")" "TorvaneXp=\"$program\""
check "the second install kept the settings" test "$(values "$settings_key")" = "$settings"

check "the program starts again" start_program
appdata=$(wine_ cmd /c echo %APPDATA% | tr -d '\r')
history="$(wine_ winepath -u "$appdata" | tr -d '\r')/Torvane XP/historique.csv"
mkdir -p "$(dirname "$history")" && echo "history" >"$history"
wine_ 'C:\Program Files\Torvane XP\Desinstaller.exe' /S
# The uninstaller goes on from a copy of itself: wait for every process to end.
check "the uninstaller and the program ended" timeout 60 wineserver -w
check "the uninstall closed the running program" program_ended
check "no installed file or folder left" test ! -e "$install_dir"
check "no Start-menu shortcut left" test -z "$(shortcuts)"
check "no uninstall entry left" test -z "$(values "$uninstall_key")"
check "no start-with-Windows value left" lacks "$(values "$run_key")" TorvaneXp
check "the settings key is kept" has "$(values "$settings_key")" "Version=3.1.1"
check "the history is kept" test -f "$history"

echo "$failures failed; $((SECONDS - started)) s"
[ $failures -eq 0 ]
