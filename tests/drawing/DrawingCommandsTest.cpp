#include "drawing/DrawingCommands.h"

#include "util/TextFields.h"

#include <cmath>
#include <gtest/gtest.h>
#include <random>

namespace {

using G = InstructionDessin::Genre;

struct CasLigne {
    const char* ligne;
    G genre;
    int entier;
    double x1, y1, x2, y2;
};

class LectureLigne : public ::testing::TestWithParam<CasLigne> {};

TEST_P(LectureLigne, ReadsKeywordAndNumbers)
{
    const CasLigne& cas = GetParam();
    const auto commandes = LireCommandesDessin(QString::fromUtf8(cas.ligne));
    ASSERT_EQ(commandes.size(), 1u) << cas.ligne;
    const InstructionDessin& c = commandes.front();
    EXPECT_EQ(c.genre, cas.genre) << cas.ligne;
    EXPECT_EQ(c.entier, cas.entier) << cas.ligne;
    EXPECT_DOUBLE_EQ(c.x1, cas.x1) << cas.ligne;
    EXPECT_DOUBLE_EQ(c.y1, cas.y1) << cas.ligne;
    EXPECT_DOUBLE_EQ(c.x2, cas.x2) << cas.ligne;
    EXPECT_DOUBLE_EQ(c.y2, cas.y2) << cas.ligne;
}

INSTANTIATE_TEST_SUITE_P(
    Commandes, LectureLigne,
    ::testing::Values(
        CasLigne{"LIGNE", G::Ligne, 0, 0, 0, 0, 0},
        CasLigne{"  LIGNE \t", G::Ligne, 0, 0, 0, 0, 0},           // trimmed first
        CasLigne{"LIGNES", G::Point, 0, 0, 0, 0, 0},               // only the exact word
        CasLigne{"COULEUR\t255", G::Couleur, 255, 0, 0, 0, 0},
        CasLigne{"COULEUR\t16711680\t7", G::Couleur, 16711680, 0, 0, 0, 0},
        CasLigne{"COULEUR", G::Point, 0, 0, 0, 0, 0},              // no TAB: a point line
        CasLigne{"COULEUR 255", G::Point, 0, 0, 0, 0, 0},
        CasLigne{"COULEUR\tbleu", G::Couleur, 0, 0, 0, 0, 0},
        CasLigne{"EPTRAIT\t2", G::Eptrait, 2, 0, 0, 0, 0},
        CasLigne{"REPERE\t255", G::Repere, 255, 0, 0, 0, 0},
        CasLigne{"FLECHE\t1\t2.5\t-3\t4E1", G::Fleche, 0, 1, 2.5, -3, 40},
        CasLigne{"FLECHE\t1", G::Fleche, 0, 1, 0, 0, 0},           // missing numbers are 0
        CasLigne{"0.250\t3.000", G::Point, 0, 0.25, 3, 0, 0},
        CasLigne{"1,5\t2", G::Point, 0, 0, 2, 0, 0},               // a comma is not a decimal point
        CasLigne{"abc\t-7", G::Point, 0, 0, -7, 0, 0},
        CasLigne{"couleur\t255", G::Point, 0, 0, 255, 0, 0},      // keywords are upper case
        CasLigne{"TEXT\t1\t2", G::Point, 0, 0, 1, 0, 0},          // begins as a keyword does
        CasLigne{"FLECHES\t1\t2", G::Point, 0, 0, 1, 0, 0},
        CasLigne{"1E999\t1", G::Point, 0, 0, 1, 0, 0},             // out of range reads as 0
        CasLigne{"5", G::Point, 0, 5, 0, 0, 0}));

TEST(LectureTexte, TexteKeepsFontStyleAndRestOfLineWithTabs)
{
    const auto commandes =
        LireCommandesDessin(QStringLiteral("TEXTE\tArial\t-12\tgI\t1.5\t-2\tN = 3\tkN\r\n"));
    ASSERT_EQ(commandes.size(), 1u);
    const InstructionDessin& c = commandes.front();
    EXPECT_EQ(c.genre, G::Texte);
    EXPECT_EQ(c.police, QStringLiteral("Arial"));
    EXPECT_EQ(c.hauteur, -12);
    EXPECT_EQ(c.style, QStringLiteral("gI"));
    EXPECT_DOUBLE_EQ(c.x1, 1.5);
    EXPECT_DOUBLE_EQ(c.y1, -2);
    EXPECT_EQ(c.texte, QStringLiteral("N = 3\tkN"));

    const auto court = LireCommandesDessin(QStringLiteral("TEXTE\tArial"));
    ASSERT_EQ(court.size(), 1u);
    EXPECT_EQ(court.front().genre, G::Texte);
    EXPECT_EQ(court.front().hauteur, 0);
    EXPECT_TRUE(court.front().texte.isEmpty());
}

TEST(LectureTexte, LinesAreSplitOnCrLfOnlyAndEmptyLinesSkipped)
{
    const auto commandes =
        LireCommandesDessin(QStringLiteral("\r\nLIGNE\r\n   \r\n1\t2\r\n\t\r\n3\t4\n5\t6\r\nLIGNE"));
    ASSERT_EQ(commandes.size(), 4u);
    EXPECT_EQ(commandes[0].genre, G::Ligne);
    EXPECT_EQ(commandes[1].genre, G::Point);
    EXPECT_DOUBLE_EQ(commandes[1].y1, 2);
    // A lone LF does not end a line: "4\n5" is one unreadable field.
    EXPECT_EQ(commandes[2].genre, G::Point);
    EXPECT_DOUBLE_EQ(commandes[2].x1, 3);
    EXPECT_DOUBLE_EQ(commandes[2].y1, 0);
    EXPECT_EQ(commandes[3].genre, G::Ligne);

    EXPECT_TRUE(LireCommandesDessin(QString()).empty());
}

// Every number of a point line reads as the general number reader reads it,
// whatever its shape (the usual three decimals are read by a quicker path).
TEST(LectureTexte, NumbersReadAsTheGeneralReaderReadsThem)
{
    const auto commeLeLecteur = [](const QString& champ) {
        const auto commandes = LireCommandesDessin(QStringLiteral("FLECHE\t") + champ);
        ASSERT_EQ(commandes.size(), 1u) << champ.toStdString();
        const double v = LireNombre(champ).value_or(0.0);
        const double attendu = std::isfinite(v) ? v : 0.0;
        EXPECT_EQ(commandes.front().x1, attendu) << champ.toStdString();
        EXPECT_EQ(std::signbit(commandes.front().x1), std::signbit(attendu)) << champ.toStdString();
    };
    for (const char* champ : {"5.", ".5", "-.5", ".", "-", "-0.000", "0.000", "007.50", "1.2.3", "+5", "5-",
                              "123456789012.345", "1234567890123.456", "999999999999999", "9999999999999999",
                              "0.000000000000001", "0.1234567890123456", "1e5", "1E-3", " 4.5", "4.5 ", "--1",
                              "12a", "-0", "0.1", "0.3", "2.675", "4503599627370.497"})
        commeLeLecteur(QString::fromLatin1(champ));
    std::mt19937_64 hasard(7);
    for (int i = 0; i < 20000; ++i) {
        const int decimales = int(hasard() % 8);
        const double v = double(std::int64_t(hasard() % 2000000000000) - 1000000000000) / std::pow(10.0, decimales);
        commeLeLecteur(QString::number(v, 'f', decimales));
    }
}

// A lone CR, or one doubled before the LF, belongs to its line.
TEST(LectureTexte, LoneCarriageReturnsStayInTheirLine)
{
    const auto commandes = LireCommandesDessin(QStringLiteral("1\t2\r3\t4\r\r\n5\t6\r\r\r\nLIGNE\r\r7\t8\r"));
    ASSERT_EQ(commandes.size(), 3u);
    EXPECT_DOUBLE_EQ(commandes[0].x1, 1);
    EXPECT_DOUBLE_EQ(commandes[0].y1, 0); // "2\r3" is one unreadable field
    EXPECT_DOUBLE_EQ(commandes[1].x1, 5);
    EXPECT_DOUBLE_EQ(commandes[1].y1, 6);
    EXPECT_EQ(commandes[2].genre, G::Point); // "LIGNE\r\r7\t8" is not the keyword
    EXPECT_DOUBLE_EQ(commandes[2].y1, 8);
}

} // namespace

#include "drawing/ViewMapping.h"

namespace {

TEST(EtendueCommandes, WidensToPointsAndArrowEnds)
{
    const auto commandes = LireCommandesDessin(QStringLiteral(
        "REPERE\t255\r\nLIGNE\r\n0\t0\r\n1\t3\r\nFLECHE\t0.3\t3.6\t0.3\t3\r\nFLECHE\t-0.5\t1\t0\t1\r\nCOULEUR\t7"));
    const EtendueDessin e = EtendueCommandes(commandes, {0, 0, 1, 3});
    EXPECT_DOUBLE_EQ(e.xmin, -0.5);
    EXPECT_DOUBLE_EQ(e.ymin, 0);
    EXPECT_DOUBLE_EQ(e.xmax, 1);
    EXPECT_DOUBLE_EQ(e.ymax, 3.6);
}

} // namespace
