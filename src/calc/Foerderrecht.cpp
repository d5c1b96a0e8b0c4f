#include "Foerderrecht.h"

#include "ZulagenDaten.h"
#include "ZulagenRecht.h"

namespace Fermalin {

static_assert(ZulagenTabelleNeuDaten[0].Jahr == ErstesBeitragsjahrNeu);

std::vector<int> BerechenbareBeitragsjahre()
{
    std::vector<int> jahre;
    for (int j = LetztesBeitragsjahr; j >= ErstesBeitragsjahr; --j)
        jahre.push_back(j);
    return jahre;
}

const char* FoerderrechtText(TFoerderrecht recht)
{
    return recht == TFoerderrecht::Neu ? "neu" : "bisher";
}

bool FoerderrechtLesen(std::string_view text, TFoerderrecht& recht)
{
    if (text == "bisher")
        recht = TFoerderrecht::Bisher;
    else if (text == "neu")
        recht = TFoerderrecht::Neu;
    else
        return false;
    return true;
}

TFoerderrecht AngewandtesFoerderrecht(const TZulagenDaten& d)
{
    return FoerderrechtGilt(d.Steuerjahr(), d.Foerderrecht) ? d.Foerderrecht
                                                            : TFoerderrecht::Bisher;
}

std::string FoerderrechtFehler(const TZulagenDaten& d)
{
    if (!IstBerechenbaresBeitragsjahr(d.Beitragsjahr))
        return "\"Beitragsjahr\" muss zwischen " + std::to_string(ErstesBeitragsjahr) + " und " +
               std::to_string(LetztesBeitragsjahr) + " liegen.";
    if (!FoerderrechtGilt(d.Beitragsjahr, d.Foerderrecht))
        return "\"Foerderrecht\" \"neu\" gilt erst ab dem Beitragsjahr " +
               std::to_string(ErstesBeitragsjahrNeu) + "; für " + std::to_string(d.Beitragsjahr) +
               " gilt nur \"bisher\".";
    if (!d.Verheiratet && d.EigenbeitragVorgabe2 >= 0)
        return "\"Eigenbeitrag2\" gibt es nur für Verheiratete: eine einzelne Person hat "
               "einen Vertrag.";
    return {};
}

std::string VergleichFehler(const TZulagenDaten& d)
{
    if (d.Beitragsjahr < ErstesBeitragsjahrNeu)
        return "\"Vergleich\" gibt es erst ab dem Beitragsjahr " +
               std::to_string(ErstesBeitragsjahrNeu) + "; für " + std::to_string(d.Beitragsjahr) +
               " gilt nur \"bisher\".";
    return FoerderrechtFehler(d);
}

} // namespace Fermalin
