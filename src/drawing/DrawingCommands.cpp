#include "drawing/DrawingCommands.h"

#include "drawing/ViewMapping.h"
#include "util/TextFields.h"

#include <QStringView>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>

namespace {

// The numbers a drawing text is made of ("-12.345": a sign, at most 15 digits
// in all, a point), read without the general reader's copy. Their value is
// the correctly rounded one the general reader gives: the digits as a whole
// number and the power of ten are both exact doubles, so their quotient is
// rounded once. Anything else is left to the general reader.
std::optional<double> nombreSimple(QStringView champ)
{
    static constexpr double kPuissances[] = {1, 10, 100, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8,
                                             1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    const qsizetype n = champ.size();
    qsizetype i = 0;
    const bool negatif = n > 0 && champ[0] == u'-';
    if (negatif)
        ++i;
    std::uint64_t chiffres = 0;
    int nombreChiffres = 0;
    int decimales = 0;
    bool point = false;
    for (; i < n; ++i) {
        const char16_t c = champ[i].unicode();
        if (c >= u'0' && c <= u'9') {
            if (++nombreChiffres > 15)
                return std::nullopt;
            chiffres = chiffres * 10 + (c - u'0');
            if (point)
                ++decimales;
        } else if (c == u'.' && !point) {
            point = true;
        } else {
            return std::nullopt;
        }
    }
    if (nombreChiffres == 0)
        return std::nullopt;
    const double v = double(chiffres) / kPuissances[decimales];
    return negatif ? -v : v;
}

// Takes the next TAB field off the front of the rest of a line.
class Champs {
public:
    explicit Champs(QStringView reste) : reste_(reste) {}

    QStringView suivant()
    {
        const qsizetype tab = reste_.indexOf(u'\t');
        if (tab < 0) {
            const QStringView champ = reste_;
            reste_ = {};
            return champ;
        }
        const QStringView champ = reste_.left(tab);
        reste_ = reste_.mid(tab + 1);
        return champ;
    }
    double reel()
    {
        const QStringView champ = suivant();
        if (const std::optional<double> simple = nombreSimple(champ))
            return *simple;
        const double v = LireNombre(champ).value_or(0.0);
        return std::isfinite(v) ? v : 0.0;
    }
    std::int32_t entier() { return LireEntier(suivant()).value_or(0); }
    QStringView reste() const { return reste_; }

private:
    QStringView reste_;
};

// The fields after a keyword when the line begins with the keyword and a TAB.
bool motCle(QStringView ligne, QStringView mot, QStringView& apres)
{
    if (ligne.size() <= mot.size() || !ligne.startsWith(mot) || ligne[mot.size()] != u'\t')
        return false;
    apres = ligne.mid(mot.size() + 1);
    return true;
}

// Where the first CR LF of the text stands, -1 without one. A lone CR or LF is
// part of its line. Looking for the CR alone is much quicker than for the pair.
qsizetype finDeLigne(QStringView texte)
{
    qsizetype depuis = 0;
    for (;;) {
        const qsizetype cr = texte.indexOf(u'\r', depuis);
        if (cr < 0 || cr + 1 >= texte.size())
            return -1;
        if (texte[cr + 1] == u'\n')
            return cr;
        depuis = cr + 1;
    }
}

InstructionDessin lirePoint(QStringView ligne)
{
    InstructionDessin c;
    c.genre = InstructionDessin::Genre::Point;
    Champs champs(ligne);
    c.x1 = champs.reel();
    c.y1 = champs.reel();
    return c;
}

InstructionDessin lireLigne(QStringView ligne)
{
    // Most lines are points: a line whose first letter begins no keyword is
    // not compared with each of them.
    switch (ligne.front().unicode()) {
    case u'L':
    case u'C':
    case u'E':
    case u'R':
    case u'F':
    case u'T':
        break;
    default:
        return lirePoint(ligne);
    }
    InstructionDessin c;
    QStringView apres;
    if (ligne == u"LIGNE") {
        c.genre = InstructionDessin::Genre::Ligne;
    } else if (motCle(ligne, u"COULEUR", apres)) {
        c.genre = InstructionDessin::Genre::Couleur;
        c.entier = Champs(apres).entier();
    } else if (motCle(ligne, u"EPTRAIT", apres)) {
        c.genre = InstructionDessin::Genre::Eptrait;
        c.entier = Champs(apres).entier();
    } else if (motCle(ligne, u"REPERE", apres)) {
        c.genre = InstructionDessin::Genre::Repere;
        c.entier = Champs(apres).entier();
    } else if (motCle(ligne, u"FLECHE", apres)) {
        c.genre = InstructionDessin::Genre::Fleche;
        Champs champs(apres);
        c.x1 = champs.reel();
        c.y1 = champs.reel();
        c.x2 = champs.reel();
        c.y2 = champs.reel();
    } else if (motCle(ligne, u"TEXTE", apres)) {
        c.genre = InstructionDessin::Genre::Texte;
        Champs champs(apres);
        c.police = champs.suivant().toString();
        c.hauteur = champs.entier();
        c.style = champs.suivant().toString();
        c.x1 = champs.reel();
        c.y1 = champs.reel();
        c.texte = champs.reste().toString();
    } else {
        return lirePoint(ligne);
    }
    return c;
}

} // namespace

std::vector<InstructionDessin> LireCommandesDessin(const QString& txtra)
{
    std::vector<InstructionDessin> commandes;
    // One command a line: the vector is sized once rather than grown.
    const QChar* const debut = txtra.constData();
    commandes.reserve(std::size_t(std::count(debut, debut + txtra.size(), QChar(u'\n'))) + 1);
    QStringView reste(txtra);
    while (!reste.isEmpty()) {
        const qsizetype fin = finDeLigne(reste);
        const QStringView brute = fin < 0 ? reste : reste.left(fin);
        reste = fin < 0 ? QStringView() : reste.mid(fin + 2);
        const QStringView ligne = SansBlancs(brute);
        if (!ligne.isEmpty())
            commandes.push_back(lireLigne(ligne));
    }
    return commandes;
}

EtendueDessin EtendueCommandes(const std::vector<InstructionDessin>& commandes, const EtendueDessin& depart)
{
    EtendueDessin e = depart;
    const auto inclure = [&e](double x, double y) {
        if (!std::isfinite(x) || !std::isfinite(y))
            return;
        e.xmin = std::min(e.xmin, x);
        e.xmax = std::max(e.xmax, x);
        e.ymin = std::min(e.ymin, y);
        e.ymax = std::max(e.ymax, y);
    };
    for (const InstructionDessin& c : commandes) {
        switch (c.genre) {
        case InstructionDessin::Genre::Point:
        case InstructionDessin::Genre::Texte:
            inclure(c.x1, c.y1);
            break;
        case InstructionDessin::Genre::Fleche:
            inclure(c.x1, c.y1);
            inclure(c.x2, c.y2);
            break;
        default:
            break;
        }
    }
    return e;
}
