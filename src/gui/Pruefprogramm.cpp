// The eligibility checker: started from the input page, the window waits for it.
#include "Ortavo_Dialog.h"

#include "Prozessstart.h"

#include <QApplication>
#include <QEvent>
#include <QEventLoop>
#include <QProcess>

namespace Fermalin {

namespace {

// While the checker runs the window takes no input, but it still repaints:
// user input is swallowed (not held back for later), everything else goes on.
class TEingabeSperre : public QObject
{
public:
    TEingabeSperre() { qApp->installEventFilter(this); }
    ~TEingabeSperre() override { qApp->removeEventFilter(this); }

protected:
    bool eventFilter(QObject* objekt, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Shortcut:
        case QEvent::ContextMenu:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
        case QEvent::TabletPress:
        case QEvent::TabletRelease:
            return true;
        case QEvent::Close:
            // the close box of the desktop; our own close() is not spontaneous
            if (event->spontaneous()) {
                event->ignore();
                return true;
            }
            break;
        default:
            break;
        }
        return QObject::eventFilter(objekt, event);
    }
};

} // namespace

void THauptformular::Button_Pruvex1Click()
{
    if (PruvexPfad.isEmpty())
        return;
    // The exit code is the checker's own business.
    StarteUndWarte(PruvexPfad, QStringLiteral("r"), QString(), [](QProcess& p) {
        const TEingabeSperre sperre;
        QEventLoop schleife;
        QObject::connect(&p, &QProcess::finished, &schleife, &QEventLoop::quit);
        QObject::connect(&p, &QProcess::errorOccurred, &schleife, [&schleife, &p] {
            if (p.state() == QProcess::NotRunning)
                schleife.quit();
        });
        if (p.state() != QProcess::NotRunning)
            schleife.exec();
    });
}

} // namespace Fermalin
