#include "frame/gui/SheetGridModel.h"

#include <QFont>

TModeleFiche::TModeleFiche(TFicheContrefort& fiche, QObject* parent)
    : QAbstractTableModel(parent)
    , FFiche(fiche)
    , FNbLignes(fiche.Lignes().NbLignes())
{
}

int TModeleFiche::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : FNbLignes; }

int TModeleFiche::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : 2; }

QVariant TModeleFiche::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= FFiche.Lignes().NbLignes())
        return {};
    const TLigneFiche& ligne = FFiche.Lignes().LigneFiche(index.row());
    const bool cle = index.column() == 0;
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return cle ? ligne.cle : ligne.valeur;
    case Qt::ToolTipRole:
        return cle ? ligne.cle.trimmed() : ligne.valeur;
    case Qt::AccessibleTextRole:
        // A value is announced with its key, so that a row read alone still
        // says what it holds.
        return cle ? ligne.cle.trimmed() : ligne.cle.trimmed() + QStringLiteral(" : ") + ligne.valeur;
    case Qt::FontRole: {
        if (!cle || ligne.police == TLigneFiche::Police::Normale)
            return {};
        QFont police;
        police.setBold(ligne.police == TLigneFiche::Police::Grasse);
        police.setItalic(ligne.police == TLigneFiche::Police::Italique);
        return police;
    }
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    default:
        return {};
    }
}

bool TModeleFiche::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || index.column() != 1 || role != Qt::EditRole)
        return false;
    const QString texte = value.toString();
    if (texte == FFiche.Lignes().LigneFiche(index.row()).valeur)
        return true;
    if (!FFiche.DefinirValeur(index.row(), texte))
        return false;
    emit dataChanged(index, index);
    emit valeurSaisie(index.row());
    return true;
}

Qt::ItemFlags TModeleFiche::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (index.column() == 1 && index.row() < FFiche.Lignes().NbLignes()
        && !FFiche.Lignes().LigneFiche(index.row()).lectureSeule)
        f |= Qt::ItemIsEditable;
    return f;
}

QVariant TModeleFiche::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return section == 0 ? QStringLiteral("Donnée") : QStringLiteral("Valeur");
    return section + 1;
}

void TModeleFiche::Recharger()
{
    const int n = FFiche.Lignes().NbLignes();
    if (n == FNbLignes) {
        if (n > 0)
            emit dataChanged(index(0, 0), index(n - 1, 1));
        return;
    }
    beginResetModel();
    FNbLignes = n;
    endResetModel();
}
