#pragma once

#include "model/DonneesAppli.h"

class NoteView;

// Loads the note of DA into the view: its style element as head, its tables
// as body. The buttress frame calls it when its results page is shown and when
// "lister les données" changes.
void AfficherNdC(NoteView& WB, const TDonneesAppli& DA, bool listerDonnees);
