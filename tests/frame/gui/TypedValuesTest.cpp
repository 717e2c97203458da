// What the engineer types is what is computed, saved and undone: typed
// through the real main window, with the keyboard, then checked in the model,
// the history and the file.

#include "support/FakePlatformServices.h"
#include "support/gui/ChurchWindow.h"
#include "documents/Calcul.h"
#include "documents/FichPb.h"
#include "editing/DataControl.h"
#include "editing/UndoRecords.h"
#include "editing/gui/DcMemo.h"
#include "files/DocFich.h"
#include "frame/gui/FTolvane.h"
#include "frame/gui/HostedButtressFrame.h"
#include "model/ButtressText.h"
#include "model/Calculation.h"
#include "model/DonneesAppli.h"
#include "model/SheetRows.h"
#include "shell/DocumentSession.h"
#include "shell/gui/DcTabControl.h"
#include "shell/gui/FBaseM2.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QByteArray Octets(const QString& chemin)
{
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The church example with values the sheet rounds: the first ressaut of C3
// has a level of 3.534 m, a length of 2.005 m, a strength of 2.25 MPa and a
// friction angle of 0.6 rad.
const QByteArray kSectionExacte = "3.534\t2.005\t1\t0\t2200\t2.25\t0.6\t";
const QByteArray kSectionExemple = "3.5\t2\t1\t0\t2200\t4\t0.610865238198015\t";

struct SaisieDansLaFenetre : FenetreEglise {
    void SetUp() override
    {
        FenetreEglise::SetUp();
        QByteArray octets = Octets(chemin);
        ASSERT_TRUE(octets.contains(kSectionExemple));
        octets.replace(kSectionExemple, kSectionExacte);
        QFile f(chemin);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(octets);
        f.close();
        Demarrer({chemin}, FabriqueCadreContrefort());
        cadre = fenetre->findChild<TFTolvane*>();
        ASSERT_NE(cadre, nullptr);
    }

    TFTolvane* cadre = nullptr;

    const TFichPb& document() const { return *fenetre->Session().Document(); }
    TCalcul& calcul(int i) const { return *document().Calculs()[i]; }
    QTableView& vle() const { return *cadre->VLE; }

    void CliquerOnglet(int ix, Qt::KeyboardModifiers modificateurs = {})
    {
        TdcTabControl* onglets = fenetre->TC();
        QTest::mouseClick(onglets, Qt::LeftButton, modificateurs,
                          QPoint(onglets->GaucheOnglet(ix) + 10, onglets->height() / 2));
        inactivite();
    }

    // The user types into a cell of the sheet and stays in it: no Enter, no
    // other control clicked.
    QLineEdit* TaperSansQuitter(int ligne, const QString& valeur)
    {
        const QModelIndex cellule = vle().model()->index(ligne, 1);
        vle().setFocus();
        vle().setCurrentIndex(cellule);
        vle().edit(cellule);
        inactivite();
        auto* editeur = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        if (!editeur)
            return nullptr;
        editeur->selectAll();
        QTest::keyClicks(editeur, valeur);
        return editeur;
    }

    void Taper(int ligne, const QString& valeur)
    {
        QLineEdit* editeur = TaperSansQuitter(ligne, valeur);
        ASSERT_NE(editeur, nullptr);
        QTest::keyClick(editeur, Qt::Key_Return);
        inactivite();
    }

    void CtrlS()
    {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::ControlModifier);
        inactivite();
    }

    // The document as the file holds it now, read afresh.
    std::unique_ptr<TFichPb> Relu() const
    {
        auto relu = std::make_unique<TFichPb>();
        bool ok = false;
        bool modif = false;
        relu->Lire(chemin, ok, modif);
        EXPECT_TRUE(ok);
        return relu;
    }
};

} // namespace

TEST_F(SaisieDansLaFenetre, CtrlSSavesWhatIsTypedInTheMemoWithoutLeavingIt)
{
    fenetre->MemoFich()->setFocus();
    QTest::keyClick(fenetre->MemoFich(), Qt::Key_End, Qt::ControlModifier);
    QTest::keyClicks(fenetre->MemoFich(), QStringLiteral(" mur nord"));
    EXPECT_TRUE(fenetre->AcFichEnr->isEnabled()) << "what is typed can be saved at once";
    CtrlS();
    EXPECT_TRUE(Relu()->MemoFich.endsWith(QStringLiteral(" mur nord")));
    EXPECT_FALSE(fenetre->AcFichEnr->isEnabled());
}

TEST_F(SaisieDansLaFenetre, CtrlSSavesAValueTypedInTheSheetWithoutEnter)
{
    CliquerOnglet(1);
    const int ligne = TSheetRows::Ligne(0, 3); // width of the first section, cm
    QLineEdit* editeur = TaperSansQuitter(ligne, QStringLiteral("125"));
    ASSERT_NE(editeur, nullptr);
    EXPECT_TRUE(fenetre->AcFichEnr->isEnabled()) << "what is typed can be saved at once";
    CtrlS();
    EXPECT_EQ(Relu()->Calculs()[0]->DAP->Data.Sections[0].se_lrgsec, 1.25);
    EXPECT_EQ(calcul(0).DAP->Data.Sections[0].se_lrgsec, 1.25);
}

TEST_F(SaisieDansLaFenetre, AValueTypedWithoutEnterIsNeitherLostAtCloseNorReplacedByATabClick)
{
    CliquerOnglet(1);
    ASSERT_NE(TaperSansQuitter(TSheetRows::Ligne(0, 3), QStringLiteral("125")), nullptr);
    CliquerOnglet(2);
    EXPECT_EQ(calcul(0).DAP->Data.Sections[0].se_lrgsec, 1.25) << "kept when another tab is clicked";
    EXPECT_EQ(DecouperEnregUR(fenetre->Session().DC().aDefaire()).libelle, QStringLiteral("changement d'une valeur"));

    CliquerOnglet(1);
    ASSERT_NE(TaperSansQuitter(TSheetRows::Ligne(0, 3), QStringLiteral("130")), nullptr);
    plateforme.answers.push_back(PlatformServices::Answer::Cancel);
    EXPECT_FALSE(fenetre->close()) << "closing asks about the unsaved value";
    ASSERT_EQ(plateforme.questions.size(), 1u);
    EXPECT_EQ(calcul(0).DAP->Data.Sections[0].se_lrgsec, 1.30);
}

// Typing a comment changes the comment and nothing else: every other value
// of the calculation is saved byte for byte as the file held it.
TEST_F(SaisieDansLaFenetre, TypingACommentLeavesEveryOtherValueAsTheFileHeldIt)
{
    const QByteArray avant = Octets(chemin);
    CliquerOnglet(1);
    Taper(0, QStringLiteral("verifie sur place"));
    Taper(TSheetRows::Ligne(1, 7), QStringLiteral("0.75")); // shown "0.8"
    Taper(TSheetRows::Ligne(2, 31), QStringLiteral("ressaut repris"));
    EXPECT_EQ(vle().model()->index(TSheetRows::Ligne(1, 7), 1).data().toString(), QStringLiteral("0.8"));
    CtrlS();

    const auto relu = Relu();
    const TData& lu = relu->Calculs()[0]->DAP->Data;
    EXPECT_EQ(lu.Sections[1].se_niveau, 3.534);
    EXPECT_EQ(lu.Sections[1].se_htrsec, 2.005);
    EXPECT_EQ(lu.Sections[1].se_resistance, 0.75);
    EXPECT_EQ(lu.Sections[1].se_angfrottrad, 0.6);
    // Every section line but the one typed into is the file's own.
    const QByteArray apres = Octets(chemin);
    for (const QByteArray& ligne : avant.split('\n')) {
        if (ligne.count('\t') > 20 && !ligne.contains("ressaut\r") && !ligne.startsWith("3.534")) {
            EXPECT_TRUE(apres.contains(ligne)) << ligne.toStdString();
        }
    }
    EXPECT_TRUE(apres.contains(QByteArray("3.534\t2.005\t1\t0\t2200\t0.75\t0.6\t")));
}

// Undo brings a calculation's tab back: the results then belong to that
// calculation, computed on the data undo restored.
TEST_F(SaisieDansLaFenetre, ResultsAfterAnUndoAreThoseOfTheCalculationShown)
{
    CliquerOnglet(1);
    const double longueur = calcul(0).DAP->Data.Sections[0].se_htrsec;
    Taper(TSheetRows::Ligne(0, 2), QStringLiteral("150"));
    cadre->PCPages->setCurrentIndex(2);
    inactivite();
    cadre->PCPages->setCurrentIndex(0);
    inactivite();
    CliquerOnglet(2);
    fenetre->AcEditUndo->trigger();
    inactivite();
    EXPECT_EQ(calcul(0).DAP->Data.Sections[0].se_htrsec, longueur);
    ASSERT_EQ(document().CalculsSel().size(), 1);
    EXPECT_EQ(document().CalculsSel()[0], &calcul(0)) << "the document's selection follows the undo";

    cadre->PCPages->setCurrentIndex(2);
    inactivite();
    TDonneesAppli frais;
    frais.Data = calcul(0).DAP->Data;
    frais.Calculer();
    EXPECT_EQ(calcul(0).DAP->Data.StatutGlobal, frais.Data.StatutGlobal);
    EXPECT_EQ(cadre->PnStatutCalcul->text(), TexteStatutCalcul(frais.Data.StatutGlobal));
    EXPECT_EQ(cadre->ModeleCourant(), calcul(0).DAP.get());
}

TEST_F(SaisieDansLaFenetre, WithSeveralTabsSelectedAnEditGoesIntoEachAndLosesNoSection)
{
    CliquerOnglet(1);
    CliquerOnglet(2, Qt::ControlModifier);
    ASSERT_EQ(fenetre->Session().DC().NbObjets(), 2);
    const qsizetype n0 = calcul(0).DAP->Data.Sections.size();
    const qsizetype n1 = calcul(1).DAP->Data.Sections.size();
    const QString texte0 = DataVersTexte(calcul(0).DAP->Data);

    Taper(0, QStringLiteral("campagne 2026"));
    for (int i : {0, 1}) {
        EXPECT_EQ(calcul(i).DAP->Data.Comment, QStringLiteral("campagne 2026"));
    }
    EXPECT_EQ(calcul(0).DAP->Data.Sections.size(), n0);
    EXPECT_EQ(calcul(1).DAP->Data.Sections.size(), n1);
    TData attendu = calcul(0).DAP->Data;
    attendu.Comment = QString();
    QString sansCommentaire = DataVersTexte(attendu);
    TData origine;
    QString t = texte0;
    TexteVersData(t, origine);
    origine.Comment = QString();
    EXPECT_EQ(sansCommentaire, DataVersTexte(origine)) << "nothing but the comment changed";

    cadre->ActionSection(CommandeSection::AjouterEnFin)->trigger();
    inactivite();
    EXPECT_EQ(calcul(0).DAP->Data.Sections.size(), n0 + 1);
    EXPECT_EQ(calcul(1).DAP->Data.Sections.size(), n1 + 1);
    EXPECT_EQ(DecouperEnregUR(fenetre->Session().DC().aDefaire()).libelle, QStringLiteral("ajouter une section"));

    plateforme.messages.clear();
    cadre->ActionSection(CommandeSection::SupprimerActive)->trigger();
    inactivite();
    EXPECT_EQ(calcul(0).DAP->Data.Sections.size(), n0 + 1);
    ASSERT_EQ(plateforme.messages.size(), 1u);
    EXPECT_TRUE(plateforme.messages[0].contains(QStringLiteral("Plusieurs calculs")));

    fenetre->AcEditUndo->trigger();
    inactivite();
    fenetre->AcEditUndo->trigger();
    inactivite();
    EXPECT_EQ(DataVersTexte(calcul(0).DAP->Data), texte0) << "two steps undone";
}

TEST_F(SaisieDansLaFenetre, TheSheetWidthIsKeptWhateverPageIsShownAtExit)
{
    CliquerOnglet(1);
    const int total = cadre->Splitter1->width();
    cadre->Splitter1->setSizes({420, total - 420});
    inactivite();
    const int largeur = cadre->Splitter1->sizes().value(0);
    ASSERT_NEAR(largeur, 420, 2);
    cadre->PCPages->setCurrentIndex(2);
    inactivite();
    plateforme.answers.push_back(PlatformServices::Answer::No);
    ASSERT_TRUE(fenetre->close());
    fenetre.reset();
    Demarrer({chemin}, FabriqueCadreContrefort());
    cadre = fenetre->findChild<TFTolvane*>();
    CliquerOnglet(1);
    EXPECT_EQ(cadre->Splitter1->sizes().value(0), largeur);
}

// The automatic save keeps what is being typed in its side file, and leaves
// the history, the data and the edit in progress as they were.
TEST_F(SaisieDansLaFenetre, TheAutomaticSaveWritesTheValueBeingTypedWithoutRecordingIt)
{
    CliquerOnglet(1);
    Taper(TSheetRows::Ligne(0, 2), QStringLiteral("250")); // a confirmed edit: the document is modified
    const QString historique = fenetre->Session().DC().aDefaire();
    const QString donnees = DataVersTexte(calcul(0).DAP->Data);
    const bool modifie = fenetre->Session().CompteurModifications()->Modified();
    QLineEdit* editeur = TaperSansQuitter(TSheetRows::Ligne(0, 3), QStringLiteral("135"));
    ASSERT_NE(editeur, nullptr);

    const QString cote = chemin + QStringLiteral(".SVG");
    TDoUndo* DU = nullptr;
    bool ok = false;
    bool modif = false;
    fenetre->Session().DFEcrire(cote, TDocumentSession::kModeSauvegardeAuto, DU, ok, modif);
    ASSERT_TRUE(ok);
    TFichPb secours;
    secours.Lire(cote, ok, modif);
    ASSERT_TRUE(ok);
    EXPECT_EQ(secours.Calculs()[0]->DAP->Data.Sections[0].se_lrgsec, 1.35) << "the value being typed";
    EXPECT_EQ(secours.Calculs()[0]->DAP->Data.Sections[0].se_htrsec, 2.5) << "the confirmed one";

    EXPECT_EQ(fenetre->Session().DC().aDefaire(), historique);
    EXPECT_EQ(DataVersTexte(calcul(0).DAP->Data), donnees);
    EXPECT_EQ(fenetre->Session().CompteurModifications()->Modified(), modifie);
    EXPECT_EQ(QApplication::focusWidget(), editeur) << "the user goes on typing";
    QTest::keyClick(editeur, Qt::Key_Return);
    inactivite();
    EXPECT_EQ(calcul(0).DAP->Data.Sections[0].se_lrgsec, 1.35);
}
