#pragma once

#include "frame/SheetEditing.h"

#include <QAbstractTableModel>

// The sheet as a Qt item model: column 0 the keys, column 1 the values. Keys
// and headings are read-only; the heading keys are bold (section titles) or
// italic (groups). Being a Qt item model, the sheet is reachable cell by cell
// with the keyboard and shows its rows, keys and values to assistive
// technologies through the view's own accessibility.
class TModeleFiche : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit TModeleFiche(TFicheContrefort& fiche, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // The rows were filled again: the view follows, keeping its place when
    // the number of rows is the same.
    void Recharger();

signals:
    // The user typed a value into a row.
    void valeurSaisie(int ligne);

private:
    TFicheContrefort& FFiche;
    int FNbLignes = 0;
};
