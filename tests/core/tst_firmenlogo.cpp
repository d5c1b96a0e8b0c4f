#include "DateiErsetzen.h"
#include "Firmenlogo.h"
#include "Programmorte.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include "../Sonderdateien.h"

using namespace Fermalin;

namespace {

void schreiben(const QString& pfad, const QByteArray& inhalt)
{
    QFile f(pfad);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(inhalt);
}

QByteArray lesen(const QString& pfad)
{
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TstFirmenlogo : public QObject
{
    Q_OBJECT
private slots:
    void zielgroesse_data();
    void zielgroesse();
    void sicherungUndRueckkehr();
    void fehlendeQuellenAendernNichts();
    void verknuepfungKommtGenauZurueck();
    void fifoWirdNieGeoeffnet();
};

void TstFirmenlogo::zielgroesse_data()
{
    QTest::addColumn<QSize>("bild");
    QTest::addColumn<QSize>("ziel");
    QTest::newRow("zu breit") << QSize(600, 100) << QSize(300, 50);
    QTest::newRow("zu hoch") << QSize(200, 140) << QSize(100, 70);
    QTest::newRow("passt") << QSize(250, 60) << QSize(250, 60);
    QTest::newRow("genau die Box") << QSize(300, 70) << QSize(300, 70);
    QTest::newRow("beides zu gross") << QSize(900, 700) << QSize(90, 70);
    // 301 x 101: s = 101/70; 301 / s = 208.62 -> 209
    QTest::newRow("krumm") << QSize(301, 101) << QSize(209, 70);
    // 5 x 140: s = 2, 2.5 rounds to even 2
    QTest::newRow("halbe zur geraden Zahl") << QSize(5, 140) << QSize(2, 70);
    // 7 x 140: 3.5 rounds to 4
    QTest::newRow("halbe aufwaerts zur geraden") << QSize(7, 140) << QSize(4, 70);
    QTest::newRow("ein Strich bleibt sichtbar") << QSize(3000, 1) << QSize(300, 1);
}

void TstFirmenlogo::zielgroesse()
{
    QFETCH(QSize, bild);
    QTEST(LogoZielgroesse(bild), "ziel");
}

void TstFirmenlogo::sicherungUndRueckkehr()
{
    QTemporaryDir dir;
    const QString programm = dir.filePath(QStringLiteral("fermalin"));
    const TProgrammOrte orte = ProgrammOrteErmitteln(programm, {});
    const QString logo = orte.LogoDatei;
    const QString sicherung = orte.LogoSicherung;
    QCOMPARE(sicherung, logo + QLatin1Char('$'));
    QByteArray alt(1000, '\0');
    for (int i = 0; i < alt.size(); ++i)
        alt[i] = static_cast<char>(i * 7);
    schreiben(logo, alt);
    schreiben(sicherung, "alte Sicherung wird ueberschrieben");
    LogoBackup(logo, sicherung);
    QCOMPARE(lesen(sicherung), alt);
    schreiben(logo, "neues Logo");
    LogoWiederherstellen(logo, sicherung);
    QCOMPARE(lesen(logo), alt);
    BackupLoeschen(sicherung);
    QVERIFY(!QFile::exists(sicherung));
    QCOMPARE(lesen(logo), alt);
}

void TstFirmenlogo::fehlendeQuellenAendernNichts()
{
    QTemporaryDir dir;
    const QString logo = dir.filePath(QStringLiteral("logo.bmp"));
    const QString sicherung = logo + QLatin1Char('$');
    schreiben(sicherung, "Sicherung");
    LogoBackup(logo, sicherung); // no logo: the backup stays
    QCOMPARE(lesen(sicherung), QByteArray("Sicherung"));
    QFile::remove(sicherung);
    schreiben(logo, "Logo");
    LogoWiederherstellen(logo, sicherung); // no backup: the logo stays
    QCOMPARE(lesen(logo), QByteArray("Logo"));
    BackupLoeschen(sicherung); // nothing to delete: no error
    QVERIFY(QFile::exists(logo));
}

// A linked logo: the backup keeps the link, a new logo replaces the link and
// never its target, and restoring brings back the link to the same target.
void TstFirmenlogo::verknuepfungKommtGenauZurueck()
{
    QTemporaryDir dir;
    const QString logo = dir.filePath(QStringLiteral("logo.bmp"));
    const QString sicherung = logo + QLatin1Char('$');
    const QString ziel = dir.filePath(QStringLiteral("Firmenlogo-Original.bmp"));
    schreiben(ziel, "das Original");
    QVERIFY(QFile::link(QStringLiteral("Firmenlogo-Original.bmp"), logo));

    LogoBackup(logo, sicherung);
    QVERIFY(DateiEintragErsetzen(logo, "neues Logo", true));
    QVERIFY(!QFileInfo(logo).isSymLink());
    QCOMPARE(lesen(ziel), QByteArray("das Original"));
    LogoWiederherstellen(logo, sicherung);
    BackupLoeschen(sicherung);
    QVERIFY(QFileInfo(logo).isSymLink());
    QCOMPARE(QFile::symLinkTarget(logo), ziel);
    QCOMPARE(lesen(ziel), QByteArray("das Original"));
    QVERIFY(!QFileInfo(sicherung).exists() && !QFileInfo(sicherung).isSymLink());
}

void TstFirmenlogo::fifoWirdNieGeoeffnet()
{
    QTemporaryDir dir;
    const QString logo = dir.filePath(QStringLiteral("logo.bmp"));
    const QString sicherung = logo + QLatin1Char('$');
    QCOMPARE(::mkfifo(QFile::encodeName(logo).constData(), 0600), 0);
    TFifoWaechter waechter(QFile::encodeName(logo));
    LogoBackup(logo, sicherung);
    QVERIFY(DateiEintragErsetzen(logo, "neues Logo", true));
    LogoWiederherstellen(logo, sicherung);
    BackupLoeschen(sicherung);
    QVERIFY2(!waechter.beenden(), "die Sicherung blockierte auf dem FIFO");
    struct stat st
    {
    };
    QCOMPARE(::lstat(QFile::encodeName(logo).constData(), &st), 0);
    QVERIFY(S_ISFIFO(st.st_mode));
}

QTEST_GUILESS_MAIN(TstFirmenlogo)
#include "tst_firmenlogo.moc"
