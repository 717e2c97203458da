#pragma once

#include <QIcon>
#include <QString>

// The two-image glyphs of the editing buttons, drawn by our own code: the
// enabled image and the greyed disabled one. Names: "UR_UNDO", "UR_REDO",
// "UR_LISTE" and "nav_" followed by FIRST, PRIOR, NEXT, LAST, INSERT, ADD,
// DELETE, EDIT, POST, CANCEL or REFRESH. An unknown name gives an empty icon.
// The pictures are drawn when the icon is first shown.
QIcon GlypheEdition(const QString& nomRessource);
// The same icon with both pictures drawn at once.
QIcon GlypheEditionDessinee(const QString& nomRessource);
