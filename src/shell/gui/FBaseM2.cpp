#include "shell/gui/FBaseM2.h"

#include "documents/FichPb.h"
#include "documents/gui/FPropEdit.h"
#include "editing/DataControl.h"
#include "editing/gui/DcMemo.h"
#include "editing/gui/DcPanneau.h"
#include "files/DocFich.h"
#include "settings/ConfigParameters.h"
#include "settings/NoteTexts.h"
#include "settings/WinReg.h"
#include "settings/gui/AidePerso.h"
#include "settings/gui/FConfig.h"
#include "settings/gui/FSelLangue.h"
#include "settings/gui/FinfoRev.h"
#include "settings/gui/PlacedWidget.h"
#include "shell/DocumentSession.h"
#include "shell/gui/ApplicationIcon.h"
#include "shell/gui/DcTabControl.h"
#include "util/ApplicationFolder.h"
#include "util/DoUndo.h"
#include "util/Errors.h"
#include "util/PlatformServices.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QStyle>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

namespace {

// An action whose hint shows in the status bar and as its tooltip.
QAction* Action(QObject* parent, const QString& caption, const QString& hint = {})
{
    auto* action = new QAction(caption, parent);
    if (!hint.isEmpty()) {
        action->setStatusTip(hint);
        action->setToolTip(hint);
    }
    return action;
}

QString SansAcces(QString caption)
{
    return caption.remove(QLatin1Char('&'));
}

} // namespace

TFBaseM2::TFBaseM2(TFabriqueCadre fabriqueCadre, QWidget* parent)
    : QMainWindow(parent)
    , FWR(std::make_unique<TWinReg>(TWinReg::Role::MainWindow))
    , FFabriqueCadre(std::move(fabriqueCadre))
{
    setObjectName(QStringLiteral("FBaseM2"));
    setAccessibleName(QStringLiteral("Tolvane"));
    // The application's icon when the start-up gave one: drawing it again at
    // every size costs more than the rest of the window's frame.
    setWindowIcon(QApplication::windowIcon().isNull() ? IconeApplication() : QApplication::windowIcon());
    QFont police(QStringLiteral("Arial"));
    police.setPixelSize(12);
    setFont(police);

    FSession = std::make_unique<TDocumentSession>(*this);
    FDF = std::make_unique<TDocFich>();

    CreerActions();
    CreerMenus();
    CreerBarreOutils();
    CreerPages();

    FLiaison = std::make_unique<TLiaisonOnglets>(FTC->Onglets(), *FSession);
    setOnglets(&FTC->Onglets());
    FTC->Brancher(*FLiaison);

    statusBar();
    resize(800, 420);
    FWR->setNomAppli(QStringLiteral("Tolvane"));
    FWR->setOnChargeReg([this] { WRChargeReg(); });
    FWR->setOnRangeReg([this] { WRRangeReg(); });
    AttacherFenetre(*FWR, *this);
    LierDocuments();

    // Key preview: the Enter key moves through the controls of this window.
    qApp->installEventFilter(this);
    setWindowTitle(QStringLiteral("Tolvane"));
    FSession->MAJCommandes();
    LierAideEtLangue();
}

// The widgets that name the session's objects go before the session: the tab
// bar, the memo's relay and the undo buttons.
TFBaseM2::~TFBaseM2()
{
    qApp->removeEventFilter(this);
    if (FPanneau)
        FPanneau->ArreterSuiviFocus();
    FTC->Debrancher();
    setOnglets(nullptr);
    FLiaison.reset();
    FCadre.reset();
    // The document component's hooks lead here: none may run any more.
    FDF->OnInit = nullptr;
    FDF->OnNouveau = nullptr;
    FDF->OnLire = nullptr;
    FDF->OnEcrire = nullptr;
    FDF->OnDebutAppli = nullptr;
    FDF->OnMaj = nullptr;
    delete takeCentralWidget();
    delete FTBrEdit;
    FDF.reset();
    FSession.reset();
}

void TFBaseM2::CreerActions()
{
    const QStyle* s = style();
    AcFichNv = Action(this, QStringLiteral("&Nouveau"), QStringLiteral("nouvel éditeur"));
    AcFichNv->setIcon(s->standardIcon(QStyle::SP_FileIcon));
    AcFichNv->setShortcut(QKeySequence::New);
    AcFichOuv = Action(this, QStringLiteral("&Ouvrir..."), QStringLiteral("ouvrir un fichier"));
    AcFichOuv->setIcon(s->standardIcon(QStyle::SP_DialogOpenButton));
    AcFichOuv->setShortcut(QKeySequence::Open);
    AcFichEnr = Action(this, QStringLiteral("&Enregistrer"), QStringLiteral("enregistrer"));
    AcFichEnr->setIcon(s->standardIcon(QStyle::SP_DialogSaveButton));
    AcFichEnr->setShortcut(QKeySequence::Save);
    AcFichEnrSous = Action(this, QStringLiteral("enregistrer &Sous..."));
    AcFichFerm = Action(this, QStringLiteral("&Fermer"), QStringLiteral("fermer la fenêtre"));
    AcFichFerm->setIcon(s->standardIcon(QStyle::SP_DialogCloseButton));
    AcEditUndo = Action(this, QStringLiteral("&Défaire"));
    AcEditUndo->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Backspace));
    AcEditRedo = Action(this, QStringLiteral("&Refaire"));
    MiQuitter = Action(this, QStringLiteral("&Quitter"), QStringLiteral("Quitter l'application"));
    MiQuitter->setShortcut(QKeySequence(Qt::ALT | Qt::Key_X));
    MiCalcul = Action(this, QStringLiteral("&Calcul"), QStringLiteral("calculer tous les onglets"));
    MIproprietes = Action(this, QStringLiteral("Propriétés ..."));
    MIoptions = Action(this, QStringLiteral("&Options..."), QStringLiteral("paramétrages du logiciel"));
    MILangue = Action(this, QStringLiteral("Langue"));
    MiIndexAide = Action(this, QStringLiteral("&Index de l'aide"));
    MiIndexAide->setShortcut(QKeySequence::HelpContents);
    MiAbout = Action(this, QStringLiteral("&A propos..."));
    for (QAction* a : {AcFichNv, AcFichOuv, AcFichEnr, AcFichEnrSous, AcFichFerm, AcEditUndo, AcEditRedo, MiQuitter,
                       MiCalcul, MIproprietes, MIoptions, MILangue, MiIndexAide, MiAbout})
        a->setShortcutContext(Qt::WindowShortcut);
    // "Propriétés ..." needs an open document: AppliquerCommandes enables it.
    MIproprietes->setEnabled(false);

    connect(AcFichNv, &QAction::triggered, this, [this] { CommandeFichier([this] { FDF->Nouveau(); }); });
    connect(AcFichOuv, &QAction::triggered, this, [this] { CommandeFichier([this] { FDF->Ouvrir(); }); });
    connect(AcFichEnr, &QAction::triggered, this, [this] { CommandeFichier([this] { FDF->Enregistrer(); }); });
    connect(AcFichEnrSous, &QAction::triggered, this, [this] { CommandeFichier([this] { FDF->EnregistrerSous(); }); });
    connect(AcFichFerm, &QAction::triggered, this, [this] { CommandeFichier([this] { FDF->Fermer(true); }); });
    connect(AcEditUndo, &QAction::triggered, this, [this] { Defaire(false); });
    connect(AcEditRedo, &QAction::triggered, this, [this] { Defaire(true); });
    connect(MiQuitter, &QAction::triggered, this, &QWidget::close);
    connect(MiCalcul, &QAction::triggered, this, [this] { MiCalculClick(); });
    connect(MiIndexAide, &QAction::triggered, this, [this] { AfficherAide(); });
    connect(MIproprietes, &QAction::triggered, this, [this] { MIproprietesClick(); });
    MIoptions->setEnabled(true);
    connect(MIoptions, &QAction::triggered, this, [this] { MIoptionsClick(); });
}

void TFBaseM2::CreerMenus()
{
    QMenu* fichiers = menuBar()->addMenu(QStringLiteral("&Fichiers"));
    fichiers->addAction(AcFichNv);
    MiRecents = fichiers->addMenu(QStringLiteral("&Récents"));
    MiRecents->setEnabled(false);
    fichiers->addAction(AcFichOuv);
    fichiers->addAction(AcFichEnr);
    fichiers->addAction(AcFichEnrSous);
    fichiers->addAction(AcFichFerm);
    fichiers->addSeparator();
    fichiers->addAction(MiQuitter);
    fichiers->addSeparator();
    fichiers->addAction(MIproprietes);

    QMenu* edition = menuBar()->addMenu(QStringLiteral("&Edition"));
    edition->addAction(AcEditUndo);
    edition->addAction(AcEditRedo);

    // "&Calcul" and "Langue" are entries of the menu bar that act when clicked.
    menuBar()->addAction(MiCalcul);
    QMenu* voir = menuBar()->addMenu(QStringLiteral("&Voir"));
    voir->addAction(MIoptions);
    menuBar()->addAction(MILangue);

    QMenu* aide = menuBar()->addMenu(QStringLiteral("&Aide"));
    aide->addAction(MiIndexAide);
    MIAidePersonnalisee = aide->addMenu(QStringLiteral("Aide personnalisée"));
    MIAidePersonnalisee->setEnabled(false);
    aide->addSeparator();
    aide->addAction(MiAbout);
    for (QMenu* menu : menuBar()->findChildren<QMenu*>())
        menu->setToolTipsVisible(true);
}

void TFBaseM2::CreerBarreOutils()
{
    FTBrEdit = addToolBar(QStringLiteral("Barre d'outils"));
    FTBrEdit->setObjectName(QStringLiteral("TBrEdit"));
    FTBrEdit->setMovable(false);
    FTBrEdit->setFixedHeight(33);
    FTBrEdit->setIconSize(QSize(20, 20));
    for (QAction* a : {AcFichNv, AcFichOuv, AcFichEnr, AcFichFerm}) {
        FTBrEdit->addAction(a);
        // Assistive technologies read the button's hint, as a user sees it.
        if (QWidget* bouton = FTBrEdit->widgetForAction(a))
            bouton->setAccessibleName(a->statusTip().isEmpty() ? SansAcces(a->text()) : a->statusTip());
    }
    FTBrEdit->addSeparator();
    FPanneau = new TdcPanneau(&FSession->DC(), FTBrEdit);
    FPanneau->setObjectName(QStringLiteral("DC"));
    FPanneau->setDC_listes(true);
    FPanneau->setFixedSize(86, 25);
    FTBrEdit->addWidget(FPanneau);
}

void TFBaseM2::CreerPages()
{
    auto* PnTC = new QWidget(this);
    PnTC->setObjectName(QStringLiteral("PnTC"));
    auto* colonne = new QVBoxLayout(PnTC);
    colonne->setContentsMargins(0, 0, 0, 0);
    colonne->setSpacing(0);

    FTC = new TdcTabControl(PnTC);
    FTC->setObjectName(QStringLiteral("TC"));
    FTC->setFixedHeight(31);
    FTC->setMargeHaute(2);
    FTC->setTabsHeight(20);
    FTC->setTabsBoutons(true);
    FTC->setMultiSelect(true);
    FTC->setEnabled(false);
    colonne->addWidget(FTC);

    FPnPgs = new QWidget(PnTC);
    FPnPgs->setObjectName(QStringLiteral("PnPgs"));
    auto* pages = new QVBoxLayout(FPnPgs);
    pages->setContentsMargins(0, 0, 0, 0);

    FPnData = new QWidget(FPnPgs);
    FPnData->setObjectName(QStringLiteral("PnData"));
    FPnData->setAccessibleName(QStringLiteral("Page du calcul"));
    auto* data = new QVBoxLayout(FPnData);
    data->setContentsMargins(0, 0, 0, 0);
    FPnData->hide();
    pages->addWidget(FPnData);

    FPnPG = new QGroupBox(QStringLiteral("Mémo"), FPnPgs);
    FPnPG->setObjectName(QStringLiteral("GBmemo"));
    auto* memo = new QVBoxLayout(FPnPG);
    FMemoFich = new TdcMemo(FPnPG);
    FMemoFich->setObjectName(QStringLiteral("MemoFich"));
    FMemoFich->setAccessibleName(QStringLiteral("Mémo du fichier"));
    FMemoFich->setDataControl(&FSession->DC());
    FMemoFich->setURtext(QStringLiteral("mémo du fichier"));
    FMemoFich->setRefuserSaisieMult(true);
    memo->addWidget(FMemoFich);
    FPnPG->hide();
    pages->addWidget(FPnPG);

    colonne->addWidget(FPnPgs, 1);
    setCentralWidget(PnTC);
}

void TFBaseM2::DebutAppli(const QStringList& documents)
{
    setWindowTitle(QStringLiteral("Tolvane"));
    TAutoFile& association = FWR->AutoFile(1);
    association._1ext = QStringLiteral("Tolvane");
    association._2titre = QStringLiteral("fichier Tolvane ");
    association.TestAssoc = true;
    PreparerAideEtLangue();
    // Loads the settings (WRChargeReg), runs DFDebutAppli, opens the document
    // named on the command line and refreshes the commands.
    FDF->DebutAppli(documents);
}

void TFBaseM2::LierDocuments()
{
    TDocFich& DF = *FDF;
    DF.ExtensionFichiers = QStringLiteral("Tolvane");
    DF.setExtBak(QStringLiteral("+bak"));
    DF.FiltreFichiers = QStringLiteral("fichiers Tolvane (*.Tolvane)|*.Tolvane|tous fichiers (*.*)|*.*");
    DF.FormatNouveau = QStringLiteral("NC%2.2d");
    DF.NomFicAide = QStringLiteral("Tolvane.chm");
    DF.MaxHisto = 0;
    DF.NomHisto = QStringLiteral("HistoFichiers");
    DF.setDelaiSvgAuto(10);
    DF.CompWinReg = FWR.get();
    DF.VerrouillerAcces = TSetVerr::vfNomUtil;
    DF.EnregistrerNouveau = false;
    DF.AutoOuvrirRecent = false;

    DF.OnNouveau = [this](const QString& PathModele, QString& PF, TCtrlFic*, TDoUndo*& DU, bool& ok) {
        FSession->DFNouveau(PathModele, PF, DU, ok);
    };
    DF.OnLire = [this](const QString& PF, TCtrlFic* HF, int mode, TDoUndo*& DU, bool& ok, bool& modif) {
        FSession->DFLire(PF, mode, DU, ok, modif, HF ? HF->FFichierRecupere : QString());
    };
    DF.OnEcrire = [this](const QString& PF, TCtrlFic*, int mode, TDoUndo*& DU, bool& ok, bool& modif) {
        FSession->DFEcrire(PF, mode, DU, ok, modif);
    };
    DF.OnInit = [this] {
        FSession->DFInit();
        // The caption no longer names a document that is closed.
        FSession->AfficherTitre();
    };
    DF.OnDebutAppli = [this] { DFDebutAppli(); };
    DF.OnMaj = [this] { DFMaj(); };
}

void TFBaseM2::DFMaj()
{
    FSession->MAJCommandes();
    MiRecents->clear();
    for (const QString& chemin : FDF->Recents()) {
        QAction* entree = MiRecents->addAction(QDir::toNativeSeparators(chemin));
        connect(entree, &QAction::triggered, this, [this, chemin] { CommandeFichier([this, chemin] { FDF->OuvrirRecent(chemin); }); });
    }
    MiRecents->setEnabled(!FDF->Recents().isEmpty());
}

void TFBaseM2::CommandeFichier(const std::function<void()>& commande)
{
    EnregistrerTousChangements();
    try {
        commande();
    } catch (const std::exception& e) {
        services().showMessage(QString::fromUtf8(e.what()), PlatformServices::Icon::Error);
    }
}

void TFBaseM2::DFDebutAppli()
{
    // The properties dialog waits for "Propriétés ...": nothing of it shows
    // before, and it is the costliest widget of the start-up.
    FSettingsLoaded = true;
    CreerFenetreRevision();
    HebergerCadre(*FPnData);
    // The calculation page never gets smaller than the frame, nor the general
    // page than its memo: the pages' panel keeps room for the larger of both.
    const QSize data = FCadre ? FCadre->TailleMinimale() : FPnData->minimumSizeHint();
    const QSize pg = FPnPG->minimumSizeHint();
    FPnPgs->setMinimumSize(data.expandedTo(pg));
    FFinfoRev->InitialShow();
}

void TFBaseM2::HebergerCadre(QWidget& panel)
{
    if (FFabriqueCadre) {
        FCadre = FFabriqueCadre(panel, *this);
    }
    if (FCadre) {
        panel.layout()->addWidget(FCadre->Widget());
        panel.setMinimumSize(FCadre->TailleMinimale());
        return;
    }
    // No frame was given: the panel says so rather than showing nothing.
    auto* hote = new QLabel(QStringLiteral("Cadre de saisie du contrefort non disponible dans cette version."), &panel);
    hote->setObjectName(QStringLiteral("HoteCadre"));
    hote->setAlignment(Qt::AlignCenter);
    panel.layout()->addWidget(hote);
}

void TFBaseM2::WRChargeReg()
{
    FDF->GetHistoF();
    const QString dossier = FWR->GetStr(QStringLiteral("DossierParDefaut"));
    if (!dossier.isEmpty())
        FDF->setDirDossDefaut(dossier);
}

void TFBaseM2::WRRangeReg()
{
    FDF->PutHistoF();
    FWR->PutStr(QStringLiteral("DossierParDefaut"), FDF->DirDossDefaut());
    if (FCadre)
        FCadre->RangerReglages();
}

void TFBaseM2::CalculerSelection() { FSession->CalculerSelection(); }

void TFBaseM2::AfficherAide()
{
    const QString fichier = FDF->FichierAide();
    if (!QFileInfo::exists(fichier)) {
        services().showMessage(QStringLiteral("Le fichier d'aide « %1 » est introuvable.").arg(QDir::toNativeSeparators(fichier)),
                               PlatformServices::Icon::Warning, QStringLiteral("Aide"));
        return;
    }
    if (!services().openUrl(QUrl::fromLocalFile(fichier)))
        services().showMessage(
            QStringLiteral("Aucun programme de ce poste ne sait afficher le fichier d'aide « %1 ».").arg(QDir::toNativeSeparators(fichier)),
            PlatformServices::Icon::Warning, QStringLiteral("Aide"));
}

void TFBaseM2::MIoptionsClick() { ChoisirDossierParDefaut(); }

void TFBaseM2::ChoisirDossierParDefaut()
{
    const QString parametres = QStringLiteral("1") + kSeparateurConfig + QStringLiteral("dossier par défaut");
    // Without a folder of its own, new documents go to the current folder:
    // that is the folder the user sees and may change.
    QString valeurs = FDF->DirDossDefaut().isEmpty() ? QDir::currentPath() + u'/' : FDF->DirDossDefaut();
    if (ExecuterConfig(QStringLiteral("Configuration Tolvane"), parametres, valeurs))
        FDF->setDirDossDefaut(ChampValeur(valeurs, 0));
}

void TFBaseM2::MiCalculClick()
{
    EnregistrerTousChangements();
    FSession->Calculer();
}

void TFBaseM2::Defaire(bool refaire)
{
    TDataControl& dc = FSession->DC();
    dc.EnregistrerChangements();
    if (refaire)
        dc.Redo();
    else
        dc.Undo();
}

bool TFBaseM2::FormCloseQuery()
{
    EnregistrerTousChangements();
    if (!FSession->DocumentOuvert())
        return true;
    FDF->setModified(FSession->CompteurModifications()->Modified());
    try {
        return FDF->Fermer(true);
    } catch (const std::exception& e) {
        // A save that failed keeps the window and what the user typed.
        services().showMessage(QString::fromUtf8(e.what()), PlatformServices::Icon::Error);
        return false;
    }
}

void TFBaseM2::FormClose()
{
    FPanneau->ArreterSuiviFocus();
    RangerFenetreRevision();
    FDF->FinAppli();
}

void TFBaseM2::closeEvent(QCloseEvent* event)
{
    if (!FormCloseQuery()) {
        event->ignore();
        return;
    }
    FormClose();
    event->accept();
}

void TFBaseM2::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!focusWidget() && FPnPG->isVisible())
        FMemoFich->setFocus();
}

bool TFBaseM2::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyRelease) {
        const auto* touche = static_cast<QKeyEvent*>(event);
        QWidget* focus = QApplication::focusWidget();
        if ((touche->key() == Qt::Key_Return || touche->key() == Qt::Key_Enter) && watched == focus && focus
            && focus->window() == this && !qobject_cast<QPlainTextEdit*>(focus) && !qobject_cast<QTextEdit*>(focus)) {
            focusNextPrevChild(true);
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

// TVueSession

void TFBaseM2::AfficherTitre(const QString& titre) { setWindowTitle(titre); }

void TFBaseM2::AfficherPage(Page page)
{
    FPnData->setVisible(page == Page::Calcul);
    FPnPG->setVisible(page == Page::Generale);
}

void TFBaseM2::AppliquerCommandes(const EtatCommandes& etat)
{
    AcFichEnr->setEnabled(etat.enregistrer);
    AcFichEnrSous->setEnabled(etat.enregistrerSous);
    AcFichFerm->setEnabled(etat.fermer);
    MiCalcul->setEnabled(etat.calcul);
    FTC->setEnabled(etat.onglets);
    AcEditUndo->setEnabled(etat.defaire);
    AcEditRedo->setEnabled(etat.refaire);
    MIproprietes->setEnabled(etat.proprietes);
}

TdcBaseRelais& TFBaseM2::RelaisMemo() { return FMemoFich->Relais(); }

void TFBaseM2::ViderMemo()
{
    // Emptying the memo is a display of its own: it may come before the data
    // control's first display cycle (a close requested right at start-up), so
    // it opens and ends its own cycle instead of counting as a second display.
    TdcBaseRelais& relais = FMemoFich->Relais();
    relais.NouveauCycle();
    relais.AfficherValeur(QString());
    relais.ObjetFait();
}

void TFBaseM2::DonnerFocusMemo() { FMemoFich->setFocus(); }

void TFBaseM2::RetirerFocus()
{
    if (QWidget* focus = focusWidget())
        focus->clearFocus();
}

void TFBaseM2::AfficherDonnees(TDonneesAppli& DA)
{
    if (FCadre)
        FCadre->AfficherDonnees(DA);
}

void TFBaseM2::LireFiche(TDonneesAppli& DA)
{
    if (FCadre)
        FCadre->LireFiche(DA);
}

void TFBaseM2::AfficherVerdict(TDonneesAppli& DA)
{
    if (FCadre)
        FCadre->AfficherVerdict(DA);
}

QString TFBaseM2::SaisieFicheEnCours(const QString& texte) const
{
    return FCadre ? FCadre->SaisieFicheEnCours(texte) : texte;
}

// Document properties

void TFBaseM2::CreerPropEdit()
{
    // Created once the settings are loaded: it reads its placement and the
    // internal names from them.
    if (!FPropEdit && FSettingsLoaded)
        FPropEdit = new TFPropEdit(this);
}

TFPropEdit* TFBaseM2::PropEdit()
{
    CreerPropEdit();
    return FPropEdit;
}

void TFBaseM2::MIproprietesClick()
{
    EnregistrerTousChangements();
    const TFichPb* document = FSession->Document();
    if (!document)
        return;
    CreerPropEdit();
    if (!FPropEdit)
        return;
    if (const auto entrees = FPropEdit->Editer(document->FH))
        FSession->ModifierProprietes(*entrees);
}

// Language, personal help and revision window

void TFBaseM2::LierAideEtLangue()
{
    FAidePerso = std::make_unique<TAidePerso>();
    MILangue->setEnabled(true);
    MiAbout->setEnabled(true);
    connect(MILangue, &QAction::triggered, this, [this] { MILangueClick(); });
    connect(MiAbout, &QAction::triggered, this, [this] { MiAboutClick(); });
}

void TFBaseM2::PreparerAideEtLangue()
{
    try {
        FAidePerso->CreerMenuAidePerso(*MIAidePersonnalisee, QStringLiteral("*.*"), DossierApplication());
    } catch (const EInOutError& e) {
        // Without a folder for the memo files the rest of the start-up goes on.
        services().showMessage(e.message(), PlatformServices::Icon::Warning, QStringLiteral("Aide personnalisée"));
    }
    if (ChargerTextesNdC(CheminTextesNdC(), false))
        AfficherLangue();
    else
        MILangue->setVisible(false);
}

void TFBaseM2::AfficherLangue() { MILangue->setText(QStringLiteral("Langue (") + LangueActive() + u')'); }

void TFBaseM2::MILangueClick()
{
    if (ChoisirLangue(CheminTextesNdC()))
        AfficherLangue();
}

void TFBaseM2::CreerFenetreRevision()
{
    FFinfoRev = TFinfoRev::Creer(this);
    FFinfoRev->setWindowTitle(QStringLiteral("Tolvane"));
    FFinfoRev->MemoRev->setPlainText(QStringLiteral("Tolvane - calcul de tolvanes\n"
                                                    "Stabilité des contreforts en maçonnerie, documents au format 5_1"));
}

void TFBaseM2::RangerFenetreRevision()
{
    if (!FFinfoRev)
        return;
    // A revision window still open at start-up goes with the main window.
    FFinfoRev->close();
    FFinfoRev->RangerReglages();
}

void TFBaseM2::MiAboutClick()
{
    if (FFinfoRev)
        FFinfoRev->executer();
}
