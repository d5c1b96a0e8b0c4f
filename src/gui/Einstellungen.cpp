#include "Einstellungen.h"

#include "Bauteile.h"
#include "ColorButton.h"
#include "DruckLayout.h"
#include "Schrift.h"

#include <QCheckBox>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>

namespace Fermalin {

namespace {
constexpr quint32 FarbwertEinstellungen = 15520708;
} // namespace

TForm_Einstellungen::TForm_Einstellungen(const QString& logoDatei, const QString& logoSicherung,
                                         QWidget* parent)
    : TStreckDialog(parent), m_logo(logoDatei)
{
    setObjectName(QStringLiteral("Form_Einstellungen"));
    setFont(ProgrammSchrift(13));
    QPalette p = palette();
    p.setColor(QPalette::Window, FarbeAusWert(FarbwertEinstellungen));
    setPalette(p);
    setAutoFillBackground(true);
    resize(640, 381);

    TFrameDruckLayout1 = new TFrameDruckLayout(logoDatei, logoSicherung, this);
    TFrameDruckLayout1->setGeometry(0, 0, 640, 278);

    GroupBox_Startfenster = gruppe(this, QString(), 9, 278, 622, 46, false);
    CheckBox_E_Startfenster =
        platziere(new QCheckBox(QStringLiteral("Startfenster beim Programmstart anzeigen"),
                                GroupBox_Startfenster),
                  20, 19);

    const QColor knopf = FarbeAusWert(FarbwertKnopfHell);
    ColorButton_E_OK = Fermalin::knopf(this, QStringLiteral("OK"), 508, 340, 35, 25);
    ColorButton_E_Abbruch = Fermalin::knopf(this, QStringLiteral("Abbruch"), 563, 340, 65, 25);
    ColorButton_E_OK->setColor(knopf);
    ColorButton_E_Abbruch->setColor(knopf);
    ColorButton_E_OK->setDefault(true);
    connect(ColorButton_E_OK, &QPushButton::clicked, this, &QDialog::accept);
    connect(ColorButton_E_Abbruch, &QPushButton::clicked, this, &QDialog::reject);

    StreckerAnlegen();
}

TForm_Einstellungen::~TForm_Einstellungen() = default;

void TForm_Einstellungen::Vorbereiten(bool startfensterAnzeigen, const TLayoutDaten& layout,
                                      const QString& praefix)
{
    CheckBox_E_Startfenster->setChecked(startfensterAnzeigen);
    // whatever stands there, a dangling link or a FIFO too, is brought back on cancel
    const QFileInfo logo(m_logo);
    m_logoVorher = logo.exists() || logo.isSymLink();
    TFrameDruckLayout1->LayoutUebernehmen(layout);
    m_praefix = praefix;
}

TEinstellungenErgebnis TForm_Einstellungen::Ergebnis() const
{
    TEinstellungenErgebnis e;
    e.StartfensterAnzeigen = CheckBox_E_Startfenster->isChecked();
    e.LayoutDaten = TFrameDruckLayout1->LayoutDaten();
    return e;
}

void TForm_Einstellungen::Abschliessen(bool ok, const TLayoutDaten& bisher)
{
    if (!ok) {
        // The logo file returns to its state at the opening: a file that was
        // there comes back from the backup byte for byte, even without a
        // configured picture; a missing one is made again from the configured
        // picture, as the opening would, or stays missing.
        if (m_logoVorher)
            TFrameDruckLayout1->LogoWiederherstellen();
        else if (!QFileInfo(bisher.FirmenlogoDateipfad()).isFile() ||
                 !LogoSchreiben(bisher.FirmenlogoDateipfad(), m_logo))
            QFile::remove(m_logo);
    }
    TFrameDruckLayout1->BackupLoeschen();
}

void TForm_Einstellungen::showEvent(QShowEvent* event)
{
    TStreckDialog::showEvent(event);
    setWindowIcon(QIcon());
    setWindowTitle(m_praefix + QStringLiteral("     Einstellungen"));
}

} // namespace Fermalin
