#include "documents/gui/GrilleNomsValeurs.h"

#include <QHeaderView>
#include <QTableWidget>

namespace {

QTableWidgetItem* CelluleNom(const QString& nom)
{
    auto* cellule = new QTableWidgetItem(nom);
    cellule->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return cellule;
}

QString TexteCellule(const QTableWidget& grille, int ligne, int colonne)
{
    const QTableWidgetItem* cellule = grille.item(ligne, colonne);
    return cellule ? cellule->text() : QString();
}

} // namespace

QTableWidget* CreerGrilleNomsValeurs(const QString& titreNoms, const QString& titreValeurs, QWidget* parent)
{
    auto* grille = new QTableWidget(0, 2, parent);
    grille->setHorizontalHeaderLabels({titreNoms, titreValeurs});
    grille->verticalHeader()->hide();
    grille->horizontalHeader()->setStretchLastSection(true);
    grille->horizontalHeader()->resizeSection(0, 180);
    grille->setSelectionMode(QAbstractItemView::SingleSelection);
    grille->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                            | QAbstractItemView::AnyKeyPressed);
    // Tab leaves the grid for the next control: the dialog stays reachable
    // from the keyboard; the arrows move between the cells.
    grille->setTabKeyNavigation(false);
    grille->setWordWrap(false);
    return grille;
}

void RemplirGrille(QTableWidget& grille, const QList<TProprieteNommee>& lignes)
{
    grille.setRowCount(0);
    grille.setRowCount(static_cast<int>(lignes.size()));
    for (int i = 0; i < lignes.size(); ++i) {
        grille.setItem(i, 0, CelluleNom(lignes[i].nom));
        grille.setItem(i, 1, new QTableWidgetItem(lignes[i].valeur));
    }
}

QList<TProprieteNommee> LireGrille(const QTableWidget& grille)
{
    QList<TProprieteNommee> lignes;
    for (int i = 0; i < grille.rowCount(); ++i)
        lignes.append({TexteCellule(grille, i, 0), TexteCellule(grille, i, 1)});
    return lignes;
}

QStringList NomsDeGrille(const QTableWidget& grille)
{
    QStringList noms;
    for (int i = 0; i < grille.rowCount(); ++i)
        noms.append(TexteCellule(grille, i, 0));
    return noms;
}

void AjouterLigne(QTableWidget& grille, const QString& nom)
{
    const int ligne = grille.rowCount();
    grille.insertRow(ligne);
    grille.setItem(ligne, 0, CelluleNom(nom));
    grille.setItem(ligne, 1, new QTableWidgetItem(QString()));
    grille.setCurrentCell(ligne, 1);
}
