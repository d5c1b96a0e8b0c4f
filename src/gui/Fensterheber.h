// Brings another program's top-level window to the front, found by its exact
// title through the desktop's window list.
#pragma once

#include <QByteArray>
#include <QString>

namespace Fermalin {

// Title of the offer program's window.
inline const QString AngebotsprogrammTitel = QStringLiteral("KORVANEL  Angebotsprogramm");

// True when a window with that title was found and asked to the front. Does
// nothing without an X server (another platform plugin, or no display).
bool FensterNachVorne(const QString& titel);

// The same on the X display anzeige (":1"; empty: $DISPLAY), whatever platform
// this program's own windows use.
bool FensterNachVorneAuf(const QByteArray& anzeige, const QString& titel);

} // namespace Fermalin
