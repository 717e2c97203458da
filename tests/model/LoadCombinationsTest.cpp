#include "model/LoadCombinations.h"

#include <QList>
#include <QLocale>
#include <clocale>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <numbers>

namespace {

// A section whose torsors are set by hand; its centre on the Z axis so that
// the factored moments are the moments given.
TSection sectionChargee(const TV3R& G, const TV3R& S = {}, double longueur = 1, double largeur = 1)
{
    TSection s;
    s.se_htrsec = longueur;
    s.se_lrgsec = largeur;
    s.se_resistance = 5;
    s.se_angfrottrad = 0.6;
    s.se_Xctr = 0;
    s.se_torsGtot = G;
    s.se_torsS = S;
    return s;
}

TData uneSection(const TSection& s)
{
    TData data;
    data.Sections = QList<TSection>{s};
    return data;
}

constexpr TCombinaison kInitiale{1, 0, 0, 0, true};
constexpr TCombinaison kNeige{0, 1, 0, 0, false}; // "0.00 G + 1.00 S": the S torsor alone

// Restores the default locales after a test that changes them.
class LocaleFrancaise {
public:
    LocaleFrancaise() : qt_(QLocale()), c_(std::setlocale(LC_NUMERIC, nullptr))
    {
        QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
        std::setlocale(LC_NUMERIC, "fr_FR.UTF-8");
    }
    ~LocaleFrancaise()
    {
        QLocale::setDefault(qt_);
        std::setlocale(LC_NUMERIC, c_.c_str());
    }

private:
    QLocale qt_;
    std::string c_;
};

} // namespace

TEST(Combinaisons, TwentyFiveInTheirOrderWithTheirLabels)
{
    LocaleFrancaise virgule; // labels keep the point whatever the user's settings
    const char* const triples[12] = {
        " + 1.50 S",
        " + 1.50 S + 0.75 Q",
        " + 1.50 S + 0.75 W",
        " + 1.50 S + 0.75 Q + 0.75 W",
        " + 1.50 Q",
        " + 0.75 S + 1.50 Q",
        " + 1.50 Q + 0.75 W",
        " + 0.75 S + 1.50 Q + 0.75 W",
        " + 1.50 W",
        " + 0.75 S + 1.50 W",
        " + 0.75 Q + 1.50 W",
        " + 0.75 S + 0.75 Q + 1.50 W",
    };
    QStringList attendus{QStringLiteral("1.35 G")};
    for (const char* g : {"0.90 G", "1.35 G"})
        for (const char* t : triples)
            attendus << QString::fromUtf8(g) + QString::fromUtf8(t);

    const auto& table = Combinaisons();
    ASSERT_EQ(table.size(), std::size_t(attendus.size()));
    for (std::size_t i = 0; i < table.size(); ++i) {
        EXPECT_EQ(LibelleCombinaison(table[i]), attendus[qsizetype(i)]) << "combinaison " << i + 1;
        EXPECT_EQ(table[i].initiale, i == 0) << "combinaison " << i + 1;
        EXPECT_DOUBLE_EQ(table[i].g, i == 0 || i > 12 ? 1.35 : 0.90) << "combinaison " << i + 1;
    }
    EXPECT_EQ(LibelleCombinaison(table[12]), QStringLiteral("0.90 G + 0.75 S + 0.75 Q + 1.50 W"));
}

TEST(Combinaisons, LabelOfAnyFactors)
{
    // 2^200 is exact in double precision: 61 digits.
    const QString enorme = QStringLiteral("1606938044258990275541962092341162602522202993782792835301376.00");
    const struct {
        TCombinaison c;
        QString libelle;
    } cases[] = {
        {{1, 0, 0, 0, false}, QStringLiteral("1.00 G")},
        {{0, 1.5, 0, 0, false}, QStringLiteral("0.00 G + 1.50 S")},
        {{1.35, 0, 0.755, 0, false}, QStringLiteral("1.35 G + 0.76 Q")},
        {{0.9, -0.5, 0, 1.5, false}, QStringLiteral("0.90 G + -0.50 S + 1.50 W")},
        // A factor of 61 digits is written in full.
        {{std::ldexp(1.0, 200), 0, 0, 2, false}, enorme + QStringLiteral(" G + 2.00 W")},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LibelleCombinaison(c.c), c.libelle);

    // The longest factors a double can hold, all four: 309 digits each.
    const double plusLong = -std::numeric_limits<double>::max();
    const QString facteur = QString::number(plusLong, 'f', 2);
    ASSERT_EQ(facteur.size(), 313);
    EXPECT_EQ(LibelleCombinaison({plusLong, plusLong, plusLong, plusLong, false}),
              facteur + QStringLiteral(" G + ") + facteur + QStringLiteral(" S + ") + facteur + QStringLiteral(" Q + ")
                  + facteur + QStringLiteral(" W"));
}

TEST(Checks, EccentricityLevelsIncludeTheirBounds)
{
    const double X = 0.6;
    const struct {
        double e;
        int niveau;
    } cases[] = {
        {0, 0}, {0.05, 0}, {-0.05, 0},
        {X / 6, 1}, {-X / 6, 1}, {0.2, 1},
        {X / 2, 1}, {-X / 2, 1},
        {std::nextafter(X / 2, 1.0), 2}, {-0.4, 2},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NiveauExcentricite(c.e, X), c.niveau) << "e = " << c.e;
}

TEST(Checks, StressRatioOfTheTriangularBlock)
{
    const struct {
        const char* name;
        double FZ, e, X, Y, resistance;
        double ratio;
        int niveau;
    } cases[] = {
        // 150000 daN on 1.5 × 1 × 1 m²: 100000 daN/m² = 1 MPa, all of a 1 MPa strength.
        {"exactement 100 %", -150000, 0, 2, 1, 1, 100, 0},
        {"juste au-dessus de 100 %", -150001, 0, 2, 1, 1, 150001.0 / 1500, 2},
        {"centré", -2700, 0, 0.6, 0.8, 5, 2700 / (1.5 * 0.8 * 0.3) / 100000 / 5 * 100, 0},
        {"excentré", -1000, 0.25, 1, 1, 1, 1000 / (1.5 * 0.25) / 1000, 0},
        {"longueur comprimée nulle", -1000, 0.5, 1, 1, 5, -1, 2},
        {"résultante hors section", -1000, 0.6, 1, 1, 5, 1000 / (1.5 * -0.1) / 100000 / 5 * 100, 0},
    };
    for (const auto& c : cases) {
        const TVerifContrainte v = VerifierContrainte(c.FZ, c.e, c.X, c.Y, c.resistance);
        EXPECT_NEAR(v.ratio, c.ratio, 1E-9) << c.name;
        EXPECT_EQ(v.niveau, c.niveau) << c.name;
    }
}

TEST(Checks, FrictionAngle)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        const char* name;
        double FX, FZ, angle;
    } cases[] = {
        {"sans effort horizontal", 0, -1000, 0},
        {"45 degrés", -500, -500, std::numbers::pi / 4},
        {"effort vertical évanescent", 300, -1E-10, std::numbers::pi / 2},
        {"incalculable", inf, inf, 0},
        {"incalculable (NaN)", nan, -1000, 0},
    };
    for (const auto& c : cases)
        EXPECT_NEAR(AngleFrottement(c.FX, c.FZ), c.angle, 1E-9) << c.name;
}

TEST(EvaluerCombinaison, RetentionOfEccentricityAndStress)
{
    // The initial combination retains G = (0, −1000, −200): e = 0.2 m. The
    // second combination (the S torsor alone) replaces it only when its
    // eccentricity is larger by more than 0.01 % or its vertical force larger.
    const struct {
        const char* name;
        TV3R S;
        bool retenue;
    } cases[] = {
        {"excentricité plus grande de 0.02 %", {0, -900, -900 * 0.20004}, true},
        {"excentricité plus grande de 0.005 % seulement", {0, -900, -900 * 0.20001}, false},
        {"excentricité opposée plus grande", {0, -900, 900 * 0.21}, true},
        {"excentricité moindre, effort vertical plus grand", {0, -1100, -110}, true},
        {"excentricité moindre, effort vertical égal", {0, -1000, -100}, false},
        {"effort vertical plus grand vers le haut", {0, 1100, 0}, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TData data = uneSection(sectionChargee({0, -1000, -200}, c.S));
        EvaluerCombinaison(data, kInitiale);
        EvaluerCombinaison(data, kNeige);
        const TSection& s = data.Sections[0];
        const TV3R attendu = c.retenue ? c.S : TV3R{0, -1000, -200};
        const QString libelle = c.retenue ? QStringLiteral("0.00 G + 1.00 S") : QStringLiteral("1.00 G");
        for (const TMaxi* m : {&s.se_maxExc, &s.se_maxCtr}) {
            EXPECT_EQ(m->mx_combi, libelle);
            EXPECT_EQ(m->mx_torsPondere, attendu);
        }
        EXPECT_DOUBLE_EQ(s.se_maxExc.mx_valeur, attendu[2] / attendu[1]);
        const double e = attendu[2] / attendu[1];
        EXPECT_NEAR(s.se_maxCtr.mx_valeur, std::abs(attendu[1]) / (1.5 * (0.5 - std::abs(e))) / 100000 / 5 * 100, 1E-12);
        EXPECT_DOUBLE_EQ(data.MaxEffortV, std::max(1000.0, c.retenue ? std::abs(c.S[1]) : 0.0));
    }
}

TEST(EvaluerCombinaison, RetentionOfFriction)
{
    // The initial combination retains G = (100, −1000, 0); the second one
    // replaces it when its angle is larger by more than 0.01 % or when its
    // horizontal force is larger.
    const double phi0 = std::atan(0.1);
    const struct {
        const char* name;
        TV3R S;
        bool retenue;
    } cases[] = {
        {"angle plus grand de 0.02 %", {-50, -50 / std::tan(phi0 * 1.0002), 0}, true},
        {"angle plus grand de 0.005 % seulement", {50, -50 / std::tan(phi0 * 1.00005), 0}, false},
        {"angle moindre, effort horizontal plus grand", {-150, -3000, 0}, true},
        {"angle moindre, effort horizontal égal", {100, -3000, 0}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TData data = uneSection(sectionChargee({100, -1000, 0}, c.S));
        EvaluerCombinaison(data, kInitiale);
        EvaluerCombinaison(data, kNeige);
        const TMaxi& m = data.Sections[0].se_maxAng;
        EXPECT_EQ(m.mx_combi, c.retenue ? QStringLiteral("0.00 G + 1.00 S") : QStringLiteral("1.00 G"));
        EXPECT_EQ(m.mx_torsPondere, (c.retenue ? c.S : TV3R{100, -1000, 0}));
        EXPECT_DOUBLE_EQ(m.mx_valeur, c.retenue ? std::atan(std::abs(c.S[0] / c.S[1])) : phi0);
    }
}

TEST(EvaluerCombinaison, FactoredTorsorIsTakenAboutTheSectionCentre)
{
    TSection s = sectionChargee({0, -1000, -300});
    s.se_Xctr = 0.5;
    s.se_torsS = {10, -100, -20};
    s.se_torsQP = {1, -10, -3};
    s.se_torsQR = {2, -20, -4};
    s.se_torsWP = {100, 0, -50};
    s.se_torsWR = {200, 0, -60};
    TData data = uneSection(s);
    const TCombinaison c{0.9, 1.5, 0.75, 1.5, true};
    EvaluerCombinaison(data, c);

    const double FX = 1.5 * 10 + 0.75 * 3 + 1.5 * 300;
    const double FZ = 0.9 * -1000 + 1.5 * -100 + 0.75 * -30;
    const double MY = 0.9 * -300 + 1.5 * -20 + 0.75 * -7 + 1.5 * -110 - FZ * 0.5;
    const TMaxi& m = data.Sections[0].se_maxExc;
    EXPECT_NEAR(m.mx_torsPondere[0], FX, 1E-9);
    EXPECT_NEAR(m.mx_torsPondere[1], FZ, 1E-9);
    EXPECT_NEAR(m.mx_torsPondere[2], MY, 1E-9);
    EXPECT_NEAR(m.mx_valeur, MY / FZ, 1E-12);
    EXPECT_EQ(m.mx_combi, QStringLiteral("0.90 G + 1.50 S + 0.75 Q + 1.50 W"));
    EXPECT_EQ(data.Sections[0].se_maxAng.mx_torsPondere, m.mx_torsPondere);
}

TEST(EvaluerCombinaison, VanishingVerticalForce)
{
    const struct {
        const char* name;
        TV3R G;
        double Xctr;
        TV3R retenu;
        double excentricite;
        int niveauExc, niveauAng, statut;
    } cases[] = {
        // Without force or moment: e = 0, the moment not carried to the centre.
        {"rien", {0, 0, 0}, 0.3, {0, -1E-10, 0}, 0, 0, 0, 0},
        // A horizontal force alone: an angle of almost 90 degrees.
        {"effort horizontal seul", {300, 0, 0}, 0.3, {300, -1E-10, 0}, 0, 0, 2, 2},
        // A pure couple: the vanishing force sends the resultant far away.
        {"couple seul", {0, 0, 50}, 0.3, {0, -1E-10, 50}, -5E11, 2, 0, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TSection s = sectionChargee(c.G, {}, 0.6);
        s.se_Xctr = c.Xctr;
        TData data = uneSection(s);
        EvaluerCombinaison(data, kInitiale);
        const TSection& r = data.Sections[0];
        EXPECT_EQ(r.se_maxExc.mx_torsPondere, c.retenu);
        EXPECT_NEAR(r.se_maxExc.mx_valeur, c.excentricite, 1);
        EXPECT_EQ(r.se_maxExc.mx_statut, c.niveauExc);
        EXPECT_EQ(r.se_maxAng.mx_statut, c.niveauAng);
        EXPECT_EQ(data.StatutGlobal, c.statut);
    }
}

TEST(EvaluerCombinaison, FrictionAngleEqualToTheMasonrysIsAccepted)
{
    TSection s = sectionChargee({300, -1000, 0});
    s.se_angfrottrad = std::atan(0.3);
    TData data = uneSection(s);
    EvaluerCombinaison(data, kInitiale);
    EXPECT_EQ(data.Sections[0].se_maxAng.mx_statut, 0);

    data.Sections[0].se_angfrottrad = std::nextafter(s.se_angfrottrad, 0.0);
    EvaluerCombinaison(data, kInitiale);
    EXPECT_EQ(data.Sections[0].se_maxAng.mx_statut, 2);
    EXPECT_EQ(data.StatutGlobal, 2);
}

TEST(EvaluerCombinaison, OverallLevelKeepsTheWorstLevelMetEvenWhenALaterCombinationIsRetained)
{
    // 1.00 G puts the resultant outside the section (e = 0.6 m in 1 m); the
    // S torsor, with a larger vertical force and a centred resultant, is then
    // retained by the larger-force rule. The section shows the retained one;
    // the calculation keeps the worst level met.
    TData data = uneSection(sectionChargee({0, -1000, -600}, {0, -2000, 0}));
    EvaluerCombinaison(data, kInitiale);
    EXPECT_EQ(data.Sections[0].se_maxExc.mx_statut, 2);
    EvaluerCombinaison(data, kNeige);
    EXPECT_EQ(data.Sections[0].se_maxExc.mx_statut, 0);
    EXPECT_EQ(data.Sections[0].se_maxExc.mx_combi, QStringLiteral("0.00 G + 1.00 S"));
    EXPECT_EQ(data.StatutGlobal, 2);
    EXPECT_DOUBLE_EQ(data.MaxEffortV, 2000);
}

TEST(EvaluerCombinaison, SectionsShareOneLabel)
{
    TData data;
    data.Sections = QList<TSection>{sectionChargee({0, -1000, 0}), sectionChargee({10, -2000, 0})};
    EvaluerCombinaison(data, Combinaisons()[0]);
    const TSection& a = data.Sections[0];
    const TSection& b = data.Sections[1];
    EXPECT_EQ(a.se_maxExc.mx_combi, QStringLiteral("1.35 G"));
    // One text for every section and check: built once for the combination.
    EXPECT_TRUE(a.se_maxExc.mx_combi.isSharedWith(b.se_maxAng.mx_combi));
    EXPECT_TRUE(a.se_maxCtr.mx_combi.isSharedWith(b.se_maxExc.mx_combi));
}
