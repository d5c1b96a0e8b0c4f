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
    QCOMPARE(BBG_RV(2030, TRegion::West), 66000.0);
    QCOMPARE(BBG_RV(2000, TRegion::West), 0.0);
    QCOMPARE(BBG_RV(2010, 3), 0.0);
    QCOMPARE(BBG_KV(2003), 0.0);
    QCOMPARE(BBG_KV(2012), 45000.0);
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
