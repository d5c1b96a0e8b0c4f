#include "SV_Groessen.h"

#include <algorithm>
#include <iterator>

namespace Fermalin {

namespace {

struct TBBGZeile
{
    int Jahr;
    double RVWest; // § 159 SGB VI, Anlage 2: West
    double RVOst;  // Anlage 2a: East
    double KV;     // § 6 Abs. 7 SGB V, Beitragsbemessungsgrenze KV/PV (0 before 2004 here)
};

// Euros per year.
constexpr TBBGZeile BBGTabelle[] = {
    {2001, 53378.87, 44789.17, 0}, {2002, 54000, 45000, 0},     {2003, 61200, 51000, 0},
    {2004, 61800, 52200, 41850},   {2005, 62400, 52800, 42300}, {2006, 63000, 52800, 42750},
    {2007, 63000, 54600, 42750},   {2008, 63600, 54000, 43200}, {2009, 64800, 54600, 44100},
    {2010, 66000, 55800, 45000},
};

const TBBGZeile* zeile(int jahr)
{
    const int letztes = std::end(BBGTabelle)[-1].Jahr;
    jahr = std::min(jahr, letztes); // later years use the last known values
    for (const auto& z : BBGTabelle)
        if (z.Jahr == jahr)
            return &z;
    return nullptr;
}

} // namespace

double RVSatz(int jahr)
{
    return jahr < 2007 ? 19.5 : 19.9;
}

double AVSatz(int jahr)
{
    if (jahr <= 2006)
        return 6.5;
    if (jahr == 2007)
        return 4.2;
    if (jahr == 2008)
        return 3.3;
    return 2.8;
}

double KVSatz(bool arbeitnehmerAnteil, bool ermaessigt, int jahr)
{
    double r;
    if (jahr <= 2007)
        r = 14.2;
    else if (jahr == 2008)
        r = 13.8;
    else if (jahr == 2009)
        r = ermaessigt ? 14.9 : 15.5;
    else
        r = ermaessigt ? 14.3 : 14.9;
    // § 241a SGB V: the 0.9 points are borne by the employee alone
    return arbeitnehmerAnteil ? (r - 0.9) / 2 + 0.9 : r;
}

double PVSatz(int jahr, bool kinderlos, bool arbeitnehmerAnteil, bool sachsen)
{
    double r = jahr < 2008 ? 1.7 : 1.95;
    if (arbeitnehmerAnteil) {
        r = r / 2;
        if (sachsen)
            r += 0.5; // § 58 Abs. 3 SGB XI: Saxony kept its holiday
    }
    if (kinderlos && jahr >= 2005)
        r += 0.25; // § 55 Abs. 3 SGB XI: childless surcharge
    return r;
}

double BBG_RV(int jahr, int region)
{
    const TBBGZeile* z = zeile(jahr);
    if (!z)
        return 0;
    if (region == static_cast<int>(TRegion::West))
        return z->RVWest;
    if (region == static_cast<int>(TRegion::Ost))
        return z->RVOst;
    return 0;
}

double BBG_KV(int jahr)
{
    const TBBGZeile* z = zeile(jahr);
    return z ? z->KV : 0;
}

} // namespace Fermalin
