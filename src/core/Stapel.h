// Batch computation over JSON Lines: one household (or one tax query) per line
// in, one result object per line out.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

class QIODevice;

namespace Fermalin {

enum class TStapelArt
{
    Berechne,
    Steuer
};

// Computes one input line; returns the output object (compact JSON, no line end)
// and sets fehler when the line was refused ({"Fehler": "..."}).
QByteArray BerechneZeile(QByteArrayView zeile, bool& fehler, qint64 zeilennummer = 0);
QByteArray SteuerZeile(QByteArrayView zeile, bool& fehler, qint64 zeilennummer = 0);

// Runs every line of ein; blank lines are skipped. Returns 0, or 1 when any line
// was refused.
int StapelLaufen(TStapelArt art, QIODevice& ein, QIODevice& aus);

QString StapelHilfe();

} // namespace Fermalin
