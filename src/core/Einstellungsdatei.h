// The program's settings file: its keys as a plain struct, read from and
// written to an INI file in the order the stored files rely on. Every key is
// declared once, in the table below: section, name, kind, default, the values
// it may take and the field it lives in; reading, writing and the defaults all
// follow it. Applying the values to the controls is the main window's business.
#pragma once

#include "Haushaltsrechnung.h"
#include "IniDatei.h"
#include "ZulagenDaten.h"

#include <QList>
#include <QString>

#include <array>
#include <variant>

namespace Fermalin {

struct TKindEinstellung
{
    TKindEinstellung(); // the table's defaults
    TKindEinstellung(int gebJahr, bool person1, bool person2)
        : GebJahr(gebJahr), Person1(person1), Person2(person2)
    {
    }
    int GebJahr;
    bool Person1; // "Kind_1P"
    bool Person2; // "Kind_2P"

    bool operator==(const TKindEinstellung&) const = default;
};

struct TEinstellungen
{
    TEinstellungen(); // the table's defaults
    // [Daten]
    bool Maximized;
    int Breite;
    int Hoehe;
    bool ledig;
    bool verheiratet;
    bool doppel;
    bool einzel;
    int Kinder;
    double Einkommen1;
    double Einkommen2;
    bool minimal;
    int indivBeitrag;
    bool tarMindBtr;
    double EinkommenNR1;
    double EinkommenNR2;
    double DeltazvE;
    double Soli;
    int Bundesland;
    bool Berufseinsteiger1, Berufseinsteiger2;
    double Eigenbeitrag1, Eigenbeitrag2; // given own contribution of each contract, -1 none
    // [Angebot]
    std::array<TKindEinstellung, MaxKinder> Kind;
    int Verteilung;
    bool konservativ1, wachstum1, risiko1;
    bool konservativ2, wachstum2, risiko2;
    // [Sonstige Daten]
    bool Firmenlogo;
    QString FirmenlogoDateipfad;
    int Beitragsjahr;     // 0: not stored, the year of today's date applies
    QString Foerderrecht; // "bisher", "neu"; empty: the year's default
    // [Startfenster]
    bool StartfensterAnzeigen;

    bool operator==(const TEinstellungen&) const = default;
};

namespace Einstellungsschluessel {
inline const QString Daten = QStringLiteral("Daten");
inline const QString Angebot = QStringLiteral("Angebot");
inline const QString Sonstige = QStringLiteral("Sonstige Daten");
inline const QString Startfenster = QStringLiteral("Startfenster");
inline const QString StartfensterAnzeigen = QStringLiteral("Startfenster-anzeigen");
} // namespace Einstellungsschluessel

// How a value is stored: "1"/"0", a decimal integer, euros as whole cents, a
// rate in 1/10000, or the text unchanged.
enum class TWertart
{
    Bool,
    Ganz,
    Cent,
    Zehntausendstel,
    Text
};

// What becomes of a stored value outside what the key takes.
enum class TBereichsregel
{
    Feld,    // taken as stored; the control it goes to deals with it
    Klemmen, // to the nearer bound, as the spin edit and the sliders do
    Vorgabe  // the default: an amount or a rate no field could have given
};

// The input a key holds, where it holds one the pages read into TEingaben.
using TEingabe = std::variant<std::monostate, bool TEingaben::*, int TEingaben::*,
                              double TEingaben::*, std::array<int, MaxKinder> TEingaben::*>;

using TFeld =
    std::variant<bool TEinstellungen::*, int TEinstellungen::*, double TEinstellungen::*,
                 QString TEinstellungen::*, bool TKindEinstellung::*, int TKindEinstellung::*>;

struct TEinstellungsschluessel
{
    const QString* Abschnitt = nullptr;
    const char* Name = nullptr; // keys of a child: the child's number follows
    TWertart Art = TWertart::Bool;
    double Vorgabe = 0; // in the field's unit (euros, a fraction); bool as 0 or 1
    TBereichsregel Regel = TBereichsregel::Feld;
    double Min = 0, Max = 0;    // the range, in the field's unit
    QList<double> Erlaubt = {}; // the only values taken, when not empty
    TFeld Feld = {};
    bool JeKind = false; // one key per child, for the first "Kinder" children
    TEingabe Eingabe = {};
};

// Every key, in the order the file is written.
const QList<TEinstellungsschluessel>& Einstellungstabelle();

// The sections erased as a whole and rewritten on every save; the keys of the
// others are overwritten and the rest of those sections stays.
bool AbschnittWirdGeleert(const QString& abschnitt);

// Reads every key; missing keys and values that are not integers give the
// defaults, values outside what a key takes follow its rule. breite and hoehe
// are the defaults of "Breite" and "Hoehe" (the window's current size). Only
// the first "Kinder" children are read.
TEinstellungen EinstellungenLesen(const TIniDatei& ini, int breite, int hoehe);

// Erases [Daten] and [Angebot] and writes them anew; overwrites the keys of
// [Sonstige Daten] and [Startfenster]; everything else in the file stays.
void EinstellungenSchreiben(const TEinstellungen& e, TIniDatei& ini);

// The keys that hold an input take it from e (every child's); the others
// stay as they are: the window's state, the radio buttons one by one, the logo.
void EingabenEintragen(const TEingaben& e, TEinstellungen& s);

// The start window's key alone, which the start-up reads and writes itself.
bool StartfensterLesen(const TIniDatei& ini);
void StartfensterSchreiben(TIniDatei& ini, bool anzeigen);

} // namespace Fermalin
