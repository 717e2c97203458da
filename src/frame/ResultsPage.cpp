#include "frame/ResultsPage.h"

#include "model/DonneesAppli.h"

QString TexteStatutCalcul(int niveau) { return QStringLiteral("Résultat : ") + LibelleNiveau(niveau); }

QColor CouleurStatutCalcul(int niveau) { return QColor(CouleurNiveau(niveau)); }

QString TexteReserveCalcul(const TReserveCharge& reserve)
{
    const QString debut = QStringLiteral("Réserve de charge : ");
    switch (reserve.genre) {
    case TReserveCharge::Genre::Aucune:
        return debut + QStringLiteral("aucune, les charges permanentes seules ne sont pas conformes");
    case TReserveCharge::Genre::AuDela:
        return debut + QStringLiteral("charges variables (neige, vent, exploitation) multipliables par plus de %1")
                           .arg(kReserveMax, 0, 'f', 0);
    case TReserveCharge::Genre::Valeur:
        break;
    }
    const QString facteur = QString::number(reserve.lambda, 'f', 2);
    if (reserve.lambda < 1)
        return debut + QStringLiteral("conforme seulement avec les charges variables (neige, vent, exploitation) "
                                      "multipliées par %1 au plus")
                           .arg(facteur);
    return debut + QStringLiteral("charges variables (neige, vent, exploitation) multipliables par %1").arg(facteur);
}

QString TexteReserveSynthese(const TReserveCharge& reserve)
{
    switch (reserve.genre) {
    case TReserveCharge::Genre::Aucune:
        return QStringLiteral("aucune, les charges permanentes seules ne sont pas conformes");
    case TReserveCharge::Genre::AuDela:
        return QStringLiteral("> %1").arg(kReserveMax, 0, 'f', 0);
    case TReserveCharge::Genre::Valeur:
        break;
    }
    const QString facteur = QString::number(reserve.lambda, 'f', 2);
    if (reserve.lambda < 1)
        return facteur + QStringLiteral(" (conforme seulement avec des charges variables réduites)");
    return facteur;
}

bool ChangementPagePermis(PageCadre de, PageCadre vers, int nbObjetsEdites)
{
    return de == vers || nbObjetsEdites <= 1;
}

bool CalculAvantPage(PageCadre de, PageCadre vers) { return de == PageCadre::Donnees && vers != PageCadre::Donnees; }
