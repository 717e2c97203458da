// Cost of the calculation note: FinTable of the largest tables (one row per
// section, sixteen columns), with the number of heap allocations of one call,
// which must stay at one; the whole note's body per section; and the page the
// results tab loads, for a computed buttress with its data listed, the figure
// held against a frame's 16 ms at 1000 sections; and the peak memory of that
// page per section.

#include "model/Calculation.h"
#include "model/DonneesAppli.h"
#include "report/CalculationNote.h"
#include "report/HtmlTable.h"

#include "support/AllocationCounter.h"
#include "support/Contrefort.h"
#include "support/NoteData.h"

#include <benchmark/benchmark.h>

#include <cstddef>

namespace {

THtmlTable tableTorseurs(int lignes)
{
    THtmlTable table;
    table.DebutTable(95, 2, 0, 2, QStringLiteral("C10 G06 G06 G06 G06 G06 G06 G06 G06 G06 G06 G06 G06 G06 G06 G06"));
    for (int j = 0; j < lignes; ++j) {
        table.DebutLigne({}, {});
        table.Cellule({}, 1, 1, 2, 0, {}, QString::number(j + 1), false);
        for (int c = 0; c < 15; ++c)
            table.Cellule({}, 1, 1, 2, 0, {}, QString::asprintf("%.2f", -12.345 * c), false);
        table.FinLigne();
    }
    return table;
}

void BM_FinTable(benchmark::State& state)
{
    const THtmlTable table = tableTorseurs(static_cast<int>(state.range(0)));
    const long avant = NombreAllocations();
    {
        const QString texte = table.FinTable();
        benchmark::DoNotOptimize(texte.constData());
    }
    const long allocations = NombreAllocations() - avant;
    for (auto _ : state) {
        const QString texte = table.FinTable();
        benchmark::DoNotOptimize(texte.constData());
    }
    state.counters["allocations_par_FinTable"] = static_cast<double>(allocations);
}
BENCHMARK(BM_FinTable)->Arg(10)->Arg(100)->Arg(1000);

void BM_CorpsNdC(benchmark::State& state)
{
    const int n = static_cast<int>(state.range(0));
    const TData data = DonneesDeNote(n);
    for (auto _ : state) {
        const QString corps = CorpsNdC(data, true);
        benchmark::DoNotOptimize(corps.constData());
    }
    state.counters["temps_par_section"] =
        benchmark::Counter(n, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_CorpsNdC)->Arg(10)->Arg(100)->Arg(1000);

void BM_PageNdC(benchmark::State& state)
{
    const int n = static_cast<int>(state.range(0));
    TData data = ContrefortDeSections(n);
    CalculerResultats(data);
    for (auto _ : state) {
        const QString page = PageNdC(data, true);
        benchmark::DoNotOptimize(page.constData());
    }
    state.counters["temps_par_section"] =
        benchmark::Counter(n, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_PageNdC)->Arg(10)->Arg(100)->Arg(1000);

// Peak heap of one page over what was held before, per section, and as a
// multiple of the page's own size (its UTF-16 characters): the page is made
// in one text sized once, so the peak stays close to the page itself. The
// second size is 100 times the first: memory linear in the sections.
void BM_MemoireNdC(benchmark::State& state)
{
    const int n = static_cast<int>(state.range(0));
    TData data = ContrefortDeSections(n);
    CalculerResultats(data);
    long long pic = 0;
    qsizetype caracteres = 0;
    for (auto _ : state) {
        const long long avant = OctetsAlloues();
        RemettrePicOctets();
        {
            const QString page = PageNdC(data, true);
            caracteres = page.size();
            benchmark::DoNotOptimize(page.constData());
        }
        pic = PicOctets() - avant;
    }
    state.counters["octets_par_section"] = static_cast<double>(pic) / n;
    state.counters["pic_sur_page"] = static_cast<double>(pic) / (static_cast<double>(caracteres) * 2);
}
BENCHMARK(BM_MemoireNdC)->Arg(100)->Arg(10000)->Iterations(1);

} // namespace
