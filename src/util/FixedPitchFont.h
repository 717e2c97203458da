#pragma once

#include <QFont>

// Fonts whose characters all have one width, told by measuring them: whether a
// font file declares itself fixed pitch varies from one font to another
// (Noto Sans Mono does not, although it is), so the declaration is not asked.

// True when the usual characters of a text (letters narrow and wide, figures,
// punctuation, space) all advance by the same width in this font.
bool MesureChasseFixe(const QFont& police);

// The desktop's fixed font at the given size when it measures as fixed pitch,
// otherwise the first installed family that does among the usual ones, otherwise
// any installed family that does; the desktop's fixed font when none does.
QFont PoliceChasseFixe(int taillePoints);
