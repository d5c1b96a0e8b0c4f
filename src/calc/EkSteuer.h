// German income tax tariff (§ 32a EStG, 2001 to 2010) and the estimate of the
// taxable income from wages.
#pragma once

#include "SV_Groessen.h"

#include <stdexcept>
#include <string>

namespace Fermalin {

struct TZulagenDaten;

// Tariff table: 0 "unbekannt", 1 "Grundtabelle", anything else "Splittingtabelle".
using TTabelle = unsigned char;
constexpr TTabelle TabelleUnbekannt = 0;
constexpr TTabelle Grundtabelle = 1;
constexpr TTabelle Splittingtabelle = 2;

// Income tax in euros (whole euros, 2001 not rounded after the DM conversion);
// -1 for table 0 or a year before 2001. Years after 2010 use the 2010 tariff.
double Einkommensteuer(int jahr, TTabelle tabelle, double zvE);

// Tax on zvE minus tax on zvE - abzug, times 1 + zuschlagsatz, whole euros, ties to even.
double Steuerminderung(TTabelle tabelle, int jahr, double zvE, double abzug, double zuschlagsatz);

// Occupational status of a person.
enum TArt : unsigned char
{
    NichtErwerbstaetig = 0, // "Nicht erwerbstätig"
    Arbeitnehmer = 1,       // "Arbeitnehmer(in)": wages with statutory pension insurance
    Selbststaendig = 2,     // "Selbstständige(r)": no wages
    Beamter = 3,            // "Beamter/in": wages without own pension insurance
};

// Inputs of the general estimator; contributions are the employee's yearly amounts.
struct TZvEEingabe
{
    bool Verheiratet = false;
    int Kinderzahl = 0;
    int Jahr = 2010;
    double Lohn1 = 0, Lohn2 = 0;
    int Art1 = Arbeitnehmer, Art2 = NichtErwerbstaetig;
    bool GuenstigerVP = true; // the old-law lump sum competes with the new law
    double Ruerup = 0;        // other old-age contributions
    double KV1 = 0;
    bool Krankengeld1 = true;
    double PV1 = 0;
    double KV2 = 0;
    bool Krankengeld2 = true;
    double PV2 = 0;
    double AV1 = 0, AV2 = 0;
    bool NurAltesRecht = false;
    TRegion Region = TRegion::West;
};

struct TVorsorge
{
    double VorsorgeaufwandNeu = 0;
    double VorsorgepauschaleNeu = 0;
    double VorsorgeaufwandAlt = 0;
    double VorsorgepauschaleAlt = 0;
};

// Raised for an input the estimate cannot handle (a single person with a second wage).
class EVorsorgeFehler : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// Child tax allowance per child and parent, without the 1080 for care and education.
double Kinderfreibetrag(int jahr);
// Advance deduction of the old law (§ 10 Abs. 3 EStG 2004).
double Vorwegabzug(int jahr);

TVorsorge Vorsorgeaufwendungen(const TZvEEingabe& e);
double ZuVersteuerndesEinkommen(const TZvEEingabe& e);

// The household estimate of this program: tax year 2010, both persons employees
// in the West; lohn1 and lohn2 already rounded to whole euros.
double ZvESchaetzung(const TZulagenDaten& d, double lohn1, double lohn2);

} // namespace Fermalin
