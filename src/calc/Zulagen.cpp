#include "Zulagen.h"

#include "EkSteuer.h"
#include "MathUnit.h"

#include <algorithm>

namespace Fermalin {

namespace {

using P = TFoerderParameter;

double kinderzulage(int gebJahr)
{
    // § 85 Abs. 1 EStG
    return gebJahr < P::KohortenJahr ? P::KinderzulageAlt : P::KinderzulageNeu;
}

// § 86 Abs. 1 EStG: 4 % of the prior-year income, at most the maximum amount
double basis(double einkommen)
{
    return std::min(P::Hoechstbetrag, P::Mindestquote * einkommen);
}

int kinderzahl(const TZulagenDaten& d)
{
    return std::clamp(d.Kinderzahl, 0, MaxKinder);
}

void gewaehrteKuerzen(TZulagenDaten& d, double w)
{
    d.Grundzulage1 = runden(2, w * d.VolleGrundzulage1);
    d.Grundzulage2 = runden(2, w * d.VolleGrundzulage2);
    d.Kinderzulage1 = runden(2, w * d.VolleKinderzulage1);
    d.Kinderzulage2 = runden(2, w * d.VolleKinderzulage2);
}

} // namespace

void BerechneZulagen(TZulagenDaten& d)
{
    const int n = d.AnzahlFoerderberechtigte;
    const double hoechst = n * P::Hoechstbetrag;

    // Step 1: full allowances
    d.VolleGrundzulage1 = P::Grundzulage;
    d.VolleGrundzulage2 = d.Verheiratet ? P::Grundzulage : 0;
    d.VolleKinderzulage1 = d.VolleKinderzulage2 = 0;
    for (int i = 0; i < kinderzahl(d); ++i) {
        if (!d.Verheiratet || d.KindPerson[i] == 1)
            d.VolleKinderzulage1 += kinderzulage(d.KindGebJahr[i]);
        else
            d.VolleKinderzulage2 += kinderzulage(d.KindGebJahr[i]);
    }

    // Step 2: minimum own contribution (§ 86 Abs. 1 EStG); the allowances of an
    // indirectly entitled spouse reduce the minimum of the entitled one
    if (n == 2) {
        d.Mindesteigenbeitrag1 = std::max(
            P::Sockelbetrag, basis(d.Einkommen1) - d.VolleGrundzulage1 - d.VolleKinderzulage1);
        d.Mindesteigenbeitrag2 = std::max(
            P::Sockelbetrag, basis(d.Einkommen2) - d.VolleGrundzulage2 - d.VolleKinderzulage2);
    } else {
        d.Mindesteigenbeitrag1 = std::max(P::Sockelbetrag, basis(d.Einkommen1) - d.VolleZulagen());
        d.Mindesteigenbeitrag2 = 0;
    }
    const double M = d.Mindesteigenbeitrag1 + d.Mindesteigenbeitrag2;
    const double Zvoll = d.VolleZulagen();

    // Step 3: tariff minimums of the contracts
    if (d.TarMindBtr) {
        d.TarifMindestbeitrag1 = P::TarifMindestbeitrag;
        d.TarifMindestbeitrag2 = !d.Verheiratet      ? 0
                                 : d.Doppelverdiener ? P::TarifMindestbeitrag
                                                     : P::TarifMindestbeitragMittelbar;
    } else {
        d.TarifMindestbeitrag1 = d.TarifMindestbeitrag2 = 0;
    }
    const double T = d.TarifMindestbeitrag1 + d.TarifMindestbeitrag2;
    const double mindestVoll = std::max(d.TarifMindestbeitrag1, d.Mindesteigenbeitrag1) +
                               std::max(d.TarifMindestbeitrag2, d.Mindesteigenbeitrag2);

    // Step 4: slider marks
    const int Max = d.BeitragsMax;
    const double u = std::min(1.0, (mindestVoll + Zvoll) / hoechst);
    d.PositionVolleZulagen = rundeGeradeInt(Max * u);
    const double wTarif = std::min(1.0, T / M);
    const double B = std::min(1.0, (T + Zvoll * wTarif) / hoechst);
    d.PositionTarMindBtr = rundeGeradeInt(Max * B);

    // Step 5: own contribution and granted allowances
    d.Grundzulage1 = d.VolleGrundzulage1;
    d.Grundzulage2 = d.VolleGrundzulage2;
    d.Kinderzulage1 = d.VolleKinderzulage1;
    d.Kinderzulage2 = d.VolleKinderzulage2;
    const int pos = d.BeitragsPosition;
    if (d.MinBeitrag) {
        d.Eigenbeitrag = mindestVoll;
        d.Gesamtbeitrag = d.Eigenbeitrag + Zvoll;
    } else if (pos == Max) {
        d.Eigenbeitrag = std::max(hoechst - Zvoll, mindestVoll);
        d.Gesamtbeitrag = d.Eigenbeitrag + Zvoll;
    } else if (pos == 0) {
        d.Grundzulage1 = d.Grundzulage2 = d.Kinderzulage1 = d.Kinderzulage2 = 0;
        d.Eigenbeitrag = d.Gesamtbeitrag = 0;
    } else if (pos == d.PositionTarMindBtr) {
        d.Eigenbeitrag = T;
        gewaehrteKuerzen(d, std::min(1.0, d.Eigenbeitrag / M));
        d.Gesamtbeitrag = d.Eigenbeitrag + d.GewaehrteZulagen();
    } else {
        const double G = runden(2, hoechst * pos / Max);
        constexpr double raster = P::BeitragsRaster;
        if (M + Zvoll <= G) {
            // full allowances: never an own contribution below the minimum
            d.Eigenbeitrag = runden(0, (G - Zvoll) / raster) * raster;
            if (M > d.Eigenbeitrag)
                d.Eigenbeitrag += raster;
            d.Gesamtbeitrag = d.Eigenbeitrag + Zvoll;
        } else {
            // § 86 Abs. 1 Satz 6 EStG: allowances cut in proportion; never above the minimum
            const double x = M * G / (M + Zvoll);
            d.Eigenbeitrag = runden(0, x / raster) * raster;
            if (d.Eigenbeitrag > M)
                d.Eigenbeitrag -= raster;
            gewaehrteKuerzen(d, std::min(1.0, d.Eigenbeitrag / M));
            d.Gesamtbeitrag = d.Eigenbeitrag + d.GewaehrteZulagen();
        }
    }

    // Step 7: tax saving and subsidy rate
    BerechneSteuerersparnis(d);
}

void BerechneSteuerersparnis(TZulagenDaten& d)
{
    // Computed into locals first: a refused estimate leaves the earlier results.
    const double nr = d.EinkommenNR1 + (d.Verheiratet ? d.EinkommenNR2 : 0);
    const double zvE =
        nr + ZvESchaetzung(d, runden(0, d.Einkommen1), runden(0, d.Einkommen2)) + d.DeltazvE;
    const TTabelle tabelle = d.Verheiratet ? Splittingtabelle : Grundtabelle;
    // § 10a Abs. 1 EStG: special-expense deduction up to 2100 per entitled person
    const double abzug = std::min(d.AnzahlFoerderberechtigte * P::Hoechstbetrag, d.Gesamtbeitrag);
    const double R = Steuerminderung(tabelle, P::Steuerjahr, zvE, abzug, 0);
    const double Z = d.GewaehrteZulagen();
    // § 10a Abs. 2 EStG: only the part of the tax effect beyond the allowances
    const double L = std::max(0.0, R - Z);
    d.zvE = zvE;
    d.Steuerersparnis = L * (1 + d.Soli + d.KiStSatz);
    d.Foerderquote = d.Gesamtbeitrag > 0 ? (d.Steuerersparnis + Z) / d.Gesamtbeitrag : 0;
}

double KiStSatzFuer(int bundesland)
{
    if (bundesland < 0)
        return 0;
    return bundesland <= 1 ? 0.08 : 0.09;
}

void EingabenAngleichen(TZulagenDaten& d)
{
    const bool beide = d.Verheiratet && d.Doppelverdiener;
    if (!beide)
        d.Einkommen2 = 0;
    d.AnzahlFoerderberechtigte = beide ? 2 : 1;
    d.Kinderzahl = std::clamp(d.Kinderzahl, 0, MaxKinder);
    if (!d.Verheiratet)
        d.KindPerson.fill(1);
}

bool BeitragsPositionKorrigieren(TZulagenDaten& d)
{
    int neu = d.BeitragsPosition;
    if (d.MinBeitrag)
        neu = d.PositionVolleZulagen;
    else if (d.TarMindBtr && neu < d.PositionTarMindBtr)
        neu = d.PositionTarMindBtr;
    if (neu == d.BeitragsPosition)
        return false;
    d.BeitragsPosition = neu;
    return true;
}

void BerechneHaushalt(TZulagenDaten& d)
{
    EingabenAngleichen(d);
    BerechneZulagen(d);
    if (BeitragsPositionKorrigieren(d))
        BerechneZulagen(d);
}

} // namespace Fermalin
