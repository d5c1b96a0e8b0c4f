// The slices of the household's pie: where the yearly total contribution comes
// from. Pure logic, so the window, the report picture and the batch program
// draw the same slices.
#pragma once

#include "ZulagenDaten.h"

#include <QList>
#include <QString>

namespace Fermalin {

struct TTortenStueck
{
    QString Beschriftung; // may hold a second line after "\r"
    double Wert = 0;      // euros per year
    quint32 Farbe = 0;    // 0xRRGGBB

    bool operator==(const TTortenStueck&) const = default;
};

constexpr quint32 FarbeZulagen = 0x00518E;         // RGB 0, 81, 142
constexpr quint32 FarbeSteuerersparnis = 0x66A4D2; // RGB 102, 164, 210
constexpr quint32 FarbeEigenbeitrag = 0xC7D4EC;    // RGB 199, 212, 236
constexpr quint32 FarbeNichtAusgeschoepft = 0xFFFFFF;

// The slices in drawing order (never sorted).
QList<TTortenStueck> TortenStuecke(const TZulagenDaten& d);

// The mark beside a slice: its label, a blank and the value in whole euros with
// thousands separators ("#,##0"); one string per line.
QStringList TortenMarke(const TTortenStueck& stueck);

} // namespace Fermalin
