#include "drawing/DecimalText.h"

#include <charconv>
#include <cmath>
#include <cstdint>

namespace {

// Below this size the digits are formed here; above it (never in a drawing of
// real sizes) Qt writes them.
constexpr double kGrandeValeur = 1e15;

// A value exactly halfway between two numbers of three decimals is an odd
// multiple of 1/16 (k + 0.5 thousandths has the denominator 2000 = 16 x 125).
bool estEgaliteExacte(double v)
{
    const double seiziemes = v * 16; // exact: a power of two
    return seiziemes == std::trunc(seiziemes) && std::fmod(seiziemes, 2.0) != 0;
}

void ajouterLatin1(QString& texte, const char* debut, const char* fin)
{
    const qsizetype n = fin - debut;
    const qsizetype taille = texte.size();
    texte.resize(taille + n);
    QChar* d = texte.data() + taille;
    for (qsizetype i = 0; i < n; ++i)
        d[i] = QChar(char16_t(debut[i]));
}

// Below this size the exact value in thousandths is worked out on 64-bit
// integers: v = m x 2^e with m below 2^53, so m x 1000 stays below 2^63.
constexpr double kValeurEntiere = 1099511627776.0; // 2^40

// The thousandths of |v| rounded to nearest, a tie away from zero, from the
// exact binary value; then the digits, with the sign of v even when they are
// all zeros (-0.0001 gives "-0.000", as Qt writes it).
void ajouterParEntiers(QString& texte, double v)
{
    int exposant = 0;
    const double fraction = std::frexp(std::fabs(v), &exposant); // |v| = fraction x 2^exposant
    const auto mantisse = static_cast<std::uint64_t>(std::ldexp(fraction, 53)); // exact
    const int decalage = 53 - exposant; // |v| = mantisse x 2^-decalage, decalage > 13 here
    std::uint64_t milliemes = 0;
    if (decalage < 64) {
        const std::uint64_t produit = mantisse * 1000;
        milliemes = produit >> decalage;
        const std::uint64_t reste = produit & ((std::uint64_t(1) << decalage) - 1);
        if (reste >= (std::uint64_t(1) << (decalage - 1)))
            ++milliemes;
    } // else |v| x 1000 is below 2^63 / 2^64: rounds to zero
    char tampon[32];
    char* fin = tampon + sizeof tampon;
    char* c = fin;
    std::uint64_t reste = milliemes;
    for (int i = 0; i < 3; ++i) {
        *--c = char('0' + reste % 10);
        reste /= 10;
    }
    *--c = '.';
    do {
        *--c = char('0' + reste % 10);
        reste /= 10;
    } while (reste != 0);
    if (v < 0)
        *--c = '-';
    ajouterLatin1(texte, c, fin);
}

} // namespace

void AjouterTroisDecimales(QString& texte, double v)
{
    if (v == 0) {
        texte.append(QLatin1String("0.000"));
        return;
    }
    if (!(std::fabs(v) < kGrandeValeur)) {
        texte.append(QString::number(v, 'f', 3));
        return;
    }
    if (std::fabs(v) < kValeurEntiere) {
        ajouterParEntiers(texte, v);
        return;
    }
    char tampon[40];
    if (!estEgaliteExacte(v)) {
        // Not a tie: the correctly rounded digits are the only answer.
        const auto r = std::to_chars(tampon + 1, tampon + sizeof tampon, v, std::chars_format::fixed, 3);
        ajouterLatin1(texte, tampon + 1, r.ptr);
        return;
    }
    // A tie: the four exact decimals end in 5; the magnitude goes up by one
    // thousandth, carrying to the left (9.9995 gives 10.000).
    const auto r = std::to_chars(tampon + 1, tampon + sizeof tampon, v, std::chars_format::fixed, 4);
    char* fin = r.ptr - 1; // drops the final 5
    char* debut = tampon + 1;
    const bool negatif = *debut == '-';
    char* premierChiffre = negatif ? debut + 1 : debut;
    char* c = fin - 1;
    for (;; --c) {
        if (*c == '.')
            continue;
        if (*c != '9') {
            ++*c;
            break;
        }
        *c = '0';
        if (c == premierChiffre) {
            // Every digit was a 9: one more digit in front.
            for (char* m = fin; m > premierChiffre; --m)
                *m = *(m - 1);
            *premierChiffre = '1';
            ++fin;
            break;
        }
    }
    ajouterLatin1(texte, debut, fin);
}
