// The files the main window reads and writes at start, while it runs and at
// its end: a FIFO as the settings file, no usable temporary folder, links
// planted in the temporary folder, a chart picture that cannot be written.
#include "Bericht.h"
#include "Fehleranzeige.h"
#include "FloatDlg.h"
#include "HTML_Ausgabe.h"
#include "Ortavo_Dialog.h"
#include "Ortavo_Vorgabe.h"
#include "Seitenreiter.h"
#include "SpinEdit.h"
#include "TestProgramm.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRadioButton>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include "../Sonderdateien.h"

#include <memory>

using namespace Fermalin;

namespace {

struct TDateiprogramm
{
    QTemporaryDir dir;
    QProcessEnvironment umgebung;

    QString pfad() const { return dir.filePath(QStringLiteral("fermalin")); }
    QString ini() const { return dir.filePath(QStringLiteral("fermalin.ini")); }
    std::unique_ptr<THauptformular> fenster() const
    {
        TProgrammUmgebung u;
        u.ProgrammPfad = pfad();
        u.Argumente = {u.ProgrammPfad};
        u.Heute = QDate(2009, 6, 1);
        u.Umgebung = umgebung;
        return std::make_unique<THauptformular>(u);
    }
};

QByteArray lesen(const QString& pfad)
{
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void schreiben(const QString& pfad, const QByteArray& inhalt)
{
    QFile f(pfad);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(inhalt);
}

QString bericht(const THauptformular& f)
{
    return BerichtText(f.BerichtZeilen());
}

void mitGrafik(THauptformular& f)
{
    f.Vorgabe().EinkommenSetzen(30000, 0);
    element<QCheckBox>(f, "CheckBox_MitGrafik")->setChecked(true);
}

} // namespace

class TstFensterdateien : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        m_fehler.clear();
        setzeFehleranzeige([this](const QString& m) { m_fehler << m; });
    }
    void cleanup() { setzeFehleranzeige({}); }
    void fifoAlsEinstellungsdatei();
    void ohneTemporaeresVerzeichnis();
    void gepflanzteVerknuepfungen();
    void bildNichtSchreibbarZeigtKeinAltesBild();

private:
    QStringList m_fehler;
};

// The start never blocks on a FIFO: the window opens with the defaults, and the
// save at the end refuses to replace it with the write message.
void TstFensterdateien::fifoAlsEinstellungsdatei()
{
    TDateiprogramm p;
    QTemporaryDir temp;
    p.umgebung.insert(QStringLiteral("TMPDIR"), temp.path());
    QCOMPARE(::mkfifo(QFile::encodeName(p.ini()).constData(), 0600), 0);
    TFifoWaechter waechter(QFile::encodeName(p.ini()));
    {
        auto f = p.fenster();
        QCOMPARE(f->Vorgabe().Anzeige().Kinderzahl, 0);
        QVERIFY(element<QRadioButton>(*f, "RadioButton_ledig")->isChecked());
        f->BeendenBestaetigt = true;
        f->close();
    }
    QVERIFY2(!waechter.beenden(), "der Start blockierte auf dem FIFO");
    QCOMPARE(m_fehler,
             QStringList{QStringLiteral("In %1 kann nicht geschrieben werden").arg(p.ini())});
    QVERIFY(QFileInfo::exists(p.ini()) && !QFileInfo(p.ini()).isFile());
}

// Without a usable temporary folder the window never falls back to the current
// folder: a file of the user's there stays, and the report says there is no
// picture.
void TstFensterdateien::ohneTemporaeresVerzeichnis()
{
    TDateiprogramm p;
    p.umgebung.insert(QStringLiteral("TMPDIR"), QStringLiteral("/gibt/es/nicht"));
    QTemporaryDir arbeit;
    const QString vorher = QDir::currentPath();
    QVERIFY(QDir::setCurrent(arbeit.path()));
    const auto zurueck = qScopeGuard([&] { QDir::setCurrent(vorher); });
    schreiben(arbeit.filePath(QStringLiteral("G_Ortavo.Bmp")), "gehört dem Benutzer");
    {
        auto f = p.fenster();
        mitGrafik(*f);
        f->SeiteZeigen(THauptformular::TSeite::Grafik);
        QVERIFY(bericht(*f).contains(KeinGrafikBildText()));
        QVERIFY(!bericht(*f).contains(QStringLiteral("<img")));
        f->BeendenBestaetigt = true;
        f->close();
    }
    QCOMPARE(lesen(arbeit.filePath(QStringLiteral("G_Ortavo.Bmp"))),
             QByteArray("gehört dem Benutzer"));
    QCOMPARE(QDir(arbeit.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{QStringLiteral("G_Ortavo.Bmp")});
}

// Links planted in the shared temporary folder under the picture's name and
// under the names a predictable temporary file would have: no target changes.
void TstFensterdateien::gepflanzteVerknuepfungen()
{
    TDateiprogramm p;
    QTemporaryDir temp, fremd;
    p.umgebung.insert(QStringLiteral("temp"), temp.path());
    const QString opfer = fremd.filePath(QStringLiteral("opfer"));
    schreiben(opfer, "wichtig");
    auto f = p.fenster();
    const QString bild = temp.filePath(QStringLiteral("G_Ortavo.Bmp"));
    QVERIFY(QFile::link(opfer, bild));
    const QString pid = QString::number(QCoreApplication::applicationPid());
    QVERIFY(QFile::link(opfer, bild + QLatin1Char('.') + pid + QStringLiteral(".neu")));
    mitGrafik(*f);
    QCOMPARE(lesen(opfer), QByteArray("wichtig"));
    QVERIFY(!QFileInfo(bild).isSymLink());
    QVERIFY(lesen(bild).startsWith("BM"));
    QVERIFY(bericht(*f).contains(QStringLiteral("<img src=\"%1\"").arg(bild)));
    f->BeendenBestaetigt = true;
}

// A picture that cannot be written is not named by the report: the file there
// may show another household's chart.
void TstFensterdateien::bildNichtSchreibbarZeigtKeinAltesBild()
{
    TDateiprogramm p;
    QTemporaryDir temp;
    p.umgebung.insert(QStringLiteral("temp"), temp.path());
    auto f = p.fenster();
    const QString bild = temp.filePath(QStringLiteral("G_Ortavo.Bmp"));
    QVERIFY(QDir().mkpath(bild)); // nothing can replace a directory
    mitGrafik(*f);
    QVERIFY(bericht(*f).contains(KeinGrafikBildText()));
    QVERIFY(!bericht(*f).contains(bild));
    QVERIFY(m_fehler.isEmpty());
    f->BeendenBestaetigt = true;
}

QTEST_MAIN(TstFensterdateien)
#include "tst_fensterdateien.moc"
