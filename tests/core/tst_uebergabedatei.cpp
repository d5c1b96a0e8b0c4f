#include "Startregeln.h"
#include "Uebergabedatei.h"

#include "../Testhaushalt.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include "../Sonderdateien.h"

#include <csignal>
#include <sys/resource.h>

using namespace Fermalin;

Q_DECLARE_METATYPE(Fermalin::TZulagenDaten)

namespace {

// A household as the pages show it; children as (birth year, person).
TZulagenDaten haushalt(bool verheiratet, bool doppel, double ek1, double ek2,
                       QList<QPair<int, int>> kinder, bool minBeitrag, int position, double eb1,
                       double eb2)
{
    TZulagenDaten d = Testhaushalt<TZulagenDaten>(verheiratet, doppel, ek1, ek2, kinder);
    // rows beyond Kinderzahl keep what they had and must not be written
    for (int i = d.Kinderzahl; i < MaxKinder; ++i) {
        d.KindGebJahr[static_cast<size_t>(i)] = 1999;
        d.KindPerson[static_cast<size_t>(i)] = 2;
    }
    d.MinBeitrag = minBeitrag;
    d.BeitragsPosition = position;
    d.BeitragsMax = 50;
    d.Eigenbeitrag1 = eb1;
    d.Eigenbeitrag2 = eb2;
    return d;
}

QByteArray datei(const QString& pfad)
{
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<fehlt>");
}

} // namespace

class TstUebergabedatei : public QObject
{
    Q_OBJECT
private slots:
    void zeilen_data();
    void zeilen();
    void bytesMitCrLf();
    void dateinameNebenDemProgramm_data();
    void dateinameNebenDemProgramm();
    void schreibenErsetztDieDatei();
    void fehlgeschlagenesSchreibenLaesstDieAlteDatei();
    void fehlendesVerzeichnisWirdGemeldet();
    void sonderdateienWerdenNichtErsetzt_data();
    void sonderdateienWerdenNichtErsetzt();
};

void TstUebergabedatei::zeilen_data()
{
    QTest::addColumn<TZulagenDaten>("d");
    QTest::addColumn<int>("person");
    QTest::addColumn<int>("klassik");
    QTest::addColumn<QString>("erwartet"); // lines joined by "|"
    const QString kopf0 = QStringLiteral("[Typ]|Klassik=0|Euro=1||[Daten]|");

    QTest::newRow("Beispiel: Doppelverdiener, 1. Person, ein Kind")
        << haushalt(true, true, 30000, 20000, {{2009, 1}}, false, 30, 1610, 790) << 1 << 1
        << QStringLiteral("[Typ]|Klassik=1|Euro=1||[Daten]|Typ=1|Einkommen=3000000|Kinder=1|"
                          "Geburtsjahr1=2009|Kind1=1|EB_Typ=1|Eigenbeitrag=161000");
    QTest::newRow("ledig, ohne Kinder, frei gewählter Beitrag")
        << haushalt(false, false, 30000, 0, {}, false, 12, 1234.5, 0) << 1 << 0
        << kopf0 + QStringLiteral("Typ=1|Einkommen=3000000|Kinder=0|EB_Typ=1|Eigenbeitrag=123450");
    QTest::newRow("Einzelverdiener, 2. Person: Typ 3, kein Einkommen")
        << haushalt(true, false, 40000, 0, {{2005, 2}, {2009, 1}}, false, 20, 900, 30) << 2 << 0
        << kopf0 + QStringLiteral("Typ=3|Kinder=2|Geburtsjahr1=2005|Kind1=1|Geburtsjahr2=2009|"
                                  "Kind2=0|EB_Typ=1|Eigenbeitrag=3000");
    QTest::newRow("Einzelverdiener, 1. Person, Regler am Maximum: EB_Typ 1")
        << haushalt(true, false, 40000, 0, {}, false, 50, 1762, 30) << 1 << 0
        << kopf0 + QStringLiteral("Typ=2|Einkommen=4000000|Kinder=0|EB_Typ=1|Eigenbeitrag=176200");
    QTest::newRow("Doppelverdiener, Regler am Maximum: EB_Typ 3")
        << haushalt(true, true, 30000, 20000, {}, false, 50, 1946, 1946) << 2 << 0
        << kopf0 + QStringLiteral("Typ=1|Einkommen=2000000|Kinder=0|EB_Typ=3");
    QTest::newRow("ledig, Regler am Maximum: EB_Typ 3")
        << haushalt(false, false, 30000, 0, {}, false, 50, 1946, 0) << 1 << 0
        << kopf0 + QStringLiteral("Typ=1|Einkommen=3000000|Kinder=0|EB_Typ=3");
    QTest::newRow("minimaler Eigenbeitrag: EB_Typ 2 ohne Beitrag, auch am Maximum")
        << haushalt(true, true, 30000, 20000, {}, true, 50, 1046, 646) << 1 << 0
        << kopf0 + QStringLiteral("Typ=1|Einkommen=3000000|Kinder=0|EB_Typ=2");
    QTest::newRow("Doppelverdiener, 2. Person risikobewusst")
        << haushalt(true, true, 30000, 20000, {}, false, 30, 1610, 790) << 2 << 2
        << QStringLiteral("[Typ]|Klassik=2|Euro=1||[Daten]|Typ=1|Einkommen=2000000|Kinder=0|"
                          "EB_Typ=1|Eigenbeitrag=79000");
    const auto vier = haushalt(true, true, 30000, 20000,
                               {{2001, 1}, {2003, 2}, {2008, 1}, {2009, 2}}, false, 30, 1000, 1200);
    QTest::newRow("vier Kinder, 1. Person")
        << vier << 1 << 0
        << kopf0 + QStringLiteral("Typ=1|Einkommen=3000000|Kinder=4|Geburtsjahr1=2001|Kind1=1|"
                                  "Geburtsjahr2=2003|Kind2=0|Geburtsjahr3=2008|Kind3=1|"
                                  "Geburtsjahr4=2009|Kind4=0|EB_Typ=1|Eigenbeitrag=100000");
    QTest::newRow("vier Kinder, 2. Person")
        << vier << 2 << 0
        << kopf0 + QStringLiteral("Typ=1|Einkommen=2000000|Kinder=4|Geburtsjahr1=2001|Kind1=0|"
                                  "Geburtsjahr2=2003|Kind2=1|Geburtsjahr3=2008|Kind3=0|"
                                  "Geburtsjahr4=2009|Kind4=1|EB_Typ=1|Eigenbeitrag=120000");
    // after 2010 the year and the rule set close the section
    auto jahr = [](TZulagenDaten d, int beitragsjahr, TFoerderrecht recht) {
        d.Beitragsjahr = beitragsjahr;
        d.Foerderrecht = recht;
        return d;
    };
    const auto ledig = haushalt(false, false, 30000, 0, {}, false, 12, 1234.5, 0);
    QTest::newRow("2026: Beitragsjahr und bisheriges Förderrecht am Ende")
        << jahr(ledig, 2026, TFoerderrecht::Bisher) << 1 << 0
        << kopf0 + QStringLiteral("Typ=1|Einkommen=3000000|Kinder=0|EB_Typ=1|Eigenbeitrag=123450|"
                                  "Beitragsjahr=2026|Foerderrecht=bisher");
    QTest::newRow("2027 mit dem neuen Förderrecht, auch ohne Eigenbeitragszeile")
        << jahr(haushalt(true, true, 30000, 20000, {}, true, 50, 1800, 1800), 2027,
                TFoerderrecht::Neu)
        << 2 << 0
        << kopf0 + QStringLiteral("Typ=1|Einkommen=2000000|Kinder=0|EB_Typ=2|Beitragsjahr=2027|"
                                  "Foerderrecht=neu");
    auto vorgegeben = haushalt(false, false, 30000, 0, {}, true, 50, 500, 0);
    vorgegeben.EigenbeitragVorgabe1 = 500;
    QTest::newRow("ein gegebener Eigenbeitrag geht als Betrag über, trotz minimalem Beitrag")
        << jahr(vorgegeben, 2027, TFoerderrecht::Neu) << 1 << 0
        << kopf0 + QStringLiteral("Typ=1|Einkommen=3000000|Kinder=0|EB_Typ=1|Eigenbeitrag=50000|"
                                  "Beitragsjahr=2027|Foerderrecht=neu");
    QTest::newRow("2026 gilt nur das bisherige Recht, auch wenn das neue verlangt ist")
        << jahr(ledig, 2026, TFoerderrecht::Neu) << 1 << 0
        << kopf0 + QStringLiteral("Typ=1|Einkommen=3000000|Kinder=0|EB_Typ=1|Eigenbeitrag=123450|"
                                  "Beitragsjahr=2026|Foerderrecht=bisher");
    QTest::newRow("Cent: Hälften zur geraden Zahl")
        << haushalt(true, true, 30000, 20000, {}, false, 30, 618.125, 381.875) << 1 << 0
        << kopf0 + QStringLiteral("Typ=1|Einkommen=3000000|Kinder=0|EB_Typ=1|Eigenbeitrag=61812");
}

void TstUebergabedatei::zeilen()
{
    QFETCH(TZulagenDaten, d);
    QFETCH(int, person);
    QFETCH(int, klassik);
    QFETCH(QString, erwartet);
    QCOMPARE(UebergabeZeilen(d, person, static_cast<TKlassik>(klassik)).join(QLatin1Char('|')),
             erwartet);
}

void TstUebergabedatei::bytesMitCrLf()
{
    const QStringList z =
        UebergabeZeilen(haushalt(true, true, 30000, 20000, {{2009, 1}}, false, 30, 1610, 790), 1,
                        TKlassik::Wachstumsorientiert);
    QCOMPARE(UebergabeBytes(z),
             QByteArray("[Typ]\r\nKlassik=1\r\nEuro=1\r\n\r\n[Daten]\r\nTyp=1\r\n"
                        "Einkommen=3000000\r\nKinder=1\r\nGeburtsjahr1=2009\r\nKind1=1\r\n"
                        "EB_Typ=1\r\nEigenbeitrag=161000\r\n"));
    // the code page is Windows-1252, should a text ever hold more than ASCII
    QCOMPARE(UebergabeBytes({QStringLiteral("Grö\u00DFe \u20AC")}), QByteArray("Gr\xF6\xDF"
                                                                               "e \x80\r\n"));
}

void TstUebergabedatei::dateinameNebenDemProgramm_data()
{
    QTest::addColumn<QString>("programm");
    QTest::addColumn<QString>("datei");
    QTest::newRow("mit Endung") << QStringLiteral("/opt/Rechner/Zulagen.exe")
                                << QStringLiteral("/opt/Rechner/Zulagen.dat");
    QTest::newRow("ohne Endung") << QStringLiteral("/opt/Rechner/Zulagen")
                                 << QStringLiteral("/opt/Rechner/Zulagen.dat");
    QTest::newRow("Punkt im Verzeichnis")
        << QStringLiteral("/opt/Rech.ner/fermalin") << QStringLiteral("/opt/Rech.ner/fermalin.dat");
    QTest::newRow("Blank im Pfad") << QStringLiteral("/opt/Mein Rechner/fermalin")
                                   << QStringLiteral("/opt/Mein Rechner/fermalin.dat");
}

void TstUebergabedatei::dateinameNebenDemProgramm()
{
    QFETCH(QString, programm);
    QFETCH(QString, datei);
    QCOMPARE(PfadMitEndung(programm, QStringLiteral(".dat")), datei);
}

void TstUebergabedatei::schreibenErsetztDieDatei()
{
    QTemporaryDir dir;
    const QString pfad = dir.filePath(QStringLiteral("fermalin.dat"));
    QFile alt(pfad);
    QVERIFY(alt.open(QIODevice::WriteOnly));
    alt.write(QByteArray(500, 'x')); // longer than the new file
    alt.close();
    QString fehler;
    QVERIFY(
        UebergabeSchreiben(pfad, {QStringLiteral("[Typ]"), QStringLiteral("Klassik=0")}, &fehler));
    QCOMPARE(datei(pfad), QByteArray("[Typ]\r\nKlassik=0\r\n"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("fermalin.dat")});
}

void TstUebergabedatei::fehlgeschlagenesSchreibenLaesstDieAlteDatei()
{
    // A write that breaks off midway (here: the file-size limit, which holds for
    // every user) leaves the previous file and no half-written one.
    QTemporaryDir dir;
    const QString pfad = dir.filePath(QStringLiteral("fermalin.dat"));
    QFile alt(pfad);
    QVERIFY(alt.open(QIODevice::WriteOnly));
    alt.write("alt\r\n");
    alt.close();
    QStringList lang;
    for (int i = 0; i < 200; ++i)
        lang << QStringLiteral("Geburtsjahr%1=2009").arg(i);

    rlimit vorher{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &vorher), 0);
    const auto signal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit eng = vorher;
    eng.rlim_cur = 64;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &eng), 0);
    QString fehler;
    const bool ok = UebergabeSchreiben(pfad, lang, &fehler);
    setrlimit(RLIMIT_FSIZE, &vorher);
    std::signal(SIGXFSZ, signal);

    QVERIFY(!ok);
    QVERIFY2(fehler.contains(pfad), qPrintable(fehler));
    QVERIFY2(fehler.startsWith(QStringLiteral("Ein-/Ausgabefehler")), qPrintable(fehler));
    QCOMPARE(datei(pfad), QByteArray("alt\r\n"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("fermalin.dat")});
}

void TstUebergabedatei::fehlendesVerzeichnisWirdGemeldet()
{
    QTemporaryDir dir;
    const QString pfad = dir.filePath(QStringLiteral("weg/fermalin.dat"));
    QString fehler;
    QVERIFY(!UebergabeSchreiben(pfad, {QStringLiteral("[Typ]")}, &fehler));
    QVERIFY2(fehler.contains(pfad), qPrintable(fehler));
    QVERIFY(!QFile::exists(pfad));
}

void TstUebergabedatei::sonderdateienWerdenNichtErsetzt_data()
{
    QTest::addColumn<QString>("art");
    QTest::newRow("eine Verknüpfung auf ein Gerät") << QStringLiteral("zumgeraet");
    QTest::newRow("eine Verknüpfung auf ein FIFO") << QStringLiteral("zumfifo");
    QTest::newRow("ein FIFO") << QStringLiteral("fifo");
}

void TstUebergabedatei::sonderdateienWerdenNichtErsetzt()
{
    QFETCH(QString, art);
    QTemporaryDir dir;
    const QString pfad = dir.filePath(QStringLiteral("fermalin.dat"));
    QString ziel = dir.filePath(QStringLiteral("fifo"));
    if (art == QLatin1String("zumgeraet")) {
        ziel = GeraetFuerTest(dir.path());
        if (ziel.isEmpty())
            QSKIP("hier lässt sich kein Gerät gefahrlos verknüpfen");
    } else {
        QCOMPARE(::mkfifo(QFile::encodeName(ziel).constData(), 0600), 0);
    }
    if (art == QLatin1String("fifo")) {
        QVERIFY(QFile::rename(ziel, pfad));
        ziel = pfad;
    } else {
        QVERIFY(QFile::link(ziel, pfad));
    }
    QString fehler;
    TFifoWaechter waechter(QFile::encodeName(ziel));
    QVERIFY(!UebergabeSchreiben(pfad, {QStringLiteral("[Typ]")}, &fehler));
    QVERIFY2(!waechter.beenden(), "das Schreiben blockierte");
    QCOMPARE(fehler, QStringLiteral("Ein-/Ausgabefehler: Die Übergabedatei %1 kann nicht "
                                    "geschrieben werden (das ist keine gewöhnliche Datei).")
                         .arg(pfad));
    QVERIFY(QFileInfo::exists(ziel) && !QFileInfo(ziel).isFile());
    QCOMPARE(QFileInfo(pfad).isSymLink(), art != QLatin1String("fifo"));
}

QTEST_GUILESS_MAIN(TstUebergabedatei)
#include "tst_uebergabedatei.moc"
