#include "Ortavo_EKDialog.h"

#include "Bauteile.h"
#include "ColorButton.h"
#include "EkSteuer.h"
#include "FloatDlg.h"
#include "MathUnit.h"
#include "Schrift.h"
#include "Zahlformat.h"
#include "Zuschlaege.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>

namespace Fermalin {

namespace {

QFrame* linie(QWidget* eltern, int x, int y, int breite)
{
    auto* l = new QFrame(eltern);
    l->setFrameShape(QFrame::HLine);
    l->setFrameShadow(QFrame::Sunken);
    l->setGeometry(x, y, breite, 2);
    return l;
}

} // namespace

const QStringList& TEKDialog::Bundeslaender()
{
    static const QStringList laender = {
        QStringLiteral("Baden-Württemberg"),
        QStringLiteral("Bayern"),
        QStringLiteral("Berlin"),
        QStringLiteral("Brandenburg"),
        QStringLiteral("Bremen"),
        QStringLiteral("Hamburg"),
        QStringLiteral("Hessen"),
        QStringLiteral("Mecklenburg-Vorpommern"),
        QStringLiteral("Niedersachsen"),
        QStringLiteral("Nordrhein-Westfalen"),
        QStringLiteral("Rheinland-Pfalz"),
        QStringLiteral("Saarland"),
        QStringLiteral("Sachsen"),
        QStringLiteral("Sachsen-Anhalt"),
        QStringLiteral("Schleswig-Holstein"),
        QStringLiteral("Thüringen"),
    };
    return laender;
}

TEKDialog::TEKDialog(QWidget* parent) : TStreckDialog(parent)
{
    setObjectName(QStringLiteral("EKDialog"));
    setWindowTitle(QStringLiteral("Detailangaben zum Einkommen"));
    setFont(ProgrammSchrift(13));
    QPalette p = palette();
    p.setColor(QPalette::Window, hintergrund());
    setPalette(p);
    setAutoFillBackground(true);

    // the year is that of each opening's record
    const QString bruttoeinkommen = QStringLiteral("Bruttoeinkommen in Euro:");
    Label_Pers1 = beschriftung(this, QStringLiteral("1. Person"), 262, 14);
    Label_Pers2 = beschriftung(this, QStringLiteral("2. Person"), 342, 14);
    beschriftung(this, QStringLiteral("rentenversicherungspflichtiges"), 14, 38);
    Label_EK = beschriftung(this, bruttoeinkommen, 14, 55);
    Edit_EK1 = einkommensfeld(this, 260, 44);
    Edit_EK2 = einkommensfeld(this, 340, 44);
    beschriftung(this, QStringLiteral("nicht rentenvers.pflichtiges"), 14, 86);
    Label_EKnr = beschriftung(this, bruttoeinkommen, 14, 103);
    Edit_EK1nr = einkommensfeld(this, 260, 92);
    Edit_EK2nr = einkommensfeld(this, 340, 92);
    for (TFloatEdit* e : {Edit_EK1, Edit_EK2, Edit_EK1nr, Edit_EK2nr})
        e->resize(66, 24);

    linie(this, 10, 136, 400);
    beschriftung(this, QStringLiteral("zu versteuerndes Einkommen"), 14, 154);
    Edit_zvE = einkommensfeld(this, 260, 150);
    Edit_zvE->resize(66, 24);
    Edit_zvE->setEnabled(false);
    CheckBox_zvE_automatisch = platziere(
        new QCheckBox(QStringLiteral("automatisch aus dem Jahreseinkommen schätzen"), this), 14,
        182);
    CheckBox_zvE_automatisch->setChecked(true);

    linie(this, 10, 212, 400);
    CheckBox_Soli = platziere(
        new QCheckBox(
            QStringLiteral("Solidaritätszuschlag bei der Steuerersparnis berücksichtigen"), this),
        14, 224);
    CheckBox_Soli->setChecked(true);
    // what the tick means under the year's rule
    Label_Soli = new QLabel(this);
    Label_Soli->setFont(ProgrammSchrift(11));
    Label_Soli->setWordWrap(true);
    Label_Soli->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label_Soli->setGeometry(33, 244, 377, 42);
    CheckBox_KiSt = platziere(
        new QCheckBox(QStringLiteral("Kirchensteuer bei der Steuerersparnis berücksichtigen"),
                      this),
        14, 290);
    beschriftung(this, QStringLiteral("Bundesland (Wohnsitz)"), 33, 322);
    ComboBox_Bundesland = platziere(new QComboBox(this), 190, 318, 220, 24);
    ComboBox_Bundesland->addItems(Bundeslaender());
    ComboBox_Bundesland->setMaxVisibleItems(16);
    ComboBox_Bundesland->setCurrentIndex(-1);
    ComboBox_Bundesland->setEnabled(false);
    Label_KiStSatz = beschriftung(this, QString(), 190, 346, false, 11);

    Button_OK = knopf(this, QStringLiteral("OK"), 250, 370, 75, 25);
    Button_Abbruch = knopf(this, QStringLiteral("Abbrechen"), 335, 370, 75, 25);
    Button_OK->setDefault(true);
    connect(Button_OK, &QPushButton::clicked, this, &QDialog::accept);
    connect(Button_Abbruch, &QPushButton::clicked, this, &QDialog::reject);

    // The client area ends 10 pixels beyond the OK button.
    const QRect ok = Button_OK->geometry();
    const QRect abbruch = Button_Abbruch->geometry();
    resize(std::max(ok.right(), abbruch.right()) + 1 + 10, ok.bottom() + 1 + 10);

    connect(CheckBox_KiSt, &QCheckBox::clicked, this, [this] { CheckBox_KiStClick(); });
    connect(ComboBox_Bundesland, &QComboBox::currentIndexChanged, this,
            [this] { KirchensteuersatzZeigen(); });
    connect(CheckBox_zvE_automatisch, &QCheckBox::clicked, this,
            [this] { CheckBox_zvE_automatischClick(); });
    for (TFloatEdit* e : {Edit_EK1, Edit_EK2, Edit_EK1nr, Edit_EK2nr})
        connect(e, &QLineEdit::textChanged, this, [this] { EinkommenChange(); });

    StreckerAnlegen();
}

TEKDialog::~TEKDialog() = default;

void TEKDialog::Vorbereiten(const TZulagenDaten& d, double ek1, double ek2, bool ek2Aktiv)
{
    m_daten = d;
    // the incomes are those of the year before the contribution year
    const QString bruttoeinkommen =
        QStringLiteral("Bruttoeinkommen %1 in Euro:").arg(d.Einkommensjahr());
    Label_EK->setText(bruttoeinkommen);
    Label_EKnr->setText(bruttoeinkommen);
    Label_EK->adjustSize();
    Label_EKnr->adjustSize();
    Label_Soli->setText(SoliText(d.Steuerjahr()));
    // 1
    Label_Pers2->setVisible(d.Verheiratet);
    Edit_EK2->setVisible(d.Verheiratet);
    Edit_EK2nr->setVisible(d.Verheiratet);
    // 2
    Edit_EK1->WertSetzen(ek1);
    Edit_EK2->WertSetzen(ek2);
    Edit_EK2->setEnabled(ek2Aktiv);
    // 3
    Edit_EK1nr->WertSetzen(d.EinkommenNR1);
    Edit_EK2nr->WertSetzen(d.EinkommenNR2);
    // 4, 5
    CheckBox_zvE_automatisch->setChecked(d.DeltazvE == 0);
    Edit_zvE->WertSetzen(runden(0, d.zvE));
    Edit_zvE->setEnabled(!CheckBox_zvE_automatisch->isChecked());
    // 6
    CheckBox_Soli->setChecked(d.Soli > 0);
    CheckBox_KiSt->setChecked(d.Bundesland >= 0);
    ComboBox_Bundesland->setEnabled(d.Bundesland >= 0);
    ComboBox_Bundesland->setCurrentIndex(d.Bundesland < ComboBox_Bundesland->count() ? d.Bundesland
                                                                                     : -1);
    KirchensteuersatzZeigen();
    // the first field takes the focus at each opening
    Edit_EK1->setFocus();
}

TEKAngaben TEKDialog::Angaben() const
{
    TEKAngaben a;
    a.EK1 = Edit_EK1->WertLesen();
    a.EK2 = Edit_EK2->WertLesen();
    a.EK1nr = Edit_EK1nr->WertLesen();
    a.EK2nr = Edit_EK2nr->WertLesen();
    a.zvEAutomatisch = CheckBox_zvE_automatisch->isChecked();
    a.zvE = Edit_zvE->WertLesen();
    a.Soli = CheckBox_Soli->isChecked();
    a.KiSt = CheckBox_KiSt->isChecked();
    a.Bundesland = ComboBox_Bundesland->currentIndex();
    return a;
}

QString TEKDialog::SoliText(int jahr)
{
    const TSoliJahr& r = SoliRecht(jahr);
    const QString satz = FormatN(r.SatzPromille / 10.0, 1) + QStringLiteral(" %");
    // up to 2020 the saving carries the flat rate; from 2021 the surcharge is
    // due only above the Freigrenze (§ 3 Abs. 3 SolZG)
    if (!r.ErsparnisNachFreigrenze)
        return QStringLiteral("Beitragsjahr %1: %2 der Einkommensteuer; die Ersparnis steigt um "
                              "%2.")
            .arg(jahr)
            .arg(satz);
    return QStringLiteral(
               "Beitragsjahr %1: Zuschlag erst über %2 Euro Einkommensteuer (zusammen veranlagt "
               "%3 Euro); darunter erspart der Haken nichts.")
        .arg(jahr)
        .arg(FormatN(r.FreigrenzeEinzel, 0), FormatN(r.FreigrenzeZusammen, 0));
}

void TEKDialog::KirchensteuersatzZeigen()
{
    const int land = ComboBox_Bundesland->currentIndex();
    Label_KiStSatz->setText(
        land < 0 ? QString()
                 : QStringLiteral("Kirchensteuersatz %1 %")
                       .arg(FormatN(100 * KiStSatzFuer(m_daten.Steuerjahr(), land), 0)));
    Label_KiStSatz->adjustSize();
}

void TEKDialog::CheckBox_KiStClick()
{
    const bool an = CheckBox_KiSt->isChecked();
    ComboBox_Bundesland->setEnabled(an);
    if (an && isVisible())
        ComboBox_Bundesland->setFocus();
}

void TEKDialog::CheckBox_zvE_automatischClick()
{
    const bool automatisch = CheckBox_zvE_automatisch->isChecked();
    Edit_zvE->setEnabled(!automatisch);
    if (automatisch)
        EinkommenChange();
}

void TEKDialog::EinkommenChange()
{
    if (!CheckBox_zvE_automatisch->isChecked())
        return;
    const bool person2 = !Edit_EK2->isHidden();
    try {
        Edit_zvE->WertSetzen(ZvEVorschau(m_daten, Edit_EK1->WertLesen(), Edit_EK2->WertLesen(),
                                         Edit_EK1nr->WertLesen(), Edit_EK2nr->WertLesen(),
                                         person2));
    } catch (const EVorsorgeFehler&) {
        // the input page reports the refused estimate; the field keeps its figure
    }
}

} // namespace Fermalin
