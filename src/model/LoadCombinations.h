#pragma once

#include "model/DonneesAppli.h"

#include <QString>
#include <array>

// Ultimate-limit-state combinations of the permanent (G), snow (S),
// exploitation (Q) and wind (W) torsors, and the three section checks they
// feed: eccentricity, normal stress and friction angle.

// Load combination.
struct TCombinaison {
    double g = 0; // factor on the permanent total
    double s = 0; // snow
    double q = 0; // exploitation, point and distributed
    double w = 0; // wind, point and distributed
    bool initiale = false; // the first one, retained at every section whatever it gives
};

// The 25 combinations in the order they are evaluated: 1.35 G alone, then
// g = 0.90 and g = 1.35 with the twelve (s, q, w) triples.
const std::array<TCombinaison, 25>& Combinaisons();

// "1.35 G", then " + 1.50 S", " + 0.75 Q", " + 1.50 W" for each factor that is
// not zero; always with a point, whatever the regional settings.
QString LibelleCombinaison(const TCombinaison& c);

// Level of an eccentricity e in a section of length X: 0 inside the central
// third, 2 outside the section, 1 in between (both bounds included).
int NiveauExcentricite(double e, double X);

// Stress check.
// Normal stress check: peak stress of the triangular, compression-only block
// over the length 3 × (X/2 − |e|), in percent of the strength, level 2 above
// 100 %. When the compressed length is exactly zero the ratio is -1, level 2.
// Outside the section (|e| > X/2) the ratio comes out negative with level 0:
// the eccentricity check carries the verdict there.
struct TVerifContrainte {
    double ratio = 0;
    int niveau = 0;
};
TVerifContrainte VerifierContrainte(double FZ, double e, double X, double Y, double resistance);

// Friction angle of a torsor, arctangent of |FX / FZ| in radians; 0 when it
// cannot be computed.
double AngleFrottement(double FX, double FZ);

// Evaluates one combination at every section, from the bottom up, updating the
// retained combinations of the three checks, data.MaxEffortV and
// data.StatutGlobal. The sections' torsors must be computed. The label is
// built once, when a section first retains the combination; the sections then
// share it, so nothing is allocated per section.
void EvaluerCombinaison(TData& data, const TCombinaison& c);

// The 25 combinations in order.
void EvaluerCombinaisons(TData& data);
