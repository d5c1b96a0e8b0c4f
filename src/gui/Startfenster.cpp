#include "Startfenster.h"

#include "Beitragsjahrwahl.h"
#include "ColorButton.h"
#include "Schrift.h"

#include <QCheckBox>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>

namespace Fermalin {

namespace {

constexpr quint32 FarbwertStartfenster = 15520708;
constexpr int ClientBreite = 690;
constexpr int ClientHoehe = 317;
// Line pitch of the two paragraphs: the second paragraph's first line then
// starts two pitches below the first, level with its square.
constexpr int Zeilenabstand = 18;

// A self-sizing label; without a font of its own it takes the window's.
QLabel* NeuesLabel(QWidget* eltern, const char* name, const QString& text, int links, int oben,
                   const QFont* schrift = nullptr, Qt::TextFormat format = Qt::PlainText)
{
    auto* label = new QLabel(eltern);
    label->setObjectName(QString::fromLatin1(name));
    if (schrift)
        label->setFont(*schrift);
    label->setTextFormat(format);
    label->setText(text);
    label->setProperty("AutoSize", true);
    label->move(links, oben);
    label->adjustSize();
    return label;
}

QFrame* NeuesQuadrat(QWidget* eltern, const char* name, int links, int oben)
{
    auto* quadrat = new QFrame(eltern);
    quadrat->setObjectName(QString::fromLatin1(name));
    quadrat->setFrameShape(QFrame::NoFrame);
    quadrat->setAutoFillBackground(true);
    QPalette pal = quadrat->palette();
    pal.setColor(QPalette::Window, QColor(0, 0, 128));
    quadrat->setPalette(pal);
    quadrat->setGeometry(links, oben, 7, 7);
    return quadrat;
}

} // namespace

TForm_Startfenster::TForm_Startfenster(int beitragsjahr, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("Form_Startfenster"));
    setWindowTitle(QGuiApplication::applicationDisplayName());
    setFont(ProgrammSchrift(13));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, FarbeAusWert(FarbwertStartfenster));
    setPalette(pal);
    setAutoFillBackground(true);
    setFixedSize(ClientBreite, ClientHoehe);
    setSizeGripEnabled(false);

    const QFont ueberschrift = ProgrammSchrift(25, true);
    Label_Ueberschrift = NeuesLabel(this, "Label_Ueberschrift",
                                    QStringLiteral("Der Talven-Rechner"), 27, 22, &ueberschrift);
    const QFont gross = ProgrammSchrift(15);
    JvHTLabelRR1 =
        NeuesLabel(this, "JvHTLabelRR1", QStringLiteral("Der bewährte Talven-Rechner ist jetzt:"),
                   27, 79, &gross, Qt::RichText);

    // One block with line breaks and a fixed line height: the pitch no longer
    // depends on the font's own line spacing, which differs between systems.
    const QString absaetze =
        QStringLiteral("<p style=\"margin:0; line-height:%1px; -qt-line-height-type:fixed\">"
                       "Genauer: Zusätzliche Vorgaben zur noch exakteren Berechnung der "
                       "Steuerersparnis möglich<br><br>"
                       "Anschaulicher: Verbesserte grafische Darstellung der "
                       "Talven-Förderung</p>")
            .arg(Zeilenabstand);
    JvHTLabelRR2 = NeuesLabel(this, "JvHTLabelRR2", absaetze, 45, 119, &gross, Qt::RichText);

    Shape1 = NeuesQuadrat(this, "Shape1", 29, 125);
    Shape2 = NeuesQuadrat(this, "Shape2", 29, 125 + 2 * Zeilenabstand);

    // The years the program knows and the one it opens on, two pitches below.
    const QList<int> jahre = WaehlbareBeitragsjahre();
    const QString aktuell =
        QStringLiteral("<p style=\"margin:0; line-height:%1px; -qt-line-height-type:fixed\">"
                       "Aktueller: Das Recht der Beitragsjahre %2 bis %3, eingestellt ist %4"
                       "</p>")
            .arg(Zeilenabstand)
            .arg(jahre.last())
            .arg(jahre.first())
            .arg(beitragsjahr);
    JvHTLabelRR3 = NeuesLabel(this, "JvHTLabelRR3", aktuell, 45, 119 + 4 * Zeilenabstand, &gross,
                              Qt::RichText);
    Shape3 = NeuesQuadrat(this, "Shape3", 29, 125 + 4 * Zeilenabstand);

    CheckBox_HinweisWeg = new QCheckBox(this);
    CheckBox_HinweisWeg->setObjectName(QStringLiteral("CheckBox_HinweisWeg"));
    CheckBox_HinweisWeg->move(27, 264);
    CheckBox_HinweisWeg->adjustSize();

    Label15 =
        NeuesLabel(this, "Label15", QStringLiteral("Diesen Hinweis nicht mehr anzeigen"), 0, 0);
    const QRect kasten = CheckBox_HinweisWeg->geometry();
    Label15->move(kasten.right() + 4, kasten.center().y() - Label15->height() / 2 + 1);
    Label15->installEventFilter(this);

    ColorButton_Abbruch = new TColorButton(QStringLiteral("Weiter"), this);
    ColorButton_Abbruch->setObjectName(QStringLiteral("ColorButton_Abbruch"));
    ColorButton_Abbruch->setColor(FarbeAusWert(FarbwertKnopfHell));
    ColorButton_Abbruch->setGeometry(288, 259, 118, 27);
    ColorButton_Abbruch->setDefault(true);
    ColorButton_Abbruch->setFocus();
    connect(ColorButton_Abbruch, &QPushButton::clicked, this, &QDialog::accept);
}

TForm_Startfenster::~TForm_Startfenster() = default;

bool TForm_Startfenster::HinweisWiederAnzeigen() const
{
    return !CheckBox_HinweisWeg->isChecked();
}

void TForm_Startfenster::reject()
{
    accept();
}

void TForm_Startfenster::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // on the primary screen: centring on a desktop of several monitors could
    // split the window across two of them
    if (const QScreen* schirm = QGuiApplication::primaryScreen()) {
        QRect rahmen = frameGeometry();
        rahmen.moveCenter(schirm->availableGeometry().center());
        move(rahmen.topLeft());
    }
}

bool TForm_Startfenster::eventFilter(QObject* objekt, QEvent* event)
{
    if (objekt == Label15 && event->type() == QEvent::MouseButtonRelease) {
        const auto* maus = static_cast<QMouseEvent*>(event);
        if (maus->button() == Qt::LeftButton &&
            Label15->rect().contains(maus->position().toPoint()))
            Label15Click();
        return true;
    }
    return QDialog::eventFilter(objekt, event);
}

void TForm_Startfenster::Label15Click()
{
    if (CheckBox_HinweisWeg->isEnabled())
        CheckBox_HinweisWeg->setChecked(!CheckBox_HinweisWeg->isChecked());
}

} // namespace Fermalin
