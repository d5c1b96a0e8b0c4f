// The taxable-income dialog through the main window: opening, OK, Abbrechen.
#include "ColorButton.h"
#include "ColorMsg.h"
#include "EkSteuer.h"
#include "FloatDlg.h"
#include "Ortavo_Dialog.h"
#include "Ortavo_EKDialog.h"
#include "Ortavo_Vorgabe.h"
#include "TestProgramm.h"
#include "Zahlformat.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cmath>
#include <functional>
#include <memory>

using namespace Fermalin;
using namespace Qt::StringLiterals;

namespace {

struct TUmfeld
{
    QTemporaryDir dir;
    std::unique_ptr<THauptformular> fenster;

    TUmfeld()
    {
        TProgrammUmgebung u;
        u.ProgrammPfad = dir.filePath(QStringLiteral("fermalin"));
        u.Argumente = {u.ProgrammPfad};
        u.Heute = QDate(2009, 6, 1);
        fenster = std::make_unique<THauptformular>(u);
        fenster->BeendenBestaetigt = true;
    }
    THauptformular& f() { return *fenster; }
    TEKDialog& d() { return fenster->EKDialog(); }
};

// The input page's detail values changed as a test needs them, then recalculated.
void details(THauptformular& f, const std::function<void(TDetailwerte&)>& aendern)
{
    TDetailwerte w = f.Vorgabe().Anzeige().Details;
    aendern(w);
    f.Vorgabe().DetailwerteSetzen(w);
    f.Vorgabe().Vorgabeaenderung(nullptr);
}

TFloatEdit* einkommen(const THauptformular& f, int person)
{
    return element<TFloatEdit>(f, person == 2 ? "Edit_Einkommen2" : "Edit_Einkommen1");
}

// Opens the dialog with "Details...", lets the test work in it while it is
// shown, then leaves it with OK or Abbrechen.
void imDialog(TUmfeld& u, const std::function<void(TEKDialog&)>& arbeit, bool ok)
{
    bool gelaufen = false;
    QTimer::singleShot(0, [&] {
        TEKDialog& d = u.d();
        QVERIFY(d.isVisible());
        arbeit(d);
        gelaufen = true;
        (ok ? d.Button_OK : d.Button_Abbruch)->click();
    });
    element<QPushButton>(u.f(), "Button_Details")->click();
    QVERIFY(gelaufen);
    QVERIFY(!u.d().isVisible());
}

QString ohneBlanks(const QString& text)
{
    return text.trimmed();
}

// fermalin-cli lies beside the program the tests were built with.
QJsonObject berechne(const QByteArray& zeile)
{
    QProcess p;
    p.start(QCoreApplication::applicationDirPath() + QStringLiteral("/../src/fermalin-cli"),
            {QStringLiteral("berechne")});
    p.write(zeile + '\n');
    p.closeWriteChannel();
    if (!p.waitForFinished(20000))
        return {};
    return QJsonDocument::fromJson(p.readAllStandardOutput().trimmed()).object();
}

} // namespace

class TstEKDialog : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { MeldungsHakenSetzen({}); }
    void aufbau();
    void oeffnenFuelltAusDemDatensatz();
    void texteFolgenDemBeitragsjahr_data();
    void texteFolgenDemBeitragsjahr();
    void manuellesZvEUndSpaetereLohnerhoehung();
    void okOhneAenderungMisstVomGerundetenZvE();
    void automatischSetztZurueck();
    void kirchensteuerNachBundesland_data();
    void kirchensteuerNachBundesland();
    void soliUndBayernWieDasStapelprogramm();
    void abbrechenAendertNichts();
    void ledigPerson2VerborgenNR2BleibtOhneWirkung();
    void liveSchaetzung();
    void einmalAngelegtUndWiederverwendet();
    void enterImVollenFeldDruecktOK();
};

void TstEKDialog::aufbau()
{
    TUmfeld u;
    TEKDialog& d = u.d();
    QCOMPARE(d.windowTitle(), QStringLiteral("Detailangaben zum Einkommen"));
    // the client area ends 10 pixels beyond the OK button
    QCOMPARE(d.height(), d.Button_OK->geometry().bottom() + 1 + 10);
    QVERIFY(d.width() >= d.Button_OK->geometry().right() + 1 + 10);
    QCOMPARE(d.ComboBox_Bundesland->count(), 16);
    QCOMPARE(d.ComboBox_Bundesland->itemText(4), QStringLiteral("Bremen"));
    QCOMPARE(d.ComboBox_Bundesland->itemText(15), QStringLiteral("Thüringen"));
    for (TFloatEdit* e : {d.Edit_EK1, d.Edit_EK2, d.Edit_EK1nr, d.Edit_EK2nr, d.Edit_zvE}) {
        QVERIFY(e->IntOnly());
        QCOMPARE(e->MaxWert(), 999999.0);
        QCOMPARE(e->maxLength(), 6);
    }
}

void TstEKDialog::oeffnenFuelltAusDemDatensatz()
{
    TUmfeld u;
    THauptformular& f = u.f();
    element<QRadioButton>(f, "RadioButton_verheiratet")->setChecked(true);
    element<QRadioButton>(f, "RadioButton_Doppelverdiener")->setChecked(true);
    einkommen(f, 1)->WertSetzen(30000);
    einkommen(f, 2)->WertSetzen(20000);
    details(f, [](TDetailwerte& w) { w = {1500, 700, -250.4, 0, 4}; });
    const double zvE = f.Daten().zvE;
    imDialog(
        u,
        [&](TEKDialog& d) {
            QVERIFY(d.Label_Pers2->isVisible());
            QVERIFY(d.Edit_EK2->isVisible() && d.Edit_EK2->isEnabled());
            QVERIFY(d.Edit_EK2nr->isVisible());
            QCOMPARE(d.Edit_EK1->WertLesen(), 30000.0);
            QCOMPARE(d.Edit_EK2->WertLesen(), 20000.0);
            QCOMPARE(d.Edit_EK1nr->WertLesen(), 1500.0);
            QCOMPARE(d.Edit_EK2nr->WertLesen(), 700.0);
            QVERIFY(!d.CheckBox_zvE_automatisch->isChecked());
            QVERIFY(d.Edit_zvE->isEnabled());
            QCOMPARE(d.Edit_zvE->WertLesen(), std::round(zvE));
            QVERIFY(!d.CheckBox_Soli->isChecked());
            QVERIFY(d.CheckBox_KiSt->isChecked());
            QVERIFY(d.ComboBox_Bundesland->isEnabled());
            QCOMPARE(d.ComboBox_Bundesland->currentText(), QStringLiteral("Bremen"));
        },
        false);
    // one earner: the second income is shown but locked
    element<QRadioButton>(f, "RadioButton_Einzelverdiener")->setChecked(true);
    imDialog(
        u,
        [](TEKDialog& d) {
            QVERIFY(d.Edit_EK2->isVisible());
            QVERIFY(!d.Edit_EK2->isEnabled());
        },
        false);
}

void TstEKDialog::texteFolgenDemBeitragsjahr_data()
{
    QTest::addColumn<int>("jahr");
    QTest::addColumn<QString>("einkommen");
    QTest::addColumn<QString>("soli");
    QTest::newRow("2010: Einkommen 2009, der Zuschlag als fester Satz")
        << 2010 << u"Bruttoeinkommen 2009 in Euro:"_s
        << u"Beitragsjahr 2010: 5,5 % der Einkommensteuer; die Ersparnis steigt um 5,5 %."_s;
    QTest::newRow("2021: die erste Freigrenze nach dem Rückführungsgesetz")
        << 2021 << u"Bruttoeinkommen 2020 in Euro:"_s
        << u"Beitragsjahr 2021: Zuschlag erst über 16.956 Euro Einkommensteuer (zusammen veranlagt "
           u"33.912 "
           "Euro); darunter erspart der Haken nichts."_s;
    QTest::newRow("2026: Einkommen 2025, Freigrenze 20 350 Euro")
        << 2026 << u"Bruttoeinkommen 2025 in Euro:"_s
        << u"Beitragsjahr 2026: Zuschlag erst über 20.350 Euro Einkommensteuer (zusammen veranlagt "
           u"40.700 "
           "Euro); darunter erspart der Haken nichts."_s;
}

// The dialog opened in another contribution year names that year's incomes and
// its surcharge rule, without reopening the window.
void TstEKDialog::texteFolgenDemBeitragsjahr()
{
    QFETCH(int, jahr);
    QFETCH(QString, einkommen);
    QFETCH(QString, soli);
    TUmfeld u;
    u.f().Vorgabe().BeitragsjahrSetzen(jahr);
    details(u.f(), [](TDetailwerte& w) { w.Bundesland = 1; });
    imDialog(
        u,
        [&](TEKDialog& d) {
            QCOMPARE(d.Label_EK->text(), einkommen);
            QCOMPARE(d.Label_EKnr->text(), einkommen);
            QCOMPARE(d.Label_Soli->text(), soli);
            QCOMPARE(d.Label_KiStSatz->text(), u"Kirchensteuersatz 8 %"_s);
            d.ComboBox_Bundesland->setCurrentIndex(4);
            QCOMPARE(d.Label_KiStSatz->text(), u"Kirchensteuersatz 9 %"_s);
            // nothing cut off at the dialog's right or bottom edge
            for (QWidget* w :
                 {static_cast<QWidget*>(d.Label_Soli), static_cast<QWidget*>(d.Label_KiStSatz)})
                QVERIFY(d.rect().contains(w->geometry()));
            // the rule's lines whole, above the church-tax box
            QVERIFY(d.Label_Soli->height() >= d.Label_Soli->heightForWidth(d.Label_Soli->width()));
            QVERIFY(d.Label_Soli->geometry().bottom() < d.CheckBox_KiSt->y());
        },
        false);
}

void TstEKDialog::manuellesZvEUndSpaetereLohnerhoehung()
{
    TUmfeld u;
    THauptformular& f = u.f();
    einkommen(f, 1)->WertSetzen(30000);
    QCOMPARE(f.Daten().zvE, 25206.80);
    imDialog(
        u,
        [](TEKDialog& d) {
            QVERIFY(d.CheckBox_zvE_automatisch->isChecked());
            QCOMPARE(d.Edit_zvE->text(), QStringLiteral("25207"));
            d.CheckBox_zvE_automatisch->click();
            QVERIFY(d.Edit_zvE->isEnabled());
            d.Edit_zvE->selectAll();
            QTest::keyClicks(d.Edit_zvE, QStringLiteral("20000"));
        },
        true);
    QCOMPARE(f.Vorgabe().Anzeige().Details.DeltazvE, -5206.80);
    QCOMPARE(f.Daten().zvE, 20000.0);
    // a raise on the input page moves the typed income along with the estimate
    einkommen(f, 1)->WertSetzen(35000);
    TZulagenDaten probe = f.Daten();
    const double neu = ZvESchaetzung(probe, 35000, 0);
    QVERIFY(neu > 25206.80);
    QCOMPARE(f.Daten().zvE, neu - 5206.80);
}

void TstEKDialog::okOhneAenderungMisstVomGerundetenZvE()
{
    TUmfeld u;
    THauptformular& f = u.f();
    einkommen(f, 1)->WertSetzen(30000);
    details(f, [](TDetailwerte& w) { w.DeltazvE = -100.25; });
    QCOMPARE(f.Daten().zvE, 25106.55);
    imDialog(
        u,
        [](TEKDialog& d) {
            QVERIFY(!d.CheckBox_zvE_automatisch->isChecked());
            QCOMPARE(d.Edit_zvE->text(), QStringLiteral("25107"));
        },
        true);
    // the cents of the offset are gone: 25107 - 25206,80
    QCOMPARE(f.Vorgabe().Anzeige().Details.DeltazvE, -99.80);
    QCOMPARE(f.Daten().zvE, 25107.0);
}

void TstEKDialog::automatischSetztZurueck()
{
    TUmfeld u;
    THauptformular& f = u.f();
    einkommen(f, 1)->WertSetzen(30000);
    details(f, [](TDetailwerte& w) { w.DeltazvE = -5206.80; });
    imDialog(
        u,
        [](TEKDialog& d) {
            QCOMPARE(d.Edit_zvE->text(), QStringLiteral("20000"));
            d.CheckBox_zvE_automatisch->click();
            // ticked: the estimate shows at once and the field is locked
            QCOMPARE(d.Edit_zvE->text(), QStringLiteral("25207"));
            QVERIFY(!d.Edit_zvE->isEnabled());
        },
        true);
    QCOMPARE(f.Vorgabe().Anzeige().Details.DeltazvE, 0.0);
    QCOMPARE(f.Daten().zvE, 25206.80);
}

void TstEKDialog::kirchensteuerNachBundesland_data()
{
    QTest::addColumn<bool>("ankreuzen");
    QTest::addColumn<QString>("land");
    QTest::addColumn<int>("bundesland");
    QTest::addColumn<double>("satz");
    QTest::newRow("Bremen") << true << QStringLiteral("Bremen") << 4 << 0.09;
    QTest::newRow("Bayern") << true << QStringLiteral("Bayern") << 1 << 0.08;
    QTest::newRow("abgewählt") << false << QStringLiteral("Hessen") << -1 << 0.0;
}

void TstEKDialog::kirchensteuerNachBundesland()
{
    QFETCH(bool, ankreuzen);
    QFETCH(QString, land);
    TUmfeld u;
    THauptformular& f = u.f();
    einkommen(f, 1)->WertSetzen(30000);
    details(f, [](TDetailwerte& w) { w.Bundesland = 6; }); // Hessen, ticked
    imDialog(
        u,
        [&](TEKDialog& d) {
            QVERIFY(d.CheckBox_KiSt->isChecked());
            d.ComboBox_Bundesland->setCurrentText(land);
            if (!ankreuzen) {
                d.CheckBox_KiSt->click();
                QVERIFY(!d.ComboBox_Bundesland->isEnabled());
            }
        },
        true);
    QTEST(f.Vorgabe().Anzeige().Details.Bundesland, "bundesland");
    QTEST(f.Daten().KiStSatz, "satz");
}

void TstEKDialog::soliUndBayernWieDasStapelprogramm()
{
    TUmfeld u;
    THauptformular& f = u.f();
    einkommen(f, 1)->WertSetzen(30000);
    const QString ohne = ohneBlanks(f.Vorgabe().Anzeige().Steuerersparnis);
    const QJsonObject erwartetOhne = berechne(R"({"Beitragsjahr": 2010, "Einkommen1": 30000})");
    QVERIFY2(!erwartetOhne.isEmpty(),
             "fermalin-cli is built beside the program (target fermalin-cli)");
    QCOMPARE(ohne, FormatN(erwartetOhne.value(QStringLiteral("Steuerersparnis")).toDouble(), 2) +
                       QStringLiteral(" \u20AC"));
    imDialog(
        u,
        [](TEKDialog& d) {
            QVERIFY(!d.CheckBox_Soli->isChecked());
            d.CheckBox_Soli->click();
            d.CheckBox_KiSt->click();
            QVERIFY(d.ComboBox_Bundesland->isEnabled());
            QCOMPARE(d.focusWidget(), d.ComboBox_Bundesland);
            d.ComboBox_Bundesland->setCurrentText(QStringLiteral("Bayern"));
        },
        true);
    const QJsonObject erwartet =
        berechne(R"({"Beitragsjahr": 2010, "Einkommen1": 30000, "Soli": 0.055, "Bundesland": 1})");
    const double steuer = erwartet.value(QStringLiteral("Steuerersparnis")).toDouble();
    QVERIFY(steuer > erwartetOhne.value(QStringLiteral("Steuerersparnis")).toDouble());
    QCOMPARE(f.Daten().Steuerersparnis, steuer);
    QCOMPARE(ohneBlanks(f.Vorgabe().Anzeige().Steuerersparnis),
             FormatN(steuer, 2) + QStringLiteral(" \u20AC"));
    QCOMPARE(f.Daten().Foerderquote, erwartet.value(QStringLiteral("Foerderquote")).toDouble());
}

void TstEKDialog::abbrechenAendertNichts()
{
    TUmfeld u;
    THauptformular& f = u.f();
    einkommen(f, 1)->WertSetzen(30000);
    details(f, [](TDetailwerte& w) { w.EinkommenNR1 = 100; });
    const TZulagenDaten vorher = f.Daten();
    const QString ergebnis = f.Vorgabe().Anzeige().Steuerersparnis;
    imDialog(
        u,
        [](TEKDialog& d) {
            d.Edit_EK1->WertSetzen(45000);
            d.Edit_EK1nr->WertSetzen(9000);
            d.CheckBox_zvE_automatisch->click();
            d.Edit_zvE->WertSetzen(10000);
            d.CheckBox_Soli->click();
            d.CheckBox_KiSt->click();
            d.ComboBox_Bundesland->setCurrentIndex(3);
        },
        false);
    QCOMPARE(einkommen(f, 1)->WertLesen(), 30000.0);
    QCOMPARE(f.Vorgabe().Anzeige().Details.EinkommenNR1, vorher.EinkommenNR1);
    QCOMPARE(f.Vorgabe().Anzeige().Details.DeltazvE, vorher.DeltazvE);
    QCOMPARE(f.Vorgabe().Anzeige().Details.Soli, vorher.Soli);
    QCOMPARE(f.Vorgabe().Anzeige().Details.Bundesland, vorher.Bundesland);
    QCOMPARE(f.Daten().KiStSatz, vorher.KiStSatz);
    QCOMPARE(f.Daten().zvE, vorher.zvE);
    QCOMPARE(f.Vorgabe().Anzeige().Steuerersparnis, ergebnis);
    // Escape and the close box are no OK either
    QTimer::singleShot(0, [&] {
        u.d().Edit_EK1nr->WertSetzen(5555);
        QTest::keyClick(u.d().Edit_EK1nr, Qt::Key_Escape);
    });
    element<QPushButton>(f, "Button_Details")->click();
    QCOMPARE(f.Vorgabe().Anzeige().Details.EinkommenNR1, vorher.EinkommenNR1);
}

void TstEKDialog::ledigPerson2VerborgenNR2BleibtOhneWirkung()
{
    TUmfeld u;
    THauptformular& f = u.f();
    einkommen(f, 1)->WertSetzen(30000);
    details(f, [](TDetailwerte& w) { w.EinkommenNR2 = 4000; });
    QCOMPARE(f.Daten().zvE, 25206.80);
    imDialog(
        u,
        [](TEKDialog& d) {
            QVERIFY(!d.Label_Pers2->isVisible());
            QVERIFY(!d.Edit_EK2->isVisible());
            QVERIFY(!d.Edit_EK2nr->isVisible());
            QCOMPARE(d.Edit_EK2nr->WertLesen(), 4000.0);
            d.Edit_EK1nr->WertSetzen(1000);
            QCOMPARE(d.Edit_zvE->text(), QStringLiteral("26207"));
        },
        true);
    QCOMPARE(f.Vorgabe().Anzeige().Details.EinkommenNR2, 4000.0);
    QCOMPARE(f.Vorgabe().Anzeige().Details.DeltazvE, 0.0);
    QCOMPARE(f.Daten().zvE, 26206.80);
    QVERIFY(f.Vorgabe().Anzeige().EKnr1Sichtbar);
    QVERIFY(!f.Vorgabe().Anzeige().EKnr2Sichtbar);
}

void TstEKDialog::liveSchaetzung()
{
    TUmfeld u;
    THauptformular& f = u.f();
    element<QRadioButton>(f, "RadioButton_verheiratet")->setChecked(true);
    element<QRadioButton>(f, "RadioButton_Doppelverdiener")->setChecked(true);
    einkommen(f, 1)->WertSetzen(30000);
    imDialog(
        u,
        [&](TEKDialog& d) {
            d.Edit_EK2->setFocus();
            d.Edit_EK2->selectAll();
            QTest::keyClicks(d.Edit_EK2, QStringLiteral("20000"));
            TZulagenDaten probe = f.Daten();
            const double beide = std::round(ZvESchaetzung(probe, 30000, 20000));
            QCOMPARE(d.Edit_zvE->WertLesen(), beide);
            d.Edit_EK2nr->WertSetzen(500);
            QCOMPARE(d.Edit_zvE->WertLesen(), beide + 500);
            // unticked: the field keeps what the user typed
            d.CheckBox_zvE_automatisch->click();
            d.Edit_zvE->WertSetzen(40000);
            d.Edit_EK1->WertSetzen(31000);
            QCOMPARE(d.Edit_zvE->WertLesen(), 40000.0);
        },
        true);
    // OK copied the wages to the input page
    QCOMPARE(einkommen(f, 1)->WertLesen(), 31000.0);
    QCOMPARE(einkommen(f, 2)->WertLesen(), 20000.0);
    QCOMPARE(f.Vorgabe().Anzeige().Details.EinkommenNR2, 500.0);
    QCOMPARE(f.Daten().zvE, 40000.0);
}

void TstEKDialog::einmalAngelegtUndWiederverwendet()
{
    TUmfeld u;
    THauptformular& f = u.f();
    TEKDialog* dialog = &f.EKDialog();
    imDialog(
        u, [](TEKDialog& d) { d.CheckBox_Soli->click(); }, false);
    imDialog(
        u,
        [&](TEKDialog& d) {
            QCOMPARE(&d, dialog);
            // every opening overwrites the fields from the record
            QVERIFY(!d.CheckBox_Soli->isChecked());
        },
        false);
    QCOMPARE(&f.EKDialog(), dialog);
}

// Six digits fill a field; Enter still reaches the dialog's default button.
void TstEKDialog::enterImVollenFeldDruecktOK()
{
    TEKDialog d;
    d.Vorbereiten(TZulagenDaten(), 30000, 0, false);
    d.show();
    d.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&d));
    d.Edit_EK1nr->setFocus();
    d.Edit_EK1nr->selectAll();
    QTest::keyClicks(d.Edit_EK1nr, QStringLiteral("123456"));
    QCOMPARE(d.Edit_EK1nr->text(), QStringLiteral("123456"));
    QTest::keyClick(d.Edit_EK1nr, Qt::Key_Backspace);
    QTest::keyClicks(d.Edit_EK1nr, QStringLiteral("7"));
    QCOMPARE(d.Edit_EK1nr->text(), QStringLiteral("123457"));
    QTest::keyClick(d.Edit_EK1nr, Qt::Key_Return);
    QVERIFY(!d.isVisible());
    QCOMPARE(d.result(), int(QDialog::Accepted));
    QCOMPARE(d.Angaben().EK1nr, 123457.0);
}

QTEST_MAIN(TstEKDialog)
#include "tst_ekdialog.moc"
