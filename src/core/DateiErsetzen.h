// Replacing a file's content in one step, for every file the program writes.
#pragma once

#include <QByteArray>
#include <QString>

namespace Fermalin {

// Writes bytes to a temporary file beside pfad and renames it into place, so a
// reader never sees half a file and a failure leaves the old file as it was.
// With anOrtErlaubt, an existing file in a directory that takes no temporary
// file is rewritten in place instead. Unbuffered, so that a short write (disk
// full, a size limit) is noticed and never committed as success. On failure
// grund gets the system's reason.
bool DateiErsetzen(const QString& pfad, const QByteArray& bytes, bool anOrtErlaubt,
                   QString* grund = nullptr);

} // namespace Fermalin
