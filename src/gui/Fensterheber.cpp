#include "Fensterheber.h"

#include <QApplication>
#include <QWidget>

namespace Fermalin {

bool FensterNachVorne(const QString& titel)
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->windowTitle() == titel) {
            w->raise();
            w->activateWindow();
            return true;
        }
    return false;
}

} // namespace Fermalin
