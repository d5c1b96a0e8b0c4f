// A page control whose tabs the program draws: each tab is filled with the
// window colour and carries its caption in the regular font, 4 pixels right of
// and 2 below the tab's corner; the active tab looks like the others. Captions
// are kept as given, trailing blanks included, and the tab is as wide as the
// caption with its blanks.
//
// The Tab key passes the page control by; a click on a tab gives it the focus
// so that the arrow keys can change the page.
#pragma once

#include <QColor>
#include <QTabWidget>

namespace Fermalin {

class TSeitenreiter : public QTabWidget
{
    Q_OBJECT
    Q_PROPERTY(QColor Fensterfarbe READ Fensterfarbe WRITE setFensterfarbe)

public:
    explicit TSeitenreiter(QWidget* parent = nullptr);
    ~TSeitenreiter() override;

    QColor Fensterfarbe() const;
    void setFensterfarbe(const QColor& farbe);

    // Hides a page's tab, so that neither a click nor a key nor
    // NaechsteSeiteWaehlen reaches it. If it was the active page, the first
    // page still shown becomes active (QTabBar would take the next one).
    void SeiteVerbergen(int index);
    void SeiteZeigen(int index);

    // Selects the next (or previous) page among the shown ones, wrapping
    // around at the ends; the page-change signal fires as for a click.
    void NaechsteSeiteWaehlen(bool vorwaerts = true);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace Fermalin
