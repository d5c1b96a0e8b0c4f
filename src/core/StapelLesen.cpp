#include "StapelLesen.h"

#include "EkSteuer.h"
#include "Zulagen.h"
#include "Zuschlaege.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

#include <algorithm>

namespace Fermalin {

namespace {

bool GanzeZahl(const TRohWert& r, double min, double max)
{
    return r.Typ == TRohWert::TTyp::Zahl && r.Zahl >= min && r.Zahl <= max &&
           std::trunc(r.Zahl) == r.Zahl;
}

// Characters as a reader counts them: a pair of surrogates is one.
qsizetype Zeichenzahl(const QString& text)
{
    qsizetype n = 0;
    for (const QChar c : text)
        n += c.isLowSurrogate() ? 0 : 1;
    return n;
}

} // namespace

void TLeser::melde(const QString& text)
{
    if (m_fehler.isEmpty())
        m_fehler = m_zeile > 0 ? QStringLiteral("Zeile %1: %2").arg(m_zeile).arg(text) : text;
}

bool TLeser::lesen(QByteArrayView zeile)
{
    thread_local TRohZeile roh;
    roh.leeren();
    if (!SchnellLesen(zeile, m_befehl, roh)) {
        roh.leeren();
        ReferenzLesen(zeile, m_befehl, roh);
    }
    return auswerten(roh);
}

bool TLeser::referenzLesen(QByteArrayView zeile)
{
    TRohZeile roh;
    ReferenzLesen(zeile, m_befehl, roh);
    return auswerten(roh);
}

std::optional<double> TLeser::wahlfreieZahl(TSchluesselNr nr) const
{
    if (!vorhanden(nr))
        return std::nullopt;
    return zahl(nr);
}

const QString& TLeser::text(TSchluesselNr nr) const
{
    static const QString leer;
    for (const auto& [n, t] : m_texte)
        if (n == nr)
            return t;
    return leer;
}

std::span<const int> TLeser::liste(TSchluesselNr nr) const
{
    const TWert& w = wert(nr);
    return std::span<const int>(w.Liste.data(), static_cast<size_t>(w.Anzahl));
}

bool TLeser::auswerten(const TRohZeile& roh)
{
    if (!roh.Meldung.isEmpty()) {
        melde(roh.Meldung);
        return false;
    }
    const std::span<const TSchluessel> tabelle = StapelSchluessel();
    if (roh.HatUnbekannt) {
        QStringList namen;
        for (const TSchluessel& s : tabelle)
            if (s.Befehle & m_befehl)
                namen << QLatin1String(s.Name);
        melde(QStringLiteral("unbekannter Schlüssel \"%1\"; erlaubt sind %2.")
                  .arg(roh.Unbekannt, namen.join(QStringLiteral(", "))));
    }
    // only "steuer" has keys a line must name
    static const unsigned mitPflicht = [&tabelle] {
        unsigned befehle = 0;
        for (const TSchluessel& s : tabelle)
            befehle |= s.Pflicht ? s.Befehle : 0;
        return befehle;
    }();
    for (const TSchluessel& s : (m_befehl & mitPflicht) ? tabelle : tabelle.first(0))
        if ((s.Befehle & m_befehl) && s.Pflicht &&
            roh.Werte[static_cast<size_t>(s.Nr)].Typ == TRohWert::TTyp::Fehlt)
            melde(QStringLiteral("\"%1\" fehlt.").arg(QLatin1String(s.Name)));
    for (const TSchluessel& s : tabelle) {
        if (!(s.Befehle & m_befehl))
            continue;
        // most keys of a line are missing: their default without the call
        const auto nr = static_cast<size_t>(s.Nr);
        if (roh.Werte[nr].Typ == TRohWert::TTyp::Fehlt)
            m_werte[nr].Zahl = s.Vorgabe;
        else
            pruefen(s, roh);
    }
    return !fehlerhaft();
}

void TLeser::pruefen(const TSchluessel& s, const TRohZeile& roh)
{
    using T = TRohWert::TTyp;
    const TRohWert& r = roh.Werte[static_cast<size_t>(s.Nr)];
    TWert& w = m_werte[static_cast<size_t>(s.Nr)];
    w.Zahl = s.Vorgabe;
    if (r.Typ == T::Fehlt)
        return;
    w.Vorhanden = true;
    // the name only for a message: QLatin1String counts its characters at once
    const auto name = [&s] { return QLatin1String(s.Name); };
    const auto bereichMelden = [&] {
        melde(QStringLiteral("\"%1\" muss %2 sein.").arg(name(), Bereich(s)));
    };
    bool gut = false;
    switch (s.Art) {
    case TSchluesselArt::Wahr:
        gut = r.Typ == T::Wahr;
        if (gut)
            w.Zahl = r.Wahr ? 1 : 0;
        else
            melde(QStringLiteral("\"%1\" muss true oder false sein.").arg(name()));
        break;
    case TSchluesselArt::Ganz:
        gut = GanzeZahl(r, s.Min, s.Max);
        if (gut)
            w.Zahl = r.Zahl;
        else
            bereichMelden();
        break;
    case TSchluesselArt::Zahl:
        gut = r.Typ == T::Zahl && r.Zahl >= s.Min && r.Zahl <= s.Max;
        if (gut)
            w.Zahl = r.Zahl;
        else
            bereichMelden();
        break;
    case TSchluesselArt::ZahlAusMenge:
        if (r.Typ != T::Zahl || !std::isfinite(r.Zahl)) {
            melde(QStringLiteral("\"%1\" muss eine Zahl sein.").arg(name()));
            break;
        }
        gut = std::find(s.Zahlen.begin(), s.Zahlen.end(), r.Zahl) != s.Zahlen.end();
        if (gut)
            w.Zahl = r.Zahl;
        else
            bereichMelden();
        break;
    case TSchluesselArt::Text:
        if (r.Typ != T::Text) {
            melde(QStringLiteral("\"%1\" muss eine Zeichenkette sein.").arg(name()));
            break;
        }
        gut = Zeichenzahl(r.Text) <= s.Max;
        if (gut)
            m_texte.emplace_back(s.Nr, r.Text);
        else
            melde(QStringLiteral("\"%1\" darf höchstens %2 Zeichen lang sein.")
                      .arg(name())
                      .arg(static_cast<qint64>(s.Max)));
        break;
    case TSchluesselArt::Auswahl:
        for (size_t i = 0; r.Typ == T::Text && i < s.Texte.size(); ++i)
            if (r.Text == QString::fromUtf8(s.Texte[i])) {
                gut = true;
                w.Zahl = static_cast<double>(i);
            }
        if (!gut)
            bereichMelden();
        break;
    case TSchluesselArt::GanzListe: {
        const int soll = s.GleichLangWie != TSchluesselNr::Anzahl
                             ? m_werte[static_cast<size_t>(s.GleichLangWie)].Anzahl
                             : -1;
        gut = r.Typ == T::Liste && r.Anzahl <= static_cast<std::uint32_t>(s.MaxAnzahl) &&
              r.Anzahl <= w.Liste.size() && r.Anzahl <= GemerkteEintraege &&
              (soll < 0 || r.Anzahl == static_cast<std::uint32_t>(soll));
        for (std::uint32_t i = 0; gut && i < r.Anzahl; ++i)
            gut = GanzeZahl(roh.Eintraege[r.Anfang + i], s.Min, s.Max);
        if (gut) {
            for (std::uint32_t i = 0; i < r.Anzahl; ++i)
                w.Liste[i] = static_cast<int>(roh.Eintraege[r.Anfang + i].Zahl);
            w.Anzahl = static_cast<int>(r.Anzahl);
        } else if (s.Meldung) {
            const QString text = QString::fromUtf8(s.Meldung);
            melde(soll >= 0 ? text.arg(soll) : text);
        } else {
            bereichMelden();
        }
        break;
    }
    }
    if (gut && s.Pruefen) {
        const QString meldung = s.Pruefen(*this);
        if (!meldung.isEmpty())
            melde(meldung);
    }
}

QByteArray fehlerObjekt(const QString& text)
{
    QJsonObject o;
    o.insert(QStringLiteral("Fehler"), text);
    return QJsonDocument(o).toJson(QJsonDocument::Compact);
}

THaushaltEingabe HaushaltLesen(const TLeser& l)
{
    using N = TSchluesselNr;
    THaushaltEingabe h;
    TZulagenDaten& d = h.Daten;
    d.Beitragsjahr = BeitragsjahrVon(l);
    d.Foerderrecht = FoerderrechtVon(l);
    d.Verheiratet = l.wahr(N::Verheiratet);
    d.Doppelverdiener = l.wahr(N::Doppelverdiener);
    d.Einkommen1 = l.ganz(N::Einkommen1);
    d.Einkommen2 = l.ganz(N::Einkommen2);
    d.EinkommenNR1 = l.zahl(N::EinkommenNR1);
    d.EinkommenNR2 = l.zahl(N::EinkommenNR2);
    const std::span<const int> jahre = l.liste(N::KindGebJahr);
    d.Kinderzahl = static_cast<int>(jahre.size());
    std::copy(jahre.begin(), jahre.end(), d.KindGebJahr.begin());
    const std::span<const int> personen = l.liste(N::KindPerson);
    std::copy(personen.begin(), personen.end(), d.KindPerson.begin());
    d.Berufseinsteiger1 = l.wahr(N::Berufseinsteiger1);
    d.Berufseinsteiger2 = l.wahr(N::Berufseinsteiger2);
    d.MinBeitrag = l.wahr(N::MinBeitrag);
    d.TarMindBtr = l.wahr(N::TarMindBtr);
    d.BeitragsPosition = l.ganz(N::BeitragsPosition);
    d.EigenbeitragVorgabe1 = l.wahlfreieZahl(N::Eigenbeitrag1).value_or(-1);
    d.EigenbeitragVorgabe2 = l.wahlfreieZahl(N::Eigenbeitrag2).value_or(-1);
    d.DeltazvE = l.zahl(N::DeltazvE);
    d.Soli = l.zahl(N::Soli);
    d.Bundesland = l.ganz(N::Bundesland);
    d.KiStSatz = KiStSatzFuer(d.Steuerjahr(), d.Bundesland);
    h.Verteilung = l.ganz(N::Verteilung);
    h.Vergleich = l.wahr(N::Vergleich);
    return h;
}

} // namespace Fermalin
