// The contribution year and the rule set in the window: the choice on the input
// page, the texts and ranges that follow it, the settings file, the career-starter
// bonus and, from 2027, the comparison of the old and the new rules.
#include "Bauteile.h"
#include "FloatDlg.h"
#include "HTML_Ausgabe.h"
#include "Haushaltsrechnung.h"
#include "IniDatei.h"
#include "Ortavo_Angebot.h"
#include "Ortavo_Dialog.h"
#include "Ortavo_Vergleich.h"
#include "Ortavo_Vorgabe.h"
#include "TestProgramm.h"
#include "Zahlformat.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

using namespace Fermalin;
using namespace Qt::StringLiterals;
using S = THauptformular::TSeite;

namespace {

QString betrag(double wert)
{
    return FormatN(wert, 2) + Euro;
}

// The year chosen as a user does: the list opened and an entry taken.
void jahrWaehlen(THauptformular& f, int jahr)
{
    auto* wahl = element<QComboBox>(f, "ComboBox_Beitragsjahr");
    const int i = wahl->findData(jahr);
    QVERIFY(i >= 0);
    wahl->setCurrentIndex(i);
}

void kinder(THauptformular& f, const QList<int>& jahre)
{
    f.Vorgabe().KinderzahlSetzen(static_cast<int>(jahre.size()));
    for (int i = 0; i < jahre.size(); ++i)
        f.Angebot().KindSetzen(i, jahre.at(i), true, false);
    f.Vorgabe().GebJahreAnzeigen();
    f.Vorgabe().Vorgabeaenderung(nullptr);
}

// The contribution of each contract typed on the comparison page.
void beitraegeTippen(THauptformular& f, double eins, double zwei)
{
    auto* vorgabe = element<QCheckBox>(f, "CheckBox_Vorgabe");
    if (!vorgabe->isChecked())
        vorgabe->click();
    for (const auto& [name, wert] :
         {std::pair("Edit_Vergleich1", eins), std::pair("Edit_Vergleich2", zwei)}) {
        auto* feld = element<TFloatEdit>(f, name);
        feld->selectAll();
        QTest::keyClicks(feld, FormatN(wert, 0).remove(QLatin1Char('.')));
    }
}

} // namespace

class TstBeitragsjahr : public QObject
{
    Q_OBJECT
private slots:
    void eingabeseiteJeJahr_data();
    void eingabeseiteJeJahr();
    void jahrImEinstellungsdatei_data();
    void jahrImEinstellungsdatei();
    void alteDateiBehaeltIhreWerte();
    void jahrwechselKorrigiertGeburtsjahre();
    void berufseinsteigerJePerson();
    void vergleichBeiderRechte_data();
    void vergleichBeiderRechte();
    void gewaehltesRechtGiltAufAllenSeiten();
    void vergleichsseiteUeberDerDruckgruppe_data();
    void vergleichsseiteUeberDerDruckgruppe();
};

void TstBeitragsjahr::eingabeseiteJeJahr_data()
{
    QTest::addColumn<int>("jahr");
    QTest::addColumn<double>("grundzulage");
    QTest::addColumn<double>("eigenbeitrag");
    QTest::addColumn<QString>("recht");
    // single, 30 000 €, minimum mode: 4 % of the income less the allowance; under
    // the new rules the contribution that earns the full 540 €
    QTest::newRow("2010: 154 Euro Grundzulage, Einkommen 2009")
        << 2010 << 154.0 << 1046.0 << QString();
    QTest::newRow("2018: 175 Euro Grundzulage, Einkommen 2017")
        << 2018 << 175.0 << 1025.0 << QString();
    QTest::newRow("2026: 175 Euro Grundzulage, Einkommen 2025")
        << 2026 << 175.0 << 1025.0 << QString();
    QTest::newRow("2027 neues Recht: 540 Euro bei 1 800 Euro Eigenbeitrag")
        << 2027 << 540.0 << 1800.0 << u"nach neuem Recht (Vertrag ab 2027)"_s;
}

void TstBeitragsjahr::eingabeseiteJeJahr()
{
    QFETCH(int, jahr);
    QFETCH(double, grundzulage);
    QFETCH(double, eigenbeitrag);
    QFETCH(QString, recht);
    TProgramm p;
    auto f = p.fenster();
    f->Vorgabe().EinkommenSetzen(30000, 0);
    jahrWaehlen(*f, jahr);
    const TSeiteVorgabe::TAnzeige v = f->Vorgabe().Anzeige();
    QList<int> jahre;
    for (int j = 2027; j >= 2010; --j)
        jahre << j;
    QCOMPARE(v.Jahre, jahre);
    QCOMPARE(v.Beitragsjahr, jahr);
    QCOMPARE(v.EinkommenBeschriftung, u"Bruttoeinkommen %1 in Euro"_s.arg(jahr - 1));
    QCOMPARE(v.Grundzulage.trimmed(), betrag(grundzulage));
    QCOMPARE(f->Daten().Eigenbeitrag, eigenbeitrag);
    QCOMPARE(v.Foerderrecht, recht);
    // the tariff of 2027 is not enacted: the page says so
    QCOMPARE(v.Hinweise.isEmpty(), jahr < 2027);
    QCOMPARE(f->Anzeige().VergleichsseiteSichtbar, jahr >= 2027);
    for (const char* name : {"FloatEdit_Kind1", "FloatEdit_Kind9"}) {
        QCOMPARE(element<TFloatEdit>(*f, name)->MinWert(), jahr - 25.0);
        QCOMPARE(element<TFloatEdit>(*f, name)->MaxWert(), double(jahr));
    }
    // the window's figures are the batch computation's for its inputs
    const TEingaben e = f->EingabenLesen();
    QCOMPARE(e.Beitragsjahr, jahr);
    QCOMPARE(f->Daten().GewaehrteZulagen(), Rechnen(e).Daten.GewaehrteZulagen());
    QCOMPARE(f->BerichtHtml(), BerichtText(Rechnen(e).Bericht));
    f->BeendenBestaetigt = true;
}

void TstBeitragsjahr::jahrImEinstellungsdatei_data()
{
    QTest::addColumn<QDate>("heute");
    QTest::addColumn<QByteArray>("eintrag");
    QTest::addColumn<int>("jahr");
    QTest::newRow("ohne Schlüssel im Dezember 2026: 2026")
        << QDate(2026, 12, 11) << QByteArray() << 2026;
    QTest::newRow("ohne Schlüssel am 1. Januar 2027: 2027")
        << QDate(2027, 1, 1) << QByteArray() << 2027;
    QTest::newRow("gespeichertes Jahr 2018 gilt unabhängig vom Datum")
        << QDate(2026, 12, 11) << QByteArray("Beitragsjahr=2018\r\n") << 2018;
    QTest::newRow("ein Jahr, das das Programm nicht rechnet, öffnet das heutige")
        << QDate(2026, 12, 11) << QByteArray("Beitragsjahr=2031\r\n") << 2026;
    QTest::newRow("Unsinn im Schlüssel öffnet das heutige Jahr")
        << QDate(2026, 12, 11) << QByteArray("Beitragsjahr=zwanzig\r\n") << 2026;
}

// The year stored, or today's law; saved back as the year shown.
void TstBeitragsjahr::jahrImEinstellungsdatei()
{
    QFETCH(QDate, heute);
    QFETCH(QByteArray, eintrag);
    QFETCH(int, jahr);
    TProgramm p;
    p.heute = heute;
    p.iniSchreiben("[Daten]\r\nEinkommen1=3000000\r\n[Sonstige Daten]\r\n" + eintrag);
    {
        auto f = p.fenster();
        QCOMPARE(f->Vorgabe().Anzeige().Beitragsjahr, jahr);
        QCOMPARE(f->EingabenLesen().Beitragsjahr, jahr);
        f->BeendenBestaetigt = true;
    }
    QCOMPARE(TIniDatei::ausBytes(p.iniLesen()).lesenInt(u"Sonstige Daten"_s, u"Beitragsjahr"_s, 0),
             jahr);
}

// A file written before the year existed keeps every value it had; only the new
// keys are added, the year at today's.
void TstBeitragsjahr::alteDateiBehaeltIhreWerte()
{
    const QByteArray alt =
        "[Daten]\r\nMaximized=0\r\nBreite=686\r\nHoehe=595\r\nledig=0\r\nverheirated=1\r\n"
        "doppel=1\r\neinzel=0\r\nKinder=2\r\nEinkommen1=3500055\r\nEinkommen2=2000000\r\n"
        "minimal=0\r\nindivBeitrag=40\r\ntarMindBtr=0\r\nEinkommenNR1=123450\r\n"
        "EinkommenNR2=9900\r\nDeltazvE=-25025\r\nSoli=550\r\nBundesland=4\r\n"
        "[Angebot]\r\nKind_GJ1=2003\r\nKind_1P1=1\r\nKind_2P1=0\r\nKind_GJ2=2008\r\n"
        "Kind_1P2=0\r\nKind_2P2=1\r\nVerteilung=17\r\nkonservativ1=0\r\nwachstum1=1\r\n"
        "risiko1=0\r\nkonservativ2=0\r\nwachstum2=0\r\nrisiko2=1\r\n"
        "[Sonstige Daten]\r\nFirmenlogo=1\r\nFirmenlogoDateipfad=/tmp/logo.bmp\r\n"
        "[Startfenster]\r\nStartfenster-anzeigen=0\r\n";
    TProgramm p;
    p.heute = QDate(2026, 12, 11);
    p.iniSchreiben(alt);
    p.fenster()->BeendenBestaetigt = true;
    const TIniDatei nachher = TIniDatei::ausBytes(p.iniLesen());
    QString abschnitt;
    for (const QByteArray& zeile : alt.split('\n')) {
        const QString z = QString::fromLatin1(zeile).trimmed();
        if (z.startsWith(u'[')) {
            abschnitt = z.mid(1, z.size() - 2);
            continue;
        }
        const qsizetype gleich = z.indexOf(u'=');
        if (gleich < 0)
            continue;
        QVERIFY2(nachher.lesenText(abschnitt, z.left(gleich), u"<fehlt>"_s) == z.mid(gleich + 1),
                 qPrintable(abschnitt + u"/"_s + z));
    }
    QCOMPARE(nachher.lesenInt(u"Sonstige Daten"_s, u"Beitragsjahr"_s, 0), 2026);
    QCOMPARE(nachher.lesenInt(u"Daten"_s, u"Berufseinsteiger1"_s, -1), 0);
}

// From 2010 to 2026 a child born 1990 is too old and one born 2026 not yet
// possible before it; both come into the year's range as the year field does it.
void TstBeitragsjahr::jahrwechselKorrigiertGeburtsjahre()
{
    TProgramm p;
    auto f = p.fenster();
    f->Vorgabe().EinkommenSetzen(30000, 0);
    kinder(*f, {1990, 2009});
    QCOMPARE(f->Vorgabe().Anzeige().GebJahre, u"1990; 2009"_s);
    jahrWaehlen(*f, 2026);
    QCOMPARE(f->Vorgabe().Anzeige().GebJahre, u"2001; 2009"_s);
    QCOMPARE(f->EingabenLesen().KindGebJahr[0], 2001);
    jahrWaehlen(*f, 2010);
    QCOMPARE(f->Vorgabe().Anzeige().GebJahre, u"2001; 2009"_s);
    // typed years are read into the range of the year shown
    auto* liste = element<QLineEdit>(*f, "Edit_GebJahre");
    jahrWaehlen(*f, 2026);
    liste->setText(u"1999, 2030"_s);
    QFocusEvent weg(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(liste, &weg);
    QCOMPARE(f->Vorgabe().Anzeige().GebJahre, u"2001; 2026"_s);
    f->BeendenBestaetigt = true;
}

// The bonus raises the basic allowance by 200 € and is counted in the minimum;
// the second person's box only for a couple who are both directly entitled.
void TstBeitragsjahr::berufseinsteigerJePerson()
{
    TProgramm p;
    auto f = p.fenster();
    jahrWaehlen(*f, 2026);
    f->Vorgabe().EinkommenSetzen(30000, 0);
    QVERIFY(f->Vorgabe().Anzeige().Berufseinsteiger1Sichtbar);
    QVERIFY(!f->Vorgabe().Anzeige().Berufseinsteiger2Sichtbar);
    element<QCheckBox>(*f, "CheckBox_Berufseinsteiger1")->click();
    QCOMPARE(f->Vorgabe().Anzeige().Grundzulage.trimmed(), betrag(375));
    QCOMPARE(f->Daten().Eigenbeitrag, 1200.0 - 375);

    element<QRadioButton>(*f, "RadioButton_verheiratet")->click();
    element<QRadioButton>(*f, "RadioButton_Einzelverdiener")->click();
    QVERIFY(!f->Vorgabe().Anzeige().Berufseinsteiger2Sichtbar);
    element<QRadioButton>(*f, "RadioButton_Doppelverdiener")->click();
    QVERIFY(f->Vorgabe().Anzeige().Berufseinsteiger2Sichtbar);
    f->Vorgabe().EinkommenSetzen(30000, 20000);
    element<QCheckBox>(*f, "CheckBox_Berufseinsteiger2")->click();
    QVERIFY(f->EingabenLesen().Berufseinsteiger2);
    QCOMPARE(f->Vorgabe().Anzeige().Grundzulage.trimmed(), betrag(2 * 375));
    // an indirectly entitled spouse cannot have it, whatever the box says
    element<QRadioButton>(*f, "RadioButton_Einzelverdiener")->click();
    QVERIFY(!f->EingabenLesen().Berufseinsteiger2);
    QCOMPARE(f->Vorgabe().Anzeige().Grundzulage.trimmed(), betrag(375 + 175));
    f->BeendenBestaetigt = true;
}

void TstBeitragsjahr::vergleichBeiderRechte_data()
{
    QTest::addColumn<bool>("verheiratet");
    QTest::addColumn<double>("einkommen");
    QTest::addColumn<QList<int>>("kinder");
    QTest::addColumn<double>("beitrag");
    QTest::addColumn<double>("bisher");
    QTest::addColumn<double>("neu");
    QTest::addColumn<QString>("ergebnis");
    QTest::addColumn<QString>("punkte");
    QTest::newRow("12 000 Euro, zwei Kinder, 120 Euro: das bisherige Recht zahlt 475 Euro mehr")
        << false << 12000.0 << QList<int>{2015, 2018} << 120.0 << 775.0 << 300.0
        << u"Das bisherige Recht fördert diesen Haushalt um 475,00 Euro im Jahr mehr."_s
        << u"-15 %-Punkte"_s; // 86,6 % against 71,4 %
    QTest::newRow("20 000 Euro, drei Kinder, 300 Euro: bisher 1 075, neu 1 050 Euro")
        << false << 20000.0 << QList<int>{2010, 2012, 2015} << 300.0 << 1075.0 << 1050.0
        << u"Das bisherige Recht fördert diesen Haushalt um 25,00 Euro im Jahr mehr."_s
        << u"0 %-Punkte"_s;
    // 4 % of 60 000 is capped at 2 100; 1 800 of the 1 925 due cut the 175 €
    QTest::newRow("60 000 Euro ledig, 1 800 Euro: das neue Recht zahlt 540 Euro Grundzulage")
        << false << 60000.0 << QList<int>{} << 1800.0 << 163.64 << 540.0 << QString()
        << u"0 %-Punkte"_s;
}

// Both rule sets side by side at the contribution typed; the figures are the
// batch computation's comparison, the allowances those the statute gives.
void TstBeitragsjahr::vergleichBeiderRechte()
{
    QFETCH(bool, verheiratet);
    QFETCH(double, einkommen);
    QFETCH(QList<int>, kinder);
    QFETCH(double, beitrag);
    QFETCH(double, bisher);
    QFETCH(double, neu);
    QFETCH(QString, ergebnis);
    QFETCH(QString, punkte);
    TProgramm p;
    p.heute = QDate(2027, 1, 4);
    auto f = p.fenster();
    QVERIFY(f->Anzeige().VergleichsseiteSichtbar);
    if (verheiratet)
        element<QRadioButton>(*f, "RadioButton_verheiratet")->click();
    f->Vorgabe().EinkommenSetzen(einkommen, 0);
    ::kinder(*f, kinder);
    f->show();
    f->SeiteZeigen(S::Vergleich);
    beitraegeTippen(*f, beitrag, 0);
    const TSeiteVergleich::TAnzeige a = f->Vergleich().Anzeige();
    QVERIFY(a.Vorhanden);
    QCOMPARE(a.Eigenbeitrag[0], betrag(beitrag));
    QCOMPARE(a.Eigenbeitrag[1], betrag(beitrag));
    QCOMPARE(a.Zulagen[0], betrag(bisher));
    QCOMPARE(a.Zulagen[1], betrag(neu));
    QCOMPARE(a.Person2Sichtbar, verheiratet);
    if (!ergebnis.isEmpty())
        QCOMPARE(a.Ergebnis, ergebnis);
    // the rates' difference as the report's comparison gives it
    QCOMPARE(a.Foerderquote[2], punkte);
    QVERIFY(f->BerichtHtml().contains(QString(punkte).replace(u' ', u"&#160;"_s)));
    QVERIFY(a.Warnung.contains(u"§ 52 Abs. 50a Satz 6 und 8 EStG"_s));
    QVERIFY(a.Warnung.contains(u"nicht rückgängig"_s));
    QVERIFY(a.Hinweise.contains(u"2027"_s));

    const TRechnung r = Rechnen(f->EingabenLesen());
    QVERIFY(r.Vergleich.has_value());
    const TVergleich& v = *r.Vergleich;
    QCOMPARE(a.Steuerersparnis[0], betrag(v.Bisher.Steuerersparnis));
    QCOMPARE(a.Steuerersparnis[1], betrag(v.Neu.Steuerersparnis));
    QCOMPARE(a.Foerderung[0], betrag(Foerderung(v.Bisher)));
    QCOMPARE(a.Foerderung[1], betrag(Foerderung(v.Neu)));
    QCOMPARE(a.Gesamtbeitrag[1], betrag(v.Neu.Gesamtbeitrag));
    // the window computes what it shows under the rule set chosen, "neu"
    QCOMPARE(f->Daten().Foerderrecht, TFoerderrecht::Neu);
    QCOMPARE(f->Daten().GewaehrteZulagen(), neu);
    QCOMPARE(f->BerichtHtml(), BerichtText(r.Bericht));
    f->BeendenBestaetigt = true;
}

// The rule set chosen on the comparison page is the one of the input page, the
// report and the settings file; an earlier year knows only the old rules.
void TstBeitragsjahr::gewaehltesRechtGiltAufAllenSeiten()
{
    TProgramm p;
    p.heute = QDate(2027, 3, 1);
    {
        auto f = p.fenster();
        f->Vorgabe().EinkommenSetzen(12000, 0);
        kinder(*f, {2015, 2018});
        f->show();
        f->SeiteZeigen(S::Vergleich);
        beitraegeTippen(*f, 120, 0);
        element<QRadioButton>(*f, "RadioButton_bisher")->click();
        QCOMPARE(f->Daten().Foerderrecht, TFoerderrecht::Bisher);
        QCOMPARE(f->Daten().GewaehrteZulagen(), 775.0);
        f->SeiteZeigen(S::Vorgabe);
        QCOMPARE(f->Vorgabe().Anzeige().Foerderrecht, u"nach bisherigem Recht (Bestandsvertrag)"_s);
        QVERIFY(!f->Vorgabe().Anzeige().BeitragAktiv);
        QCOMPARE(f->Vorgabe().Anzeige().Eigenbeitrag.trimmed(), u"120,00 (mtl. 10,00)  €"_s);

        // 2026 has no new rules and no comparison; the contributions stay typed
        jahrWaehlen(*f, 2026);
        QVERIFY(!f->Anzeige().VergleichsseiteSichtbar);
        QCOMPARE(f->EingabenLesen().Foerderrecht, TFoerderrecht::Bisher);
        QCOMPARE(f->EingabenLesen().EigenbeitragVorgabe1, -1.0);
        QVERIFY(f->Vorgabe().Anzeige().BeitragAktiv);
        QCOMPARE(f->Vorgabe().Anzeige().Foerderrecht, QString());
        f->BeendenBestaetigt = true;
    }
    const TIniDatei ini = TIniDatei::ausBytes(p.iniLesen());
    QCOMPARE(ini.lesenText(u"Sonstige Daten"_s, u"Foerderrecht"_s, QString()), u"bisher"_s);
    QCOMPARE(ini.lesenInt(u"Daten"_s, u"Eigenbeitrag1"_s, 0), 12000);
    {
        // back in 2027 the typed contribution and the rule set are there again
        auto f = p.fenster();
        jahrWaehlen(*f, 2027);
        QCOMPARE(f->EingabenLesen().Foerderrecht, TFoerderrecht::Bisher);
        QCOMPARE(f->EingabenLesen().EigenbeitragVorgabe1, 120.0);
        QCOMPARE(f->Daten().GewaehrteZulagen(), 775.0);
        f->BeendenBestaetigt = true;
    }
}

void TstBeitragsjahr::vergleichsseiteUeberDerDruckgruppe_data()
{
    QTest::addColumn<bool>("verheiratet");
    QTest::newRow("ledig: die Zeile der 2. Person fehlt ohne Lücke") << false;
    QTest::newRow("verheiratet: alle acht Zeilen") << true;
}

// Every text of the comparison page is shown whole, above the print group that
// the page shares with the input page.
void TstBeitragsjahr::vergleichsseiteUeberDerDruckgruppe()
{
    QFETCH(bool, verheiratet);
    TProgramm p;
    p.heute = QDate(2027, 1, 4);
    auto f = p.fenster();
    if (verheiratet)
        element<QRadioButton>(*f, "RadioButton_verheiratet")->click();
    f->Vorgabe().EinkommenSetzen(30000, 20000);
    f->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.get()));
    f->SeiteZeigen(S::Vergleich);
    QWidget* seite = element(*f, "TabSheet_Vergleich");
    QWidget* druck = element(*f, "Panel_Drucken");
    QCOMPARE(druck->parentWidget(), seite);
    int unten = 0;
    for (QWidget* w : seite->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (w == druck || w->isHidden())
            continue;
        QVERIFY2(w->geometry().bottom() < druck->y(), qPrintable(w->objectName()));
        QVERIFY2(seite->rect().contains(w->geometry()), qPrintable(w->objectName()));
        unten = std::max(unten, w->geometry().bottom());
    }
    for (QLabel* l : seite->findChildren<QLabel*>()) {
        if (!l->isVisibleTo(seite))
            continue;
        const int hoehe = l->wordWrap() ? l->heightForWidth(l->width()) : l->sizeHint().height();
        QVERIFY2(l->height() >= hoehe, qPrintable(l->text()));
        if (!l->wordWrap())
            QVERIFY2(l->width() >= l->sizeHint().width(), qPrintable(l->text()));
        QVERIFY2(l->parentWidget()->rect().contains(l->geometry()), qPrintable(l->text()));
    }
    // the rows follow one another: the second person's only for a couple
    const int zeile1 = element(*f, "Edit_Zulagen1_neu")->y();
    const int zusammen = element(*f, "Edit_Zulagen_neu")->y();
    QCOMPARE(zusammen - zeile1, verheiratet ? 44 : 22);
    QCOMPARE(element(*f, "Edit_Zulagen2_neu")->isVisibleTo(seite), verheiratet);
    f->BeendenBestaetigt = true;
}

QTEST_MAIN(TstBeitragsjahr)
#include "tst_beitragsjahr.moc"
