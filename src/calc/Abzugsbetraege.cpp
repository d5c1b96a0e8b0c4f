#include "Abzugsbetraege.h"

#include <iterator>

namespace Fermalin {

namespace {

// Alterseinkünftegesetz: 60 % in 2005 plus 2 points a year; 100 % from 2023 by
// the JStG 2022 (BGBl. 2022 I S. 2294). Höchstbetrag 20000 to 2014, from 2015
// the highest contribution to the knappschaft pension insurance, rounded up
// (Zollkodex-Anpassungsgesetz, BGBl. 2014 I S. 2417). Vorwegabzug phased out by
// § 10 Abs. 4a EStG, comparison up to 2019. Caps 1500 / 2400 to 2009, 1900 /
// 2800 from 2010 (Bürgerentlastungsgesetz Krankenversicherung, BGBl. 2009 I S. 1959).
constexpr TVorsorgeJahr VorsorgeZeilen[] = {
    {2005, 0.60, 0.20, 20000, 3068, true, 1500, 2400},
    {2006, 0.62, 0.24, 20000, 3068, true, 1500, 2400},
    {2007, 0.64, 0.28, 20000, 3068, true, 1500, 2400},
    {2008, 0.66, 0.32, 20000, 3068, true, 1500, 2400},
    {2009, 0.68, 0.36, 20000, 3068, true, 1500, 2400},
    {2010, 0.70, 0.40, 20000, 3068, true, 1900, 2800},
    {2011, 0.72, 0.44, 20000, 2700, true, 1900, 2800},
    {2012, 0.74, 0.48, 20000, 2400, true, 1900, 2800},
    {2013, 0.76, 0.52, 20000, 2100, true, 1900, 2800},
    {2014, 0.78, 0.56, 20000, 1800, true, 1900, 2800},
    {2015, 0.80, 0.60, 22172, 1500, true, 1900, 2800},
    {2016, 0.82, 0.64, 22767, 1200, true, 1900, 2800},
    {2017, 0.84, 0.68, 23362, 900, true, 1900, 2800},
    {2018, 0.86, 0.72, 23712, 600, true, 1900, 2800},
    {2019, 0.88, 0.76, 24305, 300, true, 1900, 2800},
    {2020, 0.90, 0.80, 25046, 0, false, 1900, 2800},
    {2021, 0.92, 0.84, 25787, 0, false, 1900, 2800},
    {2022, 0.94, 0.88, 25639, 0, false, 1900, 2800},
    {2023, 1.00, 0.92, 26528, 0, false, 1900, 2800},
    {2024, 1.00, 0.96, 27566, 0, false, 1900, 2800},
    {2025, 1.00, 1.00, 29344, 0, false, 1900, 2800},
    {2026, 1.00, 1.00, 30826, 0, false, 1900, 2800},
    // the 2027 knappschaft ceiling is not fixed: the 2026 amount in force
    {2027, 1.00, 1.00, 30826, 0, false, 1900, 2800},
};

// § 9a, § 10c, § 32 Abs. 6, § 24b EStG. Child allowances raised by the
// Wachstumsbeschleunigungsgesetz (2010), the laws of 16.07.2015, 20.12.2016,
// 29.11.2018, 01.12.2020, 08.12.2022 and BGBl. 2024 I Nr. 386 and Nr. 449;
// Arbeitnehmer-Pauschbetrag 1000 by the Steuervereinfachungsgesetz 2011, 1200 by
// the Steuerentlastungsgesetz 2022, 1230 by the JStG 2022; Entlastungsbetrag
// 1908 + 240 from 2015, 4008 from 2020 (Zweites Corona-Steuerhilfegesetz, JStG
// 2020), 4260 from 2023 (JStG 2022).
constexpr TFreibetragJahr FreibetragZeilen[] = {
    {2001, 1044, 36, 1824, 1080, 2340, 0},
    {2002, 1044, 36, 1824, 1080, 2340, 0},
    {2003, 1044, 36, 1824, 1080, 2340, 0},
    {2004, 920, 36, 1824, 1080, 1308, 0},
    {2005, 920, 36, 1824, 1080, 1308, 0},
    {2006, 920, 36, 1824, 1080, 1308, 0},
    {2007, 920, 36, 1824, 1080, 1308, 0},
    {2008, 920, 36, 1824, 1080, 1308, 0},
    {2009, 920, 36, 1932, 1080, 1308, 0},
    {2010, 920, 36, 2184, 1320, 1308, 0},
    {2011, 1000, 36, 2184, 1320, 1308, 0},
    {2012, 1000, 36, 2184, 1320, 1308, 0},
    {2013, 1000, 36, 2184, 1320, 1308, 0},
    {2014, 1000, 36, 2184, 1320, 1308, 0},
    {2015, 1000, 36, 2256, 1320, 1908, 240},
    {2016, 1000, 36, 2304, 1320, 1908, 240},
    {2017, 1000, 36, 2358, 1320, 1908, 240},
    {2018, 1000, 36, 2394, 1320, 1908, 240},
    {2019, 1000, 36, 2490, 1320, 1908, 240},
    {2020, 1000, 36, 2586, 1320, 4008, 240},
    {2021, 1000, 36, 2730, 1464, 4008, 240},
    {2022, 1200, 36, 2810, 1464, 4008, 240},
    {2023, 1230, 36, 3012, 1464, 4260, 240},
    {2024, 1230, 36, 3306, 1464, 4260, 240},
    {2025, 1230, 36, 3336, 1464, 4260, 240},
    {2026, 1230, 36, 3414, 1464, 4260, 240},
    // nothing enacted for 2027: the 2026 amounts in force
    {2027, 1230, 36, 3414, 1464, 4260, 240},
};

static_assert(JahreLueckenlos(std::span<const TVorsorgeJahr>(VorsorgeZeilen)));
static_assert(JahreLueckenlos(std::span<const TFreibetragJahr>(FreibetragZeilen)));
static_assert(std::end(VorsorgeZeilen)[-1].Jahr == LetztesTabellenjahr);
static_assert(std::end(FreibetragZeilen)[-1].Jahr == LetztesTabellenjahr);

} // namespace

std::span<const TVorsorgeJahr> Vorsorgetabelle()
{
    return VorsorgeZeilen;
}

std::span<const TFreibetragJahr> Freibetragstabelle()
{
    return FreibetragZeilen;
}

const TVorsorgeJahr& VorsorgeFuer(int jahr)
{
    return ZeileFuer(Vorsorgetabelle(), jahr);
}

const TFreibetragJahr& FreibetraegeFuer(int jahr)
{
    return ZeileFuer(Freibetragstabelle(), jahr);
}

} // namespace Fermalin
