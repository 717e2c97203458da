#pragma once

#include <QString>
#include <QStringList>

// Where the application's own files live (the default calculation file, the
// help file, the note texts...): beside the executable in a build folder, or in
// <prefix>/share/tolvane once installed, the executable being <prefix>/bin.
// The folder beside the executable wins, so that a copy placed there overrides
// the installed one.

// The folders searched, in order, for an executable in executableFolder.
QStringList DossiersFichiersApplication(const QString& executableFolder);

// The path of the application file or folder nom: the first searched folder
// that holds it; when none does, the path beside the executable, so that a
// message names the place where it was expected.
QString CheminFichierApplication(const QString& nom, const QString& executableFolder);

// The same for the running executable (the current folder without an
// application object).
QString CheminFichierApplication(const QString& nom);
