#include "Druckregeln.h"

#include <QTest>

using namespace Fermalin;

class TstDruckregeln : public QObject
{
    Q_OBJECT

private slots:
    void version_data()
    {
        QTest::addColumn<int>("major");
        QTest::addColumn<int>("minor");
        QTest::addColumn<int>("ergebnis");
        QTest::newRow("5.0") << 5 << 0 << int(TVersionsPruefung::Zu_alt);
        QTest::newRow("unlesbar") << 0 << 0 << int(TVersionsPruefung::Zu_alt);
        QTest::newRow("4.72") << 4 << 72 << int(TVersionsPruefung::Zu_alt);
        QTest::newRow("5.49") << 5 << 49 << int(TVersionsPruefung::Zu_alt);
        QTest::newRow("5.50") << 5 << 50 << int(TVersionsPruefung::Warnung);
        QTest::newRow("6.0") << 6 << 0 << int(TVersionsPruefung::Gut);
        QTest::newRow("11.0") << 11 << 0 << int(TVersionsPruefung::Gut);
    }
    void version()
    {
        QFETCH(int, major);
        QFETCH(int, minor);
        QFETCH(int, ergebnis);
        QCOMPARE(int(VersionPruefen({major, minor, 0, 0})), ergebnis);
    }

    void alteVersionTraegtBuildInDerRevision()
    {
        const TBrowserVersion v = BrowserVersionNormalisieren({4, 70, 0, 1155});
        QCOMPARE(v.Build, 1155);
        QCOMPARE(v.Revision, 0);
        const TBrowserVersion w = BrowserVersionNormalisieren({4, 71, 0, 1155});
        QCOMPARE(w.Build, 0);
        QCOMPARE(w.Revision, 1155);
    }

    void vorschauFenster()
    {
        QCOMPARE(VorschauGeometrie(QSize(1024, 768)), QRect(87, 0, 850, 691));
        QCOMPARE(VorschauGeometrie(QSize(1024, 600)).height(), 550);
        // 0.9 × 1205 = 1084.5 rounds to even, (1921 − 850) / 2 = 535.5 too
        QCOMPARE(VorschauGeometrie(QSize(1921, 1205)), QRect(536, 0, 850, 1084));
    }

    void a4SeiteMitRaendern()
    {
        // A4 in hundredths of an inch, a printer with 25/100 in unprintable all round
        const TSeitenGeometrie g = SeitenGeometrie(QSizeF(827, 1169), {25, 25, 25, 25});
        QCOMPARE(g.Inhalt.left(), 135.0);
        QCOMPARE(g.Inhalt.width(), 827.0 - 110 - 25 - 25 - 60);
        QCOMPARE(g.Inhalt.top(), 25.0 + 90);
        QCOMPARE(g.Inhalt.height(), 1169.0 - 25 - 90 - 25 - 80);
        QCOMPARE(g.Fuss.top(), 1169.0 - 25 - 80);
        QCOMPARE(g.Fuss.height(), 80.0);
        QCOMPARE(g.Kopf.width(), 0.5 + g.Inhalt.width());
        QVERIFY(qFuzzyCompare(g.Kopf.top(), 500.0 / 96));
        // nothing overlaps: header above content above footer, all on the page
        QVERIFY(g.Kopf.bottom() <= g.Inhalt.top() + 5.3);
        QCOMPARE(g.Inhalt.bottom(), g.Fuss.top());
        QVERIFY(g.Fuss.bottom() <= g.Seite.bottom());
        QVERIFY(g.Inhalt.right() <= g.Seite.right());
    }

    void fusszeile()
    {
        QCOMPARE(FussLinks(QString(), QStringLiteral("Fermalin"), QStringLiteral("Version 4.1")),
                 QStringLiteral(" Fermalin Version 4.1"));
        QCOMPARE(FussRechts(1, 2), QStringLiteral("Seite 1 von 2"));
        QCOMPARE(FussRechts(2, 2), QStringLiteral("Seite 2 von 2"));
    }

    void seitenbereich_data()
    {
        QTest::addColumn<int>("auswahl");
        QTest::addColumn<int>("von");
        QTest::addColumn<int>("bis");
        QTest::addColumn<QList<int>>("seiten");
        QTest::addColumn<QString>("fehler");
        const QString groesserEnde = QStringLiteral("Fehler: Startseite ist größer als Endseite");
        const QString groesserZahl =
            QStringLiteral("Fehler: Startseite ist größer als Seitenzahl.");
        QTest::newRow("alle") << int(TDruckAuswahl::Alle) << 0 << 0 << QList<int>{1, 2, 3}
                              << QString();
        QTest::newRow("aktuelle Seite")
            << int(TDruckAuswahl::AktuelleSeite) << 1 << 1 << QList<int>{} << QString();
        QTest::newRow("2 bis 3") << int(TDruckAuswahl::Bereich) << 2 << 3 << QList<int>{2, 3}
                                 << QString();
        QTest::newRow("Ende gekappt")
            << int(TDruckAuswahl::Bereich) << 2 << 9 << QList<int>{2, 3} << QString();
        QTest::newRow("Start nach Ende")
            << int(TDruckAuswahl::Bereich) << 3 << 2 << QList<int>{} << groesserEnde;
        QTest::newRow("Start nach Seitenzahl")
            << int(TDruckAuswahl::Bereich) << 4 << 5 << QList<int>{} << groesserZahl;
    }
    void seitenbereich()
    {
        QFETCH(int, auswahl);
        QFETCH(int, von);
        QFETCH(int, bis);
        QFETCH(QList<int>, seiten);
        QFETCH(QString, fehler);
        const TDruckbereich b = Druckbereich(TDruckAuswahl(auswahl), von, bis, 3);
        QCOMPARE(b.Seiten, seiten);
        QCOMPARE(b.Fehler, fehler);
    }

    void kopien()
    {
        QCOMPARE(DruckReihenfolge({1, 2}, 2, true), QList<int>({1, 2, 1, 2}));
        QCOMPARE(DruckReihenfolge({1, 2}, 2, false), QList<int>({1, 1, 2, 2}));
        QCOMPARE(DruckReihenfolge({1, 2}, 0, false), QList<int>({1, 2}));
    }
};

QTEST_GUILESS_MAIN(TstDruckregeln)
#include "tst_druckregeln.moc"
