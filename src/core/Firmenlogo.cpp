#include "Firmenlogo.h"

#include <QFile>

#include <algorithm>
#include <cmath>

namespace Fermalin {

namespace {

// A copy that overwrites: QFile::copy refuses an existing target.
void ueberschreibendKopieren(const QString& quelle, const QString& ziel)
{
    if (!QFile::exists(quelle))
        return;
    QFile::remove(ziel);
    QFile::copy(quelle, ziel);
}

} // namespace

QSize LogoZielgroesse(QSize bild)
{
    const int w = bild.width();
    const int h = bild.height();
    if (w <= LogoMaxBreite && h <= LogoMaxHoehe)
        return bild;
    const double s =
        std::max(static_cast<double>(h) / LogoMaxHoehe, static_cast<double>(w) / LogoMaxBreite);
    // nearbyint rounds halves to even in the default rounding mode
    const auto seite = [s](int n) { return std::max(1, static_cast<int>(std::nearbyint(n / s))); };
    return QSize(std::min(seite(w), LogoMaxBreite), std::min(seite(h), LogoMaxHoehe));
}

void LogoBackup(const QString& logo, const QString& sicherung)
{
    ueberschreibendKopieren(logo, sicherung);
}

void LogoWiederherstellen(const QString& logo, const QString& sicherung)
{
    ueberschreibendKopieren(sicherung, logo);
}

void BackupLoeschen(const QString& sicherung)
{
    QFile::remove(sicherung);
}

} // namespace Fermalin
