#include "drawing/ViewMapping.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// Pixels per drawing unit along one axis; infinite when the range is empty.
double ratio(int pixels, double range)
{
    const double longueur = std::fabs(range);
    if (longueur == 0)
        return std::numeric_limits<double>::infinity();
    return double(pixels) / longueur;
}

double milieu(double a, double b)
{
    const double m = a / 2 + b / 2;
    return std::isfinite(m) ? m : 0.0;
}

double pixelBorne(double v)
{
    if (std::isnan(v))
        return 0;
    return std::clamp(std::round(v), -kPixelLimite, kPixelLimite);
}

} // namespace

QPointF ViewMapping::versPixel(double x, double y) const
{
    return {CtrPBxX + pixelBorne((x - CtrDessX) * ech), CtrPBxY - pixelBorne((y - CtrDessY) * ech)};
}

double EchelleAjustee(const EtendueDessin& etendue, QSize cadre)
{
    const double rx = ratio(cadre.width(), etendue.xmax - etendue.xmin);
    const double ry = ratio(cadre.height(), etendue.ymax - etendue.ymin);
    const double ech = 0.9 * std::min(rx, ry);
    if (!std::isfinite(ech) || ech <= 0)
        return 1;
    return std::clamp(ech, kEchelleMin, kEchelleMax);
}

ViewMapping AjusterVue(const EtendueDessin& etendue, QSize cadre, QSize zone)
{
    ViewMapping vue;
    vue.ech = EchelleAjustee(etendue, cadre);
    vue.CtrDessX = milieu(etendue.xmin, etendue.xmax);
    vue.CtrDessY = milieu(etendue.ymin, etendue.ymax);
    vue.CtrPBxX = std::max(zone.width(), 0) / 2;
    vue.CtrPBxY = std::max(zone.height(), 0) / 2;
    return vue;
}

void DeplacerVue(ViewMapping& vue, QPoint appui, QPoint lacher)
{
    const double x = vue.CtrDessX - (lacher.x() - appui.x()) / vue.ech;
    const double y = vue.CtrDessY - (appui.y() - lacher.y()) / vue.ech;
    if (std::isfinite(x) && std::isfinite(y)) {
        vue.CtrDessX = x;
        vue.CtrDessY = y;
    }
}

void ZoomerVue(ViewMapping& vue, QPoint curseur, int delta)
{
    const double facteur = std::max(1.0 + delta / 1200.0, 0.1);
    const double ancienne = vue.ech;
    const double nouvelle = ancienne * facteur;
    if (!(nouvelle >= kEchelleMin && nouvelle <= kEchelleMax))
        return;
    const double dx = curseur.x() - vue.CtrPBxX;
    const double dy = vue.CtrPBxY - curseur.y();
    const double x = vue.CtrDessX + dx / ancienne - dx / nouvelle;
    const double y = vue.CtrDessY + dy / ancienne - dy / nouvelle;
    if (!std::isfinite(x) || !std::isfinite(y))
        return;
    vue.ech = nouvelle;
    vue.CtrDessX = x;
    vue.CtrDessY = y;
}
