#include "Stapel.h"

#include "StapelLesen.h"

#include "EkSteuer.h"
#include "Haushaltsrechnung.h"
#include "Zulagen.h"
#include "ZulagenDaten.h"

#include <QIODevice>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QJsonValue>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <optional>

namespace Fermalin {

namespace {

void aufteilungSchreiben(TJsonSchreiber& w, const TAufteilung& a)
{
    w.zahl("Eigenbeitrag1", a.Eigenbeitrag1);
    w.zahl("Eigenbeitrag2", a.Eigenbeitrag2);
    w.zahl("Eigenbeitrag", a.Eigenbeitrag);
    w.text("Info", a.Info);
    w.wahr("Schieberegler", a.Schieberegler);
    if (a.Schieberegler)
        w.text("Hinweis", a.Hinweis);
    else
        w.null("Hinweis");
    w.schliessen();
}

} // namespace

QByteArray BerechneZeile(QByteArrayView zeile, bool& fehler, qint64 nummer)
{
    fehler = true;
    QString meldung;
    const std::optional<QJsonObject> obj = leseObjekt(zeile, meldung, nummer);
    if (!obj)
        return fehlerObjekt(meldung);

    TLeser l(*obj, nummer);
    const THaushaltEingabe h = HaushaltLesen(*obj, l);
    if (l.fehlerhaft())
        return fehlerObjekt(l.fehler());

    const TRechnung r = Rechnen(EingabenAus(h.Daten, h.Verteilung), 0);
    if (!r.Ablehnung.isEmpty()) {
        l.melde(r.Ablehnung);
        return fehlerObjekt(l.fehler());
    }
    const TZulagenDaten& d = r.Daten;

    QByteArray aus;
    aus.reserve(1600);
    TJsonSchreiber o(aus);
    o.zahl("VolleGrundzulage1", d.VolleGrundzulage1);
    o.zahl("VolleGrundzulage2", d.VolleGrundzulage2);
    o.zahl("VolleKinderzulage1", d.VolleKinderzulage1);
    o.zahl("VolleKinderzulage2", d.VolleKinderzulage2);
    o.zahl("Mindesteigenbeitrag1", d.Mindesteigenbeitrag1);
    o.zahl("Mindesteigenbeitrag2", d.Mindesteigenbeitrag2);
    o.zahl("TarifMindestbeitrag1", d.TarifMindestbeitrag1);
    o.zahl("TarifMindestbeitrag2", d.TarifMindestbeitrag2);
    o.zahl("PositionVolleZulagen", d.PositionVolleZulagen);
    o.zahl("PositionTarMindBtr", d.PositionTarMindBtr);
    o.zahl("Grundzulage1", d.Grundzulage1);
    o.zahl("Grundzulage2", d.Grundzulage2);
    o.zahl("Kinderzulage1", d.Kinderzulage1);
    o.zahl("Kinderzulage2", d.Kinderzulage2);
    o.zahl("Eigenbeitrag", d.Eigenbeitrag);
    o.zahl("Gesamtbeitrag", d.Gesamtbeitrag);
    o.zahl("zvE", d.zvE);
    o.zahl("Steuerersparnis", d.Steuerersparnis);
    o.zahl("Foerderquote", d.Foerderquote);
    o.zahl("AnzahlFoerderberechtigte", d.AnzahlFoerderberechtigte);
    o.zahl("Einkommen2", d.Einkommen2);
    o.zahl("BeitragsPosition", d.BeitragsPosition);
    o.zahl("KiStSatz", d.KiStSatz);
    TJsonSchreiber aufteilung = o.objekt("Aufteilung");
    TJsonSchreiber bericht = aufteilung.objekt("Bericht");
    aufteilungSchreiben(bericht, r.Berichtsaufteilung);
    TJsonSchreiber angebot = aufteilung.objekt("Angebot");
    aufteilungSchreiben(angebot, r.Angebotsaufteilung);
    aufteilung.schliessen();
    o.schliessen();
    fehler = false;
    return aus;
}

QByteArray SteuerZeile(QByteArrayView zeile, bool& fehler, qint64 nummer)
{
    fehler = true;
    QString meldung;
    const std::optional<QJsonObject> obj = leseObjekt(zeile, meldung, nummer);
    if (!obj)
        return fehlerObjekt(meldung);
    TLeser l(*obj, nummer);
    unbekannteSchluessel(*obj,
                         {QLatin1String("Jahr"), QLatin1String("Tabelle"), QLatin1String("zvE"),
                          QLatin1String("Abzug")},
                         l);
    for (const char* pflicht : {"Jahr", "Tabelle", "zvE"})
        if (!l.vorhanden(QLatin1String(pflicht)))
            l.melde(QStringLiteral("\"%1\" fehlt.").arg(QLatin1String(pflicht)));
    const int jahr = l.ganz(QStringLiteral("Jahr"), 2010, 2001, 9999);
    const int tabelle = l.ganz(QStringLiteral("Tabelle"), 1, 0, 2);
    const double zvE = l.zahl(QStringLiteral("zvE"), 0, false);
    const bool mitAbzug = l.vorhanden(QStringLiteral("Abzug"));
    const double abzug = l.zahl(QStringLiteral("Abzug"), 0, false);
    if (l.fehlerhaft())
        return fehlerObjekt(l.fehler());

    const auto tab = static_cast<TTabelle>(tabelle);
    QByteArray aus;
    TJsonSchreiber o(aus);
    o.zahl("Einkommensteuer", Einkommensteuer(jahr, tab, zvE));
    if (mitAbzug)
        o.zahl("Steuerminderung", Steuerminderung(tab, jahr, zvE, abzug, 0));
    o.schliessen();
    fehler = false;
    return aus;
}

bool LeereZeile(QByteArrayView zeile)
{
    // Only blanks and tabs before the line end make a blank line; any other
    // byte, a control byte too, gets its output line.
    qsizetype n = zeile.size();
    if (n > 0 && zeile[n - 1] == '\n')
        --n;
    if (n > 0 && zeile[n - 1] == '\r')
        --n;
    for (qsizetype i = 0; i < n; ++i)
        if (zeile[i] != ' ' && zeile[i] != '\t')
            return false;
    return true;
}

int StapelLaufen(const TZeilenFunktion& funktion, QIODevice& ein, QIODevice& aus)
{
    bool irgendeinFehler = false;
    qint64 nummer = 0;
    QByteArray ausgabe;
    for (;;) {
        // A blocking read: only the end of the input gives an empty line (a pipe
        // may report no data at hand before it has any).
        const QByteArray zeile = ein.readLine();
        if (zeile.isEmpty())
            break;
        ++nummer;
        if (LeereZeile(zeile))
            continue;
        bool fehler = false;
        ausgabe += funktion(zeile, fehler, nummer);
        ausgabe += '\n';
        irgendeinFehler = irgendeinFehler || fehler;
        if (ausgabe.size() > (1 << 16)) {
            aus.write(ausgabe);
            ausgabe.clear();
        }
    }
    aus.write(ausgabe);
    return irgendeinFehler ? 1 : 0;
}

int StapelLaufen(TStapelArt art, QIODevice& ein, QIODevice& aus)
{
    return art == TStapelArt::Berechne ? StapelLaufen(BerechneZeile, ein, aus)
                                       : StapelLaufen(SteuerZeile, ein, aus);
}

QString StapelHilfe()
{
    return QStringLiteral(
               "Aufruf: fermalin-cli berechne [DATEI]\n"
               "        fermalin-cli steuer [DATEI]\n"
               "        fermalin-cli --help\n"
               "\n"
               "Liest JSON Lines (ein JSON-Objekt je Zeile) aus DATEI oder, ohne DATEI, von der\n"
               "Standardeingabe und schreibt je Eingabezeile ein JSON-Objekt auf die "
               "Standardausgabe.\n"
               "Zeilen aus nichts als Leerzeichen und Tabulatoren werden übersprungen.\n"
               "\n"
               "berechne: Zulagen, Mindest- und Eigenbeitrag, Steuerersparnis und Förderquote "
               "eines\n"
               "Haushalts (Einkommen %1, Steuerjahr %2). Schlüssel, alle wahlfrei (Vorgabe):\n"
               "  Verheiratet, Doppelverdiener   true/false (false)\n"
               "  Einkommen1, Einkommen2         ganze Euro 0 bis 999999 (0)\n"
               "  EinkommenNR1, EinkommenNR2     nicht rentenversicherungspflichtiges Einkommen >= "
               "0 (0)\n"
               "  KindGebJahr                    Liste der Geburtsjahre, 0 bis 9 Kinder ([])\n"
               "  KindPerson                     Liste aus 1 und 2, so lang wie KindGebJahr (alle "
               "1)\n"
               "  MinBeitrag, TarMindBtr         true/false (true)\n"
               "  BeitragsPosition               Schieberegler Gesamtbeitrag 0 bis 50 (0)\n"
               "  DeltazvE                       Korrektur des geschätzten zvE in Euro (0)\n"
               "  Soli                           0 oder 0.055 (0)\n"
               "  Bundesland                     -1 (keine Kirchensteuer) bis 15 (-1)\n"
               "  Verteilung                     Schieberegler Aufteilung 0 bis 50 (0)\n"
               "Ausgabe: alle Ergebnisfelder, dazu \"Aufteilung\" mit \"Bericht\" und "
               "\"Angebot\".\n"
               "\n"
               "steuer: Einkommensteuer nach Paragraf 32a EStG. Schlüssel: \"Jahr\" (ab 2001),\n"
               "\"Tabelle\" (0 unbekannt, 1 Grundtabelle, 2 Splittingtabelle), \"zvE\" in Euro "
               "und\n"
               "wahlfrei \"Abzug\" in Euro; Ausgabe \"Einkommensteuer\" und mit Abzug "
               "\"Steuerminderung\".\n"
               "\n"
               "Eine fehlerhafte Zeile ergibt {\"Fehler\": \"...\"}; die übrigen Zeilen werden\n"
               "trotzdem berechnet. Rückgabewert: 0 ohne Fehler, 1 wenn eine Zeile fehlerhaft "
               "war,\n"
               "2 bei falschem Aufruf oder unlesbarer Datei.\n")
        .arg(TFoerderParameter::Einkommensjahr)
        .arg(TFoerderParameter::Steuerjahr);
}

} // namespace Fermalin
