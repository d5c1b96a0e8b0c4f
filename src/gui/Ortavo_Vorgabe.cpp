// Input page: the household, the contribution slider, the results and
// the print group.
#include "Ortavo_Dialog.h"

#include "Bauteile.h"
#include "ColorButton.h"
#include "ColorMsg.h"
#include "EKDetails.h"
#include "Einstellungsdatei.h"
#include "EkSteuer.h"
#include "Fehleranzeige.h"
#include "Fensterheber.h"
#include "FloatDlg.h"
#include "GebJahre.h"
#include "IniDatei.h"
#include "MathUnit.h"
#include "Ortavo_EKDialog.h"
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

void THauptformular::SeiteVorgabeAnlegen()
{
    QWidget* s = TabSheet_Vorgabe;
    Button_Pruvex = knopf(s, QStringLiteral("Sind Sie\nförderberechtigt?"), 21, 3, 143, 43);
    Button_Pruvex->setFont(ProgrammSchrift(12));
    Button_Pruvex->setAusrichtung(Qt::AlignLeft | Qt::AlignVCenter);

    GroupBox_Anspruchsberechtigung =
        gruppe(s, QStringLiteral("Personendaten"), 10, 56, 658, 174, true);
    QGroupBox* g = GroupBox_Anspruchsberechtigung;
    beschriftung(g, QStringLiteral("Familienstand"), 12, 21);
    QFrame* familie = panel(g, 321, 17, 260, 22);
    RadioButton_ledig = platziere(new QRadioButton(QStringLiteral("ledig"), familie), 0, 2);
    RadioButton_verheiratet =
        platziere(new QRadioButton(QStringLiteral("verheiratet"), familie), 119, 2);
    RadioButton_ledig->setChecked(true);
    beschriftung(g, QStringLiteral("Sind beide Ehepartner selbst förderberechtigt?"), 12, 48);
    QFrame* beide = panel(g, 321, 44, 260, 22);
    RadioButton_Doppelverdiener = platziere(new QRadioButton(QStringLiteral("ja"), beide), 0, 2);
    RadioButton_Einzelverdiener =
        platziere(new QRadioButton(QStringLiteral("nein, nur einer"), beide), 119, 2);
    RadioButton_Einzelverdiener->setChecked(true);
    RadioButton_Doppelverdiener->setEnabled(false);
    RadioButton_Einzelverdiener->setEnabled(false);

    beschriftung(g, QStringLiteral("zu berücksichtigende Kinder / Geb.jahre"), 12, 78);
    SpinEdit_Kinderzahl = platziere(new TSpinEdit(g), 325, 74, 42, 26);
    SpinEdit_Kinderzahl->setRange(0, MaxKinder);
    Edit_GebJahre = platziere(new QLineEdit(g), 382, 75, 257, 24);
    Edit_GebJahre->setEnabled(false);
    feldfarbe(Edit_GebJahre, false);
    Edit_GebJahre->installEventFilter(this);

    beschriftung(g, QStringLiteral("rentenversicherungspflichtiges"), 12, 105);
    Label_Einkommen = beschriftung(g, QStringLiteral("Bruttoeinkommen %d in Euro"), 12, 123);
    beschriftung(g, QStringLiteral("1. Pers."), 272, 123);
    Label_Pers2 = beschriftung(g, QStringLiteral("2. Pers."), 388, 123);
    Label_Pers2->hide();
    Edit_Einkommen1 = einkommensfeld(g, 326, 120);
    Edit_Einkommen2 = einkommensfeld(g, 440, 120);
    Edit_Einkommen2->hide();
    Button_Details = knopf(g, QStringLiteral("Details..."), 515, 120, 75, 24);
    Label_EKnr = beschriftung(g, QStringLiteral("zusätzliches, nicht rvpfl. Einkommen"), 12, 149);
    Label_EKnr1 = beschriftung(g, QString(), 330, 150);
    Label_EKnr2 = beschriftung(g, QString(), 445, 150);
    Label_EKnr->hide();
    Label_EKnr1->hide();
    Label_EKnr2->hide();
    regulaereSchrift(g);

    GroupBox_Foerderung = gruppe(s, QStringLiteral("Darstellung der Förderung (Jahresbeträge) "),
                                 10, 244, 658, 189, true);
    g = GroupBox_Foerderung;
    beschriftung(g, QStringLiteral("Beitrag:"), 12, 33);
    CheckBox_minBeitrag =
        platziere(new QCheckBox(QStringLiteral("minimaler Eigenbeitrag"), g), 69, 33);
    CheckBox_minBeitrag->setChecked(true);
    beschriftung(g, QStringLiteral("(für volle Zulagen)"), 88, 51);
    beschriftung(g, QStringLiteral("0"), 265, 33);
    TrackBar_gesB1 = platziere(new TSchieberegler(g), 280, 23, 261, 33);
    TrackBar_gesB1->setRange(0, TFoerderParameter::BeitragsMax);
    TrackBar_gesB1->setFrequenz(2);
    TrackBar_gesB1->setDaumenlaenge(16);
    beschriftung(g, QStringLiteral("maximal"), 553, 33);
    auto* linie = new QFrame(g);
    linie->setFrameShape(QFrame::HLine);
    linie->setFrameShadow(QFrame::Sunken);
    linie->setGeometry(8, 73, 270, 2);
    CheckBox_tarMindBtr =
        platziere(new QCheckBox(QStringLiteral("tarifliche Mindestbeiträge beachten"), g), 284, 65);
    CheckBox_tarMindBtr->setChecked(true);

    struct TSpalte
    {
        QLineEdit** feld;
        int x, breite;
        const char* oben;
        const char* unten;
    };
    const TSpalte spalten[] = {
        {&Edit_e, 13, 150, nullptr, "Eigenbeitrag"},
        {&Edit_g, 186, 78, nullptr, "Grundzulage *)"},
        {&Edit_k, 283, 78, nullptr, "Kinderzulage"},
        {&Edit_s, 389, 79, nullptr, "Gesamtbeitrag"},
        {&Edit_z, 495, 77, "zusätzliche", "Steuerersparnis"},
        {&Edit_q, 591, 49, "Förder-", "quote"},
    };
    for (const TSpalte& sp : spalten) {
        *sp.feld = ergebnisfeld(g, sp.x, 138, sp.breite);
        const auto ueber = [&](const char* text, int y) {
            QLabel* l = beschriftung(g, QString::fromUtf8(text), 0, y);
            l->move(sp.x + (sp.breite - l->width()) / 2, y);
        };
        if (sp.oben)
            ueber(sp.oben, 104);
        ueber(sp.unten, 120);
    }
    beschriftung(g, QStringLiteral("+"), 170, 141);
    beschriftung(g, QStringLiteral("+"), 270, 141);
    beschriftung(g, QStringLiteral("="), 372, 141);
    Label_Fussnote = beschriftung(
        g,
        QStringLiteral(
            "*) Talven-Sparer unter 25 erhalten für das erste Beitragsjahr einmalig eine "
            "um bis zu 200 Euro erhöhte Grundzulage."),
        15, 168, false, 11);
    regulaereSchrift(g);
}

void THauptformular::DruckgruppeAnlegen()
{
    Panel_Drucken = panel(TabSheet_Vorgabe, -1, 445, 680, 69);
    GroupBox_Drucken = gruppe(Panel_Drucken, QStringLiteral("Drucken"), 11, 0, 658, 69, true);
    QGroupBox* g = GroupBox_Drucken;
    Button_Drucken = knopf(g, QStringLiteral("Druckvorschau"), 15, 24, 117, 26);
    CheckBox_Beratungsprotokol =
        platziere(new QCheckBox(QStringLiteral("Als Anlage z. Beratungsprotokoll"), g), 147, 17);
    CheckBox_MitGrafik =
        platziere(new QCheckBox(QStringLiteral("Mit grafischer Darstellung"), g), 147, 41);
    Label_Kundenname = beschriftung(g, QStringLiteral("Name des Kunden:"), 379, 16);
    Edit_Druck_Name = platziere(new QLineEdit(g), 379, 36, 260, 24);
    Label_Kundenname->setEnabled(false);
    Edit_Druck_Name->setEnabled(false);
    regulaereSchrift(g);
}

void THauptformular::Vorgabeaenderung(QObject* sender)
{
    // The nested runs of one change would repeat the same refusal; it is shown once.
    ++m_tiefe;
    const auto ende = qScopeGuard([this] {
        if (--m_tiefe == 0)
            m_gemeldet.clear();
    });
    // 1
    if (sender == RadioButton_ledig) {
        Edit_Einkommen2->WertSetzen(0);
        RadioButton_Doppelverdiener->setEnabled(false);
        RadioButton_Einzelverdiener->setChecked(true);
        RadioButton_Einzelverdiener->setEnabled(false);
    } else if (sender == RadioButton_verheiratet) {
        RadioButton_Doppelverdiener->setEnabled(true);
        RadioButton_Einzelverdiener->setEnabled(true);
        for (QRadioButton* r : RadioButton_2p)
            r->setChecked(true);
    } else if (sender == TrackBar_gesB1) {
        if (CheckBox_tarMindBtr->isChecked() &&
            TrackBar_gesB1->value() < Daten.PositionTarMindBtr) {
            TrackBar_gesB1->setValue(Daten.PositionTarMindBtr);
            return;
        }
    } else if (sender == SpinEdit_Kinderzahl) {
        GebJahreAnzeigen();
    }

    // 2
    const bool verheiratet = RadioButton_verheiratet->isChecked();
    const auto nrZeigen = [](QLabel* l, double betrag, bool sichtbar) {
        l->setVisible(sichtbar && betrag > 0);
        l->setText(FormatN(betrag, 0) + Euro);
        l->adjustSize();
    };
    nrZeigen(Label_EKnr1, Daten.EinkommenNR1, true);
    Label_EKnr->setVisible(Daten.EinkommenNR1 > 0 || (verheiratet && Daten.EinkommenNR2 > 0));
    if (verheiratet) {
        Label_Pers2->show();
        Edit_Einkommen2->show();
        nrZeigen(Label_EKnr2, Daten.EinkommenNR2, true);
        if (RadioButton_Doppelverdiener->isChecked()) {
            Edit_Einkommen2->setEnabled(true);
            Daten.AnzahlFoerderberechtigte = 2;
        } else {
            Edit_Einkommen2->setEnabled(false);
            Edit_Einkommen2->WertSetzen(0);
            Daten.AnzahlFoerderberechtigte = 1;
        }
    } else {
        Label_EKnr2->hide();
        Daten.AnzahlFoerderberechtigte = 1;
        Edit_Einkommen2->hide();
        Label_Pers2->hide();
    }

    // 3
    BerechneZulagen();

    // 4: minimum mode follows the minimum; moving the slider by hand leaves it
    if (CheckBox_minBeitrag->isChecked() && TrackBar_gesB1->value() != TrackBar_gesB1->SelEnd()) {
        if (sender == TrackBar_gesB1) {
            CheckBox_minBeitrag->setChecked(false);
        } else {
            const int ziel = TrackBar_gesB1->SelEnd();
            TrackBar_gesB1->setValue(ziel);
            TrackBar_gesB2->setValue(ziel);
        }
    }

    // 5
    BerichtErstellen();
}

void THauptformular::GebJahreAnzeigen()
{
    QList<int> jahre;
    for (int i = 0; i < SpinEdit_Kinderzahl->value(); ++i)
        jahre.append(static_cast<int>(rundeGerade(FloatEdit_Kind[i]->WertLesen())));
    Edit_GebJahre->setText(GebJahreText(jahre));
    const bool kinder = !jahre.isEmpty();
    Edit_GebJahre->setEnabled(kinder);
    feldfarbe(Edit_GebJahre, kinder);
}

void THauptformular::Edit_GebJahreExit()
{
    const TJahrBereich bereich{static_cast<int>(FloatEdit_Kind[0]->MinWert()),
                               static_cast<int>(FloatEdit_Kind[0]->MaxWert())};
    const QList<int> jahre = GebJahreLesen(Edit_GebJahre->text(), bereich);
    for (qsizetype k = 0; k < jahre.size(); ++k)
        FloatEdit_Kind[static_cast<size_t>(k)]->WertSetzen(jahre.at(k));
    if (jahre.size() == SpinEdit_Kinderzahl->value()) {
        GebJahreAnzeigen();
        Vorgabeaenderung(nullptr);
    } else {
        SpinEdit_Kinderzahl->setValue(static_cast<int>(jahre.size()));
    }
}

void THauptformular::Button_DetailsClick()
{
    if (!EKDialog)
        EKDialog = new TEKDialog(this);
    EingabenUebernehmen(); // the record as the input page stands now
    if (m_strecker)
        EKDialog->GroesseWieHauptfenster(size(), m_strecker->ReferenzBreite(),
                                         m_strecker->ReferenzHoehe());
    EKDialog->Vorbereiten(Daten, Edit_Einkommen1->WertLesen(), Edit_Einkommen2->WertLesen(),
                          Edit_Einkommen2->isEnabled());
    if (EKDialog->exec() == QDialog::Accepted)
        EKAngabenUebernehmen(EKDialog->Angaben());
}

void THauptformular::EKAngabenUebernehmen(const TEKAngaben& a)
{
    // 1: the incomes go to the input page, whose handlers run as for typing
    Daten.EinkommenNR1 = a.EK1nr;
    Daten.EinkommenNR2 = a.EK2nr;
    Edit_Einkommen1->WertSetzen(a.EK1);
    Edit_Einkommen2->WertSetzen(a.EK2);
    EingabenUebernehmen();
    // 2 to 4, measured from the incomes as the input page now holds them
    try {
        EKAngabenAnwenden(Daten, a, Daten.Einkommen1, Daten.Einkommen2);
    } catch (const EVorsorgeFehler& fehler) {
        ZeigeFehler(QString::fromUtf8(fehler.what()));
    }
    // 5
    Vorgabeaenderung(nullptr);
}

void THauptformular::EingabenUebernehmen()
{
    EingabenLesen(Daten);
}

void THauptformular::EingabenLesen(TZulagenDaten& d) const
{
    d.Verheiratet = RadioButton_verheiratet->isChecked();
    d.Doppelverdiener = RadioButton_Doppelverdiener->isChecked();
    d.Einkommen1 = Edit_Einkommen1->WertLesen();
    d.Einkommen2 = Edit_Einkommen2->WertLesen();
    d.Kinderzahl = SpinEdit_Kinderzahl->value();
    for (int i = 0; i < MaxKinder; ++i) {
        d.KindGebJahr[static_cast<size_t>(i)] =
            static_cast<int>(rundeGerade(FloatEdit_Kind[i]->WertLesen()));
        d.KindPerson[static_cast<size_t>(i)] = RadioButton_2p[i]->isChecked() ? 2 : 1;
    }
    d.MinBeitrag = CheckBox_minBeitrag->isChecked();
    d.TarMindBtr = CheckBox_tarMindBtr->isChecked();
    d.BeitragsPosition = TrackBar_gesB1->value();
    d.BeitragsMax = TrackBar_gesB1->maximum();
}

void THauptformular::BerechneZulagen()
{
    if (!Initialisiert)
        return;
    EingabenUebernehmen();
    TZulagenDaten& d = Daten;
    const auto anzeigen = [this, &d] {
        TrackBar_gesB1->setSelEnd(d.PositionVolleZulagen);
        TrackBar_gesB2->setSelEnd(d.PositionVolleZulagen);
        ZeigeBetrag(Edit_k, 2, d.Kinderzulage1 + d.Kinderzulage2, Euro);
        ZeigeBetrag(Edit_g, 2, d.Grundzulage1 + d.Grundzulage2, Euro);
        ZeigeBetrag(Edit_e, 2, d.Eigenbeitrag, Euro);
        ZeigeBetrag(Edit_s, 2, d.Gesamtbeitrag, Euro);
        ZeigeBetrag(Edit_Grafik_Spar, 2, d.Gesamtbeitrag, Euro);
    };
    try {
        Fermalin::BerechneZulagen(d);
    } catch (const EVorsorgeFehler& fehler) {
        // the allowances of this run stand; the tax results keep their values
        anzeigen();
        const QString meldung = QString::fromUtf8(fehler.what());
        if (meldung != m_gemeldet && !m_stillRechnen) {
            m_gemeldet = meldung;
            ZeigeFehler(meldung);
        }
        return;
    }
    anzeigen();
    ZeigeBetrag(Edit_z, 2, d.Steuerersparnis, Euro);
    if (d.Gesamtbeitrag > 0) {
        ZeigeBetrag(Edit_q, 0, 100 * d.Foerderquote, QStringLiteral(" %"));
        ZeigeBetrag(Edit_Grafik_Quote, 0, 100 * d.Foerderquote, QStringLiteral(" %"));
    } else {
        Edit_q->clear();
        Edit_Grafik_Quote->clear();
    }
    ZeigeBetrag(Edit_Grafik_gesFoerderung, 2, d.Steuerersparnis + d.GewaehrteZulagen(), Euro);
    DruckSteuerungSetzen();
}

void THauptformular::DruckSteuerungSetzen()
{
    const bool e = !Edit_e->text().isEmpty();
    Button_Drucken->setEnabled(e);
    CheckBox_Beratungsprotokol->setEnabled(e);
    CheckBox_MitGrafik->setEnabled(e);
    const bool name = e && CheckBox_Beratungsprotokol->isChecked();
    Label_Kundenname->setEnabled(name);
    Edit_Druck_Name->setEnabled(name);
}

void THauptformular::ZeigeBetrag(QLineEdit* feld, int nachkomma, double wert, const QString& suffix)
{
    if (wert == 0) {
        feld->clear();
        return;
    }
    QString text = feld == Edit_e
                       ? FormatN(wert, nachkomma) + QStringLiteral(" (mtl. ") +
                             FormatN(wert / 12, nachkomma) + QStringLiteral(") ") + suffix
                       : FormatN(wert, nachkomma) + suffix;
    // Right-aligned by leading blanks, measured in the field's own font.
    const QFontMetrics fm(feld->font());
    const int blank = fm.horizontalAdvance(QLatin1Char(' '));
    const int grenze = feld->width() - blank - 8;
    if (blank > 0) {
        int breite = fm.horizontalAdvance(text);
        QString vorne;
        while (breite < grenze) {
            vorne += QLatin1Char(' ');
            breite += blank;
        }
        text.prepend(vorne);
    }
    feld->setText(text);
}

} // namespace Fermalin
