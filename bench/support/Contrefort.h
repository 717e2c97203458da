#pragma once

#include "model/DonneesAppli.h"

// A buttress of n sections with every kind of load, as the benchmarks of the
// calculation, the note, the drawing and the documents share it: the widths,
// loads and eccentricities vary from section to section so that no result
// repeats and the texts have the length of real ones.
inline TData ContrefortDeSections(int sections)
{
    TData data;
    data.Sections.reserve(sections);
    for (int i = 0; i < sections; ++i) {
        TSection s;
        s.se_niveau = i * 1.0;
        s.se_htrsec = 1.5 - 0.5 * i / sections;
        s.se_lrgsec = 0.8;
        s.se_posisec = 0.01 * (i % 3);
        s.se_mvol = 2000;
        s.se_resistance = 5;
        s.se_angfrottrad = 0.6;
        s.se_pdsgouttml = 300;
        s.se_posigoutt = 0.2;
        s.se_chargePG = {10, -200};
        s.se_chargePS = {0, -50.0 - i % 7};
        s.se_chargePW = {40.0 + i % 5, 0};
        s.se_chargePQ = {5, -80};
        s.se_chargeRG = {2, -3};
        s.se_chargeRQ = {1, -1.0 * (i % 4)};
        s.se_chargeRW = 20 + i % 9;
        s.se_posicharge = 0.3;
        data.Sections.append(s);
    }
    return data;
}
