// The print group: "Druckvorschau" and the print options. It belongs to the
// input page and moves to the chart page while that page is shown; every
// change of an option rebuilds the report.
#pragma once

#include "Haushaltsrechnung.h"
#include "Seitendienste.h"

#include <QFrame>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;

namespace Fermalin {

class TColorButton;

class TDruckgruppe : public QFrame
{
    Q_OBJECT

public:
    struct TAnzeige
    {
        bool DruckenAktiv = false, ProtokollAktiv = false, GrafikAktiv = false;
        bool NameAktiv = false;
        bool Beratungsprotokoll = false, MitGrafik = false;
        QString Kundenname, Titel;
    };

    // The longest customer name the field takes.
    static constexpr int NamensLaenge = 1000;

    explicit TDruckgruppe(TSeitendienste& dienste, QWidget* parent = nullptr);

    // Handlers
    void CheckBox_BeratungsprotokolClick();
    void CheckBox_MitGrafikClick();
    void Edit_Druck_NameExit();

    // Printing is possible exactly when an own contribution is shown.
    void DruckSteuerungSetzen(bool ergebnis);
    // "Drucken" on the input page, no caption on the chart page.
    void TitelZeigen(bool mitTitel);

    void EingabenLesen(TEingaben& e) const;
    TAnzeige Anzeige() const;

private:
    TSeitendienste& m_dienste;
    bool m_ergebnis = false;

    QGroupBox* GroupBox_Drucken;
    TColorButton* Button_Drucken;
    QCheckBox* CheckBox_Beratungsprotokol;
    QCheckBox* CheckBox_MitGrafik;
    QLabel* Label_Kundenname;
    QLineEdit* Edit_Druck_Name;
};

} // namespace Fermalin
