// Notices a result carries where the law of its year is not complete: values not
// enacted are replaced by those in force, and the output and the report say so.
#pragma once

#include <span>
#include <string>
#include <vector>

namespace Fermalin {

struct TZulagenDaten;

// A tax year with no tariff enacted (§ 32a EStG: the version in force applies, see
// TarifFuer) and no social-insurance values fixed.
struct TVorlaeufigesJahr
{
    int Jahr;
    // the year whose social-insurance rates and ceilings apply instead
    int SozialversicherungAus;
};

std::span<const TVorlaeufigesJahr> VorlaeufigeJahre();

// The German notices for the record's tax year, one sentence each; empty when
// nothing needs saying.
std::vector<std::string> Hinweise(const TZulagenDaten& d);

} // namespace Fermalin
