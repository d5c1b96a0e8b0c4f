// The taxable-income details: what the detail dialog hands back, the figure it
// shows while the user types, and how its answer changes the record.
#pragma once

#include "ZulagenDaten.h"

namespace Fermalin {

// The dialog's fields after OK.
struct TEKAngaben
{
    double EK1 = 0, EK2 = 0;     // pension-insured incomes (go to the input page)
    double EK1nr = 0, EK2nr = 0; // incomes not subject to pension insurance
    bool zvEAutomatisch = true;  // estimate the taxable income
    double zvE = 0;              // the typed taxable income, when not estimated
    bool Soli = true;
    bool KiSt = false;
    int Bundesland = -1; // selected federal state, -1 none
};

// The estimate shown in the dialog: runden(0, estimate of the rounded wages plus
// the other incomes); person 2 counts only when the dialog shows the second column.
double ZvEVorschau(const TZulagenDaten& d, double ek1, double ek2, double ek1nr, double ek2nr,
                   bool person2);

// The offset of a typed taxable income from the program's own figure for the
// same incomes: typed - (other incomes + estimate of the wages rounded to euros).
double DeltazvEFuer(const TZulagenDaten& d, double zvE, double lohn1, double lohn2);

// Steps 2 to 4 of OK on the record: other incomes, DeltazvE (the wages as they
// now stand on the input page), solidarity surcharge, church tax.
void EKAngabenAnwenden(TZulagenDaten& d, const TEKAngaben& a, double lohn1, double lohn2);

} // namespace Fermalin
