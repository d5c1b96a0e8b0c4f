// The contribution years the program knows, and the lookup of a year's row in
// the tables of law. The incomes entered are those of Beitragsjahr - 1; tariff,
// surcharges, social insurance, lump sums and child allowances are those of the
// tax year, which is the contribution year itself.
#pragma once

#include <cstddef>
#include <span>
#include <vector>

namespace Fermalin {

// First contribution year computed.
constexpr int ErstesBeitragsjahr = 2010;
// Newest contribution year whose law is computed in full.
constexpr int NeuestesBeitragsjahr = 2026;
// Last year with rows in the tables: 2027 holds the old allowance rules for
// contracts concluded before 2027 and the values in force where none is enacted.
constexpr int LetztesTabellenjahr = 2027;

constexpr int EinkommensjahrFuer(int beitragsjahr)
{
    return beitragsjahr - 1;
}
constexpr int SteuerjahrFuer(int beitragsjahr)
{
    return beitragsjahr;
}

constexpr bool IstBeitragsjahr(int jahr)
{
    return jahr >= ErstesBeitragsjahr && jahr <= NeuestesBeitragsjahr;
}

// Every known contribution year, newest first.
inline std::vector<int> Beitragsjahre()
{
    std::vector<int> jahre;
    for (int j = NeuestesBeitragsjahr; j >= ErstesBeitragsjahr; --j)
        jahre.push_back(j);
    return jahre;
}

// The row for `jahr` in a table with one row per year from its first row on:
// earlier years take the first row, later years the last.
template <class TZeile> const TZeile& ZeileFuer(std::span<const TZeile> tabelle, int jahr)
{
    const int erstes = tabelle.front().Jahr;
    const int letztes = tabelle.back().Jahr;
    const int j = jahr < erstes ? erstes : (jahr > letztes ? letztes : jahr);
    return tabelle[static_cast<std::size_t>(j - erstes)];
}

// True when the table has exactly one row for every year from its first to its last.
template <class TZeile> constexpr bool JahreLueckenlos(std::span<const TZeile> tabelle)
{
    for (std::size_t i = 0; i < tabelle.size(); ++i)
        if (tabelle[i].Jahr != tabelle.front().Jahr + static_cast<int>(i))
            return false;
    return !tabelle.empty();
}

} // namespace Fermalin
