#!/bin/bash
# The layer rule: a folder under src/ includes only its own headers and those of
# the layers below it; the calculation uses no Qt, the core no Qt Gui or Widgets,
# the rendering no Widgets.
#   schichten.sh SRC_DIR QT_HEADER_DIR    check the tree
#   schichten.sh --selbsttest QT_HEADER_DIR  show that a violation is caught
set -uo pipefail

declare -A rang=([calc]=1 [core]=2 [render]=3 [widgets]=4 [gui]=5 [cli]=5)
# Qt modules a layer may not use.
declare -A verboten=([calc]="QtCore QtGui QtWidgets" [core]="QtGui QtWidgets"
                     [render]="QtWidgets" [cli]="QtWidgets")

pruefen() {
    local src=$1 qt=$2 fehler=0
    declare -A ort=()
    local f
    while IFS= read -r f; do
        ort[$(basename "$f")]=$(basename "$(dirname "$f")")
    done < <(find "$src" -mindepth 2 -maxdepth 2 -name '*.h')
    for ordner in "$src"/*/; do
        local schicht
        schicht=$(basename "$ordner")
        if [ -z "${rang[$schicht]:-}" ]; then
            echo "$schicht: Ordner gehört zu keiner Schicht"
            fehler=1
            continue
        fi
        while IFS=: read -r datei zeile text; do
            local name
            if [[ $text =~ \#include\ *\"([^\"]+)\" ]]; then
                name=$(basename "${BASH_REMATCH[1]}")
                local ziel=${ort[$name]:-}
                [ -z "$ziel" ] && continue
                [ "$ziel" = "$schicht" ] && continue
                if [ "${rang[$ziel]}" -ge "${rang[$schicht]}" ]; then
                    echo "$datei:$zeile: $schicht bindet $ziel/$name ein"
                    fehler=1
                fi
            elif [[ $text =~ \#include\ *\<([^\>]+)\> ]]; then
                name=${BASH_REMATCH[1]}
                local modul
                for modul in ${verboten[$schicht]:-}; do
                    if [ -e "$qt/$modul/$(basename "$name")" ] || [[ $name == $modul/* ]]; then
                        echo "$datei:$zeile: $schicht benutzt $modul ($name)"
                        fehler=1
                    fi
                done
            fi
        done < <(grep -Hn '^[[:space:]]*#[[:space:]]*include' "$ordner"*.h "$ordner"*.cpp 2>/dev/null)
    done
    return $fehler
}

if [ "${1:-}" = "--selbsttest" ]; then
    qt=$2
    tmp=$(mktemp -d)
    trap 'rm -rf "$tmp"' EXIT
    mkdir -p "$tmp/calc" "$tmp/core" "$tmp/gui"
    echo '#pragma once' > "$tmp/calc/A.h"
    echo '#include "A.h"' > "$tmp/core/B.h"
    echo '#include "B.h"' > "$tmp/gui/C.h"
    pruefen "$tmp" "$qt" > /dev/null || { echo "Selbsttest: saubere Schichten abgelehnt"; exit 1; }
    echo '#include "C.h"' > "$tmp/core/D.cpp"
    pruefen "$tmp" "$qt" > /dev/null && { echo "Selbsttest: core -> gui nicht erkannt"; exit 1; }
    rm "$tmp/core/D.cpp"
    echo '#include <QString>' > "$tmp/calc/E.cpp"
    pruefen "$tmp" "$qt" > /dev/null && { echo "Selbsttest: Qt in calc nicht erkannt"; exit 1; }
    rm "$tmp/calc/E.cpp"
    echo '#include <QImage>' > "$tmp/core/F.cpp"
    pruefen "$tmp" "$qt" > /dev/null && { echo "Selbsttest: Qt Gui in core nicht erkannt"; exit 1; }
    echo "Selbsttest bestanden"
    exit 0
fi

pruefen "$1" "$2" && echo "Schichten sauber"
