#include "editing/gui/EditingGlyphs.h"

#include "util/DeferredIcon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <functional>
#include <map>

namespace {

constexpr int kTaille = 16;

using Dessin = std::function<void(QPainter&)>;

void triangle(QPainter& p, QPointF a, QPointF b, QPointF c)
{
    const QPointF points[] = {a, b, c};
    p.drawPolygon(points, 3);
}

void fleche(QPainter& p, bool versGauche)
{
    // A curved arrow: the shaft bends down from the head to the opposite side.
    p.save();
    if (!versGauche) {
        p.translate(kTaille, 0);
        p.scale(-1, 1);
    }
    QPainterPath tige;
    tige.moveTo(5, 6);
    tige.cubicTo(11, 5, 15, 8, 13, 12);
    tige.lineTo(10, 14);
    p.setBrush(Qt::NoBrush);
    p.drawPath(tige);
    p.setBrush(p.pen().color());
    triangle(p, {1, 6}, {6, 2}, {6, 10});
    p.restore();
}

void plus(QPainter& p, QPointF centre, double demi)
{
    p.drawLine(QPointF(centre.x() - demi, centre.y()), QPointF(centre.x() + demi, centre.y()));
    p.drawLine(QPointF(centre.x(), centre.y() - demi), QPointF(centre.x(), centre.y() + demi));
}

const std::map<QString, Dessin>& dessins()
{
    static const std::map<QString, Dessin> table{
        {QStringLiteral("UR_UNDO"), [](QPainter& p) { fleche(p, true); }},
        {QStringLiteral("UR_REDO"), [](QPainter& p) { fleche(p, false); }},
        {QStringLiteral("UR_LISTE"), [](QPainter& p) { triangle(p, {4, 6}, {12, 6}, {8, 11}); }},
        {QStringLiteral("nav_FIRST"),
         [](QPainter& p) {
             p.drawRect(QRectF(3, 4, 1.5, 8));
             triangle(p, {12, 3}, {12, 13}, {6, 8});
         }},
        {QStringLiteral("nav_PRIOR"), [](QPainter& p) { triangle(p, {11, 3}, {11, 13}, {5, 8}); }},
        {QStringLiteral("nav_NEXT"), [](QPainter& p) { triangle(p, {5, 3}, {5, 13}, {11, 8}); }},
        {QStringLiteral("nav_LAST"),
         [](QPainter& p) {
             triangle(p, {4, 3}, {4, 13}, {10, 8});
             p.drawRect(QRectF(11.5, 4, 1.5, 8));
         }},
        {QStringLiteral("nav_INSERT"),
         [](QPainter& p) {
             plus(p, {9, 8}, 4);
             triangle(p, {2, 5}, {2, 11}, {5, 8});
         }},
        {QStringLiteral("nav_ADD"), [](QPainter& p) { plus(p, {8, 8}, 5); }},
        {QStringLiteral("nav_DELETE"), [](QPainter& p) { p.drawLine(QPointF(3, 8), QPointF(13, 8)); }},
        {QStringLiteral("nav_EDIT"),
         [](QPainter& p) {
             p.drawLine(QPointF(4, 12), QPointF(12, 4));
             triangle(p, {2.5, 13.5}, {3, 10.5}, {5.5, 13});
         }},
        {QStringLiteral("nav_POST"),
         [](QPainter& p) {
             p.drawLine(QPointF(3, 8), QPointF(7, 12));
             p.drawLine(QPointF(7, 12), QPointF(13, 4));
         }},
        {QStringLiteral("nav_CANCEL"),
         [](QPainter& p) {
             p.drawLine(QPointF(4, 4), QPointF(12, 12));
             p.drawLine(QPointF(12, 4), QPointF(4, 12));
         }},
        {QStringLiteral("nav_REFRESH"),
         [](QPainter& p) {
             p.setBrush(Qt::NoBrush);
             p.drawArc(QRectF(3, 3, 10, 10), 60 * 16, 280 * 16);
             p.setBrush(p.pen().color());
             triangle(p, {9, 1}, {13, 4}, {9, 6});
         }},
    };
    return table;
}

QPixmap image(const Dessin& dessin, const QColor& couleur)
{
    QPixmap pixmap(kTaille, kTaille);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(couleur, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(couleur);
    dessin(p);
    return pixmap;
}

} // namespace

QIcon GlypheEditionDessinee(const QString& nomRessource)
{
    const auto it = dessins().find(nomRessource);
    if (it == dessins().end())
        return {};
    QIcon icone;
    icone.addPixmap(image(it->second, QColor(0x20, 0x30, 0x60)), QIcon::Normal);
    icone.addPixmap(image(it->second, QColor(0xA0, 0xA0, 0xA0)), QIcon::Disabled);
    return icone;
}

QIcon GlypheEdition(const QString& nomRessource)
{
    if (dessins().find(nomRessource) == dessins().end())
        return {};
    // Drawn on the first paint of its button: the navigator hides most of
    // its buttons, whose glyphs are then never drawn.
    return IconeDifferee([nomRessource] { return GlypheEditionDessinee(nomRessource); });
}
