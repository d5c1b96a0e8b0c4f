// Decimal rounding of money amounts with a magnitude-dependent tolerance, so that
// binary results a hair below a decimal boundary round as a person computing in
// decimals expects.
//
// The functions are pure: they keep no state and never hand control to the user
// interface. Processing window events from inside a rounding function would run
// handlers in the middle of a computation that is writing its record, a
// re-entrancy hazard, so it is deliberately not done.
#pragma once

namespace Fermalin {

// Half away from zero to n decimals, n in -3..10 (negative n: tens, hundreds, thousands).
double runden(int n, double x);
// Cut toward zero to n decimals, n in -3..10.
double abrunden(int n, double x);

// Nearest integer, ties to even: slider positions, whole-euro tax differences.
double rundeGerade(double x);
int rundeGeradeInt(double x);

} // namespace Fermalin
