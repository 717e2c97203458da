// Cost of the whole calculation of one buttress (section torsors and the 25
// combinations), reported per section, with the number of heap allocations
// of one calculation: it must not grow with the number of sections.

#include "model/Calculation.h"
#include "model/DonneesAppli.h"

#include "support/AllocationCounter.h"

#include <benchmark/benchmark.h>

#include <QList>
#include <cstddef>

namespace {

TData contrefort(int sections)
{
    TData data;
    data.Sections.reserve(sections);
    for (int i = 0; i < sections; ++i) {
        TSection s;
        s.se_niveau = i * 1.0; // 10 slices per span
        s.se_htrsec = 1.5 - 0.5 * i / sections;
        s.se_lrgsec = 0.8;
        s.se_posisec = 0.01 * (i % 3);
        s.se_mvol = 2000;
        s.se_resistance = 5;
        s.se_angfrottrad = 0.6;
        s.se_pdsgouttml = 300;
        s.se_posigoutt = 0.2;
        s.se_chargePG = {10, -200};
        s.se_chargePS = {0, -50.0 - i % 7};
        s.se_chargePW = {40.0 + i % 5, 0};
        s.se_chargePQ = {5, -80};
        s.se_chargeRG = {2, -3};
        s.se_chargeRQ = {1, -1.0 * (i % 4)};
        s.se_chargeRW = 20 + i % 9;
        s.se_posicharge = 0.3;
        data.Sections.append(s);
    }
    return data;
}

void BM_CalculerResultats(benchmark::State& state)
{
    const int n = static_cast<int>(state.range(0));
    TData data = contrefort(n);
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
BENCHMARK(BM_CalculerResultats)->Arg(10)->Arg(100)->Arg(1000);

} // namespace
