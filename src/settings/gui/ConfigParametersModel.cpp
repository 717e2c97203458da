#include "settings/gui/ConfigParametersModel.h"

#include "settings/ConfigEdition.h"

#include <QColor>

TModeleParametres::TModeleParametres(const TEditionConfig& edition, QObject* parent)
    : QAbstractListModel(parent)
    , FEdition(edition)
{
}

int TModeleParametres::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : FEdition.Nombre();
}

Qt::ItemFlags TModeleParametres::flags(const QModelIndex& index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren : Qt::NoItemFlags;
}

QVariant TModeleParametres::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= FEdition.Nombre())
        return {};
    const int row = index.row();
    const TParametreConfig& p = FEdition.Parametres()[row];
    const bool couleur = p.type == TTypeParametre::Couleur;
    switch (role) {
    case Qt::DisplayRole: return p.libelle;
    case RoleValeur: return FEdition.Valeur(row);
    case RoleType: return int(p.type);
    case RoleTitre: return EstTitre(p.type);
    case Qt::DecorationRole:
        if (couleur)
            return CouleurDeValeur(FEdition.Valeur(row));
        return {};
    case Qt::ToolTipRole:
    case Qt::AccessibleTextRole: {
        // The column may cut the label and the value: the tooltip and
        // assistive technologies get them whole.
        if (EstTitre(p.type))
            return p.libelle;
        const QString valeur = couleur ? QStringLiteral("couleur ") + CouleurDeValeur(FEdition.Valeur(row)).name()
                                       : FEdition.Valeur(row);
        return p.libelle + QStringLiteral(" : ") + (valeur.isEmpty() ? QStringLiteral("(vide)") : valeur);
    }
    default: return {};
    }
}

void TModeleParametres::ValeurChangee(int row)
{
    const QModelIndex i = index(row);
    emit dataChanged(i, i);
}
