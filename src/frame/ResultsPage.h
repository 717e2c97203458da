#pragma once

#include "model/LoadReserve.h"

#include <QColor>
#include <QString>

// The pages of the buttress frame, in tab order.
enum class PageCadre { Donnees = 0, Dessin = 1, Resultats = 2 };

// The caption of the verdict panel: "Résultat : " and the level's word.
QString TexteStatutCalcul(int niveau);
// The verdict panel's background: the level's colour, as in the note.
QColor CouleurStatutCalcul(int niveau);

// The line under the verdict that tells the load reserve in words:
// "Réserve de charge : " then how far the variable loads may be multiplied.
QString TexteReserveCalcul(const TReserveCharge& reserve);
// The same in the report's summary, after "Réserve de charge (facteur sur les
// charges variables) : ".
QString TexteReserveSynthese(const TReserveCharge& reserve);

// Whether the frame may go from one page to another while nbObjetsEdites
// calculations are edited: never while several are edited at once.
bool ChangementPagePermis(PageCadre de, PageCadre vers, int nbObjetsEdites);
// Leaving the data page computes the selected calculations first.
bool CalculAvantPage(PageCadre de, PageCadre vers);
