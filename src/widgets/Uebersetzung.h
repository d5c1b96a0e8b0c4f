// German texts for the toolkit's own dialogs and context menus.
#pragma once

class QCoreApplication;

namespace Fermalin {

// Installs Qt's German translation "qtbase_de" from Qt's translations directory
// into a translator owned by the application. False when it cannot be loaded
// (the package qt6-translations-l10n is missing); the texts then stay English.
bool LadeQtUebersetzung(QCoreApplication& app);

} // namespace Fermalin
