// Input page: the household, the contribution slider and the results.
#include "Ortavo_Vorgabe.h"

#include "Bauteile.h"
#include "Beitragsjahrwahl.h"
#include "ColorButton.h"
#include "FloatDlg.h"
#include "Haushaltsrechnung.h"
#include "MathUnit.h"
#include "Schieberegler.h"
#include "Schrift.h"
#include "SpinEdit.h"
#include "Zahlformat.h"

#include <QCheckBox>
#include <QEvent>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace Fermalin {

TSeiteVorgabe::TSeiteVorgabe(TSeitendienste& dienste, int jahr, QWidget* parent)
    : QWidget(parent), m_dienste(dienste), m_bereich(GebJahrBereichFuer(jahr))
{
    setObjectName(QStringLiteral("TabSheet_Vorgabe"));
    Anlegen();
    AnlegenFoerderung();
    ComboBox_Beitragsjahr->setCurrentIndex(
        std::max(0, static_cast<int>(WaehlbareBeitragsjahre().indexOf(jahr))));
    JahrZeigen(Beitragsjahr());
    Verbinden();
}

void TSeiteVorgabe::Anlegen()
{
    Button_Pruvex =
        benannt(knopf(this, QStringLiteral("Sind Sie\nförderberechtigt?"), 21, 3, 143, 43),
                "Button_Pruvex");
    Button_Pruvex->setFont(ProgrammSchrift(12));
    Button_Pruvex->setAusrichtung(Qt::AlignLeft | Qt::AlignVCenter);

    // Whose law: over the input column, where the eligibility button leaves room.
    beschriftung(this, QStringLiteral("Beitragsjahr"), 255, 19);
    ComboBox_Beitragsjahr =
        benannt(platziere(new QComboBox(this), 335, 15, 64, 24), "ComboBox_Beitragsjahr");
    for (const int jahr : WaehlbareBeitragsjahre())
        ComboBox_Beitragsjahr->addItem(QString::number(jahr), jahr);
    ComboBox_Beitragsjahr->setMaxVisibleItems(ComboBox_Beitragsjahr->count());
    ComboBox_Beitragsjahr->installEventFilter(this);
    Label_Foerderrecht = benannt(beschriftung(this, QString(), 412, 12), "Label_Foerderrecht");
    // the year's values not yet enacted; the sentences themselves in the tip
    Label_Hinweise = benannt(beschriftung(this, QString(), 412, 30, false, 11), "Label_Hinweise");

    GroupBox_Anspruchsberechtigung =
        gruppe(this, QStringLiteral("Personendaten"), 10, 56, 658, 174, true);
    QGroupBox* g = GroupBox_Anspruchsberechtigung;
    beschriftung(g, QStringLiteral("Familienstand"), 12, 21);
    QFrame* familie = panel(g, 321, 17, 260, 22);
    RadioButton_ledig = benannt(platziere(new QRadioButton(QStringLiteral("ledig"), familie), 0, 2),
                                "RadioButton_ledig");
    RadioButton_verheiratet =
        benannt(platziere(new QRadioButton(QStringLiteral("verheiratet"), familie), 119, 2),
                "RadioButton_verheiratet");
    RadioButton_ledig->setChecked(true);
    beschriftung(g, QStringLiteral("Sind beide Ehepartner selbst förderberechtigt?"), 12, 48);
    QFrame* beide = panel(g, 321, 44, 260, 22);
    RadioButton_Doppelverdiener =
        benannt(platziere(new QRadioButton(QStringLiteral("ja"), beide), 0, 2),
                "RadioButton_Doppelverdiener");
    RadioButton_Einzelverdiener =
        benannt(platziere(new QRadioButton(QStringLiteral("nein, nur einer"), beide), 119, 2),
                "RadioButton_Einzelverdiener");
    RadioButton_Einzelverdiener->setChecked(true);
    RadioButton_Doppelverdiener->setEnabled(false);
    RadioButton_Einzelverdiener->setEnabled(false);

    beschriftung(g, QStringLiteral("zu berücksichtigende Kinder / Geb.jahre"), 12, 78);
    SpinEdit_Kinderzahl =
        benannt(platziere(new TSpinEdit(g), 325, 74, 42, 26), "SpinEdit_Kinderzahl");
    SpinEdit_Kinderzahl->setRange(0, MaxKinder);
    Edit_GebJahre = benannt(platziere(new QLineEdit(g), 382, 75, 257, 24), "Edit_GebJahre");
    Edit_GebJahre->setEnabled(false);
    feldfarbe(Edit_GebJahre, false);
    Edit_GebJahre->installEventFilter(this);

    beschriftung(g, QStringLiteral("rentenversicherungspflichtiges"), 12, 105);
    Label_Einkommen = benannt(
        beschriftung(g, QStringLiteral("Bruttoeinkommen %d in Euro"), 12, 123), "Label_Einkommen");
    beschriftung(g, QStringLiteral("1. Pers."), 272, 123);
    Label_Pers2 = benannt(beschriftung(g, QStringLiteral("2. Pers."), 388, 123), "Label_Pers2");
    Label_Pers2->hide();
    Edit_Einkommen1 = benannt(einkommensfeld(g, 326, 120), "Edit_Einkommen1");
    Edit_Einkommen2 = benannt(einkommensfeld(g, 440, 120), "Edit_Einkommen2");
    Edit_Einkommen2->hide();
    Button_Details =
        benannt(knopf(g, QStringLiteral("Details..."), 515, 120, 75, 24), "Button_Details");
    Label_EKnr =
        benannt(beschriftung(g, QStringLiteral("zusätzliches, nicht rvpfl. Einkommen"), 12, 149),
                "Label_EKnr");
    Label_EKnr1 = benannt(beschriftung(g, QString(), 330, 150), "Label_EKnr1");
    Label_EKnr2 = benannt(beschriftung(g, QString(), 445, 150), "Label_EKnr2");
    Label_EKnr->hide();
    Label_EKnr1->hide();
    Label_EKnr2->hide();
    regulaereSchrift(g);
}

void TSeiteVorgabe::AnlegenFoerderung()
{
    GroupBox_Foerderung =
        benannt(gruppe(this, QStringLiteral("Darstellung der Förderung (Jahresbeträge) "), 10, 244,
                       658, 189, true),
                "GroupBox_Foerderung");
    QGroupBox* g = GroupBox_Foerderung;
    beschriftung(g, QStringLiteral("Beitrag:"), 12, 33);
    CheckBox_minBeitrag =
        benannt(platziere(new QCheckBox(QStringLiteral("minimaler Eigenbeitrag"), g), 69, 33),
                "CheckBox_minBeitrag");
    CheckBox_minBeitrag->setChecked(true);
    beschriftung(g, QStringLiteral("(für volle Zulagen)"), 88, 51);
    beschriftung(g, QStringLiteral("0"), 265, 33);
    TrackBar_gesB1 = benannt(platziere(new TSchieberegler(g), 280, 23, 261, 33), "TrackBar_gesB1");
    TrackBar_gesB1->setRange(0, TFoerderParameter::BeitragsMax);
    TrackBar_gesB1->setFrequenz(2);
    TrackBar_gesB1->setDaumenlaenge(16);
    beschriftung(g, QStringLiteral("maximal"), 553, 33);
    auto* linie = new QFrame(g);
    linie->setFrameShape(QFrame::HLine);
    linie->setFrameShadow(QFrame::Sunken);
    linie->setGeometry(8, 73, 270, 2);
    CheckBox_tarMindBtr = benannt(
        platziere(new QCheckBox(QStringLiteral("tarifliche Mindestbeiträge beachten"), g), 284, 65),
        "CheckBox_tarMindBtr");
    CheckBox_tarMindBtr->setChecked(true);

    struct TSpalte
    {
        QLineEdit** feld;
        const char* name;
        int x, breite;
        const char* oben;
        const char* unten;
    };
    const TSpalte spalten[] = {
        {&Edit_e, "Edit_e", 13, 150, nullptr, "Eigenbeitrag"},
        {&Edit_g, "Edit_g", 186, 78, nullptr, "Grundzulage *)"},
        {&Edit_k, "Edit_k", 283, 78, nullptr, "Kinderzulage"},
        {&Edit_s, "Edit_s", 389, 79, nullptr, "Gesamtbeitrag"},
        {&Edit_z, "Edit_z", 495, 77, "zusätzliche", "Steuerersparnis"},
        {&Edit_q, "Edit_q", 591, 49, "Förder-", "quote"},
    };
    for (const TSpalte& sp : spalten) {
        *sp.feld = benannt(ergebnisfeld(g, sp.x, 122, sp.breite), sp.name);
        const auto ueber = [&](const char* text, int y) {
            QLabel* l = beschriftung(g, QString::fromUtf8(text), 0, y);
            l->move(sp.x + (sp.breite - l->width()) / 2, y);
        };
        if (sp.oben)
            ueber(sp.oben, 88);
        ueber(sp.unten, 104);
    }
    beschriftung(g, QStringLiteral("+"), 170, 125);
    beschriftung(g, QStringLiteral("+"), 270, 125);
    beschriftung(g, QStringLiteral("="), 372, 125);
    beschriftung(g,
                 QStringLiteral("*) Talven-Sparer unter 25 erhalten für das erste Beitragsjahr "
                                "einmalig eine um bis zu 200 Euro erhöhte Grundzulage."),
                 15, 150, false, 11);
    // Under the footnote that explains it: whether the bonus is due this year, for
    // each person who can have it (only a directly entitled one, § 84 S. 2 EStG).
    beschriftung(g, QStringLiteral("Berufseinsteiger-Bonus in diesem Beitragsjahr:"), 15, 167);
    CheckBox_Berufseinsteiger1 =
        benannt(platziere(new QCheckBox(QStringLiteral("1. Person"), g), 326, 166),
                "CheckBox_Berufseinsteiger1");
    CheckBox_Berufseinsteiger2 =
        benannt(platziere(new QCheckBox(QStringLiteral("2. Person"), g), 440, 166),
                "CheckBox_Berufseinsteiger2");
    CheckBox_Berufseinsteiger2->hide();
    regulaereSchrift(g);
}

void TSeiteVorgabe::Verbinden()
{
    // Setting a control from code runs its handler, as the loading of the
    // settings and the slider corrections rely on: radio buttons report being
    // selected, check boxes every change, edits, spin edits and sliders every
    // change of their value.
    for (QRadioButton* r : {RadioButton_ledig, RadioButton_verheiratet, RadioButton_Doppelverdiener,
                            RadioButton_Einzelverdiener})
        connect(r, &QRadioButton::toggled, this, [this, r](bool an) {
            if (an)
                Vorgabeaenderung(r);
        });
    for (QCheckBox* c : {CheckBox_minBeitrag, CheckBox_tarMindBtr, CheckBox_Berufseinsteiger1,
                         CheckBox_Berufseinsteiger2})
        connect(c, &QCheckBox::toggled, this, [this, c] { Vorgabeaenderung(c); });
    connect(ComboBox_Beitragsjahr, &QComboBox::currentIndexChanged, this,
            [this] { Vorgabeaenderung(ComboBox_Beitragsjahr); });
    connect(SpinEdit_Kinderzahl, &QSpinBox::valueChanged, this,
            [this] { Vorgabeaenderung(SpinEdit_Kinderzahl); });
    connect(TrackBar_gesB1, &QSlider::valueChanged, this,
            [this] { Vorgabeaenderung(TrackBar_gesB1); });
    for (TFloatEdit* e : {Edit_Einkommen1, Edit_Einkommen2})
        connect(e, &QLineEdit::textChanged, this, [this, e] { Vorgabeaenderung(e); });
    connect(Button_Details, &QPushButton::clicked, this,
            [this] { m_dienste.Button_DetailsClick(); });
    connect(Button_Pruvex, &QPushButton::clicked, this,
            [this] { m_dienste.Button_Pruvex1Click(); });
}

bool TSeiteVorgabe::eventFilter(QObject* objekt, QEvent* event)
{
    // As with the number of children: a page scrolled past the year keeps it.
    if (objekt == ComboBox_Beitragsjahr && event->type() == QEvent::Wheel)
        return true;
    if (objekt == Edit_GebJahre) {
        if (event->type() == QEvent::FocusOut) {
            if (FokusWechselImFenster(static_cast<QFocusEvent*>(event)->reason()))
                Edit_GebJahreExit();
        } else if (event->type() == QEvent::KeyPress) {
            const auto* taste = static_cast<QKeyEvent*>(event);
            if (taste->key() == Qt::Key_Return || taste->key() == Qt::Key_Enter)
                Edit_GebJahreExit(); // the key goes on to the edit unchanged
        }
    }
    return QWidget::eventFilter(objekt, event);
}

void TSeiteVorgabe::Vorgabeaenderung(QObject* sender)
{
    // 1
    if (sender == RadioButton_ledig) {
        Edit_Einkommen2->WertSetzen(0);
        RadioButton_Doppelverdiener->setEnabled(false);
        RadioButton_Einzelverdiener->setChecked(true);
        RadioButton_Einzelverdiener->setEnabled(false);
    } else if (sender == RadioButton_verheiratet) {
        RadioButton_Doppelverdiener->setEnabled(true);
        RadioButton_Einzelverdiener->setEnabled(true);
        m_dienste.KinderZuPerson2();
    } else if (sender == TrackBar_gesB1) {
        const int tarif = m_dienste.Daten().PositionTarMindBtr;
        if (CheckBox_tarMindBtr->isChecked() && TrackBar_gesB1->value() < tarif) {
            TrackBar_gesB1->setValue(tarif);
            return;
        }
    } else if (sender == SpinEdit_Kinderzahl) {
        GebJahreAnzeigen();
    } else if (sender == ComboBox_Beitragsjahr) {
        // the children's years into the year's range first: the list shows them
        // corrected and the computation never sees a year outside it
        const int jahr = Beitragsjahr();
        m_dienste.BeitragsjahrGewechselt(jahr);
        JahrZeigen(jahr);
        GebJahreAnzeigen();
    }

    // 2
    const bool verheiratet = RadioButton_verheiratet->isChecked();
    const auto nrZeigen = [](QLabel* l, double betrag) {
        l->setVisible(betrag > 0);
        l->setText(FormatN(betrag, 0) + Euro);
        l->adjustSize();
    };
    nrZeigen(Label_EKnr1, m_details.EinkommenNR1);
    Label_EKnr->setVisible(m_details.EinkommenNR1 > 0 ||
                           (verheiratet && m_details.EinkommenNR2 > 0));
    if (verheiratet) {
        Label_Pers2->show();
        Edit_Einkommen2->show();
        nrZeigen(Label_EKnr2, m_details.EinkommenNR2);
        if (RadioButton_Doppelverdiener->isChecked()) {
            Edit_Einkommen2->setEnabled(true);
            CheckBox_Berufseinsteiger2->show();
        } else {
            CheckBox_Berufseinsteiger2->hide();
            Edit_Einkommen2->setEnabled(false);
            Edit_Einkommen2->WertSetzen(0);
        }
    } else {
        Label_EKnr2->hide();
        Edit_Einkommen2->hide();
        Label_Pers2->hide();
        CheckBox_Berufseinsteiger2->hide();
    }

    // 3
    BerechneZulagen();

    // 4: minimum mode follows the minimum; moving the slider by hand leaves it.
    // With the tariff minimums respected the slider never stays below theirs,
    // as the computation takes it.
    if (m_initialisiert) {
        const int position = TrackBar_gesB1->value();
        if (CheckBox_minBeitrag->isChecked() && position != TrackBar_gesB1->SelEnd()) {
            if (sender == TrackBar_gesB1) {
                CheckBox_minBeitrag->setChecked(false);
            } else {
                const int ziel = TrackBar_gesB1->SelEnd();
                TrackBar_gesB1->setValue(ziel);
                m_dienste.BeitragGefolgt(ziel);
            }
        } else if (const int ziel = m_dienste.Daten().BeitragsPosition; ziel != position) {
            TrackBar_gesB1->setValue(ziel);
            m_dienste.BeitragGefolgt(ziel);
        }
    }

    // 5
    m_dienste.BerichtErstellen();
}

void TSeiteVorgabe::GebJahreAnzeigen()
{
    const QList<int> jahre = m_dienste.GebJahre(SpinEdit_Kinderzahl->value());
    Edit_GebJahre->setText(GebJahreText(jahre));
    // the start of a long list stays in view
    Edit_GebJahre->setCursorPosition(0);
    const bool kinder = !jahre.isEmpty();
    Edit_GebJahre->setEnabled(kinder);
    feldfarbe(Edit_GebJahre, kinder);
}

void TSeiteVorgabe::Edit_GebJahreExit()
{
    const QList<int> jahre = GebJahreLesen(Edit_GebJahre->text(), m_bereich);
    m_dienste.GebJahreSetzen(jahre);
    if (jahre.size() == SpinEdit_Kinderzahl->value()) {
        GebJahreAnzeigen();
        Vorgabeaenderung(nullptr);
    } else {
        SpinEdit_Kinderzahl->setValue(static_cast<int>(jahre.size()));
    }
}

void TSeiteVorgabe::EKAngabenUebernehmen(const TEKAngaben& a)
{
    // 1: the incomes go to the input page, whose handlers run as for typing
    m_details.EinkommenNR1 = a.EK1nr;
    m_details.EinkommenNR2 = a.EK2nr;
    Edit_Einkommen1->WertSetzen(a.EK1);
    Edit_Einkommen2->WertSetzen(a.EK2);
    // 2 to 4, measured from the household as the pages now hold it
    TZulagenDaten d = DatensatzAus(m_dienste.EingabenLesen());
    EKAngabenAnwenden(d, a, d.Einkommen1, d.Einkommen2);
    m_details = {d.EinkommenNR1, d.EinkommenNR2, d.DeltazvE, d.Soli, d.Bundesland};
    // 5
    Vorgabeaenderung(nullptr);
}

void TSeiteVorgabe::BerechneZulagen()
{
    if (!m_initialisiert)
        return;
    const TZulagenDaten d = m_dienste.Rechnen();
    ErgebnisZeigen(d);
    m_dienste.Berechnet(d);
}

void TSeiteVorgabe::ErgebnisZeigen(const TZulagenDaten& d)
{
    // From 2027 the page says which rules its figures follow; contributions given
    // for the comparison replace the slider and its boxes.
    const QString recht = d.Beitragsjahr < ErstesBeitragsjahrNeu ? QString()
                          : AngewandtesFoerderrecht(d) == TFoerderrecht::Neu
                              ? QStringLiteral("nach neuem Recht (Vertrag ab 2027)")
                              : QStringLiteral("nach bisherigem Recht (Bestandsvertrag)");
    if (Label_Foerderrecht->text() != recht) {
        Label_Foerderrecht->setText(recht);
        Label_Foerderrecht->adjustSize();
    }
    const QString hinweise = HinweiseFuer(d).join(QLatin1Char('\n'));
    if (Label_Hinweise->toolTip() != hinweise) {
        Label_Hinweise->setText(hinweise.isEmpty()
                                    ? QString()
                                    : QStringLiteral("Hinweis: nicht verkündete Werte ersetzt"));
        Label_Hinweise->setToolTip(hinweise);
        Label_Hinweise->adjustSize();
    }
    const bool frei = !d.EigenbeitraegeVorgegeben();
    for (QWidget* w :
         {static_cast<QWidget*>(TrackBar_gesB1), static_cast<QWidget*>(CheckBox_minBeitrag),
          static_cast<QWidget*>(CheckBox_tarMindBtr)})
        w->setEnabled(frei);
    TrackBar_gesB1->setSelEnd(d.PositionVolleZulagen);
    ZeigeBetrag(Edit_k, 2, d.Kinderzulage1 + d.Kinderzulage2, Euro);
    ZeigeBetrag(Edit_g, 2, d.Grundzulage1 + d.Grundzulage2, Euro);
    ZeigeBetrag(Edit_e, 2, d.Eigenbeitrag, Euro, TBetragsform::Monatlich);
    ZeigeBetrag(Edit_s, 2, d.Gesamtbeitrag, Euro);
    ZeigeBetrag(Edit_z, 2, d.Steuerersparnis, Euro);
    if (d.Gesamtbeitrag > 0)
        ZeigeBetrag(Edit_q, 0, 100 * d.Foerderquote, QStringLiteral(" %"));
    else
        Edit_q->clear();
}

void TSeiteVorgabe::EingabenLesen(TEingaben& e) const
{
    e.Beitragsjahr = Beitragsjahr();
    e.Verheiratet = RadioButton_verheiratet->isChecked();
    e.Doppelverdiener = RadioButton_Doppelverdiener->isChecked();
    e.Einkommen1 = Edit_Einkommen1->WertLesen();
    e.Einkommen2 = Edit_Einkommen2->WertLesen();
    e.Kinderzahl = SpinEdit_Kinderzahl->value();
    e.MinBeitrag = CheckBox_minBeitrag->isChecked();
    e.TarMindBtr = CheckBox_tarMindBtr->isChecked();
    e.BeitragsPosition = TrackBar_gesB1->value();
    e.EinkommenNR1 = m_details.EinkommenNR1;
    e.EinkommenNR2 = m_details.EinkommenNR2;
    e.DeltazvE = m_details.DeltazvE;
    e.Soli = m_details.Soli;
    e.Bundesland = m_details.Bundesland;
    // only a directly entitled person can have the bonus
    e.Berufseinsteiger1 = CheckBox_Berufseinsteiger1->isChecked();
    e.Berufseinsteiger2 =
        e.Verheiratet && e.Doppelverdiener && CheckBox_Berufseinsteiger2->isChecked();
}

TSeiteVorgabe::TAnzeige TSeiteVorgabe::Anzeige() const
{
    TAnzeige a;
    a.Eigenbeitrag = Edit_e->text();
    a.Grundzulage = Edit_g->text();
    a.Kinderzulage = Edit_k->text();
    a.Gesamtbeitrag = Edit_s->text();
    a.Steuerersparnis = Edit_z->text();
    a.Foerderquote = Edit_q->text();
    a.Verheiratet = RadioButton_verheiratet->isChecked();
    a.Doppelverdiener = RadioButton_Doppelverdiener->isChecked();
    a.AntwortAktiv = RadioButton_Doppelverdiener->isEnabled();
    a.Einkommen2Sichtbar = !Edit_Einkommen2->isHidden() && !Label_Pers2->isHidden();
    a.Einkommen2Aktiv = Edit_Einkommen2->isEnabled();
    a.Einkommen1 = Edit_Einkommen1->WertLesen();
    a.Einkommen2 = Edit_Einkommen2->WertLesen();
    a.Kinderzahl = SpinEdit_Kinderzahl->value();
    a.GebJahre = Edit_GebJahre->text();
    a.GebJahreAktiv = Edit_GebJahre->isEnabled();
    a.GebJahreCursor = Edit_GebJahre->cursorPosition();
    a.MinBeitrag = CheckBox_minBeitrag->isChecked();
    a.TarMindBtr = CheckBox_tarMindBtr->isChecked();
    a.Beitrag = TrackBar_gesB1->value();
    a.BeitragVolleZulagen = TrackBar_gesB1->SelEnd();
    a.EKnrSichtbar = !Label_EKnr->isHidden();
    a.EKnr1Sichtbar = !Label_EKnr1->isHidden();
    a.EKnr2Sichtbar = !Label_EKnr2->isHidden();
    a.EKnr1 = Label_EKnr1->text();
    a.EKnr2 = Label_EKnr2->text();
    a.EinkommenBeschriftung = Label_Einkommen->text();
    a.Details = m_details;
    a.Beitragsjahr = Beitragsjahr();
    for (int i = 0; i < ComboBox_Beitragsjahr->count(); ++i)
        a.Jahre << ComboBox_Beitragsjahr->itemData(i).toInt();
    a.Foerderrecht = Label_Foerderrecht->text();
    a.Hinweise = Label_Hinweise->toolTip();
    a.Berufseinsteiger1 = CheckBox_Berufseinsteiger1->isChecked();
    a.Berufseinsteiger2 = CheckBox_Berufseinsteiger2->isChecked();
    a.Berufseinsteiger1Sichtbar = !CheckBox_Berufseinsteiger1->isHidden();
    a.Berufseinsteiger2Sichtbar = !CheckBox_Berufseinsteiger2->isHidden();
    a.BeitragAktiv = TrackBar_gesB1->isEnabled();
    return a;
}

double TSeiteVorgabe::Einkommen(int person) const
{
    return (person == 2 ? Edit_Einkommen2 : Edit_Einkommen1)->WertLesen();
}

bool TSeiteVorgabe::Einkommen2Aktiv() const
{
    return Edit_Einkommen2->isEnabled();
}

void TSeiteVorgabe::FamilienstandSetzen(bool ledig, bool verheiratet, bool doppel, bool einzel)
{
    // setting a radio button to false clears only that button
    auswahlSetzen(RadioButton_ledig, ledig);
    auswahlSetzen(RadioButton_verheiratet, verheiratet);
    auswahlSetzen(RadioButton_Doppelverdiener, doppel);
    auswahlSetzen(RadioButton_Einzelverdiener, einzel);
}

void TSeiteVorgabe::KinderzahlSetzen(int n)
{
    SpinEdit_Kinderzahl->setValue(n);
}

void TSeiteVorgabe::EinkommenSetzen(double einkommen1, double einkommen2)
{
    Edit_Einkommen1->WertSetzen(einkommen1);
    Edit_Einkommen2->WertSetzen(einkommen2);
}

void TSeiteVorgabe::BeitragSetzen(int position)
{
    TrackBar_gesB1->setValue(position);
}

void TSeiteVorgabe::TarMindBtrSetzen(bool an)
{
    CheckBox_tarMindBtr->setChecked(an);
}

void TSeiteVorgabe::MinBeitragSetzen(bool an)
{
    CheckBox_minBeitrag->setChecked(an);
}

void TSeiteVorgabe::BeitragsjahrSetzen(int jahr)
{
    // a year the program does not compute leaves the choice as it is
    const int i = ComboBox_Beitragsjahr->findData(jahr);
    if (i >= 0)
        ComboBox_Beitragsjahr->setCurrentIndex(i);
}

void TSeiteVorgabe::BerufseinsteigerSetzen(bool person1, bool person2)
{
    CheckBox_Berufseinsteiger1->setChecked(person1);
    CheckBox_Berufseinsteiger2->setChecked(person2);
}

void TSeiteVorgabe::Bereinigen()
{
    // No family status, or no answer for a married couple, is what a user
    // would have seen as the defaults; a single person has no second wage.
    if (!RadioButton_ledig->isChecked() && !RadioButton_verheiratet->isChecked())
        RadioButton_ledig->setChecked(true);
    if (RadioButton_verheiratet->isChecked() && !RadioButton_Doppelverdiener->isChecked() &&
        !RadioButton_Einzelverdiener->isChecked())
        RadioButton_Einzelverdiener->setChecked(true);
    if (RadioButton_ledig->isChecked() && Edit_Einkommen2->WertLesen() != 0)
        Edit_Einkommen2->WertSetzen(0);
}

void TSeiteVorgabe::EinstellungenSammeln(TEinstellungen& e) const
{
    // button by button: a group may have none selected
    e.ledig = RadioButton_ledig->isChecked();
    e.verheiratet = RadioButton_verheiratet->isChecked();
    e.doppel = RadioButton_Doppelverdiener->isChecked();
    e.einzel = RadioButton_Einzelverdiener->isChecked();
    // the box as ticked, even while a one-earner couple hides the second
    e.Berufseinsteiger2 = CheckBox_Berufseinsteiger2->isChecked();
}

void TSeiteVorgabe::PruvexZeigen(bool sichtbar)
{
    Button_Pruvex->setVisible(sichtbar);
}

void TSeiteVorgabe::JahrZeigen(int jahr)
{
    // incomes of the year before the contribution year
    Label_Einkommen->setText(
        QStringLiteral("Bruttoeinkommen %1 in Euro").arg(EinkommensjahrFuer(jahr)));
    Label_Einkommen->adjustSize();
    m_bereich = GebJahrBereichFuer(jahr);
}

int TSeiteVorgabe::Beitragsjahr() const
{
    return ComboBox_Beitragsjahr->currentData().toInt();
}

QWidget* TSeiteVorgabe::ErstesFeld() const
{
    return RadioButton_verheiratet->isChecked() ? RadioButton_verheiratet : RadioButton_ledig;
}

} // namespace Fermalin
