#!/usr/bin/env bash
# The version detection under Windows versions that Wine pretends to be: sets
# the version and the registry's service pack, runs version_probe.exe, and puts
# the prefix's own values back at the end. The prefix is the environment's
# (scripts/wine-env sets the project's only when none is).
set -euo pipefail
probe=$1
root=$(cd "$(dirname "$0")/../../.." && pwd)
[ -n "${DISPLAY:-}" ] || exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
. "$root/scripts/wine-env"
wine() { "$root/scripts/wine-run" "$@" | tr -d '\r'; }
saved() { wine reg query "$1" /v "$2" 2>/dev/null | awk -v name="$2" '$1 == name { print $3 }' || true; }
# put KEY NAME TYPE VALUE; an empty VALUE removes the value
put() {
  if [ -n "$4" ]; then wine reg add "$1" /v "$2" /t "$3" /d "$4" /f >/dev/null
  else wine reg delete "$1" /v "$2" /f >/dev/null 2>&1 || true; fi
}
version_key='HKCU\Software\Wine' csd_key='HKLM\SYSTEM\CurrentControlSet\Control\Windows'
saved_version=$(saved "$version_key" Version) saved_csd=$(saved "$csd_key" CSDVersion)
trap 'put "$version_key" Version REG_SZ "$saved_version"; put "$csd_key" CSDVersion REG_DWORD "$saved_csd"' EXIT

failures=0
check() {  # VERSION CSDVERSION EXPECTED
  put "$version_key" Version REG_SZ "$1"
  put "$csd_key" CSDVersion REG_DWORD "$2"
  local shown; shown=$(wine "$probe")
  if [ "$shown" = "$3" ]; then echo "ok   $1: $shown"; else echo "FAIL $1: $shown, expected $3"; failures=$((failures + 1)); fi
}
check win95 '' '[Windows 95  ] LogoWin95'
check win98 '' '[Windows 98 SE  ] LogoWin95'  # Wine's 98 reports " A "
check nt40 0x600 '[Windows NT 4.0  SP6] LogoWinNT'
# The registry says SP1; 2000 and XP read the extended record (Wine: SP4, SP3).
check win2k 0x100 '[Windows 2000  SP4] LogoWin2K'
check winxp 0x100 '[Windows XP  SP3] LogoWinXP'
# Later ones are named by version, build and the product type that Wine gives
# each (its win7 a server, its win2008r2 a workstation), with the service pack
# of the extended record too; 8.1 and 10 only through the manifest.
check winxp64 0x100 '[Windows XP  SP2] LogoWinNT'
check win2003 0x100 '[Windows Server 2003  SP2] LogoWinNT'
check vista 0x100 '[Windows Vista  SP2] LogoWinNT'
check win2008 0x100 '[Windows Server 2008  SP2] LogoWinNT'
check win7 0x100 '[Windows Server 2008 R2  SP1] LogoWinNT'
check win2008r2 0x100 '[Windows 7  SP1] LogoWinNT'
check win8 0x100 '[Windows 8  ] LogoWinNT'
check win81 0x100 '[Windows 8.1  ] LogoWinNT'
check win10 0x100 '[Windows 10  ] LogoWinNT'
[ "$failures" -eq 0 ]
