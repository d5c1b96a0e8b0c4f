#include "Prozessstart.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace Fermalin;

namespace {

// A stand-in for the checker: records its arguments and working directory
// and ends with the given exit code.
QString skript(const QString& pfad, int rueckgabe)
{
    QDir().mkpath(QFileInfo(pfad).path());
    QFile f(pfad);
    if (!f.open(QIODevice::WriteOnly))
        return QString();
    f.write(QStringLiteral("#!/bin/sh\nprintf '%s|' \"$@\" > \"$(dirname \"$0\")/aufruf.txt\"\n"
                           "pwd >> \"$(dirname \"$0\")/aufruf.txt\"\nexit %1\n")
                .arg(rueckgabe)
                .toUtf8());
    f.close();
    f.setPermissions(f.permissions() | QFileDevice::ExeOwner | QFileDevice::ExeUser);
    return pfad;
}

QByteArray aufruf(const QString& verzeichnis)
{
    QFile f(verzeichnis + QStringLiteral("/aufruf.txt"));
    return f.open(QIODevice::ReadOnly) ? f.readAll().trimmed() : QByteArray("<nicht gestartet>");
}

} // namespace

class TstProzessstart : public QObject
{
    Q_OBJECT
private slots:
    void pruvexPfad();
    void aufrufBauen_data();
    void aufrufBauen();
    void starteUndWarte();
};

void TstProzessstart::pruvexPfad()
{
    QTemporaryDir wurzel;
    const QString prog = wurzel.filePath(QStringLiteral("Mein Rechner/bin/fermalin"));
    QDir().mkpath(QFileInfo(prog).path());
    QCOMPARE(PruvexPfadFuer(prog), QString()); // not installed

    const QString nebenan = wurzel.filePath(QStringLiteral("Mein Rechner/bin/Pruvex.exe"));
    skript(nebenan, 0);
    QCOMPARE(PruvexPfadFuer(prog), QLatin1Char('"') + nebenan + QLatin1Char('"'));

    // the sibling directory comes first
    const QString geschwister =
        wurzel.filePath(QStringLiteral("Mein Rechner/Talven_Pruvex/Pruvex.exe"));
    skript(geschwister, 0);
    QCOMPARE(PruvexPfadFuer(prog), QLatin1Char('"') + geschwister + QLatin1Char('"'));

    const QString ohneBlank = wurzel.filePath(QStringLiteral("b/fermalin"));
    skript(wurzel.filePath(QStringLiteral("b/Pruvex.exe")), 0);
    QCOMPARE(PruvexPfadFuer(ohneBlank), wurzel.filePath(QStringLiteral("b/Pruvex.exe")));
}

void TstProzessstart::aufrufBauen_data()
{
    QTest::addColumn<QString>("befehl");
    QTest::addColumn<QString>("verzeichnis");
    QTest::addColumn<bool>("gestartet");
    QTest::addColumn<QStringList>("teile"); // program, arguments..., directory
    const QString a1016 = QLatin1Char('/') + QString(1015, QLatin1Char('a'));
    QTest::newRow("Pfad mit Blank in Anführungszeichen")
        << QStringLiteral("\"/opt/Mein Rechner/Pruvex.exe\"") << QString() << true
        << QStringList{QStringLiteral("/opt/Mein Rechner/Pruvex.exe"), QStringLiteral("r"),
                       QString()};
    QTest::newRow("ein abschließender Schrägstrich entfällt")
        << QStringLiteral("/opt/Pruvex.exe") << QStringLiteral("/tmp/x//") << true
        << QStringList{QStringLiteral("/opt/Pruvex.exe"), QStringLiteral("r"),
                       QStringLiteral("/tmp/x/")};
    QTest::newRow("Befehlszeile genau 1023 Zeichen")
        << a1016 + QStringLiteral("xxxxx") << QString() << true
        << QStringList{a1016 + QStringLiteral("xxxxx"), QStringLiteral("r"), QString()};
    QTest::newRow("Befehlszeile 1024 Zeichen")
        << a1016 + QStringLiteral("xxxxxx") << QString() << false << QStringList();
    QTest::newRow("Verzeichnis 1024 Zeichen")
        << QStringLiteral("/opt/Pruvex.exe") << QLatin1Char('/') + QString(1023, QLatin1Char('v'))
        << false << QStringList();
    QTest::newRow("leerer Befehl") << QString() << QString() << false << QStringList();
}

void TstProzessstart::aufrufBauen()
{
    QFETCH(QString, befehl);
    QFETCH(QString, verzeichnis);
    QFETCH(bool, gestartet);
    QFETCH(QStringList, teile);
    const auto a = ProzessAufrufBauen(befehl, QStringLiteral("r"), verzeichnis);
    QCOMPARE(a.has_value(), gestartet);
    if (a)
        QCOMPARE(QStringList{a->Programm} + a->Argumente + QStringList{a->Verzeichnis}, teile);
}

void TstProzessstart::starteUndWarte()
{
    QTemporaryDir wurzel;
    const QString dir = wurzel.filePath(QStringLiteral("Mein Rechner"));
    const QString prog = skript(dir + QStringLiteral("/Pruvex.exe"), 3);
    // quoted as the main window quotes it; any exit code comes back unchanged
    QCOMPARE(StarteUndWarte(QLatin1Char('"') + prog + QLatin1Char('"'), QStringLiteral("r"),
                            wurzel.path()),
             3);
    QCOMPARE(aufruf(dir), QByteArray("r|") + QFile::encodeName(wurzel.path()));

    // unquoted, the blank splits the path: a failed start, at once
    QFile::remove(dir + QStringLiteral("/aufruf.txt"));
    QCOMPARE(StarteUndWarte(prog, QStringLiteral("r"), QString()), -1);
    QCOMPARE(aufruf(dir), QByteArray("<nicht gestartet>"));
    QCOMPARE(StarteUndWarte(QStringLiteral("/gibt/es/nicht.exe"), QStringLiteral("r"), QString()),
             -1);
    // the waiting is the caller's when it brings its own
    bool gewartet = false;
    QCOMPARE(StarteUndWarte(QLatin1Char('"') + prog + QLatin1Char('"'), QStringLiteral("r"), {},
                            [&gewartet](QProcess& p) { gewartet = p.waitForFinished(10000); }),
             3);
    QVERIFY(gewartet);
}

QTEST_GUILESS_MAIN(TstProzessstart)
#include "tst_prozessstart.moc"
