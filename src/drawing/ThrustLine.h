#pragma once

#include "model/DonneesAppli.h"

#include <QList>
#include <QStringList>
#include <cstdint>

// Line of thrust.
// What the drawing adds when the line of thrust is asked for: the central
// third of every section, and the line through the points where the resultant
// retained for eccentricity crosses the sections, so that the sections where
// the thrust leaves the central third are seen at a glance.

// Colours, in the 0x00BBGGRR layout: the line of thrust is violet (#8000C0),
// the central third teal (#008080); neither is a load, axis or verdict colour.
inline constexpr std::uint32_t kCouleurLignePoussee = 12583040;
inline constexpr std::uint32_t kCouleurTiersCentral = 8421376;

// Where the resultant retained for eccentricity crosses one computed section.
struct PassagePoussee {
    qsizetype section = 0; // index, from the bottom
    double x = 0;          // se_Xctr + eccentricity
    double z = 0;          // the section's level
    int niveau = 0;        // eccentricity level: 0 inside the central third
};

// The crossings of the sections that carry a result, from the bottom up. A
// section not computed yet (its retained vertical force is exactly zero: a
// calculation never leaves it so) has none.
QList<PassagePoussee> PassagesPoussee(const TData& data);

// The drawing commands of the central thirds (a thick segment on each level
// line, their limits joined by dashed lines) and of the line of thrust (a
// solid line through the crossings, each marked by a small cross in the
// colour of its eccentricity level). A crossing too far outside the buttress
// to be drawn beside it (a section with next to no vertical force) breaks the
// line instead. The pen's colour and width are left changed.
QStringList CommandesLignePoussee(const TData& data);
