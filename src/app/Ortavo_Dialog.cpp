#include "Ortavo_Dialog.h"

#include "ColorButton.h"
#include "ColorMsg.h"
#include "Einstellungsdatei.h"
#include "EkSteuer.h"
#include "Fehleranzeige.h"
#include "Fensterheber.h"
#include "FloatDlg.h"
#include "GebJahre.h"
#include "IniDatei.h"
#include "MathUnit.h"
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

#include <cmath>

namespace Fermalin {

namespace {

const QString Euro = QStringLiteral(" \u20AC");

QColor knopfFarbe()
{
    return FarbeAusWert(FarbwertKnopf);
}
QColor hintergrund()
{
    return FarbeAusWert(FarbwertHintergrund);
}

template <class T> T* platziere(T* w, int x, int y, int breite = -1, int hoehe = -1)
{
    if (breite < 0 || hoehe < 0) {
        const QSize s = w->sizeHint();
        w->setGeometry(x, y, breite < 0 ? s.width() : breite, hoehe < 0 ? s.height() : hoehe);
    } else {
        w->setGeometry(x, y, breite, hoehe);
    }
    return w;
}

// A label that sizes itself to its text, as the window layouts expect.
QLabel* beschriftung(QWidget* eltern, const QString& text, int x, int y, bool fett = false,
                     int pixel = 13)
{
    auto* l = new QLabel(text, eltern);
    l->setProperty("AutoSize", true);
    if (fett || pixel != 13)
        l->setFont(ProgrammSchrift(pixel, fett));
    l->move(x, y);
    l->adjustSize();
    return l;
}

QFrame* panel(QWidget* eltern, int x, int y, int breite, int hoehe)
{
    auto* p = new QFrame(eltern);
    p->setFrameShape(QFrame::NoFrame);
    p->setGeometry(x, y, breite, hoehe);
    return p;
}

// A group box whose caption alone is bold: its contents keep the regular font.
QGroupBox* gruppe(QWidget* eltern, const QString& titel, int x, int y, int breite, int hoehe,
                  bool fett)
{
    auto* g = new QGroupBox(titel, eltern);
    if (fett)
        g->setFont(ProgrammSchrift(13, true));
    g->setGeometry(x, y, breite, hoehe);
    return g;
}

void regulaereSchrift(QGroupBox* g)
{
    for (QWidget* kind : g->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!kind->testAttribute(Qt::WA_SetFont))
            kind->setFont(ProgrammSchrift(13));
}

void feldfarbe(QLineEdit* e, bool fenster)
{
    QPalette p = e->palette();
    p.setColor(QPalette::Base,
               fenster ? QPalette().color(QPalette::Base) : QPalette().color(QPalette::Button));
    e->setPalette(p);
}

// A read-only result field in the button-face colour, out of the tab order.
QLineEdit* ergebnisfeld(QWidget* eltern, int x, int y, int breite)
{
    auto* e = new QLineEdit(eltern);
    e->setReadOnly(true);
    e->setFocusPolicy(Qt::NoFocus);
    feldfarbe(e, false);
    e->setGeometry(x, y, breite, 21);
    return e;
}

TColorButton* knopf(QWidget* eltern, const QString& text, int x, int y, int breite, int hoehe)
{
    auto* b = new TColorButton(text, eltern);
    b->setColor(knopfFarbe());
    b->setGeometry(x, y, breite, hoehe);
    return b;
}

TFloatEdit* einkommensfeld(QWidget* eltern, int x, int y)
{
    auto* e = new TFloatEdit(eltern);
    e->setIntOnly(true);
    e->setMaxWert(999999);
    e->setMaxLength(6);
    e->setGeometry(x, y, 56, 24);
    return e;
}

// Setting a radio button to false clears only that button, even the selected
// one of its group (the group may end with none selected).
void auswahlSetzen(QRadioButton* r, bool an)
{
    if (an || !r->isChecked()) {
        r->setChecked(an);
        return;
    }
    r->setAutoExclusive(false);
    r->setChecked(false);
    r->setAutoExclusive(true);
}

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
    : QWidget(parent), m_umgebung(umgebung)
{
    setObjectName(QStringLiteral("Hauptformular"));
    setWindowTitle(QStringLiteral("Berechnung der Zulagen nach dem Altersvermögensgesetz"));
    setFont(ProgrammSchrift(13));
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, hintergrund());
    setPalette(p);
    resize(686, 595);

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
    return EinstellungsdateiFuer(m_umgebung.ProgrammPfad);
}

QString THauptformular::Uebergabedatei() const
{
    return PfadMitEndung(m_umgebung.ProgrammPfad, QStringLiteral(".dat"));
}

void THauptformular::SeiteVorgabeAnlegen()
{
    QWidget* s = TabSheet_Vorgabe;
    Button_Pruvex = knopf(s, QStringLiteral("Sind Sie\nförderberechtigt?"), 21, 3, 143, 43);
    Button_Pruvex->setFont(ProgrammSchrift(12));

    GroupBox_Anspruchsberechtigung =
        gruppe(s, QStringLiteral("Personendaten"), 10, 56, 658, 174, true);
    QGroupBox* g = GroupBox_Anspruchsberechtigung;
    beschriftung(g, QStringLiteral("Familienstand"), 12, 21);
    QFrame* familie = panel(g, 321, 17, 260, 22);
    RadioButton_ledig = platziere(new QRadioButton(QStringLiteral("ledig"), familie), 0, 2);
    RadioButton_verheiratet =
        platziere(new QRadioButton(QStringLiteral("verheiratet"), familie), 119, 2);
    RadioButton_ledig->setChecked(true);
    beschriftung(g, QStringLiteral("Sind beide Ehepartner selbst förderberechtigt?"), 12, 48);
    QFrame* beide = panel(g, 321, 44, 260, 22);
    RadioButton_Doppelverdiener = platziere(new QRadioButton(QStringLiteral("ja"), beide), 0, 2);
    RadioButton_Einzelverdiener =
        platziere(new QRadioButton(QStringLiteral("nein, nur einer"), beide), 119, 2);
    RadioButton_Einzelverdiener->setChecked(true);
    RadioButton_Doppelverdiener->setEnabled(false);
    RadioButton_Einzelverdiener->setEnabled(false);

    beschriftung(g, QStringLiteral("zu berücksichtigende Kinder / Geb.jahre"), 12, 78);
    SpinEdit_Kinderzahl = platziere(new TSpinEdit(g), 325, 74, 42, 26);
    SpinEdit_Kinderzahl->setRange(0, MaxKinder);
    Edit_GebJahre = platziere(new QLineEdit(g), 382, 75, 257, 24);
    Edit_GebJahre->setEnabled(false);
    feldfarbe(Edit_GebJahre, false);
    Edit_GebJahre->installEventFilter(this);

    beschriftung(g, QStringLiteral("rentenversicherungspflichtiges"), 12, 105);
    Label_Einkommen = beschriftung(g, QStringLiteral("Bruttoeinkommen %d in Euro"), 12, 123);
    beschriftung(g, QStringLiteral("1. Pers."), 272, 123);
    Label_Pers2 = beschriftung(g, QStringLiteral("2. Pers."), 388, 123);
    Label_Pers2->hide();
    Edit_Einkommen1 = einkommensfeld(g, 326, 120);
    Edit_Einkommen2 = einkommensfeld(g, 440, 120);
    Edit_Einkommen2->hide();
    Button_Details = knopf(g, QStringLiteral("Details..."), 515, 120, 75, 24);
    Label_EKnr = beschriftung(g, QStringLiteral("zusätzliches, nicht rvpfl. Einkommen"), 12, 149);
    Label_EKnr1 = beschriftung(g, QString(), 330, 150);
    Label_EKnr2 = beschriftung(g, QString(), 445, 150);
    Label_EKnr->hide();
    Label_EKnr1->hide();
    Label_EKnr2->hide();
    regulaereSchrift(g);

    GroupBox_Foerderung = gruppe(s, QStringLiteral("Darstellung der Förderung (Jahresbeträge) "),
                                 10, 244, 658, 189, true);
    g = GroupBox_Foerderung;
    beschriftung(g, QStringLiteral("Beitrag:"), 12, 33);
    CheckBox_minBeitrag =
        platziere(new QCheckBox(QStringLiteral("minimaler Eigenbeitrag"), g), 69, 33);
    CheckBox_minBeitrag->setChecked(true);
    beschriftung(g, QStringLiteral("(für volle Zulagen)"), 88, 51);
    beschriftung(g, QStringLiteral("0"), 265, 33);
    TrackBar_gesB1 = platziere(new TSchieberegler(g), 280, 23, 261, 33);
    TrackBar_gesB1->setRange(0, TFoerderParameter::BeitragsMax);
    TrackBar_gesB1->setFrequenz(2);
    TrackBar_gesB1->setDaumenlaenge(16);
    beschriftung(g, QStringLiteral("maximal"), 553, 33);
    auto* linie = new QFrame(g);
    linie->setFrameShape(QFrame::HLine);
    linie->setFrameShadow(QFrame::Sunken);
    linie->setGeometry(8, 73, 270, 2);
    CheckBox_tarMindBtr =
        platziere(new QCheckBox(QStringLiteral("tarifliche Mindestbeiträge beachten"), g), 284, 65);
    CheckBox_tarMindBtr->setChecked(true);

    struct TSpalte
    {
        QLineEdit** feld;
        int x, breite;
        const char* oben;
        const char* unten;
    };
    const TSpalte spalten[] = {
        {&Edit_e, 13, 150, nullptr, "Eigenbeitrag"},
        {&Edit_g, 186, 78, nullptr, "Grundzulage *)"},
        {&Edit_k, 283, 78, nullptr, "Kinderzulage"},
        {&Edit_s, 389, 79, nullptr, "Gesamtbeitrag"},
        {&Edit_z, 495, 77, "zusätzliche", "Steuerersparnis"},
        {&Edit_q, 591, 49, "Förder-", "quote"},
    };
    for (const TSpalte& sp : spalten) {
        *sp.feld = ergebnisfeld(g, sp.x, 138, sp.breite);
        const auto ueber = [&](const char* text, int y) {
            QLabel* l = beschriftung(g, QString::fromUtf8(text), 0, y);
            l->move(sp.x + (sp.breite - l->width()) / 2, y);
        };
        if (sp.oben)
            ueber(sp.oben, 104);
        ueber(sp.unten, 120);
    }
    beschriftung(g, QStringLiteral("+"), 170, 141);
    beschriftung(g, QStringLiteral("+"), 270, 141);
    beschriftung(g, QStringLiteral("="), 372, 141);
    Label_Fussnote = beschriftung(
        g,
        QStringLiteral(
            "*) Talven-Sparer unter 25 erhalten für das erste Beitragsjahr einmalig eine "
            "um bis zu 200 Euro erhöhte Grundzulage."),
        15, 168, false, 11);
    regulaereSchrift(g);
}

void THauptformular::DruckgruppeAnlegen()
{
    Panel_Drucken = panel(TabSheet_Vorgabe, -1, 445, 680, 69);
    GroupBox_Drucken = gruppe(Panel_Drucken, QStringLiteral("Drucken"), 11, 0, 658, 69, true);
    QGroupBox* g = GroupBox_Drucken;
    Button_Drucken = knopf(g, QStringLiteral("Druckvorschau"), 15, 24, 117, 26);
    CheckBox_Beratungsprotokol =
        platziere(new QCheckBox(QStringLiteral("Als Anlage z. Beratungsprotokoll"), g), 147, 17);
    CheckBox_MitGrafik =
        platziere(new QCheckBox(QStringLiteral("Mit grafischer Darstellung"), g), 147, 41);
    Label_Kundenname = beschriftung(g, QStringLiteral("Name des Kunden:"), 379, 16);
    Edit_Druck_Name = platziere(new QLineEdit(g), 379, 36, 260, 24);
    Label_Kundenname->setEnabled(false);
    Edit_Druck_Name->setEnabled(false);
    regulaereSchrift(g);
}

void THauptformular::SeiteGrafikAnlegen()
{
    QWidget* s = TabSheet_Grafik;
    GroupBox_Torte = gruppe(s, QString(), 10, 1, 658, 443, false);
    QGroupBox* g = GroupBox_Torte;
    beschriftung(g, QStringLiteral("Gesamtbeitrag"), 20, 14);
    beschriftung(g, QStringLiteral("Förderquote"), 150, 14);
    Label_Einkommen2 = beschriftung(g, QStringLiteral("Gesamtförderung"), 245, 14);
    beschriftung(g, QStringLiteral("zu berücksichtigende Kinder"), 380, 14);
    Edit_Grafik_Spar = ergebnisfeld(g, 20, 34, 105);
    Edit_Grafik_Quote = ergebnisfeld(g, 150, 34, 69);
    Edit_Grafik_gesFoerderung = ergebnisfeld(g, 245, 34, 105);
    SpinEdit_Kinderzahl2 = platziere(new TSpinEdit(g), 380, 33, 42, 24);
    SpinEdit_Kinderzahl2->setRange(0, MaxKinder);
    Panel_Chart = panel(g, 20, 69, 619, 329);
    Chart1 = new QWidget(Panel_Chart); // the pie chart comes with the chart page
    Chart1->setObjectName(QStringLiteral("Chart1"));
    Chart1->setAutoFillBackground(true);
    QPalette weiss = Chart1->palette();
    weiss.setColor(QPalette::Window, Qt::white);
    Chart1->setPalette(weiss);
    Chart1->setGeometry(0, 0, 619, 329);
    beschriftung(g, QStringLiteral("Gesamtbeitrag"), 21, 409);
    TrackBar_gesB2 = platziere(new TSchieberegler(g), 119, 399, 519, 37);
    TrackBar_gesB2->setRange(0, TFoerderParameter::BeitragsMax);
    TrackBar_gesB2->setFrequenz(2);
}

void THauptformular::SeiteAngebotAnlegen()
{
    QWidget* s = TabSheet_Angebot;
    GroupBox_Aufteilung = gruppe(s, QStringLiteral("Aufteilung der Zulagen und Eigenbeiträge"), 12,
                                 13, 653, 439, true);
    QGroupBox* g = GroupBox_Aufteilung;
    beschriftung(g, QStringLiteral("Kinder"), 20, 32, true);
    Label_Person1 = beschriftung(g, QStringLiteral("1. Zulagenempfänger"), 288, 32);
    Label_Person2 = beschriftung(g, QStringLiteral("2. Zulagenempfänger"), 456, 32);
    Label_Person2->setProperty("Tag", -2);
    beschriftung(g, QStringLiteral("Geburtsjahr"), 164, 74);
    beschriftung(g, QStringLiteral("Kind berücksichtigen bei:"), 288, 74);

    ScrollBox_Kinder = new QScrollArea(g);
    ScrollBox_Kinder->setGeometry(20, 96, 610, 93);
    ScrollBox_Kinder->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* inhalt = new QWidget;
    inhalt->setGeometry(0, 0, 590, 284);
    const QDate heute = m_umgebung.Heute.isValid() ? m_umgebung.Heute : QDate::currentDate();
    const TJahrBereich bereich = GebJahrBereich(heute);
    for (int i = 0; i < MaxKinder; ++i) {
        const int y = 28 * i;
        Label_Kind[i] = beschriftung(inhalt, QStringLiteral("%1. Kind").arg(i + 1), 96, 8 + y);
        FloatEdit_Kind[i] = platziere(new TFloatEdit(inhalt), 164, 4 + y, 49, 24);
        FloatEdit_Kind[i]->setIntOnly(true);
        FloatEdit_Kind[i]->setAutoRangeCorrect(true);
        FloatEdit_Kind[i]->setMinWert(bereich.Min);
        FloatEdit_Kind[i]->setMaxWert(bereich.Max);
        FloatEdit_Kind[i]->WertSetzen(2000);
        Panel_Kind[i] = panel(inhalt, 260, 4 + y, 281, 25);
        RadioButton_1p[i] =
            platziere(new QRadioButton(QStringLiteral("1. Person"), Panel_Kind[i]), 0, 3);
        RadioButton_2p[i] =
            platziere(new QRadioButton(QStringLiteral("2. Person"), Panel_Kind[i]), 186, 3);
        RadioButton_1p[i]->setChecked(true);
        for (QWidget* w :
             {static_cast<QWidget*>(Label_Kind[i]), static_cast<QWidget*>(FloatEdit_Kind[i]),
              static_cast<QWidget*>(Panel_Kind[i])})
            w->setProperty("Tag", i + 1);
        RadioButton_1p[i]->setProperty("Tag", -1);
        RadioButton_2p[i]->setProperty("Tag", -2);
    }
    ScrollBox_Kinder->setWidget(inhalt);

    beschriftung(g, QStringLiteral("Aufteilung des Eigenbeitrags (Jahresbeträge)"), 12, 198, true);
    Memo_Info = new QPlainTextEdit(g);
    Memo_Info->setFrameShape(QFrame::NoFrame);
    Memo_Info->setReadOnly(true);
    Memo_Info->setGeometry(12, 220, 261, 77);
    Edit_EB1 = ergebnisfeld(g, 304, 227, 97);
    Edit_EB2 = ergebnisfeld(g, 470, 227, 97);
    Edit_EB1->setEnabled(false);
    Edit_EB2->setEnabled(false);
    TrackBar_Verteilung = platziere(new TSchieberegler(g), 304, 260, 263, 37);
    TrackBar_Verteilung->setRange(0, 50);
    TrackBar_Verteilung->setValue(10);
    Label_Hinweis = beschriftung(g, QString(), 300, 296);
    beschriftung(g, QStringLiteral("Weiter zur Angebotsberechnung"), 12, 324, true);
    beschriftung(g, QStringLiteral("Art der Kapitalanlage"), 12, 344);
    const auto anlage = [g](int x, QRadioButton*& k, QRadioButton*& w, QRadioButton*& r, int tag) {
        QFrame* p = panel(g, x, 324, 160, 66);
        k = platziere(new QRadioButton(QStringLiteral("sicherheitsorientiert"), p), 0, 0);
        w = platziere(new QRadioButton(QStringLiteral("wachstumsorientiert"), p), 0, 22);
        r = platziere(new QRadioButton(QStringLiteral("risikobewusst"), p), 0, 44);
        k->setChecked(true);
        if (tag)
            for (QRadioButton* b : {k, w, r})
                b->setProperty("Tag", tag);
    };
    anlage(288, RadioButton_konservativ1, RadioButton_wachstum1, RadioButton_risiko1, 0);
    anlage(456, RadioButton_konservativ2, RadioButton_wachstum2, RadioButton_risiko2, -2);
    regulaereSchrift(g);
    for (QWidget* w : inhalt->findChildren<QWidget*>())
        if (!w->testAttribute(Qt::WA_SetFont))
            w->setFont(ProgrammSchrift(13));

    Button_Angebot1 = knopf(s, QStringLiteral("Erfassung"), 320, 407, 75, 25);
    Button_Angebot2 = knopf(s, QStringLiteral("Erfassung"), 485, 407, 75, 25);
    Button_Angebot2->setProperty("Tag", -2);
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
    connect(PageControl, &QTabWidget::currentChanged, this, [this](int neu) {
        PageControlChanging(m_aktiveSeite);
        m_aktiveSeite = neu;
        PageControlChange(neu);
    });
}

void THauptformular::FormCreate()
{
    // 1, 2: the eligibility checker beside the program
    const QDir dir = QFileInfo(m_umgebung.ProgrammPfad).dir();
    PruvexPfad = QDir::cleanPath(dir.filePath(QStringLiteral("../Talven_Pruvex/Pruvex.exe")));
    if (!QFileInfo::exists(PruvexPfad))
        PruvexPfad = dir.filePath(QStringLiteral("Pruvex.exe"));
    if (QFileInfo::exists(PruvexPfad)) {
        Button_Pruvex->show();
        if (PruvexPfad.contains(QLatin1Char(' ')))
            PruvexPfad = QLatin1Char('"') + PruvexPfad + QLatin1Char('"');
    } else {
        Button_Pruvex->hide();
        PruvexPfad.clear();
    }
    // 3: the German separators come from Zahlformat, whatever the locale says.
    // 4
    GrafikDatei = GrafikDateiPfad(m_umgebung.Umgebung);
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
    // 1: a failed save is shown and ends the destruction steps
    QString fehler;
    if (!EinstellungenSpeichern(&fehler)) {
        ZeigeFehler(fehler);
        return;
    }
    // 2: help windows come with the help.  3
    BerichtZeilen.clear();
    // 4
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
    BerechneZulagen();
}

bool THauptformular::eventFilter(QObject* objekt, QEvent* event)
{
    if (objekt == Edit_GebJahre) {
        if (event->type() == QEvent::FocusOut) {
            Edit_GebJahreExit();
        } else if (event->type() == QEvent::KeyPress) {
            const auto* taste = static_cast<QKeyEvent*>(event);
            if (taste->key() == Qt::Key_Return || taste->key() == Qt::Key_Enter)
                Edit_GebJahreExit(); // the key goes on to the edit unchanged
        }
    }
    return QWidget::eventFilter(objekt, event);
}

void THauptformular::Vorgabeaenderung(QObject* sender)
{
    // The nested runs of one change would repeat the same refusal; it is shown once.
    ++m_tiefe;
    const auto ende = qScopeGuard([this] {
        if (--m_tiefe == 0)
            m_gemeldet.clear();
    });
    // 1
    if (sender == RadioButton_ledig) {
        Edit_Einkommen2->WertSetzen(0);
        RadioButton_Doppelverdiener->setEnabled(false);
        RadioButton_Einzelverdiener->setChecked(true);
        RadioButton_Einzelverdiener->setEnabled(false);
    } else if (sender == RadioButton_verheiratet) {
        RadioButton_Doppelverdiener->setEnabled(true);
        RadioButton_Einzelverdiener->setEnabled(true);
        for (QRadioButton* r : RadioButton_2p)
            r->setChecked(true);
    } else if (sender == TrackBar_gesB1) {
        if (CheckBox_tarMindBtr->isChecked() &&
            TrackBar_gesB1->value() < Daten.PositionTarMindBtr) {
            TrackBar_gesB1->setValue(Daten.PositionTarMindBtr);
            return;
        }
    } else if (sender == SpinEdit_Kinderzahl) {
        GebJahreAnzeigen();
    }

    // 2
    const bool verheiratet = RadioButton_verheiratet->isChecked();
    const auto nrZeigen = [](QLabel* l, double betrag, bool sichtbar) {
        l->setVisible(sichtbar && betrag > 0);
        l->setText(FormatN(betrag, 0) + Euro);
        l->adjustSize();
    };
    nrZeigen(Label_EKnr1, Daten.EinkommenNR1, true);
    Label_EKnr->setVisible(Daten.EinkommenNR1 > 0 || (verheiratet && Daten.EinkommenNR2 > 0));
    if (verheiratet) {
        Label_Pers2->show();
        Edit_Einkommen2->show();
        nrZeigen(Label_EKnr2, Daten.EinkommenNR2, true);
        if (RadioButton_Doppelverdiener->isChecked()) {
            Edit_Einkommen2->setEnabled(true);
            Daten.AnzahlFoerderberechtigte = 2;
        } else {
            Edit_Einkommen2->setEnabled(false);
            Edit_Einkommen2->WertSetzen(0);
            Daten.AnzahlFoerderberechtigte = 1;
        }
    } else {
        Label_EKnr2->hide();
        Daten.AnzahlFoerderberechtigte = 1;
        Edit_Einkommen2->hide();
        Label_Pers2->hide();
    }

    // 3
    BerechneZulagen();

    // 4: minimum mode follows the minimum; moving the slider by hand leaves it
    if (CheckBox_minBeitrag->isChecked() && TrackBar_gesB1->value() != TrackBar_gesB1->SelEnd()) {
        if (sender == TrackBar_gesB1) {
            CheckBox_minBeitrag->setChecked(false);
        } else {
            const int ziel = TrackBar_gesB1->SelEnd();
            TrackBar_gesB1->setValue(ziel);
            TrackBar_gesB2->setValue(ziel);
        }
    }

    // 5
    BerichtErstellen();
}

void THauptformular::GebJahreAnzeigen()
{
    QList<int> jahre;
    for (int i = 0; i < SpinEdit_Kinderzahl->value(); ++i)
        jahre.append(static_cast<int>(rundeGerade(FloatEdit_Kind[i]->WertLesen())));
    Edit_GebJahre->setText(GebJahreText(jahre));
    const bool kinder = !jahre.isEmpty();
    Edit_GebJahre->setEnabled(kinder);
    feldfarbe(Edit_GebJahre, kinder);
}

void THauptformular::Edit_GebJahreExit()
{
    const TJahrBereich bereich{static_cast<int>(FloatEdit_Kind[0]->MinWert()),
                               static_cast<int>(FloatEdit_Kind[0]->MaxWert())};
    const QList<int> jahre = GebJahreLesen(Edit_GebJahre->text(), bereich);
    for (qsizetype k = 0; k < jahre.size(); ++k)
        FloatEdit_Kind[static_cast<size_t>(k)]->WertSetzen(jahre.at(k));
    if (jahre.size() == SpinEdit_Kinderzahl->value()) {
        GebJahreAnzeigen();
        Vorgabeaenderung(nullptr);
    } else {
        SpinEdit_Kinderzahl->setValue(static_cast<int>(jahre.size()));
    }
}

void THauptformular::EingabenUebernehmen()
{
    TZulagenDaten& d = Daten;
    d.Verheiratet = RadioButton_verheiratet->isChecked();
    d.Doppelverdiener = RadioButton_Doppelverdiener->isChecked();
    d.Einkommen1 = Edit_Einkommen1->WertLesen();
    d.Einkommen2 = Edit_Einkommen2->WertLesen();
    d.Kinderzahl = SpinEdit_Kinderzahl->value();
    for (int i = 0; i < MaxKinder; ++i) {
        d.KindGebJahr[static_cast<size_t>(i)] =
            static_cast<int>(rundeGerade(FloatEdit_Kind[i]->WertLesen()));
        d.KindPerson[static_cast<size_t>(i)] = RadioButton_2p[i]->isChecked() ? 2 : 1;
    }
    d.MinBeitrag = CheckBox_minBeitrag->isChecked();
    d.TarMindBtr = CheckBox_tarMindBtr->isChecked();
    d.BeitragsPosition = TrackBar_gesB1->value();
    d.BeitragsMax = TrackBar_gesB1->maximum();
}

void THauptformular::BerechneZulagen()
{
    if (!Initialisiert)
        return;
    EingabenUebernehmen();
    TZulagenDaten& d = Daten;
    const auto anzeigen = [this, &d] {
        TrackBar_gesB1->setSelEnd(d.PositionVolleZulagen);
        TrackBar_gesB2->setSelEnd(d.PositionVolleZulagen);
        ZeigeBetrag(Edit_k, 2, d.Kinderzulage1 + d.Kinderzulage2, Euro);
        ZeigeBetrag(Edit_g, 2, d.Grundzulage1 + d.Grundzulage2, Euro);
        ZeigeBetrag(Edit_e, 2, d.Eigenbeitrag, Euro);
        ZeigeBetrag(Edit_s, 2, d.Gesamtbeitrag, Euro);
        ZeigeBetrag(Edit_Grafik_Spar, 2, d.Gesamtbeitrag, Euro);
    };
    try {
        Fermalin::BerechneZulagen(d);
    } catch (const EVorsorgeFehler& fehler) {
        // the allowances of this run stand; the tax results keep their values
        anzeigen();
        const QString meldung = QString::fromUtf8(fehler.what());
        if (meldung != m_gemeldet) {
            m_gemeldet = meldung;
            ZeigeFehler(meldung);
        }
        return;
    }
    anzeigen();
    ZeigeBetrag(Edit_z, 2, d.Steuerersparnis, Euro);
    if (d.Gesamtbeitrag > 0) {
        ZeigeBetrag(Edit_q, 0, 100 * d.Foerderquote, QStringLiteral(" %"));
        ZeigeBetrag(Edit_Grafik_Quote, 0, 100 * d.Foerderquote, QStringLiteral(" %"));
    } else {
        Edit_q->clear();
        Edit_Grafik_Quote->clear();
    }
    ZeigeBetrag(Edit_Grafik_gesFoerderung, 2, d.Steuerersparnis + d.GewaehrteZulagen(), Euro);
    DruckSteuerungSetzen();
}

void THauptformular::DruckSteuerungSetzen()
{
    const bool e = !Edit_e->text().isEmpty();
    Button_Drucken->setEnabled(e);
    CheckBox_Beratungsprotokol->setEnabled(e);
    CheckBox_MitGrafik->setEnabled(e);
    const bool name = e && CheckBox_Beratungsprotokol->isChecked();
    Label_Kundenname->setEnabled(name);
    Edit_Druck_Name->setEnabled(name);
}

void THauptformular::ZeigeBetrag(QLineEdit* feld, int nachkomma, double wert, const QString& suffix)
{
    if (wert == 0) {
        feld->clear();
        return;
    }
    QString text = feld == Edit_e
                       ? FormatN(wert, nachkomma) + QStringLiteral(" (mtl. ") +
                             FormatN(wert / 12, nachkomma) + QStringLiteral(") ") + suffix
                       : FormatN(wert, nachkomma) + suffix;
    // Right-aligned by leading blanks, measured in the field's own font.
    const QFontMetrics fm(feld->font());
    const int blank = fm.horizontalAdvance(QLatin1Char(' '));
    const int grenze = feld->width() - blank - 8;
    if (blank > 0) {
        int breite = fm.horizontalAdvance(text);
        QString vorne;
        while (breite < grenze) {
            vorne += QLatin1Char(' ');
            breite += blank;
        }
        text.prepend(vorne);
    }
    feld->setText(text);
}

void THauptformular::PageControlChanging(int alteSeite)
{
    if (PageControl->widget(alteSeite) == TabSheet_Angebot) {
        GebJahreAnzeigen();
        BerechneZulagen();
    }
}

void THauptformular::PageControlChange(int neueSeite)
{
    QWidget* seite = PageControl->widget(neueSeite);
    if (seite == TabSheet_Grafik) {
        Panel_Drucken->setParent(TabSheet_Grafik);
        Panel_Drucken->move(-1, 445);
        Panel_Drucken->show();
        GroupBox_Drucken->setTitle(QString());
        Button_Weiter->setEnabled(!Einzelversion);
        SpinEdit_Kinderzahl2->setValue(SpinEdit_Kinderzahl->value());
        TrackBar_gesB2->setValue(TrackBar_gesB1->value());
        GrafikZeichnen();
    } else if (seite == TabSheet_Vorgabe) {
        Panel_Drucken->setParent(TabSheet_Vorgabe);
        Panel_Drucken->move(-1, 445);
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
