// "Detailangaben zum Einkommen": incomes not subject to pension insurance, a
// taxable income of the user's own, solidarity surcharge and church tax.
// Created once and reused; each opening fills it from the record, OK hands the
// fields back as TEKAngaben for the main window to apply.
#pragma once

#include "EKDetails.h"
#include "StreckDialog.h"
#include "ZulagenDaten.h"

class QCheckBox;
class QComboBox;
class QLabel;

namespace Fermalin {

class TColorButton;
class TFloatEdit;

class TEKDialog : public TStreckDialog
{
    Q_OBJECT

public:
    explicit TEKDialog(QWidget* parent = nullptr);
    ~TEKDialog() override;

    // The opening steps: d is the record of the last computation; ek1, ek2 the
    // input page's incomes; ek2Aktiv whether its second income is enabled.
    void Vorbereiten(const TZulagenDaten& d, double ek1, double ek2, bool ek2Aktiv);
    // The fields as OK hands them back.
    TEKAngaben Angaben() const;

    QLabel* Label_Pers1;
    QLabel* Label_Pers2;
    QLabel* Label_EK;
    QLabel* Label_EKnr;
    TFloatEdit* Edit_EK1;
    TFloatEdit* Edit_EK2;
    TFloatEdit* Edit_EK1nr;
    TFloatEdit* Edit_EK2nr;
    QCheckBox* CheckBox_zvE_automatisch;
    TFloatEdit* Edit_zvE;
    QCheckBox* CheckBox_Soli;
    QLabel* Label_Soli; // what the tick means in the year
    QCheckBox* CheckBox_KiSt;
    QComboBox* ComboBox_Bundesland;
    QLabel* Label_KiStSatz; // the rate of the state chosen
    TColorButton* Button_OK;
    TColorButton* Button_Abbruch;

    static const QStringList& Bundeslaender();
    // The solidarity surcharge's rule of a contribution year, in a sentence.
    static QString SoliText(int jahr);

private:
    void CheckBox_KiStClick();
    void CheckBox_zvE_automatischClick();
    void EinkommenChange();
    void KirchensteuersatzZeigen();

    TZulagenDaten m_daten; // family status and children for the estimate
};

} // namespace Fermalin
