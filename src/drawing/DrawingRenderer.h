#pragma once

#include "drawing/DrawingCommands.h"
#include "drawing/ViewMapping.h"

#include <QColor>
#include <QSize>
#include <cstdint>
#include <vector>

class QPainter;

// A colour of the 0x00BBGGRR layout (lowest byte red); the top byte is ignored.
QColor CouleurBGR(std::uint32_t couleur);

// Paints the commands on a drawing area of the given size, whose top-left
// corner is the painter's origin: the area is filled with the background, the
// pen starts white, solid, one pixel wide and "up", and every command is
// carried out in order. Works on any painter (screen, image, PDF, SVG).
void PeindreDessin(QPainter& painter, const std::vector<InstructionDessin>& commandes, const ViewMapping& vue,
                   QSize zone, std::uint32_t clrFond);

// Reads and paints a command text.
void PeindreDessin(QPainter& painter, const QString& txtra, const ViewMapping& vue, QSize zone,
                   std::uint32_t clrFond);

// The whole drawing fitted to an area of the given size, as an export does it:
// the frame is the area itself (no button bar).
void PeindreDessinAjuste(QPainter& painter, const QString& txtra, const EtendueDessin& etendue, QSize zone,
                         std::uint32_t clrFond);
