#include "DateiErsetzen.h"

#include "Systemfehler.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <new>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// POSIX calls directly: Qt's file classes follow links where these functions
// must not, and report only English texts.

namespace Fermalin {

namespace {

QByteArray lokal(const QString& pfad)
{
    return QFile::encodeName(pfad);
}

void setze(QString* grund, const QString& text)
{
    if (grund)
        *grund = text;
}

mode_t neueDateiRechte()
{
    // umask can only be read by setting it; once, before anything else runs.
    static const mode_t maske = [] {
        const mode_t m = ::umask(0);
        ::umask(m);
        return m;
    }();
    return 0666 & ~maske;
}

bool schreibeAlles(int fd, const QByteArray& bytes, int& fehler)
{
    const char* p = bytes.constData();
    qsizetype rest = bytes.size();
    while (rest > 0) {
        const ssize_t n = ::write(fd, p, static_cast<size_t>(rest));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            fehler = errno;
            return false;
        }
        if (n == 0) {
            fehler = ENOSPC;
            return false;
        }
        p += n;
        rest -= n;
    }
    return true;
}

// Where the new content goes. folgen: through links to the file they name.
// vorhanden and rechte describe what stands there now.
bool zielBestimmen(const QString& pfad, bool folgen, QString& ziel, bool& vorhanden, mode_t& rechte,
                   QString* grund)
{
    ziel = pfad;
    for (int tiefe = 0;; ++tiefe) {
        struct stat st
        {
        };
        if (::lstat(lokal(ziel).constData(), &st) != 0) {
            const int fehler = errno;
            if (fehler == ENOENT && tiefe == 0) {
                vorhanden = false;
                rechte = neueDateiRechte();
                return true;
            }
            setze(grund, fehler == ENOENT
                             ? QStringLiteral("die Verknüpfung zeigt auf keine vorhandene Datei")
                             : Systemgrund(fehler));
            return false;
        }
        if (S_ISLNK(st.st_mode) && folgen) {
            if (tiefe >= 40) {
                setze(grund, Systemgrund(ELOOP));
                return false;
            }
            const QString verweis = QFile::symLinkTarget(ziel);
            if (verweis.isEmpty()) {
                setze(grund, Systemgrund(EINVAL));
                return false;
            }
            ziel = verweis;
            continue;
        }
        vorhanden = true;
        if (S_ISREG(st.st_mode)) {
            rechte = st.st_mode & 07777;
            return true;
        }
        if (!folgen && !S_ISDIR(st.st_mode)) {
            rechte = neueDateiRechte(); // the entry goes, nothing of it is kept
            return true;
        }
        setze(grund, S_ISDIR(st.st_mode) ? Systemgrund(EISDIR) : KeineDateiGrund());
        return false;
    }
}

// Rewrites an existing ordinary file in place, for a directory that takes no
// temporary file. A failure midway leaves the file damaged: only the last resort.
bool anOrtSchreiben(const QString& ziel, const QByteArray& bytes, QString* grund)
{
    const int fd = ::open(lokal(ziel).constData(), O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        setze(grund, Systemgrund(errno));
        return false;
    }
    int fehler = 0;
    struct stat st
    {
    };
    if (::fstat(fd, &st) != 0)
        fehler = errno;
    else if (!S_ISREG(st.st_mode))
        fehler = -1;
    else if (schreibeAlles(fd, bytes, fehler) && ::ftruncate(fd, bytes.size()) != 0)
        fehler = errno;
    if (fehler == 0 && ::fsync(fd) != 0 && errno != EINVAL)
        fehler = errno;
    if (::close(fd) != 0 && fehler == 0)
        fehler = errno;
    if (fehler != 0)
        setze(grund, fehler < 0 ? KeineDateiGrund() : Systemgrund(fehler));
    return fehler == 0;
}

// A fresh temporary file beside ziel, made exclusively under an unpredictable
// name, filled, closed and renamed over ziel. -1: it could not be made (errno
// in fehler), so nothing was touched; 0: failed later; 1: done.
int ueberTemporaer(const QString& ziel, const QByteArray& bytes, mode_t rechte, bool aufPlatte,
                   int& fehler)
{
    const QFileInfo info(ziel);
    QByteArray muster = lokal(QDir(info.path()).filePath(info.fileName() + QLatin1String(".")));
    muster += "XXXXXX";
    const int fd = ::mkostemp(muster.data(), O_CLOEXEC);
    if (fd < 0) {
        fehler = errno;
        return -1;
    }
    bool ok = ::fchmod(fd, rechte) == 0;
    if (!ok)
        fehler = errno;
    ok = ok && schreibeAlles(fd, bytes, fehler);
    // a file system without sync (EINVAL) has nothing to wait for
    if (ok && aufPlatte && ::fsync(fd) != 0 && errno != EINVAL) {
        fehler = errno;
        ok = false;
    }
    if (::close(fd) != 0 && ok) {
        fehler = errno;
        ok = false;
    }
    if (ok && ::rename(muster.constData(), lokal(ziel).constData()) != 0) {
        fehler = errno;
        ok = false;
    }
    if (!ok)
        ::unlink(muster.constData());
    return ok ? 1 : 0;
}

bool ersetzen(const QString& pfad, const QByteArray& bytes, bool folgen, bool anOrtErlaubt,
              bool aufPlatte, QString* grund)
{
    QString ziel;
    bool vorhanden = false;
    mode_t rechte = 0;
    if (!zielBestimmen(pfad, folgen, ziel, vorhanden, rechte, grund))
        return false;
    int fehler = 0;
    const int r = ueberTemporaer(ziel, bytes, rechte, aufPlatte, fehler);
    if (r == 1)
        return true;
    const bool verzeichnisGesperrt = fehler == EACCES || fehler == EPERM || fehler == EROFS;
    if (r < 0 && anOrtErlaubt && vorhanden && verzeichnisGesperrt)
        return anOrtSchreiben(ziel, bytes, grund);
    setze(grund, Systemgrund(fehler));
    return false;
}

} // namespace

QString KeineDateiGrund()
{
    return QStringLiteral("das ist keine gewöhnliche Datei");
}

bool DateiErsetzen(const QString& pfad, const QByteArray& bytes, bool anOrtErlaubt, QString* grund)
{
    return ersetzen(pfad, bytes, true, anOrtErlaubt, true, grund);
}

bool DateiEintragErsetzen(const QString& pfad, const QByteArray& bytes, bool aufPlatte,
                          QString* grund)
{
    return ersetzen(pfad, bytes, false, false, aufPlatte, grund);
}

TLesen DateiLesen(const QString& pfad, QByteArray& inhalt, QString* grund, qint64 hoechstens)
{
    inhalt.clear();
    if (pfad.isEmpty())
        return TLesen::Fehlt;
    const QByteArray name = lokal(pfad);
    const auto fehlerFuer = [grund](int nummer) {
        if (nummer == ENOENT || nummer == ENOTDIR)
            return TLesen::Fehlt;
        setze(grund, Systemgrund(nummer));
        return TLesen::Fehler;
    };
    // Checked before opening, so that a FIFO or a device is never opened; the
    // open is non-blocking and checked again, for a swap in between.
    struct stat st
    {
    };
    if (::stat(name.constData(), &st) != 0)
        return fehlerFuer(errno);
    if (!S_ISREG(st.st_mode)) {
        setze(grund, KeineDateiGrund());
        return TLesen::KeineDatei;
    }
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return fehlerFuer(errno);
    TLesen ergebnis = TLesen::Gelesen;
    if (::fstat(fd, &st) != 0) {
        ergebnis = fehlerFuer(errno);
    } else if (!S_ISREG(st.st_mode)) {
        setze(grund, KeineDateiGrund());
        ergebnis = TLesen::KeineDatei;
    } else if (hoechstens >= 0 && st.st_size > hoechstens) {
        setze(grund, QStringLiteral("die Datei ist zu groß"));
        ergebnis = TLesen::Fehler;
    } else {
        try {
            inhalt.reserve(static_cast<qsizetype>(st.st_size));
            char puffer[65536];
            for (;;) {
                const ssize_t n = ::read(fd, puffer, sizeof puffer);
                if (n < 0 && errno == EINTR)
                    continue;
                if (n < 0) {
                    ergebnis = fehlerFuer(errno);
                    break;
                }
                if (n == 0)
                    break;
                inhalt.append(puffer, n);
                if (hoechstens >= 0 && inhalt.size() > hoechstens) {
                    setze(grund, QStringLiteral("die Datei ist zu groß"));
                    ergebnis = TLesen::Fehler;
                    break;
                }
            }
        } catch (const std::bad_alloc&) {
            setze(grund, Systemgrund(ENOMEM));
            ergebnis = TLesen::Fehler;
        }
    }
    ::close(fd);
    if (ergebnis != TLesen::Gelesen)
        inhalt.clear();
    return ergebnis;
}

} // namespace Fermalin
