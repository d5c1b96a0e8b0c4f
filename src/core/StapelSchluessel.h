// The batch program's input keys: one row per key with its name, the commands
// that take it, its kind, range, default and help line. The rows drive the
// reading of a line, its refusals and the key lines of --help.
#pragma once

#include "Foerderrecht.h"

#include <QString>

#include <cstdint>
#include <span>
#include <string_view>

namespace Fermalin {

// The commands a key belongs to, as bits.
namespace StapelBefehl {
constexpr unsigned Berechne = 1;
constexpr unsigned Angebot = 2;
constexpr unsigned Bericht = 4;
constexpr unsigned Steuer = 8;
// every command that computes a household takes the keys of "berechne"
constexpr unsigned Haushalt = Berechne | Angebot | Bericht;
} // namespace StapelBefehl

enum class TSchluesselArt : std::uint8_t
{
    Wahr,         // true or false
    Ganz,         // a whole number from Min to Max
    Zahl,         // a number from Min to Max
    ZahlAusMenge, // one of Zahlen (a rate, a year among the known ones)
    Text,         // a string of at most Max characters
    Auswahl,      // one of Texte; read as its index
    GanzListe,    // a list of at most MaxAnzahl whole numbers from Min to Max
};

// One name per row, in the order of the table; a new key adds its name here and
// its row in StapelSchluessel.cpp.
enum class TSchluesselNr : std::uint8_t
{
    Beitragsjahr,
    Foerderrecht,
    Verheiratet,
    Doppelverdiener,
    Einkommen1,
    Einkommen2,
    EinkommenNR1,
    EinkommenNR2,
    KindGebJahr,
    KindPerson,
    Berufseinsteiger1,
    Berufseinsteiger2,
    MinBeitrag,
    TarMindBtr,
    BeitragsPosition,
    Eigenbeitrag1,
    Eigenbeitrag2,
    Vergleich,
    DeltazvE,
    Soli,
    Bundesland,
    Verteilung,
    Klassik1,
    Klassik2,
    Beratungsprotokoll,
    Kundenname,
    MitGrafik,
    Firmenlogo,
    Jahr,
    Tabelle,
    zvE,
    Abzug,
    Anzahl
};
constexpr int SchluesselAnzahl = static_cast<int>(TSchluesselNr::Anzahl);

class TLeser;

struct TSchluessel
{
    TSchluesselNr Nr;
    const char* Name;
    unsigned Befehle; // StapelBefehl bits
    TSchluesselArt Art;
    double Min = 0;
    double Max = 0; // for Text the most characters
    double Vorgabe = 0;
    bool Pflicht = false;  // a line without the key is refused
    bool Wahlfrei = false; // no default: a missing key stays missing
    std::span<const double> Zahlen = {};
    std::span<const char* const> Texte = {};
    int MaxAnzahl = 0; // GanzListe
    // GanzListe: as many entries as this list has
    TSchluesselNr GleichLangWie = TSchluesselNr::Anzahl;
    // In place of the kind's refusal; %1 is the length GleichLangWie asks for.
    const char* Meldung = nullptr;
    // A refusal that depends on the keys above this one: the message, or empty.
    QString (*Pruefen)(const TLeser&) = nullptr;
    const char* Hilfe = "";
    // The default as --help names it where the number alone would say too little.
    const char* HilfeVorgabe = nullptr;
};

// Every row, in the order in which a line's keys are checked.
std::span<const TSchluessel> StapelSchluessel();
const TSchluessel& Schluessel(TSchluesselNr nr);

// The row of a key name, or nullptr.
const TSchluessel* SchluesselFuer(std::string_view name);

// The range of a row as the refusals and --help name it ("eine ganze Zahl von 0
// bis 999999", "0 oder 0.055").
QString Bereich(const TSchluessel& s);

// The contribution year and the rule set of a line read by l: the given ones, or
// today's law (VorgabeBeitragsjahr, VorgabeFoerderrecht).
int BeitragsjahrVon(const TLeser& l);
TFoerderrecht FoerderrechtVon(const TLeser& l);

// The key lines of --help for the keys of befehl that are not keys of ohne;
// consecutive rows that differ only in the name share a line.
QString SchluesselHilfe(unsigned befehl, unsigned ohne = 0);

} // namespace Fermalin
