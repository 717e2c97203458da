#pragma once

#include <QLineEdit>
#include <QPersistentModelIndex>
#include <QPointer>
#include <QStyledItemDelegate>
#include <optional>
#include <utility>

// The editor of the sheet's cells. It knows the cell being typed into and
// what its editor holds, so that a value typed without leaving the cell
// counts for the commands (save, close, undo...) as a confirmed one.
class TDelegueFiche : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void destroyEditor(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;

    // The row being typed into and the text of its editor, when an editor is
    // open and holds something it has not given to the sheet yet.
    std::optional<std::pair<int, QString>> SaisieEnCours() const;
    // Gives the sheet what the open editor holds; the editor stays open.
    void Valider();

signals:
    // The text of the open editor changed.
    void saisieModifiee();

private:
    mutable QPointer<QLineEdit> FEditeur;
    mutable QPersistentModelIndex FIndex;
    // What the editor held when it opened or last gave its text.
    mutable QString FTexteValide;
};
