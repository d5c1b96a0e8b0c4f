// The application's identity and language, set once before any window exists.
#pragma once

class QApplication;

namespace Fermalin {

// The program's name "Fermalin" goes where this platform shows a program's name
// (window class, desktop file), never behind the window titles: they stand as
// the program gives them. German number texts and Qt's own dialogs in German.
void AnwendungEinrichten(QApplication& app);

} // namespace Fermalin
