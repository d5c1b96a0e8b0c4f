// A push button drawn by the program so that its face can take a colour of its
// own; the style's buttons always paint the face in the palette's button colour.
#pragma once

#include <QColor>
#include <QPushButton>
#include <QRect>

#include <functional>

namespace Fermalin {

// Colours are stored as in the settings and window layouts: red in the lowest byte.
QColor FarbeAusWert(quint32 wert);
quint32 WertAusFarbe(const QColor& farbe);

// Buttons of the main window, the taxable-income dialog and every message dialog.
inline constexpr quint32 FarbwertKnopf = 13804646;
// Buttons of the start window, the settings dialog and the print-layout frame.
inline constexpr quint32 FarbwertKnopfHell = 14264970;
// Background of the main window and of every message dialog.
inline constexpr quint32 FarbwertHintergrund = 15520967;

// What the button looked like when it was drawn (handed to OnDrawButton).
enum class TKnopfZustand
{
    Gedrueckt = 0x1,
    Fokussiert = 0x2,
    Gesperrt = 0x4,
};
Q_DECLARE_FLAGS(TKnopfZustaende, TKnopfZustand)
Q_DECLARE_OPERATORS_FOR_FLAGS(TKnopfZustaende)

class TColorButton : public QPushButton
{
    Q_OBJECT
    Q_PROPERTY(QColor Color READ Color WRITE setColor)

public:
    // Called after the button has been drawn, with the face rectangle.
    using TDrawButtonEvent = std::function<void(TColorButton*, QRect, TKnopfZustaende)>;

    explicit TColorButton(QWidget* parent = nullptr);
    explicit TColorButton(const QString& text, QWidget* parent = nullptr);
    ~TColorButton() override;

    QColor Color() const { return m_color; }
    void setColor(const QColor& farbe);

    // It has the focus, or it is its window's default button and no other push
    // button there has the focus: this is the button Enter would press.
    bool Aktiv() const { return m_aktiv; }

    // Where the caption stands on the face; a caption with line breaks is drawn
    // on several lines.
    Qt::Alignment Ausrichtung() const { return m_ausrichtung; }
    void setAusrichtung(Qt::Alignment ausrichtung);

    TDrawButtonEvent OnDrawButton;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    bool AktivBerechnen() const;
    void AktivSetzen(bool aktiv);
    void AktivPruefen() { AktivSetzen(AktivBerechnen()); }

    QColor m_color;
    Qt::Alignment m_ausrichtung = Qt::AlignCenter;
    bool m_aktiv = false;
    QMetaObject::Connection m_fokusVerbindung;
};

} // namespace Fermalin
