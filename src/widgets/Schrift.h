// The program's one typeface, asked for by pixel height as the window layouts
// give it.
#pragma once

#include <QFont>

namespace Fermalin {

// "Microsoft Sans Serif" where it exists; elsewhere a metric look-alike
// ("Liberation Sans", then "Arial") so that texts keep the widths the layouts
// were made for.
QFont ProgrammSchrift(int pixelHoehe, bool fett = false);

} // namespace Fermalin
