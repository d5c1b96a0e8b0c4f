#include "JsonSchreiber.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>

namespace Fermalin {

namespace {

constexpr char Hex[] = "0123456789abcdef";

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

void TJsonSchreiber::schluessel(std::string_view key)
{
    const qsizetype n = static_cast<qsizetype>(key.size());
    char* p = platz(n + 4);
    if (m_erstes)
        m_erstes = false;
    else
        *p++ = ',';
    *p++ = '"';
    std::memcpy(p, key.data(), key.size());
    p += n;
    *p++ = '"';
    *p++ = ':';
    m_ziel->Stelle = p;
}

void TJsonSchreiber::zahl(std::string_view key, double wert)
{
    schluessel(key);
    char* p = platz(32);
    // Most amounts are whole euros: as an integer in a fifth of the time. Below
    // 100 000 the shortest form of a whole number is the plain one (from there it
    // may be "1e+05"); -0 keeps its sign.
    if (std::fabs(wert) < 100000 && std::trunc(wert) == wert &&
        !(wert == 0 && std::signbit(wert))) {
        m_ziel->Stelle = std::to_chars(p, p + 32, static_cast<int>(wert)).ptr;
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
        for (qsizetype i = 0; i < n; ++i) {
            const char16_t c = zeichen[i].unicode();
            if (c >= 0x80) {
                if (c < 0x800) {
                    *p++ = static_cast<char>(0xC0 | (c >> 6));
                } else {
                    *p++ = static_cast<char>(0xE0 | (c >> 12));
                    *p++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
                }
                *p++ = static_cast<char>(0x80 | (c & 0x3F));
            } else if (c >= 0x20 && c != u'"' && c != u'\\') {
                *p++ = static_cast<char>(c);
            } else {
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
            }
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
