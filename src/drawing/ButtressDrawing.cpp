#include "drawing/ButtressDrawing.h"

#include "util/DecimalText.h"
#include "drawing/ThrustLine.h"
#include "util/TextFields.h"

#include <QStringList>
#include <algorithm>
#include <cmath>

namespace {

// One part of the text: every line ends with CR LF as it is written, so that
// the parts are only put end to end, with no list of small strings to join.
class Texte {
public:
    void ligne(QLatin1String texte) { texte_.append(texte).append(kCrLf); }
    void ligne(const QString& texte) { texte_.append(texte).append(kCrLf); }
    // "x" TAB "y", three decimals each.
    void point(double x, double y)
    {
        nombre(x);
        texte_.append(u'\t');
        nombre(y);
        texte_.append(kCrLf);
    }
    void fleche(double x1, double y1, double x2, double y2)
    {
        texte_.append(QLatin1String("FLECHE\t"));
        nombre(x1);
        texte_.append(u'\t');
        nombre(y1);
        texte_.append(u'\t');
        nombre(x2);
        texte_.append(u'\t');
        nombre(y2);
        texte_.append(kCrLf);
    }
    void reserver(qsizetype caracteres) { texte_.reserve(caracteres); }
    const QString& texte() const { return texte_; }

private:
    void nombre(double v) { AjouterDecimales(texte_, std::isfinite(v) ? v : 0.0, 3); }

    QString texte_;
};

bool fini(double a, double b, double c, double d)
{
    return std::isfinite(a) && std::isfinite(b) && std::isfinite(c) && std::isfinite(d);
}

// A usable drawing scale, or 0 when it cannot be formed.
double echelle(double hauteur, double maximum, double k)
{
    const double s = hauteur / maximum * k;
    return std::isfinite(s) && s > 0 ? s : 0.0;
}

class Redacteur {
public:
    explicit Redacteur(Texte& texte) : texte_(texte) {}

    void ligne(QLatin1String texte) { texte_.ligne(texte); }
    void ligne(const QString& texte) { texte_.ligne(texte); }
    void point(double x, double y) { texte_.point(x, y); }

    // The arrow of load v applied at (xa, za): from its tail to the point of
    // application, along the load. A zero vector draws nothing.
    void fleche(const TV2R& v, double xa, double za, double s)
    {
        if (v[0] == 0 && v[1] == 0)
            return;
        const double xq = xa - v[0] * s;
        const double zq = za - v[1] * s;
        if (!fini(xq, zq, xa, za))
            return;
        texte_.fleche(xq, zq, xa, za);
    }

private:
    Texte& texte_;
};

// The distributed load intensities drawn, family by family: G, W, Q.
TV2R repartieG(const TSection& s) { return s.se_chargeRG; }
TV2R repartieW(const TSection& s) { return {s.se_chargeRW, 0}; }
TV2R repartieQ(const TSection& s) { return s.se_chargeRQ; }

// The largest component of the loads the options show. MaxCharge leaves out
// the wind point loads and every distributed load, so a buttress carrying only
// those would otherwise look unloaded.
double PlusGrandeChargeMontree(const TData& data, const OptionsDessin& options)
{
    if (!options.chargesAffichables())
        return 0;
    double m = 0;
    const auto prendre = [&m](bool montree, const TV2R& v) {
        if (montree)
            m = std::max({m, std::abs(v[0]), std::abs(v[1])});
    };
    const qsizetype n = data.Sections.size();
    for (qsizetype i = 0; i < n; ++i) {
        const TSection& s = data.Sections[i];
        const bool p = options.ponctuelles;
        prendre(p && options.permanentes, s.se_chargePG);
        prendre(p && options.neige, s.se_chargePS);
        prendre(p && options.vent, s.se_chargePW);
        prendre(p && options.exploitation, s.se_chargePQ);
        // The top section's distributed intensities end the diagram of the
        // section below, so they count whenever a section lies below.
        const bool r = options.reparties && n > 1;
        prendre(r && options.permanentes, s.se_chargeRG);
        prendre(r && options.vent, {s.se_chargeRW, 0});
        prendre(r && options.exploitation, s.se_chargeRQ);
    }
    return std::isfinite(m) ? m : 0;
}

} // namespace

std::uint32_t CouleurResultante(int niveau)
{
    switch (std::clamp(niveau, 0, 2)) {
    case 0:
        return 5296274;
    case 1:
        return 10079487;
    default:
        return 13408767;
    }
}

double FacteurEchelleCharges(int position)
{
    const double p = std::clamp(position, -100, 100);
    return p >= 0 ? 1 + p / 20 : 1 / (1 - p / 20);
}

DessinContrefort ConstruireDessin(TData& data, const OptionsDessin& options)
{
    const bool resultats = options.resultatsAffiches();
    const bool charges = options.chargesAffichables();
    const bool ponctuelles = charges && options.ponctuelles;
    const bool reparties = charges && options.reparties;
    const bool G = charges && options.permanentes;
    const bool S = charges && options.neige;
    const bool W = charges && options.vent;
    const bool Q = charges && options.exploitation;
    const double k = FacteurEchelleCharges(options.echelleCharges);

    if (data.Sections.isEmpty())
        data.Sections.append(TSection{});
    const QList<TSection>& sections = data.Sections;
    const qsizetype n = sections.size();

    const double H = (sections.last().se_niveau - sections.first().se_niveau) / 5;
    const double maxCharge = data.MaxCharge > 0 ? data.MaxCharge : PlusGrandeChargeMontree(data, options);
    data.EchCharges = echelle(H, maxCharge, k);
    data.EchEfforts = echelle(H, data.MaxEffortV, k);
    const double sc = data.EchCharges;
    const double se = data.EchEfforts;

    // Room for the usual lines of a section, so that the parts seldom grow.
    Texte contour;
    Texte interieur;
    Texte exterieur;
    Texte chargesTexte;
    contour.reserver(40 + 36 * n);
    interieur.reserver(8 + 18 * n);
    exterieur.reserver(8 + 18 * n);
    chargesTexte.reserver(300 * n);
    contour.ligne(QLatin1String("REPERE\t255"));
    contour.ligne(QLatin1String("COULEUR\t0"));
    interieur.ligne(QLatin1String("LIGNE"));
    exterieur.ligne(QLatin1String("LIGNE"));
    Redacteur ecrire(chargesTexte);
    DessinContrefort dessin;
    dessin.etendue = {sections.first().se_posisec, sections.first().se_niveau,
                      sections.first().se_posisec + sections.first().se_htrsec, sections.last().se_niveau};

    for (qsizetype i = 0; i < n; ++i) {
        const TSection& s = sections[i];
        const double z = s.se_niveau;
        const double xi = s.se_posisec;
        const double xo = s.se_posisec + s.se_htrsec;
        contour.ligne(QLatin1String("LIGNE"));
        contour.point(xi, z);
        contour.point(xo, z);
        interieur.point(xi, z);
        exterieur.point(xo, z);
        dessin.etendue.xmin = std::min(dessin.etendue.xmin, xi);
        dessin.etendue.xmax = std::max(dessin.etendue.xmax, xo);

        ecrire.ligne(QLatin1String("COULEUR\t16711680"));
        const double xa = s.se_posicharge;
        if (ponctuelles) {
            ecrire.ligne(QLatin1String("EPTRAIT\t2"));
            if (sc > 0) {
                if (G)
                    ecrire.fleche(s.se_chargePG, xa, z, sc);
                if (S)
                    ecrire.fleche(s.se_chargePS, xa, z, sc);
                if (W)
                    ecrire.fleche(s.se_chargePW, xa, z, sc);
                if (Q)
                    ecrire.fleche(s.se_chargePQ, xa, z, sc);
            }
        }
        // The top section is the last one of the list, whether or not a
        // calculation has marked it yet: there is no section above it.
        const bool sommet = i + 1 == n;
        if (reparties && !sommet) {
            ecrire.ligne(QLatin1String("EPTRAIT\t1"));
            const TSection& t = sections[i + 1];
            const auto famille = [&](bool montree, TV2R (*intensite)(const TSection&)) {
                if (!montree || sc <= 0)
                    return;
                const TV2R ici = intensite(s);
                const TV2R dessus = intensite(t);
                ecrire.fleche(ici, xa, z, sc);
                const double x1 = xa - ici[0] * sc;
                const double z1 = z - ici[1] * sc;
                const double x2 = t.se_posicharge - dessus[0] * sc;
                const double z2 = t.se_niveau - dessus[1] * sc;
                if (!fini(x1, z1, x2, z2))
                    return;
                ecrire.ligne(QLatin1String("LIGNE"));
                ecrire.point(x1, z1);
                ecrire.point(x2, z2);
            };
            famille(G, repartieG);
            famille(W, repartieW);
            famille(Q, repartieQ);
        }
        if (resultats) {
            const int niveau = std::max(s.se_maxExc.mx_statut, s.se_maxAng.mx_statut);
            ecrire.ligne(QStringLiteral("COULEUR\t") + QString::number(CouleurResultante(niveau)));
            ecrire.ligne(QLatin1String("EPTRAIT\t2"));
            if (se > 0) {
                const TV3R& t = s.se_maxExc.mx_torsPondere;
                ecrire.fleche({t[0], t[1]}, s.se_Xctr + s.se_maxExc.mx_valeur, z, se);
            }
        }
    }

    const QStringList poussee = options.lignePoussee ? CommandesLignePoussee(data) : QStringList();
    qsizetype taillePoussee = 0;
    for (const QString& ligne : poussee)
        taillePoussee += ligne.size() + 2;
    dessin.texte.reserve(contour.texte().size() + interieur.texte().size() + exterieur.texte().size()
                         + chargesTexte.texte().size() + taillePoussee);
    dessin.texte.append(contour.texte()).append(interieur.texte()).append(exterieur.texte());
    dessin.texte.append(chargesTexte.texte());
    for (const QString& ligne : poussee)
        dessin.texte.append(ligne).append(kCrLf);
    return dessin;
}
