#include "settings/Revision.h"

#include <gtest/gtest.h>

TEST(TexteRevision, FourNumbersFromTheProjectVersion)
{
    const std::pair<const char*, const char*> cas[] = {
        {"0.1.0", "Révision 0.1.0.0"},
        {"1.1.0.7", "Révision 1.1.0.7"},
        {"2", "Révision 2.0.0.0"},
        {"", "informations de révision non accessibles"},
        {"1.2.3.4.5", "informations de révision non accessibles"},
        {"1.x", "informations de révision non accessibles"},
        {"1..2", "informations de révision non accessibles"},
        {"-1.0", "informations de révision non accessibles"},
    };
    for (const auto& [version, texte] : cas)
        EXPECT_EQ(TexteRevision(QString::fromUtf8(version)), QString::fromUtf8(texte)) << version;
    EXPECT_TRUE(NumRevision().startsWith(QStringLiteral("Révision "))) << NumRevision().toStdString();
}

TEST(ChoixRevision, ShownOncePerRunUntilTickedForThisRevision)
{
    const QString revision = QStringLiteral("Révision 0.1.0.0");
    TChoixRevision choix(revision);
    EXPECT_FALSE(choix.AfficherAuDemarrage()) << "not before the settings are read";

    choix.Charger(QString());
    EXPECT_TRUE(choix.AfficherAuDemarrage());
    EXPECT_FALSE(choix.AfficherAuDemarrage()) << "once per run";
    EXPECT_EQ(choix.ValeurARanger(), QString());
    choix.setNePlusAfficher(true);
    EXPECT_EQ(choix.ValeurARanger(), revision);

    TChoixRevision suivant(revision);
    suivant.Charger(revision);
    EXPECT_TRUE(suivant.NePlusAfficher());
    EXPECT_FALSE(suivant.AfficherAuDemarrage());

    TChoixRevision nouvelle(QStringLiteral("Révision 0.2.0.0"));
    nouvelle.Charger(revision);
    EXPECT_FALSE(nouvelle.NePlusAfficher());
    EXPECT_TRUE(nouvelle.AfficherAuDemarrage()) << "a new revision shows the window again";
}

TEST(ChoixRevision, UntickingTheBoxIsKept)
{
    const QString revision = QStringLiteral("Révision 0.1.0.0");
    TChoixRevision choix(revision);
    choix.Charger(revision);
    choix.setNePlusAfficher(false);
    TChoixRevision suivant(revision);
    suivant.Charger(choix.ValeurARanger());
    EXPECT_TRUE(suivant.AfficherAuDemarrage());
}
