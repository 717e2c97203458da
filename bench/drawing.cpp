// The drawing is rebuilt on every display and repainted on every paint event,
// pan and wheel notch: the command text of a tall buttress and its painting
// must stay well within a frame's time. Each figure is also given per section;
// BM_AfficherDessin is what one display of the sheet costs (build, read,
// paint a 1600 x 1200 area), the figure held against a frame's 16 ms.

#include "drawing/ButtressDrawing.h"
#include "drawing/DrawingCommands.h"
#include "drawing/DrawingRenderer.h"

#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

namespace {

TData Contrefort(int n)
{
    TData data;
    for (int i = 0; i < n; ++i) {
        TSection s;
        s.se_niveau = 0.5 * i;
        s.se_htrsec = 3.0 - 2.0 * i / n;
        s.se_posicharge = 0.2;
        s.se_chargePG = {100.0 * i, -1000};
        s.se_chargePW = {200, 0};
        s.se_chargeRG = {0, -300};
        s.se_chargeRW = 150;
        s.se_chargeRQ = {0, -200};
        s.se_Xctr = s.se_htrsec / 2;
        s.se_maxExc.mx_torsPondere = {300, -5000.0 * (n - i), 0};
        data.Sections.append(s);
    }
    data.MaxCharge = 100.0 * n;
    data.MaxEffortV = 5000.0 * n;
    return data;
}

void ParSection(benchmark::State& state)
{
    state.counters["temps_par_section"] = benchmark::Counter(
        double(state.range(0)), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// A large screen's drawing area.
const QSize kZone(1600, 1200);

OptionsDessin LesDeux()
{
    OptionsDessin o;
    o.affichage = OptionsDessin::Affichage::LesDeux;
    return o;
}

void BM_ConstruireDessin(benchmark::State& state)
{
    TData data = Contrefort(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(ConstruireDessin(data, LesDeux()));
    ParSection(state);
}
BENCHMARK(BM_ConstruireDessin)->Arg(10)->Arg(100)->Arg(1000);

void BM_LireCommandes(benchmark::State& state)
{
    TData data = Contrefort(int(state.range(0)));
    const QString texte = ConstruireDessin(data, LesDeux()).texte;
    for (auto _ : state)
        benchmark::DoNotOptimize(LireCommandesDessin(texte));
    ParSection(state);
}
BENCHMARK(BM_LireCommandes)->Arg(10)->Arg(100)->Arg(1000);

// One repaint of the whole area, as the frame does it.
void BM_Peindre(benchmark::State& state)
{
    TData data = Contrefort(int(state.range(0)));
    const DessinContrefort dessin = ConstruireDessin(data, LesDeux());
    const auto commandes = LireCommandesDessin(dessin.texte);
    QImage image(kZone, QImage::Format_RGB32);
    const ViewMapping vue = AjusterVue(dessin.etendue, kZone + QSize(0, 23), image.size());
    for (auto _ : state) {
        QPainter painter(&image);
        PeindreDessin(painter, commandes, vue, image.size(), kCouleurFondDessin);
    }
    ParSection(state);
}
BENCHMARK(BM_Peindre)->Arg(10)->Arg(100)->Arg(1000);

// One display: the text built from the model, read into commands, the view
// fitted to everything drawn and the area painted.
void BM_AfficherDessin(benchmark::State& state)
{
    TData data = Contrefort(int(state.range(0)));
    QImage image(kZone, QImage::Format_RGB32);
    for (auto _ : state) {
        const DessinContrefort dessin = ConstruireDessin(data, LesDeux());
        const auto commandes = LireCommandesDessin(dessin.texte);
        const ViewMapping vue
            = AjusterVue(EtendueCommandes(commandes, dessin.etendue), kZone + QSize(0, 23), image.size());
        QPainter painter(&image);
        PeindreDessin(painter, commandes, vue, image.size(), kCouleurFondDessin);
    }
    ParSection(state);
}
BENCHMARK(BM_AfficherDessin)->Arg(10)->Arg(100)->Arg(1000);

} // namespace
