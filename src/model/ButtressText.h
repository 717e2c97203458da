#pragma once

#include "model/DonneesAppli.h"
#include "util/Checksum.h"

#include <QString>

// The one text form of a buttress: comment line, count line, one line per
// section of 23 TAB-ended numbers and the section comment.

// A count line may promise more sections than the text still holds (a
// truncated calculation): the missing ones are read from empty lines. Each
// still costs a whole section, so a garbled count of a few bytes could demand
// gigabytes; beyond this many missing lines only the sections present are
// read, and the user is told.
inline constexpr int kMaxSectionsSansLigne = 100;

// Lines 4 onward of the buttress text.
QString DataVersTexte(const TData& data);
// Reads a sections text from the front of T into data, consuming its lines.
// Existing sections keep their values where a line is short, garbled or
// missing. Throws ERangeError on a negative section count. A count that
// exceeds the lines left in T by more than kMaxSectionsSansLigne (or any
// count beyond 100000) reads the lines present only, with a French message.
// When given, texteEcrit is fed the text DataVersTexte writes of the data
// read, taken from the lines read wherever they are that text already.
void TexteVersData(QString& T, TData& data, Checksum::Cumul* texteEcrit = nullptr);

QString SectionVersTexte(const TSection& section);
void TexteVersSection(const QString& line, TSection& section);
// Whether line, without its CR LF, is exactly what SectionVersTexte writes of
// section; mostly decided without writing it.
bool EstTexteDeSection(QStringView line, const TSection& section);

// Writes the default calculation file: "1", then the buttress text.
void EnregistrerCommeDefaut(const TDonneesAppli& DA);
