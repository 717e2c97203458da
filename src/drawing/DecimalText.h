#pragma once

#include <QString>

// Appends v with exactly three decimals, character for character what
// QString::number(v, 'f', 3) gives (a tie rounds away from zero, 0 and -0 give
// "0.000", a negative rounded to zero keeps its sign), without building a
// QString per number: a drawing of a tall buttress writes tens of thousands.
// v must be finite.
void AjouterTroisDecimales(QString& texte, double v);
