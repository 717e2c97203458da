#include "QStringPrinter.h"
#include "report/ReportSummary.h"
#include "support/Sections.h"

#include <gtest/gtest.h>

namespace {

TMaxi Maxi(double valeur, int niveau, const char* combi = "1.35 G")
{
    TMaxi m;
    m.mx_valeur = valeur;
    m.mx_statut = niveau;
    m.mx_combi = QString::fromLatin1(combi);
    return m;
}

// Three sections 1.2 m long (L/6 = 0.2 m), friction limit 0.6 rad.
TData TroisSections(const TMaxi (&ctr)[3], const TMaxi (&exc)[3], const TMaxi (&ang)[3])
{
    TData data;
    for (int i = 0; i < 3; ++i) {
        TSection s = SectionMaconnerie(i, 1.2);
        s.se_maxCtr = ctr[i];
        s.se_maxExc = exc[i];
        s.se_maxAng = ang[i];
        data.Sections.append(s);
    }
    return data;
}

} // namespace

TEST(ReportSummary, GoverningSectionIsTheWorstLevelThenTheNearestToItsLimit)
{
    const struct {
        const char* name;
        TMaxi ctr[3];
        TMaxi exc[3];
        TMaxi ang[3];
        int sectionCtr, sectionExc, sectionAng;
    } cases[] = {
        {"largest use at equal level",
         {Maxi(10, 0), Maxi(40, 0), Maxi(20, 0)},
         {Maxi(0.05, 0), Maxi(-0.15, 0), Maxi(0.19, 0)},
         {Maxi(0.1, 0), Maxi(0.5, 0), Maxi(0.3, 0)},
         2, 3, 2},
        {"a worse level wins over a larger value",
         {Maxi(90, 0), Maxi(-1, 2), Maxi(20, 0)},
         {Maxi(0.5, 1), Maxi(0.1, 0), Maxi(0.7, 2)},
         {Maxi(0.61, 2), Maxi(0.5, 0), Maxi(0.59, 0)},
         2, 3, 1},
        {"a tie keeps the lower section",
         {Maxi(30, 0), Maxi(30, 0), Maxi(30, 0)},
         {Maxi(0.1, 0), Maxi(-0.1, 0), Maxi(0.1, 0)},
         {Maxi(0.2, 0), Maxi(0.2, 0), Maxi(0.2, 0)},
         1, 1, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QList<LigneSynthese> lignes = SyntheseVerifications(TroisSections(c.ctr, c.exc, c.ang));
        ASSERT_EQ(lignes.size(), 3);
        EXPECT_EQ(lignes[0].verification, QStringLiteral("Contrainte normale"));
        EXPECT_EQ(lignes[0].section, c.sectionCtr);
        EXPECT_EQ(lignes[1].verification, QStringLiteral("Excentricité"));
        EXPECT_EQ(lignes[1].section, c.sectionExc);
        EXPECT_EQ(lignes[2].verification, QStringLiteral("Angle de frottement"));
        EXPECT_EQ(lignes[2].section, c.sectionAng);
    }
}

TEST(ReportSummary, ValuesAndLimitsAreThoseOfTheGoverningSection)
{
    const QList<LigneSynthese> lignes
        = SyntheseVerifications(TroisSections({Maxi(10, 0), Maxi(-1, 2, "1.35 G + 1.50 Q"), Maxi(20, 0)},
                                              {Maxi(0.05, 0), Maxi(-0.25, 1, "1.35 G + 1.50 W"), Maxi(0.1, 0)},
                                              {Maxi(0.1, 0), Maxi(0.5, 0, "0.90 G + 1.50 W"), Maxi(0.3, 0)}));
    ASSERT_EQ(lignes.size(), 3);
    EXPECT_EQ(lignes[0].combinaison, QStringLiteral("1.35 G + 1.50 Q"));
    EXPECT_EQ(lignes[0].valeur, QStringLiteral("non calc."));
    EXPECT_EQ(lignes[0].limite, QStringLiteral("100 % de 5.00 MPa"));
    EXPECT_EQ(lignes[0].niveau, 2);
    EXPECT_EQ(lignes[1].valeur, QStringLiteral("0.250 m"));
    EXPECT_EQ(lignes[1].limite, QStringLiteral("0.200 m (L/6) ; 0.600 m (L/2)"));
    EXPECT_EQ(lignes[1].niveau, 1);
    // 0.5 rad and the limit of 0.6 rad, in degrees.
    EXPECT_EQ(lignes[2].valeur, QStringLiteral("28.65°"));
    EXPECT_EQ(lignes[2].limite, QStringLiteral("34.38°"));
}

TEST(ReportSummary, ANegativeStressRatioOfAResultantOutsideTheSectionDoesNotGovern)
{
    // Level 0 with a negative ratio: the eccentricity carries the verdict.
    TSection s = SectionMaconnerie(0, 1.2);
    EXPECT_EQ(TauxContrainte(s), 0);
    s.se_maxCtr = Maxi(-12, 0);
    EXPECT_EQ(TauxContrainte(s), 0);
    s.se_maxCtr = Maxi(-1, 2);
    EXPECT_GT(TauxContrainte(s), 1e300);
    s.se_maxCtr = Maxi(150, 2);
    EXPECT_DOUBLE_EQ(TauxContrainte(s), 1.5);
    s.se_maxExc = Maxi(0.3, 1);
    EXPECT_DOUBLE_EQ(TauxExcentricite(s), 1.5);
}

TEST(ReportSummary, NoSectionNoLine) { EXPECT_TRUE(SyntheseVerifications(TData{}).isEmpty()); }
