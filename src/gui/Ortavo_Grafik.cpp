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

} // namespace Fermalin
