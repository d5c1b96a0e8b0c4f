// The result report: the German HTML document that states the inputs, the
// contributions and allowances, the tax saving and the subsidy rate, with its
// notes. The window and the batch program build it with the same function.
#pragma once

#include "Vergleich.h"
#include "ZulagenDaten.h"

#include <QString>
#include <QStringList>

namespace Fermalin {

struct TBerichtOptionen
{
    bool Beratungsprotokoll = false; // "Als Anlage z. Beratungsprotokoll"
    QString Kundenname;              // as typed; escaped in the document
    bool MitGrafik = false;          // "Mit grafischer Darstellung"
    QString GrafikDatei;             // the chart picture the document names; empty: none
    bool Firmenlogo = false;         // LayoutDaten.Firmenlogo
    QString LogoDatei;               // LogoDatei(programmPfad)

    bool operator==(const TBerichtOptionen&) const = default;
};

// What the report says in place of the chart when there is no picture of it
// (no usable temporary folder, or the picture could not be written).
QString KeinGrafikBildText();

// Writes the whole document into zeilen (cleared first). d is computed, with the
// report-mode split's contracts and total (BerichtZeilen of Haushaltsrechnung.h);
// vergleich, when given, both rule sets side by side (from 2027).
void BerichtSchreiben(QStringList& zeilen, const TZulagenDaten& d, const TBerichtOptionen& o,
                      const TVergleich* vergleich = nullptr);

} // namespace Fermalin
