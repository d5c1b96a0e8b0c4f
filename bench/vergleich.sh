#!/bin/bash
# Runs two builds of fermalin-cli on the same varied input lines of every batch
# command, from a file and through a pipe, and compares answers, messages and
# exit status byte for byte. For changes that must not move one byte of output.
#   bench/vergleich.sh ALT_CLI NEU_CLI [ZEILEN] [SAAT] [BUILD]
set -euo pipefail
alt=$(realpath "$1")
neu=$(realpath "$2")
n=${3:-100000}
saat=${4:-815}
build=${5:-build}
vielfalt=$build/bench/bench_vielfalt

ort=$(mktemp -d)
trap 'rm -rf "$ort"' EXIT
# Both run from the same path: the report names files beside the program.
mkdir "$ort/bin"
cli=$ort/bin/fermalin-cli

fehler=0
pruefe() { # NAME BEFEHL...
    local name=$1
    shift
    for seite in alt neu; do
        cp "${!seite}" "$cli"
        local status=0
        "$cli" "$@" "$ort/ein" > "$ort/$seite.datei" 2> "$ort/$seite.datei.err" || status=$?
        echo "$status" >> "$ort/$seite.datei.err"
        status=0
        "$cli" "$@" < <(cat "$ort/ein") > "$ort/$seite.pipe" 2> "$ort/$seite.pipe.err" ||
            status=$?
        echo "$status" >> "$ort/$seite.pipe.err"
    done
    local urteil=gleich
    for teil in datei datei.err pipe pipe.err; do
        cmp "$ort/alt.$teil" "$ort/neu.$teil" || urteil="VERSCHIEDEN ($teil)"
    done
    cmp -s "$ort/neu.datei" "$ort/neu.pipe" || urteil="VERSCHIEDEN (Datei/Pipe)"
    [ "$urteil" = gleich ] || fehler=1
    printf '  %-20s %7d Zeilen ein, %7d aus, %6d abgelehnt, %10d Bytes: %s\n' "$name" \
        "$(wc -l < "$ort/ein")" "$(wc -l < "$ort/neu.datei")" \
        "$(grep -c '^{"Fehler"' "$ort/neu.datei" || true)" "$(wc -c < "$ort/neu.datei")" "$urteil"
}

for befehl in berechne steuer angebot bericht; do
    zeilen=$n
    [ "$befehl" = bericht ] && zeilen=$((n / 5))
    "$vielfalt" "$zeilen" "$befehl" "$saat" > "$ort/ein"
    case $befehl in
    angebot)
        pruefe "angebot --person 1" angebot --person 1
        pruefe "angebot --person 2" angebot --person 2
        ;;
    *) pruefe "$befehl" "$befehl" ;;
    esac
done
# The benchmark's own households too.
"$build/bench/bench_haushalte" "$n" > "$ort/ein"
pruefe "berechne (bench)" berechne
pruefe "angebot (bench)" angebot --person 1
exit $fehler
