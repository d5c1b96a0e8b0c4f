// fermalin-cli bericht: the document per line, and the PDF without a display.
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct TLauf
{
    int code = -1;
    QByteArray aus, fehler;
};

TLauf laufen(const QStringList& args, const QByteArray& eingabe)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("QT_QPA_PLATFORM")); // the program needs no display of its own
    env.remove(QStringLiteral("DISPLAY"));
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(FERMALIN_CLI), args);
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

} // namespace

class TstBerichtCli : public QObject
{
    Q_OBJECT

private slots:
    void dokumentJeZeile()
    {
        const TLauf l =
            laufen({QStringLiteral("bericht")},
                   "{\"Einkommen1\":30000}\n\n{\"Einkommen1\":30000,\"Beratungsprotokoll\":true,"
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
        const TLauf l = laufen({QStringLiteral("bericht"), QStringLiteral("--pdf"), pdf},
                               "{\"Verheiratet\":true,\"Doppelverdiener\":true,\"Einkommen1\":"
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

QTEST_GUILESS_MAIN(TstBerichtCli)
#include "tst_bericht_cli.moc"
