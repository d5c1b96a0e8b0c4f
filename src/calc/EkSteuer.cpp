#include "EkSteuer.h"

#include "Abzugsbetraege.h"
#include "MathUnit.h"
#include "ZulagenDaten.h"

#include <algorithm>
#include <cstddef>

namespace Fermalin {

double Vorwegabzug(int jahr)
{
    // § 10 Abs. 3 EStG 2004 with the phasing-out of § 10 Abs. 4a EStG
    if (jahr < Vorsorgetabelle().front().Jahr)
        return 0;
    const TVorsorgeJahr& v = VorsorgeFuer(jahr);
    return v.AltesRecht ? v.Vorwegabzug : 0;
}

namespace {

// Amounts of the law of 2004, kept by § 10 Abs. 4a EStG for the comparison; euros.
constexpr double AltGrundhoechstbetrag = 1334;     // § 10 Abs. 3 Nr. 1 EStG 2004
constexpr double AltKuerzungsHoechstbetrag = 1134; // § 10c Abs. 3 EStG 2004
constexpr double AltVorwegabzugPaar = 6136;        // § 10c Abs. 4 EStG 2004, mixed couple
// Lump-sum shares of the wages, law of 2004 and 2005 (§ 10c Abs. 2 EStG 2004/2005)
constexpr double AltPauschaleAnteil = 0.2;
constexpr double AltVorwegKuerzung = 0.16;
constexpr double NeuPauschaleKVAnteil = 0.11;
// § 10 Abs. 1 Nr. 3 S. 4 EStG: a health contribution with sick pay counts with 96 % (from 2010)
constexpr double KrankengeldAnteil = 0.96;
// The law from 2010 replaces the lump sums of 2005 (Bürgerentlastungsgesetz Krankenversicherung)
constexpr int ErstesJahrBasisabsicherung = 2010;

bool mitLohn(int art)
{
    return art == Arbeitnehmer || art == Beamter;
}

} // namespace

TVorsorge Vorsorgeaufwendungen(const TZvEEingabe& e)
{
    if (!e.Verheiratet && e.Lohn2 > 0)
        throw EVorsorgeFehler("Vorsorgeaufwendungen: Bei Ledigen muss Lohn2=0 gelten");

    // the provision expenses of the law of 2005 and later; earlier years as 2005
    const int Y = std::max(e.Jahr, Vorsorgetabelle().front().Jahr);
    const TVorsorgeJahr& jahr = VorsorgeFuer(Y);
    const bool M = e.Verheiratet;
    const double F = M ? 2 : 1;
    const int T1 = e.Art1, T2 = e.Art2;
    const double L1 = e.Lohn1, L2 = e.Lohn2;
    const auto R = [Y](double L, TRegion region) {
        return RVSatz(Y) * std::min(L, BBG_RV(Y, region)) / 100;
    };
    // § 10 Abs. 3 S. 4 und 6 EStG, § 10c Abs. 2 S. 4 EStG 2005: shares rising by year
    const double q1 = jahr.AnteilPauschale;
    const double q2 = jahr.Anteil;
    const double SV = e.KV1 + e.PV1 + e.KV2 + e.PV2 + e.AV1 + e.AV2;
    const bool altesRechtEntfaellt = !jahr.AltesRecht && !e.NurAltesRecht;

    TVorsorge v;

    // A. Vorsorgepauschale, law 2005 to 2009 (§ 10c Abs. 2 EStG 2005)
    const double RV1 = T1 == Arbeitnehmer ? R(L1, e.Region) * 0.5 * q1 : 0;
    const double RV2 = (M && T2 == Arbeitnehmer) ? R(L2, e.Region) * 0.5 * q1 : 0;
    const double KP =
        mitLohn(T1) ? std::min(NeuPauschaleKVAnteil * (L1 + L2), F * jahr.KappeMitZuschuss) : 0;
    v.VorsorgepauschaleNeu = RV1 + RV2 + KP;

    // B. Vorsorgepauschale, law 2004 (§ 10c Abs. 2 bis 4 EStG 2004)
    if (!altesRechtEntfaellt) {
        const bool gemischt =
            M && ((T1 == Arbeitnehmer && T2 == Beamter) || (T1 == Beamter && T2 == Arbeitnehmer));
        if (gemischt) {
            const double Lb = T1 == Beamter ? L1 : L2;
            const double La = T1 == Beamter ? L2 : L1;
            const double A = std::min(AltPauschaleAnteil * Lb, AltKuerzungsHoechstbetrag) +
                             AltPauschaleAnteil * La;
            const double VW = std::max(0.0, AltVorwegabzugPaar - AltVorwegKuerzung * (L1 + L2));
            const double X = std::min(A - VW, F * AltGrundhoechstbetrag);
            const double H =
                std::min((A - F * AltGrundhoechstbetrag - VW) / 2, AltGrundhoechstbetrag);
            const double Z = VW + X + H;
            const double D = std::min(AltPauschaleAnteil * Lb, F * AltKuerzungsHoechstbetrag);
            v.VorsorgepauschaleAlt = std::max(Z, D);
        } else {
            const double S = (mitLohn(T1) ? L1 : 0) + (mitLohn(T2) ? L2 : 0);
            if (T1 == Beamter || T2 == Beamter) {
                v.VorsorgepauschaleAlt =
                    std::min(AltPauschaleAnteil * S, F * AltKuerzungsHoechstbetrag);
            } else if (T1 == Arbeitnehmer || T2 == Arbeitnehmer) {
                const double P = AltPauschaleAnteil * S;
                const double VW = std::max(0.0, jahr.Vorwegabzug * F - AltVorwegKuerzung * S);
                const double H = std::min(P, F * AltGrundhoechstbetrag + VW);
                const double Q = std::min(std::max(P - H, 0.0), F * AltGrundhoechstbetrag) / 2;
                v.VorsorgepauschaleAlt = std::min(H + Q, P);
            }
        }
    }

    // C. Vorsorgeaufwand, law 2005 to 2009 (§ 10 Abs. 3 und 4 EStG 2005)
    const double RVg1 = T1 == Arbeitnehmer ? R(L1, e.Region) : 0;
    const double RVg2 = (M && T2 == Arbeitnehmer) ? R(L2, e.Region) : 0;
    // fictitious contributions of civil servants, always with the East ceiling
    const double RVf1 = T1 == Beamter ? R(L1, TRegion::Ost) : 0;
    const double RVf2 = (M && T2 == Beamter) ? R(L2, TRegion::Ost) : 0;
    const double AVA = std::min(RVg1 + RVg2 + e.Ruerup, F * jahr.Hoechstbetrag - RVf1 - RVf2) * q2 -
                       0.5 * (RVg1 + RVg2);
    const auto kappe = [&](double mitLohnBetrag, double sonstBetrag) {
        const double C1 = mitLohn(T1) ? mitLohnBetrag : sonstBetrag;
        if (M && (T2 == NichtErwerbstaetig || L2 == 0))
            return 2 * C1;
        if (M)
            return C1 + (mitLohn(T2) ? mitLohnBetrag : sonstBetrag);
        return C1;
    };
    v.VorsorgeaufwandNeu = AVA + std::min(kappe(jahr.KappeMitZuschuss, jahr.KappeSelbst), SV);

    // D. Vorsorgeaufwand, law 2004 with Vorwegabzug (§ 10 Abs. 4a EStG)
    if (!altesRechtEntfaellt) {
        const double RVa1 = T1 == Arbeitnehmer ? R(L1, e.Region) : 0;
        const double RVa2 = (M && T2 == Arbeitnehmer) ? R(L2, e.Region) : 0;
        const double K =
            (mitLohn(T1) ? AltVorwegKuerzung * L1 : 0) + (mitLohn(T2) ? AltVorwegKuerzung * L2 : 0);
        const double VW = std::max(0.0, jahr.Vorwegabzug * F - K);
        const auto alt = [&](double W) {
            const double A = std::min(F * AltGrundhoechstbetrag + VW, W);
            return std::min(W, A + std::min(std::max(0.0, W - A), F * AltGrundhoechstbetrag) / 2);
        };
        if (Y == Vorsorgetabelle().front().Jahr) // 2005: other old-age contributions in the old law
            v.VorsorgeaufwandAlt = alt(e.Ruerup + SV + 0.5 * RVa1 + 0.5 * RVa2);
        else
            v.VorsorgeaufwandAlt =
                alt(SV + 0.5 * RVa1 + 0.5 * RVa2) +
                std::min(F * jahr.Hoechstbetrag - RVf1 - RVf2 - RVa1 - RVa2, e.Ruerup) * q2;
    }

    // E. Law from 2010 (Bürgerentlastungsgesetz): replaces A and C
    if (Y >= ErstesJahrBasisabsicherung && !e.NurAltesRecht) {
        const double basis =
            (e.Krankengeld1 ? runden(2, KrankengeldAnteil * e.KV1) : e.KV1) + e.PV1 +
            (e.Krankengeld2 ? runden(2, KrankengeldAnteil * e.KV2) : e.KV2) + e.PV2;
        v.VorsorgeaufwandNeu =
            AVA + std::max(basis, std::min(SV, kappe(jahr.KappeMitZuschuss, jahr.KappeSelbst)));
        v.VorsorgepauschaleNeu = v.VorsorgeaufwandNeu;
    }
    return v;
}

double ZuVersteuerndesEinkommen(const TZvEEingabe& e)
{
    const bool M = e.Verheiratet;
    const double F = M ? 2 : 1;
    const TFreibetragJahr& fb = FreibetraegeFuer(e.Jahr);
    double KFB = 0, ELA = 0;
    if (e.Kinderzahl >= 1) {
        // § 32 Abs. 6 EStG: both allowances per child, doubled for a couple
        KFB = (fb.Kinderfreibetrag + fb.BEAFreibetrag) * F * e.Kinderzahl;
        // § 24b Abs. 2 EStG: the relief grows with every further child
        ELA = M ? 0 : fb.Entlastungsbetrag + fb.EntlastungsbetragWeiteresKind * (e.Kinderzahl - 1);
    }
    const int mitLoehnen = (mitLohn(e.Art1) ? 1 : 0) + ((M && mitLohn(e.Art2)) ? 1 : 0);
    const double WK = mitLoehnen * fb.ArbeitnehmerPauschbetrag;
    const double SAP = fb.SonderausgabenPauschbetrag * F;

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
    const int jahr = d.Steuerjahr();
    const bool M = d.Verheiratet;
    const int art2 =
        !M ? NichtErwerbstaetig : (d.AnzahlFoerderberechtigte == 2 ? Arbeitnehmer : Selbststaendig);
    const bool kinderlos = d.Kinderzahl == 0;
    // the care discount counts the children under 25 in the tax year
    int unter25 = 0;
    for (int i = 0; i < std::clamp(d.Kinderzahl, 0, MaxKinder); ++i)
        if (d.KindGebJahr[static_cast<std::size_t>(i)] > jahr - PVKinderAltersgrenze)
            ++unter25;
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
    e.PV1 = runden(0, PVSatz(jahr, kinderlos, true, false, unter25) / 100 * std::min(lohn1, bbgKV));
    if (M) {
        const bool anteil = art2 == Arbeitnehmer;
        e.KV2 = runden(0, KVSatz(anteil, false, jahr) / 100 * std::min(lohn2, bbgKV));
        e.PV2 = runden(0, PVSatz(jahr, kinderlos, anteil, false, unter25) / 100 *
                              std::min(lohn2, bbgKV));
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
