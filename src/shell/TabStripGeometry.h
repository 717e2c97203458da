#pragma once

#include <span>

// Where the tabs of a tab strip lie, given the width of every tab, the index
// of the first visible tab and the width of the zone the tabs are drawn in.
// Tabs are laid out from x = 0, starting with the first visible one.
namespace TabStripGeometry {

// The four navigation buttons occupy the right end of the strip.
constexpr int kTailleBouton = 17;
constexpr int kNbBoutons = 4;
constexpr int kReserveBoutons = 70;    // tab zone width = strip width - 70
constexpr int kGaucheBoutons = 69;     // first button at strip width - 69
constexpr int kSupplementLargeur = 88; // strip width >= first visible tab + 88
constexpr int kSupplementHauteur = 29; // strip height >= top margin + 29
constexpr int kHautBoutons = 3;        // buttons 3 pixels below the top margin
constexpr int kHauteurOngletMin = 19;
constexpr int kReserveHauteur = 5;     // tab height <= strip height - 5
constexpr int kLargeurParDefaut = 50;  // width of a tab that does not exist
constexpr int kMargeTexte = 20;        // tab width = caption width + 20
constexpr int kSeuilGlissement = 10;   // a drag starts beyond 10 pixels
constexpr int kPremierDelaiMs = 400;   // first repetition / drag tick
constexpr int kDelaiMs = 100;          // following ones

enum class Bouton { DEB = 1, PREC = 2, SVT = 3, FIN = 4 };

// Tab ix is fully visible: it is the first visible tab, or it lies after it
// and the widths from the first visible tab to ix add up to at most zone.
bool EstVisible(std::span<const int> largeurs, int premier, int zone, int ix);

// The first visible tab after scrolling so that tab ix is fully visible.
int AjusterPremier(std::span<const int> largeurs, int premier, int zone, int ix);

// The first visible tab after a click on a navigation button.
int Naviguer(std::span<const int> largeurs, int premier, int zone, Bouton bouton);

// x of the left edge of tab ix (ix may equal the number of tabs: the right
// edge of the last one); tabs before the first visible one lie at negative x.
int GaucheOnglet(std::span<const int> largeurs, int premier, int ix);

// The tab under x, -1 when none (x outside the zone or beyond the last tab).
int OngletSousX(std::span<const int> largeurs, int premier, int zone, int x);

// Drop position.
struct Depot {
    int position; // the dragged tabs go before this tab; the number of tabs: after the last
    int moveTabs; // -1: scroll left, +1: scroll right, 0: no scrolling
};

// Where tabs dragged to pointer x (inside the zone) would be dropped, and
// whether the row should scroll: left when the pointer is in the left quarter
// of the first visible tab and tabs are hidden on the left, right when it is in
// the right quarter of the zone's last tab and the last tab is not fully shown.
Depot CalculerDepot(std::span<const int> largeurs, int premier, int zone, int x);

// May a drag tick scroll the row by moveTabs from premier?
bool DefilementPossible(std::span<const int> largeurs, int premier, int zone, int moveTabs);

} // namespace TabStripGeometry
