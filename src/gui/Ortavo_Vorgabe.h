// The input page: the household, the contribution slider and the results. Its
// change handler is the recalculation driver; what it needs of the other pages
// (the children's rows, the chart's slider, the report) the frame connects.
#pragma once

#include "EKDetails.h"
#include "Einstellungsdatei.h"
#include "GebJahre.h"
#include "Haushaltsrechnung.h"
#include "Seitendienste.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QString>
#include <QWidget>

namespace Fermalin {

class TColorButton;
class TFloatEdit;
class TSchieberegler;
class TSpinEdit;

// The values of the detail dialog that live with the input page.
struct TDetailwerte
{
    double EinkommenNR1 = 0, EinkommenNR2 = 0;
    double DeltazvE = 0;
    double Soli = 0;
    int Bundesland = -1;
};

class TSeiteVorgabe : public QWidget
{
    Q_OBJECT

public:
    // What the page shows, for the frame and for tests.
    struct TAnzeige
    {
        QString Eigenbeitrag, Grundzulage, Kinderzulage, Gesamtbeitrag, Steuerersparnis,
            Foerderquote; // as the fields show them, padded
        bool Verheiratet = false, Doppelverdiener = false, AntwortAktiv = false;
        bool Einkommen2Sichtbar = false, Einkommen2Aktiv = false;
        double Einkommen1 = 0, Einkommen2 = 0;
        int Kinderzahl = 0;
        QString GebJahre;
        bool GebJahreAktiv = false;
        int GebJahreCursor = 0;
        bool MinBeitrag = false, TarMindBtr = false;
        int Beitrag = 0, BeitragVolleZulagen = 0;
        bool EKnrSichtbar = false, EKnr1Sichtbar = false, EKnr2Sichtbar = false;
        QString EKnr1, EKnr2;
        QString EinkommenBeschriftung;
        TDetailwerte Details;
        int Beitragsjahr = 0;
        QList<int> Jahre;     // the choice, top to bottom
        QString Foerderrecht; // the rule set named beside the year; empty: none named
        QString Hinweise;     // the notices of values not enacted, one a line
        bool Berufseinsteiger1 = false, Berufseinsteiger2 = false;
        bool Berufseinsteiger1Sichtbar = false, Berufseinsteiger2Sichtbar = false;
        bool BeitragAktiv = false; // slider and contribution boxes take input
    };

    // jahr: the contribution year shown first
    TSeiteVorgabe(TSeitendienste& dienste, int jahr, QWidget* parent = nullptr);

    // No computation before the settings are loaded.
    void setInitialisiert(bool an) { m_initialisiert = an; }

    // Handlers
    void Vorgabeaenderung(QObject* sender);
    void GebJahreAnzeigen();
    void Edit_GebJahreExit();
    void BerechneZulagen();
    // OK in "Details...": the incomes go to the input page, the rest to the
    // page's detail values, measured from the incomes as they now stand.
    void EKAngabenUebernehmen(const TEKAngaben& a);

    void EingabenLesen(TEingaben& e) const;
    TAnzeige Anzeige() const;
    // The incomes and whether the second is open, as the detail dialog starts.
    double Einkommen(int person) const;
    bool Einkommen2Aktiv() const;

    // Setting a control as the settings file or the chart page does: its handler runs.
    void FamilienstandSetzen(bool ledig, bool verheiratet, bool doppel, bool einzel);
    void KinderzahlSetzen(int n);
    void EinkommenSetzen(double einkommen1, double einkommen2);
    void BeitragSetzen(int position);
    void TarMindBtrSetzen(bool an);
    void MinBeitragSetzen(bool an);
    void BeitragsjahrSetzen(int jahr);
    void BerufseinsteigerSetzen(bool person1, bool person2);
    void DetailwerteSetzen(const TDetailwerte& w) { m_details = w; }
    // After loading: a file no run could have written is brought into line as a
    // user could have made it.
    void Bereinigen();
    // The keys that hold no input: the radio buttons one by one.
    void EinstellungenSammeln(TEinstellungen& e) const;

    void PruvexZeigen(bool sichtbar);
    // The control that gets the keyboard focus when the page opens the program.
    QWidget* ErstesFeld() const;

protected:
    bool eventFilter(QObject* objekt, QEvent* event) override;

private:
    void Anlegen();
    void AnlegenFoerderung();
    void Verbinden();
    void ErgebnisZeigen(const TZulagenDaten& d);
    // The texts and ranges that name the contribution year.
    void JahrZeigen(int jahr);
    int Beitragsjahr() const;

    TSeitendienste& m_dienste;
    TJahrBereich m_bereich;
    TDetailwerte m_details;
    bool m_initialisiert = false;

    TColorButton* Button_Pruvex;
    QComboBox* ComboBox_Beitragsjahr;
    QLabel* Label_Foerderrecht;
    QLabel* Label_Hinweise;
    QGroupBox* GroupBox_Anspruchsberechtigung;
    QRadioButton* RadioButton_ledig;
    QRadioButton* RadioButton_verheiratet;
    QRadioButton* RadioButton_Doppelverdiener;
    QRadioButton* RadioButton_Einzelverdiener;
    TSpinEdit* SpinEdit_Kinderzahl;
    QLineEdit* Edit_GebJahre;
    QLabel* Label_Einkommen;
    QLabel* Label_Pers2;
    TFloatEdit* Edit_Einkommen1;
    TFloatEdit* Edit_Einkommen2;
    TColorButton* Button_Details;
    QLabel* Label_EKnr;
    QLabel* Label_EKnr1;
    QLabel* Label_EKnr2;
    QGroupBox* GroupBox_Foerderung;
    QCheckBox* CheckBox_minBeitrag;
    TSchieberegler* TrackBar_gesB1;
    QCheckBox* CheckBox_tarMindBtr;
    QLineEdit* Edit_e;
    QLineEdit* Edit_g;
    QLineEdit* Edit_k;
    QLineEdit* Edit_s;
    QLineEdit* Edit_z;
    QLineEdit* Edit_q;
    QCheckBox* CheckBox_Berufseinsteiger1;
    QCheckBox* CheckBox_Berufseinsteiger2;
};

} // namespace Fermalin
