// Decimal rounding of money amounts with a magnitude-dependent tolerance, so that
// binary results a hair below a decimal boundary round as a person computing in
// decimals expects.
#pragma once

#include <functional>

namespace Fermalin {

// Half away from zero to n decimals, n in -3..10 (negative n: tens, hundreds, thousands).
double runden(int n, double x);
// Cut toward zero to n decimals, n in -3..10.
double abrunden(int n, double x);

// Nearest integer, ties to even: slider positions, whole-euro tax differences.
double rundeGerade(double x);
int rundeGeradeInt(double x);

// A long series of runden calls lets the user interface process its events
// every `intervall` calls; the interface installs the callback, the batch build
// leaves it empty. An interval of 0 or less switches the hook off.
void setzeRundenHook(std::function<void()> hook, int intervall = 6000);

} // namespace Fermalin
