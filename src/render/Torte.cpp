#include "Torte.h"

#include "DateiErsetzen.h"
#include "MathUnit.h"

#include <QBrush>
#include <QBuffer>
#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPaintEngine>
#include <QPainter>
#include <QRadialGradient>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace Fermalin {

namespace {

// The disc is seen from above at a slant: its depth radius shows foreshortened,
// and the rim is 30 % of the visible depth radius high.
constexpr double Neigung = 0.6;
constexpr double Randanteil = 0.3;
constexpr double Grundschrift = 11; // pixels at the design size
constexpr double Abstand = 6;       // between pie and marks
constexpr double Zeilenabstand = 2; // between two marks
constexpr double Polster = 1;       // around a mark's text
constexpr double Mitte = 3;         // marks of both sides keep apart from the middle

QColor farbe(quint32 rgb)
{
    return QColor::fromRgb(rgb);
}

QFont markenSchrift(double pixel)
{
    QFont f;
    f.setFamilies({QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Liberation Sans"),
                   QStringLiteral("Arial")});
    f.setPixelSize(std::max(1, static_cast<int>(std::lround(pixel))));
    return f;
}

struct TScheibe
{
    double cx, cy, rx, ry, tiefe;

    QRectF deckel() const { return {cx - rx, cy - ry, 2 * rx, 2 * ry}; }
    QRectF boden() const { return deckel().translated(0, tiefe); }
    // the outermost visible point at an angle (degrees, counter-clockwise from
    // three o'clock): on the face above the middle, on the rim's lower edge below
    QPointF rand(double grad) const
    {
        const double b = grad * std::numbers::pi / 180;
        const double s = std::sin(b);
        return {cx + rx * std::cos(b), cy - ry * s + (s < 0 ? tiefe : 0)};
    }
    // half the width of the pie widened by `abstand`, at height y
    double halbeBreite(double y, double abstand) const
    {
        double dy = 0;
        if (y < cy)
            dy = cy - y;
        else if (y > cy + tiefe)
            dy = y - cy - tiefe;
        const double r = ry + abstand;
        if (dy >= r)
            return 0;
        return (rx + abstand) * std::sqrt(1 - (dy / r) * (dy / r));
    }
    // the widest the pie is between y0 and y1
    double halbeBreite(double y0, double y1, double abstand) const
    {
        if (y1 < cy)
            return halbeBreite(y1, abstand);
        if (y0 > cy + tiefe)
            return halbeBreite(y0, abstand);
        return halbeBreite(std::max(y0, cy), abstand);
    }
    QPainterPath koerper() const
    {
        QPainterPath p;
        p.addEllipse(deckel());
        p.addEllipse(boden());
        p.addRect(QRectF(cx - rx, cy, 2 * rx, tiefe));
        return p.simplified();
    }
};

struct TMarke
{
    QStringList zeilen;
    double mitte = 0; // angle of the slice's middle
    QSizeF groesse;
};

// The light on the face: white towards a spot up left, a touch of shade at the
// rim, nothing outside the ellipse. Kept per size, since the gradient is the
// costly part of the drawing.
QImage glanz(const QSizeF& groesse, qreal dpr)
{
    thread_local QImage bild;
    const QSize pixel = (groesse * dpr).toSize();
    if (bild.isNull() || bild.size() != pixel || bild.devicePixelRatio() != dpr) {
        bild = QImage(pixel, QImage::Format_ARGB32_Premultiplied);
        bild.fill(Qt::transparent);
        if (!pixel.isEmpty()) {
            QPainter p(&bild);
            p.setRenderHint(QPainter::Antialiasing);
            const double r = pixel.width() / 2.0;
            QRadialGradient verlauf(QPointF(0, 0), r, QPointF(-0.35 * r, -0.45 * r));
            verlauf.setColorAt(0, QColor(255, 255, 255, 120));
            verlauf.setColorAt(0.75, QColor(255, 255, 255, 20));
            verlauf.setColorAt(1, QColor(0, 0, 0, 20));
            QBrush pinsel(verlauf);
            pinsel.setTransform(QTransform::fromTranslate(r, pixel.height() / 2.0)
                                    .scale(1, pixel.height() / (2 * r)));
            p.setPen(Qt::NoPen);
            p.setBrush(pinsel);
            p.drawEllipse(QRectF(QPointF(0, 0), QSizeF(pixel)));
        }
        bild.setDevicePixelRatio(dpr);
    }
    return bild;
}

// The slices' angles: start and sweep in degrees, counter-clockwise from three
// o'clock; negative values count as nothing.
QList<std::pair<double, double>> winkel(const QList<TTortenStueck>& stuecke)
{
    double summe = 0;
    for (const TTortenStueck& s : stuecke)
        summe += std::max(0.0, s.Wert);
    QList<std::pair<double, double>> w;
    double start = 0;
    for (const TTortenStueck& s : stuecke) {
        const double spanne = summe > 0 ? 360 * std::max(0.0, s.Wert) / summe : 0;
        w.append({start, spanne});
        start += spanne;
    }
    return w;
}

// One attempt: disc scaled by `s`, font of `pixel`. Fills `a` and says whether
// everything fits.
bool anordnen(const QRectF& fl, const QList<TMarke>& marken, double s, double pixel,
              TTortenAnordnung& a)
{
    const QSize r = TortenRadien(static_cast<int>(fl.width()));
    // A flat, wide area limits the disc by its height.
    const double hoehe = r.height() * Neigung * (2 + Randanteil);
    if (hoehe > fl.height())
        s *= fl.height() / hoehe;
    TScheibe sch{0, 0, r.width() * s, r.height() * s * Neigung, 0};
    sch.tiefe = Randanteil * sch.ry;
    sch.cx = fl.center().x();
    sch.cy = fl.center().y() - sch.tiefe / 2;
    bool passt = 2 * sch.ry + sch.tiefe <= fl.height() && 2 * sch.rx <= fl.width();

    a.Marken.clear();
    a.Anker.clear();
    QList<QRectF> kaesten(marken.size());

    // Each side from top to bottom: wanted heights first, then pushed apart
    // downwards and, where the bottom is passed, back upwards.
    for (const bool rechts : {true, false}) {
        QList<int> seite;
        QList<double> oben(marken.size());
        for (int i = 0; i < marken.size(); ++i) {
            const double b = marken[i].mitte * std::numbers::pi / 180;
            if ((std::cos(b) >= -1e-9) != rechts)
                continue;
            const double sn = std::sin(b);
            const double h = marken[i].groesse.height();
            const double weg = sch.ry + Abstand + h / 2;
            oben[i] = (sn >= 0 ? sch.cy - weg * sn : sch.cy + sch.tiefe - weg * sn) - h / 2;
            seite.append(i);
        }
        std::stable_sort(seite.begin(), seite.end(),
                         [&](int x, int y) { return oben[x] < oben[y]; });
        double unten = fl.top();
        for (int i : seite) {
            oben[i] = std::max(oben[i], unten);
            unten = oben[i] + marken[i].groesse.height() + Zeilenabstand;
        }
        double grenze = fl.bottom();
        for (auto it = seite.rbegin(); it != seite.rend(); ++it) {
            const int i = *it;
            oben[i] = std::min(oben[i], grenze - marken[i].groesse.height());
            grenze = oben[i] - Zeilenabstand;
        }
        if (!seite.isEmpty() && oben[seite.first()] < fl.top() - 1e-9)
            passt = false;
        for (int i : seite) {
            const QSizeF g = marken[i].groesse;
            const double x =
                std::max(Mitte, sch.halbeBreite(oben[i], oben[i] + g.height(), Abstand));
            kaesten[i] = rechts ? QRectF(sch.cx + x, oben[i], g.width(), g.height())
                                : QRectF(sch.cx - x - g.width(), oben[i], g.width(), g.height());
        }
    }

    // Shift the whole picture sideways when one side's marks stick out and the
    // other side has room.
    double rechtsFehlt = -1e9, linksFehlt = -1e9;
    for (const QRectF& k : kaesten) {
        if (k.center().x() >= sch.cx)
            rechtsFehlt = std::max(rechtsFehlt, k.right() - fl.right());
        else
            linksFehlt = std::max(linksFehlt, fl.left() - k.left());
    }
    rechtsFehlt = std::max(rechtsFehlt, sch.rx - (fl.right() - sch.cx));
    linksFehlt = std::max(linksFehlt, sch.rx - (sch.cx - fl.left()));
    double verschiebung = 0;
    if (rechtsFehlt > 0)
        verschiebung = -rechtsFehlt;
    else if (linksFehlt > 0)
        verschiebung = linksFehlt;
    if (linksFehlt > -rechtsFehlt + 1e-9)
        passt = false;
    sch.cx += verschiebung;
    for (QRectF& k : kaesten)
        k.translate(verschiebung, 0);

    a.Deckel = sch.deckel();
    a.Tiefe = sch.tiefe;
    a.Schriftpixel = pixel;
    a.Koerper = sch.koerper();
    a.Marken = kaesten;
    for (const TMarke& m : marken)
        a.Anker.append(sch.rand(m.mitte));
    a.Passt = passt;
    return passt;
}

} // namespace

QSize TortenRadien(int breite)
{
    breite = std::max(0, breite);
    return {2 * breite / 7, 2 * breite / 8};
}

TTortenAnordnung TorteAnordnen(const QRectF& flaeche, const QList<TTortenStueck>& stuecke,
                               double schriftFaktor)
{
    const auto w = winkel(stuecke);
    TTortenAnordnung a;
    // Readable marks first: the disc gives way down to 70 %, then the font to
    // 70 %, then both further.
    QList<std::pair<double, double>> versuche;
    for (const double f : {1.0, 0.9, 0.8, 0.7})
        for (double s = 1.0; s > 0.69; s -= 0.05)
            versuche.append({s, f});
    for (const double f : {0.7, 0.6, 0.5})
        for (double s = 0.65; s > 0.29; s -= 0.05)
            versuche.append({s, f});

    double letzteSchrift = -1;
    QList<TMarke> marken;
    for (const auto& [s, f] : versuche) {
        const double pixel = std::max(6.0, Grundschrift * schriftFaktor * f);
        if (pixel != letzteSchrift) {
            const QFontMetricsF fm(markenSchrift(pixel));
            marken.clear();
            for (int i = 0; i < stuecke.size(); ++i) {
                TMarke m;
                m.zeilen = TortenMarke(stuecke[i]);
                m.mitte = w[i].first + w[i].second / 2;
                double breite = 0;
                for (const QString& z : m.zeilen)
                    breite = std::max(breite, fm.horizontalAdvance(z));
                m.groesse =
                    QSizeF(breite + 2 * Polster, m.zeilen.size() * fm.height() + 2 * Polster);
                marken.append(m);
            }
            letzteSchrift = pixel;
        }
        if (anordnen(flaeche, marken, s, pixel, a))
            break;
    }
    return a;
}

void TorteZeichnen(QPainter& maler, const QRectF& flaeche, const QList<TTortenStueck>& stuecke,
                   double schriftFaktor)
{
    if (flaeche.width() < 1 || flaeche.height() < 1)
        return;
    const TTortenAnordnung a = TorteAnordnen(flaeche, stuecke, schriftFaktor);
    const auto w = winkel(stuecke);
    const QRectF deckel = a.Deckel;
    const QRectF boden = deckel.translated(0, a.Tiefe);
    const QPointF mitte = deckel.center();

    maler.save();
    maler.setClipRect(flaeche);
    maler.setRenderHint(QPainter::Antialiasing);

    // Lines stay at least one device pixel wide on a scaled-down painter.
    const double massstab = std::sqrt(std::abs(maler.deviceTransform().determinant()));
    const double strich = massstab > 0 ? std::max(1.0, 1 / massstab) : 1.0;
    auto umriss = [](const QColor& c) {
        return c == Qt::white ? QColor(128, 128, 128) : c.darker(160);
    };

    // The rim: only the front half (180° to 360°) shows.
    QLinearGradient schatten(deckel.left(), 0, deckel.right(), 0);
    for (int i = 0; i < stuecke.size(); ++i) {
        const double von = std::max(w[i].first, 180.0);
        const double bis = std::min(w[i].first + w[i].second, 360.0);
        if (bis - von <= 0)
            continue;
        const QColor c = farbe(stuecke[i].Farbe);
        QPainterPath rand;
        rand.arcMoveTo(deckel, von);
        rand.arcTo(deckel, von, bis - von);
        QPainterPath hilf;
        hilf.arcMoveTo(boden, bis);
        rand.lineTo(hilf.currentPosition());
        rand.arcTo(boden, bis, von - bis);
        rand.closeSubpath();
        const QColor grund = c == Qt::white ? QColor(232, 232, 232) : c.darker(125);
        schatten.setStops({{0, grund.darker(125)}, {0.4, grund}, {1, grund.darker(140)}});
        maler.setBrush(schatten);
        maler.setPen(QPen(umriss(c), strich));
        maler.drawPath(rand);
    }

    // The face: each slice with a radial gradient from a lit spot up left. On a
    // pixel device the slices are filled flat and one cached light is laid over
    // them all, which costs a fraction of a gradient per slice.
    const bool raster = maler.paintEngine() &&
                        maler.paintEngine()->type() == QPaintEngine::Raster &&
                        maler.combinedTransform().type() <= QTransform::TxTranslate;
    QList<QPainterPath> flaechen;
    for (int i = 0; i < stuecke.size(); ++i) {
        QPainterPath stueck;
        if (w[i].second > 0) {
            stueck.moveTo(mitte);
            stueck.arcTo(deckel, w[i].first, w[i].second);
            stueck.closeSubpath();
        }
        flaechen.append(stueck);
    }
    for (int i = 0; i < stuecke.size(); ++i) {
        if (flaechen[i].isEmpty())
            continue;
        const QColor c = farbe(stuecke[i].Farbe);
        if (raster) {
            maler.setBrush(c);
            maler.setPen(Qt::NoPen);
        } else {
            const double r = deckel.width() / 2;
            QRadialGradient verlauf(QPointF(0, 0), r, QPointF(-0.35 * r, -0.45 * r));
            verlauf.setColorAt(0, c == Qt::white ? QColor(Qt::white) : c.lighter(150));
            verlauf.setColorAt(1, c == Qt::white ? QColor(236, 236, 236) : c);
            QBrush pinsel(verlauf);
            pinsel.setTransform(QTransform::fromTranslate(mitte.x(), mitte.y())
                                    .scale(1, deckel.height() / deckel.width()));
            maler.setBrush(pinsel);
            maler.setPen(QPen(umriss(c), strich));
        }
        maler.drawPath(flaechen[i]);
    }
    if (raster && !deckel.isEmpty()) {
        maler.drawImage(deckel.topLeft(),
                        glanz(deckel.size(), maler.device()->devicePixelRatioF()));
        maler.setBrush(Qt::NoBrush);
        for (int i = 0; i < stuecke.size(); ++i) {
            if (flaechen[i].isEmpty())
                continue;
            maler.setPen(QPen(umriss(farbe(stuecke[i].Farbe)), strich));
            maler.drawPath(flaechen[i]);
        }
    }

    // Marks and their leader lines.
    const QFont schrift = markenSchrift(a.Schriftpixel);
    maler.setFont(schrift);
    const QFontMetricsF fm(schrift, maler.device());
    for (int i = 0; i < stuecke.size() && i < a.Marken.size(); ++i) {
        const QRectF k = a.Marken[i];
        const bool rechts = k.center().x() >= mitte.x();
        const QPointF ende(rechts ? k.left() : k.right(), k.center().y());
        maler.setPen(QPen(QColor(64, 64, 64), strich));
        maler.drawLine(a.Anker[i], ende);
        maler.setPen(Qt::black);
        const QStringList zeilen = TortenMarke(stuecke[i]);
        double y = k.top() + Polster;
        for (const QString& z : zeilen) {
            const QRectF zeile(k.left() + Polster, y, k.width() - 2 * Polster, fm.height());
            maler.drawText(zeile, (rechts ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter, z);
            y += fm.height();
        }
    }
    maler.restore();
}

QImage TortenBild(const QList<TTortenStueck>& stuecke, const QSize& groesse, double schriftFaktor)
{
    if (groesse.isEmpty())
        return {};
    QImage bild(groesse, QImage::Format_RGB32);
    bild.fill(Qt::white);
    QPainter maler(&bild);
    TorteZeichnen(maler, QRectF(QPointF(0, 0), QSizeF(groesse)), stuecke, schriftFaktor);
    return bild;
}

QImage TortenBerichtsbild(const QList<TTortenStueck>& stuecke, const QSize& bildschirm,
                          double schriftFaktor, const QSize& ziel)
{
    if (bildschirm.isEmpty())
        return {};
    const double massstab = static_cast<double>(ziel.width()) / bildschirm.width();
    return TortenBild(stuecke, ziel, schriftFaktor * massstab);
}

QImage BitmapSkalieren(const QImage& quelle, const QRect& rechteck)
{
    if (rechteck.width() <= 0 || rechteck.height() <= 0)
        return {};
    const QSize groesse(rechteck.width(), rechteck.height());
    // Converted from a named copy: Qt converts a temporary in place, which for
    // 32 to 24 bits costs three times as much.
    const QImage geglaettet =
        quelle.scaled(groesse, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QImage gestreckt = geglaettet.convertToFormat(QImage::Format_RGB888);
    if (rechteck.topLeft().isNull())
        return gestreckt;
    QImage ziel(groesse, QImage::Format_RGB888);
    ziel.fill(Qt::white);
    QPainter maler(&ziel);
    maler.drawImage(rechteck.topLeft(), gestreckt);
    return ziel;
}

QSize GrafikBildGroesse(const QSize& chartStartgroesse)
{
    return QSize(rundeGeradeInt(0.87 * chartStartgroesse.width()),
                 rundeGeradeInt(0.87 * chartStartgroesse.height()));
}

bool GrafikBildSchreiben(const QString& pfad, const QImage& bild, const QSize& ziel)
{
    if (pfad.isEmpty() || bild.isNull() || ziel.isEmpty())
        return false;
    QByteArray inhalt;
    {
        QBuffer puffer(&inhalt);
        puffer.open(QIODevice::WriteOnly);
        if (!QImageWriter(&puffer, "BMP").write(BitmapSkalieren(bild, QRect(QPoint(0, 0), ziel))))
            return false;
    }
    // The shared temporary folder: the name is replaced as it stands, a link
    // planted there included, and the temporary file beside it is made
    // exclusively under a fresh name. Not synced to disk: the picture is made
    // again on the next change.
    return DateiEintragErsetzen(pfad, inhalt, false);
}

} // namespace Fermalin
