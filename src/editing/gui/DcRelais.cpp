#include "editing/gui/DcRelais.h"

#include "editing/DataControl.h"

TdcRelais::TdcRelais(QWidget* parent) : QWidget(parent), TdcFacadeRelais(static_cast<QWidget&>(*this))
{
    setFocusPolicy(Qt::NoFocus);
    QWidget::setVisible(false);
}

TdcRelais::~TdcRelais() = default;

void TdcRelais::setVisible(bool) { QWidget::setVisible(false); }

void TdcRelais::Change()
{
    FBRel->dcModif = true;
    if (TDataControl* dc = DataControl())
        dc->EnregistrerChangements();
}
