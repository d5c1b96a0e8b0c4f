// A horizontal slider with a selection range, painted by the program so that it
// looks like the classic track bar the layouts were made for: a sunken groove
// with the selection band inside it, tick marks above and below, triangle marks
// at the ends of the selection, and a rectangular thumb whose length (its extent
// across the groove) the layout stretcher scales.
//
// Behaviour is QSlider's: keyboard (arrows, PageUp/PageDown, Home/End), wheel,
// dragging the thumb and paging by a click beside it. Hit-testing uses the same
// geometry as the painting, so a click lands where the thumb is drawn.
//
// Setting the value from code (setValue, setSliderPosition) emits valueChanged
// just as a user's change does; the windows rely on that: setting a slider
// inside a handler runs the slider's own change handler at once.
//
// A vertical slider is left to the style entirely.
#pragma once

#include "Stretch.h"

#include <QBasicTimer>
#include <QList>
#include <QSlider>

namespace Fermalin {

class TSchieberegler : public QSlider, public IStreckSchieberegler
{
    Q_OBJECT
    Q_PROPERTY(int SelStart READ SelStart WRITE setSelStart)
    Q_PROPERTY(int SelEnd READ SelEnd WRITE setSelEnd)
    Q_PROPERTY(int Frequenz READ Frequenz WRITE setFrequenz)
    Q_PROPERTY(int Daumenlaenge READ Daumenlaenge WRITE setDaumenlaenge)

public:
    explicit TSchieberegler(QWidget* parent = nullptr);
    ~TSchieberegler() override;

    // The selection is stored as given and clamped to the range only when drawn.
    int SelStart() const { return m_selStart; }
    void setSelStart(int wert);
    int SelEnd() const { return m_selEnd; }
    void setSelEnd(int wert);

    // Distance of the tick marks in positions (QSlider's tickInterval); 0 means
    // the page step, as with QSlider.
    int Frequenz() const { return tickInterval(); }
    void setFrequenz(int abstand);

    int Daumenlaenge() const override { return m_daumenlaenge; }
    void setDaumenlaenge(int laenge) override;

    // Geometry in widget coordinates, shared by painting and hit-testing.
    QRect Rinne() const;
    QRect Daumen() const { return DaumenBei(sliderPosition()); }
    QRect DaumenBei(int wert) const;
    int PixelVonWert(int wert) const;
    int WertVonPixel(int x) const;
    QList<int> Teilstriche() const;
    // the rows the ticks occupy; empty when there are no ticks on that side
    QRect StrichbereichOben() const { return Strichbereich(true); }
    QRect StrichbereichUnten() const { return Strichbereich(false); }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    int Daumenbreite() const;
    int Rand() const;
    int Strichlaenge() const;
    QRect Strichbereich(bool oben) const;
    bool Waagerecht() const { return orientation() == Qt::Horizontal; }
    // One page toward the mouse; false once the thumb has reached it.
    bool Blaettern();
    void BlaetternBeenden();

    int m_selStart = 0;
    int m_selEnd = 0;
    int m_daumenlaenge = 16;
    int m_greifAbstand = 0;
    bool m_blaettern = false;
    int m_blaetterX = 0;
    bool m_blaetterRechts = false;
    QBasicTimer m_blaetterTakt;
};

} // namespace Fermalin
