#include "support/FakePlatformServices.h"
#include "support/gui/ChurchWindow.h"
#include "documents/FichPb.h"
#include "documents/gui/FPropEdit.h"
#include "editing/DataControl.h"
#include "editing/gui/DcPanneau.h"
#include "files/DocFich.h"
#include "shell/DocumentSession.h"
#include "shell/gui/FBaseM2.h"

#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace {

// The command "Propriétés ..." as the user reaches it.
struct CommandeProprietes : FenetreEglise {

    const TFichPb* document() const { return fenetre->Session().Document(); }

    // "Propriétés ...": the user's gestures run in the dialog, which they
    // close with OK or Cancel.
    void Proprietes(const std::function<void(TFPropEdit&)>& gestes)
    {
        ASSERT_TRUE(fenetre->MIproprietes->isEnabled());
        TFPropEdit* dialogue = fenetre->PropEdit();
        ASSERT_NE(dialogue, nullptr);
        QTimer::singleShot(0, dialogue, [dialogue, gestes] {
            gestes(*dialogue);
            if (dialogue->isVisible())
                dialogue->reject();
        });
        fenetre->MIproprietes->trigger();
        inactivite();
    }

    static void Cliquer(QAbstractButton* bouton)
    {
        QTest::mouseClick(bouton, Qt::LeftButton);
        inactivite();
    }

    // Adds the property and gives it a value, through the dialog's widgets.
    void AjouterPropriete(TFPropEdit& d, const QString& nom, const QString& valeur)
    {
        plateforme.inputs.push_back(nom);
        Cliquer(d.BtAjouter);
        const int ligne = d.VLEprop->rowCount() - 1;
        ASSERT_EQ(d.VLEprop->item(ligne, 0)->text(), nom);
        d.VLEprop->item(ligne, 1)->setText(valeur);
    }
};

} // namespace

TEST_F(CommandeProprietes, OfferedExactlyWhileADocumentIsOpen)
{
    Demarrer({});
    EXPECT_NE(fenetre->PropEdit(), nullptr) << "created at start-up";
    EXPECT_FALSE(fenetre->MIproprietes->isEnabled());
    fenetre->MIproprietesClick(); // reached anyway: nothing happens
    EXPECT_FALSE(fenetre->PropEdit()->isVisible());

    fenetre->DF().Ouvrir(chemin);
    inactivite();
    ASSERT_NE(document(), nullptr);
    EXPECT_TRUE(fenetre->MIproprietes->isEnabled());
    fenetre->AcFichFerm->trigger();
    inactivite();
    EXPECT_EQ(document(), nullptr);
    EXPECT_FALSE(fenetre->MIproprietes->isEnabled());
}

TEST_F(CommandeProprietes, OkIsOneStepUndoneRedoneSavedAndFoundAgain)
{
    Demarrer({chemin});
    ASSERT_NE(document(), nullptr);
    const QStringList avant = document()->FH.Strings();
    ASSERT_EQ(avant.size(), 1) << "the example holds its comment alone";
    EXPECT_FALSE(fenetre->AcFichEnr->isEnabled());

    Proprietes([this](TFPropEdit& d) {
        AjouterPropriete(d, QStringLiteral("Auteur"), QStringLiteral("bureau d'études"));
        Cliquer(d.Boutons->button(QDialogButtonBox::Ok));
    });
    const QStringList apres = document()->FH.Strings();
    ASSERT_EQ(apres.size(), 2);
    EXPECT_EQ(apres.front(), QStringLiteral("Auteur=bureau d'études"));
    EXPECT_EQ(apres.back(), avant.front()) << "the comment comes last, unchanged";
    EXPECT_TRUE(fenetre->AcFichEnr->isEnabled());
    EXPECT_TRUE(fenetre->AcEditUndo->isEnabled());

    Cliquer(fenetre->DC()->SBundo());
    EXPECT_EQ(document()->FH.Strings(), avant);
    EXPECT_FALSE(fenetre->AcFichEnr->isEnabled()) << "back to the saved properties";
    EXPECT_FALSE(fenetre->DC()->SBundo()->isEnabled()) << "one step";
    Cliquer(fenetre->DC()->SBredo());
    EXPECT_EQ(document()->FH.Strings(), apres);

    fenetre->AcFichEnr->trigger();
    inactivite();
    EXPECT_FALSE(fenetre->AcFichEnr->isEnabled());
    EXPECT_TRUE(fenetre->close());
    EXPECT_TRUE(plateforme.questions.size() == 1u) << "only the name of the new property was asked";
    fenetre.reset();
    Demarrer({chemin});
    EXPECT_EQ(document()->FH.Strings(), apres);
}

TEST_F(CommandeProprietes, CancelAfterAddingAndDeletingLeavesHeaderAndHistoryAlone)
{
    Demarrer({chemin});
    ASSERT_NE(document(), nullptr);
    const QStringList avant = document()->FH.Strings();
    const QString historique = fenetre->Session().DC().aDefaire();
    plateforme.answers = {PlatformServices::Answer::Yes};
    Proprietes([this](TFPropEdit& d) {
        AjouterPropriete(d, QStringLiteral("Affaire"), QStringLiteral("nef"));
        d.VLEprop->setCurrentCell(0, 0);
        Cliquer(d.BtSupprimer);
        EXPECT_EQ(d.VLEprop->rowCount(), 0);
        d.PCpages->setCurrentIndex(TFPropEdit::PageCommentaires);
        d.MmComm->setPlainText(QStringLiteral("autre chose"));
        Cliquer(d.Boutons->button(QDialogButtonBox::Cancel));
    });
    EXPECT_EQ(document()->FH.Strings(), avant);
    EXPECT_EQ(fenetre->Session().DC().aDefaire(), historique);
    EXPECT_FALSE(fenetre->AcFichEnr->isEnabled());

    // OK without any change is no step either.
    Proprietes([](TFPropEdit& d) { Cliquer(d.Boutons->button(QDialogButtonBox::Ok)); });
    EXPECT_EQ(fenetre->Session().DC().aDefaire(), historique);
    EXPECT_FALSE(fenetre->AcFichEnr->isEnabled());
}

// The dialog costs the start-up much and shows nothing before the command:
// it is made by the first "Propriétés ...", which works as well as later ones.
TEST_F(CommandeProprietes, DialogMadeByTheFirstCommandAndKept)
{
    Demarrer({chemin});
    ASSERT_NE(document(), nullptr);
    EXPECT_TRUE(fenetre->findChildren<TFPropEdit*>().isEmpty()) << "not made before the command";
    const QStringList avant = document()->FH.Strings();

    TFPropEdit* montre = nullptr;
    QTimer::singleShot(0, fenetre.get(), [this, &montre] {
        montre = qobject_cast<TFPropEdit*>(QApplication::activeModalWidget());
        if (!montre)
            return;
        AjouterPropriete(*montre, QStringLiteral("Auteur"), QStringLiteral("bureau d'études"));
        Cliquer(montre->Boutons->button(QDialogButtonBox::Ok));
    });
    fenetre->MIproprietes->trigger();
    inactivite();
    ASSERT_NE(montre, nullptr) << "the command showed the properties dialog";
    EXPECT_EQ(document()->FH.Strings(), QStringList({QStringLiteral("Auteur=bureau d'études"), avant.front()}));
    EXPECT_EQ(fenetre->PropEdit(), montre) << "the same dialog is kept for the next commands";
    EXPECT_EQ(fenetre->findChildren<TFPropEdit*>().size(), 1);
}
