// German number texts as the program's format placeholders produce them:
// "." thousands, "," decimals, halves rounded away from zero.
#pragma once

#include <QString>

namespace Fermalin {

// "%.*n": thousands separators and `nachkomma` decimals (0..18).
QString FormatN(double wert, int nachkomma);
// "%d"
QString FormatD(int wert);
// "%g": the shortest general form with up to 15 significant digits, no thousands
// separators; scientific ("1E20", "1,5E-7") from 16 integer digits or below 0,0001.
QString FormatG(double wert);

} // namespace Fermalin
