#include "EKDetails.h"
#include "EkSteuer.h"
#include "Zulagen.h"

#include <QTest>

using namespace Fermalin;

namespace {

TZulagenDaten ledig(double lohn)
{
    TZulagenDaten d;
    d.Einkommen1 = lohn;
    return d;
}

TZulagenDaten verheiratet(double lohn1, double lohn2, bool beide)
{
    TZulagenDaten d;
    d.Verheiratet = true;
    d.Doppelverdiener = beide;
    d.AnzahlFoerderberechtigte = beide ? 2 : 1;
    d.Einkommen1 = lohn1;
    d.Einkommen2 = lohn2;
    return d;
}

} // namespace

class TstEKDetails : public QObject
{
    Q_OBJECT
private slots:
    void vorschauRundetLoehneUndErgebnis();
    void vorschauOhneZweitePerson();
    void manuellesZvEWirdAlsAbstandGespeichert();
    void abstandWandertMitDemLohn();
    void okOhneAenderungVerliertDieCent();
    void automatischSetztAbstandZurueck();
    void zuschlaege_data();
    void zuschlaege();
    void ledigZweiteSonstigeEinkuenfteZaehlenNicht();
};

void TstEKDetails::vorschauRundetLoehneUndErgebnis()
{
    const TZulagenDaten d = ledig(0);
    // 29999,50 rounds to 30000, whose estimate is 25206,80; plus 1000 other income
    QCOMPARE(ZvEVorschau(d, 29999.5, 0, 1000, 0, false), 26207.0);
    QCOMPARE(ZvEVorschau(d, 30000, 0, 0, 0, false), 25207.0);
}

void TstEKDetails::vorschauOhneZweitePerson()
{
    // the hidden column of person 2 does not count, whatever it holds
    const TZulagenDaten d = ledig(30000);
    QCOMPARE(ZvEVorschau(d, 30000, 20000, 0, 5000, false), 25207.0);
    // a couple with both entitled: both wages and both other incomes count
    const TZulagenDaten p = verheiratet(30000, 20000, true);
    const double beide = ZvESchaetzung(p, 30000, 20000);
    QCOMPARE(ZvEVorschau(p, 30000, 20000, 100, 200, true), std::round(beide + 300));
}

void TstEKDetails::manuellesZvEWirdAlsAbstandGespeichert()
{
    TZulagenDaten d = ledig(30000);
    TEKAngaben a;
    a.EK1 = 30000;
    a.zvEAutomatisch = false;
    a.zvE = 20000;
    EKAngabenAnwenden(d, a, 30000, 0);
    QCOMPARE(d.DeltazvE, -5206.80);
    BerechneZulagen(d);
    QCOMPARE(d.zvE, 20000.0);
}

void TstEKDetails::abstandWandertMitDemLohn()
{
    TZulagenDaten d = ledig(30000);
    TEKAngaben a;
    a.zvEAutomatisch = false;
    a.zvE = 20000;
    EKAngabenAnwenden(d, a, 30000, 0);
    // a later raise on the input page moves the typed figure by the estimate's change
    d.Einkommen1 = 40000;
    BerechneZulagen(d);
    const double schaetzung40000 = ZvESchaetzung(d, 40000, 0);
    QVERIFY(schaetzung40000 > 25206.80 + 5000);
    QCOMPARE(d.zvE, schaetzung40000 - 5206.80);
}

void TstEKDetails::okOhneAenderungVerliertDieCent()
{
    // An offset with cents: the dialog shows the rounded zvE, OK measures from it.
    TZulagenDaten d = ledig(30000);
    d.DeltazvE = -100.25;
    BerechneZulagen(d);
    QCOMPARE(d.zvE, 25106.55);
    TEKAngaben a;
    a.zvEAutomatisch = false;
    a.zvE = 25107; // runden(0, zvE) as the dialog opens with it
    EKAngabenAnwenden(d, a, 30000, 0);
    QCOMPARE(d.DeltazvE, -99.80);
}

void TstEKDetails::automatischSetztAbstandZurueck()
{
    TZulagenDaten d = ledig(30000);
    d.DeltazvE = -5206.80;
    TEKAngaben a;
    a.zvEAutomatisch = true;
    a.zvE = 12345;
    EKAngabenAnwenden(d, a, 30000, 0);
    QCOMPARE(d.DeltazvE, 0.0);
}

void TstEKDetails::zuschlaege_data()
{
    QTest::addColumn<bool>("soli");
    QTest::addColumn<bool>("kist");
    QTest::addColumn<int>("land");
    QTest::addColumn<double>("soliSatz");
    QTest::addColumn<int>("bundesland");
    QTest::addColumn<double>("kiStSatz");
    QTest::newRow("Bremen") << true << true << 4 << 0.055 << 4 << 0.09;
    QTest::newRow("Bayern") << false << true << 1 << 0.0 << 1 << 0.08;
    QTest::newRow("Baden-Württemberg") << true << true << 0 << 0.055 << 0 << 0.08;
    QTest::newRow("Thüringen") << true << true << 15 << 0.055 << 15 << 0.09;
    QTest::newRow("keine Kirchensteuer, Land gewählt") << true << false << 4 << 0.055 << -1 << 0.0;
}

void TstEKDetails::zuschlaege()
{
    QFETCH(bool, soli);
    QFETCH(bool, kist);
    QFETCH(int, land);
    TZulagenDaten d = ledig(30000);
    d.Bundesland = 7;
    d.KiStSatz = 0.09;
    TEKAngaben a;
    a.Soli = soli;
    a.KiSt = kist;
    a.Bundesland = land;
    EKAngabenAnwenden(d, a, 30000, 0);
    QTEST(d.Soli, "soliSatz");
    QTEST(d.Bundesland, "bundesland");
    QTEST(d.KiStSatz, "kiStSatz");
}

void TstEKDetails::ledigZweiteSonstigeEinkuenfteZaehlenNicht()
{
    // A single person keeps EinkommenNR2, but it is no part of the offset.
    TZulagenDaten d = ledig(30000);
    TEKAngaben a;
    a.EK1nr = 1000;
    a.EK2nr = 7000;
    a.zvEAutomatisch = false;
    a.zvE = 30000;
    EKAngabenAnwenden(d, a, 30000, 0);
    QCOMPARE(d.EinkommenNR2, 7000.0);
    QCOMPARE(d.DeltazvE, 30000 - (1000 + 25206.80));
    BerechneZulagen(d);
    QCOMPARE(d.zvE, 30000.0);
}

QTEST_GUILESS_MAIN(TstEKDetails)
#include "tst_ekdetails.moc"
