#include "QStringPrint.h"
#include "documents/FichPb.h"
#include "documents/ObjTab.h"
#include "model/DonneesAppli.h"
#include "shell/CalculationTabsGlue.h"
#include "shell/DocumentSession.h"
#include "editing/DcBaseRelais.h"
#include "editing/DataControl.h"
#include "shell/gui/DcTabControl.h"
#include "support/FakePlatformServices.h"
#include "support/gui/TabCaptionColour.h"

#include <QAccessible>
#include <QAction>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

// The calculation tab bar in a window, with tabs PG, a, b, c (plain tab
// objects: no document), bound to a data control.
struct BarreOnglets : ::testing::Test {
    FakePlatformServices plateforme;
    TDataControl dc;
    std::unique_ptr<QWidget> fenetre = std::make_unique<QWidget>();
    TdcTabControl* barre = new TdcTabControl(fenetre.get());

    void SetUp() override
    {
        fenetre->resize(520, 60);
        barre->setGeometry(0, 0, 500, 29);
        barre->setTabsBoutons(true);
        barre->Onglets().setDataControl(&dc);
        barre->Onglets().InitPG();
        for (const char* nom : {"a", "b", "c"}) {
            plateforme.inputs.push_back(QString::fromLatin1(nom));
            barre->Onglets().Ajouter(true);
        }
        barre->DeSelect();
        dc.Clear();
        fenetre->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(fenetre.get()));
    }

    QStringList noms() const
    {
        QStringList n;
        for (int i = 0; i < barre->TabsCount(); ++i)
            n << barre->GetTab(i);
        return n;
    }
    int MilieuY() const { return barre->MargeHaute() + barre->TabsHeight() / 2; }
    QPoint Centre(int ix) const { return {barre->GaucheOnglet(ix) + barre->LargeurOnglet(ix) / 2, MilieuY()}; }
    void Cliquer(int ix, Qt::KeyboardModifiers mods = {}) { QTest::mouseClick(barre, Qt::LeftButton, mods, Centre(ix)); }
};

const QStringList kPGabc{QStringLiteral("PG"), QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")};

} // namespace

TEST_F(BarreOnglets, ClicksKeepTheGeneralPageAlone)
{
    Cliquer(1);
    Cliquer(2, Qt::ControlModifier);
    EXPECT_EQ(barre->SelTabs(), QStringLiteral(" xX "));
    Cliquer(0, Qt::ControlModifier); // refused
    EXPECT_EQ(barre->SelTabs(), QStringLiteral(" xX "));
    Cliquer(0);
    EXPECT_EQ(barre->SelTabs(), QStringLiteral("X   "));
    Cliquer(3, Qt::ControlModifier); // refused
    EXPECT_EQ(barre->SelTabs(), QStringLiteral("X   "));
}

TEST_F(BarreOnglets, DraggingATabMovesItAndUndoPutsItBack)
{
    Cliquer(1);
    QTest::mousePress(barre, Qt::LeftButton, {}, Centre(1));
    const QPoint apresC = Centre(3) + QPoint(barre->LargeurOnglet(3) / 2 - 1, 0);
    QTest::mouseMove(barre, apresC);
    ASSERT_EQ(barre->DraggingTabsIndex(), 4);
    QTest::mouseRelease(barre, Qt::LeftButton, {}, apresC);
    EXPECT_EQ(noms(), (QStringList{QStringLiteral("PG"), QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("a")}));
    dc.Undo();
    EXPECT_EQ(noms(), kPGabc);
}

TEST_F(BarreOnglets, PopupMenuEntriesFollowTheSelection)
{
    int avantMenu = 0;
    barre->setOnAvantMenu([&] { ++avantMenu; });
    QStringList libelles;
    for (QAction* action : barre->PPmTab()->actions())
        libelles << (action->isSeparator() ? QStringLiteral("-") : action->text());
    EXPECT_EQ(libelles, (QStringList{QStringLiteral("Couper"), QStringLiteral("Copier"), QStringLiteral("Coller avant"),
                                     QStringLiteral("Coller en fin"), QStringLiteral("Dupliquer en fin"),
                                     QStringLiteral("-"), QStringLiteral("Supprimer"), QStringLiteral("Ajouter"),
                                     QStringLiteral("Insérer"), QStringLiteral("Renommer"), QStringLiteral("-"),
                                     QStringLiteral("Enregistrer l'onglet comme défaut")}));

    Cliquer(0);
    barre->PreparerMenu();
    EXPECT_EQ(avantMenu, 1);
    EXPECT_FALSE(barre->ActionMenu(TCommandeOnglet::Supprimer)->isEnabled());
    EXPECT_TRUE(barre->ActionMenu(TCommandeOnglet::Ajouter)->isEnabled());

    Cliquer(2);
    barre->PreparerMenu();
    EXPECT_TRUE(barre->ActionMenu(TCommandeOnglet::Supprimer)->isEnabled());
    EXPECT_FALSE(barre->ActionMenu(TCommandeOnglet::CollerEnFin)->isEnabled());
    barre->ActionMenu(TCommandeOnglet::Supprimer)->trigger();
    EXPECT_EQ(noms(), (QStringList{QStringLiteral("PG"), QStringLiteral("a"), QStringLiteral("c")}));
}

TEST_F(BarreOnglets, AccessibilityTreeShowsTheTabsAndPressSelectsOne)
{
    QAccessibleInterface* liste = QAccessible::queryAccessibleInterface(barre);
    ASSERT_NE(liste, nullptr);
    EXPECT_EQ(liste->role(), QAccessible::PageTabList);
    EXPECT_EQ(liste->text(QAccessible::Name), QStringLiteral("Onglets des calculs"));
    ASSERT_EQ(liste->childCount(), 4 + 4); // the tabs, then the navigation buttons
    for (int i = 0; i < 4; ++i) {
        QAccessibleInterface* onglet = liste->child(i);
        ASSERT_NE(onglet, nullptr);
        EXPECT_EQ(onglet->role(), QAccessible::PageTab);
        EXPECT_EQ(onglet->text(QAccessible::Name), kPGabc.at(i));
        EXPECT_TRUE(onglet->state().selectable);
        EXPECT_FALSE(onglet->state().selected);
        EXPECT_EQ(onglet->parent(), liste);
        EXPECT_EQ(liste->indexOfChild(onglet), i);
        EXPECT_EQ(liste->child(i), onglet); // the same interface each time
        EXPECT_EQ(onglet->rect().topLeft(), barre->mapToGlobal(QPoint(barre->GaucheOnglet(i), barre->MargeHaute())));
    }
    EXPECT_EQ(liste->child(4)->role(), QAccessible::Button);

    QAccessibleActionInterface* action = liste->child(2)->actionInterface();
    ASSERT_NE(action, nullptr);
    EXPECT_EQ(action->actionNames(), QStringList{QAccessibleActionInterface::pressAction()});
    action->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(barre->SelTabs(), QStringLiteral("  X "));
    EXPECT_TRUE(liste->child(2)->state().selected);
    EXPECT_FALSE(liste->child(1)->state().selected);
    EXPECT_EQ(barre->Onglets().ObjTabsSelection().front()->nomtab, QStringLiteral("b"));

    // A rename shows in the tree; a deleted tab leaves it.
    barre->SetTab(2, QStringLiteral("renommé"));
    EXPECT_EQ(liste->child(2)->text(QAccessible::Name), QStringLiteral("renommé"));
    QAccessibleInterface* dernier = liste->child(3);
    barre->Onglets().Supprimer();
    EXPECT_EQ(liste->childCount(), 3 + 4);
    EXPECT_FALSE(dernier->isValid());
    EXPECT_EQ(liste->child(2)->text(QAccessible::Name), QStringLiteral("c"));

    // Any tab strip, not only the calculation tab bar.
    TCustomTabsXo bande(fenetre.get());
    bande.AddTab(QStringLiteral("seul"));
    QAccessibleInterface* autre = QAccessible::queryAccessibleInterface(&bande);
    ASSERT_NE(autre, nullptr);
    EXPECT_EQ(autre->role(), QAccessible::PageTabList);
    ASSERT_NE(autre->child(0), nullptr);
    EXPECT_EQ(autre->child(0)->text(QAccessible::Name), QStringLiteral("seul"));
}

namespace {

// The main window's view, widgets aside from the tab bar.
struct VueBarre : TVueSessionOnglets {
    TdcBaseRelais memo;
    void AfficherTitre(const QString&) override {}
    void AfficherPage(Page) override {}
    void AppliquerCommandes(const EtatCommandes&) override {}
    TdcBaseRelais& RelaisMemo() override { return memo; }
    void ViderMemo() override {}
    void DonnerFocusMemo() override {}
    void RetirerFocus() override {}
    void AfficherDonnees(TDonneesAppli&) override {}
    void LireFiche(TDonneesAppli&) override {}
    void AfficherVerdict(TDonneesAppli&) override {}
};

// The bar as the main window binds it to the session of a new document.
struct BarreDocument : ::testing::Test {
    FakePlatformServices plateforme;
    QTemporaryDir dossier;
    VueBarre vue;
    TDocumentSession session{vue};
    std::unique_ptr<QWidget> fenetre = std::make_unique<QWidget>();
    TdcTabControl* barre = new TdcTabControl(fenetre.get());
    TLiaisonOnglets liaison{barre->Onglets(), session};

    void SetUp() override
    {
        fenetre->resize(520, 60);
        barre->setGeometry(0, 0, 500, 29);
        barre->setTabsBoutons(true);
        vue.setOnglets(&barre->Onglets());
        barre->Brancher(liaison);
        TDoUndo* DU = nullptr;
        bool ok = false;
        session.DFNouveau(QString(), dossier.filePath(QStringLiteral("barre.Tolvane")), DU, ok);
        ASSERT_TRUE(ok);
        fenetre->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(fenetre.get()));
    }
    void TearDown() override { barre->Debrancher(); }
    const TFichPb& document() const { return *session.Document(); }
};

} // namespace

TEST_F(BarreDocument, MenuCommandsReachTheDocument)
{
    plateforme.inputs.push_back(QStringLiteral("nord"));
    barre->PreparerMenu();
    barre->ActionMenu(TCommandeOnglet::Ajouter)->trigger();
    ASSERT_EQ(document().Calculs().size(), 1);
    EXPECT_EQ(document().Calculs().front()->nomtab, QStringLiteral("nord"));
    EXPECT_EQ(barre->GetObjet(1), document().Calculs().front());
    EXPECT_EQ(document().CalculsSel(), document().Calculs()); // the new tab is selected
    EXPECT_TRUE(session.CompteurModifications()->Modified());
    session.DC().Undo();
    EXPECT_TRUE(document().Calculs().isEmpty());
    EXPECT_FALSE(session.CompteurModifications()->Modified());
}

TEST_F(BarreDocument, WithoutDocumentTheMenuOffersNothing)
{
    session.DFInit();
    barre->PreparerMenu();
    for (const TEntreeMenuOnglet& entree : EntreesMenuOnglets())
        EXPECT_FALSE(barre->ActionMenu(entree.commande)->isEnabled()) << entree.libelle.toStdString();
    plateforme.inputs.push_back(QStringLiteral("orphelin"));
    liaison.ExecuterCommande(TCommandeOnglet::Ajouter);
    EXPECT_EQ(barre->TabsCount(), 1);
    EXPECT_EQ(plateforme.inputs.size(), 1u); // not even asked
}

TEST_F(BarreDocument, ACalculationRefusedForInvalidDataHasARedCaption)
{
    plateforme.inputs.push_back(QStringLiteral("WWWW"));
    barre->Onglets().Ajouter(true);
    barre->DeSelect();
    const auto pixelsRouges = [&] { return PixelsRougesLegende(*barre, 1); };
    EXPECT_EQ(pixelsRouges(), 0);
    document().Calculs().front()->DAP->SetResultatCalcul(-1);
    EXPECT_GT(pixelsRouges(), 0);
}

TEST_F(BarreOnglets, TabsScrolledOutOfTheStripAreOffscreenForAssistiveTechnologies)
{
    for (int i = 0; i < 30; ++i)
        barre->AddTab(QStringLiteral("onglet supplémentaire %1").arg(i));
    barre->Naviguer(1); // back to the first tab
    QAccessibleInterface* liste = QAccessible::queryAccessibleInterface(barre);
    ASSERT_NE(liste, nullptr);
    EXPECT_FALSE(liste->child(0)->state().invisible);
    EXPECT_TRUE(liste->child(barre->TabsCount() - 1)->state().offscreen);
    barre->Naviguer(4); // to the end
    EXPECT_TRUE(liste->child(0)->state().offscreen);
    EXPECT_FALSE(liste->child(barre->TabsCount() - 1)->state().offscreen);
}
