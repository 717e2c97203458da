#include "drawing/gui/DrawingOptionsPanel.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace {

QListWidget* listeACocher(const QString& nom, const QStringList& libelles, QWidget* parent)
{
    auto* liste = new QListWidget(parent);
    liste->setObjectName(nom);
    for (const QString& libelle : libelles) {
        auto* item = new QListWidgetItem(libelle, liste);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Checked);
    }
    // Tall enough for every item, no scrolling.
    liste->setFixedHeight(liste->sizeHintForRow(0) * liste->count() + 2 * liste->frameWidth() + 4);
    return liste;
}

bool coche(const QListWidget* liste, int i) { return liste->item(i)->checkState() == Qt::Checked; }

void cocher(QListWidget* liste, int i, bool oui) { liste->item(i)->setCheckState(oui ? Qt::Checked : Qt::Unchecked); }

} // namespace

DrawingOptionsPanel::DrawingOptionsPanel(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("DrawingOptionsPanel"));
    auto* colonne = new QVBoxLayout(this);

    colonne->addWidget(new QLabel(QStringLiteral("échelle des charges"), this));
    SBechCharges = new QScrollBar(Qt::Horizontal, this);
    SBechCharges->setObjectName(QStringLiteral("SBechCharges"));
    SBechCharges->setRange(-100, 100);
    SBechCharges->setPageStep(20);
    SBechCharges->setSingleStep(1);
    SBechCharges->setValue(0);
    colonne->addWidget(SBechCharges);

    RGaffiDR = new QGroupBox(QStringLiteral("affichage"), this);
    RGaffiDR->setObjectName(QStringLiteral("RGaffiDR"));
    auto* radios = new QVBoxLayout(RGaffiDR);
    choixAffichage_ = new QButtonGroup(this);
    const QStringList choix{QStringLiteral("données"), QStringLiteral("résultats"), QStringLiteral("les deux")};
    for (int i = 0; i < choix.size(); ++i) {
        auto* bouton = new QRadioButton(choix[i], RGaffiDR);
        radios->addWidget(bouton);
        choixAffichage_->addButton(bouton, i);
    }
    choixAffichage_->button(0)->setChecked(true);
    colonne->addWidget(RGaffiDR);

    CkBxAffiChPR = listeACocher(QStringLiteral("CkBxAffiChPR"),
                                {QStringLiteral("ponctuelles"), QStringLiteral("réparties")}, this);
    colonne->addWidget(CkBxAffiChPR);
    CkBxAffiChGSWQ = listeACocher(QStringLiteral("CkBxAffiChGSWQ"),
                                  {QStringLiteral("permanentes"), QStringLiteral("neige"), QStringLiteral("vent"),
                                   QStringLiteral("exploitation")},
                                  this);
    colonne->addWidget(CkBxAffiChGSWQ);
    CkBxLignePoussee = new QCheckBox(QStringLiteral("&Ligne de poussée"), this);
    CkBxLignePoussee->setObjectName(QStringLiteral("CkBxLignePoussee"));
    CkBxLignePoussee->setAccessibleName(QStringLiteral("Ligne de poussée"));
    CkBxLignePoussee->setAccessibleDescription(
        QStringLiteral("Trace la ligne de poussée (passage de la résultante retenue pour l'excentricité dans chaque "
                       "section) et le tiers central de chaque section"));
    CkBxLignePoussee->setToolTip(QStringLiteral("Ligne de poussée et tiers central des sections"));
    colonne->addWidget(CkBxLignePoussee);
    colonne->addStretch(1);

    connect(SBechCharges, &QScrollBar::valueChanged, this, [this] { changement(); });
    connect(choixAffichage_, &QButtonGroup::idToggled, this, [this](int, bool choisi) {
        if (choisi)
            changement();
    });
    connect(CkBxAffiChPR, &QListWidget::itemChanged, this, [this] { changement(); });
    connect(CkBxAffiChGSWQ, &QListWidget::itemChanged, this, [this] { changement(); });
    connect(CkBxLignePoussee, &QCheckBox::toggled, this, [this] { changement(); });
    appliquerVisibilite();
}

OptionsDessin DrawingOptionsPanel::Options() const
{
    OptionsDessin o;
    o.echelleCharges = SBechCharges->value();
    o.affichage = static_cast<OptionsDessin::Affichage>(std::max(choixAffichage_->checkedId(), 0));
    o.ponctuelles = coche(CkBxAffiChPR, 0);
    o.reparties = coche(CkBxAffiChPR, 1);
    o.permanentes = coche(CkBxAffiChGSWQ, 0);
    o.neige = coche(CkBxAffiChGSWQ, 1);
    o.vent = coche(CkBxAffiChGSWQ, 2);
    o.exploitation = coche(CkBxAffiChGSWQ, 3);
    o.lignePoussee = CkBxLignePoussee->isChecked();
    return o;
}

void DrawingOptionsPanel::setOptions(const OptionsDessin& o)
{
    silence_ = true;
    SBechCharges->setValue(o.echelleCharges);
    if (QAbstractButton* bouton = choixAffichage_->button(static_cast<int>(o.affichage)))
        bouton->setChecked(true);
    cocher(CkBxAffiChPR, 0, o.ponctuelles);
    cocher(CkBxAffiChPR, 1, o.reparties);
    cocher(CkBxAffiChGSWQ, 0, o.permanentes);
    cocher(CkBxAffiChGSWQ, 1, o.neige);
    cocher(CkBxAffiChGSWQ, 2, o.vent);
    cocher(CkBxAffiChGSWQ, 3, o.exploitation);
    CkBxLignePoussee->setChecked(o.lignePoussee);
    silence_ = false;
    appliquerVisibilite();
}

void DrawingOptionsPanel::appliquerVisibilite()
{
    // The load lists only mean something when loads may be shown.
    const bool charges = Options().chargesAffichables();
    CkBxAffiChPR->setVisible(charges);
    CkBxAffiChGSWQ->setVisible(charges);
}

void DrawingOptionsPanel::changement()
{
    if (silence_)
        return;
    appliquerVisibilite();
    emit optionsChangees();
}
