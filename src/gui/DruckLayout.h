// The print-layout frame of the settings dialog: whether the report carries the
// own company logo, and which picture that is. It edits a copy of the layout
// data; the chosen picture is scaled into the logo file beside the program.
#pragma once

#include "LayoutDaten.h"

#include <QWidget>

#include <functional>
#include <memory>

class QCheckBox;
class QFileDialog;
class QFrame;
class QGroupBox;
class QLabel;

namespace Fermalin {

class TColorButton;

class TFrameDruckLayout : public QWidget
{
    Q_OBJECT

public:
    // logoDatei: the scaled logo; logoSicherung: its backup while the dialog is open.
    TFrameDruckLayout(const QString& logoDatei, const QString& logoSicherung,
                      QWidget* parent = nullptr);
    ~TFrameDruckLayout() override;

    void LayoutUebernehmen(const TLayoutDaten& daten);
    const TLayoutDaten& LayoutDaten() const { return m_daten; }

    // Scales the chosen picture into the logo file and shows it; false (after
    // the message) when the picture could not be read or the logo not written.
    bool LogoAnpassen();
    void LogoAnzeigen();
    void LogoBackup();
    void LogoWiederherstellen();
    void BackupLoeschen();

    void CheckBox_L_DruckMitLogoClick();
    void ColorButton_L_LOGO_WAEHLENClick();

    // Asks for a picture, starting at the given file or directory; empty when
    // cancelled. Tests put their own here.
    std::function<QString(const QString& start)> BildWaehlen;

    QGroupBox* GroupBox2;
    QLabel* JvHTLabel_L_Info1;
    QLabel* Label1;
    QFrame* Panel1;
    QLabel* Image_L_LOGO;
    QCheckBox* CheckBox_L_DruckMitLogo;
    TColorButton* ColorButton_L_LOGO_WAEHLEN;

private:
    QString m_logo;
    QString m_sicherung;
    TLayoutDaten m_daten;
};

// Reads the picture (format by its extension in any case: JPEG, GIF, PNG, else
// BMP), fits it into the logo box and writes it as a 24-bit bitmap; the logo
// file is replaced only once the new one is complete. False when the picture
// cannot be read or the logo not written.
bool LogoSchreiben(const QString& bildPfad, const QString& logoPfad);

// The file dialog for a logo picture, in German, with a preview, sized so that
// the size, type and date columns stay whole beside the names.
std::unique_ptr<QFileDialog> LogoBildDialogAnlegen(QWidget* eltern, const QString& start);
// Runs it; the chosen file, or empty when cancelled.
QString LogoBildDialog(QWidget* eltern, const QString& start);

} // namespace Fermalin
