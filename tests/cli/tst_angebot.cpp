// "fermalin-cli angebot": the hand-off file per household line, run as the
// real program.
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryFile>
#include <QTest>

namespace {

struct TLauf
{
    int rueckgabe = -1;
    QList<QByteArray> zeilen;
    QByteArray fehler;
};

TLauf laufen(const QStringList& args, const QByteArray& eingabe)
{
    QProcess p;
    p.start(QStringLiteral(FERMALIN_CLI), QStringList{QStringLiteral("angebot")} + args);
    p.write(eingabe);
    p.closeWriteChannel();
    TLauf l;
    if (!p.waitForFinished(30000))
        return l;
    l.rueckgabe = p.exitCode();
    const QByteArray aus = p.readAllStandardOutput().trimmed();
    l.zeilen = aus.isEmpty() ? QList<QByteArray>() : aus.split('\n');
    l.fehler = p.readAllStandardError();
    return l;
}

// The file's bytes of one output line; what the line holds besides is an error.
QByteArray datei(const QByteArray& zeile)
{
    const QJsonObject o = QJsonDocument::fromJson(zeile).object();
    if (o.size() != 1 || !o.contains(QStringLiteral("Datei")))
        return "<" + zeile + ">";
    return o.value(QStringLiteral("Datei")).toString().toLatin1();
}

const char* const Paar =
    R"("Beitragsjahr": 2010, "Verheiratet": true, "Doppelverdiener": true, "Einkommen1": 30000,
    "Einkommen2": 20000, "KindGebJahr": [2001, 2003, 2008, 2009], "KindPerson": [1, 2, 1, 2],
    "MinBeitrag": false, "BeitragsPosition": 40, "Verteilung": 25)";

} // namespace

class TstAngebot : public QObject
{
    Q_OBJECT
private slots:
    void dateiJeZeile_data();
    void dateiJeZeile();
    void fehlerhafteZeilenUndAufrufe();
    void hilfe();
};

void TstAngebot::dateiJeZeile_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QByteArray>("zeile");
    QTest::addColumn<QByteArray>("erwartet");
    const QByteArray kopf0 = "[Typ]\r\nKlassik=0\r\nEuro=1\r\n\r\n[Daten]\r\n";
    // the same household as on the offer page: 1040 and 1042 at position 25
    QTest::newRow("Paar, 1. Person, wachstumsorientiert")
        << QStringList{QStringLiteral("--person"), QStringLiteral("1")}
        << QByteArray("{") + Paar + R"(, "Klassik1": 1, "Klassik2": 2})"
        << QByteArray(
               "[Typ]\r\nKlassik=1\r\nEuro=1\r\n\r\n[Daten]\r\nTyp=1\r\nEinkommen=3000000\r\n"
               "Kinder=4\r\nGeburtsjahr1=2001\r\nKind1=1\r\nGeburtsjahr2=2003\r\nKind2=0\r\n"
               "Geburtsjahr3=2008\r\nKind3=1\r\nGeburtsjahr4=2009\r\nKind4=0\r\n"
               "EB_Typ=1\r\nEigenbeitrag=104000\r\n");
    QTest::newRow("Paar, 2. Person, risikobewusst")
        << QStringList{QStringLiteral("--person=2")}
        << QByteArray("{") + Paar + R"(, "Klassik1": 1, "Klassik2": 2})"
        << QByteArray(
               "[Typ]\r\nKlassik=2\r\nEuro=1\r\n\r\n[Daten]\r\nTyp=1\r\nEinkommen=2000000\r\n"
               "Kinder=4\r\nGeburtsjahr1=2001\r\nKind1=0\r\nGeburtsjahr2=2003\r\nKind2=1\r\n"
               "Geburtsjahr3=2008\r\nKind3=0\r\nGeburtsjahr4=2009\r\nKind4=1\r\n"
               "EB_Typ=1\r\nEigenbeitrag=104200\r\n");
    QTest::newRow("ledig, ohne --person, minimaler Beitrag")
        << QStringList() << QByteArray(R"({"Beitragsjahr": 2010, "Einkommen1": 30000})")
        << kopf0 + "Typ=1\r\nEinkommen=3000000\r\nKinder=0\r\nEB_Typ=2\r\n";
    // a single's children count for person 1 whatever KindPerson says
    QTest::newRow("ledig mit Kind für die 2. Person")
        << QStringList{QStringLiteral("--person"), QStringLiteral("1")}
        << QByteArray(
               R"({"Beitragsjahr": 2010, "Einkommen1": 30000, "KindGebJahr": [2009], "KindPerson": [2],
                          "MinBeitrag": false, "BeitragsPosition": 30})")
        << kopf0 + "Typ=1\r\nEinkommen=3000000\r\nKinder=1\r\nGeburtsjahr1=2009\r\nKind1=1\r\n"
                   "EB_Typ=1\r\nEigenbeitrag=80400\r\n";
    QTest::newRow("Einzelverdiener, 2. Person: tariflicher Mindestbeitrag 30")
        << QStringList{QStringLiteral("--person"), QStringLiteral("2")}
        << QByteArray(
               R"({"Beitragsjahr": 2010, "Verheiratet": true, "Einkommen1": 40000, "KindGebJahr": [2005],
                          "KindPerson": [2], "MinBeitrag": false, "BeitragsPosition": 50,
                          "Verteilung": 0})")
        << kopf0 + "Typ=3\r\nKinder=1\r\nGeburtsjahr1=2005\r\nKind1=1\r\nEB_Typ=1\r\n"
                   "Eigenbeitrag=3000\r\n";
    QTest::newRow("Einzelverdiener, 1. Person am Maximum: EB_Typ 1")
        << QStringList{QStringLiteral("--person"), QStringLiteral("1")}
        << QByteArray(
               R"({"Beitragsjahr": 2010, "Verheiratet": true, "Einkommen1": 40000, "KindGebJahr": [2005],
                          "KindPerson": [2], "MinBeitrag": false, "BeitragsPosition": 50,
                          "Verteilung": 0})")
        << kopf0 + "Typ=2\r\nEinkommen=4000000\r\nKinder=1\r\nGeburtsjahr1=2005\r\nKind1=0\r\n"
                   "EB_Typ=1\r\nEigenbeitrag=157700\r\n";
}

void TstAngebot::dateiJeZeile()
{
    QFETCH(QStringList, args);
    QFETCH(QByteArray, zeile);
    QFETCH(QByteArray, erwartet);
    // through a file and through the standard input
    QTemporaryFile f;
    QVERIFY(f.open());
    f.write(zeile.simplified() + '\n');
    f.close();
    const TLauf ausDatei = laufen(args + QStringList{f.fileName()}, {});
    QCOMPARE(ausDatei.rueckgabe, 0);
    QCOMPARE(ausDatei.zeilen.size(), 1);
    QCOMPARE(datei(ausDatei.zeilen.first()), erwartet);
    const TLauf ausEingabe = laufen(args, zeile.simplified() + '\n');
    QCOMPARE(ausEingabe.zeilen, ausDatei.zeilen);
}

void TstAngebot::fehlerhafteZeilenUndAufrufe()
{
    const TLauf l = laufen({QStringLiteral("--person"), QStringLiteral("2")},
                           "{\"Einkommen1\": 30000}\n"
                           "{\"Verheiratet\": true, \"Einkommen1\": 30000, \"Klassik2\": 3}\n"
                           "\n"
                           "{\"Verheiratet\": true, \"Einkommen1\": 30000, \"Klassik9\": 1}\n"
                           "{\"Verheiratet\": true, \"Einkommen1\": 30000, \"Klassik2\": 1}\n");
    QCOMPARE(l.rueckgabe, 1);
    QCOMPARE(l.zeilen.size(), 4);
    const auto meldung = [&l](int i) {
        return QJsonDocument::fromJson(l.zeilen.at(i))
            .object()
            .value(QStringLiteral("Fehler"))
            .toString();
    };
    QVERIFY2(meldung(0).startsWith(QStringLiteral("Zeile 1: \"--person 2\"")),
             qPrintable(meldung(0)));
    QVERIFY2(meldung(1).contains(QStringLiteral("\"Klassik2\" muss eine ganze Zahl von 0 bis 2")),
             qPrintable(meldung(1)));
    QVERIFY2(meldung(2).startsWith(QStringLiteral("Zeile 4: unbekannter Schlüssel \"Klassik9\"")),
             qPrintable(meldung(2)));
    QVERIFY(datei(l.zeilen.at(3)).startsWith("[Typ]\r\nKlassik=1\r\n"));

    for (const QStringList& falsch :
         {QStringList{QStringLiteral("--person")},
          QStringList{QStringLiteral("--person"), QStringLiteral("3")},
          QStringList{QStringLiteral("--persona"), QStringLiteral("1")},
          QStringList{QStringLiteral("a.jsonl"), QStringLiteral("b.jsonl")},
          QStringList{QStringLiteral("/gibt/es/nicht.jsonl")}}) {
        const TLauf r = laufen(falsch, {});
        QCOMPARE(r.rueckgabe, 2);
        QVERIFY(r.zeilen.isEmpty());
        QVERIFY(!r.fehler.isEmpty());
    }
}

void TstAngebot::hilfe()
{
    QProcess p;
    p.start(QStringLiteral(FERMALIN_CLI), {QStringLiteral("--help")});
    QVERIFY(p.waitForFinished(30000));
    const QString text = QString::fromUtf8(p.readAllStandardOutput());
    QVERIFY(text.contains(QStringLiteral("fermalin-cli angebot [--person 1|2] [DATEI]")));
    QVERIFY(text.contains(QStringLiteral("Klassik1, Klassik2")));
    QVERIFY(text.contains(QStringLiteral("wachstumsorientiert")));
}

QTEST_GUILESS_MAIN(TstAngebot)
#include "tst_angebot.moc"
