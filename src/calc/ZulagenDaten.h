// The record of one household computation: inputs and results.
#pragma once

#include "FoerderParameter.h"
#include "Foerderrecht.h"

#include <algorithm>
#include <array>

namespace Fermalin {

constexpr int MaxKinder = 9;

struct TZulagenDaten
{
    // Inputs
    // contribution year: incomes of the year before, tax year this year
    int Beitragsjahr = TFoerderParameter::Beitragsjahr;
    // rule set of the allowances and the § 10a deduction; "neu" only from 2027
    TFoerderrecht Foerderrecht = TFoerderrecht::Bisher;
    bool Verheiratet = false;
    bool Doppelverdiener = false;     // married and both spouses directly entitled
    int AnzahlFoerderberechtigte = 1; // 2 exactly when Verheiratet and Doppelverdiener
    double Einkommen1 = 0;            // whole euros, 0..999999, pension-insured, Einkommensjahr()
    double Einkommen2 = 0;            // 0 unless married with both entitled
    double EinkommenNR1 = 0;          // income not subject to pension insurance
    double EinkommenNR2 = 0;          // counts only when married
    int Kinderzahl = 0;               // 0..MaxKinder
    std::array<int, MaxKinder> KindGebJahr{};                         // child i at index i-1
    std::array<int, MaxKinder> KindPerson{1, 1, 1, 1, 1, 1, 1, 1, 1}; // 1 or 2
    bool MinBeitrag = true;
    bool TarMindBtr = true;
    int BeitragsPosition = 0;
    int BeitragsMax = TFoerderParameter::BeitragsMax;
    double DeltazvE = 0;
    double Soli = 0;     // 0 or 0.055
    int Bundesland = -1; // -1: no church tax
    double KiStSatz = 0; // 0, 0.08 or 0.09
    // career-starter bonus due this year (§ 84 S. 2 EStG); person 2 only when
    // directly entitled
    bool Berufseinsteiger1 = false, Berufseinsteiger2 = false;
    // own payment of an indirectly entitled spouse into the own contract, when
    // known; negative: the spouse pays TarifMindestbeitrag2
    double EigenbeitragMittelbar = -1;
    // own contribution of contract 1 and 2 a year as given by the caller; negative:
    // not given. When either is given, MinBeitrag and BeitragsPosition are ignored,
    // the split is the given one, and a contract whose contribution is not given
    // pays its contract minimum (TarifMindestbeitrag1/2; the indirectly entitled
    // spouse EigenbeitragMittelbar when known).
    double EigenbeitragVorgabe1 = -1, EigenbeitragVorgabe2 = -1;

    // Results of BerechneZulagen
    double VolleGrundzulage1 = 0, VolleGrundzulage2 = 0; // with the career-starter bonus
    double VolleBerufseinsteigerbonus1 = 0, VolleBerufseinsteigerbonus2 = 0; // part of them
    bool Zulageberechtigt2 = false; // person 2 gets allowances (married, entitled, paid enough)
    double VolleKinderzulage1 = 0, VolleKinderzulage2 = 0;
    double Mindesteigenbeitrag1 = 0, Mindesteigenbeitrag2 = 0;
    double TarifMindestbeitrag1 = 0, TarifMindestbeitrag2 = 0;
    int PositionVolleZulagen = 0;
    int PositionTarMindBtr = 0;
    double Grundzulage1 = 0, Grundzulage2 = 0;
    double Berufseinsteigerbonus1 = 0, Berufseinsteigerbonus2 = 0; // granted part of them
    double Kinderzulage1 = 0, Kinderzulage2 = 0;
    double Eigenbeitrag = 0;
    double Gesamtbeitrag = 0;
    // each person's own contribution on which the granted allowances rest: the
    // given ones, or under "neu" the calculation's own split of Eigenbeitrag (one
    // that earns the most); -1 under "bisher" without given contributions, where one
    // factor serves the household and the split divides the total
    double EigenbeitragPerson1 = -1, EigenbeitragPerson2 = -1;
    double zvE = 0;
    // the § 10a deduction of the Günstigerprüfung and the tariff tax it saves
    // (whole euros, before the allowances are set against it)
    double Sonderausgabenabzug = 0;
    double TariflicheMinderung = 0;
    double Steuerersparnis = 0;
    double Foerderquote = 0;

    // Written by the contribution split
    double Eigenbeitrag1 = 0, Eigenbeitrag2 = 0;

    // The year whose law applies: the contribution year within the tables.
    int Steuerjahr() const
    {
        return std::clamp(Beitragsjahr, ErstesBeitragsjahr, LetztesTabellenjahr);
    }
    int Einkommensjahr() const { return EinkommensjahrFuer(Steuerjahr()); }

    double VolleZulagen() const
    {
        return VolleGrundzulage1 + VolleKinderzulage1 + VolleGrundzulage2 + VolleKinderzulage2;
    }
    double GewaehrteZulagen() const
    {
        return Grundzulage1 + Kinderzulage1 + Grundzulage2 + Kinderzulage2;
    }
    bool EigenbeitraegeVorgegeben() const
    {
        return EigenbeitragVorgabe1 >= 0 || (Verheiratet && EigenbeitragVorgabe2 >= 0);
    }
};

} // namespace Fermalin
