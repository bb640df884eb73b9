#!/usr/bin/env bash
# Checks the built DLL's export and import tables: exactly load, request and
# unload are exported, and only system DLLs are imported (nothing from the
# compiler's run-time, which is linked in statically).
set -euo pipefail
objdump="$1"
dll="$2"

dump=$("$objdump" -p "$dll")
fail() { echo "FAILED: $*" >&2; exit 1; }

grep -q "^architecture: i386" <("$objdump" -f "$dll") || fail "not a PE32 i386 image"

exports=$(sed -n '/^\[Ordinal\/Name Pointer\] Table/,/^$/p' <<<"$dump" | sed -n 's/^\s*\[ *[0-9]*\] //p' | sort | tr '\n' ' ')
[ "$exports" = "load request unload " ] || fail "exports are '$exports'"

imports=$(sed -n 's/^\s*DLL Name: //p' <<<"$dump" | tr 'A-Z' 'a-z' | sort -u)
[ -n "$imports" ] || fail "no import table found"
allowed='^(kernel32|user32|winmm|ole32|dinput8|msvcrt|advapi32|ntdll)\.dll$'
while read -r name; do
  [[ "$name" =~ $allowed ]] || fail "imports $name"
done <<<"$imports"

# The critical-section initialisers are looked up at run time, never imported.
if grep -Eq "InitializeCriticalSection(Ex|AndSpinCount)$" <<<"$dump"; then
  fail "imports a critical-section initialiser it must look up by name"
fi
echo "exports: $exports"
echo "imports: $(tr '\n' ' ' <<<"$imports")"
