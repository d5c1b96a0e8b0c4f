// Writes pictures of the main window's pages (design size and enlarged by 1.5)
// and of the start window into the directory given as argument, for looking at.
#include "Fehleranzeige.h"
#include "FloatDlg.h"
#include "Ortavo_Dialog.h"
#include "Seitenreiter.h"
#include "Startfenster.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

using namespace Fermalin;

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Fermalin"));
    const QString ziel = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("/tmp/shots");
    QDir().mkpath(ziel);
    QTemporaryDir dir;
    TProgrammUmgebung u;
    u.ProgrammPfad = dir.filePath(QStringLiteral("fermalin"));
    u.Argumente = {u.ProgrammPfad, QStringLiteral("k")};
    u.Heute = QDate::currentDate();
    THauptformular f(u);
    f.show();
    f.Edit_Einkommen1->WertSetzen(30000);
    for (double faktor : {1.0, 1.5}) {
        f.resize(static_cast<int>(f.StartBreite * faktor), static_cast<int>(f.StartHoehe * faktor));
        QApplication::processEvents();
        for (int seite = 0; seite < f.PageControl->count(); ++seite) {
            f.PageControl->setCurrentIndex(seite);
            QApplication::processEvents();
            f.grab().save(QStringLiteral("%1/haupt_%2_%3.png").arg(ziel).arg(seite).arg(faktor));
        }
        f.PageControl->setCurrentIndex(0);
    }
    TForm_Startfenster s;
    s.show();
    QApplication::processEvents();
    s.grab().save(ziel + QStringLiteral("/startfenster.png"));
    f.BeendenBestaetigt = true;
    return 0;
}
