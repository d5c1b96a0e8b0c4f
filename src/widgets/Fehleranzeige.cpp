#include "Fehleranzeige.h"

#include <QApplication>
#include <QMessageBox>

#include <exception>
#include <utility>

namespace Fermalin {

namespace {

TFehleranzeige& Anzeige()
{
    static TFehleranzeige anzeige;
    return anzeige;
}

void Fehlerbox(const QString& meldung)
{
    QMessageBox box(QMessageBox::Critical, QApplication::applicationDisplayName(), meldung,
                    QMessageBox::Ok, QApplication::activeWindow());
    box.setDefaultButton(QMessageBox::Ok);
    box.exec();
}

} // namespace

void ZeigeFehler(const QString& meldung)
{
    // A copy, so a display that replaces itself while it runs stays alive.
    const TFehleranzeige anzeige = Anzeige();
    if (anzeige)
        anzeige(meldung);
    else
        Fehlerbox(meldung);
}

TFehleranzeige setzeFehleranzeige(TFehleranzeige anzeige)
{
    return std::exchange(Anzeige(), std::move(anzeige));
}

bool MitFehleranzeige(const std::function<void()>& aktion)
{
    try {
        aktion();
        return true;
    } catch (const std::exception& e) {
        ZeigeFehler(QString::fromUtf8(e.what()));
        return false;
    }
}

} // namespace Fermalin
