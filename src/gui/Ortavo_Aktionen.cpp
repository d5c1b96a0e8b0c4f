// The frame's handlers that open a dialog or hand the case over: settings,
// help, taxable-income details, "Erfassung".
#include "Ortavo_Dialog.h"

#include "Bauteile.h"
#include "Einstellungen.h"
#include "Fehleranzeige.h"
#include "Fensterheber.h"
#include "Hilfedatei.h"
#include "Hilfefenster.h"
#include "Ortavo_EKDialog.h"
#include "Ortavo_Vorgabe.h"
#include "Seitenreiter.h"
#include "Startregeln.h"
#include "Stretch.h"
#include "Uebergabedatei.h"

namespace Fermalin {

void THauptformular::ColorButton_EinstellungenClick()
{
    // 1, 2: a new dialog each time, in the main window's proportion
    TForm_Einstellungen dialog(m_orte.LogoDatei, m_orte.LogoSicherung, this);
    if (m_strecker)
        dialog.GroesseWieHauptfenster(size(), m_strecker->ReferenzBreite(),
                                      m_strecker->ReferenzHoehe());
    // 3 to 6
    dialog.Vorbereiten(StartfensterAnzeigen, LayoutDaten, QStringLiteral("Talven-Rechner"));
    const bool ok = dialog.exec() == QDialog::Accepted;
    // 8, 9
    dialog.Abschliessen(ok, LayoutDaten);
    // 7
    if (ok) {
        const TEinstellungenErgebnis e = dialog.Ergebnis();
        StartfensterAnzeigen = e.StartfensterAnzeigen;
        LayoutDaten = e.LayoutDaten;
        // the logo file may have changed under the same name: read the report anew
        m_berichtFuer.reset();
        BerichtErstellen();
    }
}

void THauptformular::Button_HilfeClick()
{
    // searched anew on every click: a help file added meanwhile is found
    const QString datei =
        HilfedateiSuchen(m_umgebung.Argumente, m_umgebung.ProgrammPfad, m_orte.Hilfeordner);
    if (datei.isEmpty())
        return;
    const TSeite seite = Anzeige().Seite;
    const THilfeSeite thema = seite == TSeite::Angebot     ? THilfeSeite::Angebot
                              : seite == TSeite::Grafik    ? THilfeSeite::Grafik
                              : seite == TSeite::Vergleich ? THilfeSeite::Vergleich
                                                           : THilfeSeite::Vorgabe;
    HtmlHilfeAnzeigen(datei, HilfeThemenpfad(HilfeThema(thema)), this);
}

TEKDialog& THauptformular::EKDialog()
{
    // made once and reused: it keeps its place and size between openings
    if (!m_ekDialog)
        m_ekDialog = new TEKDialog(this);
    return *m_ekDialog;
}

void THauptformular::Button_DetailsClick()
{
    TEKDialog& dialog = EKDialog();
    if (m_strecker)
        dialog.GroesseWieHauptfenster(size(), m_strecker->ReferenzBreite(),
                                      m_strecker->ReferenzHoehe());
    dialog.Vorbereiten(m_daten, m_vorgabe->Einkommen(1), m_vorgabe->Einkommen(2),
                       m_vorgabe->Einkommen2Aktiv());
    if (dialog.exec() == QDialog::Accepted)
        m_vorgabe->EKAngabenUebernehmen(dialog.Angaben());
}

bool THauptformular::Button_AngebotClick(int person)
{
    // The file is read from the pages as they stand now: a birth year edited
    // just before the click goes over as edited; the amounts are those of the
    // last computation, split for the offer as the page shows it.
    const TEingaben e = EingabenLesen();
    const QStringList zeilen = Uebergabe(e, m_daten, Aufteilen(e, m_daten, true), person);
    // 1 to 3: on failure the window stays open and no window is raised
    QString fehler;
    if (!UebergabeSchreiben(Uebergabedatei(), zeilen, &fehler)) {
        ZeigeFehler(fehler);
        return false;
    }
    // 4 to 6
    BeendenBestaetigt = true;
    close();
    FensterNachVorne(AngebotsprogrammTitel);
    return true;
}

} // namespace Fermalin
