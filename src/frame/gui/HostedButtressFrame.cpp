#include "frame/gui/HostedButtressFrame.h"

#include "frame/gui/FTolvane.h"
#include "shell/gui/FBaseM2.h"


TCadreHeberge::TCadreHeberge(QWidget& panneau, TFBaseM2& fenetre)
    // The frame reads its own settings (the sheet's width) as it is made.
    : FCadre(new TFTolvane(fenetre.Session(), &fenetre.WR(), &panneau))
{
}

QWidget* TCadreHeberge::Widget() { return FCadre; }

QSize TCadreHeberge::TailleMinimale() const { return FCadre->sizeHint(); }

void TCadreHeberge::AfficherDonnees(TDonneesAppli& DA) { FCadre->AfficherDonnees(DA); }

void TCadreHeberge::LireFiche(TDonneesAppli& DA) { FCadre->LireFiche(DA); }

void TCadreHeberge::AfficherVerdict(TDonneesAppli& DA) { FCadre->AfficherVerdict(DA); }

void TCadreHeberge::RangerReglages() { FCadre->RangerReglages(); }

QString TCadreHeberge::SaisieFicheEnCours(const QString& texte) const { return FCadre->SaisieFicheEnCours(texte); }

TFabriqueCadre FabriqueCadreContrefort()
{
    return [](QWidget& panneau, TFBaseM2& fenetre) -> std::unique_ptr<TCadreContrefort> {
        return std::make_unique<TCadreHeberge>(panneau, fenetre);
    };
}
