#include "Hilfedatei.h"
#include "Programmorte.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Fermalin;

namespace {

// Builds a small directory tree inside a temporary directory.
struct TBaum
{
    QTemporaryDir dir;

    QString pfad(const QString& relativ) const { return dir.filePath(relativ); }
    QString datei(const QString& relativ) const
    {
        const QString p = pfad(relativ);
        QDir().mkpath(QFileInfo(p).absolutePath());
        QFile f(p);
        if (!f.open(QIODevice::WriteOnly))
            qFatal("cannot create %s", qPrintable(p));
        return p;
    }
    QString verzeichnis(const QString& relativ) const
    {
        QDir().mkpath(pfad(relativ));
        return pfad(relativ);
    }
};

} // namespace

class TstHilfedatei : public QObject
{
    Q_OBJECT
private slots:
    void chmArgumentOhneRuecksichtAufGrossschreibung();
    void verzeichnisArgumentMitUndOhneTrenner_data();
    void verzeichnisArgumentMitUndOhneTrenner();
    void spaeteresChmArgumentGewinnt();
    void zweiEbenenUeberDemProgramm();
    void eineEbeneHoeherZaehltNicht();
    void programmpfadMitChm();
    void zuWenigeBestandteile();
    void reihenfolgeDerOrte();
    void nichtsGefunden();
    void installierteHilfeZuletzt();
    void themen();
};

void TstHilfedatei::chmArgumentOhneRuecksichtAufGrossschreibung()
{
    TBaum b;
    const QString handbuch = b.datei(QStringLiteral("Doku/handbuch.CHM"));
    const QString programm = b.pfad(QStringLiteral("Prog/fermalin"));
    QCOMPARE(HilfedateiSuchen({programm, QStringLiteral("k"), handbuch}, programm), handbuch);
    // a name of exactly ".chm", a missing file, and the program path itself do not count
    const QString nurEndung = b.datei(QStringLiteral(".chm"));
    QDir::setCurrent(b.dir.path());
    QCOMPARE(HilfedateiSuchen({programm, QStringLiteral(".chm")}, programm), QString());
    QCOMPARE(HilfedateiSuchen({programm, b.pfad(QStringLiteral("fehlt.chm"))}, programm),
             QString());
    QCOMPARE(HilfedateiSuchen({handbuch}, programm), QString());
    Q_UNUSED(nurEndung);
}

void TstHilfedatei::verzeichnisArgumentMitUndOhneTrenner_data()
{
    QTest::addColumn<QString>("endung");
    QTest::newRow("ohne Trenner") << QString();
    QTest::newRow("mit Trenner") << QStringLiteral("/");
}

void TstHilfedatei::verzeichnisArgumentMitUndOhneTrenner()
{
    QFETCH(QString, endung);
    TBaum b;
    const QString hilfe = b.datei(QStringLiteral("Hilfe/Velto-Hilfe.chm"));
    b.verzeichnis(QStringLiteral("Leer"));
    const QString programm = b.pfad(QStringLiteral("Prog/fermalin"));
    // the later directory without the file does not hide the earlier one
    QCOMPARE(
        HilfedateiSuchen({programm, QStringLiteral("k"), b.pfad(QStringLiteral("Hilfe")) + endung,
                          b.pfad(QStringLiteral("Leer"))},
                         programm),
        hilfe);
}

void TstHilfedatei::spaeteresChmArgumentGewinnt()
{
    TBaum b;
    const QString erste = b.datei(QStringLiteral("a/erste.chm"));
    const QString zweite = b.datei(QStringLiteral("b/zweite.chm"));
    const QString programm = b.pfad(QStringLiteral("Prog/fermalin"));
    QCOMPARE(HilfedateiSuchen({programm, erste, zweite}, programm), zweite);
    QCOMPARE(HilfedateiSuchen({programm, zweite, erste}, programm), erste);
    // a .chm argument wins over a directory argument given after it
    b.datei(QStringLiteral("Hilfe/Velto-Hilfe.chm"));
    QCOMPARE(HilfedateiSuchen({programm, erste, b.pfad(QStringLiteral("Hilfe"))}, programm), erste);
}

void TstHilfedatei::zweiEbenenUeberDemProgramm()
{
    TBaum b;
    const QString hilfe = b.datei(QStringLiteral("Programme/Hilfe/Velto-Hilfe.chm"));
    const QString programm = b.pfad(QStringLiteral("Programme/Tools/AVmG/fermalin"));
    QCOMPARE(HilfedateiSuchen({programm}, programm), hilfe);
}

void TstHilfedatei::eineEbeneHoeherZaehltNicht()
{
    TBaum b;
    b.datei(QStringLiteral("Programme/Tools/Hilfe/Velto-Hilfe.chm"));
    const QString programm = b.pfad(QStringLiteral("Programme/Tools/AVmG/fermalin"));
    QCOMPARE(HilfedateiSuchen({programm}, programm), QString());
}

void TstHilfedatei::programmpfadMitChm()
{
    TBaum b;
    const QString hilfe = b.datei(QStringLiteral("Prog/Zulagen.chm"));
    const QString programm = b.pfad(QStringLiteral("Prog/Zulagen.exe"));
    QCOMPARE(HilfedateiSuchen({programm}, programm), hilfe);
    // a program without extension gets ".chm" appended
    const QString ohne = b.datei(QStringLiteral("Prog/fermalin.chm"));
    QCOMPARE(HilfedateiSuchen({}, b.pfad(QStringLiteral("Prog/fermalin"))), ohne);
}

void TstHilfedatei::zuWenigeBestandteile()
{
    // a program directly below the root: two levels up does not exist
    QCOMPARE(HilfedateiSuchen({QStringLiteral("/fermalin-test-gibt-es-nicht/fermalin")},
                              QStringLiteral("/fermalin-test-gibt-es-nicht/fermalin")),
             QString());
    QCOMPARE(HilfedateiSuchen({}, QStringLiteral("/fermalin")), QString());
}

void TstHilfedatei::reihenfolgeDerOrte()
{
    TBaum b;
    const QString arg = b.datei(QStringLiteral("Arg/Velto-Hilfe.chm"));
    const QString oben = b.datei(QStringLiteral("Basis/Hilfe/Velto-Hilfe.chm"));
    const QString eigene = b.datei(QStringLiteral("Basis/A/B/fermalin.chm"));
    const QString programm = b.pfad(QStringLiteral("Basis/A/B/fermalin"));
    QCOMPARE(HilfedateiSuchen({programm, b.pfad(QStringLiteral("Arg"))}, programm), arg);
    QCOMPARE(HilfedateiSuchen({programm, QStringLiteral("k")}, programm), oben);
    QFile::remove(oben);
    QCOMPARE(HilfedateiSuchen({programm, QStringLiteral("k")}, programm), eigene);
    // searched anew each time: a file removed is no longer found
    QFile::remove(eigene);
    QCOMPARE(HilfedateiSuchen({programm, QStringLiteral("k")}, programm), QString());
}

void TstHilfedatei::nichtsGefunden()
{
    TBaum b;
    const QString programm = b.pfad(QStringLiteral("A/B/fermalin"));
    QCOMPARE(HilfedateiSuchen({programm, QStringLiteral("k"), QStringLiteral("back")}, programm),
             QString());
}

void TstHilfedatei::installierteHilfeZuletzt()
{
    TBaum b;
    const QString paket = b.datei(QStringLiteral("usr/share/fermalin/Velto-Hilfe.chm"));
    const QString programm = b.pfad(QStringLiteral("usr/bin/fermalin"));
    b.verzeichnis(QStringLiteral("usr/bin"));
    const QString ordner = ProgrammOrteErmitteln(programm, QProcessEnvironment()).Hilfeordner;
    QCOMPARE(HilfedateiSuchen({programm, QStringLiteral("k")}, programm, ordner), paket);
    // the places before still come first
    const QString eigene = b.datei(QStringLiteral("usr/bin/fermalin.chm"));
    QCOMPARE(HilfedateiSuchen({programm, QStringLiteral("k")}, programm, ordner), eigene);
    const QString arg = b.datei(QStringLiteral("Doku/handbuch.chm"));
    QCOMPARE(HilfedateiSuchen({programm, arg}, programm, ordner), arg);
    // a copy that is not installed does not look into share/fermalin
    QFile::remove(eigene);
    const QString bau = b.pfad(QStringLiteral("usr/share/fermalin/../../build/fermalin"));
    QCOMPARE(HilfedateiSuchen({bau}, bau, ProgrammOrteErmitteln(bau, {}).Hilfeordner), QString());
}

void TstHilfedatei::themen()
{
    QCOMPARE(HilfeThemenpfad(HilfeThema(THilfeSeite::Vorgabe)),
             QStringLiteral("/avmg/dialog1.htm"));
    QCOMPARE(HilfeThemenpfad(HilfeThema(THilfeSeite::Grafik)), QStringLiteral("/avmg/dialog2.htm"));
    QCOMPARE(HilfeThemenpfad(HilfeThema(THilfeSeite::Angebot)),
             QStringLiteral("/avmg/dialog3.htm"));
    QCOMPARE(HilfeThemenpfad(HilfeThema(THilfeSeite::Vergleich)),
             QStringLiteral("/avmg/dialog4.htm"));
}

QTEST_GUILESS_MAIN(TstHilfedatei)
#include "tst_hilfedatei.moc"
