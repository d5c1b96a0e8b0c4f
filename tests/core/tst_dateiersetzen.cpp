// Replacing and reading the program's files: only ordinary files are written,
// links are followed only where they must be, and nothing blocks on a FIFO.
#include "DateiErsetzen.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include "../Sonderdateien.h"

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Fermalin;

namespace {

QByteArray lokal(const QString& p)
{
    return QFile::encodeName(p);
}

QByteArray inhalt(const QString& pfad)
{
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void schreiben(const QString& pfad, const QByteArray& bytes)
{
    QFile f(pfad);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(bytes), bytes.size());
}

mode_t art(const QString& pfad)
{
    struct stat st
    {
    };
    return ::lstat(lokal(pfad).constData(), &st) == 0 ? (st.st_mode & S_IFMT) : 0;
}

// What stands at the name "ziel" before the write.
enum class TVorher
{
    Fehlt,
    Datei,
    VerknuepfungAufDatei,
    VerknuepfungsketteAufDatei,
    VerknuepfungAufGeraet,
    VerknuepfungAufFifo,
    VerknuepfungInsLeere,
    Fifo,
    GeraetImVerzeichnis,
    Verzeichnis,
};

} // namespace

Q_DECLARE_METATYPE(TVorher)
Q_DECLARE_METATYPE(TLesen)

class TstDateiErsetzen : public QObject
{
    Q_OBJECT
private slots:
    void nurGewoehnlicheDateienWerdenErsetzt_data();
    void nurGewoehnlicheDateienWerdenErsetzt();
    void eintragErsetzenLaesstDasVerknuepfteZiel();
    void rechteBleiben();
    void groessengrenzeMitDeutschemGrund();
    void lesenOeffnetNurGewoehnlicheDateien_data();
    void lesenOeffnetNurGewoehnlicheDateien();
};

void TstDateiErsetzen::nurGewoehnlicheDateienWerdenErsetzt_data()
{
    QTest::addColumn<TVorher>("vorher");
    QTest::addColumn<bool>("ersetzt");
    QTest::newRow("eine neue Datei wird angelegt") << TVorher::Fehlt << true;
    QTest::newRow("eine gewöhnliche Datei wird ersetzt") << TVorher::Datei << true;
    QTest::newRow("eine Verknüpfung auf eine Datei ersetzt deren Inhalt und bleibt")
        << TVorher::VerknuepfungAufDatei << true;
    QTest::newRow("eine Kette von Verknüpfungen führt bis zur Datei")
        << TVorher::VerknuepfungsketteAufDatei << true;
    QTest::newRow("eine Verknüpfung auf ein Gerät wird abgelehnt")
        << TVorher::VerknuepfungAufGeraet << false;
    QTest::newRow("eine Verknüpfung auf ein FIFO wird abgelehnt")
        << TVorher::VerknuepfungAufFifo << false;
    QTest::newRow("eine Verknüpfung ins Leere legt nichts an")
        << TVorher::VerknuepfungInsLeere << false;
    QTest::newRow("ein FIFO wird abgelehnt") << TVorher::Fifo << false;
    QTest::newRow("ein Gerät im Verzeichnis wird abgelehnt")
        << TVorher::GeraetImVerzeichnis << false;
    QTest::newRow("ein Verzeichnis wird abgelehnt") << TVorher::Verzeichnis << false;
}

void TstDateiErsetzen::nurGewoehnlicheDateienWerdenErsetzt()
{
    QFETCH(TVorher, vorher);
    QFETCH(bool, ersetzt);
    // in place allowed or not: a special file is never written either way
    for (const bool anOrt : {false, true}) {
        QTemporaryDir dir;
        const QString ziel = dir.filePath(QStringLiteral("ziel"));
        const QString datei = dir.filePath(QStringLiteral("datei"));
        const QString fifo = dir.filePath(QStringLiteral("fifo"));
        QString gemeint = ziel; // what the new bytes must end up in
        switch (vorher) {
        case TVorher::Fehlt:
            break;
        case TVorher::Datei:
            schreiben(ziel, "alt, und länger als das Neue");
            break;
        case TVorher::VerknuepfungAufDatei:
            schreiben(datei, "alt");
            QVERIFY(QFile::link(QStringLiteral("datei"), ziel));
            gemeint = datei;
            break;
        case TVorher::VerknuepfungsketteAufDatei:
            schreiben(datei, "alt");
            QVERIFY(QFile::link(datei, dir.filePath(QStringLiteral("mitte"))));
            QVERIFY(QFile::link(dir.filePath(QStringLiteral("mitte")), ziel));
            gemeint = datei;
            break;
        case TVorher::VerknuepfungAufGeraet: {
            const QString geraet = GeraetFuerTest(dir.path());
            if (geraet.isEmpty())
                QSKIP("hier lässt sich kein Gerät gefahrlos verknüpfen");
            QVERIFY(QFile::link(geraet, ziel));
            break;
        }
        case TVorher::VerknuepfungAufFifo:
            QCOMPARE(::mkfifo(lokal(fifo).constData(), 0600), 0);
            QVERIFY(QFile::link(fifo, ziel));
            break;
        case TVorher::VerknuepfungInsLeere:
            QVERIFY(QFile::link(datei, ziel));
            break;
        case TVorher::Fifo:
            QCOMPARE(::mkfifo(lokal(ziel).constData(), 0600), 0);
            break;
        case TVorher::GeraetImVerzeichnis:
            // the null device under another name; only root may make one
            if (const QString g = GeraetFuerTest(dir.path());
                !g.startsWith(dir.path()) || !QFile::rename(g, ziel))
                QSKIP("Gerätedateien kann hier nur root anlegen");
            break;
        case TVorher::Verzeichnis:
            QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("ziel")));
            break;
        }
        const mode_t artVorher = art(ziel);
        const mode_t artFifo = art(fifo);
        const mode_t artGeraet = art(dir.filePath(QStringLiteral("geraet")));

        QString grund;
        const bool ok = DateiErsetzen(ziel, "neu", anOrt, &grund);
        QCOMPARE(ok, ersetzt);
        if (ersetzt) {
            QCOMPARE(inhalt(gemeint), QByteArray("neu"));
            // a link stays a link
            QCOMPARE(art(ziel), artVorher ? artVorher : mode_t(S_IFREG));
        } else {
            QVERIFY(!grund.isEmpty());
            QVERIFY2(!grund.contains(QStringLiteral("No such")) &&
                         !grund.contains(QStringLiteral("denied")),
                     qPrintable(grund));
            QCOMPARE(art(ziel), artVorher);
            QCOMPARE(art(fifo), artFifo);
            QCOMPARE(art(dir.filePath(QStringLiteral("geraet"))), artGeraet);
            QVERIFY(!QFileInfo::exists(datei));
        }
        // no temporary file stays behind
        for (const QString& name :
             QDir(dir.path())
                 .entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot))
            QVERIFY2(!name.startsWith(QStringLiteral("ziel.")) &&
                         !name.startsWith(QStringLiteral("datei.")),
                     qPrintable(name));
    }
}

// The chart picture's and the logo's name: whatever stands there goes, and a
// link's target, someone else's file perhaps, is never written.
void TstDateiErsetzen::eintragErsetzenLaesstDasVerknuepfteZiel()
{
    QTemporaryDir dir;
    const QString fremd = dir.filePath(QStringLiteral("fremd"));
    const QString name = dir.filePath(QStringLiteral("G_Ortavo.Bmp"));
    schreiben(fremd, "gehört jemand anderem");
    QVERIFY(QFile::link(fremd, name));
    QString grund;
    QVERIFY2(DateiEintragErsetzen(name, "Bild", false, &grund), qPrintable(grund));
    QCOMPARE(art(name), mode_t(S_IFREG));
    QCOMPARE(inhalt(name), QByteArray("Bild"));
    QCOMPARE(inhalt(fremd), QByteArray("gehört jemand anderem"));

    // a link into nowhere is replaced too, and nothing appears where it pointed
    QVERIFY(QFile::remove(name));
    QVERIFY(QFile::link(dir.filePath(QStringLiteral("nirgends")), name));
    QVERIFY(DateiEintragErsetzen(name, "Bild 2", true, &grund));
    QCOMPARE(inhalt(name), QByteArray("Bild 2"));
    QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("nirgends"))));
}

void TstDateiErsetzen::rechteBleiben()
{
    QTemporaryDir dir;
    const QString pfad = dir.filePath(QStringLiteral("fermalin.ini"));
    schreiben(pfad, "alt");
    QCOMPARE(::chmod(lokal(pfad).constData(), 0640), 0);
    QVERIFY(DateiErsetzen(pfad, "neu", false));
    struct stat st
    {
    };
    QCOMPARE(::stat(lokal(pfad).constData(), &st), 0);
    QCOMPARE(st.st_mode & 07777, mode_t(0640));
}

void TstDateiErsetzen::groessengrenzeMitDeutschemGrund()
{
    QTemporaryDir dir;
    const QString pfad = dir.filePath(QStringLiteral("a.dat"));
    schreiben(pfad, "alt");
    rlimit vorher{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &vorher), 0);
    const auto signal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit eng = vorher;
    eng.rlim_cur = 64;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &eng), 0);
    QString grund;
    const bool ok = DateiErsetzen(pfad, QByteArray(1000, 'x'), true, &grund);
    setrlimit(RLIMIT_FSIZE, &vorher);
    std::signal(SIGXFSZ, signal);
    QVERIFY(!ok);
    QCOMPARE(grund, QStringLiteral("die Datei wird zu groß"));
    QCOMPARE(inhalt(pfad), QByteArray("alt"));
}

void TstDateiErsetzen::lesenOeffnetNurGewoehnlicheDateien_data()
{
    QTest::addColumn<QString>("was");
    QTest::addColumn<TLesen>("ergebnis");
    QTest::newRow("eine Datei wird ganz gelesen") << QStringLiteral("datei") << TLesen::Gelesen;
    QTest::newRow("eine Verknüpfung auf eine Datei wird gelesen")
        << QStringLiteral("verknuepfung") << TLesen::Gelesen;
    QTest::newRow("eine fehlende Datei fehlt") << QStringLiteral("fehlt") << TLesen::Fehlt;
    QTest::newRow("eine Verknüpfung ins Leere fehlt") << QStringLiteral("leer") << TLesen::Fehlt;
    QTest::newRow("ein FIFO blockiert nicht") << QStringLiteral("fifo") << TLesen::KeineDatei;
    QTest::newRow("eine Verknüpfung auf ein FIFO blockiert nicht")
        << QStringLiteral("zumfifo") << TLesen::KeineDatei;
    QTest::newRow("/dev/zero wird nicht endlos gelesen")
        << QStringLiteral("/dev/zero") << TLesen::KeineDatei;
    QTest::newRow("ein Verzeichnis ist keine Datei")
        << QStringLiteral("ordner") << TLesen::KeineDatei;
    QTest::newRow("eine zu große Datei wird nicht gelesen")
        << QStringLiteral("gross") << TLesen::Fehler;
}

void TstDateiErsetzen::lesenOeffnetNurGewoehnlicheDateien()
{
    QFETCH(QString, was);
    QTemporaryDir dir;
    schreiben(dir.filePath(QStringLiteral("datei")), "Inhalt");
    schreiben(dir.filePath(QStringLiteral("gross")), QByteArray(2000, 'g'));
    QVERIFY(QFile::link(QStringLiteral("datei"), dir.filePath(QStringLiteral("verknuepfung"))));
    QVERIFY(QFile::link(QStringLiteral("weg"), dir.filePath(QStringLiteral("leer"))));
    const QByteArray fifo = lokal(dir.filePath(QStringLiteral("fifo")));
    QCOMPARE(::mkfifo(fifo.constData(), 0600), 0);
    QVERIFY(QFile::link(QStringLiteral("fifo"), dir.filePath(QStringLiteral("zumfifo"))));
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("ordner")));

    QByteArray gelesen = "vorher";
    QString grund;
    TFifoWaechter waechter(fifo);
    const TLesen r = DateiLesen(was.startsWith(QLatin1Char('/')) ? was : dir.filePath(was), gelesen,
                                &grund, 1000);
    QVERIFY2(!waechter.beenden(), "blockierte auf dem FIFO");
    QTEST(r, "ergebnis");
    QCOMPARE(gelesen, r == TLesen::Gelesen ? QByteArray("Inhalt") : QByteArray());
    if (r == TLesen::KeineDatei)
        QCOMPARE(grund, KeineDateiGrund());
    if (r == TLesen::Fehler)
        QCOMPARE(grund, QStringLiteral("die Datei ist zu groß"));
}

QTEST_GUILESS_MAIN(TstDateiErsetzen)
#include "tst_dateiersetzen.moc"
