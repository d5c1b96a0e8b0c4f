#include "ColorButton.h"
#include "Schieberegler.h"
#include "Schrift.h"
#include "Seitenreiter.h"
#include "SpinEdit.h"
#include "Stretch.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QSignalSpy>
#include <QStyleOptionSpinBox>
#include <QTabBar>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <QTimer>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <functional>
#include <memory>

using namespace Fermalin;

namespace {

const QColor Fensterfarbe(199, 212, 236);

// A slider as the input page has it: 0 to 50, ticks every 2.
std::unique_ptr<TSchieberegler> NeuerRegler(int breite = 261, int hoehe = 33)
{
    auto regler = std::make_unique<TSchieberegler>();
    regler->setRange(0, 50);
    regler->resize(breite, hoehe);
    QPalette pal = regler->palette();
    pal.setColor(QPalette::Window, Fensterfarbe);
    regler->setPalette(pal);
    return regler;
}

// Counts the paint events a widget gets.
class TMalzaehler : public QObject
{
public:
    int anzahl = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++anzahl;
        return false;
    }
};

bool IstDunkel(QRgb farbe)
{
    return qGray(farbe) < 100;
}

// Box around the dark (text) pixels within a region; empty when there are none.
QRect DunklePixel(const QImage& bild, const QRect& bereich)
{
    QRect box;
    for (int y = bereich.top(); y <= bereich.bottom(); ++y)
        for (int x = bereich.left(); x <= bereich.right(); ++x)
            if (IstDunkel(bild.pixel(x, y)))
                box |= QRect(x, y, 1, 1);
    return box;
}

QImage Bild(QWidget& w)
{
    return w.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace

class TstBedienelemente : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void schieberegler_WertAusCodeMeldet_data();
    void schieberegler_WertAusCodeMeldet();
    void schieberegler_SelEnd();
    void schieberegler_Daumenlaenge();
    void schieberegler_DaumenZiehen_data();
    void schieberegler_DaumenZiehen();
    void schieberegler_KlickNebenDaumenBlaettert();
    void schieberegler_Tastatur_data();
    void schieberegler_Tastatur();
    void schieberegler_Zeichnung_data();
    void schieberegler_Zeichnung();

    void spinEdit_TippenWirdIgnoriert_data();
    void spinEdit_TippenWirdIgnoriert();
    void spinEdit_Tasten_data();
    void spinEdit_Tasten();
    void spinEdit_PfeilknopfUndCode();

    void seitenreiter_VerborgeneSeite_data();
    void seitenreiter_VerborgeneSeite();
    void seitenreiter_VerbergenDerAktivenSeite();
    void seitenreiter_BeschriftungMitLeerzeichen();
    void seitenreiter_Zeichnung();
    void seitenreiter_KeinTabFokus();

    void bilder();
};

void TstBedienelemente::initTestCase()
{
    QApplication::setApplicationDisplayName(QStringLiteral("Fermalin"));
    QApplication::setFont(ProgrammSchrift(13));
}

// ---------------------------------------------------------------------------
// TSchieberegler

void TstBedienelemente::schieberegler_WertAusCodeMeldet_data()
{
    QTest::addColumn<int>("vorher");
    QTest::addColumn<int>("gesetzt");
    QTest::addColumn<QList<int>>("meldungen");

    QTest::newRow("a new value from code is reported once") << 10 << 24 << QList<int>{24};
    QTest::newRow("the same value again is no change") << 10 << 10 << QList<int>{};
    QTest::newRow("a value above the range is reported as the maximum")
        << 10 << 80 << QList<int>{50};
    QTest::newRow("a value below the range is reported as the minimum")
        << 10 << -3 << QList<int>{0};
}

void TstBedienelemente::schieberegler_WertAusCodeMeldet()
{
    QFETCH(int, vorher);
    QFETCH(int, gesetzt);
    QFETCH(QList<int>, meldungen);

    auto regler = NeuerRegler();
    regler->setValue(vorher);
    QSignalSpy spy(regler.get(), &QSlider::valueChanged);
    regler->setValue(gesetzt);
    QList<int> gemeldet;
    for (const auto& args : spy)
        gemeldet.append(args.at(0).toInt());
    QCOMPARE(gemeldet, meldungen);

    // a handler that sets the slider again runs at once, nested inside the first
    auto* r = regler.get();
    QList<int> folge;
    connect(r, &QSlider::valueChanged, r, [r, &folge](int w) {
        folge.append(w);
        if (w < 5)
            r->setValue(5);
    });
    r->setValue(2);
    QCOMPARE(folge, (QList<int>{2, 5}));
    QCOMPARE(r->value(), 5);
}

void TstBedienelemente::schieberegler_SelEnd()
{
    auto regler = NeuerRegler();
    QCOMPARE(regler->SelStart(), 0);
    QCOMPARE(regler->SelEnd(), 0);
    regler->setValue(0);

    const QRect rinne = regler->Rinne();
    const int y = rinne.center().y();
    const int xBand = regler->PixelVonWert(30);
    const QColor band = regler->palette().color(QPalette::Highlight);
    QVERIFY(QColor(Bild(*regler).pixel(xBand, y)) != band);

    regler->show();
    QVERIFY(QTest::qWaitForWindowExposed(regler.get()));
    TMalzaehler zaehler;
    regler->installEventFilter(&zaehler);
    QTest::qWait(20);
    zaehler.anzahl = 0;
    regler->setSelEnd(38);
    QCOMPARE(regler->SelEnd(), 38);
    QCOMPARE(regler->property("SelEnd").toInt(), 38);
    // the change schedules a repaint by itself
    QTRY_VERIFY(zaehler.anzahl > 0);
    zaehler.anzahl = 0;
    regler->setSelEnd(38);
    QTest::qWait(20);
    QCOMPARE(zaehler.anzahl, 0);
    QImage nachher = Bild(*regler);
    QCOMPARE(QColor(nachher.pixel(xBand, y)), band);
    QVERIFY(QColor(nachher.pixel(regler->PixelVonWert(44), y)) != band);

    // stored as given, drawn up to the end of the range
    regler->setSelEnd(70);
    QCOMPARE(regler->SelEnd(), 70);
    nachher = Bild(*regler);
    QCOMPARE(QColor(nachher.pixel(regler->PixelVonWert(48), y)), band);

    // a selection that does not start at 0
    regler->setSelStart(20);
    regler->setSelEnd(30);
    nachher = Bild(*regler);
    QVERIFY(QColor(nachher.pixel(regler->PixelVonWert(14), y)) != band);
    QCOMPARE(QColor(nachher.pixel(regler->PixelVonWert(25), y)), band);
}

void TstBedienelemente::schieberegler_Daumenlaenge()
{
    auto regler = NeuerRegler();
    QCOMPARE(regler->Daumenlaenge(), 16);
    QCOMPARE(regler->Daumen().height(), 16);
    regler->setDaumenlaenge(24);
    QCOMPARE(regler->Daumenlaenge(), 24);
    QCOMPARE(regler->Daumen().height(), 24);
    QVERIFY(regler->Daumen().width() < 24);

    // the stretcher scales the thumb with the window
    QWidget fenster;
    fenster.resize(400, 300);
    auto* r = new TSchieberegler(&fenster);
    r->setRange(0, 50);
    r->setGeometry(20, 20, 261, 33);
    TStrecker strecker(&fenster);
    strecker.Strecken(600, 450);
    QCOMPARE(r->Daumenlaenge(), 24);
    QCOMPARE(r->size(), QSize(392, 50));
    strecker.Strecken(400, 300);
    QCOMPARE(r->Daumenlaenge(), 16);
}

void TstBedienelemente::schieberegler_DaumenZiehen_data()
{
    QTest::addColumn<int>("laenge");
    QTest::addColumn<int>("wert");
    QTest::addColumn<int>("ziel");

    QTest::newRow("the thumb at the left end is dragged to the middle") << 16 << 0 << 25;
    QTest::newRow("a thumb in the middle is dragged to the right end") << 16 << 25 << 50;
    QTest::newRow("a long thumb is dragged leftward") << 24 << 40 << 7;
    QTest::newRow("a dragged thumb stops at the end of the range") << 16 << 45 << 50;
}

void TstBedienelemente::schieberegler_DaumenZiehen()
{
    QFETCH(int, laenge);
    QFETCH(int, wert);
    QFETCH(int, ziel);

    auto regler = NeuerRegler();
    regler->setDaumenlaenge(laenge);
    regler->setValue(wert);
    regler->show();
    QVERIFY(QTest::qWaitForWindowExposed(regler.get()));
    QSignalSpy spy(regler.get(), &QSlider::valueChanged);

    // grip near the thumb's top edge, where only the drawn thumb is
    const QRect daumen = regler->Daumen();
    const QPoint griff(daumen.right() - 1, daumen.top() + 1);
    QTest::mousePress(regler.get(), Qt::LeftButton, {}, griff);
    QVERIFY(regler->isSliderDown());
    QCOMPARE(regler->value(), wert);

    // beyond the end the value stays at the end
    const int dx = regler->PixelVonWert(ziel) - regler->PixelVonWert(wert) +
                   (ziel == regler->maximum() ? 30 : 0);
    QTest::mouseMove(regler.get(), griff + QPoint(dx, 3));
    QCOMPARE(regler->value(), ziel);
    QCOMPARE(regler->Daumen().center().x(), regler->PixelVonWert(ziel));
    QVERIFY(!spy.isEmpty());
    QCOMPARE(spy.last().at(0).toInt(), ziel);

    QTest::mouseRelease(regler.get(), Qt::LeftButton, {}, griff + QPoint(dx, 3));
    QVERIFY(!regler->isSliderDown());
    QCOMPARE(regler->value(), ziel);

    // a press outside the drawn thumb does not grab it
    const QRect weg = regler->Daumen();
    QTest::mousePress(regler.get(), Qt::LeftButton, {}, QPoint(weg.center().x(), weg.top() - 2));
    QVERIFY(!regler->isSliderDown());
    QTest::mouseRelease(regler.get(), Qt::LeftButton, {}, QPoint(weg.center().x(), weg.top() - 2));
}

void TstBedienelemente::schieberegler_KlickNebenDaumenBlaettert()
{
    auto regler = NeuerRegler();
    regler->setValue(10);
    regler->show();
    QVERIFY(QTest::qWaitForWindowExposed(regler.get()));

    const QPoint ziel(regler->PixelVonWert(21), regler->height() / 2);
    QTest::mousePress(regler.get(), Qt::LeftButton, {}, ziel);
    QVERIFY(!regler->isSliderDown());
    QCOMPARE(regler->value(), 10 + regler->pageStep());
    // held down, it goes on paging until the thumb is under the mouse, then stops
    QTRY_VERIFY_WITH_TIMEOUT(regler->Daumen().right() >= ziel.x(), 3000);
    const int angekommen = regler->value();
    QVERIFY(angekommen >= 20 && angekommen <= 22);
    QTest::qWait(300);
    QCOMPARE(regler->value(), angekommen);
    QTest::mouseRelease(regler.get(), Qt::LeftButton, {}, ziel);

    // to the left as well
    const QPoint links(regler->PixelVonWert(3), regler->height() / 2);
    QTest::mousePress(regler.get(), Qt::LeftButton, {}, links);
    QCOMPARE(regler->value(), angekommen - regler->pageStep());
    QTest::mouseRelease(regler.get(), Qt::LeftButton, {}, links);
    QTest::qWait(700);
    // released before the repeat: one page only
    QCOMPARE(regler->value(), angekommen - regler->pageStep());
}

void TstBedienelemente::schieberegler_Tastatur_data()
{
    QTest::addColumn<int>("wert");
    QTest::addColumn<int>("taste");
    QTest::addColumn<int>("erwartet");

    QTest::newRow("Right goes one step up") << 10 << int(Qt::Key_Right) << 11;
    QTest::newRow("Left goes one step down") << 10 << int(Qt::Key_Left) << 9;
    QTest::newRow("PageUp goes one page of two up") << 10 << int(Qt::Key_PageUp) << 12;
    QTest::newRow("End goes to the maximum") << 10 << int(Qt::Key_End) << 50;
    QTest::newRow("Home goes to the minimum") << 10 << int(Qt::Key_Home) << 0;
    QTest::newRow("Left at the minimum stays there") << 0 << int(Qt::Key_Left) << 0;
}

void TstBedienelemente::schieberegler_Tastatur()
{
    QFETCH(int, wert);
    QFETCH(int, taste);
    QFETCH(int, erwartet);

    auto regler = NeuerRegler();
    regler->setValue(wert);
    QSignalSpy spy(regler.get(), &QSlider::valueChanged);
    QTest::keyClick(regler.get(), Qt::Key(taste));
    QCOMPARE(regler->value(), erwartet);
    QCOMPARE(spy.count(), erwartet == wert ? 0 : 1);
}

void TstBedienelemente::schieberegler_Zeichnung_data()
{
    QTest::addColumn<int>("laenge");
    QTest::addColumn<QSize>("groesse");

    QTest::newRow("as laid out, thumb 16") << 16 << QSize(261, 33);
    QTest::newRow("as laid out, thumb 24") << 24 << QSize(261, 33);
    QTest::newRow("stretched by one and a half, thumb 24") << 24 << QSize(392, 50);
}

void TstBedienelemente::schieberegler_Zeichnung()
{
    QFETCH(int, laenge);
    QFETCH(QSize, groesse);

    auto regler = NeuerRegler(groesse.width(), groesse.height());
    regler->setDaumenlaenge(laenge);
    regler->setValue(20);
    regler->setSelEnd(30);
    const QImage bild = Bild(*regler);

    // the thumb where it is said to be, inside the widget
    const QRect daumen = regler->Daumen();
    QVERIFY(regler->rect().contains(daumen));
    QCOMPARE(QColor(bild.pixel(daumen.center())), regler->palette().color(QPalette::Button));

    const QList<int> striche = regler->Teilstriche();
    QCOMPARE(striche.size(), 26);
    QCOMPARE(striche.first(), 0);
    QCOMPARE(striche.at(1), 2);
    QCOMPARE(striche.last(), 50);

    for (const QRect& bereich : {regler->StrichbereichOben(), regler->StrichbereichUnten()}) {
        QVERIFY(!bereich.isEmpty());
        QVERIFY(regler->rect().contains(bereich));
        QVERIFY(!bereich.intersects(daumen));
        const int y = bereich.center().y();
        // a tick at every second position, nothing at the odd ones
        for (int w : {0, 2, 10, 48, 50})
            QVERIFY2(IstDunkel(bild.pixel(regler->PixelVonWert(w), y)),
                     qPrintable(QString::number(w)));
        for (int w : {1, 9, 47})
            QVERIFY2(!IstDunkel(bild.pixel(regler->PixelVonWert(w), y)),
                     qPrintable(QString::number(w)));
        // the selection end's mark reaches beyond its tick, outward on the far row
        const bool oben = bereich.bottom() < daumen.top();
        const int ferneZeile = oben ? bereich.top() : bereich.bottom();
        const int xEnde = regler->PixelVonWert(30);
        QVERIFY(IstDunkel(bild.pixel(xEnde + 1, ferneZeile)));
        QVERIFY(!IstDunkel(bild.pixel(xEnde - 1, ferneZeile)));
        const int xAnfang = regler->PixelVonWert(0);
        QVERIFY(IstDunkel(bild.pixel(xAnfang - 1, ferneZeile)));
    }

    // the band lies inside the groove, and the thumb sits on the groove
    const QRect rinne = regler->Rinne();
    QVERIFY(daumen.top() < rinne.top() && daumen.bottom() > rinne.bottom());
    QCOMPARE(QColor(bild.pixel(regler->PixelVonWert(26), rinne.center().y())),
             regler->palette().color(QPalette::Highlight));
    QVERIFY(QColor(bild.pixel(regler->PixelVonWert(26), rinne.top())) !=
            regler->palette().color(QPalette::Highlight));
}

// ---------------------------------------------------------------------------
// TSpinEdit

void TstBedienelemente::spinEdit_TippenWirdIgnoriert_data()
{
    QTest::addColumn<QString>("eingabe");
    QTest::addColumn<bool>("allesMarkieren");

    QTest::newRow("a digit typed after the number") << QStringLiteral("5") << false;
    QTest::newRow("a digit typed over the selected number") << QStringLiteral("7") << true;
    QTest::newRow("backspace on the number") << QStringLiteral("\b") << false;
    QTest::newRow("a pasted digit") << QString() << true;
    QTest::newRow("Enter alone is no change either") << QStringLiteral("\r") << false;
}

void TstBedienelemente::spinEdit_TippenWirdIgnoriert()
{
    QFETCH(QString, eingabe);
    QFETCH(bool, allesMarkieren);

    TSpinEdit spin;
    spin.setValue(3);
    spin.show();
    QVERIFY(QTest::qWaitForWindowExposed(&spin));
    QSignalSpy spy(&spin, &QSpinBox::valueChanged);
    if (allesMarkieren)
        spin.selectAll();
    if (eingabe.isNull()) {
        QApplication::clipboard()->setText(QStringLiteral("8"));
        QTest::keySequence(&spin, QKeySequence::Paste);
    } else if (eingabe == QStringLiteral("\r")) {
        // the Return below
    } else if (eingabe == QStringLiteral("\b")) {
        QTest::keyClick(&spin, Qt::Key_End);
        QTest::keyClick(&spin, Qt::Key_Backspace);
    } else {
        QTest::keyClicks(&spin, eingabe);
    }
    QTest::keyClick(&spin, Qt::Key_Return);
    spin.clearFocus();
    QCOMPARE(spin.value(), 3);
    QCOMPARE(spin.text(), QStringLiteral("3"));
    QCOMPARE(spy.count(), 0);
}

void TstBedienelemente::spinEdit_Tasten_data()
{
    QTest::addColumn<int>("wert");
    QTest::addColumn<int>("taste");
    QTest::addColumn<int>("erwartet");

    QTest::newRow("Up adds one") << 0 << int(Qt::Key_Up) << 1;
    QTest::newRow("Down takes one away") << 5 << int(Qt::Key_Down) << 4;
    QTest::newRow("PageUp stops at nine") << 2 << int(Qt::Key_PageUp) << 9;
    QTest::newRow("PageDown stops at zero") << 6 << int(Qt::Key_PageDown) << 0;
    QTest::newRow("Up at nine stays at nine") << 9 << int(Qt::Key_Up) << 9;
    QTest::newRow("Down at zero stays at zero") << 0 << int(Qt::Key_Down) << 0;
}

void TstBedienelemente::spinEdit_Tasten()
{
    QFETCH(int, wert);
    QFETCH(int, taste);
    QFETCH(int, erwartet);

    TSpinEdit spin;
    spin.setValue(wert);
    QSignalSpy spy(&spin, &QSpinBox::valueChanged);
    QTest::keyClick(&spin, Qt::Key(taste));
    QCOMPARE(spin.value(), erwartet);
    QCOMPARE(spin.text(), QString::number(erwartet));
    QCOMPARE(spy.count(), erwartet == wert ? 0 : 1);
    if (!spy.isEmpty())
        QCOMPARE(spy.first().at(0).toInt(), erwartet);
}

void TstBedienelemente::spinEdit_PfeilknopfUndCode()
{
    TSpinEdit spin;
    QCOMPARE(spin.minimum(), 0);
    QCOMPARE(spin.maximum(), 9);
    QCOMPARE(spin.value(), 0);
    spin.resize(42, 26);
    spin.show();
    QVERIFY(QTest::qWaitForWindowExposed(&spin));
    QSignalSpy spy(&spin, &QSpinBox::valueChanged);

    QStyleOptionSpinBox opt;
    opt.initFrom(&spin);
    opt.rect = spin.rect();
    opt.subControls = QStyle::SC_SpinBoxUp | QStyle::SC_SpinBoxDown | QStyle::SC_SpinBoxFrame |
                      QStyle::SC_SpinBoxEditField;
    opt.stepEnabled = QAbstractSpinBox::StepUpEnabled | QAbstractSpinBox::StepDownEnabled;
    opt.buttonSymbols = spin.buttonSymbols();
    opt.frame = spin.hasFrame();
    const QRect hoch =
        spin.style()->subControlRect(QStyle::CC_SpinBox, &opt, QStyle::SC_SpinBoxUp, &spin);
    QVERIFY(!hoch.isEmpty());
    QTest::mouseClick(&spin, Qt::LeftButton, {}, hoch.center());
    QCOMPARE(spin.value(), 1);
    QCOMPARE(spy.count(), 1);

    // from code as well
    spin.setValue(4);
    QCOMPARE(spy.count(), 2);
    QCOMPARE(spy.last().at(0).toInt(), 4);
    spin.setValue(12);
    QCOMPARE(spin.value(), 9);
    QCOMPARE(spy.last().at(0).toInt(), 9);

    // the wheel is not an arrow
    const QPoint mitte = spin.rect().center();
    QWheelEvent rad(mitte, spin.mapToGlobal(mitte), QPoint(), QPoint(0, 120), Qt::NoButton,
                    Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&spin, &rad);
    QCOMPARE(spin.value(), 9);
    spin.setValue(5);
    QWheelEvent rad2(mitte, spin.mapToGlobal(mitte), QPoint(), QPoint(0, -120), Qt::NoButton,
                     Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&spin, &rad2);
    QCOMPARE(spin.value(), 5);
}

// ---------------------------------------------------------------------------
// TSeitenreiter

namespace {

struct TSeiten
{
    QWidget fenster;
    TSeitenreiter* reiter;
    QLineEdit* felder[3];

    TSeiten()
    {
        fenster.setFont(ProgrammSchrift(13));
        auto* layout = new QVBoxLayout(&fenster);
        reiter = new TSeitenreiter;
        layout->addWidget(reiter);
        const QString titel[3] = {QStringLiteral("Ermittlung der Zulagen und Eigenbeiträge  "),
                                  QStringLiteral("Grafische Darstellung"),
                                  QStringLiteral("Angebotsberechnung  ")};
        for (int i = 0; i < 3; ++i) {
            auto* seite = new QWidget;
            felder[i] = new QLineEdit(seite);
            reiter->addTab(seite, titel[i]);
        }
        fenster.resize(686, 200);
    }
};

} // namespace

void TstBedienelemente::seitenreiter_VerborgeneSeite_data()
{
    QTest::addColumn<QString>("weg");
    QTest::addColumn<int>("erwartet");

    QTest::newRow("Weiter on the last shown page wraps to the first")
        << QStringLiteral("Weiter") << 0;
    QTest::newRow("Ctrl+Tab skips the hidden page") << QStringLiteral("Strg+Tab") << 0;
    QTest::newRow("the arrow key on the tab bar does not reach the hidden page")
        << QStringLiteral("Pfeil") << 1;
    QTest::newRow("the wheel on the tab bar does not reach the hidden page")
        << QStringLiteral("Rad") << 1;
    QTest::newRow("a click right of the last shown tab reaches nothing")
        << QStringLiteral("Klick") << 1;
}

void TstBedienelemente::seitenreiter_VerborgeneSeite()
{
    QFETCH(QString, weg);
    QFETCH(int, erwartet);

    TSeiten s;
    s.reiter->SeiteVerbergen(2);
    s.fenster.show();
    QVERIFY(QTest::qWaitForWindowExposed(&s.fenster));
    s.reiter->setCurrentIndex(1);
    QVERIFY(!s.reiter->isTabVisible(2));

    if (weg == QStringLiteral("Weiter")) {
        s.reiter->NaechsteSeiteWaehlen();
    } else if (weg == QStringLiteral("Strg+Tab")) {
        s.felder[1]->setFocus();
        QTest::keyClick(s.felder[1], Qt::Key_Tab, Qt::ControlModifier);
    } else if (weg == QStringLiteral("Pfeil")) {
        s.reiter->tabBar()->setFocus();
        QTest::keyClick(s.reiter->tabBar(), Qt::Key_Right);
    } else if (weg == QStringLiteral("Rad")) {
        QTabBar* leiste = s.reiter->tabBar();
        const QPoint mitte = leiste->tabRect(1).center();
        QWheelEvent rad(mitte, leiste->mapToGlobal(mitte), QPoint(), QPoint(0, -120), Qt::NoButton,
                        Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(leiste, &rad);
        // the other way it still works
        QCOMPARE(s.reiter->currentIndex(), 1);
        QWheelEvent zurueck(mitte, leiste->mapToGlobal(mitte), QPoint(), QPoint(0, 120),
                            Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(leiste, &zurueck);
        QCOMPARE(s.reiter->currentIndex(), 0);
        s.reiter->setCurrentIndex(1);
    } else {
        QTabBar* leiste = s.reiter->tabBar();
        const QRect letzte = leiste->tabRect(1);
        const QPoint daneben(letzte.right() + 20, letzte.center().y());
        QCOMPARE(leiste->tabAt(daneben), -1);
        QTest::mouseClick(leiste, Qt::LeftButton, {}, daneben);
    }
    QCOMPARE(s.reiter->currentIndex(), erwartet);

    // backward as well
    s.reiter->setCurrentIndex(0);
    s.reiter->NaechsteSeiteWaehlen(false);
    QCOMPARE(s.reiter->currentIndex(), 1);
}

void TstBedienelemente::seitenreiter_VerbergenDerAktivenSeite()
{
    TSeiten s;
    s.reiter->setCurrentIndex(2);
    QSignalSpy spy(s.reiter, &QTabWidget::currentChanged);
    // QTabBar alone would fall back to the chart page; the input page is meant
    s.reiter->SeiteVerbergen(2);
    QCOMPARE(s.reiter->currentIndex(), 0);
    QVERIFY(!spy.isEmpty());
    QCOMPARE(spy.last().at(0).toInt(), 0);

    s.reiter->SeiteZeigen(2);
    QVERIFY(s.reiter->isTabVisible(2));
    s.reiter->setCurrentIndex(1);
    s.reiter->NaechsteSeiteWaehlen();
    QCOMPARE(s.reiter->currentIndex(), 2);
    s.reiter->NaechsteSeiteWaehlen();
    QCOMPARE(s.reiter->currentIndex(), 0);
}

void TstBedienelemente::seitenreiter_BeschriftungMitLeerzeichen()
{
    TSeiten s;
    s.fenster.show();
    QVERIFY(QTest::qWaitForWindowExposed(&s.fenster));
    const QString angebot = QStringLiteral("Angebotsberechnung  ");
    QCOMPARE(s.reiter->tabText(2), angebot);
    QCOMPARE(s.reiter->tabText(0), QStringLiteral("Ermittlung der Zulagen und Eigenbeiträge  "));

    QFont regulaer = s.reiter->tabBar()->font();
    regulaer.setBold(false);
    const QFontMetrics fm(regulaer);
    QTabBar* leiste = s.reiter->tabBar();
    for (int i = 0; i < 3; ++i) {
        const int textbreite = fm.horizontalAdvance(s.reiter->tabText(i));
        QVERIFY2(leiste->tabRect(i).width() >= 4 + textbreite, qPrintable(s.reiter->tabText(i)));
    }
    // the blanks make the tab wider than the bare word would
    const int mitBlanks = leiste->tabRect(2).width();
    s.reiter->setTabText(2, angebot.trimmed());
    QCOMPARE(mitBlanks - leiste->tabRect(2).width(),
             fm.horizontalAdvance(angebot) - fm.horizontalAdvance(angebot.trimmed()));
}

void TstBedienelemente::seitenreiter_Zeichnung()
{
    TSeiten s;
    // even in a bold window font the captions are regular
    QFont fett = ProgrammSchrift(13, true);
    s.reiter->setFont(fett);
    s.fenster.show();
    QVERIFY(QTest::qWaitForWindowExposed(&s.fenster));
    QTabBar* leiste = s.reiter->tabBar();
    QCOMPARE(s.reiter->Fensterfarbe(), Fensterfarbe);

    s.reiter->setCurrentIndex(0);
    const QImage aktiv = Bild(*leiste);
    const QRect r = leiste->tabRect(1);
    const QRect r0 = leiste->tabRect(0);
    s.reiter->setCurrentIndex(1);
    const QImage inaktiv = Bild(*leiste);
    // tab 0 and tab 1 each look the same whether active or not
    QCOMPARE(aktiv.copy(r0), inaktiv.copy(r0));
    QCOMPARE(aktiv.copy(r), inaktiv.copy(r));

    // filled with the window colour
    QCOMPARE(QColor(aktiv.pixel(r.right() - 2, r.bottom() - 1)), Fensterfarbe);
    QCOMPARE(QColor(aktiv.pixel(r.left() + 2, r.top() + 1)), Fensterfarbe);

    // the caption as a regular font draws it at 4, 2 from the corner
    QFont regulaer = fett;
    regulaer.setBold(false);
    QImage vorlage(r.size(), QImage::Format_RGB32);
    vorlage.fill(Fensterfarbe);
    {
        QPainter p(&vorlage);
        p.setFont(regulaer);
        p.setPen(Qt::black);
        p.drawText(QPoint(4, 2 + QFontMetrics(regulaer).ascent()), s.reiter->tabText(1));
    }
    const QRect soll = DunklePixel(vorlage, vorlage.rect().adjusted(1, 1, -1, -1));
    const QRect ist = DunklePixel(aktiv, r.adjusted(1, 1, -1, -1)).translated(-r.left(), -r.top());
    QVERIFY(!soll.isEmpty());
    QCOMPARE(ist, soll);

    // a new colour is used at once
    s.reiter->setFensterfarbe(QColor(255, 255, 200));
    QCOMPARE(QColor(Bild(*leiste).pixel(r.right() - 2, r.bottom() - 1)), QColor(255, 255, 200));
}

void TstBedienelemente::seitenreiter_KeinTabFokus()
{
    QWidget fenster;
    auto* layout = new QVBoxLayout(&fenster);
    auto* vorher = new QLineEdit;
    auto* reiter = new TSeitenreiter;
    auto* seite = new QWidget;
    auto* drinnen = new QLineEdit(seite);
    reiter->addTab(seite, QStringLiteral("Grafische Darstellung"));
    auto* nachher = new QLineEdit;
    layout->addWidget(vorher);
    layout->addWidget(reiter);
    layout->addWidget(nachher);
    fenster.show();
    QVERIFY(QTest::qWaitForWindowExposed(&fenster));
    QApplication::setActiveWindow(&fenster);

    QVERIFY(!(reiter->tabBar()->focusPolicy() & Qt::TabFocus));
    QVERIFY(!(reiter->focusPolicy() & Qt::TabFocus));

    vorher->setFocus();
    QTRY_VERIFY(vorher->hasFocus());
    QTest::keyClick(vorher, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), drinnen);
    QTest::keyClick(drinnen, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), nachher);
    QTest::keyClick(nachher, Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), drinnen);
}

// ---------------------------------------------------------------------------

void TstBedienelemente::bilder()
{
    if (qEnvironmentVariableIsEmpty("FERMALIN_BILDER"))
        QSKIP("pictures only with FERMALIN_BILDER set");
    const QString ordner = QStringLiteral("/tmp/shots");
    QVERIFY(QDir().mkpath(ordner));

    struct TFall
    {
        const char* name;
        QSize groesse;
        int laenge;
    };
    for (const TFall& fall : {TFall{"schieberegler_16", QSize(261, 33), 16},
                              TFall{"schieberegler_24", QSize(261, 33), 24},
                              TFall{"schieberegler_gestreckt_24", QSize(392, 50), 24}}) {
        auto regler = NeuerRegler(fall.groesse.width(), fall.groesse.height());
        regler->setDaumenlaenge(fall.laenge);
        regler->setValue(20);
        regler->setSelEnd(30);
        QVERIFY(Bild(*regler).save(ordner + QLatin1Char('/') + QLatin1String(fall.name) +
                                   QStringLiteral(".png")));
    }

    TSeiten s;
    QPalette pal = s.fenster.palette();
    pal.setColor(QPalette::Window, Fensterfarbe);
    s.fenster.setPalette(pal);
    s.fenster.show();
    QVERIFY(QTest::qWaitForWindowExposed(&s.fenster));
    s.reiter->setCurrentIndex(1);
    QVERIFY(Bild(s.fenster).save(ordner + QStringLiteral("/seitenreiter.png")));
}

QTEST_MAIN(TstBedienelemente)
#include "tst_bedienelemente.moc"
