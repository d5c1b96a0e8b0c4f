#include "Zahlformat.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace Fermalin {

QString FormatN(double wert, int nachkomma)
{
    nachkomma = std::clamp(nachkomma, 0, 18);
    if (!std::isfinite(wert))
        return std::isnan(wert) ? QStringLiteral("NAN")
                                : (wert > 0 ? QStringLiteral("INF") : QStringLiteral("-INF"));

    // The toolkit takes 18 significant digits of the value and rounds that digit
    // string half away from zero; so 0.125 gives 0,13 and 2.5 gives 3.
    char puffer[64];
    std::snprintf(puffer, sizeof puffer, "%.17e", std::fabs(wert));
    // puffer: d.ddddddddddddddddde±XX
    std::string ziffern;
    ziffern += puffer[0];
    ziffern.append(puffer + 2, 17);
    const int exponent = std::atoi(std::strchr(puffer, 'e') + 1);

    // Digits as an integer part and a fraction: value = 0.ziffern × 10^(exponent+1)
    int komma = exponent + 1; // number of digits before the decimal point
    if (komma < 0) {
        ziffern.insert(0, static_cast<size_t>(-komma), '0');
        komma = 0;
    }
    if (static_cast<int>(ziffern.size()) < komma + nachkomma + 1)
        ziffern.append(
            static_cast<size_t>(komma + nachkomma + 1 - static_cast<int>(ziffern.size())), '0');

    std::string stellen = ziffern.substr(0, static_cast<size_t>(komma + nachkomma));
    const bool aufrunden = ziffern[static_cast<size_t>(komma + nachkomma)] >= '5';
    if (aufrunden) {
        int i = static_cast<int>(stellen.size()) - 1;
        while (i >= 0 && stellen[static_cast<size_t>(i)] == '9') {
            stellen[static_cast<size_t>(i)] = '0';
            --i;
        }
        if (i >= 0) {
            ++stellen[static_cast<size_t>(i)];
        } else {
            stellen.insert(0, 1, '1');
            ++komma;
        }
    }
    std::string ganz = stellen.substr(0, static_cast<size_t>(komma));
    const std::string bruch = stellen.substr(static_cast<size_t>(komma));
    const size_t erste = ganz.find_first_not_of('0');
    ganz = erste == std::string::npos ? "0" : ganz.substr(erste);

    const bool null = ganz == "0" && bruch.find_first_not_of('0') == std::string::npos;
    QString text;
    text.reserve(static_cast<qsizetype>(ganz.size() + bruch.size() + 8));
    if (wert < 0 && !null)
        text += QLatin1Char('-');
    for (size_t i = 0; i < ganz.size(); ++i) {
        if (i > 0 && (ganz.size() - i) % 3 == 0)
            text += QLatin1Char('.');
        text += QLatin1Char(ganz[i]);
    }
    if (nachkomma > 0) {
        text += QLatin1Char(',');
        text += QLatin1String(bruch.data(), static_cast<qsizetype>(bruch.size()));
    }
    return text;
}

QString FormatD(int wert)
{
    return QString::number(wert);
}

} // namespace Fermalin
