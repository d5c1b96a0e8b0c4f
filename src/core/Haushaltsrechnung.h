// One computation from what the adviser entered to everything the program shows
// and writes: the computed record, the two splits of the chosen total, the pie's
// slices, the report document and the hand-off file of each person. The window
// and the batch program both call it, so the screen, the printout and every file
// agree for the same inputs, whatever sequence of clicks led to them.
#pragma once

#include "Aufteilung.h"
#include "Bericht.h"
#include "Tortenstuecke.h"
#include "Uebergabedatei.h"
#include "Vergleich.h"
#include "ZulagenDaten.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace Fermalin {

// Everything entered, and nothing computed: the input page, the detail dialog's
// values, the children of the offer page, the distribution slider, the
// investment styles and the print options.
struct TEingaben
{
    int Beitragsjahr = TFoerderParameter::Beitragsjahr; // whose law applies
    // the rule set asked for; "neu" counts only from 2027 (AngewandtesFoerderrecht)
    TFoerderrecht Foerderrecht = TFoerderrecht::Bisher;
    bool Verheiratet = false;
    bool Doppelverdiener = false; // married and both spouses directly entitled
    double Einkommen1 = 0, Einkommen2 = 0;
    double EinkommenNR1 = 0, EinkommenNR2 = 0; // not subject to pension insurance
    int Kinderzahl = 0;
    std::array<int, MaxKinder> KindGebJahr{2000, 2000, 2000, 2000, 2000, 2000, 2000, 2000, 2000};
    std::array<int, MaxKinder> KindPerson{1, 1, 1, 1, 1, 1, 1, 1, 1}; // 1 or 2
    bool MinBeitrag = true;
    bool TarMindBtr = true;
    int BeitragsPosition = 0; // the total-contribution slider, 0..BeitragsMax
    double DeltazvE = 0;
    double Soli = 0;                                           // 0 or 0.055
    int Bundesland = -1;                                       // -1: no church tax
    bool Berufseinsteiger1 = false, Berufseinsteiger2 = false; // § 84 S. 2 EStG
    double EigenbeitragMittelbar = -1; // negative: the tariff minimum of the spouse
    // own contribution of contract 1 and 2 a year as the caller gives it; negative:
    // not given. Given ones replace the minimum mode, the slider and the split.
    double EigenbeitragVorgabe1 = -1, EigenbeitragVorgabe2 = -1;
    int Verteilung = 0; // the distribution slider, 0..50
    TKlassik Klassik1 = TKlassik::Sicherheitsorientiert;
    TKlassik Klassik2 = TKlassik::Sicherheitsorientiert;
    TBerichtOptionen Druck;

    bool operator==(const TEingaben&) const = default;
};

// The inputs of a record (for a batch line read into one).
TEingaben EingabenAus(const TZulagenDaten& d, int verteilung);

// The record of the inputs, brought into line as the input page does it, not
// yet computed.
TZulagenDaten DatensatzAus(const TEingaben& e);

// The computed record, with the contribution slider's corrections: in minimum
// mode it follows the minimum, with the tariff minimums respected it is never
// below theirs. Eigenbeitrag is the total the computation chose; no split
// changes it. A refusal of the estimate leaves its German message in ablehnung.
TZulagenDaten HaushaltRechnen(const TEingaben& e, QString* ablehnung = nullptr);

// The split of the computed total for the report or for the offer page.
TAufteilung Aufteilen(const TEingaben& e, const TZulagenDaten& d, bool fuerAngebot);

// The report document's lines: the report-mode split of d's total, tables,
// notes and the chart picture that e.Druck names.
QStringList BerichtZeilen(const TEingaben& e, const TZulagenDaten& d);

// The household of e under the other rule set at the contributions the report
// shows for d (the report-mode split of e's own computation d), both sides
// side by side; nothing before 2027 or when the estimate refused the household.
// The side of d's own rule set is d itself.
std::optional<TVergleich> VergleichRechnen(const TEingaben& e, const TZulagenDaten& d,
                                           const TAufteilung& bericht);

// The inputs of one side of that comparison: e itself for d's own rule set, else
// e under the other rule set with the report split's contributions given.
TEingaben VergleichsEingaben(const TEingaben& e, const TZulagenDaten& d, const TAufteilung& bericht,
                             TFoerderrecht seite);

// The German notices of a computed record: values of its year not enacted and
// replaced by those in force; empty when nothing needs saying.
QStringList HinweiseFuer(const TZulagenDaten& d);

// The hand-off file's lines for person 1 or 2: the household of d, the
// children's birth years and the investment style as e gives them, the
// contract's own contribution from the offer-mode split.
QStringList Uebergabe(const TEingaben& e, const TZulagenDaten& d, const TAufteilung& angebot,
                      int person);

// What Rechnen computes beyond the record and the two splits.
enum TTeil : unsigned
{
    Teil_Torte = 1,
    Teil_Bericht = 2,
    Teil_Uebergabe = 4,
    Teil_Vergleich = 8, // from 2027; the report takes it whenever it is there
    Teil_Alles = 15
};

struct TRechnung
{
    TZulagenDaten Daten;
    QString Ablehnung; // empty unless the estimate refused the household
    TAufteilung Berichtsaufteilung;
    TAufteilung Angebotsaufteilung;
    QList<TTortenStueck> Torte;
    QStringList Bericht;
    std::array<QStringList, 2> Uebergabe; // person 1, person 2
    // both rule sets side by side, from contribution year 2027 (VergleichRechnen)
    std::optional<TVergleich> Vergleich;
    QStringList Hinweise; // HinweiseFuer(Daten)
};

TRechnung Rechnen(const TEingaben& e, unsigned teile = Teil_Alles);

} // namespace Fermalin
