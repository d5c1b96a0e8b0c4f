// The allowance rules of §§ 10a, 79, 84-86 EStG per contribution year, as they
// stood up to 2026 ("bisher"); 2027 holds them for contracts concluded before
// 2027 (§ 52 Abs. 50a S. 1 EStG); and beside them the reform's rules from 2027
// ("neu", ZulagenRechtNeu).
#pragma once

#include "Beitragsjahr.h"

#include <iterator>
#include <span>

namespace Fermalin {

struct TZulagenJahr
{
    int Jahr;
    // euros per entitled person, § 84 S. 1 EStG
    double Grundzulage;
    // euros once, directly entitled person under 25, § 84 S. 2 EStG
    double Berufseinsteigerbonus;
    // euros per child born before KohortenJahr, § 85 Abs. 1 S. 1 EStG
    double KinderzulageAlt;
    // euros per child born in or after KohortenJahr, § 85 Abs. 1 S. 2 EStG
    double KinderzulageNeu;
    // first birth year with KinderzulageNeu, § 85 Abs. 1 S. 2 EStG
    int KohortenJahr;
    // share of the prior year's income subject to pension insurance, § 86 Abs. 1 S. 2 EStG
    double Mindestquote;
    // euros per directly entitled person, § 10a Abs. 1 S. 1 EStG; also caps the
    // base of the minimum (§ 86 Abs. 1 S. 2 EStG)
    double Hoechstbetrag;
    // euros, floor of the minimum own contribution, § 86 Abs. 1 S. 4 EStG
    double Sockelbetrag;
    // euros an indirectly entitled spouse must pay into the own contract, § 79 S. 2 Nr. 4 EStG (0:
    // none)
    double MindestbeitragMittelbar;
    // euros, § 10a cap of a couple with one directly and one indirectly entitled spouse, § 10a Abs.
    // 3 S. 3 EStG
    double HoechstbetragMittelbar;
};

inline constexpr TZulagenJahr ZulagenTabelleBisherDaten[] = {
    // AVmG as amended by the Alterseinkünftegesetz, final stage from 2008
    {2010, 154, 200, 185, 300, 2008, 0.04, 2100, 60, 0, 2100},
    {2011, 154, 200, 185, 300, 2008, 0.04, 2100, 60, 0, 2100},
    // own payment of 60 and the cap + 60: Beitreibungsrichtlinie-Umsetzungsgesetz, BGBl. 2011 I S.
    // 2592
    {2012, 154, 200, 185, 300, 2008, 0.04, 2100, 60, 60, 2160},
    {2013, 154, 200, 185, 300, 2008, 0.04, 2100, 60, 60, 2160},
    {2014, 154, 200, 185, 300, 2008, 0.04, 2100, 60, 60, 2160},
    {2015, 154, 200, 185, 300, 2008, 0.04, 2100, 60, 60, 2160},
    {2016, 154, 200, 185, 300, 2008, 0.04, 2100, 60, 60, 2160},
    {2017, 154, 200, 185, 300, 2008, 0.04, 2100, 60, 60, 2160},
    // basic allowance 175: Art. 9 Betriebsrentenstärkungsgesetz, BGBl. 2017 I S. 3214
    {2018, 175, 200, 185, 300, 2008, 0.04, 2100, 60, 60, 2160},
    {2019, 175, 200, 185, 300, 2008, 0.04, 2100, 60, 60, 2160},
    {2020, 175, 200, 185, 300, 2008, 0.04, 2100, 60, 60, 2160},
    {2021, 175, 200, 185, 300, 2008, 0.04, 2100, 60, 60, 2160},
    {2022, 175, 200, 185, 300, 2008, 0.04, 2100, 60, 60, 2160},
    {2023, 175, 200, 185, 300, 2008, 0.04, 2100, 60, 60, 2160},
    {2024, 175, 200, 185, 300, 2008, 0.04, 2100, 60, 60, 2160},
    {2025, 175, 200, 185, 300, 2008, 0.04, 2100, 60, 60, 2160},
    {2026, 175, 200, 185, 300, 2008, 0.04, 2100, 60, 60, 2160},
    // contracts concluded before 2027 keep the 2026 wording, § 52 Abs. 50a S. 1 EStG
    {2027, 175, 200, 185, 300, 2008, 0.04, 2100, 60, 60, 2160},
};
static_assert(JahreLueckenlos(std::span<const TZulagenJahr>(ZulagenTabelleBisherDaten)));
static_assert(ZulagenTabelleBisherDaten[0].Jahr == ErstesBeitragsjahr);
static_assert(std::size(ZulagenTabelleBisherDaten) == LetztesTabellenjahr - ErstesBeitragsjahr + 1);

inline std::span<const TZulagenJahr> ZulagenTabelleBisher()
{
    return ZulagenTabelleBisherDaten;
}

// The row of a contribution year; years outside the table take its first or last row.
inline const TZulagenJahr& ZulagenRechtBisher(int beitragsjahr)
{
    return ZeileFuer(ZulagenTabelleBisher(), beitragsjahr);
}

// The reform's rules (§§ 10a, 79, 84-86 EStG as amended by Art. 2
// Altersvorsorgereformgesetz of 26.05.2026, BGBl. 2026 I Nr. 156), from contribution
// year 2027 on.
struct TZulagenJahrNeu
{
    int Jahr;
    // share of the own contributions up to Stufe1Bis, § 84 S. 1 Nr. 1 EStG n.F.
    double GrundzulageSatz1;
    // euros, upper end of the first band, § 84 S. 1 Nr. 1 EStG n.F.
    double Stufe1Bis;
    // share of the own contributions above Stufe1Bis, § 84 S. 1 Nr. 2 EStG n.F.
    double GrundzulageSatz2;
    // euros, upper end of the second band, § 84 S. 1 Nr. 2 EStG n.F.; also the most
    // of the contributions a child allowance is measured on, § 85 Abs. 1 S. 1 EStG n.F.
    double Stufe2Bis;
    // euros once, directly entitled person under 25, § 84 S. 2 EStG n.F.
    double Berufseinsteigerbonus;
    // euros, basic allowance of an indirectly entitled spouse at most, § 84 S. 3 EStG n.F.
    double GrundzulageMittelbarHoechstens;
    // share of the own contributions per child, § 85 Abs. 1 S. 1 EStG n.F.
    double KinderzulageSatz;
    // euros per child at most, § 85 Abs. 1 S. 1 EStG n.F.
    double KinderzulageHoechstens;
    // euros of own contributions below which no allowance is granted, § 86 EStG n.F.
    double Mindesteigenbeitrag;
    // euros an indirectly entitled spouse must pay into the own contract, § 79 S. 2 Nr. 4
    // EStG n.F.
    double MindestbeitragMittelbar;
    // euros of own contributions per directly entitled person deductible besides the
    // allowances, § 10a Abs. 1 S. 1 EStG n.F.
    double Hoechstbetrag;
    // euros of both spouses' contributions, one directly and one indirectly entitled,
    // § 10a Abs. 3 S. 3 EStG n.F.
    double HoechstbetragMittelbar;
};

inline constexpr TZulagenJahrNeu ZulagenTabelleNeuDaten[] = {
    // Art. 2 Altersvorsorgereformgesetz, in force from 1.1.2027 (Art. 14); no later step enacted
    {2027, 0.50, 360, 0.25, 1800, 200, 175, 1.00, 300, 120, 120, 1800, 1920},
};
static_assert(JahreLueckenlos(std::span<const TZulagenJahrNeu>(ZulagenTabelleNeuDaten)));
static_assert(std::end(ZulagenTabelleNeuDaten)[-1].Jahr == LetztesTabellenjahr);

inline std::span<const TZulagenJahrNeu> ZulagenTabelleNeu()
{
    return ZulagenTabelleNeuDaten;
}

// The reform's row of a contribution year; earlier years take the first row (the
// rules exist from it only), later years the last.
inline const TZulagenJahrNeu& ZulagenRechtNeu(int beitragsjahr)
{
    return ZeileFuer(ZulagenTabelleNeu(), beitragsjahr);
}

// The own payment an indirectly entitled spouse needs for the allowance: 60 from
// 2012, none before.
double MindestbeitragMittelbarFuer(int beitragsjahr);

// The least the contract of an indirectly entitled spouse takes with the tariff
// minimums respected: the insurer's 30, raised to the statutory own payment.
double TarifMindestbeitragMittelbarFuer(int beitragsjahr);

// § 79 S. 2 Nr. 4 EStG: an indirectly entitled spouse who paid this much into
// the own contract gets the allowances.
bool MittelbarZulageberechtigt(int beitragsjahr, double eigenbeitrag);

} // namespace Fermalin
