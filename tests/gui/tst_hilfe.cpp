// The help window over the German help file the build makes, and the "Hilfe"
// button of the main window.
#include "ChmDatei.h"
#include "ColorButton.h"
#include "Hilfefenster.h"
#include "Ortavo_Dialog.h"
#include "Seitenreiter.h"

#include <QFile>
#include <QImage>
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
    void dateiEnthaeltDieDreiThemen();
    void keineHilfedatei();
    void themaMitBildUndStil();
    void linksVorUndZurueck();
    void einFensterFuerAlles();
    void fehlendesThemaUndKaputteDatei();
    void hilfeknopfJeSeite_data();
    void hilfeknopfJeSeite();
};

void TstHilfe::dateiEnthaeltDieDreiThemen()
{
    TChmDatei datei;
    QVERIFY(datei.oeffnen(gebauteHilfe()));
    const QList<QPair<QString, QString>> themen = {
        {QStringLiteral("/avmg/dialog1.htm"), QStringLiteral("Detailangaben zum Einkommen")},
        {QStringLiteral("/avmg/dialog2.htm"), QStringLiteral("Tortenstücke")},
        {QStringLiteral("/avmg/dialog3.htm"), QStringLiteral("Aufteilung des Eigenbeitrags")},
    };
    for (const auto& [pfad, text] : themen) {
        const std::optional<QByteArray> seite = datei.lesen(pfad);
        QVERIFY2(seite, qPrintable(pfad));
        QVERIFY2(QString::fromUtf8(*seite).contains(text), qPrintable(pfad));
    }
    // names inside the file ignore case, as the help viewer's do
    QVERIFY(datei.lesen(QStringLiteral("/AVMG/Dialog2.HTM")));
    QVERIFY(!datei.lesen(QStringLiteral("/avmg/dialog4.htm")));
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

QTEST_MAIN(TstHilfe)
#include "tst_hilfe.moc"
