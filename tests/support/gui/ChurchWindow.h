#pragma once

#include "support/FakePlatformServices.h"

#include "files/DocFich.h"
#include "shell/gui/CadreContrefort.h"
#include "shell/gui/FBaseM2.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

// Lets the window handle what the last gesture queued.
inline void inactivite()
{
    for (int i = 0; i < 4; ++i)
        QCoreApplication::processEvents();
}

// The real main window on a copy of the realistic example, with the scripted
// desktop: what a user does through its menus, buttons and tab bar.
struct FenetreEglise : ::testing::Test {
    FakePlatformServices plateforme;
    QTemporaryDir dossier;
    QString chemin;
    std::unique_ptr<TFBaseM2> fenetre;

    void SetUp() override
    {
        chemin = dossier.filePath(QStringLiteral("eglise.Tolvane"));
        ASSERT_TRUE(QFile::copy(QStringLiteral(TOLVANE_EXAMPLES_DIR "/eglise-contreforts.Tolvane"), chemin));
        QFile::setPermissions(chemin, QFile::ReadOwner | QFile::WriteOwner);
    }

    // Starts the application on the documents, as the command line does, with
    // the buttress frame the factory makes (none: the marked empty host).
    void Demarrer(const QStringList& documents, TFabriqueCadre fabrique = {})
    {
        fenetre = std::make_unique<TFBaseM2>(std::move(fabrique));
        fenetre->DebutAppli(documents);
        fenetre->DF().setDirDossDefaut(dossier.path());
        fenetre->show();
        fenetre->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(fenetre.get()));
        inactivite();
    }
};
