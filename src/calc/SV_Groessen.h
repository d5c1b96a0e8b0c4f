// Year tables of German social insurance: contribution rates (percent) and ceilings.
#pragma once

#include <span>

namespace Fermalin {

enum class TRegion
{
    West = 1,
    Ost = 2
};

struct TSVJahr
{
    int Jahr;
    // percent, pension insurance, total, § 158 SGB VI
    double RV;
    // percent, unemployment insurance, total, § 341 SGB III
    double AV;
    // percent, health insurance, general rate (to 2014 with the 0.9 points
    // special contribution), § 241 SGB V
    double KV;
    // percent, reduced rate (no sick pay), § 243 SGB V
    double KVErmaessigt;
    // percent, average Zusatzbeitrag, § 242a SGB V (from 2015)
    double KVZusatz;
    // percent the employee bears alone: the special contribution (§ 241a SGB V
    // a.F.) to 2014, the Zusatzbeitrag 2015-2018, none from 2019 (§ 249 SGB V)
    double KVNurArbeitnehmer;
    // percent, care insurance, total (2023 weighted by months), § 55 Abs. 1 SGB XI
    double PV;
    // percent more on the employee's share in Saxony, § 58 Abs. 3 SGB XI
    double PVSachsen;
    // percent, childless surcharge (2023 weighted by months), § 55 Abs. 3 SGB XI
    double PVKinderlos;
    // percent less on the employee's share per child under 25 from the 2nd to the
    // 5th, § 55 Abs. 3 SGB XI from 1 July 2023 (2023 weighted by months)
    double PVKinderabschlag;
    // euros per year, pension and unemployment insurance ceiling West, § 159 SGB VI
    double BBG_RVWest;
    // euros per year, ceiling East (Anlage 2a SGB VI); one ceiling from 2025
    double BBG_RVOst;
    // euros per year, health and care insurance ceiling, § 223 Abs. 3 SGB V (0 before 2004 here)
    double BBG_KV;
};

// One row per year; years before the first row take it, later ones the last row.
std::span<const TSVJahr> SVTabelle();
const TSVJahr& SVFuer(int jahr);

// Children count for the care discount while under this age, § 55 Abs. 3 SGB XI.
constexpr int PVKinderAltersgrenze = 25;

// Pension insurance rate, total, percent.
double RVSatz(int jahr);
// Unemployment insurance rate, total, percent.
double AVSatz(int jahr);
// Health insurance rate, percent, with the average Zusatzbeitrag; the employee
// share is half of it plus what the employee bears alone.
double KVSatz(bool arbeitnehmerAnteil, bool ermaessigt, int jahr);
// Care insurance rate, percent; the childless surcharge on the share or the full
// rate; from July 2023 the employee's share falls with the second to fifth
// child under 25.
double PVSatz(int jahr, bool kinderlos, bool arbeitnehmerAnteil, bool sachsen,
              int kinderUnter25 = 0);
// Pension insurance contribution ceiling, euros per year; 0 before 2001 or for
// another region.
double BBG_RV(int jahr, int region);
inline double BBG_RV(int jahr, TRegion region)
{
    return BBG_RV(jahr, static_cast<int>(region));
}
// Health and care insurance contribution ceiling, euros per year; 0 before 2004.
double BBG_KV(int jahr);

} // namespace Fermalin
