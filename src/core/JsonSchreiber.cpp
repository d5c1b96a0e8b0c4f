#include "JsonSchreiber.h"

#include <algorithm>
#include <charconv>
#include <cmath>
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

} // namespace

TJsonSchreiber::TJsonSchreiber(QByteArray& ziel) : m_ziel(&m_eigenes), m_aussen(true)
{
    const qsizetype alt = ziel.size();
    ziel.resize(std::max(ziel.capacity(), alt + 2048));
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
    const QChar* zeichen = wert.constData();
    const qsizetype n = wert.size();
    // UTF-8 takes at most three bytes per UTF-16 unit, an escape six
    char* p = platz(6 * n + 2);
    *p++ = '"';
    const bool mitSurrogaten =
        std::any_of(zeichen, zeichen + n, [](QChar c) { return c.isSurrogate(); });
    if (mitSurrogaten) {
        // pairs and lone halves exactly as Qt encodes them
        m_ziel->Stelle = p;
        const QByteArray utf8 = wert.toUtf8();
        p = platz(6 * utf8.size() + 2);
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
    } else {
#ifdef __SSE2__
        // Eight units at a time where they are printable ASCII without quote or
        // backslash, which is nearly all of the sentences.
        const __m128i bisDel = _mm_set1_epi16(0x7F);
        const __m128i abLeer = _mm_set1_epi16(0x20);
        const __m128i anf = _mm_set1_epi16('"');
        const __m128i rueck = _mm_set1_epi16('\\');
#endif
        for (qsizetype i = 0; i < n;) {
#ifdef __SSE2__
            if (i + 8 <= n) {
                const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(zeichen + i));
                const __m128i anders =
                    _mm_or_si128(_mm_or_si128(_mm_subs_epu16(v, bisDel), _mm_subs_epu16(abLeer, v)),
                                 _mm_or_si128(_mm_cmpeq_epi16(v, anf), _mm_cmpeq_epi16(v, rueck)));
                if (_mm_movemask_epi8(_mm_cmpeq_epi16(anders, _mm_setzero_si128())) == 0xFFFF) {
                    _mm_storel_epi64(reinterpret_cast<__m128i*>(p), _mm_packus_epi16(v, v));
                    p += 8;
                    i += 8;
                    continue;
                }
            }
#endif
            p = Einzeln(zeichen[i++].unicode(), p);
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
