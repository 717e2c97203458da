#pragma once

#include <QAbstractListModel>

class TEditionConfig;

// The lines of the options dialog as a list model: each row gives its label,
// its value and its type, and tells assistive technologies "label : value".
class TModeleParametres final : public QAbstractListModel {
public:
    enum Role { RoleValeur = Qt::UserRole + 1, RoleType, RoleTitre };

    // The edition outlives the model (both belong to the dialog).
    explicit TModeleParametres(const TEditionConfig& edition, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // The value of row changed in the edition.
    void ValeurChangee(int row);

private:
    const TEditionConfig& FEdition;
};
