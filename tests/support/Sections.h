#pragma once

#include "model/DonneesAppli.h"

// A valid masonry section without any load: 2000 daN/m³, 5 MPa, 0.6 rad.
inline TSection SectionMaconnerie(double niveau, double longueur = 1, double largeur = 0.8, double parement = 0)
{
    TSection s;
    s.se_niveau = niveau;
    s.se_htrsec = longueur;
    s.se_lrgsec = largeur;
    s.se_posisec = parement;
    s.se_mvol = 2000;
    s.se_resistance = 5;
    s.se_angfrottrad = 0.6;
    return s;
}
