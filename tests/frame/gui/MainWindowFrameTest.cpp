// The application as a user meets it: the real main window hosting the real
// buttress frame, on a copy of the realistic example.

#include "support/FakePlatformServices.h"
#include "support/gui/ChurchWindow.h"
#include "support/gui/TabCaptionColour.h"
#include "documents/Calcul.h"
#include "documents/FichPb.h"
#include "editing/DataControl.h"
#include "editing/UndoRecords.h"
#include "editing/gui/DcPanneau.h"
#include "files/DocFich.h"
#include "frame/gui/HostedButtressFrame.h"
#include "model/DonneesAppli.h"
#include "shell/DocumentSession.h"
#include "shell/gui/DcTabControl.h"
#include "shell/gui/FBaseM2.h"

#include <QAbstractItemModel>
#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>
#include <memory>

namespace {

// The application as it ships: the main window with the hosted buttress frame.
struct ApplicationAvecCadre : FenetreEglise {
    void SetUp() override
    {
        FenetreEglise::SetUp();
        Demarrer({chemin}, FabriqueCadreContrefort());
    }

    TCalcul* premierCalcul() const { return fenetre->Session().Document()->Calculs().front(); }

    void CliquerOnglet(int ix)
    {
        TdcTabControl* onglets = fenetre->TC();
        QTest::mouseClick(onglets, Qt::LeftButton, {}, QPoint(onglets->GaucheOnglet(ix) + 10, onglets->height() / 2));
        inactivite();
    }

    // The user types a value in the cell of the sheet's row, confirms it and
    // leaves the sheet for the tab bar.
    void Saisir(QTableView& vle, int ligne, const QString& valeur)
    {
        const QModelIndex cellule = vle.model()->index(ligne, 1);
        vle.setFocus();
        vle.setCurrentIndex(cellule);
        vle.edit(cellule);
        inactivite();
        auto* editeur = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        ASSERT_NE(editeur, nullptr) << "the cell opens an editor";
        editeur->selectAll();
        QTest::keyClicks(editeur, valeur);
        QTest::keyClick(editeur, Qt::Key_Return);
        fenetre->TC()->setFocus();
        inactivite();
    }

    int PixelsRougesOnglet(int ix) const { return PixelsRougesLegende(*fenetre->TC(), ix); }

    // The row of the sheet whose key is cle, the first one from the top.
    int LigneDeCle(QTableView& vle, const QString& cle) const
    {
        for (int r = 0; r < vle.model()->rowCount(); ++r)
            if (vle.model()->index(r, 0).data().toString().trimmed() == cle)
                return r;
        return -1;
    }
};

} // namespace

TEST_F(ApplicationAvecCadre, AValueTypedInTheSheetIsOneUndoStepThatUndoPutsBack)
{
    CliquerOnglet(1);
    auto* vle = fenetre->findChild<QTableView*>(QStringLiteral("VLE"));
    ASSERT_NE(vle, nullptr);
    ASSERT_TRUE(vle->isVisible()) << "the calculation page shows the sheet";
    const int ligne = LigneDeCle(*vle, QStringLiteral("largeur du tolvane suivant Y (cm)"));
    ASSERT_GE(ligne, 0);
    const double avant = premierCalcul()->DAP->Data.Sections[0].se_lrgsec;
    ASSERT_DOUBLE_EQ(avant, 1.10);

    Saisir(*vle, ligne, QStringLiteral("125"));

    EXPECT_DOUBLE_EQ(premierCalcul()->DAP->Data.Sections[0].se_lrgsec, 1.25);
    const QString defaire = fenetre->Session().DC().aDefaire();
    EXPECT_EQ(defaire.count(kSepEnreg), 0) << "one undo record";
    EXPECT_EQ(DecouperEnregUR(defaire).libelle, QStringLiteral("changement d'une valeur"));
    EXPECT_TRUE(fenetre->AcFichEnr->isEnabled()) << "the edit can be saved";

    QTest::mouseClick(fenetre->DC()->SBundo(), Qt::LeftButton);
    inactivite();
    EXPECT_DOUBLE_EQ(premierCalcul()->DAP->Data.Sections[0].se_lrgsec, avant);
    EXPECT_EQ(vle->model()->index(ligne, 1).data().toString(), QStringLiteral("110"));
}

TEST_F(ApplicationAvecCadre, TheResultsPageShowsTheVerdictOfTheSelectedCalculation)
{
    CliquerOnglet(1);
    auto* pages = fenetre->findChild<QTabWidget*>(QStringLiteral("PCPages"));
    ASSERT_NE(pages, nullptr);
    pages->setCurrentIndex(2);
    inactivite();
    auto* statut = fenetre->findChild<QLabel*>(QStringLiteral("PnStatutCalcul"));
    ASSERT_NE(statut, nullptr);
    EXPECT_EQ(statut->text(), QStringLiteral("Résultat : ACCEPTABLE"));
    EXPECT_EQ(statut->palette().color(statut->backgroundRole()), QColor(0xFF, 0xCC, 0x99));
}

TEST_F(ApplicationAvecCadre, TheDrawingTellsAssistiveTechnologiesWhatItShows)
{
    CliquerOnglet(1);
    auto* dessin = fenetre->findChild<QWidget*>(QStringLiteral("Pbx"));
    ASSERT_NE(dessin, nullptr);
    QAccessibleInterface* acces = QAccessible::queryAccessibleInterface(dessin);
    ASSERT_NE(acces, nullptr);
    EXPECT_EQ(acces->text(QAccessible::Name), QStringLiteral("Dessin du tolvane"));
    EXPECT_TRUE(acces->text(QAccessible::Description).startsWith(QStringLiteral("Coupe du tolvane")));
}

TEST_F(ApplicationAvecCadre, TheTabCaptionTurnsRedForInvalidDataAndBackWhenCorrected)
{
    CliquerOnglet(1);
    auto* vle = fenetre->findChild<QTableView*>(QStringLiteral("VLE"));
    auto* pages = fenetre->findChild<QTabWidget*>(QStringLiteral("PCPages"));
    ASSERT_NE(vle, nullptr);
    ASSERT_NE(pages, nullptr);
    // The level of the first section, typed above the second one's.
    const int ligne = LigneDeCle(*vle, QStringLiteral("niveau de la section (m)"));
    ASSERT_GE(ligne, 0);
    EXPECT_EQ(PixelsRougesOnglet(1), 0);
    Saisir(*vle, ligne, QStringLiteral("50"));
    pages->setCurrentIndex(2); // leaving the sheet computes with validation
    inactivite();
    EXPECT_EQ(premierCalcul()->EtatCalcul(), -1);
    EXPECT_FALSE(plateforme.messages.empty()) << "the user is told which section is wrong";
    EXPECT_GT(PixelsRougesOnglet(1), 0);

    pages->setCurrentIndex(0);
    inactivite();
    Saisir(*vle, ligne, QStringLiteral("0"));
    pages->setCurrentIndex(2);
    inactivite();
    EXPECT_EQ(premierCalcul()->EtatCalcul(), 0);
    EXPECT_EQ(PixelsRougesOnglet(1), 0);
}
