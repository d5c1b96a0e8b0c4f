// Cost of the chart: painting the pie of a computed household, and painting it
// plus writing the report's picture, as every change does while the report
// shows the chart.
#include "Haushalte.h"
#include "Torte.h"
#include "Tortenstuecke.h"
#include "Zulagen.h"

#include <QDir>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <vector>

using namespace Fermalin;

namespace {

std::vector<QList<TTortenStueck>> torten()
{
    FermalinBench::TZufall z(20101);
    std::vector<QList<TTortenStueck>> v;
    for (int i = 0; i < 64; ++i) {
        TZulagenDaten d = FermalinBench::haushalt(z);
        BerechneHaushalt(d);
        v.push_back(TortenStuecke(d));
    }
    return v;
}

void BM_TorteZeichnen(benchmark::State& state)
{
    const auto alle = torten();
    size_t i = 0;
    for (auto _ : state) {
        const QImage bild = TortenBild(alle[i++ % alle.size()], QSize(619, 329));
        benchmark::DoNotOptimize(bild.constBits());
    }
}
BENCHMARK(BM_TorteZeichnen)->Unit(benchmark::kMillisecond);

void BM_TorteUndGrafikDatei(benchmark::State& state)
{
    const auto alle = torten();
    QTemporaryDir dir;
    const QString pfad = QDir(dir.path()).filePath(QStringLiteral("G_Ortavo.Bmp"));
    size_t i = 0;
    for (auto _ : state) {
        const bool ok = GrafikBildSchreiben(
            pfad, TortenBild(alle[i++ % alle.size()], QSize(619, 329)), QSize(539, 286));
        if (!ok)
            state.SkipWithError("picture not written");
    }
}
BENCHMARK(BM_TorteUndGrafikDatei)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv); // fonts
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
