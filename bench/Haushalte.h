// Reproducible, varied households for the benchmarks.
#pragma once

#include "Zufall.h"
#include "ZulagenDaten.h"

#include <cstddef>
#include <cstdint>

namespace FermalinBench {

inline Fermalin::TZulagenDaten haushalt(TZufall& z)
{
    Fermalin::TZulagenDaten d;
    d.Verheiratet = z.bis(2) == 1;
    d.Doppelverdiener = d.Verheiratet && z.bis(3) > 0;
    d.Einkommen1 = z.bis(120000);
    d.Einkommen2 = d.Doppelverdiener ? z.bis(80000) : 0;
    d.Kinderzahl = z.bis(4);
    for (int i = 0; i < d.Kinderzahl; ++i) {
        d.KindGebJahr[static_cast<std::size_t>(i)] = 1990 + z.bis(20);
        d.KindPerson[static_cast<std::size_t>(i)] = d.Verheiratet ? 1 + z.bis(2) : 1;
    }
    d.MinBeitrag = z.bis(3) == 0;
    d.TarMindBtr = z.bis(2) == 0;
    d.BeitragsPosition = z.bis(51);
    d.Soli = z.bis(2) ? 0.055 : 0;
    d.Bundesland = z.bis(17) - 1;
    return d;
}

} // namespace FermalinBench
