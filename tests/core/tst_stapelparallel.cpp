// The batch loop on several threads answers byte for byte as on one: in input
// order, with the same line numbers and exit status, at once through a pipe,
// and it stops reading soon after the output fails.
#include "StapelParallel.h"
#include "StapelStrom.h"

#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <random>
#include <thread>

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

using namespace Fermalin;

namespace {

// Answers with the line's number and text; a line with an x is refused. Lines
// take very different times, so that later blocks finish before earlier ones.
QByteArray Probezeile(QByteArrayView zeile, bool& fehler, qint64 nummer)
{
    const QByteArray text = zeile.toByteArray().trimmed();
    fehler = text.contains('x');
    if (text.size() % 7 == 0)
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    QByteArray aus = "{\"n\":" + QByteArray::number(nummer) + ",\"z\":\"" + text + "\"";
    // a line with a w answers at length: the answers of one block exceed the output buffer
    if (text.contains('w'))
        aus += ",\"l\":\"" + QByteArray(300 * 1024, 'l') + "\"";
    return aus + "}";
}

struct TErgebnis
{
    int status = -1;
    QByteArray aus;
    int fehlernummer = 0;
};

QByteArray Lesen(const QString& pfad)
{
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("nicht lesbar");
}

// Runs a loop over eingabe from a file into a file; faeden 1 is the loop of one thread.
TErgebnis Laufen(const QByteArray& eingabe, int faeden, qsizetype hoechstlaenge,
                 const TZeilenFunktion& funktion = Probezeile, const char* ziel = nullptr)
{
    QTemporaryDir dir;
    const QString ein = dir.filePath(QStringLiteral("ein")),
                  aus = dir.filePath(QStringLiteral("aus"));
    QFile f(ein);
    if (!f.open(QIODevice::WriteOnly) || f.write(eingabe) != eingabe.size())
        return {};
    f.close();
    const int fdEin = ::open(QFile::encodeName(ein).constData(), O_RDONLY);
    const int fdAus = ::open(ziel ? ziel : QFile::encodeName(aus).constData(),
                             O_WRONLY | O_CREAT | O_TRUNC, 0600);
    TErgebnis e;
    {
        TZeilenLeser leser(fdEin, hoechstlaenge, 4096);
        TStapelAusgabe ausgabe(fdAus);
        e.status = faeden == 1
                       ? (qputenv("FERMALIN_FAEDEN", "1"), StapelLaufen(funktion, leser, ausgabe))
                       : StapelParallelLaufen(funktion, leser, ausgabe, faeden);
        qunsetenv("FERMALIN_FAEDEN");
        ausgabe.abschliessen();
        e.fehlernummer = ausgabe.fehlernummer();
    }
    ::close(fdEin);
    if (!ziel)
        e.aus = Lesen(aus);
    return e;
}

QByteArray VieleZeilen(int n, unsigned saat)
{
    std::mt19937 zufall(saat);
    const char* const arten[] = {"a", "bb ", "  \t", "x", "ccc\r", "", "dddddd", "w"};
    QByteArray s;
    for (int i = 0; i < n; ++i) {
        const char* art = arten[zufall() % (std::size(arten) - (zufall() % 50 ? 1 : 0))];
        s += QByteArray(art) + QByteArray(static_cast<qsizetype>(zufall() % 90), 'q') + '\n';
        if (zufall() % 200 == 0)
            s += QByteArray(5000, 'y') + '\n'; // beyond the reader's limit below
    }
    return s;
}

} // namespace

class TstStapelParallel : public QObject
{
    Q_OBJECT
private slots:
    void wieEinFaden_data();
    void wieEinFaden();
    void antwortVorDemWarten();
    void schreibfehlerHaeltBaldAn();
    void fadenzahl_data();
    void fadenzahl();
};

void TstStapelParallel::wieEinFaden_data()
{
    QTest::addColumn<QByteArray>("eingabe");
    QTest::addColumn<int>("faeden");
    QTest::newRow("Leere Eingabe gibt nichts und Status 0") << QByteArray() << 2;
    QTest::newRow("Nur leere Zeilen geben nichts") << QByteArray("  \n\t\r\n\n") << 3;
    QTest::newRow("Eine Zeile ohne Zeilenende") << QByteArray("abc") << 2;
    QTest::newRow("Eine abgelehnte Zeile setzt Status 1") << QByteArray("a\n\nx\nb") << 2;
    QTest::newRow("Eine zu lange Zeile nennt ihre Nummer")
        << QByteArray("a\n" + QByteArray(9000, 'y') + "\n" + QByteArray(9000, ' ') + "\nb\n") << 2;
    QTest::newRow("Viele Blöcke mit zwei Fäden") << VieleZeilen(20000, 1) << 2;
    QTest::newRow("Viele Blöcke mit acht Fäden") << VieleZeilen(20000, 2) << 8;
    QTest::newRow("Lange Antworten über den Ausgabepuffer hinaus")
        << QByteArray("a\nw\nb\nw\nw\nc\n").repeated(40) << 3;
}

void TstStapelParallel::wieEinFaden()
{
    QFETCH(QByteArray, eingabe);
    QFETCH(int, faeden);
    const TErgebnis einer = Laufen(eingabe, 1, 4096);
    const TErgebnis viele = Laufen(eingabe, faeden, 4096);
    QVERIFY(einer.status >= 0);
    QCOMPARE(viele.status, einer.status);
    QCOMPARE(viele.aus.size(), einer.aus.size());
    QVERIFY(viele.aus == einer.aus);
    QCOMPARE(viele.fehlernummer, 0);
}

// A caller sends one line through a pipe and waits for its answer before it
// sends the next.
void TstStapelParallel::antwortVorDemWarten()
{
    int hin[2], zurueck[2];
    QVERIFY(::pipe(hin) == 0 && ::pipe(zurueck) == 0);
    int status = -1;
    std::thread lauf([&] {
        TZeilenLeser leser(hin[0]);
        TStapelAusgabe ausgabe(zurueck[1]);
        status = StapelParallelLaufen(Probezeile, leser, ausgabe, 4);
        ausgabe.abschliessen();
    });
    // the input ends however the test ends, so that the loop returns
    struct TEnde
    {
        int fd;
        std::thread& t;
        ~TEnde()
        {
            if (t.joinable()) {
                ::close(fd);
                t.join();
            }
        }
    } ende{hin[1], lauf};
    for (int runde = 1; runde <= 3; ++runde) {
        const QByteArray zeile = runde == 2 ? "x\n" : "ab\n";
        QCOMPARE(::write(hin[1], zeile.constData(), size_t(zeile.size())), zeile.size());
        QByteArray antwort;
        while (!antwort.endsWith('\n')) {
            pollfd bereit{zurueck[0], POLLIN, 0};
            if (::poll(&bereit, 1, 10000) != 1)
                break;
            char puffer[256];
            const ssize_t n = ::read(zurueck[0], puffer, sizeof puffer);
            if (n <= 0)
                break;
            antwort.append(puffer, n);
        }
        QCOMPARE(antwort,
                 "{\"n\":" + QByteArray::number(runde) + ",\"z\":\"" + zeile.trimmed() + "\"}\n");
    }
    ::close(hin[1]);
    lauf.join();
    ::close(hin[0]);
    ::close(zurueck[0]);
    QCOMPARE(status, 1);
}

// Output that cannot be written ends the run with status 2, and the input is
// not read on to its end.
void TstStapelParallel::schreibfehlerHaeltBaldAn()
{
    std::atomic<int> gerechnet = 0;
    const TZeilenFunktion zaehlend = [&gerechnet](QByteArrayView, bool& fehler, qint64) {
        ++gerechnet;
        fehler = false;
        return QByteArray(1000, 'a');
    };
    const TErgebnis e = Laufen(QByteArray("z\n").repeated(200000), 4, 4096, zaehlend, "/dev/full");
    QCOMPARE(e.status, 2);
    QCOMPARE(e.fehlernummer, ENOSPC);
    QVERIFY2(gerechnet < 20000, QByteArray::number(gerechnet.load()).constData());
}

void TstStapelParallel::fadenzahl_data()
{
    QTest::addColumn<QByteArray>("wert");
    QTest::addColumn<int>("faeden"); // 0: one per core
    QTest::newRow("Ohne Vorgabe einer je Kern") << QByteArray() << 0;
    QTest::newRow("Eins erzwingt einen Faden") << QByteArray("1") << 1;
    QTest::newRow("Vier gibt vier Fäden") << QByteArray("4") << 4;
    QTest::newRow("Null gilt nicht") << QByteArray("0") << 0;
    QTest::newRow("Mehr als 64 gilt nicht") << QByteArray("65") << 0;
    QTest::newRow("Ein Wort gilt nicht") << QByteArray("viele") << 0;
}

void TstStapelParallel::fadenzahl()
{
    QFETCH(QByteArray, wert);
    QFETCH(int, faeden);
    if (wert.isEmpty())
        qunsetenv("FERMALIN_FAEDEN");
    else
        qputenv("FERMALIN_FAEDEN", wert);
    const int erwartet =
        faeden > 0 ? faeden : std::max(1, static_cast<int>(std::thread::hardware_concurrency()));
    QCOMPARE(StapelFaeden(), erwartet);
    qunsetenv("FERMALIN_FAEDEN");
}

QTEST_GUILESS_MAIN(TstStapelParallel)
#include "tst_stapelparallel.moc"
