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

void TFicheContrefort::Afficher(const QString& valeur)
{
    Libre = valeur;
    TData data;
    try {
        QString texte = valeur;
        TexteVersData(texte, data);
    } catch (const std::exception&) {
        // An unreadable text shows an empty sheet; validation judges it later.
        data = TData{};
    }
    FLignes.Remplir(data);
    OublierTextes();
    FTexteAffiche = TexteLu();
}

void TFicheContrefort::Relue(const QString& valeur)
{
    Libre = valeur;
    FTexteAffiche = TexteLu();
}

void TFicheContrefort::OublierTextes()
{
    FTexteLu.reset();
    FTextesSections = QList<QString>(FLignes.NbSections());
}

QString TFicheContrefort::TexteLu() const
{
    // Written as DataVersTexte(FLignes.Lire()) writes it, piece by piece.
    if (FTexteLu)
        return *FTexteLu;
    QString texte = NettoyerTexte(FLignes.LireCommentaire()) + kCrLf + QString::number(FLignes.NbSections()) + kCrLf;
    FTextesSections.resize(FLignes.NbSections());
    for (int j = 0; j < FLignes.NbSections(); ++j) {
        QString& section = FTextesSections[j];
        if (section.isEmpty())
            section = SectionVersTexte(FLignes.LireSection(j));
        texte += section;
    }
    FTexteLu = texte;
    return texte;
}

bool TFicheContrefort::DefinirValeur(int ligne, const QString& valeur)
{
    if (ligne < 0 || ligne >= FLignes.NbLignes() || FLignes.LigneFiche(ligne).lectureSeule)
        return false;
    FLignes.DefinirValeur(ligne, valeur);
    FTexteLu.reset();
    if (ligne >= TSheetRows::kLignesEnTete) {
        const int section = (ligne - TSheetRows::kLignesEnTete) / TSheetRows::kLignesParSection;
        if (section < FTextesSections.size())
            FTextesSections[section].clear();
    }
    return true;
}

bool TFicheContrefort::AppliquerCommande(CommandeSection commande, int active)
{
    TData data = FLignes.Lire();
    if (!AppliquerCommandeSection(data, commande, active))
        return false;
    FLignes.Remplir(data);
    OublierTextes();
    return true;
}
