// One input line as the JSON values of the keys of a command. Two readers give
// the same values: a fast one for the lines that make up a batch run, and Qt's
// parser, which decides every line the fast one leaves and gives the messages.
#pragma once

#include "StapelSchluessel.h"

#include <QByteArrayView>
#include <QString>

#include <array>
#include <cstdint>
#include <vector>

namespace Fermalin {

// No key takes a longer list: the entries beyond are counted, not kept.
constexpr std::uint32_t GemerkteEintraege = 16;

struct TRohWert
{
    enum class TTyp : std::uint8_t
    {
        Fehlt,
        Null,
        Wahr,
        Zahl,
        Text,
        Liste,
        Objekt
    };
    TTyp Typ = TTyp::Fehlt;
    bool Wahr = false;
    double Zahl = 0;
    QString Text;
    // Liste: its length, and its first entries (at most GemerkteEintraege) in
    // TRohZeile::Eintraege, their own lists and objects by type only
    std::uint32_t Anfang = 0;
    std::uint32_t Anzahl = 0;
};

struct TRohZeile
{
    std::array<TRohWert, SchluesselAnzahl> Werte;
    std::vector<TRohWert> Eintraege;
    // the first key that is not one of the command's, in the order of Qt's object
    QString Unbekannt;
    bool HatUnbekannt = false;
    // why the line is no JSON object of distinct keys (without line number); empty when it is
    QString Meldung;

    void leeren();
};

// The fast reader. False when it leaves the line to ReferenzLesen: for anything
// but an object of distinct keys of the command with plain values, and for every
// line whose values Qt might read otherwise (a number that is zero or tiny as a
// decimal, deep nesting, a long line).
bool SchnellLesen(QByteArrayView zeile, unsigned befehl, TRohZeile& roh);

// The reference reader over Qt's parser: reads every line as Qt does and
// refuses what Qt refuses, with the German message; also a key given twice.
void ReferenzLesen(QByteArrayView zeile, unsigned befehl, TRohZeile& roh);

} // namespace Fermalin
