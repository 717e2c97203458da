#pragma once

#include <QIcon>
#include <QStyle>

// The style's standard icon, for the toolbar's file commands. Qt's own style
// without an icon theme makes it of its resource pictures at 16, 32 and 128
// pixels and decodes the three at once, for a button that shows one: here
// each is decoded when first needed, with the same pictures at every size,
// scale and mode. Another style, or an icon theme, gives the style's icon.
QIcon IconeStandard(const QStyle& style, QStyle::StandardPixmap icone);
