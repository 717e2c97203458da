#pragma once

#include <QIcon>
#include <QString>

// The two-image glyphs of the editing buttons, drawn by our own code: the
// enabled image and the greyed disabled one. Names: "UR_UNDO", "UR_REDO",
// "UR_LISTE" and "nav_" followed by FIRST, PRIOR, NEXT, LAST, INSERT, ADD,
// DELETE, EDIT, POST, CANCEL or REFRESH. An unknown name gives an empty icon.
QIcon GlypheEdition(const QString& nomRessource);
