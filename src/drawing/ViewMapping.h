#pragma once

#include <QPoint>
#include <QPointF>
#include <QSize>

// Drawing extent.
// The drawing's extent in drawing units (x to the right, y upwards).
struct EtendueDessin {
    double xmin = 0;
    double ymin = 0;
    double xmax = 0;
    double ymax = 0;
};

// How drawing units map to the pixels of a drawing area: a common scale along
// both axes, the drawing point shown at the centre, and that centre's pixel.
// Every operation keeps the scale finite and positive and the centre finite,
// so no infinity or NaN can come out of the mapping.
struct ViewMapping {
    double ech = 1;      // pixels per drawing unit
    double CtrDessX = 0; // drawing point at the centre of the area
    double CtrDessY = 0;
    int CtrPBxX = 0;     // centre pixel of the area
    int CtrPBxY = 0;

    // The pixel of a drawing point: whole numbers held in doubles, clamped far
    // outside any area so that a far-away point cannot overflow the painter.
    QPointF versPixel(double x, double y) const;
    // Drawing units covered by a length in pixels.
    double longueurDessin(double pixels) const { return pixels / ech; }
};

// Smallest and largest scale reachable by zooming; beyond them the wheel does
// nothing rather than let the scale vanish or overflow.
inline constexpr double kEchelleMin = 1e-9;
inline constexpr double kEchelleMax = 1e9;

// The pixel coordinates beyond which a point is clamped. Far enough that a
// segment running out of a deeply zoomed view keeps its direction (the
// renderer clips every segment to the area before painting it), near enough
// that doubles still place its visible part to a small fraction of a pixel.
inline constexpr double kPixelLimite = 1e12;

// 0.9 times the smaller of frame width / x range and frame height / y range; a
// range of zero length sets no limit; 1 when no ratio gives a finite positive
// scale (flat extent, empty frame, unreadable extent).
double EchelleAjustee(const EtendueDessin& etendue, QSize cadre);

// The fitted view: scale from the frame's full size, the middle of the extent
// at the centre of the drawing area (half its size, rounded down).
ViewMapping AjusterVue(const EtendueDessin& etendue, QSize cadre, QSize zone);

// Moves the view so that the drawing follows the mouse from `appui` to `lacher`.
void DeplacerVue(ViewMapping& vue, QPoint appui, QPoint lacher);

// Wheel zoom at pixel `curseur` of the area: scale times (1 + delta / 1200),
// the drawing point under the cursor staying under it. A delta so strongly
// backwards that the factor would not be positive shrinks by 10 times at most.
void ZoomerVue(ViewMapping& vue, QPoint curseur, int delta);
