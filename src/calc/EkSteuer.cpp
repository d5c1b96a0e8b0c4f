#include "EkSteuer.h"

#include "FoerderParameter.h"
#include "MathUnit.h"
#include "ZulagenDaten.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>

namespace Fermalin {

namespace {

using i128 = __int128;

// One row per tariff of § 32a Abs. 1 EStG. Rates and coefficients are held as
// integers (p and r in hundredths, top-zone rates in thousandths) so that the
// tariff is evaluated exactly in decimal on the whole-euro argument.
struct TTarif
{
    int AbJahr;       // first year the tariff applies
    bool DM;          // 2001: computed in Deutsche Mark
    int Schritt;      // step rounding of the argument (2001: 54 DM, 2002: 36 euros), 0 = none
    bool Dreistellig; // 2001/2002: p·y is cut to three decimals
    int Nullzone;     // X < Nullzone: no tax
    int Zone2Bis, a, p, q;
    int Zone3Bis, b, r, s, k;
    int Zone4Bis; // upper bound of zone 4; INT_MAX when there is no zone 5
    int Satz4, Abzug4;
    int Satz5, Abzug5;
};

constexpr TTarif Tarife[] = {
    // § 32a EStG 2001 (in DM)
    {2001, true, 54, true, 14094, 18090, 14040, 38789, 1990, 107568, 18036, 14249, 2300, 857,
     INT_MAX, 485, 19299, 0, 0},
    // § 32a EStG 2002 (also 2003)
    {2002, false, 36, true, 7236, 9252, 7200, 76885, 1990, 55008, 9216, 27865, 2300, 432, INT_MAX,
     485, 9872, 0, 0},
    // § 32a EStG 2004
    {2004, false, 0, false, 7664, 12739, 7664, 79310, 1600, 52151, 12739, 26578, 2405, 1016,
     INT_MAX, 450, 8845, 0, 0},
    // § 32a EStG 2005 (also 2006 and 2007)
    {2005, false, 0, false, 7665, 12740, 7664, 88374, 1500, 52152, 12739, 22874, 2397, 989, INT_MAX,
     420, 7914, 0, 0},
    // § 32a EStG 2008
    {2008, false, 0, false, 7665, 12740, 7664, 88374, 1500, 52152, 12739, 22874, 2397, 989, 250001,
     420, 7914, 450, 15414},
    // § 32a EStG 2009 (Konjunkturpaket II)
    {2009, false, 0, false, 7835, 13140, 7834, 93968, 1400, 52552, 13139, 22874, 2397, 1007, 250401,
     420, 8064, 450, 15576},
    // § 32a EStG 2010 (also later years)
    {2010, false, 0, false, 8005, 13470, 8004, 91217, 1400, 52882, 13469, 22874, 2397, 1038, 250731,
     420, 8172, 450, 15694},
};

const TTarif& tarifFuer(int jahr)
{
    const TTarif* t = &Tarife[0];
    for (const auto& z : Tarife)
        if (z.AbJahr <= jahr)
            t = &z;
    return *t;
}

// A progression zone: trunc((p·y + q)·y) with y = Y / 10000 and p in hundredths.
i128 progressionszone(i128 Y, i128 p, i128 q, bool dreistellig)
{
    if (dreistellig) {
        // a = trunc(p·y·1000) / 1000; T = trunc((a + q)·y)
        const i128 a = p * Y / 1000;
        return (a + q * 1000) * Y / 10000000;
    }
    return (p * Y + q * 1000000) * Y / 10000000000LL;
}

// Top zone: trunc(rate·X) - abzug, the rate in thousandths.
i128 proportionalzone(i128 X, int satz, int abzug)
{
    return X * satz / 1000 - abzug;
}

// Tariff on the (already halved) whole-euro argument x; the result is in the
// tariff's currency.
i128 tarifAufArgument(const TTarif& t, i128 x)
{
    i128 X = x;
    if (t.DM)
        X = x * 195583 / 5400000 * 54 + 27; // trunc(x · 1.95583 / 54) · 54 + 27
    else if (t.Schritt > 0)
        X = x / t.Schritt * t.Schritt + t.Schritt / 2;
    if (X < t.Nullzone)
        return 0;
    if (X < t.Zone2Bis)
        return progressionszone(X - t.a, t.p, t.q, t.Dreistellig);
    if (X < t.Zone3Bis)
        return progressionszone(X - t.b, t.r, t.s, t.Dreistellig) + t.k;
    if (X < t.Zone4Bis)
        return proportionalzone(X, t.Satz4, t.Abzug4);
    return proportionalzone(X, t.Satz5, t.Abzug5);
}

} // namespace

double Einkommensteuer(int jahr, TTabelle tabelle, double zvE)
{
    if (tabelle == TabelleUnbekannt || jahr < 2001)
        return -1;
    const int d = tabelle == Grundtabelle ? 1 : 2;
    const double x = std::trunc(zvE / d);
    if (!(x < 1e30)) {
        // Beyond any real income; only keeps the arithmetic defined.
        if (std::isnan(x))
            return 0;
        const TTarif& t = tarifFuer(jahr);
        const int satz = t.Zone4Bis == INT_MAX ? t.Satz4 : t.Satz5;
        return static_cast<double>(satz) / 1000 * x * d;
    }
    if (x < 0)
        return 0; // every tariff starts with a zero zone
    const TTarif& t = tarifFuer(jahr);
    const i128 T = tarifAufArgument(t, static_cast<i128>(x));
    if (t.DM)
        return static_cast<double>(T) / 1.95583 * d;
    return static_cast<double>(T) * d;
}

double Steuerminderung(TTabelle tabelle, int jahr, double zvE, double abzug, double zuschlagsatz)
{
    const double vorher = Einkommensteuer(jahr, tabelle, zvE);
    const double nachher = Einkommensteuer(jahr, tabelle, zvE - abzug);
    return rundeGerade((1 + zuschlagsatz) * (vorher - nachher));
}

double Kinderfreibetrag(int jahr)
{
    // § 32 Abs. 6 EStG: Kinderfreibetrag per parent
    if (jahr <= 2008)
        return 1824;
    if (jahr == 2009)
        return 1932;
    return 2424;
}

double Vorwegabzug(int jahr)
{
    // § 10 Abs. 3 EStG 2004 with the phasing-out of § 10 Abs. 4a EStG
    static constexpr double Abschmelzung[] = {2700, 2400, 2100, 1800, 1500, 1200, 900, 600, 300};
    if (jahr >= 2005 && jahr <= 2010)
        return 3068;
    if (jahr >= 2011 && jahr <= 2019)
        return Abschmelzung[jahr - 2011];
    return 0;
}

namespace {

// Fixed amounts of the estimate, euros.
constexpr double ArbeitnehmerPauschbetrag = 920;      // § 9a Nr. 1a EStG, from 2004
constexpr double ArbeitnehmerPauschbetragAlt = 1044;  // before 2004
constexpr double SonderausgabenPauschbetrag = 36;     // § 10c Abs. 1 EStG, per person
constexpr double Entlastungsbetrag = 1308;            // § 24b EStG, from 2004
constexpr double HaushaltsfreibetragAlt = 2340;       // § 32 Abs. 7 EStG, before 2004
constexpr double KinderBetreuungsfreibetrag = 1080;   // § 32 Abs. 6 EStG, per parent
constexpr double AltGrundhoechstbetrag = 1334;        // § 10 Abs. 3 Nr. 1 EStG 2004
constexpr double AltKuerzungsHoechstbetrag = 1134;    // § 10c Abs. 3 EStG 2004
constexpr double AltVorwegabzugPaar = 6136;           // § 10c Abs. 4 EStG 2004, mixed couple
constexpr double AltersvorsorgeHoechstbetrag = 20000; // § 10 Abs. 3 Satz 1 EStG
constexpr double SonstigeVorsorge1 = 1500, SonstigeVorsorge2 = 2400;       // § 10 Abs. 4 EStG 2005
constexpr double SonstigeVorsorge1Neu = 1900, SonstigeVorsorge2Neu = 2800; // from 2010
constexpr double KrankengeldAnteil = 0.96; // § 10 Abs. 1 Nr. 3 Satz 4 EStG 2010

bool mitLohn(int art)
{
    return art == Arbeitnehmer || art == Beamter;
}

} // namespace

TVorsorge Vorsorgeaufwendungen(const TZvEEingabe& e)
{
    if (!e.Verheiratet && e.Lohn2 > 0)
        throw EVorsorgeFehler("Vorsorgeaufwendungen: Bei Ledigen muss Lohn2=0 gelten");

    const int Y = std::max(e.Jahr, 2005);
    const bool M = e.Verheiratet;
    const double F = M ? 2 : 1;
    const int T1 = e.Art1, T2 = e.Art2;
    const double L1 = e.Lohn1, L2 = e.Lohn2;
    const auto R = [Y](double L, TRegion region) {
        return RVSatz(Y) * std::min(L, BBG_RV(Y, region)) / 100;
    };
    // § 10 Abs. 3 Satz 4 und 6 EStG: shares rising until 2025
    const double q1 = Y <= 2024 ? 0.2 + 0.04 * (Y - 2005) : 1;
    const double q2 = Y <= 2024 ? 0.6 + 0.02 * (Y - 2005) : 1;
    const double SV = e.KV1 + e.PV1 + e.KV2 + e.PV2 + e.AV1 + e.AV2;
    const bool altesRechtEntfaellt = Y > 2019 && !e.NurAltesRecht;

    TVorsorge v;

    // A. Vorsorgepauschale, law 2005 to 2009 (§ 10c Abs. 2 EStG 2005)
    const double RV1 = T1 == Arbeitnehmer ? R(L1, e.Region) * 0.5 * q1 : 0;
    const double RV2 = (M && T2 == Arbeitnehmer) ? R(L2, e.Region) * 0.5 * q1 : 0;
    const double KP = mitLohn(T1) ? std::min(0.11 * (L1 + L2), F * SonstigeVorsorge1) : 0;
    v.VorsorgepauschaleNeu = RV1 + RV2 + KP;

    // B. Vorsorgepauschale, law 2004 (§ 10c Abs. 2 bis 4 EStG 2004)
    if (!altesRechtEntfaellt) {
        const bool gemischt =
            M && ((T1 == Arbeitnehmer && T2 == Beamter) || (T1 == Beamter && T2 == Arbeitnehmer));
        if (gemischt) {
            const double Lb = T1 == Beamter ? L1 : L2;
            const double La = T1 == Beamter ? L2 : L1;
            const double A = std::min(0.2 * Lb, AltKuerzungsHoechstbetrag) + 0.2 * La;
            const double VW = std::max(0.0, AltVorwegabzugPaar - 0.16 * (L1 + L2));
            const double X = std::min(A - VW, F * AltGrundhoechstbetrag);
            const double H =
                std::min((A - F * AltGrundhoechstbetrag - VW) / 2, AltGrundhoechstbetrag);
            const double Z = VW + X + H;
            const double D = std::min(0.2 * Lb, F * AltKuerzungsHoechstbetrag);
            v.VorsorgepauschaleAlt = std::max(Z, D);
        } else {
            const double S = (mitLohn(T1) ? L1 : 0) + (mitLohn(T2) ? L2 : 0);
            if (T1 == Beamter || T2 == Beamter) {
                v.VorsorgepauschaleAlt = std::min(0.2 * S, F * AltKuerzungsHoechstbetrag);
            } else if (T1 == Arbeitnehmer || T2 == Arbeitnehmer) {
                const double VW = std::max(0.0, Vorwegabzug(Y) * F - 0.16 * S);
                const double H = std::min(0.2 * S, F * AltGrundhoechstbetrag + VW);
                const double Q =
                    std::min(std::max(0.2 * S - H, 0.0), F * AltGrundhoechstbetrag) / 2;
                v.VorsorgepauschaleAlt = std::min(H + Q, 0.2 * S);
            }
        }
    }

    // C. Vorsorgeaufwand, law 2005 to 2009 (§ 10 Abs. 3 und 4 EStG 2005)
    const double RVg1 = T1 == Arbeitnehmer ? R(L1, e.Region) : 0;
    const double RVg2 = (M && T2 == Arbeitnehmer) ? R(L2, e.Region) : 0;
    // fictitious contributions of civil servants, always with the East ceiling
    const double RVf1 = T1 == Beamter ? R(L1, TRegion::Ost) : 0;
    const double RVf2 = (M && T2 == Beamter) ? R(L2, TRegion::Ost) : 0;
    const double AVA =
        std::min(RVg1 + RVg2 + e.Ruerup, F * AltersvorsorgeHoechstbetrag - RVf1 - RVf2) * q2 -
        0.5 * (RVg1 + RVg2);
    const auto kappe = [&](double mitLohnBetrag, double sonstBetrag) {
        const double C1 = mitLohn(T1) ? mitLohnBetrag : sonstBetrag;
        if (M && (T2 == NichtErwerbstaetig || L2 == 0))
            return 2 * C1;
        if (M)
            return C1 + (mitLohn(T2) ? mitLohnBetrag : sonstBetrag);
        return C1;
    };
    v.VorsorgeaufwandNeu = AVA + std::min(kappe(SonstigeVorsorge1, SonstigeVorsorge2), SV);

    // D. Vorsorgeaufwand, law 2004 with Vorwegabzug (§ 10 Abs. 4a EStG)
    if (!altesRechtEntfaellt) {
        const double RVa1 = T1 == Arbeitnehmer ? R(L1, e.Region) : 0;
        const double RVa2 = (M && T2 == Arbeitnehmer) ? R(L2, e.Region) : 0;
        const double K = (mitLohn(T1) ? 0.16 * L1 : 0) + (mitLohn(T2) ? 0.16 * L2 : 0);
        const double VW = std::max(0.0, Vorwegabzug(Y) * F - K);
        const auto alt = [&](double W) {
            const double A = std::min(F * AltGrundhoechstbetrag + VW, W);
            return std::min(W, A + std::min(std::max(0.0, W - A), F * AltGrundhoechstbetrag) / 2);
        };
        if (Y == 2005)
            v.VorsorgeaufwandAlt = alt(e.Ruerup + SV + 0.5 * RVa1 + 0.5 * RVa2);
        else
            v.VorsorgeaufwandAlt =
                alt(SV + 0.5 * RVa1 + 0.5 * RVa2) +
                std::min(F * AltersvorsorgeHoechstbetrag - RVf1 - RVf2 - RVa1 - RVa2, e.Ruerup) *
                    q2;
    }

    // E. Law from 2010 (Bürgerentlastungsgesetz): replaces A and C
    if (Y >= 2010 && !e.NurAltesRecht) {
        const double basis =
            (e.Krankengeld1 ? runden(2, KrankengeldAnteil * e.KV1) : e.KV1) + e.PV1 +
            (e.Krankengeld2 ? runden(2, KrankengeldAnteil * e.KV2) : e.KV2) + e.PV2;
        v.VorsorgeaufwandNeu =
            AVA + std::max(basis, std::min(SV, kappe(SonstigeVorsorge1Neu, SonstigeVorsorge2Neu)));
        v.VorsorgepauschaleNeu = v.VorsorgeaufwandNeu;
    }
    return v;
}

double ZuVersteuerndesEinkommen(const TZvEEingabe& e)
{
    const bool M = e.Verheiratet;
    const double F = M ? 2 : 1;
    double KFB = 0, ELA = 0;
    if (e.Kinderzahl >= 1) {
        KFB = (Kinderfreibetrag(e.Jahr) + KinderBetreuungsfreibetrag) * F * e.Kinderzahl;
        ELA = M ? 0 : (e.Jahr < 2004 ? HaushaltsfreibetragAlt : Entlastungsbetrag);
    }
    const int mitLoehnen = (mitLohn(e.Art1) ? 1 : 0) + ((M && mitLohn(e.Art2)) ? 1 : 0);
    const double WK =
        mitLoehnen * (e.Jahr < 2004 ? ArbeitnehmerPauschbetragAlt : ArbeitnehmerPauschbetrag);
    const double SAP = SonderausgabenPauschbetrag * F;

    const TVorsorge v = Vorsorgeaufwendungen(e);
    double V;
    if (e.NurAltesRecht) {
        V = std::max(v.VorsorgeaufwandAlt, v.VorsorgepauschaleAlt);
    } else {
        const double B = std::max(v.VorsorgeaufwandNeu, v.VorsorgepauschaleNeu);
        V = e.GuenstigerVP ? std::max(B, v.VorsorgepauschaleAlt) : B;
    }
    const double zvE = (rundeGerade(e.Lohn1) + rundeGerade(e.Lohn2)) - WK - SAP - V - ELA - KFB;
    return zvE > 0 ? zvE : 0;
}

double ZvESchaetzung(const TZulagenDaten& d, double lohn1, double lohn2)
{
    constexpr int jahr = TFoerderParameter::Steuerjahr;
    const bool M = d.Verheiratet;
    const int art2 =
        !M ? NichtErwerbstaetig : (d.AnzahlFoerderberechtigte == 2 ? Arbeitnehmer : Selbststaendig);
    const bool kinderlos = d.Kinderzahl == 0;
    const double bbgKV = BBG_KV(jahr);

    TZvEEingabe e;
    e.Verheiratet = M;
    e.Kinderzahl = d.Kinderzahl;
    e.Jahr = jahr;
    e.Lohn1 = lohn1;
    e.Lohn2 = lohn2;
    e.Art1 = Arbeitnehmer;
    e.Art2 = art2;
    e.GuenstigerVP = true;
    e.Ruerup = 0;
    e.KV1 = runden(0, KVSatz(true, false, jahr) / 100 * std::min(lohn1, bbgKV));
    e.PV1 = runden(0, PVSatz(jahr, kinderlos, true, false) / 100 * std::min(lohn1, bbgKV));
    if (M) {
        const bool anteil = art2 == Arbeitnehmer;
        e.KV2 = runden(0, KVSatz(anteil, false, jahr) / 100 * std::min(lohn2, bbgKV));
        e.PV2 = runden(0, PVSatz(jahr, kinderlos, anteil, false) / 100 * std::min(lohn2, bbgKV));
    }
    // employee's half of the unemployment insurance
    e.AV1 = runden(0, AVSatz(jahr) / 200 * std::min(lohn1, BBG_RV(jahr, TRegion::West)));
    e.AV2 = 0;
    e.Krankengeld1 = e.Krankengeld2 = true;
    e.NurAltesRecht = false;
    e.Region = TRegion::West;
    return ZuVersteuerndesEinkommen(e);
}

} // namespace Fermalin
