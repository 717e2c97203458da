#include "drawing/gui/ButtressDrawingView.h"

#include "drawing/DrawingCommands.h"
#include "drawing/gui/FrmPbx.h"

void AfficherDessin(TDonneesAppli* DA, const OptionsDessin& options, TFrmPbx& frame)
{
    if (!DA)
        return;
    const DessinContrefort dessin = ConstruireDessin(DA->Data, options);
    // The arrows may stand above or beside the buttress: the frame is fitted
    // to everything drawn, not only to the sections.
    std::vector<InstructionDessin> commandes = LireCommandesDessin(dessin.texte);
    const EtendueDessin e = EtendueCommandes(commandes, dessin.etendue);
    frame.Init(e.xmin, e.ymin, e.xmax, e.ymax);
    frame.Trace(dessin.texte, std::move(commandes), kCouleurFondDessin);
}
