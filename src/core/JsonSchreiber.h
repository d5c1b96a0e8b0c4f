// Writes one compact JSON object, for the batch program's answers.
#pragma once

#include <QByteArray>
#include <QString>

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

    void zahl(std::string_view key, double wert);
    void wahr(std::string_view key, bool wert);
    void text(std::string_view key, const QString& wert);
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
    void schluessel(std::string_view key);
    void abschneiden();

    TZiel m_eigenes{};
    TZiel* m_ziel;
    bool m_erstes = true;
    bool m_aussen;
};

} // namespace Fermalin
