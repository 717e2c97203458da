#pragma once

#include "drawing/ButtressDrawing.h"

#include <QDialog>
#include <QSize>
#include <optional>

class QComboBox;
class QSpinBox;

// The small dialog of "Exporter le dessin..." on the page "Dessin": the
// picture's format (PNG, SVG or PDF) and its size in pixels.
class DrawingExportDialog : public QDialog {
    Q_OBJECT
public:
    explicit DrawingExportDialog(QWidget* parent = nullptr);

    // "png", "svg" or "pdf".
    QString Format() const;
    QSize Taille() const;
    void Definir(const QString& format, QSize taille);

    QComboBox* CbFormat = nullptr;
    QSpinBox* SeLargeur = nullptr;
    QSpinBox* SeHauteur = nullptr;
};

// The whole command: the dialog, then the file name (through the platform
// services, so that tests answer it), then the picture written through the
// checked writer; a failure is told in French and leaves any previous file
// whole. nomPropose is the file name offered, without extension. Returns the
// path written, or nothing when cancelled or failed.
std::optional<QString> ExporterDessin(QWidget* parent, const DessinContrefort& dessin, const QString& titre,
                                      const QString& nomPropose);
