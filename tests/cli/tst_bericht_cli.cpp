// fermalin-cli bericht: the document per line, and the PDF without a display.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include "../Sonderdateien.h"

#include <functional>

#include <linux/capability.h>
#include <sys/prctl.h>
#include <sys/resource.h>

namespace {

struct TLauf
{
    int code = -1;
    QByteArray aus, fehler;
};

struct TLaufArt
{
    QString programm = QStringLiteral(FERMALIN_CLI);
    std::function<void(QProcessEnvironment&)> umgebung;
    std::function<void()> imKind; // runs in the child before the program starts
};

TLauf laufen(const QStringList& args, const QByteArray& eingabe, const TLaufArt& art = {})
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("QT_QPA_PLATFORM")); // the program needs no display of its own
    env.remove(QStringLiteral("DISPLAY"));
    if (art.umgebung)
        art.umgebung(env);
    p.setProcessEnvironment(env);
    if (art.imKind)
        p.setChildProcessModifier(art.imKind);
    p.start(art.programm, args);
    p.write(eingabe);
    p.closeWriteChannel();
    TLauf l;
    if (!p.waitForFinished(60000))
        return l;
    l.code = p.exitCode();
    l.aus = p.readAllStandardOutput();
    l.fehler = p.readAllStandardError();
    return l;
}

QString fehlerText(const TLauf& l)
{
    return QJsonDocument::fromJson(l.aus).object().value(QStringLiteral("Fehler")).toString();
}

const QByteArray Haushalt =
    "{\"Beitragsjahr\":2010,\"Einkommen1\":30000,\"Beratungsprotokoll\":true}\n";

// A 24-bit bitmap header for w x h points with as many bytes of data as given.
QByteArray bmp(qint32 w, qint32 h, qsizetype daten)
{
    QByteArray b(54, '\0');
    b[0] = 'B';
    b[1] = 'M';
    qToLittleEndian<quint32>(static_cast<quint32>(54 + daten), b.data() + 2);
    qToLittleEndian<quint32>(54, b.data() + 10);
    qToLittleEndian<quint32>(40, b.data() + 14);
    qToLittleEndian<qint32>(w, b.data() + 18);
    qToLittleEndian<qint32>(h, b.data() + 22);
    qToLittleEndian<quint16>(1, b.data() + 26);
    qToLittleEndian<quint16>(24, b.data() + 28);
    return b + QByteArray(daten, '\x40');
}

} // namespace

class TstBerichtCli : public QObject
{
    Q_OBJECT

private slots:
    void dokumentJeZeile()
    {
        const TLauf l =
            laufen({QStringLiteral("bericht")},
                   "{\"Beitragsjahr\":2010,\"Einkommen1\":30000}\n\n{\"Beitragsjahr\":2010,"
                   "\"Einkommen1\":30000,\"Beratungsprotokoll\":true,"
                   "\"Kundenname\":\"M\\u00fcller & <S\\u00f6hne>\"}\n{\"Kundenname\":3}\n");
        QCOMPARE(l.code, 1);
        const QList<QByteArray> zeilen = l.aus.trimmed().split('\n');
        QCOMPARE(zeilen.size(), 3);
        const QString erster = QJsonDocument::fromJson(zeilen.at(0))
                                   .object()
                                   .value(QStringLiteral("Bericht"))
                                   .toString();
        QVERIFY(erster.startsWith(QStringLiteral("<html>\r\n<head>\r\n")));
        QVERIFY(erster.endsWith(QStringLiteral("</body>\r\n</html>\r\n")));
        QVERIFY(erster.contains(QStringLiteral(">30.000&#160; Euro</td>")));
        QVERIFY(!erster.contains(QStringLiteral("erstellt für")));
        const QString zweiter = QJsonDocument::fromJson(zeilen.at(1))
                                    .object()
                                    .value(QStringLiteral("Bericht"))
                                    .toString();
        QVERIFY(zweiter.contains(QStringLiteral("erstellt für&nbsp;&nbsp;&nbsp;Müller &amp; "
                                                "&lt;Söhne&gt;</h2>")));
        QCOMPARE(QJsonDocument::fromJson(zeilen.at(2))
                     .object()
                     .value(QStringLiteral("Fehler"))
                     .toString(),
                 QStringLiteral("Zeile 4: \"Kundenname\" muss eine Zeichenkette sein."));
        // a key of neither list is refused as for "berechne"
        const TLauf unbekannt = laufen({QStringLiteral("bericht")}, "{\"MitLogo\":true}\n");
        QCOMPARE(unbekannt.code, 1);
        QVERIFY(unbekannt.aus.contains("unbekannter Schl\xC3\xBCssel \\\"MitLogo\\\""));
    }

    void pdfOhneBildschirm()
    {
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("bericht.pdf"));
        const TLauf l = laufen(
            {QStringLiteral("bericht"), QStringLiteral("--pdf"), pdf},
            "{\"Beitragsjahr\":2010,\"Verheiratet\":true,\"Doppelverdiener\":true,\"Einkommen1\":"
            "42000,\"Einkommen2\":28000,\"Beratungsprotokoll\":true,"
            "\"MitGrafik\":true}\n");
        QCOMPARE(l.code, 0);
        const QJsonObject o = QJsonDocument::fromJson(l.aus).object();
        QCOMPARE(o.value(QStringLiteral("Seiten")).toInt(), 2);
        QFile f(pdf);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray inhalt = f.readAll();
        QVERIFY(inhalt.startsWith("%PDF"));
        QVERIFY(inhalt.contains("/Subtype /Image")); // the chart picture
    }

    void pdfNurGanzGeschrieben_data();
    void pdfNurGanzGeschrieben();
    void mitGrafikNurMitPdf();
    void ohneTemporaeresVerzeichnis();
    void logoFehler_data();
    void logoFehler();

    void pdfAufrufFehler()
    {
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("x.pdf"));
        QCOMPARE(laufen({QStringLiteral("bericht"), QStringLiteral("--pdf")}, "{}\n").code, 2);
        const TLauf zwei =
            laufen({QStringLiteral("bericht"), QStringLiteral("--pdf"), pdf}, "{}\n{}\n");
        QCOMPARE(zwei.code, 2);
        QVERIFY(zwei.fehler.contains("genau eine Eingabezeile"));
        QVERIFY(!QFile::exists(pdf));
        const TLauf falsch =
            laufen({QStringLiteral("bericht"), QStringLiteral("--pdf"), pdf}, "{\"Soli\":1}\n");
        QCOMPARE(falsch.code, 1);
        QVERIFY(falsch.aus.startsWith("{\"Fehler\":\"Zeile 1: \\\"Soli\\\""));
        QVERIFY(!QFile::exists(pdf));
    }
};

void TstBerichtCli::pdfNurGanzGeschrieben_data()
{
    QTest::addColumn<QString>("fall");
    QTest::addColumn<QString>("grund");
    QTest::newRow("/dev/full wird nicht beschrieben")
        << QStringLiteral("/dev/full") << QStringLiteral("das ist keine gewöhnliche Datei");
    QTest::newRow("eine Verknüpfung auf ein Gerät wird nicht beschrieben")
        << QStringLiteral("geraet") << QStringLiteral("das ist keine gewöhnliche Datei");
    QTest::newRow("unter einer Größengrenze bleibt die alte PDF-Datei")
        << QStringLiteral("grenze") << QStringLiteral("die Datei wird zu groß");
}

void TstBerichtCli::pdfNurGanzGeschrieben()
{
    QFETCH(QString, fall);
    QFETCH(QString, grund);
    QTemporaryDir dir;
    QString pdf = dir.filePath(QStringLiteral("bericht.pdf"));
    const QByteArray alt = "%PDF-1.4 der Bericht von gestern";
    TLaufArt art;
    if (fall == QLatin1String("geraet")) {
        const QString geraet = GeraetFuerTest(dir.path());
        if (geraet.isEmpty())
            QSKIP("hier lässt sich kein Gerät gefahrlos verknüpfen");
        QVERIFY(QFile::link(geraet, pdf));
    } else if (fall == QLatin1String("grenze")) {
        QFile f(pdf);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(alt);
        // the program itself must outlive the limit: it ignores SIGXFSZ
        art.imKind = [] {
            rlimit eng{};
            getrlimit(RLIMIT_FSIZE, &eng);
            eng.rlim_cur = 4096;
            setrlimit(RLIMIT_FSIZE, &eng);
        };
    } else {
        pdf = fall;
    }
    const TLauf l =
        laufen({QStringLiteral("bericht"), QStringLiteral("--pdf"), pdf}, Haushalt, art);
    QCOMPARE(l.code, 1);
    QCOMPARE(fehlerText(l),
             QStringLiteral("Die PDF-Datei \"%1\" kann nicht geschrieben werden: %2.")
                 .arg(QFileInfo(pdf).fileName(), grund));
    QCOMPARE(l.fehler, QByteArray());
    if (fall == QLatin1String("grenze")) {
        QFile f(pdf);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), alt);
    }
    if (fall == QLatin1String("geraet"))
        QVERIFY(QFileInfo(pdf).isSymLink() && !QFileInfo(pdf).isFile());
    QCOMPARE(QDir(dir.path()).entryList({QStringLiteral("bericht.pdf.*")}, QDir::Files),
             QStringList());
}

// The HTML document only names the chart's picture, which a batch run has no
// place for: "MitGrafik" goes with --pdf only.
void TstBerichtCli::mitGrafikNurMitPdf()
{
    const TLauf l = laufen({QStringLiteral("bericht")},
                           "{\"Beitragsjahr\":2010,\"Einkommen1\":30000}\n{\"Beitragsjahr\":2010,"
                           "\"Einkommen1\":30000,\"MitGrafik\":true}\n");
    QCOMPARE(l.code, 1);
    const QList<QByteArray> zeilen = l.aus.trimmed().split('\n');
    QCOMPARE(zeilen.size(), 2);
    QVERIFY(zeilen.at(0).startsWith("{\"Bericht\":"));
    QCOMPARE(QJsonDocument::fromJson(zeilen.at(1)).object().value(QStringLiteral("Fehler")),
             QStringLiteral("Zeile 2: \"MitGrafik\": true geht nur mit --pdf: Das HTML-Dokument "
                            "nennt das Bild der Grafik nur und enthält es nicht."));
}

// Without a usable temporary folder there is no chart picture: refused, not a
// PDF with a dot for the chart.
void TstBerichtCli::ohneTemporaeresVerzeichnis()
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("bericht.pdf"));
    QTemporaryDir laufzeit; // else Qt makes its runtime folder below the root
    TLaufArt art;
    art.umgebung = [&laufzeit](QProcessEnvironment& env) {
        for (const char* name : {"temp", "TEMP", "TMP"})
            env.remove(QLatin1String(name));
        env.insert(QStringLiteral("TMPDIR"), QStringLiteral("/gibt/es/nicht"));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), laufzeit.path());
    };
    const TLauf l =
        laufen({QStringLiteral("bericht"), QStringLiteral("--pdf"), pdf},
               "{\"Beitragsjahr\":2010,\"Einkommen1\":30000,\"MitGrafik\":true}\n", art);
    QCOMPARE(l.code, 1);
    QCOMPARE(fehlerText(l),
             QStringLiteral("Zeile 1: \"MitGrafik\" geht nicht: Es gibt kein nutzbares Verzeichnis "
                            "für temporäre Dateien (temp, TEMP, TMP, TMPDIR oder /tmp)."));
    QVERIFY(!QFileInfo::exists(pdf));
    // without the chart the PDF is made all the same
    const TLauf ohne = laufen({QStringLiteral("bericht"), QStringLiteral("--pdf"), pdf},
                              "{\"Beitragsjahr\":2010,\"Einkommen1\":30000}\n", art);
    QCOMPARE(ohne.code, 0);
    QVERIFY(QFileInfo(pdf).isFile());
}

// A logo that is there but cannot be printed refuses the line and names the
// logo file; the program's copy in a folder of its own has the logo beside it.
void TstBerichtCli::logoFehler_data()
{
    QTest::addColumn<QByteArray>("logo"); // the file's bytes, or FIFO, ORDNER, UNLESBAR
    QTest::addColumn<QString>("grund");   // empty: printed with the logo
    QTest::newRow("ein gültiges Logo wird gedruckt") << bmp(30, 10, 30 * 10 * 3 + 20) << QString();
    QTest::newRow("ein beschädigtes Logo wird abgelehnt")
        << QByteArray("BM kaputt").repeated(10)
        << QStringLiteral("die Datei enthält kein lesbares Bild");
    QTest::newRow("ein leeres Logo wird abgelehnt")
        << QByteArray("") << QStringLiteral("die Datei ist leer");
    QTest::newRow("ein Logo von 20 000 × 20 000 Punkten wird abgelehnt")
        << bmp(20000, 20000, 4096)
        << QStringLiteral("das Bild ist mit 20000 × 20000 Punkten zu groß");
    QTest::newRow("ein unlesbares Logo wird abgelehnt")
        << QByteArray("UNLESBAR") << QStringLiteral("keine Berechtigung");
    QTest::newRow("ein FIFO als Logo blockiert nicht")
        << QByteArray("FIFO") << QStringLiteral("das ist keine gewöhnliche Datei");
    QTest::newRow("ein Verzeichnis als Logo wird abgelehnt")
        << QByteArray("ORDNER") << QStringLiteral("das ist keine gewöhnliche Datei");
}

void TstBerichtCli::logoFehler()
{
    QFETCH(QByteArray, logo);
    QFETCH(QString, grund);
    QTemporaryDir dir;
    TLaufArt art;
    art.programm = dir.filePath(QStringLiteral("fermalin-cli"));
    QVERIFY(QFile::copy(QStringLiteral(FERMALIN_CLI), art.programm));
    const QString logoDatei = dir.filePath(QStringLiteral("logo.bmp"));
    const QString pdf = dir.filePath(QStringLiteral("bericht.pdf"));
    if (logo == "FIFO") {
        QCOMPARE(::mkfifo(QFile::encodeName(logoDatei).constData(), 0600), 0);
    } else if (logo == "ORDNER") {
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("logo.bmp")));
    } else {
        QFile f(logoDatei);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(logo == "UNLESBAR" ? bmp(30, 10, 30 * 10 * 3 + 20) : logo);
    }
    if (logo == "UNLESBAR") {
        QVERIFY(QFile::setPermissions(logoDatei, QFileDevice::WriteOwner));
        // root reads everything: the program runs without the rights that let it
        if (::geteuid() == 0) {
            if (::prctl(PR_CAPBSET_READ, CAP_DAC_OVERRIDE) == 1 &&
                ::prctl(PR_CAPBSET_DROP, CAP_DAC_OVERRIDE) != 0 && errno == EPERM)
                QSKIP("Root-Rechte lassen sich hier nicht abgeben");
            art.imKind = [] {
                for (const int cap : {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH})
                    ::prctl(PR_CAPBSET_DROP, cap);
            };
        }
    }
    TFifoWaechter waechter(QFile::encodeName(logoDatei), std::chrono::milliseconds(20000));
    const TLauf l =
        laufen({QStringLiteral("bericht"), QStringLiteral("--pdf"), pdf},
               "{\"Beitragsjahr\":2010,\"Einkommen1\":30000,\"Firmenlogo\":true}\n", art);
    QVERIFY2(!waechter.beenden(), "blockierte auf dem FIFO");
    QCOMPARE(l.fehler, QByteArray());
    if (grund.isEmpty()) {
        QCOMPARE(l.code, 0);
        QFile f(pdf);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(f.readAll().contains("/Subtype /Image"));
        return;
    }
    QCOMPARE(l.code, 1);
    QCOMPARE(fehlerText(l),
             QStringLiteral("Zeile 1: Das Firmen-Logo \"%1\" kann nicht gedruckt werden: %2.")
                 .arg(logoDatei, grund));
    QVERIFY(!QFileInfo::exists(pdf));
}

QTEST_GUILESS_MAIN(TstBerichtCli)
#include "tst_bericht_cli.moc"
