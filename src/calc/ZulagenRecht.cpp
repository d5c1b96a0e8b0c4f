#include "ZulagenRecht.h"

#include "FoerderParameter.h"

#include <algorithm>

namespace Fermalin {

double MindestbeitragMittelbarFuer(int beitragsjahr)
{
    return ZulagenRechtBisher(beitragsjahr).MindestbeitragMittelbar;
}

double TarifMindestbeitragMittelbarFuer(int beitragsjahr)
{
    return std::max(TFoerderParameter::TarifMindestbeitragMittelbar,
                    MindestbeitragMittelbarFuer(beitragsjahr));
}

bool MittelbarZulageberechtigt(int beitragsjahr, double eigenbeitrag)
{
    return eigenbeitrag >= MindestbeitragMittelbarFuer(beitragsjahr);
}

} // namespace Fermalin
