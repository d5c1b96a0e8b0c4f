#include "EkSteuer.h"

#include <QTest>

using namespace Fermalin;

class TstTarif : public QObject
{
    Q_OBJECT
private slots:
    void einkommensteuer_data();
    void einkommensteuer();
    void zone4VonSteuerjahr2010Exakt();
    void splittingVerdoppelt();
    void steuerminderung_data();
    void steuerminderung();
};

void TstTarif::einkommensteuer_data()
{
    QTest::addColumn<int>("jahr");
    QTest::addColumn<int>("tabelle");
    QTest::addColumn<double>("zvE");
    QTest::addColumn<double>("erwartet");

    // Zone bounds of 2010
    QTest::newRow("2010: 8004 steuerfrei") << 2010 << 1 << 8004.0 << 0.0;
    QTest::newRow("2010: 8005, y = 0,0001 ergibt 0,14") << 2010 << 1 << 8005.0 << 0.0;
    QTest::newRow("2010: 13469 in Zone 2") << 2010 << 1 << 13469.0 << 1037.0;
    QTest::newRow("2010: 13470 in Zone 3") << 2010 << 1 << 13470.0 << 1038.0;
    QTest::newRow("2010: 52881 in Zone 3") << 2010 << 1 << 52881.0 << 14038.0;
    QTest::newRow("2010: 52882 in Zone 4") << 2010 << 1 << 52882.0 << 14038.0;
    QTest::newRow("2010: 250730 in Zone 4") << 2010 << 1 << 250730.0 << 97134.0;
    QTest::newRow("2010: 250731 in Zone 5") << 2010 << 1 << 250731.0 << 97134.0;
    QTest::newRow("2010: 20000") << 2010 << 1 << 20000.0 << 2701.0;
    QTest::newRow("2010: Cent werden abgeschnitten") << 2010 << 1 << 20000.99 << 2701.0;
    QTest::newRow("2010: 25206,80") << 2010 << 1 << 25206.80 << 4166.0;
    QTest::newRow("2010: 24006,80") << 2010 << 1 << 24006.80 << 3817.0;
    QTest::newRow("2010: 74500 nach Gesetz 23118") << 2010 << 1 << 74500.0 << 23118.0;
    QTest::newRow("2010: negatives zvE") << 2010 << 1 << -5000.0 << 0.0;
    QTest::newRow("2015 rechnet mit dem Tarif 2010") << 2015 << 1 << 20000.0 << 2701.0;
    // Other years: the zone formulas on both sides of their bounds
    QTest::newRow("2009: 7834 steuerfrei") << 2009 << 1 << 7834.0 << 0.0;
    QTest::newRow("2009: 20000") << 2009 << 1 << 20000.0 << 2759.0;
    QTest::newRow("2009: 300000 in Zone 5") << 2009 << 1 << 300000.0 << 119424.0;
    QTest::newRow("2008: 300000 in Zone 5") << 2008 << 1 << 300000.0 << 119586.0;
    QTest::newRow("2007 ohne 45-%-Zone") << 2007 << 1 << 300000.0 << 118086.0;
    QTest::newRow("2004: 60000 in Zone 4") << 2004 << 1 << 60000.0 << 18155.0;
    QTest::newRow("2004: 7663 steuerfrei") << 2004 << 1 << 7663.0 << 0.0;
    // 2002/2003: 36-euro steps and the three-decimal cut
    QTest::newRow("2002: 7235 liegt in der Stufe 7218") << 2002 << 1 << 7235.0 << 0.0;
    QTest::newRow("2002: 7236 liegt in der Stufe 7254") << 2002 << 1 << 7236.0 << 10.0;
    QTest::newRow("2003: 20000") << 2003 << 1 << 20000.0 << 3235.0;
    QTest::newRow("2002: 60000 in Zone 4") << 2002 << 1 << 60000.0 << 19225.0;
    // 2001 in DM
    QTest::newRow("2001: 10000 Euro = 19575 DM, 1214 DM Steuer")
        << 2001 << 1 << 10000.0 << 1214 / 1.95583;
    QTest::newRow("2001: unter dem Grundfreibetrag") << 2001 << 1 << 7000.0 << 0.0;
    // Errors
    QTest::newRow("Jahr 2000") << 2000 << 1 << 20000.0 << -1.0;
    QTest::newRow("Tabelle unbekannt") << 2010 << 0 << 20000.0 << -1.0;
}

void TstTarif::einkommensteuer()
{
    QFETCH(int, jahr);
    QFETCH(int, tabelle);
    QFETCH(double, zvE);
    QFETCH(double, erwartet);
    QCOMPARE(Einkommensteuer(jahr, static_cast<TTabelle>(tabelle), zvE), erwartet);
}

// § 32a Abs. 1 Nr. 4 EStG 2010: 0.42 · x − 8172, whole euros. A binary 0.42
// lies below the decimal one and would lose a euro at these incomes.
void TstTarif::zone4VonSteuerjahr2010Exakt()
{
    int geprueft = 0;
    for (int von : {74500, 148950}) {
        const int bis = von == 74500 ? 78000 : 156000;
        for (long long x = von; x <= bis; x += 50) {
            const double gesetz = static_cast<double>((42 * x - 817200) / 100);
            QCOMPARE(Einkommensteuer(2010, Grundtabelle, static_cast<double>(x)), gesetz);
            ++geprueft;
        }
    }
    QCOMPARE(geprueft, 71 + 142);
}

void TstTarif::splittingVerdoppelt()
{
    QCOMPARE(Einkommensteuer(2010, Splittingtabelle, 40000), 5402.0);
    QCOMPARE(Einkommensteuer(2010, Splittingtabelle, 40001), 5402.0); // halved, then cut
    QCOMPARE(Einkommensteuer(2010, 7, 40000), 5402.0); // any other table is splitting
    QCOMPARE(Einkommensteuer(2001, Splittingtabelle, 20000), 2 * 1214 / 1.95583);
}

void TstTarif::steuerminderung_data()
{
    QTest::addColumn<int>("tabelle");
    QTest::addColumn<double>("zvE");
    QTest::addColumn<double>("abzug");
    QTest::addColumn<double>("zuschlag");
    QTest::addColumn<double>("erwartet");
    QTest::newRow("Ledig, 25206,80, Abzug 1200") << 1 << 25206.80 << 1200.0 << 0.0 << 349.0;
    QTest::newRow("Abzug 0") << 1 << 25206.80 << 0.0 << 0.0 << 0.0;
    QTest::newRow("Abzug über zvE: die ganze Steuer") << 1 << 20000.0 << 30000.0 << 0.0 << 2701.0;
    QTest::newRow("Zuschlag, Hälfte zur geraden Zahl") << 1 << 20000.0 << 30000.0 << 0.5 << 4052.0;
    QTest::newRow("Tabelle unbekannt") << 0 << 20000.0 << 1000.0 << 0.0 << 0.0;
}

void TstTarif::steuerminderung()
{
    QFETCH(int, tabelle);
    QFETCH(double, zvE);
    QFETCH(double, abzug);
    QFETCH(double, zuschlag);
    QFETCH(double, erwartet);
    QCOMPARE(Steuerminderung(static_cast<TTabelle>(tabelle), 2010, zvE, abzug, zuschlag), erwartet);
}

QTEST_GUILESS_MAIN(TstTarif)
#include "tst_tarif.moc"
