// fermalin-cli as a caller meets it: answers through a pipe while the caller
// waits, output that cannot be written, long lines, bad calls, German reasons.
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

#include <fcntl.h>
#include <sys/resource.h>

namespace {

const QByteArray Haushalt = R"({"Beitragsjahr": 2010, "Einkommen1": 30000})"
                            "\n";

struct TLauf
{
    int code = -1;
    QByteArray aus, fehler;
};

// Runs the program with eingabe on its standard input; ausgabe names a file to
// which its standard output is appended, grenze a limit of the size of the files
// it writes in bytes (0: none).
TLauf laufen(const QStringList& args, const QByteArray& eingabe, const QString& ausgabe = {},
             rlim_t grenze = 0)
{
    QProcess p;
    if (!ausgabe.isEmpty())
        p.setStandardOutputFile(ausgabe, QIODevice::Append);
    if (grenze > 0)
        p.setChildProcessModifier([grenze] {
            // as a shell's "ulimit -f" leaves it: the limit, and the signal ignored
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit r{grenze, grenze};
            setrlimit(RLIMIT_FSIZE, &r);
        });
    p.start(QStringLiteral(FERMALIN_CLI), args);
    p.write(eingabe);
    p.closeWriteChannel();
    TLauf l;
    if (!p.waitForFinished(60000))
        return l;
    l.code = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -2;
    l.aus = p.readAllStandardOutput();
    l.fehler = p.readAllStandardError();
    return l;
}

QString meldung(const QByteArray& zeile)
{
    return QJsonDocument::fromJson(zeile).object().value(QStringLiteral("Fehler")).toString();
}

} // namespace

class TstStapelStrom : public QObject
{
    Q_OBJECT
private slots:
    void antwortKommtSofortDurchEineRoehre_data();
    void antwortKommtSofortDurchEineRoehre();
    void nichtBlockierendeRoehren();
    void ausgabeNichtSchreibbar_data();
    void ausgabeNichtSchreibbar();
    void zuLangeZeile();
    void falscheAufrufe_data();
    void falscheAufrufe();
    void kundenname_data();
    void kundenname();
};

void TstStapelStrom::antwortKommtSofortDurchEineRoehre_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QByteArray>("zeile");
    QTest::addColumn<QByteArray>("anfang");
    QTest::newRow("berechne") << QStringList{QStringLiteral("berechne")} << Haushalt
                              << QByteArray("{\"VolleGrundzulage1\"");
    QTest::newRow("angebot") << QStringList{QStringLiteral("angebot")} << Haushalt
                             << QByteArray("{\"Datei\"");
    QTest::newRow("bericht") << QStringList{QStringLiteral("bericht")} << Haushalt
                             << QByteArray("{\"Bericht\"");
    QTest::newRow("steuer") << QStringList{QStringLiteral("steuer")}
                            << QByteArray(R"({"Jahr": 2010, "Tabelle": 1, "zvE": 74500})"
                                          "\n")
                            << QByteArray("{\"Einkommensteuer\":23118,");
}

// An offer program sends one household and waits for its answer before it sends
// the next: the answer must come while the input is still open.
void TstStapelStrom::antwortKommtSofortDurchEineRoehre()
{
    QFETCH(QStringList, args);
    QFETCH(QByteArray, zeile);
    QFETCH(QByteArray, anfang);
    QProcess p;
    p.start(QStringLiteral(FERMALIN_CLI), args);
    QVERIFY(p.waitForStarted(30000));
    for (int runde = 1; runde <= 3; ++runde) {
        p.write(zeile);
        QByteArray antwort;
        while (!antwort.endsWith('\n') && p.waitForReadyRead(10000))
            antwort += p.readAllStandardOutput();
        QVERIFY2(antwort.startsWith(anfang), antwort.left(80).constData());
        QCOMPARE(antwort.count('\n'), 1);
    }
    p.closeWriteChannel();
    QVERIFY(p.waitForFinished(30000));
    QCOMPARE(p.exitCode(), 0);
}

// Some callers hand over pipes set not to block; the program then waits for
// input and for room to write as it would on any pipe.
void TstStapelStrom::nichtBlockierendeRoehren()
{
    QProcess p;
    p.setChildProcessModifier([] {
        for (const int fd : {0, 1})
            fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) | O_NONBLOCK);
    });
    p.start(QStringLiteral(FERMALIN_CLI), {QStringLiteral("bericht")});
    QVERIFY(p.waitForStarted(30000));
    QTest::qWait(300); // the program finds no input at first
    p.write(Haushalt);
    QTest::qWait(300);
    // a thousand reports are far more than a pipe holds at once
    for (int i = 0; i < 1000; ++i)
        p.write(Haushalt);
    p.closeWriteChannel();
    QByteArray aus;
    while (p.state() != QProcess::NotRunning && p.waitForReadyRead(30000))
        aus += p.readAllStandardOutput();
    p.waitForFinished(30000);
    aus += p.readAllStandardOutput();
    QCOMPARE(p.readAllStandardError(), QByteArray());
    QCOMPARE(p.exitCode(), 0);
    QCOMPARE(aus.count('\n'), 1001);
}

void TstStapelStrom::ausgabeNichtSchreibbar_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QByteArray>("eingabe");
    QTest::addColumn<bool>("grenze"); // the file-size limit, else a full device
    QByteArray viele;
    for (int i = 0; i < 200; ++i)
        viele += Haushalt;
    const QByteArray steuer = R"({"Jahr": 2010, "Tabelle": 1, "zvE": 74500})"
                              "\n";
    const struct
    {
        const char* name;
        QStringList args;
        QByteArray eingabe;
    } befehle[] = {
        {"berechne", {QStringLiteral("berechne")}, viele},
        {"steuer", {QStringLiteral("steuer")}, steuer.repeated(2000)},
        {"angebot", {QStringLiteral("angebot"), QStringLiteral("--person=1")}, viele},
        {"bericht", {QStringLiteral("bericht")}, viele},
        {"--help", {QStringLiteral("--help")}, {}},
        {"bericht --pdf",
         {QStringLiteral("bericht"), QStringLiteral("--pdf"), QString()},
         Haushalt},
    };
    for (const auto& b : befehle) {
        QTest::newRow(
            qPrintable(QStringLiteral("%1 auf ein volles Gerät").arg(QLatin1String(b.name))))
            << b.args << b.eingabe << false;
        QTest::newRow(
            qPrintable(QStringLiteral("%1 über die Dateigrößengrenze").arg(QLatin1String(b.name))))
            << b.args << b.eingabe << true;
    }
}

// Output that cannot be written is a failure, said in German, exit status 2 —
// not an exit status 0 over a truncated or empty result.
void TstStapelStrom::ausgabeNichtSchreibbar()
{
    QFETCH(QStringList, args);
    QFETCH(QByteArray, eingabe);
    QFETCH(bool, grenze);
    QTemporaryDir dir;
    if (args.size() == 3 && args.at(2).isEmpty())
        args[2] = dir.filePath(QStringLiteral("bericht.pdf"));
    // The output file already holds 4 MiB and may grow by 20 bytes: every
    // answer fails, while a PDF of its own still fits below the limit.
    constexpr qint64 Vorher = 4 << 20;
    const QString ausgabe =
        grenze ? dir.filePath(QStringLiteral("aus.jsonl")) : QStringLiteral("/dev/full");
    if (grenze) {
        QFile f(ausgabe);
        QVERIFY(f.open(QIODevice::WriteOnly));
        QVERIFY(f.resize(Vorher));
    }
    const TLauf l = laufen(args, eingabe, ausgabe, grenze ? Vorher + 20 : 0);
    QCOMPARE(l.code, 2);
    const QString grund = grenze ? QStringLiteral("die Datei wird zu groß")
                                 : QStringLiteral("kein Speicherplatz mehr frei");
    QVERIFY2(QString::fromUtf8(l.fehler).contains(
                 QStringLiteral("Die Ausgabe kann nicht geschrieben werden: ") + grund +
                 QLatin1Char('.')),
             l.fehler.constData());
    if (grenze)
        QVERIFY(QFileInfo(ausgabe).size() <= Vorher + 20);
}

// A line beyond 16 MiB is refused with its own answer; the lines after it are
// read as ever, and a blank line stays blank however long.
void TstStapelStrom::zuLangeZeile()
{
    const QByteArray lang = "{\"Kundenname\": \"" + QByteArray(17 << 20, 'x') + "\"}\n";
    const QByteArray leer = QByteArray(17 << 20, ' ') + "\r\n";
    const TLauf l = laufen({QStringLiteral("berechne")}, Haushalt + lang + leer + Haushalt);
    QCOMPARE(l.code, 1);
    const QList<QByteArray> zeilen = l.aus.trimmed().split('\n');
    QCOMPARE(zeilen.size(), 3);
    QVERIFY(zeilen.at(0).contains("\"Eigenbeitrag\":1046"));
    QCOMPARE(meldung(zeilen.at(1)),
             QStringLiteral("Zeile 2: die Zeile ist länger als 16 MiB (16777216 Bytes)."));
    QVERIFY(zeilen.at(2).contains("\"Eigenbeitrag\":1046"));
}

void TstStapelStrom::falscheAufrufe_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("meldung");
    QTest::newRow("vertippte Option von bericht")
        << QStringList{QStringLiteral("bericht"), QStringLiteral("--pdff"), QStringLiteral("x.pdf")}
        << QStringLiteral("Unbekannte Option \"--pdff\". Hilfe: fermalin-cli --help");
    QTest::newRow("Option, die berechne nicht kennt")
        << QStringList{QStringLiteral("berechne"), QStringLiteral("--schnell")}
        << QStringLiteral("Unbekannte Option \"--schnell\".");
    QTest::newRow("Option neben --pdf")
        << QStringList{QStringLiteral("bericht"), QStringLiteral("--pdf"), QStringLiteral("x.pdf"),
                       QStringLiteral("-v")}
        << QStringLiteral("Unbekannte Option \"-v\".");
    QTest::newRow("fehlende Datei mit deutschem Grund")
        << QStringList{QStringLiteral("steuer"), QStringLiteral("/gibt/es/nicht.jsonl")}
        << QStringLiteral("Die Datei \"/gibt/es/nicht.jsonl\" kann nicht gelesen werden: Datei "
                          "oder Verzeichnis nicht gefunden.");
    QTest::newRow("ein Verzeichnis als Eingabe")
        << QStringList{QStringLiteral("berechne"), QDir::tempPath()}
        << QStringLiteral("kann nicht gelesen werden: das ist ein Verzeichnis.");
}

// A bad call says what is wrong, in German, and only that: no English text of
// the system or of Qt reaches the caller's terminal.
void TstStapelStrom::falscheAufrufe()
{
    QFETCH(QStringList, args);
    QFETCH(QString, meldung);
    const TLauf l = laufen(args, Haushalt);
    QCOMPARE(l.code, 2);
    QVERIFY(l.aus.isEmpty());
    const QString fehler = QString::fromUtf8(l.fehler);
    QVERIFY2(fehler.contains(meldung), qPrintable(fehler));
    QCOMPARE(fehler.count(QLatin1Char('\n')), 1);
    for (const char* englisch : {"No such", "directory", "QIODevice", "QFile"})
        QVERIFY2(!fehler.contains(QLatin1String(englisch)), qPrintable(fehler));
}

void TstStapelStrom::kundenname_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("angenommen");
    QTest::newRow("1000 Zeichen werden angenommen") << QString(1000, QLatin1Char('a')) << true;
    QTest::newRow("1000 Umlaute sind 1000 Zeichen") << QString(1000, QChar(0xfc)) << true;
    QTest::newRow("1000 Zeichen außerhalb der BMP")
        << QString::fromUcs4(std::u32string(1000, U'\U0001F600').c_str()) << true;
    QTest::newRow("1001 Zeichen werden abgelehnt") << QString(1001, QLatin1Char('a')) << false;
}

void TstStapelStrom::kundenname()
{
    QFETCH(QString, name);
    QFETCH(bool, angenommen);
    const QJsonObject o{{QStringLiteral("Kundenname"), name},
                        {QStringLiteral("Beratungsprotokoll"), true}};
    const TLauf l =
        laufen({QStringLiteral("bericht")}, QJsonDocument(o).toJson(QJsonDocument::Compact) + '\n');
    QCOMPARE(l.code, angenommen ? 0 : 1);
    const QJsonObject antwort = QJsonDocument::fromJson(l.aus).object();
    if (angenommen)
        QVERIFY(antwort.value(QStringLiteral("Bericht"))
                    .toString()
                    .contains(QStringLiteral("erstellt für&nbsp;&nbsp;&nbsp;")));
    else
        QCOMPARE(antwort.value(QStringLiteral("Fehler")).toString(),
                 QStringLiteral("Zeile 1: \"Kundenname\" darf höchstens 1000 Zeichen lang sein."));
}

QTEST_GUILESS_MAIN(TstStapelStrom)
#include "tst_stapelstrom.moc"
