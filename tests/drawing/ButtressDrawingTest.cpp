#include "drawing/ButtressDrawing.h"

#include "drawing/DrawingCommands.h"
#include "drawing/DrawingRenderer.h"
#include "model/Calculation.h"
#include "support/FakePlatformServices.h"
#include "WorkedExampleDrawing.h"

#include <QImage>
#include <QPainter>
#include <cmath>
#include <gtest/gtest.h>

namespace {

using G = InstructionDessin::Genre;

TSection section(double niveau, double posisec, double htrsec, double posicharge = 0)
{
    TSection s;
    s.se_niveau = niveau;
    s.se_posisec = posisec;
    s.se_htrsec = htrsec;
    s.se_lrgsec = 0.8;
    s.se_mvol = 2000;
    s.se_resistance = 5;
    s.se_angfrottrad = 0.6;
    s.se_posicharge = posicharge;
    return s;
}

// Two sections 3 m apart, with MaxCharge 2000: EchCharges = 0.6 / 2000 x k.
TData deuxSections()
{
    TData data;
    data.Sections = {section(0, 0, 1, 0.3), section(3, 0, 0.6, 0.3)};
    data.MaxCharge = 2000;
    data.MaxEffortV = 4000;
    return data;
}

OptionsDessin sansCharges()
{
    OptionsDessin o;
    o.ponctuelles = false;
    o.reparties = false;
    return o;
}

std::vector<InstructionDessin> fleches(const QString& texte)
{
    std::vector<InstructionDessin> resultat;
    for (const InstructionDessin& c : LireCommandesDessin(texte))
        if (c.genre == G::Fleche)
            resultat.push_back(c);
    return resultat;
}

double longueur(const InstructionDessin& f) { return std::hypot(f.x2 - f.x1, f.y2 - f.y1); }

TEST(DessinContrefort, WorkedExampleGivesExactlyItsTextAndExtent)
{
    TData data;
    data.Sections = {section(0, 0, 1), section(3, 0, 0.6)};
    const DessinContrefort dessin = ConstruireDessin(data, sansCharges());
    const QString attendu = TexteDessinExempleChiffre();
    EXPECT_EQ(dessin.texte, attendu);
    EXPECT_DOUBLE_EQ(dessin.etendue.xmin, 0);
    EXPECT_DOUBLE_EQ(dessin.etendue.ymin, 0);
    EXPECT_DOUBLE_EQ(dessin.etendue.xmax, 1);
    EXPECT_DOUBLE_EQ(dessin.etendue.ymax, 3);
}

TEST(DessinContrefort, ExtentSpansTheInnerAndOuterFacesOfAllSections)
{
    TData data;
    data.Sections = {section(1, 0.5, 2), section(4, -0.25, 1), section(6, 0.75, 2.5)};
    const DessinContrefort dessin = ConstruireDessin(data, sansCharges());
    EXPECT_DOUBLE_EQ(dessin.etendue.xmin, -0.25);
    EXPECT_DOUBLE_EQ(dessin.etendue.xmax, 3.25);
    EXPECT_DOUBLE_EQ(dessin.etendue.ymin, 1);
    EXPECT_DOUBLE_EQ(dessin.etendue.ymax, 6);
    EXPECT_TRUE(dessin.texte.contains(QStringLiteral("LIGNE\r\n0.500\t1.000\r\n-0.250\t4.000\r\n0.750\t6.000\r\n")));
    EXPECT_TRUE(dessin.texte.contains(QStringLiteral("LIGNE\r\n2.500\t1.000\r\n0.750\t4.000\r\n3.250\t6.000\r\n")));
}

struct CasFacteur {
    int position;
    double k;
};

class Facteur : public ::testing::TestWithParam<CasFacteur> {};

TEST_P(Facteur, ScrollBarPositionGivesTheLoadScaleFactor)
{
    EXPECT_DOUBLE_EQ(FacteurEchelleCharges(GetParam().position), GetParam().k);
}

INSTANTIATE_TEST_SUITE_P(Positions, Facteur,
                         ::testing::Values(CasFacteur{0, 1}, CasFacteur{20, 2}, CasFacteur{40, 3},
                                           CasFacteur{100, 6}, CasFacteur{-20, 0.5}, CasFacteur{-40, 1 / 3.0},
                                           CasFacteur{-100, 1 / 6.0}, CasFacteur{1, 1.05},
                                           CasFacteur{-1, 1 / 1.05}, CasFacteur{250, 6},
                                           CasFacteur{-250, 1 / 6.0}));

TEST(DessinContrefort, ScalesAreOneFifthOfTheHeightOverTheMaximaTimesK)
{
    TData data = deuxSections();
    OptionsDessin options;
    options.echelleCharges = 20;
    ConstruireDessin(data, options);
    EXPECT_DOUBLE_EQ(data.EchCharges, 3.0 / 5 / 2000 * 2);
    EXPECT_DOUBLE_EQ(data.EchEfforts, 3.0 / 5 / 4000 * 2);
}

// The scales cannot be formed: no arrow of that kind, no infinity in the text.
TEST(DessinContrefort, NoArrowWhenAScaleCannotBeFormed)
{
    struct Cas {
        const char* nom;
        double maxCharge, maxEffort, hautSommet;
        bool chargesAttendues, resultatsAttendus;
    };
    // Without MaxCharge (before a calculation, or loads outside it) the
    // load scale comes from the largest load shown.
    for (const Cas& cas : {Cas{"avant calcul", 0, 0, 3, true, false},
                           Cas{"sans charge dans le maximum", 0, 4000, 3, true, true},
                           Cas{"sans effort", 2000, 0, 3, true, false},
                           Cas{"hauteur nulle", 2000, 4000, 0, false, false}}) {
        TData data = deuxSections();
        data.MaxCharge = cas.maxCharge;
        data.MaxEffortV = cas.maxEffort;
        data.Sections[1].se_niveau = cas.hautSommet;
        data.Sections[1].se_chargePG = {0, -2000};
        data.Sections[0].se_chargeRG = {100, -50};
        data.Sections[1].se_maxExc.mx_torsPondere = {10, -3000, 0};
        OptionsDessin options;
        options.affichage = OptionsDessin::Affichage::LesDeux;
        const DessinContrefort dessin = ConstruireDessin(data, options);
        EXPECT_FALSE(dessin.texte.contains(QStringLiteral("inf"), Qt::CaseInsensitive)) << cas.nom;
        EXPECT_FALSE(dessin.texte.contains(QStringLiteral("nan"), Qt::CaseInsensitive)) << cas.nom;
        EXPECT_TRUE(std::isfinite(data.EchCharges) && std::isfinite(data.EchEfforts)) << cas.nom;
        EXPECT_EQ(data.EchCharges > 0, cas.chargesAttendues) << cas.nom;
        EXPECT_EQ(data.EchEfforts > 0, cas.resultatsAttendus) << cas.nom;
        const auto lesFleches = fleches(dessin.texte);
        const bool bleue = std::any_of(lesFleches.begin(), lesFleches.end(),
                                       [](const InstructionDessin& f) { return f.x2 == 0.3; });
        const std::size_t attendues = (cas.chargesAttendues ? 2 : 0) + (cas.resultatsAttendus ? 1 : 0);
        EXPECT_EQ(lesFleches.size(), attendues) << cas.nom;
        EXPECT_EQ(bleue, cas.chargesAttendues) << cas.nom;
        // The distributed-load diagram (one segment per family G, W, Q) goes with its arrows.
        EXPECT_EQ(dessin.texte.count(QStringLiteral("LIGNE")), cas.chargesAttendues ? 4 + 3 : 4) << cas.nom;
    }
}

TEST(DessinContrefort, PointLoadArrowEndsAtThePointOfTheLoadsAlongTheLoad)
{
    TData data = deuxSections();
    data.Sections[1].se_chargePW = {300, 0};
    data.Sections[1].se_chargePG = {0, -2000};
    OptionsDessin options;
    options.reparties = false;
    const DessinContrefort dessin = ConstruireDessin(data, options);
    const auto f = fleches(dessin.texte);
    ASSERT_EQ(f.size(), 2u);
    const double s = data.EchCharges;
    // G first, then W; both end at (se_posicharge, se_niveau).
    for (const InstructionDessin& c : f) {
        EXPECT_DOUBLE_EQ(c.x2, 0.3);
        EXPECT_DOUBLE_EQ(c.y2, 3);
    }
    EXPECT_DOUBLE_EQ(f[0].x1, 0.3);
    EXPECT_NEAR(f[0].y1, 3 + 2000 * s, 1e-3); // a weight comes from above
    EXPECT_NEAR(f[1].x1, 0.3 - 300 * s, 1e-3); // a push to the right comes from the left
    EXPECT_DOUBLE_EQ(f[1].y1, 3);
    EXPECT_TRUE(dessin.texte.contains(QStringLiteral("EPTRAIT\t2\r\nFLECHE\t0.300\t3.600\t0.300\t3.000\r\n")));
}

TEST(DessinContrefort, ScrollBarScalesEveryLoadArrow)
{
    TData data = deuxSections();
    data.Sections[0].se_chargePQ = {-400, -1000};
    data.Sections[0].se_chargeRG = {0, -1500};
    const auto longueurs = [&](int position) {
        OptionsDessin options;
        options.echelleCharges = position;
        std::vector<double> l;
        for (const InstructionDessin& f : fleches(ConstruireDessin(data, options).texte))
            l.push_back(longueur(f));
        return l;
    };
    const auto milieu = longueurs(0);
    const auto double_ = longueurs(20);
    const auto moitie = longueurs(-20);
    ASSERT_EQ(milieu.size(), 2u);
    ASSERT_EQ(double_.size(), 2u);
    ASSERT_EQ(moitie.size(), 2u);
    for (std::size_t i = 0; i < milieu.size(); ++i) {
        EXPECT_NEAR(double_[i], 2 * milieu[i], 2e-3);
        EXPECT_NEAR(moitie[i], milieu[i] / 2, 2e-3);
    }
}

TEST(DessinContrefort, FamiliesAndKindsFollowTheOptions)
{
    TData data = deuxSections();
    TSection& bas = data.Sections[0];
    bas.se_chargePG = {0, -100};
    bas.se_chargePS = {0, -200};
    bas.se_chargePW = {300, 0};
    bas.se_chargePQ = {0, -400};
    bas.se_chargeRG = {0, -500};
    bas.se_chargeRW = 600;
    bas.se_chargeRQ = {0, -700};
    bas.se_maxExc.mx_torsPondere = {0, -4000, 0};
    const double s = 0.6 / 2000;
    // Lengths of the load arrows, in the order they are written.
    const auto lues = [&](const OptionsDessin& options) {
        std::vector<long> l;
        for (const InstructionDessin& f : fleches(ConstruireDessin(data, options).texte))
            l.push_back(std::lround(longueur(f) / s));
        return l;
    };
    OptionsDessin tout;
    EXPECT_EQ(lues(tout), (std::vector<long>{100, 200, 300, 400, 500, 600, 700}));

    OptionsDessin sansNeigeNiVent;
    sansNeigeNiVent.neige = false;
    sansNeigeNiVent.vent = false;
    EXPECT_EQ(lues(sansNeigeNiVent), (std::vector<long>{100, 400, 500, 700}));

    OptionsDessin ponctuelles;
    ponctuelles.reparties = false;
    ponctuelles.permanentes = false;
    EXPECT_EQ(lues(ponctuelles), (std::vector<long>{200, 300, 400}));

    OptionsDessin reparties;
    reparties.ponctuelles = false;
    reparties.exploitation = false;
    EXPECT_EQ(lues(reparties), (std::vector<long>{500, 600}));

    // "résultats" shows no load whatever the items; "les deux" adds the resultant.
    OptionsDessin resultats;
    resultats.affichage = OptionsDessin::Affichage::Resultats;
    const double e = 0.6 / 4000;
    const auto f = fleches(ConstruireDessin(data, resultats).texte);
    ASSERT_EQ(f.size(), 1u);
    EXPECT_NEAR(longueur(f[0]), 4000 * e, 1e-3);
    OptionsDessin lesDeux;
    lesDeux.affichage = OptionsDessin::Affichage::LesDeux;
    EXPECT_EQ(fleches(ConstruireDessin(data, lesDeux).texte).size(), 8u);
}

TEST(DessinContrefort, DistributedLoadsCloseTheDiagramBetweenLevels)
{
    TData data;
    data.Sections = {section(0, 0, 1, 0.2), section(2, 0, 1, 0.4), section(5, 0, 1, 0.6)};
    data.MaxCharge = 1000; // EchCharges = 1 / 1000
    data.Sections[0].se_chargeRG = {0, -1000};
    data.Sections[1].se_chargeRG = {0, -500};
    data.Sections[2].se_chargeRG = {0, -250};
    data.Sections[1].se_chargeRW = 200;
    OptionsDessin options;
    options.ponctuelles = false;
    const QString texte = ConstruireDessin(data, options).texte;
    // Bottom section: G arrow and the segment to the tail of the middle one;
    // W is zero here, but its segment still runs to the middle section's tail.
    EXPECT_TRUE(texte.contains(QStringLiteral("COULEUR\t16711680\r\nEPTRAIT\t1\r\n"
                                              "FLECHE\t0.200\t1.000\t0.200\t0.000\r\n"
                                              "LIGNE\r\n0.200\t1.000\r\n0.400\t2.500\r\n"
                                              "LIGNE\r\n0.200\t0.000\r\n0.200\t2.000\r\n"
                                              "LIGNE\r\n0.200\t0.000\r\n0.400\t2.000\r\n")));
    // Middle section: its arrows and segments up to the top section's tails.
    EXPECT_TRUE(texte.contains(QStringLiteral("COULEUR\t16711680\r\nEPTRAIT\t1\r\n"
                                              "FLECHE\t0.400\t2.500\t0.400\t2.000\r\n"
                                              "LIGNE\r\n0.400\t2.500\r\n0.600\t5.250\r\n"
                                              "FLECHE\t0.200\t2.000\t0.400\t2.000\r\n"
                                              "LIGNE\r\n0.200\t2.000\r\n0.600\t5.000\r\n"
                                              "LIGNE\r\n0.400\t2.000\r\n0.600\t5.000\r\n")));
    // The top section draws no distributed load of its own.
    EXPECT_TRUE(texte.endsWith(QStringLiteral("0.600\t5.000\r\nCOULEUR\t16711680\r\n")));
    EXPECT_EQ(fleches(texte).size(), 3u);
}

TEST(DessinContrefort, TopSectionIsTheLastOneEvenBeforeAnyCalculation)
{
    // se_derniere is a result: false everywhere before a calculation.
    TData data = deuxSections();
    data.Sections[1].se_chargeRG = {0, -100};
    ASSERT_FALSE(data.Sections[1].se_derniere);
    OptionsDessin options;
    options.ponctuelles = false;
    const QString texte = ConstruireDessin(data, options).texte;
    EXPECT_EQ(texte.count(QStringLiteral("EPTRAIT\t1")), 1);

    TData une;
    une.Sections = {section(0, 0, 1)};
    une.Sections[0].se_chargeRG = {0, -100};
    une.MaxCharge = 100;
    EXPECT_FALSE(ConstruireDessin(une, options).texte.contains(QStringLiteral("EPTRAIT\t1")));
}

TEST(DessinContrefort, ResultantColouredByTheWorseOfEccentricityAndFrictionLevels)
{
    struct Cas {
        int exc, ang;
        const char* couleur;
    };
    for (const Cas& cas : {Cas{0, 0, "5296274"}, Cas{1, 0, "10079487"}, Cas{0, 1, "10079487"},
                           Cas{2, 1, "13408767"}, Cas{0, 2, "13408767"}}) {
        TData data = deuxSections();
        data.Sections[0].se_Xctr = 0.5;
        data.Sections[0].se_maxExc = {{300, -4000, 0}, QString(), -0.125, cas.exc};
        data.Sections[0].se_maxAng.mx_statut = cas.ang;
        OptionsDessin options;
        options.affichage = OptionsDessin::Affichage::Resultats;
        const QString texte = ConstruireDessin(data, options).texte;
        const QString attendu = QStringLiteral("COULEUR\t%1\r\nEPTRAIT\t2\r\nFLECHE\t0.330\t0.600\t0.375\t0.000\r\n")
                                    .arg(QLatin1String(cas.couleur));
        EXPECT_TRUE(texte.contains(attendu)) << cas.exc << " " << cas.ang << "\n" << texte.toStdString();
    }
}

TEST(DessinContrefort, EmptyModelGetsOneZeroSection)
{
    TData data;
    const DessinContrefort dessin = ConstruireDessin(data, OptionsDessin());
    ASSERT_EQ(data.Sections.size(), 1);
    EXPECT_EQ(data.Sections[0].se_niveau, 0);
    EXPECT_EQ(data.Sections[0].se_htrsec, 0);
    EXPECT_TRUE(dessin.texte.startsWith(QStringLiteral("REPERE\t255\r\nCOULEUR\t0\r\nLIGNE\r\n0.000\t0.000\r\n")));
    EXPECT_TRUE(fleches(dessin.texte).empty());
}

// The buttress of the calculation example, computed for real and painted.
TEST(DessinContrefort, ComputedExampleShowsGreenResultantsAndBlueLoads)
{
    FakePlatformServices services;
    TDonneesAppli DA;
    DA.Data.Sections = {section(0, 0, 1), section(3, 0, 0.6, 0.3)};
    DA.Data.Sections[1].se_chargePG = {0, -2000};
    DA.Data.Sections[1].se_chargePW = {300, 0};
    const TIssueCalcul issue = CalculerDonnees(DA);
    ASSERT_TRUE(issue) << issue.message.toStdString();
    ASSERT_DOUBLE_EQ(DA.Data.MaxCharge, 2000);
    ASSERT_NEAR(DA.Data.MaxEffortV, 7884, 0.5);

    OptionsDessin lesDeux;
    lesDeux.affichage = OptionsDessin::Affichage::LesDeux;
    const DessinContrefort dessin = ConstruireDessin(DA.Data, lesDeux);
    const auto f = fleches(dessin.texte);
    ASSERT_EQ(f.size(), 4u); // G and W at the top, then the two resultants
    // The largest vertical force is one fifth of the height long: 0.6 m, ending
    // where the resultant crosses the bottom section (e = -0.129 m).
    const InstructionDessin& bas = f[0];
    EXPECT_NEAR(bas.x2, 0.5 - 0.12877, 1e-3);
    EXPECT_DOUBLE_EQ(bas.y2, 0);
    EXPECT_NEAR(longueur(bas), 0.6, 1e-3);
    EXPECT_NEAR(longueur(f[1]), 0.6 * 2000 / 2000, 1e-3); // the G point load at the top
    EXPECT_NEAR(longueur(f[3]), 0.6 * 2700 / 7884, 1e-3); // 1.35 G at the top

    QImage image(300, 400, QImage::Format_RGB32);
    QPainter painter(&image);
    PeindreDessinAjuste(painter, dessin.texte, dessin.etendue, image.size(), kCouleurFondDessin);
    painter.end();
    int vert = 0;
    int bleu = 0;
    int noir = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            vert += c == CouleurBGR(CouleurResultante(0));
            bleu += c == CouleurBGR(kCouleurCharges);
            noir += c == QColor(Qt::black);
        }
    EXPECT_GT(vert, 100);
    EXPECT_GT(bleu, 100);
    EXPECT_GT(noir, 300);
}

} // namespace

// MaxCharge 0 with loads shown: the largest load shown is one fifth of the
// height long; MaxCharge itself is left as it was.
TEST(DessinContrefort, WithoutMaxChargeTheLargestLoadShownSetsTheScale)
{
    struct Cas {
        const char* nom;
        TV2R ventPonctuel;
        TV2R repartiG;
        OptionsDessin::Affichage affichage;
        bool reparties;
        double chargeAttendue; // 0: no scale
    };
    for (const Cas& cas : {Cas{"vent ponctuel", {-400, 0}, {0, 0}, OptionsDessin::Affichage::Donnees, true, 400},
                           Cas{"réparti", {0, 0}, {150, -250}, OptionsDessin::Affichage::Donnees, true, 250},
                           Cas{"le plus grand", {-400, 0}, {150, -250}, OptionsDessin::Affichage::LesDeux, true, 400},
                           Cas{"réparties masquées", {0, 0}, {150, -250}, OptionsDessin::Affichage::Donnees, false, 0},
                           Cas{"résultats seuls", {-400, 0}, {0, 0}, OptionsDessin::Affichage::Resultats, true, 0},
                           Cas{"aucune charge", {0, 0}, {0, 0}, OptionsDessin::Affichage::Donnees, true, 0}}) {
        TData data = deuxSections();
        data.MaxCharge = 0;
        data.Sections[1].se_chargePW = cas.ventPonctuel;
        data.Sections[0].se_chargeRG = cas.repartiG;
        OptionsDessin options;
        options.affichage = cas.affichage;
        options.reparties = cas.reparties;
        const DessinContrefort dessin = ConstruireDessin(data, options);
        EXPECT_EQ(data.MaxCharge, 0) << cas.nom;
        if (cas.chargeAttendue > 0)
            EXPECT_DOUBLE_EQ(data.EchCharges, 3.0 / 5 / cas.chargeAttendue) << cas.nom;
        else
            EXPECT_EQ(data.EchCharges, 0) << cas.nom;
        EXPECT_EQ(dessin.texte.contains(QStringLiteral("FLECHE")), cas.chargeAttendue > 0) << cas.nom;
    }
}

namespace {

// Three sections carrying every kind of load, with results: the whole text,
// numbers and line order, is fixed (ties such as 0.0625 round away from zero).
TData troisSectionsChargees()
{
    TData data;
    data.Sections = {section(0, 0, 1.25, 0.3125), section(2.5, 0.0625, 0.875, 0.25), section(4.75, 0.125, 0.5, 0.2)};
    for (qsizetype i = 0; i < data.Sections.size(); ++i) {
        TSection& s = data.Sections[i];
        s.se_chargePG = {12.5 * double(i), -1000.0 / 3};
        s.se_chargePS = {0, -250.0 * double(i + 1)};
        s.se_chargePW = {180.0625, 0};
        s.se_chargePQ = {-3.0, -400};
        s.se_chargeRG = {0, -300.0 - double(i)};
        s.se_chargeRW = 150.0 / 7;
        s.se_chargeRQ = {1.0 / 3, -200};
        s.se_Xctr = s.se_htrsec / 2;
        s.se_maxExc.mx_valeur = 0.05 * double(i) - 0.0001;
        s.se_maxExc.mx_torsPondere = {300.5, -5000.0 * double(3 - i), 0};
        s.se_maxExc.mx_statut = int(i);
        s.se_maxAng.mx_statut = i == 0 ? 1 : 0;
    }
    data.MaxCharge = 1000;
    data.MaxEffortV = 15000;
    return data;
}

} // namespace

TEST(DessinContrefort, LoadedExampleGivesExactlyItsText)
{
    TData data = troisSectionsChargees();
    OptionsDessin options;
    options.affichage = OptionsDessin::Affichage::LesDeux;
    options.echelleCharges = 7;
    const QString attendu = QStringLiteral(
        "REPERE\t255\r\nCOULEUR\t0\r\nLIGNE\r\n0.000\t0.000\r\n1.250\t0.000\r\nLIGNE\r\n"
        "0.063\t2.500\r\n0.938\t2.500\r\nLIGNE\r\n0.125\t4.750\r\n0.625\t4.750\r\nLIGNE\r\n"
        "0.000\t0.000\r\n0.063\t2.500\r\n0.125\t4.750\r\nLIGNE\r\n1.250\t0.000\r\n0.938\t2.500\r\n"
        "0.625\t4.750\r\nCOULEUR\t16711680\r\nEPTRAIT\t2\r\nFLECHE\t0.313\t0.427\t0.313\t0.000\r\n"
        "FLECHE\t0.313\t0.321\t0.313\t0.000\r\nFLECHE\t0.082\t0.000\t0.313\t0.000\r\n"
        "FLECHE\t0.316\t0.513\t0.313\t0.000\r\nEPTRAIT\t1\r\nFLECHE\t0.313\t0.385\t0.313\t0.000\r\n"
        "LIGNE\r\n0.313\t0.385\r\n0.250\t2.886\r\nFLECHE\t0.285\t0.000\t0.313\t0.000\r\nLIGNE\r\n"
        "0.285\t0.000\r\n0.223\t2.500\r\nFLECHE\t0.312\t0.257\t0.313\t0.000\r\nLIGNE\r\n"
        "0.312\t0.257\r\n0.250\t2.756\r\nCOULEUR\t10079487\r\nEPTRAIT\t2\r\n"
        "FLECHE\t0.599\t1.282\t0.625\t0.000\r\nCOULEUR\t16711680\r\nEPTRAIT\t2\r\n"
        "FLECHE\t0.234\t2.928\t0.250\t2.500\r\nFLECHE\t0.250\t3.141\t0.250\t2.500\r\n"
        "FLECHE\t0.019\t2.500\t0.250\t2.500\r\nFLECHE\t0.254\t3.013\t0.250\t2.500\r\nEPTRAIT\t1\r\n"
        "FLECHE\t0.250\t2.886\t0.250\t2.500\r\nLIGNE\r\n0.250\t2.886\r\n0.200\t5.137\r\n"
        "FLECHE\t0.223\t2.500\t0.250\t2.500\r\nLIGNE\r\n0.223\t2.500\r\n0.173\t4.750\r\n"
        "FLECHE\t0.250\t2.756\t0.250\t2.500\r\nLIGNE\r\n0.250\t2.756\r\n0.200\t5.006\r\n"
        "COULEUR\t10079487\r\nEPTRAIT\t2\r\nFLECHE\t0.462\t3.355\t0.487\t2.500\r\n"
        "COULEUR\t16711680\r\nEPTRAIT\t2\r\nFLECHE\t0.168\t5.178\t0.200\t4.750\r\n"
        "FLECHE\t0.200\t5.712\t0.200\t4.750\r\nFLECHE\t-0.031\t4.750\t0.200\t4.750\r\n"
        "FLECHE\t0.204\t5.263\t0.200\t4.750\r\nCOULEUR\t13408767\r\nEPTRAIT\t2\r\n"
        "FLECHE\t0.324\t5.178\t0.350\t4.750\r\n");
    EXPECT_EQ(ConstruireDessin(data, options).texte, attendu);
}
