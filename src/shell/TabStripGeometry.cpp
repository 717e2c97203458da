#include "shell/TabStripGeometry.h"

#include <algorithm>

namespace TabStripGeometry {

namespace {

int Nombre(std::span<const int> largeurs)
{
    return static_cast<int>(largeurs.size());
}

} // namespace

bool EstVisible(std::span<const int> largeurs, int premier, int zone, int ix)
{
    if (ix == premier)
        return true;
    if (ix < premier || ix >= Nombre(largeurs))
        return false;
    int somme = 0;
    for (int i = premier; i <= ix; ++i)
        somme += largeurs[i];
    return somme <= zone;
}

int AjusterPremier(std::span<const int> largeurs, int premier, int zone, int ix)
{
    if (ix < 0 || ix >= Nombre(largeurs))
        return premier;
    if (ix < premier)
        return ix;
    while (!EstVisible(largeurs, premier, zone, ix))
        ++premier;
    return premier;
}

int Naviguer(std::span<const int> largeurs, int premier, int zone, Bouton bouton)
{
    const int dernier = Nombre(largeurs) - 1;
    switch (bouton) {
    case Bouton::DEB:
        return 0;
    case Bouton::PREC:
        return premier > 0 ? premier - 1 : premier;
    case Bouton::SVT:
        return premier < dernier ? premier + 1 : premier;
    case Bouton::FIN:
        while (premier < dernier && !EstVisible(largeurs, premier, zone, dernier))
            ++premier;
        return premier;
    }
    return premier;
}

int GaucheOnglet(std::span<const int> largeurs, int premier, int ix)
{
    int x = 0;
    for (int i = premier; i < ix; ++i)
        x += largeurs[i];
    for (int i = ix; i < premier; ++i)
        x -= largeurs[i];
    return x;
}

int OngletSousX(std::span<const int> largeurs, int premier, int zone, int x)
{
    if (x < 0 || x >= zone || premier < 0)
        return -1;
    int gauche = 0;
    for (int i = premier; i < Nombre(largeurs) && gauche < zone; ++i) {
        if (x < gauche + largeurs[i])
            return i;
        gauche += largeurs[i];
    }
    return -1;
}

Depot CalculerDepot(std::span<const int> largeurs, int premier, int zone, int x)
{
    const int nombre = Nombre(largeurs);
    Depot depot{nombre, 0};
    // Tabs beyond the zone are walked too: a drop past the last shown tab goes
    // before the first hidden one, not to the end of the row.
    int gauche = 0;
    int derniereVisible = -1;
    int gaucheDerniereVisible = 0;
    for (int i = std::max(premier, 0); i < nombre; ++i) {
        if (gauche < zone) {
            derniereVisible = i;
            gaucheDerniereVisible = gauche;
        }
        if (depot.position == nombre && gauche + largeurs[i] / 2 > x)
            depot.position = i;
        gauche += largeurs[i];
    }
    if (premier > 0 && premier < nombre && x < largeurs[premier] / 4) {
        depot.moveTabs = -1;
    } else if (derniereVisible >= 0 && !EstVisible(largeurs, premier, zone, nombre - 1)) {
        const int droite = std::min(gaucheDerniereVisible + largeurs[derniereVisible], zone);
        if (x >= droite - (droite - gaucheDerniereVisible) / 4)
            depot.moveTabs = 1;
    }
    return depot;
}

bool DefilementPossible(std::span<const int> largeurs, int premier, int zone, int moveTabs)
{
    const int nouveau = premier + moveTabs;
    if (moveTabs == 0 || nouveau < 0 || nouveau > Nombre(largeurs) - 1)
        return false;
    // Scrolling right stops once the last tab is fully shown.
    return moveTabs < 0 || !EstVisible(largeurs, premier, zone, Nombre(largeurs) - 1);
}

} // namespace TabStripGeometry
