// Per-year amounts of the taxable-income estimate: provision expenses (§ 10
// EStG), lump sums, child allowances and the single-parent relief.
#pragma once

#include "Beitragsjahr.h"

#include <span>

namespace Fermalin {

struct TVorsorgeJahr
{
    int Jahr;
    // share of old-age contributions deductible, § 10 Abs. 3 S. 4 and 6 EStG
    double Anteil;
    // share of the pension contribution in the lump sum, § 10c Abs. 2 S. 4 EStG 2005 (law to 2009)
    double AnteilPauschale;
    // euros per person (doubled for a couple), old-age cap, § 10 Abs. 3 S. 1 and 2 EStG
    double Hoechstbetrag;
    // euros per person, advance deduction of the old law, § 10 Abs. 4a EStG
    double Vorwegabzug;
    // the old law of 2004 is compared (Günstigerprüfung § 10 Abs. 4a EStG)
    bool AltesRecht;
    // euros, cap of other provision expenses with a tax-free subsidy or an
    // entitlement (employees, civil servants), § 10 Abs. 4 S. 2 EStG
    double KappeMitZuschuss;
    // euros, cap of other provision expenses of a self-paying person, § 10 Abs. 4 S. 1 EStG
    double KappeSelbst;
};

struct TFreibetragJahr
{
    int Jahr;
    // euros per person with wages, § 9a S. 1 Nr. 1 Buchst. a EStG
    double ArbeitnehmerPauschbetrag;
    // euros per person, § 10c S. 1 EStG
    double SonderausgabenPauschbetrag;
    // euros per child and parent, § 32 Abs. 6 S. 1 Hs. 1 EStG (sächliches Existenzminimum)
    double Kinderfreibetrag;
    // euros per child and parent, § 32 Abs. 6 S. 1 Hs. 2 EStG (Betreuung, Erziehung, Ausbildung)
    double BEAFreibetrag;
    // euros, single parent, § 24b Abs. 2 S. 1 EStG (before 2004 Haushaltsfreibetrag, § 32 Abs. 7
    // EStG)
    double Entlastungsbetrag;
    // euros per further child, § 24b Abs. 2 S. 2 EStG
    double EntlastungsbetragWeiteresKind;
};

// One row per year; the estimate's year is looked up with ZeileFuer.
std::span<const TVorsorgeJahr> Vorsorgetabelle();
std::span<const TFreibetragJahr> Freibetragstabelle();
const TVorsorgeJahr& VorsorgeFuer(int jahr);
const TFreibetragJahr& FreibetraegeFuer(int jahr);

} // namespace Fermalin
