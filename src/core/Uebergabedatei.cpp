#include "Uebergabedatei.h"

#include "DateiErsetzen.h"
#include "IniDatei.h"
#include "MathUnit.h"

#include <algorithm>

namespace Fermalin {

namespace {

// "Name=number" in one allocation; the file has a dozen such lines per person.
QString zeile(QStringView name, qint64 zahl)
{
    char16_t ziffern[24];
    char16_t* const ende = ziffern + std::size(ziffern);
    char16_t* p = ende;
    const bool negativ = zahl < 0;
    auto rest = negativ ? 0 - static_cast<quint64>(zahl) : static_cast<quint64>(zahl);
    do {
        *--p = static_cast<char16_t>(u'0' + rest % 10);
        rest /= 10;
    } while (rest != 0);
    if (negativ)
        *--p = u'-';
    QString z(name.size() + 1 + (ende - p), Qt::Uninitialized);
    QChar* q = z.data();
    std::copy(name.begin(), name.end(), q);
    q += name.size();
    *q++ = u'=';
    std::copy(p, ende, reinterpret_cast<char16_t*>(q));
    return z;
}

// Amounts go over as whole cents; halves to even.
qint64 cent(double euro)
{
    return static_cast<qint64>(rundeGerade(euro * 100));
}

} // namespace

QStringList UebergabeZeilen(const TZulagenDaten& d, int person, TKlassik klassik)
{
    const bool zweite = person == 2;
    // Single persons and two earners hand over an ordinary contract; for a
    // one-earner couple the second contract is the spouse's, indirectly entitled.
    const bool eigenerVertrag = !d.Verheiratet || d.Doppelverdiener;
    QStringList z;
    z.reserve(12 + 2 * MaxKinder);
    z << QStringLiteral("[Typ]") << zeile(u"Klassik", static_cast<int>(klassik))
      << QStringLiteral("Euro=1") << QString() << QStringLiteral("[Daten]");
    z << zeile(u"Typ", eigenerVertrag ? 1 : (zweite ? 3 : 2));
    if (!zweite)
        z << zeile(u"Einkommen", cent(d.Einkommen1));
    else if (d.Verheiratet && d.Doppelverdiener)
        z << zeile(u"Einkommen", cent(d.Einkommen2));
    const int kinder = std::clamp(d.Kinderzahl, 0, MaxKinder);
    z << zeile(u"Kinder", kinder);
    static const QString Geburtsjahr[MaxKinder] = {
        QStringLiteral("Geburtsjahr1"), QStringLiteral("Geburtsjahr2"),
        QStringLiteral("Geburtsjahr3"), QStringLiteral("Geburtsjahr4"),
        QStringLiteral("Geburtsjahr5"), QStringLiteral("Geburtsjahr6"),
        QStringLiteral("Geburtsjahr7"), QStringLiteral("Geburtsjahr8"),
        QStringLiteral("Geburtsjahr9")};
    static const QString Kind[MaxKinder][2] = {
        {QStringLiteral("Kind1=0"), QStringLiteral("Kind1=1")},
        {QStringLiteral("Kind2=0"), QStringLiteral("Kind2=1")},
        {QStringLiteral("Kind3=0"), QStringLiteral("Kind3=1")},
        {QStringLiteral("Kind4=0"), QStringLiteral("Kind4=1")},
        {QStringLiteral("Kind5=0"), QStringLiteral("Kind5=1")},
        {QStringLiteral("Kind6=0"), QStringLiteral("Kind6=1")},
        {QStringLiteral("Kind7=0"), QStringLiteral("Kind7=1")},
        {QStringLiteral("Kind8=0"), QStringLiteral("Kind8=1")},
        {QStringLiteral("Kind9=0"), QStringLiteral("Kind9=1")}};
    for (int i = 0; i < kinder; ++i) {
        const auto k = static_cast<size_t>(i);
        const bool fuerPerson2 = d.KindPerson[k] == 2;
        z << zeile(Geburtsjahr[k], d.KindGebJahr[k]);
        z << Kind[k][fuerPerson2 == zweite ? 1 : 0];
    }
    // given contributions are handed over as they are, whatever the minimum mode
    // and the slider say
    int ebTyp = 1;
    if (d.EigenbeitraegeVorgegeben())
        ebTyp = 1;
    else if (d.MinBeitrag)
        ebTyp = 2;
    else if (d.BeitragsPosition == d.BeitragsMax && eigenerVertrag)
        ebTyp = 3;
    z << zeile(u"EB_Typ", ebTyp);
    if (ebTyp == 1)
        z << zeile(u"Eigenbeitrag", cent(zweite ? d.Eigenbeitrag2 : d.Eigenbeitrag1));
    // The year and rule set of the case. Every file before them was one of 2010,
    // so a 2010 file stays as it always was and a file without them means 2010.
    if (d.Steuerjahr() != ErstesBeitragsjahr) {
        static const QString Rechte[2] = {QStringLiteral("Foerderrecht=bisher"),
                                          QStringLiteral("Foerderrecht=neu")};
        z << zeile(u"Beitragsjahr", d.Steuerjahr())
          << Rechte[AngewandtesFoerderrecht(d) == TFoerderrecht::Neu ? 1 : 0];
    }
    return z;
}

QByteArray UebergabeBytes(const QStringList& zeilen)
{
    QByteArray bytes;
    for (const QString& zeile : zeilen) {
        bytes += Windows1252Codieren(zeile);
        bytes += "\r\n";
    }
    return bytes;
}

bool UebergabeSchreiben(const QString& pfad, const QStringList& zeilen, QString* fehler)
{
    // Never in place: the offer program must not read a half-written file.
    QString grund;
    const bool ok = DateiErsetzen(pfad, UebergabeBytes(zeilen), false, &grund);
    if (!ok && fehler)
        *fehler = QStringLiteral("Ein-/Ausgabefehler: Die Übergabedatei %1 kann nicht geschrieben "
                                 "werden (%2).")
                      .arg(pfad, grund);
    return ok;
}

} // namespace Fermalin
