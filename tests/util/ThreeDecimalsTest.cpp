#include "util/DecimalText.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <gtest/gtest.h>
#include <random>

namespace {

QString ecrit(double v)
{
    QString texte = QStringLiteral("x");
    AjouterDecimales(texte, v, 3);
    return texte.mid(1);
}

// The reference: what the drawing text has always held.
QString attendu(double v) { return QString::number(v, 'f', 3); }

TEST(TroisDecimales, EdgeCasesMatchQt)
{
    for (double v : {0.0, -0.0, 1.0, -1.0, 0.0625, -0.0625, 0.1875, 0.3125, 2.5625, 9.9995 - 0.0000000001,
                     0.0005, -0.0005, 0.0004, -0.0004, -0.0001, 0.9995, 9.9995, 99.9995, -999.9995, 999999.9995,
                     123456789.0625, 4503599627370495.5, 1e14, 1e15, 1e16, -1e20, 1e300, 5e-324, -5e-324,
                     0.5 * 3, 2.0 - 2.0 * 7 / 1000, 1.0 / 3, -2.0 / 3, 1099511627776.0 - 0.0625,
                     -1099511627776.0 + 0.0625, 1099511627776.0, 1e-30, -1e-30, 2.2250738585072014e-308}) {
        EXPECT_EQ(ecrit(v), attendu(v)) << v;
    }
}

// Ties are odd multiples of 1/16: Qt rounds them away from zero, a carry can
// run through every digit.
TEST(TroisDecimales, EveryTieMatchesQt)
{
    for (std::int64_t m = -200001; m <= 200001; m += 2)
        ASSERT_EQ(ecrit(double(m) / 16), attendu(double(m) / 16)) << m;
    for (double grand : {1e3, 1e6, 1e9, 1e12, 1e14})
        for (std::int64_t m = -33; m <= 33; m += 2) {
            const double v = std::floor(grand) - 1 + double(m) / 16;
            ASSERT_EQ(ecrit(v), attendu(v)) << v;
        }
}

TEST(TroisDecimales, RandomValuesMatchQt)
{
    std::mt19937_64 hasard(16);
    for (int i = 0; i < 120000; ++i) {
        double v = 0;
        switch (i % 4) {
        case 0: // every binary scale, both signs
            v = std::ldexp(double(hasard() >> 11), -int(hasard() % 80)) * ((hasard() & 1) ? -1 : 1);
            break;
        case 1: // levels and widths of a buttress
            v = double(std::int64_t(hasard() % 2000000) - 1000000) / 1000.0 * 3.7;
            break;
        case 2: // load arrows: a position less a load times a scale
            v = 0.2 - double(std::int64_t(hasard() % 200000) - 100000) * 1e-5 * (1 + double(hasard() % 1000) / 7);
            break;
        default: { // any bit pattern
            const std::uint64_t bits = hasard();
            std::memcpy(&v, &bits, sizeof v);
            if (!std::isfinite(v))
                v = 0;
        }
        }
        ASSERT_EQ(ecrit(v), attendu(v)) << v;
    }
}

TEST(TroisDecimales, AppendsToWhatIsThere)
{
    QString texte = QStringLiteral("FLECHE\t");
    AjouterDecimales(texte, -1.5, 3);
    texte.append(u'\t');
    AjouterDecimales(texte, 2, 3);
    EXPECT_EQ(texte, QStringLiteral("FLECHE\t-1.500\t2.000"));
}

} // namespace
