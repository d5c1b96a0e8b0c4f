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
using I = TEingaben;

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
    // clang-format off
    static const QList<TEinstellungsschluessel> tabelle = {
        // section, key, kind, default, rule, min, max, allowed values, field, per child, input
        {&Daten, "Maximized", A::Bool, 0, R::Feld, 0, 0, {}, &E::Maximized},
        // the window applies its start size and the size rule
        {&Daten, "Breite", A::Ganz, 0, R::Feld, 0, 0, {}, &E::Breite},
        {&Daten, "Hoehe", A::Ganz, 0, R::Feld, 0, 0, {}, &E::Hoehe},
        // the radio buttons one by one: a group may end with none selected
        {&Daten, "ledig", A::Bool, 1, R::Feld, 0, 0, {}, &E::ledig},
        {&Daten, "verheirated", A::Bool, 0, R::Feld, 0, 0, {}, &E::verheiratet},
        {&Daten, "doppel", A::Bool, 0, R::Feld, 0, 0, {}, &E::doppel},
        {&Daten, "einzel", A::Bool, 1, R::Feld, 0, 0, {}, &E::einzel},
        {&Daten, "Kinder", A::Ganz, 0, R::Klemmen, 0, MaxKinder, {}, &E::Kinder, false, &I::Kinderzahl},
        // the income field shows what lies outside 0..999999 as "???"
        {&Daten, "Einkommen1", A::Cent, 0, R::Feld, 0, 999999, {}, &E::Einkommen1, false, &I::Einkommen1},
        {&Daten, "Einkommen2", A::Cent, 0, R::Feld, 0, 999999, {}, &E::Einkommen2, false, &I::Einkommen2},
        {&Daten, "minimal", A::Bool, 1, R::Feld, 0, 0, {}, &E::minimal, false, &I::MinBeitrag},
        {&Daten, "indivBeitrag", A::Ganz, 0, R::Klemmen, 0, TFoerderParameter::BeitragsMax, {},
         &E::indivBeitrag, false, &I::BeitragsPosition},
        {&Daten, "tarMindBtr", A::Bool, 1, R::Feld, 0, 0, {}, &E::tarMindBtr, false, &I::TarMindBtr},
        // what the detail dialog's fields take
        {&Daten, "EinkommenNR1", A::Cent, 0, R::Vorgabe, 0, 999999, {}, &E::EinkommenNR1, false, &I::EinkommenNR1},
        {&Daten, "EinkommenNR2", A::Cent, 0, R::Vorgabe, 0, 999999, {}, &E::EinkommenNR2, false, &I::EinkommenNR2},
        {&Daten, "DeltazvE", A::Cent, 0, R::Vorgabe, -99999999, 99999999, {}, &E::DeltazvE, false, &I::DeltazvE},
        // § 4 SolZG: 5,5 % or none
        {&Daten, "Soli", A::Zehntausendstel, 0, R::Vorgabe, 0, 0, {0, 0.055}, &E::Soli, false, &I::Soli},
        // the 16 federal states of the detail dialog; -1 no church tax
        {&Daten, "Bundesland", A::Ganz, -1, R::Vorgabe, -1, 15, {}, &E::Bundesland, false, &I::Bundesland},
        // § 84 S. 2 EStG, per directly entitled person
        {&Daten, "Berufseinsteiger1", A::Bool, 0, R::Feld, 0, 0, {}, &E::Berufseinsteiger1, false, &I::Berufseinsteiger1},
        {&Daten, "Berufseinsteiger2", A::Bool, 0, R::Feld, 0, 0, {}, &E::Berufseinsteiger2, false, &I::Berufseinsteiger2},
        // the contributions the adviser gave for the comparison; -1 (none) for
        // anything the contribution fields could not hold
        {&Daten, "Eigenbeitrag1", A::Cent, -1, R::Vorgabe, 0, 999999, {}, &E::Eigenbeitrag1, false, &I::EigenbeitragVorgabe1},
        {&Daten, "Eigenbeitrag2", A::Cent, -1, R::Vorgabe, 0, 999999, {}, &E::Eigenbeitrag2, false, &I::EigenbeitragVorgabe2},
        // the year field forces a year into its range, which follows today's date
        {&Angebot, "Kind_GJ", A::Ganz, 2000, R::Feld, 0, 0, {}, &K::GebJahr, true, &I::KindGebJahr},
        {&Angebot, "Kind_1P", A::Bool, 0, R::Feld, 0, 0, {}, &K::Person1, true},
        {&Angebot, "Kind_2P", A::Bool, 1, R::Feld, 0, 0, {}, &K::Person2, true},
        {&Angebot, "Verteilung", A::Ganz, 0, R::Klemmen, 0, 50, {}, &E::Verteilung, false, &I::Verteilung},
        // each person's investment style, button by button
        {&Angebot, "konservativ1", A::Bool, 1, R::Feld, 0, 0, {}, &E::konservativ1},
        {&Angebot, "wachstum1", A::Bool, 0, R::Feld, 0, 0, {}, &E::wachstum1},
        {&Angebot, "risiko1", A::Bool, 0, R::Feld, 0, 0, {}, &E::risiko1},
        {&Angebot, "konservativ2", A::Bool, 1, R::Feld, 0, 0, {}, &E::konservativ2},
        {&Angebot, "wachstum2", A::Bool, 0, R::Feld, 0, 0, {}, &E::wachstum2},
        {&Angebot, "risiko2", A::Bool, 0, R::Feld, 0, 0, {}, &E::risiko2},
        {&Sonstige, "Firmenlogo", A::Bool, 0, R::Feld, 0, 0, {}, &E::Firmenlogo},
        {&Sonstige, "FirmenlogoDateipfad", A::Text, 0, R::Feld, 0, 0, {}, &E::FirmenlogoDateipfad},
        // a year the program does not compute counts as not stored (0)
        {&Sonstige, "Beitragsjahr", A::Ganz, 0, R::Vorgabe, ErstesBeitragsjahr, LetztesBeitragsjahr, {},
         &E::Beitragsjahr, false, &I::Beitragsjahr},
        // "bisher" or "neu" as the comparison page chose it; read by the window
        {&Sonstige, "Foerderrecht", A::Text, 0, R::Feld, 0, 0, {}, &E::Foerderrecht},
        {&Startfenster, "Startfenster-anzeigen", A::Bool, 1, R::Feld, 0, 0, {}, &E::StartfensterAnzeigen},
    };
    // clang-format on
    return tabelle;
}

void EingabenEintragen(const TEingaben& e, TEinstellungen& s)
{
    for (const TEinstellungsschluessel& k : Einstellungstabelle()) {
        for (int kind = 0; kind < (k.JeKind ? MaxKinder : 1); ++kind) {
            double wert = 0;
            std::visit(
                [&](auto zeiger) {
                    using Z = decltype(zeiger);
                    if constexpr (std::is_same_v<Z, std::array<int, MaxKinder> TEingaben::*>)
                        wert = (e.*zeiger)[static_cast<size_t>(kind)];
                    else if constexpr (!std::is_same_v<Z, std::monostate>)
                        wert = e.*zeiger;
                },
                k.Eingabe);
            if (k.Eingabe.index() == 0)
                break;
            mitFeld(&s, kindVon(s, kind), k, [wert](auto& feld) {
                using T = std::decay_t<decltype(feld)>;
                if constexpr (!std::is_same_v<T, QString>)
                    feld = static_cast<T>(wert);
            });
        }
    }
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
