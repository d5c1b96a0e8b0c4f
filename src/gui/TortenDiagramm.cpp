#include "TortenDiagramm.h"

#include <QPainter>

namespace Fermalin {

TTortenDiagramm::TTortenDiagramm(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Chart1"));
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
}

void TTortenDiagramm::StueckeSetzen(const QList<TTortenStueck>& stuecke)
{
    m_stuecke = stuecke;
    update();
}

void TTortenDiagramm::setSchriftgroessen(int titel, int /*beschriftung*/)
{
    // No title, legend or axes: only the marks, which take the title size.
    if (titel > 0 && titel != m_markenPunkte) {
        m_markenPunkte = titel;
        update();
    }
}

void TTortenDiagramm::paintEvent(QPaintEvent*)
{
    QPainter maler(this);
    TorteZeichnen(maler, QRectF(rect()), m_stuecke, Schriftfaktor());
}

} // namespace Fermalin
