// The report behind the print group: rebuilt after every recalculation and every
// change of a print option, shown in the hidden view, previewed and printed.
#include "Ortavo_Dialog.h"

#include "Bauteile.h"
#include "Bericht.h"
#include "ColorButton.h"
#include "ColorMsg.h"
#include "Druckvorschau.h"
#include "EnhWeb.h"
#include "HTML_Ausgabe.h"
#include "Schieberegler.h"
#include "Startregeln.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QFrame>
#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>
#include <QVBoxLayout>

namespace Fermalin {

void THauptformular::BerichtAnlegen()
{
    // The view fills the hidden panel beneath the pages.
    WebBrowser = new TBerichtAnsicht(Panel_WebBrowser);
    auto* l = new QVBoxLayout(Panel_WebBrowser);
    l->setContentsMargins(0, 0, 0, 0);
    l->addWidget(WebBrowser);
    BrowserWrapper = new TWebBrowserWrapper(WebBrowser, this);

    // The print options rebuild the report; the box first sets the name's state.
    connect(CheckBox_Beratungsprotokol, &QCheckBox::toggled, this, [this] { BerichtErstellen(); });
    connect(CheckBox_MitGrafik, &QCheckBox::toggled, this, [this] { BerichtErstellen(); });
    connect(Edit_Druck_Name, &QLineEdit::editingFinished, this, [this] { BerichtErstellen(); });
    connect(Button_Drucken, &QPushButton::clicked, this, [this] { DruckvorschauAnzeigen(); });
}

void THauptformular::BerichtErstellen()
{
    // While the settings are loaded nothing is computed yet; the first complete
    // calculation builds the report.
    if (!Initialisiert || !BrowserWrapper)
        return;
    TBerichtOptionen o;
    o.MitGrafik = CheckBox_MitGrafik->isChecked();
    // A picture that cannot be written is not shown: the file may hold another
    // household's chart, or something planted in the temporary folder.
    const bool bild = o.MitGrafik && GrafikZeichnen();
    BerichtAufteilen(Daten, TrackBar_Verteilung->value(), TrackBar_Verteilung->maximum());
    o.Beratungsprotokoll = CheckBox_Beratungsprotokol->isChecked();
    o.Kundenname = Edit_Druck_Name->text();
    o.GrafikDatei = bild ? GrafikDatei : QString();
    o.Firmenlogo = LayoutDaten.Firmenlogo();
    o.LogoDatei = m_orte.LogoDatei;
    BerichtSchreiben(BerichtZeilen, Daten, o);
    BrowserWrapper->LoadFromString(BerichtText(BerichtZeilen));
}

TDruckvorschau* THauptformular::DruckvorschauAnzeigen()
{
    // This platform's engine prints with every version it ships with.
    const TBrowserVersion version = BrowserVersionNormalisieren(
        BrowserDateiversion ? BrowserDateiversion()
                            : TBrowserVersion{QT_VERSION_MAJOR, QT_VERSION_MINOR, 0, 0});
    const auto melden = [this](const QString& text, TMeldungsart art) {
        ColorMessageDlg(text, art, QMessageBox::Ok, nullptr, QMessageBox::Ok, hintergrund(),
                        knopfFarbe());
    };
    switch (VersionPruefen(version)) {
    case TVersionsPruefung::Zu_alt:
        melden(VersionZuAltText(), TMeldungsart::Fehler);
        return nullptr;
    case TVersionsPruefung::Warnung:
        melden(VersionWarnungText(), TMeldungsart::Warnung);
        break;
    case TVersionsPruefung::Gut:
        break;
    }
    const QString vorlage = QStringLiteral("res://") +
                            QFileInfo(m_umgebung.ProgrammPfad).fileName() +
                            QStringLiteral("/PRINTTMPL");
    TDruckvorschau* vorschau = BrowserWrapper->PrintPreview(vorlage);
    // A window of its own on top, closed with the main window.
    vorschau->setParent(this, Qt::Window | Qt::WindowStaysOnTopHint);
    const QScreen* bildschirm = screen() ? screen() : QGuiApplication::primaryScreen();
    const QSize flaeche = bildschirm ? bildschirm->size() : QSize(1024, 768);
    vorschau->setGeometry(VorschauGeometrie(flaeche));
    vorschau->show();
    vorschau->raise();
    vorschau->activateWindow();
    return vorschau;
}

} // namespace Fermalin
