#pragma once

#include "shell/CalculationTabsGlue.h"
#include "shell/gui/CadreContrefort.h"

#include <QMainWindow>
#include <QStringList>
#include <functional>
#include <memory>

class QAction;
class QGroupBox;
class QMenu;
class QToolBar;
class TAidePerso;
class TDocFich;
class TFinfoRev;
class TDocumentSession;
class TFPropEdit;
class TWinReg;
class TdcMemo;
class TdcPanneau;
class TdcTabControl;

// The main window: one document at a time, its calculations as tabs. It builds
// the widgets, shows what the document session asks (it is the session's view)
// and binds its menus, toolbar and tab bar to the session and the "&Fichiers"
// commands. Everything it shows belongs to the session.
class TFBaseM2 : public QMainWindow, public TVueSessionOnglets {
    Q_OBJECT
public:
    // The frame factory creates the buttress frame at start-up (HebergerCadre);
    // without one, PnData holds a marked empty host.
    explicit TFBaseM2(TFabriqueCadre fabriqueCadre = {}, QWidget* parent = nullptr);
    ~TFBaseM2() override;

    // Start-up: settings loaded, window placed, frame hosted, then the
    // document named by the first argument, if any, is opened.
    void DebutAppli(const QStringList& documents = {});

    TDocumentSession& Session() { return *FSession; }
    TDocFich& DF() { return *FDF; }
    TWinReg& WR() { return *FWR; }
    TdcTabControl* TC() const { return FTC; }
    TdcMemo* MemoFich() const { return FMemoFich; }
    TdcPanneau* DC() const { return FPanneau; }
    QWidget* PnData() const { return FPnData; }
    QGroupBox* PnPG() const { return FPnPG; }
    TCadreContrefort* Cadre() const { return FCadre.get(); }

    // The actions, named as in the menus.
    QAction* AcFichNv = nullptr;
    QAction* AcFichOuv = nullptr;
    QAction* AcFichEnr = nullptr;
    QAction* AcFichEnrSous = nullptr;
    QAction* AcFichFerm = nullptr;
    QAction* AcEditUndo = nullptr;
    QAction* AcEditRedo = nullptr;
    QAction* MiQuitter = nullptr;
    QAction* MiCalcul = nullptr;
    QAction* MIproprietes = nullptr;
    QAction* MIoptions = nullptr;
    QAction* MILangue = nullptr;
    QAction* MiIndexAide = nullptr;
    QAction* MiAbout = nullptr;
    QMenu* MiRecents = nullptr;
    QMenu* MIAidePersonnalisee = nullptr;

    // The revision window, made by the start-up; nullptr before.
    TFinfoRev* FinfoRev() const { return FFinfoRev.get(); }
    // The menu "Aide personnalisée" and the memo files it opens.
    TAidePerso& AidePerso() { return *FAidePerso; }

    // The buttress frame asks it before showing the drawing or the results.
    void CalculerSelection();
    // "Propriétés ...": the properties dialog on the open document's header;
    // confirmed, the new properties are one step of the history.
    void MIproprietesClick();
    // The properties dialog, made when first asked for once the start-up has
    // loaded the settings, then kept (nullptr before the start-up).
    TFPropEdit* PropEdit();
    // "&Index de l'aide": Tolvane.chm beside the executable, through the desktop.
    void AfficherAide();
    // "&Options...": the options dialog on the default document folder.
    void MIoptionsClick();
    void ChoisirDossierParDefaut();

    // TVueSession
    void AfficherTitre(const QString& titre) override;
    void AfficherPage(Page page) override;
    void AppliquerCommandes(const EtatCommandes& etat) override;
    TdcBaseRelais& RelaisMemo() override;
    void ViderMemo() override;
    void DonnerFocusMemo() override;
    void RetirerFocus() override;
    void AfficherDonnees(TDonneesAppli& DA) override;
    void LireFiche(TDonneesAppli& DA) override;
    void AfficherVerdict(TDonneesAppli& DA) override;
    QString SaisieFicheEnCours(const QString& texte) const override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreerActions();
    void CreerMenus();
    void CreerBarreOutils();
    void CreerPages();
    void HebergerCadre(QWidget& panel);
    void LierDocuments();
    void DFDebutAppli();
    void DFMaj();
    void WRChargeReg();
    void WRRangeReg();
    bool FormCloseQuery();
    void FormClose();
    void MiCalculClick();
    // A command of "&Fichiers": pending edits are recorded first.
    void CommandeFichier(const std::function<void()>& commande);
    void Defaire(bool refaire);
    void CreerPropEdit();
    // Language, personal help and revision window.
    void LierAideEtLangue();
    void PreparerAideEtLangue();
    void AfficherLangue();
    void CreerFenetreRevision();
    void RangerFenetreRevision();
    void MILangueClick();
    void MiAboutClick();

    std::unique_ptr<TWinReg> FWR;
    std::unique_ptr<TDocumentSession> FSession;
    std::unique_ptr<TDocFich> FDF;
    std::unique_ptr<TLiaisonOnglets> FLiaison;
    TFabriqueCadre FFabriqueCadre;
    std::unique_ptr<TCadreContrefort> FCadre;
    std::unique_ptr<TAidePerso> FAidePerso;
    std::unique_ptr<TFinfoRev> FFinfoRev;

    // Child widgets (Qt parent ownership).
    QToolBar* FTBrEdit = nullptr;
    TdcPanneau* FPanneau = nullptr;
    TdcTabControl* FTC = nullptr;
    QWidget* FPnPgs = nullptr;
    QWidget* FPnData = nullptr;
    QGroupBox* FPnPG = nullptr;
    TdcMemo* FMemoFich = nullptr;
    TFPropEdit* FPropEdit = nullptr;
    // Set by the start-up once the settings are loaded.
    bool FSettingsLoaded = false;
};
