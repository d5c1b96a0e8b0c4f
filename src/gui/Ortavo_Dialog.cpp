// The window frame: creation, pages and their wiring, size rule, closing,
// settings.
#include "Ortavo_Dialog.h"

#include "Bauteile.h"
#include "Beitragsjahrwahl.h"
#include "ColorButton.h"
#include "ColorMsg.h"
#include "Druckgruppe.h"
#include "Einstellungsdatei.h"
#include "Fehleranzeige.h"
#include "Fensterheber.h"
#include "Hilfefenster.h"
#include "IniDatei.h"
#include "Ortavo_Angebot.h"
#include "Ortavo_Grafik.h"
#include "Ortavo_Vergleich.h"
#include "Ortavo_Vorgabe.h"
#include "Prozessstart.h"
#include "Schrift.h"
#include "Seitenreiter.h"
#include "Startregeln.h"
#include "Stretch.h"
#include "Zulagen.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFile>
#include <QFrame>
#include <QRadioButton>
#include <QResizeEvent>
#include <QScreen>
#include <QWindow>

namespace Fermalin {

namespace {

// The design position of the window, top left.
const QPoint Entwurfsort(514, 300);

} // namespace

TProgrammUmgebung TProgrammUmgebung::AusAnwendung()
{
    TProgrammUmgebung u;
    u.ProgrammPfad = QCoreApplication::applicationFilePath();
    u.Argumente = QCoreApplication::arguments();
    u.Heute = QDate::currentDate();
    return u;
}

THauptformular::THauptformular(const TProgrammUmgebung& umgebung, QWidget* parent)
    : QWidget(parent), m_umgebung(umgebung), m_orte(umgebung.Orte())
{
    setObjectName(QStringLiteral("Hauptformular"));
    setWindowTitle(QStringLiteral("Berechnung der Zulagen nach dem Altersvermögensgesetz"));
    setFont(ProgrammSchrift(13));
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, hintergrund());
    setPalette(p);
    resize(686, 595);

    // The pages first, so that the keyboard's tab order starts with the inputs.
    PageControl = benannt(new TSeitenreiter(this), "PageControl");
    PageControl->setFensterfarbe(hintergrund());
    // today's law, until the settings name a year
    const int jahr =
        VorgabeBeitragsjahr(m_umgebung.Heute.isValid() ? m_umgebung.Heute : QDate::currentDate());
    m_vorgabe = new TSeiteVorgabe(*this, jahr);
    m_vergleich = new TSeiteVergleich(*this);
    m_grafik = new TSeiteGrafik(*this);
    m_angebot = new TSeiteAngebot(*this, GebJahrBereichFuer(jahr));
    PageControl->addTab(m_vorgabe, QStringLiteral("Ermittlung der Zulagen und Eigenbeiträge  "));
    PageControl->addTab(m_vergleich, QStringLiteral("Vergleich bisher / neu  "));
    PageControl->addTab(m_grafik, QStringLiteral("Grafische Darstellung"));
    PageControl->addTab(m_angebot, QStringLiteral("Angebotsberechnung  "));
    PageControl->setTabVisible(PageControl->indexOf(m_vergleich), jahr >= ErstesBeitragsjahrNeu);
    for (QWidget* seite : {static_cast<QWidget*>(m_vorgabe), static_cast<QWidget*>(m_vergleich),
                           static_cast<QWidget*>(m_grafik), static_cast<QWidget*>(m_angebot)}) {
        seite->setAutoFillBackground(true);
        seite->setPalette(p);
    }
    m_druck = new TDruckgruppe(*this, m_vorgabe);

    Panel_WebBrowser = benannt(panel(this, 171, 50, 350, 296), "Panel_WebBrowser");
    Panel_WebBrowser->hide(); // hosts the report for printing only; never shown

    Panel_Steuerung = benannt(panel(this, 0, 595 - 39, 686, 39), "Panel_Steuerung");
    ColorButton_Einstellungen =
        benannt(knopf(Panel_Steuerung, QStringLiteral("Einstellungen..."), 81, 6, 117, 26),
                "ColorButton_Einstellungen");
    Button_Abbruch = benannt(knopf(Panel_Steuerung, QStringLiteral("Beenden"), 330, 7, 75, 25),
                             "Button_Abbruch");
    Button_Hilfe =
        benannt(knopf(Panel_Steuerung, QStringLiteral("Hilfe"), 455, 7, 75, 25), "Button_Hilfe");
    Button_Weiter = benannt(knopf(Panel_Steuerung, QStringLiteral("Weiter >"), 578, 7, 75, 25),
                            "Button_Weiter");
    PageControl->setGeometry(0, 0, 686, 595 - 39);

    SignaleVerbinden();
    FormCreate();
}

THauptformular::~THauptformular()
{
    FormDestroy();
}

QString THauptformular::Einstellungsdatei() const
{
    return m_orte.Einstellungsdatei;
}

QString THauptformular::Uebergabedatei() const
{
    return m_orte.Uebergabedatei;
}

QList<int> THauptformular::GebJahre(int n) const
{
    return m_angebot->GebJahre(n);
}

void THauptformular::GebJahreSetzen(const QList<int>& jahre)
{
    m_angebot->GebJahreSetzen(jahre);
}

void THauptformular::KinderZuPerson2()
{
    m_angebot->KinderZuPerson2();
}

void THauptformular::BeitragsjahrGewechselt(int jahr)
{
    m_angebot->GebJahrBereichSetzen(GebJahrBereichFuer(jahr));
    // the year changes on the input page, so the comparison is never the page shown
    const int vergleich = PageControl->indexOf(m_vergleich);
    if (jahr >= ErstesBeitragsjahrNeu)
        PageControl->SeiteZeigen(vergleich);
    else
        PageControl->SeiteVerbergen(vergleich);
}

void THauptformular::Berechnet(const TZulagenDaten& d)
{
    // the comparison costs a second computation: only while it is shown
    if (PageControl->currentWidget() == m_vergleich)
        m_vergleich->Zeigen();
    m_grafik->ErgebnisZeigen(d);
    m_druck->DruckSteuerungSetzen(d.Eigenbeitrag != 0);
}

void THauptformular::BeitragGefolgt(int position)
{
    m_grafik->BeitragFolgen(position);
}

void THauptformular::BeitragSetzen(int position)
{
    m_vorgabe->BeitragSetzen(position);
}

void THauptformular::KinderzahlSetzen(int n)
{
    m_vorgabe->KinderzahlSetzen(n);
}

void THauptformular::Vorgabeaenderung(QObject* sender)
{
    m_vorgabe->Vorgabeaenderung(sender);
}

void THauptformular::SignaleVerbinden()
{
    connect(Button_Weiter, &QPushButton::clicked, this, [this] { Button_WeiterClick(); });
    connect(Button_Abbruch, &QPushButton::clicked, this, [this] { Button_AbbruchClick(); });
    connect(ColorButton_Einstellungen, &QPushButton::clicked, this,
            [this] { ColorButton_EinstellungenClick(); });
    connect(Button_Hilfe, &QPushButton::clicked, this, [this] { Button_HilfeClick(); });
    connect(PageControl, &QTabWidget::currentChanged, this, [this](int neu) {
        PageControlChanging(m_aktiveSeite);
        m_aktiveSeite = neu;
        PageControlChange(neu);
    });
}

TEingaben THauptformular::EingabenLesen() const
{
    TEingaben e;
    m_vorgabe->EingabenLesen(e);
    m_vergleich->EingabenLesen(e); // after the year and the family status
    m_angebot->EingabenLesen(e);
    m_druck->EingabenLesen(e);
    e.Druck.GrafikDatei = GrafikDatei;
    e.Druck.Firmenlogo = LayoutDaten.Firmenlogo();
    e.Druck.LogoDatei = m_orte.LogoDatei;
    return e;
}

TZulagenDaten THauptformular::Rechnen()
{
    const TEingaben e = EingabenLesen();
    if (m_gerechnet && *m_gerechnet == e)
        return m_daten;
    QString ablehnung;
    m_daten = HaushaltRechnen(e, &ablehnung);
    m_gerechnet = e;
    // A refusal is shown when it appears, not again for every keystroke, and
    // never for a recalculation no user caused.
    if (!ablehnung.isEmpty() && ablehnung != m_gemeldet && !m_stillRechnen)
        ZeigeFehler(ablehnung);
    m_gemeldet = ablehnung;
    return m_daten;
}

void THauptformular::FormCreate()
{
    // 1, 2: the eligibility checker beside the program
    PruvexPfad = PruvexPfadFuer(m_umgebung.ProgrammPfad);
    m_vorgabe->PruvexZeigen(!PruvexPfad.isEmpty());
    // 3: the German separators come from Zahlformat, whatever the locale says.
    // 4
    GrafikDatei = GrafikDateiPfad(m_umgebung.Umgebung); // empty without a temporary folder
    if (!GrafikDatei.isEmpty())
        QFile::remove(GrafikDatei);
    m_grafik->setGrafikDatei(GrafikDatei);
    // 5: the start size is the minimum size and fixes the aspect ratio
    resize(Panel_Steuerung->width(), Panel_Steuerung->y() + Panel_Steuerung->height());
    StartBreite = width();
    StartHoehe = height();
    Seitenverhaeltnis = StartHoehe ? static_cast<double>(StartBreite) / StartHoehe : 0;
    setMinimumSize(StartBreite, StartHoehe);
    // 6, 7
    BeendenBestaetigt = false;
    m_strecker = std::make_unique<TStrecker>(this);
    m_strecker->Strecken(width(), height());
    // 9: the report's hidden view; 10, 11 are done when the rows are created; 12
    BerichtAnlegen();
    LayoutDaten = TLayoutDaten();
    // 13
    EinstellungenLaden();
    // 14
    m_initialisiert = true;
    m_vorgabe->setInitialisiert(true);
    m_vorgabe->Vorgabeaenderung(nullptr);
    // 15: the income label follows the contribution year on the page itself
    // 16
    const TStartModus modus = StartModusAus(m_umgebung.Argumente);
    Einzelversion = modus.Einzelversion;
    if (modus.Angebotsseite) {
        const QSignalBlocker sperre(PageControl);
        PageControl->setCurrentWidget(m_angebot);
        m_aktiveSeite = PageControl->currentIndex();
        // without the page handler the rows and the offer-mode split would be stale
        m_angebot->KindZuordnen();
    }
}

void THauptformular::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!m_gezeigt) {
        m_gezeigt = true;
        FormShow();
    }
}

void THauptformular::GroesstmassSetzen()
{
    // The largest size the size rule allows on this screen is the size hint the
    // window manager gets, so that a maximised window obeys the rule too. The
    // work area holds the frame of the window as well: its title bar and
    // borders are not the window's to fill.
    const QScreen* bildschirm = screen();
    if (!bildschirm || StartBreite <= 0)
        return;
    const QSize rahmen = frameGeometry().size() - geometry().size();
    const QSize bereich = bildschirm->availableSize() - rahmen;
    if (const auto groesst =
            GroesseAnpassen(bereich, QSize(StartBreite, StartHoehe), Seitenverhaeltnis, bereich))
        setMaximumSize(*groesst);
}

void THauptformular::ImArbeitsbereichPlatzieren()
{
    const QScreen* bildschirm = screen();
    const QSize mitRahmen = frameGeometry().size();
    // Before the window manager has framed it the frame's size is not known.
    if (!m_ortPruefen || !bildschirm || mitRahmen == size())
        return;
    m_ortPruefen = false;
    // the largest size leaves room for the frame now known
    GroesstmassSetzen();
    const QRect bereich = bildschirm->availableGeometry();
    if (!isMaximized() && !bereich.contains(frameGeometry()))
        move(EntwurfsPosition(Entwurfsort, mitRahmen, bereich));
}

void THauptformular::moveEvent(QMoveEvent* event)
{
    QWidget::moveEvent(event);
    ImArbeitsbereichPlatzieren();
}

void THauptformular::FormShow()
{
    if (Einzelversion) {
        const int angebot = PageControl->indexOf(m_angebot);
        if (PageControl->currentIndex() == angebot) {
            const QSignalBlocker sperre(PageControl);
            PageControl->setCurrentWidget(m_vorgabe);
            m_aktiveSeite = PageControl->currentIndex();
        }
        PageControl->setTabVisible(angebot, false);
        Button_Hilfe->hide();
    } else {
        QFile::remove(Uebergabedatei());
        Button_Hilfe->show();
    }
    Button_Weiter->setEnabled(true);
    GroesstmassSetzen();
    m_ortPruefen = true;
    ImArbeitsbereichPlatzieren();
    if (QWindow* fenster = windowHandle())
        connect(fenster, &QWindow::screenChanged, this, [this] { GroesstmassSetzen(); });
    // The adviser's first keystrokes go to the first input of the page shown.
    const TSeite seite = SeiteVon(PageControl->currentWidget());
    QWidget* erstes = seite == TSeite::Angebot     ? m_angebot->ErstesFeld()
                      : seite == TSeite::Grafik    ? m_grafik->ErstesFeld()
                      : seite == TSeite::Vergleich ? m_vergleich->ErstesFeld()
                                                   : m_vorgabe->ErstesFeld();
    erstes->setFocus(Qt::OtherFocusReason);
}

void THauptformular::closeEvent(QCloseEvent* event)
{
    if (!BeendenBestaetigt) {
        const QFont schrift = font();
        const auto antwort =
            ColorMessageDlg(QStringLiteral("Soll das Programm wirklich beendet werden?"),
                            TMeldungsart::Bestaetigung, QMessageBox::Yes | QMessageBox::No,
                            &schrift, QMessageBox::Yes, hintergrund(), knopfFarbe());
        if (antwort != QMessageBox::Yes) {
            event->ignore();
            return;
        }
    }
    event->accept();
}

void THauptformular::Button_AbbruchClick()
{
    BeendenBestaetigt = true;
    close();
}

void THauptformular::FormDestroy()
{
    if (m_zerstoert)
        return;
    m_zerstoert = true;
    // the window's handle outlives this part of the object
    if (QWindow* fenster = windowHandle())
        disconnect(fenster, nullptr, this, nullptr);
    // 1: a failed save is shown and ends the destruction steps
    QString fehler;
    if (!EinstellungenSpeichern(&fehler)) {
        ZeigeFehler(fehler);
        return;
    }
    // 2
    HtmlHilfeFreigeben();
    // 3
    m_berichtZeilen.clear();
    // 4
    if (!GrafikDatei.isEmpty())
        QFile::remove(GrafikDatei);
    // 5, 6
    LayoutDaten = TLayoutDaten();
    FensterNachVorne(AngebotsprogrammTitel);
}

void THauptformular::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    // Keep the aspect ratio and the work area; a window manager gives no veto
    // before the change, so an adjusted size is applied right after it.
    if (!m_groesseAnpassen && StartBreite > 0 && !isMaximized() && isVisible()) {
        const QScreen* bildschirm = screen();
        const QSize arbeitsbereich = bildschirm ? bildschirm->availableSize() : size();
        const std::optional<QSize> neu = GroesseAnpassen(size(), QSize(StartBreite, StartHoehe),
                                                         Seitenverhaeltnis, arbeitsbereich);
        // a refused request leaves the window at the size it had
        const QSize ziel = neu                          ? *neu
                           : event->oldSize().isValid() ? event->oldSize()
                                                        : QSize(StartBreite, StartHoehe);
        if (ziel != size()) {
            m_groesseAnpassen = true;
            resize(ziel);
            m_groesseAnpassen = false;
            return;
        }
    }
    if (m_strecker)
        m_strecker->Strecken(width(), height());
    // Where the window is not in the ratio (a window manager that maximises
    // beyond the size hint) the pages and the button bar still reach its
    // edges; only their contents keep the one factor.
    const int leiste = Panel_Steuerung->height();
    Panel_Steuerung->setGeometry(0, height() - leiste, width(), leiste);
    PageControl->setGeometry(0, 0, width(), height() - leiste);
    // The results are rewritten for the new field widths; a refusal of the
    // estimate was reported by the change that caused it, not by a resize.
    m_stillRechnen = true;
    m_vorgabe->BerechneZulagen();
    m_stillRechnen = false;
}

QWidget* THauptformular::SeitenWidget(TSeite seite) const
{
    switch (seite) {
    case TSeite::Grafik:
        return m_grafik;
    case TSeite::Angebot:
        return m_angebot;
    case TSeite::Vergleich:
        return m_vergleich;
    case TSeite::Vorgabe:
        break;
    }
    return m_vorgabe;
}

THauptformular::TSeite THauptformular::SeiteVon(const QWidget* seite) const
{
    return seite == m_grafik      ? TSeite::Grafik
           : seite == m_angebot   ? TSeite::Angebot
           : seite == m_vergleich ? TSeite::Vergleich
                                  : TSeite::Vorgabe;
}

void THauptformular::SeiteZeigen(TSeite seite)
{
    PageControl->setCurrentWidget(SeitenWidget(seite));
}

void THauptformular::PageControlChanging(int alteSeite)
{
    if (PageControl->widget(alteSeite) == m_angebot) {
        m_vorgabe->GebJahreAnzeigen();
        // the whole driver: in minimum mode the slider follows new birth years,
        // and the report shows them
        m_vorgabe->Vorgabeaenderung(nullptr);
    }
}

void THauptformular::PageControlChange(int neueSeite)
{
    QWidget* seite = PageControl->widget(neueSeite);
    m_grafik->setAktiv(seite == m_grafik);
    if (seite == m_grafik) {
        // Same place on both pages: the geometry it has, stretched or not, stays.
        m_druck->setParent(m_grafik);
        m_druck->show();
        m_druck->TitelZeigen(false);
        Button_Weiter->setEnabled(!Einzelversion);
        const TEingaben e = EingabenLesen();
        m_grafik->Betreten(e.Kinderzahl, e.BeitragsPosition);
    } else if (seite == m_vorgabe || seite == m_vergleich) {
        // the comparison prints from its own page: the report holds it
        m_druck->setParent(seite);
        m_druck->show();
        m_druck->TitelZeigen(true);
        m_druck->DruckSteuerungSetzen(m_daten.Eigenbeitrag != 0);
        Button_Weiter->setEnabled(true);
        if (seite == m_vergleich) {
            Rechnen();
            m_vergleich->Zeigen();
        }
    } else if (seite == m_angebot) {
        Button_Weiter->setEnabled(false);
        m_angebot->KindZuordnen();
    }
}

void THauptformular::Button_WeiterClick()
{
    const int anzahl = PageControl->count();
    int i = PageControl->currentIndex();
    for (int schritt = 0; schritt < anzahl; ++schritt) {
        i = (i + 1) % anzahl;
        if (PageControl->isTabVisible(i)) {
            PageControl->setCurrentIndex(i);
            return;
        }
    }
}

THauptformular::TAnzeige THauptformular::Anzeige() const
{
    TAnzeige a;
    a.Seite = SeiteVon(PageControl->currentWidget());
    a.AngebotsseiteSichtbar = PageControl->isTabVisible(PageControl->indexOf(m_angebot));
    a.VergleichsseiteSichtbar = PageControl->isTabVisible(PageControl->indexOf(m_vergleich));
    a.WeiterAktiv = Button_Weiter->isEnabled();
    a.HilfeSichtbar = !Button_Hilfe->isHidden();
    return a;
}

void THauptformular::EinstellungenLaden()
{
    const TIniDatei ini = TIniDatei::laden(Einstellungsdatei());
    const TEinstellungen e = EinstellungenLesen(ini, width(), height());
    // 1, 2, and the design place moved into the work area at the size the window now has
    const QScreen* bildschirm = screen();
    if (e.Maximized) {
        setWindowState(windowState() | Qt::WindowMaximized);
    } else {
        const std::optional<QSize> groesse =
            GroesseAnpassen(QSize(std::max(e.Breite, StartBreite), std::max(e.Hoehe, StartHoehe)),
                            QSize(StartBreite, StartHoehe), Seitenverhaeltnis,
                            bildschirm ? bildschirm->availableSize() : QSize(e.Breite, e.Hoehe));
        if (groesse)
            resize(*groesse);
    }
    move(EntwurfsPosition(Entwurfsort, size(),
                          bildschirm ? bildschirm->availableGeometry() : QRect()));
    // The year first: the children's years are read into its range. A file
    // without one opens on today's law.
    m_vorgabe->BeitragsjahrSetzen(e.Beitragsjahr > 0 ? e.Beitragsjahr
                                                     : VorgabeBeitragsjahr(m_umgebung.Heute));
    // 3: setting a radio button to false clears only that button
    m_vorgabe->FamilienstandSetzen(e.ledig, e.verheiratet, e.doppel, e.einzel);
    m_vorgabe->BerufseinsteigerSetzen(e.Berufseinsteiger1, e.Berufseinsteiger2);
    // 4 to 6
    m_vorgabe->KinderzahlSetzen(e.Kinder);
    m_vorgabe->EinkommenSetzen(e.Einkommen1, e.Einkommen2);
    m_vorgabe->BeitragSetzen(e.indivBeitrag);
    m_vorgabe->TarMindBtrSetzen(e.tarMindBtr);
    // 7, 8
    m_vorgabe->DetailwerteSetzen(
        {e.EinkommenNR1, e.EinkommenNR2, e.DeltazvE, e.Soli, e.Bundesland});
    // 9
    for (int i = 0; i < e.Kinder; ++i) {
        const TKindEinstellung& k = e.Kind[static_cast<size_t>(i)];
        m_angebot->KindSetzen(i, k.GebJahr, k.Person1, k.Person2);
    }
    // 10 to 13
    m_angebot->VerteilungSetzen(e.Verteilung);
    m_vorgabe->MinBeitragSetzen(e.minimal);
    m_angebot->AnlageSetzen(1, e.konservativ1, e.wachstum1, e.risiko1);
    m_angebot->AnlageSetzen(2, e.konservativ2, e.wachstum2, e.risiko2);
    LayoutDaten.setFirmenlogo(e.Firmenlogo);
    LayoutDaten.setFirmenlogoDateipfad(e.FirmenlogoDateipfad);
    StartfensterAnzeigen = e.StartfensterAnzeigen;
    // the comparison's choices; an unknown rule set leaves the default
    TFoerderrecht recht;
    if (FoerderrechtLesen(e.Foerderrecht.toStdString(), recht))
        m_vergleich->FoerderrechtSetzen(recht);
    m_vergleich->BeitraegeSetzen(e.Eigenbeitrag1, e.Eigenbeitrag2);
    // 14
    m_vorgabe->GebJahreAnzeigen();
    m_vorgabe->Bereinigen();
}

bool THauptformular::EinstellungenSpeichern(QString* fehler)
{
    TEinstellungen e;
    e.Maximized = isMaximized();
    e.Breite = width();
    e.Hoehe = height();
    EingabenEintragen(EingabenLesen(), e);
    m_vorgabe->EinstellungenSammeln(e);
    m_angebot->EinstellungenSammeln(e);
    m_vergleich->EinstellungenSammeln(e);
    e.Firmenlogo = LayoutDaten.Firmenlogo();
    e.FirmenlogoDateipfad = LayoutDaten.FirmenlogoDateipfad();
    e.StartfensterAnzeigen = StartfensterAnzeigen;
    // Foreign keys and sections of the file survive.
    TIniDatei ini = TIniDatei::laden(Einstellungsdatei());
    EinstellungenSchreiben(e, ini);
    return ini.speichern(Einstellungsdatei(), fehler);
}

} // namespace Fermalin
