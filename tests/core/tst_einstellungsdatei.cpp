#include "Einstellungsdatei.h"
#include "IniDatei.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include "../OhneRootRechte.h"
#include "../Sonderdateien.h"

#include <csignal>
#include <sys/resource.h>

using namespace Fermalin;

namespace {

QByteArray Inhalt(const QString& pfad)
{
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TstEinstellungsdatei : public QObject
{
    Q_OBJECT
private slots:
    void ersterStartOhneDatei();
    void werteLesen_data();
    void werteLesen();
    void windowsDateiVonHand();
    void geschriebeneDateiBleibtByteGleich();
    void fremdeZeilenBleibenByteGleich_data();
    void fremdeZeilenBleibenByteGleich();
    void textKommtUnveraendertZurueck_data();
    void textKommtUnveraendertZurueck();
    void sonderdateiGiltAlsFehlend_data();
    void sonderdateiGiltAlsFehlend();
    void centUndZehntausendstel();
    void jederSchluesselHinUndZurueck_data();
    void jederSchluesselHinUndZurueck();
    void werteAusserhalbDessen_data();
    void werteAusserhalbDessen();
    void vorgabenAusDerTabelle();
    void eingabenInDieSchluessel();
    void unlesbaresErgibtVorgaben_data();
    void unlesbaresErgibtVorgaben();
    void speichernErsetztAtomar();
    void schreibfehlerMitMeldung();
    void grosseDateiWirdGanzGelesen();
    void unlesbareDateiWirdNichtUeberschrieben();
    void schreibgeschuetztesVerzeichnis();
    void abgebrochenesSchreibenBehaeltDieDatei();
};

void TstEinstellungsdatei::ersterStartOhneDatei()
{
    QTemporaryDir dir;
    const TEinstellungen e =
        EinstellungenLesen(TIniDatei::laden(dir.filePath(QStringLiteral("fehlt.ini"))), 800, 600);
    QCOMPARE(e.Breite, 800);
    QCOMPARE(e.Hoehe, 600);
    QVERIFY(e.ledig && !e.verheiratet && !e.doppel && e.einzel);
    QCOMPARE(e.Kinder, 0);
    QCOMPARE(e.Einkommen1, 0.0);
    QVERIFY(e.minimal && e.tarMindBtr);
    QCOMPARE(e.indivBeitrag, 0);
    QCOMPARE(e.Verteilung, 0);
    QVERIFY(e.konservativ1 && e.konservativ2 && !e.wachstum1 && !e.risiko2);
    QVERIFY(!e.Firmenlogo);
    QVERIFY(e.StartfensterAnzeigen);
    QCOMPARE(e.Bundesland, -1);
    QCOMPARE(e.Soli, 0.0);
}

void TstEinstellungsdatei::werteLesen_data()
{
    QTest::addColumn<QByteArray>("wert");
    QTest::addColumn<int>("alsInt");
    QTest::addColumn<bool>("alsBool"); // default of the bool read: true
    QTest::newRow("dezimal") << QByteArray("42") << 42 << true;
    QTest::newRow("negativ") << QByteArray("-1") << -1 << true;
    QTest::newRow("null ist falsch") << QByteArray("0") << 0 << false;
    QTest::newRow("hexadezimal klein") << QByteArray("0x1A") << 26 << true;
    QTest::newRow("hexadezimal groß") << QByteArray("0X10") << 16 << true;
    QTest::newRow("Leerzeichen um den Wert") << QByteArray("  7 ") << 7 << true;
    QTest::newRow("keine Zahl: Vorgabe") << QByteArray("ja") << -99 << true;
    QTest::newRow("Zahl mit Rest: Vorgabe") << QByteArray("12abc") << -99 << true;
    QTest::newRow("leer: Vorgabe") << QByteArray("") << -99 << true;
    QTest::newRow("zu groß für 32 Bit: Vorgabe") << QByteArray("99999999999") << -99 << true;
    QTest::newRow("Dezimalbruch: Vorgabe") << QByteArray("1,5") << -99 << true;
}

void TstEinstellungsdatei::werteLesen()
{
    QFETCH(QByteArray, wert);
    QFETCH(int, alsInt);
    QFETCH(bool, alsBool);
    const TIniDatei ini = TIniDatei::ausBytes("[A]\r\nx=" + wert + "\r\n");
    QCOMPARE(ini.lesenInt(QStringLiteral("A"), QStringLiteral("x"), -99), alsInt);
    QCOMPARE(ini.lesenBool(QStringLiteral("a"), QStringLiteral("X"), true), alsBool);
}

void TstEinstellungsdatei::windowsDateiVonHand()
{
    const QByteArray datei = "; von Hand\r\n"
                             "[Fremd]\r\n"
                             "Pfad=C:\\M\xE4rz\\x\r\n"
                             "\r\n"
                             "[Daten]\r\n"
                             "verheirated=1\r\n"
                             "ledig=0\r\n"
                             "Kinder=3\r\n"
                             "Einkommen1=3500055\r\n"
                             "Soli=550\r\n"
                             "Bundesland=1\r\n"
                             "Breite=300\r\n"
                             "[Angebot]\r\n"
                             "Kind_GJ1=1950\r\n"
                             "Kind_GJ2=2005\r\n"
                             "Kind_1P2=1\r\n"
                             "Kind_2P2=0\r\n"
                             "Kind_GJ3=2030\r\n"
                             "Kind_GJ4=2001\r\n"
                             "Kind_GJ9=2002\r\n"
                             "[Sonstige Daten]\r\n"
                             "FirmenlogoDateipfad=C:\\Logos\\B\xFCro.bmp\r\n";
    TIniDatei ini = TIniDatei::ausBytes(datei);
    const TEinstellungen e = EinstellungenLesen(ini, 700, 500);
    QVERIFY(e.verheiratet && !e.ledig);
    QCOMPARE(e.Kinder, 3);
    QCOMPARE(e.Einkommen1, 35000.55);
    QCOMPARE(e.Soli, 0.055);
    QCOMPARE(e.Bundesland, 1);
    QCOMPARE(e.Breite, 300);           // the window applies its minimum
    QCOMPARE(e.Kind[0].GebJahr, 1950); // the year edit forces it into its range
    QVERIFY(e.Kind[1].Person1 && !e.Kind[1].Person2);
    QCOMPARE(e.Kind[2].GebJahr, 2030);
    QCOMPARE(e.Kind[3].GebJahr, 2000); // child 4 is not read
    QCOMPARE(e.FirmenlogoDateipfad, QStringLiteral("C:\\Logos\\Büro.bmp"));
    QCOMPARE(ini.lesenText(QStringLiteral("Fremd"), QStringLiteral("Pfad"), QString()),
             QStringLiteral("C:\\März\\x"));

    EinstellungenSchreiben(e, ini);
    const QByteArray neu = ini.alsBytes();
    // the foreign section and the comment survive byte for byte
    QVERIFY(neu.startsWith("; von Hand\r\n[Fremd]\r\nPfad=C:\\M\xE4rz\\x\r\n\r\n[Daten]\r\n"));
    QVERIFY(!neu.contains("Kind_GJ4"));
    QVERIFY(!neu.contains("Kind_GJ9"));
    QVERIFY(neu.contains("\r\nSoli=550\r\n"));
    QVERIFY(neu.contains("\r\nEinkommen1=3500055\r\n"));
    QVERIFY(neu.contains("\r\nverheirated=1\r\n"));
    QVERIFY(neu.contains("FirmenlogoDateipfad=C:\\Logos\\B\xFCro.bmp\r\n"));
    QVERIFY(neu.contains("[Startfenster]\r\nStartfenster-anzeigen=1\r\n"));
    QVERIFY(!neu.contains('\n' + QByteArray("\n")));
    QCOMPARE(neu.count("\r\n"), neu.count('\n'));
}

void TstEinstellungsdatei::geschriebeneDateiBleibtByteGleich()
{
    TEinstellungen e;
    e.Breite = 1024;
    e.Hoehe = 768;
    e.verheiratet = true;
    e.ledig = false;
    e.doppel = true;
    e.einzel = false;
    e.Kinder = 2;
    e.Kind[0] = {2005, true, false};
    e.Kind[1] = {2009, false, true};
    e.Einkommen1 = 35000.55;
    e.Einkommen2 = 999999;
    e.EinkommenNR1 = 1234.5;
    e.DeltazvE = -250.25;
    e.Soli = 0.055;
    e.Bundesland = 2;
    e.Verteilung = 17;
    e.wachstum2 = true;
    e.konservativ2 = false;
    e.Firmenlogo = true;
    e.FirmenlogoDateipfad = QStringLiteral("/home/berater/Logo für Kunden.bmp");
    e.StartfensterAnzeigen = false;
    TIniDatei ini;
    EinstellungenSchreiben(e, ini);
    const QByteArray erst = ini.alsBytes();

    TIniDatei wieder = TIniDatei::ausBytes(erst);
    const TEinstellungen g = EinstellungenLesen(wieder, 1, 1);
    QCOMPARE(g.Einkommen1, e.Einkommen1);
    QCOMPARE(g.DeltazvE, e.DeltazvE);
    QCOMPARE(g.Soli, e.Soli);
    QCOMPARE(g.Kind[0].GebJahr, 2005);
    QVERIFY(g.Kind[0].Person1 && !g.Kind[1].Person1);
    QCOMPARE(g.Verteilung, 17);
    QVERIFY(g.wachstum2 && !g.konservativ2);
    QCOMPARE(g.FirmenlogoDateipfad, e.FirmenlogoDateipfad);
    QVERIFY(!g.StartfensterAnzeigen);
    EinstellungenSchreiben(g, wieder);
    QCOMPARE(wieder.alsBytes(), erst);
}

void TstEinstellungsdatei::fremdeZeilenBleibenByteGleich_data()
{
    // fremd: lines at the file's start the program does not own
    QTest::addColumn<QByteArray>("fremd");
    QTest::newRow("Text hinter der Klammer eines Abschnittskopfs bleibt")
        << QByteArray("[Fremd] ; Kommentar\r\nA=1\r\n");
    QTest::newRow("eine doppelte schließende Klammer bleibt") << QByteArray("[Zwei]]\r\nB=2\r\n");
    QTest::newRow("Zeilenenden nur mit LF bleiben") << QByteArray("[Fremd]\nA=1\n; Notiz\n\n");
    QTest::newRow("Leerzeichen und Anführungszeichen bleiben")
        << QByteArray("  [ Fremd ]  \r\n  A = \"1\" \r\n\t; eingerückt\r\n");
    QTest::newRow("Zeichen der Codeseite bleiben")
        << QByteArray("[Fremd]\r\nName=M\xFCller \x80 \x81\x8D\x9D\r\n");
    QTest::newRow("ein Wagenrücklauf mitten in der Zeile bleibt")
        << QByteArray("[Fremd]\r\nA=1\rB=2\r\n");
    QTest::newRow("die letzte Zeile ohne Zeilenende bleibt") << QByteArray("[Fremd]\r\nA=1");
    QTest::newRow("der Kopf eines eigenen Abschnitts mit Kommentar bleibt")
        << QByteArray("[Daten] ; vom Programm\r\n");
}

void TstEinstellungsdatei::fremdeZeilenBleibenByteGleich()
{
    QFETCH(QByteArray, fremd);
    // read and written back unchanged: the very same bytes
    QCOMPARE(TIniDatei::ausBytes(fremd).alsBytes(), fremd);
    QCOMPARE(TIniDatei::ausBytes(fremd + "[Sonstige Daten]\r\nFirmenlogo=1\r\n").alsBytes(),
             fremd + "[Sonstige Daten]\r\nFirmenlogo=1\r\n");
    // after a save of all settings the foreign lines still open the file
    TIniDatei ini = TIniDatei::ausBytes(fremd);
    TEinstellungen e = EinstellungenLesen(ini, 10, 20);
    e.Kinder = 2;
    EinstellungenSchreiben(e, ini);
    const QByteArray neu = ini.alsBytes();
    QVERIFY2(neu.startsWith(fremd), neu.constData());
    QCOMPARE(EinstellungenLesen(TIniDatei::ausBytes(neu), 10, 20).Kinder, 2);
}

void TstEinstellungsdatei::textKommtUnveraendertZurueck_data()
{
    QTest::addColumn<QString>("pfad");
    QTest::newRow("ein gewöhnlicher Pfad") << QStringLiteral("/home/b/Logo für Kunden.bmp");
    QTest::newRow("Leerzeichen am Rand") << QStringLiteral(" /home/b/logo.bmp ");
    QTest::newRow("in Anführungszeichen") << QStringLiteral("\"/home/b/logo.bmp\"");
    QTest::newRow("in Hochkommas") << QStringLiteral("'x'");
    QTest::newRow("ein einzelnes Anführungszeichen") << QStringLiteral("\"");
}

void TstEinstellungsdatei::textKommtUnveraendertZurueck()
{
    QFETCH(QString, pfad);
    TEinstellungen e;
    e.FirmenlogoDateipfad = pfad;
    TIniDatei ini;
    EinstellungenSchreiben(e, ini);
    QCOMPARE(EinstellungenLesen(TIniDatei::ausBytes(ini.alsBytes()), 1, 1).FirmenlogoDateipfad,
             pfad);
}

// A FIFO or a device as the settings file: never opened (a FIFO would block the
// start for good), read as missing, and never replaced by the save.
void TstEinstellungsdatei::sonderdateiGiltAlsFehlend_data()
{
    QTest::addColumn<QString>("art");
    QTest::newRow("ein FIFO") << QStringLiteral("fifo");
    QTest::newRow("eine Verknüpfung auf ein FIFO") << QStringLiteral("zumfifo");
    QTest::newRow("eine Verknüpfung auf ein Gerät") << QStringLiteral("zumgeraet");
}

void TstEinstellungsdatei::sonderdateiGiltAlsFehlend()
{
    QFETCH(QString, art);
    QTemporaryDir dir;
    const QString pfad = dir.filePath(QStringLiteral("fermalin.ini"));
    const QString fifo = dir.filePath(QStringLiteral("fifo"));
    QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QString ziel = fifo;
    if (art == QLatin1String("fifo")) {
        QVERIFY(QFile::rename(fifo, pfad));
        ziel = pfad;
    } else if (art == QLatin1String("zumfifo")) {
        QVERIFY(QFile::link(fifo, pfad));
    } else {
        ziel = GeraetFuerTest(dir.path());
        if (ziel.isEmpty())
            QSKIP("hier lässt sich kein Gerät gefahrlos verknüpfen");
        QVERIFY(QFile::link(ziel, pfad));
    }
    const QFileInfo vorher(ziel);

    TFifoWaechter waechter(QFile::encodeName(ziel));
    TIniDatei ini = TIniDatei::laden(pfad);
    QVERIFY2(!waechter.beenden(), "das Lesen blockierte");
    QVERIFY(!ini.unlesbar());
    TEinstellungen e = EinstellungenLesen(ini, 10, 20);
    QCOMPARE(e.Breite, 10);
    QVERIFY(e.StartfensterAnzeigen);

    e.Kinder = 1;
    EinstellungenSchreiben(e, ini);
    QString fehler;
    TFifoWaechter auchBeimSchreiben(QFile::encodeName(ziel));
    QVERIFY(!ini.speichern(pfad, &fehler));
    QVERIFY2(!auchBeimSchreiben.beenden(), "das Schreiben blockierte");
    QCOMPARE(fehler, QStringLiteral("In %1 kann nicht geschrieben werden").arg(pfad));
    const QFileInfo nachher(ziel);
    QCOMPARE(nachher.isFile(), false);
    QCOMPARE(nachher.exists(), vorher.exists());
    QCOMPARE(QFileInfo(pfad).isSymLink(), art != QLatin1String("fifo"));
}

void TstEinstellungsdatei::centUndZehntausendstel()
{
    const auto gespeichert = [](double einkommen, double soli) {
        TEinstellungen e;
        e.Einkommen1 = einkommen;
        e.Soli = soli;
        TIniDatei ini;
        EinstellungenSchreiben(e, ini);
        return ini.lesenText(QStringLiteral("Daten"), QStringLiteral("Einkommen1"), QString()) +
               QLatin1Char('/') +
               ini.lesenText(QStringLiteral("Daten"), QStringLiteral("Soli"), QString());
    };
    QCOMPARE(gespeichert(35000.55, 0.055), QStringLiteral("3500055/550"));
    QCOMPARE(gespeichert(0.125, 0), QStringLiteral("12/0")); // 12.5 cents, ties to even
    QCOMPARE(gespeichert(0.135, 0), QStringLiteral("14/0"));
    // kept in range, not wrapped
    QCOMPARE(gespeichert(1e12, 0), QStringLiteral("2147483647/0"));
}

// Every key of the table, set to a value other than its default, is written
// under its section and read back as it was; the rest stays at the defaults.
void TstEinstellungsdatei::jederSchluesselHinUndZurueck_data()
{
    QTest::addColumn<int>("zeile");
    const QList<TEinstellungsschluessel>& tabelle = Einstellungstabelle();
    for (int i = 0; i < tabelle.size(); ++i)
        QTest::newRow(qPrintable(QStringLiteral("[%1] %2").arg(*tabelle.at(i).Abschnitt,
                                                               QLatin1String(tabelle.at(i).Name))))
            << i;
}

void TstEinstellungsdatei::jederSchluesselHinUndZurueck()
{
    QFETCH(int, zeile);
    const TEinstellungsschluessel& s = Einstellungstabelle().at(zeile);
    TEinstellungen e;
    e.Kinder = 2; // a child's key is that of child 2
    QString gespeichert;
    const auto aendern = [&](auto& feld) {
        using T = std::decay_t<decltype(feld)>;
        if constexpr (std::is_same_v<T, bool>) {
            feld = !feld;
            gespeichert = feld ? QStringLiteral("1") : QStringLiteral("0");
        } else if constexpr (std::is_same_v<T, QString>) {
            feld = QStringLiteral("C:\\Logos\\Büro.bmp");
            gespeichert = feld;
        } else if constexpr (std::is_same_v<T, int>) {
            // inside the range where the key has one, and not the default
            feld = s.Max > s.Min ? static_cast<int>(s.Max) - 1 : 2005;
            gespeichert = QString::number(feld);
        } else if (s.Art == TWertart::Zehntausendstel) {
            feld = 0.055;
            gespeichert = QStringLiteral("550");
        } else {
            feld = 1234.56;
            gespeichert = QStringLiteral("123456");
        }
    };
    std::visit(
        [&](auto zeiger) {
            if constexpr (requires(TEinstellungen & x) { x.*zeiger; })
                aendern(e.*zeiger);
            else
                aendern(e.Kind[1].*zeiger);
        },
        s.Feld);
    TEinstellungen zweiKinder;
    zweiKinder.Kinder = 2;
    QVERIFY(!(e == zweiKinder)); // the value differs from the default
    TIniDatei ini;
    EinstellungenSchreiben(e, ini);
    const QString name = QLatin1String(s.Name) + (s.JeKind ? QStringLiteral("2") : QString());
    QCOMPARE(ini.lesenText(*s.Abschnitt, name, QStringLiteral("<fehlt>")), gespeichert);
    const TEinstellungen wieder = EinstellungenLesen(TIniDatei::ausBytes(ini.alsBytes()), 0, 0);
    QCOMPARE(wieder, e);
}

void TstEinstellungsdatei::werteAusserhalbDessen_data()
{
    QTest::addColumn<QByteArray>("zeile");
    QTest::addColumn<QString>("feld");
    QTest::addColumn<double>("wert");
    QTest::newRow("Soli 2147483647 ergibt keinen Soli")
        << QByteArray("Soli=2147483647") << "Soli" << 0.0;
    QTest::newRow("Soli 1000 ist kein Satz des Gesetzes")
        << QByteArray("Soli=1000") << "Soli" << 0.0;
    QTest::newRow("Soli 550 bleibt") << QByteArray("Soli=550") << "Soli" << 0.055;
    QTest::newRow("Bundesland 16 gibt es nicht")
        << QByteArray("Bundesland=16") << "Bundesland" << -1.0;
    QTest::newRow("Bundesland -2 gibt es nicht")
        << QByteArray("Bundesland=-2") << "Bundesland" << -1.0;
    QTest::newRow("Bundesland 15 bleibt") << QByteArray("Bundesland=15") << "Bundesland" << 15.0;
    QTest::newRow("zusätzliches Einkommen über dem Feld")
        << QByteArray("EinkommenNR1=2147483647") << "EinkommenNR1" << 0.0;
    QTest::newRow("negatives zusätzliches Einkommen")
        << QByteArray("EinkommenNR2=-100") << "EinkommenNR2" << 0.0;
    QTest::newRow("zusätzliches Einkommen am Rand bleibt")
        << QByteArray("EinkommenNR1=99999900") << "EinkommenNR1" << 999999.0;
    QTest::newRow("zwölf Kinder werden neun") << QByteArray("Kinder=12") << "Kinder" << 9.0;
    QTest::newRow("Regler über dem Ende")
        << QByteArray("indivBeitrag=99") << "indivBeitrag" << 50.0;
    // the income field shows it as "???", which counts as 0
    QTest::newRow("Einkommen über dem Feld bleibt für das Feld")
        << QByteArray("Einkommen1=2147483647") << "Einkommen1" << 21474836.47;
}

void TstEinstellungsdatei::werteAusserhalbDessen()
{
    QFETCH(QByteArray, zeile);
    QFETCH(QString, feld);
    QFETCH(double, wert);
    const TEinstellungen e =
        EinstellungenLesen(TIniDatei::ausBytes("[Daten]\r\n" + zeile + "\r\n"), 0, 0);
    const QHash<QString, double> werte = {
        {QStringLiteral("Soli"), e.Soli},
        {QStringLiteral("Bundesland"), e.Bundesland},
        {QStringLiteral("EinkommenNR1"), e.EinkommenNR1},
        {QStringLiteral("EinkommenNR2"), e.EinkommenNR2},
        {QStringLiteral("Kinder"), e.Kinder},
        {QStringLiteral("indivBeitrag"), e.indivBeitrag},
        {QStringLiteral("Einkommen1"), e.Einkommen1},
    };
    QCOMPARE(werte.value(feld, -999), wert);
}

// The keys that hold an input take it from the inputs; the rest stays.
void TstEinstellungsdatei::eingabenInDieSchluessel()
{
    TEingaben e;
    e.Einkommen1 = 35000.55;
    e.Kinderzahl = 9;
    e.KindGebJahr[8] = 2004;
    e.KindPerson[8] = 2;
    e.MinBeitrag = false;
    e.BeitragsPosition = 33;
    e.Soli = 0.055;
    e.Bundesland = 7;
    e.Verteilung = 12;
    TEinstellungen s;
    s.ledig = false;
    EingabenEintragen(e, s);
    QCOMPARE(s.Einkommen1, 35000.55);
    QCOMPARE(s.Kinder, 9);
    QCOMPARE(s.Kind[8].GebJahr, 2004);
    QVERIFY(!s.Kind[8].Person1 && s.Kind[8].Person2); // the buttons are not an input
    QVERIFY(!s.minimal);
    QCOMPARE(s.indivBeitrag, 33);
    QCOMPARE(s.Soli, 0.055);
    QCOMPARE(s.Bundesland, 7);
    QCOMPARE(s.Verteilung, 12);
    QVERIFY(!s.ledig);
}

// The struct's defaults are the table's: what a first start without a file has.
void TstEinstellungsdatei::vorgabenAusDerTabelle()
{
    const TEinstellungen e;
    QCOMPARE(EinstellungenLesen(TIniDatei(), 0, 0), e);
    QVERIFY(e.ledig && e.einzel && e.minimal && e.tarMindBtr && e.StartfensterAnzeigen);
    QCOMPARE(e.Bundesland, -1);
    QCOMPARE(e.Kind[8].GebJahr, 2000);
    QVERIFY(!e.Kind[8].Person1 && e.Kind[8].Person2);
    QVERIFY(StartfensterLesen(TIniDatei()));
    TIniDatei ini;
    StartfensterSchreiben(ini, false);
    QCOMPARE(ini.alsBytes(), QByteArray("[Startfenster]\r\nStartfenster-anzeigen=0\r\n"));
    QVERIFY(!StartfensterLesen(ini));
}

void TstEinstellungsdatei::unlesbaresErgibtVorgaben_data()
{
    QTest::addColumn<QByteArray>("inhalt");
    QByteArray binaer;
    for (int i = 0; i < 4096; ++i)
        binaer += static_cast<char>((i * 131) % 256);
    QTest::newRow("binär") << binaer;
    QTest::newRow("nur Müll") << QByteArray("]]][[[==\n=\r\r\n[Daten\nKinder==5");
    QTest::newRow("NUL-Bytes") << QByteArray("[Daten]\0Kinder=5\r\n", 19);
}

void TstEinstellungsdatei::unlesbaresErgibtVorgaben()
{
    QFETCH(QByteArray, inhalt);
    QTemporaryDir dir;
    const QString pfad = dir.filePath(QStringLiteral("f.ini"));
    QFile f(pfad);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(inhalt);
    f.close();
    TIniDatei ini = TIniDatei::laden(pfad);
    const TEinstellungen e = EinstellungenLesen(ini, 10, 20);
    QCOMPARE(e.Kinder, 0);
    QVERIFY(e.ledig);
    EinstellungenSchreiben(e, ini);
    QVERIFY(ini.speichern(pfad));
    QCOMPARE(EinstellungenLesen(TIniDatei::laden(pfad), 10, 20).Breite, 10);
}

void TstEinstellungsdatei::speichernErsetztAtomar()
{
    QTemporaryDir dir;
    const QString pfad = dir.filePath(QStringLiteral("fermalin.ini"));
    TIniDatei ini;
    ini.schreibenInt(QStringLiteral("Daten"), QStringLiteral("Kinder"), 2);
    QVERIFY(ini.speichern(pfad));
    ini.schreibenInt(QStringLiteral("Daten"), QStringLiteral("Kinder"), 3);
    QVERIFY(ini.speichern(pfad));
    QCOMPARE(TIniDatei::laden(pfad).lesenInt(QStringLiteral("Daten"), QStringLiteral("Kinder"), 0),
             3);
    // no temporary file stays behind
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("fermalin.ini")});
}

void TstEinstellungsdatei::schreibfehlerMitMeldung()
{
    QTemporaryDir dir;
    // a directory where the file should be: no one can write it, not even root
    const QString pfad = dir.filePath(QStringLiteral("gesperrt.ini"));
    QVERIFY(QDir().mkpath(pfad + QStringLiteral("/x")));
    QString fehler;
    QVERIFY(!TIniDatei().speichern(pfad, &fehler));
    QCOMPARE(fehler, QStringLiteral("In %1 kann nicht geschrieben werden").arg(pfad));
    QVERIFY(!TIniDatei().speichern(dir.filePath(QStringLiteral("fehlt/a.ini")), &fehler));
}

// A settings file of any size is read whole; saving keeps what the program does
// not know, however far down it stands.
void TstEinstellungsdatei::grosseDateiWirdGanzGelesen()
{
    QTemporaryDir dir;
    const QString pfad = dir.filePath(QStringLiteral("f.ini"));
    QByteArray inhalt = "[Daten]\r\nKinder=2\r\n[Fremd]\r\n";
    const QByteArray zeile = "Eintrag=" + QByteArray(100, 'x') + "\r\n";
    while (inhalt.size() < 17 * 1024 * 1024)
        inhalt += zeile;
    inhalt += "Ende=1\r\n";
    QFile f(pfad);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(inhalt);
    f.close();

    TIniDatei ini = TIniDatei::laden(pfad);
    QVERIFY(!ini.unlesbar());
    TEinstellungen e = EinstellungenLesen(ini, 10, 20);
    QCOMPARE(e.Kinder, 2);
    e.Kinder = 3;
    EinstellungenSchreiben(e, ini);
    QVERIFY(ini.speichern(pfad));
    const TIniDatei wieder = TIniDatei::laden(pfad);
    QCOMPARE(wieder.lesenInt(QStringLiteral("Daten"), QStringLiteral("Kinder"), 0), 3);
    QCOMPARE(wieder.lesenInt(QStringLiteral("Fremd"), QStringLiteral("Ende"), 0), 1);
    QVERIFY(QFileInfo(pfad).size() > 17 * 1024 * 1024);
}

// A file the program could not read is left as it is, with a message.
void TstEinstellungsdatei::unlesbareDateiWirdNichtUeberschrieben()
{
    QTemporaryDir dir;
    const QString pfad = dir.filePath(QStringLiteral("f.ini"));
    const QByteArray vorher = "[Daten]\r\nKinder=4\r\n[Fremd]\r\nWichtig=1\r\n";
    QFile f(pfad);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(vorher);
    f.close();
    QVERIFY(f.setPermissions(QFileDevice::WriteOwner));

    TOhneRootRechte ohne;
    if (!ohne.wirksam())
        QSKIP("Root-Rechte lassen sich hier nicht abgeben");
    TIniDatei ini = TIniDatei::laden(pfad);
    QVERIFY(ini.unlesbar());
    EinstellungenSchreiben(EinstellungenLesen(ini, 10, 20), ini);
    QString fehler;
    QVERIFY(!ini.speichern(pfad, &fehler));
    QVERIFY2(fehler.startsWith(pfad + QStringLiteral(" kann nicht gelesen werden")),
             qPrintable(fehler));
    QVERIFY(f.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    QCOMPARE(Inhalt(pfad), vorher);
    // another file is written as usual
    QVERIFY(ini.speichern(dir.filePath(QStringLiteral("anders.ini"))));
}

// A writable settings file in a directory the user may not write: no temporary
// file can go beside it, so the file itself is rewritten.
void TstEinstellungsdatei::schreibgeschuetztesVerzeichnis()
{
    QTemporaryDir dir;
    const QString programm = dir.filePath(QStringLiteral("programm"));
    QVERIFY(QDir().mkpath(programm));
    const QString pfad = programm + QStringLiteral("/fermalin.ini");
    QFile f(pfad);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("[Fremd]\r\nWichtig=1\r\n");
    f.close();
    QVERIFY(QFile::setPermissions(programm, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    const auto zurueck = qScopeGuard([&] {
        QFile::setPermissions(programm, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                            QFileDevice::ExeOwner);
    });

    TOhneRootRechte ohne;
    if (!ohne.wirksam())
        QSKIP("Root-Rechte lassen sich hier nicht abgeben");
    QVERIFY(!QFile(programm + QStringLiteral("/probe")).open(QIODevice::WriteOnly));
    TIniDatei ini = TIniDatei::laden(pfad);
    TEinstellungen e = EinstellungenLesen(ini, 10, 20);
    e.Kinder = 5;
    EinstellungenSchreiben(e, ini);
    QString fehler;
    QVERIFY2(ini.speichern(pfad, &fehler), qPrintable(fehler));
    const TIniDatei wieder = TIniDatei::laden(pfad);
    QCOMPARE(EinstellungenLesen(wieder, 10, 20).Kinder, 5);
    QCOMPARE(wieder.lesenInt(QStringLiteral("Fremd"), QStringLiteral("Wichtig"), 0), 1);
    QCOMPARE(QDir(programm).entryList(QDir::Files), QStringList{QStringLiteral("fermalin.ini")});
}

// A write cut short (disk full, a size limit) is reported and leaves the old file.
void TstEinstellungsdatei::abgebrochenesSchreibenBehaeltDieDatei()
{
    QTemporaryDir dir;
    const QString pfad = dir.filePath(QStringLiteral("fermalin.ini"));
    const QByteArray alt = "[Daten]\r\nKinder=1\r\n";
    QFile f(pfad);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(alt);
    f.close();
    TIniDatei ini = TIniDatei::laden(pfad);
    for (int i = 0; i < 100; ++i)
        ini.schreibenInt(QStringLiteral("Fremd"), QStringLiteral("Wert%1").arg(i), i);

    rlimit vorher{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &vorher), 0);
    const auto signal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit eng = vorher;
    eng.rlim_cur = 64;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &eng), 0);
    QString fehler;
    const bool ok = ini.speichern(pfad, &fehler);
    setrlimit(RLIMIT_FSIZE, &vorher);
    std::signal(SIGXFSZ, signal);

    QVERIFY(!ok);
    QCOMPARE(fehler, QStringLiteral("In %1 kann nicht geschrieben werden").arg(pfad));
    QCOMPARE(Inhalt(pfad), alt);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("fermalin.ini")});
}

QTEST_GUILESS_MAIN(TstEinstellungsdatei)
#include "tst_einstellungsdatei.moc"
