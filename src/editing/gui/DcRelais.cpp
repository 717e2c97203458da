#include "editing/gui/DcRelais.h"

#include "editing/DataControl.h"

TdcRelais::TdcRelais(QWidget* parent) : QWidget(parent), FBRel(std::make_unique<TdcBaseRelais>(this))
{
    setFocusPolicy(Qt::NoFocus);
    QWidget::setVisible(false);
    FBRel->SetTesteurActif([this] { return isEnabled(); });
    connect(this, &QObject::objectNameChanged, this, [this](const QString& nom) {
        if (FBRel->BRURtext.isEmpty())
            FBRel->BRURtext = nom;
    });
}

TdcRelais::~TdcRelais() = default;

void TdcRelais::setVisible(bool) { QWidget::setVisible(false); }

void TdcRelais::Change()
{
    FBRel->dcModif = true;
    if (TDataControl* dc = DataControl())
        dc->EnregistrerChangements();
}
