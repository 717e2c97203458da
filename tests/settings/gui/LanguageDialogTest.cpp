#include "support/FakePlatformServices.h"
#include "support/gui/ModalDialog.h"

#include "settings/NoteTexts.h"
#include "settings/gui/FSelLangue.h"
#include "util/TextFiles.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The application's table, read from a file of three languages.
class DialogueLangue : public ::testing::Test {
protected:
    void SetUp() override
    {
        chemin = dossier.filePath(QStringLiteral("textesndc.txt"));
        EcrireFichierTexte(QStringLiteral("fr\r\nen\r\nde\r\n\r\n1\r\n>Note<\r\n>Note<\r\n>Notiz<\r\n"), chemin);
    }
    void TearDown() override { TextesNdC().Vider(); }

    QTemporaryDir dossier;
    QString chemin;
    FakePlatformServices plateforme;
};

} // namespace

TEST_F(DialogueLangue, ListsTheCodesSortedWithTheCurrentOneSelected)
{
    ASSERT_TRUE(ChargerTextesNdC(chemin, true));
    TFSelLangue dialogue;
    dialogue.Preparer(TextesNdC());
    EXPECT_EQ(dialogue.windowTitle(), QStringLiteral("Sélection de la langue pour les sorties"));
    EXPECT_EQ(dialogue.LbLangue->text(), QStringLiteral("Langue active :"));
    EXPECT_FALSE(dialogue.CBxLng->isEditable());
    EXPECT_FALSE(dialogue.CBxLng->toolTip().isEmpty());
    QStringList montres;
    for (int i = 0; i < dialogue.CBxLng->count(); ++i)
        montres.append(dialogue.CBxLng->itemText(i));
    EXPECT_EQ(montres, (QStringList{QStringLiteral("de"), QStringLiteral("en"), QStringLiteral("fr")}));
    EXPECT_EQ(dialogue.LangueChoisie(), QStringLiteral("fr"));
}

TEST_F(DialogueLangue, OkMakesTheChosenLanguageCurrentAndCancelChangesNothing)
{
    ASSERT_TRUE(ChargerTextesNdC(chemin, false));
    PendantDialogue<QDialog>([](QDialog& fenetre) {
        auto& dialogue = dynamic_cast<TFSelLangue&>(fenetre);
        dialogue.CBxLng->setFocus();
        QTest::keyClick(dialogue.CBxLng, Qt::Key_Up); // fr -> en
        QTest::mouseClick(dialogue.OKBtn, Qt::LeftButton);
    });
    EXPECT_TRUE(ChoisirLangue(chemin));
    EXPECT_EQ(LangueActive(), QStringLiteral("en"));

    PendantDialogue<QDialog>([](QDialog& fenetre) {
        auto& dialogue = dynamic_cast<TFSelLangue&>(fenetre);
        EXPECT_EQ(dialogue.LangueChoisie(), QStringLiteral("en"));
        QTest::keyClick(dialogue.CBxLng, Qt::Key_Up); // en -> de
        QTest::mouseClick(dialogue.CancelBtn, Qt::LeftButton);
    });
    EXPECT_FALSE(ChoisirLangue(chemin));
    EXPECT_EQ(LangueActive(), QStringLiteral("en"));
    EXPECT_TRUE(plateforme.messages.empty());
}

TEST_F(DialogueLangue, EmptyTableIsLoadedWithMessages)
{
    const QString absent = dossier.filePath(QStringLiteral("absent.txt"));
    PendantDialogue<QDialog>([](QDialog& fenetre) {
        auto& dialogue = dynamic_cast<TFSelLangue&>(fenetre);
        EXPECT_EQ(dialogue.CBxLng->count(), 0);
        QTest::keyClick(&dialogue, Qt::Key_Escape);
    });
    EXPECT_FALSE(ChoisirLangue(absent));
    EXPECT_EQ(plateforme.messages, std::vector<QString>{QStringLiteral("pas trouvé le fichier des textes de NdC : ") + absent});

    PendantDialogue<QDialog>([](QDialog& fenetre) {
        auto& dialogue = dynamic_cast<TFSelLangue&>(fenetre);
        EXPECT_EQ(dialogue.CBxLng->count(), 3);
        QTest::keyClick(&dialogue, Qt::Key_Return);
    });
    EXPECT_TRUE(ChoisirLangue(chemin));
    EXPECT_EQ(LangueActive(), QStringLiteral("fr"));
}
