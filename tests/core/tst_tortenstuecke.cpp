#include "Tortenstuecke.h"
#include "Zulagen.h"

#include <QTest>

using namespace Fermalin;
using namespace Qt::StringLiterals;

namespace {

// One slice as text, so a table row reads like the chart: label=value#colour.
QString text(const TTortenStueck& s)
{
    return QStringLiteral("%1=%2#%3")
        .arg(s.Beschriftung)
        .arg(s.Wert, 0, 'f', 2)
        .arg(s.Farbe, 6, 16, QLatin1Char('0'));
}

QStringList texte(const QList<TTortenStueck>& stuecke)
{
    QStringList t;
    for (const TTortenStueck& s : stuecke)
        t << text(s);
    return t;
}

// A single person with full allowances and no children.
TZulagenDaten ledig(double eigenbeitrag, double steuer)
{
    TZulagenDaten d;
    d.VolleGrundzulage1 = d.Grundzulage1 = 154;
    d.Eigenbeitrag = eigenbeitrag;
    d.Gesamtbeitrag = eigenbeitrag + 154;
    d.Steuerersparnis = steuer;
    return d;
}

} // namespace

Q_DECLARE_METATYPE(TZulagenDaten)

class TstTortenstuecke : public QObject
{
    Q_OBJECT
private slots:
    void stuecke_data();
    void stuecke();
    void gerechneterHaushalt();
    void marken_data();
    void marken();
};

void TstTortenstuecke::stuecke_data()
{
    QTest::addColumn<TZulagenDaten>("daten");
    QTest::addColumn<QStringList>("erwartet");

    const QString G = QStringLiteral("00518e"), S = QStringLiteral("66a4d2"),
                  E = QStringLiteral("c7d4ec"), W = QStringLiteral("ffffff");

    QTest::newRow("ledig, volle Zulage")
        << ledig(1046, 180.5)
        << QStringList{u"Grundzulage:=154.00#"_s + G, u"Steuerersparnis:=180.50#"_s + S,
                       u"Eigenbeitrag:=1046.00#"_s + E, u"nicht ausgeschöpft:=900.00#"_s + W};
    QTest::newRow("Steuerersparnis 0,99: kein Stück")
        << ledig(1046, 0.99)
        << QStringList{u"Grundzulage:=154.00#"_s + G, u"Eigenbeitrag:=1046.00#"_s + E,
                       u"nicht ausgeschöpft:=900.00#"_s + W};
    QTest::newRow("Steuerersparnis genau 1")
        << ledig(1046, 1.0)
        << QStringList{u"Grundzulage:=154.00#"_s + G, u"Steuerersparnis:=1.00#"_s + S,
                       u"Eigenbeitrag:=1046.00#"_s + E, u"nicht ausgeschöpft:=900.00#"_s + W};
    QTest::newRow("Höchstbetrag: nichts ungenutzt")
        << ledig(1946, 0)
        << QStringList{u"Grundzulage:=154.00#"_s + G, u"Eigenbeitrag:=1946.00#"_s + E};

    // A sum of cents that misses 2100 by a rounding hair is the maximum.
    TZulagenDaten haar = ledig(1946, 0);
    haar.Gesamtbeitrag = 0.1 * 21000 - 1e-10;
    QTest::newRow("Höchstbetrag mit Rundungsrest")
        << haar << QStringList{u"Grundzulage:=154.00#"_s + G, u"Eigenbeitrag:=1946.00#"_s + E};

    TZulagenDaten paar;
    paar.Verheiratet = paar.Doppelverdiener = true;
    paar.AnzahlFoerderberechtigte = 2;
    paar.Kinderzahl = 1;
    paar.VolleGrundzulage1 = paar.Grundzulage1 = 154;
    paar.VolleGrundzulage2 = paar.Grundzulage2 = 154;
    paar.VolleKinderzulage1 = paar.Kinderzulage1 = 185;
    paar.Eigenbeitrag = 1353;
    paar.Gesamtbeitrag = 2000;
    QTest::newRow("Ehepaar, ein Kind")
        << paar
        << QStringList{u"Grundzulagen:=308.00#"_s + G, u"Kinderzulage:=185.00#"_s + G,
                       u"Eigenbeitrag:=1353.00#"_s + E, u"nicht ausgeschöpft:=2200.00#"_s + W};

    TZulagenDaten zwei = paar;
    zwei.Kinderzahl = 2;
    zwei.VolleKinderzulage2 = zwei.Kinderzulage2 = 300;
    zwei.Gesamtbeitrag = 2300;
    QTest::newRow("Ehepaar, zwei Kinder je Person")
        << zwei
        << QStringList{u"Grundzulagen:=308.00#"_s + G, u"Kinderzulagen:=485.00#"_s + G,
                       u"Eigenbeitrag:=1353.00#"_s + E, u"nicht ausgeschöpft:=1900.00#"_s + W};

    // Only one spouse entitled: the second basic allowance is indirect, the
    // singular form stays while VolleGrundzulage2 is 0.
    TZulagenDaten einzel = paar;
    einzel.AnzahlFoerderberechtigte = 1;
    einzel.VolleGrundzulage2 = einzel.Grundzulage2 = 0;
    einzel.Kinderzahl = 0;
    einzel.VolleKinderzulage1 = einzel.Kinderzulage1 = 0;
    einzel.Eigenbeitrag = 600;
    einzel.Gesamtbeitrag = 754;
    QTest::newRow("ohne Kinder kein Kinderstück")
        << einzel
        << QStringList{u"Grundzulage:=154.00#"_s + G, u"Eigenbeitrag:=600.00#"_s + E,
                       u"nicht ausgeschöpft:=1346.00#"_s + W};

    // Below the minimum both allowance labels get the second line, with the
    // cut amounts.
    TZulagenDaten gekuerzt = paar;
    gekuerzt.Grundzulage1 = gekuerzt.Grundzulage2 = 77;
    gekuerzt.Kinderzulage1 = 92.5;
    gekuerzt.Eigenbeitrag = 500;
    gekuerzt.Gesamtbeitrag = 746.5;
    QTest::newRow("gekürzt") << gekuerzt
                             << QStringList{u"Grundzulagen\r(gekürzt!):=154.00#"_s + G,
                                            u"Kinderzulage\r(gekürzt!):=92.50#"_s + G,
                                            u"Eigenbeitrag:=500.00#"_s + E,
                                            u"nicht ausgeschöpft:=3453.50#"_s + W};

    // Several children of whom none brings an allowance still show the plural
    // slice, as the chart always did.
    TZulagenDaten leer = ledig(0, 0);
    leer.Grundzulage1 = 0;
    leer.Gesamtbeitrag = 0;
    leer.Kinderzahl = 2;
    QTest::newRow("Schieber auf 0, zwei Kinder")
        << leer
        << QStringList{u"Grundzulage\r(gekürzt!):=0.00#"_s + G,
                       u"Kinderzulagen\r(gekürzt!):=0.00#"_s + G, u"Eigenbeitrag:=0.00#"_s + E,
                       u"nicht ausgeschöpft:=2100.00#"_s + W};
}

void TstTortenstuecke::stuecke()
{
    QFETCH(TZulagenDaten, daten);
    QFETCH(QStringList, erwartet);
    QCOMPARE(texte(TortenStuecke(daten)), erwartet);
}

// The real computation for a couple with one child and the minimum contribution.
void TstTortenstuecke::gerechneterHaushalt()
{
    TZulagenDaten d;
    d.Verheiratet = d.Doppelverdiener = true;
    d.Einkommen1 = 30000;
    d.Einkommen2 = 20000;
    d.Kinderzahl = 1;
    d.KindGebJahr[0] = 2005;
    d.MinBeitrag = true;
    BerechneHaushalt(d);
    const QList<TTortenStueck> s = TortenStuecke(d);
    QVERIFY(s.size() >= 4);
    QCOMPARE(s[0].Beschriftung, QStringLiteral("Grundzulagen:"));
    QCOMPARE(s[0].Wert, 308.0);
    QCOMPARE(s[1].Beschriftung, QStringLiteral("Kinderzulage:"));
    QCOMPARE(s[1].Wert, 185.0);
    // allowances, own contribution and the unused rest make up both maximums
    double summe = 0;
    for (const TTortenStueck& t : s)
        if (t.Beschriftung != u"Steuerersparnis:"_s)
            summe += t.Wert;
    QCOMPARE(summe, 4200.0);
    QVERIFY(d.Gesamtbeitrag < 4200);
}

void TstTortenstuecke::marken_data()
{
    QTest::addColumn<QString>("beschriftung");
    QTest::addColumn<double>("wert");
    QTest::addColumn<QStringList>("zeilen");
    QTest::newRow("Tausender") << u"Eigenbeitrag:"_s << 1946.0
                               << QStringList{u"Eigenbeitrag: 1.946"_s};
    QTest::newRow("halbe Euro aufgerundet")
        << u"Kinderzulage:"_s << 92.5 << QStringList{u"Kinderzulage: 93"_s};
    QTest::newRow("zweizeilig") << u"Grundzulagen\r(gekürzt!):"_s << 154.0
                                << QStringList{u"Grundzulagen"_s, u"(gekürzt!): 154"_s};
    QTest::newRow("null") << u"Eigenbeitrag:"_s << 0.0 << QStringList{u"Eigenbeitrag: 0"_s};
}

void TstTortenstuecke::marken()
{
    QFETCH(QString, beschriftung);
    QFETCH(double, wert);
    QFETCH(QStringList, zeilen);
    QCOMPARE(TortenMarke({beschriftung, wert, 0}), zeilen);
}

QTEST_GUILESS_MAIN(TstTortenstuecke)
#include "tst_tortenstuecke.moc"
