// Explores the editing stack as a user does: random sequences of real
// commands (cells typed with or without confirming them, section commands,
// tab commands, memo edits, calculation, undo and redo of one or several
// steps, save and reopen) on the buttress frame, the tab bar and the document
// session, with invariants checked as it goes:
// - undoing everything gives back the document as last opened or saved;
// - redoing what was undone gives back the document as it was before;
// - a document saved then reopened is the same document;
// - the verdict shown is that of a fresh calculation of the data shown.
//
// TOLVANE_EXPLORATION_PAS sets the number of steps per seed and
// TOLVANE_EXPLORATION_GRAINE a single seed to replay (scripts/explore.sh).

#include "FrameWindow.h"
#include "support/TextDifference.h"

#include "editing/DataControl.h"
#include "model/ButtressText.h"
#include "model/Calculation.h"
#include "model/SheetRows.h"

#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTableView>
#include <gtest/gtest.h>
#include <random>

namespace {

int Parametre(const char* nom, int defaut)
{
    bool ok = false;
    const int valeur = qEnvironmentVariableIntValue(nom, &ok);
    return ok && valeur > 0 ? valeur : defaut;
}

class Exploration {
public:
    explicit Exploration(unsigned graine) : FAleas(graine)
    {
        FChemin = FDossier.filePath(QStringLiteral("exploration.Tolvane"));
        QFile::remove(FChemin);
        EXPECT_TRUE(QFile::copy(FenetreCadre::exemple("eglise-contreforts.Tolvane"), FChemin));
        QFile::setPermissions(FChemin, QFile::ReadOwner | QFile::WriteOwner);
        Ouvrir();
    }

    void Pas(int numero)
    {
        FNumero = numero;
        const int action = Tirer(14);
        Noter(QString::number(action));
        switch (action) {
        case 0:
        case 1:
        case 2: TaperCellule(true); break;
        case 3: TaperCellule(false); break;
        case 4: CommandeSection(); break;
        case 5: CommandeOnglet(); break;
        case 6: SelectionnerOnglets(); break;
        case 7: TaperMemo(); break;
        case 8: Defaire(); break;
        case 9: Refaire(); break;
        case 10: VoirResultats(); break;
        case 11: FF.session.Calculer(); FF.inactivite(); break;
        case 12: if (Tirer(4) == 0) Enregistrer(); break;
        case 13: if (Tirer(6) == 0) Rouvrir(); else VerifierHistorique(); break;
        }
    }

    // Every state of the history: undo all, compare, redo all, compare.
    void VerifierHistorique()
    {
        TDataControl& dc = FF.session.DC();
        dc.EnregistrerChangements();
        FF.inactivite();
        const QString avant = Texte();
        int defaits = 0;
        while (dc.UndoPossible()) {
            dc.Undo();
            FF.inactivite();
            ++defaits;
        }
        ASSERT_TRUE(Texte() == FTexteEnregistre)
            << Ou() << "undoing everything gives back the saved document\n" << PremiereDifference(Texte(), FTexteEnregistre);
        for (int i = 0; i < defaits; ++i) {
            ASSERT_TRUE(dc.RedoPossible()) << Ou();
            dc.Redo();
            FF.inactivite();
        }
        if (Texte() != avant && qEnvironmentVariableIsSet("TOLVANE_EXPLORATION_TRACE")) {
            QFile a(QStringLiteral("/tmp/exploration-obtenu.txt")), b(QStringLiteral("/tmp/exploration-attendu.txt"));
            a.open(QIODevice::WriteOnly); a.write(Texte().toUtf8());
            b.open(QIODevice::WriteOnly); b.write(avant.toUtf8());
        }
        ASSERT_TRUE(Texte() == avant) << Ou() << "last step: " << dc.TexteListeUR(11).section(QStringLiteral("\r\n"), 0, 0).toStdString() << "\n"  << "redoing what was undone gives back the state before\n"
                                      << PremiereDifference(Texte(), avant);
    }

private:
    FenetreCadre FF;
    QTemporaryDir FDossier;
    QString FChemin;
    std::mt19937 FAleas;
    QString FTexteEnregistre;
    int FNumero = 0;

    std::string Ou() const { return "step " + std::to_string(FNumero) + " (" + FJournal.join(QStringLiteral(", ")).toStdString() + "): "; }
    void Noter(const QString& action)
    {
        FJournal << QStringLiteral("%1 %2").arg(FNumero).arg(action);
        if (FJournal.size() > 12)
            FJournal.removeFirst();
    }
    QStringList FJournal;
    int Tirer(int n) { return int(FAleas() % unsigned(n)); }

    // The document's text as a save would write it, without marking it saved.
    QString Texte() const
    {
        auto& document = const_cast<TFichPb&>(FF.document());
        const std::uint32_t propre = document.pbCRCdsk;
        const QString texte = document.SaveToString();
        document.pbCRCdsk = propre;
        return texte;
    }

    void Ouvrir()
    {
        TDoUndo* DU = nullptr;
        bool ok = false;
        bool modif = false;
        FF.session.DFLire(FChemin, 0, DU, ok, modif);
        ASSERT_TRUE(ok);
        FF.fenetre->show();
        FF.inactivite();
        FTexteEnregistre = Texte();
    }

    QList<TCalcul*> Calculs() const { return FF.document().Calculs(); }

    void SelectionnerOnglets()
    {
        const QList<TCalcul*> calculs = Calculs();
        if (calculs.isEmpty() || Tirer(5) == 0) {
            FF.session.DC().EnregistrerChangements();
            FF.vue.SelectionnerObjets({&FF.session.ObjetPG()});
            FF.session.SelectionOngletsChangee();
            FF.inactivite();
            return;
        }
        QList<TObjetEdite*> objets{calculs[Tirer(int(calculs.size()))]};
        if (calculs.size() > 1 && Tirer(3) == 0)
            objets << calculs[Tirer(int(calculs.size()))];
        FF.session.DC().EnregistrerChangements();
        FF.vue.SelectionnerObjets(objets);
        FF.session.SelectionOngletsChangee();
        FF.inactivite();
    }

    void TaperCellule(bool confirmer)
    {
        if (FF.vue.page != TVueSession::Page::Calcul || FF.cadre->PageActive() != PageCadre::Donnees)
            return SelectionnerOnglets();
        QTableView* vle = FF.cadre->VLE;
        const int lignes = vle->model()->rowCount();
        if (lignes == 0)
            return;
        const int ligne = Tirer(lignes);
        static const QStringList valeurs = {QStringLiteral("85"),   QStringLiteral("0.805"), QStringLiteral("-1500.5"),
                                            QStringLiteral("35"),   QStringLiteral("2.25"),  QStringLiteral("abc"),
                                            QStringLiteral("1e2"),  QStringLiteral(""),      QStringLiteral("note")};
        const QString valeur = valeurs[Tirer(int(valeurs.size()))];
        const QModelIndex cellule = vle->model()->index(ligne, 1);
        if (!(vle->model()->flags(cellule) & Qt::ItemIsEditable))
            return;
        vle->setCurrentIndex(cellule);
        vle->edit(cellule);
        FF.inactivite();
        auto* editeur = vle->findChild<QLineEdit*>();
        if (!editeur)
            return;
        editeur->setText(valeur);
        if (confirmer) {
            QTest::keyClick(editeur, Qt::Key_Return);
            FF.inactivite();
        }
    }

    void TaperMemo()
    {
        if (FF.vue.page != TVueSession::Page::Generale)
            return SelectionnerOnglets();
        auto* memo = static_cast<QPlainTextEdit*>(FF.vue.memo);
        memo->moveCursor(QTextCursor::End);
        memo->insertPlainText(Tirer(2) ? QStringLiteral(" relevé") : QStringLiteral("\nligne"));
        if (Tirer(2))
            FF.session.DC().VerifierChangements();
    }

    void CommandeSection()
    {
        if (FF.vue.page != TVueSession::Page::Calcul || FF.cadre->PageActive() != PageCadre::Donnees)
            return;
        FF.plateforme.messages.clear();
        const int commande = Tirer(4);
        Noter(QStringLiteral("section %1").arg(commande));
        FF.cadre->ExecuterCommandeSection(::CommandeSection(commande));
        FF.inactivite();
    }

    void CommandeOnglet()
    {
        static const TCommandeOnglet commandes[] = {
            TCommandeOnglet::Couper,         TCommandeOnglet::Copier,  TCommandeOnglet::CollerAvant,
            TCommandeOnglet::CollerEnFin,    TCommandeOnglet::DupliquerEnFin, TCommandeOnglet::Supprimer,
            TCommandeOnglet::Ajouter,        TCommandeOnglet::Inserer, TCommandeOnglet::Renommer,
        };
        const TCommandeOnglet commande = commandes[Tirer(int(std::size(commandes)))];
        Noter(QStringLiteral("onglet %1 sur %2 onglet(s)").arg(int(commande)).arg(FF.session.DC().NbObjets()));
        FF.plateforme.inputs.assign(3, QStringLiteral("onglet %1").arg(FNumero));
        FF.plateforme.answers.assign(3, PlatformServices::Answer::Yes);
        FF.liaison->AvantMenu();
        FF.liaison->ExecuterCommande(commande);
        FF.inactivite();
        FF.plateforme.inputs.clear();
        FF.plateforme.answers.clear();
    }

    void Defaire()
    {
        const int n = 1 + Tirer(3);
        for (int i = 0; i < n && FF.session.DC().UndoPossible(); ++i) {
            FF.session.DC().Undo();
            FF.inactivite();
        }
    }

    void Refaire()
    {
        const int n = 1 + Tirer(3);
        for (int i = 0; i < n && FF.session.DC().RedoPossible(); ++i) {
            FF.session.DC().Redo();
            FF.inactivite();
        }
    }

    // The results page shows the verdict of the data on screen.
    void VoirResultats()
    {
        if (FF.vue.page != TVueSession::Page::Calcul || FF.session.DC().NbObjets() != 1)
            return;
        FF.cadre->PCPages->setCurrentIndex(int(PageCadre::Resultats));
        FF.inactivite();
        TDonneesAppli* DA = FF.cadre->ModeleCourant();
        ASSERT_NE(DA, nullptr) << Ou();
        ASSERT_EQ(FF.document().CalculsSel().size(), 1) << Ou();
        ASSERT_EQ(FF.document().CalculsSel()[0]->DAP.get(), DA) << Ou() << "the calculation computed is the one shown";
        TDonneesAppli frais;
        frais.Data = DA->Data;
        const bool calcule = frais.Calculer().Calcule();
        if (calcule && DA->ResultatCalcul() != -1) {
            EXPECT_EQ(FF.cadre->PnStatutCalcul->text(), TexteStatutCalcul(frais.Data.StatutGlobal)) << Ou();
        }
        FF.cadre->PCPages->setCurrentIndex(int(PageCadre::Donnees));
        FF.inactivite();
    }

    void Enregistrer()
    {
        FF.session.DC().EnregistrerChangements();
        TDoUndo* DU = nullptr;
        bool ok = false;
        bool modif = false;
        FF.session.DFEcrire(FChemin, TDocumentSession::kModeEnregistrerSous, DU, ok, modif);
        ASSERT_TRUE(ok) << Ou();
        FTexteEnregistre = Texte();
        EXPECT_FALSE(FF.session.DC().UndoPossible()) << Ou() << "saving empties the history";
    }

    void Rouvrir()
    {
        Enregistrer();
        const QString enregistre = FTexteEnregistre;
        FF.session.DFInit();
        Ouvrir();
        ASSERT_TRUE(FTexteEnregistre == enregistre)
            << Ou() << "the document reopened is the document saved\n" << PremiereDifference(FTexteEnregistre, enregistre);
    }
};

} // namespace

TEST(ExplorationEdition, RandomCommandsKeepUndoSaveAndResultsTrue)
{
    const int pas = Parametre("TOLVANE_EXPLORATION_PAS", 250);
    const int graineSeule = Parametre("TOLVANE_EXPLORATION_GRAINE", 0);
    const std::vector<unsigned> graines
        = graineSeule ? std::vector<unsigned>{unsigned(graineSeule)} : std::vector<unsigned>{1, 2, 3, 4};
    for (unsigned graine : graines) {
        SCOPED_TRACE("graine " + std::to_string(graine));
        Exploration exploration(graine);
        for (int i = 0; i < pas; ++i) {
            exploration.Pas(i);
            if (::testing::Test::HasFatalFailure())
                return;
            if (i % 25 == 24) {
                exploration.VerifierHistorique();
                if (::testing::Test::HasFatalFailure())
                    return;
            }
        }
        exploration.VerifierHistorique();
    }
}
