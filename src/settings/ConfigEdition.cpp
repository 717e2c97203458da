#include "settings/ConfigEdition.h"

#include "util/FileDialogFilter.h"
#include "util/PlatformServices.h"

#include <QFileInfo>

namespace {

const QString kTitreSaisie = QStringLiteral("Configurer");

} // namespace

TEditionConfig::TEditionConfig(const QString& listeParametres, const QString& valeurs)
    : FParametres(LireParametres(listeParametres))
    , FValtxt(valeurs)
{
}

bool TEditionConfig::RechercherPossible(int index) const
{
    return ModifierPossible(index) && EditeurRechercher(FParametres[index].type) != TEditeurRechercher::Aucun;
}

void TEditionConfig::Stocker(int index, const QString& valeur) { FValtxt = AvecChampValeur(FValtxt, index, valeur); }

bool TEditionConfig::Modifier(int index, const TEditeursGraphiques& editeurs)
{
    if (!ModifierPossible(index))
        return false;
    const TParametreConfig& p = FParametres[index];
    switch (EditeurModifier(p.type)) {
    case TEditeurModifier::Aucun: return false;
    case TEditeurModifier::Texte: {
        const auto saisie = services().inputText(kTitreSaisie, p.libelle, Valeur(index));
        if (!saisie)
            return false;
        Stocker(index, p.type == TTypeParametre::Entier ? ValeurEntier(*saisie) : *saisie);
        return true;
    }
    case TEditeurModifier::OuiNon: {
        // Either answer is a choice the user made, and is stored.
        switch (services().ask(p.libelle + QStringLiteral(" ?"), PlatformServices::Buttons::YesNo,
                               QStringLiteral("Confirmation"))) {
        case PlatformServices::Answer::Yes: Stocker(index, ValeurOuiNon(true)); return true;
        case PlatformServices::Answer::No: Stocker(index, ValeurOuiNon(false)); return true;
        default: return false;
        }
    }
    case TEditeurModifier::Couleur: {
        if (!editeurs.couleur)
            return false;
        const auto couleur = editeurs.couleur(CouleurDeValeur(Valeur(index)), p.libelle);
        if (!couleur || !couleur->isValid())
            return false;
        Stocker(index, ValeurCouleur(*couleur));
        return true;
    }
    }
    return false;
}

bool TEditionConfig::Rechercher(int index, const TEditeursGraphiques& editeurs)
{
    if (!RechercherPossible(index))
        return false;
    const TParametreConfig& p = FParametres[index];
    switch (EditeurRechercher(p.type)) {
    case TEditeurRechercher::Aucun: return false;
    case TEditeurRechercher::Dossier: {
        const auto choisi = services().folderName(p.libelle, CheminCompletConfig(Valeur(index)));
        if (!choisi)
            return false;
        Stocker(index, CheminCompletConfig(*choisi));
        return true;
    }
    case TEditeurRechercher::Fichier: {
        // The dialog opens in the folder of the current file (the current
        // folder when there is none yet).
        const QString actuel = Valeur(index).trimmed();
        const QString dossier =
            actuel.isEmpty() ? CheminCompletConfig(QString()) : QFileInfo(CheminCompletConfig(actuel)).absolutePath();
        const auto choisi = services().openFileName(p.libelle, dossier, FiltreDialogue(p.filtre));
        if (!choisi || choisi->trimmed().isEmpty())
            return false;
        const QString chemin = CheminCompletConfig(AvecExtensionParDefaut(choisi->trimmed(), p.extension));
        Stocker(index, p.type == TTypeParametre::NomFichier ? QFileInfo(chemin).fileName() : chemin);
        return true;
    }
    case TEditeurRechercher::Imprimante: {
        if (!editeurs.imprimante)
            return false;
        const auto imprimante = editeurs.imprimante();
        if (!imprimante || imprimante->isEmpty())
            return false;
        Stocker(index, *imprimante);
        return true;
    }
    }
    return false;
}
