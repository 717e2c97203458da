#include "util/DecimalText.h"

#include <charconv>
#include <cmath>

namespace {

// True when x lies exactly half-way between two texts of `decimales`
// decimals: x * 10^d * 2 is an odd whole number, which for a binary number
// means x * 2^(d+1) is. Qt rounds such a tie away from zero where the C++
// library rounds it to even.
bool EstAMiChemin(double x, int decimales)
{
    const double m = std::ldexp(x, decimales + 1);
    return std::floor(m) == m && std::fmod(m, 2.0) != 0;
}

} // namespace

TTexteDecimal::TTexteDecimal(double x, int decimales)
{
    // Left to Qt: what is not finite, numbers too long for the buffer, and
    // counts of decimals the buffer was not sized for.
    if (!std::isfinite(x) || std::fabs(x) >= 1e15 || decimales < 0 || decimales > 6) {
        repli_ = QString::number(x, 'f', decimales);
        return;
    }
    if (EcrireParEntier(x, decimales))
        return;
    // Ties, which Qt rounds away from zero and the C++ library to even.
    if (EstAMiChemin(x, decimales)) {
        repli_ = QString::number(x, 'f', decimales);
        return;
    }
    char chiffres[32];
    const char* fin = std::to_chars(chiffres, chiffres + sizeof chiffres, x, std::chars_format::fixed, decimales).ptr;
    for (const char* c = chiffres; c != fin; ++c)
        texte_[taille_++] = char16_t(*c);
}

bool TTexteDecimal::EcrireParEntier(double x, int decimales)
{
    // |x| * 10^d is off by at most half a unit in its last place, under 2^-13
    // below 10^12: when its fraction is farther than 10^-3 from one half, the
    // rounding of the exact number goes the same way, and the digits are
    // those of a whole number. Otherwise the exact digits are worked out.
    static constexpr double kPuissances[] = {1, 10, 100, 1e3, 1e4, 1e5, 1e6};
    const double y = std::fabs(x) * kPuissances[decimales];
    if (!(y < 1e12))
        return false;
    const double plancher = std::floor(y);
    const double fraction = y - plancher;
    if (std::fabs(fraction - 0.5) <= 1e-3)
        return false;
    unsigned long long n = static_cast<unsigned long long>(plancher) + (fraction > 0.5 ? 1 : 0);
    char16_t inverse[24];
    int compte = 0;
    do {
        inverse[compte++] = char16_t(u'0' + n % 10);
        n /= 10;
    } while (n != 0 || compte <= decimales);
    // A negative zero has no sign in Qt's text (-0.0 < 0 is false), a
    // negative number rounded to zero has one ("-0.00").
    if (x < 0)
        texte_[taille_++] = u'-';
    while (compte > 0) {
        if (compte == decimales)
            texte_[taille_++] = u'.';
        texte_[taille_++] = inverse[--compte];
    }
    return true;
}
