// The main window's pages at the sizes an adviser's screen gives them, on a
// screen of 1280 × 1024: the offer page's sentence is read without scrolling,
// the customer name's label stays clear of its group's frame, a stored size
// opens inside the screen.
#include "Druckgruppe.h"
#include "Haushaltsrechnung.h"
#include "Ortavo_Dialog.h"
#include "Stretch.h"
#include "TestProgramm.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollBar>
#include <QTemporaryFile>

#include <map>
#include <random>

using namespace Fermalin;
using namespace Qt::StringLiterals;

namespace {

// The longest sentence of each case of the offer page's split, over many
// households: the amounts in them make them longer or shorter.
QStringList laengsteSaetze()
{
    std::mt19937 z(4711);
    const auto bis = [&z](int n) { return static_cast<int>(z() % static_cast<unsigned>(n)); };
    std::map<QString, QString> laengste;
    for (int i = 0; i < 20000; ++i) {
        TEingaben e;
        e.Verheiratet = bis(3) > 0;
        e.Doppelverdiener = e.Verheiratet && bis(2) == 0;
        e.Einkommen1 = bis(4) == 0 ? 52000 + bis(30000) : bis(999999) / (1 + bis(10));
        e.Einkommen2 = bis(4) == 0 ? 52000 + bis(30000) : bis(70000);
        e.Kinderzahl = bis(10);
        for (int k = 0; k < MaxKinder; ++k) {
            e.KindGebJahr[static_cast<size_t>(k)] = 1990 + bis(20);
            e.KindPerson[static_cast<size_t>(k)] = 1 + bis(2);
        }
        e.MinBeitrag = bis(3) == 0;
        e.TarMindBtr = bis(2) == 0;
        e.BeitragsPosition = bis(51);
        e.Verteilung = bis(51);
        const QString satz = Rechnen(e, 0).Angebotsaufteilung.Info;
        QString fall = satz.left(40);
        static const QRegularExpression ziffern(u"[0-9.]+"_s);
        fall.replace(ziffern, u"#"_s);
        if (satz.size() > laengste[fall].size())
            laengste[fall] = satz;
    }
    QStringList saetze;
    for (const auto& [fall, satz] : laengste)
        saetze << satz;
    return saetze;
}

void aufGroesse(THauptformular& f, double faktor)
{
    f.show();
    if (faktor < 0)
        f.showMaximized();
    else
        f.resize(static_cast<int>(f.StartBreite * faktor), static_cast<int>(f.StartHoehe * faktor));
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    QCoreApplication::processEvents();
}

} // namespace

class TstSeitengroessen : public QObject
{
    Q_OBJECT
private slots:
    void erklaerenderSatzOhneBildlauf_data();
    void erklaerenderSatzOhneBildlauf();
    void kundennameFreiVomRahmen_data();
    void kundennameFreiVomRahmen();
    void gespeicherteGroesseAufDemBildschirm();
};

void TstSeitengroessen::erklaerenderSatzOhneBildlauf_data()
{
    QTest::addColumn<double>("faktor"); // below 0: maximised
    QTest::newRow("Entwurfsgröße") << 1.0;
    QTest::newRow("ein Achtel größer") << 1.125;
    QTest::newRow("ein Viertel größer") << 1.25;
    QTest::newRow("anderthalbfach") << 1.5;
    QTest::newRow("maximiert") << -1.0;
}

void TstSeitengroessen::erklaerenderSatzOhneBildlauf()
{
    QFETCH(double, faktor);
    static const QStringList saetze = laengsteSaetze();
    QVERIFY(saetze.size() >= 18);
    TProgramm p;
    p.args = {u"k"_s};
    auto f = p.fenster();
    aufGroesse(*f, faktor);
    f->SeiteZeigen(THauptformular::TSeite::Angebot);
    auto* memo = element<QPlainTextEdit>(*f, "Memo_Info");
    // the text keeps a distance from the box's white left edge
    QVERIFY(memo->viewport()->x() >= 4);
    QCOMPARE(memo->palette().color(QPalette::Window), memo->palette().color(QPalette::Base));
    QVERIFY(memo->autoFillBackground());
    for (const QString& satz : saetze) {
        memo->setPlainText(satz);
        QCoreApplication::processEvents();
        QVERIFY2(memo->verticalScrollBar()->maximum() == 0,
                 qPrintable(u"Faktor %1: %2"_s.arg(f->Strecker()->Faktor()).arg(satz)));
    }
    f->BeendenBestaetigt = true;
}

void TstSeitengroessen::kundennameFreiVomRahmen_data()
{
    QTest::addColumn<double>("faktor");
    QTest::newRow("Entwurfsgröße") << 1.0;
    QTest::newRow("anderthalbfach") << 1.5;
}

// The label's text begins below the frame line of "Drucken" and ends above the
// name's field.
void TstSeitengroessen::kundennameFreiVomRahmen()
{
    QFETCH(double, faktor);
    TProgramm p;
    auto f = p.fenster();
    aufGroesse(*f, faktor);
    auto* gruppe = element<QGroupBox>(*f, "GroupBox_Drucken");
    const QImage bild = gruppe->grab().toImage();
    const QRect label = element(*f, "Label_Kundenname")->geometry();
    const QRect feld = element(*f, "Edit_Druck_Name")->geometry();
    // The frame's top line: the first row that, right of the label, is not
    // the background of the group's first row.
    const auto anders = [&](int x, int y, QRgb grund) {
        const QRgb p = bild.pixel(x, y);
        return std::abs(qRed(p) - qRed(grund)) + std::abs(qGreen(p) - qGreen(grund)) +
                   std::abs(qBlue(p) - qBlue(grund)) >
               30;
    };
    const QRgb grund = bild.pixel(bild.width() * 9 / 10, 0);
    int linie = -1;
    for (int y = 0; y < bild.height() && linie < 0; ++y) {
        bool ganz = true;
        for (int x = label.right() + 10; x < bild.width() - 10; ++x)
            ganz = ganz && anders(x, y, grund);
        if (ganz)
            linie = y;
    }
    QVERIFY(linie > 0);
    // The label's text: its first row with ink, below the line.
    int schrift = -1;
    for (int y = linie + 1; y <= label.bottom() && schrift < 0; ++y)
        for (int x = label.left(); x <= label.right() && schrift < 0; ++x)
            if (anders(x, y, bild.pixel(label.right() + 5, y)))
                schrift = y;
    QVERIFY2(label.top() > linie && schrift >= linie + 3,
             qPrintable(u"Linie %1, Beschriftung ab %2, Schrift ab %3"_s.arg(linie)
                            .arg(label.top())
                            .arg(schrift)));
    QVERIFY(label.bottom() < feld.top());
    f->BeendenBestaetigt = true;
}

// The size the program stored itself on this screen, 1000 × 867: at the design
// place 514, 300 it would run off the screen.
void TstSeitengroessen::gespeicherteGroesseAufDemBildschirm()
{
    TProgramm p;
    p.iniSchreiben("[Daten]\r\nBreite=1000\r\nHoehe=867\r\n");
    auto f = p.fenster();
    f->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.get()));
    const QRect bereich = f->screen()->availableGeometry();
    QCOMPARE(bereich.size(), QSize(1280, 1024));
    QCOMPARE(f->size(), QSize(1000, 867));
    QVERIFY2(bereich.contains(f->frameGeometry()),
             qPrintable(u"%1,%2 %3x%4"_s.arg(f->frameGeometry().x())
                            .arg(f->frameGeometry().y())
                            .arg(f->frameGeometry().width())
                            .arg(f->frameGeometry().height())));
    f->BeendenBestaetigt = true;
}

int main(int argc, char** argv)
{
    // An offscreen screen of the size the layouts are checked at.
    QTemporaryFile bildschirm;
    if (!bildschirm.open())
        return 2;
    bildschirm.write(R"({"screens": [{"name": "Bildschirm", "x": 0, "y": 0, "width": 1280,
                         "height": 1024, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    bildschirm.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + bildschirm.fileName().toLocal8Bit());
    QApplication app(argc, argv);
    TstSeitengroessen test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_seitengroessen.moc"
