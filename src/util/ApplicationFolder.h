#pragma once

#include <QString>

// The folder of the files that ship with the application (note texts) and of
// the user's personal help folder: the executable's own, unless another one
// was set (the test programs point it at a temporary folder).
QString DossierApplication();

// Replaces the application's folder; an empty text brings back the
// executable's.
void setDossierApplication(const QString& dossier);
