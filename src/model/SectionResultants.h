#pragma once

#include "model/DonneesAppli.h"

// Unfactored torsors of every load family at the sections of a buttress.
//
// A torsor is taken at the point of the Z axis at the section's level: a force
// (Fx, Fz) applied at x, z' above the section gives (Fx, Fz, x·Fz − z'·Fx).
// Each section's torsors hold every load applied at or above it.

// Number of horizontal slices of a span of height h: h / 0.1 rounded to the
// nearest integer (a half to the even one), at least 10. Spans too high for
// any real buttress (or not finite) are cut into kMaxTranches slices, so an
// absurd level can neither stall the calculation nor overflow the count.
constexpr int kMaxTranches = 100000;
int NombreTranches(double h);

// Distributed-load resultant.
// Resultant F of a distributed intensity varying linearly from a (lower end)
// to b (upper end) over the height h, with its first moment M about the lower
// end (F applied at z = M / F above it). The moment is kept even when F is 0:
// an intensity that changes sign along the span still bends the section.
// Both are 0 when they cannot be computed (non-finite).
struct TResultanteRepartie {
    double F = 0;
    double M = 0;
    // Height of application above the lower end; 0 when F is 0.
    double hauteur() const { return F != 0 ? M / F : 0; }
};
TResultanteRepartie ResultanteRepartie(double a, double b, double h);

// Fills the results of section i from its inputs and from the final results of
// the section directly above (nullptr for the top section), clears its three
// retained combinations and raises data.MaxCharge. The section above must
// therefore be computed first. Allocates nothing.
void CalculerTorseurs(TSection& section, const TSection* dessus, TData& data);

// CalculerTorseurs over all the sections, from the top one down.
void CalculerTorseursSections(TData& data);
