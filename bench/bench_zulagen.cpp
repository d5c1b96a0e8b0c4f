// Cost of one household of any known year: the computation and both contribution
// splits; 2027 under both rule sets, and the comparison of the two.
#include "Aufteilung.h"
#include "Haushalte.h"
#include "Vergleich.h"
#include "Zulagen.h"

#include <benchmark/benchmark.h>

#include <vector>

using namespace Fermalin;

namespace {

// Every known year in turn, so that each computation looks its year up; 2027
// alternately under the old and the new rules. nurNeu: 2027 under the new rules
// only, a third of them with given contributions.
std::vector<TZulagenDaten> haushalte(bool nurNeu = false)
{
    FermalinBench::TZufall z(20101);
    std::vector<TZulagenDaten> v;
    const int jahre = LetztesBeitragsjahr - ErstesBeitragsjahr + 1;
    for (int i = 0; i < 1024; ++i) {
        TZulagenDaten d = FermalinBench::haushalt(z);
        d.Beitragsjahr = nurNeu ? LetztesBeitragsjahr : ErstesBeitragsjahr + i % jahre;
        if (d.Beitragsjahr >= ErstesBeitragsjahrNeu && (nurNeu || i / jahre % 2 == 0))
            d.Foerderrecht = TFoerderrecht::Neu;
        if (nurNeu && i % 3 == 0) {
            d.EigenbeitragVorgabe1 = z.bis(2400);
            d.EigenbeitragVorgabe2 = z.bis(2400);
        }
        d.Berufseinsteiger1 = i % 7 == 0;
        EingabenAngleichen(d);
        d.KiStSatz = KiStSatzFuer(d.Bundesland);
        v.push_back(d);
    }
    return v;
}

void BM_BerechneZulagen(benchmark::State& state)
{
    const std::vector<TZulagenDaten> alle = haushalte();
    size_t i = 0;
    for (auto _ : state) {
        TZulagenDaten d = alle[i++ % alle.size()];
        BerechneZulagen(d);
        benchmark::DoNotOptimize(d.Foerderquote);
    }
}
BENCHMARK(BM_BerechneZulagen);

void BM_BerechneZulagenNeu(benchmark::State& state)
{
    const std::vector<TZulagenDaten> alle = haushalte(true);
    size_t i = 0;
    for (auto _ : state) {
        TZulagenDaten d = alle[i++ % alle.size()];
        BerechneZulagen(d);
        benchmark::DoNotOptimize(d.Foerderquote);
    }
}
BENCHMARK(BM_BerechneZulagenNeu);

// Both rule sets for the same household, as the comparison shows them.
void BM_Vergleich(benchmark::State& state)
{
    const std::vector<TZulagenDaten> alle = haushalte(true);
    size_t i = 0;
    for (auto _ : state) {
        const TVergleich v = BerechneVergleich(alle[i++ % alle.size()]);
        benchmark::DoNotOptimize(v.Differenz.Foerderung);
    }
}
BENCHMARK(BM_Vergleich);

void BM_HaushaltMitAufteilungen(benchmark::State& state)
{
    const std::vector<TZulagenDaten> alle = haushalte();
    size_t i = 0;
    for (auto _ : state) {
        TZulagenDaten d = alle[i++ % alle.size()];
        BerechneZulagen(d);
        TAufteilungsVorgabe v;
        v.Familienstand = FamilienstandVon(d);
        v.MinBeitrag = d.MinBeitrag;
        v.TarMindBtr = d.TarMindBtr;
        v.Position = static_cast<int>(i % 51);
        v.fuerAngebot = false;
        const TAufteilung bericht = EigenbeitragAufteilen(d, v);
        v.fuerAngebot = true;
        const TAufteilung angebot = EigenbeitragAufteilen(d, v);
        benchmark::DoNotOptimize(bericht.Eigenbeitrag1 + angebot.Eigenbeitrag1);
    }
}
BENCHMARK(BM_HaushaltMitAufteilungen);

} // namespace

BENCHMARK_MAIN();
