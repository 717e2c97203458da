#pragma once

#include "model/SheetRows.h"

#include <QList>
#include <QString>
#include <optional>

// Label of the records of a plain value change typed in the sheet.
inline const QString kURtextValeur = QStringLiteral("changement d'une valeur");

// The moves of the section navigator.
enum class DeplacementSection { Premier, Precedent, Suivant, Dernier };

// The commands of the menu "Editer les sections", in menu order.
enum class CommandeSection { AjouterEnFin, InsererAvantActive, SupprimerActive, SupprimerDerniere };

// Where the sheet stands after a move: the top visible row (the section's
// title) and the selected row (its level).
struct PositionFiche {
    int ligneHaut = 0;
    int ligneSelection = 0;
    bool operator==(const PositionFiche&) const = default;
};

// The section (from 0) of a selected row; rows 0 to 33 all belong to the
// first section, and so does "no row selected" (-1).
int SectionActive(int ligneSelectionnee);

// The target of a move from the active section, kept within the sections.
PositionFiche Naviguer(DeplacementSection deplacement, int active, int nbSections);

// The menu caption of a command; the two about the active section name its
// number k (from 1).
QString LibelleMenu(CommandeSection commande, int k);
// The label the command's record takes in the undo list.
QString LibelleAnnulation(CommandeSection commande);

// Applies a section command to the sections; false when it changed nothing
// (a deletion with a single section left).
bool AppliquerCommandeSection(TData& data, CommandeSection commande, int active);

// Sheet editing.
// What the data-entry sheet holds and exchanges with its relay, without any
// widget: the rows, the sections text last shown (Libre), typing into a row,
// the section commands, and whether the sheet differs from what was shown.
//
// The shown values are rounded (levels to the centimetre, lengths to the
// centimetre, angles to the degree), so reading an untouched sheet back need
// not give the shown text: the sheet counts as changed only when what it reads
// differs from what it read right after it was filled, and an untouched sheet
// gives back the text it was shown, never a rounded copy of it.
class TFicheContrefort {
public:
    // Fills the rows from a sections text (empty rows when the text cannot
    // be read) and remembers it.
    void Afficher(const QString& valeur);
    // The relay has read the sheet back into a model: valeur is what the
    // model now holds.
    void Relue(const QString& valeur);

    // The sections text of the rows as they stand. Asked several times per
    // edit of a large sheet, it is kept and written again only for the
    // sections whose rows changed since.
    QString TexteLu() const;
    // The rows differ from what they showed.
    bool Changee() const { return TexteLu() != FTexteAffiche; }
    // The value to store: the rows' text when changed, otherwise what was shown.
    QString ValeurLue() const { return Changee() ? TexteLu() : Libre; }

    // Types a value into a row; refused (false) for a heading, the count row
    // or a row beyond the sheet.
    bool DefinirValeur(int ligne, const QString& valeur);
    // Applies a section command to the sections the rows hold (typed values
    // included) and fills the rows again; false when nothing changed.
    bool AppliquerCommande(CommandeSection commande, int active);

    const TSheetRows& Lignes() const { return FLignes; }

    // The last sections text shown.
    QString Libre;

private:
    // The rows were filled again: nothing written of them still holds.
    void OublierTextes();

    TSheetRows FLignes;
    QString FTexteAffiche;
    // TexteLu as last written, when no row changed since; the text of each
    // section's rows, empty when to be written again.
    mutable std::optional<QString> FTexteLu;
    mutable QList<QString> FTextesSections;
};
