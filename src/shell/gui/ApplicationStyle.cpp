#include "shell/gui/ApplicationStyle.h"

#include "shell/gui/ToolbarIcons.h"

#include <QPainter>
#include <QStyleOption>

namespace {

// Paints `dessin` in bands of `lignes` rows over `zone`, each clipped to its
// rows: a clip changes which pixels are written, never their values.
template <typename Dessin>
void PeindreEnBandes(QPainter& painter, const QRect& zone, int lignes, const Dessin& dessin)
{
    if (zone.height() <= lignes) {
        dessin();
        return;
    }
    for (int y = zone.top(); y <= zone.bottom(); y += lignes) {
        painter.save();
        painter.setClipRect(QRect(zone.left(), y, zone.width(), lignes), Qt::IntersectClip);
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
                        element == PE_FrameGroupBox ? kLignesParBandeCadre : kLignesParBandeBarre,
                        [&] { QProxyStyle::drawPrimitive(element, option, painter, widget); });
    else
        QProxyStyle::drawPrimitive(element, option, painter, widget);
}

void TStyleApplication::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                                    const QWidget* widget) const
{
    if (element == CE_ToolBar && option && painter)
        PeindreEnBandes(*painter, option->rect, kLignesParBandeBarre,
                        [&] { QProxyStyle::drawControl(element, option, painter, widget); });
    else
        QProxyStyle::drawControl(element, option, painter, widget);
}
