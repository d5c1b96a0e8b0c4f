// Reading a batch line: the fast reader and Qt's parser read alike, the fast one
// takes the lines a batch run is made of, and the key table's rows hold.
#include "StapelJson.h"
#include "StapelLesen.h"
#include "StapelSchluessel.h"

#include <QTest>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <string>

using namespace Fermalin;

namespace {

const char* const Paar =
    R"({"Beitragsjahr":2010,"Verheiratet":true,"Doppelverdiener":true,"Einkommen1":14331,"Einkommen2":67463,)"
    R"("KindGebJahr":[2005,2004,2001],"KindPerson":[2,1,2],"MinBeitrag":false,)"
    R"("TarMindBtr":true,"BeitragsPosition":32,"Soli":0.055,"Bundesland":8,"Verteilung":28})"
    "\n";

} // namespace

class TstStapelLesen : public QObject
{
    Q_OBJECT
private slots:
    void beideLeserLesenGleich_data();
    void beideLeserLesenGleich();
    void schnellerLeserNimmtDieUeblichenZeilen_data();
    void schnellerLeserNimmtDieUeblichenZeilen();
    void jederSchluesselHatSeineZeile();
    void schreiberSchreibtKompaktesJson_data();
    void schreiberSchreibtKompaktesJson();
    void schreiberWaechstMitDemText();
    void zahlenInKuerzesterForm();
};

void TstStapelLesen::beideLeserLesenGleich_data()
{
    QTest::addColumn<QByteArray>("zeile");
    QTest::addColumn<unsigned>("befehl");
    QTest::addColumn<QString>("meldung"); // empty: the line is read
    const unsigned berechne = StapelBefehl::Berechne;
    QTest::newRow("ein Paar mit Kindern") << QByteArray(Paar) << berechne << QString();
    QTest::newRow("Zahlen mit Exponent und Bruch")
        << QByteArray(R"({"EinkommenNR1": 1.5e3, "DeltazvE": -250.75, "Einkommen1": 3E4})")
        << berechne << QString();
    QTest::newRow("ein Schlüssel mit Escape-Folge")
        << QByteArray(R"({"Einkommen\u0031": 30000})") << berechne << QString();
    QTest::newRow("minus null ist null")
        << QByteArray(R"({"DeltazvE": -0.0, "EinkommenNR1": -0})") << berechne << QString();
    QTest::newRow("eine Zahl, die zu null unterläuft, ist unzulässig")
        << QByteArray(R"({"DeltazvE": 1e-400})") << berechne
        << QStringLiteral("Zeile 4: kein gültiges JSON (unzulässige Zahl bei Zeichen 20).");
    QTest::newRow("Qt liest .5 als Zahl")
        << QByteArray(R"({"EinkommenNR1": .5})") << berechne << QString();
    QTest::newRow("mit Byte-Order-Mark")
        << QByteArray("\xEF\xBB\xBF{\"Einkommen1\": 1}") << berechne << QString();
    QTest::newRow("doppelter Schlüssel")
        << QByteArray(R"({"Einkommen1": 1, "Verheiratet": true, "Einkommen1": 2})") << berechne
        << QStringLiteral("Zeile 4: doppelter Schlüssel \"Einkommen1\".");
    QTest::newRow("doppelter Schlüssel in einer Zeile, die nur Qt liest")
        << QByteArray(R"({"EinkommenNR1": .5, "Verheir\u0061tet": true, "Verheiratet": false})")
        << berechne << QStringLiteral("Zeile 4: doppelter Schlüssel \"Verheiratet\".");
    QTest::newRow("doppelter Schlüssel in einer Liste zählt nicht")
        << QByteArray(R"({"KindGebJahr": [{"a": 1, "a": 2}]})") << berechne
        << QStringLiteral("Zeile 4: \"KindGebJahr\" muss eine Liste von 0 bis 9 Geburtsjahren "
                          "(ganze Zahlen von 0 bis 9999) sein.");
    QTest::newRow("von zwei unbekannten Schlüsseln der in Qt's Ordnung erste")
        << QByteArray(R"({"Zzz": 1, "Aaa": 2, "Einkommen1": 5})") << berechne
        << QStringLiteral("Zeile 4: unbekannter Schlüssel \"Aaa\"; erlaubt sind Beitragsjahr, "
                          "Foerderrecht, Verheiratet, Doppelverdiener, Einkommen1, Einkommen2, "
                          "EinkommenNR1, EinkommenNR2, KindGebJahr, KindPerson, "
                          "Berufseinsteiger1, Berufseinsteiger2, MinBeitrag, TarMindBtr, "
                          "BeitragsPosition, Eigenbeitrag1, Eigenbeitrag2, Vergleich, DeltazvE, "
                          "Soli, Bundesland, Verteilung.");
    QTest::newRow("ein Schlüssel eines anderen Befehls")
        << QByteArray(R"({"Klassik1": 1})") << berechne
        << QStringLiteral("Zeile 4: unbekannter Schlüssel \"Klassik1\"");
    QTest::newRow("Kundenname mit Umlauten und Emoji")
        << QByteArray("{\"Kundenname\": \"M\\u00fcller \xC3\xA9\xF0\x9F\x98\x80\"}")
        << StapelBefehl::Bericht << QString();
    QTest::newRow("tief verschachtelt")
        << QByteArray(R"({"KindGebJahr": [[[[[[[[[[[[[[[[[[[[1]]]]]]]]]]]]]]]]]]]]})") << berechne
        << QStringLiteral("Zeile 4: \"KindGebJahr\" muss eine Liste");
    QTest::newRow("steuer: fehlende Pflichtschlüssel vor falschen Werten")
        << QByteArray(R"({"Jahr": "2010", "Tabelle": 1})") << StapelBefehl::Steuer
        << QStringLiteral("Zeile 4: \"zvE\" fehlt.");
    QTest::newRow("steuer: Abzug wahlfrei")
        << QByteArray(R"({"Jahr": 2010, "Tabelle": 1, "zvE": 5})") << StapelBefehl::Steuer
        << QString();
}

// Whichever reader takes a line, the caller sees the same: the same message, or
// the same values bit for bit.
void TstStapelLesen::beideLeserLesenGleich()
{
    QFETCH(QByteArray, zeile);
    QFETCH(unsigned, befehl);
    QFETCH(QString, meldung);
    TLeser a(befehl, 4);
    TLeser b(befehl, 4);
    const bool gelesen = a.lesen(zeile);
    QCOMPARE(b.referenzLesen(zeile), gelesen);
    QCOMPARE(a.fehler(), b.fehler());
    QCOMPARE(gelesen, meldung.isEmpty());
    QVERIFY2(a.fehler().startsWith(meldung), qPrintable(a.fehler()));
    for (int i = 0; i < SchluesselAnzahl; ++i) {
        const auto nr = static_cast<TSchluesselNr>(i);
        const double za = a.zahl(nr);
        const double zb = b.zahl(nr);
        QVERIFY2(std::memcmp(&za, &zb, sizeof za) == 0, Schluessel(nr).Name);
        QCOMPARE(a.vorhanden(nr), b.vorhanden(nr));
        QCOMPARE(a.text(nr), b.text(nr));
        QCOMPARE(QList<int>(a.liste(nr).begin(), a.liste(nr).end()),
                 QList<int>(b.liste(nr).begin(), b.liste(nr).end()));
    }
}

void TstStapelLesen::schnellerLeserNimmtDieUeblichenZeilen_data()
{
    QTest::addColumn<QByteArray>("zeile");
    QTest::addColumn<bool>("schnell");
    QTest::newRow("ein Haushalt, wie ihn ein Angebotsprogramm schickt") << QByteArray(Paar) << true;
    QTest::newRow("Leerzeichen und CR LF") << QByteArray(" { \"Soli\" : 0 } \r\n") << true;
    QTest::newRow("eine Zahl mit Exponent") << QByteArray(R"({"DeltazvE": -2.5e2})") << true;
    QTest::newRow("ein Wert falschen Typs") << QByteArray(R"({"Einkommen1": "30000"})") << true;
    QTest::newRow("minus null geht an Qt") << QByteArray(R"({"DeltazvE": -0.0})") << false;
    QTest::newRow("ein Subnormal geht an Qt") << QByteArray(R"({"DeltazvE": 4e-320})") << false;
    QTest::newRow("eine Null in der Tiefe geht an Qt")
        << QByteArray(R"({"KindGebJahr": [[0.0]]})") << false;
    QTest::newRow("ein unbekannter Schlüssel geht an Qt") << QByteArray(R"({"x": 1})") << false;
    QTest::newRow("ein doppelter Schlüssel geht an Qt")
        << QByteArray(R"({"Soli": 0, "Soli": 0})") << false;
    QTest::newRow("eine Liste geht an Qt") << QByteArray("[1]") << false;
    QTest::newRow("ungültiges JSON geht an Qt") << QByteArray(R"({"Soli": 0,})") << false;
}

// The batch run's speed rests on the fast reader taking its ordinary lines;
// what Qt might read otherwise it leaves to Qt.
void TstStapelLesen::schnellerLeserNimmtDieUeblichenZeilen()
{
    QFETCH(QByteArray, zeile);
    QFETCH(bool, schnell);
    TRohZeile roh;
    QCOMPARE(SchnellLesen(zeile, StapelBefehl::Berechne, roh), schnell);
}

// Every row names its key once and is found by its name; the help names every key.
void TstStapelLesen::jederSchluesselHatSeineZeile()
{
    QSet<QString> namen;
    const QString hilfe = SchluesselHilfe(StapelBefehl::Berechne | StapelBefehl::Angebot |
                                          StapelBefehl::Bericht | StapelBefehl::Steuer);
    for (const TSchluessel& s : StapelSchluessel()) {
        QVERIFY2(!namen.contains(QLatin1String(s.Name)), s.Name);
        namen.insert(QLatin1String(s.Name));
        QCOMPARE(SchluesselFuer(s.Name), &s);
        // one letter changed anywhere, one letter more or less: no key
        const std::string name = s.Name;
        for (size_t i = 0; i < name.size(); ++i) {
            std::string anders = name;
            anders[i] = anders[i] == 'x' ? 'y' : 'x';
            QCOMPARE(SchluesselFuer(anders), nullptr);
        }
        QCOMPARE(SchluesselFuer(name + name.back()), nullptr);
        QCOMPARE(SchluesselFuer(std::string_view(name).substr(0, name.size() - 1)), nullptr);
        QVERIFY2(s.Befehle != 0, s.Name);
        QVERIFY2(hilfe.contains(QLatin1String(s.Name)), s.Name);
        if (s.Art == TSchluesselArt::Ganz || s.Art == TSchluesselArt::Zahl)
            QVERIFY2(s.Min <= s.Vorgabe && s.Vorgabe <= s.Max, s.Name);
    }
    QCOMPARE(SchluesselFuer("Einkommen"), nullptr);
    QCOMPARE(SchluesselFuer(""), nullptr);
}

void TstStapelLesen::schreiberSchreibtKompaktesJson_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("json");
    QTest::newRow("Anführungszeichen, Backslash, Zeilenenden")
        << QStringLiteral("a\"b\\c\r\nd") << QByteArray(R"("a\"b\\c\r\nd")");
    QTest::newRow("Steuerzeichen als \\u00xx, DEL unverändert")
        << QString::fromLatin1("\x01\t\x1f\x7f", 4)
        << QByteArray(R"("\u0001\u0009\u001f)"
                      "\x7f\"");
    QTest::newRow("Umlaute, Euro und Emoji in UTF-8")
        << QStringLiteral("für 5 € 😀")
        << QByteArray("\"f\xC3\xBCr 5 \xE2\x82\xAC \xF0\x9F\x98\x80\"");
    QTest::newRow("ein NUL-Zeichen") << QString(QChar(0)) << QByteArray(R"("\u0000")");
    // a lone surrogate half goes out as Qt's UTF-8 gives it
    QTest::newRow("ein einzelnes Surrogat") << QString(QChar(0xD800)) + QLatin1Char('"')
                                            << '"' + QString(QChar(0xD800)).toUtf8() + "\\\"\"";
    const QString satz = QStringLiteral("Der gewählte Gesamteigenbeitrag (1.824 Euro) liegt "
                                        "zwischen der Summe der Mindest- und Höchstbeiträge.");
    QTest::newRow("ein Satz mit Umlauten über viele Achterblöcke")
        << satz << '"' + satz.toUtf8() + '"';
    QTest::newRow("ein Emoji erst nach einem langen Satz")
        << satz + QStringLiteral("\"😀") << '"' + satz.toUtf8() + "\\\"\xF0\x9F\x98\x80\"";
    // every escape takes six bytes: far more than the room first taken
    QTest::newRow("Tausende Steuerzeichen")
        << QString(3000, QChar(1)) + QStringLiteral("ä")
        << '"' + QByteArray("\\u0001").repeated(3000) + "\xC3\xA4\"";
    for (int i = 0; i < 9; ++i) {
        QString acht = QStringLiteral("abcdefgh");
        acht.insert(i, QLatin1Char('\\'));
        QByteArray json = "\"abcdefgh\"";
        json.insert(i + 1, "\\\\");
        QTest::addRow("ein Backslash an Stelle %d eines Achterblocks", i) << acht << json;
    }
}

void TstStapelLesen::schreiberSchreibtKompaktesJson()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, json);
    QByteArray aus = "vorher";
    {
        TJsonSchreiber o(aus);
        o.zahl("a", 0.1);
        o.zahl("b", std::numeric_limits<double>::infinity());
        TJsonSchreiber innen = o.objekt("c");
        innen.wahr("d", false);
        innen.null("e");
        innen.schliessen();
        o.text("f", text);
        o.schliessen();
    }
    QCOMPARE(aus, "vorher{\"a\":0.1,\"b\":null,\"c\":{\"d\":false,\"e\":null},\"f\":" + json + '}');
}

// A report is far longer than the room first taken; nothing written may get lost.
void TstStapelLesen::schreiberWaechstMitDemText()
{
    const QString lang = QString(300000, QChar(0xE4)) + QStringLiteral("\n");
    QByteArray aus;
    TJsonSchreiber o(aus);
    for (int i = 0; i < 3; ++i)
        o.text("t", lang);
    o.schliessen();
    const QByteArray teil = "\"t\":\"" + QString(300000, QChar(0xE4)).toUtf8() + "\\n\"";
    QCOMPARE(aus, '{' + teil + ',' + teil + ',' + teil + '}');
}

// Every number in its shortest round-trip form, whole euros too: 100000 is
// "1e+05" there, -0 keeps its sign, what JSON cannot hold is null.
void TstStapelLesen::zahlenInKuerzesterForm()
{
    QList<double> zahlen = {-0.0,    0.0,    0.5,    -0.25, 99999,  100000,
                            -100000, 120000, 1e15,   1e21,  2.5e-8, 50582.306200000006,
                            0.055,   -99999, 99999.5};
    for (int i = -200000; i <= 200000; i += 7)
        zahlen << i;
    // cents, halves, shares, twelfths, powers of ten and doubles of every size,
    // with their neighbours: where the short form is found in whole numbers and
    // where std::to_chars has to find it
    std::mt19937_64 zufall(4711);
    const auto bis = [&zufall](std::uint64_t n) { return static_cast<double>(zufall() % n); };
    for (int i = 0; i < 30000; ++i) {
        const double z[] = {bis(10000000000) / 100, (bis(100000000) + 0.5) / 1000,
                            bis(1000000) / std::pow(10.0, bis(14)), bis(100000000) / 12,
                            std::pow(10.0, bis(40) - 20) * (1 + bis(9)),
                            std::ldexp(static_cast<double>(zufall() >> 11), int(bis(100)) - 90),
                            std::bit_cast<double>(zufall()),
                            // every binade the short way covers, powers of two among them
                            std::bit_cast<double>((zufall() % 76 + 1001) << 52 |
                                                  (i % 3 == 0 ? 0 : zufall() >> 12))};
        for (const double w : z)
            zahlen << w << -std::nextafter(w, 0.0) << std::nextafter(w, HUGE_VAL);
    }
    for (const double z : zahlen) {
        if (!std::isfinite(z))
            continue;
        QByteArray aus;
        TJsonSchreiber o(aus);
        o.zahl("z", z);
        o.schliessen();
        char soll[64];
        const char* ende = std::to_chars(soll, soll + sizeof soll, z).ptr;
        QCOMPARE(aus, "{\"z\":" + QByteArray(soll, ende - soll) + '}');
    }
    for (const double z :
         {std::numeric_limits<double>::quiet_NaN(), -std::numeric_limits<double>::infinity()}) {
        QByteArray aus;
        TJsonSchreiber o(aus);
        o.zahl("z", z);
        o.schliessen();
        QCOMPARE(aus, "{\"z\":null}");
    }
}

QTEST_GUILESS_MAIN(TstStapelLesen)
#include "tst_stapellesen.moc"
