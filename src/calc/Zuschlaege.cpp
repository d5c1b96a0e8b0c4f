#include "Zuschlaege.h"

#include "Beitragsjahr.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace Fermalin {

namespace {

// SolZG 1995: Freigrenze 972 / 1944 and the 20 % zone (G. v. 15.10.2002, BGBl. I
// S. 4131); from 2021 16956 / 33912 and 11.9 % (G. v. 10.12.2019, BGBl. I S.
// 2115); raised by Art. 4 and 5 G. v. 08.12.2022, BGBl. I S. 2230, and Art. 3
// and 4 G. v. 23.12.2024, BGBl. 2024 I Nr. 449.
constexpr TSoliJahr SoliZeilen[] = {
    {2010, 55, 972, 1944, 200, false},
    {2011, 55, 972, 1944, 200, false},
    {2012, 55, 972, 1944, 200, false},
    {2013, 55, 972, 1944, 200, false},
    {2014, 55, 972, 1944, 200, false},
    {2015, 55, 972, 1944, 200, false},
    {2016, 55, 972, 1944, 200, false},
    {2017, 55, 972, 1944, 200, false},
    {2018, 55, 972, 1944, 200, false},
    {2019, 55, 972, 1944, 200, false},
    {2020, 55, 972, 1944, 200, false},
    {2021, 55, 16956, 33912, 119, true},
    {2022, 55, 16956, 33912, 119, true},
    {2023, 55, 17543, 35086, 119, true},
    {2024, 55, 18130, 36260, 119, true},
    {2025, 55, 19950, 39900, 119, true},
    {2026, 55, 20350, 40700, 119, true},
    // nothing enacted for 2027: the 2026 Freigrenze in force
    {2027, 55, 20350, 40700, 119, true},
};

// 8 % in Baden-Württemberg and Bayern, 9 % elsewhere, unchanged since 2010.
constexpr TKirchensteuerJahr KiStZeilen[] = {
    {2010, 0.08, 0.09}, {2011, 0.08, 0.09}, {2012, 0.08, 0.09}, {2013, 0.08, 0.09},
    {2014, 0.08, 0.09}, {2015, 0.08, 0.09}, {2016, 0.08, 0.09}, {2017, 0.08, 0.09},
    {2018, 0.08, 0.09}, {2019, 0.08, 0.09}, {2020, 0.08, 0.09}, {2021, 0.08, 0.09},
    {2022, 0.08, 0.09}, {2023, 0.08, 0.09}, {2024, 0.08, 0.09}, {2025, 0.08, 0.09},
    {2026, 0.08, 0.09}, {2027, 0.08, 0.09},
};

static_assert(JahreLueckenlos(std::span<const TSoliJahr>(SoliZeilen)));
static_assert(JahreLueckenlos(std::span<const TKirchensteuerJahr>(KiStZeilen)));
static_assert(std::end(SoliZeilen)[-1].Jahr == LetztesTabellenjahr);
static_assert(std::end(KiStZeilen)[-1].Jahr == LetztesTabellenjahr);

// Baden-Württemberg and Bayern are the first two states of the list.
constexpr int LetzterAchtProzentStaat = 1;

} // namespace

std::span<const TSoliJahr> Solitabelle()
{
    return SoliZeilen;
}

std::span<const TKirchensteuerJahr> Kirchensteuertabelle()
{
    return KiStZeilen;
}

const TSoliJahr& SoliRecht(int jahr)
{
    return ZeileFuer(Solitabelle(), jahr);
}

double SoliSatz(int jahr)
{
    return SoliRecht(jahr).SatzPromille / 1000.0;
}

double Solidaritaetszuschlag(int jahr, TTabelle tabelle, double einkommensteuer)
{
    if (tabelle == TabelleUnbekannt || jahr < SoliZeilen[0].Jahr)
        return -1;
    const TSoliJahr& s = SoliRecht(jahr);
    const long long freigrenze =
        tabelle == Grundtabelle ? s.FreigrenzeEinzel : s.FreigrenzeZusammen;
    if (!(einkommensteuer > freigrenze))
        return 0;
    // in cents, exactly: the tax has whole cents at most
    const long long cent = std::llround(std::min(einkommensteuer, 1e15) * 100);
    const long long voll = cent * s.SatzPromille / 1000;
    const long long gemildert = (cent - freigrenze * 100) * s.MilderungPromille / 1000;
    return static_cast<double>(std::min(voll, gemildert)) / 100;
}

double KiStSatzFuer(int jahr, int bundesland)
{
    if (bundesland < 0)
        return 0;
    const TKirchensteuerJahr& k = ZeileFuer(Kirchensteuertabelle(), jahr);
    return bundesland <= LetzterAchtProzentStaat ? k.SatzBadenWuerttembergBayern : k.SatzUebrige;
}

} // namespace Fermalin
