#include "Druckgruppe.h"

#include "Bauteile.h"
#include "ColorButton.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

namespace Fermalin {

TDruckgruppe::TDruckgruppe(TSeitendienste& dienste, QWidget* parent)
    : QFrame(parent), m_dienste(dienste)
{
    setObjectName(QStringLiteral("Panel_Drucken"));
    setFrameShape(QFrame::NoFrame);
    setGeometry(-1, 445, 680, 69);
    GroupBox_Drucken =
        benannt(gruppe(this, QStringLiteral("Drucken"), 11, 0, 658, 69, true), "GroupBox_Drucken");
    QGroupBox* g = GroupBox_Drucken;
    Button_Drucken =
        benannt(knopf(g, QStringLiteral("Druckvorschau"), 15, 24, 117, 26), "Button_Drucken");
    CheckBox_Beratungsprotokol = benannt(
        platziere(new QCheckBox(QStringLiteral("Als Anlage z. Beratungsprotokoll"), g), 147, 17),
        "CheckBox_Beratungsprotokol");
    CheckBox_MitGrafik =
        benannt(platziere(new QCheckBox(QStringLiteral("Mit grafischer Darstellung"), g), 147, 41),
                "CheckBox_MitGrafik");
    // Below its design place (16): there it touched the frame line under the caption.
    Label_Kundenname =
        benannt(beschriftung(g, QStringLiteral("Name des Kunden:"), 379, 21), "Label_Kundenname");
    Edit_Druck_Name = benannt(platziere(new QLineEdit(g), 379, 36, 260, 24), "Edit_Druck_Name");
    Edit_Druck_Name->setMaxLength(NamensLaenge);
    Label_Kundenname->setEnabled(false);
    Edit_Druck_Name->setEnabled(false);
    regulaereSchrift(g);

    connect(CheckBox_Beratungsprotokol, &QCheckBox::toggled, this,
            [this] { CheckBox_BeratungsprotokolClick(); });
    connect(CheckBox_MitGrafik, &QCheckBox::toggled, this, [this] { CheckBox_MitGrafikClick(); });
    connect(Edit_Druck_Name, &QLineEdit::editingFinished, this, [this] { Edit_Druck_NameExit(); });
    connect(Button_Drucken, &QPushButton::clicked, this,
            [this] { m_dienste.DruckvorschauAnzeigen(); });
}

void TDruckgruppe::CheckBox_BeratungsprotokolClick()
{
    DruckSteuerungSetzen(m_ergebnis);
    m_dienste.BerichtErstellen();
}

void TDruckgruppe::CheckBox_MitGrafikClick()
{
    m_dienste.BerichtErstellen();
}

void TDruckgruppe::Edit_Druck_NameExit()
{
    m_dienste.BerichtErstellen();
}

void TDruckgruppe::DruckSteuerungSetzen(bool ergebnis)
{
    m_ergebnis = ergebnis;
    Button_Drucken->setEnabled(ergebnis);
    CheckBox_Beratungsprotokol->setEnabled(ergebnis);
    CheckBox_MitGrafik->setEnabled(ergebnis);
    const bool name = ergebnis && CheckBox_Beratungsprotokol->isChecked();
    Label_Kundenname->setEnabled(name);
    Edit_Druck_Name->setEnabled(name);
}

void TDruckgruppe::TitelZeigen(bool mitTitel)
{
    GroupBox_Drucken->setTitle(mitTitel ? QStringLiteral("Drucken") : QString());
}

void TDruckgruppe::EingabenLesen(TEingaben& e) const
{
    e.Druck.Beratungsprotokoll = CheckBox_Beratungsprotokol->isChecked();
    e.Druck.Kundenname = Edit_Druck_Name->text();
    e.Druck.MitGrafik = CheckBox_MitGrafik->isChecked();
}

TDruckgruppe::TAnzeige TDruckgruppe::Anzeige() const
{
    TAnzeige a;
    a.DruckenAktiv = Button_Drucken->isEnabled();
    a.ProtokollAktiv = CheckBox_Beratungsprotokol->isEnabled();
    a.GrafikAktiv = CheckBox_MitGrafik->isEnabled();
    a.NameAktiv = Edit_Druck_Name->isEnabled() && Label_Kundenname->isEnabled();
    a.Beratungsprotokoll = CheckBox_Beratungsprotokol->isChecked();
    a.MitGrafik = CheckBox_MitGrafik->isChecked();
    a.Kundenname = Edit_Druck_Name->text();
    a.Titel = GroupBox_Drucken->title();
    return a;
}

} // namespace Fermalin
