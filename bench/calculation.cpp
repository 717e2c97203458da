// Cost of the whole calculation of one buttress (section torsors and the 25
// combinations), reported per section, with the number of heap allocations
// of one calculation: it must not grow with the number of sections.

#include "model/Calculation.h"
#include "model/DonneesAppli.h"

#include "support/AllocationCounter.h"
#include "support/Contrefort.h"

#include <benchmark/benchmark.h>

#include <QList>
#include <cstddef>

namespace {

void BM_CalculerResultats(benchmark::State& state)
{
    const int n = static_cast<int>(state.range(0));
    TData data = ContrefortDeSections(n);
    CalculerResultats(data); // labels and results in place, as after a first run

    const long avant = NombreAllocations();
    CalculerResultats(data);
    const long allocations = NombreAllocations() - avant;

    for (auto _ : state) {
        CalculerResultats(data);
        benchmark::DoNotOptimize(data.StatutGlobal);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * n);
    state.counters["temps_par_section"] =
        benchmark::Counter(n, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    // At most a few per combination label, whatever the number of sections.
    state.counters["allocations_par_calcul"] = static_cast<double>(allocations);
}
BENCHMARK(BM_CalculerResultats)->Arg(10)->Arg(100)->Arg(1000)->Arg(10000);

} // namespace
