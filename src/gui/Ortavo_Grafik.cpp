// Chart page.
#include "Ortavo_Grafik.h"

#include "Bauteile.h"
#include "Schieberegler.h"
#include "SpinEdit.h"
#include "Torte.h"
#include "TortenDiagramm.h"

#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

namespace Fermalin {

TSeiteGrafik::TSeiteGrafik(TSeitendienste& dienste, QWidget* parent)
    : QWidget(parent), m_dienste(dienste)
{
    setObjectName(QStringLiteral("TabSheet_Grafik"));
    GroupBox_Torte = benannt(gruppe(this, QString(), 10, 1, 658, 443, false), "GroupBox_Torte");
    QGroupBox* g = GroupBox_Torte;
    beschriftung(g, QStringLiteral("Gesamtbeitrag"), 20, 14);
    beschriftung(g, QStringLiteral("Förderquote"), 150, 14);
    benannt(beschriftung(g, QStringLiteral("Gesamtförderung"), 245, 14), "Label_Einkommen2");
    beschriftung(g, QStringLiteral("zu berücksichtigende Kinder"), 380, 14);
    Edit_Grafik_Spar = benannt(ergebnisfeld(g, 20, 34, 105), "Edit_Grafik_Spar");
    Edit_Grafik_Quote = benannt(ergebnisfeld(g, 150, 34, 69), "Edit_Grafik_Quote");
    Edit_Grafik_gesFoerderung = benannt(ergebnisfeld(g, 245, 34, 105), "Edit_Grafik_gesFoerderung");
    SpinEdit_Kinderzahl2 =
        benannt(platziere(new TSpinEdit(g), 380, 33, 42, 24), "SpinEdit_Kinderzahl2");
    SpinEdit_Kinderzahl2->setRange(0, MaxKinder);
    QFrame* chart = benannt(panel(g, 20, 69, 619, 329), "Panel_Chart");
    Chart1 = benannt(new TTortenDiagramm(chart), "Chart1");
    Chart1->setGeometry(0, 0, 619, 329);
    m_chartStart = Chart1->size();
    beschriftung(g, QStringLiteral("Gesamtbeitrag"), 21, 409);
    TrackBar_gesB2 = benannt(platziere(new TSchieberegler(g), 119, 399, 519, 37), "TrackBar_gesB2");
    TrackBar_gesB2->setRange(0, TFoerderParameter::BeitragsMax);
    TrackBar_gesB2->setFrequenz(2);

    connect(TrackBar_gesB2, &QSlider::valueChanged, this, [this] { TrackBar_gesB2Change(); });
    connect(SpinEdit_Kinderzahl2, &QSpinBox::valueChanged, this,
            [this] { SpinEdit_Kinderzahl2Change(); });
}

bool TSeiteGrafik::GrafikZeichnen()
{
    Chart1->StueckeSetzen(TortenStuecke(m_dienste.Daten()));

    // The report's picture: the chart as it is on screen, at 87 % of its size at
    // creation, so the report looks the same at any window size. A picture that
    // cannot be written is not named by the report.
    if (m_grafikDatei.isEmpty())
        return false;
    const QList<TTortenStueck>& stuecke = Chart1->Stuecke();
    if (stuecke == m_bildStuecke && Chart1->size() == m_bildGroesse &&
        Chart1->Schriftfaktor() == m_bildSchrift && QFileInfo::exists(m_grafikDatei))
        return true;
    const QSize ziel = GrafikBildGroesse(m_chartStart);
    if (!GrafikBildSchreiben(
            m_grafikDatei,
            TortenBerichtsbild(stuecke, Chart1->size(), Chart1->Schriftfaktor(), ziel), ziel)) {
        m_bildStuecke.clear();
        return false;
    }
    m_bildStuecke = stuecke;
    m_bildGroesse = Chart1->size();
    m_bildSchrift = Chart1->Schriftfaktor();
    return true;
}

void TSeiteGrafik::TrackBar_gesB2Change()
{
    // Below the tariff minimum the slider snaps back; the snap arrives here again.
    const int tarif = m_dienste.Daten().PositionTarMindBtr;
    if (m_dienste.EingabenLesen().TarMindBtr && TrackBar_gesB2->value() < tarif) {
        TrackBar_gesB2->setValue(tarif);
        return;
    }
    // An unchanged position fires nothing, so the two sliders cannot chase each other.
    m_dienste.BeitragSetzen(TrackBar_gesB2->value());
    GrafikZeichnenWennSichtbar();
}

void TSeiteGrafik::SpinEdit_Kinderzahl2Change()
{
    m_dienste.KinderzahlSetzen(SpinEdit_Kinderzahl2->value());
    GrafikZeichnenWennSichtbar();
}

void TSeiteGrafik::GrafikZeichnenWennSichtbar()
{
    // The input page moves this slider on nearly every keystroke. A hidden chart
    // is drawn when its page is entered, and the report draws the picture it
    // needs itself, so drawing here would only cost the keystroke its speed.
    if (m_aktiv)
        GrafikZeichnen();
}

void TSeiteGrafik::ErgebnisZeigen(const TZulagenDaten& d)
{
    TrackBar_gesB2->setSelEnd(d.PositionVolleZulagen);
    ZeigeBetrag(Edit_Grafik_Spar, 2, d.Gesamtbeitrag, Euro);
    if (d.Gesamtbeitrag > 0)
        ZeigeBetrag(Edit_Grafik_Quote, 0, 100 * d.Foerderquote, QStringLiteral(" %"));
    else
        Edit_Grafik_Quote->clear();
    ZeigeBetrag(Edit_Grafik_gesFoerderung, 2, d.Steuerersparnis + d.GewaehrteZulagen(), Euro);
}

void TSeiteGrafik::Betreten(int kinderzahl, int beitrag)
{
    SpinEdit_Kinderzahl2->setValue(kinderzahl);
    TrackBar_gesB2->setValue(beitrag);
    GrafikZeichnen();
}

void TSeiteGrafik::BeitragFolgen(int position)
{
    TrackBar_gesB2->setValue(position);
}

TSeiteGrafik::TAnzeige TSeiteGrafik::Anzeige() const
{
    TAnzeige a;
    a.Gesamtbeitrag = Edit_Grafik_Spar->text();
    a.Foerderquote = Edit_Grafik_Quote->text();
    a.Gesamtfoerderung = Edit_Grafik_gesFoerderung->text();
    a.Kinderzahl = SpinEdit_Kinderzahl2->value();
    a.Beitrag = TrackBar_gesB2->value();
    a.BeitragVolleZulagen = TrackBar_gesB2->SelEnd();
    a.Stuecke = Chart1->Stuecke();
    return a;
}

QWidget* TSeiteGrafik::ErstesFeld() const
{
    return SpinEdit_Kinderzahl2;
}

} // namespace Fermalin
