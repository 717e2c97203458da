#pragma once

#include <QIcon>
#include <QStyle>

class QStyleOption;
class QWidget;

// The style's standard icon, for the tool bars and the menu bar: the file
// commands and the extension arrows shown when a bar is too narrow. Qt's own
// style without an icon theme makes each of them of its resource pictures at
// three sizes and decodes the three at once, for a button that shows one (or,
// for the arrows, none until the window is narrowed): here each picture is
// decoded when first needed, with the same pictures at every size, scale and
// mode. Another style, an icon theme, a right-to-left layout (the option's,
// else the application's) or another icon give the style's icon.
QIcon IconeStandard(const QStyle& style, QStyle::StandardPixmap icone, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr);
