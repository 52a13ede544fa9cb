#!/usr/bin/env bash
# The executable is a Windows GUI program of the expected kind, small, and imports
# nothing but the five system libraries.
# Usage: check_executable.sh OBJDUMP EXE FORMAT MAX_BYTES
#   FORMAT: pei-i386 for the PE32 i386 product, pei-x86-64 for its PE32+ twin
set -euo pipefail
export LC_ALL=C  # the tools' labels are read below, untranslated
objdump=$1 exe=$2 format=$3 max_bytes=$4
headers=$("$objdump" -p "$exe")
failed=0
fail() { echo "FAIL: $*"; failed=1; }

grep -q "file format $format\$" <<<"$headers" || fail "not of the file format $format"
magic=$([[ $format == pei-i386 ]] && echo 010b || echo 020b)
grep -qE "^Magic[[:space:]]+$magic" <<<"$headers" || fail "optional header magic is not $magic"
grep -qE "^Subsystem[[:space:]]+00000002" <<<"$headers" || fail "not of the Windows GUI subsystem"

size=$(stat -c %s "$exe")
echo "$exe: $size bytes (at most $max_bytes)"
((size <= max_bytes)) || fail "$size bytes is over $max_bytes"

imports=$(awk '/DLL Name:/ { print tolower($3) }' <<<"$headers" | sort | tr '\n' ' ')
echo "imports: $imports"
[[ $imports == "comctl32.dll gdi32.dll kernel32.dll shell32.dll user32.dll " ]] ||
    fail "imports are not exactly kernel32, user32, gdi32, comctl32 and shell32"
exit $failed
