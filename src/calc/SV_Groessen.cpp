#include "SV_Groessen.h"

#include "Beitragsjahr.h"

#include <algorithm>
#include <iterator>

namespace Fermalin {

namespace {

// Rates in percent, ceilings in euros per year. Rates and ceilings from the
// yearly Sozialversicherungs-Rechengrößenverordnung and the rate laws; the
// average Zusatzbeitrag from the notice of the Federal Ministry of Health.
// Before 2010 the rates are those the estimate has always used.
constexpr TSVJahr SVZeilen[] = {
    // Jahr, RV, AV, KV, ermäßigt, Zusatz, AN allein, PV, Sachsen, kinderlos, Abschlag,
    // BBG RV West, Ost, BBG KV
    {2001, 19.5, 6.5, 14.2, 14.2, 0, 0.9, 1.7, 0.5, 0, 0, 53378.87, 44789.17, 0},
    {2002, 19.5, 6.5, 14.2, 14.2, 0, 0.9, 1.7, 0.5, 0, 0, 54000, 45000, 0},
    {2003, 19.5, 6.5, 14.2, 14.2, 0, 0.9, 1.7, 0.5, 0, 0, 61200, 51000, 0},
    {2004, 19.5, 6.5, 14.2, 14.2, 0, 0.9, 1.7, 0.5, 0, 0, 61800, 52200, 41850},
    // childless surcharge from 2005 (Kinder-Berücksichtigungsgesetz)
    {2005, 19.5, 6.5, 14.2, 14.2, 0, 0.9, 1.7, 0.5, 0.25, 0, 62400, 52800, 42300},
    {2006, 19.5, 6.5, 14.2, 14.2, 0, 0.9, 1.7, 0.5, 0.25, 0, 63000, 52800, 42750},
    {2007, 19.9, 4.2, 14.2, 14.2, 0, 0.9, 1.7, 0.5, 0.25, 0, 63000, 54600, 42750},
    {2008, 19.9, 3.3, 13.8, 13.8, 0, 0.9, 1.95, 0.5, 0.25, 0, 63600, 54000, 43200},
    {2009, 19.9, 2.8, 15.5, 14.9, 0, 0.9, 1.95, 0.5, 0.25, 0, 64800, 54600, 44100},
    {2010, 19.9, 2.8, 14.9, 14.3, 0, 0.9, 1.95, 0.5, 0.25, 0, 66000, 55800, 45000},
    {2011, 19.9, 3.0, 15.5, 14.9, 0, 0.9, 1.95, 0.5, 0.25, 0, 66000, 57600, 44550},
    {2012, 19.6, 3.0, 15.5, 14.9, 0, 0.9, 1.95, 0.5, 0.25, 0, 67200, 57600, 45900},
    {2013, 18.9, 3.0, 15.5, 14.9, 0, 0.9, 2.05, 0.5, 0.25, 0, 69600, 58800, 47250},
    {2014, 18.9, 3.0, 15.5, 14.9, 0, 0.9, 2.05, 0.5, 0.25, 0, 71400, 60000, 48600},
    // GKV-FQWG: general rate 14.6, the employee pays the Zusatzbeitrag alone
    {2015, 18.7, 3.0, 14.6, 14.0, 0.9, 0.9, 2.35, 0.5, 0.25, 0, 72600, 62400, 49500},
    {2016, 18.7, 3.0, 14.6, 14.0, 1.1, 1.1, 2.35, 0.5, 0.25, 0, 74400, 64800, 50850},
    {2017, 18.7, 3.0, 14.6, 14.0, 1.1, 1.1, 2.55, 0.5, 0.25, 0, 76200, 68400, 52200},
    {2018, 18.6, 3.0, 14.6, 14.0, 1.0, 1.0, 2.55, 0.5, 0.25, 0, 78000, 69600, 53100},
    // GKV-Versichertenentlastungsgesetz: the Zusatzbeitrag borne in halves
    {2019, 18.6, 2.5, 14.6, 14.0, 0.9, 0, 3.05, 0.5, 0.25, 0, 80400, 73800, 54450},
    {2020, 18.6, 2.4, 14.6, 14.0, 1.1, 0, 3.05, 0.5, 0.25, 0, 82800, 77400, 56250},
    {2021, 18.6, 2.4, 14.6, 14.0, 1.3, 0, 3.05, 0.5, 0.25, 0, 85200, 80400, 58050},
    // GVWG: childless surcharge 0.35
    {2022, 18.6, 2.4, 14.6, 14.0, 1.3, 0, 3.05, 0.5, 0.35, 0, 84600, 81000, 58050},
    // PUEG: from 1 July 3.4 %, surcharge 0.6, discount 0.25 per child; each half
    // of the year counts half
    {2023, 18.6, 2.6, 14.6, 14.0, 1.6, 0, 3.225, 0.5, 0.475, 0.125, 87600, 85200, 59850},
    {2024, 18.6, 2.6, 14.6, 14.0, 1.7, 0, 3.4, 0.5, 0.6, 0.25, 90600, 89400, 62100},
    // one pension ceiling for all of Germany from 2025 (Rentenüberleitungs-Abschlussgesetz)
    {2025, 18.6, 2.6, 14.6, 14.0, 2.5, 0, 3.6, 0.5, 0.6, 0.25, 96600, 96600, 66150},
    {2026, 18.6, 2.6, 14.6, 14.0, 2.9, 0, 3.6, 0.5, 0.6, 0.25, 101400, 101400, 69750},
    // 2027 not fixed yet: the 2026 values in force
    {2027, 18.6, 2.6, 14.6, 14.0, 2.9, 0, 3.6, 0.5, 0.6, 0.25, 101400, 101400, 69750},
};
static_assert(JahreLueckenlos(std::span<const TSVJahr>(SVZeilen)));
static_assert(std::end(SVZeilen)[-1].Jahr == LetztesTabellenjahr);

// § 55 Abs. 3 SGB XI: the discount counts the second to the fifth child.
constexpr int PVKinderabschlagHoechstzahl = 4;

} // namespace

std::span<const TSVJahr> SVTabelle()
{
    return SVZeilen;
}

const TSVJahr& SVFuer(int jahr)
{
    return ZeileFuer(SVTabelle(), jahr);
}

double RVSatz(int jahr)
{
    return SVFuer(jahr).RV;
}

double AVSatz(int jahr)
{
    return SVFuer(jahr).AV;
}

double KVSatz(bool arbeitnehmerAnteil, bool ermaessigt, int jahr)
{
    const TSVJahr& z = SVFuer(jahr);
    const double r = (ermaessigt ? z.KVErmaessigt : z.KV) + z.KVZusatz;
    // half of the rest is the employer's
    return arbeitnehmerAnteil ? (r - z.KVNurArbeitnehmer) / 2 + z.KVNurArbeitnehmer : r;
}

double PVSatz(int jahr, bool kinderlos, bool arbeitnehmerAnteil, bool sachsen, int kinderUnter25)
{
    const TSVJahr& z = SVFuer(jahr);
    double r = z.PV;
    if (arbeitnehmerAnteil) {
        r = r / 2;
        if (sachsen)
            r += z.PVSachsen; // Saxony kept its holiday
        if (kinderUnter25 >= 2)
            r -= z.PVKinderabschlag * std::min(PVKinderabschlagHoechstzahl, kinderUnter25 - 1);
    }
    if (kinderlos)
        r += z.PVKinderlos;
    return r;
}

double BBG_RV(int jahr, int region)
{
    if (jahr < SVZeilen[0].Jahr)
        return 0;
    const TSVJahr& z = SVFuer(jahr);
    if (region == static_cast<int>(TRegion::West))
        return z.BBG_RVWest;
    if (region == static_cast<int>(TRegion::Ost))
        return z.BBG_RVOst;
    return 0;
}

double BBG_KV(int jahr)
{
    return jahr < SVZeilen[0].Jahr ? 0 : SVFuer(jahr).BBG_KV;
}

} // namespace Fermalin
