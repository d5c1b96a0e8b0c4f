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

QString FormatG(double wert)
{
    if (!std::isfinite(wert))
        return std::isnan(wert) ? QStringLiteral("NAN")
                                : (wert > 0 ? QStringLiteral("INF") : QStringLiteral("-INF"));
    if (wert == 0)
        return QStringLiteral("0");

    // 15 significant digits, then trailing zeros dropped.
    char puffer[64];
    std::snprintf(puffer, sizeof puffer, "%.14e", std::fabs(wert));
    std::string ziffern;
    ziffern += puffer[0];
    ziffern.append(puffer + 2, 14);
    const int exponent = std::atoi(std::strchr(puffer, 'e') + 1);
    ziffern.erase(ziffern.find_last_not_of('0') + 1);

    QString text;
    if (wert < 0)
        text += QLatin1Char('-');
    const int vorKomma = exponent + 1;
    const auto anhaengen = [&text](const std::string& s) {
        text += QLatin1String(s.data(), static_cast<qsizetype>(s.size()));
    };
    if (vorKomma > 15 || vorKomma < -3) {
        text += QLatin1Char(ziffern[0]);
        if (ziffern.size() > 1) {
            text += QLatin1Char(',');
            anhaengen(ziffern.substr(1));
        }
        text += QLatin1Char('E');
        text += QString::number(exponent);
    } else if (vorKomma <= 0) {
        text += QStringLiteral("0,");
        anhaengen(std::string(static_cast<size_t>(-vorKomma), '0') + ziffern);
    } else {
        const auto n = static_cast<size_t>(vorKomma);
        if (ziffern.size() <= n) {
            anhaengen(ziffern + std::string(n - ziffern.size(), '0'));
        } else {
            anhaengen(ziffern.substr(0, n));
            text += QLatin1Char(',');
            anhaengen(ziffern.substr(n));
        }
    }
    return text;
}

} // namespace Fermalin
