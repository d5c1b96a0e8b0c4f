// The help viewer: one window of its own that shows a topic of a compiled help
// file with its pictures and links, with back and forward. It is made on the
// first request, reused for every later one and closed at program end.
#pragma once

#include "ChmDatei.h"

#include <QRect>
#include <QTextBrowser>
#include <QWidget>

namespace Fermalin {

class TColorButton;

// Pages of the help file as "hilfe:/avmg/dialog1.htm"; anything else is a link
// to the outside.
class THilfeBrowser : public QTextBrowser
{
    Q_OBJECT

public:
    explicit THilfeBrowser(QWidget* parent = nullptr);

    // Opens the help file anew (it may have been replaced since); the history
    // is kept only while the file stays the same.
    void DateiSetzen(const QString& datei);
    const TChmDatei& Datei() const { return m_datei; }

    QVariant loadResource(int type, const QUrl& name) override;

    static QUrl Adresse(const QString& innererPfad);

private:
    void LinkGeklickt(const QUrl& url);

    TChmDatei m_datei;
    bool m_lesbar = false;
};

class THilfeFenster : public QWidget
{
    Q_OBJECT

public:
    explicit THilfeFenster(QWidget* parent = nullptr);

    // Shows the topic (its path inside the file, "/avmg/dialog2.htm") of the file.
    // A window that is not on show yet opens beside neben (see HilfefensterPlatz).
    void ThemaZeigen(const QString& datei, const QString& innererPfad,
                     const QWidget* neben = nullptr);

    THilfeBrowser* Browser;
    TColorButton* Button_Zurueck;
    TColorButton* Button_Vor;
};

// Where the help window goes, all in frame geometry: beside the main window,
// right of it or else left of it, where the work area has room for it; otherwise
// at the work area's right edge. Its top is level with the main window's as far
// as the work area allows, and it is never larger than the work area.
QRect HilfefensterPlatz(const QRect& hauptfenster, const QSize& groesse,
                        const QRect& arbeitsflaeche);

// Shows a topic of a help file in the one help window, creating it if needed;
// neben is the window that asked (the active window when none is given).
void HtmlHilfeAnzeigen(const QString& datei, const QString& innererPfad,
                       const QWidget* neben = nullptr);
// Closes the help window at program end; nothing when none was opened.
void HtmlHilfeFreigeben();
// The help window, or nullptr while none is open.
THilfeFenster* HtmlHilfeFenster();

} // namespace Fermalin
