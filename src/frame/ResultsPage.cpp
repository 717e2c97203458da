#include "frame/ResultsPage.h"

#include "model/DonneesAppli.h"

QString TexteStatutCalcul(int niveau) { return QStringLiteral("Résultat : ") + LibelleNiveau(niveau); }

QColor CouleurStatutCalcul(int niveau) { return QColor(CouleurNiveau(niveau)); }

bool ChangementPagePermis(PageCadre de, PageCadre vers, int nbObjetsEdites)
{
    return de == vers || nbObjetsEdites <= 1;
}

bool CalculAvantPage(PageCadre de, PageCadre vers) { return de == PageCadre::Donnees && vers != PageCadre::Donnees; }
