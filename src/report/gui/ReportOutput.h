#pragma once

#include "report/DeliverableReport.h"

#include <optional>

class QWidget;

// The deliverable report from the results page: printed through Qt's print
// dialog, or exported as a PDF file.

// Asks for a printer and prints; false when the user cancelled or the
// printer could not start (told in French).
bool ImprimerRapport(QWidget* parent, const EntreeRapport& entree);

// Asks for a file name (through the platform services, so that tests answer
// it) and writes the PDF through the checked writer; a failure is told in
// French and leaves any previous file whole. nomPropose is offered without
// extension. Returns the path written, or nothing when cancelled or failed.
std::optional<QString> ExporterRapportPdf(const EntreeRapport& entree, const QString& nomPropose);
