#include "Einstellungsdatei.h"

#include "MathUnit.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace Fermalin {

namespace {

using A = TWertart;
using R = TBereichsregel;
using E = TEinstellungen;
using K = TKindEinstellung;

// Amounts are stored as whole cents, the solidarity rate in 1/10000, ties to
// even; what an int cannot hold stays at its bounds.
int skaliertGanz(double wert, double faktor)
{
    const double s = rundeGerade(wert * faktor);
    if (!(s > std::numeric_limits<int>::min())) // also NaN
        return s < 0 ? std::numeric_limits<int>::min() : 0;
    return s < std::numeric_limits<int>::max() ? static_cast<int>(s)
                                               : std::numeric_limits<int>::max();
}

// The field of a key: in e, or in k for a key of a child; f gets nothing when
// the key's field is not there.
template <class F> void mitFeld(E* e, K* k, const TEinstellungsschluessel& s, F&& f)
{
    std::visit(
        [&](auto zeiger) {
            if constexpr (requires(E & x) { x.*zeiger; }) {
                if (e)
                    f(e->*zeiger);
            } else if (k) {
                f(k->*zeiger);
            }
        },
        s.Feld);
}

K* kindVon(E& e, int kind)
{
    return &e.Kind[static_cast<size_t>(kind)];
}

// What the key takes of a value read (in the field's unit).
double zugelassen(const TEinstellungsschluessel& s, double wert)
{
    switch (s.Regel) {
    case R::Feld:
        return wert;
    case R::Klemmen:
        return std::clamp(wert, s.Min, s.Max);
    case R::Vorgabe:
        break;
    }
    const bool erlaubt =
        s.Erlaubt.isEmpty() ? wert >= s.Min && wert <= s.Max : s.Erlaubt.contains(wert);
    return erlaubt ? wert : s.Vorgabe;
}

QString name(const TEinstellungsschluessel& s, int kind)
{
    return s.JeKind ? QLatin1String(s.Name) + QString::number(kind + 1) : QLatin1String(s.Name);
}

void lesen(const TIniDatei& ini, const TEinstellungsschluessel& s, int kind, E& e)
{
    const QString& abschnitt = *s.Abschnitt;
    const QString schluessel = name(s, kind);
    mitFeld(&e, kindVon(e, kind), s, [&](auto& feld) {
        using T = std::decay_t<decltype(feld)>;
        if constexpr (std::is_same_v<T, bool>) {
            feld = ini.lesenBool(abschnitt, schluessel, feld);
        } else if constexpr (std::is_same_v<T, QString>) {
            feld = ini.lesenText(abschnitt, schluessel, feld);
        } else if constexpr (std::is_same_v<T, int>) {
            feld = static_cast<int>(zugelassen(s, ini.lesenInt(abschnitt, schluessel, feld)));
        } else {
            const double einheit = s.Art == A::Cent ? 100.0 : 10000.0;
            const int gespeichert =
                ini.lesenInt(abschnitt, schluessel, skaliertGanz(feld, einheit));
            feld = zugelassen(s, gespeichert / einheit);
        }
    });
}

void schreiben(TIniDatei& ini, const TEinstellungsschluessel& s, int kind, const E& e)
{
    const QString& abschnitt = *s.Abschnitt;
    const QString schluessel = name(s, kind);
    E& f = const_cast<E&>(e); // only read
    mitFeld(&f, kindVon(f, kind), s, [&](const auto& feld) {
        using T = std::decay_t<decltype(feld)>;
        if constexpr (std::is_same_v<T, bool>)
            ini.schreibenBool(abschnitt, schluessel, feld);
        else if constexpr (std::is_same_v<T, QString>)
            ini.schreibenText(abschnitt, schluessel, feld);
        else if constexpr (std::is_same_v<T, int>)
            ini.schreibenInt(abschnitt, schluessel, feld);
        else
            ini.schreibenInt(abschnitt, schluessel,
                             skaliertGanz(feld, s.Art == A::Cent ? 100.0 : 10000.0));
    });
}

void vorgabeSetzen(const TEinstellungsschluessel& s, auto& feld)
{
    using T = std::decay_t<decltype(feld)>;
    if constexpr (std::is_same_v<T, QString>)
        feld = QString();
    else if constexpr (std::is_same_v<T, bool>)
        feld = s.Vorgabe != 0;
    else
        feld = static_cast<T>(s.Vorgabe);
}

const TEinstellungsschluessel& schluessel(const QString& abschnitt, const QString& name)
{
    for (const TEinstellungsschluessel& s : Einstellungstabelle())
        if (*s.Abschnitt == abschnitt && name == QLatin1String(s.Name))
            return s;
    Q_UNREACHABLE();
}

} // namespace

const QList<TEinstellungsschluessel>& Einstellungstabelle()
{
    using namespace Einstellungsschluessel;
    // Amounts in euros, rates as fractions; the stored files hold cents and 1/10000.
    static const QList<TEinstellungsschluessel> tabelle = {
        {.Abschnitt = &Daten,
         .Name = "Maximized",
         .Art = A::Bool,
         .Vorgabe = 0,
         .Feld = &E::Maximized},
        // the window applies its start size and the size rule
        {.Abschnitt = &Daten, .Name = "Breite", .Art = A::Ganz, .Vorgabe = 0, .Feld = &E::Breite},
        {.Abschnitt = &Daten, .Name = "Hoehe", .Art = A::Ganz, .Vorgabe = 0, .Feld = &E::Hoehe},
        {.Abschnitt = &Daten, .Name = "ledig", .Art = A::Bool, .Vorgabe = 1, .Feld = &E::ledig},
        {.Abschnitt = &Daten,
         .Name = "verheirated",
         .Art = A::Bool,
         .Vorgabe = 0,
         .Feld = &E::verheiratet},
        {.Abschnitt = &Daten, .Name = "doppel", .Art = A::Bool, .Vorgabe = 0, .Feld = &E::doppel},
        {.Abschnitt = &Daten, .Name = "einzel", .Art = A::Bool, .Vorgabe = 1, .Feld = &E::einzel},
        {.Abschnitt = &Daten,
         .Name = "Kinder",
         .Art = A::Ganz,
         .Vorgabe = 0,
         .Regel = R::Klemmen,
         .Min = 0,
         .Max = MaxKinder,
         .Feld = &E::Kinder},
        // the income field shows what lies outside 0..999999 as "???"
        {.Abschnitt = &Daten,
         .Name = "Einkommen1",
         .Art = A::Cent,
         .Vorgabe = 0,
         .Min = 0,
         .Max = 999999,
         .Feld = &E::Einkommen1},
        {.Abschnitt = &Daten,
         .Name = "Einkommen2",
         .Art = A::Cent,
         .Vorgabe = 0,
         .Min = 0,
         .Max = 999999,
         .Feld = &E::Einkommen2},
        {.Abschnitt = &Daten, .Name = "minimal", .Art = A::Bool, .Vorgabe = 1, .Feld = &E::minimal},
        {.Abschnitt = &Daten,
         .Name = "indivBeitrag",
         .Art = A::Ganz,
         .Vorgabe = 0,
         .Regel = R::Klemmen,
         .Min = 0,
         .Max = TFoerderParameter::BeitragsMax,
         .Feld = &E::indivBeitrag},
        {.Abschnitt = &Daten,
         .Name = "tarMindBtr",
         .Art = A::Bool,
         .Vorgabe = 1,
         .Feld = &E::tarMindBtr},
        // what the detail dialog's fields take
        {.Abschnitt = &Daten,
         .Name = "EinkommenNR1",
         .Art = A::Cent,
         .Vorgabe = 0,
         .Regel = R::Vorgabe,
         .Min = 0,
         .Max = 999999,
         .Feld = &E::EinkommenNR1},
        {.Abschnitt = &Daten,
         .Name = "EinkommenNR2",
         .Art = A::Cent,
         .Vorgabe = 0,
         .Regel = R::Vorgabe,
         .Min = 0,
         .Max = 999999,
         .Feld = &E::EinkommenNR2},
        {.Abschnitt = &Daten,
         .Name = "DeltazvE",
         .Art = A::Cent,
         .Vorgabe = 0,
         .Regel = R::Vorgabe,
         .Min = -99999999,
         .Max = 99999999,
         .Feld = &E::DeltazvE},
        // § 4 SolZG: 5,5 % or none
        {.Abschnitt = &Daten,
         .Name = "Soli",
         .Art = A::Zehntausendstel,
         .Vorgabe = 0,
         .Regel = R::Vorgabe,
         .Erlaubt = {0, 0.055},
         .Feld = &E::Soli},
        // the 16 federal states of the detail dialog; -1 no church tax
        {.Abschnitt = &Daten,
         .Name = "Bundesland",
         .Art = A::Ganz,
         .Vorgabe = -1,
         .Regel = R::Vorgabe,
         .Min = -1,
         .Max = 15,
         .Feld = &E::Bundesland},
        // the year field forces a year into its range, which follows today's date
        {.Abschnitt = &Angebot,
         .Name = "Kind_GJ",
         .Art = A::Ganz,
         .Vorgabe = 2000,
         .Feld = &K::GebJahr,
         .JeKind = true},
        {.Abschnitt = &Angebot,
         .Name = "Kind_1P",
         .Art = A::Bool,
         .Vorgabe = 0,
         .Feld = &K::Person1,
         .JeKind = true},
        {.Abschnitt = &Angebot,
         .Name = "Kind_2P",
         .Art = A::Bool,
         .Vorgabe = 1,
         .Feld = &K::Person2,
         .JeKind = true},
        {.Abschnitt = &Angebot,
         .Name = "Verteilung",
         .Art = A::Ganz,
         .Vorgabe = 0,
         .Regel = R::Klemmen,
         .Min = 0,
         .Max = 50,
         .Feld = &E::Verteilung},
        {.Abschnitt = &Angebot,
         .Name = "konservativ1",
         .Art = A::Bool,
         .Vorgabe = 1,
         .Feld = &E::konservativ1},
        {.Abschnitt = &Angebot,
         .Name = "wachstum1",
         .Art = A::Bool,
         .Vorgabe = 0,
         .Feld = &E::wachstum1},
        {.Abschnitt = &Angebot,
         .Name = "risiko1",
         .Art = A::Bool,
         .Vorgabe = 0,
         .Feld = &E::risiko1},
        {.Abschnitt = &Angebot,
         .Name = "konservativ2",
         .Art = A::Bool,
         .Vorgabe = 1,
         .Feld = &E::konservativ2},
        {.Abschnitt = &Angebot,
         .Name = "wachstum2",
         .Art = A::Bool,
         .Vorgabe = 0,
         .Feld = &E::wachstum2},
        {.Abschnitt = &Angebot,
         .Name = "risiko2",
         .Art = A::Bool,
         .Vorgabe = 0,
         .Feld = &E::risiko2},
        {.Abschnitt = &Sonstige,
         .Name = "Firmenlogo",
         .Art = A::Bool,
         .Vorgabe = 0,
         .Feld = &E::Firmenlogo},
        {.Abschnitt = &Sonstige,
         .Name = "FirmenlogoDateipfad",
         .Art = A::Text,
         .Vorgabe = 0,
         .Feld = &E::FirmenlogoDateipfad},
        {.Abschnitt = &Startfenster,
         .Name = "Startfenster-anzeigen",
         .Art = A::Bool,
         .Vorgabe = 1,
         .Feld = &E::StartfensterAnzeigen},
    };
    return tabelle;
}

bool AbschnittWirdGeleert(const QString& abschnitt)
{
    return abschnitt == Einstellungsschluessel::Daten ||
           abschnitt == Einstellungsschluessel::Angebot;
}

TKindEinstellung::TKindEinstellung()
{
    for (const TEinstellungsschluessel& s : Einstellungstabelle())
        mitFeld(nullptr, this, s, [&s](auto& feld) { vorgabeSetzen(s, feld); });
}

TEinstellungen::TEinstellungen()
{
    for (const TEinstellungsschluessel& s : Einstellungstabelle())
        mitFeld(this, nullptr, s, [&s](auto& feld) { vorgabeSetzen(s, feld); });
}

TEinstellungen EinstellungenLesen(const TIniDatei& ini, int breite, int hoehe)
{
    // The value already in the field is the default of its key.
    TEinstellungen e;
    e.Breite = breite;
    e.Hoehe = hoehe;
    for (const TEinstellungsschluessel& s : Einstellungstabelle()) {
        if (!s.JeKind) {
            lesen(ini, s, 0, e);
            continue;
        }
        // "Kinder" stands before the children's keys
        for (int kind = 0; kind < e.Kinder; ++kind)
            lesen(ini, s, kind, e);
    }
    return e;
}

void EinstellungenSchreiben(const TEinstellungen& e, TIniDatei& ini)
{
    const QList<TEinstellungsschluessel>& tabelle = Einstellungstabelle();
    const QString* abschnitt = nullptr;
    for (qsizetype i = 0; i < tabelle.size(); ++i) {
        const TEinstellungsschluessel& s = tabelle.at(i);
        if (s.Abschnitt != abschnitt) {
            abschnitt = s.Abschnitt;
            if (AbschnittWirdGeleert(*abschnitt))
                ini.abschnittLeeren(*abschnitt);
        }
        if (!s.JeKind) {
            schreiben(ini, s, 0, e);
            continue;
        }
        // The keys of one child together, child after child.
        qsizetype ende = i;
        while (ende < tabelle.size() && tabelle.at(ende).JeKind)
            ++ende;
        for (int kind = 0; kind < std::clamp(e.Kinder, 0, MaxKinder); ++kind)
            for (qsizetype j = i; j < ende; ++j)
                schreiben(ini, tabelle.at(j), kind, e);
        i = ende - 1;
    }
}

bool StartfensterLesen(const TIniDatei& ini)
{
    TEinstellungen e;
    lesen(ini,
          schluessel(Einstellungsschluessel::Startfenster,
                     Einstellungsschluessel::StartfensterAnzeigen),
          0, e);
    return e.StartfensterAnzeigen;
}

void StartfensterSchreiben(TIniDatei& ini, bool anzeigen)
{
    TEinstellungen e;
    e.StartfensterAnzeigen = anzeigen;
    schreiben(ini,
              schluessel(Einstellungsschluessel::Startfenster,
                         Einstellungsschluessel::StartfensterAnzeigen),
              0, e);
}

} // namespace Fermalin
