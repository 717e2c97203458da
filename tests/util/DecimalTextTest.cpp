#include "util/DecimalText.h"

#include <gtest/gtest.h>

#include <QString>
#include <cmath>
#include <limits>
#include <random>

namespace {

// The text must be the one Qt writes, byte for byte: the note and the sheet
// used QString::asprintf("%.*f") before, and stored notes are compared.
void VerifierCommeQt(double x, int decimales)
{
    const QString attendu = QString::asprintf("%.*f", decimales, x);
    ASSERT_EQ(TTexteDecimal(x, decimales).Vue().toString(), attendu) << "x=" << x << " decimales=" << decimales;
    ASSERT_EQ(QString::number(x, 'f', decimales), attendu) << "x=" << x;
}

TEST(TexteDecimal, CasLimitesCommeQt)
{
    const double infini = std::numeric_limits<double>::infinity();
    const double cas[] = {0.0,    -0.0,   0.004, -0.004, 0.005,      -0.005, 0.015,  0.125, -0.125,
                          0.375,  2.675,  1.005, 0.5,    -0.5,       1.5,    2.5,    -2.5,  123456789.125,
                          1e14,   -1e14,  1e15,  1e300,  -1e-300,    infini, -infini, 45.4, -3000.0 * 999,
                          999.995, 99.5,  -0.0001};
    for (const double x : cas)
        for (int d = 0; d <= 6; ++d)
            VerifierCommeQt(x, d);
    EXPECT_EQ(TTexteDecimal(std::nan(""), 2).Vue().toString(), QString::number(std::nan(""), 'f', 2));
}

TEST(TexteDecimal, NombresVariesCommeQt)
{
    std::mt19937_64 hasard(16);
    std::uniform_real_distribution<double> large(-1e6, 1e6);
    std::uniform_int_distribution<int> millimes(-500000, 500000);
    for (int i = 0; i < 200000; ++i) {
        double x = 0;
        switch (i % 4) {
        case 0: x = large(hasard); break;
        case 1: x = millimes(hasard) / 1000.0; break;
        // Exact ties of two decimals: odd multiples of 1/8.
        case 2: x = (2 * millimes(hasard) + 1) / 8.0; break;
        default: x = std::ldexp(large(hasard), -(i % 40)); break;
        }
        VerifierCommeQt(x, i % 7);
    }
}

} // namespace
