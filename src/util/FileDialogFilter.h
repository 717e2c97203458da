#pragma once

#include <QString>

// The filter of the desktop's file dialogs ("a (*.x);;b (*.*)") from the
// program's own "label|pattern;pattern|..." form ("a (*.x)|*.x|b (*.*)|*.*").
// A label that already shows its patterns is kept as it is.
QString FiltreDialogue(const QString& filtre);
