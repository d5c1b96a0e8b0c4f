// The two rule sets of the allowances and the § 10a deduction: the rules as they
// stood up to 2026 ("bisher"), which contracts concluded before 2027 keep (§ 52
// Abs. 50a S. 1 EStG), and the reform's rules from contribution year 2027 ("neu",
// Altersvorsorgereformgesetz of 26.05.2026, BGBl. 2026 I Nr. 156). A household is
// computed under one rule set (§ 52 Abs. 50a S. 8 EStG pulls the indirectly
// entitled spouse to the other spouse's rules).
#pragma once

#include "Beitragsjahr.h"

#include <string>
#include <string_view>
#include <vector>

namespace Fermalin {

struct TZulagenDaten;

enum class TFoerderrecht : unsigned char
{
    Bisher,
    Neu
};

// First contribution year of the reform's rules (Art. 2, Art. 14 Abs. 2 of the act).
constexpr int ErstesBeitragsjahrNeu = 2027;
// Last contribution year the calculation computes: 2027 under both rule sets.
constexpr int LetztesBeitragsjahr = LetztesTabellenjahr;
static_assert(ErstesBeitragsjahrNeu <= LetztesBeitragsjahr);

// 2010 to 2027. IstBeitragsjahr keeps the years of the old rules alone until the
// window and the batch program offer the choice of rule set.
constexpr bool IstBerechenbaresBeitragsjahr(int jahr)
{
    return jahr >= ErstesBeitragsjahr && jahr <= LetztesBeitragsjahr;
}

// Every year the calculation computes, newest first.
std::vector<int> BerechenbareBeitragsjahre();

// "neu" exists from 2027 only; "bisher" in every year (from 2027 for contracts
// concluded before it).
constexpr bool FoerderrechtGilt(int beitragsjahr, TFoerderrecht recht)
{
    return recht == TFoerderrecht::Bisher || beitragsjahr >= ErstesBeitragsjahrNeu;
}

// The rule set a new contract gets in that year: "neu" from 2027 (§ 52 Abs. 50a S.
// 6 EStG), "bisher" before.
constexpr TFoerderrecht FoerderrechtFuerNeuvertrag(int beitragsjahr)
{
    return beitragsjahr >= ErstesBeitragsjahrNeu ? TFoerderrecht::Neu : TFoerderrecht::Bisher;
}

// "bisher" or "neu", as the batch program and the hand-off file write it.
const char* FoerderrechtText(TFoerderrecht recht);
// True and sets recht for "bisher" or "neu"; false for anything else.
bool FoerderrechtLesen(std::string_view text, TFoerderrecht& recht);

// The rule set the calculation applies to the record: "neu" only when asked for
// and the year has it; before 2027 the law of the year, "bisher".
TFoerderrecht AngewandtesFoerderrecht(const TZulagenDaten& d);

// Why the record's choice of rule set and given contributions cannot be computed,
// in German and naming the batch keys; empty when they can.
std::string FoerderrechtFehler(const TZulagenDaten& d);

// Why the comparison of both rule sets cannot be shown for the record; empty when
// it can (from 2027).
std::string VergleichFehler(const TZulagenDaten& d);

} // namespace Fermalin
