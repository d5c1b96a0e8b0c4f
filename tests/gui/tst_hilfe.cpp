// The help window over the German help file the build makes, and the "Hilfe"
// button of the main window.
#include "ChmDatei.h"
#include "ColorButton.h"
#include "Hilfefenster.h"
#include "Ortavo_Dialog.h"
#include "Seitenreiter.h"

#include <QFile>
#include <QImage>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>

#include <memory>

using namespace Fermalin;

namespace {

// The build puts the help file beside the program as fermalin.chm.
QString gebauteHilfe()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/../src/fermalin.chm");
}

} // namespace

class TstHilfe : public QObject
{
    Q_OBJECT
private slots:
    void init() { QVERIFY2(QFile::exists(gebauteHilfe()), "the build made no help file"); }
    void cleanup() { HtmlHilfeFreigeben(); }
    void dateiEnthaeltJedesThema();
    void keineHilfedatei();
    void angebotsthemaMindestbeitraegeImmer();
    void themaMitBildUndStil();
    void linksVorUndZurueck();
    void einFensterFuerAlles();
    void fehlendesThemaUndKaputteDatei();
    void hilfeknopfJeSeite_data();
    void hilfeknopfJeSeite();
    void platzregel_data();
    void platzregel();
    void oeffnetNebenDemFensterDasFragt();
};

void TstHilfe::dateiEnthaeltJedesThema()
{
    TChmDatei datei;
    QVERIFY(datei.oeffnen(gebauteHilfe()));
    const QList<QPair<QString, QString>> themen = {
        {QStringLiteral("/avmg/dialog1.htm"), QStringLiteral("Detailangaben zum Einkommen")},
        {QStringLiteral("/avmg/dialog2.htm"), QStringLiteral("Tortenstücke")},
        {QStringLiteral("/avmg/dialog3.htm"), QStringLiteral("Aufteilung des Eigenbeitrags")},
        {QStringLiteral("/avmg/dialog4.htm"), QStringLiteral("§ 7d AltZertG")},
    };
    for (const auto& [pfad, text] : themen) {
        const std::optional<QByteArray> seite = datei.lesen(pfad);
        QVERIFY2(seite, qPrintable(pfad));
        QVERIFY2(QString::fromUtf8(*seite).contains(text), qPrintable(pfad));
    }
    // names inside the file ignore case, as the help viewer's do
    QVERIFY(datei.lesen(QStringLiteral("/AVMG/Dialog2.HTM")));
    QVERIFY(!datei.lesen(QStringLiteral("/avmg/dialog5.htm")));
}

// The offer page applies the tariff minimums whether or not the input page's
// box is ticked; the help must not make them depend on it.
void TstHilfe::angebotsthemaMindestbeitraegeImmer()
{
    TChmDatei datei;
    QVERIFY(datei.oeffnen(gebauteHilfe()));
    const std::optional<QByteArray> seite = datei.lesen(QStringLiteral("/avmg/dialog3.htm"));
    QVERIFY(seite);
    QTextDocument dok;
    dok.setHtml(QString::fromUtf8(*seite));
    const QString text = dok.toPlainText().simplified();
    QVERIFY2(text.contains(QStringLiteral("Für das Angebot beachtet der Rechner die tariflichen "
                                          "Mindestbeiträge immer")),
             qPrintable(text));
    QVERIFY2(!text.contains(QStringLiteral("angehakt ist.")), qPrintable(text));
}

void TstHilfe::keineHilfedatei()
{
    QTemporaryDir dir;
    const QString keine = dir.filePath(QStringLiteral("keine.chm"));
    QFile f(keine);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("ITSF? nein");
    f.close();
    TChmDatei datei;
    QVERIFY(!datei.oeffnen(keine));
    QVERIFY(!datei.oeffnen(dir.filePath(QStringLiteral("fehlt.chm"))));
    QVERIFY(!datei.lesen(QStringLiteral("/avmg/dialog1.htm")));
}

void TstHilfe::themaMitBildUndStil()
{
    HtmlHilfeAnzeigen(gebauteHilfe(), QStringLiteral("/avmg/dialog2.htm"));
    THilfeFenster* f = HtmlHilfeFenster();
    QVERIFY(f);
    QVERIFY(f->isVisible());
    QCOMPARE(f->windowTitle(), QStringLiteral("Hilfe - Grafische Darstellung"));
    QCOMPARE(f->Browser->source().toString(), QStringLiteral("hilfe:/avmg/dialog2.htm"));
    QVERIFY(f->Browser->toPlainText().contains(QStringLiteral("Gesamtförderung")));
    // the picture of the page, relative to it, comes out of the help file
    const QVariant bild = f->Browser->loadResource(QTextDocument::ImageResource,
                                                   QUrl(QStringLiteral("bilder/torte.png")));
    QCOMPARE(QImage::fromData(bild.toByteArray()).size(), QSize(360, 200));
    const QVariant stil = f->Browser->loadResource(QTextDocument::StyleSheetResource,
                                                   QUrl(QStringLiteral("hilfe.css")));
    QVERIFY(stil.toString().contains(QStringLiteral("h1")));
    // the document laid out its picture
    QVERIFY(f->Browser->toHtml().contains(QStringLiteral("bilder/torte.png")));
    QVERIFY(!f->Browser->document()
                 ->resource(QTextDocument::ImageResource, QUrl(QStringLiteral("bilder/torte.png")))
                 .isNull());
    // links to the outside go to the system, not into the help window
    QVERIFY(f->Browser
                ->loadResource(QTextDocument::HtmlResource,
                               QUrl(QStringLiteral("https://example.org/")))
                .isNull());
}

void TstHilfe::linksVorUndZurueck()
{
    HtmlHilfeAnzeigen(gebauteHilfe(), QStringLiteral("/avmg/dialog2.htm"));
    THilfeFenster* f = HtmlHilfeFenster();
    QVERIFY(!f->Button_Zurueck->isEnabled());
    emit f->Browser->anchorClicked(QUrl(QStringLiteral("dialog1.htm#steuer")));
    QCOMPARE(f->Browser->source().toString(), QStringLiteral("hilfe:/avmg/dialog1.htm#steuer"));
    QCOMPARE(f->windowTitle(), QStringLiteral("Hilfe - Ermittlung der Zulagen und Eigenbeiträge"));
    QVERIFY(f->Button_Zurueck->isEnabled());
    f->Button_Zurueck->click();
    QCOMPARE(f->Browser->source().toString(), QStringLiteral("hilfe:/avmg/dialog2.htm"));
    QVERIFY(f->Button_Vor->isEnabled());
    f->Button_Vor->click();
    QCOMPARE(f->Browser->source().toString(), QStringLiteral("hilfe:/avmg/dialog1.htm#steuer"));
    QVERIFY(!f->Button_Vor->isEnabled());
}

void TstHilfe::einFensterFuerAlles()
{
    HtmlHilfeAnzeigen(gebauteHilfe(), QStringLiteral("/avmg/dialog1.htm"));
    THilfeFenster* erstes = HtmlHilfeFenster();
    erstes->close();
    HtmlHilfeAnzeigen(gebauteHilfe(), QStringLiteral("/avmg/dialog3.htm"));
    QCOMPARE(HtmlHilfeFenster(), erstes);
    QVERIFY(erstes->isVisible());
    QCOMPARE(erstes->windowTitle(), QStringLiteral("Hilfe - Angebotsberechnung"));
    HtmlHilfeFreigeben();
    QVERIFY(!HtmlHilfeFenster());
    HtmlHilfeFreigeben(); // twice is harmless
}

void TstHilfe::fehlendesThemaUndKaputteDatei()
{
    HtmlHilfeAnzeigen(gebauteHilfe(), QStringLiteral("/avmg/dialog9.htm"));
    QVERIFY(HtmlHilfeFenster()->Browser->toPlainText().contains(
        QStringLiteral("Das Thema \"/avmg/dialog9.htm\" ist in der Hilfedatei nicht enthalten.")));
    QTemporaryDir dir;
    const QString kaputt = dir.filePath(QStringLiteral("kaputt.chm"));
    QFile f(kaputt);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("nichts");
    f.close();
    HtmlHilfeAnzeigen(kaputt, QStringLiteral("/avmg/dialog1.htm"));
    QVERIFY(HtmlHilfeFenster()->Browser->toPlainText().contains(
        QStringLiteral("kann nicht gelesen werden")));
}

void TstHilfe::hilfeknopfJeSeite_data()
{
    QTest::addColumn<int>("seite");
    QTest::addColumn<QString>("thema");
    QTest::newRow("Eingabe") << 0 << QStringLiteral("hilfe:/avmg/dialog1.htm");
    QTest::newRow("Grafik") << 1 << QStringLiteral("hilfe:/avmg/dialog2.htm");
    QTest::newRow("Angebot") << 2 << QStringLiteral("hilfe:/avmg/dialog3.htm");
}

void TstHilfe::hilfeknopfJeSeite()
{
    QFETCH(int, seite);
    QTemporaryDir dir;
    TProgrammUmgebung u;
    u.ProgrammPfad = dir.filePath(QStringLiteral("fermalin"));
    u.Argumente = {u.ProgrammPfad, QStringLiteral("k")};
    u.Heute = QDate(2009, 6, 1);
    auto fenster = std::make_unique<THauptformular>(u);
    fenster->BeendenBestaetigt = true;
    fenster->show();
    QVERIFY(fenster->Anzeige().HilfeSichtbar);
    fenster->SeiteZeigen(static_cast<THauptformular::TSeite>(seite));
    // no help file anywhere: the click does nothing
    fenster->Button_HilfeClick();
    QVERIFY(!HtmlHilfeFenster());
    // added while the program runs: the next click finds it
    QVERIFY(QFile::copy(gebauteHilfe(), dir.filePath(QStringLiteral("fermalin.chm"))));
    fenster->Button_HilfeClick();
    QVERIFY(HtmlHilfeFenster());
    QTEST(HtmlHilfeFenster()->Browser->source().toString(), "thema");
    // the main window's end closes the help window
    fenster.reset();
    QVERIFY(!HtmlHilfeFenster());
}

void TstHilfe::platzregel_data()
{
    QTest::addColumn<QRect>("hauptfenster");
    QTest::addColumn<QSize>("groesse");
    QTest::addColumn<QRect>("flaeche");
    QTest::addColumn<QRect>("platz");

    const QSize hilfe(640, 560);
    const QRect breit(0, 0, 1920, 1050);
    QTest::newRow("rechts neben dem Hauptfenster ist Platz")
        << QRect(100, 50, 800, 600) << hilfe << breit << QRect(900, 50, 640, 560);
    QTest::newRow("rechts genau passend")
        << QRect(480, 50, 800, 600) << hilfe << breit << QRect(1280, 50, 640, 560);
    QTest::newRow("rechts zu knapp, links ist Platz")
        << QRect(1000, 50, 800, 600) << hilfe << breit << QRect(360, 50, 640, 560);
    QTest::newRow("daneben kein Platz: am rechten Bildschirmrand")
        << QRect(240, 100, 800, 600) << hilfe << QRect(0, 0, 1280, 1024)
        << QRect(640, 100, 640, 560);
    QTest::newRow("unten zu knapp: so weit hinauf wie nötig")
        << QRect(100, 700, 800, 300) << hilfe << breit << QRect(900, 490, 640, 560);
    QTest::newRow("über den oberen Rand hinaus: an den oberen Rand")
        << QRect(100, -30, 800, 600) << hilfe << breit << QRect(900, 0, 640, 560);
    QTest::newRow("Arbeitsfläche mit Leiste links und oben")
        << QRect(60, 40, 800, 600) << hilfe << QRect(48, 32, 1232, 992) << QRect(640, 40, 640, 560);
    QTest::newRow("größer als die Arbeitsfläche: auf sie verkleinert")
        << QRect(0, 0, 800, 600) << QSize(640, 700) << QRect(0, 0, 800, 600)
        << QRect(160, 0, 640, 600);
    QTest::newRow("ohne Hauptfenster: rechts oben")
        << QRect() << hilfe << QRect(0, 0, 1280, 1024) << QRect(640, 0, 640, 560);
}

void TstHilfe::platzregel()
{
    QFETCH(QRect, hauptfenster);
    QFETCH(QSize, groesse);
    QFETCH(QRect, flaeche);
    QTEST(HilfefensterPlatz(hauptfenster, groesse, flaeche), "platz");
}

void TstHilfe::oeffnetNebenDemFensterDasFragt()
{
    QWidget haupt;
    haupt.setGeometry(20, 30, 120, 100);
    haupt.show();
    QVERIFY(QTest::qWaitForWindowExposed(&haupt));
    HtmlHilfeAnzeigen(gebauteHilfe(), QStringLiteral("/avmg/dialog1.htm"), &haupt);
    THilfeFenster* f = HtmlHilfeFenster();
    QVERIFY(f->isVisible());
    const QRect flaeche = haupt.screen()->availableGeometry();
    const QSize rahmen = haupt.frameGeometry().size() - haupt.size();
    const QRect erwartet =
        HilfefensterPlatz(haupt.frameGeometry(), QSize(640, 560) + rahmen, flaeche);
    QCOMPARE(f->frameGeometry(), erwartet);
    // the offscreen screen has room right of the small window
    QCOMPARE(f->frameGeometry().left(), haupt.frameGeometry().right() + 1);
    // moved by the user, it stays where it is for the next topic
    f->move(f->pos() + QPoint(0, 7));
    const QPoint verschoben = f->pos();
    HtmlHilfeAnzeigen(gebauteHilfe(), QStringLiteral("/avmg/dialog2.htm"), &haupt);
    QCOMPARE(f->pos(), verschoben);
    // closed and asked for again, it opens beside the window once more
    f->close();
    HtmlHilfeAnzeigen(gebauteHilfe(), QStringLiteral("/avmg/dialog3.htm"), &haupt);
    QCOMPARE(f->frameGeometry(), erwartet);
}

QTEST_MAIN(TstHilfe)
#include "tst_hilfe.moc"
