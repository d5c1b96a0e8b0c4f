#include "ColorMsg.h"

#include "ColorButton.h"
#include "Stretch.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFont>
#include <QFontInfo>
#include <QHash>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include <memory>

namespace Fermalin {

namespace {

TMeldungsHaken& Haken()
{
    static TMeldungsHaken haken;
    return haken;
}

struct TKnopfArt
{
    QMessageBox::StandardButton knopf;
    const char16_t* beschriftung;
    QMessageBox::ButtonRole rolle;
};

// The roles only order the buttons (Yes before No); the results come from our own map.
constexpr TKnopfArt KnopfArten[] = {
    {QMessageBox::Yes, u"&Ja", QMessageBox::YesRole},
    {QMessageBox::No, u"&Nein", QMessageBox::NoRole},
    {QMessageBox::Ok, u"OK", QMessageBox::AcceptRole},
    {QMessageBox::Cancel, u"Abbrechen", QMessageBox::RejectRole},
};

QMessageBox::Icon Symbol(TMeldungsart art)
{
    switch (art) {
    case TMeldungsart::Warnung:
        return QMessageBox::Warning;
    case TMeldungsart::Fehler:
        return QMessageBox::Critical;
    case TMeldungsart::Information:
        return QMessageBox::Information;
    case TMeldungsart::Bestaetigung:
        return QMessageBox::Question;
    case TMeldungsart::Eigene:
        break;
    }
    return QMessageBox::NoIcon;
}

// QMessageBox sizes itself to its layout whenever the layout asks, and treats the
// close box and Escape as a click on its "No" button. Both are wrong here: the
// font rule fixes the geometry once, and closing means "cancelled".
class TFarbMeldung : public QMessageBox
{
public:
    explicit TFarbMeldung(const QFont* schrift) : m_schrift(schrift) {}

    QLabel* Meldung = nullptr;

protected:
    bool event(QEvent* e) override
    {
        if (m_eingefroren && e->type() == QEvent::LayoutRequest)
            return QDialog::event(e);
        return QMessageBox::event(e);
    }

    void changeEvent(QEvent* e) override
    {
        if (m_eingefroren && e->type() == QEvent::FontChange) {
            QDialog::changeEvent(e);
            return;
        }
        QMessageBox::changeEvent(e);
    }

    void showEvent(QShowEvent* e) override
    {
        QMessageBox::showEvent(e); // lays the box out for its own font
        if (m_schrift && !m_eingefroren)
            SchriftAnwenden(*m_schrift);
        Zentrieren();
        if (Haken()) {
            QTimer::singleShot(0, this, [this] {
                if (Haken())
                    Haken()(*this);
            });
        }
    }

    void keyPressEvent(QKeyEvent* e) override
    {
        if (e->matches(QKeySequence::Cancel)) {
            reject();
            return;
        }
        QMessageBox::keyPressEvent(e);
    }

    void closeEvent(QCloseEvent* e) override { QDialog::closeEvent(e); }

private:
    void SchriftAnwenden(const QFont& schrift);
    void Zentrieren();

    const QFont* m_schrift;
    bool m_eingefroren = false;
};

void LayoutLoesen(QLayout* layout, QWidget* w)
{
    for (int i = 0; i < layout->count(); ++i) {
        if (QLayout* innen = layout->itemAt(i)->layout())
            LayoutLoesen(innen, w);
    }
    layout->removeWidget(w);
}

void TFarbMeldung::SchriftAnwenden(const QFont& schrift)
{
    // From here on the controls keep the places the layout gave them, as in a
    // dialog designed at fixed positions; only the stretcher moves them, and it
    // leaves alone what a layout manages and Qt's "qt_" parts.
    m_eingefroren = true;
    for (QWidget* w : findChildren<QWidget*>()) {
        if (QWidget* eltern = w->parentWidget(); eltern && eltern->layout() && !w->isWindow())
            LayoutLoesen(eltern->layout(), w);
    }
    for (QLayout* l : findChildren<QLayout*>())
        l->setEnabled(false);
    if (auto* symbol = findChild<QLabel*>(QStringLiteral("qt_msgboxex_icon_label")))
        symbol->setObjectName(QStringLiteral("Image"));
    if (auto* knoepfe = findChild<QWidget*>(QStringLiteral("qt_msgbox_buttonbox")))
        knoepfe->setObjectName(QStringLiteral("Buttons"));

    // Sizes compare in one unit: points where both fonts have them, pixels
    // otherwise (the program's window font is pixel-sized).
    const bool punkte = font().pointSize() > 0 && schrift.pointSize() > 0;
    const int s = punkte ? font().pointSize() : QFontInfo(font()).pixelSize();
    const int groesse = punkte ? schrift.pointSize() : QFontInfo(schrift).pixelSize();
    if (s > 0 && groesse > s) {
        const int meldungsbreite = Meldung ? Meldung->width() : 0;
        auto strecker = std::make_unique<TStrecker>(this);
        const int breite = width() * groesse / s;
        const int hoehe = height() * groesse / s;
        setFixedSize(breite, hoehe);
        strecker->Strecken(breite, hoehe);
        strecker.reset();
        // The text grows with the font but its width is rounded per character:
        // one point more keeps a line from wrapping. The label sizes itself like a
        // self-sizing one that keeps its width, so the stretcher only placed it.
        if (Meldung)
            Meldung->resize(meldungsbreite * (groesse + 1) / s, Meldung->height());
    }

    setFont(schrift);

    // Its height follows the text in the new font.
    if (Meldung) {
        const int noetig = Meldung->wordWrap() ? Meldung->heightForWidth(Meldung->width())
                                               : Meldung->sizeHint().height();
        if (noetig > Meldung->height())
            Meldung->resize(Meldung->width(), noetig);
    }
}

void TFarbMeldung::Zentrieren()
{
    QScreen* bildschirm = screen();
    if (!bildschirm)
        return;
    QRect r = frameGeometry();
    r.moveCenter(bildschirm->geometry().center());
    move(r.topLeft());
}

} // namespace

QString MeldungsTitel(TMeldungsart art)
{
    switch (art) {
    case TMeldungsart::Warnung:
        return QStringLiteral("Warnung");
    case TMeldungsart::Fehler:
        return QStringLiteral("Fehler");
    case TMeldungsart::Information:
        return QStringLiteral("Informationen");
    case TMeldungsart::Bestaetigung:
        return QStringLiteral("Bestätigen");
    case TMeldungsart::Eigene:
        break;
    }
    return QApplication::applicationDisplayName();
}

void MeldungsHakenSetzen(TMeldungsHaken haken)
{
    Haken() = std::move(haken);
}

QMessageBox::StandardButton
ColorMessageDlg(const QString& text, TMeldungsart art, QMessageBox::StandardButtons knoepfe,
                const QFont* schrift, QMessageBox::StandardButton vorgabe,
                const QColor& dialogFarbe, const QColor& knopfFarbe, QWidget* zu)
{
    TFarbMeldung dialog(schrift);
    // Transient for that window only, so that the box is still centred on the screen.
    if (zu && zu->window()->windowHandle()) {
        dialog.winId();
        dialog.windowHandle()->setTransientParent(zu->window()->windowHandle());
    }
    dialog.setWindowTitle(MeldungsTitel(art));
    dialog.setIcon(Symbol(art));
    dialog.setText(text);

    QPalette pal = dialog.palette();
    pal.setColor(QPalette::Window, dialogFarbe);
    dialog.setPalette(pal);
    dialog.setAutoFillBackground(true);

    for (QLabel* label : dialog.findChildren<QLabel*>()) {
        if (label->objectName() == QLatin1String("qt_msgbox_label") ||
            (!dialog.Meldung && label->text() == text)) {
            dialog.Meldung = label;
        }
    }
    if (dialog.Meldung)
        dialog.Meldung->setObjectName(QStringLiteral("Message"));

    // A message without any button could only be closed; it gets OK.
    bool bekannt = false;
    for (const TKnopfArt& k : KnopfArten)
        bekannt = bekannt || knoepfe.testFlag(k.knopf);
    if (!bekannt)
        knoepfe = QMessageBox::Ok;

    QHash<QAbstractButton*, QMessageBox::StandardButton> ergebnisse;
    for (const TKnopfArt& k : KnopfArten) {
        if (!knoepfe.testFlag(k.knopf))
            continue;
        auto* knopf = new TColorButton(QString::fromUtf16(k.beschriftung), &dialog);
        knopf->setColor(knopfFarbe);
        dialog.addButton(knopf, k.rolle);
        ergebnisse.insert(knopf, k.knopf);
        if (k.knopf == vorgabe)
            dialog.setDefaultButton(knopf); // also gives it the focus
    }

    dialog.exec();
    return ergebnisse.value(dialog.clickedButton(), QMessageBox::Cancel);
}

} // namespace Fermalin
