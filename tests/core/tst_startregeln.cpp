#include "Startregeln.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace Fermalin;

class TstStartregeln : public QObject
{
    Q_OBJECT
private slots:
    void argumente_data();
    void argumente();
    void groesse_data();
    void groesse();
    void grafikDatei();
    void keinTemporaeresVerzeichnis_data();
    void keinTemporaeresVerzeichnis();
    void pfadMitEndung();
};

void TstStartregeln::argumente_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<bool>("einzelversion");
    QTest::addColumn<bool>("angebotsseite");
    const QString prog = QStringLiteral("/opt/fermalin/fermalin");
    QTest::newRow("ohne Argumente") << QStringList{prog} << true << false;
    QTest::newRow("k irgendwo") << QStringList{prog, QStringLiteral("x"), QStringLiteral("k")}
                                << false << false;
    QTest::newRow("K groß") << QStringList{prog, QStringLiteral("K")} << false << false;
    QTest::newRow("kk ist kein k") << QStringList{prog, QStringLiteral("kk")} << true << false;
    QTest::newRow("back zuerst") << QStringList{prog, QStringLiteral("back"), QStringLiteral("k")}
                                 << false << true;
    QTest::newRow("BACK zählt auch") << QStringList{prog, QStringLiteral("BACK")} << true << true;
    QTest::newRow("back nur als erstes")
        << QStringList{prog, QStringLiteral("k"), QStringLiteral("back")} << false << false;
}

void TstStartregeln::argumente()
{
    QFETCH(QStringList, args);
    QFETCH(bool, einzelversion);
    QFETCH(bool, angebotsseite);
    const TStartModus m = StartModusAus(args);
    QCOMPARE(m.Einzelversion, einzelversion);
    QCOMPARE(m.Angebotsseite, angebotsseite);
}

void TstStartregeln::groesse_data()
{
    QTest::addColumn<QSize>("gewuenscht");
    QTest::addColumn<QSize>("start");
    QTest::addColumn<QSize>("ergebnis"); // invalid: refused
    const QSize start(702, 634);
    QTest::newRow("Startgröße bleibt") << start << start << start;
    QTest::newRow("schmaler: abgelehnt") << QSize(701, 700) << start << QSize();
    QTest::newRow("niedriger: abgelehnt") << QSize(900, 633) << start << QSize();
    QTest::newRow("breiter: Höhe folgt") << QSize(1053, 634) << start << QSize(1053, 951);
    // 1000 / (702/634) = 903.13
    QTest::newRow("Höhe aus der Breite") << QSize(1000, 2000) << start << QSize(1000, 903);
    QTest::newRow("breiter als der Arbeitsbereich")
        << QSize(3000, 700) << start << QSize(1152, 1040);
    QTest::newRow("ohne Startgröße: unverändert") << QSize(10, 10) << QSize(0, 0) << QSize(10, 10);
}

void TstStartregeln::groesse()
{
    QFETCH(QSize, gewuenscht);
    QFETCH(QSize, start);
    QFETCH(QSize, ergebnis);
    const double verhaeltnis =
        start.height() ? static_cast<double>(start.width()) / start.height() : 0;
    const std::optional<QSize> r =
        GroesseAnpassen(gewuenscht, start, verhaeltnis, QSize(1920, 1040));
    QCOMPARE(r.has_value(), ergebnis.isValid());
    if (r)
        QCOMPARE(*r, ergebnis);
}

void TstStartregeln::grafikDatei()
{
    QTemporaryDir a, b, system;
    QProcessEnvironment env;
    env.insert(QStringLiteral("TMPDIR"), b.path());
    QCOMPARE(GrafikDateiPfad(env), QDir(b.path()).filePath(QStringLiteral("G_Ortavo.Bmp")));
    env.insert(QStringLiteral("temp"), a.path());
    QCOMPARE(GrafikDateiPfad(env), QDir(a.path()).filePath(QStringLiteral("G_Ortavo.Bmp")));
    // one named folder missing, the next one used
    env.insert(QStringLiteral("temp"), QStringLiteral("/gibt/es/nicht"));
    QCOMPARE(GrafikDateiPfad(env), QDir(b.path()).filePath(QStringLiteral("G_Ortavo.Bmp")));
    // nothing set: the system's folder
    QCOMPARE(GrafikDateiPfad(QProcessEnvironment(), system.path()),
             QDir(system.path()).filePath(QStringLiteral("G_Ortavo.Bmp")));
}

// Without a usable temporary folder there is no chart picture: never the
// current folder, never the root, never the shared folder in place of a
// private one that is missing.
void TstStartregeln::keinTemporaeresVerzeichnis_data()
{
    QTest::addColumn<QString>("variable");
    QTest::addColumn<QString>("wert");
    QTest::newRow("ein fehlendes TMPDIR")
        << QStringLiteral("TMPDIR") << QStringLiteral("/gibt/es/nicht");
    QTest::newRow("ein fehlendes temp")
        << QStringLiteral("temp") << QStringLiteral("/gibt/es/nicht");
    QTest::newRow("ein relativer Pfad") << QStringLiteral("TMPDIR") << QStringLiteral(".");
    QTest::newRow("eine Datei statt eines Verzeichnisses")
        << QStringLiteral("TMP") << QStringLiteral("/etc/hostname");
    QTest::newRow("nichts gesetzt und kein System-Verzeichnis") << QString() << QString();
}

void TstStartregeln::keinTemporaeresVerzeichnis()
{
    QFETCH(QString, variable);
    QFETCH(QString, wert);
    QTemporaryDir system;
    QProcessEnvironment env;
    if (!variable.isEmpty())
        env.insert(variable, wert);
    const QString systemTemp =
        variable.isEmpty() ? system.filePath(QStringLiteral("fehlt")) : system.path();
    QCOMPARE(TemporaeresVerzeichnis(env, systemTemp), QString());
    QCOMPARE(GrafikDateiPfad(env, systemTemp), QString());
}

void TstStartregeln::pfadMitEndung()
{
    QCOMPARE(PfadMitEndung(QStringLiteral("/opt/f/fermalin"), QStringLiteral(".dat")),
             QStringLiteral("/opt/f/fermalin.dat"));
    QCOMPARE(PfadMitEndung(QStringLiteral("/opt/f.d/Prog.exe"), QStringLiteral(".ini")),
             QStringLiteral("/opt/f.d/Prog.ini"));
}

QTEST_GUILESS_MAIN(TstStartregeln)
#include "tst_startregeln.moc"
