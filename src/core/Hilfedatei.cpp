#include "Hilfedatei.h"

#include <QDir>
#include <QFileInfo>

namespace Fermalin {

QString HilfedateiSuchen(const QStringList& args, const QString& programmPfad,
                         const QString& installationsordner)
{
    // 1
    for (qsizetype i = args.size() - 1; i >= 1; --i) {
        const QString& a = args.at(i);
        if (a.size() > 4 && a.endsWith(QStringLiteral(".chm"), Qt::CaseInsensitive) &&
            QFileInfo(a).isFile())
            return a;
    }
    // 2
    for (qsizetype i = args.size() - 1; i >= 1; --i) {
        const QString& a = args.at(i);
        if (a.isEmpty() || !QFileInfo(a).isDir())
            continue;
        const QString datei = QDir(a).filePath(HilfedateiName);
        if (QFileInfo(datei).isFile())
            return QDir::cleanPath(datei);
    }
    // 3: two levels up, so that a program in <Basis>/Tools/AVmG finds <Basis>/Hilfe
    const QFileInfo programm(programmPfad);
    const QString verzeichnis = QDir::cleanPath(programm.absolutePath());
    const QStringList teile = verzeichnis.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    if (teile.size() >= 2) {
        const QString basis = QFileInfo(QFileInfo(verzeichnis).path()).path();
        const QString datei = QDir(basis).filePath(QStringLiteral("Hilfe/") + HilfedateiName);
        if (QFileInfo(datei).isFile())
            return datei;
    }
    // 4
    const QString name = programm.fileName();
    const qsizetype punkt = name.lastIndexOf(QLatin1Char('.'));
    const QString eigene =
        programm.dir().filePath((punkt > 0 ? name.left(punkt) : name) + QStringLiteral(".chm"));
    if (QFileInfo(eigene).isFile())
        return eigene;
    // 5
    if (!installationsordner.isEmpty()) {
        const QString datei = QDir(installationsordner).filePath(HilfedateiName);
        if (QFileInfo(datei).isFile())
            return datei;
    }
    return QString();
}

QString HilfeThema(THilfeSeite seite)
{
    switch (seite) {
    case THilfeSeite::Angebot:
        return QStringLiteral("dialog3.htm");
    case THilfeSeite::Grafik:
        return QStringLiteral("dialog2.htm");
    case THilfeSeite::Vergleich:
        return QStringLiteral("dialog4.htm");
    case THilfeSeite::Vorgabe:
        break;
    }
    return QStringLiteral("dialog1.htm");
}

QString HilfeThemenpfad(const QString& thema)
{
    return QStringLiteral("/avmg/") + thema;
}

} // namespace Fermalin
