#pragma once

#include "drawing/ViewMapping.h"
#include "model/DonneesAppli.h"

#include <QString>
#include <cstdint>

// Drawing options.
// What the page "Dessin" asks to be shown.
struct OptionsDessin {
    enum class Affichage { Donnees = 0, Resultats = 1, LesDeux = 2 };

    int echelleCharges = 0; // position of the load scroll bar, -100 to 100
    Affichage affichage = Affichage::Donnees;
    bool ponctuelles = true;
    bool reparties = true;
    bool permanentes = true;
    bool neige = true;
    bool vent = true;
    bool exploitation = true;
    // The line of thrust and the central thirds, drawn over everything else
    // (ThrustLine.h); off, the text is the drawing's usual one to the byte.
    bool lignePoussee = false;

    bool resultatsAffiches() const { return affichage != Affichage::Donnees; }
    bool chargesAffichables() const { return affichage != Affichage::Resultats; }
};

// Colours of the buttress drawing, in the 0x00BBGGRR layout.
inline constexpr std::uint32_t kCouleurAxes = 255;
inline constexpr std::uint32_t kCouleurContour = 0;
inline constexpr std::uint32_t kCouleurCharges = 16711680;
inline constexpr std::uint32_t kCouleurFondDessin = 16777215;
// The resultant's colour for a level 0, 1 or 2 (the note's verdict colours).
std::uint32_t CouleurResultante(int niveau);

// The factor k of the load scroll bar: 1 + p/20 from the middle up,
// 1 / (1 - p/20) below it, so 1/6 at -100, 1 at 0 and 6 at 100.
double FacteurEchelleCharges(int position);

// Buttress drawing.
// A drawing ready for the frame: its command text and its extent.
struct DessinContrefort {
    QString texte;
    EtendueDessin etendue;
};

// The command text of the buttress: outline, faces, loads and resultants as
// the options ask. A model without section first gets one zero section. The
// two drawing scales `EchCharges` and `EchEfforts` are set. When `MaxCharge`
// is 0 (before a calculation, or only wind point loads and distributed loads)
// the load scale is formed from the largest load shown; `MaxCharge` itself is
// left alone. A scale that still cannot be formed (nothing to draw, or a
// buttress of no height) is 0, and then no arrow of that kind is drawn.
DessinContrefort ConstruireDessin(TData& data, const OptionsDessin& options);
