#include "Bauteile.h"

#include "ColorButton.h"
#include "FloatDlg.h"
#include "Schrift.h"
#include "Zahlformat.h"

#include <QFontMetrics>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace Fermalin {

QColor knopfFarbe()
{
    return FarbeAusWert(FarbwertKnopf);
}
QColor hintergrund()
{
    return FarbeAusWert(FarbwertHintergrund);
}

// A label that sizes itself to its text, as the window layouts expect.
QLabel* beschriftung(QWidget* eltern, const QString& text, int x, int y, bool fett, int pixel)
{
    auto* l = new QLabel(text, eltern);
    l->setProperty("AutoSize", true);
    if (fett || pixel != 13)
        l->setFont(ProgrammSchrift(pixel, fett));
    l->move(x, y);
    l->adjustSize();
    return l;
}

QFrame* panel(QWidget* eltern, int x, int y, int breite, int hoehe)
{
    auto* p = new QFrame(eltern);
    p->setFrameShape(QFrame::NoFrame);
    p->setGeometry(x, y, breite, hoehe);
    return p;
}

// A group box whose caption alone is bold: its contents keep the regular font.
QGroupBox* gruppe(QWidget* eltern, const QString& titel, int x, int y, int breite, int hoehe,
                  bool fett)
{
    auto* g = new QGroupBox(titel, eltern);
    if (fett)
        g->setFont(ProgrammSchrift(13, true));
    g->setGeometry(x, y, breite, hoehe);
    return g;
}

void regulaereSchrift(QGroupBox* g)
{
    for (QWidget* kind : g->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!kind->testAttribute(Qt::WA_SetFont))
            kind->setFont(ProgrammSchrift(13));
}

void feldfarbe(QLineEdit* e, bool fenster)
{
    QPalette p = e->palette();
    p.setColor(QPalette::Base,
               fenster ? QPalette().color(QPalette::Base) : QPalette().color(QPalette::Button));
    e->setPalette(p);
}

// A read-only result field in the button-face colour, out of the tab order.
QLineEdit* ergebnisfeld(QWidget* eltern, int x, int y, int breite)
{
    auto* e = new QLineEdit(eltern);
    e->setReadOnly(true);
    e->setFocusPolicy(Qt::NoFocus);
    feldfarbe(e, false);
    e->setGeometry(x, y, breite, 21);
    return e;
}

TColorButton* knopf(QWidget* eltern, const QString& text, int x, int y, int breite, int hoehe)
{
    auto* b = new TColorButton(text, eltern);
    b->setColor(knopfFarbe());
    b->setGeometry(x, y, breite, hoehe);
    return b;
}

TFloatEdit* einkommensfeld(QWidget* eltern, int x, int y)
{
    auto* e = new TFloatEdit(eltern);
    e->setIntOnly(true);
    e->setMaxWert(999999);
    e->setMaxLength(6);
    e->setGeometry(x, y, 56, 24);
    return e;
}

void ZeigeBetrag(QLineEdit* feld, int nachkomma, double wert, const QString& suffix,
                 TBetragsform form)
{
    if (wert == 0) {
        feld->clear();
        return;
    }
    QString text = form == TBetragsform::Monatlich
                       ? FormatN(wert, nachkomma) + QStringLiteral(" (mtl. ") +
                             FormatN(wert / 12, nachkomma) + QStringLiteral(") ") + suffix
                       : FormatN(wert, nachkomma) + suffix;
    // The padding is measured in the field's own font, at its current width.
    const QFontMetrics fm(feld->font());
    const int blank = fm.horizontalAdvance(QLatin1Char(' '));
    const int grenze = feld->width() - blank - 8;
    if (blank > 0) {
        int breite = fm.horizontalAdvance(text);
        QString vorne;
        while (breite < grenze) {
            vorne += QLatin1Char(' ');
            breite += blank;
        }
        text.prepend(vorne);
    }
    feld->setText(text);
}

// Setting a radio button to false clears only that button, even the selected
// one of its group (the group may end with none selected).
void auswahlSetzen(QRadioButton* r, bool an)
{
    if (an || !r->isChecked()) {
        r->setChecked(an);
        return;
    }
    r->setAutoExclusive(false);
    r->setChecked(false);
    r->setAutoExclusive(true);
}

} // namespace Fermalin
