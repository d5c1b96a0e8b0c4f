#include "Zahlformat.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

namespace Fermalin {

namespace {

// The general way: printf's 18 digits as text, rounded as text.
QString FormatNAllgemein(double wert, int nachkomma)
{
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

constexpr std::uint64_t Zehner[19] = {1,
                                      10,
                                      100,
                                      1000,
                                      10000,
                                      100000,
                                      1000000,
                                      10000000,
                                      100000000,
                                      1000000000,
                                      10000000000,
                                      100000000000,
                                      1000000000000,
                                      10000000000000,
                                      100000000000000,
                                      1000000000000000,
                                      10000000000000000,
                                      100000000000000000,
                                      1000000000000000000};

struct TFuenfer
{
    unsigned __int128 p[24]{};
    constexpr TFuenfer()
    {
        p[0] = 1;
        for (int i = 1; i < 24; ++i)
            p[i] = p[i - 1] * 5;
    }
};
constexpr TFuenfer Fuenfer;

// m × 2^e × 10^s rounded to a whole number, halves to even, as printf rounds
// the exact binary value; m < 2^53, 0 <= s < 24, -128 < e + s.
unsigned __int128 SkaliertGerundet(std::uint64_t m, int e, int s)
{
    const unsigned __int128 v = m * Fuenfer.p[s]; // × 10^s = × 5^s × 2^s
    const int verschiebung = e + s;
    if (verschiebung >= 0)
        return verschiebung < 12 ? v << verschiebung : ~static_cast<unsigned __int128>(0);
    const int r = -verschiebung;
    const unsigned __int128 ganz = v >> r;
    const unsigned __int128 rest = v - (ganz << r);
    const unsigned __int128 haelfte = static_cast<unsigned __int128>(1) << (r - 1);
    return ganz + (rest > haelfte || (rest == haelfte && (ganz & 1) != 0) ? 1 : 0);
}

// The same in whole-number arithmetic, for the values amounts and rates take:
// the 18 significant digits D of |wert| exactly as printf rounds them, then the
// cut after nachkomma decimals, halves up. Nothing outside that range.
std::optional<QString> FormatNGanzzahlig(double wert, int nachkomma)
{
    const double betrag = std::fabs(wert);
    std::uint64_t gerundet = 0; // |wert| × 10^nachkomma as the text rounds it
    if (betrag != 0) {
        if (!(betrag >= 1e-5 && betrag < 1e15))
            return std::nullopt;
        const auto bits = std::bit_cast<std::uint64_t>(betrag);
        const std::uint64_t m = (bits & ((std::uint64_t{1} << 52) - 1)) | std::uint64_t{1} << 52;
        const int e = static_cast<int>(bits >> 52) - 1075; // betrag = m × 2^e
        // k digits before the decimal point: the guess from the binary exponent
        // is right or one short, and rounding to 18 digits may carry into one more
        int k = static_cast<int>(std::floor((e + 52) * 0.30102999566398120)) + 1;
        std::uint64_t d = 0;
        for (int versuch = 0;; ++versuch) {
            if (versuch == 4 || k < -5 || k > 16)
                return std::nullopt;
            const unsigned __int128 v = SkaliertGerundet(m, e, 18 - k);
            if (v < Zehner[17]) {
                --k;
            } else if (v >= Zehner[18]) {
                ++k;
            } else {
                d = static_cast<std::uint64_t>(v);
                break;
            }
        }
        // the digits of D cut off; the first of them decides
        const int abschnitt = 18 - k - nachkomma;
        if (abschnitt < 0)
            return std::nullopt;
        if (abschnitt == 0)
            gerundet = d;
        else if (abschnitt <= 18)
            gerundet =
                d / Zehner[abschnitt - 1] / 10 + (d / Zehner[abschnitt - 1] % 10 >= 5 ? 1 : 0);
    }
    char16_t text[40];
    char16_t* const ende = text + std::size(text);
    char16_t* p = ende;
    std::uint64_t rest = gerundet;
    for (int i = 0; i < nachkomma; ++i) {
        *--p = static_cast<char16_t>(u'0' + rest % 10);
        rest /= 10;
    }
    if (nachkomma > 0)
        *--p = u',';
    for (int i = 0; i == 0 || rest != 0; ++i) {
        if (i > 0 && i % 3 == 0)
            *--p = u'.';
        *--p = static_cast<char16_t>(u'0' + rest % 10);
        rest /= 10;
    }
    if (wert < 0 && gerundet != 0)
        *--p = u'-';
    return QString(reinterpret_cast<const QChar*>(p), ende - p);
}

} // namespace

QString FormatN(double wert, int nachkomma)
{
    nachkomma = std::clamp(nachkomma, 0, 18);
    if (!std::isfinite(wert))
        return std::isnan(wert) ? QStringLiteral("NAN")
                                : (wert > 0 ? QStringLiteral("INF") : QStringLiteral("-INF"));
    if (nachkomma <= 4)
        if (std::optional<QString> text = FormatNGanzzahlig(wert, nachkomma))
            return *std::move(text);
    return FormatNAllgemein(wert, nachkomma);
}

QString FormatD(int wert)
{
    // QString::number's digits, without its general conversion
    char16_t text[12];
    char16_t* const ende = text + std::size(text);
    char16_t* p = ende;
    auto rest = wert < 0 ? 0U - static_cast<unsigned>(wert) : static_cast<unsigned>(wert);
    do {
        *--p = static_cast<char16_t>(u'0' + rest % 10);
        rest /= 10;
    } while (rest != 0);
    if (wert < 0)
        *--p = u'-';
    return QString(reinterpret_cast<const QChar*>(p), ende - p);
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
