#pragma once

#include "model/DonneesAppli.h"

#include <QList>
#include <QString>

// The one-page summary of a computed buttress: for each of the three checks,
// the section that governs it (the worst level, then the value nearest to or
// furthest beyond its limit; the lower section when they tie), with the
// retained combination, its value and the limit it is held to. Built from the
// stored results only; nothing is computed again.

struct LigneSynthese {
    QString verification;   // "Excentricité", "Contrainte normale", "Angle de frottement"
    int section = 0;        // numbered from 1 at the bottom
    QString combinaison;
    QString valeur;
    QString limite;
    int niveau = 0;         // 0, 1 or 2
};

// One line per check, in the note's order (stress, eccentricity, friction);
// none for a buttress without section.
QList<LigneSynthese> SyntheseVerifications(const TData& data);

// How much of its limit a check uses at one section (1 = at the limit); a
// value that could not be computed counts as infinitely far beyond it.
double TauxExcentricite(const TSection& s);
double TauxContrainte(const TSection& s);
double TauxFrottement(const TSection& s);
