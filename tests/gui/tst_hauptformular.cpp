#include "ColorButton.h"
#include "ColorMsg.h"
#include "Fehleranzeige.h"
#include "FloatDlg.h"
#include "Ortavo_Dialog.h"
#include "Schieberegler.h"
#include "Seitenreiter.h"
#include "SpinEdit.h"
#include "TestProgramm.h"

#include "../OhneRootRechte.h"

#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace Fermalin;

namespace {

QString ohneBlanks(const QLineEdit* e)
{
    return e->text().trimmed();
}

} // namespace

class TstHauptformular : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void ersterStart();
    void einstellungenHinUndZurueck();
    void windowsDateiVonHand();
    void familienstandTabelle_data();
    void familienstandTabelle();
    void geburtsjahreLesen_data();
    void geburtsjahreLesen();
    void schieberKorrekturen();
    void jederTastendruckRechnet();
    void ablehnungDerSchaetzungWirdGemeldet();
    void seitenUndWeiter_data();
    void seitenUndWeiter();
    void schliessenFragtNurBeimSchliessfeld();
    void vergroessertUndZurueck();
    void schreibgeschuetzteEinstellungen();

private:
    QStringList m_fehler;
};

void TstHauptformular::init()
{
    m_fehler.clear();
    setzeFehleranzeige([this](const QString& m) { m_fehler << m; });
    MeldungsHakenSetzen({});
}

void TstHauptformular::cleanup()
{
    setzeFehleranzeige({});
    MeldungsHakenSetzen({});
}

void TstHauptformular::ersterStart()
{
    TProgramm p;
    auto f = p.fenster();
    QVERIFY(f->RadioButton_ledig->isChecked());
    QVERIFY(f->RadioButton_Einzelverdiener->isChecked());
    QVERIFY(!f->RadioButton_Doppelverdiener->isEnabled());
    QCOMPARE(f->SpinEdit_Kinderzahl->value(), 0);
    QCOMPARE(f->Edit_Einkommen1->text(), QStringLiteral("0"));
    QVERIFY(f->CheckBox_minBeitrag->isChecked());
    QVERIFY(f->CheckBox_tarMindBtr->isChecked());
    QVERIFY(f->RadioButton_konservativ1->isChecked() && f->RadioButton_konservativ2->isChecked());
    QVERIFY(!f->LayoutDaten.Firmenlogo());
    QVERIFY(f->StartfensterAnzeigen);
    QCOMPARE(f->Daten.Bundesland, -1);
    QCOMPARE(f->Daten.Soli, 0.0);
    QVERIFY(!f->Edit_GebJahre->isEnabled());
    QCOMPARE(f->Label_Einkommen->text(), QStringLiteral("Bruttoeinkommen 2009 in Euro"));
    // income 0: minimum 60 own contribution, the tariff minimum 120 wins
    QCOMPARE(f->Daten.Eigenbeitrag, 120.0);
    QVERIFY(f->Edit_e->text().contains(QStringLiteral("120,00 (mtl. 10,00)  \u20AC")));
    QCOMPARE(f->FloatEdit_Kind[0]->MinWert(), 1984.0);
    QCOMPARE(f->FloatEdit_Kind[0]->MaxWert(), 2009.0);
}

void TstHauptformular::einstellungenHinUndZurueck()
{
    TProgramm p;
    {
        auto f = p.fenster();
        f->RadioButton_verheiratet->setChecked(true);
        f->RadioButton_Doppelverdiener->setChecked(true);
        f->Edit_Einkommen1->WertSetzen(35000);
        f->Edit_Einkommen2->WertSetzen(20000);
        f->SpinEdit_Kinderzahl->setValue(2);
        f->FloatEdit_Kind[0]->WertSetzen(2001);
        f->FloatEdit_Kind[1]->WertSetzen(2008);
        f->RadioButton_1p[1]->setChecked(true);
        f->CheckBox_minBeitrag->setChecked(false);
        f->TrackBar_gesB1->setValue(40);
        f->TrackBar_Verteilung->setValue(17);
        f->RadioButton_risiko2->setChecked(true);
        f->Daten.Soli = 0.055;
        f->StartfensterAnzeigen = false;
    }
    const QByteArray erst = p.iniLesen();
    QVERIFY(erst.contains("\r\nEinkommen1=3500000\r\n"));
    QVERIFY(erst.contains("\r\nSoli=550\r\n"));
    {
        auto f = p.fenster();
        QVERIFY(f->RadioButton_verheiratet->isChecked());
        QVERIFY(f->RadioButton_Doppelverdiener->isChecked());
        QCOMPARE(f->Edit_Einkommen1->WertLesen(), 35000.0);
        QCOMPARE(f->Edit_Einkommen2->WertLesen(), 20000.0);
        QCOMPARE(f->SpinEdit_Kinderzahl->value(), 2);
        QCOMPARE(f->Edit_GebJahre->text(), QStringLiteral("2001; 2008"));
        QVERIFY(f->RadioButton_2p[0]->isChecked());
        QVERIFY(f->RadioButton_1p[1]->isChecked());
        QVERIFY(!f->CheckBox_minBeitrag->isChecked());
        QCOMPARE(f->TrackBar_gesB1->value(), 40);
        QCOMPARE(f->TrackBar_Verteilung->value(), 17);
        QVERIFY(f->RadioButton_risiko2->isChecked());
        QCOMPARE(f->Daten.Soli, 0.055);
        QVERIFY(!f->StartfensterAnzeigen);
    }
    QCOMPARE(p.iniLesen(), erst);
}

void TstHauptformular::windowsDateiVonHand()
{
    TProgramm p;
    p.iniSchreiben("[Fremd]\r\nName=M\xFCller\r\n"
                   "[Daten]\r\nBreite=300\r\nHoehe=200\r\nledig=0\r\nverheirated=1\r\n"
                   "doppel=0\r\neinzel=1\r\nKinder=3\r\nEinkommen1=4000000\r\nSoli=550\r\n"
                   "Bundesland=2\r\nminimal=1\r\n"
                   "[Angebot]\r\nKind_GJ1=1950\r\nKind_GJ2=2030\r\nKind_GJ3=2005\r\n"
                   "Kind_1P3=1\r\nKind_2P3=0\r\nKind_GJ4=2001\r\nKind_GJ9=2002\r\n");
    {
        auto f = p.fenster();
        QCOMPARE(f->width(), f->StartBreite);
        QCOMPARE(f->height(), f->StartHoehe);
        QVERIFY(f->RadioButton_verheiratet->isChecked());
        QCOMPARE(f->Edit_GebJahre->text(), QStringLiteral("1984; 2009; 2005"));
        QVERIFY(f->RadioButton_2p[0]->isChecked());
        QVERIFY(f->RadioButton_1p[2]->isChecked());
        QCOMPARE(f->Daten.KiStSatz, 0.09);
        QCOMPARE(f->Daten.Soli, 0.055);
        // 4 % of 40000 less 154 + 154 + 185 + 300 + 185 (children of both persons)
        QCOMPARE(f->Daten.Mindesteigenbeitrag1, 1600.0 - 978);
    }
    const QByteArray neu = p.iniLesen();
    QVERIFY(neu.startsWith("[Fremd]\r\nName=M\xFCller\r\n"));
    QVERIFY(!neu.contains("Kind_GJ4"));
    QVERIFY(neu.contains("\r\nKind_GJ1=1984\r\n"));
    QVERIFY(neu.contains("\r\nSoli=550\r\n"));
}

void TstHauptformular::familienstandTabelle_data()
{
    QTest::addColumn<bool>("verheiratet");
    QTest::addColumn<bool>("beide");
    QTest::addColumn<bool>("antwortAktiv");
    QTest::addColumn<bool>("einkommen2Sichtbar");
    QTest::addColumn<bool>("einkommen2Aktiv");
    QTest::addColumn<int>("foerderberechtigte");
    QTest::newRow("ledig") << false << false << false << false << true << 1;
    QTest::newRow("verheiratet, nur einer") << true << false << true << true << false << 1;
    QTest::newRow("verheiratet, beide") << true << true << true << true << true << 2;
}

void TstHauptformular::familienstandTabelle()
{
    QFETCH(bool, verheiratet);
    QFETCH(bool, beide);
    QFETCH(bool, antwortAktiv);
    QFETCH(bool, einkommen2Sichtbar);
    QFETCH(bool, einkommen2Aktiv);
    QFETCH(int, foerderberechtigte);
    TProgramm p;
    auto f = p.fenster();
    f->show();
    // start married with two incomes, then go to the row's status
    f->RadioButton_verheiratet->setChecked(true);
    f->RadioButton_Doppelverdiener->setChecked(true);
    f->Edit_Einkommen2->WertSetzen(20000);
    f->SpinEdit_Kinderzahl->setValue(1);
    QVERIFY(f->RadioButton_2p[0]->isChecked()); // married: children to person 2
    if (!verheiratet)
        f->RadioButton_ledig->setChecked(true);
    else if (!beide)
        f->RadioButton_Einzelverdiener->setChecked(true);
    QCOMPARE(f->RadioButton_Doppelverdiener->isEnabled(), antwortAktiv);
    QCOMPARE(f->RadioButton_Einzelverdiener->isEnabled(), antwortAktiv);
    QCOMPARE(f->RadioButton_Einzelverdiener->isChecked(), !beide);
    QCOMPARE(f->Edit_Einkommen2->isVisible(), einkommen2Sichtbar);
    QCOMPARE(f->Label_Pers2->isVisible(), einkommen2Sichtbar);
    if (einkommen2Sichtbar)
        QCOMPARE(f->Edit_Einkommen2->isEnabled(), einkommen2Aktiv);
    QCOMPARE(f->Edit_Einkommen2->WertLesen(), beide ? 20000.0 : 0.0);
    QCOMPARE(f->Daten.AnzahlFoerderberechtigte, foerderberechtigte);
}

void TstHauptformular::geburtsjahreLesen_data()
{
    QTest::addColumn<int>("vorher");
    QTest::addColumn<QString>("eingabe");
    QTest::addColumn<int>("kinder");
    QTest::addColumn<QString>("text");
    QTest::newRow("drei Jahre mit Blanks")
        << 1 << QStringLiteral("1999 2004 2007") << 3 << QStringLiteral("1999; 2004; 2007");
    QTest::newRow("Kommas und Schrägstriche")
        << 2 << QStringLiteral("1999,2004/2007") << 3 << QStringLiteral("1999; 2004; 2007");
    QTest::newRow("123456 ergibt zwei Kinder")
        << 0 << QStringLiteral("123456") << 2 << QStringLiteral("2009; 1984");
    QTest::newRow("zehn Jahre: neun bleiben")
        << 1 << QStringLiteral("2000 2001 2002 2003 2004 2005 2006 2007 2008 2009") << 9
        << QStringLiteral("2000; 2001; 2002; 2003; 2004; 2005; 2006; 2007; 2008");
    QTest::newRow("leerer Text: keine Kinder") << 3 << QString() << 0 << QString();
    QTest::newRow("gleiche Zahl: Normalform")
        << 2 << QStringLiteral("2001  ,2002") << 2 << QStringLiteral("2001; 2002");
}

void TstHauptformular::geburtsjahreLesen()
{
    QFETCH(int, vorher);
    QFETCH(QString, eingabe);
    QFETCH(int, kinder);
    QFETCH(QString, text);
    TProgramm p;
    auto f = p.fenster();
    f->SpinEdit_Kinderzahl->setValue(vorher);
    f->Edit_GebJahre->setText(eingabe);
    f->Edit_GebJahreExit();
    QCOMPARE(f->SpinEdit_Kinderzahl->value(), kinder);
    QCOMPARE(f->Edit_GebJahre->text(), text);
    QCOMPARE(f->Edit_GebJahre->isEnabled(), kinder > 0);
    QCOMPARE(f->Daten.Kinderzahl, kinder);
}

void TstHauptformular::schieberKorrekturen()
{
    TProgramm p;
    auto f = p.fenster();
    f->Edit_Einkommen1->WertSetzen(30000);
    // minimum mode follows the minimum: 1200 of 2100 → 29
    QCOMPARE(f->TrackBar_gesB1->value(), 29);
    QCOMPARE(f->TrackBar_gesB1->SelEnd(), 29);
    f->Edit_Einkommen1->WertSetzen(40000);
    QCOMPARE(f->TrackBar_gesB1->value(), f->Daten.PositionVolleZulagen);
    QCOMPARE(f->Daten.Eigenbeitrag, 1600.0 - 154);
    // moving the slider by hand leaves minimum mode
    f->TrackBar_gesB1->setValue(35);
    QVERIFY(!f->CheckBox_minBeitrag->isChecked());
    QCOMPARE(f->TrackBar_gesB1->value(), 35);
    // below the tariff minimum it is put back
    f->TrackBar_gesB1->setValue(1);
    QCOMPARE(f->TrackBar_gesB1->value(), f->Daten.PositionTarMindBtr);
    QCOMPARE(f->Daten.Eigenbeitrag, 120.0);
    f->CheckBox_tarMindBtr->setChecked(false);
    f->TrackBar_gesB1->setValue(0);
    QCOMPARE(f->TrackBar_gesB1->value(), 0);
    QVERIFY(f->Edit_e->text().isEmpty());
    QVERIFY(!f->Button_Drucken->isEnabled());
    QVERIFY(f->Edit_q->text().isEmpty());
}

void TstHauptformular::jederTastendruckRechnet()
{
    TProgramm p;
    auto f = p.fenster();
    f->CheckBox_tarMindBtr->setChecked(false);
    f->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.get()));
    f->Edit_Einkommen1->setFocus();
    f->Edit_Einkommen1->selectAll();
    QTest::keyClicks(f->Edit_Einkommen1, QStringLiteral("3000"));
    QCOMPARE(f->Daten.Einkommen1, 3000.0);
    QTest::keyClick(f->Edit_Einkommen1, Qt::Key_0);
    QCOMPARE(f->Daten.Einkommen1, 30000.0);
    QCOMPARE(ohneBlanks(f->Edit_e), QStringLiteral("1.046,00 (mtl. 87,17)  \u20AC"));
    QCOMPARE(ohneBlanks(f->Edit_g), QStringLiteral("154,00 \u20AC"));
    QVERIFY(f->Edit_k->text().isEmpty());
    QCOMPARE(ohneBlanks(f->Edit_s), QStringLiteral("1.200,00 \u20AC"));
    QCOMPARE(ohneBlanks(f->Edit_z), QStringLiteral("195,00 \u20AC"));
    QCOMPARE(ohneBlanks(f->Edit_q), QStringLiteral("29 %"));
    QCOMPARE(ohneBlanks(f->Edit_Grafik_Quote), QStringLiteral("29 %"));
    QCOMPARE(ohneBlanks(f->Edit_Grafik_gesFoerderung), QStringLiteral("349,00 \u20AC"));
    QVERIFY(f->Button_Drucken->isEnabled());
    // right-aligned: padded until one more blank would not fit
    const QFontMetrics fm(f->Edit_s->font());
    const int frei = f->Edit_s->width() - 8 - fm.horizontalAdvance(f->Edit_s->text());
    QVERIFY(frei > 0);
    QVERIFY(frei <= 2 * fm.horizontalAdvance(QLatin1Char(' ')));
}

void TstHauptformular::ablehnungDerSchaetzungWirdGemeldet()
{
    // The window never lets a single person have a second wage; set from code,
    // the estimate refuses it, once for the change.
    TProgramm p;
    p.iniSchreiben("[Daten]\r\nEinkommen1=3000000\r\n");
    auto f = p.fenster();
    QCOMPARE(m_fehler.size(), 0);
    f->Edit_Einkommen2->WertSetzen(5000);
    QCOMPARE(m_fehler.size(), 1);
    QCOMPARE(m_fehler.first(),
             QStringLiteral("Vorsorgeaufwendungen: Bei Ledigen muss Lohn2=0 gelten"));
    QCOMPARE(f->Daten.Eigenbeitrag, 1046.0); // the allowances of the run stand
    QVERIFY(!f->Edit_e->text().isEmpty());
}

void TstHauptformular::seitenUndWeiter_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("startseite"); // 0 input, 2 offer
    QTest::addColumn<bool>("weiterAktiv");
    QTest::addColumn<int>("nachWeiter");
    QTest::newRow("allein") << QStringList{} << 0 << true << 1;
    QTest::newRow("back allein: Angebotsseite entfällt")
        << QStringList{QStringLiteral("back")} << 0 << true << 1;
    QTest::newRow("back eingebunden: Weiter springt zur ersten Seite")
        << QStringList{QStringLiteral("BACK"), QStringLiteral("k")} << 2 << true << 0;
}

void TstHauptformular::seitenUndWeiter()
{
    QFETCH(QStringList, args);
    QFETCH(int, startseite);
    QFETCH(bool, weiterAktiv);
    QFETCH(int, nachWeiter);
    TProgramm p;
    p.args = args;
    auto f = p.fenster();
    f->show();
    QCOMPARE(f->PageControl->currentIndex(), startseite);
    QCOMPARE(f->Button_Weiter->isEnabled(), weiterAktiv);
    QCOMPARE(f->Button_Hilfe->isVisible(), !f->Einzelversion);
    f->Button_WeiterClick();
    QCOMPARE(f->PageControl->currentIndex(), nachWeiter);
    if (nachWeiter == 1) {
        // chart page: the print group moves along, without its caption
        QCOMPARE(f->Panel_Drucken->parentWidget(), f->TabSheet_Grafik);
        QVERIFY(f->GroupBox_Drucken->title().isEmpty());
        QCOMPARE(f->Button_Weiter->isEnabled(), !f->Einzelversion);
        f->PageControl->setCurrentIndex(0);
        QCOMPARE(f->Panel_Drucken->parentWidget(), f->TabSheet_Vorgabe);
        QCOMPARE(f->GroupBox_Drucken->title(), QStringLiteral("Drucken"));
        QVERIFY(f->Button_Weiter->isEnabled());
    }
}

void TstHauptformular::schliessenFragtNurBeimSchliessfeld()
{
    TProgramm p;
    auto f = p.fenster();
    f->show();
    QStringList fragen;
    bool ja = false;
    MeldungsHakenSetzen([&](QMessageBox& dlg) {
        fragen << dlg.findChild<QLabel*>(QStringLiteral("Message"))->text();
        // Enter answers the default "Ja"; Escape is the close box
        QTest::keyClick(&dlg, ja ? Qt::Key_Return : Qt::Key_Escape);
    });
    QVERIFY(!f->close());
    QCOMPARE(fragen, QStringList{QStringLiteral("Soll das Programm wirklich beendet werden?")});
    QVERIFY(f->isVisible());
    ja = true;
    QVERIFY(f->close());
    QCOMPARE(fragen.size(), 2);

    auto g = p.fenster();
    g->show();
    g->Button_Abbruch->click();
    QVERIFY(!g->isVisible());
    QCOMPARE(fragen.size(), 2); // "Beenden" does not ask
}

void TstHauptformular::vergroessertUndZurueck()
{
    TProgramm p;
    auto f = p.fenster();
    f->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.get()));
    const QRect edit = f->Edit_e->geometry();
    const QRect gruppe = f->GroupBox_Foerderung->geometry();
    const int schrift = f->font().pixelSize();
    // The work area of the (offscreen) screen may cap the factor below 1.5.
    f->resize(f->StartBreite * 3 / 2, f->StartHoehe * 3 / 2);
    const double k = f->Strecker()->Faktor();
    QVERIFY(k > 1.1);
    QCOMPARE(k, std::min(static_cast<double>(f->width()) / f->StartBreite,
                         static_cast<double>(f->height()) / f->StartHoehe));
    const auto r = [k](int v) { return static_cast<int>(std::nearbyint(k * v)); };
    QCOMPARE(f->Edit_e->geometry(),
             QRect(r(edit.x()), r(edit.y()), r(edit.width()), r(edit.height())));
    QCOMPARE(f->font().pixelSize(), static_cast<int>(k * schrift));
    QCOMPARE(f->GroupBox_Foerderung->font().pixelSize(), static_cast<int>(k * 13));
    // the result texts are padded again to the wider fields
    const QFontMetrics fm(f->Edit_s->font());
    QVERIFY(f->Edit_s->width() - 8 - fm.horizontalAdvance(f->Edit_s->text()) <=
            2 * fm.horizontalAdvance(QLatin1Char(' ')));
    // keeps the aspect ratio of the start size
    QVERIFY(std::abs(f->width() - f->height() * f->Seitenverhaeltnis) <= 1);
    f->resize(f->StartBreite, f->StartHoehe);
    QCOMPARE(f->Edit_e->geometry(), edit);
    QCOMPARE(f->GroupBox_Foerderung->geometry(), gruppe);
    QCOMPARE(f->font().pixelSize(), schrift);
    // smaller than the start size is refused
    f->resize(f->StartBreite - 50, f->StartHoehe);
    QCOMPARE(f->size(), QSize(f->StartBreite, f->StartHoehe));
    f->BeendenBestaetigt = true;
}

void TstHauptformular::schreibgeschuetzteEinstellungen()
{
    // A program directory nobody may write, and no settings file yet.
    TProgramm p;
    QVERIFY(QFile::setPermissions(p.dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    {
        TOhneRootRechte ohne;
        if (!ohne.wirksam())
            QSKIP("Root-Rechte lassen sich hier nicht abgeben");
        auto f = p.fenster();
    }
    QVERIFY(QFile::setPermissions(p.dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                    QFileDevice::ExeOwner));
    QCOMPARE(m_fehler,
             QStringList{QStringLiteral("In %1 kann nicht geschrieben werden").arg(p.ini())});
}

QTEST_MAIN(TstHauptformular)
#include "tst_hauptformular.moc"
