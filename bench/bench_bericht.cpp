// The report per keystroke: the document text alone; the text loaded into the
// hidden view and laid out; the same with the chart picture written first. And
// the print preview of a two-page report from the click to the painted pages.
#include "Bericht.h"
#include "Berichtsatz.h"
#include "Druckvorschau.h"
#include "EnhWeb.h"
#include "HTML_Ausgabe.h"
#include "Haushalte.h"
#include "Haushaltsrechnung.h"
#include "Torte.h"
#include "Tortenstuecke.h"
#include "Zulagen.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QTemporaryDir>
#include <QTextDocument>

#include <benchmark/benchmark.h>

#include <vector>

using namespace Fermalin;

namespace {

std::vector<TZulagenDaten> haushalte()
{
    FermalinBench::TZufall z(4242);
    std::vector<TZulagenDaten> v;
    for (int i = 0; i < 256; ++i) {
        TZulagenDaten d = FermalinBench::haushalt(z);
        d.KiStSatz = KiStSatzFuer(d.Bundesland);
        try {
            BerechneHaushalt(d);
        } catch (const std::exception&) {
            continue;
        }
        v.push_back(d);
    }
    return v;
}

QString berichtBauen(const TZulagenDaten& d, const TBerichtOptionen& o, QStringList& zeilen)
{
    TEingaben e = EingabenAus(d, 10);
    e.Druck = o;
    zeilen = BerichtZeilen(e, d);
    return BerichtText(zeilen);
}

void BM_BerichtText(benchmark::State& state)
{
    const auto alle = haushalte();
    TBerichtOptionen o;
    o.Beratungsprotokoll = true;
    o.Kundenname = QStringLiteral("Müller & Söhne");
    QStringList zeilen;
    size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(berichtBauen(alle[i++ % alle.size()], o, zeilen));
}
BENCHMARK(BM_BerichtText)->Unit(benchmark::kMicrosecond);

// layout: force the view's layout; without it the hidden view does what it
// does on its own when a document arrives.
void ansichtLaden(benchmark::State& state, bool mitGrafik, bool layout = true)
{
    const auto alle = haushalte();
    QTemporaryDir dir;
    TBerichtOptionen o;
    o.Beratungsprotokoll = true;
    o.MitGrafik = mitGrafik;
    o.GrafikDatei = dir.filePath(QStringLiteral("G_Ortavo.Bmp"));
    TBerichtAnsicht ansicht;
    ansicht.resize(350, 296);
    TWebBrowserWrapper w(&ansicht);
    QStringList zeilen;
    size_t i = 0;
    for (auto _ : state) {
        const TZulagenDaten& d = alle[i++ % alle.size()];
        if (mitGrafik)
            GrafikBildSchreiben(
                o.GrafikDatei,
                TortenBerichtsbild(TortenStuecke(d), QSize(619, 329), 1.0, QSize(539, 286)),
                QSize(539, 286));
        w.LoadFromString(berichtBauen(d, o, zeilen));
        if (layout) {
            // as the view does when it is shown
            ansicht.document()->setTextWidth(ansicht.width());
            benchmark::DoNotOptimize(ansicht.document()->documentLayout()->documentSize());
        }
    }
}

void BM_BerichtMitAnsicht(benchmark::State& state)
{
    ansichtLaden(state, false);
}
BENCHMARK(BM_BerichtMitAnsicht)->Unit(benchmark::kMicrosecond);

void BM_BerichtInVerborgeneAnsicht(benchmark::State& state)
{
    ansichtLaden(state, false, false);
}
BENCHMARK(BM_BerichtInVerborgeneAnsicht)->Unit(benchmark::kMicrosecond);

void BM_BerichtMitAnsichtUndGrafik(benchmark::State& state)
{
    ansichtLaden(state, true);
}
BENCHMARK(BM_BerichtMitAnsichtUndGrafik)->Unit(benchmark::kMicrosecond);

void BM_VorschauZweiSeiten(benchmark::State& state)
{
    TZulagenDaten d;
    d.Verheiratet = true;
    d.Doppelverdiener = true;
    d.Einkommen1 = 42000;
    d.Einkommen2 = 28000;
    BerechneHaushalt(d);
    TBerichtOptionen o;
    o.Beratungsprotokoll = true;
    QStringList zeilen;
    const QString html = berichtBauen(d, o, zeilen);
    for (auto _ : state) {
        TDruckvorschau w(html);
        w.setGeometry(VorschauGeometrie(QSize(1280, 1024)));
        w.show();
        benchmark::DoNotOptimize(w.grab()); // the visible pages painted
        if (w.Seitenzahl() != 2)
            state.SkipWithError("kein zweiseitiger Bericht");
    }
}
BENCHMARK(BM_VorschauZweiSeiten)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
