// German reasons for the system's error numbers: every message the program
// shows or prints is German, and the system's own texts are English here.
#pragma once

#include <QString>

namespace Fermalin {

// The German reason for an errno value, e.g. "kein Speicherplatz mehr frei";
// an unknown number gives "Systemfehler <n>".
QString Systemgrund(int fehlernummer);

} // namespace Fermalin
