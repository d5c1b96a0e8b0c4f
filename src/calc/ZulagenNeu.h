// The allowances under the reform's rules ("neu", from contribution year 2027):
// each person's allowance follows that person's own contribution, so a couple's
// total is divided to earn the most.
#pragma once

#include "ZulagenDaten.h"

namespace Fermalin {

// § 84 S. 1 EStG n.F.: half of the own contributions up to 360 euros, a quarter of
// those from 360.01 to 1800 euros; unrounded, the 120-euro threshold not applied.
double GrundzulageNachReform(const TZulagenJahrNeu& r, double eigenbeitrag);
// § 85 Abs. 1 S. 1 EStG n.F.: per child the own contributions, at most 300 euros;
// the 120-euro threshold not applied.
double KinderzulageNachReform(const TZulagenJahrNeu& r, double eigenbeitrag);

// The allowances of each person, in cents; the basic allowance includes the
// career-starter bonus, which is also given apart.
struct TZulagenNeu
{
    double Grundzulage1 = 0, Grundzulage2 = 0;
    double Berufseinsteigerbonus1 = 0, Berufseinsteigerbonus2 = 0;
    double Kinderzulage1 = 0, Kinderzulage2 = 0;

    double Summe() const { return Grundzulage1 + Grundzulage2 + Kinderzulage1 + Kinderzulage2; }
};

// The allowances the reform grants the household of d (family, children and their
// parent, career-starter flags, year) for own contributions e1 into contract 1 and
// e2 into contract 2. The indirectly entitled spouse's allowances rest on e1 and
// need e2 of at least 120 euros.
TZulagenNeu ZulagenNeuFuer(const TZulagenDaten& d, double e1, double e2);

// The own payment of an indirectly entitled spouse under the reform's rules: the
// given one, else the contract minimum max(30, 120).
double ZahlungMittelbarNeu(const TZulagenDaten& d);

// A split of a household's total own contribution that earns the most allowances.
struct TVerteilungNeu
{
    // contract 1 as high as the most allowances permit, contract 2 the rest
    double Eigenbeitrag1 = 0, Eigenbeitrag2 = 0;
    // contract 1 may take anything from Unten to Oben (contract 2 the rest) and the
    // allowances stay the most; Unten == Oben when only one split earns them
    double Unten = 0, Oben = 0;
    // each contract's own range at the most allowances: the bands that earned more
    // than the last euro full, those that earned as much empty (Von) or full (Bis)
    double Von1 = 0, Bis1 = 0, Von2 = 0, Bis2 = 0;
    // allowances of that split, unrounded
    double Zulagen = 0;
};

// Divides the total own contribution `eigenbeitrag` of d's household between the
// two contracts to earn the most allowances, no contract below its minimum
// (mindest1, mindest2: 0 or the tariff minimum of 120 euros; minimums the total
// cannot pay are left aside). Equal allowances: both contracts at the threshold
// first, then contract 1. An indirectly entitled spouse's contract gets the
// spouse's payment (ZahlungMittelbarNeu) unless nothing is earned by it.
TVerteilungNeu VerteileNeu(const TZulagenDaten& d, double eigenbeitrag, double mindest1,
                           double mindest2);

// The least own contribution whose total with the allowances of its best split
// reaches the wanted total `gesamtbeitrag`, put on the 6-euro grid (counted from
// the contracts' thresholds, so that a threshold reached stays reached).
double EigenbeitragFuerGesamtbeitragNeu(const TZulagenDaten& d, double gesamtbeitrag,
                                        double mindest1, double mindest2);

// BerechneZulagen's steps before the tax saving under the reform's rules:
// entitlement, minimums, slider marks, own contributions and granted allowances.
void BerechneZulagenNeu(TZulagenDaten& d);

} // namespace Fermalin
