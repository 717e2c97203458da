// Cost of the load reserve of one buttress: about twenty whole calculations
// on copies whose variable loads are multiplied, shown under every verdict of
// the results page and by tolvane-cli calculer --reserve.

#include "model/LoadReserve.h"

#include <benchmark/benchmark.h>

namespace {

// A tapering buttress 100 m high with loads of every family at every level,
// shared out over the levels: the same buttress whatever the count, its
// reserve found by a real bracketing and bisection.
TData contrefort(int sections)
{
    TData data;
    data.Sections.reserve(sections);
    const double part = 10.0 / sections;
    for (int i = 0; i < sections; ++i) {
        TSection s;
        s.se_niveau = i * 100.0 / sections; // 100 m high, 1000 slices in all
        s.se_htrsec = 1.5 - 0.5 * i / sections;
        s.se_lrgsec = 0.8;
        s.se_mvol = 2000;
        s.se_resistance = 5;
        s.se_angfrottrad = 0.6;
        s.se_chargePG = {0, -2000 * part};
        s.se_chargePS = {0, -500 * part};
        s.se_chargePW = {40 * part, 0};
        s.se_chargePQ = {0, -800 * part};
        s.se_chargeRW = 10 * part;
        s.se_posicharge = 0.5;
        data.Sections.append(s);
    }
    return data;
}

void BM_CalculerReserve(benchmark::State& state)
{
    const TData data = contrefort(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        const TReserveCharge r = CalculerReserve(data);
        benchmark::DoNotOptimize(r.lambda);
    }
    const TReserveCharge r = CalculerReserve(data);
    state.counters["lambda"] = r.genre == TReserveCharge::Genre::Aucune ? -1 : r.lambda;
}
BENCHMARK(BM_CalculerReserve)->Arg(10)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);

} // namespace
