#include "support/FakePlatformServices.h"
#include "support/Sections.h"
#include "documents/Calcul.h"
#include "documents/DocumentFile.h"
#include "documents/FichPb.h"
#include "editing/DcBaseRelais.h"
#include "editing/UndoRecords.h"
#include "model/DonneesAppli.h"
#include "shell/DocumentSession.h"

#include "QStringPrint.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace {

using Page = TVueSession::Page;

// The main window without widgets: a tab list, a memo behind its relay, and
// a record of what the session asked to show.
struct VueFactice : TVueSession {
    TDocumentSession* session = nullptr;
    QList<TObjetEdite*> onglets;
    QList<TObjetEdite*> selection;
    TdcBaseRelais memo;
    QString memoContenu;
    QString memoAffiche;
    bool focusMemo = false;
    QString titre = QStringLiteral("Tolvane");
    Page page = Page::Aucune;
    EtatCommandes commandes;
    QList<TDonneesAppli*> affiches;
    QList<TDonneesAppli*> lus;
    int repeints = 0;

    VueFactice()
    {
        memo.BROnAfficherCdS = [this](bool, const QString& v, bool) { memoContenu = memoAffiche = v; };
        memo.BROnLireCdS = [this](QString& v) { v = memoContenu; };
        memo.BROnLireEtatCdS = [this](bool& change) { change = memoContenu != memoAffiche; };
    }

    void AfficherTitre(const QString& t) override { titre = t; }
    void AfficherPage(Page p) override { page = p; }
    void AppliquerCommandes(const EtatCommandes& etat) override { commandes = etat; }
    TdcBaseRelais& RelaisMemo() override { return memo; }
    void ViderMemo() override { memoContenu.clear(); }
    void DonnerFocusMemo() override { focusMemo = true; }
    void RetirerFocus() override { focusMemo = false; }
    void InitOnglets() override
    {
        onglets = {&session->ObjetPG()};
        selection.clear();
    }
    void AjouterOnglets(const QList<TCalcul*>& calculs) override
    {
        for (TCalcul* c : calculs)
            onglets.append(c);
    }
    void SelectionnerPageGenerale() override { selection = {onglets.front()}; }
    QList<TObjetEdite*> ObjetsOnglets() const override { return onglets; }
    QList<TObjetEdite*> ObjetsOngletsSel() const override { return selection; }
    void SelectionnerObjets(const QList<TObjetEdite*>& objets) override
    {
        selection.clear();
        for (TObjetEdite* o : onglets)
            if (objets.contains(o))
                selection.append(o);
    }
    void RendreVisiblePremierOnglet() override {}
    void RepeindreOnglets() override { ++repeints; }
    void AfficherDonnees(TDonneesAppli& DA) override { affiches.append(&DA); }
    void LireFiche(TDonneesAppli& DA) override { lus.append(&DA); }
    void AfficherVerdict(TDonneesAppli&) override {}
};

void inactivite()
{
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

// A main window's session over the fake view, with the scripted desktop and
// a folder for the documents.
struct Session : ::testing::Test {
    FakePlatformServices services;
    QTemporaryDir dossier;
    VueFactice vue;
    TDocumentSession session{vue};
    TDoUndo* DU = nullptr;
    bool ok = false;
    bool modif = false;

    Session()
    {
        vue.session = &session;
        vue.InitOnglets();
        vue.memo.BRDataControl = &session.DC();
    }

    // A document file with a valid calculation "nef" and an invalid one "chœur".
    QString Fichier(const QString& nom = QStringLiteral("eglise.Tolvane"))
    {
        TFichPb fp;
        fp.MemoFich = QStringLiteral("mémo du fichier");
        auto nef = std::make_unique<TCalcul>();
        nef->nomtab = QStringLiteral("nef");
        nef->DAP->Data.Sections = {SectionMaconnerie(0), SectionMaconnerie(2)};
        fp.AddCalcul(std::move(nef));
        auto choeur = std::make_unique<TCalcul>();
        choeur->nomtab = QStringLiteral("chœur");
        choeur->DAP->Data.Sections = {SectionMaconnerie(0), SectionMaconnerie(0.01)};
        fp.AddCalcul(std::move(choeur));
        const QString chemin = dossier.filePath(nom);
        EnregistrerDocument(fp, chemin);
        return chemin;
    }

    void Ouvrir(const QString& chemin) { session.DFLire(chemin, 0, DU, ok, modif); }

    // The user changes the memo and the focus moves.
    void SaisirMemo(const QString& texte)
    {
        vue.selection = {&session.ObjetPG()};
        session.DC().Afficher();
        inactivite();
        vue.memoContenu = texte;
        session.DC().VerifierChangements();
        inactivite();
    }
};

} // namespace

TEST_F(Session, OpensADocumentWithATabPerCalculationAllComputedAndAnEmptyHistory)
{
    const QString chemin = Fichier();
    Ouvrir(chemin);
    ASSERT_TRUE(ok);
    ASSERT_NE(session.Document(), nullptr);
    EXPECT_EQ(DU, &session.Document()->DU);
    EXPECT_EQ(vue.titre, QStringLiteral("Tolvane : ") + chemin);
    ASSERT_EQ(vue.onglets.size(), 3);
    EXPECT_EQ(vue.selection, QList<TObjetEdite*>{&session.ObjetPG()});
    EXPECT_EQ(vue.page, Page::Generale);
    EXPECT_EQ(session.Document()->Calculs().size(), 2);

    // Every calculation computed without validation: the invalid one says why.
    const TCalcul* nef = session.Document()->TabToCalcul(QStringLiteral("nef"));
    ASSERT_NE(nef, nullptr);
    EXPECT_FALSE(nef->DAP->Data.Sections[0].se_maxExc.mx_combi.isEmpty());
    EXPECT_EQ(services.messages.size(), 1u);

    EXPECT_TRUE(session.DC().aDefaire().isEmpty());
    EXPECT_FALSE(DU->Modified());
    TVueSession::EtatCommandes attendu;
    attendu.enregistrerSous = attendu.fermer = attendu.calcul = attendu.onglets = attendu.proprietes = true;
    EXPECT_EQ(vue.commandes, attendu);

    inactivite();
    EXPECT_EQ(vue.memoContenu, QStringLiteral("mémo du fichier"));
}

TEST_F(Session, AnUnreadableFileOpensNothingAndSaysWhy)
{
    Ouvrir(dossier.filePath(QStringLiteral("absent.Tolvane")));
    EXPECT_FALSE(ok);
    EXPECT_EQ(DU, nullptr);
    EXPECT_EQ(session.Document(), nullptr);
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_TRUE(services.messages[0].contains(QStringLiteral("absent.Tolvane")));
    EXPECT_EQ(vue.titre, QStringLiteral("Tolvane : (rien en cours)"));
    EXPECT_EQ(vue.commandes, TVueSession::EtatCommandes{});
}

TEST_F(Session, EditsOfTheMemoAreRecordedUndoneAndMarkTheDocumentModified)
{
    session.DFNouveau({}, dossier.filePath(QStringLiteral("NC01.Tolvane")), DU, ok);
    ASSERT_TRUE(ok);
    EXPECT_FALSE(DU->Modified()) << "a new document nobody touched";
    EXPECT_EQ(vue.page, Page::Generale);
    EXPECT_TRUE(vue.focusMemo);

    SaisirMemo(QStringLiteral("relevé du 12 mars"));
    EXPECT_EQ(session.Document()->MemoFich, QStringLiteral("relevé du 12 mars"));
    EXPECT_TRUE(DU->Modified());
    EXPECT_TRUE(vue.commandes.enregistrer);
    EXPECT_TRUE(vue.commandes.defaire);

    session.DC().Undo();
    inactivite();
    EXPECT_TRUE(session.Document()->MemoFich.isEmpty());
    EXPECT_FALSE(DU->Modified());
    EXPECT_TRUE(vue.commandes.refaire);
}

TEST_F(Session, ReplacingOrDiscardingTheDocumentEmptiesTheHistoryFirstAndFreesEverything)
{
    Ouvrir(Fichier());
    const TNumeroSerie nef = session.Document()->Calculs()[0]->NumeroSerie();
    SaisirMemo(QStringLiteral("changé"));
    ASSERT_FALSE(session.DC().aDefaire().isEmpty());

    // Another document replaces this one: nothing of it stays.
    Ouvrir(Fichier(QStringLiteral("autre.Tolvane")));
    ASSERT_TRUE(ok);
    EXPECT_TRUE(session.DC().aDefaire().isEmpty());
    EXPECT_EQ(TObjetEdite::ParNumero(nef), nullptr);
    EXPECT_EQ(vue.onglets.size(), 3);
    EXPECT_TRUE(session.Document()->CalculsMisDeCote().isEmpty());

    SaisirMemo(QStringLiteral("encore"));
    const TNumeroSerie premier = session.Document()->Calculs()[0]->NumeroSerie();
    session.DFInit();
    EXPECT_EQ(session.Document(), nullptr);
    EXPECT_TRUE(session.DC().aDefaire().isEmpty());
    EXPECT_TRUE(session.DC().aRefaire().isEmpty());
    EXPECT_EQ(TObjetEdite::ParNumero(premier), nullptr);
    EXPECT_EQ(vue.onglets, QList<TObjetEdite*>{&session.ObjetPG()});
    EXPECT_TRUE(vue.memoContenu.isEmpty());
    EXPECT_EQ(vue.page, Page::Aucune);
    EXPECT_EQ(vue.commandes, TVueSession::EtatCommandes{});
}

TEST_F(Session, ShowsAndReadsBackCalculationsThroughTheView)
{
    Ouvrir(Fichier());
    TCalcul* nef = session.Document()->Calculs()[0];
    TCalcul* choeur = session.Document()->Calculs()[1];
    vue.selection = {nef, choeur};
    session.SelectionOngletsChangee();
    EXPECT_EQ(vue.page, Page::Calcul);
    EXPECT_EQ(session.Document()->CalculsSel(), (QList<TCalcul*>{nef, choeur}));
    inactivite();
    EXPECT_EQ(vue.affiches, (QList<TDonneesAppli*>{nef->DAP.get(), choeur->DAP.get()}));

    session.DCLireFiche(nef);
    EXPECT_EQ(vue.lus, QList<TDonneesAppli*>{nef->DAP.get()});

    // The selected calculations with validation: the invalid one is marked.
    services.messages.clear();
    const int repeints = vue.repeints;
    session.CalculerSelection();
    EXPECT_EQ(choeur->EtatCalcul(), -1);
    EXPECT_EQ(services.messages.size(), 1u);
    EXPECT_GT(vue.repeints, repeints) << "the tab bar shows the new result code";
}

TEST_F(Session, ATabChangeIsPartOfTheModifiedState)
{
    Ouvrir(Fichier());
    ASSERT_FALSE(DU->Modified());
    session.Document()->Calculs()[0]->nomtab = QStringLiteral("nef sud");
    session.OngletsChanges();
    EXPECT_TRUE(DU->Modified());

    // A tab deleted: its calculation is set aside, no longer saved.
    TCalcul* choeur = session.Document()->Calculs()[1];
    vue.onglets.removeAll(choeur);
    session.OngletsChanges();
    EXPECT_EQ(session.Document()->CalculsMisDeCote(), QList<TCalcul*>{choeur});
    EXPECT_EQ(session.Document()->Calculs().size(), 1);
}

TEST_F(Session, WritingEmptiesTheHistoryAndAFailureSaysWhy)
{
    Ouvrir(Fichier());
    SaisirMemo(QStringLiteral("à enregistrer"));
    ASSERT_FALSE(session.DC().aDefaire().isEmpty());

    session.DFEcrire(dossier.filePath(QStringLiteral("absent/copie.Tolvane")), 2, DU, ok, modif);
    EXPECT_FALSE(ok);
    ASSERT_EQ(services.messages.size(), 2u); // the invalid calculation at opening, then the write
    EXPECT_FALSE(session.DC().aDefaire().isEmpty()) << "nothing was saved: the edits stay undoable";
    EXPECT_TRUE(DU->Modified());

    const QString copie = dossier.filePath(QStringLiteral("copie.Tolvane"));
    session.DFEcrire(copie, 2, DU, ok, modif);
    EXPECT_TRUE(ok);
    EXPECT_TRUE(session.DC().aDefaire().isEmpty());
    EXPECT_EQ(session.Document()->pathF, copie);
    EXPECT_EQ(vue.titre, QStringLiteral("Tolvane : ") + copie);
    EXPECT_EQ(LireDocument(copie)->MemoFich, QStringLiteral("à enregistrer"));
}

TEST_F(Session, TheAutomaticSaveKeepsTheHistoryAndAFailedSaveNamesTheDocument)
{
    Ouvrir(Fichier());
    SaisirMemo(QStringLiteral("en cours"));
    ASSERT_FALSE(session.DC().aDefaire().isEmpty());
    const QString cote = session.Document()->pathF + QStringLiteral(".SVG");
    session.DFEcrire(cote, TDocumentSession::kModeSauvegardeAuto, DU, ok, modif);
    EXPECT_TRUE(ok);
    EXPECT_FALSE(session.DC().aDefaire().isEmpty()) << "the side file costs the user no undo";
    EXPECT_EQ(LireDocument(cote)->MemoFich, QStringLiteral("en cours"));

    // A save writes to a temporary file beside the document; the user is told
    // about the document itself.
    services.messages.clear();
    const QString temporaire = dossier.filePath(QStringLiteral("absent/.temporaire"));
    session.DFEcrire(temporaire, TDocumentSession::kModeEnregistrer, DU, ok, modif);
    EXPECT_FALSE(ok);
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_TRUE(services.messages.front().contains(session.Document()->pathF)) << services.messages.front().toStdString();
    EXPECT_FALSE(services.messages.front().contains(temporaire));
}

TEST_F(Session, ConfirmedPropertiesAreOneUndoableStepSavedWithTheDocument)
{
    const QString chemin = Fichier();
    Ouvrir(chemin);
    ASSERT_TRUE(ok);
    const QStringList avant = session.Document()->FH.Strings();
    SaisirMemo(QStringLiteral("mémo changé"));
    const QStringList nouvelles{QStringLiteral("Auteur=Zoé"), QStringLiteral("comments=a") + QChar(7) + "b"};

    EXPECT_TRUE(session.ModifierProprietes(nouvelles));
    EXPECT_EQ(session.Document()->FH.Strings(), nouvelles);
    EXPECT_TRUE(DU->Modified());
    EXPECT_TRUE(vue.commandes.enregistrer);
    // The memo's step, then this one.
    const QStringList etapes = session.DC().TexteListeUR(kSensDefaire).split(QStringLiteral("\r\n"));
    ASSERT_EQ(etapes.size(), 2);
    EXPECT_EQ(etapes.front(), TDocumentSession::kLibelleProprietes);
    // The same properties again are no step at all.
    EXPECT_FALSE(session.ModifierProprietes(nouvelles));
    EXPECT_EQ(session.DC().TexteListeUR(kSensDefaire).split(QStringLiteral("\r\n")).size(), 2);

    session.DC().Undo();
    inactivite();
    EXPECT_EQ(session.Document()->FH.Strings(), avant);
    EXPECT_EQ(session.Document()->MemoFich, QStringLiteral("mémo changé")) << "only the last step is undone";
    EXPECT_TRUE(vue.commandes.refaire);
    session.DC().Redo();
    inactivite();
    EXPECT_EQ(session.Document()->FH.Strings(), nouvelles);

    session.DFEcrire(chemin, TDocumentSession::kModeEnregistrerSous, DU, ok, modif);
    ASSERT_TRUE(ok);
    EXPECT_FALSE(DU->Modified());
    Ouvrir(chemin);
    ASSERT_TRUE(ok);
    EXPECT_EQ(session.Document()->FH.Strings(), nouvelles);
    EXPECT_EQ(session.Document()->FH.GetValeur(QStringLiteral("comments")), QStringLiteral("a\r\nb"));
    EXPECT_FALSE(DU->Modified());
}

TEST_F(Session, UndoingThePropertiesBackToTheSavedOnesLeavesTheDocumentUnmodified)
{
    Ouvrir(Fichier());
    ASSERT_FALSE(DU->Modified());
    ASSERT_TRUE(session.ModifierProprietes({QStringLiteral("comments=")}));
    EXPECT_TRUE(vue.commandes.enregistrer);
    session.DC().Undo();
    inactivite();
    EXPECT_FALSE(DU->Modified());
    EXPECT_FALSE(vue.commandes.enregistrer);
}

TEST_F(Session, WithoutDocumentThePropertiesChangeNothing)
{
    EXPECT_FALSE(session.ModifierProprietes({QStringLiteral("comments=")}));
    EXPECT_TRUE(session.DC().aDefaire().isEmpty());
    EXPECT_FALSE(vue.commandes.proprietes);
    session.DFNouveau({}, dossier.filePath(QStringLiteral("NC01.Tolvane")), DU, ok);
    EXPECT_TRUE(vue.commandes.proprietes);
}

TEST_F(Session, ARecoveredVersionIsReadFromItsSideFileAndKeepsTheDocumentsPath)
{
    const QString chemin = Fichier();
    Ouvrir(chemin);
    SaisirMemo(QStringLiteral("avant l'arrêt"));
    const QString cote = chemin + QStringLiteral(".SVG");
    session.DFEcrire(cote, TDocumentSession::kModeSauvegardeAuto, DU, ok, modif);
    ASSERT_TRUE(ok);
    session.DFInit();

    session.DFLire(chemin, 0, DU, ok, modif, cote);
    ASSERT_TRUE(ok);
    EXPECT_EQ(session.Document()->MemoFich, QStringLiteral("avant l'arrêt"));
    EXPECT_EQ(session.Document()->pathF, chemin);
    EXPECT_EQ(vue.titre, QStringLiteral("Tolvane : ") + chemin);
    EXPECT_EQ(vue.onglets.size(), 3);

    // A side file that cannot be read opens nothing, and says which file failed.
    const QString abime = chemin + QStringLiteral(".abime.SVG");
    QFile fichier(abime);
    ASSERT_TRUE(fichier.open(QIODevice::WriteOnly));
    fichier.write("TFi");
    fichier.close();
    services.messages.clear();
    session.DFLire(chemin, 0, DU, ok, modif, abime);
    EXPECT_FALSE(ok);
    EXPECT_FALSE(session.DocumentOuvert());
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_TRUE(services.messages.front().contains(abime)) << services.messages.front().toStdString();
}
