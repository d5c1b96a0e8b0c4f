#include "MathUnit.h"

#include <QTest>

#include <cmath>

using namespace Fermalin;

class TstMathUnit : public QObject
{
    Q_OBJECT
private slots:
    void runden_data();
    void runden();
    void rundenNegativeNull();
    void abrunden_data();
    void abrunden();
    void rundeGeradeTiesToEven();
};

void TstMathUnit::runden_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("erwartet");
    QTest::newRow("0,285 auf Cent trotz 28,4999... im Binärformat") << 2 << 0.285 << 0.29;
    QTest::newRow("0,4999985 bleibt unter der Toleranz") << 0 << 0.4999985 << 0.0;
    QTest::newRow("0,4999995 rundet auf") << 0 << 0.4999995 << 1.0;
    QTest::newRow("2,4999995 rundet auf") << 0 << 2.4999995 << 3.0;
    QTest::newRow("2,4999989 rundet ab") << 0 << 2.4999989 << 2.0;
    QTest::newRow("Hälfte negativ von null weg") << 0 << -2.5 << -3.0;
    QTest::newRow("Tausender: 1499,4") << -3 << 1499.4 << 1000.0;
    QTest::newRow("Tausender: 1500") << -3 << 1500.0 << 2000.0;
    QTest::newRow("1,005 auf Cent") << 2 << 1.005 << 1.01;
    QTest::newRow("618,203... auf Cent") << 2 << 1046.0 * 1000 / 1692 << 618.20;
    QTest::newRow("über 1e12 Toleranz 0,51") << 0 << 2e12 + 0.495 << 2e12 + 1;
    QTest::newRow("knapp unter 1e9 Toleranz 0,500001") << 0 << 999999999.4999 << 999999999.0;
    QTest::newRow("über 1e9 Toleranz 0,50001") << 0 << 1e9 + 0.49999 << 1e9 + 1;
    QTest::newRow("über 1e10 Toleranz 0,5001") << 0 << 2e10 + 0.4999 << 2e10 + 1;
    QTest::newRow("über 1e11 Toleranz 0,501") << 0 << 2e11 + 0.4995 << 2e11 + 1;
}

void TstMathUnit::runden()
{
    QFETCH(int, n);
    QFETCH(double, x);
    QFETCH(double, erwartet);
    QCOMPARE(Fermalin::runden(n, x), erwartet);
}

void TstMathUnit::rundenNegativeNull()
{
    const double r = Fermalin::runden(2, -0.004);
    QCOMPARE(r, 0.0);
    QVERIFY(!std::signbit(r));
}

void TstMathUnit::abrunden_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("erwartet");
    QTest::newRow("2,9999995 zählt als 3") << 0 << 2.9999995 << 3.0;
    QTest::newRow("-2,9999995 zählt als -3") << 0 << -2.9999995 << -3.0;
    QTest::newRow("2,99 wird 2") << 0 << 2.99 << 2.0;
    QTest::newRow("-2,7 wird -2") << 0 << -2.7 << -2.0;
    QTest::newRow("1,239 auf Cent") << 2 << 1.239 << 1.23;
}

void TstMathUnit::abrunden()
{
    QFETCH(int, n);
    QFETCH(double, x);
    QFETCH(double, erwartet);
    QCOMPARE(Fermalin::abrunden(n, x), erwartet);
}

void TstMathUnit::rundeGeradeTiesToEven()
{
    QCOMPARE(rundeGerade(2.5), 2.0);
    QCOMPARE(rundeGerade(3.5), 4.0);
    QCOMPARE(rundeGerade(-2.5), -2.0);
    QCOMPARE(rundeGeradeInt(28.5714), 29);
}

QTEST_GUILESS_MAIN(TstMathUnit)
#include "tst_mathunit.moc"
