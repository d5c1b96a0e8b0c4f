// The offer page: the split on screen, the children per parent, the hand-off
// file and the eligibility checker.
#include "ColorButton.h"
#include "Fehleranzeige.h"
#include "FloatDlg.h"
#include "Ortavo_Dialog.h"
#include "Schieberegler.h"
#include "Seitenreiter.h"
#include "SpinEdit.h"

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

struct TProgramm
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
    f.RadioButton_verheiratet->setChecked(true);
    f.RadioButton_Doppelverdiener->setChecked(true);
    f.Edit_Einkommen1->WertSetzen(ek1);
    f.Edit_Einkommen2->WertSetzen(ek2);
    f.CheckBox_minBeitrag->setChecked(false);
}

void kinder(THauptformular& f, QList<QPair<int, int>> liste)
{
    f.SpinEdit_Kinderzahl->setValue(static_cast<int>(liste.size()));
    for (qsizetype i = 0; i < liste.size(); ++i) {
        f.FloatEdit_Kind[static_cast<size_t>(i)]->WertSetzen(liste.at(i).first);
        (liste.at(i).second == 1 ? f.RadioButton_1p : f.RadioButton_2p)[static_cast<size_t>(i)]
            ->setChecked(true);
    }
    f.Vorgabeaenderung(nullptr);
}

void zurAngebotsseite(THauptformular& f)
{
    f.PageControl->setCurrentWidget(f.TabSheet_Angebot);
    QCoreApplication::processEvents();
}

QString text(const QLineEdit* e)
{
    return e->text().trimmed();
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
    TProgramm p;
    auto f = p.fenster();
    // first all nine, scrolled down, so that a smaller number must reset it
    f->SpinEdit_Kinderzahl->setValue(9);
    zurAngebotsseite(*f);
    f->ScrollBox_Kinder->verticalScrollBar()->setValue(50);
    f->PageControl->setCurrentWidget(f->TabSheet_Vorgabe);
    f->SpinEdit_Kinderzahl->setValue(anzahl);
    zurAngebotsseite(*f);
    // a resize on the page: the stretcher scales the rows, the range follows
    f->resize(static_cast<int>(f->StartBreite * faktor), static_cast<int>(f->StartHoehe * faktor));
    QCoreApplication::processEvents();

    for (int i = 0; i < MaxKinder; ++i) {
        QCOMPARE(f->Label_Kind[i]->isVisible(), i < anzahl);
        QCOMPARE(f->FloatEdit_Kind[i]->isVisible(), i < anzahl);
        QCOMPARE(f->Panel_Kind[i]->isVisible(), i < anzahl);
    }
    const int d = f->FloatEdit_Kind[1]->y() - f->FloatEdit_Kind[0]->y();
    if (bereich < 0) {
        QVERIFY2(d > 28, "the window did not grow");
        bereich = anzahl * d + 4;
    } else {
        QCOMPARE(d, 28);
    }
    QCOMPARE(f->ScrollBox_Kinder->verticalScrollBar()->isVisible(), leiste);
    QCOMPARE(f->ScrollBox_Kinder->widget()->height(), bereich);
    if (!leiste)
        QCOMPARE(f->ScrollBox_Kinder->verticalScrollBar()->value(), 0);
    else
        QCOMPARE(f->ScrollBox_Kinder->verticalScrollBar()->maximum(),
                 bereich - f->ScrollBox_Kinder->viewport()->height());
    f->BeendenBestaetigt = true;
}

void TstAngebotsseite::ledigSetztPersonenZurueck()
{
    TProgramm p;
    auto f = p.fenster();
    doppelverdiener(*f, 30000, 20000);
    kinder(*f, {{2005, 2}, {2009, 2}, {2001, 1}});
    zurAngebotsseite(*f);
    QVERIFY(f->RadioButton_2p[0]->isChecked());
    for (QWidget* w :
         {static_cast<QWidget*>(f->Label_Person2), static_cast<QWidget*>(f->Button_Angebot2),
          static_cast<QWidget*>(f->RadioButton_risiko2),
          static_cast<QWidget*>(f->RadioButton_2p[8])})
        QVERIFY(w->isEnabled());

    f->PageControl->setCurrentWidget(f->TabSheet_Vorgabe);
    f->RadioButton_ledig->setChecked(true);
    zurAngebotsseite(*f);
    for (int i = 0; i < MaxKinder; ++i) { // hidden rows too
        QVERIFY(f->RadioButton_1p[i]->isChecked());
        QVERIFY(!f->RadioButton_2p[i]->isEnabled());
    }
    for (QWidget* w :
         {static_cast<QWidget*>(f->Label_Person2), static_cast<QWidget*>(f->Button_Angebot2),
          static_cast<QWidget*>(f->RadioButton_konservativ2),
          static_cast<QWidget*>(f->RadioButton_wachstum2),
          static_cast<QWidget*>(f->RadioButton_risiko2)})
        QVERIFY(!w->isEnabled());
    QVERIFY(f->Button_Angebot1->isEnabled());
    QCOMPARE(f->Daten.VolleKinderzulage1, 185.0 + 300 + 185);
    QVERIFY(f->Edit_EB2->text().isEmpty());
    f->BeendenBestaetigt = true;
}

void TstAngebotsseite::kindVerschiebenVerschiebtDieZulage()
{
    TProgramm p;
    auto f = p.fenster();
    doppelverdiener(*f, 30000, 20000);
    f->TrackBar_gesB1->setValue(40);
    kinder(*f, {{2009, 2}, {2007, 1}});
    zurAngebotsseite(*f);
    QCOMPARE(f->Daten.VolleKinderzulage1, 185.0);
    QCOMPARE(f->Daten.VolleKinderzulage2, 300.0);
    const QString eb1Vorher = text(f->Edit_EB1);

    // a click as the adviser makes it
    QTest::mouseClick(f->RadioButton_1p[0], Qt::LeftButton);
    QVERIFY(f->RadioButton_1p[0]->isChecked());
    QCOMPARE(f->Daten.VolleKinderzulage1, 485.0);
    QCOMPARE(f->Daten.VolleKinderzulage2, 0.0);
    // H1 falls by 300, H2 rises by 300; the offer-mode split ran last
    QCOMPARE(f->Daten.Mindesteigenbeitrag1, 1200 - 154 - 485.0);
    QCOMPARE(f->Daten.Mindesteigenbeitrag2, 800 - 154.0);
    QVERIFY(text(f->Edit_EB1) != eb1Vorher);
    QCOMPARE(f->Daten.Eigenbeitrag1 + f->Daten.Eigenbeitrag2, f->Daten.Eigenbeitrag);

    // and back with the keyboard's space bar
    f->RadioButton_2p[0]->setFocus();
    QTest::keyClick(f->RadioButton_2p[0], Qt::Key_Space);
    QCOMPARE(f->Daten.VolleKinderzulage2, 300.0);
    f->BeendenBestaetigt = true;
}

void TstAngebotsseite::schiebereglerfallUndVerteilung()
{
    // 30000/20000 without children, position 29: 2130 own contribution;
    // offer mode: L = 1046, U = 2130 − 646 = 1484
    TProgramm p;
    auto f = p.fenster();
    doppelverdiener(*f, 30000, 20000);
    f->TrackBar_gesB1->setValue(29);
    QCOMPARE(f->Daten.Eigenbeitrag, 2130.0);
    zurAngebotsseite(*f);
    QVERIFY(f->TrackBar_Verteilung->isVisible());
    QVERIFY(f->Label_Hinweis->isVisible());
    const QString info = f->Memo_Info->toPlainText();
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
        f->TrackBar_Verteilung->setValue(fall.position);
        QCOMPARE(text(f->Edit_EB1), QString::fromUtf8(fall.eb1));
        QCOMPARE(text(f->Edit_EB2), QString::fromUtf8(fall.eb2));
        QCOMPARE(f->Label_Hinweis->text(), QString::fromUtf8(fall.hinweis));
        QCOMPARE(f->Memo_Info->toPlainText(), info);
        // moving the distribution slider neither recalculates nor moves the total
        QCOMPARE(f->Daten.Eigenbeitrag, 2130.0);
        QCOMPARE(f->TrackBar_gesB1->value(), 29);
    }
    f->BeendenBestaetigt = true;
}

void TstAngebotsseite::keinSchiebereglerfall()
{
    TProgramm p;
    auto f = p.fenster();
    doppelverdiener(*f, 30000, 20000);
    f->CheckBox_minBeitrag->setChecked(true);
    zurAngebotsseite(*f);
    QVERIFY(!f->TrackBar_Verteilung->isVisible());
    QVERIFY(!f->Label_Hinweis->isVisible());
    QCOMPARE(text(f->Edit_EB1), QStringLiteral("1.046,00 €"));
    QCOMPARE(text(f->Edit_EB2), QStringLiteral("646,00 €"));
    QCOMPARE(f->Memo_Info->toPlainText(),
             QStringLiteral("Gemäß Vorgabe wurde für beide Verträge der jeweilige "
                            "Mindesteigenbeitrag gewählt."));
    f->BeendenBestaetigt = true;
}

void TstAngebotsseite::geburtsjahrFliesstZurEingabeseite()
{
    // Single, minimum mode: a child born 2000 (185 €) made a 2009 child (300 €)
    // on the offer page lowers the minimum; leaving the page shows it.
    TProgramm p;
    auto f = p.fenster();
    f->Edit_Einkommen1->WertSetzen(30000);
    kinder(*f, {{2000, 1}});
    QVERIFY(f->CheckBox_minBeitrag->isChecked());
    zurAngebotsseite(*f);
    const QString vorher = text(f->Edit_e);
    f->FloatEdit_Kind[0]->WertSetzen(2009);
    QCOMPARE(f->Edit_GebJahre->text(), QStringLiteral("2000")); // not before the page is left
    f->PageControl->setCurrentWidget(f->TabSheet_Vorgabe);
    QCOMPARE(f->Edit_GebJahre->text(), QStringLiteral("2009"));
    QCOMPARE(f->Daten.VolleKinderzulage1, 300.0);
    QVERIFY(text(f->Edit_e) != vorher);
    QVERIFY(f->CheckBox_minBeitrag->isChecked());
    QCOMPARE(f->TrackBar_gesB1->value(), f->Daten.PositionVolleZulagen);
    QCOMPARE(f->Daten.Eigenbeitrag, f->Daten.Mindesteigenbeitrag1);
    f->BeendenBestaetigt = true;
}

void TstAngebotsseite::angebotsseiteBeimStartMitBack()
{
    TProgramm p;
    {
        auto f = p.fenster();
        kinder(*f, {{2003, 1}, {2004, 1}});
        f->CheckBox_tarMindBtr->setChecked(false);
        f->BeendenBestaetigt = true;
    } // the settings file keeps the household
    p.args = QStringList{QStringLiteral("back"), QStringLiteral("k")};
    auto f = p.fenster();
    QCOMPARE(f->PageControl->currentWidget(), f->TabSheet_Angebot);
    QVERIFY(f->Panel_Kind[1]->isVisible());
    QVERIFY(!f->Panel_Kind[2]->isVisible());
    QVERIFY(!f->Button_Angebot2->isEnabled());
    // the offer-mode split: a single's contribution at least the tariff minimum
    QVERIFY(f->Daten.Eigenbeitrag1 >= 120);
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
    TProgramm p;
    auto f = p.fenster();
    doppelverdiener(*f, 30000, 20000);
    f->TrackBar_gesB1->setValue(40);
    kinder(*f, {{2001, 1}, {2003, 2}, {2008, 1}, {2009, 2}});
    zurAngebotsseite(*f);
    f->RadioButton_wachstum1->setChecked(true);
    f->RadioButton_risiko2->setChecked(true);
    f->TrackBar_Verteilung->setValue(25);
    const double eb = zweite ? f->Daten.Eigenbeitrag2 : f->Daten.Eigenbeitrag1;
    QVERIFY(!QFile::exists(p.dat())); // the integrated start removed it
    QTest::mouseClick(zweite ? f->Button_Angebot2 : f->Button_Angebot1, Qt::LeftButton);
    QCOMPARE(lesen(p.dat()), erwartet);
    QVERIFY(erwartet.contains("Eigenbeitrag=" + QByteArray::number(qRound(eb * 100))));
    QVERIFY(f->BeendenBestaetigt);
    QVERIFY(!f->isVisible()); // closed without a question
    QVERIFY(m_fehler.isEmpty());
}

void TstAngebotsseite::geburtsjahrKurzVorDemKlick()
{
    TProgramm p;
    auto f = p.fenster();
    f->Edit_Einkommen1->WertSetzen(30000);
    kinder(*f, {{2007, 1}});
    zurAngebotsseite(*f);
    const double eb1 = f->Daten.Eigenbeitrag1;
    f->FloatEdit_Kind[0]->WertSetzen(2008);
    QTest::mouseClick(f->Button_Angebot1, Qt::LeftButton);
    const QByteArray datei = lesen(p.dat());
    QVERIFY2(datei.contains("\r\nGeburtsjahr1=2008\r\nKind1=1\r\n"), datei.constData());
    // the amounts computed before the edit stay in force
    QCOMPARE(f->Daten.Eigenbeitrag1, eb1);
    QVERIFY(datei.contains("EB_Typ=2\r\n"));
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
    TProgramm p;
    auto f = p.fenster();
    f->Edit_Einkommen1->WertSetzen(30000);
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

    QTest::mouseClick(f->Button_Angebot1, Qt::LeftButton);
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
    TProgramm p;
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
    QCOMPARE(f->PageControl->currentWidget(), f->TabSheet_Vorgabe);

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
    f->TabSheet_Vorgabe->installEventFilter(&zaehler);
    bool waehrenddessen = false;
    QTimer::singleShot(300, f.get(), [&] {
        waehrenddessen = true;
        gemalt = 0;
        QTest::mouseClick(f->Button_Weiter, Qt::LeftButton);
        QTest::keyClick(f.get(), Qt::Key_Right, Qt::ControlModifier);
        f->TabSheet_Vorgabe->repaint();
    });
    f->Button_Pruvex1Click();
    QVERIFY(waehrenddessen);
    QVERIFY(gemalt > 0);
    QCOMPARE(f->PageControl->currentWidget(), f->TabSheet_Vorgabe);
    QFile aufruf(dir + QStringLiteral("/aufruf.txt"));
    QVERIFY(aufruf.open(QIODevice::ReadOnly));
    QCOMPARE(aufruf.readAll(), QByteArray("r"));
    // input is taken again afterwards; the exit code 7 changed nothing
    QTest::mouseClick(f->Button_Weiter, Qt::LeftButton);
    QCOMPARE(f->PageControl->currentWidget(), f->TabSheet_Grafik);
    QVERIFY(m_fehler.isEmpty());
    f->BeendenBestaetigt = true;
}

QTEST_MAIN(TstAngebotsseite)
#include "tst_angebotsseite.moc"
