#include "StapelLesen.h"

#include "EkSteuer.h"
#include "FoerderParameter.h"
#include "Zulagen.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QStringList>

namespace Fermalin {

namespace {

// The parser's own texts are English; the messages are German throughout.
QString ParserFehlerText(QJsonParseError::ParseError fehler)
{
    switch (fehler) {
    case QJsonParseError::UnterminatedObject:
        return QStringLiteral("Objekt nicht abgeschlossen");
    case QJsonParseError::MissingNameSeparator:
        return QStringLiteral("Doppelpunkt nach dem Schlüssel fehlt");
    case QJsonParseError::UnterminatedArray:
        return QStringLiteral("Liste nicht abgeschlossen");
    case QJsonParseError::MissingValueSeparator:
        return QStringLiteral("Komma zwischen den Werten fehlt");
    case QJsonParseError::IllegalValue:
        return QStringLiteral("unzulässiger Wert");
    case QJsonParseError::TerminationByNumber:
        return QStringLiteral("Eingabe endet mitten in einer Zahl");
    case QJsonParseError::IllegalNumber:
        return QStringLiteral("unzulässige Zahl");
    case QJsonParseError::IllegalEscapeSequence:
        return QStringLiteral("unzulässige Escape-Folge");
    case QJsonParseError::IllegalUTF8String:
        return QStringLiteral("ungültiges UTF-8");
    case QJsonParseError::UnterminatedString:
        return QStringLiteral("Zeichenkette nicht abgeschlossen");
    case QJsonParseError::MissingObject:
        return QStringLiteral("Objekt erwartet");
    case QJsonParseError::DeepNesting:
        return QStringLiteral("zu tief verschachtelt");
    case QJsonParseError::DocumentTooLarge:
        return QStringLiteral("Zeile zu groß");
    case QJsonParseError::GarbageAtEnd:
        return QStringLiteral("überzählige Zeichen am Ende");
    case QJsonParseError::NoError:
        break;
    }
    return QStringLiteral("unbekannter Fehler");
}

} // namespace

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
                               .arg(ParserFehlerText(pe.error))
                               .arg(pe.offset + 1);
        return std::nullopt;
    }
    if (!doc.isObject()) {
        fehler = vorsatz + QStringLiteral("ein JSON-Objekt {...} wird erwartet.");
        return std::nullopt;
    }
    return doc.object();
}

void unbekannteSchluessel(const QJsonObject& o, const QList<QLatin1String>& erlaubt, TLeser& leser)
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

const QList<QLatin1String>& HaushaltSchluessel()
{
    static const QList<QLatin1String> schluessel = {QLatin1String("Verheiratet"),
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
    return schluessel;
}

THaushaltEingabe HaushaltLesen(const QJsonObject& o, TLeser& l, const QList<QLatin1String>& weitere)
{
    unbekannteSchluessel(o, HaushaltSchluessel() + weitere, l);

    THaushaltEingabe h;
    TZulagenDaten& d = h.Daten;
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
    h.Verteilung = l.ganz(QStringLiteral("Verteilung"), 0, 0, 50);
    return h;
}

} // namespace Fermalin
