// The window frame: creation, pages, size rule, closing, settings.
#include "Ortavo_Dialog.h"

#include "Bauteile.h"
#include "ColorButton.h"
#include "ColorMsg.h"
#include "Einstellungen.h"
#include "Einstellungsdatei.h"
#include "EkSteuer.h"
#include "Fehleranzeige.h"
#include "Fensterheber.h"
#include "FloatDlg.h"
#include "GebJahre.h"
#include "Hilfedatei.h"
#include "Hilfefenster.h"
#include "IniDatei.h"
#include "MathUnit.h"
#include "Prozessstart.h"
#include "Schieberegler.h"
#include "Schrift.h"
#include "Seitenreiter.h"
#include "SpinEdit.h"
#include "Startregeln.h"
#include "Stretch.h"
#include "Zahlformat.h"
#include "Zulagen.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QResizeEvent>
#include <QScopeGuard>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QWindow>

#include <cmath>

namespace Fermalin {

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
    move(EntwurfsPosition(QPoint(514, 300), size(),
                          screen() ? screen()->availableGeometry() : QRect()));

    PageControl = new TSeitenreiter(this);
    PageControl->setFensterfarbe(hintergrund());
    TabSheet_Vorgabe = new QWidget;
    TabSheet_Grafik = new QWidget;
    TabSheet_Angebot = new QWidget;
    PageControl->addTab(TabSheet_Vorgabe,
                        QStringLiteral("Ermittlung der Zulagen und Eigenbeiträge  "));
    PageControl->addTab(TabSheet_Grafik, QStringLiteral("Grafische Darstellung"));
    PageControl->addTab(TabSheet_Angebot, QStringLiteral("Angebotsberechnung  "));
    for (QWidget* seite : {TabSheet_Vorgabe, TabSheet_Grafik, TabSheet_Angebot}) {
        seite->setAutoFillBackground(true);
        seite->setPalette(p);
    }

    Panel_WebBrowser = panel(this, 171, 50, 350, 296);
    Panel_WebBrowser->hide(); // hosts the report for printing only; never shown

    Panel_Steuerung = panel(this, 0, 595 - 39, 686, 39);
    ColorButton_Einstellungen =
        knopf(Panel_Steuerung, QStringLiteral("Einstellungen..."), 81, 6, 117, 26);
    Button_Abbruch = knopf(Panel_Steuerung, QStringLiteral("Beenden"), 330, 7, 75, 25);
    Button_Hilfe = knopf(Panel_Steuerung, QStringLiteral("Hilfe"), 455, 7, 75, 25);
    Button_Weiter = knopf(Panel_Steuerung, QStringLiteral("Weiter >"), 578, 7, 75, 25);
    PageControl->setGeometry(0, 0, 686, 595 - 39);

    SeiteVorgabeAnlegen();
    DruckgruppeAnlegen();
    SeiteGrafikAnlegen();
    SeiteAngebotAnlegen();
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

void THauptformular::SignaleVerbinden()
{
    // Setting a control from code runs its handler, as the loading of the
    // settings and the slider corrections rely on: radio buttons report being
    // selected, check boxes every change, edits, spin edits and sliders every
    // change of their value.
    for (QRadioButton* r : {RadioButton_ledig, RadioButton_verheiratet, RadioButton_Doppelverdiener,
                            RadioButton_Einzelverdiener})
        connect(r, &QRadioButton::toggled, this, [this, r](bool an) {
            if (an)
                Vorgabeaenderung(r);
        });
    for (QCheckBox* c : {CheckBox_minBeitrag, CheckBox_tarMindBtr})
        connect(c, &QCheckBox::toggled, this, [this, c] { Vorgabeaenderung(c); });
    connect(SpinEdit_Kinderzahl, &QSpinBox::valueChanged, this,
            [this] { Vorgabeaenderung(SpinEdit_Kinderzahl); });
    connect(TrackBar_gesB1, &QSlider::valueChanged, this,
            [this] { Vorgabeaenderung(TrackBar_gesB1); });
    for (TFloatEdit* e : {Edit_Einkommen1, Edit_Einkommen2})
        connect(e, &QLineEdit::textChanged, this, [this, e] { Vorgabeaenderung(e); });
    connect(CheckBox_Beratungsprotokol, &QCheckBox::toggled, this,
            [this] { DruckSteuerungSetzen(); });
    connect(Button_Weiter, &QPushButton::clicked, this, [this] { Button_WeiterClick(); });
    connect(Button_Abbruch, &QPushButton::clicked, this, [this] { Button_AbbruchClick(); });
    connect(Button_Details, &QPushButton::clicked, this, [this] { Button_DetailsClick(); });
    connect(ColorButton_Einstellungen, &QPushButton::clicked, this,
            [this] { ColorButton_EinstellungenClick(); });
    connect(Button_Hilfe, &QPushButton::clicked, this, [this] { Button_HilfeClick(); });
    connect(PageControl, &QTabWidget::currentChanged, this, [this](int neu) {
        PageControlChanging(m_aktiveSeite);
        m_aktiveSeite = neu;
        PageControlChange(neu);
    });
}

void THauptformular::FormCreate()
{
    // 1, 2: the eligibility checker beside the program
    PruvexPfad = PruvexPfadFuer(m_umgebung.ProgrammPfad);
    Button_Pruvex->setVisible(!PruvexPfad.isEmpty());
    // 3: the German separators come from Zahlformat, whatever the locale says.
    // 4
    GrafikDatei = GrafikDateiPfad(m_umgebung.Umgebung); // empty without a temporary folder
    if (!GrafikDatei.isEmpty())
        QFile::remove(GrafikDatei);
    // 5: the start size is the minimum size and fixes the aspect ratio
    resize(Panel_Steuerung->width(), Panel_Steuerung->y() + Panel_Steuerung->height());
    StartBreite = width();
    StartHoehe = height();
    ChartStartBreite = Chart1->width();
    ChartStartHoehe = Chart1->height();
    Seitenverhaeltnis = StartHoehe ? static_cast<double>(StartBreite) / StartHoehe : 0;
    setMinimumSize(StartBreite, StartHoehe);
    // 6, 7
    Initialisiert = false;
    BeendenBestaetigt = false;
    m_strecker = std::make_unique<TStrecker>(this);
    m_strecker->Strecken(width(), height());
    // 8
    Daten.AnzahlFoerderberechtigte = 1;
    // 9, 10: the browser wrapper comes with the report; the child tables exist.
    BerichtZeilen.clear();
    BerichtAnlegen();
    // 11 is done when the rows are created; 12
    LayoutDaten = TLayoutDaten();
    // 13
    EinstellungenLaden();
    // 14
    Initialisiert = true;
    Vorgabeaenderung(nullptr);
    // 15
    Label_Einkommen->setText(
        QStringLiteral("Bruttoeinkommen %1 in Euro").arg(TFoerderParameter::Einkommensjahr));
    Label_Einkommen->adjustSize();
    // 16
    const TStartModus modus = StartModusAus(m_umgebung.Argumente);
    Einzelversion = modus.Einzelversion;
    if (modus.Angebotsseite) {
        const QSignalBlocker sperre(PageControl);
        PageControl->setCurrentWidget(TabSheet_Angebot);
        m_aktiveSeite = PageControl->currentIndex();
        // without the page handler the rows and the offer-mode split would be stale
        KindZuordnen();
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
    // window manager gets, so that a maximised window obeys the rule too.
    const QScreen* bildschirm = screen();
    if (!bildschirm || StartBreite <= 0)
        return;
    const QSize bereich = bildschirm->availableSize();
    if (const auto groesst =
            GroesseAnpassen(bereich, QSize(StartBreite, StartHoehe), Seitenverhaeltnis, bereich))
        setMaximumSize(*groesst);
}

void THauptformular::FormShow()
{
    if (Einzelversion) {
        const int angebot = PageControl->indexOf(TabSheet_Angebot);
        if (PageControl->currentIndex() == angebot) {
            const QSignalBlocker sperre(PageControl);
            PageControl->setCurrentWidget(TabSheet_Vorgabe);
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
    if (QWindow* fenster = windowHandle())
        connect(fenster, &QWindow::screenChanged, this, [this] { GroesstmassSetzen(); });
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
    const QWidget* seite = PageControl->currentWidget();
    const THilfeSeite thema = seite == TabSheet_Angebot  ? THilfeSeite::Angebot
                              : seite == TabSheet_Grafik ? THilfeSeite::Grafik
                                                         : THilfeSeite::Vorgabe;
    HtmlHilfeAnzeigen(datei, HilfeThemenpfad(HilfeThema(thema)), this);
}

void THauptformular::FormDestroy()
{
    if (m_zerstoert)
        return;
    m_zerstoert = true;
    // 1: a failed save is shown and ends the destruction steps
    QString fehler;
    if (!EinstellungenSpeichern(&fehler)) {
        ZeigeFehler(fehler);
        return;
    }
    // 2
    HtmlHilfeFreigeben();
    // 3
    BerichtZeilen.clear();
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
    // The results are rewritten for the new field widths; a refusal of the
    // estimate was reported by the change that caused it, not by a resize.
    m_stillRechnen = true;
    BerechneZulagen();
    m_stillRechnen = false;
}

bool THauptformular::eventFilter(QObject* objekt, QEvent* event)
{
    if (objekt == Edit_GebJahre) {
        if (event->type() == QEvent::FocusOut) {
            if (FokusWechselImFenster(static_cast<QFocusEvent*>(event)->reason()))
                Edit_GebJahreExit();
        } else if (event->type() == QEvent::KeyPress) {
            const auto* taste = static_cast<QKeyEvent*>(event);
            if (taste->key() == Qt::Key_Return || taste->key() == Qt::Key_Enter)
                Edit_GebJahreExit(); // the key goes on to the edit unchanged
        }
    }
    return QWidget::eventFilter(objekt, event);
}

void THauptformular::PageControlChanging(int alteSeite)
{
    if (PageControl->widget(alteSeite) == TabSheet_Angebot) {
        GebJahreAnzeigen();
        // the whole driver: in minimum mode the slider follows new birth years,
        // and the report shows them
        Vorgabeaenderung(nullptr);
    }
}

void THauptformular::PageControlChange(int neueSeite)
{
    QWidget* seite = PageControl->widget(neueSeite);
    if (seite == TabSheet_Grafik) {
        // Same place on both pages: the geometry it has, stretched or not, stays.
        Panel_Drucken->setParent(TabSheet_Grafik);
        Panel_Drucken->show();
        GroupBox_Drucken->setTitle(QString());
        Button_Weiter->setEnabled(!Einzelversion);
        SpinEdit_Kinderzahl2->setValue(SpinEdit_Kinderzahl->value());
        TrackBar_gesB2->setValue(TrackBar_gesB1->value());
        GrafikZeichnen();
    } else if (seite == TabSheet_Vorgabe) {
        Panel_Drucken->setParent(TabSheet_Vorgabe);
        Panel_Drucken->show();
        GroupBox_Drucken->setTitle(QStringLiteral("Drucken"));
        DruckSteuerungSetzen();
        Button_Weiter->setEnabled(true);
    } else if (seite == TabSheet_Angebot) {
        Button_Weiter->setEnabled(false);
        KindZuordnen();
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

void THauptformular::EinstellungenLaden()
{
    const TIniDatei ini = TIniDatei::laden(Einstellungsdatei());
    const TEinstellungen e = EinstellungenLesen(ini, width(), height());
    // 1, 2
    if (e.Maximized) {
        setWindowState(windowState() | Qt::WindowMaximized);
    } else {
        const std::optional<QSize> groesse =
            GroesseAnpassen(QSize(std::max(e.Breite, StartBreite), std::max(e.Hoehe, StartHoehe)),
                            QSize(StartBreite, StartHoehe), Seitenverhaeltnis,
                            screen() ? screen()->availableSize() : QSize(e.Breite, e.Hoehe));
        if (groesse)
            resize(*groesse);
    }
    // 3: setting a radio button to false clears only that button
    auswahlSetzen(RadioButton_ledig, e.ledig);
    auswahlSetzen(RadioButton_verheiratet, e.verheiratet);
    auswahlSetzen(RadioButton_Doppelverdiener, e.doppel);
    auswahlSetzen(RadioButton_Einzelverdiener, e.einzel);
    // 4 to 6
    SpinEdit_Kinderzahl->setValue(e.Kinder);
    Edit_Einkommen1->WertSetzen(e.Einkommen1);
    Edit_Einkommen2->WertSetzen(e.Einkommen2);
    TrackBar_gesB1->setValue(e.indivBeitrag);
    CheckBox_tarMindBtr->setChecked(e.tarMindBtr);
    // 7, 8
    Daten.EinkommenNR1 = e.EinkommenNR1;
    Daten.EinkommenNR2 = e.EinkommenNR2;
    Daten.DeltazvE = e.DeltazvE;
    Daten.Soli = e.Soli;
    Daten.Bundesland = e.Bundesland;
    Daten.KiStSatz = KiStSatzFuer(e.Bundesland);
    // 9
    for (int i = 0; i < SpinEdit_Kinderzahl->value(); ++i) {
        TFloatEdit* f = FloatEdit_Kind[i];
        f->WertSetzen(e.Kind[static_cast<size_t>(i)].GebJahr);
        if (f->WertLesen() < f->MinWert())
            f->WertSetzen(f->MinWert());
        else if (f->WertLesen() > f->MaxWert())
            f->WertSetzen(f->MaxWert());
        auswahlSetzen(RadioButton_1p[i], e.Kind[static_cast<size_t>(i)].Person1);
        auswahlSetzen(RadioButton_2p[i], e.Kind[static_cast<size_t>(i)].Person2);
    }
    // 10 to 13
    TrackBar_Verteilung->setValue(e.Verteilung);
    CheckBox_minBeitrag->setChecked(e.minimal);
    auswahlSetzen(RadioButton_konservativ1, e.konservativ1);
    auswahlSetzen(RadioButton_wachstum1, e.wachstum1);
    auswahlSetzen(RadioButton_risiko1, e.risiko1);
    auswahlSetzen(RadioButton_konservativ2, e.konservativ2);
    auswahlSetzen(RadioButton_wachstum2, e.wachstum2);
    auswahlSetzen(RadioButton_risiko2, e.risiko2);
    LayoutDaten.setFirmenlogo(e.Firmenlogo);
    LayoutDaten.setFirmenlogoDateipfad(e.FirmenlogoDateipfad);
    StartfensterAnzeigen = e.StartfensterAnzeigen;
    // 14
    GebJahreAnzeigen();
    // A file no run of the program could have written (no family status, a
    // second wage for a single person) is brought into line as a user could
    // have made it, instead of refusing the estimate on every keystroke.
    if (!RadioButton_ledig->isChecked() && !RadioButton_verheiratet->isChecked())
        RadioButton_ledig->setChecked(true);
    if (RadioButton_verheiratet->isChecked() && !RadioButton_Doppelverdiener->isChecked() &&
        !RadioButton_Einzelverdiener->isChecked())
        RadioButton_Einzelverdiener->setChecked(true);
    if (RadioButton_ledig->isChecked() && Edit_Einkommen2->WertLesen() != 0)
        Edit_Einkommen2->WertSetzen(0);
}

bool THauptformular::EinstellungenSpeichern(QString* fehler)
{
    TEinstellungen e;
    e.Maximized = isMaximized();
    e.Breite = width();
    e.Hoehe = height();
    e.ledig = RadioButton_ledig->isChecked();
    e.verheiratet = RadioButton_verheiratet->isChecked();
    e.doppel = RadioButton_Doppelverdiener->isChecked();
    e.einzel = RadioButton_Einzelverdiener->isChecked();
    e.Kinder = SpinEdit_Kinderzahl->value();
    e.Einkommen1 = Edit_Einkommen1->WertLesen();
    e.Einkommen2 = Edit_Einkommen2->WertLesen();
    e.minimal = CheckBox_minBeitrag->isChecked();
    e.indivBeitrag = TrackBar_gesB1->value();
    e.tarMindBtr = CheckBox_tarMindBtr->isChecked();
    e.EinkommenNR1 = Daten.EinkommenNR1;
    e.EinkommenNR2 = Daten.EinkommenNR2;
    e.DeltazvE = Daten.DeltazvE;
    e.Soli = Daten.Soli;
    e.Bundesland = Daten.Bundesland;
    for (int i = 0; i < MaxKinder; ++i) {
        TKindEinstellung& k = e.Kind[static_cast<size_t>(i)];
        k.GebJahr = static_cast<int>(rundeGerade(FloatEdit_Kind[i]->WertLesen()));
        k.Person1 = RadioButton_1p[i]->isChecked();
        k.Person2 = RadioButton_2p[i]->isChecked();
    }
    e.Verteilung = TrackBar_Verteilung->value();
    e.konservativ1 = RadioButton_konservativ1->isChecked();
    e.wachstum1 = RadioButton_wachstum1->isChecked();
    e.risiko1 = RadioButton_risiko1->isChecked();
    e.konservativ2 = RadioButton_konservativ2->isChecked();
    e.wachstum2 = RadioButton_wachstum2->isChecked();
    e.risiko2 = RadioButton_risiko2->isChecked();
    e.Firmenlogo = LayoutDaten.Firmenlogo();
    e.FirmenlogoDateipfad = LayoutDaten.FirmenlogoDateipfad();
    e.StartfensterAnzeigen = StartfensterAnzeigen;
    // Foreign keys and sections of the file survive.
    TIniDatei ini = TIniDatei::laden(Einstellungsdatei());
    EinstellungenSchreiben(e, ini);
    return ini.speichern(Einstellungsdatei(), fehler);
}

} // namespace Fermalin
