# Shared by the volvenza-sim tests (sourced): a scratch folder removed on
# exit, the failure count, and `check` for a command's exit status with its
# output left in $work/out and $work/err.
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
