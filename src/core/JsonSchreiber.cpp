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

// The shortest form of a number as std::to_chars writes it (the fewest digits
// that read back as the number, of those the nearest), found in whole numbers
// without a division, the slowest step of the batch writer before. First with
// p decimals, where p is as large as keeps the multiples of 10^-p further apart
// than the doubles near the number: such a multiple that reads back is then the
// only decimal that does with so few digits. Nearly every amount, rate and share
// is one. Else the shortest has p + 1 or p + 2 decimals, and of those the nearest
// reads back if any does, as the doubles on either side are equally far away.
// Where they are not (a power of two), at a tie between two nearest ones and for
// what the table does not cover: nullptr, and std::to_chars writes it.
using u128 = unsigned __int128;
constexpr int KleinsterExponent = -20; // 2^-20: 10^p stays below 2^74
constexpr int GroessterExponent = 51;  // 2^52: p would be negative

struct TDezimalen
{
    std::array<std::int8_t, GroessterExponent - KleinsterExponent + 1> p{};
    std::array<u128, 23> zehner{};
    constexpr TDezimalen()
    {
        zehner[0] = 1;
        for (size_t i = 1; i < zehner.size(); ++i)
            zehner[i] = zehner[i - 1] * 10;
        for (int e = KleinsterExponent; e <= GroessterExponent; ++e) {
            // the doubles from 2^e to 2^(e+1) lie 2^(e-52) apart: 10^p < 2^(52-e)
            const u128 abstand = static_cast<u128>(1) << (52 - e);
            std::int8_t n = 0;
            while (zehner[static_cast<size_t>(n) + 1] < abstand)
                ++n;
            p[static_cast<size_t>(e - KleinsterExponent)] = n;
        }
    }
};
constexpr TDezimalen Dezimalen;

// The number of decimal digits of z > 0.
int Stellenzahl(std::uint64_t z)
{
    const int t = (std::bit_width(z) * 1233) >> 12; // × log10(2)
    return t + 1 -
           (z < static_cast<std::uint64_t>(Dezimalen.zehner[static_cast<size_t>(t)]) ? 1 : 0);
}

// The n digits of z at p, two at a time from the end, the last eight and the
// rest as two chains the processor runs side by side; p + n is returned.
char* Ziffern(char* p, std::uint64_t z, int n)
{
    static constexpr char Paare[] = "00010203040506070809101112131415161718192021222324"
                                    "25262728293031323334353637383940414243444546474849"
                                    "50515253545556575859606162636465666768697071727374"
                                    "75767778798081828384858687888990919293949596979899";
    char* const schluss = p + n;
    char* ende = schluss;
    const auto paar = [](char* q, std::uint64_t zwei) { std::memcpy(q, Paare + 2 * zwei, 2); };
    if (n > 8) {
        auto unten = static_cast<std::uint32_t>(z % 100000000);
        z /= 100000000;
        for (int i = 0; i < 4; ++i) {
            paar(ende - 2 - 2 * i, unten % 100);
            unten /= 100;
        }
        ende -= 8;
        n -= 8;
    }
    for (; n >= 2; n -= 2) {
        ende -= 2;
        paar(ende, z % 100);
        z /= 100;
    }
    if (n == 1)
        *--ende = static_cast<char>('0' + z);
    return schluss;
}

char* KurzeZahl(double wert, char* p)
{
    const auto bits = std::bit_cast<std::uint64_t>(wert) & ~(std::uint64_t{1} << 63);
    const int e = static_cast<int>(bits >> 52) - 1023;
    if (e < KleinsterExponent || e > GroessterExponent)
        return nullptr; // zero, subnormal, not finite too
    constexpr std::uint64_t Eins = std::uint64_t{1} << 52;
    const std::uint64_t m = (bits & (Eins - 1)) | Eins;
    const int s = 52 - e; // |wert| = m / 2^s
    const int kurz = Dezimalen.p[static_cast<size_t>(e - KleinsterExponent)];
    const u128 halb = static_cast<u128>(1) << (s - 1);
    int stellen = kurz;
    std::uint64_t ziffern = 0;
    for (;; ++stellen) {
        const u128 zehner = Dezimalen.zehner[static_cast<size_t>(stellen)];
        // |wert| × 10^stellen × 2^s exactly, and the whole number nearest to |wert| × 10^stellen
        const u128 genau = m * zehner;
        const u128 ganz = genau >> s;
        const u128 rest = genau - (ganz << s);
        if (stellen > kurz && rest == halb)
            return nullptr;
        ziffern = static_cast<std::uint64_t>(ganz) + (rest >= halb ? 1 : 0);
        const u128 zurueck = static_cast<u128>(ziffern) << s;
        const bool darunter = zurueck < genau;
        const u128 abstand = darunter ? genau - zurueck : zurueck - genau;
        // It reads back as wert within half the gap to the neighbouring doubles, a
        // tie to the even one; below a power of two the gap is half as wide.
        const u128 halbeLuecke = darunter && m == Eins ? 4 * abstand : 2 * abstand;
        if (ziffern != 0 && (halbeLuecke < zehner || (halbeLuecke == zehner && (m & 1) == 0)))
            break;
        if (m == Eins || stellen == kurz + 2 || stellen == 22)
            return nullptr;
    }
    // trailing zeros only with kurz decimals, below 2^53: at most 15; constant
    // divisors are multiplications
    int nullen = 0;
    if (ziffern % 100000000 == 0) {
        ziffern /= 100000000;
        nullen += 8;
    }
    if (ziffern % 10000 == 0) {
        ziffern /= 10000;
        nullen += 4;
    }
    if (ziffern % 100 == 0) {
        ziffern /= 100;
        nullen += 2;
    }
    if (ziffern % 10 == 0) {
        ziffern /= 10;
        nullen += 1;
    }
    const int n = Stellenzahl(ziffern);
    static constexpr char Nullen[16] = {'0', '0', '0', '0', '0', '0', '0', '0',
                                        '0', '0', '0', '0', '0', '0', '0', '0'};
    // value = d[0].d[1..] × 10^x for the n digits d
    const int x = n - 1 + nullen - stellen;
    // as printf's %e and %f would write these digits; the shorter wins, fixed on a tie
    const int wissenschaftlich = n + (n > 1 ? 1 : 0) + 4; // e±XX: |x| < 100 here
    const int fest = x >= 0 ? (n > x + 1 ? n + 1 : x + 1) : n + 1 - x;
    *p = '-';
    p += wert < 0 ? 1 : 0;
    if (wissenschaftlich < fest) {
        // the digits one place on, the first moved before the point
        Ziffern(p + 1, ziffern, n);
        p[0] = p[1];
        p[1] = '.';
        p += n > 1 ? n + 1 : 1;
        *p++ = 'e';
        *p++ = x < 0 ? '-' : '+';
        const int a = x < 0 ? -x : x;
        *p++ = static_cast<char>('0' + a / 10);
        *p++ = static_cast<char>('0' + a % 10);
    } else if (x < 0) {
        *p++ = '0';
        *p++ = '.';
        std::memcpy(p, Nullen, 8); // x >= -7 here
        p += -x - 1;
        p = Ziffern(p, ziffern, n);
    } else if (n > x + 1) {
        // the digits one place on, those before the point moved back
        Ziffern(p + 1, ziffern, n);
        for (int i = 0; i <= x; ++i)
            p[i] = p[i + 1];
        p[x + 1] = '.';
        p += n + 1;
    } else {
        p = Ziffern(p, ziffern, n);
        std::memcpy(p, Nullen, 16);
        p += x + 1 - n;
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
    char* p = platz(48);
    // Amounts in cents first, most numbers of a line: the multiples of 0.01 lie
    // far apart there, so one that reads back as wert is its shortest form, and
    // the fixed form is the shorter one.
    const double betrag = std::fabs(wert);
    if (betrag < 2147483648.0) {
        const auto cent = static_cast<std::uint64_t>(betrag * 100 + 0.5);
        if (cent % 100 != 0 && static_cast<double>(cent) / 100 == betrag) {
            *p = '-';
            p += wert < 0 ? 1 : 0;
            const std::uint64_t euro = cent / 100;
            p = Ziffern(p, euro, euro == 0 ? 1 : Stellenzahl(euro));
            *p++ = '.';
            *p++ = static_cast<char>('0' + cent % 100 / 10);
            *p = static_cast<char>('0' + cent % 10);
            p += cent % 10 != 0 ? 1 : 0;
            m_ziel->Stelle = p;
            return;
        }
    }
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
    zeichenkette(wert);
}

void TJsonSchreiber::textListe(std::string_view key, const QStringList& werte)
{
    schluessel(key);
    anhaengen("[", 1);
    for (qsizetype i = 0; i < werte.size(); ++i) {
        if (i > 0)
            anhaengen(",", 1);
        zeichenkette(werte.at(i));
    }
    anhaengen("]", 1);
}

void TJsonSchreiber::zeichenkette(const QString& wert)
{
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
