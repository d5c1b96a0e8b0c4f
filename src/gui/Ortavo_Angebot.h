// The offer page: the children and for whom each counts, the split of the
// chosen total between the two contracts with its explaining sentence and
// distribution slider, the investment styles, and the hand-off buttons.
#pragma once

#include "Aufteilung.h"
#include "Einstellungsdatei.h"
#include "GebJahre.h"
#include "Haushaltsrechnung.h"
#include "Seitendienste.h"

#include <QWidget>

#include <array>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;
class QScrollArea;

namespace Fermalin {

class TColorButton;
class TFloatEdit;
class TSchieberegler;

class TSeiteAngebot : public QWidget
{
    Q_OBJECT

public:
    struct TAnzeige
    {
        QString Eigenbeitrag1, Eigenbeitrag2, Info, Hinweis; // as shown
        bool Schieberegler = false, HinweisSichtbar = false;
        int Verteilung = 0;
        std::array<bool, MaxKinder> Zeile{}; // row i shown
        bool Bildlaufleiste = false;
        bool Person2Aktiv = false; // the second person's buttons and styles
    };

    TSeiteAngebot(TSeitendienste& dienste, TJahrBereich gebJahrBereich, QWidget* parent = nullptr);

    // Handlers
    void KindZuordnen();
    void Kind_verschoben(QRadioButton* knopf);
    void Angebotaenderung();
    void EigenbeitragAufteilen();
    void Button_AngebotClick(int person);

    // The children's rows, which the input page's list of years follows.
    QList<int> GebJahre(int n) const;
    void GebJahreSetzen(const QList<int>& jahre);
    void KinderZuPerson2();
    // The years a child may have in the contribution year; every year field is
    // corrected into them.
    void GebJahrBereichSetzen(TJahrBereich bereich);

    void EingabenLesen(TEingaben& e) const;
    TAnzeige Anzeige() const;

    // As the settings file sets them.
    void KindSetzen(int i, int gebJahr, bool person1, bool person2); // i from 0
    void VerteilungSetzen(int position);
    void AnlageSetzen(int person, bool konservativ, bool wachstum, bool risiko);
    // The keys that hold no input: the radio buttons one by one.
    void EinstellungenSammeln(TEinstellungen& e) const;

    QWidget* ErstesFeld() const;

private:
    void Anlegen(TJahrBereich bereich);
    void KinderBereichSetzen();

    TSeitendienste& m_dienste;

    QGroupBox* GroupBox_Aufteilung;
    QLabel* Label_Person2;
    QScrollArea* ScrollBox_Kinder;
    std::array<TFloatEdit*, MaxKinder> FloatEdit_Kind{};
    std::array<QRadioButton*, MaxKinder> RadioButton_1p{};
    std::array<QRadioButton*, MaxKinder> RadioButton_2p{};
    QPlainTextEdit* Memo_Info;
    QLineEdit* Edit_EB1;
    QLineEdit* Edit_EB2;
    TSchieberegler* TrackBar_Verteilung;
    QLabel* Label_Hinweis;
    std::array<QRadioButton*, 3> RadioButton_Anlage1{}; // konservativ, wachstum, risiko
    std::array<QRadioButton*, 3> RadioButton_Anlage2{};
    TColorButton* Button_Angebot1;
    TColorButton* Button_Angebot2;
};

} // namespace Fermalin
