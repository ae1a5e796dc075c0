#!/usr/bin/env bash
# volvenza-sim report from the outside: the PDF's pages and text, and the
# exit codes. With "without-qt" it checks that a build without Qt says the
# command is missing.
# Usage: report_cli_test.sh PATH/TO/volvenza-sim TESTS_DATA_DIR [without-qt]
set -u
sim="$1"
data="$2"
source "$(dirname "$0")/harness.sh"

if [ "${3:-}" = without-qt ]; then
    "$sim" report "$data/example.vlz" "$work/r.pdf" 2>"$work/err"
    [ $? -eq 69 ] && grep -q "non è disponibile" "$work/err" && [ ! -e "$work/r.pdf" ] ||
        fail "report without Qt"
    exit "$fails"
fi

env -u DISPLAY "$sim" report "$data/example.vlz" "$work/r.pdf" 2>"$work/err" || fail "report: exit $?"
[ -s "$work/err" ] && { fail "report wrote to stderr:"; cat "$work/err"; }
pdftotext -layout "$work/r.pdf" "$work/r.txt" || fail "pdftotext"
# The initial data, the movements, the table and the chart, each from a new
# page; the table of the example takes two A4 pages. Its pages and the
# chart's say where the results come from.
[ "$(tr -cd '\f' <"$work/r.txt" | wc -c)" -eq 5 ] || fail "page count"
[ "$(grep -c "Risultati letti dal file (la legge del gas non vi è registrata)" "$work/r.txt")" -eq 3 ] ||
    fail "results' origin on the table's and the chart's pages"
for line in "V0: 10 +\[dm3\]" "Numero movimenti: 5" "MOTORE" "Cilindrata: 100 +\[cm3/giro\]" \
    "Qs\(T\)=Qt\(T\)-Qp" "^ *4,6 +8,6327 +80,0000"; do
    grep -Eq "$line" "$work/r.txt" || fail "no line matching '$line'"
done
grep -aq "/Subtype */Image" "$work/r.pdf" || fail "no chart picture"
# In English every page is English, with the decimal point.
env -u DISPLAY LC_ALL= LC_MESSAGES= LANG=en_US.UTF-8 "$sim" report "$data/example.vlz" "$work/en.pdf" 2>/dev/null ||
    fail "English report: exit $?"
pdftotext -layout "$work/en.pdf" "$work/en.txt" || fail "pdftotext English"
grep -Ein 'tempo di ciclo|numero movimenti|motore|energia|[0-9],[0-9]' "$work/en.txt" && fail "Italian in the English report"
grep -q "MOTOR" "$work/en.txt" || fail "English report without its movements"

"$sim" report "$data/example.vlz" 2>/dev/null
[ $? -eq 64 ] || fail "usage"
cp "$data/example.vlz" "$work/in.vlz"
"$sim" report "$work/in.vlz" "$work/in.vlz" 2>/dev/null
[ $? -eq 64 ] && cmp -s "$work/in.vlz" "$data/example.vlz" || fail "output over input"
# A project keeps no results: said so, not read as a broken simulation file.
"$sim" report "$data/press.vlzp" "$work/p.pdf" 2>"$work/err"
[ $? -eq 64 ] && grep -q "un progetto non li conserva" "$work/err" && [ ! -e "$work/p.pdf" ] ||
    fail "a project"
printf 'garbage\r\n' >"$work/bad.vlz"
"$sim" report "$work/bad.vlz" "$work/bad.pdf" 2>/dev/null
[ $? -eq 2 ] && [ ! -e "$work/bad.pdf" ] || fail "bad input"
"$sim" report "$data/example.vlz" "$work/no/such/r.pdf" 2>"$work/err"
[ $? -eq 2 ] && grep -q "Impossibile salvare il file" "$work/err" || fail "unwritable output"

finish "volvenza-sim report"
