#include "Aufteilung.h"

#include <QTest>

using namespace Fermalin;

namespace {

// A computed record as the subsidy computation would leave it: basic
// allowance 154 for each person, child allowances as given.
TZulagenDaten datensatz(double eigenbeitrag, double einkommen1, double einkommen2,
                        double kinderzulage1 = 0, double kinderzulage2 = 0)
{
    TZulagenDaten d;
    d.Eigenbeitrag = eigenbeitrag;
    d.Einkommen1 = einkommen1;
    d.Einkommen2 = einkommen2;
    d.VolleGrundzulage1 = 154;
    d.VolleGrundzulage2 = 154;
    d.VolleKinderzulage1 = kinderzulage1;
    d.VolleKinderzulage2 = kinderzulage2;
    return d;
}

TAufteilungsVorgabe vorgabe(TFamilienstand stand, bool fuerAngebot, bool tarMindBtr,
                            bool minBeitrag = false, int position = 0)
{
    TAufteilungsVorgabe v;
    v.Familienstand = stand;
    v.fuerAngebot = fuerAngebot;
    v.TarMindBtr = tarMindBtr;
    v.MinBeitrag = minBeitrag;
    v.Position = position;
    v.PositionMax = 50;
    return v;
}

QString ledigUebernommen()
{
    return QStringLiteral("Bei der Berechnung für eine einzelne Person wird der in den beiden "
                          "vorangehenden Dialogbildern für 2010 gewählte Eigenbeitrag übernommen.");
}

QString doppelReglerText(const QString& betrag)
{
    return QStringLiteral("Der gewählte Gesamteigenbeitrag (%1 Euro) liegt zwischen der Summe der "
                          "Mindest- und Höchsteigenbeiträge. Mit dem Schieberegler können Sie die "
                          "Aufteilung des Eigenbeitrags einstellen.")
        .arg(betrag);
}

QString einzelReglerText(const QString& betrag)
{
    return QStringLiteral("Der gewählte Gesamteigenbeitrag (%1 Euro) liegt zwischen Mindest- und "
                          "Höchsteigenbeitrag. Mit dem Schieberegler können Sie die Aufteilung des "
                          "Eigenbeitrags einstellen.")
        .arg(betrag);
}

QString gleichmaessigGekuerzt(const QString& e, const QString& summe)
{
    return QStringLiteral("Der gewählte, gesamte Eigenbeitrag (%1 Euro) ist kleiner als der "
                          "gesamte Mindesteigenbeitrag (%2 Euro); er wurde so aufgeteilt, dass bei "
                          "beiden Verträgen die Zulagen gleichmäßig gekürzt werden.")
        .arg(e, summe);
}

QString restZumZweiten(const QString& e)
{
    return QStringLiteral("Aufgrund des Einkommens der ersten Person sind dort Mindest- und "
                          "Höchsteigenbeitrag gleich. Der Rest des gewählten Gesamteigenbeitrags "
                          "(%1 Euro) wird dem zweiten Vertrag zugeschlagen.")
        .arg(e);
}

QString restZumErsten(const QString& e)
{
    return QStringLiteral("Aufgrund des Einkommens der zweiten Person sind dort Mindest- und "
                          "Höchsteigenbeitrag gleich. Der Rest des gewählten Gesamteigenbeitrags "
                          "(%1 Euro) wird dem ersten Vertrag zugeschlagen.")
        .arg(e);
}

QString hoechstbetragAusgeschoepft()
{
    return QStringLiteral("Der Höchsteigenbeitrag für beide Verträge (je 2.100 Euro abzüglich der "
                          "Zulagen) wurde voll ausgeschöpft.");
}

QString einzelUnterschritten(const QString& m)
{
    return QStringLiteral("Der Mindesteigenbeitrag für den ersten Vertrag (%1 Euro) wurde "
                          "unterschritten; dadurch werden die Zulagen für beide Verträge gekürzt.")
        .arg(m);
}

QString einzelBeideMindest()
{
    return QStringLiteral(
        "Gemäß der Vorgabe wurde für beide Verträge der Mindesteigenbeitrag gewählt.");
}

} // namespace

class TstAufteilung : public QObject
{
    Q_OBJECT
private slots:
    void familienstandVon_data();
    void familienstandVon();
    void ledig_data();
    void ledig();
    void doppelverdiener_data();
    void doppelverdiener();
    void doppelverdienerSchieberegler_data();
    void doppelverdienerSchieberegler();
    void reglerBewegtNurDieAufteilung();
    void einzelverdiener_data();
    void einzelverdiener();
    void einzelverdienerSchieberegler_data();
    void einzelverdienerSchieberegler();
};

void TstAufteilung::familienstandVon_data()
{
    QTest::addColumn<bool>("verheiratet");
    QTest::addColumn<bool>("doppelverdiener");
    QTest::addColumn<int>("erwartet");
    QTest::newRow("unverheiratet ist ledig") << false << false << int(TFamilienstand::Ledig);
    QTest::newRow("unverheiratet bleibt ledig, auch mit gesetztem Doppelverdiener")
        << false << true << int(TFamilienstand::Ledig);
    QTest::newRow("verheiratet, beide förderberechtigt")
        << true << true << int(TFamilienstand::Doppelverdiener);
    QTest::newRow("verheiratet, nur einer förderberechtigt")
        << true << false << int(TFamilienstand::Einzelverdiener);
}

void TstAufteilung::familienstandVon()
{
    QFETCH(bool, verheiratet);
    QFETCH(bool, doppelverdiener);
    QFETCH(int, erwartet);
    TZulagenDaten d;
    d.Verheiratet = verheiratet;
    d.Doppelverdiener = doppelverdiener;
    QCOMPARE(int(FamilienstandVon(d)), erwartet);
}

void TstAufteilung::ledig_data()
{
    QTest::addColumn<bool>("fuerAngebot");
    QTest::addColumn<bool>("tarMindBtr");
    QTest::addColumn<double>("eigenbeitrag");
    QTest::addColumn<double>("erwE1");
    QTest::addColumn<double>("erwGesamt");
    QTest::addColumn<QString>("erwInfo");

    const QString erhoeht75 = QStringLiteral(
        "Der gewählte Eigenbeitrag (75 Euro) liegt unter dem tariflichen Mindesteigenbeitrag; er "
        "wurde daher entsprechend erhöht.");

    QTest::newRow("Angebot: 1000 Euro werden übernommen")
        << true << false << 1000.0 << 1000.0 << 1000.0 << ledigUebernommen();
    QTest::newRow("Angebot: genau der Tarifmindestbeitrag 120 wird übernommen")
        << true << false << 120.0 << 120.0 << 120.0 << ledigUebernommen();
    QTest::newRow("Angebot: 75 Euro werden auf 120 erhöht")
        << true << false << 75.0 << 120.0 << 120.0 << erhoeht75;
    QTest::newRow("Bericht mit Tarifmindestbeiträgen: 75 Euro werden auf 120 erhöht")
        << false << true << 75.0 << 120.0 << 120.0 << erhoeht75;
    QTest::newRow("Bericht ohne Tarifmindestbeiträge: 75 Euro bleiben")
        << false << false << 75.0 << 75.0 << 75.0 << ledigUebernommen();
    QTest::newRow("Bericht ohne Tarifmindestbeiträge: 0 Euro bleiben")
        << false << false << 0.0 << 0.0 << 0.0 << ledigUebernommen();
}

void TstAufteilung::ledig()
{
    QFETCH(bool, fuerAngebot);
    QFETCH(bool, tarMindBtr);
    QFETCH(double, eigenbeitrag);
    QFETCH(double, erwE1);
    QFETCH(double, erwGesamt);
    QFETCH(QString, erwInfo);

    // The distribution slider position must not matter for a single person.
    auto v = vorgabe(TFamilienstand::Ledig, fuerAngebot, tarMindBtr, false, 17);
    const TAufteilung a = EigenbeitragAufteilen(datensatz(eigenbeitrag, 30000, 0), v);
    QCOMPARE(a.Eigenbeitrag1, erwE1);
    QCOMPARE(a.Eigenbeitrag2, 0.0);
    QCOMPARE(a.Eigenbeitrag, erwGesamt);
    QCOMPARE(a.Info, erwInfo);
    QVERIFY(!a.Schieberegler);
    QVERIFY(a.Hinweis.isEmpty());
}

// Cases without the distribution slider. Unless stated otherwise the couple is
// 30000/20000 without children: minimums 1046/646, maximums 1946/1946.
void TstAufteilung::doppelverdiener_data()
{
    QTest::addColumn<double>("einkommen1");
    QTest::addColumn<double>("einkommen2");
    QTest::addColumn<double>("kinderzulage1");
    QTest::addColumn<bool>("minBeitrag");
    QTest::addColumn<bool>("fuerAngebot");
    QTest::addColumn<bool>("tarMindBtr");
    QTest::addColumn<int>("position");
    QTest::addColumn<double>("eigenbeitrag");
    QTest::addColumn<double>("erwE1");
    QTest::addColumn<double>("erwE2");
    QTest::addColumn<double>("erwGesamt");
    QTest::addColumn<QString>("erwInfo");

    // Minimum contribution box: the chosen total does not matter.
    const QString beideMindest = QStringLiteral(
        "Gemäß Vorgabe wurde für beide Verträge der jeweilige Mindesteigenbeitrag gewählt.");
    QTest::newRow("Mindestbeitrag: beide Mindesteigenbeiträge über dem Tarifminimum")
        << 30000.0 << 20000.0 << 0.0 << true << true << false << 0 << 2400.0 << 1046.0 << 646.0
        << 1692.0 << beideMindest;
    QTest::newRow("Mindestbeitrag: erster Vertrag (86 Euro) auf 120 erhöht")
        << 6000.0 << 20000.0 << 0.0 << true << true << false << 0 << 2400.0 << 120.0 << 646.0
        << 766.0
        << QStringLiteral("Gemäß Vorgabe sollte für beide Verträge der jeweilige "
                          "Mindesteigenbeitrag gewählt werden; bei dem ersten Vertrag musste er "
                          "(86 Euro) auf den tariflichen Mindesteigenbeitrag erhöht werden.");
    QTest::newRow("Mindestbeitrag im Bericht mit Tarifminimum: erster Vertrag auf 120 erhöht")
        << 6000.0 << 20000.0 << 0.0 << true << false << true << 0 << 2400.0 << 120.0 << 646.0
        << 766.0
        << QStringLiteral("Gemäß Vorgabe sollte für beide Verträge der jeweilige "
                          "Mindesteigenbeitrag gewählt werden; bei dem ersten Vertrag musste er "
                          "(86 Euro) auf den tariflichen Mindesteigenbeitrag erhöht werden.");
    QTest::newRow("Mindestbeitrag im Bericht ohne Tarifminimum: 86 Euro bleiben")
        << 6000.0 << 20000.0 << 0.0 << true << false << false << 0 << 2400.0 << 86.0 << 646.0
        << 732.0 << beideMindest;
    QTest::newRow("Mindestbeitrag: zweiter Vertrag (106 Euro) auf 120 erhöht")
        << 30000.0 << 6500.0 << 0.0 << true << true << false << 0 << 2400.0 << 1046.0 << 120.0
        << 1166.0
        << QStringLiteral("Gemäß Vorgabe sollte für beide Verträge der jeweilige "
                          "Mindesteigenbeitrag gewählt werden; bei dem zweiten Vertrag musste er "
                          "(106 Euro) auf den tariflichen Mindesteigenbeitrag erhöht werden.");
    QTest::newRow("Mindestbeitrag: beide je 60 Euro auf 120 erhöht")
        << 5000.0 << 5000.0 << 0.0 << true << true << false << 0 << 2400.0 << 120.0 << 120.0
        << 240.0
        << QStringLiteral("Die gemäß Vorgabe gewünschten Mindesteigenbeiträge (je 60 Euro) "
                          "mussten jeweils auf den tariflichen Mindesteigenbeitrag erhöht werden.");
    QTest::newRow("Mindestbeitrag: 86 und 106 Euro beide auf 120 erhöht")
        << 6000.0 << 6500.0 << 0.0 << true << true << false << 0 << 2400.0 << 120.0 << 120.0
        << 240.0
        << QStringLiteral("Die gemäß Vorgabe gewünschten Mindesteigenbeiträge (86 bzw. 106 Euro) "
                          "mussten jeweils auf den tariflichen Mindesteigenbeitrag erhöht werden.");

    // Totals up to twice the tariff minimum
    QTest::newRow("Angebot: 200 Euro reichen nur für zweimal 120, Gesamt wird 240")
        << 30000.0 << 20000.0 << 0.0 << false << true << false << 0 << 200.0 << 120.0 << 120.0
        << 240.0
        << QStringLiteral("Der gewählte, gesamte Eigenbeitrag (200 Euro) ist so klein, dass für "
                          "beide Verträge der tarifliche Mindesteigenbeitrag gewählt werden "
                          "musste.");
    QTest::newRow("Angebot: genau 240 Euro gelten noch als zu klein")
        << 30000.0 << 20000.0 << 0.0 << false << true << false << 0 << 240.0 << 120.0 << 120.0
        << 240.0
        << QStringLiteral("Der gewählte, gesamte Eigenbeitrag (240 Euro) ist so klein, dass für "
                          "beide Verträge der tarifliche Mindesteigenbeitrag gewählt werden "
                          "musste.");
    QTest::newRow("Bericht ohne Tarifminimum: 200 Euro werden anteilig aufgeteilt")
        << 30000.0 << 20000.0 << 0.0 << false << false << false << 0 << 200.0 << 123.64 << 76.36
        << 200.0 << gleichmaessigGekuerzt(QStringLiteral("200"), QStringLiteral("1.692"));

    // Below the sum of the minimums: proportional split
    QTest::newRow("1000 Euro unter 1692: 618,20 und 381,80")
        << 30000.0 << 20000.0 << 0.0 << false << true << false << 0 << 1000.0 << 618.20 << 381.80
        << 1000.0 << gleichmaessigGekuerzt(QStringLiteral("1.000"), QStringLiteral("1.692"));
    QTest::newRow("genau die Summe der Mindesteigenbeiträge wird noch anteilig aufgeteilt")
        << 30000.0 << 20000.0 << 0.0 << false << true << false << 25 << 1692.0 << 1046.0 << 646.0
        << 1692.0 << gleichmaessigGekuerzt(QStringLiteral("1.692"), QStringLiteral("1.692"));
    QTest::newRow("Angebot: anteilig 16,27 für den zweiten Vertrag wird auf 120 angehoben")
        << 30000.0 << 0.0 << 0.0 << false << true << false << 0 << 300.0 << 283.73 << 120.0
        << 403.73
        << QStringLiteral("Der gewählte, gesamte Eigenbeitrag (300 Euro) ist kleiner als der "
                          "gesamte Mindesteigenbeitrag (1.106 Euro); er wurde unter Beachtung der "
                          "tariflichen Mindesteigenbeiträge aufgeteilt.");
    QTest::newRow("Bericht ohne Tarifminimum: anteilig 16,27 bleibt")
        << 30000.0 << 0.0 << 0.0 << false << false << false << 0 << 300.0 << 283.73 << 16.27
        << 300.0 << gleichmaessigGekuerzt(QStringLiteral("300"), QStringLiteral("1.106"));

    // At or above the sum of the maximums
    QTest::newRow("genau die Summe der Höchsteigenbeiträge")
        << 30000.0 << 20000.0 << 0.0 << false << true << false << 0 << 3892.0 << 1946.0 << 1946.0
        << 3892.0 << hoechstbetragAusgeschoepft();
    QTest::newRow("5000 Euro werden auf die Summe der Höchsteigenbeiträge gekürzt")
        << 30000.0 << 20000.0 << 0.0 << false << false << false << 0 << 5000.0 << 1946.0 << 1946.0
        << 3892.0 << hoechstbetragAusgeschoepft();
    QTest::newRow("mit Kinderzulage 300 beim ersten: Text nennt trotzdem 2.100")
        << 30000.0 << 20000.0 << 300.0 << false << true << false << 0 << 4000.0 << 1646.0 << 1946.0
        << 3592.0 << hoechstbetragAusgeschoepft();
    QTest::newRow("60000 beim ersten, aber über den Höchstbeiträgen: Höchstbetrag geht vor")
        << 60000.0 << 20000.0 << 0.0 << false << true << false << 0 << 4000.0 << 1946.0 << 1946.0
        << 3892.0 << hoechstbetragAusgeschoepft();

    // Person 1 at 60000: minimum and maximum of contract 1 are both 1946
    for (int position : {0, 25, 50}) {
        QTest::addRow("60000 beim ersten, Regler auf %d: erster voll, Rest 1054 zum zweiten",
                      position)
            << 60000.0 << 20000.0 << 0.0 << false << true << false << position << 3000.0 << 1946.0
            << 1054.0 << 3000.0 << restZumZweiten(QStringLiteral("3.000"));
    }
    QTest::newRow("Angebot, 60000 beim ersten: Rest 104 wird auf 120 angehoben")
        << 60000.0 << 0.0 << 0.0 << false << true << false << 0 << 2050.0 << 1946.0 << 120.0
        << 2066.0
        << QStringLiteral("Hinweis: Aufgrund des Einkommens der ersten Person sind dort Mindest- "
                          "und Höchsteigenbeitrag gleich. Für den zweiten Vertrag musste der "
                          "tarifliche Mindestbeitrag eingesetzt werden.");
    QTest::newRow("Bericht mit Tarifminimum, 60000 beim ersten: Rest 104 bleibt")
        << 60000.0 << 0.0 << 0.0 << false << false << true << 0 << 2050.0 << 1946.0 << 104.0
        << 2050.0 << restZumZweiten(QStringLiteral("2.050"));

    // The mirror image: person 2 at 60000
    QTest::newRow("60000 beim zweiten: zweiter voll, Rest 1054 zum ersten")
        << 20000.0 << 60000.0 << 0.0 << false << true << false << 10 << 3000.0 << 1054.0 << 1946.0
        << 3000.0 << restZumErsten(QStringLiteral("3.000"));
    QTest::newRow("Angebot, 60000 beim zweiten: Rest 104 wird auf 120 angehoben")
        << 0.0 << 60000.0 << 0.0 << false << true << false << 0 << 2050.0 << 120.0 << 1946.0
        << 2066.0
        << QStringLiteral("Aufgrund des Einkommens der zweiten Person sind dort Mindest- und "
                          "Höchsteigenbeitrag gleich. Für den ersten Vertrag musste der "
                          "tarifliche Mindestbeitrag eingesetzt werden.");
    QTest::newRow("Bericht mit Tarifminimum, 60000 beim zweiten: Rest 104 bleibt")
        << 0.0 << 60000.0 << 0.0 << false << false << true << 0 << 2050.0 << 104.0 << 1946.0
        << 2050.0 << restZumErsten(QStringLiteral("2.050"));
}

void TstAufteilung::doppelverdiener()
{
    QFETCH(double, einkommen1);
    QFETCH(double, einkommen2);
    QFETCH(double, kinderzulage1);
    QFETCH(bool, minBeitrag);
    QFETCH(bool, fuerAngebot);
    QFETCH(bool, tarMindBtr);
    QFETCH(int, position);
    QFETCH(double, eigenbeitrag);
    QFETCH(double, erwE1);
    QFETCH(double, erwE2);
    QFETCH(double, erwGesamt);
    QFETCH(QString, erwInfo);

    const TAufteilung a = EigenbeitragAufteilen(
        datensatz(eigenbeitrag, einkommen1, einkommen2, kinderzulage1),
        vorgabe(TFamilienstand::Doppelverdiener, fuerAngebot, tarMindBtr, minBeitrag, position));
    QCOMPARE(a.Eigenbeitrag1, erwE1);
    QCOMPARE(a.Eigenbeitrag2, erwE2);
    QCOMPARE(a.Eigenbeitrag, erwGesamt);
    QCOMPARE(a.Info, erwInfo);
    QVERIFY(!a.Schieberegler);
    QVERIFY(a.Hinweis.isEmpty());
}

void TstAufteilung::doppelverdienerSchieberegler_data()
{
    QTest::addColumn<double>("einkommen1");
    QTest::addColumn<double>("einkommen2");
    QTest::addColumn<bool>("fuerAngebot");
    QTest::addColumn<double>("eigenbeitrag");
    QTest::addColumn<QString>("betragText");
    QTest::addColumn<int>("position");
    QTest::addColumn<double>("erwE1");
    QTest::addColumn<double>("erwE2");
    QTest::addColumn<QString>("erwHinweis");

    // 30000/20000: minimums 1046/646, maximums 1946/1946
    QTest::newRow("2400 Euro, Position 10: 1612,40 auf das 10er-Raster, 1610/790")
        << 30000.0 << 20000.0 << true << 2400.0 << QStringLiteral("2.400") << 10 << 1610.0 << 790.0
        << QString();
    QTest::newRow("2400 Euro, Position 0: zweiter am Mindesteigenbeitrag")
        << 30000.0 << 20000.0 << true << 2400.0 << QStringLiteral("2.400") << 0 << 1754.0 << 646.0
        << QStringLiteral("Mindesteigenbeitrag für 2. Person erreicht");
    QTest::newRow("2400 Euro, Position 50: erster am Mindesteigenbeitrag")
        << 30000.0 << 20000.0 << true << 2400.0 << QStringLiteral("2.400") << 50 << 1046.0 << 1354.0
        << QStringLiteral("Mindesteigenbeitrag für 1. Person erreicht");
    QTest::newRow("3500 Euro, Position 0: erster am Höchsteigenbeitrag")
        << 30000.0 << 20000.0 << true << 3500.0 << QStringLiteral("3.500") << 0 << 1946.0 << 1554.0
        << QStringLiteral("Höchsteigenbeitrag für 1. Person erreicht");
    QTest::newRow("3500 Euro, Position 50: zweiter am Höchsteigenbeitrag")
        << 30000.0 << 20000.0 << true << 3500.0 << QStringLiteral("3.500") << 50 << 1554.0 << 1946.0
        << QStringLiteral("Höchsteigenbeitrag für 2. Person erreicht");

    // Grid widths by the step per position
    QTest::newRow("Schritt genau 10 nimmt das 5er-Raster: 1446 wird 1445")
        << 30000.0 << 20000.0 << true << 2192.0 << QStringLiteral("2.192") << 10 << 1445.0 << 747.0
        << QString();
    QTest::newRow("Schritt 2,16 nimmt das 1er-Raster: 1132,40 wird 1132")
        << 30000.0 << 20000.0 << true << 1800.0 << QStringLiteral("1.800") << 10 << 1132.0 << 668.0
        << QString();
    QTest::newRow("Schritt 0,16 behält die Cent: 1052,88")
        << 30000.0 << 20000.0 << true << 1700.0 << QStringLiteral("1.700") << 7 << 1052.88 << 647.12
        << QString();

    // A low income: its minimum of 60 lies below the tariff minimum
    QTest::newRow("Angebot, erster mit 60 Minimum, Position 50: Tarifminimum 120")
        << 5000.0 << 30000.0 << true << 1500.0 << QStringLiteral("1.500") << 50 << 120.0 << 1380.0
        << QStringLiteral("Tarifl. Mindesteigenbeitrag für 1. Person erreicht");
    QTest::newRow("Bericht ohne Tarifminimum, erster mit 60 Minimum, Position 50: 60")
        << 5000.0 << 30000.0 << false << 1500.0 << QStringLiteral("1.500") << 50 << 60.0 << 1440.0
        << QStringLiteral("Mindesteigenbeitrag für 1. Person erreicht");
    QTest::newRow("Angebot, erster mit 60 Minimum, Position 0: zweiter am Mindesteigenbeitrag")
        << 5000.0 << 30000.0 << true << 1500.0 << QStringLiteral("1.500") << 0 << 454.0 << 1046.0
        << QStringLiteral("Mindesteigenbeitrag für 2. Person erreicht");
    QTest::newRow("Angebot, zweiter mit 60 Minimum, Position 0: Tarifminimum 120")
        << 30000.0 << 5000.0 << true << 1500.0 << QStringLiteral("1.500") << 0 << 1380.0 << 120.0
        << QStringLiteral("Tarifl. Mindesteigenbeitrag für 2. Person erreicht");
    QTest::newRow("Bericht ohne Tarifminimum, zweiter mit 60 Minimum, Position 0: 60")
        << 30000.0 << 5000.0 << false << 1500.0 << QStringLiteral("1.500") << 0 << 1440.0 << 60.0
        << QStringLiteral("Mindesteigenbeitrag für 2. Person erreicht");
    QTest::newRow("Angebot, 2050 Euro, Position 50: Rest 104 über dem Höchstbetrag des zweiten "
                  "bleibt unter dem Tarifminimum")
        << 5000.0 << 30000.0 << true << 2050.0 << QStringLiteral("2.050") << 50 << 120.0 << 1930.0
        << QStringLiteral("Tarifl. Mindesteigenbeitrag für 1. Person erreicht");
    QTest::newRow("Angebot, 2050 Euro, Position 0: erster erreicht 1946 erst ohne Tarifminimum")
        << 30000.0 << 5000.0 << true << 2050.0 << QStringLiteral("2.050") << 0 << 1930.0 << 120.0
        << QStringLiteral("Tarifl. Mindesteigenbeitrag für 2. Person erreicht");
    QTest::newRow("Angebot, zweiter mit 60 Minimum, Position 10: Schritt 6,68 ergibt 5er-Raster")
        << 30000.0 << 5000.0 << true << 1500.0 << QStringLiteral("1.500") << 10 << 1315.0 << 185.0
        << QString();
}

void TstAufteilung::doppelverdienerSchieberegler()
{
    QFETCH(double, einkommen1);
    QFETCH(double, einkommen2);
    QFETCH(bool, fuerAngebot);
    QFETCH(double, eigenbeitrag);
    QFETCH(QString, betragText);
    QFETCH(int, position);
    QFETCH(double, erwE1);
    QFETCH(double, erwE2);
    QFETCH(QString, erwHinweis);

    const TAufteilung a = EigenbeitragAufteilen(
        datensatz(eigenbeitrag, einkommen1, einkommen2),
        vorgabe(TFamilienstand::Doppelverdiener, fuerAngebot, false, false, position));
    QVERIFY(a.Schieberegler);
    QCOMPARE(a.Eigenbeitrag1, erwE1);
    QCOMPARE(a.Eigenbeitrag2, erwE2);
    QCOMPARE(a.Eigenbeitrag, eigenbeitrag);
    QCOMPARE(a.Hinweis, erwHinweis);
    QCOMPARE(a.Info, doppelReglerText(betragText));
}

// Moving the slider redistributes the unchanged total and shows the same
// sentence again; contract 1 only loses as the slider moves right.
void TstAufteilung::reglerBewegtNurDieAufteilung()
{
    const TZulagenDaten d = datensatz(2400, 30000, 20000);
    double vorher = 1754;
    for (int position = 0; position <= 50; ++position) {
        const TAufteilung a = EigenbeitragAufteilen(
            d, vorgabe(TFamilienstand::Doppelverdiener, true, false, false, position));
        QVERIFY(a.Schieberegler);
        QCOMPARE(a.Info, doppelReglerText(QStringLiteral("2.400")));
        QCOMPARE(a.Eigenbeitrag, 2400.0);
        QCOMPARE(a.Eigenbeitrag1 + a.Eigenbeitrag2, 2400.0);
        QVERIFY2(a.Eigenbeitrag1 <= vorher, qPrintable(QString::number(position)));
        QVERIFY(a.Eigenbeitrag1 >= 1046);
        vorher = a.Eigenbeitrag1;
    }
}

// Cases without the slider. Unless stated otherwise person 1 earns 30000, no
// children: one minimum 892 and one maximum 1792 for both contracts.
void TstAufteilung::einzelverdiener_data()
{
    QTest::addColumn<double>("einkommen1");
    QTest::addColumn<double>("kinderzulage1");
    QTest::addColumn<bool>("minBeitrag");
    QTest::addColumn<bool>("fuerAngebot");
    QTest::addColumn<bool>("tarMindBtr");
    QTest::addColumn<double>("eigenbeitrag");
    QTest::addColumn<double>("erwE1");
    QTest::addColumn<double>("erwE2");
    QTest::addColumn<double>("erwGesamt");
    QTest::addColumn<QString>("erwInfo");

    const QString ersterMindestZweiterTarif = QStringLiteral(
        "Gemäß der Vorgabe wurde für den ersten Vertrag der Mindesteigenbeitrag gewählt. Für den "
        "zweiten wurde der tarifliche Mindesteigenbeitrag eingesetzt.");

    QTest::newRow("Angebot, Mindestbeitrag: 892 und 30 für den zweiten")
        << 30000.0 << 0.0 << true << true << false << 1500.0 << 892.0 << 30.0 << 922.0
        << ersterMindestZweiterTarif;
    QTest::newRow("Angebot, Mindestbeitrag genau 120: gilt als Mindesteigenbeitrag")
        << 10700.0 << 0.0 << true << true << false << 1500.0 << 120.0 << 30.0 << 150.0
        << ersterMindestZweiterTarif;
    QTest::newRow("Bericht ohne Tarifminimum, Mindestbeitrag: 892 und nichts für den zweiten")
        << 30000.0 << 0.0 << true << false << false << 1500.0 << 892.0 << 0.0 << 892.0
        << einzelBeideMindest();
    QTest::newRow("Angebot, Mindestbeitrag 60 mit drei Kindern: auf 120 erhöht")
        << 30000.0 << 900.0 << true << true << false << 1500.0 << 120.0 << 30.0 << 150.0
        << QStringLiteral("Gemäß Vorgabe sollte für den ersten Vertrag der Mindesteigenbeitrag "
                          "(60 Euro) gewählt werden; dieser musste auf den tariflichen "
                          "Mindesteigenbeitrag erhöht werden.");
    QTest::newRow("Bericht ohne Tarifminimum, Mindestbeitrag 60 mit drei Kindern: bleibt 60")
        << 30000.0 << 900.0 << true << false << false << 1500.0 << 60.0 << 0.0 << 60.0
        << einzelBeideMindest();

    QTest::newRow("Angebot: 100 Euro werden auf 120 und 30 angehoben")
        << 30000.0 << 0.0 << false << true << false << 100.0 << 120.0 << 30.0 << 150.0
        << QStringLiteral("Der gewählte Gesamteigenbeitrag (100 Euro) ist so klein, dass für "
                          "beide Verträge der tarifliche Mindesteigenbeitrag gewählt werden "
                          "musste.");
    QTest::newRow("Angebot: genau 150 Euro gelten noch als zu klein")
        << 30000.0 << 0.0 << false << true << false << 150.0 << 120.0 << 30.0 << 150.0
        << QStringLiteral("Der gewählte Gesamteigenbeitrag (150 Euro) ist so klein, dass für "
                          "beide Verträge der tarifliche Mindesteigenbeitrag gewählt werden "
                          "musste.");
    QTest::newRow("Bericht ohne Tarifminimum: 100 Euro gehen ganz an den ersten Vertrag")
        << 30000.0 << 0.0 << false << false << false << 100.0 << 100.0 << 0.0 << 100.0
        << einzelUnterschritten(QStringLiteral("892"));
    QTest::newRow("Angebot: 800 Euro unterschreiten den Mindesteigenbeitrag 892")
        << 30000.0 << 0.0 << false << true << false << 800.0 << 770.0 << 30.0 << 800.0
        << einzelUnterschritten(QStringLiteral("892"));
    QTest::newRow("Bericht mit Tarifminimum: genau 892 plus 30 gilt noch als unterschritten")
        << 30000.0 << 0.0 << false << false << true << 922.0 << 892.0 << 30.0 << 922.0
        << einzelUnterschritten(QStringLiteral("892"));

    // Three children (900) leave a minimum of 60: small totals above it
    QTest::newRow("Angebot, drei Kinder, 200 Euro: 170 und 30 ohne Text")
        << 30000.0 << 900.0 << false << true << false << 200.0 << 170.0 << 30.0 << 200.0
        << QString();
    QTest::newRow("Angebot, drei Kinder, genau 240 Euro: 210 und 30 ohne Text")
        << 30000.0 << 900.0 << false << true << false << 240.0 << 210.0 << 30.0 << 240.0
        << QString();
}

void TstAufteilung::einzelverdiener()
{
    QFETCH(double, einkommen1);
    QFETCH(double, kinderzulage1);
    QFETCH(bool, minBeitrag);
    QFETCH(bool, fuerAngebot);
    QFETCH(bool, tarMindBtr);
    QFETCH(double, eigenbeitrag);
    QFETCH(double, erwE1);
    QFETCH(double, erwE2);
    QFETCH(double, erwGesamt);
    QFETCH(QString, erwInfo);

    const TAufteilung a = EigenbeitragAufteilen(
        datensatz(eigenbeitrag, einkommen1, 0, kinderzulage1),
        vorgabe(TFamilienstand::Einzelverdiener, fuerAngebot, tarMindBtr, minBeitrag, 20));
    QCOMPARE(a.Eigenbeitrag1, erwE1);
    QCOMPARE(a.Eigenbeitrag2, erwE2);
    QCOMPARE(a.Eigenbeitrag, erwGesamt);
    QCOMPARE(a.Info, erwInfo);
    QVERIFY(!a.Schieberegler);
    QVERIFY(a.Hinweis.isEmpty());
}

void TstAufteilung::einzelverdienerSchieberegler_data()
{
    QTest::addColumn<double>("kinderzulage1");
    QTest::addColumn<bool>("fuerAngebot");
    QTest::addColumn<double>("eigenbeitrag");
    QTest::addColumn<QString>("betragText");
    QTest::addColumn<int>("position");
    QTest::addColumn<double>("erwE1");
    QTest::addColumn<double>("erwE2");
    QTest::addColumn<QString>("erwHinweis");

    const QString zweiterTarif =
        QStringLiteral("Tarifl. Mindesteigenbeitrag für 2. Person erreicht");
    const QString ersterMindest = QStringLiteral("Mindesteigenbeitrag für 1. Person erreicht");

    // Person 1 at 30000 without children: minimum 892, maximum 1792
    QTest::newRow("1500 Euro, Position 0: zweiter am eigenen Tarifminimum 30")
        << 0.0 << true << 1500.0 << QStringLiteral("1.500") << 0 << 1470.0 << 30.0 << zweiterTarif;
    QTest::newRow("1500 Euro, Position 1: zweiter ab 120, Schritt 11,56 ergibt 10er-Raster")
        << 0.0 << true << 1500.0 << QStringLiteral("1.500") << 1 << 1380.0 << 120.0 << QString();
    QTest::newRow("1500 Euro, Position 49: 901,96 auf das 10er-Raster")
        << 0.0 << true << 1500.0 << QStringLiteral("1.500") << 49 << 900.0 << 600.0 << QString();
    QTest::newRow("1500 Euro, Position 50: erster am Mindesteigenbeitrag")
        << 0.0 << true << 1500.0 << QStringLiteral("1.500") << 50 << 892.0 << 608.0
        << ersterMindest;
    QTest::newRow("1200 Euro, Position 25: Schritt 5,56 mit dem Tarifminimum 30 ergibt 5er-Raster")
        << 0.0 << true << 1200.0 << QStringLiteral("1.200") << 25 << 990.0 << 210.0 << QString();

    // Above the maximum only 1792 are distributed, the total stays
    QTest::newRow("2500 Euro über dem Höchsteigenbeitrag, Position 0")
        << 0.0 << true << 2500.0 << QStringLiteral("2.500") << 0 << 1762.0 << 30.0 << zweiterTarif;
    QTest::newRow("2500 Euro über dem Höchsteigenbeitrag, Position 1")
        << 0.0 << true << 2500.0 << QStringLiteral("2.500") << 1 << 1670.0 << 122.0 << QString();
    QTest::newRow("2500 Euro über dem Höchsteigenbeitrag, Position 50")
        << 0.0 << true << 2500.0 << QStringLiteral("2.500") << 50 << 892.0 << 900.0
        << ersterMindest;

    // Three children (900): minimum 60, maximum 892
    QTest::newRow("Angebot, drei Kinder, 600 Euro, Position 50: Tarifminimum 120")
        << 900.0 << true << 600.0 << QStringLiteral("600") << 50 << 120.0 << 480.0
        << QStringLiteral("Tarifl. Mindesteigenbeitrag für 1. Person erreicht");
    QTest::newRow("Bericht ohne Tarifminimum, drei Kinder, 600 Euro, Position 50: 60")
        << 900.0 << false << 600.0 << QStringLiteral("600") << 50 << 60.0 << 540.0 << ersterMindest;
    QTest::newRow("Bericht ohne Tarifminimum, drei Kinder, 600 Euro, Position 0: alles beim ersten")
        << 900.0 << false << 600.0 << QStringLiteral("600") << 0 << 600.0 << 0.0 << zweiterTarif;
    QTest::newRow("Bericht ohne Tarifminimum, drei Kinder, 200 Euro: schon ein Reglerfall")
        << 900.0 << false << 200.0 << QStringLiteral("200") << 50 << 60.0 << 140.0 << ersterMindest;
}

void TstAufteilung::einzelverdienerSchieberegler()
{
    QFETCH(double, kinderzulage1);
    QFETCH(bool, fuerAngebot);
    QFETCH(double, eigenbeitrag);
    QFETCH(QString, betragText);
    QFETCH(int, position);
    QFETCH(double, erwE1);
    QFETCH(double, erwE2);
    QFETCH(QString, erwHinweis);

    const TAufteilung a = EigenbeitragAufteilen(
        datensatz(eigenbeitrag, 30000, 0, kinderzulage1),
        vorgabe(TFamilienstand::Einzelverdiener, fuerAngebot, false, false, position));
    QVERIFY(a.Schieberegler);
    QCOMPARE(a.Eigenbeitrag1, erwE1);
    QCOMPARE(a.Eigenbeitrag2, erwE2);
    QCOMPARE(a.Eigenbeitrag, eigenbeitrag);
    QCOMPARE(a.Hinweis, erwHinweis);
    QCOMPARE(a.Info, einzelReglerText(betragText));
}

QTEST_GUILESS_MAIN(TstAufteilung)
#include "tst_aufteilung.moc"
