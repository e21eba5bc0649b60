#!/usr/bin/env bash
# Reads each DLL's export and import tables: exactly the two plain export
# names (no "@8" forms, no aliases), and imports from system DLLs only.
#   check_pe_tables.sh OBJDUMP DLL_DIR
set -euo pipefail
objdump="$1"
dir="$2"
status=0

check() {
    local dll="$1"; shift
    local expected actual imports
    expected="$(printf '%s\n' "$@" | sort)"
    actual="$("$objdump" -p "$dir/$dll" | sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' |
              sed -n 's/^[[:space:]]*\[[[:space:]]*[0-9]*\][[:space:]]*//p' | sort)"
    imports="$("$objdump" -p "$dir/$dll" | sed -n 's/^[[:space:]]*DLL Name: //p' | sort -u)"
    if [ "$actual" != "$expected" ]; then
        echo "FAIL $dll exports: $(echo $actual)   expected: $(echo $expected)"
        status=1
    else
        echo "ok   $dll exports: $(echo $actual)"
    fi
    local bad
    bad="$(printf '%s\n' "$imports" | grep -viE '^(KERNEL32|msvcrt)\.dll$' || true)"
    if [ -n "$bad" ]; then
        echo "FAIL $dll imports non-system DLLs: $(echo $bad)"
        status=1
    else
        echo "ok   $dll imports: $(echo $imports)"
    fi
    # Each export returns with "ret $0x8": the callee removes its arguments.
    local pops
    pops="$("$objdump" -d "$dir/$dll" | grep -cE 'ret +\$0x8' || true)"
    if [ "$pops" -lt 2 ]; then
        echo "FAIL $dll: no stdcall returns found"
        status=1
    fi
}

check Mirkast.dll Mirkast_xCl Mirkast_ti
check dorvela.dll dorvela_xc dorvela_ti
check dorvelb.dll dorvelb_xc dorvelb_ti
exit "$status"
