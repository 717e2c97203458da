#include "drawing/ThrustLine.h"

#include "drawing/ButtressDrawing.h"
#include "model/LoadCombinations.h"
#include "util/TextFields.h"

#include <algorithm>
#include <cmath>

namespace {

QString nombre(double v) { return QString::number(std::isfinite(v) ? v : 0.0, 'f', 3); }

QString point(double x, double y) { return nombre(x) + kTab + nombre(y); }

class Trace {
public:
    explicit Trace(QStringList& lignes) : lignes_(lignes) {}

    void couleur(std::uint32_t c) { lignes_ << QStringLiteral("COULEUR\t") + QString::number(c); }
    void epaisseur(int e) { lignes_ << QStringLiteral("EPTRAIT\t") + QString::number(e); }

    void segment(double x1, double z1, double x2, double z2)
    {
        lignes_ << QStringLiteral("LIGNE") << point(x1, z1) << point(x2, z2);
    }

    // The command language has no dashed pen: the dashes are short segments,
    // tiret long with gaps of the same length, the first one starting at A.
    void tirets(double x1, double z1, double x2, double z2, double tiret)
    {
        const double longueur = std::hypot(x2 - x1, z2 - z1);
        if (!(tiret > 0) || !std::isfinite(longueur) || longueur <= tiret) {
            segment(x1, z1, x2, z2);
            return;
        }
        // At most a thousand dashes on one line: a longer one gets longer dashes.
        tiret = std::max(tiret, longueur / 2000);
        // A length that is a whole number of periods, give or take the
        // rounding, ends on a full dash rather than on a dash of nothing.
        const int n = static_cast<int>(std::ceil(longueur / (2 * tiret) - 1e-9));
        for (int k = 0; k < n; ++k) {
            const double t1 = 2 * k * tiret / longueur;
            const double t2 = std::min(1.0, (2 * k + 1) * tiret / longueur);
            segment(x1 + (x2 - x1) * t1, z1 + (z2 - z1) * t1, x1 + (x2 - x1) * t2, z1 + (z2 - z1) * t2);
        }
    }

private:
    QStringList& lignes_;
};

// The centre of a section is a result too; it is taken here from the inputs,
// so that the central thirds show on the data alone, before any calculation.
double centre(const TSection& s) { return s.se_posisec + s.se_htrsec / 2; }
double limiteGauche(const TSection& s) { return centre(s) - s.se_htrsec / 6; }
double limiteDroite(const TSection& s) { return centre(s) + s.se_htrsec / 6; }

} // namespace

QList<PassagePoussee> PassagesPoussee(const TData& data)
{
    QList<PassagePoussee> passages;
    for (qsizetype i = 0; i < data.Sections.size(); ++i) {
        const TSection& s = data.Sections[i];
        if (s.se_maxExc.mx_torsPondere[1] == 0)
            continue;
        const double e = s.se_maxExc.mx_valeur;
        passages.append({i, s.se_Xctr + e, s.se_niveau, NiveauExcentricite(e, s.se_htrsec)});
    }
    return passages;
}

QStringList CommandesLignePoussee(const TData& data)
{
    QStringList lignes;
    const QList<TSection>& sections = data.Sections;
    if (sections.isEmpty())
        return lignes;
    Trace trace(lignes);

    double xmin = sections.first().se_posisec;
    double xmax = xmin + sections.first().se_htrsec;
    for (const TSection& s : sections) {
        xmin = std::min(xmin, s.se_posisec);
        xmax = std::max(xmax, s.se_posisec + s.se_htrsec);
    }
    const double hauteur = sections.last().se_niveau - sections.first().se_niveau;
    const double tiret = hauteur / 60;

    trace.couleur(kCouleurTiersCentral);
    trace.epaisseur(3);
    for (const TSection& s : sections)
        trace.segment(limiteGauche(s), s.se_niveau, limiteDroite(s), s.se_niveau);
    trace.epaisseur(1);
    for (qsizetype i = 0; i + 1 < sections.size(); ++i) {
        const TSection& a = sections[i];
        const TSection& b = sections[i + 1];
        trace.tirets(limiteGauche(a), a.se_niveau, limiteGauche(b), b.se_niveau, tiret);
        trace.tirets(limiteDroite(a), a.se_niveau, limiteDroite(b), b.se_niveau, tiret);
    }

    // A crossing more than the buttress's own width outside it would squeeze
    // the buttress into a corner of the frame, which is fitted to everything
    // drawn: it breaks the line instead.
    const double largeur = xmax - xmin;
    const auto dessinable = [&](const PassagePoussee& p) {
        return std::isfinite(p.x) && p.x >= xmin - largeur && p.x <= xmax + largeur;
    };
    const QList<PassagePoussee> passages = PassagesPoussee(data);
    trace.couleur(kCouleurLignePoussee);
    trace.epaisseur(2);
    bool enCours = false;
    for (qsizetype k = 0; k < passages.size(); ++k) {
        const PassagePoussee& p = passages[k];
        const bool suit = k > 0 && passages[k - 1].section + 1 == p.section;
        if (!dessinable(p)) {
            enCours = false;
            continue;
        }
        if (!enCours || !suit)
            lignes << QStringLiteral("LIGNE");
        lignes << point(p.x, p.z);
        enCours = true;
    }
    // The crosses go over the line, a sixth of the section's length wide.
    for (const PassagePoussee& p : passages) {
        if (!dessinable(p))
            continue;
        const double d = sections[p.section].se_htrsec / 12;
        trace.couleur(CouleurResultante(p.niveau));
        trace.segment(p.x - d, p.z - d, p.x + d, p.z + d);
        trace.segment(p.x - d, p.z + d, p.x + d, p.z - d);
    }
    return lignes;
}
