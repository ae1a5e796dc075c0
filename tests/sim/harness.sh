# Shared by the volvenza-sim tests (sourced): a scratch folder removed on
# exit, the failure count, `check` for a command's exit status with its
# output left in $work/out and $work/err, `says` for what that output holds,
# and `finish` to report and exit with the count.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fails=0

check() {  # check NAME EXPECTED_CODE COMMAND...
    local name="$1" want="$2"
    shift 2
    "$@" >"$work/out" 2>"$work/err"
    local got=$?
    if [ "$got" -ne "$want" ]; then
        echo "FAIL $name: exit $got, expected $want"; cat "$work/err"; fails=$((fails + 1))
    fi
}

fail() { echo "FAIL $*"; fails=$((fails + 1)); }

says() {  # says NAME PATTERN [FILE]: FILE (the last stderr) has a line matching PATTERN
    grep -q -- "$2" "${3:-$work/err}" || { fail "$1:"; cat "${3:-$work/err}"; }
}

finish() {  # finish NAME
    [ "$fails" -eq 0 ] && echo "$1: all checks passed"
    exit "$fails"
}
