// Reading and writing the batch program's JSON Lines: the typed values of one
// input line with German messages, the household keys of "berechne", and a fast
// writer of one compact output object. Every batch command builds on these.
#pragma once

#include "StapelJson.h"
#include "StapelSchluessel.h"
#include "ZulagenDaten.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <optional>
#include <span>
#include <string_view>

namespace Fermalin {

// Reads one input line through the key table: the JSON, the keys of the
// command and each value against its row. The first refusal is the line's message.
class TLeser
{
public:
    TLeser(unsigned befehl, qint64 zeile) : m_befehl(befehl), m_zeile(zeile) {}

    // False when the line is refused; fehler() then says why.
    bool lesen(QByteArrayView zeile);
    // The same through the reference reader alone (the fast reader's check).
    bool referenzLesen(QByteArrayView zeile);

    bool fehlerhaft() const { return !m_fehler.isEmpty(); }
    const QString& fehler() const { return m_fehler; }
    // Keeps text, with the line number, unless the line was refused already.
    void melde(const QString& text);

    bool vorhanden(TSchluesselNr nr) const { return wert(nr).Vorhanden; }
    bool wahr(TSchluesselNr nr) const { return wert(nr).Zahl != 0; }
    int ganz(TSchluesselNr nr) const { return static_cast<int>(wert(nr).Zahl); }
    double zahl(TSchluesselNr nr) const { return wert(nr).Zahl; }
    // A key without a default: nothing when the line does not give it.
    std::optional<double> wahlfreieZahl(TSchluesselNr nr) const;
    const QString& text(TSchluesselNr nr) const { return wert(nr).Text; }
    // Auswahl: the index of the chosen text.
    int auswahl(TSchluesselNr nr) const { return ganz(nr); }
    std::span<const int> liste(TSchluesselNr nr) const;

private:
    struct TWert
    {
        bool Vorhanden = false;
        double Zahl = 0; // also a bool, a whole number, an index
        QString Text;
        std::array<int, MaxKinder> Liste{};
        int Anzahl = 0;
    };
    const TWert& wert(TSchluesselNr nr) const { return m_werte[static_cast<size_t>(nr)]; }
    bool auswerten(const TRohZeile& roh);
    void pruefen(const TSchluessel& s, const TRohZeile& roh);

    unsigned m_befehl;
    qint64 m_zeile;
    QString m_fehler;
    std::array<TWert, SchluesselAnzahl> m_werte;
};

// Writes one compact JSON object. Faster than building a QJsonObject for every
// line, which dominated the batch run; numbers in shortest round-trip form. Each
// key goes out with its value in one piece: appending byte by byte was the
// larger part of a batch run's time.
class TJsonSchreiber
{
public:
    explicit TJsonSchreiber(QByteArray& ziel) : m_ziel(ziel) { m_ziel += '{'; }

    void zahl(std::string_view key, double wert)
    {
        char puffer[128];
        char* p = schluessel(puffer, key);
        const auto [ende, fehler] = std::to_chars(p, puffer + sizeof puffer, wert);
        if (fehler == std::errc() && std::isfinite(wert))
            p = ende;
        else
            p = kopieren(p, "null");
        m_ziel.append(puffer, p - puffer);
    }
    void wahr(std::string_view key, bool wert)
    {
        char puffer[128];
        char* p = schluessel(puffer, key);
        p = kopieren(p, wert ? "true" : "false");
        m_ziel.append(puffer, p - puffer);
    }
    void text(std::string_view key, const QString& wert)
    {
        char puffer[128];
        char* p = schluessel(puffer, key);
        *p++ = '"';
        m_ziel.append(puffer, p - puffer);
        const QByteArray utf8 = wert.toUtf8();
        const char* lauf = utf8.constData();
        const char* ende = lauf + utf8.size();
        while (lauf < ende) {
            const char* anfang = lauf;
            while (lauf < ende && !maskieren(*lauf))
                ++lauf;
            m_ziel.append(anfang, lauf - anfang);
            if (lauf == ende)
                break;
            const char c = *lauf++;
            switch (c) {
            case '"':
                m_ziel.append("\\\"", 2);
                break;
            case '\\':
                m_ziel.append("\\\\", 2);
                break;
            case '\n':
                m_ziel.append("\\n", 2);
                break;
            case '\r':
                m_ziel.append("\\r", 2);
                break;
            default: {
                char u[8];
                std::snprintf(u, sizeof u, "\\u%04x",
                              static_cast<unsigned>(static_cast<unsigned char>(c)));
                m_ziel.append(u, 6);
            }
            }
        }
        m_ziel += '"';
    }
    void null(std::string_view key)
    {
        char puffer[128];
        char* p = schluessel(puffer, key);
        p = kopieren(p, "null");
        m_ziel.append(puffer, p - puffer);
    }
    TJsonSchreiber objekt(std::string_view key)
    {
        char puffer[128];
        char* p = schluessel(puffer, key);
        m_ziel.append(puffer, p - puffer);
        return TJsonSchreiber(m_ziel);
    }
    void schliessen() { m_ziel += '}'; }

private:
    static bool maskieren(char c)
    {
        return c == '"' || c == '\\' || static_cast<unsigned char>(c) < 0x20;
    }
    static char* kopieren(char* p, const char* text)
    {
        while (*text)
            *p++ = *text++;
        return p;
    }
    // ,"key": into puffer (128 bytes); a longer key goes out at once and leaves puffer empty.
    char* schluessel(char* puffer, std::string_view key)
    {
        char* p = puffer;
        if (m_erstes)
            m_erstes = false;
        else
            *p++ = ',';
        *p++ = '"';
        if (key.size() > 64) {
            m_ziel.append(puffer, p - puffer);
            m_ziel.append(key.data(), static_cast<qsizetype>(key.size()));
            p = puffer;
        } else {
            std::memcpy(p, key.data(), key.size());
            p += key.size();
        }
        *p++ = '"';
        *p++ = ':';
        return p;
    }

    QByteArray& m_ziel;
    bool m_erstes = true;
};

// {"Fehler": text}, compact, without line end.
QByteArray fehlerObjekt(const QString& text);

struct THaushaltEingabe
{
    TZulagenDaten Daten;
    int Verteilung = 0; // the offer page's distribution slider
};

// The household keys of a line read by l, as a record (not yet computed).
THaushaltEingabe HaushaltLesen(const TLeser& l);

// Computes the household as the input page does; the estimate's refusal is
// reported through l. False when the line is refused.
bool HaushaltBerechnen(TZulagenDaten& d, TLeser& l);

} // namespace Fermalin
