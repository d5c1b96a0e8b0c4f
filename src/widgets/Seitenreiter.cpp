#include "Seitenreiter.h"

#include "ColorButton.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QTabBar>
#include <QWheelEvent>

namespace Fermalin {

namespace {

// Where the caption starts within its tab.
constexpr int TextLinks = 4;
constexpr int TextOben = 2;
// Space after the caption (its trailing blanks come on top) and below it.
constexpr int TextRechts = 8;
constexpr int TextUnten = 4;

class TReiterleiste : public QTabBar
{
public:
    explicit TReiterleiste(QWidget* eltern) : QTabBar(eltern)
    {
        setExpanding(false);
        setElideMode(Qt::ElideNone);
        setDrawBase(false);
    }

    QColor farbe = FarbeAusWert(FarbwertHintergrund);

protected:
    // QTabBar's own stepping lands on hidden tabs too: the next tab in that
    // direction that is shown and enabled, without wrapping around.
    void Schritt(int richtung)
    {
        for (int i = currentIndex() + richtung; i >= 0 && i < count(); i += richtung) {
            if (isTabVisible(i) && isTabEnabled(i)) {
                setCurrentIndex(i);
                return;
            }
        }
    }

    void keyPressEvent(QKeyEvent* event) override
    {
        if (event->key() != Qt::Key_Left && event->key() != Qt::Key_Right) {
            event->ignore();
            return;
        }
        const Qt::Key zurueck = isRightToLeft() ? Qt::Key_Right : Qt::Key_Left;
        Schritt(event->key() == zurueck ? -1 : 1);
    }

    void wheelEvent(QWheelEvent* event) override
    {
        if (!style()->styleHint(QStyle::SH_TabBar_AllowWheelScrolling, nullptr, this)) {
            event->ignore();
            return;
        }
        const QPoint d = event->angleDelta();
        const int delta = qAbs(d.x()) > qAbs(d.y()) ? d.x() : d.y();
        if (delta != 0)
            Schritt(delta > 0 ? -1 : 1);
        event->accept();
    }

    QFont Reiterschrift() const
    {
        QFont schrift = font();
        schrift.setBold(false);
        return schrift;
    }

    QSize tabSizeHint(int index) const override
    {
        // horizontalAdvance counts trailing blanks, which the style's size would
        // not reliably do
        const QFontMetrics fm(Reiterschrift());
        return QSize(TextLinks + fm.horizontalAdvance(tabText(index)) + TextRechts,
                     TextOben + fm.height() + TextUnten);
    }

    QSize minimumTabSizeHint(int index) const override { return tabSizeHint(index); }

    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        const QFont schrift = Reiterschrift();
        p.setFont(schrift);
        const QFontMetrics fm(schrift);
        for (int i = 0; i < count(); ++i) {
            if (!isTabVisible(i))
                continue;
            const QRect r = tabRect(i);
            if (r.isEmpty())
                continue;
            p.save();
            p.setClipRect(r);
            p.fillRect(r, farbe);
            // a thin raised edge so that neighbouring tabs stay apart
            p.setPen(palette().color(QPalette::Light));
            p.drawLine(r.topLeft(), r.bottomLeft());
            p.drawLine(r.topLeft(), r.topRight());
            p.setPen(palette().color(QPalette::Dark));
            p.drawLine(r.topRight(), r.bottomRight());
            p.setPen(palette().color(isTabEnabled(i) ? QPalette::Active : QPalette::Disabled,
                                     QPalette::WindowText));
            p.drawText(QPoint(r.left() + TextLinks, r.top() + TextOben + fm.ascent()), tabText(i));
            if (i == currentIndex() && hasFocus()) {
                QStyleOptionFocusRect fokus;
                fokus.initFrom(this);
                fokus.rect = r.adjusted(2, 2, -2, -2);
                fokus.backgroundColor = farbe;
                style()->drawPrimitive(QStyle::PE_FrameFocusRect, &fokus, &p, this);
            }
            p.restore();
        }
    }
};

TReiterleiste* Leiste(const QTabWidget* w)
{
    return static_cast<TReiterleiste*>(w->tabBar());
}

} // namespace

TSeitenreiter::TSeitenreiter(QWidget* parent) : QTabWidget(parent)
{
    setTabBar(new TReiterleiste(this));
    // setTabBar made the bar the focus proxy with Tab focus; both only by click
    setFocusPolicy(Qt::ClickFocus);
    tabBar()->setFocusPolicy(Qt::ClickFocus);
}

TSeitenreiter::~TSeitenreiter() = default;

QColor TSeitenreiter::Fensterfarbe() const
{
    return Leiste(this)->farbe;
}

void TSeitenreiter::setFensterfarbe(const QColor& farbe)
{
    Leiste(this)->farbe = farbe;
    tabBar()->update();
}

void TSeitenreiter::SeiteVerbergen(int index)
{
    if (index < 0 || index >= count() || !isTabVisible(index))
        return;
    const bool warAktiv = index == currentIndex();
    setTabVisible(index, false);
    if (!warAktiv)
        return;
    for (int i = 0; i < count(); ++i) {
        if (isTabVisible(i)) {
            setCurrentIndex(i);
            return;
        }
    }
}

void TSeitenreiter::SeiteZeigen(int index)
{
    if (index >= 0 && index < count())
        setTabVisible(index, true);
}

void TSeitenreiter::keyPressEvent(QKeyEvent* event)
{
    // QTabWidget's Ctrl+Tab would step onto hidden pages
    const bool tab = event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab;
    if (tab && (event->modifiers() & Qt::ControlModifier) && count() > 1) {
        const bool zurueck =
            event->key() == Qt::Key_Backtab || (event->modifiers() & Qt::ShiftModifier);
        NaechsteSeiteWaehlen(!zurueck);
        event->accept();
        return;
    }
    QTabWidget::keyPressEvent(event);
}

void TSeitenreiter::NaechsteSeiteWaehlen(bool vorwaerts)
{
    const int n = count();
    if (n == 0)
        return;
    const int schritt = vorwaerts ? 1 : -1;
    int i = currentIndex();
    for (int k = 0; k < n; ++k) {
        i = (i + schritt + n) % n;
        if (isTabVisible(i)) {
            setCurrentIndex(i);
            return;
        }
    }
}

} // namespace Fermalin
