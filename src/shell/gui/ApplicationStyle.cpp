#include "shell/gui/ApplicationStyle.h"

#include "shell/gui/ToolbarIcons.h"

TStyleApplication::TStyleApplication(QStyle* base) : QProxyStyle(base) {}

QIcon TStyleApplication::standardIcon(StandardPixmap icone, const QStyleOption* option, const QWidget* widget) const
{
    return IconeStandard(*baseStyle(), icone, option, widget);
}
