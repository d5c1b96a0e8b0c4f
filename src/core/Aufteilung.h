// Splitting a couple's total own contribution between the two contracts, with
// the sentence that explains the split and the hint of the distribution slider.
#pragma once

#include "ZulagenDaten.h"

#include <QString>

namespace Fermalin {

enum class TFamilienstand
{
    Ledig,
    Doppelverdiener,
    Einzelverdiener
};

// The family status as the input page's radio buttons give it.
TFamilienstand FamilienstandVon(const TZulagenDaten& d);

struct TAufteilungsVorgabe
{
    TFamilienstand Familienstand = TFamilienstand::Ledig;
    bool MinBeitrag = false; // "minimaler Eigenbeitrag"
    bool TarMindBtr = false; // "tarifliche Mindestbeiträge beachten"
    int Position = 0;        // distribution slider, 0..PositionMax
    int PositionMax = 50;
    bool fuerAngebot = false; // offer page (true) or report (false)
};

struct TAufteilung
{
    double Eigenbeitrag1 = 0;
    double Eigenbeitrag2 = 0;
    double Eigenbeitrag = 0;    // the total after the split (may be raised or cut)
    QString Info;               // the explaining sentence, possibly empty
    bool Schieberegler = false; // the distribution slider (and its hint) is shown
    QString Hinweis;            // the hint; only meaningful when Schieberegler
};

// Reads Eigenbeitrag, Einkommen1/2 and the full allowances of a computed record
// and splits by the rule set the record was computed under: given contributions
// as they are (VorgegebeneAufteilung), the reform's rules by the most allowances
// (EigenbeitragAufteilenNeu, AufteilungNeu.h), the old rules by the minimum and
// maximum own contributions (EigenbeitragAufteilenBisher).
TAufteilung EigenbeitragAufteilen(const TZulagenDaten& d, const TAufteilungsVorgabe& v);

// The split under the old rules.
TAufteilung EigenbeitragAufteilenBisher(const TZulagenDaten& d, const TAufteilungsVorgabe& v);

// Inner slider positions snap to a grid that fits the step per position, so
// that moving the slider by one gives round amounts (both rule sets).
double AufRaster(double e1, double schritt);

// The split's settings as the record's own switches give them, with the
// distribution slider at position (0..positionMax).
TAufteilungsVorgabe AufteilungsVorgabeFuer(const TZulagenDaten& d, int position, bool fuerAngebot,
                                           int positionMax = 50);

} // namespace Fermalin
