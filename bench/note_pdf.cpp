// Cost of the PDF note per section, from 100 to 20 000 sections: the pages are
// painted table by table, so the time per section stays flat (the rich-text
// layout it replaced took minutes at 20 000 sections).

#include "report/CalculationNote.h"
#include "report/NotePdf.h"
#include "support/NoteData.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>

namespace {

QString PageDeSections(int n) { return PageNdC(DonneesDeNote(n), false); }

void BM_NotePdf(benchmark::State& state)
{
    static int argc = 1;
    static char nom[] = "bench_note_pdf";
    static char* argv[] = {nom, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication application(argc, argv);
    const int n = static_cast<int>(state.range(0));
    const QString page = PageDeSections(n);
    qint64 octets = 0;
    for (auto _ : state) {
        const QByteArray pdf = NotePdf(page, QStringLiteral("Note"));
        octets = pdf.size();
        benchmark::DoNotOptimize(pdf.constData());
    }
    state.counters["us_par_section"] =
        benchmark::Counter(static_cast<double>(n), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    state.counters["octets_pdf"] = static_cast<double>(octets);
}
BENCHMARK(BM_NotePdf)->Arg(100)->Arg(1000)->Arg(20000)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
