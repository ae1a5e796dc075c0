#!/usr/bin/env bash
# Drives `volvenza-sim size` from the outside: the answer for the example,
# its JSON, and the exit codes.
# Usage: size_cli_test.sh PATH/TO/volvenza-sim TESTS_DATA_DIR
set -u
sim="$1"
data="$2"
source "$(dirname "$0")/harness.sh"

has() {  # has NAME TEXT: the last output holds TEXT
    grep -qF -- "$2" "$work/out" || { echo "FAIL $1: no '$2' in"; cat "$work/out"; fails=$((fails + 1)); }
}

# The example at p1 = 60 bar: 6 dm3 falls 0,29 bar short, 10 dm3 holds.
check example 0 "$sim" size "$data/example.vlz" --pmin 60 --type bladder
has recommended "Raccomandato: V0 = 10 dm3, precarica 49,7 bar a 20 °C, Qp = 30 dm3/min"
has size-below "V0 = 6 dm3, P0 = 49,7 bar: 45 °C 59,71 bar (-0,29); regole no sì sì sì; non supera"
has two-above "V0 = 20 dm3, P0 = 49,7 bar"
has warning "V0 = 0,16 dm3, P0 = 49,7 bar: 45 °C 51,74 bar (-8,26) precarica raggiunta; regole no"
has at-least "Mancano almeno "
has fix "Basterebbe, cambiando solo una grandezza: V0 = 6,21 dm3; Qp = 31,5 dm3/min."
check example-json 0 "$sim" size "$data/example.vlz" --pmin 60 --type bladder --json \
    --catalogue "6,10" --size-pump
has json-recommended '"recommended": {"V0": 10, "P0": 49.7, "charge_temperature": 20, "Qp": '
has json-table '"precharge_by_charge_temperature": [{"temperature": 0, "P0": '
has json-candidate '{"V0": 6, "P0": 49.7, "Qp": 30, "lowest_pressure": [{"temperature": 45, "pressure": 59.7'
has json-rules '"pass": false, "rule1_min_pressure": false, "rule2_precharge": true'

# Nothing passes: the kept precharge breaks rule 2 at every size.
check keep-precharge 1 "$sim" size "$data/example.vlz" --pmin 60 --type piston --keep-precharge \
    --catalogue 10,20
has reason "non rispetta la regola 2"
# Every size stays above p1 only because its gas condenses before: rule 1 fails.
printf '0,10,10,-20,20,350,13,10,1\r\n1,2.2,0,0,0,0,0,0,0,0,1000,150,0,0,300,4\r\n' >"$work/ratio.vlz"
check condenses 1 "$sim" size "$work/ratio.vlz" --pmin 15 --type piston --gas nitrogen --keep-precharge
has reason "non rispetta la regola 1."
check refused 1 "$sim" size "$data/example.vlz" --pmin 90 --type bladder
grep -q "minore della pressione massima" "$work/err" || { echo "FAIL refused message"; fails=$((fails + 1)); }
check missing-file 2 "$sim" size "$work/none.vlz" --pmin 60 --type bladder
check no-type 64 "$sim" size "$data/example.vlz" --pmin 60
check bad-type 64 "$sim" size "$data/example.vlz" --pmin 60 --type sponge
check bad-catalogue 64 "$sim" size "$data/example.vlz" --pmin 60 --type bladder --catalogue "1,x"
check unknown-option 64 "$sim" size "$data/example.vlz" --pmin 60 --type bladder --fast

if [ "$fails" -eq 0 ]; then echo "volvenza-sim size: all checks passed"; fi
exit "$fails"
