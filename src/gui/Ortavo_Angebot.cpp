// Offer page.
#include "Ortavo_Dialog.h"

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

} // namespace Fermalin
