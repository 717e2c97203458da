#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class TFileHeader;

// Document properties as the properties dialog edits them: the free comment
// and the named properties of a file header, and the list of internal names
// that the program keeps in its settings ("HeaderData").

// The name of the header property that holds the comment.
inline const QString kNomCommentaires = QStringLiteral("comments");

// One row of a name/value grid. The value is stored as the header stores it
// (BEL instead of a line break), so that an untouched value comes back as it was.
struct TProprieteNommee {
    QString nom;
    QString valeur;
    bool operator==(const TProprieteNommee&) const = default;
};

struct TProprietesDocument {
    // The comment, its lines separated by CR LF.
    QString commentaires;
    // Every other property, in header order.
    QList<TProprieteNommee> proprietes;
    bool operator==(const TProprietesDocument&) const = default;
};

// The name of an entry "name=value" (the whole entry without "="), and its value.
TProprieteNommee DecouperEntree(const QString& entree);

// What the dialog shows of a header: the value of "comments" and a copy of
// every other property.
TProprietesDocument LireProprietes(const TFileHeader& FH);

// The header's new property entries: the named properties in order, then
// "comments" last (also when the comment is empty). Line breaks of a value
// become BEL, as the header stores them.
QStringList EntreesEntete(const TProprietesDocument& proprietes);

// Why a name cannot be added to a grid.
enum class RefusNom {
    Aucun,             // the name can be added
    Existe,            // the grid already has it (letter case ignored)
    Vide,              // empty or blank
    CaractereInterdit, // "=" or a control character would split the entry
};

// Checks a name typed for "Ajouter" against the names of a grid. Names are
// matched without regard to letter case, as the header matches them; on the
// page of the header's properties (proprietesEntete) "comments" exists
// already: it is the page "Commentaires".
RefusNom VerifierNouveauNom(const QStringList& noms, const QString& nom, bool proprietesEntete);
// The French message for a refused name.
QString MessageRefusNom(RefusNom refus);

// The "HeaderData" list: one "name=value" line per row, as it is kept in the
// settings; reading skips empty lines.
QList<TProprieteNommee> LireListeNoms(const QString& texte);
QString TexteListeNoms(const QList<TProprieteNommee>& lignes);
