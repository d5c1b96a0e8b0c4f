#include "MathUnit.h"

#include <cmath>

namespace Fermalin {

namespace {

// 10^(-n) for n = -3..10. Scaling divides by the entry and unscaling multiplies
// by it; the results depend on this bit for bit.
constexpr double Skala[14] = {1000.0, 100.0, 10.0, 1.0,  0.1,  0.01, 0.001,
                              1e-4,   1e-5,  1e-6, 1e-7, 1e-8, 1e-9, 1e-10};

double skala(int n)
{
    return Skala[n + 3];
}

} // namespace

double runden(int n, double x)
{
    const double f = skala(n);
    const double s = std::fabs(x) / f;
    double c = 0.51;
    if (s <= 1e9)
        c = 0.500001;
    else if (s <= 1e10)
        c = 0.50001;
    else if (s <= 1e11)
        c = 0.5001;
    else if (s <= 1e12)
        c = 0.501;
    const double r = std::trunc(s + c) * f;
    if (x < 0 && r > 0)
        return -r;
    return r;
}

double abrunden(int n, double x)
{
    const double f = skala(n);
    const double s = std::fabs(x) / f;
    double c = 0.01;
    if (s <= 1e9)
        c = 0.000001;
    else if (s <= 1e10)
        c = 0.00001;
    else if (s <= 1e11)
        c = 0.0001;
    else if (s <= 1e12)
        c = 0.001;
    const double t = std::trunc(s + c);
    return x >= 0 ? t * f : -t * f;
}

double rundeGerade(double x)
{
    // The default floating-point environment rounds to nearest, ties to even.
    return std::nearbyint(x);
}

int rundeGeradeInt(double x)
{
    return static_cast<int>(std::nearbyint(x));
}

} // namespace Fermalin
