// Chart page.
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
#include "Torte.h"
#include "TortenDiagramm.h"
#include "Tortenstuecke.h"
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
    Chart1 = new TTortenDiagramm(Panel_Chart);
    Chart1->setGeometry(0, 0, 619, 329);
    beschriftung(g, QStringLiteral("Gesamtbeitrag"), 21, 409);
    TrackBar_gesB2 = platziere(new TSchieberegler(g), 119, 399, 519, 37);
    TrackBar_gesB2->setRange(0, TFoerderParameter::BeitragsMax);
    TrackBar_gesB2->setFrequenz(2);

    connect(TrackBar_gesB2, &QSlider::valueChanged, this, [this] { TrackBar_gesB2Change(); });
    connect(SpinEdit_Kinderzahl2, &QSpinBox::valueChanged, this,
            [this] { SpinEdit_Kinderzahl2Change(); });
}

bool THauptformular::GrafikZeichnen()
{
    Chart1->StueckeSetzen(TortenStuecke(Daten));

    // The report's picture: the chart as it is on screen, stretched to 87 % of
    // its size at creation, so the report looks the same at any window size.
    return GrafikBildSchreiben(
        GrafikDatei, TortenBild(Chart1->Stuecke(), Chart1->size(), Chart1->Schriftfaktor()),
        GrafikBildGroesse(QSize(ChartStartBreite, ChartStartHoehe)));
}

void THauptformular::TrackBar_gesB2Change()
{
    // Below the tariff minimum the slider snaps back; the snap arrives here again.
    if (CheckBox_tarMindBtr->isChecked() && TrackBar_gesB2->value() < Daten.PositionTarMindBtr) {
        TrackBar_gesB2->setValue(Daten.PositionTarMindBtr);
        return;
    }
    // An unchanged position fires nothing, so the two sliders cannot chase each other.
    TrackBar_gesB1->setValue(TrackBar_gesB2->value());
    GrafikZeichnenWennSichtbar();
}

void THauptformular::SpinEdit_Kinderzahl2Change()
{
    SpinEdit_Kinderzahl->setValue(SpinEdit_Kinderzahl2->value());
    GrafikZeichnenWennSichtbar();
}

void THauptformular::GrafikZeichnenWennSichtbar()
{
    // The input page moves this slider on nearly every keystroke. A hidden chart
    // is drawn when its page is entered, and the report draws the picture it
    // needs itself, so drawing here would only cost the keystroke its speed.
    if (PageControl->currentWidget() == TabSheet_Grafik)
        GrafikZeichnen();
}

} // namespace Fermalin
