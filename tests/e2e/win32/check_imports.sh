#!/usr/bin/env bash
# keyrill.exe stands alone: a GUI-subsystem program that imports nothing but
# Windows' own DLLs (no libgcc, libstdc++ or winpthread beside it). Test side.
#   check_imports.sh <objdump> <keyrill.exe>
set -uo pipefail
objdump=$1 exe=$2
headers=$("$objdump" -p "$exe") || { echo "cannot read $exe"; exit 1; }
status=0
grep -Eq '^Subsystem[[:space:]]+0+2[[:space:]]+\(Windows GUI\)' <<<"$headers" ||
  { echo "not a GUI-subsystem program"; status=1; }
dlls=$(grep -E 'DLL Name:' <<<"$headers" | awk '{print toupper($3)}' | sort -u)
[ -n "$dlls" ] || { echo "no imports found"; status=1; }
for dll in $dlls; do
  case $dll in
    KERNEL32.DLL | USER32.DLL | GDI32.DLL | MSVCRT.DLL | OLE32.DLL | OLEAUT32.DLL | OLEACC.DLL)
      echo "imports $dll" ;;
    *) echo "imports $dll, which Windows does not ship"; status=1 ;;
  esac
done
exit $status
