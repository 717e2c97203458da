// A shorter exploration through the real main window: cells typed with the
// keyboard (confirmed or not), tab clicks, menu and toolbar commands,
// properties, Ctrl+S, close and reopen. After each save the file holds the
// document shown; undoing what was done since gives back the saved document
// and redoing it the state before; reopening gives back the file.

#include "support/FakePlatformServices.h"
#include "support/gui/ChurchWindow.h"
#include "support/TextDifference.h"
#include "documents/Calcul.h"
#include "documents/FichPb.h"
#include "editing/DataControl.h"
#include "editing/gui/DcMemo.h"
#include "frame/gui/FTolvane.h"
#include "frame/gui/HostedButtressFrame.h"
#include "shell/DocumentSession.h"
#include "shell/gui/DcTabControl.h"
#include "shell/gui/FBaseM2.h"

#include <QApplication>
#include <QLineEdit>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>
#include <random>

namespace {

struct ExplorationFenetre : FenetreEglise {
    std::mt19937 aleas;
    QString texteEnregistre;
    int numero = 0;

    int Tirer(int n) { return int(aleas() % unsigned(n)); }
    std::string Ou() const { return "step " + std::to_string(numero) + ": "; }
    TFichPb& document() const { return const_cast<TFichPb&>(*fenetre->Session().Document()); }
    TFTolvane* cadre() const { return fenetre->findChild<TFTolvane*>(); }

    QString Texte() const
    {
        const std::uint32_t propre = document().pbCRCdsk;
        const QString texte = document().SaveToString();
        document().pbCRCdsk = propre;
        return texte;
    }

    void Demarrer()
    {
        FenetreEglise::Demarrer({chemin}, FabriqueCadreContrefort());
        texteEnregistre = Texte();
    }

    void CliquerOnglet(int ix, Qt::KeyboardModifiers modificateurs = {})
    {
        TdcTabControl* onglets = fenetre->TC();
        QTest::mouseClick(onglets, Qt::LeftButton, modificateurs,
                          QPoint(onglets->GaucheOnglet(ix) + 10, onglets->height() / 2));
        inactivite();
    }

    void TaperCellule(bool confirmer)
    {
        QTableView* vle = cadre()->VLE;
        if (!vle->isVisible() || vle->model()->rowCount() == 0)
            return CliquerOnglet(1 + Tirer(int(document().Calculs().size())));
        const QModelIndex cellule = vle->model()->index(Tirer(vle->model()->rowCount()), 1);
        if (!(vle->model()->flags(cellule) & Qt::ItemIsEditable))
            return;
        vle->setFocus();
        vle->setCurrentIndex(cellule);
        vle->edit(cellule);
        inactivite();
        auto* editeur = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        if (!editeur)
            return;
        editeur->selectAll();
        static const char* valeurs[] = {"85", "0.805", "-1500.5", "35", "2.25", "abc", "note"};
        QTest::keyClicks(editeur, QString::fromLatin1(valeurs[Tirer(7)]));
        if (confirmer)
            QTest::keyClick(editeur, Qt::Key_Return);
        inactivite();
    }

    void Pas()
    {
        const int n = int(document().Calculs().size());
        switch (Tirer(11)) {
        case 0:
        case 1: TaperCellule(true); break;
        case 2: TaperCellule(false); break;
        case 3: CliquerOnglet(Tirer(n + 1), Tirer(4) == 0 ? Qt::ControlModifier : Qt::NoModifier); break;
        case 4:
            if (fenetre->MemoFich()->isVisible()) {
                // At the end: the file format keeps no blank at the memo's ends.
                fenetre->MemoFich()->setFocus();
                QTest::keyClick(fenetre->MemoFich(), Qt::Key_End, Qt::ControlModifier);
                QTest::keyClicks(fenetre->MemoFich(), QStringLiteral(" note"));
            }
            break;
        case 5:
            fenetre->AcEditUndo->trigger();
            inactivite();
            break;
        case 6:
            fenetre->AcEditRedo->trigger();
            inactivite();
            break;
        case 7: {
            fenetre->TC()->PreparerMenu();
            const TCommandeOnglet commande = std::array{TCommandeOnglet::DupliquerEnFin, TCommandeOnglet::Ajouter,
                                                        TCommandeOnglet::Supprimer, TCommandeOnglet::Renommer}[Tirer(4)];
            plateforme.inputs.assign(2, QStringLiteral("onglet %1").arg(numero));
            plateforme.answers.assign(2, PlatformServices::Answer::Yes);
            if (QAction* action = fenetre->TC()->ActionMenu(commande); action && action->isEnabled())
                action->trigger();
            inactivite();
            plateforme.inputs.clear();
            plateforme.answers.clear();
            break;
        }
        case 8:
            if (cadre()->VLE->isVisible())
                cadre()->ActionSection(CommandeSection(Tirer(4)))->trigger();
            inactivite();
            break;
        case 9:
            fenetre->Session().ModifierProprietes({QStringLiteral("Affaire=essai %1").arg(numero)});
            inactivite();
            break;
        case 10: Enregistrer(); break;
        }
    }

    void Enregistrer()
    {
        if (QApplication::focusWidget())
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::ControlModifier);
        else
            fenetre->AcFichEnr->trigger();
        inactivite();
        if (fenetre->Session().DC().UndoPossible())
            return; // nothing to save (the command was grey): the history stays
        texteEnregistre = Texte();
        TFichPb relu;
        bool ok = false;
        bool modif = false;
        relu.Lire(chemin, ok, modif);
        ASSERT_TRUE(ok) << Ou();
        const QString fichier = relu.SaveToString();
        ASSERT_TRUE(fichier == texteEnregistre) << Ou() << "the file holds the document shown\n"
                                                << PremiereDifference(fichier, texteEnregistre) << plateforme.messages.size();
    }

    void VerifierHistorique()
    {
        TDataControl& dc = fenetre->Session().DC();
        dc.EnregistrerChangements();
        inactivite();
        const QString avant = Texte();
        int defaits = 0;
        for (; fenetre->AcEditUndo->isEnabled(); ++defaits) {
            fenetre->AcEditUndo->trigger();
            inactivite();
        }
        ASSERT_TRUE(Texte() == texteEnregistre) << Ou() << "undoing everything gives back the saved document";
        for (int i = 0; i < defaits; ++i) {
            fenetre->AcEditRedo->trigger();
            inactivite();
        }
        ASSERT_TRUE(Texte() == avant) << Ou() << "redoing what was undone gives back the state before";
    }
};

} // namespace

TEST_F(ExplorationFenetre, RandomGesturesKeepUndoSaveAndReopenTrue)
{
    for (unsigned graine : {7u, 8u}) {
        SCOPED_TRACE("graine " + std::to_string(graine));
        aleas.seed(graine);
        Demarrer();
        for (numero = 0; numero < 80; ++numero) {
            Pas();
            if (HasFatalFailure())
                return;
            if (numero % 20 == 19) {
                VerifierHistorique();
                if (HasFatalFailure())
                    return;
            }
        }
        // Close (saving), reopen: the same document.
        Enregistrer();
        plateforme.answers.push_back(PlatformServices::Answer::No);
        ASSERT_TRUE(fenetre->close());
        fenetre.reset();
        const QString enregistre = texteEnregistre;
        Demarrer();
        ASSERT_TRUE(texteEnregistre == enregistre) << "the document reopened is the document saved";
        fenetre.reset();
    }
}
