// The program: start window, main window, event loop.
#include "Anwendung.h"
#include "Einstellungsdatei.h"
#include "Fehleranzeige.h"
#include "IniDatei.h"
#include "Ortavo_Dialog.h"
#include "Startfenster.h"

#include <QApplication>
#include <QFile>
#include <QIcon>

#include <csignal>

using namespace Fermalin;

int main(int argc, char** argv)
{
    // A file-size limit fails the write, which is reported; it does not end the
    // program with the adviser's input unsaved.
    std::signal(SIGXFSZ, SIG_IGN);
    QApplication app(argc, argv);
    // 2
    AnwendungEinrichten(app);

    const TProgrammUmgebung umgebung = TProgrammUmgebung::AusAnwendung();
    // 1: an installed copy keeps its files in the user's folder; a failure to
    // make it shows when the first file is written there
    const TProgrammOrte orte = umgebung.Orte();
    DatenordnerAnlegen(orte);
    const QString ini = orte.Einstellungsdatei;
    bool startfenster = StartfensterLesen(TIniDatei::laden(ini));

    // 3 (the main window decides the mode from the arguments itself)
    THauptformular hauptformular(umgebung);
    // made now; it lives as long as the main window, which owns it
    hauptformular.EKDialog();
    // 4
    if (QFile::exists(QStringLiteral(":/NICON")))
        QApplication::setWindowIcon(QIcon(QStringLiteral(":/NICON")));

    // 6: the choice is written at once, beside whatever else the file holds
    if (startfenster) {
        TForm_Startfenster fenster(hauptformular.EingabenLesen().Beitragsjahr);
        fenster.setWindowTitle(QApplication::applicationName());
        fenster.exec();
        startfenster = fenster.HinweisWiederAnzeigen();
        TIniDatei datei = TIniDatei::laden(ini);
        StartfensterSchreiben(datei, startfenster);
        QString fehler;
        if (!datei.speichern(ini, &fehler))
            ZeigeFehler(fehler);
    }
    // 7
    hauptformular.StartfensterAnzeigen = startfenster;
    hauptformular.show();
    return app.exec();
}
