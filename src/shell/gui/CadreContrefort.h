#pragma once

#include <QSize>
#include <QString>
#include <functional>
#include <memory>

class QWidget;
class TDonneesAppli;
class TFBaseM2;

// The buttress frame as the main window sees it: the calculation page shown in
// the panel PnData. The window hands it the calculation to show, asks it to
// read its sheet back and to show a verdict; the frame asks the window to
// compute the selected calculations (TFBaseM2::CalculerSelection) before it
// shows the drawing or the results.
class TCadreContrefort {
public:
    virtual ~TCadreContrefort() = default;

    // The frame's widget, a child of the panel it was created in.
    virtual QWidget* Widget() = 0;
    // The smallest size of the calculation page: the frame's design size.
    virtual QSize TailleMinimale() const = 0;

    virtual void AfficherDonnees(TDonneesAppli& DA) = 0;
    virtual void LireFiche(TDonneesAppli& DA) = 0;
    virtual void AfficherVerdict(TDonneesAppli& DA) = 0;
    // The sections text a calculation holding texte would hold once what is
    // being typed into the sheet is read (the automatic save); nothing is
    // recorded.
    virtual QString SaisieFicheEnCours(const QString& texte) const { return texte; }
    // The settings are being stored (WRRangeReg): the frame puts its own.
    // It reads them when it is created, after the settings were loaded.
    virtual void RangerReglages() {}
};

// Creates the buttress frame inside the panel (HebergerCadre). The window owns
// the result and destroys it before its panels.
using TFabriqueCadre = std::function<std::unique_ptr<TCadreContrefort>(QWidget& panneau, TFBaseM2& fenetre)>;
