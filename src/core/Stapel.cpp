#include "Stapel.h"

#include "StapelLesen.h"
#include "StapelParallel.h"
#include "StapelStrom.h"

#include "EkSteuer.h"
#include "Haushaltsrechnung.h"
#include "Zulagen.h"
#include "ZulagenDaten.h"
#include "Zuschlaege.h"

#include <cmath>

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

// Every result of one computation: the record's result fields, both splits,
// the year and rule set, the notices.
void rechnungSchreiben(TJsonSchreiber& o, const TRechnung& r)
{
    const TZulagenDaten& d = r.Daten;
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
    o.zahl("Beitragsjahr", d.Beitragsjahr);
    o.ascii("Foerderrecht", FoerderrechtText(AngewandtesFoerderrecht(d)));
    if (!r.Hinweise.isEmpty())
        o.textListe("Hinweise", r.Hinweise);
}

// The answer with both rule sets side by side: the other one at the
// contributions of the chosen one (the report's split), or at the given ones.
QByteArray mitVergleich(TLeser& l, const TEingaben& e, const TRechnung& r, bool& fehler)
{
    const TFoerderrecht eigenes = AngewandtesFoerderrecht(r.Daten);
    const TFoerderrecht anderes =
        eigenes == TFoerderrecht::Neu ? TFoerderrecht::Bisher : TFoerderrecht::Neu;
    const TRechnung andere =
        Rechnen(VergleichsEingaben(e, r.Daten, r.Berichtsaufteilung, anderes), 0);
    if (!andere.Ablehnung.isEmpty()) {
        l.melde(andere.Ablehnung);
        return fehlerObjekt(l.fehler());
    }
    QByteArray aus;
    aus.reserve(4800);
    TJsonSchreiber o(aus);
    rechnungSchreiben(o, r);
    TJsonSchreiber vergleich = o.objekt("Vergleich");
    for (const TFoerderrecht seite : {TFoerderrecht::Bisher, TFoerderrecht::Neu}) {
        TJsonSchreiber s = vergleich.objekt(FoerderrechtText(seite));
        rechnungSchreiben(s, seite == eigenes ? r : andere);
        s.schliessen();
    }
    vergleich.schliessen();
    o.schliessen();
    fehler = false;
    return aus;
}

} // namespace

QByteArray BerechneZeile(QByteArrayView zeile, bool& fehler, qint64 nummer)
{
    fehler = true;
    TLeser l(StapelBefehl::Berechne, nummer);
    if (!l.lesen(zeile))
        return fehlerObjekt(l.fehler());
    const THaushaltEingabe h = HaushaltLesen(l);

    const TEingaben e = EingabenAus(h.Daten, h.Verteilung);
    const TRechnung r = Rechnen(e, 0);
    if (!r.Ablehnung.isEmpty()) {
        l.melde(r.Ablehnung);
        return fehlerObjekt(l.fehler());
    }
    if (h.Vergleich)
        return mitVergleich(l, e, r, fehler);

    QByteArray aus;
    aus.reserve(1600);
    TJsonSchreiber o(aus);
    rechnungSchreiben(o, r);
    o.schliessen();
    fehler = false;
    return aus;
}

QByteArray SteuerZeile(QByteArrayView zeile, bool& fehler, qint64 nummer)
{
    fehler = true;
    using N = TSchluesselNr;
    TLeser l(StapelBefehl::Steuer, nummer);
    if (!l.lesen(zeile))
        return fehlerObjekt(l.fehler());
    const int jahr = l.ganz(N::Jahr);
    const int tabelle = l.ganz(N::Tabelle);
    const double zvE = l.zahl(N::zvE);
    const std::optional<double> abzug = l.wahlfreieZahl(N::Abzug);

    const auto tab = static_cast<TTabelle>(tabelle);
    const double steuer = Einkommensteuer(jahr, tab, zvE);
    // -1 as the tax has it: no table, or a year before the surcharge's table
    const double soli = steuer < 0 ? -1 : Solidaritaetszuschlag(jahr, tab, steuer);
    QByteArray aus;
    TJsonSchreiber o(aus);
    o.zahl("Einkommensteuer", steuer);
    o.zahl("Solidaritaetszuschlag", soli);
    if (abzug) {
        o.zahl("Steuerminderung", Steuerminderung(tab, jahr, zvE, *abzug, 0));
        // both surcharges are whole cents: their difference in cents, exactly
        const double mit =
            soli < 0 ? -1
                     : Solidaritaetszuschlag(jahr, tab, Einkommensteuer(jahr, tab, zvE - *abzug));
        const double minderung =
            soli < 0
                ? 0
                : static_cast<double>(std::llround(soli * 100) - std::llround(mit * 100)) / 100;
        o.zahl("SoliMinderung", minderung);
    }
    o.schliessen();
    fehler = false;
    return aus;
}

int StapelLaufen(const TZeilenFunktion& funktion, TZeilenLeser& ein, TStapelAusgabe& aus)
{
    if (const int faeden = StapelFaeden(); faeden > 1)
        return StapelParallelLaufen(funktion, ein, aus, faeden);
    bool irgendeinFehler = false;
    qint64 nummer = 0;
    // Before the reader waits for the writer, the answers so far go out.
    const std::function<void()> vorDemWarten = [&aus] { aus.leeren(); };
    QByteArrayView zeile;
    for (;;) {
        const TZeilenLeser::TErgebnis ergebnis = ein.naechste(zeile, vorDemWarten);
        if (ergebnis == TZeilenLeser::TErgebnis::Ende)
            break;
        if (ergebnis == TZeilenLeser::TErgebnis::Fehler)
            return 2;
        ++nummer;
        if (ergebnis == TZeilenLeser::TErgebnis::ZuLang) {
            aus.write(ZuLangeZeileObjekt(nummer));
            aus.write("\n", 1);
            irgendeinFehler = true;
            continue;
        }
        if (LeereZeile(zeile))
            continue;
        bool fehler = false;
        aus.write(funktion(zeile, fehler, nummer));
        aus.write("\n", 1);
        irgendeinFehler = irgendeinFehler || fehler;
        if (aus.fehlerhaft())
            return 2;
    }
    if (!aus.leeren())
        return 2;
    return irgendeinFehler ? 1 : 0;
}

int StapelLaufen(TStapelArt art, TZeilenLeser& ein, TStapelAusgabe& aus)
{
    return art == TStapelArt::Berechne ? StapelLaufen(BerechneZeile, ein, aus)
                                       : StapelLaufen(SteuerZeile, ein, aus);
}

QString StapelHilfe()
{
    const int neuestesTarifjahr = TarifFuer(LetztesBeitragsjahr).AbJahr;
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
               "Haushalts nach dem Recht eines Beitragsjahres von %1 bis %2 (Einkommen des "
               "Vorjahres,\n"
               "Steuerjahr ist das Beitragsjahr). Ohne \"Beitragsjahr\" gilt das heutige Recht: "
               "das\n"
               "Jahr des heutigen Datums, höchstens %2; ohne \"Foerderrecht\" ab %3 \"neu\", "
               "davor\n"
               "\"bisher\". Mit \"Eigenbeitrag1\" oder \"Eigenbeitrag2\" zahlt jeder Vertrag den "
               "gegebenen\n"
               "Eigenbeitrag, ein Vertrag ohne ihn seinen tariflichen Mindestbeitrag; "
               "\"MinBeitrag\",\n"
               "\"BeitragsPosition\" und \"Verteilung\" zählen dann nicht. Mehr als 6840 "
               "Euro im Jahr\n"
               "nimmt kein Vertrag auf (Paragraf 1 Abs. 1 S. 1 Nr. 5 AltZertG). Schlüssel, alle "
               "wahlfrei\n"
               "(Vorgabe):\n"
               "%4"
               "Ausgabe: alle Ergebnisfelder, dazu \"Aufteilung\" mit \"Bericht\" und "
               "\"Angebot\",\n"
               "\"Beitragsjahr\", \"Foerderrecht\" und, wo etwas zu sagen ist, \"Hinweise\": "
               "eine Liste\n"
               "deutscher Sätze (etwa: für das Jahr ist noch kein Tarif verkündet). Mit "
               "\"Vergleich\": true\n"
               "dazu {\"Vergleich\": {\"bisher\": ..., \"neu\": ...}}, die ganze Ausgabe unter "
               "jedem\n"
               "Förderrecht bei denselben Eigenbeiträgen: den gegebenen, sonst denen des "
               "gewählten\n"
               "Förderrechts, wie sie der Bericht aufteilt.\n"
               "\n"
               "steuer: Einkommensteuer nach Paragraf 32a EStG mit dem Tarif des Jahres (nach "
               "%5 der\n"
               "zuletzt verkündete von %5) und der Solidaritätszuschlag darauf nach dem Recht "
               "des\n"
               "Jahres (ab %1, Cent abgerundet); mit \"Abzug\" auch die Minderung beider. "
               "Schlüssel:\n"
               "%6"
               "Ausgabe \"Einkommensteuer\" und \"Solidaritaetszuschlag\", mit Abzug dazu\n"
               "\"Steuerminderung\" und \"SoliMinderung\". Für Tabelle 0 sind Steuer und "
               "Zuschlag -1,\n"
               "vor %1 ist es der Zuschlag.\n"
               "\n"
               "Eine fehlerhafte Zeile ergibt {\"Fehler\": \"...\"}; die übrigen Zeilen werden\n"
               "trotzdem berechnet. Eine Zeile darf höchstens 16 MiB lang sein, jeder Schlüssel\n"
               "nur einmal vorkommen. Rückgabewert: 0 ohne Fehler, 1 wenn eine Zeile fehlerhaft\n"
               "war, 2 bei falschem Aufruf, unlesbarer Eingabe oder nicht schreibbarer Ausgabe.\n")
        // in one pass: the key lines are inserted as they are
        .arg(QString::number(ErstesBeitragsjahr), QString::number(LetztesBeitragsjahr),
             QString::number(ErstesBeitragsjahrNeu), SchluesselHilfe(StapelBefehl::Berechne),
             QString::number(neuestesTarifjahr), SchluesselHilfe(StapelBefehl::Steuer));
}

} // namespace Fermalin
