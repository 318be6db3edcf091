#!/bin/bash
# Jobs of SWG sizes alone must print what an earlier build printed, byte for byte: standard
# output, standard error and exit status, over drawn jobs (round and rectangular targets, the
# stock check on and off, every order and output form). The earlier build is given as its
# wirnak-cli, or as the folder its outputs were stored in:
#
#   swg-jobs-unchanged.sh NEW-CLI EARLIER-CLI [JOBS]     compare two builds
#   swg-jobs-unchanged.sh --store DIR EARLIER-CLI [JOBS] keep an earlier build's outputs
#   swg-jobs-unchanged.sh NEW-CLI DIR [JOBS]             compare with kept outputs
#
# The jobs are drawn from a fixed seed, so the same JOBS (default 400) are drawn every time.
set -u

store=
if [[ ${1:-} == --store ]]; then
    store=$2
    shift 2
    mkdir -p "$store"
    new=
    earlier=$1
    jobs=${2:-400}
else
    new=${1:?usage: swg-jobs-unchanged.sh NEW-CLI EARLIER-CLI-OR-DIR [JOBS]}
    earlier=${2:?usage: swg-jobs-unchanged.sh NEW-CLI EARLIER-CLI-OR-DIR [JOBS]}
    jobs=${3:-400}
fi

gauges=(8 9 10 11 12 13 13.5 14 14.5 15 15.5 16 16.5 17 17.5 18 18.5 19 19.5 20 20.5 21 21.5 22
    22.5 23 24 25 26)
RANDOM=20240926

# In this shell, not a subshell, so that the draw goes on from one job to the next.
below() { drawn=$((RANDOM % $1)); }

# One drawn job's arguments, into args.
draw_job() {
    local k thick g weighed
    args=()
    below 2
    if ((drawn == 0)); then
        local round=
        below 3
        for ((k = drawn; k >= 0; k--)); do
            below 23
            g=${gauges[$((6 + drawn))]}
            below 4
            # One size named twice is refused: keep the first.
            [[ ",$round" == *",$g="* ]] || round+="${round:+,}$g=$((1 + drawn))"
        done
        args+=(--round "$round")
        below 12
        thick=$drawn
    else
        local width thickness
        below 40
        width=$((1 + drawn))
        below 20
        thickness=$((5 + drawn))
        below 2
        args+=(--rect "$((width / 10)).$((width % 10)),$((thickness / 10)).$((thickness % 10)),$((1 + drawn))")
        below 4
        if ((drawn == 0)); then
            below 3
            args+=(--corner-radius "0.$drawn")
        fi
        below 16
        thick=$drawn
    fi
    below 2
    weighed=$drawn
    if ((weighed)); then
        below 50
        local kg=$drawn
        below 10
        args+=(--weight "$kg.$drawn")
    fi
    local available=
    below 5
    for ((k = drawn; k >= 0; k--)); do
        below $((29 - thick))
        g=${gauges[$((thick + drawn))]}
        [[ ",$available," == *",$g="* || ",$available," == *",$g,"* ]] && continue
        available+="${available:+,}$g"
        below 8
        if ((drawn != 0)); then
            below 30
            available+="=$((drawn / 10)).$((drawn % 10))"
        fi
    done
    args+=(--available "$available")
    below 6
    case $drawn in
        1)
            below 30
            args+=(--order wires --most-wires $((3 + drawn)))
            ;;
        2)
            below 4
            args+=(--order sizes --most-sizes $((1 + drawn)))
            ;;
        3) args+=(--order closest) ;;
    esac
    below 5
    case $drawn in
        1) args+=(--format csv) ;;
        2) args+=(--rtf) ;;
        3) ((weighed)) && args+=(--in-stock-only) ;;
    esac
}

# Output, error output and status of one run, in one text.
run_one() {
    local cli=$1
    shift
    local out err status
    out=$(mktemp) err=$(mktemp)
    timeout 60 "$cli" "$@" >"$out" 2>"$err"
    status=$?
    cat "$out"
    echo "--- stderr"
    cat "$err"
    echo "--- status $status"
    rm -f "$out" "$err"
}

differ=0
for ((n = 0; n < jobs; n++)); do
    draw_job
    if [[ -n $store ]]; then
        printf '%s\n' "${args[@]}" >"$store/job-$n.args"
        run_one "$earlier" "${args[@]}" >"$store/job-$n.out"
        continue
    fi
    if [[ -d $earlier ]]; then
        if ! cmp -s "$earlier/job-$n.args" <(printf '%s\n' "${args[@]}"); then
            echo "job $n: not the job that was stored; store the outputs again" >&2
            exit 2
        fi
        expected=$(cat "$earlier/job-$n.out")
    else
        expected=$(run_one "$earlier" "${args[@]}")
    fi
    got=$(run_one "$new" "${args[@]}")
    if [[ $got != "$expected" ]]; then
        echo "job $n differs: ${args[*]}"
        diff <(echo "$expected") <(echo "$got") | head -5
        differ=$((differ + 1))
    fi
done
if [[ -n $store ]]; then
    echo "stored $jobs jobs in $store"
    exit 0
fi
echo "$((jobs - differ)) of $jobs SWG-only jobs print the same"
((differ == 0))
