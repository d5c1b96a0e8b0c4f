// Brings another program's top-level window to the front, found by its exact
// title. A narrow seam: the desktop's own mechanism sits behind it.
#pragma once

#include <QString>

#include <functional>

namespace Fermalin {

// Title of the offer program's window.
inline const QString AngebotsprogrammTitel = QStringLiteral("KORVANEL  Angebotsprogramm");

using TFensterheber = std::function<bool(const QString& titel)>;

// True when a window with that title was found and raised. Without a desktop
// mechanism only this program's own windows can be found.
bool FensterNachVorne(const QString& titel);

// Replaces the mechanism (tests record the calls); returns the previous one.
TFensterheber setzeFensterheber(TFensterheber heber);

} // namespace Fermalin
