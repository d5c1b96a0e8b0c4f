#!/bin/bash
# Benchmarks: the computation per household, then the batch program's throughput.
set -euo pipefail
build=${1:-build}
"$build/bench/bench_zulagen" --benchmark_min_time=0.5
QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} "$build/bench/bench_fenster"
QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} "$build/bench/bench_bericht" --benchmark_min_time=0.5

daten=$(mktemp)
trap 'rm -f "$daten"' EXIT
n=100000
"$build/bench/bench_haushalte" $n > "$daten"
start=$(date +%s%N)
"$build/src/fermalin-cli" berechne "$daten" > /dev/null
ende=$(date +%s%N)
ns=$((ende - start))
echo "fermalin-cli berechne: $n Zeilen in $((ns / 1000000)) ms = $((n * 1000000000 / ns)) Zeilen/s"

n=10000
"$build/bench/bench_haushalte" $n > "$daten"
start=$(date +%s%N)
"$build/src/fermalin-cli" bericht "$daten" > /dev/null
ende=$(date +%s%N)
ns=$((ende - start))
echo "fermalin-cli bericht: $n Zeilen in $((ns / 1000000)) ms = $((n * 1000000000 / ns)) Zeilen/s"
