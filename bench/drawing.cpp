// The drawing is rebuilt on every display and repainted on every paint event,
// pan and wheel notch: the command text of a tall buttress and its painting
// must stay well within a frame's time.

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
}
BENCHMARK(BM_ConstruireDessin)->Arg(10)->Arg(100);

void BM_LireCommandes(benchmark::State& state)
{
    TData data = Contrefort(int(state.range(0)));
    const QString texte = ConstruireDessin(data, LesDeux()).texte;
    for (auto _ : state)
        benchmark::DoNotOptimize(LireCommandesDessin(texte));
}
BENCHMARK(BM_LireCommandes)->Arg(10)->Arg(100);

// One repaint of an 800 x 600 area, as the frame does it.
void BM_Peindre(benchmark::State& state)
{
    TData data = Contrefort(int(state.range(0)));
    const DessinContrefort dessin = ConstruireDessin(data, LesDeux());
    const auto commandes = LireCommandesDessin(dessin.texte);
    QImage image(800, 600, QImage::Format_RGB32);
    const ViewMapping vue = AjusterVue(dessin.etendue, QSize(800, 623), image.size());
    for (auto _ : state) {
        QPainter painter(&image);
        PeindreDessin(painter, commandes, vue, image.size(), kCouleurFondDessin);
    }
}
BENCHMARK(BM_Peindre)->Arg(10)->Arg(100);

} // namespace
