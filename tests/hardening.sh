#!/usr/bin/env bash
# Checks that PROGRAM was built hardened: position-independent, full RELRO and stack canaries
# as readelf sees them; fortified buffer calls and format checks from the compiler flags in
# FLAGS_FILE, as they leave no mark in a program that has no call to fortify.
#   hardening.sh PROGRAM FLAGS_FILE
set -u
program=$1 flags=$(cat "$2")
failed=0
check() {
    if grep -q -- "$2" <<<"$3"; then echo "ok: $1"; else echo "MISSING: $1"; failed=1; fi
}
check "position-independent executable" "Type: *DYN" "$(readelf -h "$program")"
check "RELRO segment" "GNU_RELRO" "$(readelf -lW "$program")"
check "relocations bound at start (full RELRO)" "BIND_NOW\|FLAGS_1.*NOW" "$(readelf -dW "$program")"
check "stack protector" "__stack_chk_fail" "$(readelf -sW --dyn-syms "$program")"
check "fortified buffer calls" "-D_FORTIFY_SOURCE=2" "$flags"
check "strong stack protector" "-fstack-protector-strong" "$flags"
check "format strings checked" "-Wformat .*-Werror=format-security" "$flags"
exit $failed
