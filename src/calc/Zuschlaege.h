// The surcharges on the income tax: solidarity surcharge (SolZG 1995) and church
// tax, per year.
#pragma once

#include "Tarif.h"

#include <span>

namespace Fermalin {

struct TSoliJahr
{
    int Jahr;
    // per mille of the income tax, § 4 S. 1 SolZG
    int SatzPromille;
    // euros of income tax, single assessment, § 3 Abs. 3 S. 1 Nr. 2 SolZG
    int FreigrenzeEinzel;
    // euros of income tax, splitting, § 3 Abs. 3 S. 1 Nr. 1 SolZG
    int FreigrenzeZusammen;
    // per mille of the tax above the Freigrenze at most, § 4 S. 2 SolZG
    int MilderungPromille;
    // The program's reading for the tax saving: up to 2020 the saving carries the
    // flat rate; from 2021 the surcharge on the tax with and without the deduction.
    bool ErsparnisNachFreigrenze;
};

struct TKirchensteuerJahr
{
    int Jahr;
    // share of the income tax in Baden-Württemberg and Bayern (state church tax laws)
    double SatzBadenWuerttembergBayern;
    // share of the income tax in every other state
    double SatzUebrige;
};

// One row per contribution year; outside the table its first or last row.
std::span<const TSoliJahr> Solitabelle();
std::span<const TKirchensteuerJahr> Kirchensteuertabelle();
const TSoliJahr& SoliRecht(int jahr);

// The solidarity surcharge rate of a year as a fraction (0.055).
double SoliSatz(int jahr);

// Solidarity surcharge on an income tax of the year: nothing up to the
// Freigrenze (doubled for splitting), then the rate, at most the share of the
// tax above it; fractions of a cent dropped (§ 4 S. 3 SolZG). -1 for table 0
// or a year before the table.
double Solidaritaetszuschlag(int jahr, TTabelle tabelle, double einkommensteuer);

// Church tax rate of a federal-state index in the order of the detail dialog
// (0 Baden-Württemberg, 1 Bayern, 2 Berlin ... 15 Thüringen); 0 for a negative index.
double KiStSatzFuer(int jahr, int bundesland);

} // namespace Fermalin
