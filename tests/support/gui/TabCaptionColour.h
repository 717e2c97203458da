#pragma once

#include "shell/gui/CustomTabsXo.h"

#include <QColor>
#include <QImage>
#include <QRect>

// The red pixels of the caption of tab ix as the strip paints it: a
// calculation refused for invalid data has its caption in red.
inline int PixelsRougesLegende(TCustomTabsXo& barre, int ix)
{
    const QRect texte(barre.GaucheOnglet(ix) + 4, barre.MargeHaute() + 4, barre.LargeurOnglet(ix) - 8,
                      barre.TabsHeight() - 8);
    const QImage image = barre.grab().toImage();
    int n = 0;
    for (int y = texte.top(); y <= texte.bottom(); ++y)
        for (int x = texte.left(); x <= texte.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            n += c.red() > 200 && c.green() < 80 && c.blue() < 80;
        }
    return n;
}
