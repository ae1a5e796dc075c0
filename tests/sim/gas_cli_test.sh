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
    cmp -s "$work/out" "$work/want" || { echo "FAIL state $t:"; cat "$work/out"; fails=$((fails + 1)); }
done

check too-cold 1 "$sim" gas -210 1
grep -q -- "-210 °C (63,15 K).*63,151" "$work/err" || { echo "FAIL too-cold message"; fails=$((fails + 1)); }
check too-hot 1 "$sim" gas 727 1
check too-high 1 "$sim" gas 20 22001
grep -q "22000 bar" "$work/err" || { echo "FAIL too-high message"; fails=$((fails + 1)); }
[ -s "$work/out" ] && { echo "FAIL refused state printed values"; fails=$((fails + 1)); }
# A value just outside reads outside; a value no equation takes is named.
check triple-edge 1 "$sim" gas -209.999 0.1
grep -q -- "(63,15099999999998 K)" "$work/err" || { echo "FAIL triple-edge digits"; fails=$((fails + 1)); }
check huge 1 "$sim" gas 20 1e308
grep -qx "Pressione di 1e+308 bar assoluti fuori dal campo dell'equazione dell'azoto, da 0 a 22000 bar" "$work/err" ||
    { echo "FAIL huge message"; cat "$work/err"; fails=$((fails + 1)); }
check infinite 1 "$sim" gas -Inf 1
grep -q "numeri finiti" "$work/err" || { echo "FAIL infinite message"; fails=$((fails + 1)); }
check usage 64 "$sim" gas 20
check usage-text 64 "$sim" gas abc 1

if [ "$fails" -eq 0 ]; then echo "volvenza-sim gas: all checks passed"; fi
exit "$fails"
