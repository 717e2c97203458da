#pragma once

#include "util/Vectors.h"

#include <QString>
#include <QStringView>
#include <optional>

// Building and taking apart the line-and-field texts of every file format.
// Lines end with CR LF (a lone CR or LF is not a line end), fields with TAB,
// numbers use the point whatever the regional settings.
//
// Consuming readers take the text by reference, return what stands before the
// delimiter and remove it, with the delimiter, from the front of the text.

inline const QString kCrLf = QStringLiteral("\r\n");
inline const QString kTab = QStringLiteral("\t");

// Text before the first d; all of S (S emptied) when d does not occur.
QString ExtraireChamp(QString& S, const QString& d);
QString ExtraireLigne(QString& S);
QString ExtraireChampTab(QString& S);
// Next space-separated word; leading characters <= 32 are then dropped from S.
QString ExtraireMot(QString& S);

// The text without its leading and trailing characters <= 32 (blanks and
// control characters), as every reader of a field trims it.
QStringView SansBlancs(QStringView text);

// Lenient readers: the trimmed next field read as a number, 0 when empty or
// unreadable. They never fail.
double LireReelTab(QString& S);
int LireEntierTab(QString& S);
int LireEntierLigne(QString& S);

// A whole field (trimmed of characters <= 32) read as a number: optional sign,
// digits with an optional point and fraction, optional exponent. A comma is
// never a decimal separator. Empty when unreadable.
std::optional<double> LireNombre(QStringView field);
std::optional<int> LireEntier(QStringView field);

// 1-based position just after the n-th occurrence of d in S; 1 when n = 0 and S
// is not empty; 0 when S is empty or holds fewer than n occurrences. Throws
// ERangeError "PosNum : index négatif" for a negative n.
int PosNum(int n, const QString& S, const QString& d);

// Field i (from 0) of S split on d; empty when S has fewer than i + 1 fields.
QString ChampNumero(int i, const QString& S, const QString& d);

// A block carrying any text T: "< délimstr X >" CR LF, T, the same line, CR LF,
// with the first letter X whose line does not occur in T.
QString BlocDelimite(const QString& T);
// Reads the block at the front of S and returns the text it carries.
QString ExtraireBloc(QString& S);

// The text through the ANSI code page and back, characters below 32 made spaces.
QString NettoyerTexte(const QString& text);
// Whether NettoyerTexte gives the text back unchanged, mostly without
// converting it: printable ASCII always does.
bool EstTexteNettoye(QStringView text);

// 15 significant digits, point, no trailing zeros; scientific form below 1E-4
// and from 1E15 (0.00001 → "1E-5").
QString TexteReel(double value);
// Whether texte is exactly TexteReel(value), mostly without writing it: the
// usual forms (a whole number or a plain decimal of at most 15 significant
// digits) are recognised and read back exactly; any other is compared with the
// text written.
bool EstTexteReel(QStringView texte, double value);

// "h" TAB "v" TAB.
QString V2RVersTexte(const TV2R& v);
// Two TAB fields read strictly into v, each stored as soon as it is read;
// throws EConvertError on an empty or unreadable field, S keeping the loss of
// the fields already taken and v the components already read.
void TexteVersV2R(QString& S, TV2R& v);

// The text with every line end made CR LF: LF alone becomes CR LF, CR LF stays.
QString FinsDeLigneCrLf(const QString& texte);
