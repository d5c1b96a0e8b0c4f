// The commands of the batch program. Each reads JSON Lines from a file or the
// standard input and writes one JSON object per line.
#pragma once

#include "Stapel.h"

#include <QFile>
#include <QIODevice>
#include <QString>
#include <QStringList>

#include <memory>

class QCoreApplication;

namespace Fermalin {

struct TBefehl
{
    const char* name;
    // args: the arguments after the command's name. Returns the exit status.
    int (*ausfuehren)(const QStringList& args, QIODevice& aus);
    // The command's section of --help, after the general one; may be null.
    QString (*hilfe)() = nullptr;
};

// Opens the file named in dateien (the first), or the standard input when there
// is none; a German message on the error channel when it cannot be read.
bool EingabeOeffnen(const QStringList& dateien, QFile& ein);

// Runs zeile over the lines of the file named in dateien (at most one), or of the
// standard input when there is none; exit status 2 for a bad call.
int ZeilenLaufen(const QStringList& dateien, const TZeilenFunktion& zeile, QIODevice& aus);

// "angebot": the hand-off file for the offer program (Befehl_Angebot.cpp).
int AngebotBefehl(const QStringList& args, QIODevice& aus);
QString AngebotHilfe();

// Every command; a new command adds its row here.
const QList<TBefehl>& Befehle();

// "bericht" (Befehl_Bericht.cpp).
int BerichtBefehl(const QStringList& args, QIODevice& aus);
QString BerichtHilfe();
// The application object: a graphical one (without a display) for a PDF report.
std::unique_ptr<QCoreApplication> AnwendungErzeugen(int& argc, char** argv);

} // namespace Fermalin
