// The batch keys of the contribution year and the rule set: the law of each
// year, the reform's rules beside the old ones, and the refusals.
#include "Beitragsjahrwahl.h"
#include "Stapel.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTest>

using namespace Fermalin;

namespace {

QJsonObject berechne(const QByteArray& zeile, bool& fehler)
{
    return QJsonDocument::fromJson(BerechneZeile(zeile, fehler, 3)).object();
}

QJsonObject json(const QByteArray& text)
{
    return QJsonDocument::fromJson(text).object();
}

// Every key of erwartet has its value in o; an object in erwartet is compared the
// same way, key by key.
void enthaelt(const QJsonObject& o, const QJsonObject& erwartet, const QString& pfad = {})
{
    for (auto it = erwartet.begin(); it != erwartet.end(); ++it) {
        const QString name = pfad + it.key();
        QVERIFY2(o.contains(it.key()), qPrintable(name));
        const QJsonValue ist = o.value(it.key());
        if (it->isObject()) {
            enthaelt(ist.toObject(), it->toObject(), name + QLatin1Char('.'));
        } else if (it->isDouble()) {
            // allowances after a cut are rounded to cents
            QVERIFY2(ist.isDouble() && qAbs(ist.toDouble() - it->toDouble()) < 0.005,
                     qPrintable(name + QStringLiteral(": ") + QString::number(ist.toDouble())));
        } else {
            QVERIFY2(ist == *it, qPrintable(name));
        }
    }
}

} // namespace

class TstStapelJahre : public QObject
{
    Q_OBJECT
private slots:
    void rechtDesJahres_data();
    void rechtDesJahres();
    void vergleichBeiderFoerderrechte();
    void ohneBeitragsjahrGiltDasHeutigeRecht();
    void vorgabejahrNachDatum_data();
    void vorgabejahrNachDatum();
    void abgelehnteZeilen_data();
    void abgelehnteZeilen();
    void steuerMitSoli_data();
    void steuerMitSoli();
    void hilfeNenntDieJahre();
};

void TstStapelJahre::rechtDesJahres_data()
{
    QTest::addColumn<QByteArray>("zeile");
    QTest::addColumn<QByteArray>("erwartet");
    QTest::newRow("2010 ein Alleinverdiener mit 30000 Euro: Mindestbeitrag 1046")
        << QByteArray(R"({"Beitragsjahr": 2010, "Einkommen1": 30000})")
        << QByteArray(R"({"VolleGrundzulage1": 154, "Mindesteigenbeitrag1": 1046,
                          "Gesamtbeitrag": 1200, "Beitragsjahr": 2010, "Foerderrecht": "bisher"})");
    QTest::newRow("2018 ist die Grundzulage 175 Euro")
        << QByteArray(R"({"Beitragsjahr": 2018, "Einkommen1": 30000})")
        << QByteArray(R"({"VolleGrundzulage1": 175, "Mindesteigenbeitrag1": 1025,
                          "Beitragsjahr": 2018, "Foerderrecht": "bisher"})");
    QTest::newRow("2026 mit Berufseinsteiger-Bonus sinkt der Mindestbeitrag auf 825")
        << QByteArray(R"({"Beitragsjahr": 2026, "Einkommen1": 30000, "Berufseinsteiger1": true})")
        << QByteArray(R"({"VolleGrundzulage1": 375, "Mindesteigenbeitrag1": 825,
                          "Gesamtbeitrag": 1200})");
    QTest::newRow("2011 zahlt der mittelbar Berechtigte tariflich 30 Euro")
        << QByteArray(R"({"Beitragsjahr": 2011, "Verheiratet": true, "Einkommen1": 50000})")
        << QByteArray(R"({"VolleGrundzulage2": 154, "TarifMindestbeitrag2": 30})");
    QTest::newRow("ab 2012 zahlt der mittelbar Berechtigte mindestens 60 Euro")
        << QByteArray(R"({"Beitragsjahr": 2012, "Verheiratet": true, "Einkommen1": 50000})")
        << QByteArray(R"({"VolleGrundzulage2": 154, "TarifMindestbeitrag2": 60})");
    QTest::newRow("2026 kürzt ein gegebener Eigenbeitrag unter dem Mindestbeitrag die Zulage")
        << QByteArray(R"({"Beitragsjahr": 2026, "Einkommen1": 70000, "Eigenbeitrag1": 1800})")
        << QByteArray(R"({"Mindesteigenbeitrag1": 1925, "Grundzulage1": 163.64,
                          "Eigenbeitrag": 1800})");
    QTest::newRow("2027 gilt ohne Angabe das neue Recht, mit dem Hinweis auf den Tarif")
        << QByteArray(R"({"Beitragsjahr": 2027, "Einkommen1": 60000, "Eigenbeitrag1": 1800})")
        << QByteArray(R"({"Grundzulage1": 540, "Gesamtbeitrag": 2340, "Foerderrecht": "neu"})");
    QTest::newRow("2027 unter dem bisherigen Recht ist es das von 2026")
        << QByteArray(R"({"Beitragsjahr": 2027, "Foerderrecht": "bisher", "Einkommen1": 40000})")
        << QByteArray(R"({"Mindesteigenbeitrag1": 1425, "Gesamtbeitrag": 1600,
                          "Foerderrecht": "bisher"})");
    QTest::newRow("neues Recht: unter 120 Euro keine Zulage")
        << QByteArray(R"({"Beitragsjahr": 2027, "Einkommen1": 60000, "Eigenbeitrag1": 119})")
        << QByteArray(R"({"Grundzulage1": 0, "Kinderzulage1": 0, "Eigenbeitrag": 119})");
    QTest::newRow("neues Recht: ein Berufseinsteiger mit 1200 Euro bekommt 590 Euro")
        << QByteArray(R"({"Beitragsjahr": 2027, "Einkommen1": 60000, "Eigenbeitrag1": 1200,
                          "Berufseinsteiger1": true})")
        << QByteArray(R"({"Grundzulage1": 590})");
    QTest::newRow("neues Recht: Eltern mit zwei Kindern und 300 Euro bekommen 750 Euro")
        << QByteArray(R"({"Beitragsjahr": 2027, "Einkommen1": 20000, "KindGebJahr": [2015, 2018],
                          "Eigenbeitrag1": 300})")
        << QByteArray(R"({"Grundzulage1": 150, "Kinderzulage1": 600})");
    QTest::newRow("neues Recht: der mittelbar Berechtigte mit 120 Euro höchstens 175 Euro")
        << QByteArray(R"({"Beitragsjahr": 2027, "Verheiratet": true, "Einkommen1": 60000,
                          "Eigenbeitrag1": 350, "Eigenbeitrag2": 120})")
        << QByteArray(R"({"Grundzulage1": 175, "Grundzulage2": 175})");
    QTest::newRow("neues Recht: der mittelbar Berechtigte mit 100 Euro bekommt nichts")
        << QByteArray(R"({"Beitragsjahr": 2027, "Verheiratet": true, "Einkommen1": 60000,
                          "Eigenbeitrag1": 1800, "Eigenbeitrag2": 100})")
        << QByteArray(R"({"Grundzulage1": 540, "Grundzulage2": 0, "Eigenbeitrag": 1900})");
}

void TstStapelJahre::rechtDesJahres()
{
    QFETCH(QByteArray, zeile);
    QFETCH(QByteArray, erwartet);
    bool fehler = true;
    const QJsonObject o = berechne(zeile, fehler);
    QVERIFY2(!fehler, qPrintable(o.value(QStringLiteral("Fehler")).toString()));
    enthaelt(o, json(erwartet));
    // a notice only where a value of the year is not enacted
    const bool vorlaeufig = o.value(QStringLiteral("Beitragsjahr")).toInt() >= 2027;
    QCOMPARE(o.contains(QStringLiteral("Hinweise")), vorlaeufig);
    if (vorlaeufig)
        QVERIFY(o.value(QStringLiteral("Hinweise"))
                    .toArray()
                    .first()
                    .toString()
                    .contains(QStringLiteral("kein Einkommensteuertarif verkündet")));
    QVERIFY(!o.contains(QStringLiteral("Vergleich")));
}

// The household for which the old rules pay most: 775 against 300 euros.
void TstStapelJahre::vergleichBeiderFoerderrechte()
{
    for (const char* recht : {"neu", "bisher"}) {
        bool fehler = true;
        const QJsonObject o = berechne(
            QByteArray(R"({"Beitragsjahr": 2027, "Einkommen1": 12000, "KindGebJahr": [2019, 2021],
                           "Eigenbeitrag1": 120, "Vergleich": true, "Foerderrecht": ")") +
                recht + "\"}",
            fehler);
        QVERIFY(!fehler);
        const QJsonObject v = o.value(QStringLiteral("Vergleich")).toObject();
        QCOMPARE(v.size(), 2);
        enthaelt(v, json(R"({"bisher": {"Grundzulage1": 175, "Kinderzulage1": 600,
                                        "Eigenbeitrag": 120, "Foerderrecht": "bisher"},
                             "neu": {"Grundzulage1": 60, "Kinderzulage1": 240,
                                     "Eigenbeitrag": 120, "Foerderrecht": "neu"}})"));
        // the chosen side is the answer itself
        QJsonObject ohne = o;
        ohne.remove(QStringLiteral("Vergleich"));
        QCOMPARE(v.value(QLatin1String(recht)).toObject(), ohne);
    }
    // without given contributions the other side pays those of the chosen one
    bool fehler = true;
    const QJsonObject o = berechne(
        R"({"Beitragsjahr": 2027, "Einkommen1": 40000, "Foerderrecht": "bisher", "Vergleich": true})",
        fehler);
    QVERIFY(!fehler);
    const QJsonObject neu =
        o.value(QStringLiteral("Vergleich")).toObject().value(QStringLiteral("neu")).toObject();
    QCOMPARE(neu.value(QStringLiteral("Eigenbeitrag")).toDouble(), 1425.0);
    QCOMPARE(neu.value(QStringLiteral("Grundzulage1")).toDouble(), 0.5 * 360 + 0.25 * (1425 - 360));
}

void TstStapelJahre::ohneBeitragsjahrGiltDasHeutigeRecht()
{
    bool fehler = true;
    const QJsonObject o = berechne(R"({"Einkommen1": 30000})", fehler);
    QVERIFY(!fehler);
    const int jahr = VorgabeBeitragsjahr(QDate::currentDate());
    QCOMPARE(o.value(QStringLiteral("Beitragsjahr")).toInt(), jahr);
    QCOMPARE(o.value(QStringLiteral("Foerderrecht")).toString(),
             jahr >= 2027 ? QStringLiteral("neu") : QStringLiteral("bisher"));
}

void TstStapelJahre::vorgabejahrNachDatum_data()
{
    QTest::addColumn<QDate>("heute");
    QTest::addColumn<int>("jahr");
    QTest::newRow("am letzten Tag von 2026 gilt 2026") << QDate(2026, 12, 31) << 2026;
    QTest::newRow("ab dem 1. Januar 2027 gilt 2027") << QDate(2027, 1, 1) << 2027;
    QTest::newRow("nach 2027 das letzte berechnete Jahr") << QDate(2031, 6, 1) << 2027;
    QTest::newRow("vor 2010 das erste") << QDate(2005, 6, 1) << 2010;
    QTest::newRow("ohne Datum das letzte") << QDate() << 2027;
}

void TstStapelJahre::vorgabejahrNachDatum()
{
    QFETCH(QDate, heute);
    QFETCH(int, jahr);
    QCOMPARE(VorgabeBeitragsjahr(heute), jahr);
}

void TstStapelJahre::abgelehnteZeilen_data()
{
    QTest::addColumn<QByteArray>("zeile");
    QTest::addColumn<QString>("meldung");
    QTest::newRow("ein Jahr vor 2010")
        << QByteArray(R"({"Beitragsjahr": 2009})")
        << QStringLiteral("\"Beitragsjahr\" muss eine ganze Zahl von 2010 bis 2027 sein.");
    QTest::newRow("ein Jahr als Text")
        << QByteArray(R"({"Beitragsjahr": "2026"})")
        << QStringLiteral("\"Beitragsjahr\" muss eine ganze Zahl von 2010 bis 2027 sein.");
    QTest::newRow("das neue Recht vor 2027")
        << QByteArray(R"({"Beitragsjahr": 2026, "Foerderrecht": "neu"})")
        << QStringLiteral("\"Foerderrecht\" \"neu\" gilt erst ab dem Beitragsjahr 2027; für 2026 "
                          "gilt nur \"bisher\".");
    QTest::newRow("ein unbekanntes Förderrecht")
        << QByteArray(R"({"Beitragsjahr": 2027, "Foerderrecht": "alt"})")
        << QStringLiteral("\"Foerderrecht\" muss \"bisher\" oder \"neu\" sein.");
    QTest::newRow("ein Kind, das zu Beginn des Jahres 25 war")
        << QByteArray(R"({"Beitragsjahr": 2026, "KindGebJahr": [2010, 2000]})")
        << QStringLiteral("\"KindGebJahr\" muss Geburtsjahre von 2001 bis 2026 enthalten (die 25 "
                          "Jahre vor dem Beitragsjahr 2026 und das Jahr selbst); 2000 liegt "
                          "außerhalb.");
    QTest::newRow("ein Kind, das erst nach dem Jahr geboren wird")
        << QByteArray(R"({"Beitragsjahr": 2018, "KindGebJahr": [2019]})")
        << QStringLiteral("\"KindGebJahr\" muss Geburtsjahre von 1993 bis 2018 enthalten (die 25 "
                          "Jahre vor dem Beitragsjahr 2018 und das Jahr selbst); 2019 liegt "
                          "außerhalb.");
    QTest::newRow("der Bonus für einen mittelbar Berechtigten")
        << QByteArray(R"({"Beitragsjahr": 2026, "Verheiratet": true, "Berufseinsteiger2": true})")
        << QStringLiteral("\"Berufseinsteiger2\" gibt es nur für eine unmittelbar "
                          "förderberechtigte Person; die 2. Person ist hier mittelbar "
                          "zulageberechtigt (§ 84 S. 2 EStG).");
    QTest::newRow("der Bonus für die 2. Person einer einzelnen")
        << QByteArray(R"({"Beitragsjahr": 2026, "Berufseinsteiger2": true})")
        << QStringLiteral("\"Berufseinsteiger2\" gibt es nur für Verheiratete: eine einzelne "
                          "Person hat keine 2. Person.");
    QTest::newRow("ein Eigenbeitrag der 2. Person einer einzelnen")
        << QByteArray(R"({"Beitragsjahr": 2027, "Eigenbeitrag2": 120})")
        << QStringLiteral("\"Eigenbeitrag2\" gibt es nur für Verheiratete: eine einzelne Person "
                          "hat einen Vertrag.");
    QTest::newRow("ein Eigenbeitrag mit Bruchteilen eines Cents")
        << QByteArray(R"({"Beitragsjahr": 2027, "Eigenbeitrag1": 100.005})")
        << QStringLiteral("\"Eigenbeitrag1\" muss ein Betrag in Euro mit höchstens zwei "
                          "Nachkommastellen sein.");
    QTest::newRow("ein Eigenbeitrag über dem, was ein Vertrag aufnimmt")
        << QByteArray(R"({"Beitragsjahr": 2027, "Eigenbeitrag1": 6840.01})")
        << QStringLiteral("\"Eigenbeitrag1\" muss eine Zahl von 0 bis 6840 sein.");
    QTest::newRow("ein negativer Eigenbeitrag")
        << QByteArray(R"({"Beitragsjahr": 2027, "Verheiratet": true, "Eigenbeitrag2": -1})")
        << QStringLiteral("\"Eigenbeitrag2\" muss eine Zahl von 0 bis 6840 sein.");
    QTest::newRow("der Vergleich vor 2027")
        << QByteArray(R"({"Beitragsjahr": 2026, "Vergleich": true})")
        << QStringLiteral("\"Vergleich\" gibt es erst ab dem Beitragsjahr 2027; für 2026 gilt "
                          "nur \"bisher\".");
}

void TstStapelJahre::abgelehnteZeilen()
{
    QFETCH(QByteArray, zeile);
    QFETCH(QString, meldung);
    bool fehler = false;
    const QJsonObject o = berechne(zeile, fehler);
    QVERIFY(fehler);
    QCOMPARE(o.value(QStringLiteral("Fehler")).toString(), QStringLiteral("Zeile 3: ") + meldung);
}

void TstStapelJahre::steuerMitSoli_data()
{
    QTest::addColumn<QByteArray>("zeile");
    QTest::addColumn<QByteArray>("erwartet");
    // the official calculator's rows
    QTest::newRow("2026 knapp unter der Freigrenze kein Zuschlag")
        << QByteArray(R"({"Jahr": 2026, "Tabelle": 1, "zvE": 74960})")
        << QByteArray(R"({"Solidaritaetszuschlag": 0})");
    QTest::newRow("2026 knapp über der Freigrenze 11,9 Prozent des Überschusses")
        << QByteArray(R"({"Jahr": 2026, "Tabelle": 1, "zvE": 74969})")
        << QByteArray(R"({"Einkommensteuer": 20351, "Solidaritaetszuschlag": 0.11})");
    QTest::newRow("2026 in der Milderungszone")
        << QByteArray(R"({"Jahr": 2026, "Tabelle": 1, "zvE": 90000})")
        << QByteArray(R"({"Einkommensteuer": 26664, "Solidaritaetszuschlag": 751.36})");
    QTest::newRow("2026 über der Milderungszone 5,5 Prozent")
        << QByteArray(R"({"Jahr": 2026, "Tabelle": 1, "zvE": 116607})")
        << QByteArray(R"({"Einkommensteuer": 37839, "Solidaritaetszuschlag": 2081.14})");
    QTest::newRow("2026 Splitting mit doppelter Freigrenze")
        << QByteArray(R"({"Jahr": 2026, "Tabelle": 2, "zvE": 149938})")
        << QByteArray(R"({"Einkommensteuer": 40702, "Solidaritaetszuschlag": 0.23})");
    QTest::newRow("2027 mit dem Tarif von 2026")
        << QByteArray(R"({"Jahr": 2027, "Tabelle": 1, "zvE": 100000})")
        << QByteArray(R"({"Einkommensteuer": 30864})");
    QTest::newRow("2010 ohne Freigrenze im Bereich 5,5 Prozent, mit Abzug")
        << QByteArray(R"({"Jahr": 2010, "Tabelle": 1, "zvE": 25206.8, "Abzug": 1200})")
        << QByteArray(R"({"Einkommensteuer": 4166, "Solidaritaetszuschlag": 229.13,
                          "Steuerminderung": 349, "SoliMinderung": 19.2})");
    QTest::newRow("2026 mit Abzug unter die Freigrenze")
        << QByteArray(R"({"Jahr": 2026, "Tabelle": 1, "zvE": 90000, "Abzug": 20000})")
        << QByteArray(R"({"Solidaritaetszuschlag": 751.36, "SoliMinderung": 751.36})");
}

void TstStapelJahre::steuerMitSoli()
{
    QFETCH(QByteArray, zeile);
    QFETCH(QByteArray, erwartet);
    bool fehler = true;
    const QJsonObject o = QJsonDocument::fromJson(SteuerZeile(zeile, fehler)).object();
    QVERIFY(!fehler);
    enthaelt(o, json(erwartet));
    QCOMPARE(o.contains(QStringLiteral("SoliMinderung")), zeile.contains("Abzug"));
}

void TstStapelJahre::hilfeNenntDieJahre()
{
    QProcess p;
    p.start(QStringLiteral(FERMALIN_CLI), {QStringLiteral("--help")});
    QVERIFY(p.waitForFinished(30000));
    const QString hilfe = QString::fromUtf8(p.readAllStandardOutput());
    for (const char* teil : {"Beitragsjahr", "eine ganze Zahl von 2010 bis 2027", "Foerderrecht",
                             "\"bisher\" oder \"neu\"", "Berufseinsteiger2", "Eigenbeitrag1",
                             "Vergleich", "Solidaritaetszuschlag", "SoliMinderung"})
        QVERIFY2(hilfe.contains(QString::fromUtf8(teil)), teil);
}

QTEST_GUILESS_MAIN(TstStapelJahre)
#include "tst_stapeljahre.moc"
