// German number texts as the program's format placeholders produce them:
// "." thousands, "," decimals, halves rounded away from zero.
#pragma once

#include <QString>

namespace Fermalin {

// "%.*n": thousands separators and `nachkomma` decimals (0..18).
QString FormatN(double wert, int nachkomma);
// "%d"
QString FormatD(int wert);

} // namespace Fermalin
