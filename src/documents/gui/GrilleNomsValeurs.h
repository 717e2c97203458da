#pragma once

#include "documents/HeaderProperties.h"

#include <QList>
#include <QString>
#include <QStringList>

class QTableWidget;
class QWidget;

// A two-column grid of names and values (the key/value grid of the
// properties dialog). A name is fixed once its row exists ("Ajouter" creates
// it, having checked it); only the values are edited in place.

// An empty grid with these column titles, the last column filling the width.
QTableWidget* CreerGrilleNomsValeurs(const QString& titreNoms, const QString& titreValeurs, QWidget* parent);

// The rows become these names and values, in order.
void RemplirGrille(QTableWidget& grille, const QList<TProprieteNommee>& lignes);
// The rows, in order.
QList<TProprieteNommee> LireGrille(const QTableWidget& grille);
QStringList NomsDeGrille(const QTableWidget& grille);
// Appends a row with this name and an empty value, and makes its value the
// current cell.
void AjouterLigne(QTableWidget& grille, const QString& nom);
