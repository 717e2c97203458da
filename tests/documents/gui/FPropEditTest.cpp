#include "support/FakePlatformServices.h"
#include "documents/FileHeader.h"
#include "documents/gui/FPropEdit.h"
#include "settings/PlacedWindow.h"
#include "settings/WinReg.h"
#include "util/FixedPitchFont.h"

#include <QAccessible>
#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace {

const QString kBel = QString(QChar(7));

// The main window as the settings store sees it.
class FenetrePrincipale final : public PlacedWindow {
public:
    QString formName() const override { return QStringLiteral("FBaseM2"); }
    WindowPlacement placement() const override { return {WindowPlacement::State::Normal, QRect(0, 0, 800, 600)}; }
    void setPlacement(const WindowPlacement&) override {}
    QRect desktop() const override { return QRect(0, 0, 1920, 1080); }
};

void inactivite()
{
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

// The dialog over the settings store of a main window, both in a temporary
// folder, with the scripted desktop answering its questions.
struct DialogueProprietes : ::testing::Test {
    QTemporaryDir dossier;
    FakePlatformServices plateforme;
    std::unique_ptr<TWinReg> principal;
    std::unique_ptr<TFPropEdit> dialogue;

    DialogueProprietes()
    {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dossier.path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dossier.path());
        Demarrer();
    }

    // The program starts: the store is loaded, then the dialog is created.
    void Demarrer()
    {
        principal = std::make_unique<TWinReg>(TWinReg::Role::MainWindow);
        principal->SetFenetre(std::make_unique<FenetrePrincipale>());
        principal->setNomAppli(QStringLiteral("Tolvane"));
        principal->setDossierINI(dossier.path());
        principal->setControlKeyQuery([] { return false; });
        principal->ChargeReg(0);
        dialogue = std::make_unique<TFPropEdit>();
    }

    // The program ends: the store is written out.
    void Arreter()
    {
        dialogue.reset();
        ASSERT_TRUE(principal->RangeReg(0));
        principal.reset();
    }

    // Opens the dialog modally on the header; the user's gestures run once it
    // is shown and end with OK or Cancel (Cancel when they did not close it).
    std::optional<QStringList> Editer(const TFileHeader& FH, const std::function<void(TFPropEdit&)>& gestes)
    {
        QTimer::singleShot(0, dialogue.get(), [this, gestes] {
            gestes(*dialogue);
            if (dialogue->isVisible())
                dialogue->reject();
        });
        return dialogue->Editer(FH);
    }

    static void Cliquer(QAbstractButton* bouton)
    {
        QTest::mouseClick(bouton, Qt::LeftButton);
        inactivite();
    }
    static void Ok(TFPropEdit& d) { Cliquer(d.Boutons->button(QDialogButtonBox::Ok)); }
    static void Annuler(TFPropEdit& d) { Cliquer(d.Boutons->button(QDialogButtonBox::Cancel)); }

    // The user types a value in the cell of a grid, as at the keyboard.
    static void SaisirValeur(QTableWidget* grille, int ligne, const QString& valeur)
    {
        grille->setFocus();
        grille->setCurrentCell(ligne, 1);
        QTest::keyClick(grille, Qt::Key_F2);
        inactivite();
        auto* editeur = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        ASSERT_NE(editeur, nullptr) << "F2 opens the cell's editor";
        editeur->selectAll();
        QTest::keyClicks(editeur, valeur);
    }

    static QStringList Lignes(const QTableWidget* grille)
    {
        QStringList lignes;
        for (int i = 0; i < grille->rowCount(); ++i)
            lignes.append(grille->item(i, 0)->text() + u'=' + grille->item(i, 1)->text());
        return lignes;
    }
};

TFileHeader EnteteExemple()
{
    TFileHeader FH;
    FH.SetValeur(QStringLiteral("Auteur"), QStringLiteral("Zoé"));
    FH.SetValeur(QStringLiteral("comments"), QStringLiteral("ligne 1\r\nligne 2"));
    FH.SetValeur(QStringLiteral("Affaire"), QStringLiteral("nef"));
    FH.ClearModified();
    return FH;
}

} // namespace

TEST_F(DialogueProprietes, ShowsTheHeaderAndGivesItBackWithTheCommentLast)
{
    const TFileHeader FH = EnteteExemple();
    const auto entrees = Editer(FH, [](TFPropEdit& d) {
        EXPECT_TRUE(d.isModal());
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Propriétés du fichier"));
        EXPECT_EQ(d.PCpages->currentIndex(), TFPropEdit::PageProprietes);
        QStringList pages;
        for (int i = 0; i < d.PCpages->count(); ++i)
            pages.append(d.PCpages->tabText(i));
        EXPECT_EQ(pages, (QStringList{QStringLiteral("Commentaires"), QStringLiteral("Propriétés"),
                                      QStringLiteral("Noms internes"), QStringLiteral("Divers")}));
        EXPECT_EQ(d.VLEprop->horizontalHeaderItem(0)->text(), QStringLiteral("Propriété"));
        EXPECT_EQ(d.VLEprop->horizontalHeaderItem(1)->text(), QStringLiteral("Valeur"));
        EXPECT_EQ(Lignes(d.VLEprop), (QStringList{QStringLiteral("Auteur=Zoé"), QStringLiteral("Affaire=nef")}));
        EXPECT_EQ(d.MmComm->toPlainText(), QStringLiteral("ligne 1\nligne 2"));
        EXPECT_EQ(d.MmComm->lineWrapMode(), QPlainTextEdit::NoWrap);
        EXPECT_TRUE(d.MmDivers->toPlainText().isEmpty());

        SaisirValeur(d.VLEprop, 1, QStringLiteral("choeur"));
        d.PCpages->setCurrentIndex(TFPropEdit::PageCommentaires);
        d.MmComm->setFocus();
        QTest::keyClick(d.MmComm, Qt::Key_End, Qt::ControlModifier);
        QTest::keyClick(d.MmComm, Qt::Key_Return);
        QTest::keyClicks(d.MmComm, QStringLiteral("ligne 3"));
        Ok(d);
    });
    ASSERT_TRUE(entrees);
    EXPECT_EQ(*entrees, (QStringList{QStringLiteral("Auteur=Zoé"), QStringLiteral("Affaire=choeur"),
                                     QStringLiteral("comments=ligne 1") + kBel + "ligne 2" + kBel + "ligne 3"}));
    EXPECT_FALSE(FH.Modified()) << "the dialog only answers: its caller changes the header";

    TFileHeader applique = FH;
    applique.RemplacerProprietes(*entrees);
    EXPECT_EQ(applique.GetValeur(QStringLiteral("comments")), QStringLiteral("ligne 1\r\nligne 2\r\nligne 3"));
}

TEST_F(DialogueProprietes, AHeaderWithoutPropertiesGetsOneEmptyComment)
{
    const TFileHeader vide;
    const auto entrees = Editer(vide, [](TFPropEdit& d) {
        EXPECT_EQ(d.VLEprop->rowCount(), 0);
        EXPECT_TRUE(d.MmComm->toPlainText().isEmpty());
        Ok(d);
    });
    ASSERT_TRUE(entrees);
    EXPECT_EQ(*entrees, QStringList{QStringLiteral("comments=")});
}

TEST_F(DialogueProprietes, AnExistingNameIsAskedAgainUntilAnotherOrCancel)
{
    plateforme.inputs = {QStringLiteral("auteur"), QStringLiteral("comments"), QStringLiteral("Date"),
                         QStringLiteral("Date"), std::nullopt};
    const auto entrees = Editer(EnteteExemple(), [this](TFPropEdit& d) {
        Cliquer(d.BtAjouter);
        EXPECT_EQ(plateforme.questions, (std::vector<QString>(3, TFPropEdit::kQuestionNom)));
        EXPECT_EQ(plateforme.messages, (std::vector<QString>(2, QStringLiteral("la propriété existe déjà"))));
        EXPECT_EQ(Lignes(d.VLEprop).back(), QStringLiteral("Date="));
        EXPECT_EQ(d.VLEprop->currentRow(), 2) << "the new row, ready for its value";

        Cliquer(d.BtAjouter); // "Date" again, then the question is cancelled
        EXPECT_EQ(plateforme.questions.size(), 5u);
        EXPECT_EQ(plateforme.messages.size(), 3u);
        EXPECT_EQ(d.VLEprop->rowCount(), 3);
        SaisirValeur(d.VLEprop, 2, QStringLiteral("12 mars"));
        Ok(d);
    });
    ASSERT_TRUE(entrees);
    EXPECT_EQ(*entrees, (QStringList{QStringLiteral("Auteur=Zoé"), QStringLiteral("Affaire=nef"),
                                     QStringLiteral("Date=12 mars"),
                                     QStringLiteral("comments=ligne 1") + kBel + "ligne 2"}));
}

TEST_F(DialogueProprietes, DeletingAsksFirstAndCancelGivesNothingBack)
{
    plateforme.answers = {PlatformServices::Answer::No, PlatformServices::Answer::Yes};
    plateforme.inputs = {QStringLiteral("Nouvelle")};
    const auto entrees = Editer(EnteteExemple(), [this](TFPropEdit& d) {
        d.VLEprop->setCurrentCell(0, 1);
        Cliquer(d.BtSupprimer);
        EXPECT_EQ(d.VLEprop->rowCount(), 2) << "answered No";
        Cliquer(d.BtSupprimer);
        EXPECT_EQ(plateforme.questions,
                  (std::vector<QString>(2, QStringLiteral("supprimer la propriété Auteur ?"))));
        EXPECT_EQ(Lignes(d.VLEprop), QStringList{QStringLiteral("Affaire=nef")});
        Cliquer(d.BtAjouter);
        EXPECT_EQ(d.VLEprop->rowCount(), 2);
        Annuler(d);
    });
    EXPECT_FALSE(entrees);

    // Opened again, the dialog shows the header as it is, not the cancelled rows.
    const auto encore = Editer(EnteteExemple(), [](TFPropEdit& d) {
        EXPECT_EQ(Lignes(d.VLEprop), (QStringList{QStringLiteral("Auteur=Zoé"), QStringLiteral("Affaire=nef")}));
        Ok(d);
    });
    ASSERT_TRUE(encore);
    EXPECT_EQ(encore->size(), 3);
}

TEST_F(DialogueProprietes, TheButtonsActOnTheGridOfThePageInFront)
{
    plateforme.inputs = {QStringLiteral("AUT")};
    Editer(EnteteExemple(), [this](TFPropEdit& d) {
        d.PCpages->setCurrentIndex(TFPropEdit::PageCommentaires);
        EXPECT_FALSE(d.BtAjouter->isVisible());
        EXPECT_FALSE(d.BtSupprimer->isVisible());

        d.PCpages->setCurrentIndex(TFPropEdit::PageDivers);
        EXPECT_TRUE(d.BtAjouter->isVisible());
        Cliquer(d.BtAjouter);
        Cliquer(d.BtSupprimer);
        EXPECT_TRUE(plateforme.questions.empty()) << "no list on the page \"Divers\"";

        d.PCpages->setCurrentIndex(TFPropEdit::PageNomsInternes);
        EXPECT_EQ(d.VLEnomsint->horizontalHeaderItem(0)->text(), QStringLiteral("nom interne"));
        EXPECT_EQ(d.VLEnomsint->horizontalHeaderItem(1)->text(), QStringLiteral("propriété associée"));
        EXPECT_EQ(d.LbNote->text(), TFPropEdit::kNoteNomsInternes);
        EXPECT_TRUE(d.LbNote->isVisible());
        Cliquer(d.BtAjouter);
        EXPECT_EQ(Lignes(d.VLEnomsint), QStringList{QStringLiteral("AUT=")});
        EXPECT_EQ(d.VLEprop->rowCount(), 2);
        Annuler(d);
    });
}

TEST_F(DialogueProprietes, TheInternalNamesSurviveARestartOfTheProgram)
{
    plateforme.inputs = {QStringLiteral("AUT"), QStringLiteral("AFF")};
    // Kept in the settings after OK as after Cancel: they are no part of the document.
    Editer(TFileHeader(), [](TFPropEdit& d) {
        d.PCpages->setCurrentIndex(TFPropEdit::PageNomsInternes);
        Cliquer(d.BtAjouter);
        SaisirValeur(d.VLEnomsint, 0, QStringLiteral("Auteur"));
        Cliquer(d.BtAjouter);
        d.resize(610, 430);
        Annuler(d);
    });
    Arreter();
    EXPECT_EQ(QSettings(QStringLiteral("Vok"), QStringLiteral("Tolvane")).value(QStringLiteral("FPropEdit/HeaderData")).toString(),
              QStringLiteral("AUT=Auteur\r\nAFF=\r\n"));

    Demarrer();
    EXPECT_EQ(Lignes(dialogue->VLEnomsint), (QStringList{QStringLiteral("AUT=Auteur"), QStringLiteral("AFF=")}));
    EXPECT_EQ(dialogue->size(), QSize(610, 430)) << "its placement comes back too";
}

TEST_F(DialogueProprietes, KeyboardAndAssistiveTechnologiesReachEveryControl)
{
    Editer(EnteteExemple(), [](TFPropEdit& d) {
        d.activateWindow();
        d.VLEprop->setFocus();
        inactivite();
        // Ctrl+Tab from inside a page goes to the next page, also from a memo.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
        EXPECT_EQ(d.PCpages->currentIndex(), TFPropEdit::PageNomsInternes);
        d.PCpages->setCurrentIndex(TFPropEdit::PageCommentaires);
        d.MmComm->setFocus();
        QTest::keyClick(d.MmComm, Qt::Key_Tab, Qt::ControlModifier);
        EXPECT_EQ(d.PCpages->currentIndex(), TFPropEdit::PageProprietes);
        // Tab leaves a memo or a grid for the next control.
        d.PCpages->setCurrentIndex(TFPropEdit::PageCommentaires);
        d.MmComm->setFocus();
        QTest::keyClick(d.MmComm, Qt::Key_Tab);
        EXPECT_NE(QApplication::focusWidget(), d.MmComm);
        EXPECT_FALSE(d.MmComm->toPlainText().contains(u'\t'));
        d.PCpages->setCurrentIndex(TFPropEdit::PageProprietes);
        d.VLEprop->setFocus();
        QTest::keyClick(d.VLEprop, Qt::Key_Tab);
        EXPECT_NE(QApplication::focusWidget(), d.VLEprop);

        for (QWidget* w : std::initializer_list<QWidget*>{d.MmComm, d.VLEprop, d.VLEnomsint, d.MmDivers}) {
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
            ASSERT_NE(a, nullptr);
            EXPECT_FALSE(a->text(QAccessible::Name).isEmpty()) << w->objectName().toStdString();
            EXPECT_TRUE(MesureChasseFixe(w->font())) << w->objectName().toStdString();
        }
        for (QAbstractButton* b : {static_cast<QAbstractButton*>(d.BtAjouter), static_cast<QAbstractButton*>(d.BtSupprimer)})
            EXPECT_NE(b->focusPolicy() & Qt::TabFocus, 0) << b->text().toStdString();
        Annuler(d);
    });
}

TEST_F(DialogueProprietes, AValueStillBeingTypedCountsWhenTheDialogIsConfirmed)
{
    const auto entrees = Editer(EnteteExemple(), [](TFPropEdit& d) {
        SaisirValeur(d.VLEprop, 0, QStringLiteral("Paul"));
        ASSERT_NE(qobject_cast<QLineEdit*>(QApplication::focusWidget()), nullptr) << "the cell is still being edited";
        // Confirmed without leaving the cell, as the default button does from the keyboard.
        d.accept();
    });
    ASSERT_TRUE(entrees);
    EXPECT_EQ(entrees->front(), QStringLiteral("Auteur=Paul"));
}
