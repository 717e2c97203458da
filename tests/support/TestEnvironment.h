#pragma once

#include "model/DonneesAppli.h"
#include "util/ApplicationFolder.h"
#include "util/TextFiles.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// Runs every test of the program with an application object of type App on
// the offscreen platform, its settings and default calculation in a temporary
// folder, and file retries that do not sleep. The headless test programs use
// a QGuiApplication (fonts, pictures), the widget ones a QApplication.
template <typename App>
int ExecuterTests(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toUtf8());
    App app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Vok"));
    QCoreApplication::setApplicationName(QStringLiteral("Tolvane"));
    TDonneesAppli::setDefaultFolder(home.path());
    // The application's own files (note texts, personal help folder) and no
    // revision window waiting at start-up.
    setDossierApplication(home.path());
    qputenv("TOLVANE_SANS_FENETRE_REVISION", "1");
    setFileRetryWait([](int) {});
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
