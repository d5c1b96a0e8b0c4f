#include "Vergleich.h"

#include "Zulagen.h"

namespace Fermalin {

TVergleich BerechneVergleich(const TZulagenDaten& d)
{
    TZulagenDaten bisher = d;
    bisher.Foerderrecht = TFoerderrecht::Bisher;
    BerechneHaushalt(bisher);
    TZulagenDaten neu = d;
    neu.Foerderrecht = TFoerderrecht::Neu;
    BerechneHaushalt(neu);
    return VergleichAus(bisher, neu);
}

TVergleich VergleichAus(const TZulagenDaten& bisher, const TZulagenDaten& neu)
{
    TVergleich v;
    v.Bisher = bisher;
    v.Neu = neu;
    const TZulagenDaten& a = v.Bisher;
    const TZulagenDaten& n = v.Neu;
    TVergleichsDifferenz& x = v.Differenz;
    x.Zulagen1 = Zulagen1(n) - Zulagen1(a);
    x.Zulagen2 = Zulagen2(n) - Zulagen2(a);
    x.Zulagen = n.GewaehrteZulagen() - a.GewaehrteZulagen();
    x.Eigenbeitrag = n.Eigenbeitrag - a.Eigenbeitrag;
    x.Gesamtbeitrag = n.Gesamtbeitrag - a.Gesamtbeitrag;
    x.Steuerersparnis = n.Steuerersparnis - a.Steuerersparnis;
    x.Foerderung = Foerderung(n) - Foerderung(a);
    x.Foerderquote = n.Foerderquote - a.Foerderquote;
    v.Hoeher = Foerderung(n) > Foerderung(a) ? TFoerderrecht::Neu : TFoerderrecht::Bisher;
    return v;
}

} // namespace Fermalin
