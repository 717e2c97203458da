#pragma once

#include "editing/DcBaseRelais.h"

#include <QString>
#include <memory>

class QWidget;

// Relay facade: what every control that carries a relay core publishes (the
// memo, the invisible relay of the sheet, and the relays to come): its data
// control, the label of its records, showing a value and the "values differ"
// state. The core serves the control given at construction: its name is the
// default label and its enabled state keeps it in or out of the change checks.
class TdcFacadeRelais {
public:
    TdcFacadeRelais(const TdcFacadeRelais&) = delete;
    TdcFacadeRelais& operator=(const TdcFacadeRelais&) = delete;

    TDataControl* DataControl() const { return FBRel->BRDataControl; }
    void setDataControl(TDataControl* dc) { FBRel->BRDataControl = dc; }
    // Label of the records of changes made through this control; it defaults
    // to the control's name.
    const QString& URtext() const { return FBRel->BRURtext; }
    void setURtext(const QString& texte) { FBRel->BRURtext = texte; }

    void AfficherValeur(const QString& value) { FBRel->AfficherValeur(value); }
    bool AffichageMultiple() const { return FBRel->AffichageMultiple(); }
    TdcBaseRelais& Relais() { return *FBRel; }

protected:
    explicit TdcFacadeRelais(QWidget& controle);
    ~TdcFacadeRelais();

    std::unique_ptr<TdcBaseRelais> FBRel;
};
