#!/usr/bin/env bash
# Drives volvenza-sim from the outside: outputs byte for byte and exit codes.
# Usage: cli_test.sh PATH/TO/volvenza-sim TESTS_DATA_DIR
set -u
sim="$1"
data="$2"
source "$(dirname "$0")/harness.sh"

same() {  # same NAME FILE GOLDEN
    cmp -s "$2" "$3" || fail "$1: $2 differs from $3"
}

check example 0 "$sim" example "$work/ex.vlz" --export "$work/ex.txt"
same example-file "$work/ex.vlz" "$data/example.vlz"
same example-table "$work/ex.txt" "$data/example.txt"

check run 0 "$sim" run "$data/example.vlz" "$work/again.vlz"
same run-file "$work/again.vlz" "$data/example.vlz"
check export 0 "$sim" export "$data/example.vlz" "$work/t.txt"
same export-table "$work/t.txt" "$data/example.txt"
check export-csv 0 "$sim" export "$data/example.vlz" "$work/t.csv" --csv
[ "$(sed -n 2p "$work/t.csv")" = $'t;V;P;Qt;Qs\r' ] && [ "$(wc -l <"$work/t.csv")" -eq 471 ] ||
    fail "export-csv output"

# Validation refuses (the engine's tests hold each refusal): nothing written.
printf '0,10,60,45,30,80,13,0,1\r\n0,1,0,0,50,150,0,0,0,0,0,0,0,0,5,1\r\n0,0,0,0,0,0\r\n' >"$work/zero.vlz"
check refused 1 "$sim" run "$work/zero.vlz" "$work/none.vlz"
[ -e "$work/none.vlz" ] && fail "refused run wrote a file"
says "refused message" "tempo di ciclo a 0"

# Precharge above the maximum: warning, partial results written.
printf '0,10,100,20,30,80,13,2,1\r\n0,1,0,0,50,150,0,0,0,0,0,0,0,0,5,1\r\n0,0,0,0,0,0\r\n' >"$work/high.vlz"
check warning 3 "$sim" run "$work/high.vlz" "$work/high-out.vlz"
says "warning text" "PRECARICA VOLVENZA TROPPO ALTA"
head -c 2 "$work/high-out.vlz" | grep -q "^1," || fail "warning LastPoint"

# Values no run can use, each named with its value: a negative time or
# flow, a working temperature or an envelope limit at absolute zero.
for bad in '0,1,0,0,50,150,0,0,0,0,0,0,0,0,-58.9,1' '-5,1,0,0,50,150,0,0,0,0,0,0,0,0,5,1'; do
    printf '0,10,60,45,30,80,13,2,1\r\n%s\r\n0,0,0,0,0,0\r\n' "$bad" >"$work/neg.vlz"
    check "negative $bad" 1 "$sim" run "$work/neg.vlz" "$work/none.vlz"
    cp "$work/err" "$work/run-err"
    # The sizing refuses what the run refuses, in the same words.
    check "size negative $bad" 3 "$sim" size "$work/neg.vlz" --pmin 5 --type bladder
    cmp -s "$work/err" "$work/run-err" || fail "size says otherwise than run: $(cat "$work/err")"
done
says "negative named" "^Nel movimento 1 Ti vale -5 e non può essere negativo"
# A flow near the largest a double holds: the balance says why it is missing.
printf '0,10,60,45,30,80,13,2,1\r\n0,1,0,0,50,150,0,0,0,0,0,0,0,0,1e308,1\r\n0,0,0,0,0,0\r\n' >"$work/huge.vlz"
check huge-flow 3 "$sim" run "$work/huge.vlz" "$work/huge-out.vlz" --summary
says "huge flow" "^Il bilancio energetico non si può dare: .* movimento 1, vale 1e+308 dm3/min)\.$" "$work/out"
check envelope-absolute-zero 1 "$sim" example "$work/none.vlz" --envelope -300 45
says "envelope named" "inviluppo vale -300 °C: deve superare lo zero assoluto"
[ -e "$work/none.vlz" ] && fail "refused values wrote a file"

# Both times at zero: accepted with a note.
printf '0,10,60,45,30,80,13,1,1\r\n0,0,0,0,50,150,0,0,0,0,0,0,0,0,5,1\r\n0,0,0,0,0,0\r\n' >"$work/zt.vlz"
check zero-times 0 "$sim" run "$work/zt.vlz" "$work/zt-out.vlz"

# Two outputs: both written or neither.
printf 'old' >"$work/keep.vlz"
check one-output-blocked 2 "$sim" run "$data/example.vlz" "$work/keep.vlz" --export "$work/no/t.txt"
[ "$(cat "$work/keep.vlz")" = old ] || fail "keep.vlz replaced"
check warning-both 3 "$sim" run "$work/high.vlz" "$work/h2.vlz" --export "$work/h2.txt"
[ -s "$work/h2.vlz" ] && [ -s "$work/h2.txt" ] || fail "warning outputs"

# An output that is the input or the other output, even through a link: refused.
cp "$data/example.vlz" "$work/in.vlz"
ln -s in.vlz "$work/in-link.vlz"
check same-as-input 64 "$sim" run "$work/in.vlz" "$work/in-link.vlz"
says "same-file message" "è il file di ingresso"
check table-is-input 64 "$sim" run "$work/in.vlz" "$work/x.vlz" --export "$work/in.vlz"
check export-over-input 64 "$sim" export "$work/in.vlz" "$work/in-link.vlz"
check same-outputs 64 "$sim" example "$work/o.vlz" --export "$work/./o.vlz"
cmp -s "$work/in.vlz" "$data/example.vlz" && [ ! -e "$work/o.vlz" ] && [ ! -e "$work/x.vlz" ] ||
    fail "refused runs wrote"

# Gas laws: the classic law by name is the run as always; the others keep
# the file's format and say per temperature how the run went (the wording of
# their refusals and of convert's notes is the engine's and project's tests').
check classic-named 0 "$sim" run "$data/example.vlz" "$work/cl.vlz" --gas classic --summary
same classic-named-file "$work/cl.vlz" "$data/example.vlz"
grep -qx 'Temperatura 45 °C (tc); pressione minima 65,161 bar a 1,40 s; fine normale; temperatura del gas minima 45 °C, massima 45 °C' "$work/out" ||
    { fail "classic summary"; cat "$work/out"; }
# The window's balance, a row a line, from the options' efficiency and hours
# (the rows' figures are the shared wording's tests').
check energy 0 "$sim" run "$data/example.vlz" "$work/cl.vlz" --summary --pump-efficiency 0,8 --hours-per-year 1000
sed -n 2p "$work/out" | grep -qx 'Bilancio energetico e fatica a tc' &&
    grep -qx 'Potenza installata (Qp a Pm): 5 kW' "$work/out" &&
    [ "$(tail -1 "$work/out")" = "Cicli all'anno: 765957 in 1000 h" ] ||
    { fail "energy summary"; cat "$work/out"; }
# Two accumulators in parallel: the pump never restarts, the gas stays above Pm - Dp.
check parallel 0 "$sim" run "$data/example.vlz" "$work/par.vlz" --gas ideal --parallel 2 --summary
grep -q '^Temperatura 45 °C (tc); pressione minima 69,644 bar a 2,50 s' "$work/out" || { fail "parallel run"; cat "$work/out"; }
# The precharge as given and at tc: (60,12345 + 1,01325) x 318,0265 / 293,275 - 1,01325.
sed '1s/^468,10,60,45,/468,10,60.12345,44.8765,/' "$data/example.vlz" >"$work/frac.vlz"
check precharge-line 0 "$sim" run "$work/frac.vlz" "$work/frac-out.vlz" --gas ideal --charge-temp 20,125 --summary
[ "$(head -1 "$work/out")" = "Precarica 60,1234 bar data a 20,12 °C; a tc = 44,88 °C 65,2832 bar" ] ||
    { fail "precharge line"; cat "$work/out"; }
check bad-parallel 64 "$sim" run "$data/example.vlz" "$work/x.vlz" --parallel 1,5
check bad-efficiency 64 "$sim" run "$data/example.vlz" "$work/x.vlz" --pump-efficiency 1,2
check envelope 0 "$sim" run "$data/design-250bar.vlz" "$work/n2.vlz" --gas nitrogen --tau 45 \
    --charge-temp 20 --envelope -10 60 --summary
# The energy's first cycle is the run at tc from full: the same lowest. No
# movement has a load and a run sets no p1: none has a verdict. The
# precharge first, as given and at tc.
[ "$(wc -l <"$work/out")" -eq 28 ] && head -1 "$work/out" | grep -q '^Precarica 150 bar data a 20 °C; a tc = 45 °C 167,1058 bar$' &&
    sed -n 2p "$work/out" | grep -q '^Temperatura -10 °C; pressione minima' &&
    sed -n 3p "$work/out" | grep -q '^Temperatura 45 °C (tc); pressione minima 156,368 bar' && sed -n 4p "$work/out" | grep -q '^Temperatura 60 °C;' &&
    sed -n 9p "$work/out" | grep -q "^Primo ciclo, da pieno: calore tra gas e parete: il gas riceve dalla parete " &&
    sed -n 12p "$work/out" | grep -q "^Primo ciclo, da pieno: pressione minima e massima: 156,37 bar e 250 bar$" &&
    sed -n 13p "$work/out" | grep -q "^Ciclo in regime (" &&
    sed -n 28p "$work/out" | grep -q '^{"movement_pressures": \[\], ' ||
    { fail "envelope summary"; cat "$work/out"; }
[ "$(sed -n 1p "$work/n2.vlz" | tr -cd , | wc -c)" -eq 8 ] || fail "nitrogen file header"
check ideal-exponent 1 "$sim" run "$data/example.vlz" "$work/x.vlz" --gas ideal --n 1,8
[ ! -e "$work/x.vlz" ] || fail "exponent refusal wrote"
check envelope-order 1 "$sim" example "$work/x.vlz" --envelope 50 60
check gas-unknown 64 "$sim" example "$work/x.vlz" --gas steam
says "gas-unknown names it" "^Valore non valido per l'opzione --gas: steam\.$"
check gas-missing-value 64 "$sim" example "$work/x.vlz" --tau
says "missing value names it" "^Manca il valore dell'opzione --tau\.$"
for tau in inf Inf INFINITY; do
    check "tau-$tau" 0 "$sim" example "$work/x.vlz" --gas nitrogen --tau "$tau"
done
check start-unknown 64 "$sim" example "$work/x.vlz" --start warm
check envelope-limit 1 "$sim" example "$work/x.vlz" --gas nitrogen --envelope -250 45

# A warning at a limit of the envelope is a warning; a gas that leaves its
# law anywhere (here condensing at -150 °C) a status of its own, and what the
# runs keep is never a NaN.
check envelope-warning 3 "$sim" example "$work/x.vlz" --gas nitrogen --envelope 45 60 --summary
grep -q '^Temperatura 60 °C; .*fine PRECARICA VOLVENZA TROPPO ALTA' "$work/out" ||
    { fail "envelope-warning summary"; cat "$work/out"; }
check envelope-condenses 4 "$sim" example "$work/x.vlz" --gas nitrogen --envelope -150 60 --summary
sed -n 2p "$work/out" | grep -q '^Temperatura -150 °C; .*fine GAS FUORI DAL CAMPO DELLA LEGGE a 0,00 s: l.azoto condensa;' ||
    { fail "envelope-condenses summary"; cat "$work/out"; }
printf '0,10,10,-20,20,350,13,10,1\r\n1,2.2,0,0,0,0,0,0,0,0,1000,150,0,0,300,4\r\n0,0,0,0,0,0\r\n' >"$work/ratio.vlz"
check condenses 4 "$sim" run "$work/ratio.vlz" "$work/ratio-out.vlz" --gas nitrogen --summary --export "$work/ratio.txt"
grep -q "^ATTENZIONE: l'azoto condensa a t = " "$work/err" && grep -q "fine GAS FUORI" "$work/out" &&
    ! grep -qi "nan\|inf" "$work/ratio-out.vlz" "$work/ratio.txt" "$work/out" ||
    { fail "condenses"; cat "$work/err" "$work/out"; }
check envelope-one-value 64 "$sim" example "$work/x.vlz" --envelope 10

# The duties: 12 kN on the bore of 50 mm at 95 % (64,33 bar), 60 N m on
# 100 cm3 at 90 % plus 2 bar, 70 bar typed; the restart at 67 bar barely
# lifts the gas off its precharge, so the emergency stroke empties it.
check duties 0 "$sim" example "$work/x.vlz" --gas ideal --summary --load 1:12:0,95:0 \
    --load 4:60:0,9:2 --required 3:70 --emergency 2,5 --hold-pressure 66 --hold-time 600 \
    --leakage 0,05 --hold-cooling 10
says "load's pressure" '{"movement": 1, "required": 64.3321033129345, "lowest": 74.65' "$work/out"
says "torque's pressure" '{"movement": 4, "required": 43.8879020478639, ' "$work/out"
says "typed pressure" '{"movement": 3, "required": 70, "lowest": 64.5631244781032, "margin": -5.43687552189681, "time": 1.4, "pass": false}' "$work/out"
# The oil runs out in movement 2: no lowest nor margin that happened.
says "emergency" '"emergency": {"movements": \[2, 5\], "start_pressure": 67, "lowest": null, "margin": null, "oil_left": 0, "oil_out_at": 2, "pass": false}' "$work/out"
says "hold" '"hold": {"pressure": 66, "time": 600, "leakage": 0.05, "cooling": 10, "start_pressure": 67, "lowest": 64.10' "$work/out"
# The classic law judges p1 alone: its duties would be ignored, so refused.
check duties-classic 64 "$sim" example "$work/none.vlz" --summary --load 1:12
says "classic" "^Le opzioni dei compiti valgono con il gas ideale o l'azoto reale: la legge classica"
for bad in "--load 1:12:1,5" "--load 9:12" "--required 2:0" "--required 2:90:1" "--emergency 2," \
    "--emergency 2,x" "--hold-pressure 60 --hold-time 0" "--load 1:12 --load 1:13" \
    "--hold-time 9 --hold-time 8" "--emergency 2 --emergency 3" "--leakage 0,05"; do
    # shellcheck disable=SC2086
    check "refused $bad" 64 "$sim" example "$work/none.vlz" --gas ideal $bad
done
says "no hold time" "^La pressione mantenuta vuole sia --hold-pressure sia --hold-time\.$"
# A hold above its start, or cooled past the gas law's range, before any run.
check hold-above-start 64 "$sim" example "$work/none.vlz" --gas ideal --hold-pressure 67,01 --hold-time 9
says "above start" "^La pressione da mantenere (67,01 bar) supera .* Pm - Dp (67 bar): darla di al più 67 bar\.$"
check hold-too-cold 64 "$sim" example "$work/none.vlz" --gas nitrogen --hold-pressure 6 --hold-time 9 \
    --hold-cooling 300
says "too cold" "fuori dal campo della legge del gas (sopra 63,151 K)"
check two-for-one 64 "$sim" example "$work/none.vlz" --gas ideal --required 3:70 --load 3:12
says "two for one" "^--load 3:12: il movimento 3 ha già --required 3:70; darne uno solo\.$"
check movement-zero 64 "$sim" example "$work/none.vlz" --gas ideal --load 0:12
says "whole sentence" "^--load 0:12: il movimento deve essere un numero intero da 1 a 1000\.$"
[ -e "$work/none.vlz" ] && fail "refused duties wrote a file"

# Projects: convert keeps what the other format holds and says what it
# leaves out; run takes the project's gas law unless an option says
# otherwise; an empty slot (kind 0) survives both ways.
check convert-results 0 "$sim" convert "$data/example.vlz" "$work/ex.vlzp"
check convert-to-project 0 "$sim" convert "$data/design-250bar.vlz" "$work/d.vlzp"
sed -i 's/"legge": "classica"/"legge": "azoto"/; s/"rendimento_pompa": 0.9/"rendimento_pompa": 0.8/' "$work/d.vlzp"
check run-project 0 "$sim" run "$work/d.vlzp" "$work/d.vlz" --summary
says "project law" 'pressione minima 155,619 bar' "$work/out"
says "project efficiency" '^Rendimento della pompa: 0,8$' "$work/out"
# A project's efficiency or hours a year the windows refuse: the run goes on
# and its balance says why in its place, as the window's does.
sed 's/"rendimento_pompa": 0.8/"rendimento_pompa": 0/' "$work/d.vlzp" >"$work/e0.vlzp"
check project-efficiency-zero 0 "$sim" run "$work/e0.vlzp" "$work/e0.vlz" --summary
says "efficiency refused" "^Il rendimento della pompa deve essere più di 0 e al più 1\.$" "$work/out"
says "run beside it" 'pressione minima 155,619 bar' "$work/out"
sed 's/"ore_in_un_anno": 2000.0/"ore_in_un_anno": -2000/' "$work/d.vlzp" >"$work/h.vlzp"
check project-hours-negative 0 "$sim" run "$work/h.vlzp" "$work/h.vlz" --summary
says "hours refused" "^Le ore di lavoro in un anno devono essere più di 0 e al più 8760\.$" "$work/out"
# The sizing refuses them, the value with the digits that put it past a limit.
sed 's/"rendimento_pompa": 0.8/"rendimento_pompa": 1.0000001/' "$work/d.vlzp" >"$work/e1.vlzp"
check size-efficiency-above-one 3 "$sim" size "$work/e1.vlzp" --pmin 100 --type bladder
says "efficiency digits" "(rendimento_pompa) vale 1,0000001: deve"
sed 's/"ore_in_un_anno": 2000.0/"ore_in_un_anno": 0.5/' "$work/d.vlzp" >"$work/h5.vlzp"
check project-half-hour 0 "$sim" run "$work/h5.vlzp" "$work/d5.vlz" --summary
says "half hour" "^Cicli all'anno: 180 in 0,5 h$" "$work/out"
check run-project-override 0 "$sim" run "$work/d.vlzp" "$work/d.vlz" --gas classic --summary \
    --pump-efficiency 0,7
says "law override" 'pressione minima 177,93 bar' "$work/out"
says "efficiency override" '^Rendimento della pompa: 0,7$' "$work/out"
check convert-to-vlz 0 "$sim" convert "$work/d.vlzp" "$work/back.vlz"
sed -i '0,/"carico": 0.0/s//"carico": 5.0/' "$work/d.vlzp"
check convert-load-to-vlz 0 "$sim" convert "$work/d.vlzp" "$work/back.vlz"
says "loads dropped" "non conserva i carichi, i rendimenti"
printf '0,10,60,45,30,80,13,2,2\r\n0,1,0,0,50,150,0,0,0,0,0,0,0,0,5,1\r\n0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0\r\n0,0,0,0,0,0\r\n' >"$work/slot.vlz"
check convert-empty-slot 0 "$sim" convert "$work/slot.vlz" "$work/slot.vlzp"
check convert-empty-slot-back 0 "$sim" convert "$work/slot.vlzp" "$work/slot2.vlz"
cmp -s "$work/slot.vlz" "$work/slot2.vlz" || fail "empty slot round trip"
mkfifo "$work/fifo.vlzp"
check fifo-project 2 timeout 5 "$sim" run "$work/fifo.vlzp" "$work/x.vlz"
says "fifo message" "non è un file"
truncate -s 9M "$work/big.vlzp"  # larger than any project: refused unread, with the limit
check big-project 2 "$sim" run "$work/big.vlzp" "$work/x.vlz"
says "big project" "non è un progetto Volvenza valido: è più grande di 8 MiB, il massimo che"

check missing-input 2 "$sim" run "$work/nope.vlz" "$work/x.vlz"
check empty-names 64 "$sim" run "" ""
says "empty names" "^Manca il nome del file di ingresso: nulla è stato scritto.$"
# A file cut at a line end is refused, not read with zeros for its missing points.
head -n 200 "$data/example.vlz" >"$work/cut.vlz"
check cut-file 2 "$sim" export "$work/cut.vlz" "$work/x.txt"
says "cut message" "il file finisce alla riga 200, ne attendevo 475\.$"
printf 'garbage\r\n' >"$work/bad.vlz"
check bad-input 2 "$sim" export "$work/bad.vlz" "$work/x.txt"
says "bad-input message" "riga 1"
check unwritable 2 "$sim" example "$work/no/such/dir/x.vlz"
check usage 64 "$sim"
check usage-extra 64 "$sim" example a b
# An option refused is named, then where the usage is, not the usage itself:
# --export without its file or twice, an option the command does not take,
# one no command takes.
named() {  # named NAME LINE ARGS...
    local name="$1" line="$2" help="volvenza-sim --help"
    shift 2
    [[ "$1" == -* ]] || help="volvenza-sim $1 --help"
    check "$name" 64 "$sim" "$@"
    [ "$(cat "$work/err")" = "$line"$'\n'"Per l'uso: $help" ] || { fail "$name:"; cat "$work/err"; }
}
named no-table "Manca il valore dell'opzione --export." example "$work/x.vlz" --export
named two-tables "L'opzione --export è data due volte." example "$work/x.vlz" --export a --export b
named table-on-export "Il comando export non prende l'opzione --export." export a b --export c
named csv-on-run "Il comando run non prende l'opzione --csv." run "$data/example.vlz" "$work/x.vlz" --csv
named gas-on-export "Il comando export non prende l'opzione --summary." export a b --summary
named unknown-option "Opzione sconosciuta --nope." run a b --nope
named unknown-gas-option "Opzione sconosciuta --nope." gas 20 1 --nope
named unknown-first "Opzione sconosciuta --bogus." --bogus
# Another command's option is not taken, never unknown: size's hidden one,
# and every option the usage names, whatever follows it there.
named hidden-elsewhere "Il comando convert non prende l'opzione --repeat." convert a b --repeat
for option in $("$sim" --help | grep -o -- '--[a-z][a-z-]*' | grep -vx -- --help | sort -u); do
    named "gas$option" "Il comando gas non prende l'opzione $option." gas 20 1 "$option"
done
check unknown-command 64 "$sim" bogus a b
[ "$(cat "$work/err")" = "Comando sconosciuto bogus."$'\n'"Per l'uso: volvenza-sim --help" ] ||
    { fail "unknown-command:"; cat "$work/err"; }
# A command given the wrong files answers with its own usage alone.
for files in "run only.vlz" size; do
    command=${files%% *}
    check "files-$command" 64 "$sim" $files
    [ "$(grep -c '^  volvenza-sim ' "$work/err")" = "$(grep -c "^  volvenza-sim $command " "$work/err")" ] &&
        grep -q "^  volvenza-sim $command " "$work/err" || { fail "files-$command:"; cat "$work/err"; }
done
check help 0 "$sim" --help
# A command's --help, wherever it stands, is that command's usage alone,
# with the exit statuses that command can return.
while read -r command statuses; do
    check "help-$command" 0 "$sim" "$command" in.vlz --help
    [ "$(grep -c '^  volvenza-sim ' "$work/out")" = "$(grep -c "^  volvenza-sim $command " "$work/out")" ] &&
        grep -q "^  volvenza-sim $command " "$work/out" &&
        [ "$(grep -oE '^  [0-9]+ ' "$work/out" | tr -d ' ' | xargs)" = "$statuses" ] ||
        { fail "help-$command:"; cat "$work/out"; }
done <<EOF
example 0 1 2 3 4 64
run 0 1 2 3 4 64
convert 0 2 64
export 0 2 64
report 0 2 64 69
size 0 1 2 3 64 69
gas 0 1 64
EOF
# Only run, which reads one file and writes two, speaks of the other one.
for command in example run convert export report size gas; do
    other=$("$sim" "$command" in.vlz --help | grep -c "altro file")
    case "$command" in run) [ "$other" -gt 0 ] ;; *) [ "$other" = 0 ] ;; esac ||
        fail "help-$command: the other output file said $other times"
done

# In English the messages, the usage and the CSV follow the language; the
# simulation file and the text table stay as they are.
english=(env LC_ALL= LC_MESSAGES= LANG=en_US.UTF-8 "$sim")
check english-example 0 "${english[@]}" example "$work/en.vlz" --export "$work/en.txt"
same english-file "$work/en.vlz" "$data/example.vlz"
same english-table "$work/en.txt" "$data/example.txt"
check english-csv 0 "${english[@]}" export "$data/example.vlz" "$work/en.csv" --csv
[ "$(head -n 1 "$work/en.csv")" = $'Results read from the file (it does not record the gas law)\r' ] &&
    [ "$(sed -n 3p "$work/en.csv")" = $'0,8.63265485109279,80,70.905,70.905\r' ] ||
    fail "english-csv output"
check english-bad-input 2 "${english[@]}" export "$work/bad.vlz" "$work/x.txt"
grep -qx "The file $work/bad.vlz is not a valid simulation file: line 1 has 1 comma-separated fields, 9 are needed." "$work/err" ||
    fail "english-bad-input message"
check english-usage 64 "${english[@]}"
head -n 1 "$work/err" | grep -qx "Usage:" || fail "english-usage"
check english-unknown 64 "${english[@]}" run a b --nope
[ "$(cat "$work/err")" = $'Unknown option --nope.\nFor usage: volvenza-sim run --help' ] ||
    { fail "english-unknown:"; cat "$work/err"; }
# Charged fast, the ideal gas empties where it fills V0: at the precharge
# carried to tc (61,013 bar abs × 318,15 / 293,15), back at 45 °C.
check english-summary 3 "${english[@]}" example "$work/en2.vlz" --gas ideal --start fast --summary
grep -qx 'Temperature 45 °C (tc); lowest pressure 65.203 bar at 1.38 s; end VOLVENZA PRECHARGE TOO HIGH; lowest gas temperature 45 °C, highest 63.87 °C' "$work/out" ||
    { fail "english summary"; cat "$work/out"; }
check english-condenses 4 "${english[@]}" run "$work/ratio.vlz" "$work/en3.vlz" --gas nitrogen --summary
grep -q "^WARNING: nitrogen condenses at t = 1.22 s (gas at -157.1197 °C and 19.45013 bar)" "$work/err" &&
    grep -q "end GAS OUTSIDE ITS LAW'S DOMAIN at 1.22 s: nitrogen condenses;" "$work/out" ||
    { fail "english condenses"; cat "$work/err" "$work/out"; }

finish "volvenza-sim"
