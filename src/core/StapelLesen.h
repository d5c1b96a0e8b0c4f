// Reading and writing the batch program's JSON Lines: the typed values of one
// input line with German messages, the household keys of "berechne", and a fast
// writer of one compact output object. Every batch command builds on these.
#pragma once

#include "JsonSchreiber.h"
#include "StapelJson.h"
#include "StapelSchluessel.h"
#include "ZulagenDaten.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <array>
#include <optional>
#include <span>
#include <utility>
#include <vector>

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
    const QString& text(TSchluesselNr nr) const;
    // Auswahl: the index of the chosen text.
    int auswahl(TSchluesselNr nr) const { return ganz(nr); }
    std::span<const int> liste(TSchluesselNr nr) const;

private:
    // Small and without a QString: a reader per line set all of them to zero
    // and destroyed them again, which cost more than some of the computation.
    struct TWert
    {
        double Zahl = 0; // also a bool, a whole number, an index
        int Anzahl = 0;  // the entries of Liste that are set
        bool Vorhanden = false;
        std::array<int, MaxKinder> Liste;
    };
    const TWert& wert(TSchluesselNr nr) const { return m_werte[static_cast<size_t>(nr)]; }
    bool auswerten(const TRohZeile& roh);
    void pruefen(const TSchluessel& s, const TRohZeile& roh);

    unsigned m_befehl;
    qint64 m_zeile;
    QString m_fehler;
    std::array<TWert, SchluesselAnzahl> m_werte;
    std::vector<std::pair<TSchluesselNr, QString>> m_texte; // of the Text keys given
};

// {"Fehler": text}, compact, without line end.
QByteArray fehlerObjekt(const QString& text);

struct THaushaltEingabe
{
    TZulagenDaten Daten;
    int Verteilung = 0;     // the offer page's distribution slider
    bool Vergleich = false; // both rule sets side by side (from 2027)
};

// The household keys of a line read by l, as a record (not yet computed).
THaushaltEingabe HaushaltLesen(const TLeser& l);

} // namespace Fermalin
