#!/bin/bash
# Installs the Debian packages the build and the tests need, when missing.
set -euo pipefail

pakete=(
    build-essential cmake make pkg-config
    qt6-base-dev           # Qt Core, Widgets, Print Support, Test
    qt6-translations-l10n  # Qt's own dialogs in German (qtbase_de.qm)
    fonts-liberation2      # metric-compatible sans serif for the absolute layouts
    libbenchmark-dev       # Google Benchmark for make bench
    libsimdjson-dev        # the batch program's fast JSON reader
    jq                     # make bench measures the batch program beside jq -c .
    clang-format
    libchm-dev             # chmlib: the help window reads the compiled help file
    fp-utils               # chmcmd compiles the help file from resources/hilfe
    clang libclang-rt-14-dev  # libFuzzer and sanitizer runtimes for make fuzz
    libx11-dev             # raising the offer program's window on an X desktop
    xvfb                   # virtual X server for the window-raising test and screenshots
    librsvg2-bin           # rsvg-convert draws the PNG icons from the SVG
    groff-base             # renders the manual pages for their test and the package check
    desktop-file-utils     # desktop-file-validate for the package check
    appstream              # appstreamcli validate for the package check
)

fehlend=()
for p in "${pakete[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || fehlend+=("$p")
done
[ ${#fehlend[@]} -eq 0 ] && exit 0

echo "Installiere: ${fehlend[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get install -y --no-install-recommends "${fehlend[@]}" ||
    { $sudo apt-get update && $sudo apt-get install -y --no-install-recommends "${fehlend[@]}"; }
