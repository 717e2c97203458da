#pragma once

#include <QString>
#include <QStringList>

// The user's own memo files ("aides-mémoire"), kept in the folder AIDE_PERSO
// of the application and listed in the menu "Aide personnalisée".

inline const QString kNomDossierAidePerso = QStringLiteral("AIDE_PERSO");

// The folder of the memo files, created when missing: AIDE_PERSO in the
// application's folder; when that folder cannot hold a new one (the
// application installed in a system folder), AIDE_PERSO in the user's data
// folder of the application. Throws EInOutError when neither can be made.
QString PreparerDossierAidePerso(const QString& dossierApplication);

// Whether a file name matches a mask with the wildcards "*" and "?", case
// ignored; "*.*" matches every name, with or without extension. When the
// mask's extension holds no wildcard, the name's extension must equal it.
bool CorrespondMasque(const QString& nom, const QString& masque);

struct TFichiersAidePerso {
    // Visible plain files matching the mask, by name.
    QStringList noms;
    // Matching names holding "&", which a menu caption cannot show as it is.
    QStringList refuses;
};

// The memo files of the folder: hidden files, sub-folders and anything that
// is not a plain file are left out.
TFichiersAidePerso ListerAidePerso(const QString& dossier, const QString& masque);

inline const QString kMessageEperluetteAidePerso =
    QStringLiteral("le caractère & est interdit dans un nom de fichier AIDE_PERSO");
inline const QString kMessageAidePersoVide =
    QStringLiteral("Placez vos aides-mémoire dans le répertoire AIDE_PERSO de l'application.\n"
                   "Vous y accéderez par ce menu");
