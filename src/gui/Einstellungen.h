// The settings dialog: the start window at the next start, and the print
// layout with the company logo. A new dialog per opening.
#pragma once

#include "LayoutDaten.h"
#include "StreckDialog.h"

class QCheckBox;
class QGroupBox;

namespace Fermalin {

class TColorButton;
class TFrameDruckLayout;

// What OK hands back to the main window.
struct TEinstellungenErgebnis
{
    bool StartfensterAnzeigen = true;
    TLayoutDaten LayoutDaten;
};

class TForm_Einstellungen : public TStreckDialog
{
    Q_OBJECT

public:
    TForm_Einstellungen(const QString& logoDatei, const QString& logoSicherung,
                        QWidget* parent = nullptr);
    ~TForm_Einstellungen() override;

    // Steps 3 to 5 of the opening: the start-window box, the layout (which takes
    // the logo's backup) and the caption prefix.
    void Vorbereiten(bool startfensterAnzeigen, const TLayoutDaten& layout, const QString& praefix);
    TEinstellungenErgebnis Ergebnis() const;
    // After the modal run: without OK the logo file returns to its state at the
    // opening (bisher: the layout the main window kept); the backup goes.
    void Abschliessen(bool ok, const TLayoutDaten& bisher);

    TFrameDruckLayout* TFrameDruckLayout1;
    QGroupBox* GroupBox_Startfenster;
    QCheckBox* CheckBox_E_Startfenster;
    TColorButton* ColorButton_E_OK;
    TColorButton* ColorButton_E_Abbruch;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QString m_logo;
    QString m_praefix;
    bool m_logoVorher = false; // a logo file existed when the dialog opened
};

} // namespace Fermalin
