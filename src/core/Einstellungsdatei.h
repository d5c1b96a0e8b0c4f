// The program's settings file: its keys as a plain struct, read from and
// written to an INI file in the order the stored files rely on. Applying the
// values to the controls is the main window's business.
#pragma once

#include "IniDatei.h"
#include "ZulagenDaten.h"

#include <QString>

#include <array>

namespace Fermalin {

struct TKindEinstellung
{
    int GebJahr = 2000;
    bool Person1 = false; // "Kind_1P"
    bool Person2 = true;  // "Kind_2P"
};

struct TEinstellungen
{
    // [Daten]
    bool Maximized = false;
    int Breite = 0;
    int Hoehe = 0;
    bool ledig = true;
    bool verheiratet = false;
    bool doppel = false;
    bool einzel = true;
    int Kinder = 0;
    double Einkommen1 = 0;
    double Einkommen2 = 0;
    bool minimal = true;
    int indivBeitrag = 0;
    bool tarMindBtr = true;
    double EinkommenNR1 = 0;
    double EinkommenNR2 = 0;
    double DeltazvE = 0;
    double Soli = 0;
    int Bundesland = -1;
    // [Angebot]
    std::array<TKindEinstellung, MaxKinder> Kind{};
    int Verteilung = 0;
    bool konservativ1 = true, wachstum1 = false, risiko1 = false;
    bool konservativ2 = true, wachstum2 = false, risiko2 = false;
    // [Sonstige Daten]
    bool Firmenlogo = false;
    QString FirmenlogoDateipfad;
    // [Startfenster]
    bool StartfensterAnzeigen = true;
};

namespace Einstellungsschluessel {
inline const QString Daten = QStringLiteral("Daten");
inline const QString Angebot = QStringLiteral("Angebot");
inline const QString Sonstige = QStringLiteral("Sonstige Daten");
inline const QString Startfenster = QStringLiteral("Startfenster");
inline const QString StartfensterAnzeigen = QStringLiteral("Startfenster-anzeigen");
} // namespace Einstellungsschluessel

// Reads every key; missing keys and values that are not integers give the
// defaults. breite and hoehe are the defaults of "Breite" and "Hoehe" (the
// window's current size). Only the first "Kinder" children are read.
TEinstellungen EinstellungenLesen(const TIniDatei& ini, int breite, int hoehe);

// Erases [Daten] and [Angebot] and writes them anew; overwrites the keys of
// [Sonstige Daten] and [Startfenster]; everything else in the file stays.
void EinstellungenSchreiben(const TEinstellungen& e, TIniDatei& ini);

// Amounts are stored as whole cents, the solidarity rate in 1/10000 (ties to even).
int InCent(double euro);
int InZehntausendstel(double satz);

} // namespace Fermalin
