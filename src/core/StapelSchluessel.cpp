#include "StapelSchluessel.h"

#include "Beitragsjahrwahl.h"
#include "FoerderParameter.h"
#include "GebJahre.h"
#include "StapelJson.h"
#include "StapelLesen.h"
#include "ZulagenDaten.h"

#include <QStringList>

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace Fermalin {

namespace {

using B = TSchluesselArt;
using N = TSchluesselNr;
namespace S = StapelBefehl;

// § 4 SolZG: the surcharge is 5.5 % or, without church membership of the tax, none
constexpr double SoliSaetze[] = {0, 0.055};

// Ranges that keep the arithmetic exact: the tariff works on whole euros in 128
// bits, the estimate in doubles; a hundred million euros is far beyond any household.
constexpr double HoechsterBetrag = 99999999;

// The order of TFoerderrecht.
constexpr const char* Foerderrechte[] = {"bisher", "neu"};

// Per contract at most 6840 euros a year may be paid in (§ 1 Abs. 1 S. 1 Nr. 5
// AltZertG as amended from 2027); more than any contract under the old rules
// can make use of (2100 euros with the allowances, § 10a Abs. 1 EStG). The
// general help says so.
constexpr double HoechsterEigenbeitrag = 6840;

// The defaults as --help names them; they follow the date.
static_assert(LetztesBeitragsjahr == 2027 && ErstesBeitragsjahrNeu == 2027,
              "the help texts name the years");
constexpr const char* BeitragsjahrVorgabe = "Jahr des heutigen Datums, höchstens 2027";
constexpr const char* FoerderrechtVorgabe = "\"neu\" ab 2027, sonst \"bisher\"";

// The messages of the record's checks, for a line whose year and rule set are
// those of l.
TZulagenDaten jahrUndRecht(const TLeser& l)
{
    TZulagenDaten d;
    d.Beitragsjahr = BeitragsjahrVon(l);
    d.Foerderrecht = FoerderrechtVon(l);
    d.Verheiratet = l.wahr(N::Verheiratet);
    return d;
}

QString pruefeFoerderrecht(const TLeser& l)
{
    return QString::fromStdString(FoerderrechtFehler(jahrUndRecht(l)));
}

// A child older than 25 at the start of the year brings no allowance, and one
// not yet born none this year.
QString pruefeGeburtsjahre(const TLeser& l)
{
    const int jahr = BeitragsjahrVon(l);
    const TJahrBereich b = GebJahrBereichFuer(jahr);
    for (const int g : l.liste(N::KindGebJahr))
        if (g < b.Min || g > b.Max)
            return QStringLiteral("\"KindGebJahr\" muss Geburtsjahre von %1 bis %2 enthalten "
                                  "(die 25 Jahre vor dem Beitragsjahr %3 und das Jahr selbst); "
                                  "%4 liegt außerhalb.")
                .arg(b.Min)
                .arg(b.Max)
                .arg(jahr)
                .arg(g);
    return {};
}

// § 84 S. 2 EStG: the bonus of a directly entitled person only.
QString pruefeBerufseinsteiger2(const TLeser& l)
{
    if (!l.wahr(N::Berufseinsteiger2))
        return {};
    if (!l.wahr(N::Verheiratet))
        return QStringLiteral("\"Berufseinsteiger2\" gibt es nur für Verheiratete: eine "
                              "einzelne Person hat keine 2. Person.");
    if (!l.wahr(N::Doppelverdiener))
        return QStringLiteral("\"Berufseinsteiger2\" gibt es nur für eine unmittelbar "
                              "förderberechtigte Person; die 2. Person ist hier mittelbar "
                              "zulageberechtigt (§ 84 S. 2 EStG).");
    return {};
}

// An amount paid in: whole cents.
QString centBetrag(const TLeser& l, N nr)
{
    const double betrag = l.zahl(nr) * 100;
    if (std::abs(betrag - std::round(betrag)) > 1e-6)
        return QStringLiteral("\"%1\" muss ein Betrag in Euro mit höchstens zwei "
                              "Nachkommastellen sein.")
            .arg(QLatin1String(Schluessel(nr).Name));
    return {};
}

QString pruefeEigenbeitrag1(const TLeser& l)
{
    return centBetrag(l, N::Eigenbeitrag1);
}

QString pruefeEigenbeitrag2(const TLeser& l)
{
    const QString fehler = centBetrag(l, N::Eigenbeitrag2);
    if (!fehler.isEmpty())
        return fehler;
    TZulagenDaten d = jahrUndRecht(l);
    d.EigenbeitragVorgabe2 = l.zahl(N::Eigenbeitrag2);
    return QString::fromStdString(FoerderrechtFehler(d));
}

QString pruefeVergleich(const TLeser& l)
{
    if (!l.wahr(N::Vergleich))
        return {};
    return QString::fromStdString(VergleichFehler(jahrUndRecht(l)));
}

constexpr TSchluessel Tabelle[] = {
    {.Nr = N::Beitragsjahr,
     .Name = "Beitragsjahr",
     .Befehle = S::Haushalt,
     .Art = B::Ganz,
     .Min = ErstesBeitragsjahr,
     .Max = LetztesBeitragsjahr,
     // never read: BeitragsjahrVon puts today's year in place of a missing key
     .Vorgabe = LetztesBeitragsjahr,
     .Hilfe = "Beitragsjahr (Einkommen des Vorjahres)",
     .HilfeVorgabe = BeitragsjahrVorgabe},
    {.Nr = N::Foerderrecht,
     .Name = "Foerderrecht",
     .Befehle = S::Haushalt,
     .Art = B::Auswahl,
     .Texte = Foerderrechte,
     .Pruefen = pruefeFoerderrecht,
     .Hilfe = "Förderrecht, \"neu\" erst ab 2027",
     .HilfeVorgabe = FoerderrechtVorgabe},
    {.Nr = N::Verheiratet,
     .Name = "Verheiratet",
     .Befehle = S::Haushalt,
     .Art = B::Wahr,
     .Hilfe = "verheiratet"},
    {.Nr = N::Doppelverdiener,
     .Name = "Doppelverdiener",
     .Befehle = S::Haushalt,
     .Art = B::Wahr,
     .Hilfe = "beide Ehegatten unmittelbar förderberechtigt"},
    {.Nr = N::Einkommen1,
     .Name = "Einkommen1",
     .Befehle = S::Haushalt,
     .Art = B::Ganz,
     .Max = 999999,
     .Hilfe = "rentenversicherungspflichtiges Einkommen in Euro"},
    {.Nr = N::Einkommen2,
     .Name = "Einkommen2",
     .Befehle = S::Haushalt,
     .Art = B::Ganz,
     .Max = 999999,
     .Hilfe = "rentenversicherungspflichtiges Einkommen in Euro"},
    {.Nr = N::EinkommenNR1,
     .Name = "EinkommenNR1",
     .Befehle = S::Haushalt,
     .Art = B::Zahl,
     .Max = HoechsterBetrag,
     .Hilfe = "nicht rentenversicherungspflichtiges Einkommen in Euro"},
    {.Nr = N::EinkommenNR2,
     .Name = "EinkommenNR2",
     .Befehle = S::Haushalt,
     .Art = B::Zahl,
     .Max = HoechsterBetrag,
     .Hilfe = "nicht rentenversicherungspflichtiges Einkommen in Euro"},
    {.Nr = N::KindGebJahr,
     .Name = "KindGebJahr",
     .Befehle = S::Haushalt,
     .Art = B::GanzListe,
     .Max = 9999,
     .MaxAnzahl = MaxKinder,
     .Meldung = "\"KindGebJahr\" muss eine Liste von 0 bis 9 Geburtsjahren (ganze Zahlen von 0 "
                "bis 9999) sein.",
     .Pruefen = pruefeGeburtsjahre,
     .Hilfe = "Geburtsjahre der Kinder, Beitragsjahr - 25 bis Beitragsjahr",
     .HilfeVorgabe = "[]"},
    {.Nr = N::KindPerson,
     .Name = "KindPerson",
     .Befehle = S::Haushalt,
     .Art = B::GanzListe,
     .Min = 1,
     .Max = 2,
     .MaxAnzahl = MaxKinder,
     .GleichLangWie = N::KindGebJahr,
     .Meldung = "\"KindPerson\" muss eine Liste aus 1 und 2 sein, so lang wie \"KindGebJahr\" (%1 "
                "Einträge).",
     .Hilfe = "Person, bei der jedes Kind zählt",
     .HilfeVorgabe = "alle 1"},
    {.Nr = N::Berufseinsteiger1,
     .Name = "Berufseinsteiger1",
     .Befehle = S::Haushalt,
     .Art = B::Wahr,
     .Hilfe = "Berufseinsteiger-Bonus der 1. Person (unter 25 zu Beginn des Jahres)"},
    {.Nr = N::Berufseinsteiger2,
     .Name = "Berufseinsteiger2",
     .Befehle = S::Haushalt,
     .Art = B::Wahr,
     .Pruefen = pruefeBerufseinsteiger2,
     .Hilfe = "Berufseinsteiger-Bonus der 2. Person, nur unmittelbar förderberechtigt"},
    {.Nr = N::MinBeitrag,
     .Name = "MinBeitrag",
     .Befehle = S::Haushalt,
     .Art = B::Wahr,
     .Vorgabe = 1,
     .Hilfe = "minimaler Eigenbeitrag"},
    {.Nr = N::TarMindBtr,
     .Name = "TarMindBtr",
     .Befehle = S::Haushalt,
     .Art = B::Wahr,
     .Vorgabe = 1,
     .Hilfe = "tarifliche Mindestbeiträge beachten"},
    {.Nr = N::BeitragsPosition,
     .Name = "BeitragsPosition",
     .Befehle = S::Haushalt,
     .Art = B::Ganz,
     .Max = TFoerderParameter::BeitragsMax,
     .Hilfe = "Schieberegler Gesamtbeitrag"},
    {.Nr = N::Eigenbeitrag1,
     .Name = "Eigenbeitrag1",
     .Befehle = S::Haushalt,
     .Art = B::Zahl,
     .Max = HoechsterEigenbeitrag,
     .Wahlfrei = true,
     .Pruefen = pruefeEigenbeitrag1,
     .Hilfe = "Eigenbeitrag des Vertrags in Euro je Jahr"},
    {.Nr = N::Eigenbeitrag2,
     .Name = "Eigenbeitrag2",
     .Befehle = S::Haushalt,
     .Art = B::Zahl,
     .Max = HoechsterEigenbeitrag,
     .Wahlfrei = true,
     .Pruefen = pruefeEigenbeitrag2,
     .Hilfe = "Eigenbeitrag des Vertrags in Euro je Jahr"},
    {.Nr = N::Vergleich,
     .Name = "Vergleich",
     .Befehle = S::Haushalt,
     .Art = B::Wahr,
     .Pruefen = pruefeVergleich,
     .Hilfe = "beide Förderrechte bei denselben Eigenbeiträgen, erst ab 2027"},
    {.Nr = N::DeltazvE,
     .Name = "DeltazvE",
     .Befehle = S::Haushalt,
     .Art = B::Zahl,
     .Min = -HoechsterBetrag,
     .Max = HoechsterBetrag,
     .Hilfe = "Korrektur des geschätzten zvE in Euro"},
    {.Nr = N::Soli,
     .Name = "Soli",
     .Befehle = S::Haushalt,
     .Art = B::ZahlAusMenge,
     .Zahlen = SoliSaetze,
     .Hilfe = "Solidaritätszuschlag"},
    {.Nr = N::Bundesland,
     .Name = "Bundesland",
     .Befehle = S::Haushalt,
     .Art = B::Ganz,
     .Min = -1,
     .Max = 15,
     .Vorgabe = -1,
     .Hilfe = "Bundesland der Kirchensteuer, -1 keine Kirchensteuer"},
    {.Nr = N::Verteilung,
     .Name = "Verteilung",
     .Befehle = S::Haushalt,
     .Art = B::Ganz,
     .Max = 50,
     .Hilfe = "Schieberegler Aufteilung der Angebotsseite"},
    {.Nr = N::Klassik1,
     .Name = "Klassik1",
     .Befehle = S::Angebot,
     .Art = B::Ganz,
     .Max = 2,
     .Hilfe = "Kapitalanlage: 0 sicherheits-, 1 wachstumsorientiert, 2 risikobewusst"},
    {.Nr = N::Klassik2,
     .Name = "Klassik2",
     .Befehle = S::Angebot,
     .Art = B::Ganz,
     .Max = 2,
     .Hilfe = "Kapitalanlage: 0 sicherheits-, 1 wachstumsorientiert, 2 risikobewusst"},
    {.Nr = N::Beratungsprotokoll,
     .Name = "Beratungsprotokoll",
     .Befehle = S::Bericht,
     .Art = B::Wahr,
     .Hilfe = "mit Beratungsprotokoll"},
    {.Nr = N::Kundenname,
     .Name = "Kundenname",
     .Befehle = S::Bericht,
     .Art = B::Text,
     .Max = 1000,
     .Hilfe = "Name des Kunden",
     .HilfeVorgabe = "\"\""},
    {.Nr = N::MitGrafik,
     .Name = "MitGrafik",
     .Befehle = S::Bericht,
     .Art = B::Wahr,
     .Hilfe = "mit grafischer Darstellung"},
    {.Nr = N::Firmenlogo,
     .Name = "Firmenlogo",
     .Befehle = S::Bericht,
     .Art = B::Wahr,
     .Hilfe = "mit dem Logo \"logo.bmp\" von fermalin, siehe fermalin(1)"},
    {.Nr = N::Jahr,
     .Name = "Jahr",
     .Befehle = S::Steuer,
     .Art = B::Ganz,
     .Min = 2001,
     .Max = 9999,
     .Vorgabe = 2010,
     .Pflicht = true,
     .Hilfe = "Steuerjahr"},
    {.Nr = N::Tabelle,
     .Name = "Tabelle",
     .Befehle = S::Steuer,
     .Art = B::Ganz,
     .Max = 2,
     .Vorgabe = 1,
     .Pflicht = true,
     .Hilfe = "0 unbekannt, 1 Grundtabelle, 2 Splittingtabelle"},
    {.Nr = N::zvE,
     .Name = "zvE",
     .Befehle = S::Steuer,
     .Art = B::Zahl,
     .Max = HoechsterBetrag,
     .Pflicht = true,
     .Hilfe = "zu versteuerndes Einkommen in Euro"},
    {.Nr = N::Abzug,
     .Name = "Abzug",
     .Befehle = S::Steuer,
     .Art = B::Zahl,
     .Max = HoechsterBetrag,
     .Wahlfrei = true,
     .Hilfe = "Abzug vom zvE in Euro, ergibt \"Steuerminderung\""},
};

constexpr bool TabelleGeordnet()
{
    if (std::size(Tabelle) != static_cast<size_t>(SchluesselAnzahl))
        return false;
    for (size_t i = 0; i < std::size(Tabelle); ++i)
        if (static_cast<size_t>(Tabelle[i].Nr) != i ||
            // the readers keep the first entries of a list, the reading at most MaxKinder
            Tabelle[i].MaxAnzahl > static_cast<int>(GemerkteEintraege) ||
            Tabelle[i].MaxAnzahl > MaxKinder)
            return false;
    return true;
}
static_assert(TabelleGeordnet(), "one row per TSchluesselNr, in its order, lists short enough");

QString ZahlText(double wert)
{
    char puffer[32];
    const auto ende = std::to_chars(puffer, puffer + sizeof puffer, wert).ptr;
    return QString::fromLatin1(puffer, ende - puffer);
}

// "a", "a oder b", "a, b oder c"
QString Aufzaehlung(const QStringList& teile)
{
    if (teile.size() < 2)
        return teile.value(0);
    return QStringList(teile.mid(0, teile.size() - 1)).join(QStringLiteral(", ")) +
           QStringLiteral(" oder ") + teile.last();
}

QString Vorgabe(const TSchluessel& s)
{
    if (s.Pflicht)
        return QStringLiteral("Pflicht");
    if (s.Wahlfrei)
        return QStringLiteral("wahlfrei");
    if (s.HilfeVorgabe)
        return QString::fromUtf8(s.HilfeVorgabe);
    switch (s.Art) {
    case B::Wahr:
        return s.Vorgabe != 0 ? QStringLiteral("true") : QStringLiteral("false");
    case B::Text:
        return QStringLiteral("\"\"");
    case B::Auswahl:
        return QLatin1Char('"') + QString::fromUtf8(s.Texte[static_cast<size_t>(s.Vorgabe)]) +
               QLatin1Char('"');
    default:
        return ZahlText(s.Vorgabe);
    }
}

} // namespace

std::span<const TSchluessel> StapelSchluessel()
{
    return Tabelle;
}

const TSchluessel& Schluessel(TSchluesselNr nr)
{
    return Tabelle[static_cast<size_t>(nr)];
}

int BeitragsjahrVon(const TLeser& l)
{
    return l.vorhanden(N::Beitragsjahr) ? l.ganz(N::Beitragsjahr) : HeutigesBeitragsjahr();
}

TFoerderrecht FoerderrechtVon(const TLeser& l)
{
    if (l.vorhanden(N::Foerderrecht))
        return l.auswahl(N::Foerderrecht) == 1 ? TFoerderrecht::Neu : TFoerderrecht::Bisher;
    return VorgabeFoerderrecht(BeitragsjahrVon(l));
}

namespace {

// A small open-addressed table: the fast reader looks up every key of every line.
constexpr size_t Faecher = 128;

constexpr size_t Streuwert(std::string_view n)
{
    return (n.size() * 31 + static_cast<unsigned char>(n.front()) * 7 +
            static_cast<unsigned char>(n.back()) * 3) %
           Faecher;
}

struct TFach
{
    std::array<std::int8_t, Faecher> nr{};
    std::array<std::string_view, SchluesselAnzahl> namen{};
    constexpr TFach()
    {
        nr.fill(-1);
        for (const TSchluessel& s : Tabelle) {
            namen[static_cast<size_t>(s.Nr)] = s.Name;
            size_t i = Streuwert(s.Name);
            while (nr[i] >= 0)
                i = (i + 1) % Faecher;
            nr[i] = static_cast<std::int8_t>(s.Nr);
        }
    }
};
constexpr TFach Fach;

// Equal texts of n bytes, compared eight or four at a time, the last piece
// overlapping the one before: no call for a few letters.
bool GleicheBytes(const char* a, const char* b, size_t n)
{
    const auto stueck = [](const char* p, auto breite) {
        decltype(breite) w;
        std::memcpy(&w, p, sizeof w);
        return w;
    };
    if (n >= 8) {
        for (size_t i = 0; i + 8 < n; i += 8)
            if (stueck(a + i, std::uint64_t{}) != stueck(b + i, std::uint64_t{}))
                return false;
        return stueck(a + n - 8, std::uint64_t{}) == stueck(b + n - 8, std::uint64_t{});
    }
    if (n >= 4)
        return stueck(a, std::uint32_t{}) == stueck(b, std::uint32_t{}) &&
               stueck(a + n - 4, std::uint32_t{}) == stueck(b + n - 4, std::uint32_t{});
    for (size_t i = 0; i < n; ++i)
        if (a[i] != b[i])
            return false;
    return true;
}

} // namespace

const TSchluessel* SchluesselFuer(std::string_view name)
{
    if (name.empty())
        return nullptr;
    for (size_t i = Streuwert(name); Fach.nr[i] >= 0; i = (i + 1) % Faecher) {
        const auto nr = static_cast<size_t>(Fach.nr[i]);
        const std::string_view kandidat = Fach.namen[nr];
        if (kandidat.size() == name.size() &&
            GleicheBytes(kandidat.data(), name.data(), name.size()))
            return &Tabelle[nr];
    }
    return nullptr;
}

QString Bereich(const TSchluessel& s)
{
    switch (s.Art) {
    case B::Wahr:
        return QStringLiteral("true oder false");
    case B::Ganz:
        return QStringLiteral("eine ganze Zahl von %1 bis %2")
            .arg(ZahlText(s.Min), ZahlText(s.Max));
    case B::Zahl:
        return QStringLiteral("eine Zahl von %1 bis %2").arg(ZahlText(s.Min), ZahlText(s.Max));
    case B::ZahlAusMenge: {
        QStringList t;
        for (const double z : s.Zahlen)
            t << ZahlText(z);
        return Aufzaehlung(t);
    }
    case B::Text:
        return QStringLiteral("eine Zeichenkette von höchstens %1 Zeichen").arg(ZahlText(s.Max));
    case B::Auswahl: {
        QStringList t;
        for (const char* text : s.Texte)
            t << QLatin1Char('"') + QString::fromUtf8(text) + QLatin1Char('"');
        return Aufzaehlung(t);
    }
    case B::GanzListe:
        return QStringLiteral("eine Liste von höchstens %1 ganzen Zahlen von %2 bis %3%4")
            .arg(s.MaxAnzahl)
            .arg(ZahlText(s.Min), ZahlText(s.Max),
                 s.GleichLangWie != TSchluesselNr::Anzahl
                     ? QStringLiteral(", so lang wie %1")
                           .arg(QLatin1String(Schluessel(s.GleichLangWie).Name))
                     : QString());
    }
    return QString();
}

QString SchluesselHilfe(unsigned befehl, unsigned ohne)
{
    QString text;
    QStringList namen;
    const TSchluessel* vorige = nullptr;
    const auto zeileAbschliessen = [&] {
        if (!vorige)
            return;
        const QString links = QStringLiteral("  %1 ").arg(namen.join(QStringLiteral(", ")), -30);
        const QString hilfe = QString::fromUtf8(vorige->Hilfe);
        const QString wert = QStringLiteral("%1 (%2)").arg(Bereich(*vorige), Vorgabe(*vorige));
        // one line where it fits, else the range on a line of its own below the text
        if (links.size() + hilfe.size() + 2 + wert.size() <= 100)
            text += links + hilfe + QStringLiteral(": ") + wert + QLatin1Char('\n');
        else
            text += links + hilfe + QStringLiteral(":\n") +
                    QString(links.size(), QLatin1Char(' ')) + wert + QLatin1Char('\n');
        namen.clear();
    };
    for (const TSchluessel& s : Tabelle) {
        if (!(s.Befehle & befehl) || (s.Befehle & ohne))
            continue;
        const bool gleich = vorige && std::string_view(vorige->Hilfe) == s.Hilfe &&
                            Bereich(*vorige) == Bereich(s) && Vorgabe(*vorige) == Vorgabe(s);
        if (!gleich)
            zeileAbschliessen();
        namen << QLatin1String(s.Name);
        vorige = &s;
    }
    zeileAbschliessen();
    return text;
}

} // namespace Fermalin
