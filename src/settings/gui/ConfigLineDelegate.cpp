#include "settings/gui/ConfigLineDelegate.h"

#include "settings/ConfigParameters.h"
#include "settings/gui/ConfigParametersModel.h"

#include <QApplication>
#include <QHeaderView>
#include <QPainter>
#include <QStyle>

TDelegueParametre::TDelegueParametre(QHeaderView& entete, QObject* parent)
    : QStyledItemDelegate(parent)
    , FEntete(&entete)
{
}

QSize TDelegueParametre::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const
{
    return QSize(option.rect.width(), kHauteurLigne);
}

void TDelegueParametre::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const QRect ligne = option.rect;
    const bool choisie = option.state & QStyle::State_Selected;
    const QPalette::ColorGroup groupe = option.state & QStyle::State_Active ? QPalette::Active : QPalette::Inactive;
    painter->save();
    painter->fillRect(ligne, option.palette.brush(groupe, choisie ? QPalette::Highlight : QPalette::Base));
    painter->setPen(option.palette.color(groupe, choisie ? QPalette::HighlightedText : QPalette::Text));

    const QString libelle = index.data(Qt::DisplayRole).toString();
    if (index.data(TModeleParametres::RoleTitre).toBool()) {
        QFont gras = option.font;
        gras.setBold(true);
        painter->setFont(gras);
        painter->drawText(ligne, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, libelle);
    } else {
        painter->setFont(option.font);
        const int colonne = FEntete ? FEntete->sectionSize(0) : 0;
        const QRect zoneLibelle(ligne.left(), ligne.top(), colonne, ligne.height());
        painter->setClipRect(zoneLibelle);
        painter->drawText(zoneLibelle.adjusted(kRetraitLibelle, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                          libelle);
        painter->setClipping(false);
        const QRect zoneValeur(ligne.left() + colonne, ligne.top(), ligne.width() - colonne, ligne.height());
        if (TTypeParametre(index.data(TModeleParametres::RoleType).toInt()) == TTypeParametre::Couleur) {
            painter->fillRect(zoneValeur.adjusted(kRetraitCouleur, kRetraitCouleur, -kRetraitCouleur, -kRetraitCouleur),
                              index.data(Qt::DecorationRole).value<QColor>());
        } else {
            painter->setClipRect(zoneValeur);
            painter->drawText(zoneValeur.adjusted(kMargeValeur, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                              index.data(TModeleParametres::RoleValeur).toString());
        }
    }
    painter->restore();

    if (option.state & QStyle::State_HasFocus) {
        QStyleOptionFocusRect cadre;
        cadre.QStyleOption::operator=(option);
        cadre.backgroundColor = option.palette.color(groupe, choisie ? QPalette::Highlight : QPalette::Base);
        const QWidget* vue = option.widget;
        QStyle* style = vue ? vue->style() : QApplication::style();
        style->drawPrimitive(QStyle::PE_FrameFocusRect, &cadre, painter, vue);
    }
}
