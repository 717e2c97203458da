#pragma once

#include "editing/DcBaseRelais.h"

#include <QWidget>
#include <memory>


// A relay bound to any input control of the application (the data-entry
// sheet uses one): an invisible control whose owner supplies the three
// handlers that show a value, give the control's value and tell whether the
// control differs from what it showed. Disabling it (or its parent) keeps its
// control out of the change checks.
class TdcRelais : public QWidget {
    Q_OBJECT
public:
    explicit TdcRelais(QWidget* parent = nullptr);
    ~TdcRelais() override;

    TDataControl* DataControl() const { return FBRel->BRDataControl; }
    void setDataControl(TDataControl* dc) { FBRel->BRDataControl = dc; }
    // Label of the records of changes made through this relay; it defaults to
    // the relay's name.
    const QString& URtext() const { return FBRel->BRURtext; }
    void setURtext(const QString& texte) { FBRel->BRURtext = texte; }

    // OnAfficherValeurRelais is a second name of the same handler, and so is
    // OnLireValeurRelais.
    void setOnAfficherCdS(TdcBaseRelais::TAfficherCdS handler) { FBRel->BROnAfficherCdS = std::move(handler); }
    void setOnAfficherValeurRelais(TdcBaseRelais::TAfficherCdS handler) { setOnAfficherCdS(std::move(handler)); }
    void setOnLireCdS(TdcBaseRelais::TLireCdS handler) { FBRel->BROnLireCdS = std::move(handler); }
    void setOnLireValeurRelais(TdcBaseRelais::TLireCdS handler) { setOnLireCdS(std::move(handler)); }
    void setOnLireEtatCdS(TdcBaseRelais::TLireEtatCdS handler) { FBRel->BROnLireEtatCdS = std::move(handler); }

    void AfficherValeur(const QString& value) { FBRel->AfficherValeur(value); }
    void LireValeur(QString& value) { FBRel->LireValeur(value); }
    // Records a change the state handler would not see (a structural change
    // of the control's content).
    void Change();

    bool AffichageMultiple() const { return FBRel->AffichageMultiple(); }
    TdcBaseRelais& Relais() { return *FBRel; }

    // Never shown.
    void setVisible(bool visible) override;

    // A free slot for the application (the sheet keeps the last shown text in it).
    QString Libre;

private:
    std::unique_ptr<TdcBaseRelais> FBRel;
};
