#pragma once

#include "drawing/ViewMapping.h"

#include <QString>
#include <cstdint>
#include <vector>

// Drawing instruction.
// One line of a drawing command text, once read. Lines are separated by CR LF
// and trimmed; fields are separated by TAB; an unreadable number reads as 0 and
// an unknown keyword is a point line, so reading never fails.
struct InstructionDessin {
    enum class Genre {
        Ligne,   // "LIGNE": the next point starts a new polyline
        Couleur, // "COULEUR" TAB colour: pen colour
        Eptrait, // "EPTRAIT" TAB width: pen width in pixels
        Repere,  // "REPERE" TAB colour: the two axes
        Fleche,  // "FLECHE" TAB x1 TAB y1 TAB x2 TAB y2: an arrow to (x2, y2)
        Texte,   // "TEXTE" TAB font TAB height TAB style TAB x TAB y TAB text
        Point    // x TAB y
    };

    Genre genre = Genre::Point;
    std::int32_t entier = 0; // colour (0x00BBGGRR) or pen width
    double x1 = 0;           // the point, the arrow's tail or the text's corner
    double y1 = 0;
    double x2 = 0;           // the arrow's tip
    double y2 = 0;
    QString police;          // "TEXTE": font name
    std::int32_t hauteur = 0; // "TEXTE": font height, negative for pixels
    QString style;           // "TEXTE": letters I (italic), G (bold), S (underline)
    QString texte;           // "TEXTE": the text, TABs included
};

// The commands of a whole text, in order; empty lines are skipped.
std::vector<InstructionDessin> LireCommandesDessin(const QString& txtra);

// The extent widened to every point, arrow end and text corner of the
// commands, so that an export shows the load arrows that stand out of the
// buttress. Non-finite values are left out.
EtendueDessin EtendueCommandes(const std::vector<InstructionDessin>& commandes, const EtendueDessin& depart);
