#include "report/ReportSummary.h"

#include <cmath>
#include <limits>
#include <numbers>

namespace {

constexpr double kInfini = std::numeric_limits<double>::infinity();

QString Nombre(double valeur, int decimales) { return QString::number(valeur, 'f', decimales); }

double Degres(double radians) { return radians * 180 / std::numbers::pi; }

// The index of the governing section for one check.
template <typename Maxi, typename Taux>
qsizetype SectionDeterminante(const TData& data, Maxi maxi, Taux taux)
{
    qsizetype retenue = 0;
    for (qsizetype i = 1; i < data.Sections.size(); ++i) {
        const TSection& s = data.Sections[i];
        const TSection& r = data.Sections[retenue];
        const int niveau = maxi(s).mx_statut;
        const int niveauRetenu = maxi(r).mx_statut;
        if (niveau > niveauRetenu || (niveau == niveauRetenu && taux(s) > taux(r)))
            retenue = i;
    }
    return retenue;
}

} // namespace

double TauxExcentricite(const TSection& s)
{
    const double limite = s.se_htrsec / 6;
    const double e = std::abs(s.se_maxExc.mx_valeur);
    return limite > 0 ? e / limite : kInfini;
}

double TauxContrainte(const TSection& s)
{
    const double ratio = s.se_maxCtr.mx_valeur;
    // A negative ratio with level 2 is a compressed length of zero; with
    // level 0 the resultant left the section, which the eccentricity reports.
    if (ratio < 0)
        return s.se_maxCtr.mx_statut >= 2 ? kInfini : 0;
    return ratio / 100;
}

double TauxFrottement(const TSection& s)
{
    const double limite = s.se_angfrottrad;
    return limite > 0 ? s.se_maxAng.mx_valeur / limite : kInfini;
}

QList<LigneSynthese> SyntheseVerifications(const TData& data)
{
    QList<LigneSynthese> lignes;
    if (data.Sections.isEmpty())
        return lignes;

    {
        const qsizetype i = SectionDeterminante(data, [](const TSection& s) -> const TMaxi& { return s.se_maxCtr; },
                                                TauxContrainte);
        const TSection& s = data.Sections[i];
        const double ratio = s.se_maxCtr.mx_valeur;
        lignes.append({QStringLiteral("Contrainte normale"), int(i) + 1, s.se_maxCtr.mx_combi,
                       ratio < 0 ? QStringLiteral("non calc.")
                                 : QStringLiteral("%1 % de la résistance").arg(Nombre(ratio, 1)),
                       QStringLiteral("100 % de %1 MPa").arg(Nombre(s.se_resistance, 2)), s.se_maxCtr.mx_statut});
    }
    {
        const qsizetype i = SectionDeterminante(data, [](const TSection& s) -> const TMaxi& { return s.se_maxExc; },
                                                TauxExcentricite);
        const TSection& s = data.Sections[i];
        lignes.append({QStringLiteral("Excentricité"), int(i) + 1, s.se_maxExc.mx_combi,
                       QStringLiteral("%1 m").arg(Nombre(std::abs(s.se_maxExc.mx_valeur), 3)),
                       QStringLiteral("%1 m (L/6) ; %2 m (L/2)")
                           .arg(Nombre(s.se_htrsec / 6, 3), Nombre(s.se_htrsec / 2, 3)),
                       s.se_maxExc.mx_statut});
    }
    {
        const qsizetype i = SectionDeterminante(data, [](const TSection& s) -> const TMaxi& { return s.se_maxAng; },
                                                TauxFrottement);
        const TSection& s = data.Sections[i];
        lignes.append({QStringLiteral("Angle de frottement"), int(i) + 1, s.se_maxAng.mx_combi,
                       QStringLiteral("%1°").arg(Nombre(Degres(s.se_maxAng.mx_valeur), 2)),
                       QStringLiteral("%1°").arg(Nombre(Degres(s.se_angfrottrad), 2)), s.se_maxAng.mx_statut});
    }
    return lignes;
}
