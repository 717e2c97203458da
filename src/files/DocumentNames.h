#pragma once

#include <QString>

// The names the document component gives to files.

// The name pattern of new documents with its one integer conversion
// ("NC%2.2d" gives NC01, NC02...; "%%" is a percent sign). Only %d with its
// flags, width and precision is understood; any other conversion is kept as
// written, so a pattern can never read beyond its one argument.
QString NomNouveau(const QString& format, int numero);

// The backup path of a document under the rule ExtBak ("+bak" gives
// document + ".bak"); empty when the rule is empty.
QString CheminBak(const QString& documentPath, const QString& extBak);


// The entry (from 1) of the filter that a chosen file name belongs to: the
// first whose pattern has the name's extension, else the first entry whose
// pattern has a plain extension, else 1.
int EntreeFiltrePourNom(const QString& filtre, const QString& chosenPath);

// The name save as gives: the file name (not its folder: folders differ by
// letter case here) is lower-cased, an extension of the filter is cut off and
// the extension of the filter entry is appended in lower case.
// "/docs/Essai" and "/docs/Essai.Tolvane" give "/docs/essai.tolvane",
// "/docs/Essai.txt" gives "/docs/essai.txt.tolvane".
QString NomEnregistrerSous(const QString& chosenPath, const QString& filtre, int entree);
