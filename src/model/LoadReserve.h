#pragma once

#include "model/DonneesAppli.h"

#include <QString>

// Load reserve.
// How far the variable loads (snow, wind, exploitation) can grow before the
// buttress becomes "NON CONFORME": the largest factor λ, to the hundredth, by
// which they can all be multiplied while the verdict stays "SATISFAISANT" or
// "ACCEPTABLE", the permanent loads unchanged. A buttress already
// non-conforming has a factor below 1, the one it would need to pass; none at
// all when its permanent loads alone fail.
struct TReserveCharge {
    enum class Genre {
        Aucune, // the permanent loads alone give "NON CONFORME"
        Valeur, // lambda is the factor, 0 to 99.99
        AuDela  // still conforming with the variable loads times kReserveMax
    };
    Genre genre = Genre::Aucune;
    double lambda = 0; // the factor (Valeur), kReserveMax (AuDela), 0 (Aucune)
};

// Beyond this factor the variable loads are no longer those of the building.
inline constexpr double kReserveMax = 100;

// The reserve of a buttress whose data passed validation. Each trial is the
// whole calculation on a copy whose variable loads are multiplied by λ; the
// data themselves are left as they are. λ is bracketed by doubling from 1,
// then bisected on the hundredths: a buttress of n sections costs about twenty
// calculations. The verdict is assumed to worsen as λ grows (the variable
// loads only add to what the permanent loads do); where it does not, the
// factor found is the edge of the first failure met by the bracketing.
TReserveCharge CalculerReserve(const TData& data);

// A copy of data whose variable loads (snow, wind and exploitation, point and
// distributed) are multiplied by lambda; results are left as they were.
TData ChargesVariablesMultipliees(const TData& data, double lambda);

// The short text of a reserve: "réserve 1.85", "réserve > 100",
// "aucune réserve".
QString TexteReserve(const TReserveCharge& reserve);
