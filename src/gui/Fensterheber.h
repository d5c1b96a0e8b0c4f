// Brings another program's top-level window to the front, found by its exact
// title. A narrow seam: the desktop's own mechanism belongs behind it.
#pragma once

#include <QString>

namespace Fermalin {

// Title of the offer program's window.
inline const QString AngebotsprogrammTitel = QStringLiteral("KORVANEL  Angebotsprogramm");

// True when a window with that title was found and raised. Without a desktop
// mechanism only this program's own windows can be found.
bool FensterNachVorne(const QString& titel);

} // namespace Fermalin
