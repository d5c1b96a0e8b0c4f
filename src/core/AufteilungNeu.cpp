// The split under the reform's rules. The allowances now follow each contract's
// own contribution (§§ 84-86 EStG n.F.): nothing below 120 euros, then per euro
// half a euro of basic allowance and a euro of child allowance per child up to
// 300 euros, half a euro up to 360 euros, a quarter up to 1800 euros, nothing
// above. So the total is divided to earn the most, in the order of what a euro
// earns: every contract to the 120-euro threshold first, the contract of the
// parent with the child allowances to 300 euros, both into their 50 % band up to
// 360 euros, then up to 1800 euros each. A contract is left below its threshold
// only where that earns more (a total too small for both, or child allowances
// that pay more than the other's threshold) and the tariff allows it. Where the
// last euros earn the same in either contract, the distribution slider moves them
// between the contracts, as it does between minimum and maximum under the old
// rules. The procedure itself is VerteileNeu (calculation layer), so that the
// computation and the split always agree on the allowances.
#include "AufteilungNeu.h"

#include "FoerderParameter.h"
#include "MathUnit.h"
#include "Zahlformat.h"
#include "ZulagenNeu.h"

#include <algorithm>

namespace Fermalin {

namespace {

using P = TFoerderParameter;

QString euro(double betrag)
{
    return FormatN(betrag, 0);
}

// Given amounts may carry cents; show them then.
QString euroGenau(double betrag)
{
    return FormatN(betrag, runden(0, betrag) == betrag ? 0 : 2);
}

int kinderVon(const TZulagenDaten& d, int person)
{
    int n = 0;
    for (int i = 0; i < std::clamp(d.Kinderzahl, 0, MaxKinder); ++i)
        if ((d.KindPerson[static_cast<std::size_t>(i)] == 2) == (person == 2))
            ++n;
    return n;
}

// The hint at a slider end: the contract that stops the slider and the amount it
// stops at.
QString hinweisFuer(const TZulagenJahrNeu& r, int person, double betrag)
{
    const QString p = FormatD(person);
    if (betrag == r.Mindesteigenbeitrag)
        return QStringLiteral("Mindesteigenbeitrag für %1. Person erreicht").arg(p);
    if (betrag == r.KinderzulageHoechstens / r.KinderzulageSatz)
        return QStringLiteral("Volle Kinderzulage für %1. Person erreicht").arg(p);
    if (betrag == r.Stufe1Bis)
        return QStringLiteral("50-%-Stufe der Grundzulage für %1. Person erreicht").arg(p);
    if (betrag == r.Stufe2Bis)
        return QStringLiteral("Höchstbeitrag für %1. Person erreicht").arg(p);
    return QString();
}

TAufteilung fuerLedige(const TZulagenDaten& d, double e, double t1)
{
    TAufteilung a;
    if (e >= t1) {
        a.Eigenbeitrag1 = e;
        a.Info =
            QStringLiteral("Bei der Berechnung für eine einzelne Person wird der in den beiden "
                           "vorangehenden Dialogbildern für %1 gewählte Eigenbeitrag "
                           "übernommen.")
                .arg(FormatD(d.Steuerjahr()));
    } else {
        a.Eigenbeitrag1 = t1;
        a.Info = QStringLiteral("Der gewählte Eigenbeitrag (%1 Euro) liegt unter dem tariflichen "
                                "Mindesteigenbeitrag; er wurde daher entsprechend erhöht.")
                     .arg(euro(e));
    }
    a.Eigenbeitrag = a.Eigenbeitrag1;
    return a;
}

// The order in which the total was divided, for the sentence: the 300-euro step
// only where there are child allowances.
QString reihenfolge(const TZulagenDaten& d)
{
    const int k1 = kinderVon(d, 1), k2 = kinderVon(d, 2);
    QString kinder;
    if (k1 > 0 && k2 > 0)
        kinder = QStringLiteral("dann je bis 300 Euro für die Kinderzulagen, ");
    else if (k1 > 0)
        kinder = QStringLiteral("dann bis 300 Euro für den ersten Vertrag mit den Kinderzulagen, ");
    else if (k2 > 0)
        kinder =
            QStringLiteral("dann bis 300 Euro für den zweiten Vertrag mit den Kinderzulagen, ");
    return QStringLiteral("zuerst je 120 Euro Mindesteigenbeitrag, %1dann je bis 360 Euro mit "
                          "50 % Grundzulage, zuletzt je bis 1.800 Euro mit 25 % Grundzulage")
        .arg(kinder);
}

TAufteilung fuerDoppelverdiener(const TZulagenDaten& d, const TAufteilungsVorgabe& v,
                                const TZulagenJahrNeu& r, double e, double t)
{
    const double voll = std::max(t, r.Stufe2Bis);
    TAufteilung a;
    double& e1 = a.Eigenbeitrag1;
    double& e2 = a.Eigenbeitrag2;
    a.Eigenbeitrag = e;

    if (v.MinBeitrag) {
        e1 = e2 = voll;
        a.Eigenbeitrag = e1 + e2;
        a.Info = QStringLiteral("Gemäß Vorgabe wurde für beide Verträge der Eigenbeitrag gewählt, "
                                "mit dem die vollen Zulagen erreicht werden (je %1 Euro).")
                     .arg(euro(voll));
        return a;
    }
    if (t > 0 && e <= 2 * t) {
        e1 = e2 = t;
        a.Eigenbeitrag = e1 + e2;
        a.Info =
            QStringLiteral("Der gewählte, gesamte Eigenbeitrag (%1 Euro) ist so klein, dass für "
                           "beide Verträge der tarifliche Mindesteigenbeitrag gewählt werden "
                           "musste.")
                .arg(euro(e));
        return a;
    }
    if (e >= 2 * voll) {
        e1 = e2 = voll;
        a.Eigenbeitrag = e1 + e2;
        a.Info = QStringLiteral("Der geförderte Höchstbeitrag für beide Verträge (je %1 Euro) "
                                "wurde voll ausgeschöpft; ein höherer Eigenbeitrag bringt keine "
                                "weiteren Zulagen.")
                     .arg(euro(voll));
        return a;
    }

    const TVerteilungNeu w = VerteileNeu(d, e, t, t);
    const double m = r.Mindesteigenbeitrag;
    e1 = w.Eigenbeitrag1;
    e2 = w.Eigenbeitrag2;
    if (e1 < m && e2 < m) {
        a.Info = QStringLiteral("Der gewählte, gesamte Eigenbeitrag (%1 Euro) liegt unter dem "
                                "Mindesteigenbeitrag von %2 Euro; Zulagen werden dafür nicht "
                                "gewährt.")
                     .arg(euro(e), euro(m));
        return a;
    }
    if (e1 < m || e2 < m) {
        const QString vertrag = e2 < m ? QStringLiteral("ersten") : QStringLiteral("zweiten");
        const QString anderer = e2 < m ? QStringLiteral("zweite") : QStringLiteral("erste");
        if (e < 2 * m)
            a.Info = QStringLiteral("Der gewählte, gesamte Eigenbeitrag (%1 Euro) reicht nicht "
                                    "für den Mindesteigenbeitrag von %2 Euro in beiden Verträgen; "
                                    "er wurde ganz dem %3 Vertrag zugeordnet, damit dort die "
                                    "Zulagen gewährt werden.")
                         .arg(euro(e), euro(m), vertrag);
        else
            a.Info = QStringLiteral("Der gewählte, gesamte Eigenbeitrag (%1 Euro) wurde ganz dem "
                                    "%2 Vertrag zugeordnet: Wegen der Kinderzulagen bringt er "
                                    "dort mehr Zulagen, als wenn auch der %3 Vertrag den "
                                    "Mindesteigenbeitrag von %4 Euro erhielte.")
                         .arg(euro(e), vertrag, anderer, euro(m));
        return a;
    }
    if (w.Unten == w.Oben) {
        a.Info = QStringLiteral("Der gewählte, gesamte Eigenbeitrag (%1 Euro) wurde so aufgeteilt, "
                                "dass beide Verträge zusammen die höchsten Zulagen erhalten: %2.")
                     .arg(euro(e), reihenfolge(d));
        return a;
    }

    // The last euros earn the same in either contract: the slider moves them.
    a.Schieberegler = true;
    a.Info = QStringLiteral("Der gewählte Gesamteigenbeitrag (%1 Euro) lässt sich zwischen den "
                            "Verträgen verschieben, ohne dass Zulagen verloren gehen. Mit dem "
                            "Schieberegler können Sie die Aufteilung des Eigenbeitrags "
                            "einstellen.")
                 .arg(euro(e));
    const int n = v.PositionMax;
    const int pos = v.Position;
    const double anteil = 1 - static_cast<double>(pos) / n;
    // Left end: contract 1 as high as the most allowances permit; right end: as low.
    e1 = runden(2, w.Unten + (w.Oben - w.Unten) * anteil);
    if (pos == n) {
        a.Hinweis = e - w.Bis2 > w.Von1 ? hinweisFuer(r, 2, w.Bis2) : hinweisFuer(r, 1, w.Von1);
    } else if (pos == 0) {
        a.Hinweis = e - w.Von2 > w.Bis1 ? hinweisFuer(r, 1, w.Bis1) : hinweisFuer(r, 2, w.Von2);
    } else {
        e1 = AufRaster(e1, (w.Oben - w.Unten) / n);
    }
    e2 = e - e1;
    return a;
}

// The indirectly entitled spouse's contract gets the spouse's payment, which
// entitles him (§ 79 S. 2 Nr. 4 EStG n.F.); both spouses' allowances are measured
// on the first contract's contributions (§ 84 S. 4, § 85 Abs. 1 S. 2 EStG n.F.),
// so the rest goes there and nothing is left to distribute.
TAufteilung fuerEinzelverdiener(const TZulagenDaten& d, const TAufteilungsVorgabe& v,
                                const TZulagenJahrNeu& r, double e, double t1, bool tarif)
{
    const double zahlung = ZahlungMittelbarNeu(d);
    const double t2 = tarif ? zahlung : 0;
    const double voll = std::max(t1, r.Stufe2Bis);
    const double m = r.Mindesteigenbeitrag;
    const QString ehegatte = zahlung == r.MindestbeitragMittelbar
                                 ? QStringLiteral("den Mindesteigenbeitrag des mittelbar "
                                                  "berechtigten Ehegatten (%1 Euro)")
                                       .arg(euroGenau(zahlung))
                                 : QStringLiteral("den Beitrag des mittelbar berechtigten "
                                                  "Ehegatten (%1 Euro)")
                                       .arg(euroGenau(zahlung));
    TAufteilung a;
    double& e1 = a.Eigenbeitrag1;
    double& e2 = a.Eigenbeitrag2;
    a.Eigenbeitrag = e;

    if (v.MinBeitrag) {
        e1 = voll;
        e2 = zahlung;
        a.Eigenbeitrag = e1 + e2;
        a.Info = QStringLiteral("Gemäß der Vorgabe erhält der erste Vertrag den Eigenbeitrag, mit "
                                "dem die vollen Zulagen erreicht werden (%1 Euro), der zweite %2.")
                     .arg(euro(voll), ehegatte);
        return a;
    }
    if (tarif && e <= t1 + t2) {
        e1 = t1;
        e2 = t2;
        a.Eigenbeitrag = e1 + e2;
        a.Info = QStringLiteral("Der gewählte Gesamteigenbeitrag (%1 Euro) ist so klein, dass für "
                                "beide Verträge der tarifliche Mindesteigenbeitrag gewählt werden "
                                "musste.")
                     .arg(euro(e));
        return a;
    }
    if (e >= voll + zahlung) {
        e1 = voll;
        e2 = zahlung;
        a.Eigenbeitrag = e1 + e2;
        a.Info = QStringLiteral("Der geförderte Höchstbeitrag für den ersten Vertrag (%1 Euro) "
                                "wurde voll ausgeschöpft; der zweite Vertrag erhält %2.")
                     .arg(euro(voll), ehegatte);
        return a;
    }

    const TVerteilungNeu w = VerteileNeu(d, e, t1, t2);
    e1 = w.Eigenbeitrag1;
    e2 = w.Eigenbeitrag2;
    if (e1 < m) {
        a.Info = QStringLiteral("Der gewählte Gesamteigenbeitrag (%1 Euro) liegt unter dem "
                                "Mindesteigenbeitrag von %2 Euro; Zulagen werden dafür nicht "
                                "gewährt.")
                     .arg(euro(e), euro(m));
    } else if (e2 < zahlung && e < m + zahlung) {
        a.Info = QStringLiteral("Der gewählte Gesamteigenbeitrag (%1 Euro) reicht nicht für die "
                                "Mindesteigenbeiträge beider Verträge; er wurde ganz dem ersten "
                                "Vertrag zugeordnet, nach dessen Beiträgen sich die Zulagen "
                                "bemessen.")
                     .arg(euro(e));
    } else if (e2 < zahlung) {
        a.Info = QStringLiteral("Der gewählte Gesamteigenbeitrag (%1 Euro) wurde ganz dem ersten "
                                "Vertrag zugeordnet: Wegen der Kinderzulagen bringt er dort mehr "
                                "Zulagen, als wenn der zweite Vertrag %2 erhielte.")
                     .arg(euro(e), ehegatte);
    } else {
        a.Info = QStringLiteral("Der zweite Vertrag erhält %1, der Rest des gewählten "
                                "Gesamteigenbeitrags (%2 Euro) geht in den ersten Vertrag: Nach "
                                "dessen Beiträgen bemessen sich die Zulagen beider Ehegatten.")
                     .arg(ehegatte, euro(e));
    }
    return a;
}

} // namespace

TAufteilung EigenbeitragAufteilenNeu(const TZulagenDaten& d, const TAufteilungsVorgabe& v)
{
    const TZulagenJahrNeu& r = ZulagenRechtNeu(d.Steuerjahr());
    // The offer page always respects the insurer's minimum; the report only when
    // the adviser asked for it. It is the statutory 120 euros as well.
    const bool tarif = v.fuerAngebot || v.TarMindBtr;
    const double t = tarif ? P::TarifMindestbeitrag : 0.0;
    const double e = d.Eigenbeitrag;
    switch (v.Familienstand) {
    case TFamilienstand::Doppelverdiener:
        return fuerDoppelverdiener(d, v, r, e, t);
    case TFamilienstand::Einzelverdiener:
        return fuerEinzelverdiener(d, v, r, e, t, tarif);
    case TFamilienstand::Ledig:
        break;
    }
    return fuerLedige(d, e, t);
}

TAufteilung VorgegebeneAufteilung(const TZulagenDaten& d)
{
    TAufteilung a;
    a.Eigenbeitrag1 = std::max(0.0, d.EigenbeitragPerson1);
    a.Eigenbeitrag2 = d.Verheiratet ? std::max(0.0, d.EigenbeitragPerson2) : 0;
    a.Eigenbeitrag = a.Eigenbeitrag1 + a.Eigenbeitrag2;
    if (!d.Verheiratet)
        a.Info = QStringLiteral("Der vorgegebene Eigenbeitrag (%1 Euro) wird übernommen.")
                     .arg(euroGenau(a.Eigenbeitrag1));
    else
        a.Info = QStringLiteral("Die vorgegebenen Eigenbeiträge (%1 Euro für den ersten und %2 "
                                "Euro für den zweiten Vertrag) werden übernommen.")
                     .arg(euroGenau(a.Eigenbeitrag1), euroGenau(a.Eigenbeitrag2));
    return a;
}

} // namespace Fermalin
