#!/usr/bin/env bash
# wirnak-cli on an output it cannot write: a full device and a closed standard output. The
# program, not the library, writes, so it is run as it is installed: the path is the argument.
set -uo pipefail
cli=$1
export LC_ALL=C
failures=0

# expect OUTPUT STATUS STDERR ARGS...: runs with standard output on /dev/full, closed or on
# /dev/null, and compares the exit status and what was said on standard error.
expect() {
    local output=$1 status=$2 err=$3 said actual
    shift 3
    case $output in
        full) said=$("$cli" "$@" 2>&1 >/dev/full) ;;
        closed) said=$("$cli" "$@" 2>&1 >&-) ;;
        null) said=$("$cli" "$@" 2>&1 >/dev/null) ;;
    esac
    actual=$?
    if [[ $actual != "$status" || $said != "$err" ]]; then
        echo "FAIL: wirnak-cli $* >$output: status $actual, standard error:"
        printf '%s\n' "$said"
        failures=$((failures + 1))
    fi
}

job="--round 8=1 --weight 2 --available 12=0.5,13.5=2,14=1"
full='wirnak-cli: cannot write the output: No space left on device'
closed='wirnak-cli: cannot write the output: Bad file descriptor'
for args in "$job" "$job --rtf" "$job --format csv" "--help" "--version"; do
    # shellcheck disable=SC2086  # the words of args are the arguments
    expect full 1 "$full" $args
    # shellcheck disable=SC2086
    expect closed 1 "$closed" $args
done
# A write failure wins over a search that stopped early, which is still told.
stopped='wirnak-cli: search stopped early: 26 SWG would need more than 32767 wires'
expect full 1 "$stopped"$'\n'"$full" --rect 100,100,1 --available 20,26
# Bad input prints nothing on standard output, so nothing is lost.
negative=$'wirnak-cli: --weight: \'-5\' is negative\nTry \'wirnak-cli --help\'.'
expect full 2 "$negative" --round 8=1 --weight -5 --available 9
expect closed 2 "$negative" --round 8=1 --weight -5 --available 9
# shellcheck disable=SC2086
expect null 0 "" $job

((failures == 0)) && echo "PASS: every output fault is told and exits 1"
exit $((failures != 0))
