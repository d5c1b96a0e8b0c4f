#include "Haushaltsrechnung.h"

#include "EkSteuer.h"
#include "Zulagen.h"

namespace Fermalin {

TEingaben EingabenAus(const TZulagenDaten& d, int verteilung)
{
    TEingaben e;
    e.Beitragsjahr = d.Beitragsjahr;
    e.Verheiratet = d.Verheiratet;
    e.Doppelverdiener = d.Doppelverdiener;
    e.Einkommen1 = d.Einkommen1;
    e.Einkommen2 = d.Einkommen2;
    e.EinkommenNR1 = d.EinkommenNR1;
    e.EinkommenNR2 = d.EinkommenNR2;
    e.Kinderzahl = d.Kinderzahl;
    e.KindGebJahr = d.KindGebJahr;
    e.KindPerson = d.KindPerson;
    e.MinBeitrag = d.MinBeitrag;
    e.TarMindBtr = d.TarMindBtr;
    e.BeitragsPosition = d.BeitragsPosition;
    e.DeltazvE = d.DeltazvE;
    e.Soli = d.Soli;
    e.Bundesland = d.Bundesland;
    e.Berufseinsteiger1 = d.Berufseinsteiger1;
    e.Berufseinsteiger2 = d.Berufseinsteiger2;
    e.EigenbeitragMittelbar = d.EigenbeitragMittelbar;
    e.Verteilung = verteilung;
    return e;
}

TZulagenDaten DatensatzAus(const TEingaben& e)
{
    TZulagenDaten d;
    d.Beitragsjahr = e.Beitragsjahr;
    d.Verheiratet = e.Verheiratet;
    d.Doppelverdiener = e.Doppelverdiener;
    d.Einkommen1 = e.Einkommen1;
    d.Einkommen2 = e.Einkommen2;
    d.EinkommenNR1 = e.EinkommenNR1;
    d.EinkommenNR2 = e.EinkommenNR2;
    d.Kinderzahl = e.Kinderzahl;
    d.KindGebJahr = e.KindGebJahr;
    d.KindPerson = e.KindPerson;
    d.MinBeitrag = e.MinBeitrag;
    d.TarMindBtr = e.TarMindBtr;
    d.BeitragsPosition = e.BeitragsPosition;
    d.DeltazvE = e.DeltazvE;
    d.Soli = e.Soli;
    d.Bundesland = e.Bundesland;
    d.KiStSatz = KiStSatzFuer(e.Bundesland);
    d.Berufseinsteiger1 = e.Berufseinsteiger1;
    d.Berufseinsteiger2 = e.Berufseinsteiger2;
    d.EigenbeitragMittelbar = e.EigenbeitragMittelbar;
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

QStringList berichtZeilen(const TEingaben& e, const TZulagenDaten& d, const TAufteilung& a)
{
    QStringList z;
    BerichtSchreiben(z, fuerBericht(d, a), e.Druck);
    return z;
}

} // namespace

QStringList BerichtZeilen(const TEingaben& e, const TZulagenDaten& d)
{
    return berichtZeilen(e, d, Aufteilen(e, d, false));
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
    if (teile & Teil_Torte)
        r.Torte = TortenStuecke(r.Daten);
    if (teile & Teil_Bericht)
        r.Bericht = berichtZeilen(e, r.Daten, r.Berichtsaufteilung);
    if (teile & Teil_Uebergabe)
        for (int person = 1; person <= 2; ++person)
            r.Uebergabe[static_cast<size_t>(person - 1)] =
                Uebergabe(e, r.Daten, r.Angebotsaufteilung, person);
    return r;
}

} // namespace Fermalin
