#include "support/FakePlatformServices.h"
#include "support/gui/ModalDialog.h"
#include "files/DocFich.h"
#include "settings/gui/FConfig.h"
#include "shell/gui/FBaseM2.h"

#include <QAction>
#include <QDir>
#include <QListView>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

// The main window started without a document, its default folder in a
// temporary folder that also holds the folder the user will choose instead.
struct CommandeOptions : ::testing::Test {
    FakePlatformServices plateforme;
    QTemporaryDir dossier;
    QString initial;
    QString autre;
    std::unique_ptr<TFBaseM2> fenetre;

    void SetUp() override
    {
        initial = QDir(dossier.path()).canonicalPath() + QStringLiteral("/documents/");
        autre = QDir(dossier.path()).canonicalPath() + QStringLiteral("/chantier");
        ASSERT_TRUE(QDir().mkpath(initial));
        ASSERT_TRUE(QDir().mkpath(autre));
        fenetre = std::make_unique<TFBaseM2>();
        fenetre->DebutAppli({});
        fenetre->DF().setDirDossDefaut(initial);
        fenetre->show();
    }

    // "&Options...": the user types folder in place of the shown one and
    // closes the dialog with OK or Annuler.
    QString Choisir(const QString& folder, bool ok)
    {
        QString vu;
        PendantDialogue<TFConfig>([&](TFConfig& f) {
            vu = f.windowTitle() + u'|'
                 + f.LbParams()->model()->index(0, 0).data(Qt::AccessibleTextRole).toString();
            QListView* liste = f.LbParams();
            QTest::mouseClick(liste->viewport(), Qt::LeftButton, {},
                              liste->visualRect(liste->model()->index(0, 0)).center());
            plateforme.inputs = {folder};
            QTest::mouseClick(f.BtModifier(), Qt::LeftButton);
            QTest::mouseClick(ok ? f.BBok() : f.BBann(), Qt::LeftButton);
        });
        fenetre->MIoptions->trigger();
        return vu;
    }
};

} // namespace

TEST_F(CommandeOptions, ConfirmingAnotherFolderChangesTheNextOpenDialogAndIsStoredAtShutDown)
{
    ASSERT_TRUE(fenetre->MIoptions->isEnabled());
    EXPECT_EQ(Choisir(autre + QStringLiteral("/"), true),
              QStringLiteral("Configuration Tolvane|dossier par défaut : ") + initial);
    EXPECT_EQ(fenetre->DF().DirDossDefaut(), autre + u'/');

    plateforme.fileNames = {std::nullopt};
    fenetre->AcFichOuv->trigger();
    EXPECT_EQ(plateforme.dialogFolders, std::vector<QString>{autre + u'/'});

    EXPECT_TRUE(fenetre->close());
    EXPECT_EQ(QSettings(QStringLiteral("Vok"), QStringLiteral("Tolvane")).value(QStringLiteral("FBaseM2/DossierParDefaut")),
              autre + u'/');
}

TEST_F(CommandeOptions, CancellingKeepsTheDefaultFolder)
{
    Choisir(autre, false);
    EXPECT_EQ(fenetre->DF().DirDossDefaut(), initial);
}

TEST(CommandeOptionsSansDossier, WithoutADefaultFolderTheDialogShowsTheFolderNewDocumentsGoTo)
{
    FakePlatformServices plateforme;
    TFBaseM2 fenetre; // settings not loaded: no default folder yet
    ASSERT_TRUE(fenetre.DF().DirDossDefaut().isEmpty());
    QString vu;
    PendantDialogue<TFConfig>([&](TFConfig& f) {
        vu = f.LbParams()->model()->index(0, 0).data(Qt::AccessibleTextRole).toString();
    });
    fenetre.MIoptions->trigger();
    EXPECT_EQ(vu, QStringLiteral("dossier par défaut : ") + QDir::currentPath() + u'/');
    EXPECT_TRUE(fenetre.DF().DirDossDefaut().isEmpty());
}
