#include "BmfRechner.h"
#include "EkSteuer.h"
#include "Zuschlaege.h"

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
    void amtlicherRechner();
    void pruefwerteDerJahre_data();
    void pruefwerteDerJahre();
    void solidaritaetszuschlag_data();
    void solidaritaetszuschlag();
    void solidaritaetszuschlagAmtlich();
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
    // each year its own tariff (official calculator 2015: 20000 → 2611); later
    // years than the last enacted tariff keep it
    QTest::newRow("2015 rechnet mit dem Tarif 2015") << 2015 << 1 << 20000.0 << 2611.0;
    QTest::newRow("2011 und 2012 rechnen mit dem Tarif 2010") << 2012 << 1 << 20000.0 << 2701.0;
    QTest::newRow("2030 rechnet mit dem Tarif 2026") << 2030 << 1 << 100000.0 << 30864.0;
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

// Every published row of the official calculator, both tables.
void TstTarif::amtlicherRechner()
{
    for (const BmfRechner::TZeile& z : BmfRechner::Tarifzeilen) {
        const QByteArray wo = QByteArray::number(z.Jahr) + ": " + QByteArray::number(z.zvE);
        QVERIFY2(Einkommensteuer(z.Jahr, Grundtabelle, z.zvE) == z.Grund, wo);
        QVERIFY2(Einkommensteuer(z.Jahr, Splittingtabelle, z.zvE) == z.Splitting, wo);
    }
    for (const BmfRechner::TSoliZeile& z : BmfRechner::Solizeilen) {
        const TTabelle t = z.Splitting ? Splittingtabelle : Grundtabelle;
        const QByteArray wo = QByteArray::number(z.Jahr) + (z.Splitting ? " Splitting: " : ": ") +
                              QByteArray::number(z.zvE);
        QVERIFY2(Einkommensteuer(z.Jahr, t, z.zvE) == z.Einkommensteuer, wo);
    }
}

// Years and amounts beyond the published rows: the statute's zone formulas
// worked out by hand, and 30000 in 2026 from the official calculator.
void TstTarif::pruefwerteDerJahre_data()
{
    QTest::addColumn<int>("jahr");
    QTest::addColumn<int>("tabelle");
    QTest::addColumn<double>("zvE");
    QTest::addColumn<double>("erwartet");
    QTest::newRow("2026: 30000 kosten 4217") << 2026 << 1 << 30000.0 << 4217.0;
    // (914.51 · 0.5451 + 1400) · 0.5451 = 1034.89
    QTest::newRow("2026: letzter Euro der Zone 2") << 2026 << 1 << 17799.0 << 1034.0;
    // 0.42 · 277825 − 11135.63 = 105550.87
    QTest::newRow("2026: letzter Euro der Zone 4") << 2026 << 1 << 277825.0 << 105550.0;
    QTest::newRow("2027 ohne verkündeten Tarif: der Tarif 2026") << 2027 << 1 << 30000.0 << 4217.0;
    // 2013: (933.70 · 0.0870 + 1400) · 0.0870 = 128.87
    QTest::newRow("2013: 9000 im neuen Grundfreibetrag 8130") << 2013 << 1 << 9000.0 << 128.0;
    // 2020: z = 1.5468: (212.02 · 1.5468 + 2397) · 1.5468 + 972.79 = 5187.8
    QTest::newRow("2020: 30000 in Zone 3") << 2020 << 1 << 30000.0 << 5187.0;
    // 2021: z = 1.5247: (208.85 · 1.5247 + 2397) · 1.5247 + 950.96 = 5091.2
    QTest::newRow("2021: 30000 in Zone 3") << 2021 << 1 << 30000.0 << 5091.0;
    // 2022: 0.42 · 60000 − 9336.45 = 15863.55
    QTest::newRow("2022: 60000 in Zone 4") << 2022 << 1 << 60000.0 << 15863.0;
    // 2023: z = 1.4001: (192.59 · 1.4001 + 2397) · 1.4001 + 966.53 = 4700.1
    QTest::newRow("2023: 30000 in Zone 3") << 2023 << 1 << 30000.0 << 4700.0;
    // 2023 Splitting: 2 · tax on 20000, z = 0.4001: (192.59 · z + 2397) · z + 966.53 = 1956.4
    QTest::newRow("2023: Splitting 40000") << 2023 << 2 << 40000.0 << 3912.0;
    // 2024: 0.45 · 300000 − 18971.06 = 116028.94
    QTest::newRow("2024: 300000 in Zone 5") << 2024 << 1 << 300000.0 << 116028.0;
}

void TstTarif::pruefwerteDerJahre()
{
    QFETCH(int, jahr);
    QFETCH(int, tabelle);
    QFETCH(double, zvE);
    QFETCH(double, erwartet);
    QCOMPARE(Einkommensteuer(jahr, static_cast<TTabelle>(tabelle), zvE), erwartet);
}

void TstTarif::solidaritaetszuschlag_data()
{
    QTest::addColumn<int>("jahr");
    QTest::addColumn<int>("tabelle");
    QTest::addColumn<double>("steuer");
    QTest::addColumn<double>("soli");
    QTest::newRow("2026: Steuer genau an der Freigrenze 20350: kein Soli")
        << 2026 << 1 << 20350.0 << 0.0;
    QTest::newRow("2026: ein Euro darüber: 11,9 Cent, abgerundet") << 2026 << 1 << 20351.0 << 0.11;
    QTest::newRow("2026: in der Milderungszone") << 2026 << 1 << 26664.0 << 751.36;
    QTest::newRow("2026: am Ende der Milderungszone 5,5 %") << 2026 << 1 << 37839.0 << 2081.14;
    QTest::newRow("2026 zusammen: an der Freigrenze 40700 kein Soli")
        << 2026 << 2 << 40700.0 << 0.0;
    QTest::newRow("2026 zusammen: zwei Euro darüber") << 2026 << 2 << 40702.0 << 0.23;
    // 2010: 20 % of the excess until 5.5 % is less
    QTest::newRow("2010: Freigrenze 972") << 2010 << 1 << 972.0 << 0.0;
    QTest::newRow("2010: 1000 Euro Steuer: 20 % von 28") << 2010 << 1 << 1000.0 << 5.60;
    QTest::newRow("2010: 4166 Euro Steuer: 5,5 %") << 2010 << 1 << 4166.0 << 229.13;
    QTest::newRow("2020 zusammen: Freigrenze 1944") << 2020 << 2 << 1944.0 << 0.0;
    QTest::newRow("2021: neue Freigrenze 16956") << 2021 << 1 << 16956.0 << 0.0;
    QTest::newRow("keine Steuer") << 2026 << 1 << 0.0 << 0.0;
}

void TstTarif::solidaritaetszuschlag()
{
    QFETCH(int, jahr);
    QFETCH(int, tabelle);
    QFETCH(double, steuer);
    QFETCH(double, soli);
    QCOMPARE(Solidaritaetszuschlag(jahr, static_cast<TTabelle>(tabelle), steuer), soli);
}

void TstTarif::solidaritaetszuschlagAmtlich()
{
    for (const BmfRechner::TSoliZeile& z : BmfRechner::Solizeilen) {
        const TTabelle t = z.Splitting ? Splittingtabelle : Grundtabelle;
        const QByteArray wo = QByteArray::number(z.Jahr) + (z.Splitting ? " Splitting: " : ": ") +
                              QByteArray::number(z.zvE);
        const double soli = Solidaritaetszuschlag(z.Jahr, t, Einkommensteuer(z.Jahr, t, z.zvE));
        QVERIFY2(soli == static_cast<double>(z.SoliCent) / 100, wo);
    }
}

QTEST_GUILESS_MAIN(TstTarif)
#include "tst_tarif.moc"
