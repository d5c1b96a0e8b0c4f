// German income tax tariff (§ 32a EStG) for the assessment years from 2001.
#pragma once

#include <span>

namespace Fermalin {

// Tariff table: 0 "unbekannt", 1 "Grundtabelle", anything else "Splittingtabelle".
using TTabelle = unsigned char;
constexpr TTabelle TabelleUnbekannt = 0;
constexpr TTabelle Grundtabelle = 1;
constexpr TTabelle Splittingtabelle = 2;

// One version of § 32a Abs. 1 EStG. Coefficients are integers so that the tariff
// is evaluated exactly in decimal on the whole-euro argument X:
//   X < Nullzone:  0
//   X < Zone2Bis:  trunc((p/100 · y + q) · y),          y = (X − a) / 10000
//   X < Zone3Bis:  trunc((r/100 · z + s) · z + k/100),  z = (X − b) / 10000
//   X < Zone4Bis:  trunc(Satz4/1000 · X − Abzug4/100)
//   otherwise:     trunc(Satz5/1000 · X − Abzug5/100)
// Addends are in cents (Pfennig for 2001); the bounds are the first X of the next zone.
struct TTarif
{
    int AbJahr;       // first assessment year of this version
    bool DM;          // 2001: computed in Deutsche Mark
    int Schritt;      // step rounding of the argument (2001: 54 DM, 2002: 36 euros), 0 = none
    bool Dreistellig; // 2001/2002: p·y is cut to three decimals
    int Nullzone;
    int Zone2Bis, a, p, q;
    int Zone3Bis, b, r, s;
    long long k;
    int Zone4Bis; // no zone 5 when it is beyond every income
    int Satz4;
    long long Abzug4;
    int Satz5;
    long long Abzug5;
};

// Every version, ascending by AbJahr; a version holds until the next one.
std::span<const TTarif> Tariftabelle();
// The version for an assessment year from 2001; later years than the last
// version keep it (the tariff in force).
const TTarif& TarifFuer(int jahr);

// Income tax in euros (whole euros, 2001 not rounded after the DM conversion);
// -1 for table 0 or a year before 2001.
double Einkommensteuer(int jahr, TTabelle tabelle, double zvE);

// Tax on zvE minus tax on zvE - abzug, times 1 + zuschlagsatz, whole euros, ties to even.
double Steuerminderung(TTabelle tabelle, int jahr, double zvE, double abzug, double zuschlagsatz);

} // namespace Fermalin
