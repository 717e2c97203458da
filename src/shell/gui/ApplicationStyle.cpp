#include "shell/gui/ApplicationStyle.h"

#include "shell/gui/ToolbarIcons.h"

#include <QPainter>
#include <QStyleOption>

namespace {

// Paints `dessin` band after band over `zone`, each clipped to its rows: a
// clip changes which pixels are written, never their values.
template <typename Dessin>
void PeindreEnBandes(QPainter& painter, const QRect& zone, const Dessin& dessin)
{
    if (zone.height() <= TStyleApplication::kLignesParBande) {
        dessin();
        return;
    }
    for (int y = zone.top(); y <= zone.bottom(); y += TStyleApplication::kLignesParBande) {
        painter.save();
        painter.setClipRect(QRect(zone.left(), y, zone.width(), TStyleApplication::kLignesParBande), Qt::IntersectClip);
        dessin();
        painter.restore();
    }
}

} // namespace

TStyleApplication::TStyleApplication(QStyle* base) : QProxyStyle(base) {}

QIcon TStyleApplication::standardIcon(StandardPixmap icone, const QStyleOption* option, const QWidget* widget) const
{
    return IconeStandard(*baseStyle(), icone, option, widget);
}

void TStyleApplication::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                      const QWidget* widget) const
{
    if ((element == PE_FrameGroupBox || element == PE_PanelToolBar) && option && painter)
        PeindreEnBandes(*painter, option->rect,
                        [&] { QProxyStyle::drawPrimitive(element, option, painter, widget); });
    else
        QProxyStyle::drawPrimitive(element, option, painter, widget);
}

void TStyleApplication::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                                    const QWidget* widget) const
{
    if (element == CE_ToolBar && option && painter)
        PeindreEnBandes(*painter, option->rect, [&] { QProxyStyle::drawControl(element, option, painter, widget); });
    else
        QProxyStyle::drawControl(element, option, painter, widget);
}
