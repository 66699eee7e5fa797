#!/usr/bin/env bash
# The setup program must import only Windows system DLLs that are always
# taken from the System directory and export `start`,
# and load on Windows 95 (OS and subsystem version 4.0, i386 GUI).
set -u
exe=$1
dump=$(i686-w64-mingw32-objdump -p "$exe") || { echo "objdump failed on $exe"; exit 1; }
fail=0
# Only DLLs Windows always takes from the System directory: a DLL of another
# name could be planted beside the program and would be loaded first.
allowed='kernel32.dll|user32.dll|gdi32.dll|advapi32.dll|shell32.dll|ole32.dll'
dlls=$(printf '%s\n' "$dump" | sed -n 's/^\s*DLL Name: //p' | tr 'A-Z' 'a-z' | sort -u)
echo "imports: $(echo $dlls)"
bad=$(printf '%s\n' "$dlls" | grep -v -x -E "$allowed" | grep . || true)
[ -z "$bad" ] || { echo "FAIL: imports beyond the system DLLs: $bad"; fail=1; }
printf '%s\n' "$dlls" | grep -qx kernel32.dll || { echo "FAIL: no kernel32 import"; fail=1; }
printf '%s\n' "$dump" | sed -n '/Ordinal\/Name Pointer/,/^$/p' | grep -qE '^\s*\[\s*[0-9]+\]\s+start$' \
  || { echo "FAIL: no export named start"; fail=1; }
field() { printf '%s\n' "$dump" | awk -v k="$1" '$1==k {print $2; exit}'; }
[ "$(field MajorOSystemVersion)" = 4 ] && [ "$(field MinorOSystemVersion)" = 0 ] \
  || { echo "FAIL: OS version $(field MajorOSystemVersion).$(field MinorOSystemVersion), want 4.0"; fail=1; }
[ "$(field MajorSubsystemVersion)" = 4 ] && [ "$(field MinorSubsystemVersion)" = 0 ] \
  || { echo "FAIL: subsystem version, want 4.0"; fail=1; }
printf '%s\n' "$dump" | grep -q 'Subsystem\s*00000002' || { echo "FAIL: not a GUI program"; fail=1; }
printf '%s\n' "$dump" | grep -q 'file format pei-i386' || { echo "FAIL: not PE32 i386"; fail=1; }
[ $fail = 0 ] && echo "imports and exports ok"
exit $fail
