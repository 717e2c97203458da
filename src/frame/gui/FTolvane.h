#pragma once

#include "frame/ResultsPage.h"
#include "frame/SheetEditing.h"

#include <QWidget>
#include <functional>
#include <map>

class DrawingOptionsPanel;
class NoteView;
class QAction;
class QCheckBox;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QSplitter;
class QTabWidget;
class QTableView;
class TDocumentSession;
class TDonneesAppli;
class TFrmPbx;
class TModeleFiche;
class TNavigator;
class TWinReg;
class TdcRelais;
class TDelegueFiche;
struct EntreeRapport;

// Buttress frame.
// The calculation page of the main window: the data-entry sheet with the
// drawing beside it ("Données"), the drawing with its display options
// ("Dessin"), and the verdict with the calculation note ("Résultats"). It
// shows the model the session gives it and reads the sheet back through its
// relay on the session's data control, so every edit is one undo record; it
// owns nothing of the document. The program's one drawing frame is created
// here and moved between the two drawing pages.
class TFTolvane : public QWidget {
    Q_OBJECT
public:
    // The session must outlive the frame. WR (may be null) is the store of
    // the sheet's width; its values are read here and on ChargerReglages.
    TFTolvane(TDocumentSession& session, TWinReg* WR, QWidget* parent = nullptr);
    ~TFTolvane() override;

    // The session view's three calls. AfficherDonnees shows a model on the
    // data page (going back to it); LireFiche reads the sheet back into a
    // model; AfficherVerdict shows the verdict of a model just computed.
    void AfficherDonnees(TDonneesAppli& DA);
    void LireFiche(TDonneesAppli& DA);
    void AfficherVerdict(TDonneesAppli& DA);

    // The page shown, and the user's change of page: leaving "Données"
    // records pending edits and computes the selected calculations; refused
    // (false, with a message) while several calculations are edited at once.
    PageCadre PageActive() const;
    bool ChoisirPage(PageCadre page);

    // The sheet's width from the settings, and back into them
    // ("Tolvane_VLEwidth"); the main window calls them from its settings hooks.
    void ChargerReglages();
    void RangerReglages();

    // The sections text a calculation holding texte would hold once what is
    // being typed into the sheet is read; nothing is recorded.
    QString SaisieFicheEnCours(const QString& texte) const;

    // The section commands and moves, as the menu and the navigator run them.
    void ExecuterCommandeSection(CommandeSection commande);
    void NaviguerSections(DeplacementSection deplacement);
    // Rebuilds the drawing of the current model in the frame of the page shown.
    void AfficherDessin();
    // The model shown, or null when none is (or it no longer belongs to the
    // open document).
    TDonneesAppli* ModeleCourant() const;

    // The deliverable report of the calculation shown, with the note as the
    // view shows it (retouches included); false when no calculation is shown.
    bool EntreeRapportCourante(EntreeRapport& entree) const;
    // The commands of the results page and of the page "Dessin".
    void ImprimerRapport();
    void ExporterRapportPdf();
    void ExporterDessin();

    QSize sizeHint() const override { return {783, 615}; }

protected:
    void showEvent(QShowEvent* event) override;

public:

    // Controls, for the main window and the tests.
    QTabWidget* PCPages = nullptr;
    QPlainTextEdit* MmInfo = nullptr;
    QTableView* VLE = nullptr;
    QSplitter* Splitter1 = nullptr;
    QWidget* PnImg = nullptr;
    QPushButton* BtEditerlessections = nullptr;
    QMenu* PPMed = nullptr;
    TNavigator* NavSec = nullptr;
    TdcRelais* dcRelaisVLE = nullptr;
    DrawingOptionsPanel* PnOptions = nullptr;
    QWidget* PnDessin = nullptr;
    TFrmPbx* Pbx = nullptr;
    QLabel* PnStatutCalcul = nullptr;
    // The load reserve of the calculation whose verdict is shown.
    QLabel* PnReserve = nullptr;
    QCheckBox* CkBxListDonnees = nullptr;
    QPushButton* BtResultatsPP = nullptr;
    NoteView* WB = nullptr;
    QPushButton* BtImprimer = nullptr;
    QPushButton* BtExporterPdf = nullptr;
    QPushButton* BtExporterDessin = nullptr;
    QAction* ActionSection(CommandeSection commande) const { return FActions.at(commande); }
    const TFicheContrefort& Fiche() const { return FFiche; }

private:
    QWidget* creerPageDonnees();
    QWidget* creerPageDessin();
    QWidget* creerPageResultats();
    void pageChangee(int index);
    void preparerMenu();
    void afficherNote();
    void afficherSurRelais(bool multiaff, const QString& valeur);
    void valeurSaisie();
    void rechargerGrille();
    void appliquerLargeurFiche();
    // The file name offered by the export commands: the calculation's name
    // in the document's folder, without extension.
    QString nomExportPropose() const;
    // The report's input, or false after telling the user why there is none.
    bool preparerRapport(EntreeRapport& entree);

    TDocumentSession& FSession;
    TWinReg* FWR;
    TFicheContrefort FFiche;
    TModeleFiche* FModele = nullptr;
    TDelegueFiche* FDelegue = nullptr;
    std::map<CommandeSection, QAction*> FActions;
    TDonneesAppli* FDA = nullptr;
    PageCadre FPage = PageCadre::Donnees;
    bool FChangementInterne = false;
    // Set by every drawing; lets a display cycle tell whether the sheet drew.
    bool FDessinAffiche = false;
    int FLargeurFiche = 500;
    bool FLargeurAppliquee = false;
};
