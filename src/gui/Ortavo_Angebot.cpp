// Offer page.
#include "Ortavo_Dialog.h"

#include "Aufteilung.h"
#include "Bauteile.h"
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
#include "Uebergabedatei.h"
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
#include <QTextDocument>

#include <cmath>
#include <functional>

namespace Fermalin {

namespace {

// Calls back after a widget was resized; the stretcher resizes the children
// box of the offer page to its design height, which the page then corrects.
class TGroessenWaechter : public QObject
{
public:
    TGroessenWaechter(QWidget* w, std::function<void()> rueckruf)
        : QObject(w), m_rueckruf(std::move(rueckruf))
    {
        w->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* objekt, QEvent* event) override
    {
        if (event->type() == QEvent::Resize)
            m_rueckruf();
        return QObject::eventFilter(objekt, event);
    }

private:
    std::function<void()> m_rueckruf;
};

// "risikobewusst" is whatever else is selected.
TKlassik KlassikAus(const QRadioButton* konservativ, const QRadioButton* wachstum)
{
    if (konservativ->isChecked())
        return TKlassik::Sicherheitsorientiert;
    return wachstum->isChecked() ? TKlassik::Wachstumsorientiert : TKlassik::Risikobewusst;
}

} // namespace

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
    // five lines fit the box; a longer sentence still scrolls rather than being cut
    Memo_Info->document()->setDocumentMargin(1);
    Memo_Info->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
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
    AngebotVerbinden();
}

void THauptformular::AngebotVerbinden()
{
    connect(TrackBar_Verteilung, &QSlider::valueChanged, this, [this] { Angebotaenderung(); });
    // Only a user's click moves a child; setting the buttons from code (loading,
    // marrying, a single's reset) runs its own computation.
    for (int i = 0; i < MaxKinder; ++i)
        for (QRadioButton* r : {RadioButton_1p[i], RadioButton_2p[i]})
            connect(r, &QRadioButton::clicked, this, [this, r] { Kind_verschoben(r); });
    connect(Button_Angebot1, &QPushButton::clicked, this,
            [this] { Button_AngebotClick(Button_Angebot1); });
    connect(Button_Angebot2, &QPushButton::clicked, this,
            [this] { Button_AngebotClick(Button_Angebot2); });
    // the input page's button, created before this page
    connect(Button_Pruvex, &QPushButton::clicked, this, [this] { Button_Pruvex1Click(); });
    // After the stretcher has rescaled the rows, the box's range is measured anew.
    new TGroessenWaechter(ScrollBox_Kinder->widget(), [this] {
        QMetaObject::invokeMethod(
            this, [this] { KinderBereichSetzen(); }, Qt::QueuedConnection);
    });
}

void THauptformular::EigenbeitragAufteilen(bool fuerAngebot)
{
    TAufteilungsVorgabe v;
    v.Familienstand = RadioButton_ledig->isChecked()             ? TFamilienstand::Ledig
                      : RadioButton_Doppelverdiener->isChecked() ? TFamilienstand::Doppelverdiener
                                                                 : TFamilienstand::Einzelverdiener;
    v.MinBeitrag = CheckBox_minBeitrag->isChecked();
    v.TarMindBtr = CheckBox_tarMindBtr->isChecked();
    v.Position = TrackBar_Verteilung->value();
    v.PositionMax = TrackBar_Verteilung->maximum();
    v.fuerAngebot = fuerAngebot;
    const TAufteilung a = Fermalin::EigenbeitragAufteilen(Daten, v);
    Daten.Eigenbeitrag1 = a.Eigenbeitrag1;
    Daten.Eigenbeitrag2 = a.Eigenbeitrag2;
    Daten.Eigenbeitrag = a.Eigenbeitrag;
    Memo_Info->setPlainText(a.Info);
    // Showing or hiding the slider does not move it, so the split is not re-entered.
    TrackBar_Verteilung->setVisible(a.Schieberegler);
    if (a.Schieberegler) {
        Label_Hinweis->setText(a.Hinweis);
        Label_Hinweis->adjustSize();
    }
    ZeigeBetrag(Edit_EB1, 2, a.Eigenbeitrag1, Euro);
    ZeigeBetrag(Edit_EB2, 2, a.Eigenbeitrag2, Euro);
    Label_Hinweis->setVisible(a.Schieberegler);
}

void THauptformular::Angebotaenderung()
{
    EigenbeitragAufteilen(true);
}

void THauptformular::KinderBereichSetzen()
{
    const int n = SpinEdit_Kinderzahl->value();
    QWidget* inhalt = ScrollBox_Kinder->widget();
    // The row distance is measured: the stretcher rescales the rows.
    const int d = FloatEdit_Kind[1]->y() - FloatEdit_Kind[0]->y();
    const int hoehe = n * d + 4;
    if (inhalt->height() != hoehe)
        inhalt->resize(inhalt->width(), hoehe);
    if (n <= 3) {
        ScrollBox_Kinder->verticalScrollBar()->setValue(0);
        ScrollBox_Kinder->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    } else {
        ScrollBox_Kinder->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    }
}

void THauptformular::KindZuordnen()
{
    // 1, 2
    const int n = SpinEdit_Kinderzahl->value();
    for (QWidget* w : ScrollBox_Kinder->widget()->findChildren<QWidget*>()) {
        const int tag = w->property("Tag").toInt();
        if (tag > 0)
            w->setVisible(n >= tag);
    }
    // 3
    KinderBereichSetzen();
    // 4, 5: a single person's children all count for person 1
    const bool verheiratet = RadioButton_verheiratet->isChecked();
    for (QWidget* w : findChildren<QWidget*>()) {
        const int tag = w->property("Tag").toInt();
        if (tag == -1 && !verheiratet) {
            if (auto* r = qobject_cast<QRadioButton*>(w))
                r->setChecked(true);
        } else if (tag == -2) {
            w->setEnabled(verheiratet);
        }
    }
    // 6
    EigenbeitragAufteilen(true);
}

void THauptformular::Kind_verschoben(QRadioButton* knopf)
{
    Vorgabeaenderung(knopf);
    EigenbeitragAufteilen(true);
}

bool THauptformular::Button_AngebotClick(QObject* sender)
{
    const int person = sender == Button_Angebot2 ? 2 : 1;
    // The file is read from the pages as they stand now: a birth year edited
    // just before the click goes over as edited; the amounts are those of the
    // last split.
    TZulagenDaten d = Daten;
    EingabenLesen(d);
    // In the file a child counts for person 1 exactly when "1. Person" is selected.
    for (int i = 0; i < MaxKinder; ++i)
        d.KindPerson[static_cast<size_t>(i)] = RadioButton_1p[i]->isChecked() ? 1 : 2;
    const TKlassik klassik = person == 2
                                 ? KlassikAus(RadioButton_konservativ2, RadioButton_wachstum2)
                                 : KlassikAus(RadioButton_konservativ1, RadioButton_wachstum1);
    // 1 to 3: on failure the window stays open and no window is raised
    QString fehler;
    if (!UebergabeSchreiben(Uebergabedatei(), UebergabeZeilen(d, person, klassik), &fehler)) {
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
