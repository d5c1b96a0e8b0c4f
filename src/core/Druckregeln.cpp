#include "Druckregeln.h"

#include <algorithm>
#include <cmath>

namespace Fermalin {

TBrowserVersion BrowserVersionNormalisieren(TBrowserVersion v)
{
    if (v.Major == 4 && v.Minor <= 70 && v.Build == 0) {
        v.Build = v.Revision;
        v.Revision = 0;
    }
    return v;
}

TVersionsPruefung VersionPruefen(const TBrowserVersion& v)
{
    if (v.Major < 5 || (v.Major == 5 && v.Minor < 50))
        return TVersionsPruefung::Zu_alt;
    if (v.Major < 6)
        return TVersionsPruefung::Warnung;
    return TVersionsPruefung::Gut;
}

QString VersionZuAltText()
{
    return QStringLiteral("Für die Druckfunktion muss mindestens der Internet Explorer 5.5\n"
                          "installiert sein; auf Ihrem Rechner ist nur eine ältere Version\n"
                          "installiert.");
}

QString VersionWarnungText()
{
    return QStringLiteral("Auf Ihrem System ist der Internet Explorer Version 5.5 installiert.\n"
                          "Für eine einwandfreie Druckausgabe empfehlen wir Ihnen die "
                          "Installation\nder Version 6.");
}

QRect VorschauGeometrie(QSize bildschirm)
{
    const auto gerade = [](double x) { return static_cast<int>(std::nearbyint(x)); };
    const int breite = 850;
    const int hoehe = std::max(550, gerade(bildschirm.height() * 0.9));
    return QRect(gerade((bildschirm.width() - breite) / 2.0), 0, breite, hoehe);
}

TSeitenGeometrie SeitenGeometrie(QSizeF seite, TUnbedruckbar r)
{
    const double l = 110 + r.Links;
    const double w = seite.width() - 110 - r.Links - r.Rechts - 60;
    const double hh = 90, fh = 80;
    TSeitenGeometrie g;
    g.Seite = QRectF(QPointF(0, 0), seite);
    // The header sits 5 pixels (5/96 inch) below the top edge in this variant.
    g.Kopf = QRectF(l, 500.0 / 96, 0.5 + w, hh);
    g.Inhalt = QRectF(l, r.Oben + hh, w, seite.height() - r.Oben - hh - r.Unten - fh);
    g.Fuss = QRectF(l, seite.height() - r.Unten - fh, w, fh);
    return g;
}

QString FussLinks(const QString& veltoName, const QString& toolName, const QString& toolVersion)
{
    return veltoName + QLatin1Char(' ') + toolName + QLatin1Char(' ') + toolVersion;
}

QString FussRechts(int seite, int seiten)
{
    return QStringLiteral("Seite %1 von %2").arg(seite).arg(seiten);
}

TDruckbereich Druckbereich(TDruckAuswahl auswahl, int von, int bis, int seitenzahl)
{
    TDruckbereich b;
    if (auswahl == TDruckAuswahl::AktuelleSeite)
        return b;
    if (auswahl == TDruckAuswahl::Alle) {
        von = 1;
        bis = seitenzahl;
    } else {
        if (von > bis) {
            b.Fehler = QStringLiteral("Fehler: Startseite ist größer als Endseite");
            return b;
        }
        if (von > seitenzahl) {
            b.Fehler = QStringLiteral("Fehler: Startseite ist größer als Seitenzahl.");
            return b;
        }
        bis = std::min(bis, seitenzahl);
        von = std::max(von, 1);
    }
    for (int i = von; i <= bis; ++i)
        b.Seiten.append(i);
    return b;
}

QList<int> DruckReihenfolge(const QList<int>& seiten, int kopien, bool sortiert)
{
    QList<int> aus;
    kopien = std::max(kopien, 1);
    if (sortiert) {
        for (int k = 0; k < kopien; ++k)
            aus += seiten;
    } else {
        for (const int s : seiten)
            for (int k = 0; k < kopien; ++k)
                aus.append(s);
    }
    return aus;
}

} // namespace Fermalin
