#!/usr/bin/env bash
# What Windows and a careful user look for in the program and its installer:
# the program's addresses laid out anew at each start (with the relocation
# table that needs) and no code run from data; the name, version and licence
# in both files' properties.
#   release_info_test.sh OBJDUMP PROGRAM INSTALLER VERSION
. "$(dirname "$(realpath "${BASH_SOURCE[0]}")")/../support/session.sh"
objdump=$1
program=$2
installer=$3
version=$4

headers=$("$objdump" -p "$program")
for flag in DYNAMIC_BASE HIGH_ENTROPY_VA NX_COMPAT; do
    grep -Eq "^[[:space:]]+$flag\$" <<<"$headers" || fail "$program lacks $flag"
done
grep -Eq 'Base Relocation Directory \[\.reloc\]' <<<"$headers" ||
    fail "$program has no relocation table"

# Version resources hold their keys and values as UTF-16 strings.
for file in "$program" "$installer"; do
    texts=$(strings -el "$file")
    for expected in ProductName Tolbrek ProductVersion "$version" LegalCopyright; do
        grep -Fqx "$expected" <<<"$texts" || fail "$(basename "$file") lacks \"$expected\""
    done
    grep -Fq "MIT licence" <<<"$texts" || fail "$(basename "$file") names no licence"
done
passed
