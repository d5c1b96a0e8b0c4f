#include "Uebergabedatei.h"

#include "DateiErsetzen.h"
#include "IniDatei.h"
#include "MathUnit.h"

#include <algorithm>

namespace Fermalin {

namespace {

// Amounts go over as whole cents; halves to even.
QString cent(double euro)
{
    return QString::number(static_cast<qint64>(rundeGerade(euro * 100)));
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
    z << QStringLiteral("[Typ]")
      << QStringLiteral("Klassik=") + QString::number(static_cast<int>(klassik))
      << QStringLiteral("Euro=1") << QString() << QStringLiteral("[Daten]");
    z << QStringLiteral("Typ=") + QString::number(eigenerVertrag ? 1 : (zweite ? 3 : 2));
    if (!zweite)
        z << QStringLiteral("Einkommen=") + cent(d.Einkommen1);
    else if (d.Verheiratet && d.Doppelverdiener)
        z << QStringLiteral("Einkommen=") + cent(d.Einkommen2);
    const int kinder = std::clamp(d.Kinderzahl, 0, MaxKinder);
    z << QStringLiteral("Kinder=") + QString::number(kinder);
    for (int i = 0; i < kinder; ++i) {
        const auto k = static_cast<size_t>(i);
        const bool fuerPerson2 = d.KindPerson[k] == 2;
        const QString nr = QString::number(i + 1);
        z << QStringLiteral("Geburtsjahr") + nr + QLatin1Char('=') +
                 QString::number(d.KindGebJahr[k]);
        z << QStringLiteral("Kind") + nr +
                 (fuerPerson2 == zweite ? QStringLiteral("=1") : QStringLiteral("=0"));
    }
    int ebTyp = 1;
    if (d.MinBeitrag)
        ebTyp = 2;
    else if (d.BeitragsPosition == d.BeitragsMax && eigenerVertrag)
        ebTyp = 3;
    z << QStringLiteral("EB_Typ=") + QString::number(ebTyp);
    if (ebTyp == 1)
        z << QStringLiteral("Eigenbeitrag=") + cent(zweite ? d.Eigenbeitrag2 : d.Eigenbeitrag1);
    // The year and rule set of the case. Every file before them was one of 2010,
    // so a 2010 file stays as it always was and a file without them means 2010.
    if (d.Steuerjahr() != ErstesBeitragsjahr)
        z << QStringLiteral("Beitragsjahr=") + QString::number(d.Steuerjahr())
          << QStringLiteral("Foerderrecht=") +
                 QLatin1String(FoerderrechtText(AngewandtesFoerderrecht(d)));
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
