#include "CliRun.h"

#include <gtest/gtest.h>

TEST(CliHelp, DocumentsTheCommandsAndRefusesUnknownOnes)
{
    const Execution help = LancerCli({QStringLiteral("--help")});
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.sortie().contains(QStringLiteral("Usage : tolvane-cli")));

    const Execution unknown = LancerCli({QStringLiteral("inventer")});
    EXPECT_EQ(unknown.status, 3);
    EXPECT_TRUE(unknown.err.contains(QStringLiteral("Commande inconnue : inventer")));

    EXPECT_EQ(LancerCli({}).status, 3);
}
