// Every message to the user: the toolkit's message box in the program's colours,
// with coloured buttons and, when asked, the caller's larger font.
#pragma once

#include <QColor>
#include <QMessageBox>
#include <QString>

#include <functional>

class QFont;

namespace Fermalin {

enum class TMeldungsart
{
    Warnung,
    Fehler,
    Information,
    Bestaetigung,
    Eigene, // title: the application's name, no icon
};

// Shows the message modally, centred on the screen, and returns the button pressed:
// Yes "&Ja", No "&Nein", Ok "OK" (Cancel "Abbrechen" if asked for). Closing by the
// close box or Escape gives Cancel. A font larger than the dialog's own grows the
// dialog and its controls in proportion; any given font then becomes the dialog's.
// zu: the window the message belongs to; the message stays above it, also
// above a window that stays on top (the print preview).
QMessageBox::StandardButton
ColorMessageDlg(const QString& text, TMeldungsart art, QMessageBox::StandardButtons knoepfe,
                const QFont* schrift, QMessageBox::StandardButton vorgabe,
                const QColor& dialogFarbe, const QColor& knopfFarbe, QWidget* zu = nullptr);

// The window title a message of this kind gets.
QString MeldungsTitel(TMeldungsart art);

// For tests: called from the dialog's own event loop once it is shown, laid out and
// scaled, so the hook can inspect it and must answer it (click a button, press a key,
// close it). The message text label is named "Message". An empty function removes
// the hook. Without a hook a test can still find the dialog with
// QApplication::activeModalWidget() from a QTimer.
using TMeldungsHaken = std::function<void(QMessageBox& dialog)>;
void MeldungsHakenSetzen(TMeldungsHaken haken);

} // namespace Fermalin
