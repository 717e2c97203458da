#pragma once

#include <QStringList>

// One function per sub-command of tolvane-cli: the arguments after the
// command's name; the exit status.

// calculer DOCUMENT [--json] [--reserve]: every calculation of the document,
// with validation (and the load reserve of each).
int CommandeCalculer(const QStringList& args);

// note DOCUMENT --calcul NOM [--donnees] [-o FICHIER]: the calculation note.
int CommandeNote(const QStringList& args);

// dessin DOCUMENT --calcul NOM [options]: the buttress drawing, as commands or a picture.
int CommandeDessin(const QStringList& args);
