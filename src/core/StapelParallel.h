// The batch loop on several threads: blocks of complete lines are computed side
// by side, their answers written strictly in input order.
#pragma once

#include "Stapel.h"

#include <QByteArray>

namespace Fermalin {

// The answer to a line longer than the reader keeps.
QByteArray ZuLangeZeileObjekt(qint64 nummer);

// How many threads compute the lines: FERMALIN_FAEDEN when it is a whole number
// from 1 to 64, else one per processor core, at least 1.
int StapelFaeden();

// StapelLaufen on faeden threads beside the one that reads and writes; the same
// bytes, messages, line numbers and exit status as one thread gives. Before the
// reader waits for more input, every answer so far is written.
int StapelParallelLaufen(const TZeilenFunktion& funktion, TZeilenLeser& ein, TStapelAusgabe& aus,
                         int faeden);

} // namespace Fermalin
