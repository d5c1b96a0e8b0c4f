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
# and through a pipe. Each figure is the best of three rounds in which jq and the
# commands take turns, so that both meet the same load; the ratio is of the wall
# times (CPU seconds beside it, steadier on a shared machine).
command -v jq > /dev/null || { echo "jq fehlt: scripts/setup.sh installiert es" >&2; exit 1; }
n=${BENCH_ZEILEN:-100000}
"$build/bench/bench_haushalte" "$n" > "$daten"
cli=$build/src/fermalin-cli
TIMEFORMAT='%R %U %S'

# lauf BEFEHL: wall and CPU seconds of one run, its output thrown away
lauf() {
    { time bash -c "$1" > /dev/null 2>&1; } 2>&1 | awk '{ printf "%s %.3f\n", $1, $2 + $3 }'
}

befehle=("berechne" "angebot --person 1" "bericht")
for weg in Datei Pipe; do
    if [ "$weg" = Datei ]; then
        jq_lauf="jq -c . '$daten'"
    else
        jq_lauf="cat '$daten' | jq -c ."
    fi
    declare -A wand=() cpu=()
    for runde in 1 2 3; do
        for b in jq "${befehle[@]}"; do
            if [ "$b" = jq ]; then
                befehl=$jq_lauf
            elif [ "$weg" = Datei ]; then
                befehl="'$cli' $b '$daten'"
            else
                befehl="cat '$daten' | '$cli' $b"
            fi
            read -r w c < <(lauf "$befehl")
            if [ -z "${wand[$b]:-}" ] || awk "BEGIN { exit !($w < ${wand[$b]}) }"; then
                wand[$b]=$w
                cpu[$b]=$c
            fi
        done
    done
    echo "JSON Lines, $n Zeilen, $weg (jeweils das Beste aus 3 Runden):"
    for b in jq "${befehle[@]}"; do
        awk -v name="$b" -v n="$n" -v w="${wand[$b]}" -v c="${cpu[$b]}" \
            -v jw="${wand[jq]}" -v jc="${cpu[jq]}" 'BEGIN {
            printf "  %-22s %7.3f s  %8.0f Zeilen/s", (name == "jq" ? "jq -c ." : name), w, n / w
            if (name != "jq")
                printf "  Zeit %.2f von jq (CPU %.2f)", w / jw, c / jc
            printf "\n"
        }'
    done
    unset wand cpu
done
