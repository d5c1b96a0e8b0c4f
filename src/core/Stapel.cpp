#include "Stapel.h"

#include "Aufteilung.h"
#include "EkSteuer.h"
#include "Zulagen.h"
#include "ZulagenDaten.h"

#include <QIODevice>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QJsonValue>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <optional>

namespace Fermalin {

namespace {

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

QByteArray fehlerObjekt(const QString& text)
{
    QJsonObject o;
    o.insert(QStringLiteral("Fehler"), text);
    return QJsonDocument(o).toJson(QJsonDocument::Compact);
}

std::optional<QJsonObject> leseObjekt(QByteArrayView zeile, QString& fehler, qint64 nummer)
{
    QJsonParseError pe;
    const QJsonDocument doc = QJsonDocument::fromJson(zeile.toByteArray(), &pe);
    const QString vorsatz = nummer > 0 ? QStringLiteral("Zeile %1: ").arg(nummer) : QString();
    if (pe.error != QJsonParseError::NoError) {
        fehler = vorsatz + QStringLiteral("kein gültiges JSON (%1 bei Zeichen %2).")
                               .arg(pe.errorString())
                               .arg(pe.offset + 1);
        return std::nullopt;
    }
    if (!doc.isObject()) {
        fehler = vorsatz + QStringLiteral("ein JSON-Objekt {...} wird erwartet.");
        return std::nullopt;
    }
    return doc.object();
}

template <size_t N>
void unbekannteSchluessel(const QJsonObject& o, const QLatin1String (&erlaubt)[N], TLeser& leser)
{
    for (auto it = o.begin(); it != o.end(); ++it) {
        const QString key = it.key();
        bool bekannt = false;
        for (const QLatin1String& e : erlaubt)
            if (key == e) {
                bekannt = true;
                break;
            }
        if (!bekannt) {
            QStringList namen;
            for (const QLatin1String& e : erlaubt)
                namen << e;
            leser.melde(QStringLiteral("unbekannter Schlüssel \"%1\"; erlaubt sind %2.")
                            .arg(it.key(), namen.join(QStringLiteral(", "))));
            return;
        }
    }
}

void aufteilungSchreiben(TJsonSchreiber& w, const TZulagenDaten& d, bool fuerAngebot,
                         int verteilung)
{
    TAufteilungsVorgabe v;
    v.Familienstand = FamilienstandVon(d);
    v.MinBeitrag = d.MinBeitrag;
    v.TarMindBtr = d.TarMindBtr;
    v.Position = verteilung;
    v.fuerAngebot = fuerAngebot;
    const TAufteilung a = EigenbeitragAufteilen(d, v);
    w.zahl("Eigenbeitrag1", a.Eigenbeitrag1);
    w.zahl("Eigenbeitrag2", a.Eigenbeitrag2);
    w.zahl("Eigenbeitrag", a.Eigenbeitrag);
    w.text("Info", a.Info);
    w.wahr("Schieberegler", a.Schieberegler);
    if (a.Schieberegler)
        w.text("Hinweis", a.Hinweis);
    else
        w.null("Hinweis");
    w.schliessen();
}

} // namespace

QByteArray BerechneZeile(QByteArrayView zeile, bool& fehler, qint64 nummer)
{
    fehler = true;
    QString meldung;
    const std::optional<QJsonObject> obj = leseObjekt(zeile, meldung, nummer);
    if (!obj)
        return fehlerObjekt(meldung);

    TLeser l(*obj, nummer);
    static const QLatin1String schluessel[] = {QLatin1String("Verheiratet"),
                                               QLatin1String("Doppelverdiener"),
                                               QLatin1String("Einkommen1"),
                                               QLatin1String("Einkommen2"),
                                               QLatin1String("EinkommenNR1"),
                                               QLatin1String("EinkommenNR2"),
                                               QLatin1String("KindGebJahr"),
                                               QLatin1String("KindPerson"),
                                               QLatin1String("MinBeitrag"),
                                               QLatin1String("TarMindBtr"),
                                               QLatin1String("BeitragsPosition"),
                                               QLatin1String("DeltazvE"),
                                               QLatin1String("Soli"),
                                               QLatin1String("Bundesland"),
                                               QLatin1String("Verteilung")};
    unbekannteSchluessel(*obj, schluessel, l);

    TZulagenDaten d;
    d.Verheiratet = l.bool_(QStringLiteral("Verheiratet"), false);
    d.Doppelverdiener = l.bool_(QStringLiteral("Doppelverdiener"), false);
    d.Einkommen1 = l.ganz(QStringLiteral("Einkommen1"), 0, 0, 999999);
    d.Einkommen2 = l.ganz(QStringLiteral("Einkommen2"), 0, 0, 999999);
    d.EinkommenNR1 = l.zahl(QStringLiteral("EinkommenNR1"), 0, true);
    d.EinkommenNR2 = l.zahl(QStringLiteral("EinkommenNR2"), 0, true);

    const QJsonValue gj = l.wert(QStringLiteral("KindGebJahr"));
    if (!gj.isUndefined()) {
        const QJsonArray a = gj.toArray();
        bool gut = gj.isArray() && a.size() <= MaxKinder;
        for (qsizetype i = 0; gut && i < a.size(); ++i) {
            const auto jahr = TLeser::ganzeZahl(a.at(i), 0, 9999);
            gut = jahr.has_value();
            if (gut)
                d.KindGebJahr[static_cast<size_t>(i)] = *jahr;
        }
        if (gut)
            d.Kinderzahl = static_cast<int>(a.size());
        else
            l.melde(QStringLiteral("\"KindGebJahr\" muss eine Liste von 0 bis 9 Geburtsjahren "
                                   "(ganze Zahlen von 0 bis 9999) sein."));
    }
    const QJsonValue kp = l.wert(QStringLiteral("KindPerson"));
    if (!kp.isUndefined()) {
        const QJsonArray a = kp.toArray();
        bool gut = kp.isArray() && a.size() == d.Kinderzahl;
        for (qsizetype i = 0; gut && i < a.size(); ++i) {
            const auto person = TLeser::ganzeZahl(a.at(i), 1, 2);
            gut = person.has_value();
            if (gut)
                d.KindPerson[static_cast<size_t>(i)] = *person;
        }
        if (!gut)
            l.melde(QStringLiteral("\"KindPerson\" muss eine Liste aus 1 und 2 sein, so lang wie "
                                   "\"KindGebJahr\" (%1 Einträge).")
                        .arg(d.Kinderzahl));
    }
    d.MinBeitrag = l.bool_(QStringLiteral("MinBeitrag"), true);
    d.TarMindBtr = l.bool_(QStringLiteral("TarMindBtr"), true);
    d.BeitragsPosition = l.ganz(QStringLiteral("BeitragsPosition"), 0, 0, d.BeitragsMax);
    d.DeltazvE = l.zahl(QStringLiteral("DeltazvE"), 0, false);
    d.Soli = l.zahl(QStringLiteral("Soli"), 0, false);
    if (d.Soli != 0 && d.Soli != 0.055)
        l.melde(QStringLiteral("\"Soli\" muss 0 oder 0.055 sein."));
    d.Bundesland = l.ganz(QStringLiteral("Bundesland"), -1, -1, 15);
    d.KiStSatz = KiStSatzFuer(d.Bundesland);
    const int verteilung = l.ganz(QStringLiteral("Verteilung"), 0, 0, 50);
    if (l.fehlerhaft())
        return fehlerObjekt(l.fehler());

    try {
        BerechneHaushalt(d);
    } catch (const EVorsorgeFehler& e) {
        l.melde(QString::fromUtf8(e.what()));
        return fehlerObjekt(l.fehler());
    }

    QByteArray aus;
    aus.reserve(1600);
    TJsonSchreiber o(aus);
    o.zahl("VolleGrundzulage1", d.VolleGrundzulage1);
    o.zahl("VolleGrundzulage2", d.VolleGrundzulage2);
    o.zahl("VolleKinderzulage1", d.VolleKinderzulage1);
    o.zahl("VolleKinderzulage2", d.VolleKinderzulage2);
    o.zahl("Mindesteigenbeitrag1", d.Mindesteigenbeitrag1);
    o.zahl("Mindesteigenbeitrag2", d.Mindesteigenbeitrag2);
    o.zahl("TarifMindestbeitrag1", d.TarifMindestbeitrag1);
    o.zahl("TarifMindestbeitrag2", d.TarifMindestbeitrag2);
    o.zahl("PositionVolleZulagen", d.PositionVolleZulagen);
    o.zahl("PositionTarMindBtr", d.PositionTarMindBtr);
    o.zahl("Grundzulage1", d.Grundzulage1);
    o.zahl("Grundzulage2", d.Grundzulage2);
    o.zahl("Kinderzulage1", d.Kinderzulage1);
    o.zahl("Kinderzulage2", d.Kinderzulage2);
    o.zahl("Eigenbeitrag", d.Eigenbeitrag);
    o.zahl("Gesamtbeitrag", d.Gesamtbeitrag);
    o.zahl("zvE", d.zvE);
    o.zahl("Steuerersparnis", d.Steuerersparnis);
    o.zahl("Foerderquote", d.Foerderquote);
    o.zahl("AnzahlFoerderberechtigte", d.AnzahlFoerderberechtigte);
    o.zahl("Einkommen2", d.Einkommen2);
    o.zahl("BeitragsPosition", d.BeitragsPosition);
    o.zahl("KiStSatz", d.KiStSatz);
    TJsonSchreiber aufteilung = o.objekt("Aufteilung");
    TJsonSchreiber bericht = aufteilung.objekt("Bericht");
    aufteilungSchreiben(bericht, d, false, verteilung);
    TJsonSchreiber angebot = aufteilung.objekt("Angebot");
    aufteilungSchreiben(angebot, d, true, verteilung);
    aufteilung.schliessen();
    o.schliessen();
    fehler = false;
    return aus;
}

QByteArray SteuerZeile(QByteArrayView zeile, bool& fehler, qint64 nummer)
{
    fehler = true;
    QString meldung;
    const std::optional<QJsonObject> obj = leseObjekt(zeile, meldung, nummer);
    if (!obj)
        return fehlerObjekt(meldung);
    TLeser l(*obj, nummer);
    static const QLatin1String schluessel[] = {QLatin1String("Jahr"), QLatin1String("Tabelle"),
                                               QLatin1String("zvE"), QLatin1String("Abzug")};
    unbekannteSchluessel(*obj, schluessel, l);
    for (const char* pflicht : {"Jahr", "Tabelle", "zvE"})
        if (!l.vorhanden(QLatin1String(pflicht)))
            l.melde(QStringLiteral("\"%1\" fehlt.").arg(QLatin1String(pflicht)));
    const int jahr = l.ganz(QStringLiteral("Jahr"), 2010, 2001, 9999);
    const int tabelle = l.ganz(QStringLiteral("Tabelle"), 1, 0, 2);
    const double zvE = l.zahl(QStringLiteral("zvE"), 0, false);
    const bool mitAbzug = l.vorhanden(QStringLiteral("Abzug"));
    const double abzug = l.zahl(QStringLiteral("Abzug"), 0, false);
    if (l.fehlerhaft())
        return fehlerObjekt(l.fehler());

    const auto tab = static_cast<TTabelle>(tabelle);
    QByteArray aus;
    TJsonSchreiber o(aus);
    o.zahl("Einkommensteuer", Einkommensteuer(jahr, tab, zvE));
    if (mitAbzug)
        o.zahl("Steuerminderung", Steuerminderung(tab, jahr, zvE, abzug, 0));
    o.schliessen();
    fehler = false;
    return aus;
}

int StapelLaufen(TStapelArt art, QIODevice& ein, QIODevice& aus)
{
    bool irgendeinFehler = false;
    qint64 nummer = 0;
    QByteArray ausgabe;
    while (!ein.atEnd()) {
        QByteArray zeile = ein.readLine();
        ++nummer;
        if (zeile.trimmed().isEmpty())
            continue;
        bool fehler = false;
        ausgabe += art == TStapelArt::Berechne ? BerechneZeile(zeile, fehler, nummer)
                                               : SteuerZeile(zeile, fehler, nummer);
        ausgabe += '\n';
        irgendeinFehler = irgendeinFehler || fehler;
        if (ausgabe.size() > (1 << 16)) {
            aus.write(ausgabe);
            ausgabe.clear();
        }
    }
    aus.write(ausgabe);
    return irgendeinFehler ? 1 : 0;
}

QString StapelHilfe()
{
    return QStringLiteral(
               "Aufruf: fermalin-cli berechne [DATEI]\n"
               "        fermalin-cli steuer [DATEI]\n"
               "        fermalin-cli --help\n"
               "\n"
               "Liest JSON Lines (ein JSON-Objekt je Zeile) aus DATEI oder, ohne DATEI, von der\n"
               "Standardeingabe und schreibt je Eingabezeile ein JSON-Objekt auf die "
               "Standardausgabe.\n"
               "Leerzeilen werden übersprungen.\n"
               "\n"
               "berechne: Zulagen, Mindest- und Eigenbeitrag, Steuerersparnis und Förderquote "
               "eines\n"
               "Haushalts (Einkommen %1, Steuerjahr %2). Schlüssel, alle wahlfrei (Vorgabe):\n"
               "  Verheiratet, Doppelverdiener   true/false (false)\n"
               "  Einkommen1, Einkommen2         ganze Euro 0 bis 999999 (0)\n"
               "  EinkommenNR1, EinkommenNR2     nicht rentenversicherungspflichtiges Einkommen >= "
               "0 (0)\n"
               "  KindGebJahr                    Liste der Geburtsjahre, 0 bis 9 Kinder ([])\n"
               "  KindPerson                     Liste aus 1 und 2, so lang wie KindGebJahr (alle "
               "1)\n"
               "  MinBeitrag, TarMindBtr         true/false (true)\n"
               "  BeitragsPosition               Schieberegler Gesamtbeitrag 0 bis 50 (0)\n"
               "  DeltazvE                       Korrektur des geschätzten zvE in Euro (0)\n"
               "  Soli                           0 oder 0.055 (0)\n"
               "  Bundesland                     -1 (keine Kirchensteuer) bis 15 (-1)\n"
               "  Verteilung                     Schieberegler Aufteilung 0 bis 50 (0)\n"
               "Ausgabe: alle Ergebnisfelder, dazu \"Aufteilung\" mit \"Bericht\" und "
               "\"Angebot\".\n"
               "\n"
               "steuer: Einkommensteuer nach Paragraf 32a EStG. Schlüssel: \"Jahr\" (ab 2001),\n"
               "\"Tabelle\" (0 unbekannt, 1 Grundtabelle, 2 Splittingtabelle), \"zvE\" in Euro "
               "und\n"
               "wahlfrei \"Abzug\" in Euro; Ausgabe \"Einkommensteuer\" und mit Abzug "
               "\"Steuerminderung\".\n"
               "\n"
               "Eine fehlerhafte Zeile ergibt {\"Fehler\": \"...\"}; die übrigen Zeilen werden\n"
               "trotzdem berechnet. Rückgabewert: 0 ohne Fehler, 1 wenn eine Zeile fehlerhaft "
               "war,\n"
               "2 bei falschem Aufruf oder unlesbarer Datei.\n")
        .arg(TFoerderParameter::Einkommensjahr)
        .arg(TFoerderParameter::Steuerjahr);
}

} // namespace Fermalin
