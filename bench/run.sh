#!/bin/bash
# Benchmarks: the computation per household, then the batch program's throughput.
set -euo pipefail
build=${1:-build}
"$build/bench/bench_zulagen" --benchmark_min_time=0.5
QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} "$build/bench/bench_fenster"
QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} "$build/bench/bench_torte" --benchmark_min_time=0.5
QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} "$build/bench/bench_bericht" --benchmark_min_time=0.5

daten=$(mktemp)
trap 'rm -f "$daten"' EXIT

# fermalin-cli beside jq -c . on the same 100 000 household lines, from the file
# and through a pipe. In each round jq and the commands run one after the other,
# so that both meet the same load; the ratio is a command's wall time over jq's
# of the same round, its median over the rounds and the lowest and highest
# beside it. Lines per second are of a command's fastest round. Both sides start
# through bash -c; through the pipe, cat's CPU time counts for both.
command -v jq > /dev/null || { echo "jq fehlt: scripts/setup.sh installiert es" >&2; exit 1; }
n=${BENCH_ZEILEN:-100000}
runden=${BENCH_RUNDEN:-5}
"$build/bench/bench_haushalte" "$n" > "$daten"
cli=$build/src/fermalin-cli
TIMEFORMAT='%R %U %S'

# lauf BEFEHL: wall and CPU seconds of one run, its output thrown away
lauf() {
    { time bash -c "$1" > /dev/null 2>&1; } 2>&1 | awk '{ printf "%s %.3f\n", $1, $2 + $3 }'
}

# median, lowest and highest of the numbers on stdin
spanne() {
    sort -g | awk '{ z[NR] = $1 } END {
        m = NR % 2 ? z[(NR + 1) / 2] : (z[NR / 2] + z[NR / 2 + 1]) / 2
        printf "%.2f %.2f %.2f\n", m, z[1], z[NR]
    }'
}

last() { cut -d' ' -f1 /proc/loadavg; }

befehle=("berechne" "angebot --person 1" "bericht")
for weg in Datei Pipe; do
    if [ "$weg" = Datei ]; then
        jq_lauf="jq -c . '$daten'"
    else
        jq_lauf="cat '$daten' | jq -c ."
    fi
    declare -A wand=() cpu=() quote=() cpuquote=()
    last_vorher=$(last)
    for ((runde = 1; runde <= runden; ++runde)); do
        read -r jw jc < <(lauf "$jq_lauf")
        for b in jq "${befehle[@]}"; do
            if [ "$b" = jq ]; then
                w=$jw c=$jc
            else
                if [ "$weg" = Datei ]; then
                    befehl="'$cli' $b '$daten'"
                else
                    befehl="cat '$daten' | '$cli' $b"
                fi
                read -r w c < <(lauf "$befehl")
                quote[$b]+="$(awk "BEGIN { print $w / $jw }") "
                cpuquote[$b]+="$(awk "BEGIN { print $c / $jc }") "
            fi
            if [ -z "${wand[$b]:-}" ] || awk "BEGIN { exit !($w < ${wand[$b]}) }"; then
                wand[$b]=$w
                cpu[$b]=$c
            fi
        done
    done
    echo "JSON Lines, $n Zeilen, $weg, $runden Runden; Last (1 min) vorher $last_vorher," \
        "nachher $(last), $(nproc) Kerne:"
    for b in jq "${befehle[@]}"; do
        printf '  %-20s %7.3f s %8.0f Zeilen/s' "$([ "$b" = jq ] && echo "jq -c ." || echo "$b")" \
            "${wand[$b]}" "$(awk "BEGIN { print $n / ${wand[$b]} }")"
        if [ "$b" != jq ]; then
            read -r m lo hi < <(tr ' ' '\n' <<< "${quote[$b]}" | grep . | spanne)
            read -r cm _ _ < <(tr ' ' '\n' <<< "${cpuquote[$b]}" | grep . | spanne)
            printf '  Wandzeit/jq derselben Runde %s (%s bis %s), CPU/jq %s' "$m" "$lo" "$hi" "$cm"
        fi
        printf '\n'
    done
    unset wand cpu quote cpuquote
done
