// Rules of printing that need no window: the engine version check, the preview
// window's place, the page geometry, the page range and the order of copies.
#pragma once

#include <QList>
#include <QRect>
#include <QRectF>
#include <QSize>
#include <QString>

#include <optional>

namespace Fermalin {

struct TBrowserVersion
{
    int Major = 0, Minor = 0, Build = 0, Revision = 0;
};

// Version 4 up to 4.70 with build 0 carries its build in the revision.
TBrowserVersion BrowserVersionNormalisieren(TBrowserVersion v);

enum class TVersionsPruefung
{
    Zu_alt,  // error message, no preview
    Warnung, // warning, then the preview
    Gut
};
TVersionsPruefung VersionPruefen(const TBrowserVersion& v);
QString VersionZuAltText();
QString VersionWarnungText();

// 850 wide, at least 550 high (else 90 % of the screen), centred at the top;
// halves round to even.
QRect VorschauGeometrie(QSize bildschirm);

// The print layout's rectangles in hundredths of an inch, from the page size
// and the printer's unprintable margins.
struct TSeitenGeometrie
{
    QRectF Seite;  // the whole page
    QRectF Kopf;   // logo header
    QRectF Inhalt; // the layout rectangle the report flows through
    QRectF Fuss;   // footer
};
struct TUnbedruckbar
{
    double Links = 0, Oben = 0, Rechts = 0, Unten = 0;
};
TSeitenGeometrie SeitenGeometrie(QSizeF seite, TUnbedruckbar rand);

// The left footer text and the right one ("Seite i von n").
QString FussLinks(const QString& veltoName, const QString& toolName, const QString& toolVersion);
QString FussRechts(int seite, int seiten);

// Which pages to print: the whole document, a range from..to (1-based) or the
// current page only (which prints nothing).
enum class TDruckAuswahl
{
    Alle,
    Bereich,
    AktuelleSeite
};
struct TDruckbereich
{
    QList<int> Seiten; // 1-based, in order
    QString Fehler;    // the alert; nothing is printed then
};
TDruckbereich Druckbereich(TDruckAuswahl auswahl, int von, int bis, int seitenzahl);

// With collation the range once per copy, without it every page as many times
// as there are copies, page after page.
QList<int> DruckReihenfolge(const QList<int>& seiten, int kopien, bool sortiert);

inline const QString DruckauftragName = QStringLiteral("Fermalin Ausdruck");

} // namespace Fermalin
