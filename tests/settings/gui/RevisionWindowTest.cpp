#include "support/gui/ModalDialog.h"
#include "settings/SettingsFixture.h"

#include "settings/gui/FinfoRev.h"
#include "settings/gui/PlacedWidget.h"

#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace {

// One run of the application as the revision window sees it: the main
// window's store loaded, the revision window made, shown at start-up when due,
// its settings stored at the end.
class FenetreRevision : public SettingsTest {
protected:
    FenetreRevision()
    {
        TFinfoRev::setAffichageDemarrage([this](TFinfoRev& fenetre) {
            ++affichages;
            EXPECT_FALSE(fenetre.isVisible());
        });
    }
    ~FenetreRevision() override { TFinfoRev::setAffichageDemarrage({}); }

    struct Execution {
        QWidget principale;
        std::unique_ptr<TWinReg> WR;
        std::unique_ptr<TFinfoRev> fenetre;
    };

    std::unique_ptr<Execution> Demarrer(const QString& revision)
    {
        auto execution = std::make_unique<Execution>();
        execution->principale.setObjectName(QStringLiteral("FBaseM2"));
        execution->WR = std::make_unique<TWinReg>(TWinReg::Role::MainWindow);
        execution->WR->setNomAppli(QStringLiteral("Tolvane"));
        AttacherFenetre(*execution->WR, execution->principale);
        execution->WR->ChargeReg(0);
        execution->fenetre = TFinfoRev::Creer(&execution->principale, revision);
        execution->fenetre->InitialShow();
        return execution;
    }

    void Terminer(Execution& execution)
    {
        execution.fenetre->RangerReglages();
        ASSERT_TRUE(execution.WR->RangeReg(0));
    }

    // The user ticks or unticks the box in the window shown by the about
    // command, then closes it.
    void BasculerCase(TFinfoRev& fenetre)
    {
        PendantDialogue<QDialog>([](QDialog& dialogue) {
            auto& revision = dynamic_cast<TFinfoRev&>(dialogue);
            QTest::mouseClick(revision.CkBxNoAffi, Qt::LeftButton, {}, QPoint(8, revision.CkBxNoAffi->height() / 2));
            QTest::mouseClick(revision.OKBtn, Qt::LeftButton);
        });
        fenetre.executer();
    }

    int affichages = 0;
};

const QString kRevision1 = QStringLiteral("Révision 1.0.0.0");
const QString kRevision2 = QStringLiteral("Révision 1.1.0.0");

} // namespace

TEST_F(FenetreRevision, ShowsTheRevisionAndItsBox)
{
    auto execution = Demarrer(kRevision1);
    const TFinfoRev& fenetre = *execution->fenetre;
    EXPECT_EQ(fenetre.windowTitle(), QStringLiteral("Tolvane"));
    EXPECT_EQ(fenetre.LbRev->text(), kRevision1);
    EXPECT_EQ(fenetre.CkBxNoAffi->text(), QStringLiteral("ne plus afficher cette fenêtre au démarrage"));
    EXPECT_FALSE(fenetre.CkBxNoAffi->isChecked());
    EXPECT_TRUE(fenetre.MemoRev->isReadOnly());
}

TEST_F(FenetreRevision, ShownAtEachStartUntilTickedThenAgainForANewRevision)
{
    {
        auto premiere = Demarrer(kRevision1);
        EXPECT_EQ(affichages, 1);
        premiere->fenetre->InitialShow();
        EXPECT_EQ(affichages, 1) << "at most once per run";
        Terminer(*premiere);
    }
    {
        auto deuxieme = Demarrer(kRevision1);
        EXPECT_EQ(affichages, 2) << "not ticked: shown again";
        BasculerCase(*deuxieme->fenetre);
        EXPECT_TRUE(deuxieme->fenetre->CkBxNoAffi->isChecked());
        Terminer(*deuxieme);
    }
    EXPECT_EQ(Stored(QStringLiteral("Vok"), QStringLiteral("FinfoRev/InfoVersNoAff")), kRevision1);
    {
        auto troisieme = Demarrer(kRevision1);
        EXPECT_EQ(affichages, 2) << "ticked for this revision";
        EXPECT_TRUE(troisieme->fenetre->CkBxNoAffi->isChecked());
        Terminer(*troisieme);
    }
    auto nouvelle = Demarrer(kRevision2);
    EXPECT_EQ(affichages, 3) << "a new revision shows it again";
    EXPECT_FALSE(nouvelle->fenetre->CkBxNoAffi->isChecked());
}

TEST_F(FenetreRevision, UntickingTheBoxBringsTheWindowBackAtTheNextStart)
{
    {
        auto execution = Demarrer(kRevision1);
        BasculerCase(*execution->fenetre);
        Terminer(*execution);
    }
    {
        auto execution = Demarrer(kRevision1);
        ASSERT_EQ(affichages, 1);
        BasculerCase(*execution->fenetre);
        EXPECT_FALSE(execution->fenetre->CkBxNoAffi->isChecked());
        Terminer(*execution);
    }
    Demarrer(kRevision1);
    EXPECT_EQ(affichages, 2);
}

TEST_F(FenetreRevision, DefaultStartUpDisplayOpensTheWindowWithoutWaiting)
{
    TFinfoRev::setAffichageDemarrage({});
    const QByteArray sans = qgetenv("TOLVANE_SANS_FENETRE_REVISION");
    qunsetenv("TOLVANE_SANS_FENETRE_REVISION");
    auto execution = Demarrer(kRevision1);
    qputenv("TOLVANE_SANS_FENETRE_REVISION", sans.isEmpty() ? QByteArray("1") : sans);
    EXPECT_TRUE(execution->fenetre->isVisible());
    EXPECT_TRUE(execution->fenetre->isModal());
    execution->fenetre->close();

    auto automatique = Demarrer(kRevision2);
    EXPECT_FALSE(automatique->fenetre->isVisible()) << "automated runs see no window";
}
