#pragma once

#include "documents/FichPb.h"

#include <QByteArray>
#include <QString>
#include <cstdio>
#include <functional>
#include <memory>

class TDonneesAppli;

// What the sub-commands of tolvane-cli share: their output, their files and
// the loading and computing of one named calculation.

// The text in UTF-8 on the stream.
void EcrireFlux(std::FILE* flux, const QString& texte);

// The exit status of the command, unless the standard output could not be
// written whole (a full disk, a closed pipe): then 3, the reason on standard
// error. Every command's status goes through it last.
int TerminerSortieStandard(int statut);

// The text with every control character (TAB, line breaks...) shown as a
// space: one name stays one field of one line.
QString SansCaracteresDeControle(QString texte);

// A French message and a line end on standard error.
void ErreurCli(const QString& message);

// Written whole or not at all, so that a half-written file never looks
// complete; false, with the message on standard error, when it failed.
bool EcrireFichierCli(const QString& chemin, const QByteArray& octets);

// True, with the message on standard error, when the output file is the
// document itself: writing it would leave the user a picture or a page where
// the calculations were. quoi names the output ("La note", "Le dessin").
bool SortieRemplaceDocument(const QString& document, const QString& sortie, const QString& quoi);

// One calculation of a document, computed with validation.
struct CalculCli {
    std::unique_ptr<TFichPb> document;
    TDonneesAppli* DA = nullptr;
    // 0, or 1 when the verdict is "NON CONFORME".
    int statut = 0;
};

// Reads the document and computes its calculation named nom. Returns -1 when
// the results are there; otherwise the exit status, its reason on standard
// error: 3 when the calculation does not exist, 2 when it could not be computed
// (nothing is produced: produit says so, e.g. "aucune note n'est produite").
// A document that cannot be read throws, as ExecuterCli expects.
int CalculerPourCli(const QString& chemin, const QString& nom, const QString& produit, CalculCli& resultat);

// Runs the body of a sub-command: any failure becomes its message on standard
// error and the exit status 3, never a crash.
int ExecuterCli(const std::function<int()>& corps);
