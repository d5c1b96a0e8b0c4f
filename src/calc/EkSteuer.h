// The estimate of the taxable income from wages, and (from Tarif.h) the income
// tax tariff.
#pragma once

#include "SV_Groessen.h"
#include "Tarif.h"

#include <stdexcept>
#include <string>

namespace Fermalin {

struct TZulagenDaten;

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

// Advance deduction of the old law (§ 10 Abs. 3 EStG 2004) per person; 0 before
// 2005 and once the old law is no longer compared.
double Vorwegabzug(int jahr);

TVorsorge Vorsorgeaufwendungen(const TZvEEingabe& e);
double ZuVersteuerndesEinkommen(const TZvEEingabe& e);

// The household estimate of this program: the tax year of the record's
// contribution year, both persons employees in the West; lohn1 and lohn2 (wages
// of the year before) already rounded to whole euros.
double ZvESchaetzung(const TZulagenDaten& d, double lohn1, double lohn2);

} // namespace Fermalin
