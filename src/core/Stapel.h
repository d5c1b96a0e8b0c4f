// Batch computation over JSON Lines: one household (or one tax query) per line
// in, one result object per line out.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <functional>

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

// One input line to one output object; sets fehler when the line was refused.
using TZeilenFunktion = std::function<QByteArray(QByteArrayView, bool& fehler, qint64 nummer)>;

class TZeilenLeser;
class TStapelAusgabe;

// Runs every line of ein through funktion, one output line for each line that is
// not blank. Returns 0, or 1 when any line was refused, 2 when the input could
// not be read or the output not be written (ein or aus say why); stops then.
int StapelLaufen(const TZeilenFunktion& funktion, TZeilenLeser& ein, TStapelAusgabe& aus);
int StapelLaufen(TStapelArt art, TZeilenLeser& ein, TStapelAusgabe& aus);

QString StapelHilfe();

} // namespace Fermalin
