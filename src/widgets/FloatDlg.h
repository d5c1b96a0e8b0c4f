// The single-line edit for every number the user enters: it filters typed keys,
// converts between its text and a double and checks a range [MinWert, MaxWert].
//
// Only typed characters are filtered. Editing keys and shortcuts (arrows, Home,
// Backspace, Delete, Enter, Ctrl+A/C/X/Z, Escape, which the dialog needs) keep
// the line edit's own behaviour, also in a full field, and text set from code is
// taken as it is. A paste (Ctrl+V, Shift+Insert, the context menu, the middle
// button) goes through the same character rules as a whole: it is inserted when
// every character would have been accepted as typed ("." still becomes ","), and
// refused with a beep otherwise, so that a copied number never turns silently
// into another one. Dropping text onto the field is switched off for the same
// reason.
//
// In a whole-number field (IntOnly) "." groups thousands and is dropped, and a
// "," is refused together with the digits typed after it, with a beep and a
// word: "1.000,50" becomes 1000, never 100050. A pasted "1.000,50" gives 1000
// there and 1000,50 in a field with decimals; a pasted "1.5" is no grouping and
// is refused in a whole-number field.
//
// The length limit (setMaxLength) restricts typing and pasting only; a value set
// from code is always shown whole, so that an amount with cents is never cut.
#pragma once

#include <QLineEdit>
#include <QString>

namespace Fermalin {

// True when the focus moves to another control of the same window; false when
// the window loses its activation (to a message box, say), a popup or the menu
// bar takes it: then the user has not left the field.
bool FokusWechselImFenster(Qt::FocusReason grund);

class TCustomFloatEdit : public QLineEdit
{
    Q_OBJECT
    Q_PROPERTY(bool NumInputOnly READ NumInputOnly WRITE setNumInputOnly)
    Q_PROPERTY(bool PunktinKomma READ PunktinKomma WRITE setPunktinKomma)
    Q_PROPERTY(bool RangeCheck READ RangeCheck WRITE setRangeCheck)
    Q_PROPERTY(bool AutoRangeCorrect READ AutoRangeCorrect WRITE setAutoRangeCorrect)
    Q_PROPERTY(bool IntOnly READ IntOnly WRITE setIntOnly)
    Q_PROPERTY(double MinWert READ MinWert WRITE setMinWert)
    Q_PROPERTY(double MaxWert READ MaxWert WRITE setMaxWert)

public:
    explicit TCustomFloatEdit(QWidget* parent = nullptr);

    bool NumInputOnly() const { return m_NumInputOnly; }
    void setNumInputOnly(bool an) { m_NumInputOnly = an; }
    bool PunktinKomma() const { return m_PunktinKomma; }
    void setPunktinKomma(bool an) { m_PunktinKomma = an; }
    bool RangeCheck() const { return m_RangeCheck; }
    void setRangeCheck(bool an) { m_RangeCheck = an; }
    bool AutoRangeCorrect() const { return m_AutoRangeCorrect; }
    void setAutoRangeCorrect(bool an) { m_AutoRangeCorrect = an; }
    bool IntOnly() const { return m_IntOnly; }
    void setIntOnly(bool an) { m_IntOnly = an; }
    double MinWert() const { return m_MinWert; }
    void setMinWert(double wert) { m_MinWert = wert; }
    double MaxWert() const { return m_MaxWert; }
    void setMaxWert(double wert) { m_MaxWert = wert; }
    // Hides QLineEdit's limit, which would also cut text set from code.
    int maxLength() const { return m_maxLaenge; }
    void setMaxLength(int laenge) { m_maxLaenge = laenge; }

    // The text as a number with the decimal comma; 0 for anything else.
    double WertLesen() const;
    // "???" for a value out of range (after the correction, when switched on).
    void WertSetzen(double wert);
    // True when MinWert <= wert <= MaxWert. Otherwise, with RangeCheck, the field
    // takes the focus back with its text selected and the range error goes to
    // the error display once control is back in the event loop.
    bool WertImBereich(double wert);

public slots:
    // Pastes the clipboard under the rules described above.
    void Einfuegen();

signals:
    // The focus has left the field and its value passed the range check.
    void Exit();

protected:
    void keyPressEvent(QKeyEvent* ev) override;
    void focusOutEvent(QFocusEvent* ev) override;
    void contextMenuEvent(QContextMenuEvent* ev) override;
    void mouseReleaseEvent(QMouseEvent* ev) override;

private:
    // The character as it goes on to the edit, or a null QChar when it is dropped.
    QChar Filtern(QChar zeichen) const;
    // Only whole numbers can be typed (IntOnly with the key filter on).
    bool Ganzzahlig() const;
    // Beeps and says that the cents are not taken.
    void NachkommaAbweisen();
    bool Eingefuegt(const QString& text);
    // How many characters may still be typed over the current selection.
    qsizetype Platz() const;
    void Zurueckholen(const QString& meldung);

    bool m_NumInputOnly = true;
    bool m_PunktinKomma = true;
    bool m_RangeCheck = true;
    bool m_AutoRangeCorrect = false;
    bool m_IntOnly = false;
    double m_MinWert = 0;
    double m_MaxWert = 0;
    bool m_imVerlassen = false;
    bool m_nachkomma = false; // a "," was refused and digits after it are cents
    int m_maxLaenge = 32767;
};

class TFloatEdit : public TCustomFloatEdit
{
    Q_OBJECT
    Q_PROPERTY(double Wert READ WertLesen WRITE WertSetzen STORED true USER true)

public:
    explicit TFloatEdit(QWidget* parent = nullptr);
};

} // namespace Fermalin
