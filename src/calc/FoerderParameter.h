// Statutory constants of the retirement savings allowance (AVmG) as used by the
// calculation. One place for every value; nothing changes them at run time.
#pragma once

namespace Fermalin {

struct TFoerderParameter
{
    // § 84 EStG: basic allowance per entitled person, euros per year
    static constexpr double Grundzulage = 154.0;
    // § 85 Abs. 1 EStG: child allowance for a child born before KohortenJahr, euros
    static constexpr double KinderzulageAlt = 185.0;
    // § 85 Abs. 1 Satz 2 EStG: child allowance for a child born in or after KohortenJahr
    static constexpr double KinderzulageNeu = 300.0;
    // § 85 Abs. 1 Satz 2 EStG: first birth year with the higher child allowance
    static constexpr int KohortenJahr = 2008;
    // § 86 Abs. 1 EStG: minimum own contribution as a share of the prior-year income
    static constexpr double Mindestquote = 0.04;
    // § 10a Abs. 1 EStG: cap of contribution and deduction per directly entitled person
    static constexpr double Hoechstbetrag = 2100.0;
    // § 86 Abs. 1 Satz 4 EStG: floor of the minimum own contribution, euros
    static constexpr double Sockelbetrag = 60.0;
    // tariff minimum of a contract of a directly entitled person (insurer's tariff), euros
    static constexpr double TarifMindestbeitrag = 120.0;
    // tariff minimum of the contract of an indirectly entitled spouse, euros
    static constexpr double TarifMindestbeitragMittelbar = 30.0;
    // freely chosen own contributions move in steps of 0.50 euros a month
    static constexpr double BeitragsRaster = 6.0;
    // year of the incomes entered
    static constexpr int Einkommensjahr = 2009;
    // year of the tariff, social insurance and child tax allowances
    static constexpr int Steuerjahr = 2010;
    // maximum position of the total-contribution slider
    static constexpr int BeitragsMax = 50;
};

} // namespace Fermalin
