#include "StapelJson.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QJsonValue>
#include <QSet>

#include <simdjson.h>

#include <cfloat>
#include <cmath>
#include <optional>

namespace Fermalin {

namespace {

// A household line is a few hundred bytes; longer lines go to the reference
// reader, so the fast parser's buffers stay small.
constexpr size_t SchnellHoechstens = 64 * 1024;
// Household values nest two deep; deeper documents are refused or read by Qt.
constexpr size_t SchnellTiefe = 16;

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

using simdjson::dom::element;
using simdjson::dom::element_type;

// Qt refuses a decimal that underflows to zero and keeps -0 as 0; whether it
// keeps a subnormal is its own affair. Such numbers go to the reference reader.
bool GenaueZahl(double d)
{
    return std::isfinite(d) && std::fabs(d) >= DBL_MIN;
}

// Every number below e, which the fast reader does not keep, must still be one
// Qt reads alike.
bool NurGenaueZahlen(const element& e)
{
    switch (e.type()) {
    case element_type::DOUBLE:
        return GenaueZahl(e.get_double().value_unsafe());
    case element_type::ARRAY: {
        const simdjson::dom::array liste(e);
        for (const element x : liste)
            if (!NurGenaueZahlen(x))
                return false;
        return true;
    }
    case element_type::OBJECT: {
        const simdjson::dom::object objekt(e);
        for (const auto feld : objekt)
            if (!NurGenaueZahlen(feld.value))
                return false;
        return true;
    }
    default:
        return true;
    }
}

// A scalar's type and value; lists and objects by type only.
bool Einfach(const element& e, TRohWert& w)
{
    using T = TRohWert::TTyp;
    switch (e.type()) {
    case element_type::INT64:
        w.Typ = T::Zahl;
        w.Zahl = static_cast<double>(e.get_int64().value_unsafe());
        return true;
    case element_type::UINT64:
        w.Typ = T::Zahl;
        w.Zahl = static_cast<double>(e.get_uint64().value_unsafe());
        return true;
    case element_type::DOUBLE:
        w.Typ = T::Zahl;
        w.Zahl = e.get_double().value_unsafe();
        return GenaueZahl(w.Zahl);
    case element_type::BOOL:
        w.Typ = T::Wahr;
        w.Wahr = e.get_bool().value_unsafe();
        return true;
    case element_type::NULL_VALUE:
        w.Typ = T::Null;
        return true;
    case element_type::STRING:
        w.Typ = T::Text;
        return true;
    case element_type::ARRAY:
        w.Typ = T::Liste;
        return NurGenaueZahlen(e);
    case element_type::OBJECT:
        w.Typ = T::Objekt;
        return NurGenaueZahlen(e);
    }
    return false;
}

bool SchnellerWert(const element& e, TRohWert& w, TRohZeile& roh)
{
    if (!Einfach(e, w))
        return false;
    if (w.Typ == TRohWert::TTyp::Text) {
        const std::string_view t = e.get_string().value_unsafe();
        w.Text = QString::fromUtf8(t.data(), static_cast<qsizetype>(t.size()));
    } else if (w.Typ == TRohWert::TTyp::Liste) {
        w.Anfang = static_cast<std::uint32_t>(roh.Eintraege.size());
        const simdjson::dom::array liste(e);
        for (const element x : liste) {
            TRohWert eintrag;
            Einfach(x, eintrag);
            if (w.Anzahl++ < GemerkteEintraege)
                roh.Eintraege.push_back(eintrag);
        }
    }
    return true;
}

void QtEinfach(const QJsonValue& v, TRohWert& w)
{
    using T = TRohWert::TTyp;
    switch (v.type()) {
    case QJsonValue::Null:
        w.Typ = T::Null;
        break;
    case QJsonValue::Bool:
        w.Typ = T::Wahr;
        w.Wahr = v.toBool();
        break;
    case QJsonValue::Double:
        w.Typ = T::Zahl;
        w.Zahl = v.toDouble();
        break;
    case QJsonValue::String:
        w.Typ = T::Text;
        break;
    case QJsonValue::Array:
        w.Typ = T::Liste;
        break;
    case QJsonValue::Object:
        w.Typ = T::Objekt;
        break;
    case QJsonValue::Undefined:
        break;
    }
}

void QtWert(const QJsonValue& v, TRohWert& w, TRohZeile& roh)
{
    QtEinfach(v, w);
    if (w.Typ == TRohWert::TTyp::Text) {
        w.Text = v.toString();
    } else if (w.Typ == TRohWert::TTyp::Liste) {
        const QJsonArray a = v.toArray();
        w.Anfang = static_cast<std::uint32_t>(roh.Eintraege.size());
        for (qsizetype i = 0; i < a.size() && i < GemerkteEintraege; ++i) {
            TRohWert eintrag;
            QtEinfach(a.at(i), eintrag);
            roh.Eintraege.push_back(eintrag);
        }
        w.Anzahl = static_cast<std::uint32_t>(a.size());
    }
}

// Qt keeps the last of two equal keys without a word. The keys of the outer
// object as written: the first one written twice, if any. zeile is JSON that
// Qt read as an object of anzahl keys.
std::optional<QString> DoppelterSchluessel(QByteArrayView zeile, qsizetype anzahl)
{
    QList<QByteArrayView> schluessel;
    int tiefe = 0;
    bool schluesselFolgt = false;
    for (qsizetype i = 0; i < zeile.size(); ++i) {
        const char c = zeile[i];
        if (c == '"') {
            qsizetype j = i + 1;
            while (j < zeile.size() && zeile[j] != '"')
                j += zeile[j] == '\\' ? 2 : 1;
            if (tiefe == 1 && schluesselFolgt) {
                schluessel << zeile.sliced(i, std::min(j, zeile.size() - 1) - i + 1);
                schluesselFolgt = false;
            }
            i = j;
        } else if (c == '{' || c == '[') {
            ++tiefe;
            schluesselFolgt = tiefe == 1;
        } else if (c == '}' || c == ']') {
            if (--tiefe == 0)
                break;
        } else if (c == ',' && tiefe == 1) {
            schluesselFolgt = true;
        }
    }
    if (schluessel.size() <= anzahl)
        return std::nullopt;
    QSet<QString> gesehen;
    for (const QByteArrayView s : schluessel) {
        const QString name =
            QJsonDocument::fromJson('[' + s.toByteArray() + ']').array().at(0).toString();
        if (gesehen.contains(name))
            return name;
        gesehen.insert(name);
    }
    return std::nullopt;
}

} // namespace

void TRohZeile::leeren()
{
    for (TRohWert& w : Werte)
        if (w.Typ != TRohWert::TTyp::Fehlt)
            w = TRohWert();
    Eintraege.clear();
    Unbekannt.clear();
    HatUnbekannt = false;
    Meldung.clear();
}

bool SchnellLesen(QByteArrayView zeile, unsigned befehl, TRohZeile& roh)
{
    const size_t laenge = static_cast<size_t>(zeile.size());
    if (laenge > SchnellHoechstens)
        return false;
    struct TParser
    {
        simdjson::dom::parser parser{SchnellHoechstens};
        std::vector<char> puffer =
            std::vector<char>(SchnellHoechstens + simdjson::SIMDJSON_PADDING);
        bool bereit = parser.allocate(SchnellHoechstens, SchnellTiefe) == simdjson::SUCCESS;
    };
    thread_local TParser p;
    if (!p.bereit)
        return false;
    // the parser reads a little beyond the end: a padded copy
    std::copy(zeile.begin(), zeile.end(), p.puffer.begin());
    element doc;
    if (p.parser.parse(p.puffer.data(), laenge, false).get(doc) != simdjson::SUCCESS ||
        doc.type() != element_type::OBJECT)
        return false;
    const simdjson::dom::object objekt(doc);
    for (const auto feld : objekt) {
        const TSchluessel* s = SchluesselFuer(feld.key);
        if (!s || !(s->Befehle & befehl))
            return false;
        TRohWert& w = roh.Werte[static_cast<size_t>(s->Nr)];
        if (w.Typ != TRohWert::TTyp::Fehlt || !SchnellerWert(feld.value, w, roh))
            return false;
    }
    return true;
}

void ReferenzLesen(QByteArrayView zeile, unsigned befehl, TRohZeile& roh)
{
    QJsonParseError pe;
    const QJsonDocument doc = QJsonDocument::fromJson(zeile.toByteArray(), &pe);
    if (pe.error != QJsonParseError::NoError) {
        roh.Meldung = QStringLiteral("kein gültiges JSON (%1 bei Zeichen %2).")
                          .arg(ParserFehlerText(pe.error))
                          .arg(pe.offset + 1);
        return;
    }
    if (!doc.isObject()) {
        roh.Meldung = QStringLiteral("ein JSON-Objekt {...} wird erwartet.");
        return;
    }
    const QJsonObject o = doc.object();
    if (const std::optional<QString> doppelt = DoppelterSchluessel(zeile, o.size())) {
        roh.Meldung = QStringLiteral("doppelter Schlüssel \"%1\".").arg(*doppelt);
        return;
    }
    for (auto it = o.begin(); it != o.end(); ++it) {
        const QByteArray name = it.key().toUtf8();
        const TSchluessel* s = SchluesselFuer(std::string_view(name.constData(), name.size()));
        if (!s || !(s->Befehle & befehl)) {
            if (!roh.HatUnbekannt) {
                roh.HatUnbekannt = true;
                roh.Unbekannt = it.key();
            }
            continue;
        }
        QtWert(it.value(), roh.Werte[static_cast<size_t>(s->Nr)], roh);
    }
}

} // namespace Fermalin
