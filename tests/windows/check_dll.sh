#!/usr/bin/env bash
# The DLL's shape as the editor's loader sees it: a DLL for the given machine, exporting
# exactly the six entry points, importing exactly GetModuleHandleA and GetProcAddress from
# KERNEL32.dll, with no TLS or constructor sections, and at most 16 KiB.
set -euo pipefail
dll=$1 objdump=$2 machine=$3
fail() { echo "$dll: $*" >&2; exit 1; }

headers=$("$objdump" -p "$dll")
case $machine in
    i386) format=pei-i386 magic=010b ;;
    x86-64) format=pei-x86-64 magic=020b ;;
    *) fail "unknown machine $machine" ;;
esac
grep -q "file format $format" <<<"$headers" || fail "not $format"
grep -qE "^Magic[[:space:]]+$magic" <<<"$headers" || fail "optional header magic is not $magic"
grep -qE "^[[:space:]]+DLL$" <<<"$headers" || fail "the DLL characteristic is not set"

exports=$(awk '/\[Ordinal\/Name Pointer\] Table/{on=1; next} on && NF==0{on=0} on{print $NF}' <<<"$headers" | sort)
expected=$(printf '%s\n' QuorlaExtensionEnumerate QuorlaExtensionGetMenuStatus QuorlaExtensionInit \
    QuorlaExtensionInvoke QuorlaExtensionTerminate QuorlaExtensionVersion)
[ "$exports" = "$expected" ] || fail "exports are:
$exports"

dlls=$(awk '/^[[:space:]]*DLL Name:/{print $3}' <<<"$headers")
[ "$dlls" = "KERNEL32.dll" ] || fail "imports from: $dlls"
imports=$(awk '/^[[:space:]]*DLL Name:/{on=1; next} on && /^[[:space:]]*$/{on=0} on && NF>=2 && $1 ~ /^[0-9a-f]+$/ && $2 ~ /^[0-9]+$/{print $3}' \
    <<<"$headers" | sort)
[ "$imports" = "$(printf '%s\n' GetModuleHandleA GetProcAddress)" ] || fail "imports are:
$imports"

sections=$("$objdump" -h "$dll" | awk '$1 ~ /^[0-9]+$/{print $2}')
for forbidden in .tls .CRT .ctors .dtors .init_array; do
    grep -qx -- "$forbidden" <<<"$sections" && fail "has a $forbidden section"
done

size=$(stat -c %s "$dll")
[ "$size" -le 16384 ] || fail "is $size bytes, over 16 KiB"
echo "$dll: $format, exports the six entry points, imports GetModuleHandleA and GetProcAddress, $size bytes"
