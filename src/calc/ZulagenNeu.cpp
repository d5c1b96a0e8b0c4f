#include "ZulagenNeu.h"

#include "MathUnit.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <limits>

namespace Fermalin {

namespace {

using P = TFoerderParameter;

constexpr double unendlich = std::numeric_limits<double>::infinity();
// Allowances of two splits that differ by less are equal (they are sums of
// quarters of cents at most).
constexpr double gleich = 1e-9;

// The household as the reform sees it: who is entitled how, children per parent.
struct THaushalt
{
    const TZulagenJahrNeu* r = nullptr;
    bool zwei = false;      // both spouses directly entitled
    bool mittelbar = false; // contract 2 belongs to an indirectly entitled spouse
    std::array<int, 2> kinder{};
    std::array<double, 2> bonus{};
    double zahlung2 = 0; // the indirectly entitled spouse's payment
};

THaushalt haushaltVon(const TZulagenDaten& d)
{
    THaushalt h;
    h.r = &ZulagenRechtNeu(d.Steuerjahr());
    h.zwei = d.Verheiratet && d.AnzahlFoerderberechtigte == 2;
    h.mittelbar = d.Verheiratet && d.AnzahlFoerderberechtigte == 1;
    const int kinder = std::clamp(d.Kinderzahl, 0, MaxKinder);
    for (int i = 0; i < kinder; ++i) {
        const bool zweiter = d.Verheiratet && d.KindPerson[static_cast<std::size_t>(i)] != 1;
        ++h.kinder[zweiter ? 1 : 0];
    }
    // § 84 S. 2 EStG n.F.: only a directly entitled person
    h.bonus[0] = d.Berufseinsteiger1 ? h.r->Berufseinsteigerbonus : 0;
    h.bonus[1] = h.zwei && d.Berufseinsteiger2 ? h.r->Berufseinsteigerbonus : 0;
    h.zahlung2 = h.mittelbar ? ZahlungMittelbarNeu(d) : 0;
    return h;
}

// Unrounded allowances of a directly entitled person with own contributions e.
// § 86 EStG n.F.: below the minimum nothing, basic allowance, bonus and child
// allowances alike, and no proportional cut above it.
double person(const THaushalt& h, int p, double e)
{
    const TZulagenJahrNeu& r = *h.r;
    if (e < r.Mindesteigenbeitrag)
        return 0;
    const auto i = static_cast<std::size_t>(p);
    return GrundzulageNachReform(r, e) + h.bonus[i] + h.kinder[i] * KinderzulageNachReform(r, e);
}

// Unrounded allowances of the indirectly entitled spouse. § 84 S. 3-4 EStG n.F.:
// measured on the directly entitled spouse's funded contributions e1 (none when e1
// is below the minimum, at most 1800), the basic allowance at most 175; § 85 Abs. 1
// S. 2 EStG n.F.: the child allowance on them too. § 79 S. 2 Nr. 4 EStG n.F.: only
// with an own payment e2 of 120 euros.
double ehegatte(const THaushalt& h, double e1, double e2)
{
    const TZulagenJahrNeu& r = *h.r;
    if (!h.mittelbar || e2 < r.MindestbeitragMittelbar || e1 < r.Mindesteigenbeitrag)
        return 0;
    const double gefoerdert = std::min(e1, r.Stufe2Bis);
    return std::min(r.GrundzulageMittelbarHoechstens, GrundzulageNachReform(r, gefoerdert)) +
           h.kinder[1] * KinderzulageNachReform(r, gefoerdert);
}

// The own contribution at which the basic allowance reaches `betrag`.
double grundzulageErreicht(const TZulagenJahrNeu& r, double betrag)
{
    const double stufe1 = r.GrundzulageSatz1 * r.Stufe1Bis;
    return betrag <= stufe1 ? betrag / r.GrundzulageSatz1
                            : r.Stufe1Bis + (betrag - stufe1) / r.GrundzulageSatz2;
}

// A stretch of one contract's contribution over which the allowances grow by
// `satz` per euro.
struct TBand
{
    double laenge = 0;
    double satz = 0;
    int vertrag = 0;
};

// One way of paying: which contracts reach their threshold, what each pays before
// the bands, and the bands in the order they earn (highest rate first). Above the
// threshold every contract's allowances are concave in its contribution, so
// filling the bands in this order earns the most for that way.
struct TWeise
{
    std::array<double, 2> basis{};
    double zulagen = 0;     // at the basis
    double bis = unendlich; // the total stays below this (a contract below its threshold)
    std::array<TBand, 12> band{};
    int baender = 0;
};

// The bands of contract `vertrag` above its threshold, for the allowances `z` of
// that contract's contribution; the last band earns nothing and never ends.
template <class F> void baenderAnfuegen(TWeise& w, const TZulagenJahrNeu& r, int vertrag, F z)
{
    std::array<double, 4> stellen = {r.KinderzulageHoechstens / r.KinderzulageSatz,
                                     grundzulageErreicht(r, r.GrundzulageMittelbarHoechstens),
                                     r.Stufe1Bis, r.Stufe2Bis};
    std::sort(stellen.begin(), stellen.end());
    double von = r.Mindesteigenbeitrag;
    for (const double bis : stellen) {
        if (bis <= von || bis > r.Stufe2Bis)
            continue;
        w.band[static_cast<std::size_t>(w.baender++)] = {bis - von, (z(bis) - z(von)) / (bis - von),
                                                         vertrag};
        von = bis;
    }
    w.band[static_cast<std::size_t>(w.baender++)] = {unendlich, 0, vertrag};
}

// Highest rate first; of equal rates contract 1's first. A dozen bands at most:
// sorted in place, without the buffer a stable sort asks for.
void ordnen(TWeise& w)
{
    for (int i = 1; i < w.baender; ++i) {
        const TBand b = w.band[static_cast<std::size_t>(i)];
        int k = i;
        for (; k > 0 && w.band[static_cast<std::size_t>(k - 1)].satz < b.satz; --k)
            w.band[static_cast<std::size_t>(k)] = w.band[static_cast<std::size_t>(k - 1)];
        w.band[static_cast<std::size_t>(k)] = b;
    }
}

// A way with no contract at its threshold yet: contract 1 takes what comes.
TWeise unterDerSchwelle(const TZulagenJahrNeu& r, double basis1, double basis2)
{
    TWeise w;
    w.basis = {basis1, basis2};
    w.band[0] = {r.Mindesteigenbeitrag - basis1, 0, 0};
    w.baender = 1;
    w.bis = r.Mindesteigenbeitrag + basis2;
    return w;
}

// Every way of paying worth trying, in the order that wins when allowances are
// equal: more contracts at the threshold first. mindest1/2 lie within 0..120.
int weisen(const THaushalt& h, double mindest1, double mindest2, std::array<TWeise, 4>& w)
{
    const TZulagenJahrNeu& r = *h.r;
    const double schwelle = r.Mindesteigenbeitrag;
    int n = 0;
    if (h.zwei) {
        // both, only contract 1, only contract 2 at the threshold; none
        constexpr std::array<std::array<bool, 2>, 3> mengen = {
            {{true, true}, {true, false}, {false, true}}};
        for (const auto& m : mengen) {
            if ((!m[0] && mindest1 >= schwelle) || (!m[1] && mindest2 >= schwelle))
                continue;
            TWeise& x = w[static_cast<std::size_t>(n++)];
            x = TWeise{};
            x.basis = {m[0] ? schwelle : mindest1, m[1] ? schwelle : mindest2};
            for (int p = 0; p < 2; ++p) {
                if (!m[static_cast<std::size_t>(p)])
                    continue;
                x.zulagen += person(h, p, schwelle);
                baenderAnfuegen(x, r, p, [&h, p](double e) { return person(h, p, e); });
            }
            ordnen(x);
        }
        if (mindest1 < schwelle && mindest2 < schwelle)
            w[static_cast<std::size_t>(n++)] = unterDerSchwelle(r, mindest1, mindest2);
        return n;
    }
    // One directly entitled person; an indirectly entitled spouse's contract gets
    // the spouse's payment, or (without a minimum of its own) nothing.
    const int wege = h.mittelbar ? (mindest2 > 0 ? 1 : 2) : 1;
    for (int k = 0; k < wege; ++k) {
        const double e2 = h.mittelbar && k == 0 ? h.zahlung2 : 0;
        TWeise& x = w[static_cast<std::size_t>(n++)];
        x = TWeise{};
        x.basis = {schwelle, e2};
        const auto z = [&h, e2](double e1) { return person(h, 0, e1) + ehegatte(h, e1, e2); };
        x.zulagen = z(schwelle);
        baenderAnfuegen(x, r, 0, z);
        w[static_cast<std::size_t>(n++)] = unterDerSchwelle(r, mindest1, e2);
    }
    return n;
}

// The split of `e` the way w pays: the bands filled in order, and how far
// contract 1 may move without earning less. e lies within w's basis and bis.
TVerteilungNeu fuellen(const TWeise& w, double e)
{
    TVerteilungNeu v;
    double rest = e - w.basis[0] - w.basis[1];
    v.Zulagen = w.zulagen;
    double grenzsatz = unendlich; // the rate the last euro earned
    for (int i = 0; i < w.baender && rest > 0; ++i) {
        const TBand& b = w.band[static_cast<std::size_t>(i)];
        const double teil = std::min(rest, b.laenge);
        v.Zulagen += teil * b.satz;
        rest -= teil;
        grenzsatz = b.satz;
    }
    // Each contract's range: the bands that earned more than the last euro are
    // full, those that earned as much may hold any part of the money.
    std::array<double, 2> unten = w.basis, oben = w.basis;
    for (int i = 0; i < w.baender; ++i) {
        const TBand& b = w.band[static_cast<std::size_t>(i)];
        const auto k = static_cast<std::size_t>(b.vertrag);
        if (b.satz > grenzsatz) {
            unten[k] += b.laenge;
            oben[k] += b.laenge;
        } else if (b.satz == grenzsatz) {
            oben[k] += b.laenge;
        }
    }
    v.Von1 = unten[0];
    v.Bis1 = oben[0];
    v.Von2 = unten[1];
    v.Bis2 = oben[1];
    v.Unten = std::max(unten[0], e - oben[1]);
    v.Oben = std::min(oben[0], e - unten[1]);
    v.Eigenbeitrag1 = v.Oben;
    v.Eigenbeitrag2 = e - v.Oben;
    return v;
}

bool moeglich(const TWeise& w, double e)
{
    return e >= w.basis[0] + w.basis[1] && e < w.bis;
}

double schwelleBegrenzt(const THaushalt& h, double mindest)
{
    return std::clamp(mindest, 0.0, h.r->Mindesteigenbeitrag);
}

} // namespace

double GrundzulageNachReform(const TZulagenJahrNeu& r, double eigenbeitrag)
{
    const double e = std::max(0.0, eigenbeitrag);
    return r.GrundzulageSatz1 * std::min(e, r.Stufe1Bis) +
           r.GrundzulageSatz2 * std::max(0.0, std::min(e, r.Stufe2Bis) - r.Stufe1Bis);
}

double KinderzulageNachReform(const TZulagenJahrNeu& r, double eigenbeitrag)
{
    const double e = std::clamp(eigenbeitrag, 0.0, r.Stufe2Bis);
    return std::min(r.KinderzulageHoechstens, r.KinderzulageSatz * e);
}

double ZahlungMittelbarNeu(const TZulagenDaten& d)
{
    if (d.EigenbeitragVorgabe2 >= 0)
        return d.EigenbeitragVorgabe2;
    if (d.EigenbeitragMittelbar >= 0)
        return d.EigenbeitragMittelbar;
    return std::max(P::TarifMindestbeitragMittelbar,
                    ZulagenRechtNeu(d.Steuerjahr()).MindestbeitragMittelbar);
}

namespace {

TZulagenNeu zulagenFuer(const THaushalt& h, double e1, double e2)
{
    const TZulagenJahrNeu& r = *h.r;
    TZulagenNeu z;
    // Each allowance in cents (the statute names no rounding; the allowance office
    // pays cents): half away from zero.
    const auto unmittelbar = [&](int p, double e, double& grund, double& bonus, double& kind) {
        if (e < r.Mindesteigenbeitrag)
            return;
        const auto i = static_cast<std::size_t>(p);
        bonus = h.bonus[i];
        grund = runden(2, GrundzulageNachReform(r, e)) + bonus;
        kind = h.kinder[i] * runden(2, KinderzulageNachReform(r, e));
    };
    unmittelbar(0, e1, z.Grundzulage1, z.Berufseinsteigerbonus1, z.Kinderzulage1);
    if (h.zwei) {
        unmittelbar(1, e2, z.Grundzulage2, z.Berufseinsteigerbonus2, z.Kinderzulage2);
    } else if (h.mittelbar && e2 >= r.MindestbeitragMittelbar && e1 >= r.Mindesteigenbeitrag) {
        // as ehegatte(), each allowance in cents
        const double gefoerdert = std::min(e1, r.Stufe2Bis);
        z.Grundzulage2 = std::min(r.GrundzulageMittelbarHoechstens,
                                  runden(2, GrundzulageNachReform(r, gefoerdert)));
        z.Kinderzulage2 = h.kinder[1] * runden(2, KinderzulageNachReform(r, gefoerdert));
    }
    return z;
}

// The ways of paying for the contracts' minimums, built once per computation.
struct TWeisen
{
    std::array<TWeise, 4> w;
    int n = 0;
    double mindest = 0; // both minimums together
};

TWeisen weisenFuer(const THaushalt& h, double mindest1, double mindest2)
{
    TWeisen x;
    const double m1 = schwelleBegrenzt(h, mindest1), m2 = schwelleBegrenzt(h, mindest2);
    x.n = weisen(h, m1, m2, x.w);
    x.mindest = m1 + m2;
    return x;
}

// The way that earns the most for e; false when e cannot pay the minimums.
bool besteVerteilung(const TWeisen& w, double e, TVerteilungNeu& beste)
{
    bool gefunden = false;
    for (int i = 0; i < w.n; ++i) {
        const TWeise& x = w.w[static_cast<std::size_t>(i)];
        if (!moeglich(x, e))
            continue;
        const TVerteilungNeu v = fuellen(x, e);
        if (!gefunden || v.Zulagen > beste.Zulagen + gleich) {
            beste = v;
            gefunden = true;
        }
    }
    return gefunden;
}

TVerteilungNeu verteilen(const THaushalt& h, const TWeisen& w, double eigenbeitrag)
{
    const double e = std::max(0.0, eigenbeitrag);
    TVerteilungNeu v;
    // the minimums the total cannot pay are left aside; without them a way below
    // the threshold always fits
    if (!besteVerteilung(w, e, v))
        besteVerteilung(weisenFuer(h, 0, 0), e, v);
    return v;
}

double eigenbeitragFuer(const TWeisen& w, double gesamtbeitrag)
{
    // Per way, the least own contribution whose total reaches the wanted one (the
    // total grows with the contribution); the least of them over all ways.
    double beste = unendlich, basis = w.mindest;
    for (int i = 0; i < w.n; ++i) {
        const TWeise& x = w.w[static_cast<std::size_t>(i)];
        const double b = x.basis[0] + x.basis[1];
        double e = b;
        double gesamt = b + x.zulagen;
        for (int k = 0; k < x.baender && gesamt < gesamtbeitrag; ++k) {
            const TBand& band = x.band[static_cast<std::size_t>(k)];
            const double zuwachs = band.laenge * (1 + band.satz);
            if (gesamtbeitrag <= gesamt + zuwachs) {
                e += (gesamtbeitrag - gesamt) / (1 + band.satz);
                gesamt = gesamtbeitrag;
            } else {
                e += band.laenge;
                gesamt += zuwachs;
            }
        }
        if (e < x.bis && e < beste) {
            beste = e;
            basis = b;
        }
    }
    if (beste == unendlich)
        return w.mindest;
    // Freely chosen contributions move in steps of 0.50 euros a month, counted
    // from the way's basis so that a threshold reached stays reached.
    constexpr double raster = P::BeitragsRaster;
    return basis + runden(0, (beste - basis) / raster) * raster;
}

} // namespace

TZulagenNeu ZulagenNeuFuer(const TZulagenDaten& d, double e1, double e2)
{
    return zulagenFuer(haushaltVon(d), e1, e2);
}

TVerteilungNeu VerteileNeu(const TZulagenDaten& d, double eigenbeitrag, double mindest1,
                           double mindest2)
{
    const THaushalt h = haushaltVon(d);
    return verteilen(h, weisenFuer(h, mindest1, mindest2), eigenbeitrag);
}

double EigenbeitragFuerGesamtbeitragNeu(const TZulagenDaten& d, double gesamtbeitrag,
                                        double mindest1, double mindest2)
{
    const THaushalt h = haushaltVon(d);
    return eigenbeitragFuer(weisenFuer(h, mindest1, mindest2), gesamtbeitrag);
}

void BerechneZulagenNeu(TZulagenDaten& d)
{
    const TZulagenJahrNeu& r = ZulagenRechtNeu(d.Steuerjahr());
    const bool zwei = d.Verheiratet && d.AnzahlFoerderberechtigte == 2;
    const bool mittelbar = d.Verheiratet && d.AnzahlFoerderberechtigte == 1;

    // Tariff minimums. The indirectly entitled spouse's own 120 euros (§ 79 S. 2
    // Nr. 4 EStG n.F.) hold with the tariffs ignored too, as under the old rules.
    const double mittelbarMindest =
        std::max(P::TarifMindestbeitragMittelbar, r.MindestbeitragMittelbar);
    if (d.TarMindBtr) {
        d.TarifMindestbeitrag1 = P::TarifMindestbeitrag;
        d.TarifMindestbeitrag2 = !d.Verheiratet ? 0
                                 : zwei         ? P::TarifMindestbeitrag
                                                : mittelbarMindest;
    } else {
        d.TarifMindestbeitrag1 = 0;
        d.TarifMindestbeitrag2 = mittelbar ? r.MindestbeitragMittelbar : 0;
    }
    const THaushalt h = haushaltVon(d);
    const double zahlung2 = h.zahlung2;
    d.Zulageberechtigt2 = d.Verheiratet && (!mittelbar || zahlung2 >= r.MindestbeitragMittelbar);

    // § 86 EStG n.F.: one flat minimum, no income-based one; the indirectly entitled
    // spouse's 120 euros are his contract's minimum.
    d.Mindesteigenbeitrag1 = r.Mindesteigenbeitrag;
    d.Mindesteigenbeitrag2 = zwei ? r.Mindesteigenbeitrag : 0;

    // Full allowances: those at 1800 euros a directly entitled person, the
    // contribution from which nothing more is earned ("minimaler Eigenbeitrag").
    const double voll1 = std::max(d.TarifMindestbeitrag1, r.Stufe2Bis);
    const double voll2 = zwei ? std::max(d.TarifMindestbeitrag2, r.Stufe2Bis) : zahlung2;
    const TZulagenNeu volle = zulagenFuer(h, voll1, voll2);
    d.VolleGrundzulage1 = volle.Grundzulage1;
    d.VolleGrundzulage2 = volle.Grundzulage2;
    d.VolleBerufseinsteigerbonus1 = volle.Berufseinsteigerbonus1;
    d.VolleBerufseinsteigerbonus2 = volle.Berufseinsteigerbonus2;
    d.VolleKinderzulage1 = volle.Kinderzulage1;
    d.VolleKinderzulage2 = volle.Kinderzulage2;
    const double Zvoll = d.VolleZulagen();

    // Slider: position p of Max wants the total p / Max of the total with every
    // allowance full, so its right end is the "minimaler Eigenbeitrag" and its
    // full-allowance mark (PositionVolleZulagen) is Max: nothing more is earned
    // above it. The tariff mark is the total of the tariff minimums with their
    // allowances.
    const int Max = d.BeitragsMax;
    const double skala = voll1 + voll2 + Zvoll;
    d.PositionVolleZulagen = Max;
    const double T = d.TarMindBtr ? d.TarifMindestbeitrag1 + d.TarifMindestbeitrag2 : 0;
    const double zTarif =
        T > 0 ? zulagenFuer(h, d.TarifMindestbeitrag1, d.TarifMindestbeitrag2).Summe() : 0;
    d.PositionTarMindBtr = T > 0 ? rundeGeradeInt(Max * std::min(1.0, (T + zTarif) / skala)) : 0;

    // Own contribution of each contract
    const int pos = d.BeitragsPosition;
    double e1 = 0, e2 = 0;
    if (d.EigenbeitraegeVorgegeben()) {
        e1 = d.EigenbeitragVorgabe1 >= 0 ? d.EigenbeitragVorgabe1 : d.TarifMindestbeitrag1;
        e2 = !d.Verheiratet                ? 0
             : mittelbar                   ? zahlung2
             : d.EigenbeitragVorgabe2 >= 0 ? d.EigenbeitragVorgabe2
                                           : d.TarifMindestbeitrag2;
    } else if (d.MinBeitrag || pos == Max) {
        e1 = voll1;
        e2 = voll2;
    } else if (pos == 0) {
        e1 = e2 = 0;
    } else if (pos == d.PositionTarMindBtr) {
        e1 = d.TarifMindestbeitrag1;
        e2 = d.TarifMindestbeitrag2;
    } else {
        // the best split of the own contribution that reaches the wanted total
        const TWeisen w =
            weisenFuer(h, d.TarifMindestbeitrag1, d.TarMindBtr ? d.TarifMindestbeitrag2 : 0);
        const double G = runden(2, skala * pos / Max);
        const TVerteilungNeu v = verteilen(h, w, std::min(voll1 + voll2, eigenbeitragFuer(w, G)));
        e1 = v.Eigenbeitrag1;
        e2 = v.Eigenbeitrag2;
    }

    const TZulagenNeu z = zulagenFuer(h, e1, e2);
    d.Grundzulage1 = z.Grundzulage1;
    d.Grundzulage2 = z.Grundzulage2;
    d.Berufseinsteigerbonus1 = z.Berufseinsteigerbonus1;
    d.Berufseinsteigerbonus2 = z.Berufseinsteigerbonus2;
    d.Kinderzulage1 = z.Kinderzulage1;
    d.Kinderzulage2 = z.Kinderzulage2;
    d.EigenbeitragPerson1 = e1;
    d.EigenbeitragPerson2 = e2;
    d.Eigenbeitrag = e1 + e2;
    d.Gesamtbeitrag = d.Eigenbeitrag + z.Summe();
}

} // namespace Fermalin
