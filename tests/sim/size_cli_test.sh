#!/usr/bin/env bash
# Drives `volvenza-sim size` from the outside: the answer for the example,
# its JSON, and the exit codes.
# Usage: size_cli_test.sh PATH/TO/volvenza-sim TESTS_DATA_DIR
set -u
sim="$1"
data="$2"
source "$(dirname "$0")/harness.sh"

has() {  # has NAME TEXT: the last output holds TEXT
    grep -qF -- "$2" "$work/out" || { fail "$1: no '$2' in"; cat "$work/out"; }
}

same() {  # same NAME FILE: the last output is FILE's text, every figure as shown
    diff -u "$data/$2" "$work/out" || fail "$1: the answer differs from $2"
}

# The example at p1 = 60 bar in steady operation, on real nitrogen in place
# of the project's classic law: 6 dm3 falls 2,63 bar short, 10 dm3 holds
# with the precharge rule 2 allows less its 2 % tolerance.
check example 0 "$sim" size "$data/example.vlz" --pmin 60 --type bladder
# The whole answer as laid out (the lowest pressures agree with the
# reference cycle of the tests): 10 dm3 at 48,1 bar, 61,59 bar from the
# second cycle on, and 61,46 with the precharge plus its tolerance, the
# worst of the three (less gas, at 47,14 bar, restarts the pump sooner and
# stays at 61,78); the sizes up to 2,5 dm3 empty at 42,96 bar, where the
# adiabatic gas reaches V0 whatever the size; the 6 dm3 falls 2,63 bar short
# and one figure would fix it at every precharge (V0 7,91 dm3 or Qp 39,1
# dm3/min); class II at PS = Pm, 800 bar·L; 4,44 kW against 12,03 kW for
# the 108,2 dm3/min peak.
same example size-example.txt
# The 10 dm3 rated 20 bar for 2·10⁶ cycles, the pump sized.
check rated 0 "$sim" size "$data/example.vlz" --pmin 60 --type bladder \
    --catalogue "6,10:4:90:::20:2000000" --size-pump
same rated size-rated.txt
# Rated 18,7 bar, the 10 dm3 needs 28 dm3/min: at 27,9 its swing is
# 18,701 bar, and the answer says the swing sized the pump.
check swing-pump 0 "$sim" size "$data/example.vlz" --pmin 60 --type bladder \
    --catalogue "6,10:4:90:::18.7:2000000" --size-pump
same swing-pump size-swing-pump.txt
# The press's 10 dm3 with a 53,9 dm3/min pump comes back to Pm every cycle
# while its lows still fall 1,3 bar a cycle; its gas passes -20 °C in the
# fifth: the cycles run until the lows stop falling and the pump is sized up.
check press-drift 0 "$sim" size "$data/press.vlzp" --pmin 100 --type bladder --size-pump
has press-drift "Raccomandato: 10 dm3, precarica 78,4 bar a 20 °C, pompa 54,1 dm3/min."
# Its 10 dm3 keeps movement 2's 128,66 bar at the precharge of 76,2 bar
# (margin 2,12) but not with the 5 % less a bottle within the tolerance may
# hold, 72,39 bar (margin -0,32): the 13 dm3 is recommended, its own worst
# at that end too.
check press-tolerance 0 "$sim" size "$data/press.vlzp" --pmin 100 --type bladder --tolerance 5 \
    --min-gas-temp -40
has press-tolerance "Raccomandato: 13 dm3, precarica 76,2 bar a 20 °C, pompa 50 dm3/min."
has press-low-end "Caso peggiore: la precarica meno la tolleranza (72,39 bar a 20 °C);"
has press-movement "   Il movimento 2 richiede 128,66 bar: la pressione vi scende a 128,34 bar a 10 °C verso 4 s, margine -0,32 bar."
# With a band of 5 bar its pump starts more often in one cycle than the
# next: the lows rise and fall, and the third cycle takes the gas to -20,4 °C.
sed 's/"Dp": 20.0/"Dp": 5.0/; s/"P0": 120.0/"P0": 86.2/; s/"Qp": 50.0/"Qp": 48.3/' \
    "$data/press.vlzp" > "$work/band.vlzp"
check press-band 0 "$sim" size "$work/band.vlzp" --pmin 110 --type bladder --keep-precharge \
    --catalogue 10:4
has press-band "Il gas scende a -20,4 °C; l'elemento separatore ne ammette almeno -20."
# With a band of 7,6 bar no end of a cycle repeats an earlier one within a
# hundred cycles at 15 °C; the lows do not fall, the cycles go on and come
# round, and the 10 dm3 passes, 0,8 bar above p1 at the worst end of the
# precharge's tolerance, as low as a whole day's cycles go.
sed 's/"Dp": 20.0/"Dp": 7.6/; s/"P0": 120.0/"P0": 86.8/; s/"Qp": 50.0/"Qp": 47.1/;
     s/"tc": 40.0/"tc": 18/; s/"temperatura_massima": 50.0/"temperatura_massima": 24/;
     s/"temperatura_minima": 10.0/"temperatura_minima": 15/' "$data/press.vlzp" > "$work/slow.vlzp"
check press-slow 0 "$sim" size "$work/slow.vlzp" --pmin 137.2 --type bladder --keep-precharge \
    --catalogue 10:4 --gas ideal --n 1.4
has press-slow "pressione minima 138 bar a 24 °C nel ciclo 12, 0,8 bar sopra p1"
# A pump whose starts drift against the cycle: a quick run that stops at p1
# and the whole run can part by a rounding and end otherwise. The pump
# recommended is one whose whole runs pass: its row says so.
check pump-whole 0 "$sim" size "$data/pump-rhythm.vlzp" --pmin 179.05 --type bladder \
    --gas ideal --n 1.4 --hours 4 --size-pump --catalogue 10:4,13:4,20:4,24:4,32:4 --keep-precharge
grep '^>' "$work/out" | grep -q ' supera$' && ! grep '^>' "$work/out" | grep -q 'non supera' ||
    fail "pump-whole: the recommended row does not pass"
# At 31,4 dm3/min the starts never fall into step with the cycle: no end
# repeats, yet the lows stay put. The run goes on over the day and the one
# 32 dm3 passes on the worst of its cycles.
sed 's/"Qp": 31.3,/"Qp": 31.4,/' "$data/pump-rhythm.vlzp" >"$work/rhythm.vlzp"
check pump-rhythm 0 "$sim" size "$work/rhythm.vlzp" --pmin 179.05 --type bladder --gas ideal \
    --n 1.4 --hours 4 --catalogue 32:4 --keep-precharge
has pump-rhythm "Raccomandato: 32 dm3, precarica 80,6 bar a 20 °C, pompa 31,4 dm3/min."
has pump-rhythm "A 29 °C i cicli non si ripetono ma le pressioni minime non calano più: giudicato sul peggiore dei 1699 cicli"
has pump-rhythm "Ciclo dopo ciclo (1699 cicli calcolati): pressione minima 206 bar"
# At the file's own 31,3 the mean of the lows still wanders by a sixth of a
# bar over the first hundred cycles, yet they come round after 634.
check pump-rhythm-own 0 "$sim" size "$data/pump-rhythm.vlzp" --pmin 179.05 --type bladder \
    --gas ideal --n 1.4 --hours 4 --catalogue 32:4 --keep-precharge
has pump-rhythm-own "pressione minima 206,27 bar a 17 °C nel ciclo 348"
# Each ratio its own lowest precharge (rule 3): the 10 dm3 fails at the 49,4
# bar rule 2 allows (61,54 bar with p1 61,6) and passes at the 46,2 its
# ratio of 1,6 allows, a bound that neither the 8 dm3's ratio nor the
# 13 dm3's would give.
check ratio-bounds 0 "$sim" size "$data/example.vlz" --pmin 61.6 --type bladder \
    --catalogue "8:4,10:1.6,13:4"
has ratio-bounds "Raccomandato: 10 dm3, precarica 46,2 bar a 20 °C, pompa 30 dm3/min."
# Rated 17 bar, the 10 dm3 swings 18,41 bar with the data's pump: the least
# gas that passes is two 6 dm3 in parallel, which carry no rating.
check rated-too-low 0 "$sim" size "$data/example.vlz" --pmin 60 --type bladder \
    --catalogue "6,10:4:90:::17:2000000" --size-pump
has swing-fails "Escursione di pressione 18,41 bar per ciclo; questa grandezza ne ammette 17."
has swing-parallel "Raccomandato: 2 accumulatori da 6 dm3 in parallelo (gas 12 dm3)"
check example-json 0 "$sim" size "$data/example.vlz" --pmin 60 --type bladder --json \
    --catalogue "6,10:4:90:::20:2000000" --size-pump
has json-recommended '"recommended": {"V0": 10, "P0": 48.1, "charge_temperature": 20, "Qp": 21.5,'
# The law the runs used, not the project's classic one.
has json-requirements '"gas_law": "nitrogen", "n": 1.4, "tau": null, "charge_temperature": 20, "temperatures": [45], "Pm": 80, "Dp": 13, "cycle_time": 4.7'
has json-catalogue '{"V0": 10, "max_ratio": 4, "PS": 90, "max_flow": null, "tau": null, "rated_swing": 20, "rated_cycles": 2e+06}'
has json-candidate '{"V0": 6, "P0": 48.1, "Qp": 30, "P0_warm": 52.77'
has json-time '"time": 1.4, "cycle": 1'
# The first cycle that reaches the steady lowest point, not a later repeat:
# with 21,5 dm3/min the first cycle already falls as low as any after it,
# and the ends come round only after the hundredth.
has json-worst-cycle '"time": 1.4, "cycle": 1, "cycles": 104'
has json-rules '"pass": false, "rule1_min_pressure": false, "rule2_precharge": true'
# The 10 dm3 size's own PS classes it (900 bar·L); 21,5 dm3/min at 80 bar at
# 90 % against the peak of 108,24 dm3/min at p1; 766 cycles an hour; a
# swing of 19,2 bar within the maker's 20 bar, whose 2·10⁶ cycles last
# 1,31 years.
has json-figures '"count": 1, "bottle_volume": 0, "bottles": 0, "bottle_size": 0, "ped_category": "II", "bottle_ped_category": null, "installed_power_kW": 3.185, "pump_only_power_kW": 12.027, "energy_per_cycle_kJ": 7.113, "pressure_swing": 19.197, "cycles_per_year": 1531915, "fatigue_life_years": 1.3055555555555556, "pump_share"'
# The 10 dm3's second cycle repeats its first, lower only by rounding: the
# first is named.
check example-json-repeat 0 "$sim" size "$data/example.vlz" --pmin 60 --type bladder --json
has json-repeat '"pressure": 61.4624500597534, "margin": 1.4624500597534222, "time": 1.4, "cycle": 1, "cycles": 2'
# The precharge the runs started from at 45 °C, the figure a run of the
# design opens with: 48,1 bar at 20 °C as the nitrogen has it there, or for
# the 10 dm3 its worst end, 48,1 plus 2 %.
has json-precharge '{"temperature": 45, "precharge": 52.7762543442599, "pressure": 57.3666824350196'
has json-end-precharge '{"temperature": 45, "precharge": 53.839385671529755, "pressure": 61.4624500597534'
# Every duty a rule: 11 kN on movement 1, movements 2 and 5 with the pump
# lost, 62 bar held for 10 minutes; 6 dm3 fails the emergency stroke.
check duties-json 0 "$sim" size "$data/example.vlz" --pmin 60 --type bladder --json --load 1:11 \
    --emergency 2,5 --hold-pressure 62 --hold-time 600 --leakage 0,01 --hold-cooling 5
has json-duty-rules '"rule7_pressure_swing": true, "rule8_emergency": false, "rule9_hold": true, "movement_pressures": [{"movement": 1, "required": 58.97'
has json-duty-recommended '"pump_starts": 1, "movement_pressures": [{"movement": 1, '
# The 10 dm3's stroke is told at its worst, the precharge less its tolerance.
has json-duty-emergency '"emergency": {"movements": [2, 5], "start_pressure": 67, "lowest": 60.07'
has json-duty-hold '"hold": {"pressure": 62, "time": 600, "leakage": 0.01, "cooling": 5, "start_pressure": 67, "lowest": 64.9'
check duties-text 0 "$sim" size "$data/example.vlz" --pmin 60 --type bladder --hold-pressure 62 \
    --hold-time 90,26 --hold-from-pm --emergency 2,5
has text-hold "Pressione mantenuta 62 bar per 90,3 s, pompa ferma, da 80 bar (trafilamento 0 dm3/min"
has text-emergency "da 67 bar a 45 °C: pressione minima 60,07 bar, margine 0,07 bar (movimento 5), restano 1,654 dm3 di olio: supera."
# Movement 5 needing 60,1 bar: the 10 dm3's stroke keeps it at 48,1 bar
# (60,2 bar) but not at 48,1 less 2 %, and is told as it fails there.
check duties-end 0 "$sim" size "$data/example.vlz" --pmin 60 --type bladder --emergency 2,5 \
    --required 5:60.1
has end-emergency "pressione minima 60,07 bar, margine -0,03 bar (movimento 5), restano 1,654 dm3 di olio: non supera."
has end-recommended "Raccomandato: 13 dm3, precarica 48,1 bar a 20 °C, pompa 30 dm3/min."
# A stroke the oil does not last through: the movement it runs out in named,
# and a movement of the cycle not reached said so, not "0 bar at 0 s".
check duties-dry 0 "$sim" size "$data/example.vlz" --pmin 60 --type bladder --load 2:5 --emergency 3
has text-dry "l'olio finisce durante il movimento 3, che richiede 60 bar: non supera."
has text-unreached "   Il movimento 2 richiede 48,74 bar: non giudicato, il calcolo si ferma prima della sua fine."
# A size above p1 that fails one movement alone: no oil missing to p1 is
# said, only the movement and the change that fixes it. The 6 dm3 keeps
# movement 1's 66 bar at its precharge but not at an end of its tolerance;
# 6,08 dm3 keeps it at all three.
check duties-movement-only 0 "$sim" size "$data/example.vlz" --pmin 45 --type bladder --required 1:66
grep -A1 '^5 dm3: ' "$work/out" | tail -n 1 | grep -q '^   Il movimento 1 richiede 66 bar: la pressione' ||
    fail "movement-only explanation"
has text-movement-fix "   Basterebbe, cambiando solo una grandezza: V0 = 6,08 dm3; Qp = 37,6 dm3/min."
# A restart of 66,875 bar shown as 66,88; five movements short of their
# pressure are named, none left to count.
{ printf '0,10,60,45,30,80,13.125,4.7,5\r\n'; sed -n 2,6p "$data/example.vlz"; printf '0,0,0,0,0,0\r\n'; } >"$work/dp.vlz"
check duties-five 1 "$sim" size "$work/dp.vlz" --pmin 60 --type bladder --hold-pressure 66 --hold-time 60 --leakage 100 \
    --required 1:79 --required 2:79 --required 3:79 --required 4:79 --required 5:79
has text-restart "pompa ferma, da 66,88 bar"
has text-fifth "   Il movimento 5 richiede 79 bar"
grep -q "Altri 0" "$work/out" && fail "five movements counted as more"
# The largest size alone fails the 250-bar design: four of 6 dm3 in
# parallel (24 dm3 of gas: 20 still fall short), or a piston of 10 dm3 with
# a 12 dm3 bottle (each vessel classed).
check parallel 0 "$sim" size "$data/design-250bar.vlz" --pmin 150 --type bladder --catalogue 4,6,10 --json
has json-parallel '"recommended": {"V0": 6, "P0": 119.1,'
has json-count '"count": 4, "bottle_volume": 0, "bottles": 0, "bottle_size": 0, "ped_category": "III"'
check bottles 0 "$sim" size "$data/design-250bar.vlz" --pmin 150 --type piston --catalogue 4,6,10 \
    --bottle-sizes 12
same bottles size-bottles.txt
has bottled "Raccomandato: 10 dm3 con bombole 1 × 12 dm3 (gas 22 dm3), precarica 127,9 bar a 20 °C, pompa 40 dm3/min."
has bottle-category "Ogni bombola (PS 250 bar, V 12 L): categoria III."
# 4 dm3 holds too little gas at Pm to fill a 12 dm3 bottle: said, not tried.
has unfilled "Escluse le composizioni il cui gas a Pm non riempie le bombole (l'olio riempirebbe l'accumulatore prima di Pm), la prima: 4 + 1 × 12 dm3."
# The first cycle alone, started full: 13,8 dm3/min, far below the 21,4 the
# cycle draws on average, keeps it above p1 at every precharge (the lowest
# precharge needs the most).
check single-cycle 0 "$sim" size "$data/example.vlz" --pmin 60 --type bladder --single-cycle \
    --catalogue 10 --size-pump
has small-pump "pompa 13,8 dm3/min."
# One cycle, one margin: that of the cycle run, under its plain heading.
has single-margin "  Margine [bar]  "

# Nothing passes: exit 1, the answer on stdout. The kept precharge breaks
# rule 2 at every size; a pump below the cycle's demand fails at once.
check keep-precharge 1 "$sim" size "$data/example.vlz" --pmin 60 --type piston --keep-precharge \
    --catalogue 10,20
same keep-precharge size-keep.txt
# 20 × 0,1 dm3 is the most in parallel and still too little: every one of
# the 19 arrangements is tried, and said.
check arrangements-short 1 "$sim" size "$data/example.vlz" --pmin 60 --type bladder --catalogue 0.1
has tried "Nessuna delle 19 composizioni provate (fino a 20 accumulatori in parallelo o 8 bombole"
printf '0,20,80,20,17.1,199,10,3,1\r\n0,1,0,0,0,0,0,0,0,0,1000,60,0,0,60,4\r\n0,0,0,0,0,0\r\n' >"$work/short.vlz"
check pump-short 1 "$sim" size "$work/short.vlz" --pmin 90 --type bladder --json
has json-short '"oil": {"cycle": 1, "pump": 0.855, "average_demand": 20, "pump_needed": 20, "pump_short": true}'
has json-none '"recommended": null'
# Every size stays above p1 only because its gas condenses before: rule 1 fails.
printf '0,10,10,-20,20,350,13,10,1\r\n1,2.2,0,0,0,0,0,0,0,0,1000,150,0,0,300,4\r\n0,0,0,0,0,0\r\n' >"$work/ratio.vlz"
check condenses 1 "$sim" size "$work/ratio.vlz" --pmin 15 --type piston --gas nitrogen \
    --keep-precharge --single-cycle
has condensed "non rispetta la regola 1, 6."
has condensed-cell "  24        10        condensa"
# The classic law only reproduces the original program's results: asked for
# by name, the sizing refuses it as a usage error and says why.
check gas-classic 64 "$sim" size "$data/example.vlz" --pmin 60 --type bladder --gas classic
says "gas-classic reason" "^--gas classic non dimensiona: la legge classica riproduce i risultati"
[ -s "$work/out" ] && fail "gas-classic wrote stdout"
# Cannot be searched: exit 3, one sentence on stderr and nothing on stdout.
check refused 3 "$sim" size "$data/example.vlz" --pmin 90 --type bladder
says "refused message" "minore della pressione massima"
[ -s "$work/out" ] && fail "refused wrote stdout"
# A project brings its own requirements; the options change them.
"$sim" convert "$data/example.vlz" "$work/ex.vlzp" 2>/dev/null
check project 0 "$sim" size "$work/ex.vlzp" --pmin 60
has project-recommended "Raccomandato: 10 dm3, precarica 48,1 bar a 20 °C, pompa 30 dm3/min."
# The PDF is never written over the design, directly or through a link.
cp "$work/ex.vlzp" "$work/keep.vlzp"
ln -s keep.vlzp "$work/link.pdf"
check pdf-over-input 64 "$sim" size "$work/keep.vlzp" --pmin 60 --pdf "$work/keep.vlzp"
says "pdf-over-input message" "è il file di ingresso"
check pdf-over-link 64 "$sim" size "$work/keep.vlzp" --pmin 60 --pdf "$work/link.pdf"
cmp -s "$work/ex.vlzp" "$work/keep.vlzp" && [ ! -s "$work/out" ] || fail "pdf over input wrote"
check missing-file 2 "$sim" size "$work/none.vlz" --pmin 60 --type bladder
# A command line size cannot answer: exit 64, what is wrong on the first
# line of stderr, naming the option as given, then where size's usage is;
# files that are not one get the usage.
ex="$data/example.vlz --pmin 60 --type bladder"
while IFS='|' read -r want line; do
    read -ra given <<<"$line"
    check "refused: $line" 64 "$sim" size "${given[@]}"
    [ "$(cat "$work/err")" = "$want"$'\n'"Per l'uso: volvenza-sim size --help" ] ||
        { [ "$want" = "Uso:" ] && head -n 1 "$work/err" | grep -qx "Uso:"; } ||
        { fail "refused: $line:"; cat "$work/err"; }
done <<EOF
Il comando size vuole l'opzione --type.|$data/example.vlz --pmin 60
Il comando size vuole l'opzione --pmin.|$work/ex.vlzp
Valore non valido per l'opzione --type: sponge.|$data/example.vlz --pmin 60 --type sponge
Valore non valido per l'opzione --pmin: sessanta.|$data/example.vlz --type piston --pmin sessanta
Valore non valido per l'opzione --catalogue: 1,2:4:x.|$ex --catalogue 1,2:4:x
Manca il valore dell'opzione --tolerance.|$ex --tolerance
--bottle-sizes 10,0: fino a 200 bombole in dm3, ciascuna più di 0, separate da virgole.|$ex --bottle-sizes 10,0
Opzione sconosciuta --fast.|$ex --fast
Il comando size non prende l'opzione --summary.|$ex --summary
Uso:|--pmin 60 --type bladder
EOF

# A size that empties counted its pump's loads over the part it ran: the
# emptying is said, not an average over a cycle it never finished.
check press 0 "$sim" size "$data/press.vlzp" --pmin 100 --type bladder
has press-emptied "Mancano almeno 0,192 dm3 di olio per restare sopra p1"
grep -qF "in un ciclo di 10 s: in media" "$work/out" && fail "press: an emptied run's loads"

# In English: the answer and a refusal with the decimal point, no Italian.
english=(env LC_ALL= LC_MESSAGES= LANG=en_US.UTF-8 "$sim")
check english 0 "${english[@]}" size "$data/example.vlz" --pmin 60 --type bladder
has english-recommended "Recommended: 10 dm3, precharge 48.1 bar at 20 °C, pump 30 dm3/min."
has english-margin "  Margin over the working day [bar]  "
grep -Ein '[0-9],[0-9]|\b(non|supera|regola|precarica|pompa|della|movimenti)\b' "$work/out" &&
    fail "english size output"

finish "volvenza-sim size"
