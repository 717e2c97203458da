#include "support/FakePlatformServices.h"
#include "support/gui/ChurchWindow.h"
#include "documents/Calcul.h"
#include "documents/FichPb.h"
#include "editing/DataControl.h"
#include "editing/gui/DcMemo.h"
#include "editing/gui/DcPanneau.h"
#include "editing/gui/FSelUR.h"
#include "files/DocFich.h"
#include "model/DonneesAppli.h"
#include "settings/WinReg.h"
#include "shell/DocumentSession.h"
#include "shell/gui/ApplicationSetup.h"
#include "shell/gui/ApplicationStyle.h"
#include "shell/gui/DcTabControl.h"
#include "shell/gui/FBaseM2.h"

#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTimer>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <QTranslator>
#include <cstdlib>
#include <gtest/gtest.h>
#include <memory>

namespace {

QString TexteMemo(TdcMemo* memo) { return static_cast<QPlainTextEdit*>(memo)->toPlainText(); }

struct FenetrePrincipale : FenetreEglise {

    const TFichPb* document() const { return fenetre->Session().Document(); }
    TdcPanneau* panneau() const { return fenetre->DC(); }
    TdcTabControl* onglets() const { return fenetre->TC(); }

    // The user types in the memo (QTest types ASCII only), then leaves it
    // for the tab bar.
    void SaisirMemo(const QString& texte)
    {
        fenetre->MemoFich()->setFocus();
        QTest::keyClick(fenetre->MemoFich(), Qt::Key_End, Qt::ControlModifier);
        QTest::keyClicks(fenetre->MemoFich(), texte);
        onglets()->setFocus();
        inactivite();
    }

    void Cliquer(QToolButton* bouton)
    {
        QTest::mouseClick(bouton, Qt::LeftButton);
        inactivite();
    }

    void CliquerOnglet(int ix)
    {
        QTest::mouseClick(onglets(), Qt::LeftButton, {},
                          QPoint(onglets()->GaucheOnglet(ix) + 10, onglets()->height() / 2));
        inactivite();
    }

    void DefaireTout()
    {
        while (panneau()->SBundo()->isEnabled())
            Cliquer(panneau()->SBundo());
    }

    void Commande(TCommandeOnglet commande)
    {
        onglets()->PreparerMenu();
        ASSERT_TRUE(onglets()->ActionMenu(commande)->isEnabled());
        onglets()->ActionMenu(commande)->trigger();
        inactivite();
    }

    QStringList NomsOnglets() const
    {
        QStringList noms;
        for (const TCalcul* c : document()->Calculs())
            noms.append(c->nomtab);
        return noms;
    }
};

} // namespace

TEST_F(FenetrePrincipale, WithoutDocumentOnlyNewAndOpenAreOffered)
{
    Demarrer({});
    EXPECT_EQ(fenetre->windowTitle(), QStringLiteral("Tolvane"));
    EXPECT_TRUE(fenetre->AcFichNv->isEnabled());
    EXPECT_TRUE(fenetre->AcFichOuv->isEnabled());
    for (QAction* a : {fenetre->AcFichEnr, fenetre->AcFichEnrSous, fenetre->AcFichFerm, fenetre->AcEditUndo,
                       fenetre->AcEditRedo, fenetre->MiCalcul, fenetre->MIproprietes})
        EXPECT_FALSE(a->isEnabled()) << a->text().toStdString();
    EXPECT_FALSE(onglets()->isEnabled());
    EXPECT_FALSE(fenetre->PnPG()->isVisible());
    EXPECT_FALSE(fenetre->PnData()->isVisible());

    QStringList menus;
    for (QAction* a : fenetre->menuBar()->actions())
        menus.append(a->text());
    EXPECT_EQ(menus, (QStringList{QStringLiteral("&Fichiers"), QStringLiteral("&Edition"), QStringLiteral("&Calcul"),
                                  QStringLiteral("&Voir"), QStringLiteral("Langue"), QStringLiteral("&Aide")}));
    EXPECT_EQ(fenetre->MiQuitter->shortcut(), QKeySequence(Qt::ALT | Qt::Key_X));
    EXPECT_EQ(fenetre->AcEditUndo->shortcut(), QKeySequence(Qt::ALT | Qt::Key_Backspace));
    EXPECT_EQ(fenetre->AcFichNv->statusTip(), QStringLiteral("nouvel éditeur"));
}

TEST_F(FenetrePrincipale, OpeningShowsTheGeneralPageWithEveryCalculationComputedAndNothingToUndo)
{
    Demarrer({chemin});
    ASSERT_NE(document(), nullptr);
    EXPECT_EQ(fenetre->windowTitle(), QStringLiteral("Tolvane : ") + chemin);
    EXPECT_TRUE(onglets()->isEnabled());
    EXPECT_EQ(onglets()->TabsCount(), 1 + document()->Calculs().size());
    EXPECT_EQ(onglets()->SelTabs().left(1), QStringLiteral("X"));
    EXPECT_EQ(onglets()->SelTabs().count(QLatin1Char('X')), 1);
    EXPECT_TRUE(fenetre->PnPG()->isVisible());
    EXPECT_FALSE(fenetre->PnData()->isVisible());
    EXPECT_EQ(fenetre->PnPG()->title(), QStringLiteral("Mémo"));
    EXPECT_TRUE(TexteMemo(fenetre->MemoFich()).startsWith(QStringLiteral("Église paroissiale Saint-Martin")));
    ASSERT_GE(document()->Calculs().size(), 2);
    for (const TCalcul* c : document()->Calculs())
        EXPECT_FALSE(c->DAP->Data.Sections.front().se_maxExc.mx_combi.isEmpty()) << c->nomtab.toStdString();
    EXPECT_FALSE(panneau()->SBundo()->isEnabled());
    EXPECT_FALSE(panneau()->SBredo()->isEnabled());
    EXPECT_FALSE(fenetre->AcFichEnr->isEnabled());
    EXPECT_TRUE(fenetre->MiCalcul->isEnabled());
    EXPECT_TRUE(plateforme.messages.empty());
}

TEST_F(FenetrePrincipale, AMemoEditIsUndoneRedoneSavedAndFoundAgainAfterReopening)
{
    Demarrer({chemin});
    const QString avant = document()->MemoFich;
    SaisirMemo(QStringLiteral(" Releve du 12 mars."));
    const QString apres = document()->MemoFich;
    EXPECT_EQ(apres, avant + QStringLiteral(" Releve du 12 mars."));
    EXPECT_TRUE(panneau()->SBundo()->isEnabled());
    EXPECT_TRUE(fenetre->AcFichEnr->isEnabled());
    EXPECT_TRUE(fenetre->AcEditUndo->isEnabled());

    Cliquer(panneau()->SBundo());
    EXPECT_FALSE(panneau()->SBundo()->isEnabled()) << "the whole edit is one step";
    EXPECT_EQ(document()->MemoFich, avant);
    EXPECT_EQ(TexteMemo(fenetre->MemoFich()), QString(avant).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    EXPECT_FALSE(fenetre->AcFichEnr->isEnabled());
    EXPECT_TRUE(panneau()->SBredo()->isEnabled());

    // The "&Edition" entries mirror the buttons.
    fenetre->AcEditRedo->trigger();
    inactivite();
    EXPECT_EQ(document()->MemoFich, apres);

    fenetre->AcFichEnr->trigger();
    inactivite();
    EXPECT_TRUE(QFileInfo::exists(chemin + QStringLiteral(".bak"))) << "the previous version is kept";
    EXPECT_TRUE(fenetre->Session().DC().aDefaire().isEmpty());
    EXPECT_FALSE(panneau()->SBundo()->isEnabled());
    EXPECT_FALSE(fenetre->AcFichEnr->isEnabled());

    // Closing asks nothing: everything is saved.
    EXPECT_TRUE(fenetre->close());
    EXPECT_TRUE(plateforme.questions.empty());
    fenetre.reset();
    Demarrer({chemin});
    EXPECT_EQ(document()->MemoFich, apres);
}

TEST_F(FenetrePrincipale, TabCommandsReachTheDocumentAndAreUndoneThroughTheButtons)
{
    Demarrer({chemin});
    const QStringList depart = NomsOnglets();

    plateforme.inputs.push_back(QStringLiteral("Contrefort nef C5"));
    Commande(TCommandeOnglet::Ajouter);
    EXPECT_EQ(NomsOnglets(), depart + QStringList{QStringLiteral("Contrefort nef C5")});
    EXPECT_TRUE(fenetre->PnData()->isVisible()) << "a calculation tab shows the calculation page";
    EXPECT_FALSE(fenetre->PnPG()->isVisible());

    plateforme.inputs.push_back(QStringLiteral("Contrefort nef C6"));
    Commande(TCommandeOnglet::Renommer);
    EXPECT_EQ(NomsOnglets().last(), QStringLiteral("Contrefort nef C6"));

    Commande(TCommandeOnglet::DupliquerEnFin);
    ASSERT_EQ(NomsOnglets().size(), depart.size() + 2);
    EXPECT_EQ(onglets()->TabsCount(), NomsOnglets().size() + 1);

    CliquerOnglet(onglets()->TabsCount() - 1);
    Commande(TCommandeOnglet::Supprimer);
    EXPECT_EQ(NomsOnglets(), depart + QStringList{QStringLiteral("Contrefort nef C6")});
    EXPECT_TRUE(fenetre->AcFichEnr->isEnabled());

    // Back, step by step, to the document as it was opened.
    Cliquer(panneau()->SBundo());
    EXPECT_EQ(NomsOnglets().size(), depart.size() + 2);
    Cliquer(panneau()->SBundo());
    Cliquer(panneau()->SBundo());
    EXPECT_EQ(NomsOnglets(), depart + QStringList{QStringLiteral("Contrefort nef C5")});
    Cliquer(panneau()->SBundo());
    EXPECT_EQ(NomsOnglets(), depart);
    EXPECT_EQ(onglets()->TabsCount(), 1 + depart.size());
    EXPECT_FALSE(fenetre->AcFichEnr->isEnabled());
    EXPECT_FALSE(panneau()->SBundo()->isEnabled());

    Cliquer(panneau()->SBredo());
    EXPECT_EQ(NomsOnglets(), depart + QStringList{QStringLiteral("Contrefort nef C5")});
}

TEST_F(FenetrePrincipale, CutAndPasteMovesATabAndUndoPutsItBack)
{
    Demarrer({chemin});
    const QStringList depart = NomsOnglets();
    CliquerOnglet(1);
    Commande(TCommandeOnglet::Couper);
    CliquerOnglet(onglets()->TabsCount() - 1);
    Commande(TCommandeOnglet::CollerEnFin);
    EXPECT_EQ(NomsOnglets(), depart.mid(1) + depart.mid(0, 1));
    EXPECT_TRUE(fenetre->AcFichEnr->isEnabled());
    DefaireTout();
    EXPECT_EQ(NomsOnglets(), depart);
    EXPECT_FALSE(fenetre->AcFichEnr->isEnabled());
}

TEST_F(FenetrePrincipale, TheCalculationMenuComputesEveryTab)
{
    Demarrer({chemin});
    for (const TCalcul* c : document()->Calculs())
        c->DAP->Data.Sections.front().se_maxExc.mx_combi.clear();
    fenetre->MiCalcul->trigger();
    inactivite();
    for (const TCalcul* c : document()->Calculs())
        EXPECT_FALSE(c->DAP->Data.Sections.front().se_maxExc.mx_combi.isEmpty()) << c->nomtab.toStdString();
}

TEST_F(FenetrePrincipale, ClosingWithUnsavedChangesAsksAndCancelKeepsTheWindow)
{
    Demarrer({chemin});
    SaisirMemo(QStringLiteral(" non enregistre"));
    plateforme.answers.push_back(PlatformServices::Answer::Cancel);
    EXPECT_FALSE(fenetre->close());
    EXPECT_TRUE(fenetre->isVisible());
    ASSERT_EQ(plateforme.questions.size(), 1u);
    EXPECT_TRUE(plateforme.questions[0].contains(QStringLiteral("eglise.Tolvane")));
    EXPECT_NE(document(), nullptr);

    plateforme.answers.push_back(PlatformServices::Answer::No);
    EXPECT_TRUE(fenetre->close());
    fenetre.reset();
    Demarrer({chemin});
    EXPECT_FALSE(document()->MemoFich.contains(QStringLiteral("non enregistre")));
}

TEST_F(FenetrePrincipale, ClosingBeforeTheFirstDisplayShowsNoMessageAndEmptiesTheMemo)
{
    // A termination request can arrive before the first display cycle has
    // run: the close must not take emptying the memo for a second display.
    fenetre = std::make_unique<TFBaseM2>();
    fenetre->DebutAppli({chemin});
    EXPECT_TRUE(fenetre->close());
    EXPECT_TRUE(plateforme.messages.empty());
    EXPECT_EQ(document(), nullptr);
    EXPECT_TRUE(TexteMemo(fenetre->MemoFich()).isEmpty());
}

TEST_F(FenetrePrincipale, ANewDocumentIsClosedWithItsPromptWhenAnotherIsOpened)
{
    Demarrer({});
    fenetre->AcFichNv->trigger();
    inactivite();
    ASSERT_NE(document(), nullptr);
    EXPECT_EQ(QFileInfo(document()->pathF).fileName(), QStringLiteral("NC01.Tolvane"));
    EXPECT_EQ(onglets()->TabsCount(), 1);
    EXPECT_TRUE(fenetre->PnPG()->isVisible());
    EXPECT_TRUE(fenetre->MemoFich()->hasFocus());
    SaisirMemo(QStringLiteral("brouillon"));

    plateforme.answers.push_back(PlatformServices::Answer::No);
    plateforme.fileNames.push_back(chemin);
    fenetre->AcFichOuv->trigger();
    inactivite();
    ASSERT_EQ(plateforme.questions.size(), 1u);
    EXPECT_TRUE(plateforme.questions[0].contains(QStringLiteral("NC01.Tolvane")));
    ASSERT_NE(document(), nullptr);
    EXPECT_EQ(document()->pathF, chemin);
    EXPECT_EQ(fenetre->windowTitle(), QStringLiteral("Tolvane : ") + chemin);
    EXPECT_FALSE(QFileInfo::exists(dossier.filePath(QStringLiteral("NC01.Tolvane"))));
}

TEST_F(FenetrePrincipale, ANewDocumentIsSavedUnderTheNameTheUserChooses)
{
    Demarrer({});
    fenetre->AcFichNv->trigger();
    inactivite();
    SaisirMemo(QStringLiteral("chapelle"));
    // The document component writes new names in lower case.
    const QString cible = dossier.filePath(QStringLiteral("chapelle.tolvane"));
    plateforme.fileNames.push_back(cible);
    fenetre->AcFichEnr->trigger();
    inactivite();
    EXPECT_TRUE(QFileInfo::exists(cible));
    EXPECT_EQ(fenetre->windowTitle(), QStringLiteral("Tolvane : ") + cible);
    EXPECT_FALSE(fenetre->AcFichEnr->isEnabled());

    fenetre->AcFichFerm->trigger();
    inactivite();
    EXPECT_EQ(document(), nullptr);
    EXPECT_EQ(fenetre->windowTitle(), QStringLiteral("Tolvane : (rien en cours)"));
    EXPECT_FALSE(fenetre->PnPG()->isVisible());
    EXPECT_FALSE(onglets()->isEnabled());
}

TEST_F(FenetrePrincipale, AMissingDocumentOpensNothingSaysWhyAndKeepsNoLock)
{
    const QString abime = dossier.filePath(QStringLiteral("abime.Tolvane"));
    Demarrer({abime});
    EXPECT_EQ(document(), nullptr);
    ASSERT_EQ(plateforme.messages.size(), 1u);
    EXPECT_TRUE(plateforme.messages[0].contains(QStringLiteral("abime.Tolvane")));
    EXPECT_FALSE(QFileInfo::exists(dossier.filePath(QStringLiteral("abime.~Tolvane"))));
    EXPECT_EQ(fenetre->windowTitle(), QStringLiteral("Tolvane"));
    EXPECT_FALSE(onglets()->isEnabled());
}

TEST_F(FenetrePrincipale, EnterMovesTheFocusExceptInTheMemo)
{
    Demarrer({chemin});
    fenetre->MemoFich()->setFocus();
    const int lignes = fenetre->MemoFich()->blockCount();
    QTest::keyClick(fenetre->MemoFich(), Qt::Key_Return);
    inactivite();
    EXPECT_TRUE(fenetre->MemoFich()->hasFocus());
    EXPECT_EQ(fenetre->MemoFich()->blockCount(), lignes + 1);

    onglets()->setFocus();
    ASSERT_TRUE(onglets()->hasFocus());
    QTest::keyClick(onglets(), Qt::Key_Return);
    inactivite();
    EXPECT_FALSE(onglets()->hasFocus());
}

TEST_F(FenetrePrincipale, TheWindowComesBackWhereTheUserLeftIt)
{
    Demarrer({});
    fenetre->setGeometry(QRect(60, 70, 900, 700));
    inactivite();
    const QRect place = fenetre->geometry();
    EXPECT_TRUE(fenetre->close());
    fenetre.reset();
    Demarrer({});
    EXPECT_EQ(fenetre->geometry().size(), place.size());
    EXPECT_EQ(fenetre->geometry().topLeft(), place.topLeft());
}

TEST_F(FenetrePrincipale, AMissingHelpFileIsSaidInFrench)
{
    Demarrer({});
    ASSERT_FALSE(QFileInfo::exists(fenetre->DF().FichierAide()));
    fenetre->MiIndexAide->trigger();
    ASSERT_EQ(plateforme.messages.size(), 1u);
    EXPECT_TRUE(plateforme.messages[0].contains(QStringLiteral("Tolvane.chm")));
    EXPECT_TRUE(plateforme.messages[0].contains(QStringLiteral("introuvable")));
    EXPECT_TRUE(plateforme.openedUrls.empty());
}

TEST_F(FenetrePrincipale, ControlsShowTheirFrenchNamesToAssistiveTechnologies)
{
    Demarrer({chemin});
    const auto nom = [](QObject* o) {
        QAccessibleInterface* i = QAccessible::queryAccessibleInterface(o);
        return i ? i->text(QAccessible::Name) : QString();
    };
    QToolBar* barre = fenetre->findChild<QToolBar*>(QStringLiteral("TBrEdit"));
    ASSERT_NE(barre, nullptr);
    EXPECT_EQ(nom(barre->widgetForAction(fenetre->AcFichOuv)), QStringLiteral("ouvrir un fichier"));
    EXPECT_EQ(nom(barre->widgetForAction(fenetre->AcFichEnr)), QStringLiteral("enregistrer"));
    EXPECT_EQ(nom(fenetre->MemoFich()), QStringLiteral("Mémo du fichier"));
    QAccessibleInterface* bande = QAccessible::queryAccessibleInterface(onglets());
    ASSERT_NE(bande, nullptr);
    EXPECT_EQ(bande->role(), QAccessible::PageTabList);
    EXPECT_FALSE(nom(panneau()->SBundo()).isEmpty());
}

TEST(DemarrageApplication, NumbersUseTheDecimalPointAndQtSpeaksFrench)
{
    std::unique_ptr<TApplicationPreparee> preparation = PreparerApplication();
    // The font list is being read beside the main thread, which may measure
    // texts meanwhile: both meet in the font database.
    EXPECT_TRUE(preparation->listePolices.joinable());
    EXPECT_GT(QFontMetrics(QFont(QStringLiteral("Arial"), 12)).horizontalAdvance(QStringLiteral("Tolvane")), 0);
    EXPECT_EQ(QLocale().toString(2.5), QStringLiteral("2.5"));
    EXPECT_EQ(std::strtod("2.5", nullptr), 2.5);
    ASSERT_NE(preparation->traduction, nullptr) << "Qt's French translations (qt6-translations-l10n) are missing";
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Annuler"));
    EXPECT_FALSE(QApplication::windowIcon().isNull());
    QCoreApplication::removeTranslator(preparation->traduction.get());
    // Qt's style, with the bars' icons decoded when first shown.
    const auto* style = dynamic_cast<const TStyleApplication*>(QApplication::style());
    ASSERT_NE(style, nullptr);
    EXPECT_EQ(style->baseStyle()->name(), QStringLiteral("fusion"));
    // Ending the application waits for the reading: nothing runs any more.
    preparation.reset();
    EXPECT_FALSE(QFontDatabase::families().isEmpty());
    // The thread also opened the image plugins.
    QFile cartes(QStringLiteral("/proc/self/maps"));
    ASSERT_TRUE(cartes.open(QIODevice::ReadOnly));
    EXPECT_TRUE(cartes.readAll().contains("/imageformats/"));
    // Preparing again keeps the one application style.
    const std::unique_ptr<TApplicationPreparee> encore = PreparerApplication();
    EXPECT_EQ(QApplication::style(), style);
    QCoreApplication::removeTranslator(encore->traduction.get());
    QApplication::setStyle(QStringLiteral("Fusion"));
}

namespace {

// A buttress frame as the main window hosts it: it records what it is asked
// to show and read back.
struct CadreEssai : QWidget, TCadreContrefort {
    explicit CadreEssai(QWidget& panneau) : QWidget(&panneau) {}
    QWidget* Widget() override { return this; }
    QSize TailleMinimale() const override { return {783, 615}; }
    void AfficherDonnees(TDonneesAppli& DA) override { affiches.append(&DA); }
    void LireFiche(TDonneesAppli& DA) override { lus.append(&DA); }
    void AfficherVerdict(TDonneesAppli& DA) override { verdicts.append(&DA); }
    void RangerReglages() override { ++rangements; }
    int rangements = 0;
    QList<TDonneesAppli*> affiches;
    QList<TDonneesAppli*> lus;
    QList<TDonneesAppli*> verdicts;
};

} // namespace

TEST_F(FenetrePrincipale, TheHostedFrameShowsTheSelectedCalculationAndKeepsItsDesignSize)
{
    CadreEssai* cadre = nullptr;
    fenetre = std::make_unique<TFBaseM2>([&cadre](QWidget& panneau, TFBaseM2&) {
        auto c = std::make_unique<CadreEssai>(panneau);
        cadre = c.get();
        return std::unique_ptr<TCadreContrefort>(std::move(c));
    });
    fenetre->DebutAppli({chemin});
    fenetre->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(fenetre.get()));
    inactivite();
    ASSERT_NE(cadre, nullptr);
    EXPECT_EQ(cadre->parentWidget(), fenetre->PnData());

    CliquerOnglet(2);
    EXPECT_TRUE(fenetre->PnData()->isVisible());
    ASSERT_FALSE(cadre->affiches.isEmpty());
    EXPECT_EQ(cadre->affiches.last(), document()->Calculs()[1]->DAP.get());

    // The window can never squeeze the calculation page below the frame.
    fenetre->resize(200, 150);
    inactivite();
    EXPECT_GE(fenetre->PnData()->width(), 783);
    EXPECT_GE(fenetre->PnData()->height(), 615);

    // Asked by the frame before its drawing or results: the selected
    // calculation is computed with validation and its verdict shown.
    cadre->verdicts.clear();
    fenetre->CalculerSelection();
    EXPECT_EQ(cadre->verdicts, QList<TDonneesAppli*>{document()->Calculs()[1]->DAP.get()});

    // Closing the window stores the frame's settings with the window's.
    EXPECT_TRUE(fenetre->close());
    EXPECT_EQ(cadre->rangements, 1);
}

namespace {

TFSelUR* ListeOuverte()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* f = qobject_cast<TFSelUR*>(w); f && f->isVisible())
            return f;
    return nullptr;
}

// Chooses the row of the step list that opens on the next click.
void ChoisirDansLaListe(int ligne, QStringList& lignes)
{
    QTimer::singleShot(0, [ligne, &lignes] {
        TFSelUR* liste = ListeOuverte();
        ASSERT_NE(liste, nullptr);
        for (int i = 0; i < liste->LB->count(); ++i)
            lignes << liste->LB->item(i)->text();
        const QPoint p = liste->LB->visualItemRect(liste->LB->item(ligne)).center();
        QTest::mouseMove(liste->LB->viewport(), p);
        QTest::mouseClick(liste->LB->viewport(), Qt::LeftButton, {}, p);
    });
}

} // namespace

TEST_F(FenetrePrincipale, SeveralStepsAreUndoneAndRedoneThroughTheStepLists)
{
    Demarrer({chemin});
    const QStringList depart = NomsOnglets();
    const QString memo = document()->MemoFich;
    SaisirMemo(QStringLiteral(" suite"));
    plateforme.inputs.push_back(QStringLiteral("Contrefort nef C5"));
    Commande(TCommandeOnglet::Ajouter);
    plateforme.inputs.push_back(QStringLiteral("Contrefort nef C6"));
    Commande(TCommandeOnglet::Ajouter);

    QStringList lignes;
    ChoisirDansLaListe(1, lignes); // the two tab steps, not the memo
    QTest::mouseClick(panneau()->SBundoL(), Qt::LeftButton);
    inactivite();
    EXPECT_EQ(lignes.size(), 3);
    EXPECT_EQ(NomsOnglets(), depart);
    EXPECT_EQ(document()->MemoFich, memo + QStringLiteral(" suite"));
    EXPECT_TRUE(panneau()->SBundo()->isEnabled());

    lignes.clear();
    ChoisirDansLaListe(1, lignes);
    QTest::mouseClick(panneau()->SBredoL(), Qt::LeftButton);
    inactivite();
    EXPECT_EQ(lignes.size(), 2);
    EXPECT_EQ(NomsOnglets(), depart + (QStringList{QStringLiteral("Contrefort nef C5"), QStringLiteral("Contrefort nef C6")}));
    EXPECT_FALSE(panneau()->SBredo()->isEnabled());
}
