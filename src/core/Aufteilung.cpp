#include "Aufteilung.h"

#include "AufteilungNeu.h"
#include "FoerderParameter.h"
#include "MathUnit.h"
#include "Zahlformat.h"
#include "ZulagenRecht.h"

#include <QStringBuilder>

#include <algorithm>

namespace Fermalin {

namespace {

using P = TFoerderParameter;

// The sentences with amounts are built in one piece (QStringBuilder's %):
// QString::arg searched every sentence of every line anew for its placeholders.
QString euro(double betrag)
{
    return FormatN(betrag, 0);
}

TAufteilung fuerLedige(const TZulagenDaten& d, double e, double t1)
{
    TAufteilung a;
    a.Eigenbeitrag2 = 0;
    if (e >= t1) {
        a.Eigenbeitrag1 = e;
        a.Eigenbeitrag = e;
        a.Info = u"Bei der Berechnung für eine einzelne Person wird der in den beiden "
                 u"vorangehenden Dialogbildern für " %
                 FormatD(d.Steuerjahr()) % u" gewählte Eigenbeitrag übernommen.";
    } else {
        a.Eigenbeitrag1 = t1;
        a.Info = u"Der gewählte Eigenbeitrag (" % euro(e) %
                 u" Euro) liegt unter dem tariflichen Mindesteigenbeitrag; er wurde daher "
                 u"entsprechend erhöht.";
        a.Eigenbeitrag = a.Eigenbeitrag1;
    }
    return a;
}

TAufteilung fuerDoppelverdiener(const TZulagenDaten& d, const TZulagenJahr& r,
                                const TAufteilungsVorgabe& v, double e, double t1)
{
    // Each spouse is entitled on their own: own minimum and maximum per contract.
    const double m1 =
        std::max(r.Sockelbetrag, std::min(r.Hoechstbetrag, r.Mindestquote * d.Einkommen1) -
                                     d.VolleKinderzulage1 - d.VolleGrundzulage1);
    const double m2 =
        std::max(r.Sockelbetrag, std::min(r.Hoechstbetrag, r.Mindestquote * d.Einkommen2) -
                                     d.VolleKinderzulage2 - d.VolleGrundzulage2);
    const double h1 = r.Hoechstbetrag - d.VolleKinderzulage1 - d.VolleGrundzulage1;
    const double h2 = r.Hoechstbetrag - d.VolleKinderzulage2 - d.VolleGrundzulage2;

    TAufteilung a;
    double& e1 = a.Eigenbeitrag1;
    double& e2 = a.Eigenbeitrag2;
    a.Eigenbeitrag = e;

    if (v.MinBeitrag) {
        e1 = std::max(t1, m1);
        e2 = std::max(t1, m2);
        a.Eigenbeitrag = e1 + e2;
        if (e1 == m1 && e2 == m2)
            a.Info = QStringLiteral("Gemäß Vorgabe wurde für beide Verträge der jeweilige "
                                    "Mindesteigenbeitrag gewählt.");
        else if (e2 == m2)
            a.Info = u"Gemäß Vorgabe sollte für beide Verträge der jeweilige Mindesteigenbeitrag "
                     u"gewählt werden; bei dem ersten Vertrag musste er (" %
                     euro(m1) % u" Euro) auf den tariflichen Mindesteigenbeitrag erhöht werden.";
        else if (e1 == m1)
            a.Info = u"Gemäß Vorgabe sollte für beide Verträge der jeweilige Mindesteigenbeitrag "
                     u"gewählt werden; bei dem zweiten Vertrag musste er (" %
                     euro(m2) % u" Euro) auf den tariflichen Mindesteigenbeitrag erhöht werden.";
        else if (m1 == m2)
            a.Info =
                u"Die gemäß Vorgabe gewünschten Mindesteigenbeiträge (je " % euro(m1) %
                u" Euro) mussten jeweils auf den tariflichen Mindesteigenbeitrag erhöht werden.";
        else
            a.Info =
                u"Die gemäß Vorgabe gewünschten Mindesteigenbeiträge (" % euro(m1) % u" bzw. " %
                euro(m2) %
                u" Euro) mussten jeweils auf den tariflichen Mindesteigenbeitrag erhöht werden.";
        return a;
    }

    if (e <= 2 * t1) {
        e1 = t1;
        e2 = t1;
        a.Info = u"Der gewählte, gesamte Eigenbeitrag (" % euro(e) %
                 u" Euro) ist so klein, dass für beide Verträge der tarifliche "
                 u"Mindesteigenbeitrag gewählt werden musste.";
        a.Eigenbeitrag = e1 + e2;
        return a;
    }

    if (e <= m1 + m2) {
        // In proportion to the minimums, so both contracts lose the same share.
        e1 = runden(2, m1 * e / (m1 + m2));
        e2 = e - e1;
        if (e1 >= t1 && e2 >= t1) {
            a.Info = u"Der gewählte, gesamte Eigenbeitrag (" % euro(e) %
                     u" Euro) ist kleiner als der gesamte Mindesteigenbeitrag (" % euro(m1 + m2) %
                     u" Euro); er wurde so aufgeteilt, dass bei beiden Verträgen die Zulagen "
                     u"gleichmäßig gekürzt werden.";
        } else {
            e1 = std::max(e1, t1);
            e2 = std::max(e2, t1);
            a.Info = u"Der gewählte, gesamte Eigenbeitrag (" % euro(e) %
                     u" Euro) ist kleiner als der gesamte Mindesteigenbeitrag (" % euro(m1 + m2) %
                     u" Euro); er wurde unter Beachtung der tariflichen Mindesteigenbeiträge "
                     u"aufgeteilt.";
            a.Eigenbeitrag = e1 + e2;
        }
        return a;
    }

    if (e >= h1 + h2) {
        e1 = h1;
        e2 = h2;
        a.Eigenbeitrag = h1 + h2;
        a.Info = u"Der Höchsteigenbeitrag für beide Verträge (je " % euro(r.Hoechstbetrag) %
                 u" Euro abzüglich der Zulagen) wurde voll ausgeschöpft.";
        return a;
    }

    // A contract whose minimum equals its maximum leaves nothing to distribute.
    if (m1 == h1) {
        e1 = h1;
        e2 = std::min(h2, e - h1);
        if (v.fuerAngebot && e2 < t1) {
            e2 = t1;
            a.Info = QStringLiteral("Hinweis: Aufgrund des Einkommens der ersten Person sind dort "
                                    "Mindest- und Höchsteigenbeitrag gleich. Für den zweiten "
                                    "Vertrag musste der tarifliche Mindestbeitrag eingesetzt "
                                    "werden.");
        } else {
            a.Info = u"Aufgrund des Einkommens der ersten Person sind dort Mindest- und "
                     u"Höchsteigenbeitrag gleich. Der Rest des gewählten Gesamteigenbeitrags (" %
                     euro(e) % u" Euro) wird dem zweiten Vertrag zugeschlagen.";
        }
        a.Eigenbeitrag = e1 + e2;
        return a;
    }

    if (m2 == h2) {
        e2 = h2;
        e1 = std::min(h1, e - h2);
        if (v.fuerAngebot && e1 < t1) {
            e1 = t1;
            a.Info = QStringLiteral("Aufgrund des Einkommens der zweiten Person sind dort Mindest- "
                                    "und Höchsteigenbeitrag gleich. Für den ersten Vertrag musste "
                                    "der tarifliche Mindestbeitrag eingesetzt werden.");
        } else {
            a.Info = u"Aufgrund des Einkommens der zweiten Person sind dort Mindest- und "
                     u"Höchsteigenbeitrag gleich. Der Rest des gewählten Gesamteigenbeitrags (" %
                     euro(e) % u" Euro) wird dem ersten Vertrag zugeschlagen.";
        }
        a.Eigenbeitrag = e1 + e2;
        return a;
    }

    a.Schieberegler = true;
    a.Info = u"Der gewählte Gesamteigenbeitrag (" % euro(e) %
             u" Euro) liegt zwischen der Summe der Mindest- und Höchsteigenbeiträge. Mit dem "
             u"Schieberegler können Sie die Aufteilung des Eigenbeitrags einstellen.";

    const int n = v.PositionMax;
    const int pos = v.Position;
    const double t = 1 - static_cast<double>(pos) / n;
    // Left end: contract 1 as high as allowed; right end: as low as allowed.
    const double unten = std::max({t1, m1, e - h2});
    const double oben = std::min(h1, e - std::max(t1, m2));
    e1 = runden(2, unten + (oben - unten) * t);

    if (pos == n) {
        if (e - h2 > std::max(t1, m1))
            a.Hinweis = QStringLiteral("Höchsteigenbeitrag für 2. Person erreicht");
        else if (t1 > m1)
            a.Hinweis = QStringLiteral("Tarifl. Mindesteigenbeitrag für 1. Person erreicht");
        else
            a.Hinweis = QStringLiteral("Mindesteigenbeitrag für 1. Person erreicht");
    } else if (pos == 0) {
        if (e - std::max(t1, m2) > h1)
            a.Hinweis = QStringLiteral("Höchsteigenbeitrag für 1. Person erreicht");
        else if (t1 > m2)
            a.Hinweis = QStringLiteral("Tarifl. Mindesteigenbeitrag für 2. Person erreicht");
        else
            a.Hinweis = QStringLiteral("Mindesteigenbeitrag für 2. Person erreicht");
    } else {
        a.Hinweis = QString();
        e1 = AufRaster(e1, (oben - unten) / n);
    }
    e2 = e - e1;
    return a;
}

TAufteilung fuerEinzelverdiener(const TZulagenDaten& d, const TZulagenJahr& r,
                                const TAufteilungsVorgabe& v, double e, double t1, double t2)
{
    // Only person 1 is directly entitled; the spouse's allowances hang on person
    // 1's minimum, so one minimum and one maximum cover both contracts.
    const double m =
        std::max(r.Sockelbetrag, std::min(r.Hoechstbetrag, r.Mindestquote * d.Einkommen1) -
                                     d.VolleKinderzulage1 - d.VolleKinderzulage2 -
                                     d.VolleGrundzulage1 - d.VolleGrundzulage2);
    const double h = r.Hoechstbetrag - d.VolleKinderzulage1 - d.VolleKinderzulage2 -
                     d.VolleGrundzulage1 - d.VolleGrundzulage2;

    TAufteilung a;
    double& e1 = a.Eigenbeitrag1;
    double& e2 = a.Eigenbeitrag2;
    a.Eigenbeitrag = e;

    if (v.MinBeitrag) {
        e1 = std::max(t1, m);
        e2 = t2;
        a.Eigenbeitrag = e1 + e2;
        // the spouse's own minimum by law (none before 2012) is that contract's minimum
        if (e1 == m && e2 <= r.MindestbeitragMittelbar)
            a.Info = QStringLiteral("Gemäß der Vorgabe wurde für beide Verträge der "
                                    "Mindesteigenbeitrag gewählt.");
        else if (e1 == m)
            a.Info = QStringLiteral("Gemäß der Vorgabe wurde für den ersten Vertrag der "
                                    "Mindesteigenbeitrag gewählt. Für den zweiten wurde der "
                                    "tarifliche Mindesteigenbeitrag eingesetzt.");
        else
            a.Info = u"Gemäß Vorgabe sollte für den ersten Vertrag der Mindesteigenbeitrag (" %
                     euro(m) %
                     u" Euro) gewählt werden; dieser musste auf den tariflichen "
                     u"Mindesteigenbeitrag erhöht werden.";
        return a;
    }

    if (e <= t1 + t2) {
        e1 = t1;
        e2 = t2;
        a.Info = u"Der gewählte Gesamteigenbeitrag (" % euro(e) %
                 u" Euro) ist so klein, dass für beide Verträge der tarifliche Mindesteigenbeitrag "
                 u"gewählt werden musste.";
        a.Eigenbeitrag = e1 + e2;
        return a;
    }

    if (e - t2 <= m) {
        e2 = t2;
        e1 = e - t2;
        a.Info =
            u"Der Mindesteigenbeitrag für den ersten Vertrag (" % euro(m) %
            u" Euro) wurde unterschritten; dadurch werden die Zulagen für beide Verträge gekürzt.";
        return a;
    }

    // Too little to give the second contract more than its own tariff minimum.
    if (e <= 2 * t1) {
        e2 = t2;
        e1 = e - t2;
        a.Info = QString();
        return a;
    }

    a.Schieberegler = true;
    a.Info = u"Der gewählte Gesamteigenbeitrag (" % euro(e) %
             u" Euro) liegt zwischen Mindest- und Höchsteigenbeitrag. Mit dem Schieberegler können "
             u"Sie die Aufteilung des Eigenbeitrags einstellen.";

    // Above the maximum nothing earns more, so only D is distributed.
    const double dd = std::min(e, h);
    const double aa = std::max(t1, m);
    const int n = v.PositionMax;
    const int pos = v.Position;
    if (pos == 0) {
        // The spouse's contract at its own, smaller tariff minimum.
        e1 = runden(2, dd - t2);
        a.Hinweis = QStringLiteral("Tarifl. Mindesteigenbeitrag für 2. Person erreicht");
    } else {
        const double t = 1 - static_cast<double>(pos - 1) / (n - 1);
        e1 = runden(2, aa + (dd - t1 - aa) * t);
        if (pos == n) {
            a.Hinweis = t1 > m
                            ? QStringLiteral("Tarifl. Mindesteigenbeitrag für 1. Person erreicht")
                            : QStringLiteral("Mindesteigenbeitrag für 1. Person erreicht");
        } else {
            a.Hinweis = QString();
            e1 = AufRaster(e1, (dd - t2 - aa) / n);
        }
    }
    e2 = dd - e1;
    return a;
}

} // namespace

double AufRaster(double e1, double schritt)
{
    double g = 0.01;
    if (schritt > 10)
        g = 10;
    else if (schritt > 5)
        g = 5;
    else if (schritt > 1)
        g = 1;
    return runden(0, e1 / g) * g;
}

TFamilienstand FamilienstandVon(const TZulagenDaten& d)
{
    if (!d.Verheiratet)
        return TFamilienstand::Ledig;
    return d.Doppelverdiener ? TFamilienstand::Doppelverdiener : TFamilienstand::Einzelverdiener;
}

TAufteilung EigenbeitragAufteilen(const TZulagenDaten& d, const TAufteilungsVorgabe& v)
{
    if (d.EigenbeitraegeVorgegeben())
        return VorgegebeneAufteilung(d);
    if (AngewandtesFoerderrecht(d) == TFoerderrecht::Neu)
        return EigenbeitragAufteilenNeu(d, v);
    return EigenbeitragAufteilenBisher(d, v);
}

TAufteilung EigenbeitragAufteilenBisher(const TZulagenDaten& d, const TAufteilungsVorgabe& v)
{
    // The offer page always respects the insurer's minimums; the report only
    // when the adviser asked for it.
    const bool tarif = v.fuerAngebot || v.TarMindBtr;
    const double t1 = tarif ? P::TarifMindestbeitrag : 0.0;
    // From 2012 the indirectly entitled spouse pays an own minimum by law (§ 79
    // S. 2 Nr. 4 EStG), with the tariffs ignored too.
    const TZulagenJahr& r = ZulagenRechtBisher(d.Steuerjahr());
    const double t2 = tarif ? std::max(P::TarifMindestbeitragMittelbar, r.MindestbeitragMittelbar)
                            : r.MindestbeitragMittelbar;
    const double e = d.Eigenbeitrag;

    switch (v.Familienstand) {
    case TFamilienstand::Doppelverdiener:
        return fuerDoppelverdiener(d, r, v, e, t1);
    case TFamilienstand::Einzelverdiener:
        return fuerEinzelverdiener(d, r, v, e, t1, t2);
    case TFamilienstand::Ledig:
        break;
    }
    return fuerLedige(d, e, t1);
}

TAufteilungsVorgabe AufteilungsVorgabeFuer(const TZulagenDaten& d, int position, bool fuerAngebot,
                                           int positionMax)
{
    TAufteilungsVorgabe v;
    v.Familienstand = FamilienstandVon(d);
    v.MinBeitrag = d.MinBeitrag;
    v.TarMindBtr = d.TarMindBtr;
    v.Position = position;
    v.PositionMax = positionMax;
    v.fuerAngebot = fuerAngebot;
    return v;
}

} // namespace Fermalin
