// The company logo beside the program: the size a chosen picture is scaled to,
// and the backup that lets the settings dialog undo a new logo.
#pragma once

#include <QSize>
#include <QString>

namespace Fermalin {

// The box the printed report has room for.
inline constexpr int LogoMaxBreite = 300;
inline constexpr int LogoMaxHoehe = 70;

// The size a picture of this size is stored at: unchanged when it fits into
// 300 x 70, else shrunk by one factor so that it fits, the sides rounded to the
// nearest pixel with halves to even (never below 1).
QSize LogoZielgroesse(QSize bild);

// Copies the logo to its backup, the backup back over the logo, deletes the
// backup. Each does nothing when its source is missing; failures are ignored.
// What stands at the logo's name is kept exactly: a link is backed up as the
// link (its target is never written), an ordinary file as its bytes, anything
// else by a second name for it, never opened. Restoring puts that back in one
// step, in place of whatever stands there then.
void LogoBackup(const QString& logo, const QString& sicherung);
void LogoWiederherstellen(const QString& logo, const QString& sicherung);
void BackupLoeschen(const QString& sicherung);

} // namespace Fermalin
