// The application's standard error display. Errors must not leave an event
// handler as exceptions (Qt cannot carry them through its event loop), so every
// refusal the user has to see goes through ZeigeFehler.
#pragma once

#include <QString>

#include <functional>

namespace Fermalin {

using TFehleranzeige = std::function<void(const QString& meldung)>;

// Shows the message in a critical error box with an OK button, titled with the
// application's display name, or hands it to the display set below.
void ZeigeFehler(const QString& meldung);

// Replaces the display (tests capture the messages with it); an empty function
// restores the error box. Returns the display that was in use.
TFehleranzeige setzeFehleranzeige(TFehleranzeige anzeige);

// Runs aktion and shows a std::exception it throws instead of letting it reach
// the event loop. Returns false when aktion threw.
bool MitFehleranzeige(const std::function<void()>& aktion);

} // namespace Fermalin
