// "angebot": the offer program's hand-off file for one person of each household,
// as the offer page would write it, without the window.
#include "Befehle.h"

#include "Haushaltsrechnung.h"
#include "StapelLesen.h"
#include "Uebergabedatei.h"
#include "Zulagen.h"

namespace Fermalin {

namespace {

QByteArray AngebotZeile(QByteArrayView zeile, bool& fehler, qint64 nummer, int person)
{
    fehler = true;
    TLeser l(StapelBefehl::Angebot, nummer);
    if (!l.lesen(zeile))
        return fehlerObjekt(l.fehler());
    const THaushaltEingabe h = HaushaltLesen(l);
    const int klassik1 = l.ganz(TSchluesselNr::Klassik1);
    const int klassik2 = l.ganz(TSchluesselNr::Klassik2);
    const TZulagenDaten& d = h.Daten;
    // The second "Erfassung" button is disabled for a single person.
    if (person == 2 && !d.Verheiratet)
        l.melde(QStringLiteral("\"--person 2\" gibt es nur für Verheiratete (\"Verheiratet\": "
                               "true)."));
    if (l.fehlerhaft())
        return fehlerObjekt(l.fehler());

    // The offer page's file before any click: offer mode, the stored slider.
    TEingaben e = EingabenAus(d, h.Verteilung);
    e.Klassik1 = static_cast<TKlassik>(klassik1);
    e.Klassik2 = static_cast<TKlassik>(klassik2);
    const TRechnung r = Rechnen(e, Teil_Uebergabe);
    if (!r.Ablehnung.isEmpty()) {
        l.melde(r.Ablehnung);
        return fehlerObjekt(l.fehler());
    }
    // appended in place: a temporary per line and the text's regrowth took a
    // third of the command's time
    QString text;
    text.reserve(512);
    for (const QString& z : r.Uebergabe[person == 2 ? 1 : 0]) {
        text += z;
        text += QLatin1String("\r\n");
    }
    QByteArray aus;
    aus.reserve(text.size() + 32);
    TJsonSchreiber o(aus);
    o.text("Datei", text);
    o.schliessen();
    fehler = false;
    return aus;
}

int Angebot(const QStringList& args, TStapelAusgabe& aus)
{
    int person = 1;
    QStringList dateien;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args.at(i);
        QString wert;
        if (a == QLatin1String("--person")) {
            if (i + 1 >= args.size()) {
                Melden(QStringLiteral("\"--person\" braucht einen Wert: 1 oder 2."));
                return 2;
            }
            wert = args.at(++i);
        } else if (a.startsWith(QLatin1String("--person="))) {
            wert = a.mid(9);
        } else if (IstOption(a)) {
            KeineUnbekannteOption({a});
            return 2;
        } else {
            dateien << a;
            continue;
        }
        if (wert != QLatin1String("1") && wert != QLatin1String("2")) {
            Melden(QStringLiteral("\"--person\" muss 1 oder 2 sein, nicht \"%1\".").arg(wert));
            return 2;
        }
        person = wert.toInt();
    }
    return ZeilenLaufen(
        dateien,
        [person](QByteArrayView zeile, bool& fehler, qint64 nummer) {
            return AngebotZeile(zeile, fehler, nummer, person);
        },
        aus);
}

} // namespace

int AngebotBefehl(const QStringList& args, TStapelAusgabe& aus)
{
    return Angebot(args, aus);
}

QString AngebotHilfe()
{
    return QStringLiteral(
               "Aufruf: fermalin-cli angebot [--person 1|2] [DATEI]\n"
               "\n"
               "angebot: die Übergabedatei an das Angebotsprogramm für die 1. oder 2. Person "
               "(Vorgabe\n"
               "1), wie sie die Seite \"Angebotsberechnung\" vor einem Klick auf \"Erfassung\" "
               "schreibt.\n"
               "Schlüssel wie bei berechne, dazu:\n"
               "%1"
               "Die Aufteilung des Eigenbeitrags ist die der Angebotsseite mit \"Verteilung\".\n"
               "Ausgabe je Zeile: {\"Datei\": TEXT}; TEXT sind die Zeilen der Datei, jede mit CR "
               "LF\n"
               "abgeschlossen (die Datei selbst ist TEXT in Windows-1252). Nach dem Beitragsjahr "
               "2010\n"
               "enden die Daten mit \"Beitragsjahr=\" und \"Foerderrecht=\" (\"bisher\" oder "
               "\"neu\"); eine\n"
               "Datei ohne sie ist eine für 2010. \"--person 2\" wird für eine ledige Person "
               "abgelehnt\n"
               "wie eine fehlerhafte Zeile.\n")
        .arg(SchluesselHilfe(StapelBefehl::Angebot, StapelBefehl::Berechne));
}

} // namespace Fermalin
