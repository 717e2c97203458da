#include "settings/gui/FConfig.h"

#include "settings/gui/ConfigLineDelegate.h"
#include "settings/gui/ConfigParametersModel.h"
#include "settings/gui/FSelListe.h"
#include "settings/gui/PlacedWidget.h"
#include "util/PlatformServices.h"

#include <QColorDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QListView>
#include <QPrinterInfo>
#include <QPushButton>
#include <QStandardItemModel>
#include <QVBoxLayout>
#include <algorithm>

namespace {

constexpr int kLargeurColonneDessin = 80;
constexpr int kLargeurColonneMini = 50;

} // namespace

TFConfig::TFConfig(Cle, const QString& parametres, const QString& valeurs)
    : QDialog(nullptr)
    , FEdition(parametres, valeurs)
{
    setObjectName(QStringLiteral("FConfig"));
    setWindowTitle(QStringLiteral("Configuration"));
    resize(460, 300);

    auto* enteteModele = new QStandardItemModel(0, 1, this);
    enteteModele->setHorizontalHeaderLabels({QStringLiteral("paramètre")});
    FHC = new QHeaderView(Qt::Horizontal, this);
    FHC->setObjectName(QStringLiteral("HC"));
    FHC->setModel(enteteModele);
    FHC->setMinimumSectionSize(kLargeurColonneMini);
    FHC->setStretchLastSection(false);
    FHC->setSectionResizeMode(QHeaderView::Interactive);
    FHC->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    FHC->resizeSection(0, kLargeurColonneDessin);
    FHC->setFocusPolicy(Qt::NoFocus);
    // As a scroll area the header would ask for room for scroll bars.
    FHC->setFixedHeight(FHC->sizeHint().height() + 4);
    FHC->setAccessibleName(QStringLiteral("Largeur de la colonne des paramètres"));

    FModele = new TModeleParametres(FEdition, this);
    FLbParams = new QListView(this);
    FLbParams->setObjectName(QStringLiteral("LbParams"));
    FLbParams->setAccessibleName(QStringLiteral("Paramètres"));
    FLbParams->setModel(FModele);
    FLbParams->setItemDelegate(new TDelegueParametre(*FHC, FLbParams));
    FLbParams->setUniformItemSizes(true);
    FLbParams->setSelectionMode(QAbstractItemView::SingleSelection);
    FLbParams->setEditTriggers(QAbstractItemView::NoEditTriggers);
    FLbParams->installEventFilter(this);

    FBtModifier = new QPushButton(QStringLiteral("Modifier ..."), this);
    FBtModifier->setObjectName(QStringLiteral("BtModifier"));
    FBtRechercher = new QPushButton(QStringLiteral("Rechercher ..."), this);
    FBtRechercher->setObjectName(QStringLiteral("BtRechercher"));
    FBBok = new QPushButton(QStringLiteral("OK"), this);
    FBBok->setObjectName(QStringLiteral("BBok"));
    FBBok->setDefault(true);
    FBBann = new QPushButton(QStringLiteral("Annuler"), this);
    FBBann->setObjectName(QStringLiteral("BBann"));
    FBBaide = new QPushButton(QStringLiteral("Aide"), this);
    FBBaide->setObjectName(QStringLiteral("BBaide"));

    auto* liste = new QVBoxLayout;
    liste->setSpacing(0);
    liste->addWidget(FHC);
    liste->addWidget(FLbParams, 1);
    auto* boutons = new QVBoxLayout;
    boutons->addWidget(FBtModifier);
    boutons->addWidget(FBtRechercher);
    boutons->addStretch(1);
    boutons->addWidget(FBBok);
    boutons->addWidget(FBBann);
    boutons->addWidget(FBBaide);
    auto* fiche = new QHBoxLayout(this);
    fiche->addLayout(liste, 1);
    fiche->addLayout(boutons);
    setTabOrder(FLbParams, FBtModifier);
    setTabOrder(FBtModifier, FBtRechercher);
    setTabOrder(FBtRechercher, FBBok);
    setTabOrder(FBBok, FBBann);
    setTabOrder(FBBann, FBBaide);
    FLbParams->setFocus();

    connect(FHC, &QHeaderView::sectionResized, FLbParams->viewport(), qOverload<>(&QWidget::update));
    connect(FLbParams->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& courant) {
                // The keyboard's current line is the selected one, so that
                // Enter edits the line the user sees.
                if (courant.isValid())
                    FLbParams->selectionModel()->select(courant, QItemSelectionModel::ClearAndSelect);
                MettreAJourBoutons();
            });
    connect(FLbParams->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] { MettreAJourBoutons(); });
    connect(FLbParams, &QAbstractItemView::doubleClicked, this, [this] { Modifier(); });
    connect(FBtModifier, &QPushButton::clicked, this, [this] { Modifier(); });
    connect(FBtRechercher, &QPushButton::clicked, this, [this] { Rechercher(); });
    connect(FBBok, &QPushButton::clicked, this, &QDialog::accept);
    connect(FBBann, &QPushButton::clicked, this, &QDialog::reject);
    connect(FBBaide, &QPushButton::clicked, this, [this] { Aide(); });

    FWR.setPixelsPerInchDsgn(120);
    FWR.setOnChargeReg([this] { WRChargeReg(); });
    FWR.setOnRangeReg([this] { WRRangeReg(); });
    AttacherFenetre(FWR, *this);
    MettreAJourBoutons();
}

TFConfig::~TFConfig() = default;

int TFConfig::LigneChoisie() const
{
    const QModelIndex courant = FLbParams->currentIndex();
    if (!courant.isValid() || !FLbParams->selectionModel()->isSelected(courant))
        return -1;
    return courant.row();
}

void TFConfig::MettreAJourBoutons()
{
    const int ligne = LigneChoisie();
    FBtModifier->setEnabled(FEdition.ModifierPossible(ligne));
    FBtRechercher->setEnabled(FEdition.RechercherPossible(ligne));
}

void TFConfig::Afficher(int ligne) { FModele->ValeurChangee(ligne); }

void TFConfig::Modifier()
{
    const int ligne = LigneChoisie();
    if (FEdition.Modifier(ligne, Editeurs()))
        Afficher(ligne);
}

void TFConfig::Rechercher()
{
    const int ligne = LigneChoisie();
    if (FEdition.Rechercher(ligne, Editeurs()))
        Afficher(ligne);
}

void TFConfig::Aide()
{
    services().showMessage(
        QStringLiteral("Choisissez un paramètre dans la liste, puis :\n"
                       "« Modifier ... » (ou double-clic, ou Entrée) pour saisir sa valeur ;\n"
                       "« Rechercher ... » pour la choisir dans un dossier, un fichier ou la liste des imprimantes.\n"
                       "« OK » enregistre les valeurs, « Annuler » les laisse telles qu'elles étaient."),
        PlatformServices::Icon::Information, QStringLiteral("Aide"));
}

TEditeursGraphiques TFConfig::Editeurs()
{
    TEditeursGraphiques editeurs;
    editeurs.couleur = [this](const QColor& initiale, const QString& titre) { return ChoisirCouleur(initiale, titre); };
    editeurs.imprimante = [this] { return ChoisirImprimante(); };
    return editeurs;
}

std::optional<QColor> TFConfig::ChoisirCouleur(const QColor& initiale, const QString& titre)
{
    QColorDialog CD(initiale, this);
    CD.setObjectName(QStringLiteral("CD"));
    CD.setWindowTitle(titre);
    if (CD.exec() != QDialog::Accepted)
        return std::nullopt;
    return CD.selectedColor();
}

std::optional<QString> TFConfig::ChoisirImprimante()
{
    const QStringList imprimantes = QPrinterInfo::availablePrinterNames();
    if (imprimantes.isEmpty()) {
        // An empty list would leave the user nothing to choose but Cancel.
        services().showMessage(QStringLiteral("Aucune imprimante n'est installée sur ce poste."),
                               PlatformServices::Icon::Information, QStringLiteral("Configurer"));
        return std::nullopt;
    }
    const TChoixListe choix = ChoisirDansListe(imprimantes.join(u'\n'), QStringLiteral("choisir l'imprimante"));
    if (choix.texte.isEmpty())
        return std::nullopt;
    return choix.texte;
}

bool TFConfig::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == FLbParams && event->type() == QEvent::KeyPress) {
        const auto* touche = static_cast<QKeyEvent*>(event);
        if ((touche->key() == Qt::Key_Return || touche->key() == Qt::Key_Enter) && touche->modifiers() == Qt::NoModifier) {
            Modifier();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TFConfig::mouseDoubleClickEvent(QMouseEvent* event)
{
    QDialog::mouseDoubleClickEvent(event);
    Modifier();
}

void TFConfig::WRChargeReg()
{
    // "Sep" is absent on the first use: the column then takes the header's
    // minimum width.
    FHC->resizeSection(0, std::max(FWR.GetLong(QStringLiteral("Sep"), 0), FHC->minimumSectionSize()));
}

void TFConfig::WRRangeReg() { FWR.PutLong(QStringLiteral("Sep"), FHC->sectionSize(0)); }

bool ExecuterConfig(const QString& titre, const QString& parametres, QString& valeurs)
{
    auto FConfig = std::make_unique<TFConfig>(TFConfig::Cle(), parametres, valeurs);
    FConfig->WR().ChargeFenReg(QString());
    // The settings are stored whatever happens once the dialog is up, even
    // when an editor fails.
    struct Rangement {
        TFConfig& fiche;
        ~Rangement() { fiche.WR().RangeFenReg(); }
    } rangement{*FConfig};
    FConfig->setWindowTitle(titre);
    if (FConfig->exec() != QDialog::Accepted)
        return false;
    valeurs = FConfig->valtxt();
    return true;
}
