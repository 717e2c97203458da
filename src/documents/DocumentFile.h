#pragma once

#include "documents/FichPb.h"

#include <QString>
#include <memory>

// Whole document files for the tools that work without the document manager:
// the command-line tool, the tests, and the headless note and drawing output.

// Throws EInOutError with a French message when chemin is missing or is not a
// file: reading it would give an empty document rather than a failure.
void VerifierFichierDocument(const QString& chemin);

// Reads the document file (header block, then problem text) into a new problem
// file whose tabs are its calculations in file order; the document is clean.
// Throws EInOutError with a French message when the file is missing, is not a
// file or cannot be read.
std::unique_ptr<TFichPb> LireDocument(const QString& chemin);

// Writes the document file and marks the document clean. Throws EInOutError.
void EnregistrerDocument(TFichPb& document, const QString& chemin);
