// The same household under both rule sets side by side, as the adviser must show
// it before a new contract moves every existing one to the new rules for good
// (§ 52 Abs. 50a S. 6, 8 EStG, § 7d AltZertG).
#pragma once

#include "ZulagenDaten.h"

namespace Fermalin {

// New rules less old rules.
struct TVergleichsDifferenz
{
    double Zulagen1 = 0, Zulagen2 = 0; // granted allowances of person 1 and 2
    double Zulagen = 0;
    double Eigenbeitrag = 0;
    double Gesamtbeitrag = 0;
    double Steuerersparnis = 0;
    double Foerderung = 0; // allowances and tax saving together
    double Foerderquote = 0;
};

struct TVergleich
{
    TZulagenDaten Bisher; // computed under the old rules
    TZulagenDaten Neu;    // computed under the reform's rules
    TVergleichsDifferenz Differenz;
    // the rule set whose allowances and tax saving together are higher; Bisher
    // when both are equal (an existing contract keeps it without a declaration)
    TFoerderrecht Hoeher = TFoerderrecht::Bisher;
};

// Granted allowances of person 1 and 2 of a computed record.
inline double Zulagen1(const TZulagenDaten& d)
{
    return d.Grundzulage1 + d.Kinderzulage1;
}
inline double Zulagen2(const TZulagenDaten& d)
{
    return d.Grundzulage2 + d.Kinderzulage2;
}
// Allowances and tax saving together.
inline double Foerderung(const TZulagenDaten& d)
{
    return d.GewaehrteZulagen() + d.Steuerersparnis;
}

// The comparison of two computed records of the same household, one under each
// rule set.
TVergleich VergleichAus(const TZulagenDaten& bisher, const TZulagenDaten& neu);

// Computes d's household as BerechneHaushalt does, once under each rule set,
// whatever d.Foerderrecht says. Without given contributions each side pays what
// its own rules make of the inputs (the minimum mode's 1800 euros under the new
// rules, the income-based minimum under the old; the slider on each side's own
// scale); with given contributions both sides pay them. Only from 2027 (see
// VergleichFehler); throws EVorsorgeFehler as BerechneZulagen does.
TVergleich BerechneVergleich(const TZulagenDaten& d);

} // namespace Fermalin
