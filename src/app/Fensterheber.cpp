#include "Fensterheber.h"

#include <QApplication>
#include <QWidget>

#include <utility>

namespace Fermalin {

namespace {

bool eigeneFensterHeben(const QString& titel)
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->windowTitle() == titel) {
            w->raise();
            w->activateWindow();
            return true;
        }
    return false;
}

TFensterheber& heber()
{
    static TFensterheber h = eigeneFensterHeben;
    return h;
}

} // namespace

bool FensterNachVorne(const QString& titel)
{
    return heber() ? heber()(titel) : false;
}

TFensterheber setzeFensterheber(TFensterheber neu)
{
    TFensterheber alt = std::move(heber());
    heber() = neu ? std::move(neu) : TFensterheber(eigeneFensterHeben);
    return alt;
}

} // namespace Fermalin
