#include "drawing/ThrustLine.h"

#include "drawing/ButtressDrawing.h"
#include "drawing/DrawingCommands.h"
#include "model/Calculation.h"
#include "util/TextFields.h"

#include "support/Sections.h"
#include "WorkedExampleDrawing.h"

#include <gtest/gtest.h>

namespace {

// Three prismatic sections at levels 0, 2 and 4 m, 1 m long and wide, inner
// face on the axis, 2000 daN/m³ (4000 daN per span, centroid at the centre
// x = 0.5). At the top a permanent load of 6000 daN at the centre and a wind
// load of 600 daN.
//
// The combination retained for eccentricity at the two lower sections ends as
// 1.35 G + 1.50 W: the 1.35 G combinations replace the 0.90 G ones through
// their larger vertical force, and 1.50 W gives the largest eccentricity among
// them. With the permanent weight above a section ΣG and the wind's lever arm
// a, e = 1.50 × 600 × a / (1.35 ΣG):
//   level 2: ΣG = 10000, a = 2, e = 1800 / 13500 = 0.1333 < 1/6: inside;
//   level 0: ΣG = 14000, a = 4, e = 3600 / 18900 = 0.1905 > 1/6: the thrust
//            leaves the central third at the bottom section (level 1);
//   level 4: the loads act at the section itself, e = 0.
// The crossings are x = 0.5 + e: 0.690, 0.633 and 0.500.
TData contrefortVente()
{
    TSection haut = SectionMaconnerie(4, 1, 1);
    haut.se_posicharge = 0.5;
    haut.se_chargePG = {0, -6000};
    haut.se_chargePW = {600, 0};
    TData data;
    data.Sections = {SectionMaconnerie(0, 1, 1), SectionMaconnerie(2, 1, 1), haut};
    return data;
}

// Whether the lines follow one another in the text.
bool suite(const QStringList& texte, const QStringList& lignes)
{
    for (qsizetype i = 0; i + lignes.size() <= texte.size(); ++i)
        if (texte.mid(i, lignes.size()) == lignes)
            return true;
    return false;
}

OptionsDessin avecLigne(bool oui)
{
    OptionsDessin o;
    o.lignePoussee = oui;
    return o;
}

TEST(LignePoussee, LeavesTheCentralThirdAtTheSectionFoundByHand)
{
    TData data = contrefortVente();
    CalculerResultats(data);
    ASSERT_EQ(data.Sections[0].se_maxExc.mx_combi, QStringLiteral("1.35 G + 1.50 W"));
    ASSERT_EQ(data.Sections[1].se_maxExc.mx_combi, QStringLiteral("1.35 G + 1.50 W"));

    const QList<PassagePoussee> passages = PassagesPoussee(data);
    ASSERT_EQ(passages.size(), 3);
    const double attendus[3][2] = {{0.5 + 3600.0 / 18900, 0}, {0.5 + 1800.0 / 13500, 2}, {0.5, 4}};
    const int niveaux[3] = {1, 0, 0};
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(passages[i].section, i);
        EXPECT_NEAR(passages[i].x, attendus[i][0], 1e-9);
        EXPECT_EQ(passages[i].z, attendus[i][1]);
        EXPECT_EQ(passages[i].niveau, niveaux[i]);
    }

    const QStringList commandes = CommandesLignePoussee(data);
    // The central third of each section on its level line, in teal, thick.
    EXPECT_TRUE(suite(commandes, {QStringLiteral("COULEUR\t8421376"), QStringLiteral("EPTRAIT\t3"),
                                  QStringLiteral("LIGNE"), QStringLiteral("0.333\t0.000"),
                                  QStringLiteral("0.667\t0.000")}));
    EXPECT_TRUE(suite(commandes, {QStringLiteral("LIGNE"), QStringLiteral("0.333\t4.000"),
                                  QStringLiteral("0.667\t4.000")}));
    // The line of thrust, violet, through the three crossings.
    EXPECT_TRUE(suite(commandes, {QStringLiteral("COULEUR\t12583040"), QStringLiteral("EPTRAIT\t2"),
                                  QStringLiteral("LIGNE"), QStringLiteral("0.690\t0.000"),
                                  QStringLiteral("0.633\t2.000"), QStringLiteral("0.500\t4.000")}));
    // The crossing outside the central third is marked in the orange of its
    // level, the others in green.
    EXPECT_TRUE(suite(commandes, {QStringLiteral("COULEUR\t10079487"), QStringLiteral("LIGNE"),
                                  QStringLiteral("0.607\t-0.083")}));
    EXPECT_EQ(commandes.count(QStringLiteral("COULEUR\t5296274")), 2);
}

TEST(LignePoussee, CentralThirdLimitsAreDashedBetweenLevels)
{
    TData data = contrefortVente();
    const QStringList commandes = CommandesLignePoussee(data);
    // Before any calculation: the central thirds only, no line of thrust.
    EXPECT_TRUE(PassagesPoussee(data).isEmpty());
    const qsizetype ligne = commandes.indexOf(QStringLiteral("COULEUR\t12583040"));
    ASSERT_GE(ligne, 0);
    EXPECT_EQ(commandes.mid(ligne), (QStringList{QStringLiteral("COULEUR\t12583040"), QStringLiteral("EPTRAIT\t2")}));
    // The left limit x = 1/3 from level 0 to 2 in dashes of 4/60 m with gaps
    // as long: 2 / (2 × 4/60) = 15 dashes, each its own short line.
    int tirets = 0;
    const std::vector<InstructionDessin> lues = LireCommandesDessin(commandes.join(kCrLf));
    for (size_t i = 0; i + 2 < lues.size(); ++i)
        if (lues[i].genre == InstructionDessin::Genre::Ligne && std::abs(lues[i + 1].x1 - 1.0 / 3) < 1e-3
            && std::abs(lues[i + 2].x1 - 1.0 / 3) < 1e-3 && lues[i + 2].y1 <= 2.0005 && lues[i + 1].y1 < 2) {
            ++tirets;
            EXPECT_NEAR(lues[i + 2].y1 - lues[i + 1].y1, 4.0 / 60, 2e-3);
        }
    EXPECT_EQ(tirets, 15);
}

TEST(LignePoussee, OffTheDrawingTextIsTheUsualOneToTheByte)
{
    // The worked example of the drawing, before and after its calculation.
    TData data;
    data.Sections = {SectionMaconnerie(0, 1.0), SectionMaconnerie(3, 0.6)};
    OptionsDessin sans;
    sans.ponctuelles = false;
    sans.reparties = false;
    const QString attendu = TexteDessinExempleChiffre();
    EXPECT_FALSE(OptionsDessin{}.lignePoussee);
    EXPECT_EQ(ConstruireDessin(data, sans).texte, attendu);
    CalculerResultats(data);
    EXPECT_EQ(ConstruireDessin(data, sans).texte, attendu);

    // On, the same text followed by the line's commands, nothing else changed.
    sans.lignePoussee = true;
    const DessinContrefort avec = ConstruireDessin(data, sans);
    EXPECT_EQ(avec.texte, attendu + CommandesLignePoussee(data).join(kCrLf) + kCrLf);
    EXPECT_EQ(ConstruireDessin(data, avecLigne(false)).etendue.xmax, avec.etendue.xmax);
}

TEST(LignePoussee, ACrossingFarOutsideTheButtressBreaksTheLine)
{
    // A section carrying next to no vertical force crosses at x = 1000 m.
    TData data = contrefortVente();
    CalculerResultats(data);
    data.Sections[1].se_maxExc.mx_torsPondere = {600, -1e-10, -1e-7};
    data.Sections[1].se_maxExc.mx_valeur = 1000;
    const QStringList commandes = CommandesLignePoussee(data);
    EXPECT_FALSE(commandes.join(u' ').contains(QStringLiteral("1000.")));
    const qsizetype debut = commandes.indexOf(QStringLiteral("COULEUR\t12583040"));
    ASSERT_GE(debut, 0);
    EXPECT_EQ(commandes.mid(debut, 7),
              (QStringList{QStringLiteral("COULEUR\t12583040"), QStringLiteral("EPTRAIT\t2"), QStringLiteral("LIGNE"),
                           QStringLiteral("0.690\t0.000"), QStringLiteral("LIGNE"), QStringLiteral("0.500\t4.000"),
                           QStringLiteral("COULEUR\t10079487")}));
}

} // namespace
