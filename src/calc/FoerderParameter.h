// The constants of the allowance computation that do not change with the year:
// the contract tariffs and the slider; and, for callers that do not yet follow
// the contribution year, the statutory values of the default year. The values
// of every year are in the tables (ZulagenRecht.h and the tax and social
// insurance tables); the calculation looks them up by the record's year.
#pragma once

#include "ZulagenRecht.h"

namespace Fermalin {

struct TFoerderParameter
{
    // contribution year of a new record; incomes of the year before
    static constexpr int Beitragsjahr = ErstesBeitragsjahr;
    static constexpr const TZulagenJahr& Recht =
        ZulagenTabelleBisherDaten[Beitragsjahr - ErstesBeitragsjahr];

    // The default year's statutory values (see TZulagenJahr for units and sources)
    static constexpr double Grundzulage = Recht.Grundzulage;
    static constexpr double KinderzulageAlt = Recht.KinderzulageAlt;
    static constexpr double KinderzulageNeu = Recht.KinderzulageNeu;
    static constexpr int KohortenJahr = Recht.KohortenJahr;
    static constexpr double Mindestquote = Recht.Mindestquote;
    static constexpr double Hoechstbetrag = Recht.Hoechstbetrag;
    static constexpr double Sockelbetrag = Recht.Sockelbetrag;

    // tariff minimum of a contract of a directly entitled person (insurer's tariff), euros
    static constexpr double TarifMindestbeitrag = 120.0;
    // tariff minimum of the contract of an indirectly entitled spouse (insurer's
    // tariff), euros; from 2012 the statute asks more (TarifMindestbeitragMittelbarFuer)
    static constexpr double TarifMindestbeitragMittelbar = 30.0;
    // freely chosen own contributions move in steps of 0.50 euros a month
    static constexpr double BeitragsRaster = 6.0;
    // year of the incomes entered and tax year of the default contribution year
    static constexpr int Einkommensjahr = EinkommensjahrFuer(Beitragsjahr);
    static constexpr int Steuerjahr = SteuerjahrFuer(Beitragsjahr);
    // maximum position of the total-contribution slider
    static constexpr int BeitragsMax = 50;
};

} // namespace Fermalin
