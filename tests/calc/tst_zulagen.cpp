#include "EkSteuer.h"
#include "Zulagen.h"

#include <QTest>

using namespace Fermalin;

namespace {

TZulagenDaten ledig(double einkommen)
{
    TZulagenDaten d;
    d.Einkommen1 = einkommen;
    d.MinBeitrag = false;
    d.TarMindBtr = false;
    return d;
}

} // namespace

class TstZulagen : public QObject
{
    Q_OBJECT
private slots:
    void ledig30000Mindestmodus();
    void mindesteigenbeitrag_data();
    void mindesteigenbeitrag();
    void einVerdienerMitKindernBeiPerson2();
    void beitragsPosition_data();
    void beitragsPosition();
    void invariantenUeberAlleSchieberpositionen_data();
    void invariantenUeberAlleSchieberpositionen();
    void steuerersparnisMitZuschlaegen_data();
    void steuerersparnisMitZuschlaegen();
    void einVerdienerSplittingAbzugEinfach();
    void ablehnungLaesstFruehereErgebnisse();
    void kirchensteuersatz();
    void haushaltAngleichen();
};

void TstZulagen::ledig30000Mindestmodus()
{
    TZulagenDaten d = ledig(30000);
    d.MinBeitrag = true;
    BerechneZulagen(d);
    QCOMPARE(d.Mindesteigenbeitrag1, 1046.0);
    QCOMPARE(d.Eigenbeitrag, 1046.0);
    QCOMPARE(d.Gesamtbeitrag, 1200.0);
    QCOMPARE(d.PositionVolleZulagen, 29);
    QCOMPARE(d.PositionTarMindBtr, 0);
    QCOMPARE(d.zvE, 25206.80);
    QCOMPARE(d.Steuerersparnis, 195.0);
    QCOMPARE(d.Foerderquote, 349.0 / 1200);
}

void TstZulagen::mindesteigenbeitrag_data()
{
    QTest::addColumn<double>("einkommen");
    QTest::addColumn<int>("gebJahr"); // 0: no child
    QTest::addColumn<double>("erwartet");
    QTest::newRow("Einkommen 0: Sockelbetrag 60") << 0.0 << 0 << 60.0;
    QTest::newRow("60000: 4 % gekappt bei 2100") << 60000.0 << 0 << 1946.0;
    QTest::newRow("Kind von 2007: 185") << 30000.0 << 2007 << 1200.0 - 154 - 185;
    QTest::newRow("Kind von 2008: 300") << 30000.0 << 2008 << 1200.0 - 154 - 300;
}

void TstZulagen::mindesteigenbeitrag()
{
    QFETCH(double, einkommen);
    QFETCH(int, gebJahr);
    QFETCH(double, erwartet);
    TZulagenDaten d = ledig(einkommen);
    if (gebJahr) {
        d.Kinderzahl = 1;
        d.KindGebJahr[0] = gebJahr;
    }
    BerechneZulagen(d);
    QCOMPARE(d.Mindesteigenbeitrag1, erwartet);
    QCOMPARE(d.Mindesteigenbeitrag2, 0.0);
}

void TstZulagen::einVerdienerMitKindernBeiPerson2()
{
    TZulagenDaten d;
    d.Verheiratet = true;
    d.Einkommen1 = 40000;
    d.Kinderzahl = 2;
    d.KindGebJahr = {2005, 2009};
    d.KindPerson = {2, 2};
    d.MinBeitrag = true;
    d.TarMindBtr = true;
    BerechneZulagen(d);
    QCOMPARE(d.VolleGrundzulage2, 154.0);
    QCOMPARE(d.VolleKinderzulage1, 0.0);
    QCOMPARE(d.VolleKinderzulage2, 485.0);
    QCOMPARE(d.Mindesteigenbeitrag1, 807.0);
    QCOMPARE(d.Mindesteigenbeitrag2, 0.0);
    QCOMPARE(d.TarifMindestbeitrag2, 30.0);
    QCOMPARE(d.Eigenbeitrag, 837.0);
    QCOMPARE(d.Gesamtbeitrag, 837.0 + 793);
}

void TstZulagen::beitragsPosition_data()
{
    QTest::addColumn<double>("einkommen");
    QTest::addColumn<int>("kinder"); // born 2009, all with person 1
    QTest::addColumn<bool>("tarif");
    QTest::addColumn<int>("position");
    QTest::addColumn<double>("eigenbeitrag");
    QTest::addColumn<double>("grundzulage");
    QTest::addColumn<double>("gesamt");

    QTest::newRow("Position 0: nichts") << 30000.0 << 0 << false << 0 << 0.0 << 0.0 << 0.0;
    // w = 120 / 1046, 154 w = 17.667
    QTest::newRow("Position der Tarif-Mindestbeiträge")
        << 30000.0 << 0 << true << 3 << 120.0 << 17.67 << 137.67;
    // G = 1260 ≥ 1200: (1260 − 154) / 6 = 184.33 → 1104
    QTest::newRow("frei, volle Zulagen")
        << 30000.0 << 0 << false << 30 << 1104.0 << 154.0 << 1258.0;
    // G = 1218, M = 1063: 177 steps = 1062 < M, raised by 6
    QTest::newRow("knapp über dem Mindestbeitrag: +6")
        << 30425.0 << 0 << false << 29 << 1068.0 << 154.0 << 1222.0;
    // x = 1046 · 840 / 1200 = 732.2 → 732; w = 732 / 1046
    QTest::newRow("unter dem Mindestbeitrag: gekürzte Zulagen")
        << 30000.0 << 0 << false << 20 << 732.0 << 107.77 << 839.77;
    QTest::newRow("rechter Anschlag: Höchstbetrag")
        << 30000.0 << 0 << false << 50 << 1946.0 << 154.0 << 2100.0;
    // 2100 − 2854 < 0: the minimum of 60 remains
    QTest::newRow("rechter Anschlag, neun Kinder")
        << 30000.0 << 9 << false << 50 << 60.0 << 154.0 << 60.0 + 154 + 2700;
}

void TstZulagen::beitragsPosition()
{
    QFETCH(double, einkommen);
    QFETCH(int, kinder);
    QFETCH(bool, tarif);
    QFETCH(int, position);
    QFETCH(double, eigenbeitrag);
    QFETCH(double, grundzulage);
    QFETCH(double, gesamt);
    TZulagenDaten d = ledig(einkommen);
    d.Kinderzahl = kinder;
    d.KindGebJahr.fill(2009);
    d.TarMindBtr = tarif;
    d.BeitragsPosition = position;
    BerechneZulagen(d);
    if (tarif)
        QCOMPARE(d.PositionTarMindBtr, position);
    QCOMPARE(d.Eigenbeitrag, eigenbeitrag);
    QCOMPARE(d.Grundzulage1, grundzulage);
    QCOMPARE(d.Gesamtbeitrag, gesamt);
    if (position == 0) {
        QCOMPARE(d.Foerderquote, 0.0);
        QCOMPARE(d.Steuerersparnis, 0.0);
    }
}

void TstZulagen::invariantenUeberAlleSchieberpositionen_data()
{
    QTest::addColumn<bool>("verheiratet");
    QTest::addColumn<bool>("beide");
    QTest::addColumn<double>("einkommen1");
    QTest::addColumn<double>("einkommen2");
    QTest::addColumn<bool>("tarif");
    QTest::newRow("ledig 30000") << false << false << 30000.0 << 0.0 << false;
    QTest::newRow("Doppelverdiener 30000/20000, Tarif")
        << true << true << 30000.0 << 20000.0 << true;
    QTest::newRow("Einverdiener 45000, Tarif") << true << false << 45000.0 << 0.0 << true;
    QTest::newRow("Doppelverdiener ohne Einkommen") << true << true << 0.0 << 0.0 << false;
}

void TstZulagen::invariantenUeberAlleSchieberpositionen()
{
    QFETCH(bool, verheiratet);
    QFETCH(bool, beide);
    QFETCH(double, einkommen1);
    QFETCH(double, einkommen2);
    QFETCH(bool, tarif);
    for (int pos = 0; pos <= 50; ++pos) {
        TZulagenDaten d;
        d.Verheiratet = verheiratet;
        d.Doppelverdiener = beide;
        d.Einkommen1 = einkommen1;
        d.Einkommen2 = einkommen2;
        d.Kinderzahl = 3;
        d.KindGebJahr = {2001, 2008, 2009};
        d.KindPerson = {1, 2, 1};
        d.MinBeitrag = false;
        d.TarMindBtr = tarif;
        d.BeitragsPosition = pos;
        EingabenAngleichen(d);
        BerechneZulagen(d);
        const QByteArray wo = "Position " + QByteArray::number(pos);
        QVERIFY2(qFuzzyCompare(1 + d.Gesamtbeitrag, 1 + d.Eigenbeitrag + d.GewaehrteZulagen()), wo);
        QVERIFY2(d.Grundzulage1 >= 0 && d.Grundzulage1 <= d.VolleGrundzulage1, wo);
        QVERIFY2(d.Kinderzulage1 >= 0 && d.Kinderzulage1 <= d.VolleKinderzulage1, wo);
        QVERIFY2(d.Grundzulage2 >= 0 && d.Grundzulage2 <= d.VolleGrundzulage2, wo);
        QVERIFY2(d.Kinderzulage2 >= 0 && d.Kinderzulage2 <= d.VolleKinderzulage2, wo);
        QVERIFY2(d.Steuerersparnis >= 0, wo);
        const double M = d.Mindesteigenbeitrag1 + d.Mindesteigenbeitrag2;
        // full allowances exactly when the own contribution reaches the minimum
        if (pos != 0 && pos != d.PositionTarMindBtr)
            QVERIFY2((d.Eigenbeitrag >= M) == (d.GewaehrteZulagen() == d.VolleZulagen()), wo);
        if (pos != 0 && pos != 50 && pos != d.PositionTarMindBtr)
            QVERIFY2(std::fmod(d.Eigenbeitrag, 6.0) == 0, wo);
    }
}

void TstZulagen::steuerersparnisMitZuschlaegen_data()
{
    QTest::addColumn<double>("soli");
    QTest::addColumn<int>("bundesland");
    QTest::addColumn<double>("faktor");
    QTest::newRow("ohne Zuschläge") << 0.0 << -1 << 1.0;
    QTest::newRow("Solidaritätszuschlag") << 0.055 << -1 << 1.055;
    QTest::newRow("nur Kirchensteuer Bayern") << 0.0 << 1 << 1.08;
    QTest::newRow("beide, Hessen") << 0.055 << 6 << 1.145;
}

void TstZulagen::steuerersparnisMitZuschlaegen()
{
    QFETCH(double, soli);
    QFETCH(int, bundesland);
    QFETCH(double, faktor);
    TZulagenDaten d = ledig(30000);
    d.MinBeitrag = true;
    d.Soli = soli;
    d.KiStSatz = KiStSatzFuer(bundesland);
    BerechneZulagen(d);
    QCOMPARE(d.Steuerersparnis, 195 * faktor);
    QCOMPARE(d.Foerderquote, (195 * faktor + 154) / 1200);
}

void TstZulagen::einVerdienerSplittingAbzugEinfach()
{
    TZulagenDaten d;
    d.Verheiratet = true;
    d.Einkommen1 = 40000;
    d.MinBeitrag = true;
    d.TarMindBtr = true;
    EingabenAngleichen(d);
    BerechneZulagen(d);
    QCOMPARE(d.zvE, 33616.0);
    QCOMPARE(d.Gesamtbeitrag, 1292.0 + 30 + 308);
    // splitting table: 3726 on 33616, 3314 on 33616 − 1630
    QCOMPARE(d.Steuerersparnis, 412.0 - 308);

    // Many children push Gesamtbeitrag above 2100: the deduction stays at 2100.
    d.Kinderzahl = 9;
    d.KindGebJahr.fill(2009);
    d.Einkommen1 = 999999;
    BerechneZulagen(d);
    QVERIFY(d.Gesamtbeitrag > 2100);
    const double R = Steuerminderung(Splittingtabelle, 2010, d.zvE, 2100, 0);
    QCOMPARE(d.Steuerersparnis, std::max(0.0, R - d.GewaehrteZulagen()));
}

void TstZulagen::ablehnungLaesstFruehereErgebnisse()
{
    TZulagenDaten d = ledig(30000);
    d.MinBeitrag = true;
    BerechneZulagen(d);
    const double zvE = d.zvE, ersparnis = d.Steuerersparnis, quote = d.Foerderquote;
    d.Einkommen1 = 40000;
    d.Einkommen2 = 5000; // single with a second wage
    QVERIFY_THROWS_EXCEPTION(EVorsorgeFehler, BerechneZulagen(d));
    QCOMPARE(d.Mindesteigenbeitrag1, 1600.0 - 154); // this run's allowance results stand
    QCOMPARE(d.zvE, zvE);
    QCOMPARE(d.Steuerersparnis, ersparnis);
    QCOMPARE(d.Foerderquote, quote);
}

void TstZulagen::kirchensteuersatz()
{
    QCOMPARE(KiStSatzFuer(-1), 0.0);
    QCOMPARE(KiStSatzFuer(0), 0.08);
    QCOMPARE(KiStSatzFuer(1), 0.08);
    QCOMPARE(KiStSatzFuer(2), 0.09);
    QCOMPARE(KiStSatzFuer(15), 0.09);
}

void TstZulagen::haushaltAngleichen()
{
    TZulagenDaten d;
    d.Verheiratet = false;
    d.Einkommen1 = 30000;
    d.Einkommen2 = 20000; // left over from a married input
    d.EinkommenNR2 = 5000;
    d.Kinderzahl = 1;
    d.KindGebJahr[0] = 2009;
    d.KindPerson[0] = 2;
    d.MinBeitrag = false;
    d.TarMindBtr = true;
    d.BeitragsPosition = 1;
    BerechneHaushalt(d);
    QCOMPARE(d.Einkommen2, 0.0);
    QCOMPARE(d.KindPerson[0], 1);
    QCOMPARE(d.VolleKinderzulage1, 300.0);
    QCOMPARE(d.AnzahlFoerderberechtigte, 1);
    // raised to the tariff-minimum mark
    QCOMPARE(d.BeitragsPosition, d.PositionTarMindBtr);
    QVERIFY(d.BeitragsPosition > 1);
    QCOMPARE(d.Eigenbeitrag, 120.0);
    TZulagenDaten ohneNR = d;
    ohneNR.EinkommenNR2 = 0;
    BerechneHaushalt(ohneNR);
    QCOMPARE(ohneNR.zvE, d.zvE); // a single person's second other income takes no part

    d.MinBeitrag = true;
    BerechneHaushalt(d);
    QCOMPARE(d.BeitragsPosition, d.PositionVolleZulagen);
}

QTEST_GUILESS_MAIN(TstZulagen)
#include "tst_zulagen.moc"
