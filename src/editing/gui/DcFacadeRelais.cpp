#include "editing/gui/DcFacadeRelais.h"

#include <QWidget>

TdcFacadeRelais::TdcFacadeRelais(QWidget& controle) : FBRel(std::make_unique<TdcBaseRelais>(&controle))
{
    FBRel->SetTesteurActif([&controle] { return controle.isEnabled(); });
    QObject::connect(&controle, &QObject::objectNameChanged, &controle, [this](const QString& nom) {
        if (FBRel->BRURtext.isEmpty())
            FBRel->BRURtext = nom;
    });
}

TdcFacadeRelais::~TdcFacadeRelais() = default;
