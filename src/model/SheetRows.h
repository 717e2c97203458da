#pragma once

#include "model/DonneesAppli.h"

#include <QList>
#include <QString>

// Sheet row.
// One row of the data-entry sheet: a key, its value as shown, and how it is
// drawn. Headings are read-only rows without value.
struct TLigneFiche {
    enum class Police { Normale, Grasse, Italique };
    QString cle;
    QString valeur;
    bool lectureSeule = false;
    Police police = Police::Normale;
};

// Sheet rows.
// The rows of the data-entry sheet of one buttress: the comment, the count
// row, then 32 rows per section from the bottom up. Lengths are shown in
// centimetres and the friction angle in degrees; the model keeps metres and
// radians.
class TSheetRows {
public:
    static constexpr int kLignesEnTete = 2;
    static constexpr int kLignesParSection = 32;

    // Row of a section's offset (section and offset from 0).
    static int Ligne(int section, int offset) { return kLignesEnTete + kLignesParSection * section + offset; }

    // Rows for that number of sections, every value empty.
    void InitVLE(int nbsections);
    // InitVLE with the data's section count, then every value written.
    void Remplir(const TData& data);
    // The buttress typed in the rows; results at their initial state.
    TData Lire() const;
    // The parts of Lire: the comment, and one section (from 0) as Lire reads it.
    QString LireCommentaire() const;
    TSection LireSection(int section) const;
    // Writes a value typed into a row into that field of the data alone, in
    // the stored unit, as Lire would read it; every other value stays exactly
    // what it was. False for a heading, the count row, or a section the data
    // does not have.
    static bool AppliquerSaisie(TData& data, int ligne, const QString& valeur);
    // One line per row: key, "=", value, CR LF.
    QString Texte() const;

    int NbSections() const { return FNbSections; }
    int NbLignes() const { return int(Flignes.size()); }
    const TLigneFiche& LigneFiche(int ligne) const { return Flignes[ligne]; }
    const QList<TLigneFiche>& Lignes() const { return Flignes; }
    // Types a value into a row, as the user does in the sheet.
    void DefinirValeur(int ligne, const QString& valeur) { Flignes[ligne].valeur = valeur; }

private:
    int FNbSections = 0;
    QList<TLigneFiche> Flignes;
};
