// Reading and writing the batch program's JSON Lines: typed values of one input
// object with German messages, the household keys of "berechne", and a fast
// writer of one compact output object. Every batch command builds on these.
#pragma once

#include "ZulagenDaten.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QJsonObject>
#include <QJsonValue>
#include <QLatin1String>
#include <QList>
#include <QString>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <optional>

namespace Fermalin {

// Reads the typed values of one input object; the first refusal is kept as the
// message of the line.
class TLeser
{
public:
    TLeser(const QJsonObject& o, qint64 zeile) : m_o(o), m_zeile(zeile) {}

    bool fehlerhaft() const { return !m_fehler.isEmpty(); }
    const QString& fehler() const { return m_fehler; }

    void melde(const QString& text)
    {
        if (m_fehler.isEmpty())
            m_fehler = m_zeile > 0 ? QStringLiteral("Zeile %1: %2").arg(m_zeile).arg(text) : text;
    }

    bool bool_(const QString& key, bool vorgabe)
    {
        const QJsonValue v = m_o.value(key);
        if (v.isUndefined())
            return vorgabe;
        if (!v.isBool()) {
            melde(QStringLiteral("\"%1\" muss true oder false sein.").arg(key));
            return vorgabe;
        }
        return v.toBool();
    }

    // A whole number within [min; max].
    int ganz(const QString& key, int vorgabe, int min, int max)
    {
        const QJsonValue v = m_o.value(key);
        if (v.isUndefined())
            return vorgabe;
        const std::optional<int> wert = ganzeZahl(v, min, max);
        if (!wert) {
            melde(QStringLiteral("\"%1\" muss eine ganze Zahl von %2 bis %3 sein.")
                      .arg(key)
                      .arg(min)
                      .arg(max));
            return vorgabe;
        }
        return *wert;
    }

    double zahl(const QString& key, double vorgabe, bool nichtNegativ)
    {
        const QJsonValue v = m_o.value(key);
        if (v.isUndefined())
            return vorgabe;
        if (!v.isDouble() || !std::isfinite(v.toDouble()) || (nichtNegativ && v.toDouble() < 0)) {
            melde(nichtNegativ
                      ? QStringLiteral("\"%1\" muss eine Zahl größer oder gleich 0 sein.").arg(key)
                      : QStringLiteral("\"%1\" muss eine Zahl sein.").arg(key));
            return vorgabe;
        }
        return v.toDouble();
    }

    bool vorhanden(const QString& key) const { return m_o.contains(key); }
    QJsonValue wert(const QString& key) const { return m_o.value(key); }

    static std::optional<int> ganzeZahl(const QJsonValue& v, int min, int max)
    {
        if (!v.isDouble())
            return std::nullopt;
        const double d = v.toDouble();
        if (!(d >= min && d <= max) || std::trunc(d) != d)
            return std::nullopt;
        return static_cast<int>(d);
    }

private:
    const QJsonObject& m_o;
    qint64 m_zeile;
    QString m_fehler;
};

// Writes one compact JSON object. Faster than building a QJsonObject for every
// line, which dominated the batch run; numbers in shortest round-trip form.
class TJsonSchreiber
{
public:
    explicit TJsonSchreiber(QByteArray& ziel) : m_ziel(ziel) { m_ziel += '{'; }

    void zahl(const char* key, double wert)
    {
        schluessel(key);
        char puffer[32];
        const auto [ende, fehler] = std::to_chars(puffer, puffer + sizeof puffer, wert);
        if (fehler == std::errc() && std::isfinite(wert))
            m_ziel.append(puffer, ende - puffer);
        else
            m_ziel += "null";
    }
    void wahr(const char* key, bool wert)
    {
        schluessel(key);
        m_ziel += wert ? "true" : "false";
    }
    void text(const char* key, const QString& wert)
    {
        schluessel(key);
        m_ziel += '"';
        for (const char c : wert.toUtf8()) {
            switch (c) {
            case '"':
                m_ziel += "\\\"";
                break;
            case '\\':
                m_ziel += "\\\\";
                break;
            case '\n':
                m_ziel += "\\n";
                break;
            case '\r':
                m_ziel += "\\r";
                break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    char u[8];
                    std::snprintf(u, sizeof u, "\\u%04x",
                                  static_cast<unsigned>(static_cast<unsigned char>(c)));
                    m_ziel += u;
                } else {
                    m_ziel += c;
                }
            }
        }
        m_ziel += '"';
    }
    void null(const char* key)
    {
        schluessel(key);
        m_ziel += "null";
    }
    TJsonSchreiber objekt(const char* key)
    {
        schluessel(key);
        return TJsonSchreiber(m_ziel);
    }
    void schliessen() { m_ziel += '}'; }

private:
    void schluessel(const char* key)
    {
        if (m_erstes)
            m_erstes = false;
        else
            m_ziel += ',';
        m_ziel += '"';
        m_ziel += key;
        m_ziel += "\":";
    }

    QByteArray& m_ziel;
    bool m_erstes = true;
};

// {"Fehler": text}, compact, without line end.
QByteArray fehlerObjekt(const QString& text);

// The line as one JSON object, or a German message naming the line number.
std::optional<QJsonObject> leseObjekt(QByteArrayView zeile, QString& fehler, qint64 nummer);

// Reports the first key of o that is not among erlaubt.
void unbekannteSchluessel(const QJsonObject& o, const QList<QLatin1String>& erlaubt, TLeser& leser);

// The keys of "berechne", which every household command accepts.
const QList<QLatin1String>& HaushaltSchluessel();

struct THaushaltEingabe
{
    TZulagenDaten Daten;
    int Verteilung = 0; // the offer page's distribution slider
};

// Reads the household keys of o into a record (not yet computed); a refusal is
// reported through l. Keys beyond weitere and the household keys are refused.
THaushaltEingabe HaushaltLesen(const QJsonObject& o, TLeser& l,
                               const QList<QLatin1String>& weitere = {});

} // namespace Fermalin
