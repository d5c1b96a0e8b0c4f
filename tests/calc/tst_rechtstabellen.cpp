// What the law implies for the tables of every year, before any household.
#include "Abzugsbetraege.h"
#include "SV_Groessen.h"
#include "Tarif.h"
#include "ZulagenRecht.h"
#include "Zuschlaege.h"

#include <QTest>

#include <cmath>

using namespace Fermalin;

namespace {

QByteArray jahrText(int jahr)
{
    return QByteArray::number(jahr);
}

bool imAnteilsbereich(double anteil)
{
    return anteil >= 0 && anteil <= 1;
}

// The zone formulas of one version on a real argument, without the final cut.
double zone2(const TTarif& t, double X)
{
    const double y = (X - t.a) / 10000;
    return (t.p / 100.0 * y + t.q) * y;
}
double zone3(const TTarif& t, double X)
{
    const double z = (X - t.b) / 10000;
    return (t.r / 100.0 * z + t.s) * z + t.k / 100.0;
}
double zone4(const TTarif& t, double X)
{
    return t.Satz4 / 1000.0 * X - t.Abzug4 / 100.0;
}
double zone5(const TTarif& t, double X)
{
    return t.Satz5 / 1000.0 * X - t.Abzug5 / 100.0;
}

} // namespace

class TstRechtstabellen : public QObject
{
    Q_OBJECT
private slots:
    void jedesBeitragsjahrHatSeineZeile();
    void beitragsjahre();
    void zulagenrecht();
    void tarifzonenAufsteigendUndStetig();
    void tarifNachJahren();
    void sozialversicherung();
    void vorsorgeUndFreibetraege();
    void soliUndKirchensteuer();
    void jahr2027UebernimmtDieGeltendenWerte();
};

void TstRechtstabellen::jedesBeitragsjahrHatSeineZeile()
{
    for (int jahr = ErstesBeitragsjahr; jahr <= LetztesTabellenjahr; ++jahr) {
        const QByteArray j = jahrText(jahr);
        QVERIFY2(ZulagenRechtBisher(jahr).Jahr == jahr, j);
        QVERIFY2(SVFuer(jahr).Jahr == jahr, j);
        QVERIFY2(VorsorgeFuer(jahr).Jahr == jahr, j);
        QVERIFY2(FreibetraegeFuer(jahr).Jahr == jahr, j);
        QVERIFY2(SoliRecht(jahr).Jahr == jahr, j);
        // the tariff holds from its first year until the next version
        QVERIFY2(TarifFuer(jahr).AbJahr <= jahr, j);
    }
    QVERIFY(JahreLueckenlos(ZulagenTabelleBisher()));
    QVERIFY(JahreLueckenlos(SVTabelle()));
    QVERIFY(JahreLueckenlos(Vorsorgetabelle()));
    QVERIFY(JahreLueckenlos(Freibetragstabelle()));
    QVERIFY(JahreLueckenlos(Solitabelle()));
    QVERIFY(JahreLueckenlos(Kirchensteuertabelle()));
    // outside the tables: the first or the last row
    QCOMPARE(ZulagenRechtBisher(2009).Jahr, 2010);
    QCOMPARE(ZulagenRechtBisher(2040).Jahr, LetztesTabellenjahr);
    QCOMPARE(SVFuer(2040).Jahr, LetztesTabellenjahr);
}

void TstRechtstabellen::beitragsjahre()
{
    const std::vector<int> jahre = Beitragsjahre();
    QCOMPARE(jahre.front(), NeuestesBeitragsjahr);
    QCOMPARE(jahre.back(), ErstesBeitragsjahr);
    QCOMPARE(static_cast<int>(jahre.size()), NeuestesBeitragsjahr - ErstesBeitragsjahr + 1);
    QCOMPARE(NeuestesBeitragsjahr, 2026);
    QVERIFY(IstBeitragsjahr(2010) && IstBeitragsjahr(2026));
    QVERIFY(!IstBeitragsjahr(2009) && !IstBeitragsjahr(2027));
    QCOMPARE(EinkommensjahrFuer(2026), 2025);
    QCOMPARE(SteuerjahrFuer(2026), 2026);
}

void TstRechtstabellen::zulagenrecht()
{
    double vorher = 0;
    for (const TZulagenJahr& z : ZulagenTabelleBisher()) {
        const QByteArray j = jahrText(z.Jahr);
        QVERIFY2(imAnteilsbereich(z.Mindestquote), j);
        QVERIFY2(z.KinderzulageAlt < z.KinderzulageNeu, j);
        QVERIFY2(z.Grundzulage >= vorher, j); // the basic allowance never fell
        vorher = z.Grundzulage;
        // § 10a Abs. 3 S. 3 EStG: the couple's cap rises by exactly the spouse's payment
        QVERIFY2(z.HoechstbetragMittelbar == z.Hoechstbetrag + z.MindestbeitragMittelbar, j);
    }
    QCOMPARE(ZulagenRechtBisher(2017).Grundzulage, 154.0);
    QCOMPARE(ZulagenRechtBisher(2018).Grundzulage, 175.0);
    QCOMPARE(MindestbeitragMittelbarFuer(2011), 0.0);
    QCOMPARE(MindestbeitragMittelbarFuer(2012), 60.0);
    QCOMPARE(TarifMindestbeitragMittelbarFuer(2011), 30.0);
    QCOMPARE(TarifMindestbeitragMittelbarFuer(2012), 60.0);
    QVERIFY(MittelbarZulageberechtigt(2011, 0));
    QVERIFY(!MittelbarZulageberechtigt(2012, 59.99));
    QVERIFY(MittelbarZulageberechtigt(2012, 60));
}

void TstRechtstabellen::tarifzonenAufsteigendUndStetig()
{
    for (const TTarif& t : Tariftabelle()) {
        if (t.AbJahr < 2004)
            continue; // the DM and step tariffs round their argument first
        const QByteArray j = jahrText(t.AbJahr);
        QVERIFY2(t.a <= t.Nullzone && t.Nullzone <= t.Zone2Bis, j);
        QVERIFY2(t.Zone2Bis < t.Zone3Bis && t.Zone3Bis < t.Zone4Bis, j);
        QVERIFY2(t.Satz4 < t.Satz5 || t.Satz5 == 0, j);
        // The zones meet: at the last euro of a zone both formulas agree to
        // within a euro, and the tax rises by at most a euro into the next zone.
        struct TGrenze
        {
            int X;
            double links, rechts;
        };
        std::vector<TGrenze> grenzen = {
            {t.Nullzone - 1, 0, zone2(t, t.Nullzone - 1)},
            {t.Zone2Bis - 1, zone2(t, t.Zone2Bis - 1), zone3(t, t.Zone2Bis - 1)},
            {t.Zone3Bis - 1, zone3(t, t.Zone3Bis - 1), zone4(t, t.Zone3Bis - 1)},
        };
        if (t.Satz5 != 0)
            grenzen.push_back({t.Zone4Bis - 1, zone4(t, t.Zone4Bis - 1), zone5(t, t.Zone4Bis - 1)});
        for (const TGrenze& g : grenzen) {
            const QByteArray wo = j + " bei " + QByteArray::number(g.X);
            QVERIFY2(std::abs(g.links - g.rechts) < 1, wo);
            const double vor = Einkommensteuer(t.AbJahr, Grundtabelle, g.X);
            const double nach = Einkommensteuer(t.AbJahr, Grundtabelle, g.X + 1);
            QVERIFY2(nach >= vor && nach <= vor + 1, wo);
        }
    }
}

void TstRechtstabellen::tarifNachJahren()
{
    // The basic allowance rose every year from 2013, never fell before.
    int gfb = 0;
    for (int jahr = ErstesBeitragsjahr; jahr <= NeuestesBeitragsjahr; ++jahr) {
        const TTarif& t = TarifFuer(jahr);
        QVERIFY2(t.a >= gfb, jahrText(jahr));
        if (jahr >= 2013)
            QVERIFY2(t.a > gfb, jahrText(jahr));
        gfb = t.a;
    }
    QCOMPARE(TarifFuer(2012).AbJahr, 2010); // 2010 to 2012: one tariff
    QCOMPARE(TarifFuer(2026).a, 12348);     // Grundfreibetrag 2026
    QCOMPARE(&TarifFuer(2027), &TarifFuer(2026));
    QCOMPARE(&TarifFuer(2100), &TarifFuer(2026));
}

void TstRechtstabellen::sozialversicherung()
{
    for (const TSVJahr& z : SVTabelle()) {
        const QByteArray j = jahrText(z.Jahr);
        for (double satz : {z.RV, z.AV, z.KV, z.KVErmaessigt, z.KVZusatz, z.KVNurArbeitnehmer, z.PV,
                            z.PVSachsen, z.PVKinderlos, z.PVKinderabschlag})
            QVERIFY2(imAnteilsbereich(satz / 100), j);
        QVERIFY2(z.KVErmaessigt <= z.KV, j);
        // the employee's share of health insurance lies between half and all of it
        QVERIFY2(KVSatz(true, false, z.Jahr) >= KVSatz(false, false, z.Jahr) / 2, j);
        QVERIFY2(KVSatz(true, false, z.Jahr) < KVSatz(false, false, z.Jahr), j);
        if (z.Jahr >= 2004)
            QVERIFY2(z.BBG_KV < z.BBG_RVWest, j);
        if (z.Jahr <= 2024)
            QVERIFY2(z.BBG_RVOst < z.BBG_RVWest, j);
        else
            QVERIFY2(z.BBG_RVOst == z.BBG_RVWest, j); // one ceiling from 2025
        // four children at most lower the care rate (§ 55 Abs. 3 SGB XI)
        QCOMPARE(PVSatz(z.Jahr, false, true, false, 9), PVSatz(z.Jahr, false, true, false, 5));
        QVERIFY2(PVSatz(z.Jahr, false, true, false, 5) > 0, j);
    }
    // the shape of the employee share: special contribution, Zusatzbeitrag alone, halves
    QCOMPARE(KVSatz(true, false, 2014), 8.2);
    QCOMPARE(KVSatz(true, false, 2018), 8.3);
    QCOMPARE(KVSatz(true, false, 2019), 7.75);
    QCOMPARE(KVSatz(true, false, 2026), 8.75);
    QCOMPARE(KVSatz(false, false, 2026), 17.5);
    // care: 2023 weighted by months, the child discount from the second child
    QCOMPARE(PVSatz(2023, false, true, false), 1.6125);
    QCOMPARE(PVSatz(2023, true, true, false), 2.0875);
    QCOMPARE(PVSatz(2023, false, true, true), 2.1125);
    QCOMPARE(PVSatz(2023, false, true, false, 1), 1.6125);
    QCOMPARE(PVSatz(2023, false, true, false, 3), 1.3625);
    QCOMPARE(PVSatz(2024, false, true, false, 2), 1.45);
    QCOMPARE(PVSatz(2024, false, true, false, 6), 0.7);
    QCOMPARE(PVSatz(2022, true, true, false), 1.875);
}

void TstRechtstabellen::vorsorgeUndFreibetraege()
{
    double anteil = 0;
    for (const TVorsorgeJahr& v : Vorsorgetabelle()) {
        const QByteArray j = jahrText(v.Jahr);
        QVERIFY2(imAnteilsbereich(v.Anteil) && imAnteilsbereich(v.AnteilPauschale), j);
        QVERIFY2(v.Anteil >= anteil, j); // the deductible share only rises
        anteil = v.Anteil;
        QVERIFY2(v.Hoechstbetrag >= 20000, j);
        // the advance deduction exists only while the old law is compared
        QVERIFY2(v.AltesRecht == (v.Jahr <= 2019), j);
        QVERIFY2(v.AltesRecht || v.Vorwegabzug == 0, j);
        QVERIFY2(v.KappeMitZuschuss < v.KappeSelbst, j);
    }
    QCOMPARE(VorsorgeFuer(2022).Anteil, 0.94);
    QCOMPARE(VorsorgeFuer(2023).Anteil, 1.0);
    for (const TFreibetragJahr& f : Freibetragstabelle()) {
        const QByteArray j = jahrText(f.Jahr);
        QVERIFY2(f.ArbeitnehmerPauschbetrag > 0 && f.SonderausgabenPauschbetrag > 0, j);
        QVERIFY2(f.Kinderfreibetrag > f.BEAFreibetrag, j);
        QVERIFY2(f.EntlastungsbetragWeiteresKind == (f.Jahr >= 2015 ? 240 : 0), j);
    }
    // the statute's sums per child and parent
    const auto kfb = [](int jahr) {
        return FreibetraegeFuer(jahr).Kinderfreibetrag + FreibetraegeFuer(jahr).BEAFreibetrag;
    };
    QCOMPARE(kfb(2010), 3504.0);
    QCOMPARE(kfb(2021), 4194.0);
    QCOMPARE(kfb(2026), 4878.0);
}

void TstRechtstabellen::soliUndKirchensteuer()
{
    for (const TSoliJahr& s : Solitabelle()) {
        const QByteArray j = jahrText(s.Jahr);
        QCOMPARE(s.FreigrenzeZusammen, 2 * s.FreigrenzeEinzel);
        QVERIFY2(s.SatzPromille < s.MilderungPromille, j);
        QVERIFY2(s.ErsparnisNachFreigrenze == (s.Jahr >= 2021), j);
        // nothing up to the Freigrenze, the zone's share of the first euro above it
        for (TTabelle t : {Grundtabelle, Splittingtabelle}) {
            const double fg = t == Grundtabelle ? s.FreigrenzeEinzel : s.FreigrenzeZusammen;
            QCOMPARE(Solidaritaetszuschlag(s.Jahr, t, fg), 0.0);
            QCOMPARE(Solidaritaetszuschlag(s.Jahr, t, fg + 1),
                     std::floor(s.MilderungPromille / 10.0) / 100);
        }
        // where the zone ends the full rate takes over: m·(T − F) = 5.5 % · T
        const double ende =
            s.MilderungPromille * s.FreigrenzeEinzel / double(s.MilderungPromille - s.SatzPromille);
        const double darueber = std::ceil(ende) + 100;
        QCOMPARE(Solidaritaetszuschlag(s.Jahr, Grundtabelle, darueber),
                 std::floor(darueber * s.SatzPromille / 10) / 100);
        QVERIFY2(SoliSatz(s.Jahr) == 0.055, j);
    }
    for (const TKirchensteuerJahr& k : Kirchensteuertabelle()) {
        QVERIFY(imAnteilsbereich(k.SatzBadenWuerttembergBayern) && imAnteilsbereich(k.SatzUebrige));
        QCOMPARE(KiStSatzFuer(k.Jahr, 0), 0.08);
        QCOMPARE(KiStSatzFuer(k.Jahr, 1), 0.08);
        QCOMPARE(KiStSatzFuer(k.Jahr, 4), 0.09);
        QCOMPARE(KiStSatzFuer(k.Jahr, -1), 0.0);
    }
    QCOMPARE(Solidaritaetszuschlag(2009, Grundtabelle, 5000), -1.0);
    QCOMPARE(Solidaritaetszuschlag(2026, TabelleUnbekannt, 50000), -1.0);
}

void TstRechtstabellen::jahr2027UebernimmtDieGeltendenWerte()
{
    // nothing enacted for 2027 beyond the reform: the 2026 values apply
    const TSVJahr& sv26 = SVFuer(2026);
    const TSVJahr& sv27 = SVFuer(2027);
    QCOMPARE(sv27.BBG_RVWest, sv26.BBG_RVWest);
    QCOMPARE(sv27.BBG_KV, sv26.BBG_KV);
    QCOMPARE(sv27.KVZusatz, sv26.KVZusatz);
    QCOMPARE(sv27.PV, sv26.PV);
    QCOMPARE(VorsorgeFuer(2027).Hoechstbetrag, VorsorgeFuer(2026).Hoechstbetrag);
    QCOMPARE(FreibetraegeFuer(2027).Kinderfreibetrag, FreibetraegeFuer(2026).Kinderfreibetrag);
    QCOMPARE(FreibetraegeFuer(2027).ArbeitnehmerPauschbetrag, 1230.0);
    QCOMPARE(SoliRecht(2027).FreigrenzeEinzel, SoliRecht(2026).FreigrenzeEinzel);
    QCOMPARE(ZulagenRechtBisher(2027).Grundzulage, ZulagenRechtBisher(2026).Grundzulage);
    QCOMPARE(ZulagenRechtBisher(2027).HoechstbetragMittelbar, 2160.0);
}

QTEST_GUILESS_MAIN(TstRechtstabellen)
#include "tst_rechtstabellen.moc"
