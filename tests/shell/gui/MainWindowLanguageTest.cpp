#include "support/FakePlatformServices.h"
#include "support/gui/ModalDialog.h"

#include "settings/NoteTexts.h"
#include "settings/gui/AidePerso.h"
#include "settings/gui/FSelLangue.h"
#include "settings/gui/FinfoRev.h"
#include "shell/gui/FBaseM2.h"
#include "util/ApplicationFolder.h"
#include "util/TextFiles.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QMenu>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>

namespace {

// The main window started and closed as the user starts and quits the
// application, in its own application folder and settings.
struct DemarrageAideEtLangue : ::testing::Test {
    FakePlatformServices plateforme;
    QTemporaryDir application;
    QTemporaryDir reglages;
    QString dossierPrecedent;
    std::unique_ptr<TFBaseM2> fenetre;
    int revisionsMontrees = 0;

    void SetUp() override
    {
        dossierPrecedent = DossierApplication();
        setDossierApplication(application.path());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, reglages.path());
        TFinfoRev::setAffichageDemarrage([this](TFinfoRev&) { ++revisionsMontrees; });
    }

    void TearDown() override
    {
        if (fenetre)
            fenetre->close();
        fenetre.reset();
        TFinfoRev::setAffichageDemarrage({});
        TextesNdC().Vider();
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, qEnvironmentVariable("XDG_CONFIG_HOME"));
        setDossierApplication(dossierPrecedent);
    }

    void EcrireTextes(const QString& texte) { EcrireFichierTexte(texte, application.filePath(QStringLiteral("textesndc.txt"))); }

    void Demarrer()
    {
        if (fenetre) {
            ASSERT_TRUE(fenetre->close());
            fenetre.reset();
        }
        fenetre = std::make_unique<TFBaseM2>();
        fenetre->DebutAppli();
    }

    QStringList EntreesAidePerso() const
    {
        QStringList entrees;
        for (const QAction* a : fenetre->MIAidePersonnalisee->actions())
            entrees.append(a->text());
        return entrees;
    }
};

const QString kFrEn = QStringLiteral("fr\r\nen\r\n\r\n1\r\n>Note de calcul<\r\n>Calculation note<\r\n");

} // namespace

TEST_F(DemarrageAideEtLangue, WithoutNoteTextsTheLanguageEntryIsHidden)
{
    Demarrer();
    EXPECT_FALSE(fenetre->MILangue->isVisible());
    EXPECT_TRUE(plateforme.messages.empty()) << "the start-up loads the texts without messages";
}

TEST_F(DemarrageAideEtLangue, LanguageChosenInTheDialogIsShownAndForgottenAtTheNextStart)
{
    EcrireTextes(kFrEn);
    Demarrer();
    ASSERT_TRUE(fenetre->MILangue->isVisible());
    ASSERT_TRUE(fenetre->MILangue->isEnabled());
    EXPECT_EQ(fenetre->MILangue->text(), QStringLiteral("Langue (fr)"));

    PendantDialogue<QDialog>([](QDialog& fenetreModale) {
        auto& dialogue = dynamic_cast<TFSelLangue&>(fenetreModale);
        dialogue.CBxLng->setFocus();
        QTest::keyClick(dialogue.CBxLng, Qt::Key_Up);
        QTest::mouseClick(dialogue.OKBtn, Qt::LeftButton);
    });
    fenetre->MILangue->trigger();
    EXPECT_EQ(fenetre->MILangue->text(), QStringLiteral("Langue (en)"));

    PendantDialogue<QDialog>([](QDialog& fenetreModale) {
        auto& dialogue = dynamic_cast<TFSelLangue&>(fenetreModale);
        QTest::keyClick(dialogue.CBxLng, Qt::Key_Down);
        QTest::mouseClick(dialogue.CancelBtn, Qt::LeftButton);
    });
    fenetre->MILangue->trigger();
    EXPECT_EQ(fenetre->MILangue->text(), QStringLiteral("Langue (en)")) << "Annuler keeps the language";

    Demarrer();
    EXPECT_EQ(fenetre->MILangue->text(), QStringLiteral("Langue (fr)"));
}

TEST_F(DemarrageAideEtLangue, NoteTextsWithoutCodeReadLanguageError)
{
    EcrireTextes(QStringLiteral("\r\n1\r\n"));
    Demarrer();
    EXPECT_TRUE(fenetre->MILangue->isVisible());
    EXPECT_EQ(fenetre->MILangue->text(), QStringLiteral("Langue (erreur)"));
}

TEST_F(DemarrageAideEtLangue, HiddenMemoFileOnlyGivesTheExplanatoryEntry)
{
    ASSERT_TRUE(QDir(application.path()).mkdir(QStringLiteral("AIDE_PERSO")));
    QFile cache(application.filePath(QStringLiteral("AIDE_PERSO/.brouillon.txt")));
    ASSERT_TRUE(cache.open(QIODevice::WriteOnly));
    cache.close();
    Demarrer();
    ASSERT_TRUE(fenetre->MIAidePersonnalisee->isEnabled());
    const QList<QAction*> entrees = fenetre->MIAidePersonnalisee->actions();
    ASSERT_EQ(entrees.size(), 1);
    entrees.front()->trigger();
    EXPECT_EQ(plateforme.messages, std::vector<QString>{QStringLiteral(
                                       "Placez vos aides-mémoire dans le répertoire AIDE_PERSO de l'application.\n"
                                       "Vous y accéderez par ce menu")});
    EXPECT_TRUE(plateforme.openedUrls.empty());
}

TEST_F(DemarrageAideEtLangue, MemoFilesAreListedAndOpenedThroughTheDesktop)
{
    Demarrer();
    ASSERT_TRUE(QFileInfo(application.filePath(QStringLiteral("AIDE_PERSO"))).isDir()) << "made at the first start";
    for (const char* nom : {"Tableaux.pdf", "abaques.odt", "R&D.txt"}) {
        QFile fichier(application.filePath(QStringLiteral("AIDE_PERSO/") + QString::fromUtf8(nom)));
        ASSERT_TRUE(fichier.open(QIODevice::WriteOnly));
    }
    Demarrer();
    EXPECT_EQ(EntreesAidePerso(), (QStringList{QStringLiteral("abaques.odt"), QStringLiteral("Tableaux.pdf")}));
    EXPECT_EQ(plateforme.messages, std::vector<QString>{QStringLiteral("le caractère & est interdit dans un nom de fichier AIDE_PERSO")});

    fenetre->MIAidePersonnalisee->actions().at(1)->trigger();
    EXPECT_EQ(plateforme.openedUrls,
              std::vector<QUrl>{QUrl::fromLocalFile(application.filePath(QStringLiteral("AIDE_PERSO/Tableaux.pdf")))});
}

TEST_F(DemarrageAideEtLangue, RevisionWindowAtTheFirstStartUntilTickedThenTheAboutCommandShowsIt)
{
    Demarrer();
    EXPECT_EQ(revisionsMontrees, 1);
    ASSERT_NE(fenetre->FinfoRev(), nullptr);
    EXPECT_EQ(fenetre->FinfoRev()->LbRev->text(), NumRevision());
    EXPECT_TRUE(fenetre->FinfoRev()->MemoRev->toPlainText().startsWith(QStringLiteral("Tolvane - calcul de tolvanes\n")));

    Demarrer();
    EXPECT_EQ(revisionsMontrees, 2) << "not ticked: shown again";
    ASSERT_TRUE(fenetre->MiAbout->isEnabled());
    PendantDialogue<QDialog>([](QDialog& fenetreModale) {
        auto& revision = dynamic_cast<TFinfoRev&>(fenetreModale);
        revision.CkBxNoAffi->click();
        QTest::mouseClick(revision.OKBtn, Qt::LeftButton);
    });
    fenetre->MiAbout->trigger();

    Demarrer();
    EXPECT_EQ(revisionsMontrees, 2) << "ticked for this revision";
}

TEST_F(DemarrageAideEtLangue, ApplicationFolderThatCannotHoldTheMemoFolderDoesNotStopTheStart)
{
    // The application's folder cannot receive AIDE_PERSO (a plain file stands
    // in its way, whoever runs the test); the user's data folder is a
    // temporary one, then one that cannot be made either.
    const QString bloque = application.filePath(QStringLiteral("bin"));
    QFile fichier(bloque);
    ASSERT_TRUE(fichier.open(QIODevice::WriteOnly));
    fichier.close();
    setDossierApplication(bloque);
    QTemporaryDir donnees;
    const QByteArray ancien = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", donnees.path().toUtf8());

    Demarrer();
    EXPECT_TRUE(fenetre->AidePerso().Dossier().startsWith(donnees.path())) << fenetre->AidePerso().Dossier().toStdString();
    EXPECT_TRUE(QFileInfo(fenetre->AidePerso().Dossier()).isDir());
    EXPECT_TRUE(plateforme.messages.empty());

    qputenv("XDG_DATA_HOME", bloque.toUtf8());
    Demarrer();
    if (ancien.isEmpty())
        qunsetenv("XDG_DATA_HOME");
    else
        qputenv("XDG_DATA_HOME", ancien);
    ASSERT_EQ(plateforme.messages.size(), 1u);
    EXPECT_TRUE(plateforme.messages.front().startsWith(QStringLiteral("impossible de créer le répertoire AIDE_PERSO : ")));
    EXPECT_NE(fenetre->FinfoRev(), nullptr) << "the start-up went on to its end";
}
