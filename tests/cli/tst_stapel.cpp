#include "Stapel.h"

#include <QBuffer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryFile>
#include <QTest>

using namespace Fermalin;

namespace {

QJsonObject berechne(const char* zeile, bool* fehlerAus = nullptr)
{
    bool fehler = false;
    const QByteArray aus = BerechneZeile(QByteArrayView(zeile), fehler);
    if (fehlerAus)
        *fehlerAus = fehler;
    return QJsonDocument::fromJson(aus).object();
}

} // namespace

class TstStapel : public QObject
{
    Q_OBJECT
private slots:
    void ledigMitVorgaben();
    void doppelverdienerAufteilung();
    void eingabenWerdenAngeglichen();
    void fehlerhafteZeilen_data();
    void fehlerhafteZeilen();
    void steuer();
    void steuerBereiche_data();
    void steuerBereiche();
    void grenzwerteWerdenGerechnet_data();
    void grenzwerteWerdenGerechnet();
    void programmUeberDatei();
    void jedeZeileBekommtIhreAntwort_data();
    void jedeZeileBekommtIhreAntwort();
    void deutscheParsermeldungen_data();
    void deutscheParsermeldungen();
};

void TstStapel::ledigMitVorgaben()
{
    bool fehler = true;
    const QJsonObject o =
        berechne(R"({"Beitragsjahr": 2010, "Einkommen1": 30000, "TarMindBtr": false})", &fehler);
    QVERIFY(!fehler);
    QCOMPARE(o.value(QStringLiteral("Eigenbeitrag")).toDouble(), 1046.0);
    QCOMPARE(o.value(QStringLiteral("Gesamtbeitrag")).toDouble(), 1200.0);
    QCOMPARE(o.value(QStringLiteral("zvE")).toDouble(), 25206.8);
    QCOMPARE(o.value(QStringLiteral("Steuerersparnis")).toDouble(), 195.0);
    QCOMPARE(o.value(QStringLiteral("BeitragsPosition")).toInt(), 29); // minimum mode
    QCOMPARE(o.value(QStringLiteral("AnzahlFoerderberechtigte")).toInt(), 1);
    QCOMPARE(o.value(QStringLiteral("KiStSatz")).toDouble(), 0.0);
    for (const char* feld :
         {"VolleGrundzulage1", "VolleGrundzulage2", "VolleKinderzulage1", "VolleKinderzulage2",
          "Mindesteigenbeitrag1", "Mindesteigenbeitrag2", "TarifMindestbeitrag1",
          "TarifMindestbeitrag2", "PositionVolleZulagen", "PositionTarMindBtr", "Grundzulage1",
          "Grundzulage2", "Kinderzulage1", "Kinderzulage2", "Foerderquote", "Einkommen2"})
        QVERIFY2(o.value(QLatin1String(feld)).isDouble(), feld);
    const QJsonObject bericht = o.value(QStringLiteral("Aufteilung"))
                                    .toObject()
                                    .value(QStringLiteral("Bericht"))
                                    .toObject();
    QCOMPARE(bericht.value(QStringLiteral("Eigenbeitrag1")).toDouble(), 1046.0);
    QCOMPARE(bericht.value(QStringLiteral("Eigenbeitrag2")).toDouble(), 0.0);
    QVERIFY(bericht.value(QStringLiteral("Hinweis")).isNull());
    QCOMPARE(bericht.value(QStringLiteral("Schieberegler")).toBool(), false);
    QVERIFY(bericht.value(QStringLiteral("Info")).toString().contains(QStringLiteral("2010")));
}

void TstStapel::doppelverdienerAufteilung()
{
    // 30000/20000 without children: M1 1046, M2 646; at the right end E = 2 · 2100 − 308
    const QJsonObject o =
        berechne(R"({"Beitragsjahr": 2010, "Verheiratet": true, "Doppelverdiener": true,
        "Einkommen1": 30000, "Einkommen2": 20000, "MinBeitrag": false, "BeitragsPosition": 50,
        "Verteilung": 50})");
    QCOMPARE(o.value(QStringLiteral("AnzahlFoerderberechtigte")).toInt(), 2);
    QCOMPARE(o.value(QStringLiteral("Eigenbeitrag")).toDouble(), 3892.0);
    const QJsonObject angebot = o.value(QStringLiteral("Aufteilung"))
                                    .toObject()
                                    .value(QStringLiteral("Angebot"))
                                    .toObject();
    QCOMPARE(angebot.value(QStringLiteral("Eigenbeitrag1")).toDouble(), 1946.0);
    QCOMPARE(angebot.value(QStringLiteral("Eigenbeitrag2")).toDouble(), 1946.0);
    QCOMPARE(angebot.value(QStringLiteral("Eigenbeitrag")).toDouble(), 3892.0);
    QVERIFY(angebot.value(QStringLiteral("Hinweis")).isNull());

    // Position 29 wants 2436 in all: 2130 own, between the sums of minimums and maximums
    const QJsonObject regler =
        berechne(R"({"Beitragsjahr": 2010, "Verheiratet": true, "Doppelverdiener": true,
        "Einkommen1": 30000, "Einkommen2": 20000, "MinBeitrag": false, "BeitragsPosition": 29,
        "Verteilung": 0})")
            .value(QStringLiteral("Aufteilung"))
            .toObject()
            .value(QStringLiteral("Bericht"))
            .toObject();
    QCOMPARE(regler.value(QStringLiteral("Schieberegler")).toBool(), true);
    QCOMPARE(regler.value(QStringLiteral("Eigenbeitrag1")).toDouble(), 2130.0 - 646);
    QCOMPARE(regler.value(QStringLiteral("Hinweis")).toString(),
             QStringLiteral("Mindesteigenbeitrag für 2. Person erreicht"));
}

void TstStapel::eingabenWerdenAngeglichen()
{
    const QJsonObject o =
        berechne(R"({"Beitragsjahr": 2010, "Einkommen1": 30000, "Einkommen2": 20000,
        "KindGebJahr": [2009], "KindPerson": [2], "MinBeitrag": false, "BeitragsPosition": 1,
        "Bundesland": 1, "Soli": 0.055})");
    QCOMPARE(o.value(QStringLiteral("Einkommen2")).toDouble(), 0.0);
    QCOMPARE(o.value(QStringLiteral("VolleKinderzulage1")).toDouble(), 300.0);
    QCOMPARE(o.value(QStringLiteral("KiStSatz")).toDouble(), 0.08);
    QCOMPARE(o.value(QStringLiteral("BeitragsPosition")).toInt(),
             o.value(QStringLiteral("PositionTarMindBtr")).toInt());
}

void TstStapel::fehlerhafteZeilen_data()
{
    QTest::addColumn<QByteArray>("zeile");
    QTest::addColumn<QString>("teil");
    QTest::newRow("kein JSON") << QByteArray("{\"Einkommen1\": ")
                               << QStringLiteral("kein gültiges JSON");
    QTest::newRow("kein Objekt") << QByteArray("[1, 2]") << QStringLiteral("JSON-Objekt");
    QTest::newRow("unbekannter Schlüssel") << QByteArray(R"({"Einkomen1": 1})")
                                           << QStringLiteral("unbekannter Schlüssel \"Einkomen1\"");
    QTest::newRow("Einkommen zu groß")
        << QByteArray(R"({"Einkommen1": 1000000})")
        << QStringLiteral("\"Einkommen1\" muss eine ganze Zahl von 0 bis 999999");
    QTest::newRow("Einkommen mit Cent") << QByteArray(R"({"Einkommen1": 100.5})")
                                        << QStringLiteral("\"Einkommen1\" muss eine ganze Zahl");
    QTest::newRow("Text statt Zahl")
        << QByteArray(R"({"Einkommen1": "30000"})") << QStringLiteral("\"Einkommen1\"");
    QTest::newRow("Zahl statt bool") << QByteArray(R"({"Verheiratet": 1})")
                                     << QStringLiteral("\"Verheiratet\" muss true oder false sein");
    QTest::newRow("zehn Kinder") << QByteArray(R"({"KindGebJahr": [1,2,3,4,5,6,7,8,9,10]})")
                                 << QStringLiteral("\"KindGebJahr\"");
    QTest::newRow("KindPerson zu kurz")
        << QByteArray(R"({"Beitragsjahr": 2010, "KindGebJahr": [2001, 2002], "KindPerson": [1]})")
        << QStringLiteral("\"KindPerson\"");
    QTest::newRow("KindPerson 3")
        << QByteArray(R"({"Beitragsjahr": 2010, "KindGebJahr": [2001], "KindPerson": [3]})")
        << QStringLiteral("\"KindPerson\"");
    QTest::newRow("Soli 0,05") << QByteArray(R"({"Soli": 0.05})")
                               << QStringLiteral("\"Soli\" muss 0 oder 0.055");
    QTest::newRow("Bundesland 16")
        << QByteArray(R"({"Bundesland": 16})")
        << QStringLiteral("\"Bundesland\" muss eine ganze Zahl von -1 bis 15");
    QTest::newRow("Position 51") << QByteArray(R"({"BeitragsPosition": 51})")
                                 << QStringLiteral(
                                        "\"BeitragsPosition\" muss eine ganze Zahl von 0 bis 50");
    QTest::newRow("negatives NR-Einkommen")
        << QByteArray(R"({"EinkommenNR1": -1})")
        << QStringLiteral("\"EinkommenNR1\" muss eine Zahl von 0 bis 99999999 sein.");
    QTest::newRow("NR-Einkommen von 1e20")
        << QByteArray(R"({"EinkommenNR1": 1e20})")
        << QStringLiteral("\"EinkommenNR1\" muss eine Zahl von 0 bis 99999999 sein.");
    QTest::newRow("NR-Einkommen knapp über hundert Millionen")
        << QByteArray(R"({"Verheiratet": true, "EinkommenNR2": 99999999.5})")
        << QStringLiteral("\"EinkommenNR2\" muss eine Zahl von 0 bis 99999999 sein.");
    QTest::newRow("zvE-Korrektur unter minus hundert Millionen")
        << QByteArray(R"({"DeltazvE": -100000000})")
        << QStringLiteral("\"DeltazvE\" muss eine Zahl von -99999999 bis 99999999 sein.");
    QTest::newRow("doppelter Schlüssel") << QByteArray(R"({"Einkommen1": 1, "Einkommen1": 2})")
                                         << QStringLiteral("doppelter Schlüssel \"Einkommen1\".");
}

void TstStapel::fehlerhafteZeilen()
{
    QFETCH(QByteArray, zeile);
    QFETCH(QString, teil);
    bool fehler = false;
    const QJsonObject o = QJsonDocument::fromJson(BerechneZeile(zeile, fehler, 7)).object();
    QVERIFY(fehler);
    QCOMPARE(o.size(), 1);
    const QString text = o.value(QStringLiteral("Fehler")).toString();
    QVERIFY2(text.startsWith(QStringLiteral("Zeile 7: ")), qPrintable(text));
    QVERIFY2(text.contains(teil), qPrintable(text));
}

void TstStapel::steuer()
{
    bool fehler = true;
    QJsonObject o = QJsonDocument::fromJson(
                        SteuerZeile(R"({"Jahr": 2010, "Tabelle": 1, "zvE": 74500})", fehler))
                        .object();
    QVERIFY(!fehler);
    QCOMPARE(o.value(QStringLiteral("Einkommensteuer")).toDouble(), 23118.0);
    QVERIFY(!o.contains(QStringLiteral("Steuerminderung")));
    o = QJsonDocument::fromJson(
            SteuerZeile(R"({"Jahr": 2010, "Tabelle": 1, "zvE": 25206.8, "Abzug": 1200})", fehler))
            .object();
    QCOMPARE(o.value(QStringLiteral("Steuerminderung")).toDouble(), 349.0);
    SteuerZeile(R"({"Jahr": 2000, "Tabelle": 1, "zvE": 1})", fehler);
    QVERIFY(fehler);
    SteuerZeile(R"({"Tabelle": 1, "zvE": 1})", fehler);
    QVERIFY(fehler);
}

void TstStapel::steuerBereiche_data()
{
    QTest::addColumn<QByteArray>("zeile");
    QTest::addColumn<QString>("meldung"); // empty: computed
    QTest::newRow("zvE von 1e308 mit Abzug -1e308")
        << QByteArray(R"({"Jahr": 2010, "Tabelle": 1, "zvE": 1e308, "Abzug": -1e308})")
        << QStringLiteral("\"zvE\" muss eine Zahl von 0 bis 99999999 sein.");
    QTest::newRow("negatives zvE")
        << QByteArray(R"({"Jahr": 2010, "Tabelle": 1, "zvE": -1})")
        << QStringLiteral("\"zvE\" muss eine Zahl von 0 bis 99999999 sein.");
    QTest::newRow("negativer Abzug")
        << QByteArray(R"({"Jahr": 2010, "Tabelle": 2, "zvE": 30000, "Abzug": -1})")
        << QStringLiteral("\"Abzug\" muss eine Zahl von 0 bis 99999999 sein.");
    QTest::newRow("zvE und Abzug an der Grenze")
        << QByteArray(R"({"Jahr": 2010, "Tabelle": 1, "zvE": 99999999, "Abzug": 99999999})")
        << QString();
}

// Only amounts the tariff computes exactly are taken; beyond them a message, not
// a null or an imprecise tax.
void TstStapel::steuerBereiche()
{
    QFETCH(QByteArray, zeile);
    QFETCH(QString, meldung);
    bool fehler = false;
    const QJsonObject o = QJsonDocument::fromJson(SteuerZeile(zeile, fehler, 2)).object();
    QCOMPARE(fehler, !meldung.isEmpty());
    if (fehler) {
        QCOMPARE(o.value(QStringLiteral("Fehler")).toString(),
                 QStringLiteral("Zeile 2: ") + meldung);
        return;
    }
    // 2010, zone 5: 0.45 x - 15 694, whole euros
    QCOMPARE(o.value(QStringLiteral("Einkommensteuer")).toDouble(), 44984305.0);
    QCOMPARE(o.value(QStringLiteral("Steuerminderung")).toDouble(), 44984305.0);
}

void TstStapel::grenzwerteWerdenGerechnet_data()
{
    QTest::addColumn<QByteArray>("zeile");
    QTest::newRow("höchste NR-Einkommen eines Paars")
        << QByteArray(R"({"Verheiratet": true, "Doppelverdiener": true, "Einkommen1": 999999,
                          "Einkommen2": 999999, "EinkommenNR1": 99999999, "EinkommenNR2": 99999999,
                          "MinBeitrag": false, "BeitragsPosition": 50})");
    QTest::newRow("zvE-Korrektur ganz nach unten")
        << QByteArray(R"({"Einkommen1": 30000, "DeltazvE": -99999999})");
    QTest::newRow("zvE-Korrektur ganz nach oben")
        << QByteArray(R"({"Einkommen1": 30000, "DeltazvE": 99999999, "MinBeitrag": false,
                          "BeitragsPosition": 50})");
}

// At the ends of the ranges every result is a number.
void TstStapel::grenzwerteWerdenGerechnet()
{
    QFETCH(QByteArray, zeile);
    bool fehler = true;
    const QJsonObject o = QJsonDocument::fromJson(BerechneZeile(zeile, fehler)).object();
    QVERIFY(!fehler);
    for (const char* feld : {"zvE", "Steuerersparnis", "Foerderquote", "Eigenbeitrag"})
        QVERIFY2(o.value(QLatin1String(feld)).isDouble(), feld);
    QVERIFY(o.value(QStringLiteral("Steuerersparnis")).toDouble() >= 0);
}

void TstStapel::programmUeberDatei()
{
    QTemporaryFile datei;
    QVERIFY(datei.open());
    datei.write("{\"Beitragsjahr\": 2010, \"Einkommen1\": 30000}\n\nkaputt\n"
                "{\"Beitragsjahr\": 2010, \"Einkommen1\": 40000}\n");
    datei.close();
    QProcess p;
    p.start(QStringLiteral(FERMALIN_CLI),
            QStringList{QStringLiteral("berechne"), datei.fileName()});
    QVERIFY(p.waitForFinished(30000));
    QCOMPARE(p.exitCode(), 1);
    const QList<QByteArray> zeilen = p.readAllStandardOutput().trimmed().split('\n');
    QCOMPARE(zeilen.size(), 3); // the blank line is skipped
    QVERIFY(zeilen.at(0).contains("\"Eigenbeitrag\":1046"));
    QVERIFY(zeilen.at(1).startsWith("{\"Fehler\":\"Zeile 3: "));
    QVERIFY(zeilen.at(2).contains("\"Eigenbeitrag\":1446"));

    p.start(QStringLiteral(FERMALIN_CLI), QStringList{QStringLiteral("--help")});
    QVERIFY(p.waitForFinished(30000));
    QCOMPARE(p.exitCode(), 0);
    QVERIFY(QString::fromUtf8(p.readAllStandardOutput()).contains(QStringLiteral("Aufruf")));

    p.start(QStringLiteral(FERMALIN_CLI),
            QStringList{QStringLiteral("steuer"), QStringLiteral("/gibt/es/nicht")});
    QVERIFY(p.waitForFinished(30000));
    QCOMPARE(p.exitCode(), 2);
}

void TstStapel::jedeZeileBekommtIhreAntwort_data()
{
    QTest::addColumn<QByteArray>("eingabe");
    QTest::addColumn<QList<QByteArray>>("anfaenge"); // how each output line starts
    QTest::addColumn<int>("status");
    const QByteArray gut = R"({"Einkommen1": 30000})";
    QTest::newRow("NUL-Byte") << gut + "\n" + QByteArray("\0", 1) + "\n" + gut + "\n"
                              << QList<QByteArray>{"{\"VolleGrundzulage1\"",
                                                   "{\"Fehler\":\"Zeile 2: ",
                                                   "{\"VolleGrundzulage1\""}
                              << 1;
    QTest::newRow("Steuerzeichen 0x01")
        << QByteArray("\x01\n") + gut + "\n"
        << QList<QByteArray>{"{\"Fehler\":\"Zeile 1: ", "{\"VolleGrundzulage1\""} << 1;
    QTest::newRow("Leerzeichen, Tabulatoren und CR LF sind leer")
        << QByteArray(" \t \r\n\r\n") + gut + "\r\n\t\n"
        << QList<QByteArray>{"{\"VolleGrundzulage1\""} << 0;
    QTest::newRow("ein Formularvorschub ist nicht leer")
        << QByteArray("\f\n") + gut
        << QList<QByteArray>{"{\"Fehler\":\"Zeile 1: ", "{\"VolleGrundzulage1\""} << 1;
}

// A caller pairs the output with the input by position: only a line of blanks
// and tabs goes without an answer.
void TstStapel::jedeZeileBekommtIhreAntwort()
{
    QFETCH(QByteArray, eingabe);
    QFETCH(QList<QByteArray>, anfaenge);
    QFETCH(int, status);
    QProcess p;
    p.start(QStringLiteral(FERMALIN_CLI), QStringList{QStringLiteral("berechne")});
    QVERIFY(p.waitForStarted(30000));
    p.write(eingabe);
    p.closeWriteChannel();
    QVERIFY(p.waitForFinished(30000));
    QCOMPARE(p.exitCode(), status);
    const QByteArray aus = p.readAllStandardOutput();
    QVERIFY(aus.endsWith('\n'));
    const QList<QByteArray> zeilen = aus.chopped(1).split('\n');
    QCOMPARE(zeilen.size(), anfaenge.size());
    for (qsizetype i = 0; i < zeilen.size(); ++i)
        QVERIFY2(zeilen.at(i).startsWith(anfaenge.at(i)), zeilen.at(i).constData());
}

void TstStapel::deutscheParsermeldungen_data()
{
    QTest::addColumn<QByteArray>("zeile");
    QTest::addColumn<QString>("meldung");
    QTest::newRow("offenes Objekt")
        << QByteArray("{\"Einkommen1\": true\n") << QStringLiteral("Objekt nicht abgeschlossen");
    QTest::newRow("Doppelpunkt fehlt") << QByteArray("{\"Einkommen1\" 1}\n")
                                       << QStringLiteral("Doppelpunkt nach dem Schlüssel fehlt");
    QTest::newRow("offene Liste") << QByteArray("{\"KindGebJahr\": [2001\n")
                                  << QStringLiteral("Liste nicht abgeschlossen");
    QTest::newRow("Rest hinter dem Objekt")
        << QByteArray(R"({"Einkommen1": 1} 2)") << QStringLiteral("überzählige Zeichen am Ende");
    QTest::newRow("offene Zeichenkette")
        << QByteArray(R"({"Einkommen1)") << QStringLiteral("Zeichenkette nicht abgeschlossen");
}

void TstStapel::deutscheParsermeldungen()
{
    QFETCH(QByteArray, zeile);
    QFETCH(QString, meldung);
    bool fehler = false;
    const QString text = QJsonDocument::fromJson(BerechneZeile(zeile, fehler, 3))
                             .object()
                             .value(QStringLiteral("Fehler"))
                             .toString();
    QVERIFY(fehler);
    QVERIFY2(text.startsWith(QStringLiteral("Zeile 3: kein gültiges JSON (") + meldung),
             qPrintable(text));
}

QTEST_GUILESS_MAIN(TstStapel)
#include "tst_stapel.moc"
