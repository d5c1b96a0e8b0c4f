// Scales a window's controls and fonts by one factor, like zooming a picture:
// every control is recorded once at its design geometry and each resize applies
// the factor to those recorded values, so repeated resizing never accumulates
// rounding errors. Nothing here reacts to events; the window calls Strecken
// from its resize handling.
//
// How the notions are carried over to Qt Widgets:
// - Client size: the window widget's width() and height() (a Qt widget's
//   geometry already is its client area). Bounds of a control: geometry() in
//   its parent's coordinates.
// - Font sizes are points. A pixel-sized font (pointSize() == -1) has its pixel
//   size scaled by the same rule; the unit found at recording is kept.
// - Own font: the control's font was set on the control itself
//   (Qt::WA_SetFont) rather than inherited, and the control is one of the kinds
//   whose font matters: QPushButton, QRadioButton, QCheckBox, QGroupBox, QLabel
//   (label and static text), QLineEdit (also the numeric edit), QComboBox (also
//   the colour box), QSpinBox and QDoubleSpinBox (spin edit), a panel (a QFrame
//   that is no more specific Qt frame class such as a list view, splitter or
//   stacked widget), QTabWidget (page control), QTextEdit and QPlainTextEdit
//   (memo), QScrollArea (scroll box) and a frame (below). A QTabBar (tab set)
//   always counts as having its own font. Plain QWidget containers are not
//   panels: their font just follows the window.
// - The window's font is set on the window; controls without an own font follow
//   it through Qt's font propagation.
// - Fills its parent: the control sits in its parent's layout (also the pages of
//   a QTabWidget or QStackedWidget and the content of a resizable QScrollArea),
//   so Qt sizes it; or, without a layout, it is its parent's only control and
//   covered the parent's whole client area at recording. Such a control gets
//   no scaled bounds; a layout-less one is kept on its parent's whole client
//   area, which is what an aligned control does. The content of a non-resizable
//   QScrollArea is resized only, since the scroll area owns its position.
// - A label that sizes itself to its text: a QLabel with the dynamic property
//   "AutoSize" set to true. It is only moved and, after its font is scaled,
//   adjustSize() is called.
// - Slider thumb length: a widget implementing IStreckSchieberegler. Chart
//   fonts: a widget implementing IStreckDiagramm.
// - Owner-drawn item height: a widget with an int property "Eintragshoehe"
//   (dynamic or Q_PROPERTY) is recorded with that value and gets the scaled
//   value written back into the property.
// - Frame (a child form embedded as a unit): a widget with the dynamic property
//   "Rahmen" set to true. Its controls are recorded first, then the frame.
// - Component order: the window's descendants depth first, each control before
//   its children and siblings in the order they were added, which is the order
//   in which a form is built. Top-level widgets (dialogs, popups) are not
//   recorded, nor are the internal parts of Qt's composite widgets: children
//   named "qt_..." (scroll-area viewport and scroll bars, a spin box's line
//   edit, a tab widget's stack and tab bar, splitter handles), all children of
//   spin boxes, combo boxes, line edits, tab bars and scroll areas (only the
//   content of a QScrollArea and the pages of a QTabWidget are descended into),
//   and size grips, focus frames and rubber bands.
#pragma once

#include <QFont>
#include <QPointer>
#include <QWidget>

#include <optional>
#include <vector>

namespace Fermalin {

// A slider with a thumb length of its own (the stretcher scales it).
class IStreckSchieberegler
{
public:
    virtual ~IStreckSchieberegler() = default;
    virtual int Daumenlaenge() const = 0;
    virtual void setDaumenlaenge(int laenge) = 0;
};

// A chart with its own fonts (sizes in points).
class IStreckDiagramm
{
public:
    virtual ~IStreckDiagramm() = default;
    virtual int LegendenSchriftgroesse() const = 0;
    // the title font of the left axis; it stands for all title-like fonts
    virtual int AchsentitelSchriftgroesse() const = 0;
    // titel: chart title, the axis titles and the series fonts and marks;
    // beschriftung: legend and axis labels
    virtual void setSchriftgroessen(int titel, int beschriftung) = 0;
};

class TStreckelement
{
public:
    explicit TStreckelement(QWidget* control);

    // Applies the factor to the recorded design values.
    void Skalieren(double f);
    // The control's own font as it is now, or none when it follows its parent.
    std::optional<QFont> Schrift() const;
    // nullptr once the control has been deleted
    QWidget* Control() const { return m_control; }

private:
    friend class TStrecker;

    enum class Platzierung
    {
        Frei,         // the stretcher sets its bounds
        Verwaltet,    // a layout or the scroll area sizes it
        FuelltEltern, // kept on the parent's whole client area
        NurGroesse,   // content of a non-resizable scroll area
    };
    enum class Referenz1
    {
        Keine,
        Punkte,
        Pixel,
        Daumen,
        Diagramm
    };

    // Puts a parent-filling control back on its parent's client area, which may
    // have been scaled only after the control itself.
    void ElternFuellen();
    bool istSelbstgroessendesLabel() const;

    QPointer<QWidget> m_control;
    int m_top;
    int m_left;
    int m_width;
    int m_height;
    int m_ref1 = 0;
    int m_ref2 = 0;
    Referenz1 m_ref1Art = Referenz1::Keine;
    bool m_hatEintragshoehe = false;
    Platzierung m_platzierung = Platzierung::Frei;
};

class TStrecker
{
public:
    // Records the window's client size and font and all its controls; call it
    // once the window has its design size.
    explicit TStrecker(QWidget* fenster);
    ~TStrecker();
    TStrecker(const TStrecker&) = delete;
    TStrecker& operator=(const TStrecker&) = delete;

    // Scales everything for this client size; the same factor again costs
    // nothing. A size without area (minimised window) is ignored.
    void Strecken(int clientBreite, int clientHoehe);

    double Faktor() const { return m_faktor; }
    int ReferenzBreite() const { return m_refBreite; }
    int ReferenzHoehe() const { return m_refHoehe; }
    int ReferenzSchrift() const { return m_refSchrift; }
    const std::vector<TStreckelement>& Elemente() const { return m_elemente; }

private:
    void erfasse(QWidget* control);

    QPointer<QWidget> m_fenster;
    std::vector<TStreckelement> m_elemente;
    int m_refBreite;
    int m_refHoehe;
    int m_refSchrift;
    bool m_refSchriftInPixeln;
    double m_faktor = 1.0;
};

} // namespace Fermalin
