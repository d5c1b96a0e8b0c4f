// The household's pie: a tilted disc with a visible rim, one slice per entry in
// the given order, each with a mark "label value" beside it. Paints into any
// QPainter at any size, so the chart page, the report picture and the batch
// program share one drawing and none needs a window.
#pragma once

#include "Tortenstuecke.h"

#include <QImage>
#include <QList>
#include <QPainterPath>
#include <QRectF>
#include <QSize>

class QPainter;

namespace Fermalin {

// The pie's radii from the chart's width alone: 2w/7 across and 2w/8 in depth,
// truncated to whole pixels.
QSize TortenRadien(int breite);

// Where the pie and its marks go in an area.
struct TTortenAnordnung
{
    QRectF Deckel;    // the upper face of the disc
    double Tiefe = 0; // height of the rim below it
    double Schriftpixel = 0;
    QPainterPath Koerper; // face and rim together
    QList<QRectF> Marken; // one per slice, in slice order
    QList<QPointF> Anker; // where each mark's leader line meets the pie
    bool Passt = false;   // everything lies inside the area without overlaps
};

// The layout TorteZeichnen uses. The disc keeps the radii of TortenRadien where
// the area has room; where the marks need it the disc and then the font get
// smaller, so that marks never overlap each other or the pie and never leave
// the area.
TTortenAnordnung TorteAnordnen(const QRectF& flaeche, const QList<TTortenStueck>& stuecke,
                               double schriftFaktor = 1.0);

// schriftFaktor scales the marks' font (1.0: the design size).
void TorteZeichnen(QPainter& maler, const QRectF& flaeche, const QList<TTortenStueck>& stuecke,
                   double schriftFaktor = 1.0);

// The pie on white in a picture of the given size.
QImage TortenBild(const QList<TTortenStueck>& stuecke, const QSize& groesse,
                  double schriftFaktor = 1.0);

// The report's picture of a chart shown at bildschirm, its marks' font at
// schriftFaktor, as the chart would look stretched to ziel: drawn at ziel's
// size with the font scaled alike, which gives the stretched look at a
// fraction of the cost of drawing large and averaging down.
QImage TortenBerichtsbild(const QList<TTortenStueck>& stuecke, const QSize& bildschirm,
                          double schriftFaktor, const QSize& ziel);

// A new 24-bit picture of the rectangle's size holding the whole source
// stretched with area averaging, placed at the rectangle's top left.
QImage BitmapSkalieren(const QImage& quelle, const QRect& rechteck);

// The report's picture of a chart of this size at creation: 87 % of it,
// halves to even, whatever size the chart has now.
QSize GrafikBildGroesse(const QSize& chartStartgroesse);

// Writes the picture stretched to `ziel` as a 24-bit BMP file. The file is
// replaced in one step: a reader sees the old picture or the new one, never a
// part. Whatever stands at pfad (a planted link too) is replaced, never written
// through. False when the file cannot be written or pfad is empty; an existing
// file then stays.
bool GrafikBildSchreiben(const QString& pfad, const QImage& bild, const QSize& ziel);

} // namespace Fermalin
