// Offer page.
#include "Ortavo_Angebot.h"

#include "Bauteile.h"
#include "ColorButton.h"
#include "FloatDlg.h"
#include "MathUnit.h"
#include "Schieberegler.h"
#include "Schrift.h"

#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>

namespace Fermalin {

namespace {

// Calls back after a widget was resized; the stretcher resizes the children
// box of the offer page to its design height, which the page then corrects.
class TGroessenWaechter : public QObject
{
public:
    TGroessenWaechter(QWidget* w, std::function<void()> rueckruf)
        : QObject(w), m_rueckruf(std::move(rueckruf))
    {
        w->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* objekt, QEvent* event) override
    {
        if (event->type() == QEvent::Resize)
            m_rueckruf();
        return QObject::eventFilter(objekt, event);
    }

private:
    std::function<void()> m_rueckruf;
};

// The explaining sentence: a borderless, read-only box whose text keeps a
// little distance from its white left edge.
class TMemo : public QPlainTextEdit
{
public:
    explicit TMemo(QWidget* parent) : QPlainTextEdit(parent)
    {
        setFrameShape(QFrame::NoFrame);
        setReadOnly(true);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        document()->setDocumentMargin(1);
        setViewportMargins(4, 0, 0, 0);
        // the margin is painted in the box's own white
        setAutoFillBackground(true);
        QPalette p = palette();
        p.setColor(QPalette::Window, p.color(QPalette::Base));
        setPalette(p);
    }
};

TKlassik KlassikAus(const std::array<QRadioButton*, 3>& knoepfe)
{
    // "risikobewusst" is whatever else is selected.
    if (knoepfe[0]->isChecked())
        return TKlassik::Sicherheitsorientiert;
    return knoepfe[1]->isChecked() ? TKlassik::Wachstumsorientiert : TKlassik::Risikobewusst;
}

} // namespace

TSeiteAngebot::TSeiteAngebot(TSeitendienste& dienste, TJahrBereich gebJahrBereich, QWidget* parent)
    : QWidget(parent), m_dienste(dienste)
{
    setObjectName(QStringLiteral("TabSheet_Angebot"));
    Anlegen(gebJahrBereich);

    connect(TrackBar_Verteilung, &QSlider::valueChanged, this, [this] { Angebotaenderung(); });
    // Only a user's click moves a child; setting the buttons from code (loading,
    // marrying, a single's reset) runs its own computation.
    for (int i = 0; i < MaxKinder; ++i)
        for (QRadioButton* r : {RadioButton_1p[i], RadioButton_2p[i]})
            connect(r, &QRadioButton::clicked, this, [this, r] { Kind_verschoben(r); });
    connect(Button_Angebot1, &QPushButton::clicked, this, [this] { Button_AngebotClick(1); });
    connect(Button_Angebot2, &QPushButton::clicked, this, [this] { Button_AngebotClick(2); });
    // After the stretcher has rescaled the rows, the box's range is measured anew.
    new TGroessenWaechter(ScrollBox_Kinder->widget(), [this] {
        QMetaObject::invokeMethod(
            this, [this] { KinderBereichSetzen(); }, Qt::QueuedConnection);
    });
}

void TSeiteAngebot::Anlegen(TJahrBereich bereich)
{
    GroupBox_Aufteilung =
        benannt(gruppe(this, QStringLiteral("Aufteilung der Zulagen und Eigenbeiträge"), 12, 13,
                       653, 439, true),
                "GroupBox_Aufteilung");
    QGroupBox* g = GroupBox_Aufteilung;
    beschriftung(g, QStringLiteral("Kinder"), 20, 32, true);
    benannt(beschriftung(g, QStringLiteral("1. Zulagenempfänger"), 288, 32), "Label_Person1");
    Label_Person2 =
        benannt(beschriftung(g, QStringLiteral("2. Zulagenempfänger"), 456, 32), "Label_Person2");
    Label_Person2->setProperty("Tag", -2);
    beschriftung(g, QStringLiteral("Geburtsjahr"), 164, 74);
    beschriftung(g, QStringLiteral("Kind berücksichtigen bei:"), 288, 74);

    ScrollBox_Kinder = benannt(new QScrollArea(g), "ScrollBox_Kinder");
    ScrollBox_Kinder->setGeometry(20, 96, 610, 93);
    ScrollBox_Kinder->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* inhalt = new QWidget;
    inhalt->setGeometry(0, 0, 590, 284);
    for (int i = 0; i < MaxKinder; ++i) {
        const int y = 28 * i;
        const QByteArray nr = QByteArray::number(i + 1);
        QLabel* label = beschriftung(inhalt, QStringLiteral("%1. Kind").arg(i + 1), 96, 8 + y);
        label->setObjectName(QLatin1String("Label_Kind" + nr));
        TFloatEdit* jahr = platziere(new TFloatEdit(inhalt), 164, 4 + y, 49, 24);
        jahr->setObjectName(QLatin1String("FloatEdit_Kind" + nr));
        jahr->setIntOnly(true);
        jahr->setAutoRangeCorrect(true);
        jahr->setMinWert(bereich.Min);
        jahr->setMaxWert(bereich.Max);
        jahr->WertSetzen(2000);
        FloatEdit_Kind[i] = jahr;
        QFrame* zeile = panel(inhalt, 260, 4 + y, 281, 25);
        zeile->setObjectName(QLatin1String("Panel_Kind" + nr));
        RadioButton_1p[i] = platziere(new QRadioButton(QStringLiteral("1. Person"), zeile), 0, 3);
        RadioButton_2p[i] = platziere(new QRadioButton(QStringLiteral("2. Person"), zeile), 186, 3);
        RadioButton_1p[i]->setObjectName(QLatin1String("RadioButton_1p" + nr));
        RadioButton_2p[i]->setObjectName(QLatin1String("RadioButton_2p" + nr));
        RadioButton_1p[i]->setChecked(true);
        for (QWidget* w : {static_cast<QWidget*>(label), static_cast<QWidget*>(jahr),
                           static_cast<QWidget*>(zeile)})
            w->setProperty("Tag", i + 1);
        RadioButton_1p[i]->setProperty("Tag", -1);
        RadioButton_2p[i]->setProperty("Tag", -2);
    }
    ScrollBox_Kinder->setWidget(inhalt);

    beschriftung(g, QStringLiteral("Aufteilung des Eigenbeitrags (Jahresbeträge)"), 12, 198, true);
    // Down into the free space above "Weiter zur Angebotsberechnung": the
    // longest sentence of the split fits without scrolling.
    Memo_Info = benannt(new TMemo(g), "Memo_Info");
    Memo_Info->setGeometry(12, 220, 261, 98);
    Edit_EB1 = benannt(ergebnisfeld(g, 304, 227, 97), "Edit_EB1");
    Edit_EB2 = benannt(ergebnisfeld(g, 470, 227, 97), "Edit_EB2");
    Edit_EB1->setEnabled(false);
    Edit_EB2->setEnabled(false);
    TrackBar_Verteilung =
        benannt(platziere(new TSchieberegler(g), 304, 260, 263, 37), "TrackBar_Verteilung");
    TrackBar_Verteilung->setRange(0, 50);
    TrackBar_Verteilung->setValue(10);
    Label_Hinweis = benannt(beschriftung(g, QString(), 300, 296), "Label_Hinweis");
    beschriftung(g, QStringLiteral("Weiter zur Angebotsberechnung"), 12, 324, true);
    beschriftung(g, QStringLiteral("Art der Kapitalanlage"), 12, 344);
    const auto anlage = [g](int x, std::array<QRadioButton*, 3>& knoepfe, char person) {
        QFrame* p = panel(g, x, 324, 160, 66);
        const char* namen[] = {"konservativ", "wachstum", "risiko"};
        const char* texte[] = {"sicherheitsorientiert", "wachstumsorientiert", "risikobewusst"};
        for (int k = 0; k < 3; ++k) {
            knoepfe[k] = platziere(new QRadioButton(QString::fromUtf8(texte[k]), p), 0, 22 * k);
            knoepfe[k]->setObjectName(QLatin1String("RadioButton_") + QLatin1String(namen[k]) +
                                      QLatin1Char(person));
            if (person == '2')
                knoepfe[k]->setProperty("Tag", -2);
        }
        knoepfe[0]->setChecked(true);
    };
    anlage(288, RadioButton_Anlage1, '1');
    anlage(456, RadioButton_Anlage2, '2');
    regulaereSchrift(g);
    for (QWidget* w : inhalt->findChildren<QWidget*>())
        if (!w->testAttribute(Qt::WA_SetFont))
            w->setFont(ProgrammSchrift(13));

    Button_Angebot1 =
        benannt(knopf(this, QStringLiteral("Erfassung"), 320, 407, 75, 25), "Button_Angebot1");
    Button_Angebot2 =
        benannt(knopf(this, QStringLiteral("Erfassung"), 485, 407, 75, 25), "Button_Angebot2");
    Button_Angebot2->setProperty("Tag", -2);
}

void TSeiteAngebot::EigenbeitragAufteilen()
{
    const TAufteilung a = Aufteilen(m_dienste.EingabenLesen(), m_dienste.Daten(), true);
    Memo_Info->setPlainText(a.Info);
    // Showing or hiding the slider does not move it, so the split is not re-entered.
    TrackBar_Verteilung->setVisible(a.Schieberegler);
    if (a.Schieberegler) {
        Label_Hinweis->setText(a.Hinweis);
        Label_Hinweis->adjustSize();
    }
    ZeigeBetrag(Edit_EB1, 2, a.Eigenbeitrag1, Euro);
    ZeigeBetrag(Edit_EB2, 2, a.Eigenbeitrag2, Euro);
    Label_Hinweis->setVisible(a.Schieberegler);
}

void TSeiteAngebot::Angebotaenderung()
{
    EigenbeitragAufteilen();
    // the report's split follows the same slider
    m_dienste.BerichtErstellen();
}

void TSeiteAngebot::KinderBereichSetzen()
{
    const int n = m_dienste.EingabenLesen().Kinderzahl;
    QWidget* inhalt = ScrollBox_Kinder->widget();
    // The row distance is measured: the stretcher rescales the rows.
    const int d = FloatEdit_Kind[1]->y() - FloatEdit_Kind[0]->y();
    const int hoehe = n * d + 4;
    if (inhalt->height() != hoehe)
        inhalt->resize(inhalt->width(), hoehe);
    if (n <= 3) {
        ScrollBox_Kinder->verticalScrollBar()->setValue(0);
        ScrollBox_Kinder->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    } else {
        ScrollBox_Kinder->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    }
}

void TSeiteAngebot::KindZuordnen()
{
    // 1, 2
    const int n = m_dienste.EingabenLesen().Kinderzahl;
    for (QWidget* w : ScrollBox_Kinder->widget()->findChildren<QWidget*>()) {
        const int tag = w->property("Tag").toInt();
        if (tag > 0)
            w->setVisible(n >= tag);
    }
    // 3
    KinderBereichSetzen();
    // 4, 5: a single person's children all count for person 1
    const bool verheiratet = m_dienste.EingabenLesen().Verheiratet;
    for (QWidget* w : findChildren<QWidget*>()) {
        const int tag = w->property("Tag").toInt();
        if (tag == -1 && !verheiratet) {
            if (auto* r = qobject_cast<QRadioButton*>(w))
                r->setChecked(true);
        } else if (tag == -2) {
            w->setEnabled(verheiratet);
        }
    }
    // 6
    EigenbeitragAufteilen();
}

void TSeiteAngebot::Kind_verschoben(QRadioButton* knopf)
{
    m_dienste.Vorgabeaenderung(knopf);
    EigenbeitragAufteilen();
}

void TSeiteAngebot::Button_AngebotClick(int person)
{
    m_dienste.Button_AngebotClick(person);
}

QList<int> TSeiteAngebot::GebJahre(int n) const
{
    QList<int> jahre;
    for (int i = 0; i < n && i < MaxKinder; ++i)
        jahre.append(static_cast<int>(rundeGerade(FloatEdit_Kind[i]->WertLesen())));
    return jahre;
}

void TSeiteAngebot::GebJahreSetzen(const QList<int>& jahre)
{
    for (qsizetype k = 0; k < jahre.size() && k < MaxKinder; ++k)
        FloatEdit_Kind[static_cast<size_t>(k)]->WertSetzen(jahre.at(k));
}

void TSeiteAngebot::GebJahrBereichSetzen(TJahrBereich bereich)
{
    // the hidden rows too: a child added later starts inside the range
    for (TFloatEdit* f : FloatEdit_Kind) {
        f->setMinWert(bereich.Min);
        f->setMaxWert(bereich.Max);
        const double jahr = f->WertLesen();
        if (jahr < bereich.Min || jahr > bereich.Max)
            f->WertSetzen(jahr);
    }
}

void TSeiteAngebot::KinderZuPerson2()
{
    for (QRadioButton* r : RadioButton_2p)
        r->setChecked(true);
}

void TSeiteAngebot::EingabenLesen(TEingaben& e) const
{
    for (int i = 0; i < MaxKinder; ++i) {
        const auto k = static_cast<size_t>(i);
        e.KindGebJahr[k] = static_cast<int>(rundeGerade(FloatEdit_Kind[i]->WertLesen()));
        // a child counts for person 1 exactly when "1. Person" is selected
        e.KindPerson[k] = RadioButton_1p[i]->isChecked() ? 1 : 2;
    }
    e.Verteilung = TrackBar_Verteilung->value();
    e.Klassik1 = KlassikAus(RadioButton_Anlage1);
    e.Klassik2 = KlassikAus(RadioButton_Anlage2);
}

TSeiteAngebot::TAnzeige TSeiteAngebot::Anzeige() const
{
    TAnzeige a;
    a.Eigenbeitrag1 = Edit_EB1->text();
    a.Eigenbeitrag2 = Edit_EB2->text();
    a.Info = Memo_Info->toPlainText();
    a.Hinweis = Label_Hinweis->text();
    a.Schieberegler = !TrackBar_Verteilung->isHidden();
    a.HinweisSichtbar = !Label_Hinweis->isHidden();
    a.Verteilung = TrackBar_Verteilung->value();
    for (int i = 0; i < MaxKinder; ++i)
        a.Zeile[static_cast<size_t>(i)] = !FloatEdit_Kind[i]->isHidden();
    a.Bildlaufleiste = ScrollBox_Kinder->verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOn;
    a.Person2Aktiv = Label_Person2->isEnabled();
    return a;
}

void TSeiteAngebot::KindSetzen(int i, int gebJahr, bool person1, bool person2)
{
    TFloatEdit* f = FloatEdit_Kind[static_cast<size_t>(i)];
    f->WertSetzen(gebJahr);
    if (f->WertLesen() < f->MinWert())
        f->WertSetzen(f->MinWert());
    else if (f->WertLesen() > f->MaxWert())
        f->WertSetzen(f->MaxWert());
    auswahlSetzen(RadioButton_1p[static_cast<size_t>(i)], person1);
    auswahlSetzen(RadioButton_2p[static_cast<size_t>(i)], person2);
}

void TSeiteAngebot::VerteilungSetzen(int position)
{
    TrackBar_Verteilung->setValue(position);
}

void TSeiteAngebot::AnlageSetzen(int person, bool konservativ, bool wachstum, bool risiko)
{
    const std::array<QRadioButton*, 3>& k = person == 2 ? RadioButton_Anlage2 : RadioButton_Anlage1;
    auswahlSetzen(k[0], konservativ);
    auswahlSetzen(k[1], wachstum);
    auswahlSetzen(k[2], risiko);
}

void TSeiteAngebot::EinstellungenSammeln(TEinstellungen& e) const
{
    // button by button: a group may have none selected
    for (size_t i = 0; i < MaxKinder; ++i) {
        e.Kind[i].Person1 = RadioButton_1p[i]->isChecked();
        e.Kind[i].Person2 = RadioButton_2p[i]->isChecked();
    }
    bool* anlage[] = {&e.konservativ1, &e.wachstum1, &e.risiko1,
                      &e.konservativ2, &e.wachstum2, &e.risiko2};
    for (size_t k = 0; k < 3; ++k) {
        *anlage[k] = RadioButton_Anlage1[k]->isChecked();
        *anlage[k + 3] = RadioButton_Anlage2[k]->isChecked();
    }
}

QWidget* TSeiteAngebot::ErstesFeld() const
{
    // the first child's year, else the first person's investment style
    if (m_dienste.EingabenLesen().Kinderzahl > 0)
        return FloatEdit_Kind[0];
    for (QRadioButton* r : RadioButton_Anlage1)
        if (r->isChecked())
            return r;
    return RadioButton_Anlage1[0];
}

} // namespace Fermalin
