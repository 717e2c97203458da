#include "shell/gui/ApplicationIcon.h"

#include "util/DeferredIcon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

QPixmap Dessin(int cote)
{
    QPixmap image(cote, cote);
    image.fill(Qt::transparent);
    QPainter p(&image);
    DessinerIconeApplication(p, cote);
    return image;
}

} // namespace

void DessinerIconeApplication(QPainter& p, double cote)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(cote / 32.0, cote / 32.0);
    // The wall on the left, the stepped buttress leaning on it, the ground.
    p.setPen(QPen(QColor(60, 50, 40), 1.2));
    p.setBrush(QColor(200, 190, 170));
    p.drawRect(QRectF(3, 2, 8, 26));
    QPainterPath contrefort;
    contrefort.moveTo(11, 6);
    contrefort.lineTo(15, 6);
    contrefort.lineTo(19, 14);
    contrefort.lineTo(22, 14);
    contrefort.lineTo(27, 28);
    contrefort.lineTo(11, 28);
    contrefort.closeSubpath();
    p.setBrush(QColor(170, 140, 100));
    p.drawPath(contrefort);
    p.setPen(QPen(QColor(30, 90, 170), 2.0));
    p.drawLine(QPointF(1, 29), QPointF(31, 29));
    p.restore();
}

namespace {

// The icon at every size it is drawn at.
QIcon IconeDessinee()
{
    QIcon icone;
    for (int cote : {16, 24, 32, 48, 64, 128, 256})
        icone.addPixmap(Dessin(cote));
    return icone;
}

} // namespace

// The pictures are drawn when something first asks for them: the offscreen
// platform never does, and a window manager only when the window shows.
QIcon IconeApplication() { return IconeDifferee(IconeDessinee); }
