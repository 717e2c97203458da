#pragma once

#include <QString>
#include <QStringList>

// What the command line asks of the document component: the document to open
// and the switches ("/CFG:2", "/X").
struct LigneDeCommande {
    // Full path of the document named by the first argument; empty when none.
    QString FichierAOuvrir;
    // One "NAME=value" entry per switch, the name in upper case.
    QStringList Params;

    // The switch's value, empty when absent or given without value.
    QString Valeur(const QString& nom) const;
    // The switch is present with an empty value.
    bool Switch(const QString& nom) const;
};

// Reads the arguments (program name excluded) from the first to the first
// empty one. An argument beginning with "/" is a switch, unless it is a path:
// on this system document paths start with "/" too, so a switch is a "/"
// followed by a name that holds neither "/" nor "." (then ":" and its value).
// Only a first argument that is not a switch names a document.
LigneDeCommande LireLigneDeCommande(const QStringList& arguments);

// A document path in the form used everywhere: absolute, symbolic links
// resolved where the file exists. Empty for a blank path.
QString CheminComplet(const QString& path);
