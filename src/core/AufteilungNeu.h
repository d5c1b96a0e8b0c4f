// Splitting a couple's total own contribution under the reform's rules, where
// each contract's allowances follow its own contribution; and the split of given
// contributions under either rule set.
#pragma once

#include "Aufteilung.h"

namespace Fermalin {

// The split of a record computed under the reform's rules: the total divided so
// that both contracts together earn the most allowances, the distribution slider
// shown where the total can move between the contracts without losing any.
TAufteilung EigenbeitragAufteilenNeu(const TZulagenDaten& d, const TAufteilungsVorgabe& v);

// The split of given contributions (EigenbeitragVorgabe1/2, as the computation
// resolved them into EigenbeitragPerson1/2): the contracts keep them; no slider.
TAufteilung VorgegebeneAufteilung(const TZulagenDaten& d);

} // namespace Fermalin
