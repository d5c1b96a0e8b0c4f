// The split of a couple's total under the reform's rules, and of given
// contributions. Expected allowances from §§ 84-86 EStG n.F., worked out in the
// comments: each euro to 360 earns 0.50 (plus 1 per child to 300), to 1800 0.25,
// and nothing below 120.
#include "AufteilungNeu.h"
#include "Zahlformat.h"
#include "Zulagen.h"
#include "ZulagenNeu.h"

#include <QTest>

using namespace Fermalin;

namespace {

// A couple under the new rules, computed, with the total own contribution e as
// the computation would hand it to the split.
TZulagenDaten paar(bool doppelverdiener, double e, int kinder1 = 0, int kinder2 = 0)
{
    TZulagenDaten d;
    d.Beitragsjahr = 2027;
    d.Foerderrecht = TFoerderrecht::Neu;
    d.Verheiratet = true;
    d.Doppelverdiener = doppelverdiener;
    d.Einkommen1 = 30000;
    d.Einkommen2 = 20000;
    d.MinBeitrag = false;
    d.TarMindBtr = false;
    for (int i = 0; i < kinder1 + kinder2; ++i) {
        d.KindGebJahr[static_cast<std::size_t>(i)] = 2015;
        d.KindPerson[static_cast<std::size_t>(i)] = i < kinder1 ? 1 : 2;
    }
    d.Kinderzahl = kinder1 + kinder2;
    EingabenAngleichen(d);
    BerechneZulagen(d);
    d.Eigenbeitrag = e;
    return d;
}

TAufteilungsVorgabe vorgabe(const TZulagenDaten& d, bool fuerAngebot, int position = 0)
{
    TAufteilungsVorgabe v = AufteilungsVorgabeFuer(d, position, fuerAngebot);
    return v;
}

double zulagen(const TZulagenDaten& d, const TAufteilung& a)
{
    return ZulagenNeuFuer(d, a.Eigenbeitrag1, a.Eigenbeitrag2).Summe();
}

QString zuerstDieSchwellen(const QString& betrag, const QString& kinder = QString())
{
    return QStringLiteral("Der gewählte, gesamte Eigenbeitrag (%1 Euro) wurde so aufgeteilt, dass "
                          "beide Verträge zusammen die höchsten Zulagen erhalten: zuerst je 120 "
                          "Euro Mindesteigenbeitrag, %2dann je bis 360 Euro mit 50 % Grundzulage, "
                          "zuletzt je bis 1.800 Euro mit 25 % Grundzulage.")
        .arg(betrag, kinder);
}

QString reglerText(const QString& betrag)
{
    return QStringLiteral("Der gewählte Gesamteigenbeitrag (%1 Euro) lässt sich zwischen den "
                          "Verträgen verschieben, ohne dass Zulagen verloren gehen. Mit dem "
                          "Schieberegler können Sie die Aufteilung des Eigenbeitrags einstellen.")
        .arg(betrag);
}

} // namespace

class TstAufteilungNeu : public QObject
{
    Q_OBJECT
private slots:
    void doppelverdiener_data();
    void doppelverdiener();
    void doppelverdienerSchieberegler_data();
    void doppelverdienerSchieberegler();
    void reglerKostetKeineZulage();
    void einzelverdiener_data();
    void einzelverdiener();
    void ledig();
    void vorgegebeneBeitraege();
    void nachRechtVerteilt();
};

void TstAufteilungNeu::doppelverdiener_data()
{
    QTest::addColumn<double>("e");
    QTest::addColumn<int>("kinder1");
    QTest::addColumn<int>("kinder2");
    QTest::addColumn<bool>("fuerAngebot"); // the tariff minimums of 120 euros
    QTest::addColumn<double>("erwE1");
    QTest::addColumn<double>("erwE2");
    QTest::addColumn<double>("erwGesamt"); // the total after the split
    QTest::addColumn<double>("erwZulagen");
    QTest::addColumn<QString>("erwInfo");

    // 60 + 60 either way, as 240 in one contract earns 120 too: both thresholds first
    QTest::newRow("Beide Verträge zuerst bis zur Schwelle von 120 Euro")
        << 240.0 << 0 << 0 << false << 120.0 << 120.0 << 240.0 << 120.0
        << zuerstDieSchwellen(QStringLiteral("240"));
    // 200 in one contract earn 100; 120 + 80 only 60
    QTest::newRow("Zu wenig für beide Schwellen: alles in den ersten Vertrag")
        << 200.0 << 0 << 0 << false << 200.0 << 0.0 << 200.0 << 100.0
        << QStringLiteral("Der gewählte, gesamte Eigenbeitrag (200 Euro) reicht nicht für den "
                          "Mindesteigenbeitrag von 120 Euro in beiden Verträgen; er wurde ganz dem "
                          "ersten Vertrag zugeordnet, damit dort die Zulagen gewährt werden.");
    // the child's parent: 100 + 200
    QTest::newRow("Zu wenig für beide Schwellen, das Kind beim zweiten: alles in den zweiten")
        << 200.0 << 0 << 1 << false << 0.0 << 200.0 << 200.0 << 300.0
        << QStringLiteral("Der gewählte, gesamte Eigenbeitrag (200 Euro) reicht nicht für den "
                          "Mindesteigenbeitrag von 120 Euro in beiden Verträgen; er wurde ganz dem "
                          "zweiten Vertrag zugeordnet, damit dort die Zulagen gewährt werden.");
    QTest::newRow("Mit den Tarif-Mindestbeiträgen werden beide auf 120 Euro angehoben")
        << 200.0 << 0 << 0 << true << 120.0 << 120.0 << 240.0 << 120.0
        << QStringLiteral("Der gewählte, gesamte Eigenbeitrag (200 Euro) ist so klein, dass für "
                          "beide Verträge der tarifliche Mindesteigenbeitrag gewählt werden "
                          "musste.");
    QTest::newRow("Unter 120 Euro gibt es in keinem Vertrag Zulagen")
        << 100.0 << 0 << 0 << false << 100.0 << 0.0 << 100.0 << 0.0
        << QStringLiteral("Der gewählte, gesamte Eigenbeitrag (100 Euro) liegt unter dem "
                          "Mindesteigenbeitrag von 120 Euro; Zulagen werden dafür nicht gewährt.");
    // 240 to the thresholds, then 180 at 2.50 a euro into the children's contract:
    // 60 + 120 + 60 + 300 + 90 + 360 (the other's 120-300 earns 0.50 only)
    QTest::newRow("Der Vertrag mit den Kinderzulagen bis 300 Euro")
        << 420.0 << 0 << 2 << true << 120.0 << 300.0 << 420.0 << 810.0
        << zuerstDieSchwellen(QStringLiteral("420"),
                              QStringLiteral("dann bis 300 Euro für den zweiten Vertrag mit den "
                                             "Kinderzulagen, "));
    // 300 in one contract: 150 + 600 = 750; threshold order 180 + 120 would earn
    // 90 + 360 + 60 = 510
    QTest::newRow("Ohne Tarif bringen zwei Kinder mehr als die zweite Schwelle")
        << 300.0 << 2 << 0 << false << 300.0 << 0.0 << 300.0 << 750.0
        << QStringLiteral("Der gewählte, gesamte Eigenbeitrag (300 Euro) wurde ganz dem ersten "
                          "Vertrag zugeordnet: Wegen der Kinderzulagen bringt er dort mehr "
                          "Zulagen, als wenn auch der zweite Vertrag den Mindesteigenbeitrag von "
                          "120 Euro erhielte.");
    QTest::newRow("Mit Tarif erhält auch dann jeder Vertrag 120 Euro")
        << 300.0 << 2 << 0 << true << 180.0 << 120.0 << 300.0 << 510.0
        << zuerstDieSchwellen(QStringLiteral("300"),
                              QStringLiteral("dann bis 300 Euro für den ersten Vertrag mit den "
                                             "Kinderzulagen, "));
    QTest::newRow("Beide in ihre 50-%-Stufe bis 360 Euro")
        << 720.0 << 0 << 0 << true << 360.0 << 360.0 << 720.0 << 360.0
        << zuerstDieSchwellen(QStringLiteral("720"));
    QTest::newRow("Ab 3600 Euro sind beide Verträge ausgeschöpft")
        << 4000.0 << 1 << 1 << true << 1800.0 << 1800.0 << 3600.0 << 1680.0
        << QStringLiteral("Der geförderte Höchstbeitrag für beide Verträge (je 1.800 Euro) wurde "
                          "voll ausgeschöpft; ein höherer Eigenbeitrag bringt keine weiteren "
                          "Zulagen.");
}

void TstAufteilungNeu::doppelverdiener()
{
    QFETCH(double, e);
    QFETCH(int, kinder1);
    QFETCH(int, kinder2);
    QFETCH(bool, fuerAngebot);
    QFETCH(double, erwE1);
    QFETCH(double, erwE2);
    QFETCH(double, erwGesamt);
    QFETCH(double, erwZulagen);
    QFETCH(QString, erwInfo);
    const TZulagenDaten d = paar(true, e, kinder1, kinder2);
    const TAufteilung a = EigenbeitragAufteilen(d, vorgabe(d, fuerAngebot));
    QCOMPARE(a.Eigenbeitrag1, erwE1);
    QCOMPARE(a.Eigenbeitrag2, erwE2);
    QCOMPARE(a.Eigenbeitrag, erwGesamt);
    QCOMPARE(zulagen(d, a), erwZulagen);
    QCOMPARE(a.Info, erwInfo);
    QVERIFY(!a.Schieberegler);
}

void TstAufteilungNeu::doppelverdienerSchieberegler_data()
{
    QTest::addColumn<double>("e");
    QTest::addColumn<int>("position");
    QTest::addColumn<double>("erwE1");
    QTest::addColumn<QString>("erwHinweis");

    // 2400: both to 360, the last 1680 at 0.25 in either contract, each at most
    // 1800: contract 1 from 600 to 1800
    QTest::newRow("bis 1800 Euro je Vertrag, links der erste voll")
        << 2400.0 << 0 << 1800.0 << QStringLiteral("Höchstbeitrag für 1. Person erreicht");
    QTest::newRow("bis 1800 Euro je Vertrag, rechts der zweite voll")
        << 2400.0 << 50 << 600.0 << QStringLiteral("Höchstbeitrag für 2. Person erreicht");
    // 600 + 1200 · 0.8 = 1560, step 24 → grid 10
    QTest::newRow("bis 1800 Euro je Vertrag, Position 10") << 2400.0 << 10 << 1560.0 << QString();
    // 600: both at 120, the last 360 at 0.50 in either contract up to 360: 240 to 360
    QTest::newRow("in der 50-%-Stufe, links")
        << 600.0 << 0 << 360.0
        << QStringLiteral("50-%-Stufe der Grundzulage für 1. Person "
                          "erreicht");
    QTest::newRow("in der 50-%-Stufe, rechts")
        << 600.0 << 50 << 240.0
        << QStringLiteral("50-%-Stufe der Grundzulage für 2. Person "
                          "erreicht");
    // 240 + 120 · 0.7 = 324, step 2.40 → grid 1
    QTest::newRow("in der 50-%-Stufe, Position 15") << 600.0 << 15 << 324.0 << QString();
}

void TstAufteilungNeu::doppelverdienerSchieberegler()
{
    QFETCH(double, e);
    QFETCH(int, position);
    QFETCH(double, erwE1);
    QFETCH(QString, erwHinweis);
    const TZulagenDaten d = paar(true, e);
    const TAufteilung a = EigenbeitragAufteilen(d, vorgabe(d, true, position));
    QVERIFY(a.Schieberegler);
    QCOMPARE(a.Info, reglerText(FormatN(e, 0)));
    QCOMPARE(a.Eigenbeitrag1, erwE1);
    QCOMPARE(a.Eigenbeitrag2, e - erwE1);
    QCOMPARE(a.Eigenbeitrag, e);
    QCOMPARE(a.Hinweis, erwHinweis);
}

void TstAufteilungNeu::reglerKostetKeineZulage()
{
    // Every position of the distribution slider earns what the computation
    // counted (up to each allowance's cent), and the computation's own split is the
    // slider's left end.
    TZulagenDaten d = paar(true, 0, 1, 2);
    d.TarMindBtr = true;
    for (int gesamt = 1; gesamt < 50; gesamt += 4) {
        d.BeitragsPosition = gesamt;
        BerechneZulagen(d);
        const double gezaehlt = d.GewaehrteZulagen();
        for (int p = 0; p <= 50; ++p) {
            const TAufteilung a = EigenbeitragAufteilen(d, vorgabe(d, true, p));
            const QByteArray text = QByteArray::number(gesamt) + "/" + QByteArray::number(p);
            QVERIFY2(std::abs(a.Eigenbeitrag1 + a.Eigenbeitrag2 - d.Eigenbeitrag) < 1e-9, text);
            QVERIFY2(std::abs(zulagen(d, a) - gezaehlt) < 0.011, text);
            if (p == 0)
                QVERIFY2(a.Eigenbeitrag1 == d.EigenbeitragPerson1, text);
        }
    }
    // any total, not only the computation's: the split never earns less than the best
    for (const double e : {500.0, 1000.0, 2400.0, 3001.5}) {
        d.Eigenbeitrag = e;
        const double beste = VerteileNeu(d, e, 120, 120).Zulagen;
        for (int p = 0; p <= 50; ++p) {
            const TAufteilung a = EigenbeitragAufteilen(d, vorgabe(d, true, p));
            QVERIFY2(std::abs(zulagen(d, a) - beste) < 0.011, QByteArray::number(p));
        }
    }
}

void TstAufteilungNeu::einzelverdiener_data()
{
    QTest::addColumn<double>("e");
    QTest::addColumn<int>("kinder1");
    QTest::addColumn<bool>("fuerAngebot");
    QTest::addColumn<bool>("minBeitrag");
    QTest::addColumn<double>("erwE1");
    QTest::addColumn<double>("erwE2");
    QTest::addColumn<double>("erwGesamt");
    QTest::addColumn<double>("erwZulagen");
    QTest::addColumn<QString>("erwInfo");

    const QString ehegatte =
        QStringLiteral("den Mindesteigenbeitrag des mittelbar berechtigten Ehegatten (120 Euro)");
    QTest::newRow("Mindestmodus: 1800 und 120 Euro")
        << 0.0 << 0 << true << true << 1800.0 << 120.0 << 1920.0 << 715.0
        << QStringLiteral("Gemäß der Vorgabe erhält der erste Vertrag den Eigenbeitrag, mit dem "
                          "die vollen Zulagen erreicht werden (1.800 Euro), der zweite %1.")
               .arg(ehegatte);
    // 180 + 0.25 · 520 = 310 for the first, 175 for the spouse
    QTest::newRow("Der Ehegatte erhält 120 Euro, der Rest geht in den ersten Vertrag")
        << 1000.0 << 0 << true << false << 880.0 << 120.0 << 1000.0 << 485.0
        << QStringLiteral("Der zweite Vertrag erhält %1, der Rest des gewählten "
                          "Gesamteigenbeitrags (1.000 Euro) geht in den ersten Vertrag: Nach "
                          "dessen Beiträgen bemessen sich die Zulagen beider Ehegatten.")
               .arg(ehegatte);
    QTest::newRow("Mit den Tarif-Mindestbeiträgen werden beide angehoben")
        << 200.0 << 0 << true << false << 120.0 << 120.0 << 240.0 << 120.0
        << QStringLiteral("Der gewählte Gesamteigenbeitrag (200 Euro) ist so klein, dass für "
                          "beide Verträge der tarifliche Mindesteigenbeitrag gewählt werden "
                          "musste.");
    QTest::newRow("Ohne Tarif reicht es nur für den ersten Vertrag")
        << 200.0 << 0 << false << false << 200.0 << 0.0 << 200.0 << 100.0
        << QStringLiteral("Der gewählte Gesamteigenbeitrag (200 Euro) reicht nicht für die "
                          "Mindesteigenbeiträge beider Verträge; er wurde ganz dem ersten Vertrag "
                          "zugeordnet, nach dessen Beiträgen sich die Zulagen bemessen.");
    // 150 + 600 alone; with the spouse paid: 180 → 90 + 360 + 90
    QTest::newRow("Ohne Tarif bringen zwei Kinder mehr als der Beitrag des Ehegatten")
        << 300.0 << 2 << false << false << 300.0 << 0.0 << 300.0 << 750.0
        << QStringLiteral("Der gewählte Gesamteigenbeitrag (300 Euro) wurde ganz dem ersten "
                          "Vertrag zugeordnet: Wegen der Kinderzulagen bringt er dort mehr "
                          "Zulagen, als wenn der zweite Vertrag %1 erhielte.")
               .arg(ehegatte);
    QTest::newRow("Über 1920 Euro bringt nichts mehr")
        << 2500.0 << 0 << true << false << 1800.0 << 120.0 << 1920.0 << 715.0
        << QStringLiteral("Der geförderte Höchstbeitrag für den ersten Vertrag (1.800 Euro) wurde "
                          "voll ausgeschöpft; der zweite Vertrag erhält %1.")
               .arg(ehegatte);
}

void TstAufteilungNeu::einzelverdiener()
{
    QFETCH(double, e);
    QFETCH(int, kinder1);
    QFETCH(bool, fuerAngebot);
    QFETCH(bool, minBeitrag);
    QFETCH(double, erwE1);
    QFETCH(double, erwE2);
    QFETCH(double, erwGesamt);
    QFETCH(double, erwZulagen);
    QFETCH(QString, erwInfo);
    TZulagenDaten d = paar(false, e, kinder1);
    d.MinBeitrag = minBeitrag;
    const TAufteilung a = EigenbeitragAufteilen(d, vorgabe(d, fuerAngebot));
    QCOMPARE(a.Eigenbeitrag1, erwE1);
    QCOMPARE(a.Eigenbeitrag2, erwE2);
    QCOMPARE(a.Eigenbeitrag, erwGesamt);
    QCOMPARE(zulagen(d, a), erwZulagen);
    QCOMPARE(a.Info, erwInfo);
    QVERIFY(!a.Schieberegler);
}

void TstAufteilungNeu::ledig()
{
    TZulagenDaten d = paar(false, 0);
    d.Verheiratet = false;
    EingabenAngleichen(d);
    BerechneZulagen(d);
    d.Eigenbeitrag = 1000;
    TAufteilung a = EigenbeitragAufteilen(d, vorgabe(d, false));
    QCOMPARE(a.Eigenbeitrag1, 1000.0);
    QCOMPARE(a.Eigenbeitrag2, 0.0);
    QCOMPARE(a.Info, QStringLiteral("Bei der Berechnung für eine einzelne Person wird der in den "
                                    "beiden vorangehenden Dialogbildern für 2027 gewählte "
                                    "Eigenbeitrag übernommen."));
    d.Eigenbeitrag = 100;
    a = EigenbeitragAufteilen(d, vorgabe(d, true));
    QCOMPARE(a.Eigenbeitrag1, 120.0);
    QCOMPARE(a.Eigenbeitrag, 120.0);
}

void TstAufteilungNeu::vorgegebeneBeitraege()
{
    // Given contributions keep their split under either rule set, slider or not.
    for (const TFoerderrecht recht : {TFoerderrecht::Bisher, TFoerderrecht::Neu}) {
        TZulagenDaten d = paar(true, 0);
        d.Foerderrecht = recht;
        d.EigenbeitragVorgabe1 = 500.25;
        d.EigenbeitragVorgabe2 = 1500;
        BerechneZulagen(d);
        const TAufteilung a = EigenbeitragAufteilen(d, vorgabe(d, true, 17));
        QCOMPARE(a.Eigenbeitrag1, 500.25);
        QCOMPARE(a.Eigenbeitrag2, 1500.0);
        QCOMPARE(a.Eigenbeitrag, 2000.25);
        QVERIFY(!a.Schieberegler);
        QCOMPARE(a.Info, QStringLiteral("Die vorgegebenen Eigenbeiträge (500,25 Euro für den "
                                        "ersten und 1.500 Euro für den zweiten Vertrag) werden "
                                        "übernommen."));
    }
    TZulagenDaten d = paar(false, 0);
    d.Verheiratet = false;
    d.EigenbeitragVorgabe1 = 1200;
    EingabenAngleichen(d);
    BerechneZulagen(d);
    QCOMPARE(EigenbeitragAufteilen(d, vorgabe(d, false)).Info,
             QStringLiteral("Der vorgegebene Eigenbeitrag (1.200 Euro) wird übernommen."));
}

void TstAufteilungNeu::nachRechtVerteilt()
{
    // The same couple and total: the old rules split by the minimums (M1 = 1025,
    // M2 = 625: 1000 · 1025 / 1650 = 621.21), the new ones by what a euro earns.
    TZulagenDaten d = paar(true, 1000);
    const TAufteilung neu = EigenbeitragAufteilen(d, vorgabe(d, false, 0));
    QVERIFY(neu.Schieberegler);
    QCOMPARE(neu.Eigenbeitrag1, 640.0);
    d.Foerderrecht = TFoerderrecht::Bisher;
    BerechneZulagen(d);
    d.Eigenbeitrag = 1000;
    const TAufteilung alt = EigenbeitragAufteilen(d, vorgabe(d, false, 0));
    QCOMPARE(alt.Eigenbeitrag1, 621.21);
    QCOMPARE(alt.Eigenbeitrag1 + alt.Eigenbeitrag2, 1000.0);
    // "neu" asked for before 2027 splits by the old rules
    d.Beitragsjahr = 2026;
    d.Foerderrecht = TFoerderrecht::Neu;
    BerechneZulagen(d);
    d.Eigenbeitrag = 1000;
    QCOMPARE(EigenbeitragAufteilen(d, vorgabe(d, false, 0)).Eigenbeitrag1, 621.21);
}

QTEST_GUILESS_MAIN(TstAufteilungNeu)
#include "tst_aufteilung_neu.moc"
