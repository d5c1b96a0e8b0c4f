// Which contribution year and rule set a new computation takes: today's law by
// default, in the window and in the batch program alike.
#pragma once

#include "Foerderrecht.h"

#include <QDate>
#include <QList>

namespace Fermalin {

// The contribution year of the date, within the years the program computes
// (2010 to 2027): on 11 December 2026 it is 2026, from 1 January 2027 on 2027.
int VorgabeBeitragsjahr(const QDate& heute);

// The rule set of a new contract in that year: "neu" from 2027, before it the
// law of the year, "bisher" (§ 52 Abs. 50a S. 6 EStG).
TFoerderrecht VorgabeFoerderrecht(int beitragsjahr);

// Every contribution year the program computes, newest first (2027 ... 2010).
QList<int> WaehlbareBeitragsjahre();

// VorgabeBeitragsjahr of today's local date; read from the clock at most once a
// second, so that a batch line costs no date conversion.
int HeutigesBeitragsjahr();

} // namespace Fermalin
