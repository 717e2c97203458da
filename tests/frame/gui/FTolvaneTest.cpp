#include "FrameWindow.h"

#include "drawing/gui/DrawingOptionsPanel.h"
#include "drawing/gui/FrmPbx.h"
#include "editing/UndoRecords.h"
#include "editing/gui/Navigator.h"
#include "frame/gui/SheetGridModel.h"
#include "model/ButtressText.h"
#include "report/HtmlDocument.h"
#include "report/gui/NoteView.h"

#include "settings/PlacedWindow.h"
#include "settings/WinReg.h"

#include <QAccessible>
#include <QSettings>
#include <QSplitter>
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableView>
#include <gtest/gtest.h>

namespace {

QStringList libellesDefaire(const TDataControl& dc)
{
    QStringList libelles;
    for (const QString& enreg : EnregsDeListe(dc.aDefaire()))
        libelles << DecouperEnregUR(enreg).libelle;
    return libelles;
}

QString valeur(const FenetreCadre& f, int ligne) { return f.cadre->Fiche().Lignes().LigneFiche(ligne).valeur; }

// Types a value into a row of the grid from the keyboard and confirms it.
void taper(FenetreCadre& f, int ligne, const QString& texte)
{
    QTableView* vle = f.cadre->VLE;
    f.fenetre->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(f.fenetre.get()));
    vle->setFocus();
    vle->setCurrentIndex(vle->model()->index(ligne, 1));
    QTest::keyClick(vle, Qt::Key_F2);
    QWidget* editeur = QApplication::focusWidget();
    ASSERT_NE(editeur, vle);
    QTest::keyClick(editeur, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(editeur, texte);
    QTest::keyClick(editeur, Qt::Key_Return);
    FenetreCadre::inactivite();
}

} // namespace

TEST(CadreTolvane, ShowsTheSelectedCalculationOnTheDataPage)
{
    FenetreCadre f;
    ASSERT_TRUE(f.ouvrir("eglise-contreforts.Tolvane"));
    f.selectionner({0});
    EXPECT_EQ(f.vue.page, TVueSession::Page::Calcul);
    EXPECT_EQ(f.cadre->PageActive(), PageCadre::Donnees);
    const TData& data = f.calcul(0).DAP->Data;
    EXPECT_EQ(f.cadre->VLE->model()->rowCount(), 2 + 32 * int(data.Sections.size()));
    EXPECT_EQ(valeur(f, 0), data.Comment);
    EXPECT_EQ(f.cadre->MmInfo->toPlainText().split(QLatin1Char('\n')).size(), 3);
    EXPECT_TRUE(f.cadre->MmInfo->isReadOnly());
    // The drawing sits beside the sheet and shows this buttress.
    EXPECT_EQ(f.cadre->Pbx->parentWidget(), f.cadre->PnImg);
    EXPECT_TRUE(f.cadre->Pbx->Texte().startsWith(QStringLiteral("REPERE\t255")));
    // Bold section titles, italic groups, plain values.
    const QAbstractItemModel* m = f.cadre->VLE->model();
    EXPECT_TRUE(m->data(m->index(2, 0), Qt::FontRole).value<QFont>().bold());
    EXPECT_TRUE(m->data(m->index(2 + 5, 0), Qt::FontRole).value<QFont>().italic());
    EXPECT_FALSE(m->data(m->index(2 + 1, 0), Qt::FontRole).isValid());
    EXPECT_FALSE(m->flags(m->index(2, 1)) & Qt::ItemIsEditable);
    EXPECT_TRUE(m->flags(m->index(3, 1)) & Qt::ItemIsEditable);
    EXPECT_FALSE(m->flags(m->index(3, 0)) & Qt::ItemIsEditable);
}

TEST(CadreTolvane, AnEditThroughTheGridIsOneUndoRecordAndUndoRestoresCellAndDrawing)
{
    FenetreCadre f;
    ASSERT_TRUE(f.ouvrir("eglise-contreforts.Tolvane"));
    f.selectionner({0});
    const int ligneLongueur = TSheetRows::Ligne(0, 2);
    const QString avant = valeur(f, ligneLongueur);
    const QString dessinAvant = f.cadre->Pbx->Texte();
    const double longueurAvant = f.calcul(0).DAP->Data.Sections[0].se_htrsec;

    taper(f, ligneLongueur, QStringLiteral("85"));
    EXPECT_DOUBLE_EQ(f.calcul(0).DAP->Data.Sections[0].se_htrsec, 0.85);
    EXPECT_EQ(libellesDefaire(f.session.DC()), QStringList{QStringLiteral("changement d'une valeur")});
    EXPECT_EQ(valeur(f, ligneLongueur), QStringLiteral("85"));
    EXPECT_NE(f.cadre->Pbx->Texte(), dessinAvant);
    // The cell keeps the keyboard where it was.
    EXPECT_EQ(f.cadre->VLE->currentIndex().row(), ligneLongueur);

    // Moving the focus without a change records nothing more.
    f.cadre->BtEditerlessections->setFocus();
    f.inactivite();
    EXPECT_EQ(libellesDefaire(f.session.DC()).size(), 1);

    f.session.DC().Undo();
    f.inactivite();
    EXPECT_DOUBLE_EQ(f.calcul(0).DAP->Data.Sections[0].se_htrsec, longueurAvant);
    EXPECT_EQ(valeur(f, ligneLongueur), avant);
    EXPECT_EQ(f.cadre->Pbx->Texte(), dessinAvant);
}

TEST(CadreTolvane, SectionCommandsAreRecordedUnderTheirLabelsAndUndone)
{
    FenetreCadre f;
    ASSERT_TRUE(f.ouvrir("exemple-combinaisons.Tolvane"));
    f.selectionner({0});
    const int n = int(f.calcul(0).DAP->Data.Sections.size());
    const QString texteAvant = DataVersTexte(f.calcul(0).DAP->Data);

    f.cadre->VLE->setCurrentIndex(f.cadre->VLE->model()->index(TSheetRows::Ligne(1, 3), 1));
    f.cadre->PPMed->popup(QPoint(0, 0));
    EXPECT_EQ(f.cadre->ActionSection(CommandeSection::InsererAvantActive)->text(),
              QStringLiteral("Insérer une section avant la section active (2)"));
    EXPECT_EQ(f.cadre->ActionSection(CommandeSection::SupprimerActive)->text(),
              QStringLiteral("Supprimer la section active (2)"));
    f.cadre->PPMed->hide();

    for (CommandeSection c : {CommandeSection::AjouterEnFin, CommandeSection::InsererAvantActive,
                              CommandeSection::SupprimerActive, CommandeSection::SupprimerDerniere}) {
        f.cadre->ActionSection(c)->trigger();
        f.inactivite();
    }
    EXPECT_EQ(libellesDefaire(f.session.DC()),
              (QStringList{QStringLiteral("supprimer la dernière section"), QStringLiteral("supprimer la section active"),
                           QStringLiteral("insérer une section"), QStringLiteral("ajouter une section")}));
    EXPECT_EQ(f.calcul(0).DAP->Data.Sections.size(), n);
    // A value typed afterwards is a plain value change again.
    taper(f, TSheetRows::Ligne(0, 1), QStringLiteral("0.10"));
    EXPECT_EQ(libellesDefaire(f.session.DC()).front(), QStringLiteral("changement d'une valeur"));

    // Each undo brings back the sections as they stood before the command.
    f.session.DC().Undo();
    f.inactivite();
    f.session.DC().Undo();
    f.inactivite();
    EXPECT_EQ(f.calcul(0).DAP->Data.Sections.size(), n + 1);
    f.session.DC().Undo();
    f.session.DC().Undo();
    f.session.DC().Undo();
    f.inactivite();
    EXPECT_EQ(DataVersTexte(f.calcul(0).DAP->Data), texteAvant);
    EXPECT_EQ(f.cadre->Fiche().Lignes().NbSections(), n);
}

TEST(CadreTolvane, TheNavigatorMovesFromRowSeventy)
{
    FenetreCadre f;
    ASSERT_TRUE(f.ouvrir("eglise-contreforts.Tolvane"));
    f.selectionner({0});
    ASSERT_GE(f.cadre->Fiche().Lignes().NbSections(), 3);
    QTableView* vle = f.cadre->VLE;
    vle->setCurrentIndex(vle->model()->index(70, 1));
    f.cadre->NavSec->BtnClick(nbPrior);
    EXPECT_EQ(vle->currentIndex().row(), 35);
    EXPECT_EQ(vle->rowAt(0), 34);
    f.cadre->NavSec->BtnClick(nbFirst);
    EXPECT_EQ(vle->currentIndex().row(), 3);
    f.cadre->NavSec->BtnClick(nbLast);
    EXPECT_EQ(vle->currentIndex().row(), TSheetRows::Ligne(f.cadre->Fiche().Lignes().NbSections() - 1, 1));
}

TEST(CadreTolvane, ResultsOfTheWorkedExampleAndTheNoteOnTheClipboard)
{
    FenetreCadre f;
    ASSERT_TRUE(f.ouvrir("exemple-combinaisons.Tolvane"));
    f.selectionner({0});
    ASSERT_TRUE(f.cadre->ChoisirPage(PageCadre::Resultats));
    EXPECT_EQ(f.cadre->PnStatutCalcul->text(), QStringLiteral("Résultat : SATISFAISANT"));
    EXPECT_EQ(f.cadre->PnStatutCalcul->palette().color(QPalette::Window), QColor(0x92, 0xD0, 0x50));
    const QString note = f.cadre->WB->toPlainText().trimmed();
    EXPECT_TRUE(note.startsWith(QStringLiteral("R E S U L T A T S")));
    EXPECT_TRUE(note.contains(QStringLiteral("0.13 (<0.17)")));
    EXPECT_TRUE(note.contains(QStringLiteral("0.90 G + 1.50 W")));
    f.cadre->CkBxListDonnees->setChecked(true);
    EXPECT_TRUE(f.cadre->WB->toPlainText().trimmed().startsWith(QStringLiteral("D O N N E E S")));

    QTest::mouseClick(f.cadre->BtResultatsPP, Qt::LeftButton);
    ASSERT_TRUE(f.plateforme.clipboardMime);
    const QString html = f.plateforme.clipboardMime->html();
    // The note's own HTML: its classes, its column widths and its level colours.
    EXPECT_TRUE(html.startsWith(QStringLiteral("<html>")));
    EXPECT_TRUE(html.endsWith(QStringLiteral("</html>")));
    EXPECT_TRUE(html.contains(QStringLiteral("TD.OK")));
    EXPECT_TRUE(html.contains(QStringLiteral("#92D050")));
    EXPECT_TRUE(html.contains(QStringLiteral("<COL width=\"")));
    EXPECT_TRUE(html.contains(QStringLiteral("class=\"OK\"")));
    EXPECT_TRUE(html.contains(QStringLiteral("0.13 (<0.17) ")));
    EXPECT_TRUE(html.contains(QStringLiteral("D O N N E E S")));
    EXPECT_EQ(f.plateforme.clipboardMime->data(QStringLiteral("HTML Format")), BlocHtmlFormat(html));
}

TEST(CadreTolvane, LeavingTheDataPageComputesAndPlacesTheDrawing)
{
    FenetreCadre f;
    ASSERT_TRUE(f.ouvrir("eglise-contreforts.Tolvane"));
    f.selectionner({0});
    // An edit puts a result out of date; the drawing page computes it again.
    taper(f, TSheetRows::Ligne(0, 2), QStringLiteral("300"));
    const TData avant = f.calcul(0).DAP->Data;
    ASSERT_TRUE(f.cadre->ChoisirPage(PageCadre::Dessin));
    EXPECT_EQ(f.cadre->Pbx->parentWidget(), f.cadre->PnDessin);
    EXPECT_NE(f.calcul(0).DAP->Data.Sections[0].se_torsGpp[1], avant.Sections[0].se_torsGpp[1]);
    EXPECT_TRUE(f.cadre->Pbx->Texte().contains(QStringLiteral("FLECHE")));
    // The frame fits everything drawn, arrows included.
    EXPECT_LE(f.cadre->Pbx->Etendue().ymin, f.calcul(0).DAP->Data.Sections.front().se_niveau);

    // Back to the data page: the drawing follows the sheet.
    ASSERT_TRUE(f.cadre->ChoisirPage(PageCadre::Donnees));
    EXPECT_EQ(f.cadre->Pbx->parentWidget(), f.cadre->PnImg);
}

TEST(CadreTolvane, ThePageStaysWhileSeveralCalculationsAreEdited)
{
    FenetreCadre f;
    ASSERT_TRUE(f.ouvrir("eglise-contreforts.Tolvane"));
    ASSERT_GE(f.document().Calculs().size(), 2);
    f.selectionner({0, 1});
    EXPECT_FALSE(f.cadre->ChoisirPage(PageCadre::Resultats));
    EXPECT_EQ(f.cadre->PageActive(), PageCadre::Donnees);
    EXPECT_EQ(f.cadre->PCPages->currentIndex(), 0);
    EXPECT_EQ(f.plateforme.messages.size(), 1u);
    f.selectionner({1});
    EXPECT_TRUE(f.cadre->ChoisirPage(PageCadre::Resultats));
}

TEST(CadreTolvane, TheSheetIsATableForAssistiveTechnologies)
{
    FenetreCadre f;
    ASSERT_TRUE(f.ouvrir("exemple-combinaisons.Tolvane"));
    f.selectionner({0});
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(f.cadre->VLE);
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->role(), QAccessible::Table);
    QAccessibleTableInterface* grille = table->tableInterface();
    ASSERT_NE(grille, nullptr);
    EXPECT_EQ(grille->rowCount(), f.cadre->VLE->model()->rowCount());
    EXPECT_EQ(grille->columnCount(), 2);
    QAccessibleInterface* cle = grille->cellAt(3, 0);
    QAccessibleInterface* val = grille->cellAt(3, 1);
    ASSERT_NE(cle, nullptr);
    ASSERT_NE(val, nullptr);
    EXPECT_EQ(cle->text(QAccessible::Name), QStringLiteral("niveau de la section (m)"));
    EXPECT_EQ(val->text(QAccessible::Name), QStringLiteral("niveau de la section (m) : ") + valeur(f, 3));
}

namespace {

// The main window as its settings component sees it.
class FenetreReglages final : public PlacedWindow {
public:
    QString formName() const override { return QStringLiteral("FBaseM2"); }
    WindowPlacement placement() const override { return {WindowPlacement::State::Normal, QRect(10, 10, 1000, 720)}; }
    void setPlacement(const WindowPlacement&) override {}
    QRect desktop() const override { return QRect(0, 0, 1920, 1080); }
};

} // namespace

TEST(CadreTolvane, TheSheetWidthIsKeptInTheSettings)
{
    QTemporaryDir dossier;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dossier.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dossier.path());
    QSettings(QStringLiteral("Vok"), QStringLiteral("Tolvane")).setValue(QStringLiteral("FBaseM2/Tolvane_VLEwidth"), 420);

    TWinReg WR(TWinReg::Role::MainWindow);
    WR.SetFenetre(std::make_unique<FenetreReglages>());
    WR.setNomAppli(QStringLiteral("Tolvane"));
    WR.setDossierINI(dossier.path());
    WR.setControlKeyQuery([] { return false; });
    FenetreCadre f(&WR);
    ASSERT_TRUE(f.ouvrir("exemple-combinaisons.Tolvane"));
    // Before the store is loaded, the sheet has its usual width.
    EXPECT_EQ(f.cadre->Splitter1->sizes().value(0), 500);

    WR.setOnChargeReg([&] { f.cadre->ChargerReglages(); });
    WR.setOnRangeReg([&] { f.cadre->RangerReglages(); });
    WR.ChargeReg(0);
    EXPECT_EQ(f.cadre->Splitter1->sizes().value(0), 420);

    const int total = f.cadre->Splitter1->sizes().value(0) + f.cadre->Splitter1->sizes().value(1);
    f.cadre->Splitter1->setSizes({380, total - 380});
    ASSERT_TRUE(WR.RangeReg(0));
    EXPECT_EQ(QSettings(QStringLiteral("Vok"), QStringLiteral("Tolvane")).value(QStringLiteral("FBaseM2/Tolvane_VLEwidth")).toString(),
              QStringLiteral("380"));
}

TEST(CadreTolvane, TheLineOfThrustCheckBoxTogglesTheLineThroughTheWidgets)
{
    FenetreCadre f;
    ASSERT_TRUE(f.ouvrir("exemple-combinaisons.Tolvane"));
    f.selectionner({0});
    ASSERT_TRUE(f.cadre->ChoisirPage(PageCadre::Dessin));
    QCheckBox* coche = f.cadre->PnOptions->CkBxLignePoussee;
    ASSERT_NE(coche, nullptr);
    EXPECT_TRUE(coche->isVisible());
    EXPECT_FALSE(coche->isChecked());
    EXPECT_EQ(coche->text(), QStringLiteral("&Ligne de poussée"));
    EXPECT_EQ(coche->accessibleName(), QStringLiteral("Ligne de poussée"));
    EXPECT_EQ(coche->focusPolicy() & Qt::TabFocus, Qt::TabFocus);
    const QString sans = f.cadre->Pbx->Texte();
    EXPECT_FALSE(sans.contains(QStringLiteral("COULEUR\t12583040")));

    // A click draws the line: the worked example's bottom section is crossed
    // at 0.5 - 0.12877 = 0.371 m, its top one at its centre, 0.3 m.
    QTest::mouseClick(coche, Qt::LeftButton, Qt::NoModifier, QPoint(6, coche->height() / 2));
    ASSERT_TRUE(coche->isChecked());
    const QString avec = f.cadre->Pbx->Texte();
    ASSERT_TRUE(avec.startsWith(sans));
    EXPECT_TRUE(avec.mid(sans.size()).contains(
        QStringLiteral("COULEUR\t12583040\r\nEPTRAIT\t2\r\nLIGNE\r\n0.371\t0.000\r\n0.300\t3.000\r\n")));

    // From the keyboard: the space bar on the focused box takes it off again,
    // and the text is the usual one to the byte.
    f.fenetre->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(f.fenetre.get()));
    coche->setFocus();
    QTest::keyClick(coche, Qt::Key_Space);
    EXPECT_FALSE(coche->isChecked());
    EXPECT_EQ(f.cadre->Pbx->Texte(), sans);
    // Its mnemonic, from elsewhere on the page: the box clicks itself (an
    // animated click, released a moment later).
    f.cadre->PnOptions->SBechCharges->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_L, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([coche] { return coche->isChecked(); }));
    EXPECT_EQ(f.cadre->Pbx->Texte(), avec);
}

TEST(CadreTolvane, TheResultsPageTellsTheLoadReserve)
{
    // Worked example: at the bottom section the permanent loads alone give
    // e = -0.12877 m; the wind of 300 daN at 3 m adds 1.5 λ × 900 / (0.90 ×
    // 5840) = 0.25685 λ with 0.90 G + 1.50 W. The stress block fails when
    // e > 0.5 - δ, δ = 5256 / (1.5 × 0.8 × 100000 × 5) = 0.00876 m, so
    // λ* = (0.49124 + 0.12877) / 0.25685 = 2.4139 (the top section's friction,
    // arctan(450 λ / 1800) > 0.6 rad, fails only beyond λ = 2.74).
    FenetreCadre f;
    ASSERT_TRUE(f.ouvrir("exemple-combinaisons.Tolvane"));
    f.selectionner({0});
    ASSERT_TRUE(f.cadre->ChoisirPage(PageCadre::Resultats));
    EXPECT_TRUE(f.cadre->PnReserve->isVisible());
    EXPECT_EQ(f.cadre->PnReserve->text(),
              QStringLiteral("Réserve de charge : charges variables (neige, vent, exploitation) multipliables par 2.41"));
}
