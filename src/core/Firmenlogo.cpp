#include "Firmenlogo.h"

#include "DateiErsetzen.h"

#include <QFile>

#include <algorithm>
#include <climits>
#include <cmath>

#include <sys/stat.h>
#include <unistd.h>

namespace Fermalin {

namespace {

// Larger logos are kept by a second name rather than read into memory.
constexpr qint64 LogoSicherungHoechstens = 64 * 1024 * 1024;

bool vorhanden(const QByteArray& name, struct stat& st)
{
    return ::lstat(name.constData(), &st) == 0;
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
    const QByteArray von = QFile::encodeName(logo);
    const QByteArray nach = QFile::encodeName(sicherung);
    struct stat st
    {
    };
    if (!vorhanden(von, st))
        return;
    ::unlink(nach.constData());
    if (S_ISLNK(st.st_mode)) {
        // the link's own text, so that a relative link stays relative
        QByteArray text(PATH_MAX, '\0');
        const ssize_t n =
            ::readlink(von.constData(), text.data(), static_cast<size_t>(text.size()));
        if (n > 0 && n < text.size())
            ::symlink(text.left(n).constData(), nach.constData());
        return;
    }
    if (S_ISREG(st.st_mode)) {
        QByteArray inhalt;
        if (DateiLesen(logo, inhalt, nullptr, LogoSicherungHoechstens) == TLesen::Gelesen &&
            DateiEintragErsetzen(sicherung, inhalt, true)) {
            ::chmod(nach.constData(), st.st_mode & 07777);
            return;
        }
    }
    // A FIFO or a device, which reading could block, or a file too large to
    // copy: a second name for it. Nothing writes the logo in place, so it stays.
    ::link(von.constData(), nach.constData());
}

void LogoWiederherstellen(const QString& logo, const QString& sicherung)
{
    struct stat st
    {
    };
    if (!vorhanden(QFile::encodeName(sicherung), st))
        return;
    // the backup itself takes the logo's place: exactly what was there
    ::rename(QFile::encodeName(sicherung).constData(), QFile::encodeName(logo).constData());
}

void BackupLoeschen(const QString& sicherung)
{
    ::unlink(QFile::encodeName(sicherung).constData());
}

} // namespace Fermalin
