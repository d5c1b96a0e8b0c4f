// Where the program's files lie: beside a copy in a folder of its own, in the
// user's folder for an installed copy, never inside the installation.
#include "Programmorte.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace Fermalin;

class TstProgrammorte : public QObject
{
    Q_OBJECT
private slots:
    void regel_data();
    void regel();
    void angabenAusDemDateisystem();
    void datenordnerNurFuerDenBenutzer();
    void datenordnerUnmoeglich();
};

void TstProgrammorte::regel_data()
{
    QTest::addColumn<QString>("programm");
    QTest::addColumn<bool>("installationDa");
    QTest::addColumn<QString>("xdg");
    QTest::addColumn<bool>("installiert");
    QTest::addColumn<QString>("datenordner");
    QTest::addColumn<QString>("ini");
    QTest::addColumn<QString>("hilfeordner");

    QTest::newRow("Im Build-Ordner liegt alles neben dem Programm")
        << QStringLiteral("/work/build/src/fermalin") << false << QString() << false
        << QStringLiteral("/work/build/src") << QStringLiteral("/work/build/src/fermalin.ini")
        << QString();
    QTest::newRow("Ein eigener Ordner bin ohne share/fermalin behält alles beim Programm")
        << QStringLiteral("/home/anna/bin/fermalin") << false << QString() << false
        << QStringLiteral("/home/anna/bin") << QStringLiteral("/home/anna/bin/fermalin.ini")
        << QString();
    QTest::newRow("Neben share/fermalin, aber nicht in bin, ist es nicht installiert")
        << QStringLiteral("/opt/Fermalin/Programm/fermalin") << true << QString() << false
        << QStringLiteral("/opt/Fermalin/Programm")
        << QStringLiteral("/opt/Fermalin/Programm/fermalin.ini") << QString();
    QTest::newRow("Ein Windows-Programm behält seinen Namen mit neuer Endung")
        << QStringLiteral("/opt/x/Prog.exe") << false << QString() << false
        << QStringLiteral("/opt/x") << QStringLiteral("/opt/x/Prog.ini") << QString();
    QTest::newRow("Aus dem Paket ohne XDG_CONFIG_HOME in ~/.config/fermalin")
        << QStringLiteral("/usr/bin/fermalin") << true << QString() << true
        << QStringLiteral("/home/anna/.config/fermalin")
        << QStringLiteral("/home/anna/.config/fermalin/fermalin.ini")
        << QStringLiteral("/usr/share/fermalin");
    QTest::newRow("Aus dem Paket mit XDG_CONFIG_HOME dort")
        << QStringLiteral("/usr/bin/fermalin") << true << QStringLiteral("/srv/cfg/anna/") << true
        << QStringLiteral("/srv/cfg/anna/fermalin")
        << QStringLiteral("/srv/cfg/anna/fermalin/fermalin.ini")
        << QStringLiteral("/usr/share/fermalin");
    QTest::newRow("Ein relatives XDG_CONFIG_HOME gilt nicht")
        << QStringLiteral("/usr/bin/fermalin") << true << QStringLiteral("cfg") << true
        << QStringLiteral("/home/anna/.config/fermalin")
        << QStringLiteral("/home/anna/.config/fermalin/fermalin.ini")
        << QStringLiteral("/usr/share/fermalin");
    QTest::newRow("Mit cmake --install nach ~/.local installiert")
        << QStringLiteral("/home/anna/.local/bin/fermalin") << true << QString() << true
        << QStringLiteral("/home/anna/.config/fermalin")
        << QStringLiteral("/home/anna/.config/fermalin/fermalin.ini")
        << QStringLiteral("/home/anna/.local/share/fermalin");
    QTest::newRow("Das Stapelprogramm findet das Logo des Fensters")
        << QStringLiteral("/usr/local/bin/fermalin-cli") << true << QString() << true
        << QStringLiteral("/home/anna/.config/fermalin")
        << QStringLiteral("/home/anna/.config/fermalin/fermalin-cli.ini")
        << QStringLiteral("/usr/local/share/fermalin");
}

void TstProgrammorte::regel()
{
    QFETCH(QString, programm);
    QFETCH(bool, installationDa);
    QFETCH(QString, xdg);
    QFETCH(QString, datenordner);
    QFETCH(QString, ini);
    const TProgrammOrte o =
        ProgrammOrteFuer({programm, installationDa, xdg, QStringLiteral("/home/anna")});
    QTEST(o.Installiert, "installiert");
    QCOMPARE(o.Datenordner, datenordner);
    QCOMPARE(o.Einstellungsdatei, ini);
    QCOMPARE(o.Uebergabedatei, ini.chopped(4) + QStringLiteral(".dat"));
    QCOMPARE(o.LogoDatei, datenordner + QStringLiteral("/logo.bmp"));
    QCOMPARE(o.LogoSicherung, datenordner + QStringLiteral("/logo.bmp$"));
    QTEST(o.Hilfeordner, "hilfeordner");
    if (o.Installiert) {
        // nothing the program writes lies in the installation
        const QString praefix = QFileInfo(QFileInfo(programm).path()).path() + QLatin1Char('/');
        for (const QString& datei :
             {o.Einstellungsdatei, o.Uebergabedatei, o.LogoDatei, o.LogoSicherung})
            QVERIFY2(!datei.startsWith(praefix), qPrintable(datei));
    }
}

void TstProgrammorte::angabenAusDemDateisystem()
{
    QTemporaryDir dir;
    const QDir d(dir.path());
    QVERIFY(d.mkpath(QStringLiteral("usr/bin")));
    QVERIFY(d.mkpath(QStringLiteral("usr/share/fermalin")));
    QVERIFY(d.mkpath(QStringLiteral("build/src")));
    QVERIFY(d.mkpath(QStringLiteral("build/share")));
    QProcessEnvironment umgebung;
    umgebung.insert(QStringLiteral("HOME"), d.filePath(QStringLiteral("heim")));

    const TProgrammOrte paket =
        ProgrammOrteErmitteln(d.filePath(QStringLiteral("usr/bin/fermalin")), umgebung);
    QVERIFY(paket.Installiert);
    QCOMPARE(paket.Datenordner, d.filePath(QStringLiteral("heim/.config/fermalin")));
    QCOMPARE(paket.Hilfeordner, d.filePath(QStringLiteral("usr/share/fermalin")));

    umgebung.insert(QStringLiteral("XDG_CONFIG_HOME"), d.filePath(QStringLiteral("cfg")));
    QCOMPARE(ProgrammOrteErmitteln(d.filePath(QStringLiteral("usr/bin/fermalin")), umgebung)
                 .Einstellungsdatei,
             d.filePath(QStringLiteral("cfg/fermalin/fermalin.ini")));

    // "share" alone, without "fermalin" in it, is no installation of ours
    const TProgrammOrte bau =
        ProgrammOrteErmitteln(d.filePath(QStringLiteral("build/src/fermalin")), umgebung);
    QVERIFY(!bau.Installiert);
    QCOMPARE(bau.Einstellungsdatei, d.filePath(QStringLiteral("build/src/fermalin.ini")));

    // without HOME the user's home folder still comes from the system
    const TOrtsangaben ohneHeim =
        OrtsangabenErmitteln(d.filePath(QStringLiteral("usr/bin/fermalin")), QProcessEnvironment());
    QCOMPARE(ohneHeim.Heimatverzeichnis, QDir::homePath());
    QVERIFY(ohneHeim.XdgConfigHome.isEmpty());
}

void TstProgrammorte::datenordnerNurFuerDenBenutzer()
{
    QTemporaryDir dir;
    TProgrammOrte o;
    o.Installiert = true;
    o.Datenordner = dir.filePath(QStringLiteral("heim/.config/fermalin"));
    QVERIFY(DatenordnerAnlegen(o));
    const auto nurBenutzer =
        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner;
    for (const QString& ordner : {QStringLiteral("heim"), QStringLiteral("heim/.config"),
                                  QStringLiteral("heim/.config/fermalin")}) {
        const QFileInfo info(dir.filePath(ordner));
        QVERIFY2(info.isDir(), qPrintable(ordner));
        QCOMPARE(info.permissions() &
                     ~(QFileDevice::ReadUser | QFileDevice::WriteUser | QFileDevice::ExeUser),
                 nurBenutzer);
    }
    QVERIFY(DatenordnerAnlegen(o)); // already there

    // a copy beside itself makes no folder, whatever Datenordner says
    TProgrammOrte daneben;
    daneben.Datenordner = dir.filePath(QStringLiteral("nicht/anlegen"));
    QVERIFY(DatenordnerAnlegen(daneben));
    QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("nicht"))));
}

void TstProgrammorte::datenordnerUnmoeglich()
{
    QTemporaryDir dir;
    QFile datei(dir.filePath(QStringLiteral("config")));
    QVERIFY(datei.open(QIODevice::WriteOnly));
    datei.close();
    TProgrammOrte o;
    o.Installiert = true;
    o.Datenordner = dir.filePath(QStringLiteral("config/fermalin"));
    QVERIFY(!DatenordnerAnlegen(o));
}

QTEST_GUILESS_MAIN(TstProgrammorte)
#include "tst_programmorte.moc"
