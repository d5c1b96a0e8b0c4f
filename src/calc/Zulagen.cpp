#include "Zulagen.h"

#include "EkSteuer.h"
#include "MathUnit.h"
#include "ZulagenNeu.h"
#include "Zuschlaege.h"

#include <algorithm>
#include <cstddef>

namespace Fermalin {

namespace {

using P = TFoerderParameter;

int kinderzahl(const TZulagenDaten& d)
{
    return std::clamp(d.Kinderzahl, 0, MaxKinder);
}

// § 86 Abs. 1 S. 6 EStG: the allowances cut by the ratio of the contributions to
// the minimum, w1 for person 1's, w2 for person 2's; the career-starter bonus is
// cut with them but kept apart for the tax comparison.
void gewaehrteKuerzen(TZulagenDaten& d, double w1, double w2)
{
    d.Grundzulage1 = runden(2, w1 * d.VolleGrundzulage1);
    d.Grundzulage2 = runden(2, w2 * d.VolleGrundzulage2);
    d.Kinderzulage1 = runden(2, w1 * d.VolleKinderzulage1);
    d.Kinderzulage2 = runden(2, w2 * d.VolleKinderzulage2);
    d.Berufseinsteigerbonus1 =
        d.Grundzulage1 - runden(2, w1 * (d.VolleGrundzulage1 - d.VolleBerufseinsteigerbonus1));
    d.Berufseinsteigerbonus2 =
        d.Grundzulage2 - runden(2, w2 * (d.VolleGrundzulage2 - d.VolleBerufseinsteigerbonus2));
}

// Without given contributions one factor serves every allowance of the household:
// the contributions are not divided yet.
void gewaehrteKuerzen(TZulagenDaten& d, double w)
{
    gewaehrteKuerzen(d, w, w);
}

// The indirectly entitled spouse's own payment: the given contribution of
// contract 2, else the known payment, else the contract minimum.
double zahlungMittelbar(const TZulagenDaten& d)
{
    if (d.EigenbeitragVorgabe2 >= 0)
        return d.EigenbeitragVorgabe2;
    return d.EigenbeitragMittelbar >= 0 ? d.EigenbeitragMittelbar : d.TarifMindestbeitrag2;
}

// Given contributions under the old rules: each person's allowances cut by the
// ratio of his own contributions to his own minimum (§ 86 Abs. 1 S. 6 EStG); the
// indirectly entitled spouse's allowances are full only when the entitled spouse
// paid his minimum, which counts the allowances of both (§ 86 Abs. 2 S. 1 EStG).
void vorgegebeneBeitraegeBisher(TZulagenDaten& d)
{
    const bool mittelbar = d.Verheiratet && d.AnzahlFoerderberechtigte == 1;
    const double e1 = d.EigenbeitragVorgabe1 >= 0 ? d.EigenbeitragVorgabe1 : d.TarifMindestbeitrag1;
    const double e2 = !d.Verheiratet                ? 0
                      : mittelbar                   ? zahlungMittelbar(d)
                      : d.EigenbeitragVorgabe2 >= 0 ? d.EigenbeitragVorgabe2
                                                    : d.TarifMindestbeitrag2;
    const double w1 = std::min(1.0, e1 / d.Mindesteigenbeitrag1);
    const double w2 =
        d.AnzahlFoerderberechtigte == 2 ? std::min(1.0, e2 / d.Mindesteigenbeitrag2) : w1;
    gewaehrteKuerzen(d, w1, w2);
    d.EigenbeitragPerson1 = e1;
    d.EigenbeitragPerson2 = e2;
    d.Eigenbeitrag = e1 + e2;
    d.Gesamtbeitrag = d.Eigenbeitrag + d.GewaehrteZulagen();
}

// §§ 79, 84-86 EStG as they stood up to 2026 (and stand for contracts concluded
// before 2027): tariff minimums, full allowances and minimum own contributions.
void anspruchBisher(TZulagenDaten& d, const TZulagenJahr& r)
{
    const int n = d.AnzahlFoerderberechtigte;
    const bool mittelbar = d.Verheiratet && n == 1;

    // Tariff minimums of the contracts. An indirectly entitled spouse pays at
    // least the statutory own payment (§ 79 S. 2 Nr. 4 EStG): it is no tariff
    // minimum the adviser may leave aside, so it holds with the tariffs ignored too.
    if (d.TarMindBtr) {
        d.TarifMindestbeitrag1 = P::TarifMindestbeitrag;
        d.TarifMindestbeitrag2 = !d.Verheiratet      ? 0
                                 : d.Doppelverdiener ? P::TarifMindestbeitrag
                                                     : std::max(P::TarifMindestbeitragMittelbar,
                                                                r.MindestbeitragMittelbar);
    } else {
        d.TarifMindestbeitrag1 = 0;
        d.TarifMindestbeitrag2 = mittelbar ? r.MindestbeitragMittelbar : 0;
    }

    // § 79 S. 2 EStG: the indirectly entitled spouse's own payment (the contract
    // minimum unless given) decides the spouse's allowances
    const double zahlung2 = zahlungMittelbar(d);
    d.Zulageberechtigt2 = d.Verheiratet && (!mittelbar || zahlung2 >= r.MindestbeitragMittelbar);

    // Full allowances (§§ 84, 85 EStG); the bonus only for a directly entitled person
    d.VolleBerufseinsteigerbonus1 = d.Berufseinsteiger1 ? r.Berufseinsteigerbonus : 0;
    d.VolleBerufseinsteigerbonus2 =
        (d.Zulageberechtigt2 && n == 2 && d.Berufseinsteiger2) ? r.Berufseinsteigerbonus : 0;
    d.VolleGrundzulage1 = r.Grundzulage + d.VolleBerufseinsteigerbonus1;
    d.VolleGrundzulage2 = d.Zulageberechtigt2 ? r.Grundzulage + d.VolleBerufseinsteigerbonus2 : 0;
    d.VolleKinderzulage1 = d.VolleKinderzulage2 = 0;
    for (int i = 0; i < kinderzahl(d); ++i) {
        const auto k = static_cast<std::size_t>(i);
        const double zulage =
            d.KindGebJahr[k] < r.KohortenJahr ? r.KinderzulageAlt : r.KinderzulageNeu;
        if (!d.Verheiratet || d.KindPerson[k] == 1)
            d.VolleKinderzulage1 += zulage;
        else if (d.Zulageberechtigt2)
            d.VolleKinderzulage2 += zulage;
    }

    // § 86 Abs. 1 EStG: 4 % of the prior-year income, at most the maximum amount,
    // less the allowances; those of an indirectly entitled spouse count at the
    // entitled one
    const auto basis = [&r](double einkommen) {
        return std::min(r.Hoechstbetrag, r.Mindestquote * einkommen);
    };
    if (n == 2) {
        d.Mindesteigenbeitrag1 = std::max(
            r.Sockelbetrag, basis(d.Einkommen1) - d.VolleGrundzulage1 - d.VolleKinderzulage1);
        d.Mindesteigenbeitrag2 = std::max(
            r.Sockelbetrag, basis(d.Einkommen2) - d.VolleGrundzulage2 - d.VolleKinderzulage2);
    } else {
        d.Mindesteigenbeitrag1 = std::max(r.Sockelbetrag, basis(d.Einkommen1) - d.VolleZulagen());
        d.Mindesteigenbeitrag2 = 0;
    }
}

// Steps 1 to 5 under the old rules.
void berechneBisher(TZulagenDaten& d)
{
    const TZulagenJahr& r = ZulagenRechtBisher(d.Steuerjahr());
    const int n = d.AnzahlFoerderberechtigte;
    const double hoechst = n * r.Hoechstbetrag;

    // Steps 1 to 3: entitlement, minimums and tariff minimums
    anspruchBisher(d, r);
    const double M = d.Mindesteigenbeitrag1 + d.Mindesteigenbeitrag2;
    const double Zvoll = d.VolleZulagen();
    const bool mittelbarGegeben = d.Verheiratet && n == 1 && d.EigenbeitragMittelbar >= 0;
    const double teil2 = mittelbarGegeben
                             ? d.EigenbeitragMittelbar
                             : std::max(d.TarifMindestbeitrag2, d.Mindesteigenbeitrag2);
    const double mindestVoll = std::max(d.TarifMindestbeitrag1, d.Mindesteigenbeitrag1) + teil2;
    // the slider's tariff mark only when the tariffs are respected
    const double T = d.TarMindBtr ? d.TarifMindestbeitrag1 + d.TarifMindestbeitrag2 : 0;

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
    d.Berufseinsteigerbonus1 = d.VolleBerufseinsteigerbonus1;
    d.Berufseinsteigerbonus2 = d.VolleBerufseinsteigerbonus2;
    d.EigenbeitragPerson1 = d.EigenbeitragPerson2 = -1;
    const int pos = d.BeitragsPosition;
    if (d.EigenbeitraegeVorgegeben()) {
        vorgegebeneBeitraegeBisher(d);
    } else if (d.MinBeitrag) {
        d.Eigenbeitrag = mindestVoll;
        d.Gesamtbeitrag = d.Eigenbeitrag + Zvoll;
    } else if (pos == Max) {
        d.Eigenbeitrag = std::max(hoechst - Zvoll, mindestVoll);
        d.Gesamtbeitrag = d.Eigenbeitrag + Zvoll;
    } else if (pos == 0) {
        d.Grundzulage1 = d.Grundzulage2 = d.Kinderzulage1 = d.Kinderzulage2 = 0;
        d.Berufseinsteigerbonus1 = d.Berufseinsteigerbonus2 = 0;
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
}

// § 10a Abs. 1 and 3 EStG as they stood up to 2026: the cap per directly entitled
// person on contributions and allowances together, raised for an indirectly
// entitled spouse; the household's contributions pooled (the split divides them).
double abzugBisher(const TZulagenDaten& d, double bonus)
{
    const TZulagenJahr& r = ZulagenRechtBisher(d.Steuerjahr());
    const bool mittelbar = d.Verheiratet && d.AnzahlFoerderberechtigte == 1;
    const double kappe = (mittelbar && d.Zulageberechtigt2)
                             ? r.HoechstbetragMittelbar
                             : d.AnzahlFoerderberechtigte * r.Hoechstbetrag;
    return std::min(kappe, d.Gesamtbeitrag - bonus);
}

// § 10a Abs. 1 S. 1 EStG n.F.: per directly entitled person his contributions up
// to 1800 euros plus the allowances due for them (contributions below the minimum
// deductible too, with no allowance); Abs. 3: with an indirectly entitled spouse
// both spouses' contributions up to 1920 euros plus all allowances.
double abzugNeu(const TZulagenDaten& d, double bonus)
{
    const TZulagenJahrNeu& r = ZulagenRechtNeu(d.Steuerjahr());
    const double e1 = std::max(0.0, d.EigenbeitragPerson1);
    const double e2 = d.Verheiratet ? std::max(0.0, d.EigenbeitragPerson2) : 0;
    const bool mittelbar = d.Verheiratet && d.AnzahlFoerderberechtigte == 1;
    const double zulagen = d.GewaehrteZulagen() - bonus;
    if (mittelbar && e2 >= r.MindestbeitragMittelbar)
        return std::min(e1 + e2, r.HoechstbetragMittelbar) + zulagen;
    const double beitraege = std::min(e1, r.Hoechstbetrag) +
                             (d.AnzahlFoerderberechtigte == 2 ? std::min(e2, r.Hoechstbetrag) : 0);
    return beitraege + zulagen;
}

} // namespace

void BerechneZulagen(TZulagenDaten& d)
{
    if (AngewandtesFoerderrecht(d) == TFoerderrecht::Neu)
        BerechneZulagenNeu(d);
    else
        berechneBisher(d);

    // Step 7: tax saving and subsidy rate
    BerechneSteuerersparnis(d);
}

void BerechneSteuerersparnis(TZulagenDaten& d)
{
    const int jahr = d.Steuerjahr();
    // Computed into locals first: a refused estimate leaves the earlier results.
    const double nr = d.EinkommenNR1 + (d.Verheiratet ? d.EinkommenNR2 : 0);
    const double zvE =
        nr + ZvESchaetzung(d, runden(0, d.Einkommen1), runden(0, d.Einkommen2)) + d.DeltazvE;
    const TTabelle tabelle = d.Verheiratet ? Splittingtabelle : Grundtabelle;
    // the career-starter bonus stays out of the deduction (§ 10a Abs. 1 EStG)
    const double bonus = d.Berufseinsteigerbonus1 + d.Berufseinsteigerbonus2;
    const double abzug = AngewandtesFoerderrecht(d) == TFoerderrecht::Neu ? abzugNeu(d, bonus)
                                                                          : abzugBisher(d, bonus);
    const double R = Steuerminderung(tabelle, jahr, zvE, abzug, 0);
    const double Z = d.GewaehrteZulagen();
    // § 10a Abs. 2 EStG, § 2 Abs. 6 S. 2 EStG: only the part of the tax effect
    // beyond the allowances, the bonus not compared
    const double vergleich = Z - bonus;
    const double L = std::max(0.0, R - vergleich);
    double ersparnis;
    if (!SoliRecht(jahr).ErsparnisNachFreigrenze || d.Soli == 0 || L == 0) {
        ersparnis = L * (1 + d.Soli + d.KiStSatz);
    } else {
        // § 3 Abs. 2 SolZG, § 51a Abs. 2 EStG: the surcharge on the tax without the
        // deduction against the tax with it plus the allowance compared
        const double ohne = Einkommensteuer(jahr, tabelle, zvE);
        const double mit = Einkommensteuer(jahr, tabelle, zvE - abzug);
        const double soli = Solidaritaetszuschlag(jahr, tabelle, ohne) -
                            Solidaritaetszuschlag(jahr, tabelle, mit + vergleich);
        ersparnis = L + soli + d.KiStSatz * L;
    }
    d.zvE = zvE;
    d.Sonderausgabenabzug = abzug;
    d.TariflicheMinderung = R;
    d.Steuerersparnis = ersparnis;
    d.Foerderquote = d.Gesamtbeitrag > 0 ? (d.Steuerersparnis + Z) / d.Gesamtbeitrag : 0;
}

double KiStSatzFuer(int bundesland)
{
    return KiStSatzFuer(TFoerderParameter::Steuerjahr, bundesland);
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
