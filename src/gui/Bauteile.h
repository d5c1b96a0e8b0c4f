// Small builders for the window layouts: controls at absolute design positions
// in the program's colours and font. Shared by the pages of the main window and
// the dialogs.
#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace Fermalin {

class TColorButton;
class TFloatEdit;

inline const QString Euro = QStringLiteral(" \u20AC");

QColor knopfFarbe();
QColor hintergrund();

// Names a control as the window layouts do, so tests and style rules find it.
template <class T> T* benannt(T* w, const char* name)
{
    w->setObjectName(QLatin1String(name));
    return w;
}

// Places a control; without a size it takes its size hint.
template <class T> T* platziere(T* w, int x, int y, int breite = -1, int hoehe = -1)
{
    if (breite < 0 || hoehe < 0) {
        const QSize s = w->sizeHint();
        w->setGeometry(x, y, breite < 0 ? s.width() : breite, hoehe < 0 ? s.height() : hoehe);
    } else {
        w->setGeometry(x, y, breite, hoehe);
    }
    return w;
}

// A label that sizes itself to its text, as the window layouts expect.
QLabel* beschriftung(QWidget* eltern, const QString& text, int x, int y, bool fett = false,
                     int pixel = 13);
QFrame* panel(QWidget* eltern, int x, int y, int breite, int hoehe);
// A group box whose caption alone is bold: its contents keep the regular font.
QGroupBox* gruppe(QWidget* eltern, const QString& titel, int x, int y, int breite, int hoehe,
                  bool fett);
void regulaereSchrift(QGroupBox* g);
void feldfarbe(QLineEdit* e, bool fenster);
// A read-only result field in the button-face colour, out of the tab order.
QLineEdit* ergebnisfeld(QWidget* eltern, int x, int y, int breite);
TColorButton* knopf(QWidget* eltern, const QString& text, int x, int y, int breite, int hoehe);
TFloatEdit* einkommensfeld(QWidget* eltern, int x, int y);
// ZeigeBetrag: an amount of exactly 0 empties the field; any other is shown
// with the German separators and the suffix ("Monatlich": with the monthly
// amount in brackets, as the own contribution is), right-aligned by leading
// blanks measured in the field's own font.
enum class TBetragsform
{
    Einfach,
    Monatlich
};
void ZeigeBetrag(QLineEdit* feld, int nachkomma, double wert, const QString& suffix,
                 TBetragsform form = TBetragsform::Einfach);

// Setting a radio button to false clears only that button, even the selected
// one of its group (the group may end with none selected).
void auswahlSetzen(QRadioButton* r, bool an);

} // namespace Fermalin
