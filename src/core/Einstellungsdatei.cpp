#include "Einstellungsdatei.h"

#include "MathUnit.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace Fermalin {

namespace {

using namespace Einstellungsschluessel;

QString k(const char* name)
{
    return QLatin1String(name);
}
QString k(const char* name, int i)
{
    return QLatin1String(name) + QString::number(i);
}

int skaliertGanz(double wert, double faktor)
{
    const double s = rundeGerade(wert * faktor);
    if (!(s > std::numeric_limits<int>::min())) // also NaN
        return s < 0 ? std::numeric_limits<int>::min() : 0;
    return s < std::numeric_limits<int>::max() ? static_cast<int>(s)
                                               : std::numeric_limits<int>::max();
}

} // namespace

int InCent(double euro)
{
    return skaliertGanz(euro, 100);
}
int InZehntausendstel(double satz)
{
    return skaliertGanz(satz, 10000);
}

TEinstellungen EinstellungenLesen(const TIniDatei& ini, int breite, int hoehe)
{
    TEinstellungen e;
    e.Maximized = ini.lesenBool(Daten, k("Maximized"), false);
    e.Breite = ini.lesenInt(Daten, k("Breite"), breite);
    e.Hoehe = ini.lesenInt(Daten, k("Hoehe"), hoehe);
    e.ledig = ini.lesenBool(Daten, k("ledig"), true);
    e.verheiratet = ini.lesenBool(Daten, k("verheirated"), false);
    e.doppel = ini.lesenBool(Daten, k("doppel"), false);
    e.einzel = ini.lesenBool(Daten, k("einzel"), true);
    // the spin edit keeps its value within 0..9
    e.Kinder = std::clamp(ini.lesenInt(Daten, k("Kinder"), 0), 0, MaxKinder);
    e.Einkommen1 = ini.lesenInt(Daten, k("Einkommen1"), 0) / 100.0;
    e.Einkommen2 = ini.lesenInt(Daten, k("Einkommen2"), 0) / 100.0;
    e.minimal = ini.lesenBool(Daten, k("minimal"), true);
    e.indivBeitrag = ini.lesenInt(Daten, k("indivBeitrag"), 0);
    e.tarMindBtr = ini.lesenBool(Daten, k("tarMindBtr"), true);
    e.EinkommenNR1 = ini.lesenInt(Daten, k("EinkommenNR1"), 0) / 100.0;
    e.EinkommenNR2 = ini.lesenInt(Daten, k("EinkommenNR2"), 0) / 100.0;
    e.DeltazvE = ini.lesenInt(Daten, k("DeltazvE"), 0) / 100.0;
    e.Soli = ini.lesenInt(Daten, k("Soli"), 0) / 10000.0;
    e.Bundesland = ini.lesenInt(Daten, k("Bundesland"), -1);
    for (int i = 1; i <= e.Kinder; ++i) {
        TKindEinstellung& kind = e.Kind[static_cast<size_t>(i - 1)];
        kind.GebJahr = ini.lesenInt(Angebot, k("Kind_GJ", i), 2000);
        kind.Person1 = ini.lesenBool(Angebot, k("Kind_1P", i), false);
        kind.Person2 = ini.lesenBool(Angebot, k("Kind_2P", i), true);
    }
    e.Verteilung = ini.lesenInt(Angebot, k("Verteilung"), 0);
    e.konservativ1 = ini.lesenBool(Angebot, k("konservativ1"), true);
    e.wachstum1 = ini.lesenBool(Angebot, k("wachstum1"), false);
    e.risiko1 = ini.lesenBool(Angebot, k("risiko1"), false);
    e.konservativ2 = ini.lesenBool(Angebot, k("konservativ2"), true);
    e.wachstum2 = ini.lesenBool(Angebot, k("wachstum2"), false);
    e.risiko2 = ini.lesenBool(Angebot, k("risiko2"), false);
    e.Firmenlogo = ini.lesenBool(Sonstige, k("Firmenlogo"), false);
    e.FirmenlogoDateipfad = ini.lesenText(Sonstige, k("FirmenlogoDateipfad"), QString());
    e.StartfensterAnzeigen = ini.lesenBool(Startfenster, StartfensterAnzeigen, true);
    return e;
}

void EinstellungenSchreiben(const TEinstellungen& e, TIniDatei& ini)
{
    ini.abschnittLeeren(Daten);
    ini.schreibenBool(Daten, k("Maximized"), e.Maximized);
    ini.schreibenInt(Daten, k("Breite"), e.Breite);
    ini.schreibenInt(Daten, k("Hoehe"), e.Hoehe);
    ini.schreibenBool(Daten, k("ledig"), e.ledig);
    ini.schreibenBool(Daten, k("verheirated"), e.verheiratet);
    ini.schreibenBool(Daten, k("doppel"), e.doppel);
    ini.schreibenBool(Daten, k("einzel"), e.einzel);
    ini.schreibenInt(Daten, k("Kinder"), e.Kinder);
    ini.schreibenInt(Daten, k("Einkommen1"), InCent(e.Einkommen1));
    ini.schreibenInt(Daten, k("Einkommen2"), InCent(e.Einkommen2));
    ini.schreibenBool(Daten, k("minimal"), e.minimal);
    ini.schreibenInt(Daten, k("indivBeitrag"), e.indivBeitrag);
    ini.schreibenBool(Daten, k("tarMindBtr"), e.tarMindBtr);
    ini.schreibenInt(Daten, k("EinkommenNR1"), InCent(e.EinkommenNR1));
    ini.schreibenInt(Daten, k("EinkommenNR2"), InCent(e.EinkommenNR2));
    ini.schreibenInt(Daten, k("DeltazvE"), InCent(e.DeltazvE));
    ini.schreibenInt(Daten, k("Soli"), InZehntausendstel(e.Soli));
    ini.schreibenInt(Daten, k("Bundesland"), e.Bundesland);

    ini.abschnittLeeren(Angebot);
    for (int i = 1; i <= std::clamp(e.Kinder, 0, MaxKinder); ++i) {
        const TKindEinstellung& kind = e.Kind[static_cast<size_t>(i - 1)];
        ini.schreibenInt(Angebot, k("Kind_GJ", i), kind.GebJahr);
        ini.schreibenBool(Angebot, k("Kind_1P", i), kind.Person1);
        ini.schreibenBool(Angebot, k("Kind_2P", i), kind.Person2);
    }
    ini.schreibenInt(Angebot, k("Verteilung"), e.Verteilung);
    ini.schreibenBool(Angebot, k("konservativ1"), e.konservativ1);
    ini.schreibenBool(Angebot, k("wachstum1"), e.wachstum1);
    ini.schreibenBool(Angebot, k("risiko1"), e.risiko1);
    ini.schreibenBool(Angebot, k("konservativ2"), e.konservativ2);
    ini.schreibenBool(Angebot, k("wachstum2"), e.wachstum2);
    ini.schreibenBool(Angebot, k("risiko2"), e.risiko2);

    ini.schreibenBool(Sonstige, k("Firmenlogo"), e.Firmenlogo);
    ini.schreibenText(Sonstige, k("FirmenlogoDateipfad"), e.FirmenlogoDateipfad);
    ini.schreibenBool(Startfenster, StartfensterAnzeigen, e.StartfensterAnzeigen);
}

} // namespace Fermalin
