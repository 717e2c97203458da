#pragma once

#include "drawing/ButtressDrawing.h"

#include <QByteArray>
#include <QSize>
#include <QString>
#include <optional>

// The buttress drawing written as a picture file, the same for the page
// "Dessin" and for the command-line tool: the whole drawing, load arrows
// included, fitted to the picture size.

// Lower-case extension of a picture format this program writes ("png",
// "svg", "pdf"), taken from a file name; empty when it is none of them.
QString FormatExportDessin(const QString& cheminFichier);

// The picture's bytes in format ("png", "svg" or "pdf"), taille in pixels at
// 96 dpi; titre names the SVG and PDF document. Empty when the format is
// unknown or the painter could not start. Needs a QGuiApplication (fonts).
QByteArray RendreDessin(const QString& format, QSize taille, const DessinContrefort& dessin, const QString& titre);

// Renders the picture and writes it through the checked writer: the previous
// file stays whole when anything fails. Empty when done, else the reason in
// French.
std::optional<QString> EcrireDessin(const QString& chemin, QSize taille, const DessinContrefort& dessin,
                                    const QString& titre);
