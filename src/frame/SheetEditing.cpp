#include "frame/SheetEditing.h"

#include "model/ButtressText.h"
#include "util/TextFields.h"

#include <algorithm>
#include <exception>
#include <limits>

int SectionActive(int ligneSelectionnee)
{
    // Truncated towards zero, so the rows above the first title count as the
    // first section.
    return std::max(0, (ligneSelectionnee - TSheetRows::kLignesEnTete) / TSheetRows::kLignesParSection);
}

PositionFiche Naviguer(DeplacementSection deplacement, int active, int nbSections)
{
    int cible = 0;
    switch (deplacement) {
    case DeplacementSection::Premier: cible = 0; break;
    case DeplacementSection::Precedent: cible = active - 1; break;
    case DeplacementSection::Suivant: cible = active + 1; break;
    case DeplacementSection::Dernier: cible = std::numeric_limits<int>::max(); break;
    }
    cible = std::clamp(cible, 0, std::max(0, nbSections - 1));
    const int titre = TSheetRows::Ligne(cible, 0);
    return {titre, titre + 1};
}

QString LibelleMenu(CommandeSection commande, int k)
{
    switch (commande) {
    case CommandeSection::AjouterEnFin: return QStringLiteral("Ajouter une section en fin");
    case CommandeSection::InsererAvantActive:
        return QStringLiteral("Insérer une section avant la section active (%1)").arg(k);
    case CommandeSection::SupprimerActive: return QStringLiteral("Supprimer la section active (%1)").arg(k);
    case CommandeSection::SupprimerDerniere: return QStringLiteral("Supprimer la dernière section");
    }
    return {};
}

QString LibelleAnnulation(CommandeSection commande)
{
    switch (commande) {
    case CommandeSection::AjouterEnFin: return QStringLiteral("ajouter une section");
    case CommandeSection::InsererAvantActive: return QStringLiteral("insérer une section");
    case CommandeSection::SupprimerActive: return QStringLiteral("supprimer la section active");
    case CommandeSection::SupprimerDerniere: return QStringLiteral("supprimer la dernière section");
    }
    return {};
}

bool AppliquerCommandeSection(TData& data, CommandeSection commande, int active)
{
    QList<TSection>& sections = data.Sections;
    const qsizetype n = sections.size();
    switch (commande) {
    case CommandeSection::AjouterEnFin:
        sections.append(n > 0 ? sections.last() : TSection{});
        return true;
    case CommandeSection::InsererAvantActive: {
        if (n == 0) {
            sections.append(TSection{});
            return true;
        }
        const qsizetype ix = std::clamp<qsizetype>(active, 0, n - 1);
        const TSection copie = sections[ix];
        sections.insert(ix, copie);
        return true;
    }
    case CommandeSection::SupprimerActive:
        if (n < 2)
            return false;
        sections.removeAt(std::clamp<qsizetype>(active, 0, n - 1));
        return true;
    case CommandeSection::SupprimerDerniere:
        if (n < 2)
            return false;
        sections.removeLast();
        return true;
    }
    return false;
}

void TFicheContrefort::Afficher(const QString& valeur, bool plusieurs)
{
    Libre = valeur;
    FPlusieurs = plusieurs;
    FEnAttente.clear();
    FDonnees = TData{};
    if (!plusieurs) {
        try {
            QString texte = valeur;
            TexteVersData(texte, FDonnees);
        } catch (const std::exception&) {
            // An unreadable text shows an empty sheet; validation judges it later.
            FDonnees = TData{};
        }
    }
    FLignes.Remplir(FDonnees);
}

void TFicheContrefort::Appliquer(TData& data, const Operation& operation)
{
    if (operation.commande)
        AppliquerCommandeSection(data, *operation.commande, operation.active);
    else
        TSheetRows::AppliquerSaisie(data, operation.ligne, operation.valeur);
}

QString TFicheContrefort::ValeurPour(const QString& texte) const
{
    if (FEnAttente.isEmpty())
        return texte;
    TData data;
    try {
        QString lu = texte;
        TexteVersData(lu, data);
    } catch (const std::exception&) {
        // A text that cannot be read is left as it is: it holds nothing to
        // write one field into.
        return texte;
    }
    if (data.SectionsIllisibles)
        return texte;
    const QString avant = DataVersTexte(data);
    for (const Operation& operation : FEnAttente)
        Appliquer(data, operation);
    const QString ecrit = DataVersTexte(data);
    // Nothing changed (a field of a section this calculation does not have,
    // or the value it already held): the text stays byte for byte as it was.
    return ecrit == avant ? texte : ecrit;
}

bool TFicheContrefort::DefinirValeur(int ligne, const QString& valeur)
{
    if (ligne < 0 || ligne >= FLignes.NbLignes() || FLignes.LigneFiche(ligne).lectureSeule)
        return false;
    if (FLignes.LigneFiche(ligne).valeur == valeur)
        return true;
    FLignes.DefinirValeur(ligne, valeur);
    Operation saisie{ligne, valeur, std::nullopt, 0};
    Appliquer(FDonnees, saisie);
    FEnAttente.append(std::move(saisie));
    return true;
}

bool TFicheContrefort::AppliquerCommande(CommandeSection commande, int active)
{
    Operation operation{-1, QString(), commande, active};
    if (!FPlusieurs) {
        if (!AppliquerCommandeSection(FDonnees, commande, active))
            return false;
        FLignes.Remplir(FDonnees);
    }
    FEnAttente.append(std::move(operation));
    return true;
}
