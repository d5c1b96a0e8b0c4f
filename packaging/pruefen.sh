#!/bin/bash
# Checks the Debian package without installing it: its files, its dependencies,
# the desktop entry, the metainfo, the icons, the manual pages, and that the
# batch program in it runs.
set -euo pipefail
paket=${1:?Aufruf: packaging/pruefen.sh PAKET.deb}
hier=$(cd "$(dirname "$0")" && pwd)
export LC_ALL=C.UTF-8
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fehler=0
melde() {
    echo "Paketprüfung: $*" >&2
    fehler=1
}

# Files (folders aside) exactly as listed, all root's; nothing outside /usr.
dpkg-deb -c "$paket" >"$tmp/inhalt"
awk '$1 !~ /^d/ {print $6}' "$tmp/inhalt" | sed 's#^\./#/#' | LC_ALL=C sort >"$tmp/dateien"
diff -u "$hier/dateiliste" "$tmp/dateien" || melde "die Dateiliste weicht von packaging/dateiliste ab"
awk '$2 != "root/root" {print $6}' "$tmp/inhalt" | grep . && melde "Dateien, die nicht root gehören"
for p in fermalin fermalin-cli; do
    grep -q "^-rwxr-xr-x .*\./usr/bin/$p\$" "$tmp/inhalt" || melde "/usr/bin/$p ist nicht ausführbar"
done

# Dependencies found from the shared libraries, plus those loaded at run time.
[ "$(dpkg-deb -f "$paket" Package)" = fermalin ] || melde "Paketname"
[ "$(dpkg-deb -f "$paket" Architecture)" = "$(dpkg --print-architecture)" ] || melde "Architektur"
abh=$(dpkg-deb -f "$paket" Depends)
for d in libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 libchm1 libx11-6 \
    qt6-translations-l10n fonts-liberation2; do
    grep -Eq "(^|, )$d( |,|$)" <<<"$abh" || melde "Depends ohne $d: $abh"
done

w="$tmp/wurzel"
dpkg-deb -x "$paket" "$w"
eintrag="$w/usr/share/applications/fermalin.desktop"
desktop-file-validate "$eintrag" || melde "desktop-file-validate"
appstreamcli validate --no-net "$w/usr/share/metainfo/de.fermalin.Fermalin.metainfo.xml" ||
    melde "appstreamcli validate"
wert() { sed -n "s/^$1=//p" "$eintrag"; }
befehl=$(wert Exec)
[ -x "$w/usr/bin/${befehl%% *}" ] || melde "Exec=$befehl liegt nicht in /usr/bin"
[ "$(wert Icon)" = fermalin ] || melde "Icon=$(wert Icon)"
# the window class the program gives itself (application name "Fermalin")
[ "$(wert StartupWMClass)" = Fermalin ] || melde "StartupWMClass=$(wert StartupWMClass)"
grep -q '^Categories=.*Office;.*Finance;' "$eintrag" || melde "Categories ohne Office und Finance"

# Each PNG icon is as large as its folder says (width and height in the IHDR).
for png in "$w"/usr/share/icons/hicolor/*x*/apps/fermalin.png; do
    n=$(basename "$(dirname "$(dirname "$png")")")
    read -r -a b < <(od -An -tu1 -j16 -N8 "$png")
    breite=$(((b[0] << 24) | (b[1] << 16) | (b[2] << 8) | b[3]))
    hoehe=$(((b[4] << 24) | (b[5] << 16) | (b[6] << 8) | b[7]))
    [ "${breite}x${hoehe}" = "$n" ] || melde "$png ist ${breite}x${hoehe}"
done
[ "$(head -c 4 "$w/usr/share/fermalin/Velto-Hilfe.chm")" = ITSF ] || melde "keine CHM-Hilfedatei"

# The manual pages render without a warning.
for seite in "$w"/usr/share/man/man1/*.1.gz; do
    zcat "$seite" | groff -k -man -ww -z -Tutf8 2>"$tmp/warnungen" || melde "groff $seite"
    [ -s "$tmp/warnungen" ] && melde "$seite: $(cat "$tmp/warnungen")"
done

# The batch program from the package computes a household.
antwort=$(echo '{"Einkommen1": 30000}' | HOME="$tmp/heim" "$w/usr/bin/fermalin-cli" berechne)
grep -q '"Eigenbeitrag"' <<<"$antwort" || melde "fermalin-cli berechne: $antwort"

[ $fehler -eq 0 ] || exit 1
echo "Paketprüfung: $(basename "$paket") in Ordnung"
