#include "ColorButton.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionFocusRect>

#include <algorithm>

namespace Fermalin {

QColor FarbeAusWert(quint32 wert)
{
    return QColor(int(wert & 0xFF), int((wert >> 8) & 0xFF), int((wert >> 16) & 0xFF));
}

quint32 WertAusFarbe(const QColor& farbe)
{
    return quint32(farbe.red()) | (quint32(farbe.green()) << 8) | (quint32(farbe.blue()) << 16);
}

TColorButton::TColorButton(QWidget* parent) : TColorButton(QString(), parent) {}

TColorButton::TColorButton(const QString& text, QWidget* parent)
    : QPushButton(text, parent), m_color(palette().color(QPalette::Button))
{
    // The default flag moves with the focus among a dialog's buttons, so every
    // focus change anywhere may make this button (in)active.
    m_fokusVerbindung =
        connect(qApp, &QApplication::focusChanged, this, [this] { AktivPruefen(); });
}

// Focus moves while the widget parts of this button are torn down; by then it
// is no longer a TColorButton and must not be asked.
TColorButton::~TColorButton()
{
    disconnect(m_fokusVerbindung);
}

void TColorButton::setAusrichtung(Qt::Alignment ausrichtung)
{
    m_ausrichtung = ausrichtung;
    update();
}

void TColorButton::setColor(const QColor& farbe)
{
    if (farbe == m_color)
        return;
    m_color = farbe;
    update();
}

bool TColorButton::AktivBerechnen() const
{
    QWidget* fokus = window()->focusWidget();
    if (fokus == this)
        return true;
    if (!isDefault())
        return false;
    return !(fokus && qobject_cast<QPushButton*>(fokus));
}

void TColorButton::AktivSetzen(bool aktiv)
{
    if (aktiv == m_aktiv)
        return;
    m_aktiv = aktiv;
    update();
}

void TColorButton::paintEvent(QPaintEvent*)
{
    // setDefault() is not virtual and only repaints: the flag is settled here too.
    m_aktiv = AktivBerechnen();

    TKnopfZustaende zustand;
    if (isDown() || isChecked())
        zustand |= TKnopfZustand::Gedrueckt;
    if (hasFocus())
        zustand |= TKnopfZustand::Fokussiert;
    if (!isEnabled())
        zustand |= TKnopfZustand::Gesperrt;

    const QRect element = rect();
    QRect r = element;
    const QPalette& pal = palette();

    QPainter p(this);
    p.setFont(font());

    if (m_aktiv || zustand.testFlag(TKnopfZustand::Fokussiert)) {
        // A 1-pixel frame: QPainter's outline lies on the right/bottom of the
        // rectangle, hence the smaller rectangle.
        p.setPen(pal.color(QPalette::Shadow));
        p.setBrush(Qt::NoBrush);
        p.drawRect(r.adjusted(0, 0, -1, -1));
        r.adjust(1, 1, -1, -1);
    }

    if (zustand.testFlag(TKnopfZustand::Gedrueckt)) {
        p.setPen(pal.color(QPalette::Dark));
        p.setBrush(pal.color(QPalette::Button));
        p.drawRect(r.adjusted(0, 0, -1, -1));
        r.adjust(1, 1, -1, -1);
        r.translate(1, 1);
    } else {
        QStyleOptionButton opt;
        initStyleOption(&opt);
        opt.rect = r;
        // Our own frame and focus rectangle stand for these.
        opt.state &= ~(QStyle::State_HasFocus | QStyle::State_Sunken | QStyle::State_On);
        opt.state |= QStyle::State_Raised;
        opt.features &= ~(QStyleOptionButton::DefaultButton | QStyleOptionButton::Flat);
        opt.text.clear();
        opt.icon = QIcon();
        // Let the style shade its frame from the face colour, so the edges match.
        opt.palette.setColor(QPalette::Button, m_color);
        style()->drawControl(QStyle::CE_PushButtonBevel, &opt, &p, this);
        // A push-button frame is at least an outline and an inner light line deep,
        // though Fusion reports a frame width of one.
        const int rahmen =
            std::max(2, style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, this));
        r.adjust(rahmen, rahmen, -rahmen, -rahmen);
    }

    p.fillRect(r, m_color);

    int flags = static_cast<int>(m_ausrichtung);
    if (!text().contains(QLatin1Char('\n')))
        flags |= Qt::TextSingleLine;
    if (m_ausrichtung & Qt::AlignLeft)
        r.adjust(4, 0, 0, 0); // clear of the bevel
    QStyleOptionButton hinweis;
    initStyleOption(&hinweis);
    flags |= style()->styleHint(QStyle::SH_UnderlineShortcut, &hinweis, this)
                 ? Qt::TextShowMnemonic
                 : Qt::TextHideMnemonic;
    p.setBackgroundMode(Qt::TransparentMode);
    if (zustand.testFlag(TKnopfZustand::Gesperrt)) {
        // Embossed: the light copy one pixel lower right, the grey one on top.
        p.setPen(pal.color(QPalette::Active, QPalette::Light));
        p.drawText(r.translated(1, 1), flags, text());
        p.setPen(pal.color(QPalette::Active, QPalette::Dark));
        p.drawText(r, flags, text());
    } else {
        p.setPen(pal.color(QPalette::ButtonText));
        p.drawText(r, flags, text());
    }

    if (OnDrawButton)
        OnDrawButton(this, r, zustand);

    if (m_aktiv && zustand.testFlag(TKnopfZustand::Fokussiert)) {
        QStyleOptionFocusRect fokus;
        fokus.initFrom(this);
        fokus.rect = element.adjusted(4, 4, -4, -4);
        fokus.backgroundColor = m_color;
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &fokus, &p, this);
    }
}

void TColorButton::changeEvent(QEvent* event)
{
    QPushButton::changeEvent(event);
    if (event->type() == QEvent::EnabledChange || event->type() == QEvent::FontChange)
        update();
}

void TColorButton::focusInEvent(QFocusEvent* event)
{
    QPushButton::focusInEvent(event);
    AktivPruefen();
}

void TColorButton::focusOutEvent(QFocusEvent* event)
{
    QPushButton::focusOutEvent(event);
    AktivPruefen();
}

void TColorButton::showEvent(QShowEvent* event)
{
    QPushButton::showEvent(event);
    AktivPruefen();
}

void TColorButton::mouseDoubleClickEvent(QMouseEvent* event)
{
    // A fast second click must count as a click, not be swallowed as a double
    // click; Qt may already have delivered the second press before this event.
    if (!isDown())
        mousePressEvent(event);
}

} // namespace Fermalin
