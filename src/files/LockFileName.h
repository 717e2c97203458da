#pragma once

#include <QString>

// The one spelling of a document's path that every instance computes alike:
// trimmed, absolute and with symbolic links resolved as far as the path exists,
// so that a link, a relative path or "dir/../" all reach the same lock. Letter
// case is kept: on this file system two spellings that differ only in case name
// two documents. Empty for a blank path.
QString canonicalDocumentPath(const QString& documentPath);

// Name of the lock file that guards a document: its canonical path with "~"
// inserted right after the dot of the file name's extension, or ".~" appended
// when the name has no extension ("/docs/nc01.Tolvane" -> "/docs/nc01.~Tolvane",
// "/docs/essai" -> "/docs/essai.~"). Empty for a blank path.
QString NomFichierVerrou(const QString& documentPath);
