// How the main window behaves for a user beyond the figures: what it keeps of a
// settings file, when it reacts to the focus, where it stands, what it is called.
#include "Anwendung.h"
#include "ColorButton.h"
#include "Druckgruppe.h"
#include "Einstellungsdatei.h"
#include "Fehleranzeige.h"
#include "FloatDlg.h"
#include "IniDatei.h"
#include "Ortavo_Dialog.h"
#include "Ortavo_Grafik.h"
#include "Ortavo_Vorgabe.h"
#include "Seitenreiter.h"
#include "SpinEdit.h"
#include "Startregeln.h"
#include "Stretch.h"
#include "TestProgramm.h"

#include <QApplication>
#include <QFocusEvent>
#include <QFrame>
#include <QLineEdit>
#include <QRadioButton>
#include <QScreen>
#include <QTest>

#include "../OhneRootRechte.h"

using namespace Fermalin;
using namespace Qt::StringLiterals;

class TstFensterverhalten : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void einkommenMitCentBleibt();
    void unlesbareEinstellungenBleibenErhalten();
    void geburtsjahreNurBeimVerlassen_data();
    void geburtsjahreNurBeimVerlassen();
    void druckgruppeBleibtAmGestrecktenOrt();
    void titelOhneProgrammnamen();
    void entwurfsPosition();
    void maximiertBehaeltSeitenverhaeltnis();
    void widerspruechlicheDatei_data();
    void widerspruechlicheDatei();
    void vorgabejahrNeuerKinder_data();
    void vorgabejahrNeuerKinder();
    void pruefknopfZweizeiligLinks();
    void ersteEingabeHatDenFokus_data();
    void ersteEingabeHatDenFokus();
    void gespeicherteGroesseImArbeitsbereich();
    void jederSchluesselDurchDasFenster();
    void unsinnigeSaetzeWerdenNichtGenommen();

private:
    QStringList m_fehler;
};

void TstFensterverhalten::init()
{
    m_fehler.clear();
    setzeFehleranzeige([this](const QString& m) { m_fehler << m; });
}

void TstFensterverhalten::cleanup()
{
    setzeFehleranzeige({});
}

void TstFensterverhalten::einkommenMitCentBleibt()
{
    TProgramm p;
    p.iniSchreiben("[Daten]\r\nledig=0\r\nverheirated=1\r\ndoppel=1\r\neinzel=0\r\n"
                   "Einkommen1=3000000\r\nEinkommen2=3500055\r\n");
    {
        auto f = p.fenster();
        QCOMPARE(element<TFloatEdit>(*f, "Edit_Einkommen2")->text(), QStringLiteral("35000,55"));
        QCOMPARE(f->Vorgabe().Anzeige().Einkommen2, 35000.55);
        f->BeendenBestaetigt = true;
    }
    QVERIFY(p.iniLesen().contains("Einkommen2=3500055\r\n"));
}

// The save at exit never destroys a file the program could not read.
void TstFensterverhalten::unlesbareEinstellungenBleibenErhalten()
{
    TProgramm p;
    const QByteArray inhalt = "[Daten]\r\nKinder=2\r\n[Eigenes]\r\nWert=7\r\n";
    p.iniSchreiben(inhalt);
    QVERIFY(QFile::setPermissions(p.ini(), QFileDevice::WriteOwner));
    {
        TOhneRootRechte ohne;
        if (!ohne.wirksam())
            QSKIP("Root-Rechte lassen sich hier nicht abgeben");
        auto f = p.fenster();
        QCOMPARE(f->Vorgabe().Anzeige().Kinderzahl, 0);
        f->BeendenBestaetigt = true;
    }
    QCOMPARE(m_fehler.size(), 1);
    QVERIFY2(m_fehler.first().contains(QStringLiteral("nicht gelesen")), qPrintable(m_fehler[0]));
    QVERIFY(QFile::setPermissions(p.ini(), QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    QCOMPARE(p.iniLesen(), inhalt);
}

void TstFensterverhalten::geburtsjahreNurBeimVerlassen_data()
{
    QTest::addColumn<int>("grund");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("kinder");
    QTest::newRow("das Fenster verliert die Aktivierung")
        << int(Qt::ActiveWindowFocusReason) << QStringLiteral("2001 19") << 1;
    QTest::newRow("ein Kontextmenü öffnet sich")
        << int(Qt::PopupFocusReason) << QStringLiteral("2001 19") << 1;
    QTest::newRow("die Menüleiste")
        << int(Qt::MenuBarFocusReason) << QStringLiteral("2001 19") << 1;
    QTest::newRow("Tab zum nächsten Feld")
        << int(Qt::TabFocusReason) << QStringLiteral("2001; 1985") << 2;
    QTest::newRow("Mausklick in ein anderes Feld")
        << int(Qt::MouseFocusReason) << QStringLiteral("2001; 1985") << 2;
}

// A half-typed list stays as it is until the user leaves the field.
void TstFensterverhalten::geburtsjahreNurBeimVerlassen()
{
    QFETCH(int, grund);
    QFETCH(QString, text);
    QFETCH(int, kinder);
    TProgramm p;
    auto f = p.fenster();
    f->Vorgabe().KinderzahlSetzen(1);
    auto* liste = element<QLineEdit>(*f, "Edit_GebJahre");
    liste->setText(QStringLiteral("2001 19"));
    QFocusEvent weg(QEvent::FocusOut, static_cast<Qt::FocusReason>(grund));
    QApplication::sendEvent(liste, &weg);
    QCOMPARE(f->Vorgabe().Anzeige().GebJahre, text);
    QCOMPARE(f->Vorgabe().Anzeige().Kinderzahl, kinder);
    f->BeendenBestaetigt = true;
}

void TstFensterverhalten::druckgruppeBleibtAmGestrecktenOrt()
{
    TProgramm p;
    auto f = p.fenster();
    f->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.get()));
    f->resize(f->StartBreite * 13 / 10, f->StartHoehe * 13 / 10);
    QVERIFY(f->Strecker()->Faktor() > 1.1);
    const QRect gestreckt = f->Druckgruppe().geometry();
    QVERIFY(gestreckt != QRect(-1, 445, 680, 69));
    f->SeiteZeigen(THauptformular::TSeite::Grafik);
    QCOMPARE(f->Druckgruppe().parentWidget(), &f->Grafik());
    QCOMPARE(f->Druckgruppe().geometry(), gestreckt);
    f->SeiteZeigen(THauptformular::TSeite::Vorgabe);
    QCOMPARE(f->Druckgruppe().parentWidget(), &f->Vorgabe());
    QCOMPARE(f->Druckgruppe().geometry(), gestreckt);
    // it never covers the result fields above it
    const QWidget* e = element(*f, "Edit_e");
    const QRect ergebnis =
        e->geometry().translated(e->parentWidget()->mapTo(&f->Vorgabe(), QPoint(0, 0)));
    QVERIFY(!gestreckt.intersects(ergebnis));
    f->BeendenBestaetigt = true;
}

// The window manager shows the caption as it is; the program's name belongs to
// the window class and the desktop file.
void TstFensterverhalten::titelOhneProgrammnamen()
{
    AnwendungEinrichten(*qApp);
    QCOMPARE(QApplication::applicationName(), QStringLiteral("Fermalin"));
    QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral("fermalin"));
    // No display name of its own: Qt would append one to every title.
    QApplication::setApplicationName(QStringLiteral("Probe"));
    QCOMPARE(QGuiApplication::applicationDisplayName(), QStringLiteral("Probe"));
    QApplication::setApplicationName(QStringLiteral("Fermalin"));

    TProgramm p;
    auto f = p.fenster();
    QCOMPARE(f->windowTitle(),
             QStringLiteral("Berechnung der Zulagen nach dem Altersvermögensgesetz"));
    f->BeendenBestaetigt = true;
}

void TstFensterverhalten::entwurfsPosition()
{
    const QSize g(686, 595);
    QCOMPARE(EntwurfsPosition(QPoint(514, 300), g, QRect(0, 0, 1920, 1200)), QPoint(514, 300));
    QCOMPARE(EntwurfsPosition(QPoint(514, 300), g, QRect(0, 0, 1024, 768)), QPoint(338, 173));
    QCOMPARE(EntwurfsPosition(QPoint(514, 300), g, QRect(0, 0, 640, 480)), QPoint(0, 0));
    QCOMPARE(EntwurfsPosition(QPoint(514, 300), g, QRect(100, 30, 1920, 1200)), QPoint(514, 300));
    QCOMPARE(EntwurfsPosition(QPoint(514, 300), g, QRect(1920, 0, 1280, 1024)), QPoint(1920, 300));

    TProgramm p;
    auto f = p.fenster();
    QCOMPARE(f->pos(),
             EntwurfsPosition(QPoint(514, 300), f->size(), f->screen()->availableGeometry()));
    f->BeendenBestaetigt = true;
}

// A maximised window obeys the size rule: the largest size the window manager
// may give it is the largest the rule allows within the work area.
void TstFensterverhalten::maximiertBehaeltSeitenverhaeltnis()
{
    TProgramm p;
    auto f = p.fenster();
    f->showMaximized();
    QVERIFY(QTest::qWaitForWindowExposed(f.get()));
    // The work area holds the window's frame too: the client's largest size
    // is the rule's size for what the frame leaves.
    const QSize rahmen = f->frameGeometry().size() - f->size();
    const QSize bereich = f->screen()->availableSize() - rahmen;
    const QSize regel = *GroesseAnpassen(bereich, QSize(f->StartBreite, f->StartHoehe),
                                         f->Seitenverhaeltnis, bereich);
    QCOMPARE(f->maximumSize(), regel);
    // A platform that maximises beyond the hint (the offscreen one does) gets
    // no bare strip either: the pages and the button bar reach the edges.
    const QRect seiten = element(*f, "PageControl")->geometry();
    const QRect leiste = element(*f, "Panel_Steuerung")->geometry();
    QCOMPARE(seiten.right(), f->width() - 1);
    QCOMPARE(leiste.right(), f->width() - 1);
    QCOMPARE(leiste.bottom(), f->height() - 1);
    QCOMPARE(seiten.bottom() + 1, leiste.top());
    QCOMPARE(seiten.topLeft(), QPoint(0, 0));
    f->BeendenBestaetigt = true;
}

void TstFensterverhalten::widerspruechlicheDatei_data()
{
    QTest::addColumn<QByteArray>("daten");
    QTest::addColumn<bool>("ledig");
    QTest::addColumn<double>("einkommen2");
    QTest::newRow("kein Familienstand, aber ein zweiter Lohn")
        << QByteArray("ledig=0\r\nverheirated=0\r\nEinkommen1=3000000\r\nEinkommen2=2000000\r\n")
        << true << 0.0;
    QTest::newRow("ledig mit zweitem Lohn")
        << QByteArray("ledig=1\r\nverheirated=0\r\nEinkommen2=2000000\r\n") << true << 0.0;
    QTest::newRow("verheiratet ohne Angabe, wer förderberechtigt ist")
        << QByteArray("ledig=0\r\nverheirated=1\r\ndoppel=0\r\neinzel=0\r\nEinkommen2=2000000\r\n")
        << false << 0.0;
    QTest::newRow("eine stimmige Datei bleibt, wie sie ist")
        << QByteArray("ledig=0\r\nverheirated=1\r\ndoppel=1\r\neinzel=0\r\nEinkommen2=2000000\r\n")
        << false << 20000.0;
}

// A file no run of the program could have written is brought into line as a
// user could have made it: no refusal at start, on a resize or a keystroke.
void TstFensterverhalten::widerspruechlicheDatei()
{
    QFETCH(QByteArray, daten);
    QFETCH(bool, ledig);
    QFETCH(double, einkommen2);
    TProgramm p;
    p.iniSchreiben("[Daten]\r\n" + daten);
    auto f = p.fenster();
    f->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.get()));
    f->resize(f->StartBreite * 11 / 10, f->StartHoehe * 11 / 10);
    QTest::keyClick(element(*f, "Edit_Einkommen1"), Qt::Key_5);
    QCOMPARE(m_fehler, QStringList());
    QCOMPARE(element<QRadioButton>(*f, "RadioButton_ledig")->isChecked(), ledig);
    QCOMPARE(element<QRadioButton>(*f, "RadioButton_verheiratet")->isChecked(), !ledig);
    QVERIFY(element<QRadioButton>(*f, "RadioButton_Doppelverdiener")->isChecked() ||
            element<QRadioButton>(*f, "RadioButton_Einzelverdiener")->isChecked());
    QCOMPARE(f->Vorgabe().Anzeige().Einkommen2, einkommen2);
    f->BeendenBestaetigt = true;
}

void TstFensterverhalten::vorgabejahrNeuerKinder_data()
{
    QTest::addColumn<QDate>("heute");
    QTest::addColumn<QString>("jahre");
    QTest::newRow("2009: das Entwurfsjahr 2000 liegt im Bereich")
        << QDate(2009, 6, 1) << QStringLiteral("2000; 2000");
    QTest::newRow("2026: 2000 liegt vor dem Bereich und wird 2001")
        << QDate(2026, 12, 10) << QStringLiteral("2001; 2001");
}

void TstFensterverhalten::vorgabejahrNeuerKinder()
{
    QFETCH(QDate, heute);
    QFETCH(QString, jahre);
    TProgramm p;
    p.heute = heute;
    auto f = p.fenster();
    f->Vorgabe().KinderzahlSetzen(2);
    QCOMPARE(f->Vorgabe().Anzeige().GebJahre, jahre);
    f->BeendenBestaetigt = true;
}

// "Sind Sie" and "förderberechtigt?" on two lines, both starting at the left.
void TstFensterverhalten::pruefknopfZweizeiligLinks()
{
    TProgramm p;
    auto f = p.fenster();
    auto* k = element<TColorButton>(*f, "Button_Pruvex");
    k->show();
    const QImage bild = k->grab().toImage();
    // rows and columns with caption pixels (dark on the light blue face)
    QList<int> zeilen;
    int links = bild.width();
    for (int y = 4; y < bild.height() - 4; ++y)
        for (int x = 4; x < bild.width() - 4; ++x)
            if (qGray(bild.pixel(x, y)) < 60) {
                if (zeilen.isEmpty() || zeilen.last() != y)
                    zeilen << y;
                links = std::min(links, x);
            }
    QVERIFY(!zeilen.isEmpty());
    // lines of text are apart by more than the gap under an umlaut's dots
    int bloecke = 1;
    for (qsizetype i = 1; i < zeilen.size(); ++i)
        bloecke += zeilen[i] - zeilen[i - 1] > 2;
    QCOMPARE(bloecke, 2);
    QVERIFY2(links < 15, qPrintable(QString::number(links)));
    f->BeendenBestaetigt = true;
}

void TstFensterverhalten::ersteEingabeHatDenFokus_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<QString>("fokus");
    QTest::newRow("Eingabeseite: der gewählte Familienstand")
        << QStringList() << QByteArray() << QStringLiteral("RadioButton_ledig");
    QTest::newRow("Eingabeseite eines Paares")
        << QStringList() << QByteArray("[Daten]\r\nledig=0\r\nverheirated=1\r\n")
        << QStringLiteral("RadioButton_verheiratet");
    QTest::newRow("Angebotsseite mit Kindern: das erste Geburtsjahr")
        << QStringList{QStringLiteral("back"), QStringLiteral("k")}
        << QByteArray("[Daten]\r\nKinder=2\r\n") << QStringLiteral("FloatEdit_Kind1");
    QTest::newRow("Angebotsseite ohne Kinder: die Kapitalanlage")
        << QStringList{QStringLiteral("back"), QStringLiteral("k")} << QByteArray()
        << QStringLiteral("RadioButton_konservativ1");
}

// The adviser's first keystrokes go to the page, not to "Einstellungen...".
void TstFensterverhalten::ersteEingabeHatDenFokus()
{
    QFETCH(QStringList, args);
    QFETCH(QByteArray, ini);
    QFETCH(QString, fokus);
    TProgramm p;
    p.args = args;
    p.iniSchreiben(ini);
    auto f = p.fenster();
    f->show();
    QVERIFY(QTest::qWaitForWindowActive(f.get()));
    QVERIFY(QApplication::focusWidget());
    QCOMPARE(QApplication::focusWidget()->objectName(), fokus);
    f->BeendenBestaetigt = true;
}

// A size the program stored itself, larger than the design size, opens the
// window inside the work area, not at the design place running off the screen.
void TstFensterverhalten::gespeicherteGroesseImArbeitsbereich()
{
    TProgramm p;
    p.iniSchreiben("[Daten]\r\nBreite=1000\r\nHoehe=867\r\n");
    auto f = p.fenster();
    const QRect bereich = f->screen()->availableGeometry();
    QVERIFY(f->width() > f->StartBreite);
    QVERIFY2(bereich.contains(QRect(f->pos(), f->size())),
             qPrintable(QStringLiteral("%1,%2 %3x%4 in %5x%6")
                            .arg(f->x())
                            .arg(f->y())
                            .arg(f->width())
                            .arg(f->height())
                            .arg(bereich.width())
                            .arg(bereich.height())));
    f->BeendenBestaetigt = true;
}

// Every key but the window's size goes into the pages and comes back out of
// them unchanged: a key the window did not apply or not gather would return
// at its default.
void TstFensterverhalten::jederSchluesselDurchDasFenster()
{
    // every key but the window's size at a value other than its default
    const QByteArray datei =
        "[Daten]\r\nMaximized=0\r\nBreite=686\r\nHoehe=595\r\nledig=0\r\nverheirated=1\r\n"
        "doppel=1\r\neinzel=0\r\nKinder=3\r\nEinkommen1=3500055\r\nEinkommen2=2000000\r\n"
        "minimal=0\r\nindivBeitrag=40\r\ntarMindBtr=0\r\nEinkommenNR1=123450\r\n"
        "EinkommenNR2=9900\r\nDeltazvE=-25025\r\nSoli=550\r\nBundesland=4\r\n"
        "Berufseinsteiger1=1\r\nBerufseinsteiger2=1\r\nEigenbeitrag1=50000\r\n"
        "Eigenbeitrag2=30050\r\n"
        "[Angebot]\r\nKind_GJ1=2003\r\nKind_1P1=1\r\nKind_2P1=0\r\nKind_GJ2=2005\r\n"
        "Kind_1P2=0\r\nKind_2P2=1\r\nKind_GJ3=2008\r\nKind_1P3=1\r\nKind_2P3=0\r\n"
        "Verteilung=17\r\nkonservativ1=0\r\nwachstum1=1\r\nrisiko1=0\r\nkonservativ2=0\r\n"
        "wachstum2=0\r\nrisiko2=1\r\n"
        "[Sonstige Daten]\r\nFirmenlogo=1\r\nFirmenlogoDateipfad=/home/berater/Logo f\xFCr "
        "Kunden.bmp\r\nBeitragsjahr=2027\r\nFoerderrecht=bisher\r\n"
        "[Startfenster]\r\nStartfenster-anzeigen=0\r\n";
    const TEinstellungen e = EinstellungenLesen(TIniDatei::ausBytes(datei), 0, 0);
    const TEinstellungen vorgaben;
    for (const TEinstellungsschluessel& s : Einstellungstabelle())
        if (QLatin1String(s.Name) != QLatin1String("Maximized") &&
            QLatin1String(s.Name) != QLatin1String("Breite") &&
            QLatin1String(s.Name) != QLatin1String("Hoehe"))
            QVERIFY2(!TIniDatei::ausBytes(datei)
                          .lesenText(*s.Abschnitt,
                                     QLatin1String(s.Name) + (s.JeKind ? u"1"_s : QString()),
                                     QString())
                          .isEmpty(),
                     s.Name);
    QVERIFY(!(e == vorgaben));
    TProgramm p;
    p.iniSchreiben(datei);
    p.fenster()->BeendenBestaetigt = true;
    QCOMPARE(EinstellungenLesen(TIniDatei::ausBytes(p.iniLesen()), 0, 0), e);
    QCOMPARE(p.iniLesen(), datei);
}

// A rate no field could have given is not taken: 2147483647 as the solidarity
// surcharge would multiply the saving.
void TstFensterverhalten::unsinnigeSaetzeWerdenNichtGenommen()
{
    TProgramm p;
    p.iniSchreiben("[Daten]\r\nEinkommen1=3000000\r\nSoli=2147483647\r\nBundesland=99\r\n"
                   "EinkommenNR1=2147483647\r\n");
    auto f = p.fenster();
    QCOMPARE(f->Vorgabe().Anzeige().Details.Soli, 0.0);
    QCOMPARE(f->Vorgabe().Anzeige().Details.Bundesland, -1);
    QCOMPARE(f->Vorgabe().Anzeige().Details.EinkommenNR1, 0.0);
    QCOMPARE(f->Daten().Steuerersparnis, 195.0);
    f->BeendenBestaetigt = true;
}

QTEST_MAIN(TstFensterverhalten)
#include "tst_fensterverhalten.moc"
