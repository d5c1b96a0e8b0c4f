// The batch program's manual page names every command and key that its --help
// names, as the page is rendered for the reader.
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class TstManseite : public QObject
{
    Q_OBJECT
private slots:
    void jedeHilfezeileStehtImHandbuch();
    void zeichenDieRoffDeutet_data();
    void zeichenDieRoffDeutet();
};

namespace {

QString Ausgabe(const QString& programm, const QStringList& args)
{
    QProcess p;
    p.start(programm, args);
    if (!p.waitForFinished(30000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return QString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

// Blanks and tabs in runs as one blank; roff fills with either.
QString Einfach(const QString& zeile)
{
    return zeile.simplified();
}

QString Gerendert(const QString& seite)
{
    return Ausgabe(QStringLiteral("groff"),
                   {QStringLiteral("-k"), QStringLiteral("-man"), QStringLiteral("-Tutf8"),
                    QStringLiteral("-P-cbou"), seite});
}

} // namespace

void TstManseite::jedeHilfezeileStehtImHandbuch()
{
    const QString hilfe = Ausgabe(QStringLiteral(FERMALIN_CLI), {QStringLiteral("--help")});
    QVERIFY(hilfe.contains(QStringLiteral("berechne")));
    QVERIFY(QFile::exists(QStringLiteral(FERMALIN_MANSEITE)));
    const QString seite = Gerendert(QStringLiteral(FERMALIN_MANSEITE));
    QVERIFY2(seite.contains(QStringLiteral("BEFEHLE UND SCHLÜSSEL")), "groff rendered nothing");
    QStringList gerendert;
    for (const QString& z : seite.split(QLatin1Char('\n')))
        gerendert << Einfach(z);
    int zeilen = 0;
    for (const QString& z : hilfe.split(QLatin1Char('\n'))) {
        const QString gesucht = Einfach(z);
        if (gesucht.isEmpty())
            continue;
        QVERIFY2(gerendert.contains(gesucht),
                 qPrintable(QStringLiteral("fehlt im Handbuch: ") + gesucht));
        ++zeilen;
    }
    QVERIFY(zeilen > 10);
}

void TstManseite::zeichenDieRoffDeutet_data()
{
    QTest::addColumn<QString>("zeile");
    QTest::newRow("Ein Punkt am Zeilenanfang wäre ein Befehl")
        << QStringLiteral(".5 ist kein Satz");
    QTest::newRow("Ein Apostroph am Zeilenanfang auch") << QStringLiteral("'Jahr' in Apostrophen");
    QTest::newRow("Ein umgekehrter Schrägstrich leitet ein Zeichen ein")
        << QStringLiteral("Pfad C:\\fer\\nix und \\fB");
    QTest::newRow("Optionen behalten ihre Bindestriche") << QStringLiteral("--person 1|2 -h");
}

// The page generator itself, with a stand-in for the program.
void TstManseite::zeichenDieRoffDeutet()
{
    QFETCH(QString, zeile);
    QTemporaryDir dir;
    const QString text = QStringLiteral("Vorher\n") + zeile + QStringLiteral("\nNachher\n");
    QFile hilfe(dir.filePath(QStringLiteral("hilfe.txt")));
    QVERIFY(hilfe.open(QIODevice::WriteOnly));
    hilfe.write(text.toUtf8());
    hilfe.close();
    QFile cli(dir.filePath(QStringLiteral("cli")));
    QVERIFY(cli.open(QIODevice::WriteOnly));
    cli.write("#!/bin/sh\ncat \"$(dirname \"$0\")/hilfe.txt\"\n");
    cli.close();
    cli.setPermissions(cli.permissions() | QFileDevice::ExeOwner);
    QFile vorlage(dir.filePath(QStringLiteral("t.1.in")));
    QVERIFY(vorlage.open(QIODevice::WriteOnly));
    vorlage.write(".TH T 1\n.SH TEST\n.nf\n@SCHLUESSEL@\n.fi\n");
    vorlage.close();

    const QString ziel = dir.filePath(QStringLiteral("t.1"));
    QProcess p;
    p.start(QStringLiteral(FERMALIN_CMAKE),
            {QStringLiteral("-DVORLAGE=") + vorlage.fileName(), QStringLiteral("-DZIEL=") + ziel,
             QStringLiteral("-DCLI=") + cli.fileName(), QStringLiteral("-P"),
             QStringLiteral(FERMALIN_MANSEITE_SKRIPT)});
    QVERIFY(p.waitForFinished(30000));
    QVERIFY2(p.exitCode() == 0, p.readAllStandardError().constData());
    QVERIFY(QFile::exists(ziel + QStringLiteral(".gz")));
    QStringList gerendert;
    for (const QString& z : Gerendert(ziel).split(QLatin1Char('\n')))
        if (!Einfach(z).isEmpty())
            gerendert << Einfach(z);
    const qsizetype vorher = gerendert.indexOf(QStringLiteral("Vorher"));
    QVERIFY(vorher >= 0);
    QCOMPARE(gerendert.mid(vorher, 3),
             (QStringList{QStringLiteral("Vorher"), zeile, QStringLiteral("Nachher")}));
}

QTEST_GUILESS_MAIN(TstManseite)
#include "tst_manseite.moc"
