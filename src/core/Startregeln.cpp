#include "Startregeln.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <cmath>

namespace Fermalin {

TStartModus StartModusAus(const QStringList& args)
{
    TStartModus m;
    for (const QString& a : args)
        if (a == QLatin1String("k") || a == QLatin1String("K"))
            m.Einzelversion = false;
    m.Angebotsseite =
        args.size() > 1 && args.at(1).compare(QLatin1String("back"), Qt::CaseInsensitive) == 0;
    return m;
}

std::optional<QSize> GroesseAnpassen(QSize gewuenscht, QSize start, double seitenverhaeltnis,
                                     QSize arbeitsbereich)
{
    if (start.width() == 0 || start.height() == 0 || !(seitenverhaeltnis > 0))
        return gewuenscht;
    if (gewuenscht.height() < start.height() || gewuenscht.width() < start.width())
        return std::nullopt;
    int w = std::min(gewuenscht.width(), arbeitsbereich.width());
    int h = static_cast<int>(std::nearbyint(w / seitenverhaeltnis));
    if (h > arbeitsbereich.height()) {
        h = arbeitsbereich.height();
        w = static_cast<int>(std::nearbyint(arbeitsbereich.height() * seitenverhaeltnis));
    }
    return QSize(w, h);
}

QString TemporaeresVerzeichnis(const QProcessEnvironment& umgebung, const QString& systemTemp)
{
    const auto nutzbar = [](const QString& pfad) {
        const QFileInfo info(pfad);
        return info.isAbsolute() && info.isDir() && info.isWritable() && info.isExecutable();
    };
    bool gesetzt = false;
    for (const char* name : {"temp", "TEMP", "TMP", "TMPDIR"}) {
        const QString wert = umgebung.value(QLatin1String(name));
        if (wert.isEmpty())
            continue;
        gesetzt = true;
        if (nutzbar(wert))
            return QDir::cleanPath(wert);
    }
    // A folder named but unusable is not silently swapped for the shared one.
    if (!gesetzt && nutzbar(systemTemp))
        return QDir::cleanPath(systemTemp);
    return QString();
}

QString GrafikDateiPfad(const QProcessEnvironment& umgebung, const QString& systemTemp)
{
    const QString verzeichnis = TemporaeresVerzeichnis(umgebung, systemTemp);
    if (verzeichnis.isEmpty())
        return QString();
    return QDir(verzeichnis).filePath(QStringLiteral("G_Ortavo.Bmp"));
}

QString PfadMitEndung(const QString& programmPfad, const QString& endung)
{
    const QFileInfo info(programmPfad);
    const QString name = info.fileName();
    const qsizetype punkt = name.lastIndexOf(QLatin1Char('.'));
    const QString basis = punkt > 0 ? name.left(punkt) : name;
    return info.dir().filePath(basis + endung);
}

QPoint EntwurfsPosition(QPoint entwurf, QSize groesse, const QRect& arbeitsbereich)
{
    if (!arbeitsbereich.isValid())
        return entwurf;
    const int x = std::max(arbeitsbereich.left(),
                           std::min(entwurf.x(), arbeitsbereich.right() + 1 - groesse.width()));
    const int y = std::max(arbeitsbereich.top(),
                           std::min(entwurf.y(), arbeitsbereich.bottom() + 1 - groesse.height()));
    return QPoint(x, y);
}

} // namespace Fermalin
