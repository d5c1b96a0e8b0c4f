#include "Haushaltsrechnung.h"

#include "EkSteuer.h"
#include "Hinweise.h"
#include "Zulagen.h"
#include "Zuschlaege.h"

namespace Fermalin {

namespace {

// The inputs a record and TEingaben share, copied either way: one list, so a
// new input is one more line here.
template <class Ziel, class Quelle> void gemeinsameEingaben(Ziel& z, const Quelle& q)
{
    z.Beitragsjahr = q.Beitragsjahr;
    z.Foerderrecht = q.Foerderrecht;
    z.Verheiratet = q.Verheiratet;
    z.Doppelverdiener = q.Doppelverdiener;
    z.Einkommen1 = q.Einkommen1;
    z.Einkommen2 = q.Einkommen2;
    z.EinkommenNR1 = q.EinkommenNR1;
    z.EinkommenNR2 = q.EinkommenNR2;
    z.Kinderzahl = q.Kinderzahl;
    z.KindGebJahr = q.KindGebJahr;
    z.KindPerson = q.KindPerson;
    z.MinBeitrag = q.MinBeitrag;
    z.TarMindBtr = q.TarMindBtr;
    z.BeitragsPosition = q.BeitragsPosition;
    z.DeltazvE = q.DeltazvE;
    z.Soli = q.Soli;
    z.Bundesland = q.Bundesland;
    z.Berufseinsteiger1 = q.Berufseinsteiger1;
    z.Berufseinsteiger2 = q.Berufseinsteiger2;
    z.EigenbeitragMittelbar = q.EigenbeitragMittelbar;
    z.EigenbeitragVorgabe1 = q.EigenbeitragVorgabe1;
    z.EigenbeitragVorgabe2 = q.EigenbeitragVorgabe2;
}

} // namespace

TEingaben EingabenAus(const TZulagenDaten& d, int verteilung)
{
    TEingaben e;
    gemeinsameEingaben(e, d);
    e.Verteilung = verteilung;
    return e;
}

TZulagenDaten DatensatzAus(const TEingaben& e)
{
    TZulagenDaten d;
    gemeinsameEingaben(d, e);
    d.KiStSatz = KiStSatzFuer(d.Steuerjahr(), e.Bundesland);
    EingabenAngleichen(d);
    return d;
}

TZulagenDaten HaushaltRechnen(const TEingaben& e, QString* ablehnung)
{
    TZulagenDaten d = DatensatzAus(e);
    try {
        BerechneHaushalt(d);
    } catch (const EVorsorgeFehler& fehler) {
        if (ablehnung)
            *ablehnung = QString::fromUtf8(fehler.what());
        return d;
    }
    if (ablehnung)
        ablehnung->clear();
    return d;
}

TAufteilung Aufteilen(const TEingaben& e, const TZulagenDaten& d, bool fuerAngebot)
{
    return EigenbeitragAufteilen(d, AufteilungsVorgabeFuer(d, e.Verteilung, fuerAngebot));
}

namespace {

// The record as the report shows it: the split's contracts and its total, which
// a tariff minimum may have raised or a maximum cut. A copy: the computed
// record keeps the total the computation chose.
TZulagenDaten fuerBericht(const TZulagenDaten& d, const TAufteilung& a)
{
    TZulagenDaten b = d;
    b.Eigenbeitrag1 = a.Eigenbeitrag1;
    b.Eigenbeitrag2 = a.Eigenbeitrag2;
    b.Eigenbeitrag = a.Eigenbeitrag;
    return b;
}

QStringList berichtZeilen(const TEingaben& e, const TZulagenDaten& d, const TAufteilung& a,
                          const std::optional<TVergleich>& vergleich)
{
    QStringList z;
    BerichtSchreiben(z, fuerBericht(d, a), e.Druck, vergleich ? &*vergleich : nullptr);
    return z;
}

bool vergleichbar(const TZulagenDaten& d)
{
    return d.Beitragsjahr >= ErstesBeitragsjahrNeu && VergleichFehler(d).empty();
}

} // namespace

QStringList BerichtZeilen(const TEingaben& e, const TZulagenDaten& d)
{
    const TAufteilung a = Aufteilen(e, d, false);
    return berichtZeilen(e, d, a, VergleichRechnen(e, d, a));
}

TEingaben VergleichsEingaben(const TEingaben& e, const TZulagenDaten& d, const TAufteilung& bericht,
                             TFoerderrecht seite)
{
    if (seite == AngewandtesFoerderrecht(d))
        return e;
    // The same contracts at the same contributions: the other rule set decides
    // only what they earn.
    TEingaben s = e;
    s.Foerderrecht = seite;
    s.EigenbeitragVorgabe1 = bericht.Eigenbeitrag1;
    s.EigenbeitragVorgabe2 = e.Verheiratet ? bericht.Eigenbeitrag2 : -1;
    return s;
}

std::optional<TVergleich> VergleichRechnen(const TEingaben& e, const TZulagenDaten& d,
                                           const TAufteilung& bericht)
{
    if (!vergleichbar(d))
        return std::nullopt;
    const TFoerderrecht eigenes = AngewandtesFoerderrecht(d);
    const TFoerderrecht anderes =
        eigenes == TFoerderrecht::Neu ? TFoerderrecht::Bisher : TFoerderrecht::Neu;
    QString ablehnung;
    const TZulagenDaten andere =
        HaushaltRechnen(VergleichsEingaben(e, d, bericht, anderes), &ablehnung);
    if (!ablehnung.isEmpty())
        return std::nullopt;
    return eigenes == TFoerderrecht::Bisher ? VergleichAus(d, andere) : VergleichAus(andere, d);
}

QStringList HinweiseFuer(const TZulagenDaten& d)
{
    QStringList l;
    for (const std::string& h : Hinweise(d))
        l << QString::fromStdString(h);
    return l;
}

QStringList Uebergabe(const TEingaben& e, const TZulagenDaten& d, const TAufteilung& angebot,
                      int person)
{
    TZulagenDaten f = d;
    // The years as the offer page shows them at the hand-off; the amounts are
    // those of the last computation.
    f.KindGebJahr = e.KindGebJahr;
    f.Eigenbeitrag1 = angebot.Eigenbeitrag1;
    f.Eigenbeitrag2 = angebot.Eigenbeitrag2;
    return UebergabeZeilen(f, person, person == 2 ? e.Klassik2 : e.Klassik1);
}

TRechnung Rechnen(const TEingaben& e, unsigned teile)
{
    TRechnung r;
    r.Daten = HaushaltRechnen(e, &r.Ablehnung);
    r.Berichtsaufteilung = Aufteilen(e, r.Daten, false);
    r.Angebotsaufteilung = Aufteilen(e, r.Daten, true);
    r.Hinweise = HinweiseFuer(r.Daten);
    if ((teile & (Teil_Vergleich | Teil_Bericht)) && r.Ablehnung.isEmpty())
        r.Vergleich = VergleichRechnen(e, r.Daten, r.Berichtsaufteilung);
    if (teile & Teil_Torte)
        r.Torte = TortenStuecke(r.Daten);
    if (teile & Teil_Bericht)
        r.Bericht = berichtZeilen(e, r.Daten, r.Berichtsaufteilung, r.Vergleich);
    if (teile & Teil_Uebergabe)
        for (int person = 1; person <= 2; ++person)
            r.Uebergabe[static_cast<size_t>(person - 1)] =
                Uebergabe(e, r.Daten, r.Angebotsaufteilung, person);
    return r;
}

} // namespace Fermalin
