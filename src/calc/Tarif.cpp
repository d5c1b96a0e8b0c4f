#include "Tarif.h"

#include "MathUnit.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <iterator>

namespace Fermalin {

namespace {

using i128 = __int128;

// § 32a Abs. 1 EStG from 2010 in the statute's own form: each zone by its last
// euro, the coefficients a, b, c, d, e in cents. The constants 1400 and 2397 of
// the progression zones and the rates 42 % and 45 % are those of every version
// since 2010.
constexpr TTarif tarif32a(int jahr, int grundfreibetrag, int zone2Bis, int a, int zone3Bis, int b,
                          long long c, int zone4Bis, long long d, long long e)
{
    TTarif t{};
    t.AbJahr = jahr;
    t.Nullzone = grundfreibetrag + 1;
    t.Zone2Bis = zone2Bis + 1;
    t.a = grundfreibetrag;
    t.p = a;
    t.q = 1400;
    t.Zone3Bis = zone3Bis + 1;
    t.b = zone2Bis;
    t.r = b;
    t.s = 2397;
    t.k = c;
    t.Zone4Bis = zone4Bis + 1;
    t.Satz4 = 420;
    t.Abzug4 = d;
    t.Satz5 = 450;
    t.Abzug5 = e;
    return t;
}

constexpr TTarif Tarife[] = {
    // § 32a EStG 2001 (in DM)
    {2001, true, 54, true, 14094, 18090, 14040, 38789, 1990, 107568, 18036, 14249, 2300, 85700,
     INT_MAX, 485, 1929900, 0, 0},
    // § 32a EStG 2002 (also 2003)
    {2002, false, 36, true, 7236, 9252, 7200, 76885, 1990, 55008, 9216, 27865, 2300, 43200, INT_MAX,
     485, 987200, 0, 0},
    // § 32a EStG 2004
    {2004, false, 0, false, 7664, 12739, 7664, 79310, 1600, 52151, 12739, 26578, 2405, 101600,
     INT_MAX, 450, 884500, 0, 0},
    // § 32a EStG 2005 (also 2006 and 2007)
    {2005, false, 0, false, 7665, 12740, 7664, 88374, 1500, 52152, 12739, 22874, 2397, 98900,
     INT_MAX, 420, 791400, 0, 0},
    // § 32a EStG 2008
    {2008, false, 0, false, 7665, 12740, 7664, 88374, 1500, 52152, 12739, 22874, 2397, 98900,
     250001, 420, 791400, 450, 1541400},
    // § 32a EStG 2009 (Konjunkturpaket II)
    {2009, false, 0, false, 7835, 13140, 7834, 93968, 1400, 52552, 13139, 22874, 2397, 100700,
     250401, 420, 806400, 450, 1557600},
    // G. v. 02.03.2009, BGBl. I S. 416 (2010 to 2012)
    tarif32a(2010, 8004, 13469, 91217, 52881, 22874, 103800, 250730, 817200, 1569400),
    // G. v. 20.02.2013, BGBl. I S. 283
    tarif32a(2013, 8130, 13469, 93370, 52881, 22874, 101400, 250730, 819600, 1571800),
    tarif32a(2014, 8354, 13469, 97458, 52881, 22874, 97100, 250730, 823900, 1576100),
    // G. v. 16.07.2015, BGBl. I S. 1202 (2015 retroactively)
    tarif32a(2015, 8472, 13469, 99760, 52881, 22874, 94868, 250730, 826129, 1578319),
    tarif32a(2016, 8652, 13669, 99362, 53665, 22540, 95248, 254446, 839414, 1602752),
    // Art. 8 and 9 G. v. 20.12.2016, BGBl. I S. 3000
    tarif32a(2017, 8820, 13769, 100727, 54057, 22376, 93957, 256303, 847544, 1616453),
    tarif32a(2018, 9000, 13996, 99780, 54949, 22013, 94849, 260532, 862175, 1643770),
    // Familienentlastungsgesetz, G. v. 29.11.2018, BGBl. I S. 2210
    tarif32a(2019, 9168, 14254, 98014, 55960, 21616, 96558, 265326, 878090, 1674068),
    tarif32a(2020, 9408, 14532, 97287, 57051, 21202, 97279, 270500, 896374, 1707874),
    // Art. 1 G. v. 01.12.2020, BGBl. I S. 2616
    tarif32a(2021, 9744, 14753, 99521, 57918, 20885, 95096, 274612, 913663, 1737499),
    // Art. 1 G. v. 23.05.2022, BGBl. I S. 749 (2022 retroactively)
    tarif32a(2022, 10347, 14926, 108867, 58596, 20643, 86932, 277825, 933645, 1767120),
    // Art. 2 G. v. 08.12.2022, BGBl. I S. 2230
    tarif32a(2023, 10908, 15999, 97918, 62809, 19259, 96653, 277825, 997298, 1830773),
    // Art. 1 G. v. 05.12.2024, BGBl. 2024 I Nr. 386 (2024 retroactively)
    tarif32a(2024, 11784, 17005, 95480, 66760, 18119, 99121, 277825, 1063631, 1897106),
    // Art. 1 and 2 G. v. 23.12.2024, BGBl. 2024 I Nr. 449; 2026 is the last
    // enacted version ("ab dem Veranlagungszeitraum 2026")
    tarif32a(2025, 12096, 17443, 93230, 68480, 17664, 101513, 277825, 1091192, 1924667),
    tarif32a(2026, 12348, 17799, 91451, 69878, 17310, 103487, 277825, 1113563, 1947038),
};

constexpr bool aufsteigend()
{
    for (std::size_t i = 1; i < std::size(Tarife); ++i)
        if (Tarife[i].AbJahr <= Tarife[i - 1].AbJahr)
            return false;
    return true;
}
static_assert(aufsteigend());

// a/b over a positive b, rounded toward minus infinity.
i128 abgerundet(i128 zaehler, i128 nenner)
{
    const i128 q = zaehler / nenner;
    return (zaehler % nenner != 0 && zaehler < 0) ? q - 1 : q;
}

// A progression zone without addend: trunc((p·y + q)·y) with y = Y / 10000, p in hundredths.
i128 progressionszone(i128 Y, i128 p, i128 q, bool dreistellig)
{
    if (dreistellig) {
        // a = trunc(p·y·1000) / 1000; T = trunc((a + q)·y)
        const i128 a = p * Y / 1000;
        return (a + q * 1000) * Y / 10000000;
    }
    return (p * Y + q * 1000000) * Y / 10000000000LL;
}

// Zone 3 with its addend k (cents), truncated as a whole.
i128 zone3(const TTarif& t, i128 Z)
{
    if (t.Dreistellig)
        return progressionszone(Z, t.r, t.s, true) + t.k / 100; // whole amounts in those years
    return abgerundet((t.r * Z + static_cast<i128>(t.s) * 1000000) * Z + t.k * i128{100000000},
                      10000000000LL);
}

// Top zones: trunc(satz/1000 · X − abzug/100), the rate in thousandths, the deduction in cents.
i128 proportionalzone(i128 X, int satz, long long abzugCent)
{
    return abgerundet(X * satz * 100 - static_cast<i128>(abzugCent) * 1000, 100000);
}

// Tariff on the (already halved) whole-euro argument x; the result is in the
// tariff's currency.
i128 tarifAufArgument(const TTarif& t, i128 x)
{
    i128 X = x;
    if (t.DM)
        X = x * 195583 / 5400000 * 54 + 27; // trunc(x · 1.95583 / 54) · 54 + 27
    else if (t.Schritt > 0)
        X = x / t.Schritt * t.Schritt + t.Schritt / 2;
    if (X < t.Nullzone)
        return 0;
    if (X < t.Zone2Bis)
        return progressionszone(X - t.a, t.p, t.q, t.Dreistellig);
    if (X < t.Zone3Bis)
        return zone3(t, X - t.b);
    if (X < t.Zone4Bis)
        return proportionalzone(X, t.Satz4, t.Abzug4);
    return proportionalzone(X, t.Satz5, t.Abzug5);
}

} // namespace

std::span<const TTarif> Tariftabelle()
{
    return Tarife;
}

const TTarif& TarifFuer(int jahr)
{
    const auto nach = std::upper_bound(std::begin(Tarife), std::end(Tarife), jahr,
                                       [](int j, const TTarif& t) { return j < t.AbJahr; });
    return nach == std::begin(Tarife) ? Tarife[0] : *(nach - 1);
}

double Einkommensteuer(int jahr, TTabelle tabelle, double zvE)
{
    if (tabelle == TabelleUnbekannt || jahr < Tarife[0].AbJahr)
        return -1;
    const int d = tabelle == Grundtabelle ? 1 : 2;
    const double x = std::trunc(zvE / d);
    const TTarif& t = TarifFuer(jahr);
    if (!(x < 1e30)) {
        // Beyond any real income; only keeps the arithmetic defined.
        if (std::isnan(x))
            return 0;
        const int satz = t.Zone4Bis == INT_MAX ? t.Satz4 : t.Satz5;
        return static_cast<double>(satz) / 1000 * x * d;
    }
    if (x < 0)
        return 0; // every tariff starts with a zero zone
    const i128 T = tarifAufArgument(t, static_cast<i128>(x));
    if (t.DM)
        return static_cast<double>(T) / 1.95583 * d;
    return static_cast<double>(T) * d;
}

double Steuerminderung(TTabelle tabelle, int jahr, double zvE, double abzug, double zuschlagsatz)
{
    const double vorher = Einkommensteuer(jahr, tabelle, zvE);
    const double nachher = Einkommensteuer(jahr, tabelle, zvE - abzug);
    return rundeGerade((1 + zuschlagsatz) * (vorher - nachher));
}

} // namespace Fermalin
