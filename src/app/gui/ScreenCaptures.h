#pragma once

#include <QString>

class TFBaseM2;

// For the README's pictures, taken again by scripts/screenshots.sh: once the
// window is shown, saves the general page and the page of the first
// calculation as PNG files in the folder, then closes the window normally.
void PrendreCaptures(TFBaseM2& fenetre, const QString& dossier);
