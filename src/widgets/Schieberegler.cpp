#include "Schieberegler.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QStyleOptionSlider>
#include <QTimerEvent>
#include <qdrawutil.h>

#include <algorithm>

namespace Fermalin {

namespace {

// Empty rows between the thumb and the ticks.
constexpr int Strichabstand = 2;
// Room between a thumb at either end and the widget's edge.
constexpr int Randabstand = 3;
// First page repeat after a press beside the thumb, then the following ones.
constexpr int ErsteWiederholung = 500;
constexpr int Wiederholung = 100;

} // namespace

TSchieberegler::TSchieberegler(QWidget* parent) : QSlider(Qt::Horizontal, parent)
{
    setTickPosition(QSlider::TicksBothSides);
    setTickInterval(2);
    // the track bar's page size; QSlider's 10 would skip a fifth of a 0..50 range
    setPageStep(2);
}

TSchieberegler::~TSchieberegler() = default;

void TSchieberegler::setSelStart(int wert)
{
    if (wert == m_selStart)
        return;
    m_selStart = wert;
    update();
}

void TSchieberegler::setSelEnd(int wert)
{
    if (wert == m_selEnd)
        return;
    m_selEnd = wert;
    update();
}

void TSchieberegler::setFrequenz(int abstand)
{
    setTickInterval(std::max(0, abstand));
    update();
}

void TSchieberegler::setDaumenlaenge(int laenge)
{
    laenge = std::max(3, laenge);
    if (laenge == m_daumenlaenge)
        return;
    m_daumenlaenge = laenge;
    updateGeometry();
    update();
}

int TSchieberegler::Daumenbreite() const
{
    // odd, so that the thumb is centred on its position's pixel
    return (m_daumenlaenge / 2) | 1;
}

int TSchieberegler::Rand() const
{
    return Daumenbreite() / 2 + Randabstand;
}

int TSchieberegler::Strichlaenge() const
{
    return std::max(3, m_daumenlaenge / 5);
}

int TSchieberegler::PixelVonWert(int wert) const
{
    const int spanne = std::max(0, width() - 1 - 2 * Rand());
    return Rand() + QStyle::sliderPositionFromValue(minimum(), maximum(), wert, spanne,
                                                    invertedAppearance());
}

int TSchieberegler::WertVonPixel(int x) const
{
    const int spanne = std::max(0, width() - 1 - 2 * Rand());
    return QStyle::sliderValueFromPosition(minimum(), maximum(), x - Rand(), spanne,
                                           invertedAppearance());
}

QRect TSchieberegler::DaumenBei(int wert) const
{
    const int b = Daumenbreite();
    const int oben = height() / 2 - m_daumenlaenge / 2;
    return QRect(PixelVonWert(wert) - b / 2, oben, b, m_daumenlaenge);
}

QRect TSchieberegler::Rinne() const
{
    const int hoehe = std::max(4, (m_daumenlaenge * 3 + 4) / 8);
    const int links = Rand() - Daumenbreite() / 2;
    return QRect(links, height() / 2 - hoehe / 2, std::max(0, width() - 2 * links), hoehe);
}

QList<int> TSchieberegler::Teilstriche() const
{
    QList<int> werte;
    if (tickPosition() == QSlider::NoTicks || maximum() < minimum())
        return werte;
    const int abstand = tickInterval() > 0 ? tickInterval() : std::max(1, pageStep());
    // in 64 bits: a range near INT_MAX must not wrap around
    for (qint64 w = minimum(); w < maximum(); w += abstand)
        werte.append(int(w));
    werte.append(maximum());
    return werte;
}

QRect TSchieberegler::Strichbereich(bool oben) const
{
    if (!(tickPosition() & (oben ? QSlider::TicksAbove : QSlider::TicksBelow)))
        return QRect();
    const QRect daumen = DaumenBei(minimum());
    const int frei = oben ? daumen.top() : height() - 1 - daumen.bottom();
    // In a tight widget the gap shrinks first, then the ticks: both sides keep
    // ticks as long as there is room for any.
    int abstand = Strichabstand;
    int laenge = Strichlaenge();
    if (frei < abstand + laenge) {
        abstand = std::max(1, frei - laenge);
        laenge = frei - abstand;
    }
    if (laenge <= 0)
        return QRect();
    const int anfang = oben ? daumen.top() - abstand - laenge : daumen.bottom() + 1 + abstand;
    return QRect(0, anfang, width(), laenge);
}

QSize TSchieberegler::sizeHint() const
{
    const QSize basis = QSlider::sizeHint();
    if (!Waagerecht())
        return basis;
    const int hoehe = m_daumenlaenge + 2 * (Strichabstand + Strichlaenge()) + 2;
    return QSize(basis.width(), hoehe);
}

QSize TSchieberegler::minimumSizeHint() const
{
    if (!Waagerecht())
        return QSlider::minimumSizeHint();
    return QSize(2 * Rand() + Daumenbreite(), sizeHint().height());
}

void TSchieberegler::paintEvent(QPaintEvent* event)
{
    if (!Waagerecht()) {
        QSlider::paintEvent(event);
        return;
    }

    QStyleOptionSlider opt;
    initStyleOption(&opt);
    const QPalette& pal = opt.palette;
    QPainter p(this);

    const QRect rinne = Rinne();
    qDrawShadePanel(&p, rinne, pal, true, 1, &pal.brush(QPalette::Base));

    // the selection, normalised and clamped to the range
    const int von = std::clamp(std::min(m_selStart, m_selEnd), minimum(), maximum());
    const int bis = std::clamp(std::max(m_selStart, m_selEnd), minimum(), maximum());
    const bool auswahl = bis > von;
    if (auswahl) {
        int x1 = PixelVonWert(von);
        int x2 = PixelVonWert(bis);
        if (x1 > x2)
            std::swap(x1, x2);
        p.fillRect(QRect(x1, rinne.top() + 1, x2 - x1 + 1, rinne.height() - 2),
                   pal.brush(QPalette::Highlight));
    }

    p.setPen(pal.color(QPalette::WindowText));
    const QList<int> striche = Teilstriche();
    for (const QRect& bereich : {StrichbereichOben(), StrichbereichUnten()}) {
        if (bereich.isEmpty())
            continue;
        for (int w : striche) {
            const int x = PixelVonWert(w);
            p.drawLine(x, bereich.top(), x, bereich.bottom());
        }
        if (!auswahl)
            continue;
        // Right triangles whose upright side stands on the end's tick and which
        // widen away from the groove, opening outward from the selection.
        const bool obenSeite = bereich.bottom() < rinne.top();
        const int h = bereich.height();
        for (int w : {von, bis}) {
            const int x = PixelVonWert(w);
            const bool nachLinks = (w == von) != invertedAppearance();
            for (int i = 0; i < h; ++i) {
                const int y = bereich.top() + i;
                const int breite = obenSeite ? h - i : i + 1;
                p.drawLine(nachLinks ? x - breite : x, y, nachLinks ? x : x + breite, y);
            }
        }
    }

    qDrawWinButton(&p, Daumen(), pal, isSliderDown(), &pal.brush(QPalette::Button));

    if (hasFocus()) {
        QStyleOptionFocusRect fokus;
        fokus.initFrom(this);
        fokus.rect = rect();
        fokus.backgroundColor = pal.color(QPalette::Window);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &fokus, &p, this);
    }
}

void TSchieberegler::mousePressEvent(QMouseEvent* event)
{
    if (!Waagerecht()) {
        QSlider::mousePressEvent(event);
        return;
    }
    if (event->button() != Qt::LeftButton || maximum() == minimum() || isSliderDown() ||
        m_blaettern) {
        event->ignore();
        return;
    }
    event->accept();
    const QPoint punkt = event->position().toPoint();
    if (Daumen().contains(punkt)) {
        // keep the grip point under the mouse instead of centring the thumb on it
        m_greifAbstand = punkt.x() - PixelVonWert(sliderPosition());
        setSliderDown(true);
        update();
        return;
    }
    m_blaettern = true;
    m_blaetterX = punkt.x();
    m_blaetterRechts = punkt.x() > Daumen().right();
    if (Blaettern())
        m_blaetterTakt.start(ErsteWiederholung, this);
    else
        BlaetternBeenden();
}

void TSchieberegler::mouseMoveEvent(QMouseEvent* event)
{
    if (!Waagerecht()) {
        QSlider::mouseMoveEvent(event);
        return;
    }
    const int x = event->position().toPoint().x();
    if (isSliderDown()) {
        setSliderPosition(WertVonPixel(x - m_greifAbstand));
        event->accept();
    } else if (m_blaettern) {
        m_blaetterX = x;
        event->accept();
    } else {
        event->ignore();
    }
}

void TSchieberegler::mouseReleaseEvent(QMouseEvent* event)
{
    if (!Waagerecht()) {
        QSlider::mouseReleaseEvent(event);
        return;
    }
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    event->accept();
    if (isSliderDown()) {
        setSliderDown(false);
        update();
    }
    BlaetternBeenden();
}

void TSchieberegler::timerEvent(QTimerEvent* event)
{
    if (event->timerId() != m_blaetterTakt.timerId()) {
        QSlider::timerEvent(event);
        return;
    }
    if (Blaettern())
        m_blaetterTakt.start(Wiederholung, this);
    else
        BlaetternBeenden();
}

bool TSchieberegler::Blaettern()
{
    // Paging stops once the thumb has reached or passed the mouse in the
    // direction it started with, so a page step larger than the rest never
    // makes it swing to and fro.
    const QRect daumen = Daumen();
    if (m_blaetterRechts ? m_blaetterX <= daumen.right() : m_blaetterX >= daumen.left())
        return false;
    // moving right means larger values unless the appearance is inverted
    const bool mehr = m_blaetterRechts != invertedAppearance();
    const int vorher = sliderPosition();
    triggerAction(mehr ? SliderPageStepAdd : SliderPageStepSub);
    return sliderPosition() != vorher;
}

void TSchieberegler::BlaetternBeenden()
{
    m_blaettern = false;
    m_blaetterTakt.stop();
}

} // namespace Fermalin
