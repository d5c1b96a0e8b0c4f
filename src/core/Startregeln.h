// Rules of the program's start and of the main window's size that need no window.
#pragma once

#include <QPoint>
#include <QProcessEnvironment>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

#include <optional>

namespace Fermalin {

struct TStartModus
{
    bool Einzelversion = true;  // false when an offer program started us ("k" or "K")
    bool Angebotsseite = false; // "back" as the first argument: open the offer page
};

// args as QCoreApplication::arguments(): the program path first.
TStartModus StartModusAus(const QStringList& args);

// The size the window takes for a requested outer size, or nothing when the
// request is refused (smaller than the start size). The aspect ratio of the
// start size is kept and the work area is never exceeded; halves round to even.
std::optional<QSize> GroesseAnpassen(QSize gewuenscht, QSize start, double seitenverhaeltnis,
                                     QSize arbeitsbereich);

// The design position of a window of the given size, moved into the work area
// as far as needed (its top left corner stays visible when it is too large).
QPoint EntwurfsPosition(QPoint entwurf, QSize groesse, const QRect& arbeitsbereich);

// Directory of the chart picture: the first usable of "temp", TEMP, TMP and
// TMPDIR (an absolute path of a directory the program may write), and only when
// none of them is set, the system's temporary directory systemTemp. Empty when
// there is no usable one: never the current directory, never the root by accident.
QString TemporaeresVerzeichnis(const QProcessEnvironment& umgebung,
                               const QString& systemTemp = QStringLiteral("/tmp"));
// Empty without a usable temporary directory: then there is no chart picture.
QString GrafikDateiPfad(const QProcessEnvironment& umgebung,
                        const QString& systemTemp = QStringLiteral("/tmp"));

// The program's path with its extension replaced (".ini", ".dat").
QString PfadMitEndung(const QString& programmPfad, const QString& endung);

} // namespace Fermalin
