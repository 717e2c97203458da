#pragma once

#include <QIcon>

class QPainter;

// The application's icon: a stone buttress against a wall, drawn at every
// size the desktop asks for.
QIcon IconeApplication();

// Draws the icon in the square (0, 0, cote, cote) of any painter: a pixmap
// for the window, PNG files and an SVG file for the desktop's icon theme.
void DessinerIconeApplication(QPainter& p, double cote);
