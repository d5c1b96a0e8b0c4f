// Reading and replacing files, for every file the program reads or writes
// itself: never blocking on a FIFO or a device, never writing through a name
// onto something that is not an ordinary file, and every failure with a German
// reason.
#pragma once

#include <QByteArray>
#include <QString>

namespace Fermalin {

// Writes bytes to a fresh temporary file beside the target and renames it into
// place, so a reader never sees half a file and a failure leaves the old file as
// it was. Only ordinary files are replaced: a link to one replaces the file the
// link names and the link stays; a link to anything else, a dangling link, a
// FIFO, a device or a directory is refused. With anOrtErlaubt, an existing file
// in a directory that takes no temporary file is rewritten in place instead.
// Every write, the sync and the close are checked. On failure grund gets the
// German reason.
bool DateiErsetzen(const QString& pfad, const QByteArray& bytes, bool anOrtErlaubt,
                   QString* grund = nullptr);

// The same for a name the program owns outright (the chart picture, the logo):
// whatever stands at pfad, a link included, is replaced by the new file, and
// nothing a link names is touched. aufPlatte: wait until the bytes are on disk.
bool DateiEintragErsetzen(const QString& pfad, const QByteArray& bytes, bool aufPlatte,
                          QString* grund = nullptr);

enum class TLesen
{
    Gelesen,
    Fehlt,      // no such file (a dangling link included)
    KeineDatei, // a FIFO, a device, a directory: never opened
    Fehler      // there, but it cannot be read whole (grund says why)
};

// Reads an ordinary file whole, following links. Anything else is not opened,
// so a FIFO never blocks. hoechstens: a larger file is not read (Fehler).
TLesen DateiLesen(const QString& pfad, QByteArray& inhalt, QString* grund = nullptr,
                  qint64 hoechstens = -1);

// The reason DateiErsetzen and DateiLesen give for something that is not an
// ordinary file.
QString KeineDateiGrund();

} // namespace Fermalin
