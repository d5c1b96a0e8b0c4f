// The commands of the batch program. Each reads JSON Lines from a file or the
// standard input and writes one JSON object per line.
#pragma once

#include "Stapel.h"
#include "StapelStrom.h"

#include <QString>
#include <QStringList>

#include <memory>

class QCoreApplication;

namespace Fermalin {

struct TBefehl
{
    const char* name;
    // args: the arguments after the command's name. Returns the exit status.
    int (*ausfuehren)(const QStringList& args, TStapelAusgabe& aus);
    // The command's section of --help, after the general one; may be null.
    QString (*hilfe)() = nullptr;
};

// A German message on the error channel, with its line end.
void Melden(const QString& text);

// True for an argument that is an option ("--pdf", "-x"), not a file name.
bool IstOption(const QString& argument);
// Says which option is unknown when args holds one; false then.
bool KeineUnbekannteOption(const QStringList& args);

// The input of a command: the file named in dateien (the first), or the
// standard input when there is none.
class TEingabe
{
public:
    TEingabe() = default;
    TEingabe(const TEingabe&) = delete;
    TEingabe& operator=(const TEingabe&) = delete;
    ~TEingabe();

    // False, with a German message on the error channel, when it cannot be opened.
    bool oeffnen(const QStringList& dateien);
    int fd() const { return m_fd; }
    // The German message for a failed read, on the error channel.
    void leseFehlerMelden(int fehlernummer) const;

private:
    int m_fd = -1;
    bool m_eigene = false;
    QString m_name;
};

// Runs zeile over the lines of the file named in dateien (at most one), or of the
// standard input when there is none; exit status 2 for a bad call.
int ZeilenLaufen(const QStringList& dateien, const TZeilenFunktion& zeile, TStapelAusgabe& aus);

// "angebot": the hand-off file for the offer program (Befehl_Angebot.cpp).
int AngebotBefehl(const QStringList& args, TStapelAusgabe& aus);
QString AngebotHilfe();

// Every command; a new command adds its row here.
const QList<TBefehl>& Befehle();

// "bericht" (Befehl_Bericht.cpp).
int BerichtBefehl(const QStringList& args, TStapelAusgabe& aus);
QString BerichtHilfe();
// The application object: a graphical one (without a display) for a PDF report.
std::unique_ptr<QCoreApplication> AnwendungErzeugen(int& argc, char** argv);

} // namespace Fermalin
