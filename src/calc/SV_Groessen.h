// Year tables of German social insurance: contribution rates (percent) and ceilings.
#pragma once

namespace Fermalin {

enum class TRegion
{
    West = 1,
    Ost = 2
};

// Pension insurance rate, total, percent.
double RVSatz(int jahr);
// Unemployment insurance rate, total, percent.
double AVSatz(int jahr);
// Health insurance rate, percent; the employee share adds the 0.9 points special
// contribution to half of the rest.
double KVSatz(bool arbeitnehmerAnteil, bool ermaessigt, int jahr);
// Care insurance rate, percent.
double PVSatz(int jahr, bool kinderlos, bool arbeitnehmerAnteil, bool sachsen);
// Pension insurance contribution ceiling, euros per year; 0 outside the table.
double BBG_RV(int jahr, int region);
inline double BBG_RV(int jahr, TRegion region)
{
    return BBG_RV(jahr, static_cast<int>(region));
}
// Health and care insurance contribution ceiling, euros per year; 0 before 2004.
double BBG_KV(int jahr);

} // namespace Fermalin
