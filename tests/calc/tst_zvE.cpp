#include "EkSteuer.h"
#include "SV_Groessen.h"
#include "ZulagenDaten.h"

#include <QTest>

using namespace Fermalin;

class TstZvE : public QObject
{
    Q_OBJECT
private slots:
    void sozialversicherungsTabellen();
    void ledigerArbeitnehmer30000();
    void schaetzung_data();
    void schaetzung();
    void kinderfreibetraege();
    void andereLagen_data();
    void andereLagen();
    void ledigMitZweitemLohnWirdAbgelehnt();
};

void TstZvE::sozialversicherungsTabellen()
{
    int vorjahr = 0;
    for (int jahr = 2001; jahr <= 2010; ++jahr) {
        // ceilings never fall from year to year; the East ceiling lies below the West one
        QVERIFY2(BBG_RV(jahr, TRegion::West) >= vorjahr, qPrintable(QString::number(jahr)));
        QVERIFY(BBG_RV(jahr, TRegion::Ost) < BBG_RV(jahr, TRegion::West));
        vorjahr = static_cast<int>(BBG_RV(jahr, TRegion::West));
    }
    QCOMPARE(BBG_RV(2030, TRegion::West), 101400.0); // later years keep the last values in force
    QCOMPARE(BBG_RV(2000, TRegion::West), 0.0);
    QCOMPARE(BBG_RV(2010, 3), 0.0);
    QCOMPARE(BBG_KV(2003), 0.0);
    QCOMPARE(BBG_KV(2012), 45900.0);
    QCOMPARE(KVSatz(true, false, 2010), 7.9);
    QCOMPARE(KVSatz(false, true, 2009), 14.9);
    QCOMPARE(PVSatz(2010, true, true, false), 1.225);
    QCOMPARE(PVSatz(2010, false, true, true), 1.475);
    QCOMPARE(PVSatz(2004, true, false, false), 1.7); // no childless surcharge before 2005
    QCOMPARE(RVSatz(2006), 19.5);
    QCOMPARE(AVSatz(2007), 4.2);
    QCOMPARE(Vorwegabzug(2004), 0.0);
    QCOMPARE(Vorwegabzug(2012), 2400.0);
    QCOMPARE(Vorwegabzug(2020), 0.0);
}

void TstZvE::ledigerArbeitnehmer30000()
{
    TZvEEingabe e;
    e.Lohn1 = 30000;
    e.KV1 = 2370;
    e.PV1 = 368;
    e.AV1 = 420;
    const TVorsorge v = Vorsorgeaufwendungen(e);
    QCOMPARE(v.VorsorgeaufwandNeu, 3837.20);
    QCOMPARE(v.VorsorgepauschaleNeu, 3837.20);
    QCOMPARE(v.VorsorgepauschaleAlt, 2001.0);
    QCOMPARE(ZuVersteuerndesEinkommen(e), 25206.80);
}

void TstZvE::schaetzung_data()
{
    QTest::addColumn<bool>("verheiratet");
    QTest::addColumn<int>("foerderberechtigte");
    QTest::addColumn<int>("kinder");
    QTest::addColumn<double>("lohn1");
    QTest::addColumn<double>("lohn2");
    QTest::addColumn<double>("erwartet");
    QTest::newRow("ledig, 30000, kinderlos") << false << 1 << 0 << 30000.0 << 0.0 << 25206.80;
    // KV1 3160, PV1 490, AV1 560; cap 2 × 1900 since Lohn2 = 0; one employee lump sum
    QTest::newRow("verheiratet, ein Verdiener 40000")
        << true << 1 << 0 << 40000.0 << 0.0 << 33616.0;
    // contributions stop at 45000 and 66000
    QTest::newRow("ledig, 200000 über den Bemessungsgrenzen")
        << false << 1 << 0 << 200000.0 << 0.0 << 192453.40;
    QTest::newRow("ledig, 300000: dieselben Abzüge")
        << false << 1 << 0 << 300000.0 << 0.0 << 292453.40;
    QTest::newRow("Lohn unter den Pauschbeträgen ergibt 0")
        << false << 1 << 0 << 500.0 << 0.0 << 0.0;
}

void TstZvE::schaetzung()
{
    QFETCH(bool, verheiratet);
    QFETCH(int, foerderberechtigte);
    QFETCH(int, kinder);
    QFETCH(double, lohn1);
    QFETCH(double, lohn2);
    QFETCH(double, erwartet);
    TZulagenDaten d;
    d.Verheiratet = verheiratet;
    d.Doppelverdiener = foerderberechtigte == 2;
    d.AnzahlFoerderberechtigte = foerderberechtigte;
    d.Kinderzahl = kinder;
    QCOMPARE(ZvESchaetzung(d, lohn1, lohn2), erwartet);
}

void TstZvE::kinderfreibetraege()
{
    // Same contributions, so only the child allowances and the relief differ.
    TZvEEingabe e;
    e.Lohn1 = 60000;
    e.KV1 = 3000;
    e.PV1 = 500;
    e.AV1 = 800;
    const double ohne = ZuVersteuerndesEinkommen(e);
    e.Kinderzahl = 2;
    QCOMPARE(ohne - ZuVersteuerndesEinkommen(e), 7008.0 + 1308.0);

    e.Verheiratet = true;
    e.Kinderzahl = 0;
    const double paarOhne = ZuVersteuerndesEinkommen(e);
    e.Kinderzahl = 2;
    QCOMPARE(paarOhne - ZuVersteuerndesEinkommen(e), 14016.0);
}

void TstZvE::andereLagen_data()
{
    QTest::addColumn<bool>("verheiratet");
    QTest::addColumn<int>("kinder");
    QTest::addColumn<int>("jahr");
    QTest::addColumn<int>("art1");
    QTest::addColumn<int>("art2");
    QTest::addColumn<double>("lohn1");
    QTest::addColumn<double>("lohn2");
    QTest::addColumn<double>("kv1");
    QTest::addColumn<double>("pv1");
    QTest::addColumn<double>("kv2");
    QTest::addColumn<double>("pv2");
    QTest::addColumn<double>("av1");
    QTest::addColumn<bool>("nurAlt");
    QTest::addColumn<double>("erwartet");
    // no own pension contributions; the fictitious East contribution 7960 uses
    // up nothing of the 20000; Basis 2880 + 400 beats the cap 1900
    QTest::newRow("ledige Beamtin 2010")
        << false << 0 << 2010 << int(Beamter) << 0 << 40000.0 << 0.0 << 3000.0 << 400.0 << 0.0
        << 0.0 << 0.0 << false << 40000.0 - 920 - 36 - 3280;
    // old law only: 1334 + 667 of the 6143 contributions
    QTest::newRow("nur altes Recht 2010")
        << false << 0 << 2010 << int(Arbeitnehmer) << 0 << 30000.0 << 0.0 << 2370.0 << 368.0 << 0.0
        << 0.0 << 420.0 << true << 30000.0 - 956 - 2001;
    // AVA 1592; cap 1900 + 1900; Basis 3033.60 + 390 + 1920 + 300 = 5643.60
    QTest::newRow("Arbeitnehmer mit Beamtem verheiratet 2010")
        << true << 0 << 2010 << int(Arbeitnehmer) << int(Beamter) << 40000.0 << 30000.0 << 3160.0
        << 390.0 << 2000.0 << 300.0 << 560.0 << false << 70000.0 - 1840 - 72 - (1592 + 5643.6);
    // before 2004: 1044 lump sum, 2340 household allowance, 1824 + 1080 for the
    // child; provision expenses by the law of 2005 (585 + 1500)
    QTest::newRow("ledig mit Kind 2003")
        << false << 1 << 2003 << int(Arbeitnehmer) << 0 << 30000.0 << 0.0 << 2000.0 << 300.0 << 0.0
        << 0.0 << 900.0 << false << 30000.0 - 1044 - 36 - 2085 - 2340 - 2904;
}

void TstZvE::andereLagen()
{
    QFETCH(bool, verheiratet);
    QFETCH(int, kinder);
    QFETCH(int, jahr);
    QFETCH(int, art1);
    QFETCH(int, art2);
    QFETCH(double, lohn1);
    QFETCH(double, lohn2);
    QFETCH(double, kv1);
    QFETCH(double, pv1);
    QFETCH(double, kv2);
    QFETCH(double, pv2);
    QFETCH(double, av1);
    QFETCH(bool, nurAlt);
    QFETCH(double, erwartet);
    TZvEEingabe e;
    e.Verheiratet = verheiratet;
    e.Kinderzahl = kinder;
    e.Jahr = jahr;
    e.Art1 = art1;
    e.Art2 = art2;
    e.Lohn1 = lohn1;
    e.Lohn2 = lohn2;
    e.KV1 = kv1;
    e.PV1 = pv1;
    e.KV2 = kv2;
    e.PV2 = pv2;
    e.AV1 = av1;
    e.NurAltesRecht = nurAlt;
    QCOMPARE(ZuVersteuerndesEinkommen(e), erwartet);
}

void TstZvE::ledigMitZweitemLohnWirdAbgelehnt()
{
    TZulagenDaten d;
    d.Einkommen2 = 1000;
    try {
        ZvESchaetzung(d, 30000, 1000);
        QFAIL("keine Ablehnung");
    } catch (const EVorsorgeFehler& f) {
        QCOMPARE(QString::fromUtf8(f.what()),
                 QStringLiteral("Vorsorgeaufwendungen: Bei Ledigen muss Lohn2=0 gelten"));
    }
}

QTEST_GUILESS_MAIN(TstZvE)
#include "tst_zvE.moc"
