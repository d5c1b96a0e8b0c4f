// Starting another program from a Windows-style command line and waiting for
// it: the eligibility checker beside the program.
#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

class QProcess;

namespace Fermalin {

// The checker's command: the program's directory followed by
// "../Talven_Pruvex/Pruvex.exe", else by "Pruvex.exe"; in double quotes when
// it holds a blank; empty when neither file exists.
QString PruvexPfadFuer(const QString& programmPfad);

struct TProzessAufruf
{
    QString Programm;
    QStringList Argumente;
    QString Verzeichnis; // empty: the current directory of this program
};

// Command line = befehl, a blank, parameter, split as the platform splits it
// (double quotes group). Command line and directory are each held to 1023
// characters as the start buffers are; a longer one, or an empty command,
// counts as a failed start (nothing).
std::optional<TProzessAufruf> ProzessAufrufBauen(const QString& befehl, const QString& parameter,
                                                 const QString& verzeichnis);

// Starts without waiting; nothing when the start failed.
std::unique_ptr<QProcess> StarteProzess(const QString& befehl, const QString& parameter,
                                        const QString& verzeichnis);

// Starts, waits until the program has ended, and returns its exit code; -1 when
// it could not be started or crashed. warten does the waiting (a window keeps
// repainting there); without it the thread blocks.
int StarteUndWarte(const QString& befehl, const QString& parameter, const QString& verzeichnis,
                   const std::function<void(QProcess&)>& warten = {});

} // namespace Fermalin
