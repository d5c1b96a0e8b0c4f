// The old rules' split in the years after 2010: the indirectly entitled
// spouse's own minimum from 2012 and the sentences that name the year.
#include "Aufteilung.h"

#include <QTest>

using namespace Fermalin;

namespace {

// One earner at 30000 euros, the spouse indirectly entitled: 154 each, minimum
// of the first contract 1200 - 308 = 892.
TZulagenDaten einzelverdiener(int jahr, double eigenbeitrag)
{
    TZulagenDaten d;
    d.Beitragsjahr = jahr;
    d.Verheiratet = true;
    d.Eigenbeitrag = eigenbeitrag;
    d.Einkommen1 = 30000;
    d.VolleGrundzulage1 = 154;
    d.VolleGrundzulage2 = 154;
    return d;
}

TAufteilungsVorgabe vorgabe(TFamilienstand stand, bool fuerAngebot, bool minBeitrag, int position)
{
    TAufteilungsVorgabe v;
    v.Familienstand = stand;
    v.fuerAngebot = fuerAngebot;
    v.TarMindBtr = false;
    v.MinBeitrag = minBeitrag;
    v.Position = position;
    v.PositionMax = 50;
    return v;
}

} // namespace

class TstAufteilungJahre : public QObject
{
    Q_OBJECT
private slots:
    void mittelbarerEhegatte_data();
    void mittelbarerEhegatte();
    void ledigeNenntDasJahr_data();
    void ledigeNenntDasJahr();
};

void TstAufteilungJahre::mittelbarerEhegatte_data()
{
    QTest::addColumn<int>("jahr");
    QTest::addColumn<bool>("fuerAngebot");
    QTest::addColumn<bool>("minBeitrag");
    QTest::addColumn<double>("eigenbeitrag");
    QTest::addColumn<int>("position");
    QTest::addColumn<double>("erwE1");
    QTest::addColumn<double>("erwE2");
    QTest::addColumn<QString>("erwInfo"); // empty: not compared

    const QString beideMindest = QStringLiteral(
        "Gemäß der Vorgabe wurde für beide Verträge der Mindesteigenbeitrag gewählt.");
    const QString zweiterTarif =
        QStringLiteral("Gemäß der Vorgabe wurde für den ersten Vertrag der Mindesteigenbeitrag "
                       "gewählt. Für den zweiten wurde der tarifliche Mindesteigenbeitrag "
                       "eingesetzt.");
    QTest::newRow("2010 Angebot: der Ehegatte zahlt das Tarifminimum 30")
        << 2010 << true << true << 0.0 << 0 << 892.0 << 30.0 << zweiterTarif;
    QTest::newRow("2011 Bericht ohne Tarifminimum: der Ehegatte zahlt nichts")
        << 2011 << false << true << 0.0 << 0 << 892.0 << 0.0 << beideMindest;
    QTest::newRow("2012 Angebot: der Ehegatte zahlt seinen Mindestbeitrag 60")
        << 2012 << true << true << 0.0 << 0 << 892.0 << 60.0 << beideMindest;
    QTest::newRow("2012 Bericht ohne Tarifminimum: die 60 Euro verlangt das Gesetz")
        << 2012 << false << true << 0.0 << 0 << 892.0 << 60.0 << beideMindest;
    QTest::newRow("2026 Schieberegler ganz links: dem Ehegatten bleiben 60")
        << 2026 << true << false << 1500.0 << 0 << 1440.0 << 60.0 << QString();
    QTest::newRow("2010 Schieberegler ganz links: dem Ehegatten bleiben 30")
        << 2010 << true << false << 1500.0 << 0 << 1470.0 << 30.0 << QString();
}

void TstAufteilungJahre::mittelbarerEhegatte()
{
    QFETCH(int, jahr);
    QFETCH(bool, fuerAngebot);
    QFETCH(bool, minBeitrag);
    QFETCH(double, eigenbeitrag);
    QFETCH(int, position);
    QFETCH(double, erwE1);
    QFETCH(double, erwE2);
    QFETCH(QString, erwInfo);
    const TAufteilung a = EigenbeitragAufteilen(
        einzelverdiener(jahr, eigenbeitrag),
        vorgabe(TFamilienstand::Einzelverdiener, fuerAngebot, minBeitrag, position));
    QCOMPARE(a.Eigenbeitrag1, erwE1);
    QCOMPARE(a.Eigenbeitrag2, erwE2);
    QCOMPARE(a.Eigenbeitrag, erwE1 + erwE2);
    if (!erwInfo.isEmpty())
        QCOMPARE(a.Info, erwInfo);
}

void TstAufteilungJahre::ledigeNenntDasJahr_data()
{
    QTest::addColumn<int>("jahr");
    QTest::newRow("2010") << 2010;
    QTest::newRow("2018") << 2018;
    QTest::newRow("2027") << 2027;
}

void TstAufteilungJahre::ledigeNenntDasJahr()
{
    QFETCH(int, jahr);
    TZulagenDaten d;
    d.Beitragsjahr = jahr;
    d.Eigenbeitrag = 1000;
    d.Einkommen1 = 30000;
    const TAufteilung a =
        EigenbeitragAufteilenBisher(d, vorgabe(TFamilienstand::Ledig, true, false, 0));
    QCOMPARE(a.Info, QStringLiteral("Bei der Berechnung für eine einzelne Person wird der in den "
                                    "beiden vorangehenden Dialogbildern für %1 gewählte "
                                    "Eigenbeitrag übernommen.")
                         .arg(jahr));
}

QTEST_GUILESS_MAIN(TstAufteilungJahre)
#include "tst_aufteilung_jahre.moc"
