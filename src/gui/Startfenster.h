// The window shown before the main window: what is new in this version, the
// contribution year the main window opens on, and the choice not to be shown again.
#pragma once

#include <QDialog>

class QCheckBox;
class QFrame;
class QLabel;

namespace Fermalin {

class TColorButton;

class TForm_Startfenster : public QDialog
{
    Q_OBJECT

public:
    // beitragsjahr: the year whose law the main window shows
    explicit TForm_Startfenster(int beitragsjahr, QWidget* parent = nullptr);
    ~TForm_Startfenster() override;

    // true unless "Diesen Hinweis nicht mehr anzeigen" is ticked
    bool HinweisWiederAnzeigen() const;

    // Closing by the close box (or Escape) counts as "Weiter": the window has
    // no other choice to offer.
    void reject() override;

    QLabel* Label_Ueberschrift;
    QLabel* JvHTLabelRR1;
    QLabel* JvHTLabelRR2;
    QLabel* JvHTLabelRR3;
    QFrame* Shape1;
    QFrame* Shape2;
    QFrame* Shape3;
    QCheckBox* CheckBox_HinweisWeg;
    QLabel* Label15;
    TColorButton* ColorButton_Abbruch;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* objekt, QEvent* event) override;

private:
    void Label15Click();
};

} // namespace Fermalin
