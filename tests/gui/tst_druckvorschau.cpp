#include "ColorButton.h"
#include "ColorMsg.h"
#include "Druckgruppe.h"
#include "Druckvorschau.h"
#include "EnhWeb.h"
#include "FloatDlg.h"
#include "HTML_Ausgabe.h"
#include "Ortavo_Dialog.h"
#include "TestProgramm.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPointer>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QWindow>

#include <csignal>
#include <memory>

#include <sys/resource.h>

using namespace Fermalin;

namespace {

struct TVorschauprogramm
{
    QTemporaryDir dir;

    std::unique_ptr<THauptformular> fenster() const
    {
        const QString pfad = dir.filePath(QStringLiteral("fermalin"));
        QFile ini(dir.filePath(QStringLiteral("fermalin.ini")));
        if (ini.open(QIODevice::WriteOnly))
            ini.write("[Startfenster]\nStartfenster-anzeigen=0\n");
        ini.close();
        TProgrammUmgebung u;
        u.ProgrammPfad = pfad;
        u.Argumente = QStringList{pfad};
        u.Heute = QDate(2009, 6, 1);
        u.Umgebung.insert(QStringLiteral("temp"), dir.path());
        return std::make_unique<THauptformular>(u);
    }
};

QString bericht(const THauptformular& f)
{
    return BerichtText(f.BerichtZeilen());
}

int pdfSeiten(const QString& datei)
{
    QFile f(datei);
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray pdf = f.readAll();
    return static_cast<int>(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") +
                            pdf.count("/Type /Page "));
}

} // namespace

class TstDruckvorschau : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { MeldungsHakenSetzen({}); }

    void berichtFolgtJederEingabe()
    {
        TVorschauprogramm p;
        auto f = p.fenster();
        QVERIFY(bericht(*f).contains(QStringLiteral("<h1>Staatliche Förderung")));
        element<QLineEdit>(*f, "Edit_Einkommen1")->setText(QStringLiteral("30000"));
        QVERIFY(bericht(*f).contains(QStringLiteral(">30.000&#160; Euro</td>")));
        // the view holds the same document, for the screen: no paper-only parts
        QCOMPARE(f->BerichtHtml(), bericht(*f));
        QVERIFY(f->findChild<TBerichtAnsicht*>()->document()->toPlainText().contains(
            QStringLiteral("Ihre Vorgabedaten")));
    }

    void druckoptionenBauenNeu()
    {
        TVorschauprogramm p;
        auto f = p.fenster();
        element<QLineEdit>(*f, "Edit_Einkommen1")->setText(QStringLiteral("30000"));
        QVERIFY(f->Druckgruppe().Anzeige().GrafikAktiv);
        element<QCheckBox>(*f, "CheckBox_MitGrafik")->click();
        QVERIFY(bericht(*f).contains(QStringLiteral("<h2><br>Grafische Darstellung</h2>")));
        QVERIFY(bericht(*f).contains(QStringLiteral("G_Ortavo.Bmp\" width=\"100%\">")));
        QVERIFY(!f->Druckgruppe().Anzeige().NameAktiv);
        element<QCheckBox>(*f, "CheckBox_Beratungsprotokol")->click();
        QVERIFY(f->Druckgruppe().Anzeige().NameAktiv);
        QVERIFY(bericht(*f).contains(QStringLiteral("erstellt für&nbsp;&nbsp;&nbsp;<span")));
        QVERIFY(bericht(*f).contains(QStringLiteral("Ergänzung zum Beratungsprotokoll")));
        // the name counts when the field is left
        auto* name = element<QLineEdit>(*f, "Edit_Druck_Name");
        name->setText(QStringLiteral("Müller & <Söhne>"));
        QVERIFY(!bericht(*f).contains(QStringLiteral("Müller")));
        emit name->editingFinished();
        QVERIFY(bericht(*f).contains(QStringLiteral("erstellt für&nbsp;&nbsp;&nbsp;Müller &amp; "
                                                    "&lt;Söhne&gt;</h2>")));
        element<QCheckBox>(*f, "CheckBox_Beratungsprotokol")->click();
        QVERIFY(!bericht(*f).contains(QStringLiteral("erstellt für")));
        QVERIFY(!f->Druckgruppe().Anzeige().NameAktiv);
        // the field takes a name of at most 1000 characters
        QCOMPARE(name->maxLength(), 1000);
    }

    void versionspruefung_data()
    {
        QTest::addColumn<int>("major");
        QTest::addColumn<int>("minor");
        QTest::addColumn<QString>("meldung");
        QTest::addColumn<bool>("vorschau");
        QTest::newRow("5.0") << 5 << 0 << VersionZuAltText() << false;
        QTest::newRow("5.50") << 5 << 50 << VersionWarnungText() << true;
        QTest::newRow("6.0") << 6 << 0 << QString() << true;
        QTest::newRow("wirkliche Maschine") << -1 << 0 << QString() << true;
    }
    void versionspruefung()
    {
        QFETCH(int, major);
        QFETCH(int, minor);
        QFETCH(QString, meldung);
        QFETCH(bool, vorschau);
        TVorschauprogramm p;
        auto f = p.fenster();
        if (major >= 0)
            f->BrowserDateiversion = [=] { return TBrowserVersion{major, minor, 0, 0}; };
        QString gezeigt;
        MeldungsHakenSetzen([&](QMessageBox& dlg) {
            gezeigt = dlg.text();
            dlg.done(QMessageBox::Ok);
        });
        QPointer<TDruckvorschau> w = f->DruckvorschauAnzeigen();
        QCOMPARE(gezeigt, meldung);
        QCOMPARE(!w.isNull(), vorschau);
        if (w) {
            const QSize bildschirm = f->screen()->size();
            // the frame at the place, so that the title bar is on the screen
            QCOMPARE(w->frameGeometry().topLeft(), VorschauGeometrie(bildschirm).topLeft());
            QCOMPARE(w->size(), VorschauGeometrie(bildschirm).size());
            QVERIFY(w->isVisible());
            QCOMPARE(w->Seitenzahl(), 1);
            w->Button_Abbruch->click();
            QTRY_VERIFY(w.isNull());
        }
    }

    void druckknopfOeffnetVorschau()
    {
        TVorschauprogramm p;
        auto f = p.fenster();
        element<QLineEdit>(*f, "Edit_Einkommen1")->setText(QStringLiteral("30000"));
        QVERIFY(f->Druckgruppe().Anzeige().DruckenAktiv);
        const auto vorher = QApplication::topLevelWidgets().size();
        element<QPushButton>(*f, "Button_Drucken")->click();
        TDruckvorschau* w = nullptr;
        for (QWidget* t : QApplication::topLevelWidgets())
            if (auto* v = qobject_cast<TDruckvorschau*>(t))
                w = v;
        QVERIFY(w);
        QCOMPARE(QApplication::topLevelWidgets().size(), vorher + 1);
        QCOMPARE(w->Seitenzahl(), 1);
        delete w;
    }

    void zoomleiste()
    {
        TVorschauprogramm p;
        auto f = p.fenster();
        TDruckvorschau w(f->BerichtHtml());
        QCOMPARE(w.ComboBox_Zoom->count(), 6);
        QCOMPARE(w.ComboBox_Zoom->itemText(0), QStringLiteral("50%"));
        QCOMPARE(w.ComboBox_Zoom->currentText(), QStringLiteral("100%"));
        QCOMPARE(w.Zoom(), 1.0);
        const int breite = w.Seitenbereich->widget()->width();
        w.ComboBox_Zoom->setCurrentIndex(0);
        QCOMPARE(w.Zoom(), 0.5);
        QVERIFY(w.Seitenbereich->widget()->width() < breite * 0.6);
        QCOMPARE(w.Leiste->height(), 36);
        QCOMPARE(w.Button_Drucken->text(), QStringLiteral("Drucken..."));
        QCOMPARE(w.Button_Abbruch->text(), QStringLiteral("Abbruch"));
        QCOMPARE(w.Button_Drucken->Color(), QColor(0x8a, 0xaa, 0xd9));
    }

    void escapeWieAbbruch_data()
    {
        QTest::addColumn<int>("fokus");
        QTest::newRow("Escape in der Zoomliste schließt die Vorschau") << 0;
        QTest::newRow("Escape auf \"Drucken...\" schließt die Vorschau") << 1;
        QTest::newRow("Escape in den Seiten schließt die Vorschau") << 2;
        QTest::newRow("Escape schließt erst die offene Zoomliste, dann die Vorschau") << 3;
    }
    void escapeWieAbbruch()
    {
        QFETCH(int, fokus);
        TProgramm p;
        auto f = p.fenster();
        QPointer<TDruckvorschau> w = new TDruckvorschau(f->BerichtHtml());
        w->show();
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
        QWidget* ziel = fokus == 1   ? static_cast<QWidget*>(w->Button_Drucken)
                        : fokus == 2 ? static_cast<QWidget*>(w->Seitenbereich)
                                     : static_cast<QWidget*>(w->ComboBox_Zoom);
        ziel->setFocus();
        QTRY_VERIFY(ziel->hasFocus());
        if (fokus == 3) {
            w->ComboBox_Zoom->showPopup();
            QWidget* liste = nullptr;
            QTRY_VERIFY((liste = QApplication::activePopupWidget()));
            QTest::keyClick(liste, Qt::Key_Escape);
            QTRY_VERIFY(!QApplication::activePopupWidget());
            QVERIFY(w && w->isVisible());
            QCOMPARE(w->ComboBox_Zoom->currentText(), QStringLiteral("100%"));
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QTRY_VERIFY(w.isNull());
    }

    void drucken()
    {
        TVorschauprogramm p;
        auto f = p.fenster();
        element<QCheckBox>(*f, "CheckBox_Beratungsprotokol")
            ->click(); // two pages: the supplement on the second
        TDruckvorschau w(f->BerichtHtml());
        QCOMPARE(w.Seitenzahl(), 2);
        const auto drucker = [&](const QString& name, int kopien, bool sortiert) {
            auto d = std::make_unique<QPrinter>(QPrinter::HighResolution);
            d->setOutputFormat(QPrinter::PdfFormat);
            d->setOutputFileName(p.dir.filePath(name));
            d->setCopyCount(kopien);
            d->setCollateCopies(sortiert);
            return d;
        };
        auto a = drucker(QStringLiteral("a.pdf"), 2, false);
        QCOMPARE(w.Drucken(*a, TDruckAuswahl::Bereich, 1, 9), QString());
        QCOMPARE(a->docName(), QStringLiteral("Fermalin Ausdruck"));
        QCOMPARE(pdfSeiten(p.dir.filePath(QStringLiteral("a.pdf"))), 4);
        auto b = drucker(QStringLiteral("b.pdf"), 1, true);
        QCOMPARE(w.Drucken(*b, TDruckAuswahl::Bereich, 2, 1),
                 QStringLiteral("Fehler: Startseite ist größer als Endseite"));
        QCOMPARE(w.Drucken(*b, TDruckAuswahl::Bereich, 3, 4),
                 QStringLiteral("Fehler: Startseite ist größer als Seitenzahl."));
        QCOMPARE(w.Drucken(*b, TDruckAuswahl::AktuelleSeite, 1, 1), QString());
        QVERIFY(!QFile::exists(p.dir.filePath(QStringLiteral("b.pdf"))));
        // "Als PDF speichern..." gives the pages of the preview
        QVERIFY(w.AlsPdfSpeichern(p.dir.filePath(QStringLiteral("c.pdf"))));
        QCOMPARE(pdfSeiten(p.dir.filePath(QStringLiteral("c.pdf"))), 2);
    }

    // "Als PDF speichern..." over an earlier PDF that cannot be written whole
    // (here a file-size limit): the German message, and the earlier PDF stays.
    void pdfSpeichernMisslingtOhneSchaden()
    {
        TProgramm p;
        auto f = p.fenster();
        TDruckvorschau w(f->BerichtHtml());
        const QString datei = p.dir.filePath(QStringLiteral("Fermalin.pdf"));
        QFile alt(datei);
        QVERIFY(alt.open(QIODevice::WriteOnly));
        alt.write("%PDF-1.4 der Bericht von gestern");
        alt.close();
        w.show();
        // the file dialog just closed: another window is the active one
        f->show();
        QApplication::setActiveWindow(f.get());
        QStringList gezeigt;
        const QWindow* ueber = nullptr;
        MeldungsHakenSetzen([&](QMessageBox& dlg) {
            gezeigt << dlg.text();
            ueber = dlg.windowHandle()->transientParent();
            dlg.done(QMessageBox::Ok);
        });
        rlimit vorher{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &vorher), 0);
        const auto signal = std::signal(SIGXFSZ, SIG_IGN);
        rlimit eng = vorher;
        eng.rlim_cur = 4096;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &eng), 0);
        const bool ok = w.AlsPdfSpeichern(datei);
        setrlimit(RLIMIT_FSIZE, &vorher);
        std::signal(SIGXFSZ, signal);
        MeldungsHakenSetzen({});

        QVERIFY(!ok);
        // the preview stays on top: its message must belong to it to be seen
        QVERIFY(ueber && ueber == w.windowHandle());
        QCOMPARE(gezeigt,
                 QStringList{QStringLiteral("Die PDF-Datei \"Fermalin.pdf\" kann nicht "
                                            "geschrieben werden: die Datei wird zu groß.")});
        QVERIFY(alt.open(QIODevice::ReadOnly));
        QCOMPARE(alt.readAll(), QByteArray("%PDF-1.4 der Bericht von gestern"));
        QCOMPARE(QDir(p.dir.path()).entryList({QStringLiteral("Fermalin.pdf*")}, QDir::Files),
                 QStringList{QStringLiteral("Fermalin.pdf")});
        f->BeendenBestaetigt = true;
    }

    // "Drucken..." into a file through the print dialog: a failed write is
    // reported with its reason, never as printed, and an earlier file stays.
    void druckInDateiMisslingtOhneSchaden_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("begrenzt");
        QTest::addColumn<QString>("grund");
        QTest::newRow("Die Datei wird über die Größengrenze hinaus nicht halb geschrieben")
            << QStringLiteral("Fermalin.pdf") << true << QStringLiteral("die Datei wird zu groß");
        QTest::newRow("Ein fehlender Ordner wird gemeldet")
            << QStringLiteral("fehlt/Fermalin.pdf") << false << QString();
        QTest::newRow("Ein Ordner unter dem Namen wird nicht ersetzt")
            << QStringLiteral("ordner") << false << QString();
    }

    void druckInDateiMisslingtOhneSchaden()
    {
        QFETCH(QString, name);
        QFETCH(bool, begrenzt);
        QFETCH(QString, grund);
        TProgramm p;
        auto f = p.fenster();
        TDruckvorschau w(f->BerichtHtml());
        const QString datei = p.dir.filePath(name);
        QVERIFY(QDir(p.dir.path()).mkdir(QStringLiteral("ordner")));
        if (begrenzt) {
            QFile alt(datei);
            QVERIFY(alt.open(QIODevice::WriteOnly));
            alt.write("%PDF-1.4 der Bericht von gestern");
        }
        const QStringList vorher =
            QDir(p.dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        QPrinter drucker(QPrinter::HighResolution);
        drucker.setOutputFormat(QPrinter::PdfFormat);
        drucker.setOutputFileName(datei);

        rlimit grenze{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &grenze), 0);
        const auto signal = std::signal(SIGXFSZ, SIG_IGN);
        rlimit eng = grenze;
        if (begrenzt) {
            eng.rlim_cur = 4096;
            QCOMPARE(setrlimit(RLIMIT_FSIZE, &eng), 0);
        }
        const QString meldung = w.Drucken(drucker, TDruckAuswahl::Alle, 1, 1);
        setrlimit(RLIMIT_FSIZE, &grenze);
        std::signal(SIGXFSZ, signal);

        const QString anfang =
            QStringLiteral("Die PDF-Datei \"%1\" kann nicht geschrieben werden: ")
                .arg(QFileInfo(datei).fileName());
        QVERIFY2(meldung.startsWith(anfang), qPrintable(meldung));
        if (!grund.isEmpty())
            QCOMPARE(meldung, anfang + grund + QLatin1Char('.'));
        QCOMPARE(QDir(p.dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), vorher);
        if (begrenzt) {
            QFile alt(datei);
            QVERIFY(alt.open(QIODevice::ReadOnly));
            QCOMPARE(alt.readAll(), QByteArray("%PDF-1.4 der Bericht von gestern"));
        }
        f->BeendenBestaetigt = true;
    }

    void ohneToolInfoEineMeldung()
    {
        QString gezeigt;
        MeldungsHakenSetzen([&](QMessageBox& dlg) {
            gezeigt = dlg.text();
            dlg.done(QMessageBox::Ok);
        });
        TDruckvorschau w(QStringLiteral("<html><body>x</body></html>"));
        w.show();
        QTRY_COMPARE(gezeigt, QStringLiteral("Fehler: Toolinfos fehlen"));
        QCOMPARE(w.Seitenzahl(), 0);
    }

    void ansichtOhneVerlauf()
    {
        TBerichtAnsicht ansicht;
        TWebBrowserWrapper w(&ansicht);
        w.LoadFromString(QStringLiteral("<html><body><p>eins</p></body></html>"));
        QPointer<QTextDocument> erstes = ansicht.document();
        w.LoadFromString(QStringLiteral("<html><body><p>zwei</p></body></html>"));
        QCOMPARE(ansicht.document()->toPlainText(), QStringLiteral("zwei"));
        QVERIFY(erstes.isNull()); // replaced, not kept as history
        // shown, the view paints its document
        ansicht.resize(350, 296);
        const QImage bild = ansicht.grab().toImage();
        bool dunkel = false;
        for (int y = 0; y < bild.height() && !dunkel; ++y)
            for (int x = 0; x < bild.width() && !dunkel; ++x)
                dunkel = qGray(bild.pixel(x, y)) < 128;
        QVERIFY(dunkel);
        w.LoadFromString(QString());
        QVERIFY(ansicht.document()->isEmpty());
    }
};

QTEST_MAIN(TstDruckvorschau)
#include "tst_druckvorschau.moc"
