#include "QStringPrint.h"
#include "documents/Calcul.h"
#include "documents/FichPb.h"
#include "editing/DataControl.h"
#include "editing/DcBaseRelais.h"
#include "editing/UndoRecords.h"
#include "model/DonneesAppli.h"
#include "shell/CalculationTabs.h"
#include "shell/CalculationTabsGlue.h"
#include "shell/TabBandMemory.h"
#include "shell/DocumentSession.h"
#include "shell/TabRecords.h"
#include "support/FakePlatformServices.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using Page = TVueSession::Page;

void inactivite()
{
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

// The main window's view without widgets: its tab part is the calculation
// tabs; the memo and the buttress sheet are one text each, behind a relay.
struct VueOnglets : TVueSessionOnglets {
    struct Controle {
        TdcBaseRelais relais;
        QString contenu, affiche;
        bool multi = false;
        Controle()
        {
            relais.BROnAfficherCdS = [this](bool m, const QString& v, bool) {
                multi = m;
                contenu = affiche = v;
            };
            relais.BROnLireCdS = [this](QString& v) { v = contenu; };
            relais.BROnLireEtatCdS = [this](bool& change) { change = contenu != affiche; };
        }
    };
    Controle memo;
    Controle repere; // the sheet: each calculation's reference
    Page page = Page::Aucune;
    EtatCommandes commandes;

    void AfficherTitre(const QString&) override {}
    void AfficherPage(Page p) override { page = p; }
    void AppliquerCommandes(const EtatCommandes& etat) override { commandes = etat; }
    TdcBaseRelais& RelaisMemo() override { return memo.relais; }
    void ViderMemo() override { memo.contenu.clear(); }
    void DonnerFocusMemo() override {}
    void RetirerFocus() override {}
    void AfficherDonnees(TDonneesAppli& DA) override { repere.relais.AfficherValeur(DA.Repere); }
    void LireFiche(TDonneesAppli& DA) override { repere.relais.LireValeur(DA.Repere); }
    void AfficherVerdict(TDonneesAppli&) override {}
};

// A new document of a session with tabs PG, a, b, c, each calculation with
// data of its own, on a headless strip bound as the main window binds its
// bar; saved, so clean and with an empty history.
struct BancOnglets {
    FakePlatformServices plateforme;
    QTemporaryDir dossier;
    VueOnglets vue;
    TDocumentSession session{vue};
    TBandeOngletsMemoire bande;
    TOngletsCalculs onglets{bande};
    TLiaisonOnglets liaison{onglets, session};
    TDataControl& dc = session.DC();
    const QString chemin = dossier.filePath(QStringLiteral("onglets.Tolvane"));

    BancOnglets()
    {
        vue.setOnglets(&onglets);
        vue.memo.relais.BRDataControl = &dc;
        vue.repere.relais.BRDataControl = &dc;
        bande.OnChange = [this] { liaison.OngletsChanges(); };
        bande.OnChangeSel = [this] { liaison.SelectionChangee(); };
        bande.CanChangeSel = [](int, const QString& marques) { return TOngletsCalculs::CanChangeSel(marques); };
        bande.OnSelectTab = [this](int ix, bool& possible) { liaison.AvantSelection(ix, possible); };
        TDoUndo* DU = nullptr;
        bool ok = false;
        session.DFNouveau(QString(), chemin, DU, ok);
        EXPECT_TRUE(ok);
        for (const char* nom : {"a", "b", "c"}) {
            plateforme.inputs.push_back(QString::fromLatin1(nom));
            TCalcul* c = calcul(onglets.Ajouter(true));
            c->DAP->Repere = QStringLiteral("repère ") + QString::fromLatin1(nom);
            c->DAP->Data.Comment = QStringLiteral("contrefort ") + QString::fromLatin1(nom);
            c->DAP->CalCRC();
        }
        enregistrer();
        plateforme.questions.clear();
    }

    const TFichPb& document() const { return *session.Document(); }
    bool modifie() { return session.CompteurModifications()->Modified(); }
    static TCalcul* calcul(TObjTab* objet) { return dynamic_cast<TCalcul*>(objet); }
    TCalcul* calcul(const QString& nom) const { return document().TabToCalcul(nom); }

    QStringList noms() const
    {
        QStringList n;
        for (int i = 0; i < bande.TabsCount(); ++i)
            n << bande.GetTab(i);
        return n;
    }

    // A plain click on the first tab named, then Ctrl-clicks on the others.
    void selectionner(const QStringList& nomsSel)
    {
        for (int k = 0; k < nomsSel.size(); ++k)
            bande.Cliquer(static_cast<int>(noms().indexOf(nomsSel.at(k))), k > 0);
        inactivite();
    }

    // The calculations a save would write, in order.
    QStringList ordre() const
    {
        QStringList n;
        for (const TCalcul* c : document().Calculs())
            n << c->nomtab;
        return n;
    }

    // Saves the document (which empties the history) and answers the names
    // of the calculations read back from the file, in order.
    QStringList enregistrer()
    {
        TDoUndo* DU = nullptr;
        bool ok = false;
        bool modif = false;
        session.DFEcrire(chemin, 0, DU, ok, modif);
        EXPECT_TRUE(ok);
        // As the document component does after a write: the document is clean.
        if (ok && DU)
            DU->SetModified(false);
        TFichPb relu;
        bool lu = false;
        relu.Lire(chemin, lu, modif);
        EXPECT_TRUE(lu) << relu.DerniereErreur.toStdString();
        QStringList n;
        for (const TCalcul* c : relu.Calculs())
            n << c->nomtab;
        return n;
    }

    void defaire() { dc.Undo(); }
    void refaire() { dc.Redo(); }
};

const QStringList kPGabc{QStringLiteral("PG"), QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")};

} // namespace

TEST(CalculationTabs, TabZeroCarriesTheGeneralPageAndTheDocumentFollowsTheTabs)
{
    BancOnglets banc;
    EXPECT_EQ(banc.noms(), kPGabc);
    ASSERT_NE(banc.onglets.ObjetPG(), nullptr);
    EXPECT_EQ(banc.bande.GetObjet(0), banc.onglets.ObjetPG());
    EXPECT_EQ(banc.onglets.ObjetPG()->nomtab, QStringLiteral("PG"));
    // The document owns the calculations the tabs carry, in tab order.
    ASSERT_EQ(banc.document().Calculs().size(), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(banc.document().Calculs().at(i), banc.bande.GetObjet(i + 1));
        EXPECT_TRUE(banc.document().PossedeCalcul(banc.document().Calculs().at(i)));
    }
    EXPECT_EQ(banc.document().pbCRC, banc.document().pbCRCdsk);
    // The bar and the document write the same tab list, so the document's
    // tab checksum is the same whichever gives it.
    EXPECT_EQ(banc.bande.TCtoStr(false), banc.document().TexteListeOnglets(banc.onglets.ObjetPG()));
    EXPECT_TRUE(banc.bande.TCtoStr(false).startsWith(QStringLiteral("PG\r\na\r\nb\r\nc\t")));

    banc.selectionner({QStringLiteral("b"), QStringLiteral("c")});
    EXPECT_EQ(banc.document().CalculsSel(), (QList<TCalcul*>{banc.calcul("b"), banc.calcul("c")}));
    EXPECT_EQ(banc.vue.page, Page::Calcul);
    banc.selectionner({QStringLiteral("PG")});
    EXPECT_TRUE(banc.document().CalculsSel().isEmpty());
    EXPECT_EQ(banc.vue.page, Page::Generale);
}

TEST(CalculationTabs, CutThenPasteAfterTheSelectedTab)
{
    struct Cas {
        const char* cible;
        QStringList attendu;
    };
    const Cas cas[] = {
        {"a", kPGabc},
        {"c", {QStringLiteral("PG"), QStringLiteral("a"), QStringLiteral("c"), QStringLiteral("b")}},
        {"PG", {QStringLiteral("PG"), QStringLiteral("b"), QStringLiteral("a"), QStringLiteral("c")}},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.cible);
        BancOnglets banc;
        TCalcul* b = banc.calcul("b");
        banc.selectionner({QStringLiteral("b")});
        banc.onglets.Executer(TCommandeOnglet::Couper);
        EXPECT_EQ(banc.noms(), kPGabc); // a cut moves nothing yet
        banc.selectionner({QString::fromLatin1(c.cible)});
        banc.onglets.CollerAvant();
        EXPECT_EQ(banc.noms(), c.attendu);
        EXPECT_EQ(banc.bande.GetObjet(static_cast<int>(c.attendu.indexOf(QStringLiteral("b")))), b);
        EXPECT_FALSE(banc.onglets.TabsAColler());
    }
}

TEST(CalculationTabs, CutPasteIsUndoneAndRedone)
{
    BancOnglets banc;
    banc.selectionner({QStringLiteral("a")});
    banc.onglets.Executer(TCommandeOnglet::Couper);
    banc.selectionner({QStringLiteral("c")});
    banc.onglets.Executer(TCommandeOnglet::CollerAvant);
    const QStringList bca{QStringLiteral("PG"), QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("a")};
    ASSERT_EQ(banc.noms(), bca);
    EXPECT_TRUE(banc.modifie());
    EXPECT_EQ(RestaurerTexteUR(DecouperEnregUR(banc.dc.aDefaire()).libelle),
              QStringLiteral("Couper-coller les onglets"));
    banc.defaire();
    EXPECT_EQ(banc.noms(), kPGabc);
    EXPECT_FALSE(banc.modifie());
    banc.refaire();
    EXPECT_EQ(banc.noms(), bca);
}

TEST(CalculationTabs, DuplicateUndoRedoBringsBackTheSameCopyWithTheSourceData)
{
    BancOnglets banc;
    TCalcul* a = banc.calcul("a");
    banc.selectionner({QStringLiteral("a")});
    banc.onglets.Executer(TCommandeOnglet::DupliquerEnFin);
    const QStringList avecCopie{QStringLiteral("PG"), QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"),
                                QStringLiteral("a(2)")};
    ASSERT_EQ(banc.noms(), avecCopie);
    TCalcul* copie = BancOnglets::calcul(dynamic_cast<TObjTab*>(banc.bande.GetObjet(4)));
    ASSERT_NE(copie, nullptr);
    ASSERT_NE(copie, a);
    EXPECT_TRUE(banc.document().PossedeCalcul(copie));
    EXPECT_EQ(copie->DAP->DAToStr(), a->DAP->DAToStr());
    EXPECT_EQ(banc.ordre().back(), QStringLiteral("a(2)"));

    banc.defaire();
    EXPECT_EQ(banc.noms(), kPGabc);
    EXPECT_TRUE(banc.onglets.TabsSupprimes().contains(copie)); // set aside, not freed
    EXPECT_EQ(banc.ordre(), (QStringList{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}));

    banc.refaire();
    ASSERT_EQ(banc.noms(), avecCopie);
    EXPECT_EQ(banc.bande.GetObjet(4), copie);
    EXPECT_EQ(copie->DAP->DAToStr(), a->DAP->DAToStr());
    EXPECT_TRUE(banc.onglets.TabsSupprimes().isEmpty());
}

TEST(CalculationTabs, DeleteThenUndoRestoresTabsAtTheirPlaceWithTheirData)
{
    BancOnglets banc;
    TCalcul* b = banc.calcul("b");
    TCalcul* c = banc.calcul("c");
    const QString donneesB = b->DAP->DAToStr();
    banc.selectionner({QStringLiteral("b"), QStringLiteral("c")});
    banc.onglets.Executer(TCommandeOnglet::Supprimer);
    EXPECT_EQ(banc.noms(), (QStringList{QStringLiteral("PG"), QStringLiteral("a")}));
    EXPECT_EQ(banc.onglets.TabsSupprimes(), (QList<TObjTab*>{b, c}));
    EXPECT_EQ(banc.ordre(), QStringList{QStringLiteral("a")});

    banc.defaire();
    EXPECT_EQ(banc.noms(), kPGabc);
    EXPECT_EQ(banc.bande.GetObjet(2), b);
    EXPECT_EQ(banc.bande.GetObjet(3), c);
    EXPECT_EQ(b->DAP->DAToStr(), donneesB);
    EXPECT_TRUE(banc.onglets.TabsSupprimes().isEmpty());

    banc.refaire();
    EXPECT_EQ(banc.noms(), (QStringList{QStringLiteral("PG"), QStringLiteral("a")}));
    EXPECT_EQ(banc.dc.aRefaire(), QString());
}

TEST(CalculationTabs, DeleteOfASeparatedSelectionIsUndoneInOrder)
{
    BancOnglets banc;
    banc.selectionner({QStringLiteral("a"), QStringLiteral("c")});
    banc.onglets.Supprimer();
    EXPECT_EQ(banc.noms(), (QStringList{QStringLiteral("PG"), QStringLiteral("b")}));
    banc.defaire();
    EXPECT_EQ(banc.noms(), kPGabc);
}

TEST(CalculationTabs, RenameRefusesAnotherTabsNameInAnyLetterCase)
{
    BancOnglets banc;
    TCalcul* a = banc.calcul("a");
    banc.selectionner({QStringLiteral("a")});
    // "B" and "c " are taken, "   " is empty, "a" is unchanged: each is asked again.
    for (const char* reponse : {"B", "c ", "   ", "a", "nouveau nom"})
        banc.plateforme.inputs.push_back(QString::fromLatin1(reponse));
    banc.onglets.Executer(TCommandeOnglet::Renommer);
    EXPECT_EQ(banc.plateforme.questions.size(), 5u);
    EXPECT_EQ(a->nomtab, QStringLiteral("nouveau nom"));
    EXPECT_EQ(banc.noms().at(1), QStringLiteral("nouveau nom"));
    EXPECT_TRUE(banc.modifie());

    banc.defaire();
    EXPECT_EQ(a->nomtab, QStringLiteral("a"));
    EXPECT_EQ(banc.noms(), kPGabc);
    EXPECT_FALSE(banc.modifie());
    banc.refaire();
    EXPECT_EQ(banc.noms().at(1), QStringLiteral("nouveau nom"));
}

TEST(CalculationTabs, RenameCancelledChangesNothing)
{
    BancOnglets banc;
    banc.selectionner({QStringLiteral("a")});
    banc.plateforme.inputs.push_back(QStringLiteral("b"));
    banc.plateforme.inputs.push_back(std::nullopt); // Annuler
    banc.onglets.Renommer();
    EXPECT_EQ(banc.noms(), kPGabc);
    EXPECT_TRUE(banc.dc.aDefaire().isEmpty());
}

TEST(CalculationTabs, RenameMayChangeTheLetterCaseOfTheTabsOwnName)
{
    BancOnglets banc;
    banc.selectionner({QStringLiteral("a")});
    banc.plateforme.inputs.push_back(QStringLiteral("A"));
    banc.onglets.Renommer();
    EXPECT_EQ(banc.noms().at(1), QStringLiteral("A"));
}

TEST(CalculationTabs, DragAfterTheLastTabIsSavedInTheNewOrderAndUndone)
{
    BancOnglets banc;
    const QStringList bca{QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("a")};
    const QStringList abc{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")};
    banc.selectionner({QStringLiteral("a")});
    banc.onglets.Deposer(4); // the gap after c
    EXPECT_EQ(banc.noms(), QStringList{QStringLiteral("PG")} + bca);
    EXPECT_EQ(banc.ordre(), bca);
    EXPECT_TRUE(banc.modifie());

    banc.defaire();
    EXPECT_EQ(banc.noms(), kPGabc);
    EXPECT_EQ(banc.ordre(), abc);
    EXPECT_FALSE(banc.modifie());
    EXPECT_EQ(banc.enregistrer(), abc);

    banc.selectionner({QStringLiteral("a")});
    banc.onglets.Deposer(4);
    EXPECT_EQ(banc.enregistrer(), bca);
}

TEST(CalculationTabs, ADragLeavesTheTabClipboardAlone)
{
    BancOnglets banc;
    banc.selectionner({QStringLiteral("b")});
    banc.onglets.CopierTab();
    banc.selectionner({QStringLiteral("a")});
    banc.onglets.Deposer(4);
    EXPECT_EQ(banc.noms(), (QStringList{QStringLiteral("PG"), QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("a")}));
    ASSERT_TRUE(banc.onglets.TabsAColler());
    banc.onglets.CollerEnFin();
    EXPECT_EQ(banc.noms().back(), QStringLiteral("b(2)"));
}

TEST(CalculationTabs, DropsThatMoveNothingAreIgnored)
{
    struct Cas {
        QStringList selection;
        int gap;
    };
    const Cas cas[] = {
        {{QStringLiteral("PG")}, 3},  // the general page does not move
        {{QStringLiteral("b")}, 0},   // nothing goes before the general page
        {{QStringLiteral("b")}, 2},   // dropped where it is
        {{QStringLiteral("b")}, 3},   // just after itself
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.selection.join(u' ').toStdString() + " " + std::to_string(c.gap));
        BancOnglets banc;
        banc.selectionner(c.selection);
        banc.onglets.Deposer(c.gap);
        EXPECT_EQ(banc.noms(), kPGabc);
        EXPECT_TRUE(banc.dc.aDefaire().isEmpty());
    }
}

TEST(CalculationTabs, GeneralPageIsNeverSelectedWithCalculationTabs)
{
    BancOnglets banc;
    banc.selectionner({QStringLiteral("b"), QStringLiteral("c")});
    EXPECT_EQ(banc.bande.SelTabs(), QStringLiteral("  xX"));
    EXPECT_TRUE(banc.bande.Cliquer(0)); // a plain click on PG selects it alone
    EXPECT_EQ(banc.bande.SelTabs(), QStringLiteral("X   "));
    EXPECT_FALSE(banc.bande.Cliquer(1, true));        // Ctrl-click a calculation tab
    EXPECT_FALSE(banc.bande.Cliquer(3, false, true)); // Shift-click a range from PG
    EXPECT_EQ(banc.bande.SelTabs(), QStringLiteral("X   "));
    banc.bande.Cliquer(2);
    EXPECT_FALSE(banc.bande.Cliquer(0, true)); // Ctrl-click PG
    EXPECT_EQ(banc.bande.SelTabs(), QStringLiteral("  X "));

    const struct {
        const char* marques;
        bool permis;
    } regles[] = {{"    ", true}, {"X   ", true}, {" xX ", true}, {"Xx  ", false}, {"x  X", false}, {"", true}};
    for (const auto& r : regles)
        EXPECT_EQ(TOngletsCalculs::CanChangeSel(QString::fromLatin1(r.marques)), r.permis) << r.marques;
}

TEST(CalculationTabs, SeveralSelectedCalculationsAreEditedTogether)
{
    BancOnglets banc;
    auto& feuille = banc.vue.repere;
    banc.selectionner({QStringLiteral("a"), QStringLiteral("c")});
    EXPECT_TRUE(feuille.multi); // their references differ
    feuille.contenu = QStringLiteral("commun");
    banc.dc.VerifierChangements();
    inactivite();
    EXPECT_EQ(banc.calcul("a")->DAP->Repere, QStringLiteral("commun"));
    EXPECT_EQ(banc.calcul("b")->DAP->Repere, QStringLiteral("repère b"));
    EXPECT_EQ(banc.calcul("c")->DAP->Repere, QStringLiteral("commun"));
    EXPECT_TRUE(banc.modifie());

    // Undone in one step for both, after another tab was selected.
    banc.selectionner({QStringLiteral("b")});
    banc.defaire();
    inactivite();
    EXPECT_EQ(banc.calcul("a")->DAP->Repere, QStringLiteral("repère a"));
    EXPECT_EQ(banc.calcul("c")->DAP->Repere, QStringLiteral("repère c"));
    EXPECT_EQ(banc.bande.SelTabs(), QStringLiteral(" x X"));
    EXPECT_FALSE(banc.modifie());
}

TEST(CalculationTabs, AddAppendsWhenOnlyTheGeneralPageIsThereAndInsertGoesBeforeTheSelection)
{
    BancOnglets banc;
    banc.selectionner({QStringLiteral("b")});
    banc.plateforme.inputs.push_back(QStringLiteral("  nouvelle  "));
    banc.onglets.Executer(TCommandeOnglet::Inserer);
    EXPECT_EQ(banc.noms(), (QStringList{QStringLiteral("PG"), QStringLiteral("a"), QStringLiteral("nouvelle"),
                                        QStringLiteral("b"), QStringLiteral("c")}));
    EXPECT_EQ(banc.bande.SelTabs(), QStringLiteral("  X  "));
    EXPECT_EQ(banc.document().CalculsSel(), QList<TCalcul*>{banc.calcul("nouvelle")});
    banc.defaire();
    EXPECT_EQ(banc.noms(), kPGabc);
    banc.refaire();
    EXPECT_EQ(banc.noms().at(2), QStringLiteral("nouvelle"));

    // A name already taken, in another letter case, or a line break is no name.
    TBandeOngletsMemoire seule;
    TOngletsCalculs pg(seule);
    pg.InitPG();
    seule.Cliquer(0);
    banc.plateforme.inputs.push_back(QStringLiteral("pg"));
    banc.plateforme.inputs.push_back(QStringLiteral("deux\r\nlignes"));
    TObjTab* ajout = pg.Ajouter(false);
    ASSERT_NE(ajout, nullptr);
    EXPECT_EQ(ajout->nomtab, QStringLiteral("deux  lignes"));
    EXPECT_EQ(seule.TabsCount(), 2);
    EXPECT_EQ(seule.GetObjet(1), ajout);
}

TEST(CalculationTabs, AddCancelledChangesNothing)
{
    BancOnglets banc;
    banc.plateforme.inputs.push_back(std::nullopt);
    EXPECT_EQ(banc.onglets.Ajouter(true), nullptr);
    EXPECT_EQ(banc.plateforme.questions, std::vector<QString>{QStringLiteral("Nom de la page")});
    EXPECT_EQ(banc.noms(), kPGabc);
    EXPECT_TRUE(banc.dc.aDefaire().isEmpty());
}

TEST(CalculationTabs, MenuEntriesAreEnabledBySelectionAndClipboard)
{
    BancOnglets banc;
    QStringList libelles;
    for (const TEntreeMenuOnglet& e : EntreesMenuOnglets())
        libelles << (e.separateurAvant ? QStringLiteral("-") : QString()) + e.libelle;
    EXPECT_EQ(libelles, (QStringList{QStringLiteral("Couper"), QStringLiteral("Copier"), QStringLiteral("Coller avant"),
                                     QStringLiteral("Coller en fin"), QStringLiteral("Dupliquer en fin"),
                                     QStringLiteral("-Supprimer"), QStringLiteral("Ajouter"), QStringLiteral("Insérer"),
                                     QStringLiteral("Renommer"),
                                     QStringLiteral("-Enregistrer l'onglet comme défaut")}));

    const auto etat = [&banc] {
        QString s;
        for (const TEntreeMenuOnglet& e : EntreesMenuOnglets())
            s += banc.onglets.CommandePossible(e.commande) ? u'1' : u'0';
        return s;
    };
    banc.bande.DeSelect();
    EXPECT_EQ(etat(), QStringLiteral("0000001000")); // nothing selected
    banc.selectionner({QStringLiteral("PG")});
    EXPECT_EQ(etat(), QStringLiteral("0000001000"));
    banc.selectionner({QStringLiteral("a")});
    EXPECT_EQ(etat(), QStringLiteral("1100111111"));
    banc.onglets.Executer(TCommandeOnglet::Copier);
    EXPECT_EQ(etat(), QStringLiteral("1111111111"));
    banc.selectionner({QStringLiteral("a"), QStringLiteral("b")});
    EXPECT_EQ(etat(), QStringLiteral("1111111000"));
}

TEST(CalculationTabs, CutAndCopyLeaveTheGeneralPageOutOfTheClipboard)
{
    BancOnglets banc;
    banc.selectionner({QStringLiteral("PG")});
    banc.onglets.CouperTab();
    EXPECT_FALSE(banc.onglets.TabsAColler());
    banc.onglets.CollerEnFin();
    EXPECT_EQ(banc.noms(), kPGabc);
}

TEST(CalculationTabs, SaveTabAsDefaultMakesNewCalculationsStartFromIt)
{
    BancOnglets banc;
    banc.selectionner({QStringLiteral("b")});
    banc.onglets.Executer(TCommandeOnglet::EnregistrerCommeDefaut);
    ASSERT_TRUE(QFile::exists(TDonneesAppli::defaultFilePath()));
    banc.plateforme.inputs.push_back(QStringLiteral("d"));
    TCalcul* d = BancOnglets::calcul(banc.onglets.Ajouter(true));
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->DAP->Repere, QStringLiteral("repère b"));
    EXPECT_EQ(d->DAP->Data.Comment, QStringLiteral("contrefort b"));
    EXPECT_TRUE(banc.plateforme.messages.empty());
    QFile::remove(TDonneesAppli::defaultFilePath());
}

TEST(CalculationTabs, CaptionColourFollowsTheCalculationsResult)
{
    BancOnglets banc;
    banc.calcul("b")->DAP->SetResultatCalcul(-1);
    EXPECT_EQ(banc.liaison.CouleurLegende(0), std::nullopt);
    EXPECT_EQ(banc.liaison.CouleurLegende(1), QColor(0, 0, 0));
    EXPECT_EQ(banc.liaison.CouleurLegende(2), QColor(255, 0, 0));
}

TEST(CalculationTabs, ClosingForgetsTheTabsAndOpeningMakesATabPerCalculation)
{
    BancOnglets banc;
    banc.selectionner({QStringLiteral("b")});
    banc.onglets.Supprimer();
    ASSERT_FALSE(banc.dc.aDefaire().isEmpty());
    ASSERT_FALSE(banc.onglets.TabsSupprimes().isEmpty());

    banc.session.DFInit();
    EXPECT_EQ(banc.session.Document(), nullptr);
    EXPECT_EQ(banc.noms(), QStringList{QStringLiteral("PG")});
    EXPECT_EQ(banc.bande.GetObjet(0), &banc.session.ObjetPG());
    EXPECT_FALSE(banc.bande.GetSelection(0));
    EXPECT_TRUE(banc.onglets.TabsSupprimes().isEmpty());
    EXPECT_TRUE(banc.dc.aDefaire().isEmpty());

    TDoUndo* DU = nullptr;
    bool ok = false;
    bool modif = false;
    banc.session.DFLire(banc.chemin, 0, DU, ok, modif);
    ASSERT_TRUE(ok);
    EXPECT_EQ(banc.noms(), kPGabc); // the delete was never saved
    EXPECT_EQ(banc.bande.SelTabs(), QStringLiteral("X   "));
    EXPECT_EQ(banc.vue.page, Page::Generale);
    EXPECT_EQ(banc.ordre(), (QStringList{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}));
    EXPECT_FALSE(banc.modifie());
    EXPECT_EQ(banc.bande.TCtoStr(false), banc.document().TexteListeOnglets(banc.onglets.ObjetPG()));

    banc.onglets.AddTOs({banc.calcul("a")}); // only onto the general page alone
    EXPECT_EQ(banc.bande.TabsCount(), 4);
}

TEST(CalculationTabs, AGeneralPageOwnedElsewhereIsCarriedByTabZero)
{
    TObjTab pageSession(QStringLiteral("PG"));
    TBandeOngletsMemoire bande;
    {
        TOngletsCalculs onglets(bande);
        onglets.InitPG(pageSession);
        EXPECT_EQ(onglets.ObjetPG(), &pageSession);
        EXPECT_EQ(bande.GetObjet(0), &pageSession);
        bande.Cliquer(0);
        EXPECT_TRUE(onglets.ExclurePG(onglets.ObjTabsSelection()).isEmpty());
        onglets.InitPG(); // already there: no second general page
        EXPECT_EQ(bande.TabsCount(), 1);
    }
    EXPECT_EQ(pageSession.nomtab, QStringLiteral("PG")); // not freed with the tabs
}

TEST(TabRecords, RecordsReadBackWhateverTheNamesHold)
{
    TObjTab x(QStringLiteral("x"));
    TObjTab y(QStringLiteral("y"));
    const QString nom = QStringLiteral("nom\x03 avec\x01séparateurs\x04");
    const TabRecords::TEnregOnglet r = TabRecords::Lire(TabRecords::Renommage(nom, QStringLiteral("ancien"), &x));
    EXPECT_EQ(r.commande, TabRecords::kRenommage);
    EXPECT_EQ(r.nouveauNom, nom);
    EXPECT_EQ(r.ancienNom, QStringLiteral("ancien"));
    EXPECT_EQ(r.objet, &x);

    const auto s = TabRecords::Lire(TabRecords::Suppression({{2, &x}, {5, &y}}));
    EXPECT_EQ(s.supprimes, (QList<std::pair<int, TObjTab*>>{{2, &x}, {5, &y}}));
    const auto a = TabRecords::Lire(TabRecords::Ajout(3, &y));
    EXPECT_EQ(a.position, 3);
    EXPECT_EQ(a.objet, &y);
    const auto m = TabRecords::Lire(TabRecords::Deplacement(TabRecords::kCopierColler, {&x, &y}, {&y, &x}));
    EXPECT_EQ(m.avant, (QList<TObjTab*>{&x, &y}));
    EXPECT_EQ(m.apres, (QList<TObjTab*>{&y, &x}));
    EXPECT_EQ(TabRecords::Deplacement(TabRecords::kCouperColler, {&x}, {&y}),
              u'X' + TabRecords::Identite(&x) + QChar(3) + TabRecords::Identite(&y));

    // An object freed since the record was made is no object.
    QString vieux;
    {
        TObjTab z;
        vieux = TabRecords::Ajout(0, &z);
    }
    EXPECT_EQ(TabRecords::Lire(vieux).objet, nullptr);
    EXPECT_EQ(TabRecords::Lire(QStringLiteral("?")).commande, QChar());
}
