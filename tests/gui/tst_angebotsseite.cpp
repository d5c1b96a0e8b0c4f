// The offer page: the split on screen, the children per parent, the hand-off
// file and the eligibility checker.
#include "Bauteile.h"
#include "ColorButton.h"
#include "Fehleranzeige.h"
#include "FloatDlg.h"
#include "Ortavo_Angebot.h"
#include "Ortavo_Dialog.h"
#include "Ortavo_Vorgabe.h"
#include "Schieberegler.h"
#include "Seitenreiter.h"
#include "SpinEdit.h"
#include "TestProgramm.h"
#include "Zahlformat.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace Fermalin;

namespace {

struct TAngebotsprogramm
{
    QTemporaryDir dir;
    QStringList args{QStringLiteral("k")};

    QString pfad() const { return dir.filePath(QStringLiteral("fermalin")); }
    QString dat() const { return dir.filePath(QStringLiteral("fermalin.dat")); }
    std::unique_ptr<THauptformular> fenster() const
    {
        TProgrammUmgebung u;
        u.ProgrammPfad = pfad();
        u.Argumente = QStringList{pfad()} + args;
        u.Heute = QDate(2010, 3, 1);
        auto f = std::make_unique<THauptformular>(u);
        f->show();
        return f;
    }
};

// A two-earner couple without children, freely chosen total.
void doppelverdiener(THauptformular& f, int ek1, int ek2)
{
    element<QRadioButton>(f, "RadioButton_verheiratet")->setChecked(true);
    element<QRadioButton>(f, "RadioButton_Doppelverdiener")->setChecked(true);
    f.Vorgabe().EinkommenSetzen(ek1, ek2);
    f.Vorgabe().MinBeitragSetzen(false);
}

void kinder(THauptformular& f, QList<QPair<int, int>> liste)
{
    f.Vorgabe().KinderzahlSetzen(static_cast<int>(liste.size()));
    for (qsizetype i = 0; i < liste.size(); ++i)
        f.Angebot().KindSetzen(static_cast<int>(i), liste.at(i).first, liste.at(i).second == 1,
                               liste.at(i).second == 2);
    f.Vorgabe().Vorgabeaenderung(nullptr);
}

void zurAngebotsseite(THauptformular& f)
{
    f.SeiteZeigen(THauptformular::TSeite::Angebot);
    QCoreApplication::processEvents();
}

QString text(const QString& t)
{
    return t.trimmed();
}

QRadioButton* knopf(const THauptformular& f, const char* name)
{
    return element<QRadioButton>(f, name);
}

QString nr(const char* name, int i)
{
    return QLatin1String(name) + QString::number(i + 1);
}

QWidget* zeilenElement(const THauptformular& f, const char* name, int i)
{
    return element(f, nr(name, i).toLatin1().constData());
}

QByteArray lesen(const QString& pfad)
{
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<fehlt>");
}

} // namespace

class TstAngebotsseite : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void kinderzeilenUndBildlauf_data();
    void kinderzeilenUndBildlauf();
    void ledigSetztPersonenZurueck();
    void kindVerschiebenVerschiebtDieZulage();
    void schiebereglerfallUndVerteilung();
    void keinSchiebereglerfall();
    void geburtsjahrFliesstZurEingabeseite();
    void angebotsseiteBeimStartMitBack();
    void erfassungSchreibtDieDatei_data();
    void erfassungSchreibtDieDatei();
    void geburtsjahrKurzVorDemKlick();
    void schreibfehlerLaesstDasFensterOffen_data();
    void schreibfehlerLaesstDasFensterOffen();
    void pruefprogrammSperrtEingabenBisZumEnde();

private:
    QStringList m_fehler;
};

void TstAngebotsseite::init()
{
    m_fehler.clear();
    setzeFehleranzeige([this](const QString& m) { m_fehler << m; });
}

void TstAngebotsseite::cleanup()
{
    setzeFehleranzeige({});
}

void TstAngebotsseite::kinderzeilenUndBildlauf_data()
{
    QTest::addColumn<int>("anzahl");
    QTest::addColumn<double>("faktor");
    QTest::addColumn<bool>("leiste");
    QTest::addColumn<int>("bereich"); // n · d + 4
    QTest::newRow("keine Kinder") << 0 << 1.0 << false << 4;
    QTest::newRow("drei Kinder passen") << 3 << 1.0 << false << 88;
    QTest::newRow("vier Kinder") << 4 << 1.0 << true << 116;
    QTest::newRow("neun Kinder") << 9 << 1.0 << true << 256;
    // the screen may hold the window smaller: -1 stands for 4 · d + 4 as measured
    QTest::newRow("vier Kinder, vergrößert") << 4 << 1.5 << true << -1;
}

void TstAngebotsseite::kinderzeilenUndBildlauf()
{
    QFETCH(int, anzahl);
    QFETCH(double, faktor);
    QFETCH(bool, leiste);
    QFETCH(int, bereich);
    TAngebotsprogramm p;
    auto f = p.fenster();
    auto* box = element<QScrollArea>(*f, "ScrollBox_Kinder");
    // first all nine, scrolled down, so that a smaller number must reset it
    f->Vorgabe().KinderzahlSetzen(9);
    zurAngebotsseite(*f);
    box->verticalScrollBar()->setValue(50);
    f->SeiteZeigen(THauptformular::TSeite::Vorgabe);
    f->Vorgabe().KinderzahlSetzen(anzahl);
    zurAngebotsseite(*f);
    // a resize on the page: the stretcher scales the rows, the range follows
    f->resize(static_cast<int>(f->StartBreite * faktor), static_cast<int>(f->StartHoehe * faktor));
    QCoreApplication::processEvents();

    for (int i = 0; i < MaxKinder; ++i) {
        QCOMPARE(zeilenElement(*f, "Label_Kind", i)->isVisible(), i < anzahl);
        QCOMPARE(zeilenElement(*f, "FloatEdit_Kind", i)->isVisible(), i < anzahl);
        QCOMPARE(zeilenElement(*f, "Panel_Kind", i)->isVisible(), i < anzahl);
        QCOMPARE(f->Angebot().Anzeige().Zeile[static_cast<size_t>(i)], i < anzahl);
    }
    const int d =
        zeilenElement(*f, "FloatEdit_Kind", 1)->y() - zeilenElement(*f, "FloatEdit_Kind", 0)->y();
    if (bereich < 0) {
        QVERIFY2(d > 28, "the window did not grow");
        bereich = anzahl * d + 4;
    } else {
        QCOMPARE(d, 28);
    }
    QCOMPARE(box->verticalScrollBar()->isVisible(), leiste);
    QCOMPARE(f->Angebot().Anzeige().Bildlaufleiste, leiste);
    QCOMPARE(box->widget()->height(), bereich);
    if (!leiste)
        QCOMPARE(box->verticalScrollBar()->value(), 0);
    else
        QCOMPARE(box->verticalScrollBar()->maximum(), bereich - box->viewport()->height());
    f->BeendenBestaetigt = true;
}

void TstAngebotsseite::ledigSetztPersonenZurueck()
{
    TAngebotsprogramm p;
    auto f = p.fenster();
    doppelverdiener(*f, 30000, 20000);
    kinder(*f, {{2005, 2}, {2009, 2}, {2001, 1}});
    zurAngebotsseite(*f);
    QVERIFY(knopf(*f, "RadioButton_2p1")->isChecked());
    for (const char* name :
         {"Label_Person2", "Button_Angebot2", "RadioButton_risiko2", "RadioButton_2p9"})
        QVERIFY(element(*f, name)->isEnabled());
    QVERIFY(f->Angebot().Anzeige().Person2Aktiv);

    f->SeiteZeigen(THauptformular::TSeite::Vorgabe);
    knopf(*f, "RadioButton_ledig")->setChecked(true);
    zurAngebotsseite(*f);
    for (int i = 0; i < MaxKinder; ++i) { // hidden rows too
        QVERIFY(knopf(*f, nr("RadioButton_1p", i).toLatin1())->isChecked());
        QVERIFY(!knopf(*f, nr("RadioButton_2p", i).toLatin1())->isEnabled());
    }
    for (const char* name : {"Label_Person2", "Button_Angebot2", "RadioButton_konservativ2",
                             "RadioButton_wachstum2", "RadioButton_risiko2"})
        QVERIFY(!element(*f, name)->isEnabled());
    QVERIFY(!f->Angebot().Anzeige().Person2Aktiv);
    QVERIFY(element(*f, "Button_Angebot1")->isEnabled());
    QCOMPARE(f->Daten().VolleKinderzulage1, 185.0 + 300 + 185);
    QVERIFY(f->Angebot().Anzeige().Eigenbeitrag2.isEmpty());
    f->BeendenBestaetigt = true;
}

void TstAngebotsseite::kindVerschiebenVerschiebtDieZulage()
{
    TAngebotsprogramm p;
    auto f = p.fenster();
    doppelverdiener(*f, 30000, 20000);
    f->Vorgabe().BeitragSetzen(40);
    kinder(*f, {{2009, 2}, {2007, 1}});
    zurAngebotsseite(*f);
    QCOMPARE(f->Daten().VolleKinderzulage1, 185.0);
    QCOMPARE(f->Daten().VolleKinderzulage2, 300.0);
    const QString eb1Vorher = text(f->Angebot().Anzeige().Eigenbeitrag1);

    // a click as the adviser makes it
    QTest::mouseClick(knopf(*f, "RadioButton_1p1"), Qt::LeftButton);
    QVERIFY(knopf(*f, "RadioButton_1p1")->isChecked());
    QCOMPARE(f->Daten().VolleKinderzulage1, 485.0);
    QCOMPARE(f->Daten().VolleKinderzulage2, 0.0);
    // H1 falls by 300, H2 rises by 300; the offer-mode split ran last
    QCOMPARE(f->Daten().Mindesteigenbeitrag1, 1200 - 154 - 485.0);
    QCOMPARE(f->Daten().Mindesteigenbeitrag2, 800 - 154.0);
    const TAufteilung a = Aufteilen(f->EingabenLesen(), f->Daten(), true);
    QVERIFY(text(f->Angebot().Anzeige().Eigenbeitrag1) != eb1Vorher);
    QCOMPARE(text(f->Angebot().Anzeige().Eigenbeitrag1), FormatN(a.Eigenbeitrag1, 2) + Euro);
    QCOMPARE(a.Eigenbeitrag1 + a.Eigenbeitrag2, f->Daten().Eigenbeitrag);

    // and back with the keyboard's space bar
    knopf(*f, "RadioButton_2p1")->setFocus();
    QTest::keyClick(knopf(*f, "RadioButton_2p1"), Qt::Key_Space);
    QCOMPARE(f->Daten().VolleKinderzulage2, 300.0);
    f->BeendenBestaetigt = true;
}

void TstAngebotsseite::schiebereglerfallUndVerteilung()
{
    // 30000/20000 without children, position 29: 2130 own contribution;
    // offer mode: L = 1046, U = 2130 − 646 = 1484
    TAngebotsprogramm p;
    auto f = p.fenster();
    doppelverdiener(*f, 30000, 20000);
    f->Vorgabe().BeitragSetzen(29);
    QCOMPARE(f->Daten().Eigenbeitrag, 2130.0);
    zurAngebotsseite(*f);
    QVERIFY(element(*f, "TrackBar_Verteilung")->isVisible());
    QVERIFY(element(*f, "Label_Hinweis")->isVisible());
    const QString info = f->Angebot().Anzeige().Info;
    QVERIFY2(info.startsWith(QStringLiteral("Der gewählte Gesamteigenbeitrag (2.130 Euro) liegt "
                                            "zwischen der Summe")),
             qPrintable(info));

    struct TFall
    {
        int position;
        const char* eb1;
        const char* eb2;
        const char* hinweis;
    };
    const TFall faelle[] = {
        {10, "1.395,00 €", "735,00 €", ""}, // 1396.40 on the grid of 5
        {50, "1.046,00 €", "1.084,00 €", "Mindesteigenbeitrag für 1. Person erreicht"},
        {0, "1.484,00 €", "646,00 €", "Mindesteigenbeitrag für 2. Person erreicht"},
    };
    for (const TFall& fall : faelle) {
        f->Angebot().VerteilungSetzen(fall.position);
        const TSeiteAngebot::TAnzeige a = f->Angebot().Anzeige();
        QCOMPARE(text(a.Eigenbeitrag1), QString::fromUtf8(fall.eb1));
        QCOMPARE(text(a.Eigenbeitrag2), QString::fromUtf8(fall.eb2));
        QCOMPARE(a.Hinweis, QString::fromUtf8(fall.hinweis));
        QCOMPARE(a.Info, info);
        // moving the distribution slider does not recalculate nor move the total
        QCOMPARE(f->Daten().Eigenbeitrag, 2130.0);
        QCOMPARE(f->Vorgabe().Anzeige().Beitrag, 29);
        // the report's split follows the slider: the printout shows what the batch program gives
        QCOMPARE(f->BerichtZeilen(), Rechnen(f->EingabenLesen()).Bericht);
    }
    f->BeendenBestaetigt = true;
}

void TstAngebotsseite::keinSchiebereglerfall()
{
    TAngebotsprogramm p;
    auto f = p.fenster();
    doppelverdiener(*f, 30000, 20000);
    f->Vorgabe().MinBeitragSetzen(true);
    zurAngebotsseite(*f);
    const TSeiteAngebot::TAnzeige a = f->Angebot().Anzeige();
    QVERIFY(!a.Schieberegler);
    QVERIFY(!a.HinweisSichtbar);
    QCOMPARE(text(a.Eigenbeitrag1), QStringLiteral("1.046,00 €"));
    QCOMPARE(text(a.Eigenbeitrag2), QStringLiteral("646,00 €"));
    QCOMPARE(a.Info, QStringLiteral("Gemäß Vorgabe wurde für beide Verträge der jeweilige "
                                    "Mindesteigenbeitrag gewählt."));
    f->BeendenBestaetigt = true;
}

void TstAngebotsseite::geburtsjahrFliesstZurEingabeseite()
{
    // Single, minimum mode: a child born 2000 (185 €) made a 2009 child (300 €)
    // on the offer page lowers the minimum; leaving the page shows it.
    TAngebotsprogramm p;
    auto f = p.fenster();
    f->Vorgabe().EinkommenSetzen(30000, 0);
    kinder(*f, {{2000, 1}});
    QVERIFY(f->Vorgabe().Anzeige().MinBeitrag);
    zurAngebotsseite(*f);
    const QString vorher = f->Vorgabe().Anzeige().Eigenbeitrag;
    element<TFloatEdit>(*f, "FloatEdit_Kind1")->WertSetzen(2009);
    // not before the page is left
    QCOMPARE(f->Vorgabe().Anzeige().GebJahre, QStringLiteral("2000"));
    f->SeiteZeigen(THauptformular::TSeite::Vorgabe);
    const TSeiteVorgabe::TAnzeige v = f->Vorgabe().Anzeige();
    QCOMPARE(v.GebJahre, QStringLiteral("2009"));
    QCOMPARE(f->Daten().VolleKinderzulage1, 300.0);
    QVERIFY(v.Eigenbeitrag != vorher);
    QVERIFY(v.MinBeitrag);
    QCOMPARE(v.Beitrag, f->Daten().PositionVolleZulagen);
    QCOMPARE(f->Daten().Eigenbeitrag, f->Daten().Mindesteigenbeitrag1);
    f->BeendenBestaetigt = true;
}

void TstAngebotsseite::angebotsseiteBeimStartMitBack()
{
    TAngebotsprogramm p;
    {
        auto f = p.fenster();
        kinder(*f, {{2003, 1}, {2004, 1}});
        f->Vorgabe().TarMindBtrSetzen(false);
        f->BeendenBestaetigt = true;
    } // the settings file keeps the household
    p.args = QStringList{QStringLiteral("back"), QStringLiteral("k")};
    auto f = p.fenster();
    QCOMPARE(f->Anzeige().Seite, THauptformular::TSeite::Angebot);
    QVERIFY(element(*f, "Panel_Kind2")->isVisible());
    QVERIFY(!element(*f, "Panel_Kind3")->isVisible());
    QVERIFY(!element(*f, "Button_Angebot2")->isEnabled());
    // the offer-mode split: a single's contribution at least the tariff minimum
    QVERIFY(Aufteilen(f->EingabenLesen(), f->Daten(), true).Eigenbeitrag1 >= 120);
    QCOMPARE(text(f->Angebot().Anzeige().Eigenbeitrag1), QStringLiteral("120,00 €"));
    f->BeendenBestaetigt = true;
}

void TstAngebotsseite::erfassungSchreibtDieDatei_data()
{
    QTest::addColumn<bool>("zweite");
    QTest::addColumn<QByteArray>("erwartet");
    QTest::newRow("1. Person, wachstumsorientiert")
        << false
        << QByteArray(
               "[Typ]\r\nKlassik=1\r\nEuro=1\r\n\r\n[Daten]\r\nTyp=1\r\nEinkommen=3000000\r\n"
               "Kinder=4\r\nGeburtsjahr1=2001\r\nKind1=1\r\nGeburtsjahr2=2003\r\nKind2=0\r\n"
               "Geburtsjahr3=2008\r\nKind3=1\r\nGeburtsjahr4=2009\r\nKind4=0\r\n"
               "EB_Typ=1\r\nEigenbeitrag=104000\r\n");
    QTest::newRow("2. Person, risikobewusst")
        << true
        << QByteArray(
               "[Typ]\r\nKlassik=2\r\nEuro=1\r\n\r\n[Daten]\r\nTyp=1\r\nEinkommen=2000000\r\n"
               "Kinder=4\r\nGeburtsjahr1=2001\r\nKind1=0\r\nGeburtsjahr2=2003\r\nKind2=1\r\n"
               "Geburtsjahr3=2008\r\nKind3=0\r\nGeburtsjahr4=2009\r\nKind4=1\r\n"
               "EB_Typ=1\r\nEigenbeitrag=104200\r\n");
}

void TstAngebotsseite::erfassungSchreibtDieDatei()
{
    QFETCH(bool, zweite);
    QFETCH(QByteArray, erwartet);
    TAngebotsprogramm p;
    auto f = p.fenster();
    doppelverdiener(*f, 30000, 20000);
    f->Vorgabe().BeitragSetzen(40);
    kinder(*f, {{2001, 1}, {2003, 2}, {2008, 1}, {2009, 2}});
    zurAngebotsseite(*f);
    knopf(*f, "RadioButton_wachstum1")->setChecked(true);
    knopf(*f, "RadioButton_risiko2")->setChecked(true);
    f->Angebot().VerteilungSetzen(25);
    const TAufteilung a = Aufteilen(f->EingabenLesen(), f->Daten(), true);
    const double eb = zweite ? a.Eigenbeitrag2 : a.Eigenbeitrag1;
    QVERIFY(!QFile::exists(p.dat())); // the integrated start removed it
    QTest::mouseClick(element(*f, zweite ? "Button_Angebot2" : "Button_Angebot1"), Qt::LeftButton);
    QCOMPARE(lesen(p.dat()), erwartet);
    QVERIFY(erwartet.contains("Eigenbeitrag=" + QByteArray::number(qRound(eb * 100))));
    QVERIFY(f->BeendenBestaetigt);
    QVERIFY(!f->isVisible()); // closed without a question
    QVERIFY(m_fehler.isEmpty());
}

void TstAngebotsseite::geburtsjahrKurzVorDemKlick()
{
    TAngebotsprogramm p;
    auto f = p.fenster();
    f->Vorgabe().EinkommenSetzen(30000, 0);
    f->Vorgabe().MinBeitragSetzen(false);
    f->Vorgabe().BeitragSetzen(25);
    kinder(*f, {{2007, 1}});
    zurAngebotsseite(*f);
    const TZulagenDaten vorher = f->Daten();
    const double eb1 = Aufteilen(f->EingabenLesen(), vorher, true).Eigenbeitrag1;
    element<TFloatEdit>(*f, "FloatEdit_Kind1")->WertSetzen(2008);
    QTest::mouseClick(element(*f, "Button_Angebot1"), Qt::LeftButton);
    const QByteArray datei = lesen(p.dat());
    QVERIFY2(datei.contains("\r\nGeburtsjahr1=2008\r\nKind1=1\r\n"), datei.constData());
    // the amounts computed before the edit stay in force
    QCOMPARE(f->Daten().VolleKinderzulage1, vorher.VolleKinderzulage1);
    QVERIFY2(datei.endsWith("EB_Typ=1\r\nEigenbeitrag=" + QByteArray::number(qRound(eb1 * 100)) +
                            "\r\n"),
             datei.constData());
}

void TstAngebotsseite::schreibfehlerLaesstDasFensterOffen_data()
{
    QTest::addColumn<bool>("schreibgeschuetzt"); // else the name is taken by a directory
    QTest::newRow("schreibgeschütztes Verzeichnis") << true;
    QTest::newRow("Verzeichnis statt Datei") << false;
}

void TstAngebotsseite::schreibfehlerLaesstDasFensterOffen()
{
    QFETCH(bool, schreibgeschuetzt);
    TAngebotsprogramm p;
    auto f = p.fenster();
    f->Vorgabe().EinkommenSetzen(30000, 0);
    zurAngebotsseite(*f);
    const QDir dir(p.dir.path());
    if (schreibgeschuetzt) {
        QFile::setPermissions(p.dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        QFile probe(dir.filePath(QStringLiteral("probe")));
        if (probe.open(QIODevice::WriteOnly)) {
            probe.remove();
            QFile::setPermissions(p.dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                    QFileDevice::ExeOwner);
            QSKIP("Als root ist kein Verzeichnis schreibgeschützt; der Fall \"Verzeichnis statt "
                  "Datei\" prüft denselben Weg.");
        }
    } else {
        QVERIFY(dir.mkdir(QStringLiteral("fermalin.dat")));
    }
    const QStringList vorher = dir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot);

    QTest::mouseClick(element(*f, "Button_Angebot1"), Qt::LeftButton);
    QFile::setPermissions(p.dir.path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QCOMPARE(m_fehler.size(), 1);
    QVERIFY2(m_fehler.first().contains(p.dat()), qPrintable(m_fehler.first()));
    QVERIFY(f->isVisible());
    QVERIFY(!f->BeendenBestaetigt);
    QCOMPARE(dir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot), vorher); // no half file
    f->BeendenBestaetigt = true;
}

void TstAngebotsseite::pruefprogrammSperrtEingabenBisZumEnde()
{
    TAngebotsprogramm p;
    const QString dir = p.dir.filePath(QStringLiteral("Mein Rechner"));
    QVERIFY(QDir().mkpath(dir));
    QFile s(dir + QStringLiteral("/Pruvex.exe"));
    QVERIFY(s.open(QIODevice::WriteOnly));
    s.write("#!/bin/sh\nsleep 1\nprintf '%s' \"$@\" > \"$(dirname \"$0\")/aufruf.txt\"\nexit 7\n");
    s.close();
    s.setPermissions(s.permissions() | QFileDevice::ExeOwner);

    auto f = p.fenster();
    f->PruvexPfad.clear();
    f->Button_Pruvex1Click(); // not installed: nothing happens
    f->PruvexPfad = QLatin1Char('"') + s.fileName() + QLatin1Char('"');
    QCOMPARE(f->Anzeige().Seite, THauptformular::TSeite::Vorgabe);

    // While the checker runs: a click on "Weiter >" is swallowed, painting goes on.
    int gemalt = 0;
    struct TMalzaehler : QObject
    {
        int* n;
        explicit TMalzaehler(int* z) : n(z) {}
        bool eventFilter(QObject*, QEvent* e) override
        {
            if (e->type() == QEvent::Paint)
                ++*n;
            return false;
        }
    } zaehler(&gemalt);
    f->Vorgabe().installEventFilter(&zaehler);
    bool waehrenddessen = false;
    QTimer::singleShot(300, f.get(), [&] {
        waehrenddessen = true;
        gemalt = 0;
        QTest::mouseClick(element(*f, "Button_Weiter"), Qt::LeftButton);
        QTest::keyClick(f.get(), Qt::Key_Right, Qt::ControlModifier);
        f->Vorgabe().repaint();
    });
    f->Button_Pruvex1Click();
    QVERIFY(waehrenddessen);
    QVERIFY(gemalt > 0);
    QCOMPARE(f->Anzeige().Seite, THauptformular::TSeite::Vorgabe);
    QFile aufruf(dir + QStringLiteral("/aufruf.txt"));
    QVERIFY(aufruf.open(QIODevice::ReadOnly));
    QCOMPARE(aufruf.readAll(), QByteArray("r"));
    // input is taken again afterwards; the exit code 7 changed nothing
    QTest::mouseClick(element(*f, "Button_Weiter"), Qt::LeftButton);
    QCOMPARE(f->Anzeige().Seite, THauptformular::TSeite::Grafik);
    QVERIFY(m_fehler.isEmpty());
    f->BeendenBestaetigt = true;
}

QTEST_MAIN(TstAngebotsseite)
#include "tst_angebotsseite.moc"
