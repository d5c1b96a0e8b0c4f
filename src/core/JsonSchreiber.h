// Writes one compact JSON object, for the batch program's answers.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <charconv>
#include <cmath>
#include <cstring>
#include <string_view>

namespace Fermalin {

// Faster than building a QJsonObject for every line, which dominated the batch
// run; numbers in shortest round-trip form. The object is written straight into
// the target's storage: appending piece by piece through QByteArray took more
// time than the computation of the household. An object from objekt() writes
// into the same target and is closed before the one it belongs to.
class TJsonSchreiber
{
public:
    explicit TJsonSchreiber(QByteArray& ziel);
    TJsonSchreiber(const TJsonSchreiber&) = delete;
    TJsonSchreiber& operator=(const TJsonSchreiber&) = delete;
    // The target keeps what was written, even without schliessen().
    ~TJsonSchreiber();

    void zahl(std::string_view key, double wert)
    {
        schluessel(key);
        // Most amounts are whole euros: as an integer in a fifth of the time. Below
        // 100 000 the shortest form of a whole number is the plain one (from there
        // it may be "1e+05"); -0 keeps its sign.
        if (std::fabs(wert) < 100000 && std::trunc(wert) == wert &&
            !(wert == 0 && std::signbit(wert))) {
            char* p = platz(8);
            m_ziel->Stelle = std::to_chars(p, p + 8, static_cast<int>(wert)).ptr;
        } else {
            kommazahl(wert);
        }
    }
    void wahr(std::string_view key, bool wert);
    void text(std::string_view key, const QString& wert);
    // a text of printable ASCII without quotes or backslashes, as it stands
    void ascii(std::string_view key, std::string_view wert)
    {
        schluessel(key);
        const auto n = static_cast<qsizetype>(wert.size());
        char* p = platz(n + 2);
        *p++ = '"';
        std::memcpy(p, wert.data(), wert.size());
        p += n;
        *p++ = '"';
        m_ziel->Stelle = p;
    }
    void textListe(std::string_view key, const QStringList& werte);
    void null(std::string_view key);
    TJsonSchreiber objekt(std::string_view key);
    void schliessen();

private:
    struct TZiel
    {
        QByteArray* Bytes;
        char* Stelle;
        char* Ende;
    };
    explicit TJsonSchreiber(TZiel* ziel);

    // room for n more bytes at the writing position
    char* platz(qsizetype n)
    {
        if (m_ziel->Ende - m_ziel->Stelle < n)
            wachsen(n);
        return m_ziel->Stelle;
    }
    void wachsen(qsizetype n);
    void anhaengen(const char* daten, qsizetype n);
    // ,"key": — inline, so that the copy of a literal key is a few moves
    void schluessel(std::string_view key)
    {
        const auto n = static_cast<qsizetype>(key.size());
        char* p = platz(n + 4);
        *p = ',';
        p += m_erstes ? 0 : 1;
        m_erstes = false;
        *p++ = '"';
        std::memcpy(p, key.data(), key.size());
        p += n;
        *p++ = '"';
        *p++ = ':';
        m_ziel->Stelle = p;
    }
    void kommazahl(double wert);
    void zeichenkette(const QString& wert);
    void textMitSurrogaten(const QString& wert);
    void abschneiden();

    TZiel m_eigenes{};
    TZiel* m_ziel;
    bool m_erstes = true;
    bool m_aussen;
};

} // namespace Fermalin
