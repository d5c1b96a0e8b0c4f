// An installed program: its settings, hand-off file and logo go to the user's
// folder, its help comes from share/fermalin, and the installation stays as it was.
#include "ColorButton.h"
#include "Fehleranzeige.h"
#include "FloatDlg.h"
#include "Hilfefenster.h"
#include "Ortavo_Dialog.h"
#include "Ortavo_Vorgabe.h"
#include "Seitenreiter.h"
#include "TestProgramm.h"

#include <QApplication>
#include <QCheckBox>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "../OhneRootRechte.h"

#include <memory>

using namespace Fermalin;

namespace {

// Every entry below the folder with its size and time of change.
QStringList Bestand(const QString& ordner)
{
    QStringList b;
    QDirIterator it(ordner, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        b << QStringLiteral("%1 %2 %3")
                 .arg(info.filePath())
                 .arg(info.size())
                 .arg(info.lastModified().toMSecsSinceEpoch());
    }
    b.sort();
    return b;
}

QByteArray Inhalt(const QString& pfad)
{
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void Schreibschutz(const QString& ordner, bool an)
{
    const auto lesen = QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadUser |
                       QFileDevice::ExeUser;
    const auto rechte = an ? lesen : lesen | QFileDevice::WriteOwner | QFileDevice::WriteUser;
    QDirIterator it(ordner, QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    QFile::setPermissions(ordner, rechte);
    while (it.hasNext())
        QFile::setPermissions(it.next(), rechte);
}

} // namespace

class TstInstalliert : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        m_fehler.clear();
        setzeFehleranzeige([this](const QString& m) { m_fehler << m; });
    }
    void cleanup()
    {
        setzeFehleranzeige({});
        HtmlHilfeFreigeben();
    }
    void nichtsLandetInDerInstallation();

private:
    QStringList m_fehler;
};

void TstInstalliert::nichtsLandetInDerInstallation()
{
    QTemporaryDir dir;
    const QDir d(dir.path());
    QVERIFY(d.mkpath(QStringLiteral("usr/bin")));
    QVERIFY(d.mkpath(QStringLiteral("usr/share/fermalin")));
    const QString hilfe = d.filePath(QStringLiteral("usr/share/fermalin/Velto-Hilfe.chm"));
    QVERIFY(QFile::copy(
        QCoreApplication::applicationDirPath() + QStringLiteral("/../src/fermalin.chm"), hilfe));

    TProgrammUmgebung u;
    u.ProgrammPfad = d.filePath(QStringLiteral("usr/bin/fermalin"));
    u.Argumente = {u.ProgrammPfad, QStringLiteral("k")};
    u.Heute = QDate(2009, 6, 1);
    u.Umgebung.insert(QStringLiteral("HOME"), d.filePath(QStringLiteral("heim")));
    u.Umgebung.remove(QStringLiteral("XDG_CONFIG_HOME"));
    const TProgrammOrte orte = u.Orte();
    QVERIFY(orte.Installiert);
    const QString daten = d.filePath(QStringLiteral("heim/.config/fermalin"));
    QCOMPARE(orte.Datenordner, daten);
    QVERIFY(DatenordnerAnlegen(orte));

    // The installation is read-only, as /usr is for an ordinary user; root
    // could still write there, which the comparison at the end would show.
    const QString usr = d.filePath(QStringLiteral("usr"));
    const QStringList vorher = Bestand(usr);
    Schreibschutz(usr, true);
    {
        TOhneRootRechte ohne;
        auto f = std::make_unique<THauptformular>(u);
        f->show();
        f->Vorgabe().EinkommenSetzen(30000, 0);
        f->Vorgabe().MinBeitragSetzen(false);
        QTest::mouseClick(element(*f, "Button_Hilfe"), Qt::LeftButton);
        QVERIFY(HtmlHilfeFenster());
        QCOMPARE(HtmlHilfeFenster()->Browser->Datei().pfad(), hilfe);
        f->SeiteZeigen(THauptformular::TSeite::Angebot);
        QCoreApplication::processEvents();
        QTest::mouseClick(element(*f, "Button_Angebot1"), Qt::LeftButton);
        QVERIFY(!f->isVisible());
    } // its end saves the settings
    Schreibschutz(usr, false);
    QCOMPARE(m_fehler, QStringList());
    QCOMPARE(Bestand(usr), vorher);
    QVERIFY(Inhalt(daten + QStringLiteral("/fermalin.dat")).startsWith("[Typ]\r\nKlassik=0\r\n"));
    QVERIFY(Inhalt(daten + QStringLiteral("/fermalin.ini")).contains("Einkommen1=3000000"));

    // the next start finds them again and removes the last hand-off
    auto g = std::make_unique<THauptformular>(u);
    g->show();
    QCOMPARE(g->Vorgabe().Anzeige().Einkommen1, 30000.0);
    QVERIFY(!g->Vorgabe().Anzeige().MinBeitrag);
    QVERIFY(!QFile::exists(daten + QStringLiteral("/fermalin.dat")));
    g->BeendenBestaetigt = true;
}

QTEST_MAIN(TstInstalliert)
#include "tst_installiert.moc"
