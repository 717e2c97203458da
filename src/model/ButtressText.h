#pragma once

#include "model/DonneesAppli.h"

#include <QString>

// The one text form of a buttress: comment line, count line, one line per
// section of 23 TAB-ended numbers and the section comment.

// Lines 4 onward of the buttress text.
QString DataVersTexte(const TData& data);
// Reads a sections text from the front of T into data, consuming its lines.
// Existing sections keep their values where a line is short or garbled.
// Throws ERangeError on a negative (or absurdly large) section count.
void TexteVersData(QString& T, TData& data);

QString SectionVersTexte(const TSection& section);
void TexteVersSection(const QString& line, TSection& section);

// Writes the default calculation file: "1", then the buttress text.
void EnregistrerCommeDefaut(const TDonneesAppli& DA);
