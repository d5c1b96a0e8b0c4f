#include "Zahlformat.h"

#include <QTest>

using namespace Fermalin;

class TstZahlformat : public QObject
{
    Q_OBJECT
private slots:
    void formatN_data();
    void formatN();
};

void TstZahlformat::formatN_data()
{
    QTest::addColumn<double>("wert");
    QTest::addColumn<int>("nachkomma");
    QTest::addColumn<QString>("text");
    QTest::newRow("Tausenderpunkt, Dezimalkomma") << 1234.56 << 2 << QStringLiteral("1.234,56");
    QTest::newRow("%.0n schneidet 1234,4 auf 1.234") << 1234.4 << 0 << QStringLiteral("1.234");
    QTest::newRow("Hälfte 0,125 von null weg") << 0.125 << 2 << QStringLiteral("0,13");
    QTest::newRow("Hälfte 2,5 von null weg") << 2.5 << 0 << QStringLiteral("3");
    QTest::newRow("Hälfte 1046,5 von null weg") << 1046.5 << 0 << QStringLiteral("1.047");
    QTest::newRow("negative Hälfte") << -2.5 << 0 << QStringLiteral("-3");
    QTest::newRow("0,285 liegt binär unter der Hälfte") << 0.285 << 2 << QStringLiteral("0,28");
    QTest::newRow("Übertrag über alle Stellen")
        << 999999.996 << 2 << QStringLiteral("1.000.000,00");
    QTest::newRow("Millionen") << 1234567.5 << 2 << QStringLiteral("1.234.567,50");
    QTest::newRow("2100 als %.0n") << 2100.0 << 0 << QStringLiteral("2.100");
    QTest::newRow("kleiner Betrag") << 0.004 << 2 << QStringLiteral("0,00");
    QTest::newRow("negativ, das auf 0 rundet") << -0.004 << 2 << QStringLiteral("0,00");
    QTest::newRow("Monatsbetrag 1046 / 12") << 1046.0 / 12 << 2 << QStringLiteral("87,17");
    QTest::newRow("Prozent ohne Nachkomma") << 29.08 << 0 << QStringLiteral("29");
    QTest::newRow("große Zahl") << 1e15 << 0 << QStringLiteral("1.000.000.000.000.000");
    QTest::newRow("Null") << 0.0 << 2 << QStringLiteral("0,00");
}

void TstZahlformat::formatN()
{
    QFETCH(double, wert);
    QFETCH(int, nachkomma);
    QFETCH(QString, text);
    QCOMPARE(FormatN(wert, nachkomma), text);
}

QTEST_GUILESS_MAIN(TstZahlformat)
#include "tst_zahlformat.moc"
