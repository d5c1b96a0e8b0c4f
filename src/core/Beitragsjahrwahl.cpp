#include "Beitragsjahrwahl.h"

#include <algorithm>
#include <ctime>
#include <mutex>

namespace Fermalin {

int VorgabeBeitragsjahr(const QDate& heute)
{
    // Without a date the newest law is the best guess at today's.
    if (!heute.isValid())
        return LetztesBeitragsjahr;
    return std::clamp(heute.year(), ErstesBeitragsjahr, LetztesBeitragsjahr);
}

TFoerderrecht VorgabeFoerderrecht(int beitragsjahr)
{
    return FoerderrechtFuerNeuvertrag(beitragsjahr);
}

QList<int> WaehlbareBeitragsjahre()
{
    const std::vector<int> jahre = BerechenbareBeitragsjahre();
    return QList<int>(jahre.begin(), jahre.end());
}

int HeutigesBeitragsjahr()
{
    // The year changes once a year: the clock's second is cheap, the local date
    // is not; keep the year with the second it was read in.
    thread_local std::time_t gelesenUm = -1;
    thread_local int jahr = 0;
    const std::time_t jetzt = std::time(nullptr);
    if (jetzt != gelesenUm) {
        // the local date reads the time zone, which batch threads must not do at once
        static std::mutex zeitzone;
        const std::lock_guard<std::mutex> sperre(zeitzone);
        jahr = VorgabeBeitragsjahr(QDate::currentDate());
        gelesenUm = jetzt;
    }
    return jahr;
}

} // namespace Fermalin
