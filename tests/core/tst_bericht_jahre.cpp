// The report in the years after 2010: the texts that name a year, the
// surcharge note by the year's rule, the career-starter bonus, the notices and
// from 2027 both rule sets side by side with the warning before a new contract.
#include "HTML_Ausgabe.h"
#include "Haushaltsrechnung.h"
#include "Zahlformat.h"

#include <QTest>

using namespace Fermalin;

namespace {

TEingaben ledig(int jahr, double einkommen)
{
    TEingaben e;
    e.Beitragsjahr = jahr;
    e.Foerderrecht = jahr >= 2027 ? TFoerderrecht::Neu : TFoerderrecht::Bisher;
    e.Einkommen1 = einkommen;
    return e;
}

// The document and the record it shows.
struct TBericht
{
    QString Text;
    TZulagenDaten Daten;
};

TBericht bericht(const TEingaben& e)
{
    const TRechnung r = Rechnen(e, Teil_Bericht);
    return {BerichtText(r.Bericht), r.Daten};
}

const QString Vergleichskopf = QStringLiteral("Bisheriges und neues Förderrecht im Vergleich");
const QString Warnung =
    QStringLiteral("Wich&shy;tig vor einem Neu&shy;ab&shy;schluss (§7d AltZertG)");
const QString Tarifhinweis = QStringLiteral("ist noch kein Einkommensteuertarif verkündet");

} // namespace

class TstBerichtJahre : public QObject
{
    Q_OBJECT
private slots:
    void texteNennenDasJahr_data();
    void texteNennenDasJahr();
    void soliHinweisNachDemRechtDesJahres();
    void berufseinsteigerBonus_data();
    void berufseinsteigerBonus();
    void vergleichAb2027();
};

void TstBerichtJahre::texteNennenDasJahr_data()
{
    QTest::addColumn<int>("jahr");
    QTest::newRow("2010 mit den Einkommen von 2009") << 2010;
    QTest::newRow("2018 mit den Einkommen von 2017") << 2018;
    QTest::newRow("2026 mit den Einkommen von 2025") << 2026;
    QTest::newRow("2027 mit den Einkommen von 2026") << 2027;
}

void TstBerichtJahre::texteNennenDasJahr()
{
    QFETCH(int, jahr);
    const QString t = bericht(ledig(jahr, 30000)).Text;
    QVERIFY(t.contains(QStringLiteral("Jahres&shy;ein&shy;kommen in %1").arg(jahr - 1)));
    QVERIFY(t.contains(QStringLiteral("Dies wür&shy;de für %1 bei").arg(jahr)));
    // a notice, the rule-set row, the comparison and the warning only from 2027
    QCOMPARE(t.contains(Tarifhinweis), jahr >= 2027);
    QCOMPARE(t.contains(QStringLiteral("Förder&shy;recht")), jahr >= 2027);
    QCOMPARE(t.contains(Vergleichskopf), jahr >= 2027);
    QCOMPARE(t.contains(Warnung), jahr >= 2027);
}

// Without surcharges chosen the report says what they would add: up to 2020 the
// flat 13.5 %, from 2021 church tax at 8 % and the surcharge only above its
// Freigrenze, which a tax at 30000 euros does not reach.
void TstBerichtJahre::soliHinweisNachDemRechtDesJahres()
{
    for (const int jahr : {2010, 2020}) {
        const TBericht b = bericht(ledig(jahr, 30000));
        QVERIFY(b.Daten.Steuerersparnis > 0);
        QVERIFY(b.Text.contains(QStringLiteral("bei 5,5&#160;% Soli + 8&#160;% KiSt einen "
                                               "zu&shy;sätz&shy;lichen Be&shy;trag von %1")
                                    .arg(FormatN(b.Daten.Steuerersparnis * 0.135, 0))));
    }
    const TBericht b = bericht(ledig(2026, 30000));
    QVERIFY(b.Daten.Steuerersparnis > 0);
    QVERIFY2(b.Text.contains(QStringLiteral("mit Frei&shy;gren&shy;ze und "
                                            "Mil&shy;de&shy;rungs&shy;zo&shy;ne einen "
                                            "zu&shy;sätz&shy;lichen Be&shy;trag von %1&#160;Euro")
                                 .arg(FormatN(b.Daten.Steuerersparnis * 0.08, 0))),
             qPrintable(FormatN(b.Daten.Steuerersparnis, 2)));

    // chosen: the note names the Freigrenze from 2021 only
    TEingaben e = ledig(2026, 30000);
    e.Soli = 0.055;
    QVERIFY(bericht(e).Text.contains(
        QStringLiteral("schlag (5,5&#160;% mit Frei&shy;gren&shy;ze und Mil&shy;de&shy;rungs&shy;"
                       "zo&shy;ne) be&shy;rück&shy;sich&shy;tigt")));
    e.Beitragsjahr = 2020;
    QVERIFY(bericht(e).Text.contains(QStringLiteral("schlag (5,5&#160;%) be&shy;rück")));
}

void TstBerichtJahre::berufseinsteigerBonus_data()
{
    QTest::addColumn<bool>("verheiratet");
    QTest::addColumn<bool>("bonus1");
    QTest::addColumn<bool>("bonus2");
    QTest::addColumn<QString>("satz");
    QTest::newRow("ohne Bonus nicht berücksichtigt")
        << false << false << false
        << QStringLiteral("Dies wur&shy;de bei der Be&shy;rech&shy;nung nicht be&shy;rück");
    QTest::newRow("mit Bonus einer einzelnen Person berücksichtigt")
        << false << true << false
        << QStringLiteral("Dies wur&shy;de bei der Be&shy;rech&shy;nung be&shy;rück");
    QTest::newRow("beim Paar für die zweite Person")
        << true << false << true << QStringLiteral("für die zweite Person be&shy;rück");
    QTest::newRow("beim Paar für beide")
        << true << true << true << QStringLiteral("für beide Personen be&shy;rück");
}

void TstBerichtJahre::berufseinsteigerBonus()
{
    QFETCH(bool, verheiratet);
    QFETCH(bool, bonus1);
    QFETCH(bool, bonus2);
    QFETCH(QString, satz);
    TEingaben e = ledig(2026, 30000);
    e.Verheiratet = verheiratet;
    e.Doppelverdiener = verheiratet;
    e.Einkommen2 = verheiratet ? 20000 : 0;
    e.Berufseinsteiger1 = bonus1;
    e.Berufseinsteiger2 = bonus2;
    const QString t = bericht(e).Text;
    const qsizetype extra = t.indexOf(QStringLiteral("Extrazulage"));
    QVERIFY(extra > 0);
    QVERIFY2(t.indexOf(satz, extra) > extra, qPrintable(t.mid(extra, 800)));
}

// The household for which the old rules pay most: the table shows both sides,
// the difference and the sentence which pays more.
void TstBerichtJahre::vergleichAb2027()
{
    TEingaben e = ledig(2027, 12000);
    e.Kinderzahl = 2;
    e.KindGebJahr[0] = 2019;
    e.KindGebJahr[1] = 2021;
    e.EigenbeitragVorgabe1 = 120;
    const TBericht b = bericht(e);
    const qsizetype kopf = b.Text.indexOf(Vergleichskopf);
    QVERIFY(kopf > 0);
    const QString abschnitt = b.Text.mid(kopf);
    const qsizetype zulagen = abschnitt.indexOf(QStringLiteral("<b>Zulagen</b>"));
    QVERIFY(zulagen > 0);
    const QString zeile =
        abschnitt.mid(zulagen, abschnitt.indexOf(QStringLiteral("</tr>"), zulagen) - zulagen);
    QVERIFY2(zeile.contains(QStringLiteral("775,00&#160;Euro")), qPrintable(zeile));
    QVERIFY2(zeile.contains(QStringLiteral("300,00&#160;Euro")), qPrintable(zeile));
    QVERIFY2(zeile.contains(QStringLiteral("-475,00&#160;Euro")), qPrintable(zeile));
    QVERIFY(abschnitt.contains(QStringLiteral("för&shy;dert das bisherige Recht um")));
    QVERIFY(abschnitt.contains(Warnung));
    // a given contribution is shown as given, though the minimum mode is on
    QVERIFY(e.MinBeitrag);
    QVERIFY(b.Text.contains(QStringLiteral("Dargestellt ist der in&shy;di&shy;vi&shy;du&shy;ell")));
}

QTEST_GUILESS_MAIN(TstBerichtJahre)
#include "tst_bericht_jahre.moc"
