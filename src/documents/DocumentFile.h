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

// True when the file starts as a document of this program does: the header
// block's identification line, or the version line of a problem text ("5_1",
// or a bare format number of the older versions). Anything else (a picture,
// a text of another program, an empty file) is not a document.
bool EstDocumentTolvane(const QString& chemin);

// Writes the document file and marks the document clean. Throws EInOutError.
void EnregistrerDocument(TFichPb& document, const QString& chemin);
