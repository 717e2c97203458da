#pragma once

#include <QPointer>
#include <QStyledItemDelegate>

class QHeaderView;

// Draws one line of the options dialog, 18 pixels high: a heading flush
// left; otherwise the label 10 pixels in, clipped to the label column (as
// wide as the header's section), and the value in the rest of the line, as
// text or, for a colour, as a rectangle of that colour inset by 2 pixels.
class TDelegueParametre final : public QStyledItemDelegate {
public:
    static constexpr int kHauteurLigne = 18;
    static constexpr int kRetraitLibelle = 10;
    static constexpr int kRetraitCouleur = 2;
    // Keeps a value clear of a label cut by the column.
    static constexpr int kMargeValeur = 4;

    TDelegueParametre(QHeaderView& entete, QObject* parent = nullptr);

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    QPointer<QHeaderView> FEntete;
};
