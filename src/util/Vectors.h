#pragma once

#include <array>

// A pair of loads: horizontal, then vertical.
using TV2R = std::array<double, 2>;

// A torsor: FX (daN), FZ (daN), MY (daN·m).
using TV3R = std::array<double, 3>;

constexpr TV3R operator+(const TV3R& a, const TV3R& b)
{
    return {a[0] + b[0], a[1] + b[1], a[2] + b[2]};
}

constexpr TV3R operator*(double k, const TV3R& v)
{
    return {k * v[0], k * v[1], k * v[2]};
}
