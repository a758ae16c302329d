#!/usr/bin/env bash
# Fails when the stripped program passes 1 MB, the room it has for everything
# still to come.
#   check-size.sh PROGRAM.exe
set -euo pipefail
limit=$((1024 * 1024))
tmp=$(mktemp)
trap 'rm -f "$tmp"' EXIT
i686-w64-mingw32-strip -o "$tmp" "$1"
size=$(stat -c %s "$tmp")
echo "stripped size: $size bytes (limit $limit)"
[ "$size" -le "$limit" ]
