#include "model/LoadReserve.h"

#include "model/Calculation.h"

#include <cmath>

namespace {

constexpr int kCentiemesMax = static_cast<int>(kReserveMax * 100);

// Whether the buttress passes with its variable loads times centiemes / 100.
bool Conforme(const TData& data, int centiemes)
{
    TData essai = ChargesVariablesMultipliees(data, centiemes / 100.0);
    CalculerResultats(essai);
    return essai.StatutGlobal < 2;
}

// The largest hundredth in [passe, echoue) that passes, passe passing and
// echoue failing.
int Bissection(const TData& data, int passe, int echoue)
{
    while (echoue - passe > 1) {
        const int milieu = passe + (echoue - passe) / 2;
        if (Conforme(data, milieu))
            passe = milieu;
        else
            echoue = milieu;
    }
    return passe;
}

TReserveCharge Valeur(int centiemes) { return {TReserveCharge::Genre::Valeur, centiemes / 100.0}; }

} // namespace

TData ChargesVariablesMultipliees(const TData& data, double lambda)
{
    TData copie = data;
    for (TSection& s : copie.Sections) {
        for (TV2R* charge : {&s.se_chargePS, &s.se_chargePW, &s.se_chargePQ, &s.se_chargeRQ}) {
            (*charge)[0] *= lambda;
            (*charge)[1] *= lambda;
        }
        s.se_chargeRW *= lambda;
    }
    return copie;
}

TReserveCharge CalculerReserve(const TData& data)
{
    if (!Conforme(data, 100)) {
        if (!Conforme(data, 0))
            return {};
        return Valeur(Bissection(data, 0, 100));
    }
    // Doubling from 1 brackets the edge in at most seven calculations.
    int passe = 100;
    while (passe < kCentiemesMax) {
        const int essai = std::min(passe * 2, kCentiemesMax);
        if (!Conforme(data, essai))
            return Valeur(Bissection(data, passe, essai));
        passe = essai;
    }
    return {TReserveCharge::Genre::AuDela, kReserveMax};
}

QString TexteReserve(const TReserveCharge& reserve)
{
    switch (reserve.genre) {
    case TReserveCharge::Genre::Aucune:
        return QStringLiteral("aucune réserve");
    case TReserveCharge::Genre::AuDela:
        return QStringLiteral("réserve > %1").arg(kReserveMax, 0, 'f', 0);
    case TReserveCharge::Genre::Valeur:
        break;
    }
    return QStringLiteral("réserve ") + QString::number(reserve.lambda, 'f', 2);
}
