// The reform's rules from 2027 beside the old ones. Expected amounts are the
// statute's (§§ 10a, 79, 84-86 EStG n.F.), the worked examples N1-N10 of the
// facts sheet and the 2026 tariff, which governs 2027; worked out in the comments.
#include "EkSteuer.h"
#include "Hinweise.h"
#include "MathUnit.h"
#include "Vergleich.h"
#include "Zulagen.h"
#include "ZulagenNeu.h"

#include <QTest>

using namespace Fermalin;

namespace {

TZulagenDaten haushalt(TFoerderrecht recht, double einkommen = 30000)
{
    TZulagenDaten d;
    d.Beitragsjahr = 2027;
    d.Foerderrecht = recht;
    d.Einkommen1 = einkommen;
    d.MinBeitrag = true;
    d.TarMindBtr = false;
    return d;
}

TZulagenDaten ledigNeu(double eigenbeitrag, int kinder = 0)
{
    TZulagenDaten d = haushalt(TFoerderrecht::Neu);
    d.EigenbeitragVorgabe1 = eigenbeitrag;
    d.Kinderzahl = kinder;
    for (int i = 0; i < kinder; ++i)
        d.KindGebJahr[static_cast<std::size_t>(i)] = 2010 + i;
    return d;
}

TZulagenDaten einverdiener(TFoerderrecht recht, double einkommen)
{
    TZulagenDaten d = haushalt(recht, einkommen);
    d.Verheiratet = true;
    EingabenAngleichen(d);
    return d;
}

TZulagenDaten doppelverdiener(TFoerderrecht recht)
{
    TZulagenDaten d = haushalt(recht, 30000);
    d.Verheiratet = d.Doppelverdiener = true;
    d.Einkommen2 = 20000;
    EingabenAngleichen(d);
    return d;
}

void kinderBei(TZulagenDaten& d, int person, int anzahl)
{
    for (int i = 0; i < anzahl; ++i) {
        const auto k = static_cast<std::size_t>(d.Kinderzahl++);
        d.KindGebJahr[k] = 2012 + i;
        d.KindPerson[k] = person;
    }
}

// The wage that gives the wanted taxable income, as the detail dialog does.
void zvESetzen(TZulagenDaten& d, double zvE)
{
    d.DeltazvE = zvE - ZvESchaetzung(d, d.Einkommen1, d.Einkommen2);
}

} // namespace

class TstReform : public QObject
{
    Q_OBJECT
private slots:
    void tabelleDesNeuenRechts();
    void zulagenNachEigenbeitrag_data();
    void zulagenNachEigenbeitrag();
    void mittelbarBerechtigterEhegatte_data();
    void mittelbarBerechtigterEhegatte();
    void doppelverdienerJeEigenerVertrag();
    void guenstigerpruefung_data();
    void guenstigerpruefung();
    void schieberegler_data();
    void schieberegler();
    void schiebereglerUndMindestmodusPassenZusammen();
    void altGegenNeu_data();
    void altGegenNeu();
    void vergleichMitEigenenBeitraegenJederSeite();
    void vorgegebeneBeitraegeNachAltemRecht_data();
    void vorgegebeneBeitraegeNachAltemRecht();
    void bis2026AendertSichNichts();
    void gueltigkeit();
    void hinweiseZumNichtVerkuendetenTarif();
};

void TstReform::tabelleDesNeuenRechts()
{
    for (const TZulagenJahrNeu& r : ZulagenTabelleNeu()) {
        const QByteArray j = QByteArray::number(r.Jahr);
        QVERIFY2(r.Jahr >= ErstesBeitragsjahrNeu && r.Jahr <= LetztesBeitragsjahr, j);
        QVERIFY2(r.GrundzulageSatz1 > r.GrundzulageSatz2 && r.GrundzulageSatz2 > 0, j);
        QVERIFY2(r.GrundzulageSatz1 <= 1 && r.KinderzulageSatz <= 1, j);
        QVERIFY2(r.Mindesteigenbeitrag < r.Stufe1Bis && r.Stufe1Bis < r.Stufe2Bis, j);
        // § 10a Abs. 3 S. 3 EStG n.F.: the couple's cap rises by the spouse's 120 euros
        QVERIFY2(r.HoechstbetragMittelbar == r.Hoechstbetrag + r.MindestbeitragMittelbar, j);
        // the indirectly entitled spouse's cap lies within the first band
        QVERIFY2(r.GrundzulageMittelbarHoechstens < r.GrundzulageSatz1 * r.Stufe1Bis, j);
    }
    // 180 + 360: "2.340 Euro (= 1.800 Euro + 540 Euro Grundzulage)"
    const TZulagenJahrNeu& r = ZulagenRechtNeu(2027);
    QCOMPARE(GrundzulageNachReform(r, 1800), 540.0);
    QCOMPARE(GrundzulageNachReform(r, 5000), 540.0);
    QCOMPARE(KinderzulageNachReform(r, 299), 299.0);
    QCOMPARE(KinderzulageNachReform(r, 1800), 300.0);
    QCOMPARE(ZulagenRechtNeu(2040).Jahr, LetztesBeitragsjahr);
}

void TstReform::zulagenNachEigenbeitrag_data()
{
    QTest::addColumn<double>("eigenbeitrag");
    QTest::addColumn<int>("kinder");
    QTest::addColumn<bool>("berufseinsteiger");
    QTest::addColumn<double>("grundzulage"); // without the bonus
    QTest::addColumn<double>("kinderzulage");
    QTest::addColumn<double>("bonus");
    QTest::addColumn<double>("abzug"); // § 10a volume

    // § 86 n.F.: below 120 nothing; § 10a Abs. 1 has no such condition
    QTest::newRow("N1: 119 Euro liegen unter dem Mindesteigenbeitrag, sind aber abziehbar")
        << 119.0 << 0 << false << 0.0 << 0.0 << 0.0 << 119.0;
    QTest::newRow("N2: 120 Euro bringen 60 Euro Grundzulage")
        << 120.0 << 0 << false << 60.0 << 0.0 << 0.0 << 180.0;
    QTest::newRow("N3: 360 Euro bringen die halbe Grundzulage 180 Euro")
        << 360.0 << 0 << false << 180.0 << 0.0 << 0.0 << 540.0;
    // 180 + 0.25 · 840
    QTest::newRow("1200 Euro bringen 390 Euro")
        << 1200.0 << 0 << false << 390.0 << 0.0 << 0.0 << 1590.0;
    QTest::newRow("N4: 1800 Euro bringen die vollen 540 Euro")
        << 1800.0 << 0 << false << 540.0 << 0.0 << 0.0 << 2340.0;
    QTest::newRow("über 1800 Euro weder mehr Zulage noch mehr Abzug")
        << 2400.0 << 0 << false << 540.0 << 0.0 << 0.0 << 2340.0;
    // 180 + 0.25 · 0.01 = 180.0025: the allowance in cents
    QTest::newRow("ein Cent über 360 Euro: 180,0025 auf Cent gerundet")
        << 360.01 << 0 << false << 180.0 << 0.0 << 0.0 << 540.01;
    QTest::newRow("N6: 300 Euro mit zwei Kindern: 150 + 2 · 300")
        << 300.0 << 2 << false << 150.0 << 600.0 << 0.0 << 1050.0;
    QTest::newRow("zwei Kinder mit 120 Euro: je 120 Euro Kinderzulage")
        << 120.0 << 2 << false << 60.0 << 240.0 << 0.0 << 420.0;
    QTest::newRow("ein Kind mit 119 Euro: auch keine Kinderzulage")
        << 119.0 << 1 << false << 0.0 << 0.0 << 0.0 << 119.0;
    // § 10a Abs. 1: the bonus stays out of the volume
    QTest::newRow("N7: Berufseinsteiger mit 1200 Euro: 390 + 200 Euro, der Bonus nicht im Abzug")
        << 1200.0 << 0 << true << 390.0 << 0.0 << 200.0 << 1590.0;
    QTest::newRow("Berufseinsteiger mit 100 Euro: auch kein Bonus")
        << 100.0 << 0 << true << 0.0 << 0.0 << 0.0 << 100.0;
}

void TstReform::zulagenNachEigenbeitrag()
{
    QFETCH(double, eigenbeitrag);
    QFETCH(int, kinder);
    QFETCH(bool, berufseinsteiger);
    QFETCH(double, grundzulage);
    QFETCH(double, kinderzulage);
    QFETCH(double, bonus);
    QFETCH(double, abzug);
    TZulagenDaten d = ledigNeu(eigenbeitrag, kinder);
    d.Berufseinsteiger1 = berufseinsteiger;
    BerechneHaushalt(d);
    QCOMPARE(d.Grundzulage1 - d.Berufseinsteigerbonus1, grundzulage);
    QCOMPARE(d.Berufseinsteigerbonus1, bonus);
    QCOMPARE(d.Kinderzulage1, kinderzulage);
    // the minimum mode is passed over for a given contribution
    QCOMPARE(d.Eigenbeitrag, eigenbeitrag);
    QCOMPARE(d.EigenbeitragPerson1, eigenbeitrag);
    QCOMPARE(d.Gesamtbeitrag, eigenbeitrag + grundzulage + bonus + kinderzulage);
    QCOMPARE(d.Sonderausgabenabzug, abzug);
    // full allowances are those at 1800 euros; the minimum a flat 120
    QCOMPARE(d.VolleGrundzulage1, 540.0 + (berufseinsteiger ? 200 : 0));
    QCOMPARE(d.VolleKinderzulage1, 300.0 * kinder);
    QCOMPARE(d.Mindesteigenbeitrag1, 120.0);
    QCOMPARE(d.Mindesteigenbeitrag2, 0.0);
}

void TstReform::mittelbarBerechtigterEhegatte_data()
{
    QTest::addColumn<double>("e1");
    QTest::addColumn<double>("e2");
    QTest::addColumn<int>("kinder2"); // children whose allowance goes to the spouse
    QTest::addColumn<double>("grundzulage1");
    QTest::addColumn<double>("grundzulage2");
    QTest::addColumn<double>("kinderzulage2");
    QTest::addColumn<double>("abzug");

    // § 84 S. 3-4 n.F.: measured on the entitled spouse's contributions, at most 175;
    // § 10a Abs. 3: min(E1 + E2, 1920) and all allowances
    QTest::newRow("N8: der Ehegatte zahlt 120, der andere 1800: 540 und 175 Euro")
        << 1800.0 << 120.0 << 0 << 540.0 << 175.0 << 0.0 << 1920.0 + 715;
    QTest::newRow("N8: bei 350 Euro erreicht der Ehegatte schon die 175 Euro")
        << 350.0 << 120.0 << 0 << 175.0 << 175.0 << 0.0 << 470.0 + 350;
    QTest::newRow("N8: bei 300 Euro erhält der Ehegatte 150 Euro")
        << 300.0 << 120.0 << 0 << 150.0 << 150.0 << 0.0 << 420.0 + 300;
    // § 79 S. 2 Nr. 4 n.F.: not entitled; his payment is no contribution of an entitled person
    QTest::newRow("N9: zahlt der Ehegatte nur 100 Euro, erhält er nichts")
        << 1800.0 << 100.0 << 0 << 540.0 << 0.0 << 0.0 << 1800.0 + 540;
    // § 85 Abs. 1 S. 2 n.F.: his child allowance rests on E1 too
    QTest::newRow("die Kinderzulage des Ehegatten bemisst sich am Beitrag des anderen")
        << 200.0 << 120.0 << 1 << 100.0 << 100.0 << 200.0 << 320.0 + 400;
    // E1 below 120: no funded contributions to measure on
    QTest::newRow("unter 120 Euro beim unmittelbar Berechtigten erhält auch der Ehegatte nichts")
        << 100.0 << 120.0 << 1 << 0.0 << 0.0 << 0.0 << 220.0;
    QTest::newRow("mehr als 120 Euro des Ehegatten zählen nur bis 1920 Euro zusammen")
        << 1700.0 << 400.0 << 0 << 515.0 << 175.0 << 0.0 << 1920.0 + 690;
}

void TstReform::mittelbarBerechtigterEhegatte()
{
    QFETCH(double, e1);
    QFETCH(double, e2);
    QFETCH(int, kinder2);
    QFETCH(double, grundzulage1);
    QFETCH(double, grundzulage2);
    QFETCH(double, kinderzulage2);
    QFETCH(double, abzug);
    TZulagenDaten d = einverdiener(TFoerderrecht::Neu, 40000);
    kinderBei(d, 2, kinder2);
    d.EigenbeitragVorgabe1 = e1;
    d.EigenbeitragVorgabe2 = e2;
    BerechneHaushalt(d);
    QCOMPARE(d.Zulageberechtigt2, e2 >= 120);
    QCOMPARE(d.Grundzulage1, grundzulage1);
    QCOMPARE(d.Grundzulage2, grundzulage2);
    QCOMPARE(d.Kinderzulage1, 0.0);
    QCOMPARE(d.Kinderzulage2, kinderzulage2);
    QCOMPARE(d.Eigenbeitrag, e1 + e2);
    QCOMPARE(d.Sonderausgabenabzug, abzug);
    // sheet: Mindesteigenbeitrag2 0, the spouse's 120 euros are his contract's minimum
    QCOMPARE(d.Mindesteigenbeitrag2, 0.0);
    QCOMPARE(d.TarifMindestbeitrag2, 120.0);
    QCOMPARE(d.VolleGrundzulage2, e2 >= 120 ? 175.0 : 0.0);
}

void TstReform::doppelverdienerJeEigenerVertrag()
{
    // Both directly entitled, each on his own contract; the child with person 2.
    // Person 1: 540; person 2: 150 + 300. § 10a: 1800 + 540 + 300 + 450.
    TZulagenDaten d = doppelverdiener(TFoerderrecht::Neu);
    kinderBei(d, 2, 1);
    d.Berufseinsteiger2 = true;
    d.EigenbeitragVorgabe1 = 1800;
    d.EigenbeitragVorgabe2 = 300;
    BerechneHaushalt(d);
    QCOMPARE(d.Grundzulage1, 540.0);
    QCOMPARE(d.Grundzulage2, 150.0 + 200);
    QCOMPARE(d.Berufseinsteigerbonus2, 200.0);
    QCOMPARE(d.Kinderzulage2, 300.0);
    QCOMPARE(d.Mindesteigenbeitrag1, 120.0);
    QCOMPARE(d.Mindesteigenbeitrag2, 120.0);
    QCOMPARE(d.Sonderausgabenabzug, 1800.0 + 540 + 300 + 450);
    // a contract whose contribution is not given pays its contract minimum
    d.EigenbeitragVorgabe2 = -1;
    d.TarMindBtr = true;
    BerechneHaushalt(d);
    QCOMPARE(d.EigenbeitragPerson2, 120.0);
    QCOMPARE(d.Grundzulage2, 60.0 + 200);
    QCOMPARE(d.Kinderzulage2, 120.0);
}

void TstReform::guenstigerpruefung_data()
{
    QTest::addColumn<double>("eigenbeitrag");
    QTest::addColumn<bool>("berufseinsteiger");
    QTest::addColumn<double>("zvE");
    QTest::addColumn<bool>("zuschlaege"); // Soli and 9 % church tax
    QTest::addColumn<double>("minderung");
    QTest::addColumn<double>("ersparnis");

    // N3: V = 540: 1570 − 1437 = 133 < 180, the allowance wins
    QTest::newRow("N3: 360 Euro bei zvE 20000: die Zulage ist günstiger")
        << 360.0 << false << 20000.0 << false << 133.0 << 0.0;
    // N4: V = 2340: 14233 − 13339 = 894, less 540
    QTest::newRow("N4: 1800 Euro bei zvE 60000: 894 − 540")
        << 1800.0 << false << 60000.0 << false << 894.0 << 354.0;
    // N5: 30864 − 29881 = 983, less 540
    QTest::newRow("N5: 1800 Euro bei zvE 100000: 983 − 540")
        << 1800.0 << false << 100000.0 << false << 983.0 << 443.0;
    // Soli 1251.16 on 30864 against 1198.44 on 29881 + 540; church tax 9 % of 443
    QTest::newRow("N5 mit Soli aus der Milderungszone und 9 % Kirchensteuer")
        << 1800.0 << false << 100000.0 << true << 983.0 << 443 + 52.72 + 39.87;
    // N7: V = 1200 + 390 = 1590: 14233 − 13624 = 609, less 390 (bonus not compared)
    QTest::newRow("N7: Berufseinsteiger mit 1200 Euro bei zvE 60000: 609 − 390")
        << 1200.0 << true << 60000.0 << false << 609.0 << 219.0;
}

void TstReform::guenstigerpruefung()
{
    QFETCH(double, eigenbeitrag);
    QFETCH(bool, berufseinsteiger);
    QFETCH(double, zvE);
    QFETCH(bool, zuschlaege);
    QFETCH(double, minderung);
    QFETCH(double, ersparnis);
    TZulagenDaten d = ledigNeu(eigenbeitrag);
    d.Berufseinsteiger1 = berufseinsteiger;
    zvESetzen(d, zvE);
    if (zuschlaege) {
        d.Soli = 0.055;
        d.Bundesland = 6;
        d.KiStSatz = KiStSatzFuer(6);
    }
    BerechneHaushalt(d);
    QCOMPARE(d.zvE, zvE);
    QCOMPARE(d.TariflicheMinderung, minderung);
    QCOMPARE(d.Steuerersparnis, ersparnis);
    QCOMPARE(d.Foerderquote, (ersparnis + d.GewaehrteZulagen()) / d.Gesamtbeitrag);
}

void TstReform::schieberegler_data()
{
    QTest::addColumn<int>("art"); // 0 single, 1 single with two children, 2 couple, 3 one earner
    QTest::addColumn<bool>("tarif");
    QTest::addColumn<int>("position");
    QTest::addColumn<double>("eigenbeitrag");
    QTest::addColumn<double>("gesamtbeitrag");

    // Position p wants p/50 of the total at 1800 euros: single 2340. The least own
    // contribution E with E + allowances ≥ G, on the 6-euro grid.
    // G = 1170: E + 180 + 0.25 (E − 360) = 1170 → E = 864, Grundzulage 306
    QTest::newRow("ledig, Mitte: 864 Euro Eigenbeitrag mit 306 Euro Zulage")
        << 0 << false << 25 << 864.0 << 1170.0;
    // G = 468: E + 0.5 E = 468 → E = 312
    QTest::newRow("ledig, in der 50-%-Stufe: 312 Euro") << 0 << false << 10 << 312.0 << 468.0;
    // G = 140.40 lies in the jump at 120 euros: E = 120 with 60 euros
    QTest::newRow("ledig, knapp über der Schwelle: 120 Euro") << 0 << false << 3 << 120.0 << 180.0;
    // G = 93.60: below the threshold nothing is earned; 93.60 → 96 on the grid
    QTest::newRow("ledig, unter der Schwelle: 96 Euro ohne Zulage")
        << 0 << false << 2 << 96.0 << 96.0;
    // tariff mark: 120 + 60 of 2340 → round(3.85) = 4
    QTest::newRow("ledig, Marke der Tarif-Mindestbeiträge") << 0 << true << 4 << 120.0 << 180.0;
    // total 1800 + 540 + 600 = 2940; G = 588: E + 0.5 E + 2 E from 120 on:
    // 120 + 300 + (E − 120) · 3.5 = 588 → E = 168
    QTest::newRow("ledig, zwei Kinder: der Beitrag bis 300 Euro bringt 3,50 Euro je Euro")
        << 1 << false << 10 << 168.0 << 588.0;
    // couple: total 3600 + 1080 = 4680; G = 2340: both to 360 (E 720, total 1080),
    // then 1.25 per euro: E = 720 + 1008
    QTest::newRow("Ehepaar, beide berechtigt, Mitte: 1728 Euro")
        << 2 << false << 25 << 1728.0 << 2340.0;
    // one earner: total 1800 + 120 + 540 + 175 = 2635; G = 1054. E1 up to 350 earns
    // 1.0 per euro for both spouses, to 360 0.5, then 0.25: at E1 = 360 the total is
    // 480 + 355 = 835; E1 = 360 + 219 / 1.25 = 535.20 → 534 on the grid from 120;
    // 534 + 120 + 223.50 + 175
    QTest::newRow("Einverdiener mit mittelbar berechtigtem Ehegatten")
        << 3 << true << 20 << 654.0 << 1052.5;
}

void TstReform::schieberegler()
{
    QFETCH(int, art);
    QFETCH(bool, tarif);
    QFETCH(int, position);
    QFETCH(double, eigenbeitrag);
    QFETCH(double, gesamtbeitrag);
    TZulagenDaten d = art == 2   ? doppelverdiener(TFoerderrecht::Neu)
                      : art == 3 ? einverdiener(TFoerderrecht::Neu, 30000)
                                 : haushalt(TFoerderrecht::Neu);
    if (art == 1)
        kinderBei(d, 1, 2);
    d.TarMindBtr = tarif;
    d.MinBeitrag = false;
    d.BeitragsPosition = position;
    BerechneZulagen(d);
    QCOMPARE(d.Eigenbeitrag, eigenbeitrag);
    QCOMPARE(d.Gesamtbeitrag, gesamtbeitrag);
    QCOMPARE(d.EigenbeitragPerson1 + d.EigenbeitragPerson2, eigenbeitrag);
    QCOMPARE(d.PositionVolleZulagen, 50);
    if (tarif && art == 0)
        QCOMPARE(d.PositionTarMindBtr, 4);
}

void TstReform::schiebereglerUndMindestmodusPassenZusammen()
{
    // The right end, the full-allowance mark and the minimum mode are the same
    // total; the total never falls as the slider moves right.
    for (int art = 0; art < 3; ++art) {
        TZulagenDaten d = art == 0   ? haushalt(TFoerderrecht::Neu)
                          : art == 1 ? doppelverdiener(TFoerderrecht::Neu)
                                     : einverdiener(TFoerderrecht::Neu, 30000);
        kinderBei(d, 1, 1);
        BerechneHaushalt(d);
        const double mindest = d.Eigenbeitrag, voll = d.Gesamtbeitrag;
        // 1800 a directly entitled person, the indirectly entitled spouse's 120
        QCOMPARE(mindest, art == 1 ? 3600.0 : art == 2 ? 1920.0 : 1800.0);
        QCOMPARE(d.BeitragsPosition, 50);
        d.MinBeitrag = false;
        double vorher = -1;
        for (int p = 0; p <= 50; ++p) {
            d.BeitragsPosition = p;
            BerechneZulagen(d);
            const QByteArray text = QByteArray::number(art) + "/" + QByteArray::number(p);
            QVERIFY2(d.Gesamtbeitrag >= vorher, text);
            QVERIFY2(d.Eigenbeitrag <= mindest, text);
            // the total the position asks for, missed by half a grid step and its
            // allowances at most (2 euros per euro at most here); near the
            // threshold the total may jump above it
            const double gewollt = runden(2, voll * p / 50);
            QVERIFY2(d.Gesamtbeitrag >= gewollt - 3 * (1 + 2), text);
            if (p >= 10)
                QVERIFY2(d.Gesamtbeitrag <= gewollt + 3 * (1 + 2), text);
            vorher = d.Gesamtbeitrag;
        }
        QCOMPARE(d.Eigenbeitrag, mindest);
        QCOMPARE(d.Gesamtbeitrag, voll);
    }
}

void TstReform::altGegenNeu_data()
{
    QTest::addColumn<double>("einkommen");
    QTest::addColumn<int>("kinder");
    QTest::addColumn<double>("eigenbeitrag");
    QTest::addColumn<double>("zulagenBisher");
    QTest::addColumn<double>("zulagenNeu");
    QTest::addColumn<bool>("neuHoeher");

    // N10 (§ 7d AltZertG case). Old: M = max(60, 800 − 1075) = 60 is paid: 175 + 900;
    // new: 150 + 3 · 300
    QTest::newRow("N10: 20000 Euro, drei Kinder, 300 Euro: bisher 1075, neu 1050")
        << 20000.0 << 3 << 300.0 << 1075.0 << 1050.0 << false;
    // old: M = 60 is paid: 175 + 600; new: 60 + 2 · 120
    QTest::newRow("N10: 12000 Euro, zwei Kinder, 120 Euro: bisher 775, neu 300")
        << 12000.0 << 2 << 120.0 << 775.0 << 300.0 << false;
    QTest::newRow("20000 Euro, drei Kinder, 360 Euro: neu gewinnt mit 1080 gegen 1075")
        << 20000.0 << 3 << 360.0 << 1075.0 << 1080.0 << true;
    // old: M = 2100 − 175 = 1925, cut 175 · 1800 / 1925 (sheet 2.3 g)
    QTest::newRow("70000 Euro, 1800 Euro: bisher gekürzt auf 163,64, neu 540")
        << 70000.0 << 0 << 1800.0 << 163.64 << 540.0 << true;
}

void TstReform::altGegenNeu()
{
    QFETCH(double, einkommen);
    QFETCH(int, kinder);
    QFETCH(double, eigenbeitrag);
    QFETCH(double, zulagenBisher);
    QFETCH(double, zulagenNeu);
    QFETCH(bool, neuHoeher);
    TZulagenDaten d = haushalt(TFoerderrecht::Neu, einkommen);
    kinderBei(d, 1, kinder);
    d.EigenbeitragVorgabe1 = eigenbeitrag;
    QVERIFY(VergleichFehler(d).empty());
    const TVergleich v = BerechneVergleich(d);
    QCOMPARE(v.Bisher.Foerderrecht, TFoerderrecht::Bisher);
    QCOMPARE(v.Bisher.GewaehrteZulagen(), zulagenBisher);
    QCOMPARE(v.Neu.GewaehrteZulagen(), zulagenNeu);
    // with a given contribution both sides pay it
    QCOMPARE(v.Bisher.Eigenbeitrag, eigenbeitrag);
    QCOMPARE(v.Neu.Eigenbeitrag, eigenbeitrag);
    QCOMPARE(v.Bisher.Gesamtbeitrag, eigenbeitrag + zulagenBisher);
    QCOMPARE(v.Neu.Gesamtbeitrag, eigenbeitrag + zulagenNeu);
    QCOMPARE(v.Differenz.Zulagen, zulagenNeu - zulagenBisher);
    QCOMPARE(v.Differenz.Zulagen1, zulagenNeu - zulagenBisher);
    QCOMPARE(v.Differenz.Gesamtbeitrag, zulagenNeu - zulagenBisher);
    QCOMPARE(v.Differenz.Foerderung, Foerderung(v.Neu) - Foerderung(v.Bisher));
    QCOMPARE(v.Hoeher, neuHoeher ? TFoerderrecht::Neu : TFoerderrecht::Bisher);
}

void TstReform::vergleichMitEigenenBeitraegenJederSeite()
{
    // Minimum mode: old rules 4 % of 30000 less 175 = 1025 (total 1200); new rules
    // 1800 (total 2340). zvE 22704 as in 2026 (the values in force), tariff 2026:
    // old V = 1200: 2252 − 1946 = 306, less 175; new V = 2340: 2252 − 1661 = 591,
    // less 540.
    const TVergleich v = BerechneVergleich(haushalt(TFoerderrecht::Bisher));
    QCOMPARE(v.Bisher.Eigenbeitrag, 1025.0);
    QCOMPARE(v.Bisher.Gesamtbeitrag, 1200.0);
    QCOMPARE(v.Neu.Eigenbeitrag, 1800.0);
    QCOMPARE(v.Neu.Gesamtbeitrag, 2340.0);
    QCOMPARE(v.Bisher.zvE, 22704.0);
    QCOMPARE(v.Bisher.Steuerersparnis, 131.0);
    QCOMPARE(v.Neu.TariflicheMinderung, 591.0);
    QCOMPARE(v.Neu.Steuerersparnis, 51.0);
    QCOMPARE(v.Differenz.Eigenbeitrag, 775.0);
    QCOMPARE(v.Differenz.Zulagen, 365.0);
    QCOMPARE(v.Differenz.Steuerersparnis, -80.0);
    QCOMPARE(v.Differenz.Foerderung, 591.0 - 306);
    QCOMPARE(v.Differenz.Foerderquote, 591.0 / 2340 - 306.0 / 1200);
    QCOMPARE(v.Hoeher, TFoerderrecht::Neu);
}

void TstReform::vorgegebeneBeitraegeNachAltemRecht_data()
{
    QTest::addColumn<bool>("beide"); // both spouses directly entitled
    QTest::addColumn<double>("e1");
    QTest::addColumn<double>("e2");
    QTest::addColumn<double>("grundzulage1");
    QTest::addColumn<double>("grundzulage2");

    // 30000 / 20000: M1 = 1200 − 175 = 1025, M2 = 800 − 175 = 625; § 86 Abs. 1 S. 6
    // per person, not one factor for both
    QTest::newRow("jeder nach seinem eigenen Mindesteigenbeitrag: voll und zur Hälfte")
        << true << 1025.0 << 312.5 << 175.0 << 87.5;
    QTest::newRow("über dem Mindesteigenbeitrag keine höhere Zulage")
        << true << 2000.0 << 625.0 << 175.0 << 175.0;
    // one earner at 40000: M1 = 1600 − 350 = 1250; § 86 Abs. 2 S. 1: the spouse's
    // allowance full only if the other paid his minimum
    QTest::newRow("Einverdiener: der Ehegatte wird mit dem Faktor des anderen gekürzt")
        << false << 625.0 << 60.0 << 87.5 << 87.5;
    // 50 < 60: not entitled, M1 = 1600 − 175 = 1425
    QTest::newRow("Einverdiener: mit 50 Euro ist der Ehegatte nicht berechtigt")
        << false << 712.5 << 50.0 << 87.5 << 0.0;
}

void TstReform::vorgegebeneBeitraegeNachAltemRecht()
{
    QFETCH(bool, beide);
    QFETCH(double, e1);
    QFETCH(double, e2);
    QFETCH(double, grundzulage1);
    QFETCH(double, grundzulage2);
    TZulagenDaten d =
        beide ? doppelverdiener(TFoerderrecht::Bisher) : einverdiener(TFoerderrecht::Bisher, 40000);
    d.EigenbeitragVorgabe1 = e1;
    d.EigenbeitragVorgabe2 = e2;
    BerechneHaushalt(d);
    QCOMPARE(d.Grundzulage1, grundzulage1);
    QCOMPARE(d.Grundzulage2, grundzulage2);
    QCOMPARE(d.Eigenbeitrag, e1 + e2);
    QCOMPARE(d.EigenbeitragPerson2, e2);
    QCOMPARE(d.Gesamtbeitrag, e1 + e2 + grundzulage1 + grundzulage2);
}

void TstReform::bis2026AendertSichNichts()
{
    // "neu" asked for before 2027: the law of the year, the old rules, to the cent
    for (const int jahr : {2010, 2018, 2026}) {
        TZulagenDaten alt = haushalt(TFoerderrecht::Bisher);
        alt.Beitragsjahr = jahr;
        alt.Kinderzahl = 1;
        alt.KindGebJahr[0] = jahr - 3;
        TZulagenDaten neu = alt;
        neu.Foerderrecht = TFoerderrecht::Neu;
        BerechneHaushalt(alt);
        BerechneHaushalt(neu);
        const QByteArray j = QByteArray::number(jahr);
        QCOMPARE(AngewandtesFoerderrecht(neu), TFoerderrecht::Bisher);
        QVERIFY2(neu.Mindesteigenbeitrag1 == alt.Mindesteigenbeitrag1, j);
        QVERIFY2(neu.GewaehrteZulagen() == alt.GewaehrteZulagen(), j);
        QVERIFY2(neu.Steuerersparnis == alt.Steuerersparnis, j);
        QVERIFY2(alt.EigenbeitragPerson1 == -1, j);
    }
    // 2027 under the old rules is 2026's law: the Bestandsvertrag rows and the values in force
    TZulagenDaten d2026 = haushalt(TFoerderrecht::Bisher), d2027 = d2026;
    d2026.Beitragsjahr = 2026;
    BerechneHaushalt(d2026);
    BerechneHaushalt(d2027);
    QCOMPARE(d2027.Mindesteigenbeitrag1, 1025.0);
    QCOMPARE(d2027.zvE, d2026.zvE);
    QCOMPARE(d2027.Steuerersparnis, d2026.Steuerersparnis);
    // a new record: 2010, old rules
    QCOMPARE(TZulagenDaten{}.Foerderrecht, TFoerderrecht::Bisher);
    QCOMPARE(TZulagenDaten{}.Beitragsjahr, 2010);
}

void TstReform::gueltigkeit()
{
    TZulagenDaten d = haushalt(TFoerderrecht::Neu);
    QCOMPARE(FoerderrechtFehler(d), std::string());
    QCOMPARE(VergleichFehler(d), std::string());
    d.Beitragsjahr = 2026;
    QCOMPARE(FoerderrechtFehler(d),
             std::string("\"Foerderrecht\" \"neu\" gilt erst ab dem Beitragsjahr 2027; für 2026 "
                         "gilt nur \"bisher\"."));
    d.Foerderrecht = TFoerderrecht::Bisher;
    QCOMPARE(FoerderrechtFehler(d), std::string());
    QCOMPARE(VergleichFehler(d),
             std::string("\"Vergleich\" gibt es erst ab dem Beitragsjahr 2027; für 2026 gilt nur "
                         "\"bisher\"."));
    d.Beitragsjahr = 2028;
    QCOMPARE(FoerderrechtFehler(d),
             std::string("\"Beitragsjahr\" muss zwischen 2010 und 2027 liegen."));
    d.Beitragsjahr = 2027;
    d.EigenbeitragVorgabe2 = 100;
    QCOMPARE(FoerderrechtFehler(d), std::string("\"Eigenbeitrag2\" gibt es nur für Verheiratete: "
                                                "eine einzelne Person hat einen Vertrag."));
    d.Verheiratet = true;
    QCOMPARE(FoerderrechtFehler(d), std::string());

    QVERIFY(!FoerderrechtGilt(2026, TFoerderrecht::Neu));
    QVERIFY(FoerderrechtGilt(2010, TFoerderrecht::Bisher));
    QCOMPARE(FoerderrechtFuerNeuvertrag(2026), TFoerderrecht::Bisher);
    QCOMPARE(FoerderrechtFuerNeuvertrag(2027), TFoerderrecht::Neu);
    TFoerderrecht r = TFoerderrecht::Bisher;
    QVERIFY(FoerderrechtLesen("neu", r) && r == TFoerderrecht::Neu);
    QVERIFY(!FoerderrechtLesen("Neu", r) && r == TFoerderrecht::Neu);
    QCOMPARE(std::string(FoerderrechtText(TFoerderrecht::Bisher)), std::string("bisher"));
    QVERIFY(IstBerechenbaresBeitragsjahr(2027) && !IstBerechenbaresBeitragsjahr(2028));
    QCOMPARE(BerechenbareBeitragsjahre().front(), 2027);
    QCOMPARE(BerechenbareBeitragsjahre().back(), 2010);
}

void TstReform::hinweiseZumNichtVerkuendetenTarif()
{
    const std::string satz =
        "Für das Steuerjahr 2027 ist noch kein Einkommensteuertarif verkündet; gerechnet wird mit "
        "dem geltenden Tarif (§ 32a EStG, Werte ab dem Veranlagungszeitraum 2026) und den "
        "Sozialversicherungswerten 2026.";
    for (const TFoerderrecht recht : {TFoerderrecht::Bisher, TFoerderrecht::Neu})
        QCOMPARE(Hinweise(haushalt(recht)), std::vector<std::string>{satz});
    TZulagenDaten d2026 = haushalt(TFoerderrecht::Bisher);
    d2026.Beitragsjahr = 2026;
    QVERIFY(Hinweise(d2026).empty());
    // the values said to be in force are those the tables hold
    for (const TVorlaeufigesJahr& v : VorlaeufigeJahre()) {
        QVERIFY(TarifFuer(v.Jahr).AbJahr < v.Jahr);
        const TSVJahr& jahr = SVFuer(v.Jahr);
        const TSVJahr& aus = SVFuer(v.SozialversicherungAus);
        QCOMPARE(jahr.RV, aus.RV);
        QCOMPARE(jahr.KV, aus.KV);
        QCOMPARE(jahr.KVZusatz, aus.KVZusatz);
        QCOMPARE(jahr.PV, aus.PV);
        QCOMPARE(jahr.BBG_RVWest, aus.BBG_RVWest);
        QCOMPARE(jahr.BBG_KV, aus.BBG_KV);
    }
}

QTEST_GUILESS_MAIN(TstReform)
#include "tst_reform.moc"
