#include "drawing/gui/ButtressDrawingView.h"

#include "drawing/gui/FrmPbx.h"

void AfficherDessin(TDonneesAppli* DA, const OptionsDessin& options, TFrmPbx& frame)
{
    if (!DA)
        return;
    const DessinContrefort dessin = ConstruireDessin(DA->Data, options);
    frame.Init(dessin.etendue.xmin, dessin.etendue.ymin, dessin.etendue.xmax, dessin.etendue.ymax);
    frame.Trace(dessin.texte, kCouleurFondDessin);
}
