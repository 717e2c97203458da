#include "support/FakePlatformServices.h"
#include "documents/DocumentFile.h"
#include "documents/FichPb.h"
#include "editing/gui/DcMemo.h"
#include "files/DocFich.h"
#include "shell/DocumentSession.h"
#include "shell/gui/DcTabControl.h"
#include "shell/gui/FBaseM2.h"

#include <QAction>
#include <QDateTime>
#include <QFile>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

void Dater(const QString& path, const QDateTime& when)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(when, QFileDevice::FileModificationTime));
}

// The realistic example, and beside it the side file of a session that was
// killed after an automatic save: the memo had been rewritten.
struct RecuperationFenetre : ::testing::Test {
    FakePlatformServices plateforme;
    QTemporaryDir dossier;
    QString chemin;
    QString cote;
    std::unique_ptr<TFBaseM2> fenetre;

    void SetUp() override
    {
        chemin = dossier.filePath(QStringLiteral("eglise.Tolvane"));
        cote = chemin + QStringLiteral(".SVG");
        ASSERT_TRUE(QFile::copy(QStringLiteral(TOLVANE_EXAMPLES_DIR "/eglise-contreforts.Tolvane"), chemin));
        QFile::setPermissions(chemin, QFile::ReadOwner | QFile::WriteOwner);
        const auto modifie = LireDocument(chemin);
        modifie->MemoFich = QStringLiteral("mémo repris après l'arrêt");
        modifie->Ecrire(cote);
        const QDateTime maintenant = QDateTime::currentDateTime();
        Dater(chemin, maintenant.addSecs(-3600));
        Dater(cote, maintenant.addSecs(-60));
    }

    // As a double click on the document starts the application.
    void Demarrer()
    {
        fenetre = std::make_unique<TFBaseM2>();
        fenetre->DebutAppli({chemin});
        fenetre->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(fenetre.get()));
        QCoreApplication::processEvents();
    }
};

} // namespace

TEST_F(RecuperationFenetre, TheRecoveredVersionOpensUnderTheDocumentsNameReadyToBeSaved)
{
    const auto original = LireDocument(chemin);
    plateforme.answers = {PlatformServices::Answer::Yes};
    Demarrer();

    ASSERT_EQ(plateforme.questions.size(), 1u);
    EXPECT_TRUE(plateforme.questions[0].startsWith(QStringLiteral("Une version enregistrée automatiquement du document")));
    ASSERT_TRUE(fenetre->Session().DocumentOuvert());
    EXPECT_EQ(fenetre->windowTitle(), TitreFenetre(chemin)) << "the document keeps its own name";
    EXPECT_EQ(static_cast<QPlainTextEdit*>(fenetre->MemoFich())->toPlainText(), QStringLiteral("mémo repris après l'arrêt"));
    EXPECT_EQ(fenetre->TC()->TabsCount(), original->Calculs().size() + 1) << "every calculation of the side file";
    EXPECT_TRUE(fenetre->AcFichEnr->isEnabled()) << "the recovered changes wait to be saved";
    EXPECT_EQ(LireDocument(chemin)->MemoFich, original->MemoFich);

    fenetre->AcFichEnr->trigger();
    QCoreApplication::processEvents();
    EXPECT_FALSE(fenetre->AcFichEnr->isEnabled());
    EXPECT_EQ(LireDocument(chemin)->MemoFich, QStringLiteral("mémo repris après l'arrêt"));
    EXPECT_TRUE(plateforme.messages.empty());

    EXPECT_TRUE(fenetre->close());
    fenetre.reset();
    EXPECT_FALSE(QFile::exists(cote)) << "recovered and saved, the side file goes at the normal end";
}
