#include "GebJahre.h"

#include <QTest>

using namespace Fermalin;

class TstGebJahre : public QObject
{
    Q_OBJECT
private slots:
    void bereich_data();
    void bereich();
    void lesen_data();
    void lesen();
};

void TstGebJahre::bereich_data()
{
    QTest::addColumn<QDate>("heute");
    QTest::addColumn<int>("min");
    QTest::addColumn<int>("max");
    QTest::newRow("2009") << QDate(2009, 6, 1) << 1984 << 2009;
    QTest::newRow("vor 2009 zählt als 2009") << QDate(2005, 1, 1) << 1984 << 2009;
    QTest::newRow("2026") << QDate(2026, 12, 10) << 2001 << 2026;
}

void TstGebJahre::bereich()
{
    QFETCH(QDate, heute);
    QFETCH(int, min);
    QFETCH(int, max);
    QCOMPARE(GebJahrBereich(heute).Min, min);
    QCOMPARE(GebJahrBereich(heute).Max, max);
}

void TstGebJahre::lesen_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("normalform");
    QTest::newRow("Semikolon") << QStringLiteral("1998;2003") << QStringLiteral("1998; 2003");
    QTest::newRow("Komma") << QStringLiteral("1998,2003") << QStringLiteral("1998; 2003");
    QTest::newRow("Leerzeichen") << QStringLiteral("  1998   2003 ")
                                 << QStringLiteral("1998; 2003");
    QTest::newRow("Schrägstrich") << QStringLiteral("1998/2003") << QStringLiteral("1998; 2003");
    QTest::newRow("Buchstaben trennen auch")
        << QStringLiteral("a1998xy2003z") << QStringLiteral("1998; 2003");
    QTest::newRow("sechs Ziffern: 12345 und 6")
        << QStringLiteral("123456") << QStringLiteral("2009; 1984");
    QTest::newRow("außerhalb des Bereichs")
        << QStringLiteral("1950 2030") << QStringLiteral("1984; 2009");
    QTest::newRow("zehn Jahre: das zehnte entfällt")
        << QStringLiteral("2000 2001 2002 2003 2004 2005 2006 2007 2008 2009")
        << QStringLiteral("2000; 2001; 2002; 2003; 2004; 2005; 2006; 2007; 2008");
    QTest::newRow("leer: keine Kinder") << QString() << QString();
    QTest::newRow("ohne Ziffern: keine Kinder") << QStringLiteral("keine; ,/") << QString();
    QTest::newRow("andere Ziffernzeichen zählen nicht")
        << QStringLiteral("\u0662\u0660\u0660\u0665 2005") << QStringLiteral("2005");
}

void TstGebJahre::lesen()
{
    QFETCH(QString, text);
    QFETCH(QString, normalform);
    QCOMPARE(GebJahreText(GebJahreLesen(text, GebJahrBereich(QDate(2009, 3, 1)))), normalform);
}

QTEST_GUILESS_MAIN(TstGebJahre)
#include "tst_gebjahre.moc"
