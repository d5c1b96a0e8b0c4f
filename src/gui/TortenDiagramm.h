// The chart page's pie (Chart1): a white area that paints the slices with the
// shared pie drawing, at the widget's size and in device pixels, so it stays
// crisp on a high-DPI screen. The stretcher scales its marks' font.
#pragma once

#include "Stretch.h"
#include "Torte.h"
#include "Tortenstuecke.h"

#include <QWidget>

namespace Fermalin {

class TTortenDiagramm : public QWidget, public IStreckDiagramm
{
    Q_OBJECT

public:
    explicit TTortenDiagramm(QWidget* parent = nullptr);

    // Series_Beitrag: every drawing starts from an empty series.
    void StueckeSetzen(const QList<TTortenStueck>& stuecke);
    const QList<TTortenStueck>& Stuecke() const { return m_stuecke; }

    // From the width alone, whatever the height; also before the first show,
    // when Qt has not yet delivered a resize.
    int XRadius() const { return TortenRadien(width()).width(); }
    int YRadius() const { return TortenRadien(width()).height(); }

    // The marks' font relative to the design size.
    double Schriftfaktor() const { return m_markenPunkte / static_cast<double>(Grundpunkte); }

    int LegendenSchriftgroesse() const override { return Grundpunkte; }
    int AchsentitelSchriftgroesse() const override { return Grundpunkte; }
    void setSchriftgroessen(int titel, int beschriftung) override;

    static constexpr int Grundpunkte = 8;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QList<TTortenStueck> m_stuecke;
    int m_markenPunkte = Grundpunkte;
};

} // namespace Fermalin
