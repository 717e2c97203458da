#pragma once

#include "shell/gui/CadreContrefort.h"

class TFTolvane;

// The buttress frame as the main window hosts it: the frame's widget library
// builds on the shell's, so the window only knows this interface, and the
// application gives it this one.
class TCadreHeberge final : public TCadreContrefort {
public:
    TCadreHeberge(QWidget& panneau, TFBaseM2& fenetre);

    QWidget* Widget() override;
    QSize TailleMinimale() const override;
    void AfficherDonnees(TDonneesAppli& DA) override;
    void LireFiche(TDonneesAppli& DA) override;
    void AfficherVerdict(TDonneesAppli& DA) override;
    void RangerReglages() override;
    QString SaisieFicheEnCours(const QString& texte) const override;

private:
    TFTolvane* FCadre; // owned by the panel, as Qt children are
};

// The factory the main window is given.
TFabriqueCadre FabriqueCadreContrefort();
