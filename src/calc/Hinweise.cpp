#include "Hinweise.h"

#include "Tarif.h"
#include "ZulagenDaten.h"

namespace Fermalin {

namespace {

// 2027: the Einkommensteuerreformgesetz 2027 is a bill (BR-Drs. 507/26), § 32a
// reads "ab dem Veranlagungszeitraum 2026"; the SVBezGrV 2027 is a draft.
constexpr TVorlaeufigesJahr VorlaeufigeZeilen[] = {
    {2027, 2026},
};

} // namespace

std::span<const TVorlaeufigesJahr> VorlaeufigeJahre()
{
    return VorlaeufigeZeilen;
}

std::vector<std::string> Hinweise(const TZulagenDaten& d)
{
    std::vector<std::string> hinweise;
    const int jahr = d.Steuerjahr();
    for (const TVorlaeufigesJahr& v : VorlaeufigeJahre()) {
        if (v.Jahr != jahr)
            continue;
        const std::string j = std::to_string(jahr);
        hinweise.push_back("Für das Steuerjahr " + j +
                           " ist noch kein Einkommensteuertarif verkündet; gerechnet wird mit "
                           "dem geltenden Tarif (§ 32a EStG, Werte ab dem Veranlagungszeitraum " +
                           std::to_string(TarifFuer(jahr).AbJahr) +
                           ") und den Sozialversicherungswerten " +
                           std::to_string(v.SozialversicherungAus) + ".");
    }
    return hinweise;
}

} // namespace Fermalin
