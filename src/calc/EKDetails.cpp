#include "EKDetails.h"

#include "EkSteuer.h"
#include "MathUnit.h"
#include "Zulagen.h"
#include "Zuschlaege.h"

namespace Fermalin {

double ZvEVorschau(const TZulagenDaten& d, double ek1, double ek2, double ek1nr, double ek2nr,
                   bool person2)
{
    const double l2 = person2 ? runden(0, ek2) : 0;
    const double n2 = person2 ? ek2nr : 0;
    return runden(0, ZvESchaetzung(d, runden(0, ek1), l2) + ek1nr + n2);
}

double DeltazvEFuer(const TZulagenDaten& d, double zvE, double lohn1, double lohn2)
{
    const double nr = d.EinkommenNR1 + (d.Verheiratet ? d.EinkommenNR2 : 0);
    return zvE - (nr + ZvESchaetzung(d, runden(0, lohn1), runden(0, lohn2)));
}

void EKAngabenAnwenden(TZulagenDaten& d, const TEKAngaben& a, double lohn1, double lohn2)
{
    d.EinkommenNR1 = a.EK1nr;
    d.EinkommenNR2 = a.EK2nr;
    d.Einkommen1 = lohn1;
    d.Einkommen2 = lohn2;
    d.DeltazvE = a.zvEAutomatisch ? 0 : DeltazvEFuer(d, a.zvE, lohn1, lohn2);
    d.Soli = a.Soli ? SoliSatz(d.Steuerjahr()) : 0;
    if (a.KiSt) {
        d.Bundesland = a.Bundesland;
        d.KiStSatz = KiStSatzFuer(d.Steuerjahr(), a.Bundesland);
    } else {
        d.KiStSatz = 0;
        d.Bundesland = -1;
    }
}

} // namespace Fermalin
