#include "model/SectionResultants.h"

#include <QList>
#include <cmath>
#include "support/Sections.h"

#include <gtest/gtest.h>
#include <limits>

namespace {

TSection maconnerie(double niveau, double longueur = 1, double largeur = 1, double parement = 0)
{
    return SectionMaconnerie(niveau, longueur, largeur, parement);
}

TData buttress(std::initializer_list<TSection> sections)
{
    TData data;
    data.Sections = QList<TSection>(sections);
    return data;
}

void expectTorseur(const TV3R& actual, const TV3R& expected, double tolerance, const char* what)
{
    SCOPED_TRACE(what);
    EXPECT_NEAR(actual[0], expected[0], tolerance);
    EXPECT_NEAR(actual[1], expected[1], tolerance);
    EXPECT_NEAR(actual[2], expected[2], tolerance);
}

} // namespace

TEST(NombreTranches, RoundsTheTenthsHalfToEvenWithAFloorOfTen)
{
    const struct {
        double h;
        int tranches;
    } cases[] = {
        {0.05, 10},  {0.65, 10},  {1.0, 10},  {1.05, 10}, // 10.5 goes to the even 10
        {1.25, 12},                                         // 12.5 goes to the even 12
        {1.35, 14},                                         // 13.5 goes to the even 14
        {3.04, 30},  {3.06, 31},  {3.0, 30},
        {-1.0, 10},  {std::numeric_limits<double>::quiet_NaN(), 10},
        {1E300, kMaxTranches}, {std::numeric_limits<double>::infinity(), kMaxTranches},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NombreTranches(c.h), c.tranches) << "h = " << c.h;
}

TEST(ResultanteRepartie, TrapezoidResultantAndItsHeight)
{
    const struct {
        double a, b, h;
        double F, z;
    } cases[] = {
        {100, 100, 2, 200, 1},      // uniform: at mid-height
        {100, 0, 3, 150, 1},        // triangle pointing up: at a third
        {0, 100, 3, 150, 2},        // triangle pointing down: at two thirds
        {0, 0, 3, 0, 0},
    };
    for (const auto& c : cases) {
        const TResultanteRepartie r = ResultanteRepartie(c.a, c.b, c.h);
        EXPECT_NEAR(r.F, c.F, 1E-9) << c.a << " → " << c.b;
        EXPECT_NEAR(r.hauteur(), c.z, 1E-9) << c.a << " → " << c.b;
    }
}

TEST(CalculerTorseurs, UniformSpanGivesItsWeightAtItsCentroid)
{
    TData data = buttress({maconnerie(2), maconnerie(3)});
    CalculerTorseursSections(data);
    const TSection& bas = data.Sections[0];
    const TSection& haut = data.Sections[1];

    expectTorseur(bas.se_torsGpp, {0, -2000, -1000}, 1E-9, "poids propre");
    expectTorseur(bas.se_torsGtot, {0, -2000, -1000}, 1E-9, "G total");
    EXPECT_NEAR(bas.se_Xcdg, 0.5, 1E-12);
    EXPECT_NEAR(bas.se_Zcdg, 2.5, 1E-12);
    EXPECT_DOUBLE_EQ(bas.se_Xctr, 0.5);
    EXPECT_FALSE(bas.se_derniere);

    EXPECT_TRUE(haut.se_derniere);
    for (const TV3R* t : {&haut.se_torsGpp, &haut.se_torsGgoutt, &haut.se_torsGaddP, &haut.se_torsGaddR,
                          &haut.se_torsGtot, &haut.se_torsS, &haut.se_torsWP, &haut.se_torsWR, &haut.se_torsQP,
                          &haut.se_torsQR})
        expectTorseur(*t, {0, 0, 0}, 0, "section du haut");
}

TEST(CalculerTorseurs, TaperingSpanByTheMidpointRule)
{
    // 2 m long at the bottom, 1 m at the top, 1 m wide and 1 m high: 10 slices.
    TData data = buttress({maconnerie(4, 2), maconnerie(5, 1)});
    CalculerTorseursSections(data);
    const TSection& bas = data.Sections[0];

    EXPECT_NEAR(-bas.se_torsGpp[1] / bas.se_mvol, 1.5, 1E-12); // volume
    EXPECT_NEAR(bas.se_Xcdg, 0.7775, 0.00005);
    EXPECT_NEAR(bas.se_Zcdg - 4, 0.445, 0.0005);
    // The midpoint rule on 10 slices, not the exact solid (0.7778 m, 0.4444 m).
    EXPECT_GT(std::abs(bas.se_Xcdg - 7.0 / 9), 0.0002);
    EXPECT_NEAR(bas.se_torsGpp[2], bas.se_torsGpp[1] * bas.se_Xcdg, 1E-9);
}

TEST(CalculerTorseurs, InnerFaceMovingAlongTheSpan)
{
    // A 1 m × 1 m prism whose inner face goes from x = 0 to x = 1 over 2 m:
    // its centroid lies halfway, at x = 1.
    TData data = buttress({maconnerie(0, 1, 1, 0), maconnerie(2, 1, 1, 1)});
    CalculerTorseursSections(data);
    EXPECT_NEAR(data.Sections[0].se_Xcdg, 1.0, 1E-12);
    EXPECT_NEAR(data.Sections[0].se_Zcdg, 1.0, 1E-12);
    EXPECT_NEAR(data.Sections[0].se_torsGpp[1], -4000, 1E-9);
}

TEST(CalculerTorseurs, VeryHighSpanIsCappedInsteadOfStalling)
{
    // A mistyped level must not keep the calculation busy for hours: the
    // rectangular prism still gives its exact volume with the capped count.
    TData data = buttress({maconnerie(0), maconnerie(1E9)});
    CalculerTorseursSections(data);
    EXPECT_NEAR(data.Sections[0].se_torsGpp[1] / -2000, 1E9, 1);
    EXPECT_NEAR(data.Sections[0].se_Zcdg, 0.5E9, 1);
}

TEST(CalculerTorseurs, DistributedLoads)
{
    const struct {
        const char* name;
        double hauteur;
        void (*charger)(TSection& bas, TSection& haut);
        TV3R TSection::*torseur;
        TV3R attendu;
    } cases[] = {
        {"vent uniforme", 2, [](TSection& b, TSection& h) { b.se_chargeRW = h.se_chargeRW = 100; },
         &TSection::se_torsWR, {200, 0, -200}},
        {"permanente horizontale triangulaire", 3, [](TSection& b, TSection&) { b.se_chargeRG = {100, 0}; },
         &TSection::se_torsGaddR, {150, 0, -150}},
        {"exploitation horizontale triangulaire inversée", 3, [](TSection&, TSection& h) { h.se_chargeRQ = {100, 0}; },
         &TSection::se_torsQR, {150, 0, -300}},
        // A vertical load follows the inner face, here from x = 0 to x = 0.3:
        // applied at mid-height, x = 0.15.
        {"permanente verticale sur parement incliné", 3,
         [](TSection& b, TSection& h) { b.se_chargeRG = h.se_chargeRG = {0, -100}; h.se_posisec = 0.3; },
         &TSection::se_torsGaddR, {0, -300, -45}},
        // An intensity changing sign has no resultant force but still a moment:
        // −∫ z·q(z) dz = 150 daN·m for 100 → −100 over 3 m.
        {"vent qui change de sens", 3, [](TSection& b, TSection& h) { b.se_chargeRW = 100; h.se_chargeRW = -100; },
         &TSection::se_torsWR, {0, 0, 150}},
        {"couple vertical sur parement incliné", 3,
         [](TSection& b, TSection& h) { b.se_chargeRQ = {0, 100}; h.se_chargeRQ = {0, -100}; h.se_posisec = 0.3; },
         &TSection::se_torsQR, {0, 0, -15}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TSection bas = maconnerie(10);
        TSection haut = maconnerie(10 + c.hauteur);
        c.charger(bas, haut);
        TData data = buttress({bas, haut});
        CalculerTorseursSections(data);
        expectTorseur(data.Sections[0].*(c.torseur), c.attendu, 1E-9, c.name);
        // The top section's intensities only close the span below it.
        expectTorseur(data.Sections[1].*(c.torseur), {0, 0, 0}, 0, "section du haut");
    }
}

TEST(CalculerTorseurs, PermanentDistributedLoadsEnterTheTotal)
{
    TSection bas = maconnerie(0);
    bas.se_chargeRG = {100, 0};
    TData data = buttress({bas, maconnerie(3)});
    CalculerTorseursSections(data);
    const TSection& s = data.Sections[0];
    expectTorseur(s.se_torsGtot, s.se_torsGpp + s.se_torsGgoutt + s.se_torsGaddP + s.se_torsGaddR, 1E-9, "G total");
    EXPECT_NEAR(s.se_torsGtot[0], 150, 1E-9);
}

TEST(CalculerTorseurs, WallWeight)
{
    const struct {
        const char* name;
        double parementBas, parementHaut, distance;
        TV3R attendu;
    } cases[] = {
        {"parements sur l'axe, distance 0", 0, 0, 0, {0, -1000, 0}},
        {"parements sur l'axe, distance 0.4", 0, 0, 0.4, {0, -1000, 0}},
        // Faces at 0.2 and 0.1, wall 0.3 further out: x = 0.5 and 0.4, mean 0.45.
        {"parements décalés", 0.2, 0.1, 0.3, {0, -1000, -450}},
        // A face on negative x puts the wall further to the left.
        {"parements à gauche de l'axe", -0.2, -0.2, 0.3, {0, -1000, 500}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TSection bas = maconnerie(0, 1, 1, c.parementBas);
        TSection haut = maconnerie(2, 1, 1, c.parementHaut);
        bas.se_pdsgouttml = haut.se_pdsgouttml = 500;
        bas.se_posigoutt = haut.se_posigoutt = c.distance;
        TData data = buttress({bas, haut});
        CalculerTorseursSections(data);
        expectTorseur(data.Sections[0].se_torsGgoutt, c.attendu, 1E-9, c.name);
        // The top section's own wall weight has no height to act over.
        expectTorseur(data.Sections[1].se_torsGgoutt, {0, 0, 0}, 0, "section du haut");
    }
}

TEST(CalculerTorseurs, PointLoadsAreCarriedDownWithTheirMoment)
{
    // A horizontal load at the top acts with the lever of every span below it;
    // vertical loads act at their own x.
    TSection haut = maconnerie(3);
    haut.se_chargePW = {100, 0};
    haut.se_chargePS = {0, -50};
    haut.se_chargePQ = {20, -10};
    haut.se_posicharge = 0.4;
    TData data = buttress({maconnerie(0), maconnerie(2), haut});
    CalculerTorseursSections(data);

    const struct {
        int section;
        TV3R vent, neige, exploitation;
    } cases[] = {
        {2, {100, 0, 0}, {0, -50, -20}, {20, -10, -4}},
        {1, {100, 0, -100}, {0, -50, -20}, {20, -10, -24}},
        {0, {100, 0, -300}, {0, -50, -20}, {20, -10, -64}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.section);
        const TSection& s = data.Sections[c.section];
        expectTorseur(s.se_torsWP, c.vent, 1E-9, "vent");
        expectTorseur(s.se_torsS, c.neige, 1E-9, "neige");
        expectTorseur(s.se_torsQP, c.exploitation, 1E-9, "exploitation");
    }
}

TEST(CalculerTorseurs, ALoadAtAMiddleSectionDoesNotReachTheSectionsAbove)
{
    TSection milieu = maconnerie(2);
    milieu.se_chargePG = {0, -1000};
    milieu.se_posicharge = 0.5;
    TData data = buttress({maconnerie(0), milieu, maconnerie(3)});
    CalculerTorseursSections(data);
    expectTorseur(data.Sections[2].se_torsGaddP, {0, 0, 0}, 0, "au-dessus");
    expectTorseur(data.Sections[1].se_torsGaddP, {0, -1000, -500}, 1E-9, "à son niveau");
    expectTorseur(data.Sections[0].se_torsGaddP, {0, -1000, -500}, 1E-9, "en dessous");
    // Self weight of both spans: 1 m³ over the middle one, 2 m³ over the lower one.
    EXPECT_NEAR(data.Sections[1].se_torsGpp[1], -2000, 1E-9);
    EXPECT_NEAR(data.Sections[0].se_torsGpp[1], -6000, 1E-9);
}

TEST(CalculerTorseurs, MaxChargeTakesWallWeightsAndPointLoadsOfGSAndQOnly)
{
    const struct {
        const char* name;
        void (*charger)(TSection&);
        double attendu;
    } cases[] = {
        {"poids gouttereau", [](TSection& s) { s.se_pdsgouttml = 700; }, 700},
        {"G horizontale", [](TSection& s) { s.se_chargePG = {-800, 0}; }, 800},
        {"G verticale", [](TSection& s) { s.se_chargePG = {0, -900}; }, 900},
        {"S", [](TSection& s) { s.se_chargePS = {300, -400}; }, 400},
        {"Q", [](TSection& s) { s.se_chargePQ = {-650, 10}; }, 650},
        {"vent ponctuel exclu", [](TSection& s) { s.se_chargePW = {5000, 0}; }, 0},
        {"réparties exclues",
         [](TSection& s) { s.se_chargeRG = {5000, -5000}; s.se_chargeRQ = {5000, 5000}; s.se_chargeRW = 5000; }, 0},
    };
    for (const auto& c : cases) {
        TSection haut = maconnerie(1);
        c.charger(haut);
        TData data = buttress({maconnerie(0), haut});
        CalculerTorseursSections(data);
        EXPECT_DOUBLE_EQ(data.MaxCharge, c.attendu) << c.name;
    }
}

TEST(CalculerTorseurs, ClearsThePreviousResultsOfTheSection)
{
    TSection ancien = maconnerie(0);
    ancien.se_maxExc = {{1, 2, 3}, QStringLiteral("1.35 G"), 0.2, 2};
    ancien.se_maxAng = {{1, 2, 3}, QStringLiteral("1.35 G"), 0.3, 2};
    ancien.se_maxCtr = {{1, 2, 3}, QStringLiteral("1.35 G"), 40, 2};
    ancien.se_torsS = {7, 7, 7};
    ancien.se_Xcdg = 9;
    ancien.se_derniere = false;
    TData data;
    CalculerTorseurs(ancien, nullptr, data);

    EXPECT_TRUE(ancien.se_derniere);
    EXPECT_EQ(ancien.se_Xcdg, 0);
    expectTorseur(ancien.se_torsS, {0, 0, 0}, 0, "neige");
    for (const TMaxi* m : {&ancien.se_maxExc, &ancien.se_maxAng, &ancien.se_maxCtr}) {
        expectTorseur(m->mx_torsPondere, {0, 0, 0}, 0, "combinaison retenue");
        EXPECT_TRUE(m->mx_combi.isEmpty());
        EXPECT_EQ(m->mx_valeur, 0);
        EXPECT_EQ(m->mx_statut, 0);
    }
}
