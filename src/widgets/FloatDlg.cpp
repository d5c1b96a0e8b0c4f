#include "FloatDlg.h"

#include "Fehleranzeige.h"
#include "Zahlformat.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPointer>
#include <QRegularExpression>
#include <QTimer>
#include <QToolTip>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

namespace Fermalin {

namespace {

// The field whose range error has not been shown yet. While it is set, no other
// field checks itself on losing the focus: the focus is only passing through on
// its way back, and two bad fields would otherwise take it from each other.
QPointer<TCustomFloatEdit> s_meldend;

// A key that inserts text, as against an editing key or a shortcut.
bool IstZeichen(const QKeyEvent* ev)
{
    if (ev->text().isEmpty())
        return false;
    switch (ev->key()) {
    // characters 8 and 13 pass the filter but insert nothing, so the length
    // limit must not swallow them: Backspace and Enter work in a full field
    case Qt::Key_Backspace:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Delete:
    case Qt::Key_Escape:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return false;
    default:
        break;
    }
    const Qt::KeyboardModifiers mods =
        ev->modifiers() & (Qt::ControlModifier | Qt::ShiftModifier | Qt::MetaModifier);
    // Ctrl+Alt is AltGr on some systems and does type characters.
    return !(mods & Qt::MetaModifier) && mods != Qt::ControlModifier &&
           mods != (Qt::ControlModifier | Qt::ShiftModifier);
}

const QString GanzzahlHinweis =
    QStringLiteral("Hier sind nur ganze Zahlen möglich; die Nachkommastellen werden nicht "
                   "übernommen.");

// "1.234.567": dots that group thousands, as against "1.5".
bool TausenderGruppiert(const QString& zahl)
{
    static const QRegularExpression gruppiert(QStringLiteral("^[+-]?[0-9]{1,3}(\\.[0-9]{3})+$"));
    return gruppiert.match(zahl).hasMatch();
}

} // namespace

bool FokusWechselImFenster(Qt::FocusReason grund)
{
    return grund != Qt::ActiveWindowFocusReason && grund != Qt::PopupFocusReason &&
           grund != Qt::MenuBarFocusReason;
}

TCustomFloatEdit::TCustomFloatEdit(QWidget* parent) : QLineEdit(parent)
{
    setAcceptDrops(false);
    // the cents after a refused comma are refused only while typing goes on there
    const auto weiter = [this] { m_nachkomma = false; };
    connect(this, &QLineEdit::textChanged, this, weiter);
    connect(this, &QLineEdit::cursorPositionChanged, this, weiter);
    connect(this, &QLineEdit::selectionChanged, this, weiter);
}

bool TCustomFloatEdit::Ganzzahlig() const
{
    return m_NumInputOnly && m_IntOnly;
}

void TCustomFloatEdit::NachkommaAbweisen()
{
    QApplication::beep();
    QToolTip::showText(mapToGlobal(QPoint(0, height())), GanzzahlHinweis, this);
}

QChar TCustomFloatEdit::Filtern(QChar zeichen) const
{
    if (m_PunktinKomma && zeichen == u'.')
        zeichen = u',';
    if (!m_NumInputOnly)
        return zeichen;
    const char16_t c = zeichen.unicode();
    const bool erlaubt = c == 8 || c == 13 || (c >= u'0' && c <= u'9') || c == u';' || c == u',' ||
                         c == u'.' || c == u'-';
    if (!erlaubt || (c == u'-' && m_MinWert >= 0) || (m_IntOnly && (c == u',' || c == u'.')))
        return {};
    return zeichen;
}

qsizetype TCustomFloatEdit::Platz() const
{
    return std::max<qsizetype>(0, m_maxLaenge - (text().size() - selectedText().size()));
}

void TCustomFloatEdit::keyPressEvent(QKeyEvent* ev)
{
    if (ev->matches(QKeySequence::Paste)) {
        Einfuegen();
        ev->accept();
        return;
    }
    if (!IstZeichen(ev)) {
        QLineEdit::keyPressEvent(ev);
        return;
    }
    QString text;
    for (const QChar c : ev->text()) {
        // In a whole-number field "." groups thousands and goes; a "," starts
        // cents, which go with it until the typing moves elsewhere: "1.000,50"
        // stays 1000 instead of becoming 100050.
        if (Ganzzahlig() && !isReadOnly()) {
            if (c == u',') {
                if (!m_nachkomma)
                    NachkommaAbweisen();
                m_nachkomma = true;
                continue;
            }
            if (c == u'.' || (m_nachkomma && c >= u'0' && c <= u'9'))
                continue;
        }
        const QChar f = Filtern(c);
        if (!f.isNull())
            text += f;
    }
    if (!isReadOnly())
        text.truncate(Platz());
    if (text == ev->text()) {
        QLineEdit::keyPressEvent(ev);
        return;
    }
    if (text.isEmpty()) {
        ev->accept();
        return;
    }
    QKeyEvent ersatz(ev->type(), ev->key(), ev->modifiers(), ev->nativeScanCode(),
                     ev->nativeVirtualKey(), ev->nativeModifiers(), text, ev->isAutoRepeat(),
                     ev->count());
    QLineEdit::keyPressEvent(&ersatz);
    ev->setAccepted(ersatz.isAccepted());
}

bool TCustomFloatEdit::Eingefuegt(const QString& text)
{
    QString einfuegen = text.trimmed();
    if (einfuegen.isEmpty())
        return false;
    // "1.000,50": the German form with thousands dots; "1.5" keeps its dot.
    const qsizetype komma = einfuegen.indexOf(u',');
    const QString ganz = komma < 0 ? einfuegen : einfuegen.left(komma);
    if (m_NumInputOnly && TausenderGruppiert(ganz) &&
        (m_IntOnly || komma >= 0 || ganz.count(u'.') > 1))
        einfuegen =
            ganz.split(u'.').join(QString()) + (komma < 0 ? QString() : einfuegen.mid(komma));
    bool ohneCent = false;
    if (Ganzzahlig() && komma >= 0) {
        static const QRegularExpression ziffern(QStringLiteral("^[0-9]*$"));
        if (!ziffern.match(einfuegen.mid(einfuegen.indexOf(u',') + 1)).hasMatch())
            return false;
        einfuegen.truncate(einfuegen.indexOf(u','));
        ohneCent = true;
    }
    QString gefiltert;
    for (const QChar c : einfuegen) {
        const QChar f = Filtern(c);
        if (f.isNull() || !f.isPrint())
            return false;
        gefiltert += f;
    }
    // Cutting a pasted number would make another number of it.
    if (gefiltert.size() > Platz())
        return false;
    if (!gefiltert.isEmpty())
        insert(gefiltert);
    if (ohneCent)
        NachkommaAbweisen();
    return !gefiltert.isEmpty() || ohneCent;
}

void TCustomFloatEdit::Einfuegen()
{
    if (isReadOnly())
        return;
    if (!Eingefuegt(QGuiApplication::clipboard()->text()))
        QApplication::beep();
}

void TCustomFloatEdit::contextMenuEvent(QContextMenuEvent* ev)
{
    QMenu* menu = createStandardContextMenu();
    if (!menu)
        return;
    menu->setAttribute(Qt::WA_DeleteOnClose);
    // Newer Qt names the action; Qt 6.4 only gives it its translated caption.
    for (QAction* aktion : menu->actions()) {
        if (aktion->objectName() != QLatin1String("edit-paste") &&
            aktion->text().section(QLatin1Char('\t'), 0, 0) != QLineEdit::tr("&Paste"))
            continue;
        disconnect(aktion, &QAction::triggered, this, nullptr);
        connect(aktion, &QAction::triggered, this, &TCustomFloatEdit::Einfuegen);
        break;
    }
    menu->popup(ev->globalPos());
}

void TCustomFloatEdit::mouseReleaseEvent(QMouseEvent* ev)
{
    QClipboard* ablage = QGuiApplication::clipboard();
    if (ev->button() == Qt::MiddleButton && ablage->supportsSelection() && !isReadOnly()) {
        deselect();
        if (!Eingefuegt(ablage->text(QClipboard::Selection)))
            QApplication::beep();
        ev->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(ev);
}

double TCustomFloatEdit::WertLesen() const
{
    // No thousands separators, no ".": the decimal separator is ",".
    static const QRegularExpression zahl(
        QStringLiteral("^[+-]?([0-9]+(,[0-9]*)?|,[0-9]+)([eE][+-]?[0-9]+)?$"));
    const QString t = text().trimmed();
    if (!zahl.match(t).hasMatch())
        return 0;
    std::string s = t.toLatin1().toStdString();
    for (char& c : s)
        if (c == ',')
            c = '.';
    const char* anfang = s.data() + (s.front() == '+' ? 1 : 0);
    const char* ende = s.data() + s.size();
    double wert = 0;
    const auto [rest, fehler] = std::from_chars(anfang, ende, wert);
    if (fehler != std::errc() || rest != ende || !std::isfinite(wert))
        return 0;
    return wert;
}

void TCustomFloatEdit::WertSetzen(double wert)
{
    if (m_AutoRangeCorrect) {
        if (wert > m_MaxWert)
            wert = m_MaxWert;
        else if (wert < m_MinWert)
            wert = m_MinWert;
    }
    // Written so that NaN counts as out of range.
    const bool imBereich = wert <= m_MaxWert && wert >= m_MinWert;
    setText(imBereich ? FormatG(wert) : QStringLiteral("???"));
}

bool TCustomFloatEdit::WertImBereich(double wert)
{
    const bool ok = wert <= m_MaxWert && wert >= m_MinWert;
    if (ok || !m_RangeCheck)
        return ok;
    // Another error is still on its way to the user; one message at a time.
    if (s_meldend)
        return false;
    Zurueckholen(QStringLiteral("Der Wert %1 liegt nicht im Bereich [%2; %3].")
                     .arg(FormatG(wert), FormatG(m_MinWert), FormatG(m_MaxWert)));
    return false;
}

void TCustomFloatEdit::Zurueckholen(const QString& meldung)
{
    s_meldend = this;
    // Inside the focus change Qt has not finished with the widget that gets the
    // focus, so taking it back waits for the event loop, like the message: an
    // error box must not run its own event loop in the middle of a focus change.
    if (!m_imVerlassen) {
        setFocus(Qt::OtherFocusReason);
        selectAll();
    }
    QTimer::singleShot(0, this, [this, meldung] {
        struct Gemeldet
        {
            ~Gemeldet() { s_meldend = nullptr; }
        } gemeldet;
        if (!hasFocus() && isVisible() && isEnabled())
            setFocus(Qt::OtherFocusReason);
        selectAll();
        ZeigeFehler(meldung);
    });
}

void TCustomFloatEdit::focusOutEvent(QFocusEvent* ev)
{
    m_nachkomma = false;
    if (!FokusWechselImFenster(ev->reason()) || s_meldend) {
        QLineEdit::focusOutEvent(ev);
        return;
    }
    const double w = WertLesen();
    if (m_AutoRangeCorrect && (w > m_MaxWert || w < m_MinWert))
        WertSetzen(w);
    m_imVerlassen = true;
    const bool abgelehnt = !WertImBereich(WertLesen()) && m_RangeCheck;
    m_imVerlassen = false;
    QLineEdit::focusOutEvent(ev);
    if (!abgelehnt)
        emit Exit();
}

TFloatEdit::TFloatEdit(QWidget* parent) : TCustomFloatEdit(parent)
{
    WertSetzen(0);
}

} // namespace Fermalin
