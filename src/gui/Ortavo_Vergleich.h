// The comparison page, shown from contribution year 2027: the household under
// the old rules and under the reform's rules side by side at the same own
// contributions, the difference, and the warning the provider owes before a new
// contract (§ 7d AltZertG). The adviser chooses here which rules the results,
// the chart, the report and the hand-off follow, and may give the contribution
// of each contract the household can afford.
#pragma once

#include "Einstellungsdatei.h"
#include "Haushaltsrechnung.h"
#include "Seitendienste.h"

#include <QString>
#include <QWidget>

#include <array>
#include <vector>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace Fermalin {

class TFloatEdit;

class TSeiteVergleich : public QWidget
{
    Q_OBJECT

public:
    // What the page shows, for tests: the rows as the fields show them.
    struct TAnzeige
    {
        bool Vorhanden = false; // a comparison is shown
        TFoerderrecht Gewaehlt = TFoerderrecht::Neu;
        bool Vorgegeben = false;
        QString Eigenbeitrag1, Eigenbeitrag2; // the contribution fields
        bool Person2Sichtbar = false;
        // per row: old rules, new rules, difference
        std::array<QString, 3> Zulagen1, Zulagen2, Zulagen, Eigenbeitrag, Gesamtbeitrag,
            Steuerersparnis, Foerderung, Foerderquote;
        QString Ergebnis; // the sentence saying which rules pay more
        QString Warnung;
        QString Hinweise;
    };

    explicit TSeiteVergleich(TSeitendienste& dienste, QWidget* parent = nullptr);

    // The rule set and, when the adviser gives them, each contract's own
    // contribution; before 2027 neither exists.
    void EingabenLesen(TEingaben& e) const;
    // Writes the comparison of the inputs as they are now and of the last
    // computation; the frame calls it while the page is shown.
    void Zeigen();
    TAnzeige Anzeige() const;

    // As the settings file sets them: the rule set (for 2027 on) and the given
    // contributions (negative: none given).
    void FoerderrechtSetzen(TFoerderrecht recht);
    void BeitraegeSetzen(double eigenbeitrag1, double eigenbeitrag2);
    // The key that holds no input of TEingaben before 2027: the rule set chosen.
    void EinstellungenSammeln(TEinstellungen& e) const;

    QWidget* ErstesFeld() const;

private:
    void Anlegen();
    // The rows top to bottom, the second person's only for a couple; the lines
    // below follow the table's end.
    void Zeilenlage(bool person2);
    void VorgabeClick();

    struct TTabellenzeile
    {
        QLabel* Beschriftung;
        std::array<QLineEdit*, 3> Felder;
    };

    TSeitendienste& m_dienste;

    QRadioButton* RadioButton_bisher;
    QRadioButton* RadioButton_neu;
    QCheckBox* CheckBox_Vorgabe;
    TFloatEdit* Edit_Vergleich1;
    TFloatEdit* Edit_Vergleich2;
    QLabel* Label_Vergleich2;
    QLabel* Label_Euro2;
    QGroupBox* GroupBox_Vergleich;
    QLabel* Label_Zeile2;
    // the rows' fields: old rules, new rules, difference
    std::array<QLineEdit*, 3> Zeile_Zulagen1{}, Zeile_Zulagen2{}, Zeile_Zulagen{},
        Zeile_Eigenbeitrag{}, Zeile_Gesamtbeitrag{}, Zeile_Steuerersparnis{}, Zeile_Foerderung{},
        Zeile_Foerderquote{};
    QLabel* Label_Ergebnis;
    QLabel* Label_Warnung;
    QLabel* Label_Hinweise;
    std::vector<TTabellenzeile> m_zeilen;
};

} // namespace Fermalin
