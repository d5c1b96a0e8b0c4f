#include "Vergleich.h"

#include "Zulagen.h"

namespace Fermalin {

TVergleich BerechneVergleich(const TZulagenDaten& d)
{
    TVergleich v;
    v.Bisher = d;
    v.Bisher.Foerderrecht = TFoerderrecht::Bisher;
    BerechneHaushalt(v.Bisher);
    v.Neu = d;
    v.Neu.Foerderrecht = TFoerderrecht::Neu;
    BerechneHaushalt(v.Neu);

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
