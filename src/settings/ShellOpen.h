#pragma once

#include <QString>
#include <QUrl>
#include <functional>

// Opening a file with the program the desktop associates with its type. The
// desktop says only whether it found a program; what else went wrong is told
// from the file itself, with the result codes and French texts users of the
// shell's "open" know.

// Opens a URL with the desktop; false when no program could open it.
using TOuvreurFichiers = std::function<bool(const QUrl&)>;

// Result codes: above kReussiteShell on success, else one of these.
inline constexpr int kReussiteShell = 32;
inline constexpr int kShellFichierIntrouvable = 2;
inline constexpr int kShellCheminIntrouvable = 3;
inline constexpr int kShellAccesRefuse = 5;
inline constexpr int kShellAucuneAssociation = 31;

// Asks the opener to open the file, after the checks it cannot make itself:
// the folder and the file exist and the file can be read.
int ExecuterOuvrir(const QString& fichier, const TOuvreurFichiers& ouvreur);

// The French text of a failure code.
QString TexteEchecShell(int code);

// Opens the file; on failure, shows file + " :" + line break + the text of
// the failure. Without an opener, the desktop of the application services.
void OuvrirAvecShell(const QString& fichier, const TOuvreurFichiers& ouvreur = {});
