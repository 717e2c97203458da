#include "model/LoadCombinations.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace {

constexpr std::array<TCombinaison, 25> kCombinaisons = [] {
    // (s, q, w) triples, each used with g = 0.90 then with g = 1.35.
    constexpr double triples[12][3] = {
        {1.50, 0, 0},    {1.50, 0.75, 0},    {1.50, 0, 0.75},    {1.50, 0.75, 0.75},
        {0, 1.50, 0},    {0.75, 1.50, 0},    {0, 1.50, 0.75},    {0.75, 1.50, 0.75},
        {0, 0, 1.50},    {0.75, 0, 1.50},    {0, 0.75, 1.50},    {0.75, 0.75, 1.50},
    };
    std::array<TCombinaison, 25> table{};
    table[0] = {1.35, 0, 0, 0, true};
    std::size_t k = 1;
    for (double g : {0.90, 1.35})
        for (const auto& t : triples)
            table[k++] = {g, t[0], t[1], t[2], false};
    return table;
}();

// Built the first time a section retains the combination, then shared.
class LibelleDiffere {
public:
    explicit LibelleDiffere(const TCombinaison& c) : c_(c) {}
    LibelleDiffere(const TCombinaison& c, const QString& texte) : c_(c), texte_(texte), construit_(true) {}
    const QString& get()
    {
        if (!construit_) {
            texte_ = LibelleCombinaison(c_);
            construit_ = true;
        }
        return texte_;
    }

private:
    const TCombinaison& c_;
    QString texte_;
    bool construit_ = false;
};

void EvaluerSection(TSection& sec, const TCombinaison& c, LibelleDiffere& libelle, TData& data)
{
    const double X = sec.se_htrsec;
    const double Y = sec.se_lrgsec;

    TV3R T = c.g * sec.se_torsGtot + c.s * sec.se_torsS + c.q * (sec.se_torsQP + sec.se_torsQR)
             + c.w * (sec.se_torsWP + sec.se_torsWR);
    if (T[1] == 0)
        T[1] = -1E-10; // a vanishing downward force keeps e and the angle defined
    else
        T[2] -= T[1] * sec.se_Xctr;
    const double FX = T[0];
    const double FZ = T[1];
    const double e = T[2] / FZ;

    // A later combination is retained when it is worse by more than 0.01 %
    // or when it carries a larger force.
    if (c.initiale || (std::abs(e) > 0 && std::abs(e) > 1.0001 * std::abs(sec.se_maxExc.mx_valeur))
        || std::abs(FZ) > std::abs(sec.se_maxExc.mx_torsPondere[1])) {
        const int niveauExc = NiveauExcentricite(e, X);
        sec.se_maxExc = {T, libelle.get(), e, niveauExc};
        data.MaxEffortV = std::max(data.MaxEffortV, std::abs(FZ));
        data.StatutGlobal = std::max(data.StatutGlobal, niveauExc);

        const TVerifContrainte ctr = VerifierContrainte(FZ, e, X, Y, sec.se_resistance);
        sec.se_maxCtr = {T, libelle.get(), ctr.ratio, ctr.niveau};
        data.StatutGlobal = std::max(data.StatutGlobal, ctr.niveau);
    }

    const double phi = AngleFrottement(FX, FZ);
    if (c.initiale || (phi > 0 && phi > 1.0001 * sec.se_maxAng.mx_valeur)
        || std::abs(FX) > std::abs(sec.se_maxAng.mx_torsPondere[0])) {
        const int niveauAng = phi > sec.se_angfrottrad ? 2 : 0;
        sec.se_maxAng = {T, libelle.get(), phi, niveauAng};
        data.StatutGlobal = std::max(data.StatutGlobal, niveauAng);
    }
}

// The labels of the fixed combinations, written once for the program: every
// calculation retains some of them at each of its sections, and the sections
// then share their text.
const std::array<QString, 25>& LibellesCombinaisons()
{
    static const std::array<QString, 25> libelles = [] {
        std::array<QString, 25> textes;
        for (std::size_t k = 0; k < kCombinaisons.size(); ++k)
            textes[k] = LibelleCombinaison(kCombinaisons[k]);
        return textes;
    }();
    return libelles;
}

void EvaluerSections(TData& data, const TCombinaison& c, LibelleDiffere& libelle)
{
    const qsizetype n = data.Sections.size();
    TSection* sections = data.Sections.data();
    for (qsizetype i = 0; i < n; ++i)
        EvaluerSection(sections[i], c, libelle, data);
}

} // namespace

const std::array<TCombinaison, 25>& Combinaisons() { return kCombinaisons; }

QString LibelleCombinaison(const TCombinaison& c)
{
    const struct {
        double valeur;
        char lettre;
    } termes[] = {{c.g, 'G'}, {c.s, 'S'}, {c.q, 'Q'}, {c.w, 'W'}};
    // std::to_chars always writes a point, never the user's decimal comma.
    // Each term takes at most 318 characters (" + ", a sign, 309 digits, ".00",
    // " W"), so the buffer holds any four factors: one allocation, the text's.
    char texte[4 * 320];
    char* p = texte;
    for (const auto& t : termes) {
        if (t.lettre != 'G') {
            if (t.valeur == 0)
                continue;
            p = std::copy_n(" + ", 3, p);
        }
        p = std::to_chars(p, texte + sizeof texte, t.valeur, std::chars_format::fixed, 2).ptr;
        *p++ = ' ';
        *p++ = t.lettre;
    }
    return QString::fromLatin1(texte, p - texte);
}

int NiveauExcentricite(double e, double X)
{
    // Absurd data can overflow the torsors: a resultant whose position cannot
    // be computed never passes the check.
    if (!std::isfinite(e))
        return 2;
    const double a = std::abs(e);
    if (a > X / 2)
        return 2;
    if (a < X / 6)
        return 0;
    return 1;
}

TVerifContrainte VerifierContrainte(double FZ, double e, double X, double Y, double resistance)
{
    const double comprime = X / 2 - std::abs(e);
    if (comprime == 0)
        return {-1, 2};
    // daN/m² to MPa, then in percent of the strength.
    const double ratio = std::abs(FZ) / (1.5 * Y * comprime) / 100000 / resistance * 100;
    // A stress that overflows is not computed ("non calc."), and fails.
    if (!std::isfinite(ratio))
        return {-1, 2};
    return {ratio, ratio > 100 ? 2 : 0};
}

double AngleFrottement(double FX, double FZ)
{
    const double phi = std::atan(std::abs(FX / FZ));
    return std::isnan(phi) ? 0 : phi;
}

void EvaluerCombinaison(TData& data, const TCombinaison& c)
{
    LibelleDiffere libelle(c);
    EvaluerSections(data, c, libelle);
}

void EvaluerCombinaisons(TData& data)
{
    const std::array<QString, 25>& libelles = LibellesCombinaisons();
    for (std::size_t k = 0; k < kCombinaisons.size(); ++k) {
        LibelleDiffere libelle(kCombinaisons[k], libelles[k]);
        EvaluerSections(data, kCombinaisons[k], libelle);
    }
}
