#pragma once

#include "editing/gui/DcFacadeRelais.h"

#include <QWidget>

// Data-control relay: a relay bound to any input control of the application (the data-entry
// sheet uses one): an invisible control whose owner supplies the three
// handlers that show a value, give the control's value and tell whether the
// control differs from what it showed. Disabling it (or its parent) keeps its
// control out of the change checks.
class TdcRelais : public QWidget, public TdcFacadeRelais {
    Q_OBJECT
public:
    explicit TdcRelais(QWidget* parent = nullptr);
    ~TdcRelais() override;

    // OnAfficherValeurRelais is a second name of the same handler, and so is
    // OnLireValeurRelais.
    void setOnAfficherCdS(TdcBaseRelais::TAfficherCdS handler) { FBRel->BROnAfficherCdS = std::move(handler); }
    void setOnAfficherValeurRelais(TdcBaseRelais::TAfficherCdS handler) { setOnAfficherCdS(std::move(handler)); }
    void setOnLireCdS(TdcBaseRelais::TLireCdS handler) { FBRel->BROnLireCdS = std::move(handler); }
    void setOnLireValeurRelais(TdcBaseRelais::TLireCdS handler) { setOnLireCdS(std::move(handler)); }
    void setOnLireEtatCdS(TdcBaseRelais::TLireEtatCdS handler) { FBRel->BROnLireEtatCdS = std::move(handler); }

    void LireValeur(QString& value) { FBRel->LireValeur(value); }
    // Records a change the state handler would not see (a structural change
    // of the control's content).
    void Change();

    // Never shown.
    void setVisible(bool visible) override;

    // A free slot for the application (the sheet keeps the last shown text in it).
    QString Libre;
};
