#include "frame/gui/SheetDelegate.h"

QWidget* TDelegueFiche::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                     const QModelIndex& index) const
{
    QWidget* editeur = QStyledItemDelegate::createEditor(parent, option, index);
    FEditeur = qobject_cast<QLineEdit*>(editeur);
    FIndex = index;
    FTexteValide = index.data(Qt::EditRole).toString();
    if (FEditeur)
        connect(FEditeur, &QLineEdit::textChanged, this, [this] { emit const_cast<TDelegueFiche*>(this)->saisieModifiee(); });
    return editeur;
}

void TDelegueFiche::destroyEditor(QWidget* editor, const QModelIndex& index) const
{
    if (editor == FEditeur) {
        FEditeur.clear();
        FIndex = QPersistentModelIndex();
    }
    QStyledItemDelegate::destroyEditor(editor, index);
}

void TDelegueFiche::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const
{
    // What the sheet is given is no longer in progress, however it was given.
    if (editor == FEditeur)
        FTexteValide = FEditeur->text();
    QStyledItemDelegate::setModelData(editor, model, index);
}

std::optional<std::pair<int, QString>> TDelegueFiche::SaisieEnCours() const
{
    if (!FEditeur || !FIndex.isValid())
        return std::nullopt;
    const QString texte = FEditeur->text();
    if (texte == FTexteValide)
        return std::nullopt;
    return std::pair{FIndex.row(), texte};
}

void TDelegueFiche::Valider()
{
    if (!SaisieEnCours())
        return;
    emit commitData(FEditeur);
}
