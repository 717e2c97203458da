#include "model/DonneesAppli.h"
#include "util/TextFiles.h"

#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// Every test program runs with a QApplication on the offscreen platform, its
// settings and default calculation in a temporary folder, and file retries
// that do not sleep.
int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toUtf8());
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Vok"));
    QApplication::setApplicationName(QStringLiteral("Tolvane"));
    TDonneesAppli::setDefaultFolder(home.path());
    setFileRetryWait([](int) {});
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
