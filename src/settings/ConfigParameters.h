#pragma once

#include <QChar>
#include <QColor>
#include <QList>
#include <QString>

// The texts exchanged with the options dialog: a parameter list, one line per
// parameter, and a values text, one field per parameter. Both separate their
// fields with U+0001 so that labels and values may hold any printable text.
inline constexpr QChar kSeparateurConfig = QChar(0x0001);

// The parameter types, by the letter that starts a line of the list.
enum class TTypeParametre {
    Titre,      // "0": a heading, no value
    Dossier,    // "1": a folder path
    Fichier,    // "2": a file, full path
    OuiNon,     // "3": "T" or "F"
    Entier,     // "4": the typed text, trimmed
    Texte,      // "5": the typed text
    NomFichier, // "6": a file name without its folder
    Couleur,    // "7": the colour's integer value in decimal
    Imprimante, // "8": a printer name
    Inconnu     // any other letter: shown, never edited
};

// What "Modifier ..." opens for a type.
enum class TEditeurModifier { Aucun, Texte, OuiNon, Couleur };
// What "Rechercher ..." opens for a type.
enum class TEditeurRechercher { Aucun, Dossier, Fichier, Imprimante };

struct TParametreConfig {
    TTypeParametre type = TTypeParametre::Titre;
    QString libelle;
    // Types "2" and "6": default extension and filter of the file dialog
    // ("label|pattern|label|pattern").
    QString extension;
    QString filtre;
};

// The type of a line's first field; a blank field counts as "0".
TTypeParametre TypeDeLettre(const QString& champ);

// One parameter per line (CR LF or LF); a final line break ends the last
// line and does not start another one.
QList<TParametreConfig> LireParametres(const QString& liste);

TEditeurModifier EditeurModifier(TTypeParametre type);
TEditeurRechercher EditeurRechercher(TTypeParametre type);
// Headings have no value to draw.
inline bool EstTitre(TTypeParametre type) { return type == TTypeParametre::Titre; }

// The field at index (from 0) of a values text; empty beyond the last one.
QString ChampValeur(const QString& valeurs, int index);
// The values text with the field at index replaced; missing fields before it
// are added, empty.
QString AvecChampValeur(const QString& valeurs, int index, const QString& valeur);

// Stored forms of the typed editors.
inline QString ValeurOuiNon(bool oui) { return oui ? QStringLiteral("T") : QStringLiteral("F"); }
inline QString ValeurEntier(const QString& saisie) { return saisie.trimmed(); }
// The colour's RGB value (alpha left out) in decimal, and back; a value that
// is not such a number reads as black.
QString ValeurCouleur(const QColor& couleur);
QColor CouleurDeValeur(const QString& valeur);

// A path as the dialogs and the stored value want it: trimmed (empty meaning
// the current folder), absolute, cleaned, symbolic links resolved when it
// exists, with no trailing separator except for the root.
QString CheminCompletConfig(const QString& chemin);


// The file chosen in an open-file dialog, completed with the default
// extension when it was typed without one and does not exist as typed.
QString AvecExtensionParDefaut(const QString& fichier, const QString& extension);
