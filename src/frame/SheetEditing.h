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
// widget: the exact data shown, their rows, what the user typed or commanded
// since, and the value to store for each calculation edited.
//
// The rows show rounded values (levels and lengths to the centimetre, angles
// to the degree), so the sheet is never read back from its rows: each value
// typed is written once, from the typed text, into its own field, and every
// other value of every section stays exactly what it was. With several
// calculations shown at once, the same typed field (or section command) is
// applied to each of them, and nothing else of them changes.
class TFicheContrefort {
public:
    // Fills the rows from a sections text (empty rows when the text cannot
    // be read, or when several calculations are shown: plusieurs) and
    // remembers it; what was pending is forgotten.
    void Afficher(const QString& valeur, bool plusieurs = false);
    // The relay has read the sheet back into a model: valeur is what the
    // model now holds.
    void Relue(const QString& valeur) { Libre = valeur; }
    // Every edited calculation has been read: what was pending is done.
    void LectureTerminee() { FEnAttente.clear(); }

    // Something typed or commanded waits to be read into the models.
    bool Changee() const { return !FEnAttente.isEmpty(); }
    // The value to store for a calculation whose sections text is texte: the
    // pending edits applied to it, in order; texte itself when none applies
    // (or texte cannot be read).
    QString ValeurPour(const QString& texte) const;
    // The value to store for the calculation shown.
    QString ValeurLue() const { return ValeurPour(Libre); }

    // Types a value into a row; refused (false) for a heading, the count row
    // or a row beyond the sheet. The text the row already shows changes
    // nothing (an editor confirmed as it was).
    bool DefinirValeur(int ligne, const QString& valeur);
    // A section command: applied to the data shown (rows filled again) and
    // to each calculation read; false when it changes nothing here (a
    // deletion with a single section left). With several calculations shown
    // it waits for each of them.
    bool AppliquerCommande(CommandeSection commande, int active);

    const TSheetRows& Lignes() const { return FLignes; }
    // The data shown, exact, with what is pending applied.
    const TData& Donnees() const { return FDonnees; }
    bool Plusieurs() const { return FPlusieurs; }

    // The last sections text shown.
    QString Libre;

private:
    // One thing typed or commanded, in the order the user did it.
    struct Operation {
        int ligne = -1;
        QString valeur;
        std::optional<CommandeSection> commande;
        int active = 0;
    };
    static void Appliquer(TData& data, const Operation& operation);

    TSheetRows FLignes;
    TData FDonnees;
    QList<Operation> FEnAttente;
    bool FPlusieurs = false;
};
