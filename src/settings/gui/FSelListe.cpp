#include "settings/gui/FSelListe.h"

#include "settings/gui/PlacedWidget.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <memory>

TFSelListe::TFSelListe(Cle, const QStringList& choix)
    : QDialog(nullptr)
{
    setObjectName(QStringLiteral("FSelListe"));
    setWindowTitle(QStringLiteral("Sélectionner un répertoire"));
    resize(320, 260);

    FLBx = new QListWidget(this);
    FLBx->setObjectName(QStringLiteral("LBx"));
    FLBx->setAccessibleName(QStringLiteral("Choix"));
    FLBx->setSelectionMode(QAbstractItemView::SingleSelection);
    FLBx->addItems(choix);
    FBBok = new QPushButton(QStringLiteral("OK"), this);
    FBBok->setObjectName(QStringLiteral("BBok"));
    FBBok->setDefault(true);
    FBBann = new QPushButton(QStringLiteral("Annuler"), this);
    FBBann->setObjectName(QStringLiteral("BBann"));

    auto* boutons = new QHBoxLayout;
    boutons->addStretch(1);
    boutons->addWidget(FBBok);
    boutons->addWidget(FBBann);
    auto* fiche = new QVBoxLayout(this);
    fiche->addWidget(FLBx, 1);
    fiche->addLayout(boutons);
    FLBx->setFocus();

    connect(FBBok, &QPushButton::clicked, this, &QDialog::accept);
    connect(FBBann, &QPushButton::clicked, this, &QDialog::reject);
    connect(FLBx, &QListWidget::itemDoubleClicked, this, &QDialog::accept);

    FWR.setPixelsPerInchDsgn(120);
    AttacherFenetre(FWR, *this);
}

TFSelListe::~TFSelListe() = default;

TChoixListe ChoisirDansListe(const QString& choix, const QString& titre)
{
    QStringList lignes = choix.split(u'\n');
    if (!lignes.isEmpty() && lignes.last().isEmpty())
        lignes.removeLast();
    for (QString& ligne : lignes)
        if (ligne.endsWith(u'\r'))
            ligne.chop(1);

    auto FSelListe = std::make_unique<TFSelListe>(TFSelListe::Cle(), lignes);
    FSelListe->WR().ChargeRegLocal(0);
    struct Rangement {
        TFSelListe& fiche;
        ~Rangement() { fiche.WR().RangeRegLocal(-1); }
    } rangement{*FSelListe};
    if (!titre.isEmpty())
        FSelListe->setWindowTitle(titre);

    TChoixListe resultat;
    if (FSelListe->exec() == QDialog::Accepted) {
        const int ligne = FSelListe->LBx()->currentRow();
        const QListWidgetItem* item = FSelListe->LBx()->currentItem();
        if (ligne >= 0 && item && item->isSelected()) {
            resultat.texte = item->text();
            resultat.index = ligne;
        }
    }
    return resultat;
}
