#!/usr/bin/env bash
# Fails when the executable imports a function that imports.allowed does not
# list, or one that Windows 95 or NT 4 lacks (such a function must be looked up
# at run time, or the loader of an older Windows refuses the whole program).
#   check-imports.sh PROGRAM.exe
set -euo pipefail
exe=$1
allowed="$(dirname "$0")/imports.allowed"
status=0
while read -r dll function; do
  entry=$(awk -v d="$dll" -v f="$function" '!/^#/ && $1 == d && $2 == f { print $3 }' "$allowed")
  if [ -z "$entry" ]; then
    echo "$dll $function: not in imports.allowed; add it with the oldest Windows that exports it"; status=1
  elif [ "$entry" != "95+NT4" ]; then
    echo "$dll $function: needs Windows $entry; look it up at run time"; status=1
  fi
done < <(i686-w64-mingw32-objdump -p "$exe" |
         awk '/DLL Name:/ { dll = tolower($3) } /^\t[ 0-9a-f]+\t +[0-9]+ +[A-Za-z_]/ { print dll, $3 }')
[ $status -ne 0 ] || echo "imports: every function is in imports.allowed and exists on Windows 95 and NT 4"
exit $status
