#include "Stretch.h"

#include <QAbstractScrollArea>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFocusFrame>
#include <QGroupBox>
#include <QLCDNumber>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRubberBand>
#include <QScrollArea>
#include <QSizeGrip>
#include <QSpinBox>
#include <QSplitter>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QTextEdit>
#include <QToolBox>

#include <algorithm>
#include <cmath>

namespace Fermalin {

namespace {

const char* const kAutoSize = "AutoSize";
const char* const kEintragshoehe = "Eintragshoehe";
const char* const kRahmen = "Rahmen";

// halves to even, like all integer rounding of the program
int rund(double x)
{
    return static_cast<int>(std::nearbyint(x));
}

int abschneiden(double x)
{
    return static_cast<int>(std::trunc(x));
}

bool istRahmen(const QWidget* w)
{
    return w->property(kRahmen).toBool();
}

// Parts that Qt or the style create on their own, never a form author.
bool istIntern(const QWidget* w)
{
    return w->isWindow() || w->objectName().startsWith(QLatin1String("qt_")) ||
           qobject_cast<const QSizeGrip*>(w) || qobject_cast<const QFocusFrame*>(w) ||
           qobject_cast<const QRubberBand*>(w);
}

// Composite widgets whose children are all their own parts (line edits, icon
// and scroll buttons, viewports, popups); only a scroll area's content is not.
bool hatNurEigeneTeile(const QWidget* w)
{
    return qobject_cast<const QAbstractSpinBox*>(w) || qobject_cast<const QComboBox*>(w) ||
           qobject_cast<const QLineEdit*>(w) || qobject_cast<const QTabBar*>(w) ||
           qobject_cast<const QAbstractScrollArea*>(w);
}

// The controls a form author placed directly inside w, in the order they were added.
QList<QWidget*> autorKinder(const QWidget* w)
{
    QList<QWidget*> kinder;
    if (const auto* scroll = qobject_cast<const QScrollArea*>(w)) {
        if (scroll->widget())
            kinder.append(scroll->widget());
        return kinder;
    }
    if (hatNurEigeneTeile(w))
        return kinder;
    // the pages sit in the tab widget's internal stack
    if (const auto* tabs = qobject_cast<const QTabWidget*>(w)) {
        for (int i = 0; i < tabs->count(); ++i)
            kinder.append(tabs->widget(i));
    }
    for (QObject* o : w->children()) {
        if (!o->isWidgetType())
            continue;
        auto* kind = static_cast<QWidget*>(o);
        if (!istIntern(kind))
            kinder.append(kind);
    }
    return kinder;
}

bool imLayout(const QLayout* layout, const QWidget* w)
{
    if (!layout)
        return false;
    if (layout->menuBar() == w)
        return true;
    for (int i = 0; i < layout->count(); ++i) {
        QLayoutItem* item = layout->itemAt(i);
        if (!item)
            continue;
        if (item->widget() == w || imLayout(item->layout(), w))
            return true;
    }
    return false;
}

// The scroll area whose content w is, if any.
const QScrollArea* scrollInhaltVon(const QWidget* w)
{
    const QWidget* viewport = w->parentWidget();
    if (!viewport)
        return nullptr;
    const auto* scroll = qobject_cast<const QScrollArea*>(viewport->parentWidget());
    return scroll && scroll->widget() == w ? scroll : nullptr;
}

bool hatSchriftArt(const QWidget* w)
{
    if (istRahmen(w))
        return true;
    if (qobject_cast<const QPushButton*>(w) || qobject_cast<const QRadioButton*>(w) ||
        qobject_cast<const QCheckBox*>(w) || qobject_cast<const QGroupBox*>(w) ||
        qobject_cast<const QLineEdit*>(w) || qobject_cast<const QComboBox*>(w) ||
        qobject_cast<const QSpinBox*>(w) || qobject_cast<const QDoubleSpinBox*>(w) ||
        qobject_cast<const QTabWidget*>(w))
        return true;
    // memo and scroll box; list and item views have no font of their own to scale
    if (qobject_cast<const QAbstractScrollArea*>(w))
        return qobject_cast<const QTextEdit*>(w) || qobject_cast<const QPlainTextEdit*>(w) ||
               qobject_cast<const QScrollArea*>(w);
    if (qobject_cast<const QLabel*>(w))
        return true;
    // a panel; the other frame classes are containers or displays of their own
    return qobject_cast<const QFrame*>(w) && !qobject_cast<const QLCDNumber*>(w) &&
           !qobject_cast<const QSplitter*>(w) && !qobject_cast<const QStackedWidget*>(w) &&
           !qobject_cast<const QToolBox*>(w);
}

int schriftgroesse(const QFont& font, bool* inPixeln)
{
    const int punkte = font.pointSize();
    *inPixeln = punkte <= 0;
    return *inPixeln ? font.pixelSize() : punkte;
}

// A font size below 1 is no font at all; a tiny factor keeps the smallest one.
void setzeSchriftgroesse(QFont& font, int groesse, bool inPixeln)
{
    groesse = std::max(groesse, 1);
    if (inPixeln)
        font.setPixelSize(groesse);
    else
        font.setPointSize(groesse);
}

int tiefe(const QWidget* w)
{
    int n = 0;
    for (const QWidget* p = w->parentWidget(); p; p = p->parentWidget())
        ++n;
    return n;
}

} // namespace

TStreckelement::TStreckelement(QWidget* control) : m_control(control)
{
    const QRect g = control->geometry();
    m_top = g.top();
    m_left = g.left();
    m_width = g.width();
    m_height = g.height();

    if (const auto schrift = Schrift()) {
        bool inPixeln = false;
        m_ref1 = schriftgroesse(*schrift, &inPixeln);
        m_ref1Art = inPixeln ? Referenz1::Pixel : Referenz1::Punkte;
    } else if (const auto* regler = dynamic_cast<const IStreckSchieberegler*>(control)) {
        m_ref1 = regler->Daumenlaenge();
        m_ref1Art = Referenz1::Daumen;
    } else if (const auto* diagramm = dynamic_cast<const IStreckDiagramm*>(control)) {
        m_ref1 = diagramm->LegendenSchriftgroesse();
        m_ref2 = diagramm->AchsentitelSchriftgroesse();
        m_ref1Art = Referenz1::Diagramm;
    }

    bool ok = false;
    const int eintragshoehe = control->property(kEintragshoehe).toInt(&ok);
    if (ok) {
        m_ref2 = eintragshoehe;
        m_hatEintragshoehe = true;
    }

    const QWidget* eltern = control->parentWidget();
    if (!eltern || control->isWindow()) {
        m_platzierung = Platzierung::Frei;
    } else if (const QScrollArea* scroll = scrollInhaltVon(control)) {
        m_platzierung =
            scroll->widgetResizable() ? Platzierung::Verwaltet : Platzierung::NurGroesse;
    } else if (imLayout(eltern->layout(), control)) {
        m_platzierung = Platzierung::Verwaltet;
    } else if (g == eltern->rect() && autorKinder(eltern).size() == 1) {
        m_platzierung = Platzierung::FuelltEltern;
    }
}

std::optional<QFont> TStreckelement::Schrift() const
{
    if (!m_control)
        return std::nullopt;
    if (qobject_cast<const QTabBar*>(m_control))
        return m_control->font();
    if (m_control->testAttribute(Qt::WA_SetFont) && hatSchriftArt(m_control))
        return m_control->font();
    return std::nullopt;
}

bool TStreckelement::istSelbstgroessendesLabel() const
{
    return qobject_cast<const QLabel*>(m_control) && m_control->property(kAutoSize).toBool();
}

void TStreckelement::ElternFuellen()
{
    if (m_control && m_platzierung == Platzierung::FuelltEltern && m_control->parentWidget())
        m_control->setGeometry(m_control->parentWidget()->rect());
}

void TStreckelement::Skalieren(double f)
{
    if (!m_control)
        return;
    QWidget* c = m_control;

    const bool selbstgroessend = m_platzierung == Platzierung::Frei && istSelbstgroessendesLabel();
    switch (m_platzierung) {
    case Platzierung::Frei:
        if (selbstgroessend)
            c->move(rund(f * m_left), rund(f * m_top));
        else
            c->setGeometry(rund(f * m_left), rund(f * m_top), rund(f * m_width),
                           rund(f * m_height));
        break;
    case Platzierung::NurGroesse:
        c->resize(rund(f * m_width), rund(f * m_height));
        break;
    case Platzierung::FuelltEltern:
        ElternFuellen();
        break;
    case Platzierung::Verwaltet:
        break;
    }

    if (auto schrift = Schrift()) {
        // a control that took its own font only after recording has no design size
        if (m_ref1Art == Referenz1::Punkte || m_ref1Art == Referenz1::Pixel) {
            setzeSchriftgroesse(*schrift, abschneiden(f * m_ref1), m_ref1Art == Referenz1::Pixel);
            c->setFont(*schrift);
        }
    } else if (auto* regler = dynamic_cast<IStreckSchieberegler*>(c)) {
        regler->setDaumenlaenge(rund(f * m_ref1 + 0.49));
    } else if (auto* diagramm = dynamic_cast<IStreckDiagramm*>(c)) {
        diagramm->setSchriftgroessen(rund(f * m_ref2), rund(f * m_ref1));
    }

    if (m_hatEintragshoehe)
        c->setProperty(kEintragshoehe, abschneiden(f * m_ref2));

    // the label fits itself to the text in its new font
    if (selbstgroessend)
        c->adjustSize();
}

TStrecker::TStrecker(QWidget* fenster)
    : m_fenster(fenster), m_refBreite(fenster->width()), m_refHoehe(fenster->height())
{
    m_refSchrift = schriftgroesse(fenster->font(), &m_refSchriftInPixeln);
    for (QWidget* kind : autorKinder(fenster))
        erfasse(kind);
}

TStrecker::~TStrecker() = default;

void TStrecker::erfasse(QWidget* control)
{
    // a frame is one unit: its own controls come first
    const bool rahmen = istRahmen(control);
    if (!rahmen)
        m_elemente.emplace_back(control);
    for (QWidget* kind : autorKinder(control))
        erfasse(kind);
    if (rahmen)
        m_elemente.emplace_back(control);
}

void TStrecker::Strecken(int clientBreite, int clientHoehe)
{
    // Without a design area there is no factor, and a minimised window has no
    // area to scale to; both would turn every font and bound into nonsense.
    if (!m_fenster || m_refBreite <= 0 || m_refHoehe <= 0 || clientBreite <= 0 || clientHoehe <= 0)
        return;

    const double f = std::min(static_cast<double>(clientBreite) / m_refBreite,
                              static_cast<double>(clientHoehe) / m_refHoehe);
    if (f == m_faktor)
        return;
    m_faktor = f;

    QFont schrift = m_fenster->font();
    setzeSchriftgroesse(schrift, abschneiden(f * m_refSchrift), m_refSchriftInPixeln);
    m_fenster->setFont(schrift);

    for (TStreckelement& element : m_elemente)
        element.Skalieren(f);

    // A frame's controls were scaled before the frame itself, so a control
    // filling its parent may have taken the old client area; outer ones first.
    std::vector<TStreckelement*> fuellend;
    for (TStreckelement& element : m_elemente) {
        if (element.m_platzierung == TStreckelement::Platzierung::FuelltEltern && element.m_control)
            fuellend.push_back(&element);
    }
    std::stable_sort(fuellend.begin(), fuellend.end(),
                     [](const TStreckelement* a, const TStreckelement* b) {
                         return tiefe(a->m_control) < tiefe(b->m_control);
                     });
    for (TStreckelement* element : fuellend)
        element->ElternFuellen();
}

} // namespace Fermalin
