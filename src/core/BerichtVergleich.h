// The report's pieces for contribution years from 2027: both rule sets side by
// side at the same contributions, and the warning a provider must give before
// a new contract (§ 7d AltZertG).
#pragma once

#include "Vergleich.h"

#include <QString>
#include <QStringList>

namespace Fermalin {

// The warning of § 7d AltZertG about § 52 Abs. 50a S. 4 to 6, 8 and 9 EStG, as
// one note of the report (HTML with soft hyphens).
QString NeuvertragsWarnung();

// The section "Bisheriges und neues Förderrecht im Vergleich": a table of both
// sides and their difference, and a sentence which side pays more.
void FoerderrechtsvergleichSchreiben(QStringList& zeilen, const TVergleich& v);

} // namespace Fermalin
