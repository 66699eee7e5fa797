#!/usr/bin/env bash
# check-program.sh EXE: one of the project's small programs as built. It
# imports only DLLs that Windows always takes from the System folder (no
# common controls, no LZ32, no runtime), loads on Windows 95 (i386 GUI, OS
# and subsystem version 4.0), and looks SetDefaultDllDirectories up at run
# time instead of importing it (a static import would not load on Windows 98).
set -u
exe=$1
dump=$(i686-w64-mingw32-objdump -p "$exe") || { echo "objdump failed on $exe"; exit 1; }
fail=0
check() { if eval "$2"; then echo "ok: $1"; else echo "FAIL: $1"; fail=1; fi; }
allowed='kernel32.dll|user32.dll|gdi32.dll|advapi32.dll|shell32.dll|ole32.dll'
dlls=$(printf '%s\n' "$dump" | sed -n 's/^\s*DLL Name: //p' | tr 'A-Z' 'a-z' | sort -u)
echo "imports: $(echo $dlls)"
check "imports only System-folder DLLs" "[ -z \"\$(printf '%s\n' \"\$dlls\" | grep -v -x -E '$allowed' | grep .)\" ]"
check "imports kernel32" "printf '%s\n' \"\$dlls\" | grep -qx kernel32.dll"
check "does not import SetDefaultDllDirectories" "! printf '%s\n' \"\$dump\" | grep -q 'SetDefaultDllDirectories'"
check "looks SetDefaultDllDirectories up by name" "grep -qa SetDefaultDllDirectories \"$exe\""
field() { printf '%s\n' "$dump" | awk -v k="$1" '$1==k {print $2; exit}'; }
check "OS version 4.0" "[ \"\$(field MajorOSystemVersion).\$(field MinorOSystemVersion)\" = 4.0 ]"
check "subsystem version 4.0" "[ \"\$(field MajorSubsystemVersion).\$(field MinorSubsystemVersion)\" = 4.0 ]"
check "a GUI program" "printf '%s\n' \"\$dump\" | grep -q 'Subsystem\s*00000002'"
check "PE32 i386" "printf '%s\n' \"\$dump\" | grep -q 'file format pei-i386'"
check "no debug sections" "! i686-w64-mingw32-objdump -h \"$exe\" | grep -q '\.debug'"
exit $fail
