// Where the program keeps its files: beside itself, or in the user's folders
// when it is installed.
#pragma once

#include <QProcessEnvironment>
#include <QString>

namespace Fermalin {

// What the rule looks at; OrtsangabenErmitteln gathers it from the system.
struct TOrtsangaben
{
    QString ProgrammPfad;        // the program's full path
    bool InstallationDa = false; // "share/fermalin" lies beside the program's folder
    QString XdgConfigHome;       // $XDG_CONFIG_HOME, as set (may be empty)
    QString Heimatverzeichnis;   // the user's home folder
};

struct TProgrammOrte
{
    // In "<Präfix>/bin" beside "<Präfix>/share/fermalin", as a package or
    // cmake --install lays it out.
    bool Installiert = false;
    QString Datenordner;       // holds the four files below
    QString Einstellungsdatei; // the program's name with ".ini"
    QString Uebergabedatei;    // the program's name with ".dat"
    QString LogoDatei;         // "logo.bmp"
    QString LogoSicherung;     // "logo.bmp$", while the settings dialog is open
    QString Hilfeordner;       // "<Präfix>/share/fermalin" when installed, else empty
};

// The rule. A copy anywhere else (the build folder, a folder of its own) keeps
// everything beside itself. An installed copy never writes into the
// installation: its files go to "$XDG_CONFIG_HOME/fermalin" ("~/.config/fermalin"
// when the variable is unset, empty or not an absolute path).
TProgrammOrte ProgrammOrteFuer(const TOrtsangaben& angaben);

TOrtsangaben OrtsangabenErmitteln(const QString& programmPfad, const QProcessEnvironment& umgebung);

inline TProgrammOrte ProgrammOrteErmitteln(const QString& programmPfad,
                                           const QProcessEnvironment& umgebung)
{
    return ProgrammOrteFuer(OrtsangabenErmitteln(programmPfad, umgebung));
}

// Creates the data folder of an installed copy, readable by the user alone
// (it holds the client's case). False when it cannot be made; the writes then
// report their own errors.
bool DatenordnerAnlegen(const TProgrammOrte& orte);

} // namespace Fermalin
