#include "Systemfehler.h"

#include <cerrno>

namespace Fermalin {

QString Systemgrund(int fehlernummer)
{
    switch (fehlernummer) {
    case ENOSPC:
        return QStringLiteral("kein Speicherplatz mehr frei");
    case EDQUOT:
        return QStringLiteral("Speicherkontingent erschöpft");
    case EFBIG:
        return QStringLiteral("die Datei wird zu groß");
    case EACCES:
    case EPERM:
        return QStringLiteral("keine Berechtigung");
    case EROFS:
        return QStringLiteral("das Dateisystem ist schreibgeschützt");
    case ENOENT:
        return QStringLiteral("Datei oder Verzeichnis nicht gefunden");
    case ENOTDIR:
        return QStringLiteral("ein Teil des Pfades ist kein Verzeichnis");
    case EISDIR:
        return QStringLiteral("das ist ein Verzeichnis");
    case ELOOP:
        return QStringLiteral("zu viele symbolische Verknüpfungen");
    case ENAMETOOLONG:
        return QStringLiteral("der Dateiname ist zu lang");
    case EEXIST:
        return QStringLiteral("die Datei besteht schon");
    case EIO:
        return QStringLiteral("Ein-/Ausgabefehler des Geräts");
    case EPIPE:
        return QStringLiteral("der Empfänger hat die Verbindung geschlossen");
    case ENXIO:
    case ENODEV:
        return QStringLiteral("kein solches Gerät");
    case EBADF:
        return QStringLiteral("die Datei ist nicht geöffnet");
    case EINVAL:
        return QStringLiteral("ungültiges Argument");
    case EMFILE:
    case ENFILE:
        return QStringLiteral("zu viele offene Dateien");
    case ETXTBSY:
    case EBUSY:
        return QStringLiteral("die Datei ist in Gebrauch");
    case EAGAIN:
        return QStringLiteral("die Datei ist gerade nicht verfügbar");
    case EXDEV:
        return QStringLiteral("Umbenennen über Dateisystemgrenzen hinweg nicht möglich");
    case ENOMEM:
        return QStringLiteral("nicht genug Arbeitsspeicher");
    default:
        return QStringLiteral("Systemfehler %1").arg(fehlernummer);
    }
}

} // namespace Fermalin
