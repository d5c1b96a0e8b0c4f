#include "JsonSchreiber.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace Fermalin {

namespace {

constexpr char Hex[] = "0123456789abcdef";

// One UTF-16 unit that is no surrogate, as UTF-8 or as an escape.
char* Einzeln(char16_t c, char* p)
{
    if (c >= 0x80) {
        if (c < 0x800) {
            *p++ = static_cast<char>(0xC0 | (c >> 6));
        } else {
            *p++ = static_cast<char>(0xE0 | (c >> 12));
            *p++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        }
        *p++ = static_cast<char>(0x80 | (c & 0x3F));
        return p;
    }
    if (c >= 0x20 && c != u'"' && c != u'\\') {
        *p++ = static_cast<char>(c);
        return p;
    }
    *p++ = '\\';
    switch (c) {
    case u'"':
    case u'\\':
        *p++ = static_cast<char>(c);
        break;
    case u'\n':
        *p++ = 'n';
        break;
    case u'\r':
        *p++ = 'r';
        break;
    default:
        p = std::copy_n("u00", 3, p);
        *p++ = Hex[c >> 4];
        *p++ = Hex[c & 15];
    }
    return p;
}

// The shortest form of a number as std::to_chars writes it, for the numbers
// whose shortest digits are found by one multiplication: those that round-trip
// with p decimals, where p is as large as keeps the multiples of 10^-p further
// apart than the doubles near the number. Such a multiple that reads back as the
// number is then the only decimal that does with so few digits, so it is the
// shortest. Nearly every amount, rate and share is one; the rest (and what is
// too large or too small for the table) goes to std::to_chars: nullptr.
constexpr int KleinsterExponent = -20; // 2^-20: p stays within the exact powers of ten
constexpr int GroessterExponent = 51;  // 2^52: p would be negative

struct TDezimalen
{
    std::array<std::int8_t, GroessterExponent - KleinsterExponent + 1> p{};
    constexpr TDezimalen()
    {
        for (int e = KleinsterExponent; e <= GroessterExponent; ++e) {
            // the doubles from 2^e to 2^(e+1) lie 2^(e-52) apart: 10^p < 2^(52-e)
            const unsigned __int128 abstand = static_cast<unsigned __int128>(1) << (52 - e);
            unsigned __int128 zehner = 10;
            std::int8_t n = 0;
            while (zehner < abstand) {
                ++n;
                zehner *= 10;
            }
            p[static_cast<size_t>(e - KleinsterExponent)] = n;
        }
    }
};
constexpr TDezimalen Dezimalen;
static_assert(Dezimalen.p[0] <= 22, "10^p must be exact as a double");

constexpr double Zehnerpotenz[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                   1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                   1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

char* KurzeZahl(double wert, char* p)
{
    const double betrag = std::fabs(wert);
    const int e = static_cast<int>((std::bit_cast<std::uint64_t>(betrag) >> 52) & 0x7FF) - 1023;
    if (e < KleinsterExponent || e > GroessterExponent)
        return nullptr; // zero, subnormal, not finite too
    const int stellen = Dezimalen.p[static_cast<size_t>(e - KleinsterExponent)];
    const double zehner = Zehnerpotenz[stellen];
    // below 2^53 by the choice of p; a rounding off by one fails the check below
    auto ziffern = static_cast<std::uint64_t>(betrag * zehner + 0.5);
    // the division rounds as reading the decimal back does
    if (static_cast<double>(ziffern) / zehner != betrag)
        return nullptr;
    int nullen = 0;
    while (ziffern % 10000 == 0) {
        ziffern /= 10000;
        nullen += 4;
    }
    while (ziffern % 10 == 0) {
        ziffern /= 10;
        ++nullen;
    }
    char z[20];
    const int n = static_cast<int>(std::to_chars(z, z + sizeof z, ziffern).ptr - z);
    // value = z × 10^(nullen - stellen) = z[0].z[1..] × 10^x
    const int x = n - 1 + nullen - stellen;
    // as printf's %e and %f would write these digits; the shorter wins, fixed on a tie
    const int wissenschaftlich = n + (n > 1 ? 1 : 0) + 4; // e±XX: |x| < 100 here
    const int fest = x >= 0 ? (n > x + 1 ? n + 1 : x + 1) : n + 1 - x;
    if (wert < 0)
        *p++ = '-';
    if (wissenschaftlich < fest) {
        *p++ = z[0];
        if (n > 1) {
            *p++ = '.';
            p = std::copy(z + 1, z + n, p);
        }
        *p++ = 'e';
        *p++ = x < 0 ? '-' : '+';
        const int a = x < 0 ? -x : x;
        *p++ = static_cast<char>('0' + a / 10);
        *p++ = static_cast<char>('0' + a % 10);
    } else if (x < 0) {
        *p++ = '0';
        *p++ = '.';
        p = std::fill_n(p, -x - 1, '0');
        p = std::copy(z, z + n, p);
    } else if (n > x + 1) {
        p = std::copy(z, z + x + 1, p);
        *p++ = '.';
        p = std::copy(z + x + 1, z + n, p);
    } else {
        p = std::copy(z, z + n, p);
        p = std::fill_n(p, x + 1 - n, '0');
    }
    return p;
}

} // namespace

TJsonSchreiber::TJsonSchreiber(QByteArray& ziel) : m_ziel(&m_eigenes), m_aussen(true)
{
    const qsizetype alt = ziel.size();
    // the room the caller reserved, if any: growing it would copy it
    ziel.resize(ziel.capacity() >= alt + 512 ? ziel.capacity() : alt + 2048);
    m_eigenes = {&ziel, ziel.data() + alt, ziel.data() + ziel.size()};
    *platz(1) = '{';
    ++m_ziel->Stelle;
}

TJsonSchreiber::TJsonSchreiber(TZiel* ziel) : m_ziel(ziel), m_aussen(false)
{
    *platz(1) = '{';
    ++m_ziel->Stelle;
}

TJsonSchreiber::~TJsonSchreiber()
{
    abschneiden();
}

void TJsonSchreiber::abschneiden()
{
    if (m_aussen && m_eigenes.Bytes) {
        m_eigenes.Bytes->resize(m_eigenes.Stelle - m_eigenes.Bytes->data());
        m_eigenes.Bytes = nullptr;
    }
}

void TJsonSchreiber::wachsen(qsizetype n)
{
    QByteArray& b = *m_ziel->Bytes;
    const qsizetype stelle = m_ziel->Stelle - b.data();
    b.resize(std::max(2 * b.size(), stelle + n + 1024));
    m_ziel->Stelle = b.data() + stelle;
    m_ziel->Ende = b.data() + b.size();
}

void TJsonSchreiber::anhaengen(const char* daten, qsizetype n)
{
    std::memcpy(platz(n), daten, static_cast<size_t>(n));
    m_ziel->Stelle += n;
}

void TJsonSchreiber::kommazahl(double wert)
{
    char* p = platz(32);
    if (char* ende = KurzeZahl(wert, p)) {
        m_ziel->Stelle = ende;
        return;
    }
    const auto [ende, fehler] = std::to_chars(p, p + 32, wert);
    if (fehler == std::errc() && std::isfinite(wert))
        m_ziel->Stelle = ende;
    else
        anhaengen("null", 4);
}

void TJsonSchreiber::wahr(std::string_view key, bool wert)
{
    schluessel(key);
    if (wert)
        anhaengen("true", 4);
    else
        anhaengen("false", 5);
}

void TJsonSchreiber::null(std::string_view key)
{
    schluessel(key);
    anhaengen("null", 4);
}

void TJsonSchreiber::text(std::string_view key, const QString& wert)
{
    schluessel(key);
    const auto* zeichen = reinterpret_cast<const char16_t*>(wert.constData());
    const qsizetype n = wert.size();
    const qsizetype anfang = m_ziel->Stelle - m_ziel->Bytes->data();
    // UTF-8 takes at most three bytes per UTF-16 unit; an escape takes six, and
    // its room is made when one comes (a line's sentences have none)
    char* p = platz(3 * n + 2);
    *p++ = '"';
#ifdef __SSE2__
    const __m128i bisDel = _mm_set1_epi16(0x7F);
    const __m128i abLeer = _mm_set1_epi16(0x20);
    const __m128i anf = _mm_set1_epi16('"');
    const __m128i rueck = _mm_set1_epi16('\\');
#endif
    for (qsizetype i = 0; i < n;) {
#ifdef __SSE2__
        // Eight units at a time while they are printable ASCII without quote or
        // backslash, which is nearly all of the sentences; they are stored before
        // they are checked, the room is there.
        if (i + 8 <= n) {
            const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(zeichen + i));
            const __m128i anders =
                _mm_or_si128(_mm_or_si128(_mm_subs_epu16(v, bisDel), _mm_subs_epu16(abLeer, v)),
                             _mm_or_si128(_mm_cmpeq_epi16(v, anf), _mm_cmpeq_epi16(v, rueck)));
            const auto glatt = static_cast<unsigned>(
                _mm_movemask_epi8(_mm_cmpeq_epi16(anders, _mm_setzero_si128())));
            _mm_storel_epi64(reinterpret_cast<__m128i*>(p), _mm_packus_epi16(v, v));
            if (glatt == 0xFFFF) {
                p += 8;
                i += 8;
                continue;
            }
            const int vorher = std::countr_zero(~glatt) / 2; // plain units before the other one
            p += vorher;
            i += vorher;
        }
#endif
        const char16_t c = zeichen[i++];
        if (c >= 0xD800 && c < 0xE000) {
            // pairs and lone halves exactly as Qt encodes them: the text anew
            m_ziel->Stelle = m_ziel->Bytes->data() + anfang;
            textMitSurrogaten(wert);
            return;
        }
        if ((c < 0x20 || c == u'"' || c == u'\\') && m_ziel->Ende - p < 3 * (n - i) + 8) {
            m_ziel->Stelle = p;
            p = platz(3 * (n - i) + 8);
        }
        p = Einzeln(c, p);
    }
    *p++ = '"';
    m_ziel->Stelle = p;
}

void TJsonSchreiber::textMitSurrogaten(const QString& wert)
{
    const QByteArray utf8 = wert.toUtf8();
    char* p = platz(6 * utf8.size() + 2);
    *p++ = '"';
    for (const char c : utf8) {
        const auto u = static_cast<unsigned char>(c);
        if (u >= 0x20 && c != '"' && c != '\\') {
            *p++ = c;
            continue;
        }
        *p++ = '\\';
        switch (c) {
        case '"':
        case '\\':
            *p++ = c;
            break;
        case '\n':
            *p++ = 'n';
            break;
        case '\r':
            *p++ = 'r';
            break;
        default:
            p = std::copy_n("u00", 3, p);
            *p++ = Hex[u >> 4];
            *p++ = Hex[u & 15];
        }
    }
    *p++ = '"';
    m_ziel->Stelle = p;
}

TJsonSchreiber TJsonSchreiber::objekt(std::string_view key)
{
    schluessel(key);
    return TJsonSchreiber(m_ziel);
}

void TJsonSchreiber::schliessen()
{
    *platz(1) = '}';
    ++m_ziel->Stelle;
    abschneiden();
}

} // namespace Fermalin
