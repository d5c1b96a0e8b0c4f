#include "Tortenstuecke.h"

#include "FoerderParameter.h"
#include "MathUnit.h"
#include "Zahlformat.h"

namespace Fermalin {

QList<TTortenStueck> TortenStuecke(const TZulagenDaten& d)
{
    QList<TTortenStueck> stuecke;
    const QString suffix =
        d.Grundzulage1 < d.VolleGrundzulage1 ? QStringLiteral("\r(gekürzt!)") : QString();

    if (d.VolleGrundzulage2 > 0)
        stuecke.append({QStringLiteral("Grundzulagen%1:").arg(suffix),
                        d.Grundzulage1 + d.Grundzulage2, FarbeZulagen});
    else
        stuecke.append(
            {QStringLiteral("Grundzulage%1:").arg(suffix), d.Grundzulage1, FarbeZulagen});

    const double kinderzulagen = d.Kinderzulage1 + d.Kinderzulage2;
    if (d.Kinderzahl > 1)
        stuecke.append(
            {QStringLiteral("Kinderzulagen%1:").arg(suffix), kinderzulagen, FarbeZulagen});
    else if (d.VolleKinderzulage1 + d.VolleKinderzulage2 > 0)
        stuecke.append(
            {QStringLiteral("Kinderzulage%1:").arg(suffix), kinderzulagen, FarbeZulagen});

    if (d.Steuerersparnis >= 1)
        stuecke.append(
            {QStringLiteral("Steuerersparnis:"), d.Steuerersparnis, FarbeSteuerersparnis});

    stuecke.append({QStringLiteral("Eigenbeitrag:"), d.Eigenbeitrag, FarbeEigenbeitrag});

    // Compared in cents: a sum of cent amounts that lands a hair below the
    // maximum must not add an empty "0" slice.
    const double u =
        runden(2, d.AnzahlFoerderberechtigte * TFoerderParameter::Hoechstbetrag - d.Gesamtbeitrag);
    if (u > 0)
        stuecke.append({QStringLiteral("nicht ausgeschöpft:"), u, FarbeNichtAusgeschoepft});
    return stuecke;
}

QStringList TortenMarke(const TTortenStueck& stueck)
{
    QStringList zeilen = stueck.Beschriftung.split(QLatin1Char('\r'));
    zeilen.last() += QLatin1Char(' ') + FormatN(stueck.Wert, 0);
    return zeilen;
}

} // namespace Fermalin
