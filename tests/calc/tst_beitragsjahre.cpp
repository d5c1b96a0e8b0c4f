// Households under the law of their contribution year. Expected amounts come
// from the statute's figures and the year tables, worked out in the comments.
#include "EkSteuer.h"
#include "Zulagen.h"

#include <QTest>

using namespace Fermalin;

namespace {

TZulagenDaten ledig(int jahr, double einkommen)
{
    TZulagenDaten d;
    d.Beitragsjahr = jahr;
    d.Einkommen1 = einkommen;
    d.MinBeitrag = true;
    d.TarMindBtr = false;
    return d;
}

TZulagenDaten einverdienerpaar(int jahr, double einkommen, bool tarif)
{
    TZulagenDaten d;
    d.Beitragsjahr = jahr;
    d.Verheiratet = true;
    d.Einkommen1 = einkommen;
    d.MinBeitrag = true;
    d.TarMindBtr = tarif;
    EingabenAngleichen(d);
    return d;
}

} // namespace

class TstBeitragsjahre : public QObject
{
    Q_OBJECT
private slots:
    void ledigMit30000_data();
    void ledigMit30000();
    void mittelbarBerechtigterEhegatte_data();
    void mittelbarBerechtigterEhegatte();
    void kindDesMittelbarBerechtigten_data();
    void kindDesMittelbarBerechtigten();
    void berufseinsteiger_data();
    void berufseinsteiger();
    void berufseinsteigerGekuerzt();
    void berufseinsteigerNurUnmittelbar();
    void mindesteigenbeitragNachGesetz_data();
    void mindesteigenbeitragNachGesetz();
    void mindesteigenbeitragEhepaar();
    void kuerzungBeiZuWenigEigenbeitrag();
    void guenstigerpruefungMitZuschlaegen2026_data();
    void guenstigerpruefungMitZuschlaegen2026();
    void altesRechtNurBis2019_data();
    void altesRechtNurBis2019();
    void pflegeversicherungNachKindern_data();
    void pflegeversicherungNachKindern();
    void entlastungsbetragJeWeiteremKind();
    void jahrAusserhalbDerTabellen();
};

void TstBeitragsjahre::ledigMit30000_data()
{
    QTest::addColumn<int>("jahr");
    QTest::addColumn<bool>("soli");
    QTest::addColumn<double>("grundzulage");
    QTest::addColumn<double>("mindest");
    QTest::addColumn<double>("zvE");
    QTest::addColumn<double>("ersparnis");

    // tax 4166 − 3817 = 349, less 154
    QTest::newRow("2010: ledig, 30000 Euro, Mindestbeitrag")
        << 2010 << false << 154.0 << 1046.0 << 25206.80 << 195.0;
    QTest::newRow("2010: mit Solidaritätszuschlag 5,5 % auf die Ersparnis")
        << 2010 << true << 154.0 << 1046.0 << 25206.80 << 195 * 1.055;
    // KV 8.3 % = 2490, PV 1.275 + 0.25 % = 458, AV 1.5 % = 450, RV 5580:
    // 5580 · 0.86 − 2790 = 2008.80 + Basis 2390.40 + 458 = 4857.20;
    // 30000 − 1000 − 36 − 4857.20; tariff 2018: 3596 − 3258 = 338, less 175
    QTest::newRow("2018: ledig, 30000 Euro, Grundzulage 175")
        << 2018 << false << 175.0 << 1025.0 << 24106.80 << 163.0;
    QTest::newRow("2018: Solidaritätszuschlag noch als fester Satz")
        << 2018 << true << 175.0 << 1025.0 << 24106.80 << 163 * 1.055;
    // KV 8.75 % = 2625, PV 1.8 + 0.6 % = 720, AV 1.3 % = 390, RV 5580 fully
    // deductible: 2790 + Basis 2520 + 720 = 6030; 30000 − 1230 − 36 − 6030;
    // tariff 2026: 2252 − 1946 = 306, less 175
    QTest::newRow("2026: ledig, 30000 Euro, voller Abzug der Rentenbeiträge")
        << 2026 << false << 175.0 << 1025.0 << 22704.0 << 131.0;
    // a tax of 2252 lies far below the Freigrenze 20350
    QTest::newRow("2026: unter der Freigrenze kein Solidaritätszuschlag")
        << 2026 << true << 175.0 << 1025.0 << 22704.0 << 131.0;
}

void TstBeitragsjahre::ledigMit30000()
{
    QFETCH(int, jahr);
    QFETCH(bool, soli);
    QFETCH(double, grundzulage);
    QFETCH(double, mindest);
    QFETCH(double, zvE);
    QFETCH(double, ersparnis);
    TZulagenDaten d = ledig(jahr, 30000);
    d.Soli = soli ? 0.055 : 0;
    BerechneZulagen(d);
    QCOMPARE(d.VolleGrundzulage1, grundzulage);
    QCOMPARE(d.Mindesteigenbeitrag1, mindest);
    QCOMPARE(d.Eigenbeitrag, mindest);
    QCOMPARE(d.Gesamtbeitrag, 1200.0); // 4 % of 30000
    QCOMPARE(d.zvE, zvE);
    QCOMPARE(d.Steuerersparnis, ersparnis);
    QCOMPARE(d.Foerderquote, (ersparnis + grundzulage) / 1200);
}

void TstBeitragsjahre::mittelbarBerechtigterEhegatte_data()
{
    QTest::addColumn<int>("jahr");
    QTest::addColumn<bool>("tarif");
    QTest::addColumn<double>("zahlung"); // negative: not given
    QTest::addColumn<bool>("berechtigt");
    QTest::addColumn<double>("tarifMindest2");
    QTest::addColumn<double>("mindest1");
    QTest::addColumn<double>("eigenbeitrag");
    QTest::addColumn<double>("ersparnis");

    // Income 60000: base 2100. zvE 2011: 60000 − 1000 − 72 − 6679.68 = 52248.32;
    // 2012: 51930.16. Splitting tariff 2010 (also 2011 and 2012).
    // 2100 − 308 = 1792; deduction min(2100, 1822 + 308): 8874 − 8254 = 620, less 308
    QTest::newRow("2011: der Ehegatte braucht keinen eigenen Beitrag, Abzug bis 2100")
        << 2011 << true << -1.0 << true << 30.0 << 1792.0 << 1822.0 << 312.0;
    QTest::newRow("2011: ohne Tarif-Mindestbeiträge zahlt er nichts und bleibt berechtigt")
        << 2011 << false << -1.0 << true << 0.0 << 1792.0 << 1792.0 << 312.0;
    // the contract takes the statutory 60; deduction 2160: 8780 − 8144 = 636, less 308
    QTest::newRow("2012: der Ehegatte zahlt 60 Euro, der Abzug steigt auf 2160")
        << 2012 << true << -1.0 << true << 60.0 << 1792.0 << 1852.0 << 328.0;
    QTest::newRow("2012: die gesetzlichen 60 Euro gelten auch ohne Tarif-Mindestbeiträge")
        << 2012 << false << -1.0 << true << 60.0 << 1792.0 << 1852.0 << 328.0;
    QTest::newRow("2012: genau 60 Euro genügen")
        << 2012 << true << 60.0 << true << 60.0 << 1792.0 << 1852.0 << 328.0;
    // no allowance for him: 2100 − 154 = 1946; deduction min(2100, 1996 + 154):
    // 8780 − 8162 = 618, less 154
    QTest::newRow("2012: mit 50 Euro entfällt seine Zulage, der Abzug bleibt bei 2100")
        << 2012 << true << 50.0 << false << 60.0 << 1946.0 << 1996.0 << 464.0;
}

void TstBeitragsjahre::mittelbarBerechtigterEhegatte()
{
    QFETCH(int, jahr);
    QFETCH(bool, tarif);
    QFETCH(double, zahlung);
    QFETCH(bool, berechtigt);
    QFETCH(double, tarifMindest2);
    QFETCH(double, mindest1);
    QFETCH(double, eigenbeitrag);
    QFETCH(double, ersparnis);
    TZulagenDaten d = einverdienerpaar(jahr, 60000, tarif);
    d.EigenbeitragMittelbar = zahlung;
    BerechneZulagen(d);
    QCOMPARE(d.Zulageberechtigt2, berechtigt);
    QCOMPARE(d.VolleGrundzulage2, berechtigt ? 154.0 : 0.0);
    QCOMPARE(d.TarifMindestbeitrag2, tarifMindest2);
    QCOMPARE(d.Mindesteigenbeitrag1, mindest1);
    QCOMPARE(d.Mindesteigenbeitrag2, 0.0);
    QCOMPARE(d.Eigenbeitrag, eigenbeitrag);
    QCOMPARE(d.Gesamtbeitrag, eigenbeitrag + d.VolleZulagen());
    QCOMPARE(d.Steuerersparnis, ersparnis);
    if (!tarif)
        QCOMPARE(d.PositionTarMindBtr, 0); // no tariff mark without the tariffs
}

void TstBeitragsjahre::kindDesMittelbarBerechtigten_data()
{
    QTest::addColumn<double>("zahlung");
    QTest::addColumn<double>("kinderzulage2");
    QTest::addColumn<double>("mindest1");
    // 2026, income 40000, a child of 2009 assigned to the spouse: 1600 − 650
    QTest::newRow("2026: der Ehegatte zahlt 60 Euro und erhält 175 + 300 Euro")
        << -1.0 << 300.0 << 950.0;
    QTest::newRow("2026: ohne die 60 Euro erhält er auch keine Kinderzulage")
        << 0.0 << 0.0 << 1425.0;
}

void TstBeitragsjahre::kindDesMittelbarBerechtigten()
{
    QFETCH(double, zahlung);
    QFETCH(double, kinderzulage2);
    QFETCH(double, mindest1);
    TZulagenDaten d = einverdienerpaar(2026, 40000, true);
    d.Kinderzahl = 1;
    d.KindGebJahr[0] = 2009;
    d.KindPerson[0] = 2;
    d.EigenbeitragMittelbar = zahlung;
    BerechneZulagen(d);
    QCOMPARE(d.VolleGrundzulage2, kinderzulage2 > 0 ? 175.0 : 0.0);
    QCOMPARE(d.VolleKinderzulage2, kinderzulage2);
    QCOMPARE(d.Mindesteigenbeitrag1, mindest1);
    QCOMPARE(d.Gesamtbeitrag, d.Eigenbeitrag + 175 + (kinderzulage2 > 0 ? 475 : 0));
}

void TstBeitragsjahre::berufseinsteiger_data()
{
    QTest::addColumn<int>("jahr");
    QTest::addColumn<double>("grundzulage");
    QTest::addColumn<double>("mindest");
    QTest::addColumn<double>("ersparnis");
    // 1200 − 175 − 200 = 825; deduction 1200 − 200 = 1000: 2252 − 1997 = 255,
    // compared with 175 only
    QTest::newRow("2026: Berufseinsteiger, 30000 Euro, Mindestbeitrag")
        << 2026 << 375.0 << 825.0 << 80.0;
    // 1200 − 354 = 846; deduction 1000: 4166 − 3875 = 291, less 154
    QTest::newRow("2010: Berufseinsteiger mit Grundzulage 154") << 2010 << 354.0 << 846.0 << 137.0;
}

void TstBeitragsjahre::berufseinsteiger()
{
    QFETCH(int, jahr);
    QFETCH(double, grundzulage);
    QFETCH(double, mindest);
    QFETCH(double, ersparnis);
    TZulagenDaten d = ledig(jahr, 30000);
    d.Berufseinsteiger1 = true;
    BerechneZulagen(d);
    QCOMPARE(d.VolleGrundzulage1, grundzulage);
    QCOMPARE(d.VolleBerufseinsteigerbonus1, 200.0);
    QCOMPARE(d.Berufseinsteigerbonus1, 200.0);
    QCOMPARE(d.Mindesteigenbeitrag1, mindest);
    QCOMPARE(d.Gesamtbeitrag, 1200.0);
    QCOMPARE(d.Steuerersparnis, ersparnis);
    // the subsidy rate counts the bonus
    QCOMPARE(d.Foerderquote, (ersparnis + grundzulage) / 1200);
}

void TstBeitragsjahre::berufseinsteigerGekuerzt()
{
    // Position 12 of 50: wanted 504; 825 · 504 / 1200 = 346.50 → 348 in steps of 6.
    // w = 348 / 825: 375 w = 158.18, of it 175 w = 73.82 without the bonus.
    // Deduction 506.18 − 84.36 = 421.82: 2252 − 2144 = 108, less 73.82.
    TZulagenDaten d = ledig(2026, 30000);
    d.Berufseinsteiger1 = true;
    d.MinBeitrag = false;
    d.BeitragsPosition = 12;
    BerechneZulagen(d);
    QCOMPARE(d.Eigenbeitrag, 348.0);
    QCOMPARE(d.Grundzulage1, 158.18);
    QCOMPARE(d.Berufseinsteigerbonus1, 84.36);
    QCOMPARE(d.Gesamtbeitrag, 506.18);
    QCOMPARE(d.Steuerersparnis, 108 - 73.82);
}

void TstBeitragsjahre::berufseinsteigerNurUnmittelbar()
{
    // both spouses directly entitled: each may get the bonus
    TZulagenDaten paar;
    paar.Beitragsjahr = 2026;
    paar.Verheiratet = paar.Doppelverdiener = true;
    paar.Einkommen1 = paar.Einkommen2 = 30000;
    paar.Berufseinsteiger1 = paar.Berufseinsteiger2 = true;
    EingabenAngleichen(paar);
    BerechneZulagen(paar);
    QCOMPARE(paar.VolleGrundzulage2, 375.0);
    QCOMPARE(paar.Mindesteigenbeitrag2, 825.0);

    // an indirectly entitled spouse gets none (§ 84 S. 2 EStG: "nach § 79 Satz 1")
    TZulagenDaten d = einverdienerpaar(2026, 30000, true);
    d.Berufseinsteiger2 = true;
    BerechneZulagen(d);
    QCOMPARE(d.VolleGrundzulage2, 175.0);
    QCOMPARE(d.VolleBerufseinsteigerbonus2, 0.0);
    QCOMPARE(d.Mindesteigenbeitrag1, 1200.0 - 350);
}

void TstBeitragsjahre::mindesteigenbeitragNachGesetz_data()
{
    QTest::addColumn<int>("jahr");
    QTest::addColumn<double>("einkommen");
    QTest::addColumn<QList<int>>("kinder"); // birth years, all with person 1
    QTest::addColumn<double>("mindest");
    // Frotscher/Geurts § 86 Rz. 13 and the allowance office's figures
    QTest::newRow("5875 Euro: 235 − 175 unter dem Sockel, also 60")
        << 2026 << 5875.0 << QList<int>{} << 60.0;
    QTest::newRow("52500 Euro, zwei Kinder ab 2008: 2100 − 775")
        << 2026 << 52500.0 << QList<int>{2010, 2012} << 1325.0;
    QTest::newRow("2026: 40000 Euro ohne Kind") << 2026 << 40000.0 << QList<int>{} << 1425.0;
    QTest::newRow("2026: 40000 Euro, zwei Kinder ab 2008")
        << 2026 << 40000.0 << QList<int>{2009, 2015} << 825.0;
    QTest::newRow("2026: 40000 Euro, ein Kind vor und eines ab 2008")
        << 2026 << 40000.0 << QList<int>{2005, 2009} << 940.0;
    QTest::newRow("2017: 40000 Euro mit der alten Grundzulage 154")
        << 2017 << 40000.0 << QList<int>{} << 1446.0;
}

void TstBeitragsjahre::mindesteigenbeitragNachGesetz()
{
    QFETCH(int, jahr);
    QFETCH(double, einkommen);
    QFETCH(QList<int>, kinder);
    QFETCH(double, mindest);
    TZulagenDaten d = ledig(jahr, einkommen);
    d.Kinderzahl = static_cast<int>(kinder.size());
    for (qsizetype i = 0; i < kinder.size(); ++i)
        d.KindGebJahr[static_cast<std::size_t>(i)] = kinder[i];
    BerechneZulagen(d);
    QCOMPARE(d.Mindesteigenbeitrag1, mindest);
    // minimum and allowances make up 4 % of the income, unless the floor lifts them
    QCOMPARE(d.Gesamtbeitrag, std::max(mindest + d.VolleZulagen(), 0.04 * einkommen));
}

void TstBeitragsjahre::mindesteigenbeitragEhepaar()
{
    // one directly entitled spouse, 2024, 50000: 2000 − 175 − 175 (Rz. 14)
    TZulagenDaten paar = einverdienerpaar(2024, 50000, true);
    BerechneZulagen(paar);
    QCOMPARE(paar.Mindesteigenbeitrag1, 1650.0);
    QCOMPARE(paar.Eigenbeitrag, 1650.0 + 60);
}

void TstBeitragsjahre::kuerzungBeiZuWenigEigenbeitrag()
{
    // 2026, single, 70000: minimum 2100 − 175 = 1925; 1800 paid get 175 · 1800 / 1925.
    // With 350 positions of 6 euros, position 327 wants 1962:
    // 1925 · 1962 / 2100 = 1798.50 → 1800.
    TZulagenDaten d = ledig(2026, 70000);
    d.MinBeitrag = false;
    d.BeitragsMax = 350;
    d.BeitragsPosition = 327;
    BerechneZulagen(d);
    QCOMPARE(d.Mindesteigenbeitrag1, 1925.0);
    QCOMPARE(d.Eigenbeitrag, 1800.0);
    QCOMPARE(d.Grundzulage1, 163.64);
}

void TstBeitragsjahre::guenstigerpruefungMitZuschlaegen2026_data()
{
    QTest::addColumn<double>("zvE");
    QTest::addColumn<bool>("zuschlaege");
    QTest::addColumn<double>("ersparnis");
    // single, 60000: minimum 1925, deduction 2100, allowance 175; tax of 50000 and
    // 100000 from the official calculator
    // 10548 − 9818 = 730
    QTest::newRow("zvE 50000: 730 − 175") << 50000.0 << false << 555.0;
    // tax below the Freigrenze: church tax 9 % only
    QTest::newRow("zvE 50000 mit Soli und 9 % Kirchensteuer") << 50000.0 << true << 555 + 49.95;
    // 30864 − 29982 = 882; Soli 1251.16 on 30864 against 1167.03 on 29982 + 175
    QTest::newRow("zvE 100000: 882 − 175") << 100000.0 << false << 707.0;
    QTest::newRow("zvE 100000 mit Soli aus der Milderungszone und 9 % Kirchensteuer")
        << 100000.0 << true << 707 + 84.13 + 63.63;
}

void TstBeitragsjahre::guenstigerpruefungMitZuschlaegen2026()
{
    QFETCH(double, zvE);
    QFETCH(bool, zuschlaege);
    QFETCH(double, ersparnis);
    TZulagenDaten d = ledig(2026, 60000);
    d.DeltazvE = zvE - ZvESchaetzung(d, 60000, 0);
    if (zuschlaege) {
        d.Soli = 0.055;
        d.Bundesland = 6;
        d.KiStSatz = KiStSatzFuer(6);
    }
    BerechneZulagen(d);
    QCOMPARE(d.zvE, zvE);
    QCOMPARE(d.Gesamtbeitrag, 2100.0);
    QCOMPARE(d.Steuerersparnis, ersparnis);
}

void TstBeitragsjahre::altesRechtNurBis2019_data()
{
    QTest::addColumn<int>("jahr");
    QTest::addColumn<double>("zvE");
    // Wage 8000, single. 2019: KV 7.75 % = 620, PV 1.775 % = 142, AV 1.25 % = 100;
    // new law 1488 · 0.88 − 744 + 862 = 1427.44; the old lump sum 1334 + 133 = 1467
    // is more: 8000 − 1000 − 36 − 1467
    QTest::newRow("2019: die Vorsorgepauschale alten Rechts ist günstiger") << 2019 << 5497.0;
    // 2020: KV 7.85 % = 628, AV 1.2 % = 96; only the new law: 1488 · 0.90 − 744 + 866
    QTest::newRow("2020: kein Vergleich mit dem alten Recht mehr") << 2020 << 5502.80;
}

void TstBeitragsjahre::altesRechtNurBis2019()
{
    QFETCH(int, jahr);
    QFETCH(double, zvE);
    TZulagenDaten d = ledig(jahr, 8000);
    QCOMPARE(ZvESchaetzung(d, 8000, 0), zvE);

    // the same contributions in both years: the comparison alone makes the difference
    TZvEEingabe e;
    e.Jahr = jahr;
    e.Lohn1 = 8000;
    e.KV1 = 620;
    e.PV1 = 142;
    e.AV1 = 100;
    const TVorsorge v = Vorsorgeaufwendungen(e);
    QCOMPARE(v.VorsorgepauschaleAlt, jahr == 2019 ? 1467.0 : 0.0);
    QCOMPARE(v.VorsorgeaufwandNeu, jahr == 2019 ? 1427.44 : 1457.20);
}

void TstBeitragsjahre::pflegeversicherungNachKindern_data()
{
    QTest::addColumn<int>("jahr");
    QTest::addColumn<QList<int>>("kinder");
    QTest::addColumn<double>("zvE");
    // single, 40000: KV 3260 (8.15 %), AV 520, RV 7440 fully deductible (3720);
    // lump sum 1230, 36; two children: 2 · 4770 and relief 4260 + 240
    // PV (1.7 − 0.25) % = 580: 40000 − 1266 − (3720 + 3129.60 + 580) − 4500 − 9540
    QTest::newRow("2024: zwei Kinder unter 25 senken den Pflegebeitrag")
        << 2024 << QList<int>{2010, 2012} << 17264.40;
    // born 1999: 25 in 2024, only one child under 25: PV 1.7 % = 680
    QTest::newRow("2024: ein Kind ist schon 25, kein Abschlag")
        << 2024 << QList<int>{1999, 2001} << 17164.40;
    // 2023 weighted: 1.6125 − 2 · 0.125 = 1.3625 % of 40000 = 545; KV 8.1 % = 3240;
    // 40000 − 1266 − (3720 + 3110.40 + 545) − (4260 + 480) − 3 · 4476
    QTest::newRow("2023: Abschlag ab Juli, drei Kinder")
        << 2023 << QList<int>{2005, 2008, 2011} << 13190.60;
    // 1.6125 + 0.475 = 2.0875 % = 835: 40000 − 1266 − (3720 + 3110.40 + 835)
    QTest::newRow("2023: kinderlos mit dem Zuschlag nach Monaten")
        << 2023 << QList<int>{} << 31068.60;
}

void TstBeitragsjahre::pflegeversicherungNachKindern()
{
    QFETCH(int, jahr);
    QFETCH(QList<int>, kinder);
    QFETCH(double, zvE);
    TZulagenDaten d = ledig(jahr, 40000);
    d.Kinderzahl = static_cast<int>(kinder.size());
    for (qsizetype i = 0; i < kinder.size(); ++i)
        d.KindGebJahr[static_cast<std::size_t>(i)] = kinder[i];
    QCOMPARE(ZvESchaetzung(d, 40000, 0), zvE);
}

void TstBeitragsjahre::entlastungsbetragJeWeiteremKind()
{
    // Same contributions, so only the child allowances and the relief differ.
    struct TFall
    {
        int Jahr;
        double Entlastung; // for two children
        double Kinderfreibetraege;
    };
    for (const TFall f : {TFall{2014, 1308, 3504}, TFall{2015, 1908 + 240, 3576},
                          TFall{2020, 4008 + 240, 3906}, TFall{2026, 4260 + 240, 4878}}) {
        TZvEEingabe e;
        e.Jahr = f.Jahr;
        e.Lohn1 = 80000;
        e.KV1 = 3000;
        e.PV1 = 500;
        e.AV1 = 800;
        const double ohne = ZuVersteuerndesEinkommen(e);
        e.Kinderzahl = 2;
        QCOMPARE(ohne - ZuVersteuerndesEinkommen(e), f.Entlastung + 2 * f.Kinderfreibetraege);
    }
}

void TstBeitragsjahre::jahrAusserhalbDerTabellen()
{
    // before the first year: the law of 2010; after the tables: the values in force
    TZulagenDaten frueh = ledig(2005, 30000), d2010 = ledig(2010, 30000);
    BerechneZulagen(frueh);
    BerechneZulagen(d2010);
    QCOMPARE(frueh.Steuerjahr(), 2010);
    QCOMPARE(frueh.Einkommensjahr(), 2009);
    QCOMPARE(frueh.zvE, d2010.zvE);
    QCOMPARE(frueh.Steuerersparnis, d2010.Steuerersparnis);

    TZulagenDaten spaet = ledig(2040, 30000), d2026 = ledig(2026, 30000);
    BerechneZulagen(spaet);
    BerechneZulagen(d2026);
    QCOMPARE(spaet.Steuerjahr(), LetztesTabellenjahr);
    QCOMPARE(spaet.zvE, d2026.zvE);
    QCOMPARE(spaet.Steuerersparnis, d2026.Steuerersparnis);

    // a new record computes 2010 until the window and the batch program choose
    QCOMPARE(TZulagenDaten{}.Beitragsjahr, 2010);
}

QTEST_GUILESS_MAIN(TstBeitragsjahre)
#include "tst_beitragsjahre.moc"
