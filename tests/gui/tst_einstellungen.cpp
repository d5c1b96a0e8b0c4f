// The settings dialog and its print-layout frame: the logo file, its backup,
// cancel, the size rule; and its run from the main window.
#include "ColorButton.h"
#include "ColorMsg.h"
#include "DruckLayout.h"
#include "Einstellungen.h"
#include "Ortavo_Dialog.h"
#include "Programmorte.h"
#include "Stretch.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QImage>
#include <QImageReader>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <QtEndian>

#include "../Sonderdateien.h"

#include <memory>

using namespace Fermalin;

namespace {

struct TUmfeld
{
    QTemporaryDir dir;
    QString programm() const { return dir.filePath(QStringLiteral("fermalin")); }
    QString logo() const { return ProgrammOrteErmitteln(programm(), {}).LogoDatei; }
    QString sicherung() const { return ProgrammOrteErmitteln(programm(), {}).LogoSicherung; }

    // A picture with a red left half, so that scaling can be seen in the result.
    QString bild(const QString& name, QSize groesse, const char* format) const
    {
        QImage b(groesse, QImage::Format_RGB32);
        b.fill(Qt::blue);
        for (int y = 0; y < b.height(); ++y)
            for (int x = 0; x < b.width() / 2; ++x)
                b.setPixel(x, y, qRgb(255, 0, 0));
        const QString pfad = dir.filePath(name);
        if (!b.save(pfad, format))
            qFatal("cannot write %s", qPrintable(pfad));
        return pfad;
    }
    std::unique_ptr<TForm_Einstellungen> dialog() const
    {
        return std::make_unique<TForm_Einstellungen>(logo(), sicherung());
    }
};

QByteArray lesen(const QString& pfad)
{
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TLayoutDaten layout(bool logo, const QString& pfad)
{
    TLayoutDaten l;
    l.setFirmenlogo(logo);
    l.setFirmenlogoDateipfad(pfad);
    return l;
}

// Chooses this file in the frame as if the user had picked it in the file dialog.
void waehlen(TFrameDruckLayout* frame, const QString& datei, QString* start = nullptr)
{
    frame->BildWaehlen = [datei, start](const QString& s) {
        if (start)
            *start = s;
        return datei;
    };
    frame->ColorButton_L_LOGO_WAEHLEN->click();
}

} // namespace

class TstEinstellungen : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { MeldungsHakenSetzen({}); }
    void aufbau();
    void logoWirdSkaliert_data();
    void logoWirdSkaliert();
    void grossgeschriebeneEndungen_data();
    void grossgeschriebeneEndungen();
    void abbruchStelltDasAlteLogoHer();
    void abbruchOhneFrueheresLogoLoeschtDasNeue();
    void verknuepftesLogo_data();
    void verknuepftesLogo();
    void fifoAlsLogoBlockiertNicht();
    void fehlendesLogoWirdAusDemBildErzeugt();
    void ohneLogoUndBildIstDerHakenGesperrt();
    void unlesbaresBildAendertNichts();
    void hakenSetztFirmenlogo();
    void dateiwahlStartetBeimLetztenBild();
    void groessenregel();
    void ueberDasHauptfenster();
    void dateidialogZeigtGroesseUndTyp();
};

void TstEinstellungen::aufbau()
{
    TUmfeld u;
    auto d = u.dialog();
    QCOMPARE(d->size(), QSize(640, 381));
    QCOMPARE(d->TFrameDruckLayout1->geometry(), QRect(0, 0, 640, 278));
    QCOMPARE(d->CheckBox_E_Startfenster->text(),
             QStringLiteral("Startfenster beim Programmstart anzeigen"));
    QCOMPARE(d->ColorButton_E_OK->geometry(), QRect(508, 340, 35, 25));
    QCOMPARE(d->ColorButton_E_Abbruch->text(), QStringLiteral("Abbruch"));
    QCOMPARE(WertAusFarbe(d->ColorButton_E_OK->Color()), FarbwertKnopfHell);
    QCOMPARE(WertAusFarbe(d->palette().color(QPalette::Window)), quint32(15520708));
    QCOMPARE(d->TFrameDruckLayout1->Image_L_LOGO->size(), QSize(300, 100));
    d->Vorbereiten(true, TLayoutDaten(), QStringLiteral("Talven-Rechner"));
    d->show();
    QCOMPARE(d->windowTitle(), QStringLiteral("Talven-Rechner     Einstellungen"));
}

void TstEinstellungen::logoWirdSkaliert_data()
{
    QTest::addColumn<QSize>("bild");
    QTest::addColumn<QSize>("logo");
    QTest::newRow("600 x 100") << QSize(600, 100) << QSize(300, 50);
    QTest::newRow("200 x 140") << QSize(200, 140) << QSize(100, 70);
    QTest::newRow("250 x 60") << QSize(250, 60) << QSize(250, 60);
}

void TstEinstellungen::logoWirdSkaliert()
{
    QFETCH(QSize, bild);
    TUmfeld u;
    auto d = u.dialog();
    d->Vorbereiten(true, TLayoutDaten(), QString());
    const QString pfad = u.bild(QStringLiteral("firma.png"), bild, "PNG");
    waehlen(d->TFrameDruckLayout1, pfad);
    QImageReader leser(u.logo(), "bmp");
    const QImage logo = leser.read();
    QTEST(logo.size(), "logo");
    // a 24-bit bitmap: no alpha, and the halves keep their colours after averaging
    QCOMPARE(lesen(u.logo()).left(2), QByteArray("BM"));
    QCOMPARE(qFromLittleEndian<quint16>(lesen(u.logo()).constData() + 28), quint16(24));
    QCOMPARE(QColor(logo.pixel(1, logo.height() / 2)), QColor(Qt::red));
    QCOMPARE(QColor(logo.pixel(logo.width() - 2, logo.height() / 2)), QColor(Qt::blue));
    const TLayoutDaten l = d->Ergebnis().LayoutDaten;
    QCOMPARE(l.FirmenlogoDateipfad(), pfad);
    QVERIFY(l.Firmenlogo());
    QVERIFY(d->TFrameDruckLayout1->CheckBox_L_DruckMitLogo->isChecked());
    QVERIFY(!d->TFrameDruckLayout1->Image_L_LOGO->pixmap().isNull());
}

void TstEinstellungen::grossgeschriebeneEndungen_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("format");
    QTest::newRow("JPG") << QStringLiteral("FIRMA.JPG") << QByteArray("JPEG");
    QTest::newRow("Jpeg") << QStringLiteral("firma.Jpeg") << QByteArray("JPEG");
    QTest::newRow("GIF") << QStringLiteral("FIRMA.GIF") << QByteArray("GIF");
    QTest::newRow("BMP") << QStringLiteral("FIRMA.BMP") << QByteArray("BMP");
}

void TstEinstellungen::grossgeschriebeneEndungen()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, format);
    if (!QImageReader::supportedImageFormats().contains(format.toLower()))
        QFAIL("Qt's image plug-in for this format is missing");
    TUmfeld u;
    auto d = u.dialog();
    d->Vorbereiten(true, TLayoutDaten(), QString());
    // GIF cannot be written by Qt: the test writes a tiny GIF by hand
    QString pfad;
    if (format == "GIF") {
        pfad = u.dir.filePath(name);
        QFile f(pfad);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(
            QByteArray::fromBase64("R0lGODlhAQABAIAAAP8AAP///yH5BAAAAAAALAAAAAABAAEAAAICRAEAOw=="));
    } else {
        pfad = u.bild(name, QSize(400, 40), format.constData());
    }
    waehlen(d->TFrameDruckLayout1, pfad);
    QVERIFY(QFile::exists(u.logo()));
    QImageReader leser(u.logo(), "bmp");
    QVERIFY(!leser.read().isNull());
}

void TstEinstellungen::abbruchStelltDasAlteLogoHer()
{
    TUmfeld u;
    // an earlier logo, with its picture configured
    const QString alt = u.bild(QStringLiteral("alt.bmp"), QSize(120, 40), "BMP");
    QVERIFY(LogoSchreiben(alt, u.logo()));
    const QByteArray vorher = lesen(u.logo());
    const TLayoutDaten bisher = layout(true, alt);
    auto d = u.dialog();
    d->Vorbereiten(true, bisher, QString());
    QCOMPARE(lesen(u.sicherung()), vorher);
    waehlen(d->TFrameDruckLayout1, u.bild(QStringLiteral("neu.png"), QSize(600, 100), "PNG"));
    QVERIFY(lesen(u.logo()) != vorher);
    d->Abschliessen(false, bisher);
    QCOMPARE(lesen(u.logo()), vorher);
    QVERIFY(!QFile::exists(u.sicherung()));

    // a logo file without a configured picture survives a cancel too
    auto d2 = u.dialog();
    d2->Vorbereiten(true, TLayoutDaten(), QString());
    waehlen(d2->TFrameDruckLayout1, u.bild(QStringLiteral("neu2.png"), QSize(90, 90), "PNG"));
    d2->Abschliessen(false, TLayoutDaten());
    QCOMPARE(lesen(u.logo()), vorher);
}

void TstEinstellungen::abbruchOhneFrueheresLogoLoeschtDasNeue()
{
    TUmfeld u;
    auto d = u.dialog();
    d->Vorbereiten(true, TLayoutDaten(), QString());
    waehlen(d->TFrameDruckLayout1, u.bild(QStringLiteral("neu.png"), QSize(600, 100), "PNG"));
    QVERIFY(QFile::exists(u.logo()));
    d->Abschliessen(false, TLayoutDaten());
    QVERIFY(!QFile::exists(u.logo()));
    QVERIFY(!QFile::exists(u.sicherung()));
    // OK keeps it
    auto ok = u.dialog();
    ok->Vorbereiten(true, TLayoutDaten(), QString());
    waehlen(ok->TFrameDruckLayout1, u.dir.filePath(QStringLiteral("neu.png")));
    ok->Abschliessen(true, TLayoutDaten());
    QVERIFY(QFile::exists(u.logo()));
    QVERIFY(!QFile::exists(u.sicherung()));
}

// logo.bmp a link to a logo kept elsewhere: a new picture never overwrites the
// link's target; "Abbruch" brings back the link, OK replaces the link by the
// new logo file.
void TstEinstellungen::verknuepftesLogo_data()
{
    QTest::addColumn<bool>("ok");
    QTest::newRow("Abbruch stellt die Verknüpfung wieder her") << false;
    QTest::newRow("OK ersetzt die Verknüpfung durch das neue Logo") << true;
}

void TstEinstellungen::verknuepftesLogo()
{
    QFETCH(bool, ok);
    TUmfeld u;
    const QString alt = u.bild(QStringLiteral("alt.bmp"), QSize(120, 40), "BMP");
    const QString ziel = u.dir.filePath(QStringLiteral("gemeinsames-logo.bmp"));
    QVERIFY(LogoSchreiben(alt, ziel));
    const QByteArray vorher = lesen(ziel);
    QVERIFY(QFile::link(QStringLiteral("gemeinsames-logo.bmp"), u.logo()));

    auto d = u.dialog();
    d->Vorbereiten(true, layout(true, alt), QString());
    waehlen(d->TFrameDruckLayout1, u.bild(QStringLiteral("neu.png"), QSize(600, 100), "PNG"));
    QCOMPARE(lesen(ziel), vorher);
    QCOMPARE(QImageReader(u.logo(), "bmp").read().size(), QSize(300, 50));
    d->Abschliessen(ok, layout(true, alt));

    QCOMPARE(lesen(ziel), vorher);
    QCOMPARE(QFileInfo(u.logo()).isSymLink(), !ok);
    if (ok)
        QCOMPARE(QImageReader(u.logo(), "bmp").read().size(), QSize(300, 50));
    else
        QCOMPARE(QFile::symLinkTarget(u.logo()), ziel);
    QVERIFY(!QFileInfo::exists(u.sicherung()) && !QFileInfo(u.sicherung()).isSymLink());
}

// A FIFO as logo.bmp: opening the dialog and cancelling never block; the FIFO
// counts as a logo that cannot be shown and is there again after "Abbruch".
void TstEinstellungen::fifoAlsLogoBlockiertNicht()
{
    TUmfeld u;
    QCOMPARE(::mkfifo(QFile::encodeName(u.logo()).constData(), 0600), 0);
    QStringList meldungen;
    MeldungsHakenSetzen([&](QMessageBox& box) {
        meldungen << box.text();
        box.done(QMessageBox::Ok);
    });
    TFifoWaechter waechter(QFile::encodeName(u.logo()));
    auto d = u.dialog();
    d->Vorbereiten(true, layout(true, QString()), QString());
    QVERIFY(!d->TFrameDruckLayout1->CheckBox_L_DruckMitLogo->isEnabled());
    waehlen(d->TFrameDruckLayout1, u.bild(QStringLiteral("neu.png"), QSize(60, 60), "PNG"));
    QVERIFY(QFileInfo(u.logo()).isFile());
    d->Abschliessen(false, layout(true, QString()));
    QVERIFY2(!waechter.beenden(), "der Dialog blockierte auf dem FIFO");
    QCOMPARE(meldungen, QStringList{QStringLiteral("Fehler beim Anzeigen des Firmen-Logos.")});
    QVERIFY(QFileInfo::exists(u.logo()) && !QFileInfo(u.logo()).isFile());
}

void TstEinstellungen::fehlendesLogoWirdAusDemBildErzeugt()
{
    TUmfeld u;
    const QString bild = u.bild(QStringLiteral("firma.png"), QSize(200, 140), "PNG");
    auto d = u.dialog();
    d->Vorbereiten(true, layout(true, bild), QString());
    QImageReader leser(u.logo(), "bmp");
    QCOMPARE(leser.read().size(), QSize(100, 70));
    QVERIFY(d->TFrameDruckLayout1->CheckBox_L_DruckMitLogo->isEnabled());
    QVERIFY(d->TFrameDruckLayout1->CheckBox_L_DruckMitLogo->isChecked());
    // cancelled: the logo is what the configured picture gives, as before
    d->Abschliessen(false, layout(true, bild));
    QVERIFY(QFile::exists(u.logo()));
}

void TstEinstellungen::ohneLogoUndBildIstDerHakenGesperrt()
{
    TUmfeld u;
    auto d = u.dialog();
    TFrameDruckLayout* f = d->TFrameDruckLayout1;
    d->Vorbereiten(true, layout(true, u.dir.filePath(QStringLiteral("weg.png"))), QString());
    QVERIFY(!f->CheckBox_L_DruckMitLogo->isEnabled());
    QVERIFY(f->Image_L_LOGO->pixmap().isNull());
    // a chosen file that is gone by now changes nothing
    waehlen(f, u.dir.filePath(QStringLiteral("auch-weg.png")));
    QVERIFY(!f->CheckBox_L_DruckMitLogo->isEnabled());
    waehlen(f, u.bild(QStringLiteral("firma.png"), QSize(50, 50), "PNG"));
    QVERIFY(f->CheckBox_L_DruckMitLogo->isEnabled());
    QVERIFY(f->CheckBox_L_DruckMitLogo->isChecked());
}

void TstEinstellungen::unlesbaresBildAendertNichts()
{
    TUmfeld u;
    const QString alt = u.bild(QStringLiteral("alt.png"), QSize(100, 50), "PNG");
    QVERIFY(LogoSchreiben(alt, u.logo()));
    const QByteArray vorher = lesen(u.logo());
    auto d = u.dialog();
    TFrameDruckLayout* f = d->TFrameDruckLayout1;
    d->Vorbereiten(true, layout(false, alt), QString());
    QVERIFY(!f->CheckBox_L_DruckMitLogo->isChecked());
    const QString kaputt = u.dir.filePath(QStringLiteral("kaputt.jpg"));
    {
        QFile k(kaputt);
        QVERIFY(k.open(QIODevice::WriteOnly));
        k.write("kein Bild");
    }
    QStringList meldungen;
    MeldungsHakenSetzen([&](QMessageBox& box) {
        meldungen << box.text();
        box.done(QMessageBox::Ok);
    });
    waehlen(f, kaputt);
    QCOMPARE(meldungen, QStringList{QStringLiteral("Fehler beim Anpassen des Firmen-Logos.")});
    QCOMPARE(lesen(u.logo()), vorher);
    QCOMPARE(d->Ergebnis().LayoutDaten.FirmenlogoDateipfad(), alt);
    QVERIFY(!d->Ergebnis().LayoutDaten.Firmenlogo());
    QVERIFY(!f->CheckBox_L_DruckMitLogo->isChecked());

    // a logo file that cannot be shown
    QFile logo(u.logo());
    QVERIFY(logo.open(QIODevice::WriteOnly));
    logo.write("BM kaputt");
    logo.close();
    meldungen.clear();
    f->LogoAnzeigen();
    QCOMPARE(meldungen, QStringList{QStringLiteral("Fehler beim Anzeigen des Firmen-Logos.")});
}

void TstEinstellungen::hakenSetztFirmenlogo()
{
    TUmfeld u;
    const QString bild = u.bild(QStringLiteral("firma.png"), QSize(100, 50), "PNG");
    auto d = u.dialog();
    d->Vorbereiten(false, layout(true, bild), QString());
    QCheckBox* haken = d->TFrameDruckLayout1->CheckBox_L_DruckMitLogo;
    QVERIFY(haken->isChecked());
    haken->click();
    QVERIFY(!d->Ergebnis().LayoutDaten.Firmenlogo());
    haken->click();
    QVERIFY(d->Ergebnis().LayoutDaten.Firmenlogo());
    QVERIFY(!d->Ergebnis().StartfensterAnzeigen);
    d->CheckBox_E_Startfenster->click();
    QVERIFY(d->Ergebnis().StartfensterAnzeigen);
}

void TstEinstellungen::dateiwahlStartetBeimLetztenBild()
{
    TUmfeld u;
    const QString bild = u.bild(QStringLiteral("firma.png"), QSize(100, 50), "PNG");
    auto d = u.dialog();
    d->Vorbereiten(true, layout(true, bild), QString());
    QString start;
    waehlen(d->TFrameDruckLayout1, QString(), &start);
    QCOMPARE(start, bild);
    QFile::remove(bild);
    waehlen(d->TFrameDruckLayout1, QString(), &start);
    QCOMPARE(start, u.dir.path());
    // cancelling the file dialog changes nothing
    QCOMPARE(d->Ergebnis().LayoutDaten.FirmenlogoDateipfad(), bild);
}

void TstEinstellungen::groessenregel()
{
    TUmfeld u;
    auto d = u.dialog();
    QCOMPARE(d->StartBreite, 640);
    QCOMPARE(d->StartHoehe, 381);
    // like a main window at 1.5 times its design size of 686 x 595
    d->GroesseWieHauptfenster(QSize(1029, 892), 686, 595);
    d->show();
    QCOMPARE(d->width(), 960);
    QCOMPARE(d->height(), 572); // 960 / (640 / 381) = 571.5, halves to even
    QCOMPARE(d->Strecker()->Faktor(), 1.5);
    QCOMPARE(d->ColorButton_E_OK->geometry(), QRect(762, 510, 52, 38));
    // never smaller than the design size; the height follows the width
    d->resize(600, 500);
    QCOMPARE(d->size(), QSize(640, 381));
    QCOMPARE(d->Strecker()->Faktor(), 1.0);
    d->resize(800, 100);
    QCOMPARE(d->size(), QSize(800, 476));
    d->resize(700, 900);
    QCOMPARE(d->size(), QSize(700, 417));
}

void TstEinstellungen::ueberDasHauptfenster()
{
    TUmfeld u;
    TProgrammUmgebung umgebung;
    umgebung.ProgrammPfad = u.programm();
    umgebung.Argumente = {u.programm()};
    THauptformular f(umgebung);
    f.BeendenBestaetigt = true;
    f.StartfensterAnzeigen = true;
    const QString bild = u.bild(QStringLiteral("firma.png"), QSize(600, 100), "PNG");
    const auto lauf = [&](bool ok) {
        QTimer::singleShot(0, [&, ok] {
            auto* d = qobject_cast<TForm_Einstellungen*>(QApplication::activeModalWidget());
            QVERIFY(d);
            QCOMPARE(d->TFrameDruckLayout1->parentWidget(), d);
            d->CheckBox_E_Startfenster->click();
            waehlen(d->TFrameDruckLayout1, bild);
            (ok ? d->ColorButton_E_OK : d->ColorButton_E_Abbruch)->click();
        });
        f.ColorButton_EinstellungenClick();
    };
    lauf(false);
    QVERIFY(f.StartfensterAnzeigen);
    QVERIFY(f.LayoutDaten.FirmenlogoDateipfad().isEmpty());
    QVERIFY(!QFile::exists(u.logo()));
    lauf(true);
    QVERIFY(!f.StartfensterAnzeigen);
    QCOMPARE(f.LayoutDaten.FirmenlogoDateipfad(), bild);
    QVERIFY(f.LayoutDaten.Firmenlogo());
    QVERIFY(QFile::exists(u.logo()));
    QVERIFY(!QFile::exists(u.sicherung()));
    // the choice reaches the settings file at the end
    QVERIFY(f.EinstellungenSpeichern());
    QFile ini(f.Einstellungsdatei());
    QVERIFY(ini.open(QIODevice::ReadOnly));
    const QByteArray text = ini.readAll();
    QVERIFY(text.contains("Firmenlogo=1"));
    QVERIFY(text.contains("Startfenster-anzeigen=0"));
}

// Beside the preview the file list still shows size, type and date whole.
void TstEinstellungen::dateidialogZeigtGroesseUndTyp()
{
    QTemporaryDir dir;
    QImage bild(600, 100, QImage::Format_RGB32);
    bild.fill(Qt::darkBlue);
    for (const char* name :
         {"firmenlogo_mit_einem_recht_langen_namen_fuer_den_druck.png", "b.jpg", "c.bmp"})
        QVERIFY(bild.save(dir.filePath(QLatin1String(name))));
    const std::unique_ptr<QFileDialog> dialog = LogoBildDialogAnlegen(nullptr, dir.path());
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    auto* liste = dialog->findChild<QTreeView*>(QStringLiteral("treeView"));
    QVERIFY(liste);
    QTRY_COMPARE(liste->model()->rowCount(liste->rootIndex()), 3);
    QHeaderView* kopf = liste->header();
    const QAbstractItemView* ansicht = liste; // the widest cell, public there
    for (int spalte = 1; spalte < kopf->count(); ++spalte) {
        QTRY_VERIFY2(kopf->sectionSize(spalte) >= ansicht->sizeHintForColumn(spalte),
                     qPrintable(QString::number(spalte)));
        QVERIFY(kopf->sectionSize(spalte) >= kopf->sectionSizeHint(spalte));
        QVERIFY2(kopf->sectionViewportPosition(spalte) + kopf->sectionSize(spalte) <=
                     liste->viewport()->width(),
                 qPrintable(QString::number(spalte)));
    }
    // and the names keep room for some ten characters, even on the small offscreen screen
    QVERIFY(kopf->sectionSize(0) >= 10 * liste->fontMetrics().averageCharWidth());
}

QTEST_MAIN(TstEinstellungen)
#include "tst_einstellungen.moc"
