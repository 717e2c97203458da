#include "support/FakePlatformServices.h"
#include "model/Calculation.h"
#include "model/DonneesAppli.h"
#include "util/Errors.h"

#include <QList>
#include <cmath>
#include "support/Sections.h"

#include <gtest/gtest.h>
#include <new>
#include <numbers>
#include <stdexcept>

namespace {

constexpr double kDegres = 180 / std::numbers::pi;

// Two sections 3 m apart, tapering from 1 m to 0.6 m, 0.8 m wide; at the top a
// permanent load of 2000 daN at x = 0.3 m and a wind load of 300 daN.
void exempleContrefort(TDonneesAppli& DA)
{
    TSection haut = SectionMaconnerie(3, 0.6, 0.8);
    haut.se_chargePG = {0, -2000};
    haut.se_posicharge = 0.3;
    haut.se_chargePW = {300, 0};
    DA.Data.Sections = QList<TSection>{SectionMaconnerie(0, 1.0, 0.8), haut};
}

void expectTorseur(const TV3R& actual, const TV3R& expected, double tolerance, const char* what)
{
    SCOPED_TRACE(what);
    EXPECT_NEAR(actual[0], expected[0], tolerance);
    EXPECT_NEAR(actual[1], expected[1], tolerance);
    EXPECT_NEAR(actual[2], expected[2], tolerance);
}

// Records the verdict the buttress frame would show.
class VerdictAffiche {
public:
    explicit VerdictAffiche(TDonneesAppli& modele)
    {
        TDonneesAppli::Rappels rappels;
        rappels.afficherVerdict = [this](TDonneesAppli& DA) {
            texte = QStringLiteral("Résultat : ") + LibelleNiveau(DA.Data.StatutGlobal);
            ++appels;
        };
        modele.setRappels(std::move(rappels));
    }
    QString texte;
    int appels = 0;
};

} // namespace

TEST(Calculer, WorkedExampleOfTwoSections)
{
    FakePlatformServices platform;
    TDonneesAppli DA;
    VerdictAffiche verdict(DA);
    exempleContrefort(DA);
    DA.Calculer();

    EXPECT_TRUE(platform.messages.empty());
    const TSection& bas = DA.Data.Sections[0];
    const TSection& haut = DA.Data.Sections[1];

    expectTorseur(haut.se_torsGaddP, {0, -2000, -600}, 0.005, "haut : G ponctuelles");
    expectTorseur(haut.se_torsGtot, {0, -2000, -600}, 0.005, "haut : G total");
    expectTorseur(haut.se_torsWP, {300, 0, 0}, 0.005, "haut : vent ponctuel");
    expectTorseur(haut.se_maxExc.mx_torsPondere, {0, -2700, 0}, 0.005, "haut : excentricité");
    EXPECT_EQ(haut.se_maxExc.mx_combi, QStringLiteral("1.35 G"));
    EXPECT_NEAR(haut.se_maxExc.mx_valeur, 0, 0.000005);
    EXPECT_EQ(haut.se_maxExc.mx_statut, 0);
    EXPECT_EQ(haut.se_maxCtr.mx_combi, QStringLiteral("1.35 G"));
    EXPECT_NEAR(haut.se_maxCtr.mx_valeur, 1.5, 0.05);
    EXPECT_EQ(haut.se_maxCtr.mx_statut, 0);
    expectTorseur(haut.se_maxAng.mx_torsPondere, {450, -1800, 0}, 0.005, "haut : frottement");
    EXPECT_EQ(haut.se_maxAng.mx_combi, QStringLiteral("0.90 G + 1.50 W"));
    EXPECT_NEAR(haut.se_maxAng.mx_valeur * kDegres, 14.04, 0.005);
    EXPECT_EQ(haut.se_maxAng.mx_statut, 0);

    EXPECT_NEAR(-bas.se_torsGpp[1] / bas.se_mvol, 1.92, 0.005); // volume of 30 slices
    EXPECT_NEAR(bas.se_Xcdg, 0.40832, 0.000005);
    EXPECT_NEAR(bas.se_Zcdg, 1.37514, 0.000005);
    expectTorseur(bas.se_torsGpp, {0, -3840, -1567.96}, 0.005, "bas : poids propre");
    expectTorseur(bas.se_torsGaddP, {0, -2000, -600}, 0.005, "bas : G ponctuelles");
    expectTorseur(bas.se_torsGtot, {0, -5840, -2167.96}, 0.005, "bas : G total");
    expectTorseur(bas.se_torsWP, {300, 0, -900}, 0.005, "bas : vent ponctuel");
    expectTorseur(bas.se_maxExc.mx_torsPondere, {0, -7884, 1015.25}, 0.005, "bas : excentricité");
    EXPECT_EQ(bas.se_maxExc.mx_combi, QStringLiteral("1.35 G"));
    EXPECT_NEAR(bas.se_maxExc.mx_valeur, -0.12877, 0.000005);
    EXPECT_EQ(bas.se_maxExc.mx_statut, 0);
    EXPECT_EQ(bas.se_maxCtr.mx_combi, QStringLiteral("1.35 G"));
    EXPECT_EQ(bas.se_maxCtr.mx_torsPondere, bas.se_maxExc.mx_torsPondere);
    EXPECT_NEAR(bas.se_maxCtr.mx_valeur, 3.54, 0.005);
    EXPECT_EQ(bas.se_maxCtr.mx_statut, 0);
    expectTorseur(bas.se_maxAng.mx_torsPondere, {450, -5256, -673.17}, 0.005, "bas : frottement");
    EXPECT_EQ(bas.se_maxAng.mx_combi, QStringLiteral("0.90 G + 1.50 W"));
    EXPECT_NEAR(bas.se_maxAng.mx_valeur * kDegres, 4.89, 0.005);
    EXPECT_EQ(bas.se_maxAng.mx_statut, 0);

    EXPECT_DOUBLE_EQ(DA.Data.MaxCharge, 2000);
    EXPECT_NEAR(DA.Data.MaxEffortV, 7884, 0.005);
    EXPECT_EQ(DA.Data.StatutGlobal, 0);
    EXPECT_EQ(verdict.appels, 1);
    EXPECT_EQ(verdict.texte, QStringLiteral("Résultat : SATISFAISANT"));
}

TEST(Calculer, SingleSectionWithACentredVerticalLoad)
{
    FakePlatformServices platform;
    TDonneesAppli DA;
    TSection s = SectionMaconnerie(0, 0.6, 0.5);
    s.se_chargePG = {0, -1000};
    s.se_posicharge = 0.3;
    DA.Data.Sections = QList<TSection>{s};
    ASSERT_TRUE(CalculerDonnees(DA));

    const TSection& r = DA.Data.Sections[0];
    EXPECT_TRUE(r.se_derniere);
    EXPECT_NEAR(r.se_maxExc.mx_valeur, 0, 1E-12);
    EXPECT_EQ(r.se_maxExc.mx_statut, 0);
    EXPECT_NEAR(r.se_maxCtr.mx_valeur, 1350 / (1.5 * 0.5 * 0.3) / 100000 / 5 * 100, 1E-9);
    EXPECT_EQ(r.se_maxCtr.mx_statut, 0);
    EXPECT_EQ(r.se_maxAng.mx_valeur, 0);
    EXPECT_EQ(r.se_maxAng.mx_statut, 0);
    EXPECT_EQ(LibelleNiveau(DA.Data.StatutGlobal), QStringLiteral("SATISFAISANT"));
}

TEST(Calculer, HorizontalLoadAloneOnTheTopSectionIsNonConforme)
{
    FakePlatformServices platform;
    TDonneesAppli DA;
    VerdictAffiche verdict(DA);
    exempleContrefort(DA);
    DA.Data.Sections[1].se_chargePG = {100, 0};
    DA.Calculer();

    const TSection& haut = DA.Data.Sections[1];
    EXPECT_NEAR(haut.se_maxAng.mx_valeur * kDegres, 90, 1E-6);
    EXPECT_EQ(haut.se_maxAng.mx_statut, 2);
    EXPECT_EQ(haut.se_maxExc.mx_torsPondere[1], -1E-10);
    EXPECT_EQ(DA.Data.StatutGlobal, 2);
    EXPECT_EQ(verdict.texte, QStringLiteral("Résultat : NON CONFORME"));
}

TEST(Calculer, RecalculationStartsFromClearedResults)
{
    FakePlatformServices platform;
    TDonneesAppli DA;
    exempleContrefort(DA);
    DA.Data.Sections[1].se_chargePG = {100, 0};
    ASSERT_TRUE(CalculerDonnees(DA));
    ASSERT_EQ(DA.Data.StatutGlobal, 2);

    DA.Data.Sections[1].se_chargePG = {0, -500};
    DA.Data.Sections[1].se_chargePW = {0, 0};
    ASSERT_TRUE(CalculerDonnees(DA));
    EXPECT_EQ(DA.Data.StatutGlobal, 0);
    EXPECT_DOUBLE_EQ(DA.Data.MaxCharge, 500);
    EXPECT_NEAR(DA.Data.MaxEffortV, 1.35 * (3840 + 500), 1E-6);
    EXPECT_EQ(DA.Data.Sections[1].se_maxAng.mx_combi, QStringLiteral("1.35 G"));
}

TEST(Calculer, ButtressWithoutSectionsIsSatisfaisant)
{
    FakePlatformServices platform;
    TDonneesAppli DA;
    VerdictAffiche verdict(DA);
    DA.Data.MaxCharge = 10;
    DA.Data.MaxEffortV = 20;
    DA.Data.StatutGlobal = 2;
    DA.Calculer();

    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(DA.Data.MaxCharge, 0);
    EXPECT_EQ(DA.Data.MaxEffortV, 0);
    EXPECT_EQ(DA.Data.StatutGlobal, 0);
    EXPECT_EQ(verdict.texte, QStringLiteral("Résultat : SATISFAISANT"));
}

TEST(Calculer, InvalidDataComputeNothing)
{
    FakePlatformServices platform;
    TDonneesAppli DA;
    VerdictAffiche verdict(DA);
    exempleContrefort(DA);
    ASSERT_TRUE(CalculerDonnees(DA));
    const TDonneesAppli avant = DA;

    DA.Data.Sections[1].se_mvol = 0;
    DA.Data.Sections[1].se_chargePG = {0, -9000};
    const QString message = QStringLiteral("Section 2 : la masse volumique est <= 0");
    for (const TIssueCalcul& issue : {CalculerDonnees(DA), DA.Calculer()}) {
        EXPECT_FALSE(issue);
        EXPECT_EQ(issue.etat, TIssueCalcul::Etat::DonneesInvalides);
        EXPECT_EQ(issue.message, message);
    }
    EXPECT_FALSE(DA.DonneesValides);
    EXPECT_TRUE(platform.messages.empty()) << "the calculation shows nothing itself";
    EXPECT_EQ(verdict.appels, 0);

    // The interactive paths show the outcome.
    SignalerIssue(DA.Calculer());
    SignalerIssue(TIssueCalcul{});
    EXPECT_EQ(platform.messages, std::vector<QString>{message});
    EXPECT_EQ(DA.Data.MaxCharge, avant.Data.MaxCharge);
    EXPECT_EQ(DA.Data.MaxEffortV, avant.Data.MaxEffortV);
    EXPECT_EQ(DA.Data.Sections[1].se_torsGtot, avant.Data.Sections[1].se_torsGtot);
    EXPECT_EQ(DA.Data.Sections[0].se_maxExc.mx_torsPondere, avant.Data.Sections[0].se_maxExc.mx_torsPondere);
}

TEST(Calculer, FailureWhileShowingTheVerdictIsReported)
{
    const struct {
        const char* name;
        void (*echouer)();
        const char16_t* message;
    } cases[] = {
        {"ETolvane", [] { throw ETolvane(QStringLiteral("panneau indisponible")); }, u"panneau indisponible"},
        {"std::exception", [] { throw std::runtime_error("échec"); }, u"échec"},
        {"mémoire", [] { throw std::bad_alloc(); }, u"Mémoire insuffisante pour le calcul"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FakePlatformServices platform;
        auto echouer = c.echouer;
        TDonneesAppli DA;
        TDonneesAppli::Rappels rappels;
        rappels.afficherVerdict = [echouer](TDonneesAppli&) { echouer(); };
        DA.setRappels(rappels);
        exempleContrefort(DA);
        const TIssueCalcul issue = DA.Calculer();

        EXPECT_EQ(issue.etat, TIssueCalcul::Etat::Echec);
        EXPECT_EQ(issue.message, QString::fromUtf16(c.message));
        const TIssueCalcul etape = ExecuterEtapeCalcul(echouer);
        EXPECT_FALSE(etape);
        EXPECT_EQ(etape.message, QString::fromUtf16(c.message));
        EXPECT_TRUE(platform.messages.empty());
        SignalerIssue(issue);
        EXPECT_EQ(platform.messages, std::vector<QString>{QString::fromUtf16(c.message)});
    }
}

TEST(Calculer, OverflowingResultsNeverPass)
{
    // Valid but absurd data: the weight overflows to an infinite force, the
    // eccentricity and the stress cannot be computed.
    for (const double masseVolumique : {1e308, 1.7e308}) {
        FakePlatformServices fake;
        TDonneesAppli DA;
        DA.Data.Sections = {SectionMaconnerie(0, 1, 0.8), SectionMaconnerie(1e10, 1, 0.8)};
        DA.Data.Sections[0].se_mvol = masseVolumique;
        DA.Data.Sections[1].se_mvol = masseVolumique;
        ASSERT_TRUE(CalculerDonnees(DA));
        const TSection& bas = DA.Data.Sections[0];
        EXPECT_EQ(bas.se_maxExc.mx_statut, 2);
        EXPECT_EQ(bas.se_maxCtr.mx_statut, 2);
        EXPECT_EQ(bas.se_maxCtr.mx_valeur, -1); // shown "non calc."
        EXPECT_EQ(DA.Data.StatutGlobal, 2);
    }
}
