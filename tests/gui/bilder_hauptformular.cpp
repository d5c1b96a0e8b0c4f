// Writes pictures of the main window's pages (design size and enlarged by 1.5)
// and of the start window into the directory given as argument, for looking at.
#include "Fehleranzeige.h"
#include "FloatDlg.h"
#include "Ortavo_Dialog.h"
#include "Ortavo_Vorgabe.h"
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
    f.Vorgabe().EinkommenSetzen(30000, 0);
    using S = THauptformular::TSeite;
    for (double faktor : {1.0, 1.5}) {
        f.resize(static_cast<int>(f.StartBreite * faktor), static_cast<int>(f.StartHoehe * faktor));
        QApplication::processEvents();
        for (const S seite : {S::Vorgabe, S::Grafik, S::Angebot}) {
            f.SeiteZeigen(seite);
            QApplication::processEvents();
            f.grab().save(QStringLiteral("%1/haupt_%2_%3.png")
                              .arg(ziel)
                              .arg(static_cast<int>(seite))
                              .arg(faktor));
        }
        f.SeiteZeigen(S::Vorgabe);
    }
    TForm_Startfenster s(2026);
    s.show();
    QApplication::processEvents();
    s.grab().save(ziel + QStringLiteral("/startfenster.png"));
    f.BeendenBestaetigt = true;
    return 0;
}
