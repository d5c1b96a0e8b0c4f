// The subsidy computation of one household: allowances, minimum contributions,
// slider marks, own and total contribution, tax saving and subsidy rate.
#pragma once

#include "ZulagenDaten.h"

namespace Fermalin {

// Fills every result field of d from its inputs, under the rule set the record
// asks for where its year has it (AngewandtesFoerderrecht; the reform's steps are
// BerechneZulagenNeu in ZulagenNeu.h). Throws EVorsorgeFehler when the
// taxable-income estimate refuses the input; the allowance and contribution
// results of this run stand then, zvE, Steuerersparnis and Foerderquote keep
// their previous values.
void BerechneZulagen(TZulagenDaten& d);

// The final stage: zvE, Sonderausgabenabzug, TariflicheMinderung, Steuerersparnis
// and Foerderquote from the granted allowances and contributions of the same run.
void BerechneSteuerersparnis(TZulagenDaten& d);

// Brings dependent inputs into line as the input page does: Einkommen2 only for
// a married couple with both entitled, AnzahlFoerderberechtigte, children to
// person 1 when single, Kinderzahl within 0..9.
void EingabenAngleichen(TZulagenDaten& d);

// The slider corrections of the input page after a computation: in minimum mode
// the position follows PositionVolleZulagen; otherwise, with the tariff minimums
// respected, it is not left below PositionTarMindBtr. True when it moved.
bool BeitragsPositionKorrigieren(TZulagenDaten& d);

// Church tax rate of a federal-state index: Baden-Württemberg (0) and Bayern (1)
// 8 %, every other state 9 %, none for a negative index.
double KiStSatzFuer(int bundesland);

// EingabenAngleichen, BerechneZulagen, the slider correction and, when the slider
// moved, one final BerechneZulagen.
void BerechneHaushalt(TZulagenDaten& d);

} // namespace Fermalin
