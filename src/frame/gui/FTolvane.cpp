#include "frame/gui/FTolvane.h"

#include "documents/Calcul.h"
#include "documents/FichPb.h"
#include "drawing/DrawingExport.h"
#include "drawing/gui/ButtressDrawingView.h"
#include "drawing/gui/DrawingExportDialog.h"
#include "drawing/gui/DrawingOptionsPanel.h"
#include "drawing/gui/FrmPbx.h"
#include "editing/gui/DcRelais.h"
#include "editing/gui/Navigator.h"
#include "frame/ReportInput.h"
#include "frame/gui/SheetDelegate.h"
#include "frame/gui/SheetGridModel.h"
#include "model/ButtressText.h"
#include "report/gui/CalculationNoteView.h"
#include "report/CalculationNote.h"
#include "report/gui/NoteView.h"
#include "report/gui/ReportOutput.h"
#include "settings/WinReg.h"
#include "shell/DocumentSession.h"
#include "util/PlatformServices.h"

#include <QCheckBox>
#include <QCursor>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSplitter>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>
#include <exception>

namespace {

const QString kCleLargeurFiche = QStringLiteral("Tolvane_VLEwidth");
constexpr int kLargeurFicheDefaut = 500;

const QStringList& lignesInfo()
{
    static const QStringList lignes{
        QStringLiteral("Le tolvane se développera naturellement \"à droite\" de l'axe Z, sur les X >0."),
        QStringLiteral("L'axe Z représente le parement \"intérieur\" du tolvane, et généralement de l'édifice."),
        QStringLiteral("La grande variété des charges pouvant être introduites permet de calculer aussi bien des "
                       "murs d'église que des murs de soutènement."),
    };
    return lignes;
}

} // namespace

TFTolvane::TFTolvane(TDocumentSession& session, TWinReg* WR, QWidget* parent)
    : QWidget(parent)
    , FSession(session)
    , FWR(WR)
{
    setObjectName(QStringLiteral("FTolvane"));
    auto* colonne = new QVBoxLayout(this);
    colonne->setContentsMargins(0, 0, 0, 0);
    PCPages = new QTabWidget(this);
    PCPages->setObjectName(QStringLiteral("PCPages"));
    colonne->addWidget(PCPages);
    PCPages->addTab(creerPageDonnees(), QStringLiteral("Données"));
    PCPages->addTab(creerPageDessin(), QStringLiteral("Dessin"));
    PCPages->addTab(creerPageResultats(), QStringLiteral("Résultats"));
    connect(PCPages, &QTabWidget::currentChanged, this, &TFTolvane::pageChangee);

    // The single drawing frame starts on the drawing page and follows the page shown.
    Pbx = new TFrmPbx(PnDessin);
    Pbx->SetParents(this, PnImg);
    Pbx->setObjectName(QStringLiteral("Pbx"));
    // A picture tells a screen reader nothing by itself: say what it shows.
    Pbx->setAccessibleName(QStringLiteral("Dessin du tolvane"));
    Pbx->setAccessibleDescription(QStringLiteral(
        "Coupe du tolvane section par section, avec les charges et les résultantes ; "
        "la molette zoome, le glisser déplace, « Tracé==>PP » copie l'image."));

    dcRelaisVLE = new TdcRelais(this);
    dcRelaisVLE->setObjectName(QStringLiteral("dcRelaisVLE"));
    dcRelaisVLE->setDataControl(&FSession.DC());
    dcRelaisVLE->setURtext(kURtextValeur);
    dcRelaisVLE->setOnAfficherCdS([this](bool multiaff, const QString& v, bool) { afficherSurRelais(multiaff, v); });
    // Each calculation read gets what was typed applied to its own data.
    dcRelaisVLE->setOnLireCdS([this](QString& v) { v = FFiche.ValeurPour(v); });
    dcRelaisVLE->setOnLireEtatCdS([this](bool& changed) { changed = FFiche.Changee(); });
    TdcBaseRelais& relais = dcRelaisVLE->Relais();
    relais.BROnLectureTerminee = [this] { FFiche.LectureTerminee(); };
    relais.BROnValiderSaisie = [this] { FDelegue->Valider(); };
    relais.BROnSaisieEnCours = [this] { return FFiche.Changee() || FDelegue->SaisieEnCours().has_value(); };

    ChargerReglages();
}

TFTolvane::~TFTolvane()
{
    // The sheet and its editor go before the relay: the relay must no longer
    // reach them while the frame is taken apart.
    TdcBaseRelais& relais = dcRelaisVLE->Relais();
    relais.BROnValiderSaisie = nullptr;
    relais.BROnSaisieEnCours = nullptr;
    relais.BROnLectureTerminee = nullptr;
}

QWidget* TFTolvane::creerPageDonnees()
{
    auto* page = new QWidget;
    auto* colonne = new QVBoxLayout(page);
    MmInfo = new QPlainTextEdit(page);
    MmInfo->setObjectName(QStringLiteral("MmInfo"));
    MmInfo->setReadOnly(true);
    MmInfo->setPlainText(lignesInfo().join(QLatin1Char('\n')));
    MmInfo->setFixedHeight(65);
    MmInfo->setLineWrapMode(QPlainTextEdit::NoWrap);
    MmInfo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    MmInfo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    MmInfo->setAccessibleName(QStringLiteral("Conventions"));
    colonne->addWidget(MmInfo);

    Splitter1 = new QSplitter(Qt::Horizontal, page);
    Splitter1->setObjectName(QStringLiteral("Splitter1"));
    VLE = new QTableView(Splitter1);
    VLE->setObjectName(QStringLiteral("VLE"));
    VLE->setAccessibleName(QStringLiteral("Données du tolvane"));
    FModele = new TModeleFiche(FFiche, VLE);
    VLE->setModel(FModele);
    FDelegue = new TDelegueFiche(VLE);
    VLE->setItemDelegate(FDelegue);
    connect(FDelegue, &TDelegueFiche::saisieModifiee, this, [this] { FSession.DC().SignalerSaisie(); });
    VLE->horizontalHeader()->hide();
    VLE->verticalHeader()->hide();
    VLE->verticalHeader()->setMinimumSectionSize(18);
    VLE->verticalHeader()->setDefaultSectionSize(18);
    // The keys take what the values leave: at the sheet's usual width every
    // key is shown whole; a key cut by a narrower sheet shows whole in its tip.
    VLE->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    VLE->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Fixed);
    VLE->horizontalHeader()->resizeSection(1, 80);
    VLE->setSelectionMode(QAbstractItemView::SingleSelection);
    VLE->setSelectionBehavior(QAbstractItemView::SelectItems);
    VLE->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                         | QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
    VLE->setWordWrap(false);
    VLE->setTabKeyNavigation(true);
    connect(FModele, &TModeleFiche::valeurSaisie, this, [this] { valeurSaisie(); });

    PnImg = new QWidget(Splitter1);
    PnImg->setObjectName(QStringLiteral("PnImg"));
    PnImg->setMinimumWidth(120);
    Splitter1->setStretchFactor(0, 0);
    Splitter1->setStretchFactor(1, 1);
    Splitter1->setChildrenCollapsible(false);
    connect(Splitter1, &QSplitter::splitterMoved, this, [this] { FLargeurFiche = Splitter1->sizes().value(0, FLargeurFiche); });
    colonne->addWidget(Splitter1, 1);

    auto* bas = new QHBoxLayout;
    BtEditerlessections = new QPushButton(QStringLiteral("Editer les sections"), page);
    BtEditerlessections->setObjectName(QStringLiteral("BtEditerlessections"));
    PPMed = new QMenu(BtEditerlessections);
    PPMed->setObjectName(QStringLiteral("PPMed"));
    for (CommandeSection c : {CommandeSection::AjouterEnFin, CommandeSection::InsererAvantActive,
                              CommandeSection::SupprimerActive, CommandeSection::SupprimerDerniere}) {
        QAction* action = PPMed->addAction(LibelleMenu(c, 1));
        connect(action, &QAction::triggered, this, [this, c] { ExecuterCommandeSection(c); });
        FActions[c] = action;
    }
    connect(PPMed, &QMenu::aboutToShow, this, &TFTolvane::preparerMenu);
    connect(BtEditerlessections, &QPushButton::clicked, this, [this] {
        // At the mouse cursor, or below the button when it was pressed from the keyboard.
        const QPoint curseur = QCursor::pos();
        const bool surBouton = BtEditerlessections->rect().contains(BtEditerlessections->mapFromGlobal(curseur));
        PPMed->popup(surBouton ? curseur : BtEditerlessections->mapToGlobal(BtEditerlessections->rect().bottomLeft()));
    });
    bas->addWidget(BtEditerlessections);

    NavSec = new TNavigator(page);
    NavSec->setObjectName(QStringLiteral("NavSec"));
    NavSec->SetVisibleButtons({nbFirst, nbPrior, nbNext, nbLast});
    NavSec->SetAligne(true);
    NavSec->setFixedSize(100, 25);
    NavSec->setToolTip(QStringLiteral("Naviguer parmi les sections"));
    NavSec->setAccessibleName(QStringLiteral("Naviguer parmi les sections"));
    NavSec->setOnClick([this](TNavigator&, TNavigateBtn bouton) {
        switch (bouton) {
        case nbFirst: NaviguerSections(DeplacementSection::Premier); break;
        case nbPrior: NaviguerSections(DeplacementSection::Precedent); break;
        case nbNext: NaviguerSections(DeplacementSection::Suivant); break;
        case nbLast: NaviguerSections(DeplacementSection::Dernier); break;
        default: break;
        }
    });
    bas->addWidget(NavSec);
    bas->addStretch();
    colonne->addLayout(bas);
    return page;
}

QWidget* TFTolvane::creerPageDessin()
{
    auto* page = new QWidget;
    auto* ligne = new QHBoxLayout(page);
    PnOptions = new DrawingOptionsPanel(page);
    PnOptions->setObjectName(QStringLiteral("PnOptions"));
    ligne->addWidget(PnOptions);
    PnDessin = new QWidget(page);
    PnDessin->setObjectName(QStringLiteral("PnDessin"));
    ligne->addWidget(PnDessin, 1);
    connect(PnOptions, &DrawingOptionsPanel::optionsChangees, this, &TFTolvane::AfficherDessin);
    // Under the display options, so the picture exported is the one just chosen.
    BtExporterDessin = new QPushButton(QStringLiteral("Exporter le dessin..."), PnOptions);
    BtExporterDessin->setObjectName(QStringLiteral("BtExporterDessin"));
    BtExporterDessin->setToolTip(QStringLiteral("Enregistrer le dessin en PNG, SVG ou PDF, à la taille choisie"));
    BtExporterDessin->setAccessibleName(QStringLiteral("Exporter le dessin"));
    if (auto* colonneOptions = qobject_cast<QBoxLayout*>(PnOptions->layout()))
        colonneOptions->addWidget(BtExporterDessin);
    connect(BtExporterDessin, &QPushButton::clicked, this, &TFTolvane::ExporterDessin);
    return page;
}

QWidget* TFTolvane::creerPageResultats()
{
    auto* page = new QWidget;
    auto* colonne = new QVBoxLayout(page);
    PnStatutCalcul = new QLabel(page);
    PnStatutCalcul->setObjectName(QStringLiteral("PnStatutCalcul"));
    PnStatutCalcul->setAlignment(Qt::AlignCenter);
    PnStatutCalcul->setAutoFillBackground(true);
    PnStatutCalcul->setMinimumHeight(28);
    QFont police = PnStatutCalcul->font();
    police.setBold(true);
    police.setPointSizeF(police.pointSizeF() * 1.3);
    PnStatutCalcul->setFont(police);
    colonne->addWidget(PnStatutCalcul);
    PnReserve = new QLabel(page);
    PnReserve->setObjectName(QStringLiteral("PnReserve"));
    PnReserve->setAlignment(Qt::AlignCenter);
    PnReserve->setWordWrap(true);
    PnReserve->setTextInteractionFlags(Qt::TextSelectableByMouse);
    PnReserve->setToolTip(QStringLiteral("Plus grand facteur appliqué ensemble à la neige, au vent et à "
                                         "l'exploitation avant que le calcul devienne NON CONFORME"));
    colonne->addWidget(PnReserve);

    auto* barre = new QHBoxLayout;
    CkBxListDonnees = new QCheckBox(QStringLiteral("lister les données"), page);
    CkBxListDonnees->setObjectName(QStringLiteral("CkBxListDonnees"));
    connect(CkBxListDonnees, &QCheckBox::toggled, this, &TFTolvane::afficherNote);
    BtResultatsPP = new QPushButton(QStringLiteral("Résultats==>PP"), page);
    BtResultatsPP->setObjectName(QStringLiteral("BtResultatsPP"));
    BtResultatsPP->setToolTip(QStringLiteral("Copier la note de calcul dans le presse-papiers"));
    connect(BtResultatsPP, &QPushButton::clicked, this, [this] { CopierDocumentHtml(*WB); });
    BtImprimer = new QPushButton(QStringLiteral("Imprimer..."), page);
    BtImprimer->setObjectName(QStringLiteral("BtImprimer"));
    BtImprimer->setToolTip(QStringLiteral("Imprimer le rapport : cartouche, synthèse, dessin et note de calcul"));
    BtImprimer->setAccessibleName(QStringLiteral("Imprimer le rapport"));
    connect(BtImprimer, &QPushButton::clicked, this, &TFTolvane::ImprimerRapport);
    BtExporterPdf = new QPushButton(QStringLiteral("Exporter en PDF..."), page);
    BtExporterPdf->setObjectName(QStringLiteral("BtExporterPdf"));
    BtExporterPdf->setToolTip(QStringLiteral("Enregistrer le rapport complet dans un fichier PDF"));
    BtExporterPdf->setAccessibleName(QStringLiteral("Exporter le rapport en PDF"));
    connect(BtExporterPdf, &QPushButton::clicked, this, &TFTolvane::ExporterRapportPdf);
    barre->addWidget(CkBxListDonnees);
    barre->addStretch();
    barre->addWidget(BtImprimer);
    barre->addWidget(BtExporterPdf);
    barre->addWidget(BtResultatsPP);
    colonne->addLayout(barre);

    WB = new NoteView(page);
    WB->setObjectName(QStringLiteral("WB"));
    WB->setAccessibleName(QStringLiteral("Note de calcul"));
    colonne->addWidget(WB, 1);
    return page;
}

TDonneesAppli* TFTolvane::ModeleCourant() const
{
    // The frame only points at the model; the document may have dropped it
    // (closed, or replaced) since it was shown.
    const TFichPb* document = FSession.Document();
    if (!FDA || !document)
        return nullptr;
    for (const QList<TCalcul*>& liste : {document->Calculs(), document->CalculsMisDeCote()})
        for (const TCalcul* calcul : liste)
            if (calcul && calcul->DAP.get() == FDA)
                return FDA;
    return nullptr;
}

void TFTolvane::AfficherDonnees(TDonneesAppli& DA)
{
    const QString texte = DataVersTexte(DA.Data);
    // Showing again the very data the sheet holds (the display that follows
    // an edit recorded as the user left the page) keeps the page the user
    // chose; other data (another calculation, an undo) bring the sheet back.
    const bool memesDonnees = &DA == FDA && texte == FFiche.Libre;
    FDA = &DA;
    if (FPage != PageCadre::Donnees && !memesDonnees) {
        FChangementInterne = true;
        PCPages->setCurrentIndex(int(PageCadre::Donnees));
        FPage = PageCadre::Donnees;
        FChangementInterne = false;
    }
    // The sheet, once filled, draws the model itself: drawing it again here
    // would build the same drawing twice per display.
    FDessinAffiche = false;
    dcRelaisVLE->AfficherValeur(texte);
    if (FPage == PageCadre::Resultats)
        afficherNote();
    else if (!FDessinAffiche)
        AfficherDessin();
}

void TFTolvane::LireFiche(TDonneesAppli& DA)
{
    FDA = &DA;
    QString valeur = DataVersTexte(DA.Data);
    dcRelaisVLE->LireValeur(valeur);
    FFiche.Relue(valeur);
    dcRelaisVLE->Libre = valeur;
    try {
        // Read into a copy, so that a text refused half-way leaves the model whole.
        TData lu = DA.Data;
        TexteVersData(valeur, lu);
        DA.Data = std::move(lu);
    } catch (const std::exception&) {
        // The sheet always writes a readable text; nothing else reaches here.
    }
}

void TFTolvane::AfficherVerdict(TDonneesAppli& DA)
{
    FDA = &DA;
    const int niveau = DA.Data.StatutGlobal;
    PnStatutCalcul->setText(TexteStatutCalcul(niveau));
    QPalette palette = PnStatutCalcul->palette();
    palette.setColor(QPalette::Window, CouleurStatutCalcul(niveau));
    palette.setColor(QPalette::WindowText, Qt::black);
    PnStatutCalcul->setPalette(palette);
    // The verdict is shown once per calculation run; the reserve costs about
    // twenty runs more, still a fraction of a second for a large buttress.
    PnReserve->setText(niveau < 0 ? QString() : TexteReserveCalcul(CalculerReserve(DA.Data)));
}

void TFTolvane::afficherSurRelais(bool multiaff, const QString& valeur)
{
    FFiche.Afficher(multiaff ? QString() : valeur, multiaff);
    dcRelaisVLE->Libre = FFiche.Libre;
    rechargerGrille();
    if (FPage != PageCadre::Resultats)
        AfficherDessin();
}

void TFTolvane::rechargerGrille()
{
    // The keyboard stays on its cell and the sheet where it was scrolled,
    // as far as the new rows allow.
    const QModelIndex courant = VLE->currentIndex();
    const int defilement = VLE->verticalScrollBar()->value();
    FModele->Recharger();
    if (courant.isValid() && !VLE->currentIndex().isValid() && courant.row() < FModele->rowCount())
        VLE->setCurrentIndex(FModele->index(courant.row(), courant.column()));
    VLE->verticalScrollBar()->setValue(defilement);
}

void TFTolvane::valeurSaisie()
{
    // A value typed and confirmed is one edit, recorded at once, so the
    // drawing follows and undo brings back exactly that value.
    FSession.DC().EnregistrerChangements();
}

PageCadre TFTolvane::PageActive() const { return FPage; }

bool TFTolvane::ChoisirPage(PageCadre page)
{
    PCPages->setCurrentIndex(int(page));
    return FPage == page;
}

void TFTolvane::pageChangee(int index)
{
    if (FChangementInterne)
        return;
    const PageCadre de = FPage;
    const PageCadre vers = PageCadre(index);
    FSession.DC().EnregistrerChangements();
    if (!ChangementPagePermis(de, vers, FSession.DC().NbObjets())) {
        FChangementInterne = true;
        PCPages->setCurrentIndex(int(de));
        FChangementInterne = false;
        services().showMessage(QStringLiteral("Plusieurs calculs sont sélectionnés : le dessin et les résultats "
                                              "ne s'affichent que pour un seul calcul."),
                               PlatformServices::Icon::Information);
        return;
    }
    FPage = vers;
    if (CalculAvantPage(de, vers))
        FSession.CalculerSelection();
    if (vers != PageCadre::Resultats)
        AfficherDessin();
    else
        afficherNote();
}

void TFTolvane::AfficherDessin()
{
    FDessinAffiche = true;
    if (FPage == PageCadre::Donnees)
        Pbx->SetParents(this, PnImg);
    else if (FPage == PageCadre::Dessin)
        Pbx->SetParents(this, PnDessin);
    ::AfficherDessin(ModeleCourant(), PnOptions->Options(), *Pbx);
}

void TFTolvane::afficherNote()
{
    if (TDonneesAppli* DA = ModeleCourant())
        AfficherNdC(*WB, *DA, CkBxListDonnees->isChecked());
}

void TFTolvane::preparerMenu()
{
    const int k = SectionActive(VLE->currentIndex().row()) + 1;
    for (auto& [commande, action] : FActions)
        action->setText(LibelleMenu(commande, k));
}

QString TFTolvane::SaisieFicheEnCours(const QString& texte) const
{
    // On a copy of the sheet: nothing of what is being typed is recorded.
    TFicheContrefort fiche = FFiche;
    if (const auto saisie = FDelegue->SaisieEnCours())
        fiche.DefinirValeur(saisie->first, saisie->second);
    return fiche.ValeurPour(texte);
}

void TFTolvane::ExecuterCommandeSection(CommandeSection commande)
{
    // What was typed before is a step of its own, before the command's.
    FSession.DC().EnregistrerChangements();
    if (FSession.DC().NbObjets() > 1) {
        if (commande == CommandeSection::InsererAvantActive || commande == CommandeSection::SupprimerActive) {
            services().showMessage(QStringLiteral("Plusieurs calculs sont sélectionnés : la section active n'existe que "
                                                  "pour un seul calcul. Sélectionnez un seul onglet pour insérer ou "
                                                  "supprimer la section active."),
                                   PlatformServices::Icon::Information);
            return;
        }
    } else if (!ModeleCourant()) {
        return;
    }
    const int active = SectionActive(VLE->currentIndex().row());
    dcRelaisVLE->setURtext(LibelleAnnulation(commande));
    if (FFiche.AppliquerCommande(commande, active)) {
        rechargerGrille();
        dcRelaisVLE->Change();
    }
    dcRelaisVLE->setURtext(kURtextValeur);
}

void TFTolvane::NaviguerSections(DeplacementSection deplacement)
{
    const PositionFiche p
        = Naviguer(deplacement, SectionActive(VLE->currentIndex().row()), FFiche.Lignes().NbSections());
    if (p.ligneSelection >= FModele->rowCount())
        return;
    VLE->scrollTo(FModele->index(p.ligneHaut, 0), QAbstractItemView::PositionAtTop);
    VLE->setCurrentIndex(FModele->index(p.ligneSelection, 1));
}

void TFTolvane::ChargerReglages()
{
    FLargeurFiche = FWR ? FWR->GetLong(kCleLargeurFiche, kLargeurFicheDefaut) : kLargeurFicheDefaut;
    if (FLargeurFiche <= 0)
        FLargeurFiche = kLargeurFicheDefaut;
    appliquerLargeurFiche();
}

void TFTolvane::RangerReglages()
{
    // The width the user gave the sheet, whatever page is shown now; a frame
    // never shown has no width of its own yet: the one it was given stays.
    // (A hidden page keeps the sizes of its splitter.)
    if (FLargeurAppliquee && Splitter1->sizes().value(0) > 0)
        FLargeurFiche = Splitter1->sizes().value(0);
    if (FWR)
        FWR->PutLong(kCleLargeurFiche, FLargeurFiche);
}

void TFTolvane::appliquerLargeurFiche()
{
    // Until the splitter has its own width it would scale the sizes given.
    if (Splitter1->width() <= 0 || !Splitter1->isVisible())
        return;
    Splitter1->setSizes({FLargeurFiche, std::max(PnImg->minimumWidth(), Splitter1->width() - FLargeurFiche)});
}

void TFTolvane::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!FLargeurAppliquee) {
        FLargeurAppliquee = true;
        appliquerLargeurFiche();
    }
}

bool TFTolvane::EntreeRapportCourante(EntreeRapport& entree) const
{
    TDonneesAppli* DA = ModeleCourant();
    const TFichPb* document = FSession.Document();
    if (!DA || !document)
        return false;
    const TCalcul* calcul = nullptr;
    for (const QList<TCalcul*>& liste : {document->Calculs(), document->CalculsMisDeCote()})
        for (const TCalcul* c : liste)
            if (c && c->DAP.get() == DA)
                calcul = c;
    if (!calcul)
        return false;
    // The note as the user sees it: Qt's rewrite of the page only when it
    // holds retouches, the note's own page otherwise.
    const bool retouchee = WB->ADocument() && WB->document()->isModified();
    QString page;
    if (retouchee)
        page = WB->toHtml();
    else if (WB->ADocument() && !WB->PageChargee().isEmpty())
        page = WB->PageChargee();
    else
        page = PageNdC(DA->Data, CkBxListDonnees->isChecked());
    entree = EntreeRapportCalcul(*document, *calcul, page);
    if (retouchee)
        entree.pageNoteOrigine = WB->PageChargee();
    entree.optionsDessin = PnOptions->Options();
    return true;
}

QString TFTolvane::nomExportPropose() const
{
    QString nom;
    if (const TDonneesAppli* DA = ModeleCourant())
        for (const TCalcul* c : FSession.Document()->Calculs())
            if (c && c->DAP.get() == DA)
                nom = c->nomtab;
    // A tab's name may hold what a file name cannot.
    for (QChar& c : nom)
        if (c == u'/' || c == u'\\' || c.category() == QChar::Other_Control)
            c = u'_';
    if (nom.trimmed().isEmpty())
        nom = QStringLiteral("contrefort");
    const TFichPb* document = FSession.Document();
    if (!document || document->pathF.isEmpty())
        return nom;
    return QFileInfo(document->pathF).absoluteDir().filePath(nom);
}

bool TFTolvane::preparerRapport(EntreeRapport& entree)
{
    TDonneesAppli* DA = ModeleCourant();
    if (!DA)
        return false;
    // Data refused by the calculation keep the results of an earlier one: a
    // report would hand over a verdict that is not that of its data.
    if (DA->ResultatCalcul() == -1) {
        services().showMessage(QStringLiteral("Les données de ce calcul sont invalides : corrigez-les sur la page "
                                              "« Données » avant d'imprimer ou d'exporter le rapport."),
                               PlatformServices::Icon::Warning);
        return false;
    }
    return EntreeRapportCourante(entree);
}

void TFTolvane::ImprimerRapport()
{
    EntreeRapport entree;
    if (preparerRapport(entree))
        ::ImprimerRapport(this, entree);
}

void TFTolvane::ExporterRapportPdf()
{
    EntreeRapport entree;
    if (preparerRapport(entree))
        ::ExporterRapportPdf(entree, nomExportPropose());
}

void TFTolvane::ExporterDessin()
{
    TDonneesAppli* DA = ModeleCourant();
    if (!DA)
        return;
    // Built on a copy: the export must not change the scales of the model shown.
    TData donnees = DA->Data;
    const DessinContrefort dessin = ConstruireDessin(donnees, PnOptions->Options());
    ::ExporterDessin(this, dessin, QStringLiteral("Dessin - %1").arg(QFileInfo(nomExportPropose()).fileName()),
                     nomExportPropose());
}
