#!/usr/bin/env bash
# Drives `volvenza-sim gas` from the outside: the printed properties and the
# exit codes for states the nitrogen equation refuses.
# Usage: gas_cli_test.sh PATH/TO/volvenza-sim
set -u
sim="$1"
source "$(dirname "$0")/harness.sh"

# 280 K and 10 bar, both decimal separators accepted.
printf '%s\n' "Densità [kg/m3]: 12,07499" "Fattore di compressibilità Z: 0,9965187" \
    "cv [J/(kg·K)]: 745,5695" "cp [J/(kg·K)]: 1058,615" "Velocità del suono [m/s]: 342,3585" \
    >"$work/want"
for t in 6,85 6.85; do
    check "state $t" 0 "$sim" gas "$t" 10
    cmp -s "$work/out" "$work/want" || { fail "state $t:"; cat "$work/out"; }
done

check too-cold 1 "$sim" gas -210 1
check too-hot 1 "$sim" gas 727 1
check too-high 1 "$sim" gas 20 22001
says "too-high message" "22000 bar"
[ -s "$work/out" ] && fail "refused state printed values"
# A value just outside reads outside; a value no equation takes is named.
check triple-edge 1 "$sim" gas -209.999 0.1
says "triple-edge digits" "(63,15099999999998 K)"
check huge 1 "$sim" gas 20 1e308
grep -qx "Pressione di 1e+308 bar assoluti fuori dal campo dell'equazione dell'azoto: deve essere più di 0 e al più 22000 bar." "$work/err" ||
    { fail "huge message"; cat "$work/err"; }
# No pressure at all is outside too, and the range says so.
check zero-pressure 1 "$sim" gas 20 0
says "zero-pressure range" "deve essere più di 0 e al più 22000 bar"
check infinite 1 "$sim" gas -Inf 1
check usage 64 "$sim" gas 20
check usage-text 64 "$sim" gas abc 1

finish "volvenza-sim gas"
