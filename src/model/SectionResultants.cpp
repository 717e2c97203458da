#include "model/SectionResultants.h"

#include <algorithm>
#include <cmath>

namespace {

double signe(double v) { return v > 0 ? 1.0 : (v < 0 ? -1.0 : 0.0); }

// Horizontal and vertical components of one distributed family over a span,
// the vertical resultant acting on the inner face, whose x varies linearly
// from pi (lower section) to pj (upper section).
TV3R TorseurReparti(const TV2R& bas, const TV2R& haut, double h, double pi, double pj)
{
    const TResultanteRepartie H = ResultanteRepartie(bas[0], haut[0], h);
    const TResultanteRepartie V = ResultanteRepartie(bas[1], haut[1], h);
    // F_V·x̄ with x̄ = pi + (pj − pi)·z̄ / h, written with the moment M_V = F_V·z̄
    // so that a vertical couple (F_V = 0) is not lost.
    const double momentV = V.F * pi + (pj - pi) * V.M / h;
    return {H.F, V.F, -H.M + momentV};
}

TV3R TorseurPonctuel(const TV2R& charge, double x)
{
    return {charge[0], charge[1], charge[1] * x};
}

void Cumuler(TV3R& t, const TV3R& dessus, double h)
{
    t[0] += dessus[0];
    t[1] += dessus[1];
    t[2] += dessus[2] - dessus[0] * h;
}

} // namespace

int NombreTranches(double h)
{
    // nearbyint follows the current rounding mode, round-half-to-even unless
    // someone changed it; the comparisons also catch a NaN.
    const double n = std::nearbyint(h / 0.1);
    if (!(n >= 10))
        return 10;
    if (!(n <= kMaxTranches))
        return kMaxTranches;
    return static_cast<int>(n);
}

TResultanteRepartie ResultanteRepartie(double a, double b, double h)
{
    const double F = (a + b) * h / 2;
    const double M = b * h * h / 2 + (a - b) * h * h / 6;
    if (!std::isfinite(F) || !std::isfinite(M))
        return {};
    return {F, M};
}

void CalculerTorseurs(TSection& s, const TSection* dessus, TData& data)
{
    s.se_derniere = false;
    s.se_Xctr = s.se_Xcdg = s.se_Zcdg = s.se_Xgoutt = 0;
    s.se_torsGpp = s.se_torsGgoutt = s.se_torsGaddP = s.se_torsGaddR = s.se_torsGtot = TV3R{};
    s.se_torsS = s.se_torsWP = s.se_torsWR = s.se_torsQP = s.se_torsQR = TV3R{};
    s.se_maxExc = TMaxi{};
    s.se_maxAng = TMaxi{};
    s.se_maxCtr = TMaxi{};

    // Wind point loads and distributed loads stay out of the drawing's scale.
    data.MaxCharge = std::max({data.MaxCharge, std::abs(s.se_pdsgouttml), std::abs(s.se_chargePG[0]),
                               std::abs(s.se_chargePG[1]), std::abs(s.se_chargePS[0]), std::abs(s.se_chargePS[1]),
                               std::abs(s.se_chargePQ[0]), std::abs(s.se_chargePQ[1])});

    s.se_Xctr = s.se_posisec + s.se_htrsec / 2;
    s.se_derniere = (dessus == nullptr);
    // With the inner face on the axis the wall weight acts on the axis.
    s.se_Xgoutt = s.se_posisec + signe(s.se_posisec) * s.se_posigoutt;

    double h = 0;
    if (dessus) {
        const TSection& j = *dessus;
        h = j.se_niveau - s.se_niveau;

        // Masonry between the two sections, by the midpoint rule on slices.
        const int n = NombreTranches(h);
        const double dz = h / n;
        double sA = 0, sAx = 0, sAz = 0;
        for (int k = 1; k <= n; ++k) {
            const double t = (k - 0.5) * dz / h;
            const double X = s.se_htrsec + (j.se_htrsec - s.se_htrsec) * t;
            const double Y = s.se_lrgsec + (j.se_lrgsec - s.se_lrgsec) * t;
            const double p = s.se_posisec + (j.se_posisec - s.se_posisec) * t;
            const double A = X * Y;
            sA += A;
            sAx += A * (p + X / 2);
            sAz += A * (s.se_niveau + (k - 0.5) * dz);
        }
        s.se_Xcdg = sAx / sA;
        s.se_Zcdg = sAz / sA;
        const double volume = sA * dz;

        const double poids = -volume * s.se_mvol;
        s.se_torsGpp = {0, poids, poids * s.se_Xcdg};

        const double mur = -s.se_pdsgouttml * h;
        s.se_torsGgoutt = {0, mur, mur * (s.se_Xgoutt + j.se_Xgoutt) / 2};

        s.se_torsGaddR = TorseurReparti(s.se_chargeRG, j.se_chargeRG, h, s.se_posisec, j.se_posisec);
        const TResultanteRepartie vent = ResultanteRepartie(s.se_chargeRW, j.se_chargeRW, h);
        s.se_torsWR = {vent.F, 0, -vent.M};
        s.se_torsQR = TorseurReparti(s.se_chargeRQ, j.se_chargeRQ, h, s.se_posisec, j.se_posisec);
    }

    s.se_torsGaddP = TorseurPonctuel(s.se_chargePG, s.se_posicharge);
    s.se_torsS = TorseurPonctuel(s.se_chargePS, s.se_posicharge);
    s.se_torsWP = TorseurPonctuel(s.se_chargePW, s.se_posicharge);
    s.se_torsQP = TorseurPonctuel(s.se_chargePQ, s.se_posicharge);

    s.se_torsGtot = s.se_torsGpp + s.se_torsGgoutt + s.se_torsGaddP + s.se_torsGaddR;

    if (dessus) {
        const TSection& j = *dessus;
        Cumuler(s.se_torsGpp, j.se_torsGpp, h);
        Cumuler(s.se_torsGgoutt, j.se_torsGgoutt, h);
        Cumuler(s.se_torsGaddP, j.se_torsGaddP, h);
        Cumuler(s.se_torsGaddR, j.se_torsGaddR, h);
        Cumuler(s.se_torsGtot, j.se_torsGtot, h);
        Cumuler(s.se_torsS, j.se_torsS, h);
        Cumuler(s.se_torsWP, j.se_torsWP, h);
        Cumuler(s.se_torsWR, j.se_torsWR, h);
        Cumuler(s.se_torsQP, j.se_torsQP, h);
        Cumuler(s.se_torsQR, j.se_torsQR, h);
    }
}

void CalculerTorseursSections(TData& data)
{
    const qsizetype n = data.Sections.size();
    if (n == 0)
        return;
    // One detach up front, then plain pointers: nothing is allocated per section.
    TSection* sections = data.Sections.data();
    CalculerTorseurs(sections[n - 1], nullptr, data);
    for (qsizetype i = n - 2; i >= 0; --i)
        CalculerTorseurs(sections[i], &sections[i + 1], data);
}
