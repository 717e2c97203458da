#include "EditingBench.h"
#include "editing/DcOnglets.h"
#include "editing/UndoRecords.h"
#include "support/FakePlatformServices.h"
#include "util/Errors.h"

#include <gtest/gtest.h>
#include <new>
#include <utility>

TEST(DataControl, OneRecordAndOneDisplayPerChangedCheckNoneWithoutChange)
{
    BancEdition banc;
    FauxCalcul* calcul = banc.ajouter(QStringLiteral("A"));
    banc.selectionner({calcul});
    const int affichages = banc.nbAffichages;
    int changements = 0;
    banc.dc.setOnDataChanged([&](TDataControl&) { ++changements; });

    banc.saisir(QStringLiteral("B"));
    EXPECT_EQ(banc.nbDefaire(), 1);
    EXPECT_EQ(banc.nbAffichages, affichages + 1);
    EXPECT_EQ(changements, 1);

    banc.dc.VerifierChangements(); // the focus moves again, nothing changed
    inactivite();
    EXPECT_EQ(banc.nbDefaire(), 1);
    EXPECT_EQ(banc.nbAffichages, affichages + 1);
    EXPECT_EQ(changements, 1);

    // Two focus moves before the display caught up still make one record.
    banc.ctl.contenu = QStringLiteral("C");
    banc.dc.VerifierChangements();
    banc.dc.VerifierChangements();
    inactivite();
    EXPECT_EQ(banc.nbDefaire(), 2);
    EXPECT_EQ(banc.nbAffichages, affichages + 2);
    EXPECT_EQ(calcul->texte, QStringLiteral("C"));
}

TEST(DataControl, DisplayRequestsAreCoalesced)
{
    BancEdition banc;
    banc.selectionner({banc.ajouter(QStringLiteral("A"))});
    const int affichages = banc.nbAffichages;
    const int numRaff = banc.dc.NumRaff();
    for (int i = 0; i < 5; ++i)
        banc.dc.Afficher();
    EXPECT_EQ(banc.nbAffichages, affichages); // nothing before idle time
    inactivite();
    EXPECT_EQ(banc.nbAffichages, affichages + 1);
    EXPECT_EQ(banc.dc.NumRaff(), numRaff + 1);
}

TEST(DataControl, ThreeEditsUndoneAndRedoneValueByValue)
{
    BancEdition banc;
    FauxCalcul* calcul = banc.ajouter(QStringLiteral("v0"));
    banc.selectionner({calcul});
    const QStringList valeurs{QStringLiteral("v0"), QStringLiteral("v1"), QStringLiteral("v2"), QStringLiteral("v3")};
    for (int i = 1; i <= 3; ++i)
        banc.saisir(valeurs[i]);
    ASSERT_EQ(banc.nbDefaire(), 3);

    for (int i = 2; i >= 0; --i) {
        banc.dc.Undo();
        inactivite();
        EXPECT_EQ(calcul->texte, valeurs[i]);
        EXPECT_EQ(banc.ctl.contenu, valeurs[i]); // shown again
    }
    EXPECT_EQ(banc.nbDefaire(), 0);
    EXPECT_EQ(banc.nbRefaire(), 3);
    for (int i = 1; i <= 3; ++i) {
        banc.dc.Redo();
        inactivite();
        EXPECT_EQ(calcul->texte, valeurs[i]);
        EXPECT_EQ(banc.ctl.contenu, valeurs[i]);
    }
    EXPECT_EQ(banc.nbDefaire(), 3);
    EXPECT_TRUE(banc.dc.aRefaire().isEmpty());
}

TEST(DataControl, EditAfterUndoEmptiesRedoListButMovesBetweenListsDoNot)
{
    BancEdition banc;
    FauxCalcul* calcul = banc.ajouter(QStringLiteral("a"));
    banc.selectionner({calcul});
    banc.saisir(QStringLiteral("b"));
    banc.saisir(QStringLiteral("c"));
    banc.dc.Undo();
    inactivite();
    banc.dc.Undo();
    inactivite();
    banc.dc.Redo();
    inactivite();
    EXPECT_EQ(banc.nbRefaire(), 1);
    EXPECT_EQ(calcul->texte, QStringLiteral("b"));

    banc.saisir(QStringLiteral("x"));
    EXPECT_TRUE(banc.dc.aRefaire().isEmpty());
    EXPECT_FALSE(banc.dc.RedoPossible());
    banc.dc.Undo();
    inactivite();
    EXPECT_EQ(calcul->texte, QStringLiteral("b"));
}

TEST(DataControl, UndoRightAfterTheRecordingKeepsTheRedoValue)
{
    // The undo button first records the pending edit, then undoes it, with no
    // display in between.
    BancEdition banc;
    FauxCalcul* calcul = banc.ajouter(QStringLiteral("avant"));
    banc.selectionner({calcul});
    banc.ctl.contenu = QStringLiteral("après");
    banc.dc.EnregistrerChangements();
    banc.dc.Undo();
    EXPECT_EQ(calcul->texte, QStringLiteral("avant"));
    // The control still shows the undone value until the display: a check
    // meanwhile must not take it for a new edit.
    banc.dc.EnregistrerChangements();
    EXPECT_EQ(calcul->texte, QStringLiteral("avant"));
    EXPECT_EQ(banc.nbDefaire(), 0);
    EXPECT_EQ(banc.nbRefaire(), 1);
    inactivite();
    banc.dc.Redo();
    inactivite();
    EXPECT_EQ(calcul->texte, QStringLiteral("après"));
    banc.dc.Undo();
    inactivite();
    EXPECT_EQ(calcul->texte, QStringLiteral("avant"));
}

TEST(DataControl, UndoIntoAFreedObjectDoesNothingEvenWhenAnotherTookItsAddress)
{
    BancEdition banc;
    // A and then B are built in the same storage: B lands at A's address.
    alignas(FauxCalcul) unsigned char place[sizeof(FauxCalcul)];
    auto* a = new (place) FauxCalcul(QStringLiteral("valeur de A"));
    banc.selectionner({a});
    banc.saisir(QStringLiteral("A modifié"));
    ASSERT_EQ(banc.nbDefaire(), 1);

    banc.selectionner({});
    a->~FauxCalcul();
    auto* b = new (place) FauxCalcul(QStringLiteral("valeur de B"));
    ASSERT_EQ(static_cast<void*>(b), static_cast<void*>(place));

    banc.dc.Undo();
    inactivite();
    EXPECT_EQ(b->texte, QStringLiteral("valeur de B")) << "B received the value A had before its edit";
    EXPECT_TRUE(banc.selection.isEmpty()) << "no live object is named by the record";
    EXPECT_EQ(banc.nbRefaire(), 1);
    b->~FauxCalcul();
}

TEST(DataControl, TwoObjectsWithDifferentValuesEditedAndUndoneTogether)
{
    BancEdition banc;
    FauxCalcul* a = banc.ajouter(QStringLiteral("texte A"));
    FauxCalcul* b = banc.ajouter(QStringLiteral("texte B"));
    banc.selectionner({a, b});
    EXPECT_TRUE(banc.ctl.multi);
    EXPECT_TRUE(banc.relais.AffichageMultiple());

    banc.dc.VerifierChangements(); // focus moves, the control untouched
    inactivite();
    EXPECT_EQ(banc.nbDefaire(), 0);
    EXPECT_EQ(a->texte, QStringLiteral("texte A"));
    EXPECT_EQ(b->texte, QStringLiteral("texte B"));

    banc.saisir(QStringLiteral("commun"));
    EXPECT_EQ(a->texte, QStringLiteral("commun"));
    EXPECT_EQ(b->texte, QStringLiteral("commun"));
    ASSERT_EQ(banc.nbDefaire(), 1);
    const TEnregUR r = DecouperEnregUR(banc.dc.aDefaire());
    EXPECT_EQ(r.objets, ReferenceObjet(a) + u' ' + ReferenceObjet(b));
    EXPECT_EQ(r.donnees, ReferenceObjet(&banc.relais) + QChar(2) + QStringLiteral("texte A") + QChar(3)
                             + QStringLiteral("texte B") + QChar(3) + QChar(2));
    EXPECT_FALSE(banc.ctl.multi);

    // One step undoes both; after the display shows "values differ" again,
    // redo and undo still restore each object's own value.
    for (int tour = 0; tour < 2; ++tour) {
        banc.dc.Undo();
        inactivite();
        EXPECT_EQ(a->texte, QStringLiteral("texte A"));
        EXPECT_EQ(b->texte, QStringLiteral("texte B"));
        EXPECT_TRUE(banc.ctl.multi);
        banc.dc.Redo();
        inactivite();
        EXPECT_EQ(a->texte, QStringLiteral("commun"));
        EXPECT_EQ(b->texte, QStringLiteral("commun"));
    }
}

TEST(DataControl, ChecksThatMustNotRun)
{
    struct Cas {
        const char* nom;
        std::function<void(BancEdition&)> preparer;
    };
    const Cas cas[] = {
        {"control disabled", [](BancEdition& b) { b.ctl.actif = false; }},
        {"form not active", [](BancEdition& b) { b.dc.setFormeActive([] { return false; }); }},
        {"relay not shown by the last display",
         [](BancEdition& b) {
             const auto selection = b.selection;
             b.selectionner({});
             b.selection = selection;
         }},
        {"no read hook", [](BancEdition& b) { b.dc.setOnLireFiche(nullptr); }},
    };
    for (const Cas& c : cas) {
        BancEdition banc;
        FauxCalcul* calcul = banc.ajouter(QStringLiteral("A"));
        banc.selectionner({calcul});
        c.preparer(banc);
        banc.ctl.contenu = QStringLiteral("B");
        banc.dc.VerifierChangements();
        inactivite();
        EXPECT_EQ(banc.nbDefaire(), 0) << c.nom;
        EXPECT_EQ(calcul->texte, QStringLiteral("A")) << c.nom;
    }
}

TEST(DataControl, ChangeRecordsWhereTheStateTestCannotSee)
{
    BancEdition banc;
    FauxCalcul* calcul = banc.ajouter(QStringLiteral("A"));
    banc.selectionner({calcul});
    banc.ctl.actif = false;
    banc.ctl.contenu = QStringLiteral("B");
    banc.relais.dcModif = true; // what TdcRelais::Change does before recording
    banc.dc.setURtext(QStringLiteral("Ajouter une section"));
    banc.dc.EnregistrerChangements();
    ASSERT_EQ(banc.nbDefaire(), 1);
    EXPECT_EQ(DecouperEnregUR(banc.dc.aDefaire()).libelle, QStringLiteral("Ajouter une section"));
    EXPECT_TRUE(banc.dc.URtext().isEmpty());
    EXPECT_EQ(calcul->texte, QStringLiteral("B"));
}

TEST(DataControl, NoCheckWhileShowingOrReplaying)
{
    BancEdition banc;
    FauxCalcul* calcul = banc.ajouter(QStringLiteral("A"));
    banc.selectionner({calcul});
    // A display hook that moves the focus after showing a changed value.
    banc.dc.setOnAfficher([&](TObjetEdite* p) {
        if (!p)
            return;
        banc.relais.AfficherValeur(static_cast<FauxCalcul*>(p)->texte);
        banc.ctl.contenu = QStringLiteral("parasite");
        banc.dc.VerifierChangements();
    });
    banc.dc.Afficher();
    inactivite();
    EXPECT_EQ(banc.nbDefaire(), 0);
    EXPECT_EQ(calcul->texte, QStringLiteral("A"));

    // A read hook that moves the focus during an undo.
    BancEdition banc2;
    FauxCalcul* c2 = banc2.ajouter(QStringLiteral("x"));
    banc2.selectionner({c2});
    banc2.saisir(QStringLiteral("y"));
    banc2.dc.setOnLireFiche([&](TObjetEdite* p) {
        banc2.relais.LireValeur(static_cast<FauxCalcul*>(p)->texte);
        banc2.ctl.contenu = QStringLiteral("parasite");
        banc2.dc.VerifierChangements();
    });
    banc2.dc.Undo();
    EXPECT_EQ(c2->texte, QStringLiteral("x"));
    EXPECT_EQ(banc2.nbDefaire(), 0);
    EXPECT_EQ(banc2.nbRefaire(), 1);

    // A read hook that moves the focus while the edit is being read: the
    // check inside the check does nothing, the edit makes one record.
    BancEdition banc3;
    FauxCalcul* c3 = banc3.ajouter(QStringLiteral("avant"));
    banc3.selectionner({c3});
    banc3.dc.setOnLireFiche([&](TObjetEdite* p) {
        banc3.relais.LireValeur(static_cast<FauxCalcul*>(p)->texte);
        banc3.dc.VerifierChangements();
    });
    banc3.saisir(QStringLiteral("après"));
    ASSERT_EQ(banc3.nbDefaire(), 1);
    EXPECT_EQ(DecouperEnregUR(banc3.dc.aDefaire()).donnees,
              ReferenceObjet(&banc3.relais) + QChar(2) + QStringLiteral("avant") + QChar(3) + QChar(2));
}

TEST(DataControl, SecondAfficherValeurForOneObjectIsReported)
{
    for (int appels : {1, 2, 3}) {
        FakePlatformServices fake;
        BancEdition banc;
        banc.relais.BRCdS = &banc.dc;
        banc.dc.setObjectName(QStringLiteral("dcRelaisVLE"));
        banc.dc.setOnAfficher([&](TObjetEdite* p) {
            for (int i = 0; p && i < appels; ++i)
                banc.relais.AfficherValeur(static_cast<FauxCalcul*>(p)->texte);
        });
        banc.selectionner({banc.ajouter(QStringLiteral("A"))});
        ASSERT_EQ(static_cast<int>(fake.messages.size()), appels - 1);
        for (const QString& m : fake.messages)
            EXPECT_EQ(m, QStringLiteral("dcRelaisVLE : erreur, 2 appels à AfficherValeur dans la procédure AfficherDonnees"));
    }
}

TEST(DataControl, FailingHooksLeaveNoRecordAndNoStuckState)
{
    BancEdition banc;
    FauxCalcul* calcul = banc.ajouter(QStringLiteral("A"));
    banc.selectionner({calcul});

    banc.dc.setOnAfficher([](TObjetEdite*) { throw ETolvane(QStringLiteral("affichage")); });
    banc.dc.Afficher();
    inactivite();
    EXPECT_FALSE(banc.dc.AffichageEnCours());

    banc.dc.setOnLireFiche([](TObjetEdite*) { throw ETolvane(QStringLiteral("lecture")); });
    banc.dc.setURtext(QStringLiteral("libellé perdu"));
    banc.relais.dcModif = true;
    banc.dc.EnregistrerChangements();
    EXPECT_EQ(banc.nbDefaire(), 0);
    EXPECT_TRUE(banc.dc.URtext().isEmpty()); // not carried over to the next record
}

TEST(DataControl, FailingReplayLosesTheRecordAndLeavesReplayMode)
{
    FakePlatformServices fake;
    BancEdition banc;
    FauxCalcul* calcul = banc.ajouter(QStringLiteral("A"));
    banc.selectionner({calcul});
    banc.saisir(QStringLiteral("B"));
    banc.saisir(QStringLiteral("C"));
    banc.dc.setOnLireFiche([](TObjetEdite*) { throw ETolvane(QStringLiteral("lecture impossible")); });
    const int boutons = banc.nbBoutons;
    EXPECT_THROW(banc.dc.Undo(), ETolvane);
    EXPECT_FALSE(banc.dc.UndoRedoEnCours());
    EXPECT_FALSE(banc.relais.BRModeUndoRedo);
    EXPECT_FALSE(banc.relais.Fundoing);
    EXPECT_EQ(fake.waitCursorDepth, 0);
    EXPECT_GE(fake.waitCursorShown, 1);
    EXPECT_GT(banc.nbBoutons, boutons);
    EXPECT_EQ(banc.nbDefaire(), 1);
    EXPECT_EQ(banc.nbRefaire(), 0);
    EXPECT_TRUE(banc.dc.UndoPossible());
}

TEST(DataControl, ButtonsFollowTheLists)
{
    BancEdition banc;
    banc.selectionner({banc.ajouter(QStringLiteral("A"))});
    EXPECT_FALSE(banc.dc.UndoPossible());
    EXPECT_FALSE(banc.dc.RedoPossible());
    banc.saisir(QStringLiteral("B"));
    EXPECT_TRUE(banc.dc.UndoPossible());
    EXPECT_FALSE(banc.dc.RedoPossible());
    banc.dc.Undo();
    EXPECT_FALSE(banc.dc.UndoPossible());
    EXPECT_TRUE(banc.dc.RedoPossible());
    // Nothing to undo: nothing happens.
    banc.dc.Undo();
    EXPECT_EQ(banc.nbRefaire(), 1);
    banc.dc.Redo();
    const int boutons = banc.nbBoutons;
    banc.dc.Clear(); // after a write
    EXPECT_GT(banc.nbBoutons, boutons);
    EXPECT_FALSE(banc.dc.UndoPossible());
    EXPECT_FALSE(banc.dc.RedoPossible());
}

namespace {

// A tab bar that records what the history asks of it.
class FauxOnglets final : public TdcOnglets {
public:
    QList<TObjetEdite*> ObjTabsSel() const override { return selection; }
    void SetObjSel(const QList<TObjetEdite*>& objs) override
    {
        selection = objs;
        ++selections;
    }
    void ActionOnglet(int sens, const QString& donnees) override { actions.push_back({sens, donnees}); }

    QList<TObjetEdite*> selection;
    int selections = 0;
    std::vector<std::pair<int, QString>> actions;
};

} // namespace

TEST(DataControl, TabRecordsAreReplayedByTheTabBarAndMovedUnchanged)
{
    BancEdition banc;
    FauxOnglets onglets;
    banc.dc.setTabControl(&onglets);
    // A name typed by the user may hold anything, even the list's separators.
    const QString donnees = QStringLiteral("R") + QStringLiteral("nou") + QChar(1) + QStringLiteral("veau") + QChar(3)
        + QStringLiteral("ancien") + QChar(3) + QStringLiteral("123");
    banc.dc.AjouterAction(kGenreOnglet, QStringLiteral("Renommer un onglet"), QString(), donnees);
    const QString enreg = banc.dc.aDefaire();
    EXPECT_EQ(banc.nbDefaire(), 1);

    banc.dc.Undo();
    banc.dc.Redo();
    ASSERT_EQ(onglets.actions.size(), 2u);
    EXPECT_EQ(onglets.actions[0], std::make_pair(kSensDefaire, donnees));
    EXPECT_EQ(onglets.actions[1], std::make_pair(kSensRefaire, donnees));
    EXPECT_EQ(banc.dc.aDefaire(), enreg);
    EXPECT_TRUE(banc.dc.aRefaire().isEmpty());
    EXPECT_EQ(banc.dc.TexteListeUR(kSensDefaire), QStringLiteral("Renommer un onglet"));
}

TEST(DataControl, UndoSelectsTheTabsOfTheRecordAgain)
{
    BancEdition banc;
    FauxOnglets onglets;
    banc.dc.setTabControl(&onglets);
    FauxCalcul* a = banc.ajouter(QStringLiteral("A0"));
    FauxCalcul* b = banc.ajouter(QStringLiteral("B0"));
    onglets.selection = {a};
    banc.dc.Afficher();
    inactivite();
    banc.saisir(QStringLiteral("A1"));
    onglets.selection = {b};
    banc.dc.Afficher();
    inactivite();
    EXPECT_EQ(banc.ctl.contenu, QStringLiteral("B0"));

    banc.dc.Undo();
    inactivite();
    EXPECT_EQ(onglets.selection, (QList<TObjetEdite*>{a}));
    EXPECT_EQ(a->texte, QStringLiteral("A0"));
    EXPECT_EQ(b->texte, QStringLiteral("B0"));
    EXPECT_EQ(banc.ctl.contenu, QStringLiteral("A0"));
    onglets.selection = {b};
    banc.dc.Redo();
    EXPECT_EQ(a->texte, QStringLiteral("A1"));
    EXPECT_EQ(b->texte, QStringLiteral("B0"));

    {
        FauxOnglets autre;
        banc.dc.setTabControl(&autre);
    }
    EXPECT_EQ(banc.dc.TabControl(), nullptr); // a destroyed tab bar is forgotten
}

TEST(DataControl, TextsAreRestoredExactlyAlsoFromTheOldestRecord)
{
    const QString cas[] = {
        QStringLiteral("mémo avec espaces   "),
        QStringLiteral("mémo\r\nfin de lignes\r\n\r\n"),
        QStringLiteral("a") + QChar(3) + QStringLiteral("b") + QChar(1) + QChar(4) + QStringLiteral("2"),
        QString(),
    };
    for (const QString& initial : cas) {
        BancEdition banc;
        FauxCalcul* calcul = banc.ajouter(initial);
        banc.selectionner({calcul});
        banc.saisir(QStringLiteral("deuxième ") + initial);
        banc.saisir(QStringLiteral("troisième"));
        banc.dc.Undo();
        inactivite();
        EXPECT_EQ(calcul->texte, QStringLiteral("deuxième ") + initial);
        banc.dc.Undo();
        inactivite();
        EXPECT_EQ(calcul->texte, initial);
        banc.dc.Redo();
        banc.dc.Redo();
        EXPECT_EQ(calcul->texte, QStringLiteral("troisième"));
    }
}

TEST(DataControl, SeveralStepsFromTheList)
{
    struct Cas {
        int ligne;
        const char* attendu;
        int restants;
    };
    for (const Cas& c : {Cas{-1, "v3", 3}, Cas{0, "v2", 2}, Cas{1, "v1", 1}, Cas{2, "v0", 0}, Cas{7, "v0", 0}}) {
        BancEdition banc;
        FauxCalcul* calcul = banc.ajouter(QStringLiteral("v0"));
        banc.selectionner({calcul});
        for (int i = 1; i <= 3; ++i) {
            banc.dc.setURtext(QStringLiteral("étape %1").arg(i));
            banc.saisir(QStringLiteral("v%1").arg(i));
        }
        QString texteVu;
        banc.dc.setOnChoisirEtapes([&](int sens, const QString& texte) {
            EXPECT_EQ(sens, kSensDefaire);
            texteVu = texte;
            return c.ligne;
        });
        banc.dc.ChoisirEtapesUR(kSensDefaire);
        EXPECT_EQ(texteVu, QStringLiteral("étape 3\r\nétape 2\r\nétape 1"));
        EXPECT_EQ(calcul->texte, QString::fromUtf8(c.attendu)) << c.ligne;
        EXPECT_EQ(banc.ctl.contenu, QString::fromUtf8(c.attendu)) << "shown at once";
        EXPECT_EQ(banc.nbDefaire(), c.restants);
    }
}

TEST(DataControl, ListTextKeepsOneRowPerRecord)
{
    BancEdition banc;
    for (const QString& libelle : {QStringLiteral("  "), QStringLiteral("deux\r\nlignes")})
        banc.dc.AjouterAction(kGenreOnglet, libelle, QString(), QStringLiteral("R"));
    EXPECT_EQ(banc.dc.TexteListeUR(kSensDefaire), QStringLiteral("deux lignes\r\n(sans libellé)"));
}

TEST(DataControl, ObjectsAndRelaysThatNoLongerExistAreSkipped)
{
    BancEdition banc;
    FauxCalcul* a = banc.ajouter(QStringLiteral("A0"));
    FauxCalcul* b = banc.ajouter(QStringLiteral("B0"));
    banc.selectionner({a, b});
    banc.saisir(QStringLiteral("X"));
    banc.calculs.front().reset(); // a is released
    banc.selection = {b};
    banc.dc.Undo();
    EXPECT_EQ(b->texte, QStringLiteral("B0"));
    EXPECT_EQ(banc.selection, (QList<TObjetEdite*>{b}));
    EXPECT_EQ(DecouperEnregUR(banc.dc.aRefaire()).objets, ReferenceObjet(b));
    banc.dc.Redo();
    inactivite();
    EXPECT_EQ(b->texte, QStringLiteral("X"));

    auto relais = std::make_unique<TdcBaseRelais>();
    relais->BRDataControl = &banc.dc;
    relais->dcModif = true;
    relais->BROnLireCdS = [](QString& v) { v = QStringLiteral("Y"); };
    banc.dc.setOnLireFiche([&](TObjetEdite* p) {
        if (relais)
            relais->LireValeur(static_cast<FauxCalcul*>(p)->texte);
    });
    banc.dc.EnregistrerChangements();
    EXPECT_EQ(b->texte, QStringLiteral("Y"));
    relais.reset();
    banc.dc.Undo(); // its relay is gone: nothing to write, no crash
    EXPECT_EQ(b->texte, QStringLiteral("Y"));
    EXPECT_EQ(banc.nbRefaire(), 1);
}

TEST(DataControl, EnregistrerTousChangementsReachesEveryDataControl)
{
    BancEdition un;
    BancEdition deux;
    FauxCalcul* a = un.ajouter(QStringLiteral("a"));
    FauxCalcul* b = deux.ajouter(QStringLiteral("b"));
    un.selectionner({a});
    deux.selectionner({b});
    un.ctl.contenu = QStringLiteral("a2");
    deux.ctl.contenu = QStringLiteral("b2");
    EnregistrerTousChangements();
    EXPECT_EQ(a->texte, QStringLiteral("a2"));
    EXPECT_EQ(b->texte, QStringLiteral("b2"));
    EXPECT_EQ(un.nbDefaire(), 1);
    EXPECT_EQ(deux.nbDefaire(), 1);
}

TEST(DataControl, RecordLabelIsTheCommandsOrThatOfTheFirstChangedRelay)
{
    struct Cas {
        const char* commande;
        const char* libellePremier;
        bool premierChange;
        const char* attendu;
    };
    const Cas cas[] = {
        {"Insérer une section", "premier", true, "Insérer une section"},
        {"", "premier", true, "premier"},
        {"", "premier", false, "second"},
        // The first changed relay names the record even without a label.
        {"", "", true, ""},
    };
    for (const Cas& c : cas) {
        BancEdition banc;
        banc.relais.BRURtext = QString::fromUtf8(c.libellePremier);
        FauxControle ctl2;
        TdcBaseRelais second;
        second.BRDataControl = &banc.dc;
        second.BRURtext = QStringLiteral("second");
        second.BROnAfficherCdS = [&](bool, const QString& v, bool) { ctl2.contenu = ctl2.affiche = v; };
        second.BROnLireCdS = [&](QString& v) { v = ctl2.contenu; };
        second.BROnLireEtatCdS = [&](bool& changed) { changed = ctl2.contenu != ctl2.affiche; };
        // Each object holds two values: the first relay's and the second's.
        QString secondeValeur = QStringLiteral("s0");
        banc.dc.setOnAfficher([&](TObjetEdite* p) {
            if (!p)
                return;
            banc.relais.AfficherValeur(static_cast<FauxCalcul*>(p)->texte);
            second.AfficherValeur(secondeValeur);
        });
        banc.dc.setOnLireFiche([&](TObjetEdite* p) {
            banc.relais.LireValeur(static_cast<FauxCalcul*>(p)->texte);
            second.LireValeur(secondeValeur);
        });
        banc.selectionner({banc.ajouter(QStringLiteral("p0"))});
        if (c.premierChange)
            banc.ctl.contenu = QStringLiteral("p1");
        ctl2.contenu = QStringLiteral("s1");
        banc.dc.setURtext(QString::fromUtf8(c.commande));
        banc.dc.VerifierChangements();
        ASSERT_EQ(banc.nbDefaire(), 1) << c.attendu;
        EXPECT_EQ(DecouperEnregUR(banc.dc.aDefaire()).libelle, QString::fromUtf8(c.attendu));
        EXPECT_EQ(secondeValeur, QStringLiteral("s1"));
    }
}

TEST(DataControl, DocumentRecordsSwapTheDocumentStateBothWays)
{
    BancEdition banc;
    // The document's state, which may hold the list's own separators.
    const QString ancien = QStringLiteral("a=1") + QChar(1) + QStringLiteral("b") + QChar(2);
    QString etat = QStringLiteral("nouveau");
    QStringList recus;
    banc.dc.setOnRejouerDocument([&](const QString& donnees) {
        recus.append(donnees);
        return std::exchange(etat, donnees);
    });
    FauxCalcul* calcul = banc.ajouter(QStringLiteral("A"));
    banc.selectionner({calcul});
    banc.saisir(QStringLiteral("B")); // an edit before: the steps keep their order
    banc.dc.AjouterAction(kGenreDocument, QStringLiteral("propriétés du fichier"), QString(), ancien);
    ASSERT_EQ(banc.nbDefaire(), 2);

    banc.dc.Undo();
    EXPECT_EQ(etat, ancien);
    EXPECT_EQ(banc.nbDefaire(), 1);
    EXPECT_EQ(banc.dc.TexteListeUR(kSensRefaire), QStringLiteral("propriétés du fichier"));
    banc.dc.Redo();
    EXPECT_EQ(etat, QStringLiteral("nouveau"));
    banc.dc.Undo();
    EXPECT_EQ(etat, ancien);
    EXPECT_EQ(recus, (QStringList{ancien, QStringLiteral("nouveau"), ancien}));
    inactivite();
    EXPECT_EQ(calcul->texte, QStringLiteral("B")) << "the edit before is not touched";
}
