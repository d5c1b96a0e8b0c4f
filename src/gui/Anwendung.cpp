#include "Anwendung.h"

#include "Uebersetzung.h"

#include <QApplication>
#include <QLocale>

namespace Fermalin {

void AnwendungEinrichten(QApplication& app)
{
    // No display name: Qt would append it to every window title.
    QApplication::setApplicationName(QStringLiteral("Fermalin"));
    QGuiApplication::setDesktopFileName(QStringLiteral("fermalin"));
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    LadeQtUebersetzung(app);
}

} // namespace Fermalin
