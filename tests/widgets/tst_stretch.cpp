#include "Stretch.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSlider>
#include <QSpinBox>
#include <QSplitter>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTextEdit>
#include <QVBoxLayout>

using namespace Fermalin;
using namespace Qt::StringLiterals;

namespace {

class TestSchieberegler : public QSlider, public IStreckSchieberegler
{
public:
    TestSchieberegler(int laenge, QWidget* eltern)
        : QSlider(Qt::Horizontal, eltern), m_laenge(laenge)
    {
    }
    int Daumenlaenge() const override { return m_laenge; }
    void setDaumenlaenge(int laenge) override { m_laenge = laenge; }

private:
    int m_laenge;
};

class TestDiagramm : public QWidget, public IStreckDiagramm
{
public:
    TestDiagramm(int legende, int achsentitel, QWidget* eltern)
        : QWidget(eltern), legende(legende), titel(achsentitel)
    {
    }
    int LegendenSchriftgroesse() const override { return legende; }
    int AchsentitelSchriftgroesse() const override { return titel; }
    void setSchriftgroessen(int t, int beschriftung) override
    {
        titel = t;
        legende = beschriftung;
    }
    int legende;
    int titel;
};

void setzePunkte(QWidget* w, int punkte)
{
    QFont f = w->font();
    f.setPointSize(punkte);
    w->setFont(f);
}

void setzePixel(QWidget* w, int pixel)
{
    QFont f = w->font();
    f.setPixelSize(pixel);
    w->setFont(f);
}

// the design state every test starts from: 200 × 100 client area, 10-point font
void entwerfe(QWidget& fenster)
{
    fenster.resize(200, 100);
    setzePunkte(&fenster, 10);
}

QList<QWidget*> erfasst(const TStrecker& strecker)
{
    QList<QWidget*> controls;
    for (const TStreckelement& e : strecker.Elemente())
        controls.append(e.Control());
    return controls;
}

QWidget* erzeuge(const QString& art, QWidget* eltern)
{
    if (art == u"QPushButton")
        return new QPushButton(eltern);
    if (art == u"QLabel")
        return new QLabel(eltern);
    if (art == u"QLineEdit")
        return new QLineEdit(eltern);
    if (art == u"QSpinBox")
        return new QSpinBox(eltern);
    if (art == u"QComboBox")
        return new QComboBox(eltern);
    if (art == u"QGroupBox")
        return new QGroupBox(eltern);
    if (art == u"QRadioButton")
        return new QRadioButton(eltern);
    if (art == u"QFrame")
        return new QFrame(eltern);
    if (art == u"QTabWidget")
        return new QTabWidget(eltern);
    if (art == u"QTextEdit")
        return new QTextEdit(eltern);
    if (art == u"QScrollArea")
        return new QScrollArea(eltern);
    if (art == u"QTabBar")
        return new QTabBar(eltern);
    if (art == u"QListWidget")
        return new QListWidget(eltern);
    if (art == u"QSlider")
        return new QSlider(eltern);
    if (art == u"QSplitter")
        return new QSplitter(eltern);
    if (art == u"Rahmen") {
        auto* rahmen = new QWidget(eltern);
        rahmen->setProperty("Rahmen", true);
        return rahmen;
    }
    return new QWidget(eltern);
}

// Everything the stretcher may touch on a control, for comparing states.
struct Zustand
{
    QRect geometrie;
    int punkte;
    int pixel;
    QVariant eintragshoehe;
    bool operator==(const Zustand&) const = default;
};

QList<Zustand> zustand(const TStrecker& strecker)
{
    QList<Zustand> liste;
    for (const TStreckelement& e : strecker.Elemente()) {
        const QWidget* c = e.Control();
        liste.append({c->geometry(), c->font().pointSize(), c->font().pixelSize(),
                      c->property("Eintragshoehe")});
    }
    return liste;
}

} // namespace

class TstStretch : public QObject
{
    Q_OBJECT
private slots:
    void geometrieUndSchrift_data();
    void geometrieUndSchrift();
    void erbendesKindFolgtFensterschrift_data();
    void erbendesKindFolgtFensterschrift();
    void eigeneSchriftZaehltBeimSkalieren_data();
    void eigeneSchriftZaehltBeimSkalieren();
    void schrift_data();
    void schrift();
    void nurBreiterAendertNichts_data();
    void nurBreiterAendertNichts();
    void zurueckAufEntwurfsgroesse_data();
    void zurueckAufEntwurfsgroesse();
    void fuellendesControl_data();
    void fuellendesControl();
    void fuellendesKindImRahmen();
    void erfassungsreihenfolge();
    void registerseitenWerdenGestreckt();
    void rahmenKinderVorDemRahmen();
    void schiebereglerDaumen_data();
    void schiebereglerDaumen();
    void diagrammSchriften_data();
    void diagrammSchriften();
    void eintragshoehe_data();
    void eintragshoehe();
    void selbstgroessendesLabelWirdNurVerschoben();
    void gleicheGroesseTutNichts_data();
    void gleicheGroesseTutNichts();
    void groesseOhneFlaecheTutNichts_data();
    void groesseOhneFlaecheTutNichts();
    void geloeschtesControlWirdUebersprungen();
};

void TstStretch::geometrieUndSchrift_data()
{
    QTest::addColumn<QSize>("client");
    QTest::addColumn<QRect>("entwurf");
    QTest::addColumn<int>("groesse");
    QTest::addColumn<bool>("inPixeln");
    QTest::addColumn<QRect>("erwartet");
    QTest::addColumn<int>("erwarteteGroesse");

    const QRect knopf(10, 20, 100, 24);
    QTest::newRow("Faktor 1,5: (10,20,100,24) mit 8 pt wird (15,30,150,36) mit 12 pt")
        << QSize(300, 150) << knopf << 8 << false << QRect(15, 30, 150, 36) << 12;
    QTest::newRow("Faktor 1,25: 10 pt wird 12 pt, links 10 wird 12")
        << QSize(250, 125) << knopf << 10 << false << QRect(12, 25, 125, 30) << 12;
    QTest::newRow("Faktor 1,25: Hälften runden zur geraden Zahl")
        << QSize(250, 125) << QRect(14, 2, 6, 10) << 9 << false << QRect(18, 2, 8, 12) << 11;
    QTest::newRow("breiter als hoch: die Höhe bestimmt den Faktor 1,5")
        << QSize(400, 150) << knopf << 8 << false << QRect(15, 30, 150, 36) << 12;
    QTest::newRow("höher als breit: die Breite bestimmt den Faktor 1,5")
        << QSize(300, 400) << knopf << 8 << false << QRect(15, 30, 150, 36) << 12;
    QTest::newRow("Verkleinern auf 0,5: 9 pt wird 4 pt")
        << QSize(100, 50) << knopf << 9 << false << QRect(5, 10, 50, 12) << 4;
    QTest::newRow("Pixelschrift, Faktor 1,5: 11 px wird 16 px")
        << QSize(300, 150) << knopf << 11 << true << QRect(15, 30, 150, 36) << 16;
    QTest::newRow("Faktor 0,1: die Schrift behält mindestens 1 pt")
        << QSize(20, 10) << knopf << 8 << false << QRect(1, 2, 10, 2) << 1;
}

void TstStretch::geometrieUndSchrift()
{
    QFETCH(QSize, client);
    QFETCH(QRect, entwurf);
    QFETCH(int, groesse);
    QFETCH(bool, inPixeln);
    QFETCH(QRect, erwartet);
    QFETCH(int, erwarteteGroesse);

    QWidget fenster;
    entwerfe(fenster);
    auto* knopf = new QPushButton(QStringLiteral("Weiter"), &fenster);
    knopf->setGeometry(entwurf);
    if (inPixeln)
        setzePixel(knopf, groesse);
    else
        setzePunkte(knopf, groesse);

    TStrecker strecker(&fenster);
    fenster.resize(client);
    strecker.Strecken(client.width(), client.height());

    QCOMPARE(knopf->geometry(), erwartet);
    if (inPixeln) {
        QCOMPARE(knopf->font().pixelSize(), erwarteteGroesse);
        QCOMPARE(knopf->font().pointSize(), -1);
    } else {
        QCOMPARE(knopf->font().pointSize(), erwarteteGroesse);
    }
}

void TstStretch::erbendesKindFolgtFensterschrift_data()
{
    QTest::addColumn<QSize>("client");
    QTest::addColumn<int>("fensterPunkte");
    QTest::addColumn<int>("eigenePunkte");

    QTest::newRow("Faktor 1,5: Fenster 15 pt, eigene 8 pt werden 12 pt")
        << QSize(300, 150) << 15 << 12;
    QTest::newRow("Faktor 1,25: Fenster 12 pt (12,5 abgeschnitten), eigene 8 pt werden 10 pt")
        << QSize(250, 125) << 12 << 10;
    QTest::newRow("Faktor 0,75: Fenster 7 pt, eigene 8 pt werden 6 pt") << QSize(150, 75) << 7 << 6;
}

void TstStretch::erbendesKindFolgtFensterschrift()
{
    QFETCH(QSize, client);
    QFETCH(int, fensterPunkte);
    QFETCH(int, eigenePunkte);

    QWidget fenster;
    entwerfe(fenster);
    auto* gruppe = new QGroupBox(QStringLiteral("Förderung"), &fenster);
    gruppe->setGeometry(5, 5, 120, 60);
    auto* erbend = new QCheckBox(QStringLiteral("Mindestbeitrag"), gruppe);
    erbend->setGeometry(5, 20, 100, 20);
    auto* eigen = new QLabel(QStringLiteral("Zulage"), &fenster);
    eigen->setGeometry(130, 5, 60, 20);
    setzePunkte(eigen, 8);

    TStrecker strecker(&fenster);
    QCOMPARE(strecker.ReferenzSchrift(), 10);
    strecker.Strecken(client.width(), client.height());

    QCOMPARE(fenster.font().pointSize(), fensterPunkte);
    QCOMPARE(gruppe->font().pointSize(), fensterPunkte);
    QCOMPARE(erbend->font().pointSize(), fensterPunkte);
    QVERIFY(!erbend->testAttribute(Qt::WA_SetFont));
    QCOMPARE(eigen->font().pointSize(), eigenePunkte);
}

void TstStretch::eigeneSchriftZaehltBeimSkalieren_data()
{
    QTest::addColumn<bool>("eigenBeimErfassen");
    QTest::addColumn<int>("erwartet");

    QTest::newRow("eigene Schrift nach dem Erfassen entfernt: folgt dem Fenster") << true << 15;
    QTest::newRow("eigene Schrift erst nach dem Erfassen: ohne Entwurfsgröße unverändert")
        << false << 8;
}

void TstStretch::eigeneSchriftZaehltBeimSkalieren()
{
    QFETCH(bool, eigenBeimErfassen);
    QFETCH(int, erwartet);

    QWidget fenster;
    entwerfe(fenster);
    auto* knopf = new QPushButton(QStringLiteral("OK"), &fenster);
    knopf->setGeometry(10, 20, 100, 24);
    if (eigenBeimErfassen)
        setzePunkte(knopf, 8);

    TStrecker strecker(&fenster);
    if (eigenBeimErfassen)
        knopf->setFont(QFont());
    else
        setzePunkte(knopf, 8);
    QCOMPARE(knopf->testAttribute(Qt::WA_SetFont), !eigenBeimErfassen);

    strecker.Strecken(300, 150);
    QCOMPARE(knopf->font().pointSize(), erwartet);
    QCOMPARE(knopf->geometry(), QRect(15, 30, 150, 36));
}

void TstStretch::schrift_data()
{
    QTest::addColumn<QString>("art");
    QTest::addColumn<bool>("schriftGesetzt");
    QTest::addColumn<bool>("eigeneSchrift");

    QTest::newRow("Knopf mit gesetzter Schrift") << u"QPushButton"_s << true << true;
    QTest::newRow("Knopf mit geerbter Schrift") << u"QPushButton"_s << false << false;
    QTest::newRow("Optionsfeld") << u"QRadioButton"_s << true << true;
    QTest::newRow("Bezeichnung") << u"QLabel"_s << true << true;
    QTest::newRow("Eingabefeld") << u"QLineEdit"_s << true << true;
    QTest::newRow("Drehfeld") << u"QSpinBox"_s << true << true;
    QTest::newRow("Auswahlliste") << u"QComboBox"_s << true << true;
    QTest::newRow("Gruppenrahmen") << u"QGroupBox"_s << true << true;
    QTest::newRow("Tafel") << u"QFrame"_s << true << true;
    QTest::newRow("Registerkarten") << u"QTabWidget"_s << true << true;
    QTest::newRow("Memo") << u"QTextEdit"_s << true << true;
    QTest::newRow("Rollbereich") << u"QScrollArea"_s << true << true;
    QTest::newRow("eingebettetes Formular") << u"Rahmen"_s << true << true;
    QTest::newRow("Registerleiste hat immer ihre Schrift") << u"QTabBar"_s << false << true;
    QTest::newRow("Listenfeld gehört nicht zu den Arten") << u"QListWidget"_s << true << false;
    QTest::newRow("Schieberegler gehört nicht zu den Arten") << u"QSlider"_s << true << false;
    QTest::newRow("Teiler ist keine Tafel") << u"QSplitter"_s << true << false;
    QTest::newRow("schlichtes QWidget ist keine Tafel") << u"QWidget"_s << true << false;
}

void TstStretch::schrift()
{
    QFETCH(QString, art);
    QFETCH(bool, schriftGesetzt);
    QFETCH(bool, eigeneSchrift);

    QWidget fenster;
    entwerfe(fenster);
    QWidget* control = erzeuge(art, &fenster);
    if (schriftGesetzt)
        setzePunkte(control, 7);

    const TStreckelement element(control);
    const std::optional<QFont> schrift = element.Schrift();
    QCOMPARE(schrift.has_value(), eigeneSchrift);
    if (schrift)
        QCOMPARE(schrift->pointSize(), schriftGesetzt ? 7 : 10);
}

void TstStretch::nurBreiterAendertNichts_data()
{
    QTest::addColumn<QSize>("vorher");
    QTest::addColumn<QSize>("breiter");

    QTest::newRow("aus der Entwurfsgröße doppelt so breit") << QSize(200, 100) << QSize(400, 100);
    QTest::newRow("nach Faktor 1,5 um die Hälfte breiter") << QSize(300, 150) << QSize(450, 150);
    QTest::newRow("nach Faktor 1,5 um einen Punkt breiter") << QSize(300, 150) << QSize(301, 150);
}

void TstStretch::nurBreiterAendertNichts()
{
    QFETCH(QSize, vorher);
    QFETCH(QSize, breiter);

    QWidget fenster;
    entwerfe(fenster);
    auto* knopf = new QPushButton(QStringLiteral("Weiter"), &fenster);
    knopf->setGeometry(10, 20, 100, 24);
    setzePunkte(knopf, 8);
    auto* feld = new QLineEdit(&fenster);
    feld->setGeometry(13, 50, 77, 21);

    TStrecker strecker(&fenster);
    strecker.Strecken(vorher.width(), vorher.height());
    const double faktor = strecker.Faktor();
    const QList<Zustand> davor = zustand(strecker);
    const int fensterPunkte = fenster.font().pointSize();

    strecker.Strecken(breiter.width(), breiter.height());
    QCOMPARE(strecker.Faktor(), faktor);
    QCOMPARE(zustand(strecker), davor);
    QCOMPARE(fenster.font().pointSize(), fensterPunkte);
}

void TstStretch::zurueckAufEntwurfsgroesse_data()
{
    QTest::addColumn<QList<QSize>>("groessen");

    QTest::newRow("über Faktor 1,3 zurück") << QList<QSize>{{260, 130}};
    QTest::newRow("vergrößert, ungleich gezogen, verkleinert und zurück")
        << QList<QSize>{{260, 130}, {333, 170}, {150, 77}, {173, 250}};
    QTest::newRow("stark verkleinert zurück") << QList<QSize>{{30, 15}};
}

void TstStretch::zurueckAufEntwurfsgroesse()
{
    QFETCH(QList<QSize>, groessen);

    QWidget fenster;
    entwerfe(fenster);
    auto* label = new QLabel(QStringLiteral("Einkommen"), &fenster);
    label->setGeometry(13, 7, 77, 23);
    setzePunkte(label, 9);
    auto* feld = new QLineEdit(&fenster);
    feld->setGeometry(11, 33, 91, 21);
    setzePunkte(feld, 8);
    auto* dreh = new QSpinBox(&fenster);
    dreh->setGeometry(105, 33, 47, 21);
    setzePunkte(dreh, 11);
    auto* gruppe = new QGroupBox(&fenster);
    gruppe->setGeometry(3, 57, 150, 40);
    auto* erbend = new QCheckBox(QStringLiteral("Kirchensteuer"), gruppe);
    erbend->setGeometry(9, 15, 131, 19);
    auto* pixel = new QRadioButton(QStringLiteral("ledig"), gruppe);
    pixel->setGeometry(7, 3, 61, 13);
    setzePixel(pixel, 13);
    auto* tafel = new QFrame(&fenster);
    tafel->setGeometry(155, 5, 41, 91);
    setzePunkte(tafel, 7);
    auto* regler = new TestSchieberegler(16, tafel);
    regler->setGeometry(3, 3, 35, 17);
    auto* diagramm = new TestDiagramm(8, 11, tafel);
    diagramm->setGeometry(3, 25, 35, 33);
    auto* liste = new QListWidget(tafel);
    liste->setGeometry(3, 61, 35, 27);
    liste->setProperty("Eintragshoehe", 17);

    TStrecker strecker(&fenster);
    QCOMPARE(strecker.Elemente().size(), size_t(10));
    const QList<Zustand> entwurf = zustand(strecker);

    for (const QSize& g : groessen) {
        fenster.resize(g);
        strecker.Strecken(g.width(), g.height());
    }
    QVERIFY(zustand(strecker) != entwurf);

    fenster.resize(200, 100);
    strecker.Strecken(200, 100);
    QCOMPARE(strecker.Faktor(), 1.0);
    QCOMPARE(zustand(strecker), entwurf);
    QCOMPARE(fenster.font().pointSize(), 10);
    QCOMPARE(regler->Daumenlaenge(), 16);
    QCOMPARE(diagramm->legende, 8);
    QCOMPARE(diagramm->titel, 11);
}

void TstStretch::fuellendesControl_data()
{
    QTest::addColumn<QString>("anordnung");
    QTest::addColumn<QRect>("erwartet");

    QTest::newRow("im Layout des Fensters: Qt hält es auf der ganzen Fläche")
        << u"Layout"_s << QRect(0, 0, 400, 150);
    QTest::newRow("ohne Layout allein über der ganzen Fläche: bleibt darauf")
        << u"allein"_s << QRect(0, 0, 400, 150);
    QTest::newRow("über der ganzen Fläche mit einem Nachbarn: gestreckt wie jedes andere")
        << u"Nachbar"_s << QRect(0, 0, 300, 150);
}

void TstStretch::fuellendesControl()
{
    QFETCH(QString, anordnung);
    QFETCH(QRect, erwartet);

    QWidget fenster;
    entwerfe(fenster);
    auto* tafel = new QFrame(&fenster);
    setzePunkte(tafel, 8);
    if (anordnung == u"Layout") {
        auto* layout = new QVBoxLayout(&fenster);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(tafel);
    } else {
        tafel->setGeometry(fenster.rect());
    }
    if (anordnung == u"Nachbar")
        (new QLabel(QStringLiteral("Hinweis"), &fenster))->setGeometry(5, 5, 40, 10);
    auto* knopf = new QPushButton(QStringLiteral("Drucken"), tafel);
    knopf->setGeometry(10, 10, 50, 20);
    setzePunkte(knopf, 8);
    fenster.show();
    QVERIFY(QTest::qWaitForWindowExposed(&fenster));
    QTRY_COMPARE(tafel->geometry(), QRect(0, 0, 200, 100));

    TStrecker strecker(&fenster);
    // wider than the factor: a scaled panel leaves a strip uncovered
    fenster.resize(400, 150);
    QTRY_COMPARE(fenster.size(), QSize(400, 150));
    if (anordnung == u"Layout")
        QTRY_COMPARE(tafel->geometry(), QRect(0, 0, 400, 150));
    strecker.Strecken(400, 150);

    QCOMPARE(tafel->geometry(), erwartet);
    QCOMPARE(tafel->font().pointSize(), 12);
    QCOMPARE(knopf->geometry(), QRect(15, 15, 75, 30));
    QCOMPARE(knopf->font().pointSize(), 12);
}

void TstStretch::fuellendesKindImRahmen()
{
    QWidget fenster;
    entwerfe(fenster);
    auto* rahmen = new QWidget(&fenster);
    rahmen->setProperty("Rahmen", true);
    rahmen->setGeometry(20, 10, 100, 50);
    auto* tafel = new QFrame(rahmen);
    tafel->setGeometry(rahmen->rect());
    auto* weiterer = new QLabel(QStringLiteral("Logo"), &fenster);
    weiterer->setGeometry(130, 10, 60, 20);

    TStrecker strecker(&fenster);
    // the panel is recorded before its frame, yet must fill the scaled frame
    QCOMPARE(erfasst(strecker), (QList<QWidget*>{tafel, rahmen, weiterer}));
    strecker.Strecken(300, 150);

    QCOMPARE(rahmen->geometry(), QRect(30, 15, 150, 75));
    QCOMPARE(tafel->geometry(), QRect(0, 0, 150, 75));
}

void TstStretch::erfassungsreihenfolge()
{
    QWidget fenster;
    entwerfe(fenster);
    auto* dreh = new QSpinBox(&fenster);
    auto* kombi = new QComboBox(&fenster);
    kombi->setEditable(true);
    auto* memo = new QTextEdit(&fenster);
    auto* register_ = new QTabWidget(&fenster);
    auto* seite1 = new QWidget;
    auto* label1 = new QLabel(QStringLiteral("Vorgabe"), seite1);
    register_->addTab(seite1, QStringLiteral("Vorgabe"));
    auto* seite2 = new QWidget;
    register_->addTab(seite2, QStringLiteral("Grafik"));
    auto* ecke = new QPushButton(QStringLiteral("?"));
    register_->setCornerWidget(ecke);
    auto* rollen = new QScrollArea(&fenster);
    auto* inhalt = new QWidget;
    auto* haken = new QCheckBox(inhalt);
    rollen->setWidget(inhalt);
    auto* feld = new QLineEdit(&fenster);
    feld->setClearButtonEnabled(true);
    auto* leiste = new QTabBar(&fenster);
    leiste->addTab(QStringLiteral("eins"));
    leiste->setTabsClosable(true);
    new QDialog(&fenster);
    auto* knopf = new QPushButton(QStringLiteral("Beenden"), &fenster);

    const TStrecker strecker(&fenster);
    QCOMPARE(erfasst(strecker),
             (QList<QWidget*>{dreh, kombi, memo, register_, seite1, label1, seite2, ecke, rollen,
                              inhalt, haken, feld, leiste, knopf}));
}

void TstStretch::registerseitenWerdenGestreckt()
{
    QWidget fenster;
    entwerfe(fenster);
    auto* register_ = new QTabWidget(&fenster);
    register_->setGeometry(10, 10, 180, 80);
    auto* seite = new QWidget;
    register_->addTab(seite, QStringLiteral("Vorgabe"));
    auto* label = new QLabel(QStringLiteral("Kinder"), seite);
    label->setGeometry(5, 5, 50, 20);
    setzePunkte(label, 8);
    fenster.show();
    QVERIFY(QTest::qWaitForWindowExposed(&fenster));

    TStrecker strecker(&fenster);
    fenster.resize(300, 150);
    strecker.Strecken(300, 150);

    QCOMPARE(register_->geometry(), QRect(15, 15, 270, 120));
    QCOMPARE(label->geometry(), QRect(8, 8, 75, 30));
    QCOMPARE(label->font().pointSize(), 12);
    // Qt lays the page out inside the tab widget, the stretcher does not
    QTRY_COMPARE(seite->size(), register_->widget(0)->parentWidget()->size());
    QVERIFY(seite->width() > 180);
}

void TstStretch::rahmenKinderVorDemRahmen()
{
    QWidget fenster;
    entwerfe(fenster);
    auto* a = new QLabel(QStringLiteral("A"), &fenster);
    auto* rahmen = new QWidget(&fenster);
    rahmen->setProperty("Rahmen", true);
    auto* f1 = new QLabel(QStringLiteral("F1"), rahmen);
    auto* innen = new QFrame(rahmen);
    innen->setProperty("Rahmen", true);
    auto* g1 = new QLabel(QStringLiteral("G1"), innen);
    auto* f2 = new QWidget(rahmen);
    auto* f21 = new QCheckBox(f2);
    auto* b = new QPushButton(QStringLiteral("B"), &fenster);

    const TStrecker strecker(&fenster);
    QCOMPARE(erfasst(strecker), (QList<QWidget*>{a, f1, g1, innen, f2, f21, rahmen, b}));
}

void TstStretch::schiebereglerDaumen_data()
{
    QTest::addColumn<QSize>("client");
    QTest::addColumn<int>("daumen");
    QTest::addColumn<int>("erwartet");

    QTest::newRow("16 bei 1,1 wird 18 (17,6 + 0,49)") << QSize(220, 110) << 16 << 18;
    QTest::newRow("10 bei 1,25 wird 13, nicht 12 (12,5 + 0,49)") << QSize(250, 125) << 10 << 13;
    QTest::newRow("10 bei 1,5 wird 15 (15,49)") << QSize(300, 150) << 10 << 15;
    QTest::newRow("16 bei 0,5 wird 8 (8,49)") << QSize(100, 50) << 16 << 8;
}

void TstStretch::schiebereglerDaumen()
{
    QFETCH(QSize, client);
    QFETCH(int, daumen);
    QFETCH(int, erwartet);

    QWidget fenster;
    entwerfe(fenster);
    auto* regler = new TestSchieberegler(daumen, &fenster);
    regler->setGeometry(10, 20, 100, 24);

    TStrecker strecker(&fenster);
    strecker.Strecken(client.width(), client.height());
    QCOMPARE(regler->Daumenlaenge(), erwartet);

    strecker.Strecken(200, 100);
    QCOMPARE(regler->Daumenlaenge(), daumen);
}

void TstStretch::diagrammSchriften_data()
{
    QTest::addColumn<QSize>("client");
    QTest::addColumn<int>("legende");
    QTest::addColumn<int>("achsentitel");
    QTest::addColumn<int>("erwarteteLegende");
    QTest::addColumn<int>("erwarteterTitel");

    QTest::newRow("1,5: Legende 8 wird 12, Titel 10 wird 15")
        << QSize(300, 150) << 8 << 10 << 12 << 15;
    QTest::newRow("1,25: gerundet, nicht abgeschnitten (7,5 wird 8, 12,5 wird 12)")
        << QSize(250, 125) << 6 << 10 << 8 << 12;
}

void TstStretch::diagrammSchriften()
{
    QFETCH(QSize, client);
    QFETCH(int, legende);
    QFETCH(int, achsentitel);
    QFETCH(int, erwarteteLegende);
    QFETCH(int, erwarteterTitel);

    QWidget fenster;
    entwerfe(fenster);
    auto* diagramm = new TestDiagramm(legende, achsentitel, &fenster);
    diagramm->setGeometry(10, 20, 100, 60);

    TStrecker strecker(&fenster);
    strecker.Strecken(client.width(), client.height());
    QCOMPARE(diagramm->legende, erwarteteLegende);
    QCOMPARE(diagramm->titel, erwarteterTitel);
}

void TstStretch::eintragshoehe_data()
{
    QTest::addColumn<QString>("art");
    QTest::addColumn<QSize>("client");
    QTest::addColumn<int>("hoehe");
    QTest::addColumn<int>("erwartet");

    QTest::newRow("Listenfeld 17 bei 1,5 wird 25 (25,5 abgeschnitten)")
        << u"QListWidget"_s << QSize(300, 150) << 17 << 25;
    QTest::newRow("Auswahlliste 13 bei 1,25 wird 16")
        << u"QComboBox"_s << QSize(250, 125) << 13 << 16;
    QTest::newRow("Listenfeld 17 bei 0,5 wird 8") << u"QListWidget"_s << QSize(100, 50) << 17 << 8;
}

void TstStretch::eintragshoehe()
{
    QFETCH(QString, art);
    QFETCH(QSize, client);
    QFETCH(int, hoehe);
    QFETCH(int, erwartet);

    QWidget fenster;
    entwerfe(fenster);
    QWidget* mitHoehe = erzeuge(art, &fenster);
    mitHoehe->setGeometry(10, 20, 100, 24);
    mitHoehe->setProperty("Eintragshoehe", hoehe);
    QWidget* ohneHoehe = erzeuge(art, &fenster);
    ohneHoehe->setGeometry(10, 50, 100, 24);

    TStrecker strecker(&fenster);
    strecker.Strecken(client.width(), client.height());
    QCOMPARE(mitHoehe->property("Eintragshoehe").toInt(), erwartet);
    QVERIFY(!ohneHoehe->property("Eintragshoehe").isValid());
}

void TstStretch::selbstgroessendesLabelWirdNurVerschoben()
{
    QWidget fenster;
    entwerfe(fenster);
    auto* selbst = new QLabel(QStringLiteral("Förderquote"), &fenster);
    selbst->setProperty("AutoSize", true);
    setzePunkte(selbst, 8);
    selbst->move(10, 20);
    selbst->adjustSize();
    const QSize entwurf = selbst->size();
    auto* fest = new QLabel(QStringLiteral("Förderquote"), &fenster);
    fest->setGeometry(10, 50, 100, 24);
    setzePunkte(fest, 8);

    TStrecker strecker(&fenster);
    strecker.Strecken(300, 150);

    QCOMPARE(selbst->pos(), QPoint(15, 30));
    QCOMPARE(selbst->font().pointSize(), 12);
    QCOMPARE(selbst->size(), selbst->sizeHint());
    QVERIFY(selbst->size() != entwurf * 1.5);
    QCOMPARE(fest->geometry(), QRect(15, 75, 150, 36));
}

void TstStretch::gleicheGroesseTutNichts_data()
{
    QTest::addColumn<QSize>("client");

    QTest::newRow("in der Entwurfsgröße") << QSize(200, 100);
    QTest::newRow("nach dem Strecken auf 1,5") << QSize(300, 150);
}

void TstStretch::gleicheGroesseTutNichts()
{
    QFETCH(QSize, client);

    QWidget fenster;
    entwerfe(fenster);
    auto* knopf = new QPushButton(QStringLiteral("Weiter"), &fenster);
    knopf->setGeometry(10, 20, 100, 24);
    setzePunkte(knopf, 8);

    TStrecker strecker(&fenster);
    strecker.Strecken(client.width(), client.height());
    knopf->setGeometry(1, 1, 40, 10);
    setzePunkte(knopf, 20);
    setzePunkte(&fenster, 17);

    strecker.Strecken(client.width(), client.height());
    QCOMPARE(knopf->geometry(), QRect(1, 1, 40, 10));
    QCOMPARE(knopf->font().pointSize(), 20);
    QCOMPARE(fenster.font().pointSize(), 17);
}

void TstStretch::groesseOhneFlaecheTutNichts_data()
{
    QTest::addColumn<QSize>("entwurf");
    QTest::addColumn<QSize>("aufruf");

    QTest::newRow("Fenster auf 0 × 0 minimiert") << QSize(200, 100) << QSize(0, 0);
    QTest::newRow("negative Höhe") << QSize(200, 100) << QSize(200, -5);
    QTest::newRow("Fenster ohne Fläche beim Anlegen") << QSize(0, 0) << QSize(300, 150);
}

void TstStretch::groesseOhneFlaecheTutNichts()
{
    QFETCH(QSize, entwurf);
    QFETCH(QSize, aufruf);

    QWidget fenster;
    entwerfe(fenster);
    fenster.resize(entwurf);
    QCOMPARE(fenster.size(), entwurf);
    auto* knopf = new QPushButton(QStringLiteral("Weiter"), &fenster);
    knopf->setGeometry(10, 20, 100, 24);
    setzePunkte(knopf, 8);

    TStrecker strecker(&fenster);
    strecker.Strecken(aufruf.width(), aufruf.height());

    QCOMPARE(strecker.Faktor(), 1.0);
    QCOMPARE(knopf->geometry(), QRect(10, 20, 100, 24));
    QCOMPARE(knopf->font().pointSize(), 8);
    QCOMPARE(fenster.font().pointSize(), 10);
}

void TstStretch::geloeschtesControlWirdUebersprungen()
{
    QWidget fenster;
    entwerfe(fenster);
    auto* weg = new QPushButton(QStringLiteral("Angebot"), &fenster);
    weg->setGeometry(10, 20, 100, 24);
    auto* bleibt = new QPushButton(QStringLiteral("Beenden"), &fenster);
    bleibt->setGeometry(10, 50, 100, 24);

    TStrecker strecker(&fenster);
    delete weg;
    strecker.Strecken(300, 150);

    QCOMPARE(strecker.Elemente().front().Control(), nullptr);
    QCOMPARE(bleibt->geometry(), QRect(15, 75, 150, 36));
}

QTEST_MAIN(TstStretch)
#include "tst_stretch.moc"
