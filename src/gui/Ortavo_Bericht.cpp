// The report behind the print group: rebuilt after every recalculation and every
// change of a print option, shown in the hidden view, previewed and printed.
#include "Ortavo_Dialog.h"

#include "Bauteile.h"
#include "ColorMsg.h"
#include "Druckvorschau.h"
#include "EnhWeb.h"
#include "HTML_Ausgabe.h"
#include "Ortavo_Grafik.h"
#include "Startregeln.h"

#include <QFileInfo>
#include <QFrame>
#include <QGuiApplication>
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
}

void THauptformular::BerichtErstellen()
{
    // While the settings are loaded nothing is computed yet; the first complete
    // calculation builds the report.
    if (!m_initialisiert || !BrowserWrapper)
        return;
    TEingaben e = EingabenLesen();
    // A picture that cannot be written is not shown: the file may hold another
    // household's chart, or something planted in the temporary folder.
    if (e.Druck.MitGrafik && !m_grafik->GrafikZeichnen())
        e.Druck.GrafikDatei.clear();
    // The nested runs of one change ask again for the report they just built.
    const bool aktuell = m_gerechnet && *m_gerechnet == e;
    if (aktuell && m_berichtFuer && *m_berichtFuer == e)
        return;
    m_berichtZeilen = Fermalin::BerichtZeilen(e, m_daten);
    m_berichtFuer = aktuell ? std::optional<TEingaben>(e) : std::nullopt;
    BrowserWrapper->LoadFromString(BerichtText(m_berichtZeilen));
}

QString THauptformular::BerichtHtml() const
{
    return BrowserWrapper ? BrowserWrapper->Html() : QString();
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
    TDruckvorschau* vorschau = BrowserWrapper->PrintPreview();
    // A window of its own on top, closed with the main window.
    vorschau->setParent(this, Qt::Window | Qt::WindowStaysOnTopHint);
    const QScreen* bildschirm = screen() ? screen() : QGuiApplication::primaryScreen();
    const QSize flaeche = bildschirm ? bildschirm->size() : QSize(1024, 768);
    // The place is the frame's (move), the size the page's: setGeometry would
    // put the title bar above the screen's edge, out of the adviser's reach.
    const QRect platz = VorschauGeometrie(flaeche);
    vorschau->resize(platz.size());
    vorschau->move(platz.topLeft());
    vorschau->show();
    vorschau->raise();
    vorschau->activateWindow();
    return vorschau;
}

} // namespace Fermalin
