#pragma once

#include "model/DonneesAppli.h"

// Computed-looking data of n sections for the note benchmarks: every table
// of the note gets n rows with real numbers and a combination label.
inline TData DonneesDeNote(int n)
{
    TData data;
    for (int j = 0; j < n; ++j) {
        TSection s;
        s.se_niveau = j;
        s.se_htrsec = 1;
        s.se_torsGtot = {12.5 * j, -3000.0 * j, 450.25};
        s.se_maxCtr.mx_combi = QStringLiteral("1.35 G + 0.75 S + 1.50 Q");
        s.se_maxCtr.mx_valeur = 45.4;
        data.Sections.append(s);
    }
    return data;
}
