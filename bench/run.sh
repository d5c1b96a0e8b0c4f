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

# durchsatz N BEFEHL...: lines per second of fermalin-cli over N generated households
durchsatz() {
    local n=$1
    shift
    "$build/bench/bench_haushalte" "$n" > "$daten"
    local start ende ns
    start=$(date +%s%N)
    "$build/src/fermalin-cli" "$@" "$daten" > /dev/null
    ende=$(date +%s%N)
    ns=$((ende - start))
    echo "fermalin-cli $*: $n Zeilen in $((ns / 1000000)) ms = $((n * 1000000000 / ns)) Zeilen/s"
}

durchsatz 100000 berechne
durchsatz 100000 angebot --person 1
durchsatz 10000 bericht
