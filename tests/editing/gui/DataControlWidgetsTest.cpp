#include "EditingBench.h"
#include "editing/UndoRecords.h"
#include "editing/gui/DcMemo.h"
#include "editing/gui/DcPanneau.h"
#include "editing/gui/DcRelais.h"
#include "editing/gui/FSelUR.h"
#include "support/FakePlatformServices.h"
#include "util/Errors.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace {

// A small window: a line edit bound to the data control through a relay, a
// second line edit to move the focus to, a memo and the data control's panel.
struct FenetreEdition {
    QWidget fenetre;
    TDataControl dc;
    TdcPanneau* panneau = nullptr;
    QLineEdit* saisie = nullptr;
    QLineEdit* autre = nullptr;
    TdcRelais* relais = nullptr;
    std::vector<std::unique_ptr<FauxCalcul>> calculs;
    QList<TObjetEdite*> selection;
    int nbAffichages = 0;

    FenetreEdition()
    {
        auto* disposition = new QVBoxLayout(&fenetre);
        panneau = new TdcPanneau(&dc, &fenetre);
        panneau->setObjectName(QStringLiteral("DC"));
        panneau->setDC_listes(true);
        panneau->setFixedSize(86, 24);
        saisie = new QLineEdit(&fenetre);
        autre = new QLineEdit(&fenetre);
        relais = new TdcRelais(&fenetre);
        relais->setObjectName(QStringLiteral("dcRelaisSaisie"));
        relais->setURtext(QStringLiteral("changement d'une valeur"));
        relais->setDataControl(&dc);
        relais->setOnAfficherCdS([this](bool multi, const QString& v, bool) {
            relais->Libre = multi ? QString() : v;
            saisie->setText(relais->Libre);
        });
        relais->setOnLireCdS([this](QString& v) { v = saisie->text(); });
        relais->setOnLireEtatCdS([this](bool& changed) { changed = saisie->text() != relais->Libre; });
        for (QWidget* w : std::initializer_list<QWidget*>{panneau, saisie, autre})
            disposition->addWidget(w);
        dc.setOnGetObjetsAEditer([this] { return selection; });
        dc.setOnSetSelectionObjets([this](const QList<TObjetEdite*>& o) { selection = o; });
        dc.setOnAfficher([this](TObjetEdite* p) {
            ++nbAffichages;
            if (p)
                relais->AfficherValeur(static_cast<FauxCalcul*>(p)->texte);
        });
        dc.setOnLireFiche([this](TObjetEdite* p) { relais->LireValeur(static_cast<FauxCalcul*>(p)->texte); });
    }

    FauxCalcul* ouvrir(const QString& texte)
    {
        calculs.push_back(std::make_unique<FauxCalcul>(texte));
        selection = {calculs.back().get()};
        fenetre.show();
        fenetre.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&fenetre));
        dc.Afficher();
        inactivite();
        return calculs.back().get();
    }

    // Types a new value and moves the focus away.
    void saisir(const QString& valeur)
    {
        saisie->setFocus();
        saisie->selectAll();
        QTest::keyClicks(saisie, valeur);
        autre->setFocus();
        inactivite();
    }

    int nbDefaire() const { return dc.aDefaire().isEmpty() ? 0 : static_cast<int>(dc.aDefaire().count(QChar(1))) + 1; }
};

TFSelUR* popupOuvert()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* f = qobject_cast<TFSelUR*>(w); f && f->isVisible())
            return f;
    return nullptr;
}

QPoint centreLigne(TFSelUR& f, int ligne) { return f.LB->visualItemRect(f.LB->item(ligne)).center(); }

} // namespace

TEST(DataControlPanel, ButtonsLayoutNamesAndEnabling)
{
    struct Cas {
        int largeur;
        bool listes;
        std::array<int, 4> largeurs; // undo, undo list, redo, redo list (0: hidden)
    };
    for (const Cas& c : {Cas{86, true, {28, 14, 28, 14}}, Cas{86, false, {42, 0, 42, 0}}, Cas{72, true, {24, 12, 24, 12}},
                         Cas{101, false, {50, 0, 50, 0}}}) {
        TDataControl dc;
        QWidget fenetre;
        TdcPanneau panneau(&dc, &fenetre);
        panneau.setDC_listes(c.listes);
        panneau.resize(c.largeur, 24);
        fenetre.show();
        int x = 0;
        const std::array<QToolButton*, 4> boutons{panneau.SBundo(), panneau.SBundoL(), panneau.SBredo(), panneau.SBredoL()};
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(boutons[i]->isVisible(), c.largeurs[i] > 0) << c.largeur << " " << i;
            if (c.largeurs[i] == 0)
                continue;
            EXPECT_EQ(boutons[i]->geometry(), QRect(x, 0, c.largeurs[i], 24)) << c.largeur << " " << i;
            x += c.largeurs[i];
        }
    }

    TDataControl dc;
    TdcPanneau panneau(&dc);
    panneau.setObjectName(QStringLiteral("DC"));
    EXPECT_EQ(panneau.SBundo()->objectName(), QStringLiteral("DC_URSB1"));
    EXPECT_EQ(panneau.SBundoL()->objectName(), QStringLiteral("DC_URSB2"));
    EXPECT_EQ(panneau.SBredo()->objectName(), QStringLiteral("DC_URSB3"));
    EXPECT_EQ(panneau.SBredoL()->objectName(), QStringLiteral("DC_URSB4"));
    EXPECT_FALSE(panneau.SBundo()->icon().isNull());

    QAction enregistrer(QStringLiteral("enregistrer"));
    panneau.setBtEnreg(&enregistrer);
    EXPECT_FALSE(enregistrer.isEnabled());
    dc.AjouterAction(kGenreOnglet, QStringLiteral("Ajouter un onglet"), QString(), QStringLiteral("A0"));
    EXPECT_TRUE(panneau.SBundo()->isEnabled());
    EXPECT_TRUE(panneau.SBundoL()->isEnabled());
    EXPECT_TRUE(enregistrer.isEnabled());
    EXPECT_FALSE(panneau.SBredo()->isEnabled());
    dc.Undo();
    EXPECT_FALSE(panneau.SBundo()->isEnabled());
    EXPECT_FALSE(enregistrer.isEnabled());
    EXPECT_TRUE(panneau.SBredo()->isEnabled());
    EXPECT_TRUE(panneau.SBredoL()->isEnabled());
    dc.Clear();
    EXPECT_FALSE(panneau.SBredo()->isEnabled());
}

TEST(DataControlPanel, OneRecordAndOneDisplayPerChangedFocusMove)
{
    FenetreEdition f;
    FauxCalcul* calcul = f.ouvrir(QStringLiteral("12.5"));
    EXPECT_EQ(f.saisie->text(), QStringLiteral("12.5"));
    const int affichages = f.nbAffichages;

    f.saisir(QStringLiteral("13"));
    EXPECT_EQ(calcul->texte, QStringLiteral("13"));
    EXPECT_EQ(f.nbDefaire(), 1);
    EXPECT_EQ(f.nbAffichages, affichages + 1);

    f.saisie->setFocus(); // focus moves without change
    f.autre->setFocus();
    inactivite();
    EXPECT_EQ(f.nbDefaire(), 1);
    EXPECT_EQ(f.nbAffichages, affichages + 1);
}

TEST(DataControlPanel, ChangeWhileADialogIsActiveWaitsForTheWindow)
{
    FenetreEdition f;
    FauxCalcul* calcul = f.ouvrir(QStringLiteral("a"));
    f.saisie->setFocus();
    QDialog dialogue;
    auto* champ = new QLineEdit(&dialogue);
    auto* champ2 = new QLineEdit(&dialogue);
    new QVBoxLayout(&dialogue);
    dialogue.layout()->addWidget(champ);
    dialogue.layout()->addWidget(champ2);
    dialogue.show();
    dialogue.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialogue));
    f.saisie->setText(QStringLiteral("b")); // changed behind the dialog
    champ->setFocus();
    champ2->setFocus();
    inactivite();
    EXPECT_EQ(f.nbDefaire(), 0);
    EXPECT_EQ(calcul->texte, QStringLiteral("a"));

    dialogue.close();
    f.fenetre.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f.fenetre));
    f.autre->setFocus();
    inactivite();
    EXPECT_EQ(f.nbDefaire(), 1);
    EXPECT_EQ(calcul->texte, QStringLiteral("b"));
}

TEST(DataControlPanel, UndoAndRedoButtonsRecordThePendingEditFirst)
{
    FenetreEdition f;
    FauxCalcul* calcul = f.ouvrir(QStringLiteral("avant"));
    f.saisir(QStringLiteral("milieu"));
    f.saisie->setFocus();
    f.saisie->setText(QStringLiteral("après")); // no focus move before the click
    QTest::mouseClick(f.panneau->SBundo(), Qt::LeftButton);
    inactivite();
    EXPECT_EQ(calcul->texte, QStringLiteral("milieu"));
    EXPECT_EQ(f.saisie->text(), QStringLiteral("milieu"));
    EXPECT_EQ(f.nbDefaire(), 1);
    QTest::mouseClick(f.panneau->SBredo(), Qt::LeftButton);
    inactivite();
    EXPECT_EQ(calcul->texte, QStringLiteral("après"));
    EXPECT_EQ(f.saisie->text(), QStringLiteral("après"));
    QTest::mouseClick(f.panneau->SBundo(), Qt::LeftButton);
    QTest::mouseClick(f.panneau->SBundo(), Qt::LeftButton);
    inactivite();
    EXPECT_EQ(calcul->texte, QStringLiteral("avant"));
    EXPECT_FALSE(f.panneau->SBundo()->isEnabled());
}

TEST(DataControlPanel, FailingUndoIsReportedToTheUser)
{
    FakePlatformServices fake;
    FenetreEdition f;
    f.ouvrir(QStringLiteral("a"));
    f.saisir(QStringLiteral("b"));
    f.dc.setOnLireFiche([](TObjetEdite*) { throw ETolvane(QStringLiteral("Lecture impossible")); });
    QTest::mouseClick(f.panneau->SBundo(), Qt::LeftButton);
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_EQ(fake.messages[0], QStringLiteral("Lecture impossible"));
    EXPECT_FALSE(f.dc.UndoRedoEnCours());
}

TEST(DataControlPanel, PopupSecondRowUndoesTwoStepsAndShowsTheLastOne)
{
    FenetreEdition f;
    FauxCalcul* calcul = f.ouvrir(QStringLiteral("v0"));
    for (int i = 1; i <= 3; ++i) {
        f.relais->setURtext(QStringLiteral("valeur %1").arg(i));
        f.saisir(QStringLiteral("v%1").arg(i));
    }
    QStringList lignes;
    QPoint coin;
    int surlignees = -1;
    QTimer::singleShot(0, [&] {
        TFSelUR* popup = popupOuvert();
        ASSERT_NE(popup, nullptr);
        for (int i = 0; i < popup->LB->count(); ++i)
            lignes << popup->LB->item(i)->text();
        coin = popup->geometry().topLeft();
        const QPoint p = centreLigne(*popup, 1);
        QTest::mouseMove(popup->LB->viewport(), p);
        surlignees = popup->Fsavix;
        QTest::mouseClick(popup->LB->viewport(), Qt::LeftButton, {}, p);
    });
    QTest::mouseClick(f.panneau->SBundoL(), Qt::LeftButton);
    EXPECT_EQ(lignes, (QStringList{QStringLiteral("valeur 3"), QStringLiteral("valeur 2"), QStringLiteral("valeur 1")}));
    EXPECT_EQ(coin, f.panneau->mapToGlobal(QPoint(0, f.panneau->height())) - QPoint(1, 1));
    EXPECT_EQ(surlignees, 2);
    EXPECT_EQ(calcul->texte, QStringLiteral("v1"));
    EXPECT_EQ(f.saisie->text(), QStringLiteral("v1")); // shown without waiting
    EXPECT_EQ(f.nbDefaire(), 1);

    // The redo list opens below the redo button; the pointer leaving the
    // popup closes it with nothing done.
    QTimer::singleShot(0, [&] {
        TFSelUR* popup = popupOuvert();
        ASSERT_NE(popup, nullptr);
        coin = popup->geometry().topLeft();
        QTest::mouseMove(popup, QPoint(popup->width() + 10, 5));
    });
    QTest::mouseClick(f.panneau->SBredoL(), Qt::LeftButton);
    EXPECT_EQ(coin, f.panneau->mapToGlobal(QPoint(f.panneau->width() / 2, f.panneau->height())) - QPoint(1, 1));
    EXPECT_EQ(popupOuvert(), nullptr);
    EXPECT_EQ(calcul->texte, QStringLiteral("v1"));
    EXPECT_EQ(f.nbDefaire(), 1);
}

TEST(DataControlPanel, PopupWidthFitsTheLongestRowWithinItsBounds)
{
    struct Cas {
        QString texte;
        int min;
        int max;
        bool attenduMin; // the width is the minimum (else the maximum)
    };
    const Cas cas[] = {
        {QStringLiteral("court"), 100, 500, true},
        {QString(300, u'm'), 100, 500, false},
    };
    for (const Cas& c : cas) {
        int largeur = 0;
        QTimer::singleShot(0, [&] {
            TFSelUR* popup = popupOuvert();
            ASSERT_NE(popup, nullptr);
            largeur = popup->width();
            popup->close();
        });
        EXPECT_EQ(SelUR(nullptr, 50, 50, c.texte, 100, c.min, c.max), -1);
        EXPECT_EQ(largeur, c.attenduMin ? c.min : c.max);
    }
}

TEST(DataControlPanel, PopupAnswersThePointerAcrossItsWholeWidthFromTheStart)
{
    // The pointer is put in the middle of a wide popup: the rows there answer
    // before they were ever painted.
    QString texte;
    for (int i = 0; i < 30; ++i)
        texte += QStringLiteral("étape %1\r\n").arg(i);
    int surlignees = -1;
    QTimer::singleShot(0, [&] {
        TFSelUR* popup = popupOuvert();
        ASSERT_NE(popup, nullptr);
        // Straight to the handlers: a simulated event would let the rows be
        // painted first.
        const QPoint p = popup->LB->viewport()->mapTo(popup, QPoint(popup->width() / 2, centreLigne(*popup, 2).y()));
        popup->SourisBouge(p);
        surlignees = popup->Fsavix;
        popup->SourisRelachee(p);
        if (popup->isVisible())
            popup->close();
    });
    EXPECT_EQ(SelUR(nullptr, 50, 50, texte.trimmed(), 100, 300, 500), 2);
    EXPECT_EQ(surlignees, 3);
}

TEST(DataControlPanel, PopupScrollsWhileThePointerStaysOnTheMargin)
{
    TFSelUR popup;
    for (int i = 0; i < 12; ++i)
        popup.LB->addItem(QStringLiteral("étape %1").arg(i));
    popup.resize(175, 100);
    popup.show();
    const QPoint marge = popup.mapToGlobal(QPoint(10, popup.PnMrg->y() + 2));
    const QPoint liste = popup.mapToGlobal(QPoint(10, 5));
    popup.Fsavix = 1;
    popup.Repeter(liste);
    EXPECT_EQ(popup.Fsavix, 1); // above the margin: nothing
    for (int i = 0; i < 20; ++i)
        popup.Repeter(marge);
    EXPECT_EQ(popup.Fsavix, 11); // stops below the number of rows - 1
    EXPECT_GT(popup.LB->verticalScrollBar()->value(), 0);
    EXPECT_TRUE(popup.LB->visualItemRect(popup.LB->item(11)).intersects(popup.LB->viewport()->rect()));
}

TEST(DataControlRelays, RelayIsNeverShownAndNamesItsRecords)
{
    QWidget fenetre;
    TDataControl dc;
    auto* relais = new TdcRelais(&fenetre);
    relais->setObjectName(QStringLiteral("dcRelaisVLE"));
    EXPECT_EQ(relais->URtext(), QStringLiteral("dcRelaisVLE"));
    relais->setVisible(true);
    fenetre.show();
    EXPECT_FALSE(relais->isVisible());
    EXPECT_EQ(relais->focusPolicy(), Qt::NoFocus);

    // A disabled relay is not examined; Change still records.
    FauxCalcul calcul(QStringLiteral("A"));
    QString controle;
    QString montre;
    relais->setDataControl(&dc);
    relais->setOnAfficherValeurRelais([&](bool, const QString& v, bool) { controle = montre = v; });
    relais->setOnLireValeurRelais([&](QString& v) { v = controle; });
    relais->setOnLireEtatCdS([&](bool& changed) { changed = controle != montre; });
    dc.setOnGetObjetsAEditer([&] { return QList<TObjetEdite*>{&calcul}; });
    dc.setOnAfficher([&](TObjetEdite* p) {
        if (p)
            relais->AfficherValeur(static_cast<FauxCalcul*>(p)->texte);
    });
    dc.setOnLireFiche([&](TObjetEdite* p) { relais->LireValeur(static_cast<FauxCalcul*>(p)->texte); });
    dc.Afficher();
    inactivite();
    fenetre.setEnabled(false);
    controle = QStringLiteral("B");
    dc.EnregistrerChangements();
    EXPECT_TRUE(dc.aDefaire().isEmpty());
    relais->setURtext(QStringLiteral("Ajouter une section"));
    relais->Change();
    EXPECT_EQ(calcul.texte, QStringLiteral("B"));
    EXPECT_EQ(dc.TexteListeUR(kSensDefaire), QStringLiteral("Ajouter une section"));
}

namespace {

// A memo bound to a data control that edits the texts of the selected objects.
struct BancMemo {
    QWidget fenetre;
    TDataControl dc;
    TdcMemo* memo = nullptr;
    std::vector<std::unique_ptr<FauxCalcul>> objets;
    QList<TObjetEdite*> selection;

    BancMemo()
    {
        memo = new TdcMemo(&fenetre);
        memo->setObjectName(QStringLiteral("MemoFich"));
        memo->setURtext(QStringLiteral("mémo du fichier"));
        memo->setRefuserSaisieMult(true);
        memo->setDataControl(&dc);
        dc.setOnGetObjetsAEditer([this] { return selection; });
        dc.setOnSetSelectionObjets([this](const QList<TObjetEdite*>& o) { selection = o; });
        dc.setOnAfficher([this](TObjetEdite* p) {
            if (p)
                memo->AfficherValeur(static_cast<FauxCalcul*>(p)->texte);
        });
        dc.setOnLireFiche([this](TObjetEdite* p) { memo->LireValeur(static_cast<FauxCalcul*>(p)->texte); });
    }

    void montrer(const QStringList& textes)
    {
        selection.clear();
        for (const QString& t : textes) {
            objets.push_back(std::make_unique<FauxCalcul>(t));
            selection << objets.back().get();
        }
        dc.Afficher();
        inactivite();
    }
};

} // namespace

TEST(DataControlMemo, ValuesDifferMakeItRedAndReadOnly)
{
    BancMemo banc;
    const QColor normal = QApplication::palette(banc.memo).color(QPalette::Base);
    banc.montrer({QStringLiteral("un"), QStringLiteral("deux")});
    EXPECT_TRUE(banc.memo->AffichageMultiple());
    EXPECT_EQ(banc.memo->palette().color(QPalette::Base), QColor(255, 0, 0));
    EXPECT_TRUE(banc.memo->isReadOnly());

    banc.montrer({QStringLiteral("même"), QStringLiteral("même")});
    EXPECT_FALSE(banc.memo->AffichageMultiple());
    EXPECT_EQ(banc.memo->palette().color(QPalette::Base), normal);
    EXPECT_FALSE(banc.memo->isReadOnly());

    banc.memo->setRefuserSaisieMult(false);
    banc.montrer({QStringLiteral("un"), QStringLiteral("deux")});
    EXPECT_EQ(banc.memo->palette().color(QPalette::Base), QColor(255, 0, 0));
    EXPECT_FALSE(banc.memo->isReadOnly());
}

TEST(DataControlMemo, TextAndLinesAreForbidden)
{
    TdcMemo memo;
    memo.setObjectName(QStringLiteral("MemoFich"));
    const QString attendu = QStringLiteral("MemoFich : l'accès à la propriété Lines est interdit");
    const std::function<void()> acces[] = {
        [&] { (void)memo.Text(); },
        [&] { memo.setText(QStringLiteral("x")); },
        [&] { (void)memo.Lines(); },
        [&] { memo.setLines({QStringLiteral("x")}); },
    };
    for (const auto& a : acces) {
        try {
            a();
            ADD_FAILURE() << "no exception";
        } catch (const ETolvane& e) {
            EXPECT_EQ(e.message(), attendu);
        }
    }
}

TEST(DataControlMemo, TextsComeBackExactlyAndShowingIsNoChange)
{
    const QString cas[] = {
        QStringLiteral("fin avec espaces   "),
        QStringLiteral("lignes\r\nvides à la fin\r\n\r\n"),
        QStringLiteral("espace insécable\u00A0: gardé"),
        QStringLiteral("\r\n"),
        QString(),
    };
    for (const QString& texte : cas) {
        BancMemo banc;
        banc.montrer({QStringLiteral("premier"), });
        FauxCalcul* objet = static_cast<FauxCalcul*>(banc.selection.front());
        objet->texte = texte;
        banc.dc.Afficher();
        inactivite();
        banc.dc.EnregistrerChangements(); // shown, untouched: no change
        EXPECT_TRUE(banc.dc.aDefaire().isEmpty()) << texte.toStdString();

        banc.memo->selectAll();
        QTest::keyClicks(banc.memo, QStringLiteral("nouveau"));
        banc.dc.EnregistrerChangements();
        inactivite();
        EXPECT_EQ(objet->texte, QStringLiteral("nouveau"));
        banc.dc.Undo(); // the oldest record of the list
        inactivite();
        EXPECT_EQ(objet->texte, texte);
        banc.dc.EnregistrerChangements();
        EXPECT_TRUE(banc.dc.aDefaire().isEmpty());
    }
}

TEST(DataControlMemo, PasteIsRecordedAtOnce)
{
    BancMemo banc;
    banc.montrer({QStringLiteral("début")});
    QApplication::clipboard()->setText(QStringLiteral(" collé"));
    banc.memo->moveCursor(QTextCursor::End);
    banc.memo->paste();
    FauxCalcul* objet = static_cast<FauxCalcul*>(banc.selection.front());
    EXPECT_EQ(objet->texte, QStringLiteral("début collé"));
    EXPECT_EQ(banc.dc.TexteListeUR(kSensDefaire), QStringLiteral("mémo du fichier"));
}

TEST(DataControlMemo, EveryLineBreakTypedReachesTheObjectAsCrLf)
{
    // Shift+Enter breaks the line inside a paragraph: it must reach the
    // document as the same CR LF as Enter, never as a character that the
    // file's code page cannot hold.
    for (const Qt::KeyboardModifiers touches : {Qt::KeyboardModifiers(Qt::NoModifier), Qt::KeyboardModifiers(Qt::ShiftModifier)}) {
        BancMemo banc;
        banc.montrer({QString()});
        QTest::keyClicks(banc.memo, QStringLiteral("ligne 1"));
        QTest::keyClick(banc.memo, Qt::Key_Return, touches);
        QTest::keyClicks(banc.memo, QStringLiteral("ligne 2"));
        banc.dc.EnregistrerChangements();
        EXPECT_EQ(static_cast<FauxCalcul*>(banc.selection.front())->texte, QStringLiteral("ligne 1\r\nligne 2"))
            << touches.toInt();
    }
}
