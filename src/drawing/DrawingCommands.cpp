#include "drawing/DrawingCommands.h"

#include "drawing/ViewMapping.h"
#include "util/TextFields.h"

#include <QStringView>
#include <algorithm>
#include <cmath>

namespace {

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
        const double v = LireNombre(suivant()).value_or(0.0);
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

InstructionDessin lireLigne(QStringView ligne)
{
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
        c.genre = InstructionDessin::Genre::Point;
        Champs champs(ligne);
        c.x1 = champs.reel();
        c.y1 = champs.reel();
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
