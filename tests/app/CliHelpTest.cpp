#include <QProcess>
#include <gtest/gtest.h>

namespace {

struct CliRun {
    int status = -1;
    QString out;
    QString err;
};

CliRun runCli(const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral(TOLVANE_CLI_PATH), arguments);
    process.waitForFinished(60000);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

} // namespace

TEST(CliHelp, DocumentsTheCommandsAndRefusesUnknownOnes)
{
    const CliRun help = runCli({QStringLiteral("--help")});
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.out.contains(QStringLiteral("Usage : tolvane-cli")));

    const CliRun unknown = runCli({QStringLiteral("inventer")});
    EXPECT_EQ(unknown.status, 3);
    EXPECT_TRUE(unknown.err.contains(QStringLiteral("Commande inconnue : inventer")));

    EXPECT_EQ(runCli({}).status, 3);
}
