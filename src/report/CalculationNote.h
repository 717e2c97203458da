#pragma once

#include "model/DonneesAppli.h"

#include <QString>

// The calculation note of one buttress, built from the results its last
// calculation stored; nothing is computed here.

// The note's <style> element: TABLE, TD.TITRE and the three level classes.
QString EnteteNdC();

// The note's tables, one after the other: the data listing when asked, the
// results heading, the permanent and variable torsors, then the stress,
// eccentricity and friction maxima.
QString CorpsNdC(const TData& data, bool listerDonnees);

// The whole page: EnteteNdC as head, CorpsNdC as body.
QString PageNdC(const TData& data, bool listerDonnees);

// Class of a check cell: 0 "OK", 1 "Acc", 2 "NOK"; empty otherwise.
QString ClasseNiveau(int niveau);
QStringView VueClasseNiveau(int niveau);
