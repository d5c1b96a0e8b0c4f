// Cost of one household of any known year: the computation and both contribution splits.
#include "Aufteilung.h"
#include "Haushalte.h"
#include "Zulagen.h"

#include <benchmark/benchmark.h>

#include <vector>

using namespace Fermalin;

namespace {

std::vector<TZulagenDaten> haushalte()
{
    FermalinBench::TZufall z(20101);
    std::vector<TZulagenDaten> v;
    for (int i = 0; i < 1024; ++i) {
        TZulagenDaten d = FermalinBench::haushalt(z);
        // every known year in turn, so that each computation looks its year up
        d.Beitragsjahr = ErstesBeitragsjahr + i % (NeuestesBeitragsjahr - ErstesBeitragsjahr + 1);
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
