#!/usr/bin/env bash
# Fails when the executable imports a function that old Windows lacks, or a
# DLL that is not part of the system.
set -euo pipefail
exe=$1
imports=$(i686-w64-mingw32-objdump -p "$exe")
status=0
late_functions=(SetLayeredWindowAttributes GlobalMemoryStatusEx GetDiskFreeSpaceExA GetSystemTimes
  GetAncestor UpdateLayeredWindow InitCommonControlsEx)
for f in "${late_functions[@]}"; do
  if grep -Eq "^[[:space:]]+[0-9a-f]+[[:space:]]+[0-9]+[[:space:]]+$f\$" <<<"$imports"; then
    echo "imports $f, which old Windows lacks: look it up at run time"; status=1
  fi
done
system_dlls='^(kernel32|user32|gdi32|advapi32|comctl32|shell32|ole32|oleaut32|msvcrt|wsock32|ws2_32|version|urlmon|psapi)\.dll$'
while read -r dll; do
  if ! grep -Eqi "$system_dlls" <<<"$dll"; then echo "needs $dll, which is not a system DLL"; status=1; fi
done < <(sed -n 's/^[[:space:]]*DLL Name: //p' <<<"$imports")
[ $status -eq 0 ] && echo "imports: $(sed -n 's/^[[:space:]]*DLL Name: //p' <<<"$imports" | tr '\n' ' ')"
exit $status
