#pragma once

#include "drawing/ButtressDrawing.h"

class TFrmPbx;

// Builds the buttress drawing of the model with the options and hands its
// extent and text to the drawing frame. Nothing happens without a model.
// Placing the frame on the active page is the host's part.
void AfficherDessin(TDonneesAppli* DA, const OptionsDessin& options, TFrmPbx& frame);
