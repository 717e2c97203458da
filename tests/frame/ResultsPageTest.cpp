#include "frame/ResultsPage.h"

#include <gtest/gtest.h>

TEST(PageResultats, VerdictTextAndColourOfEachLevel)
{
    struct Cas {
        int niveau;
        const char* texte;
        QColor couleur;
    };
    for (const Cas& c : {Cas{0, "Résultat : SATISFAISANT", QColor(0x92, 0xD0, 0x50)},
                         Cas{1, "Résultat : ACCEPTABLE", QColor(0xFF, 0xCC, 0x99)},
                         Cas{2, "Résultat : NON CONFORME", QColor(0xFF, 0x99, 0xCC)}}) {
        EXPECT_EQ(TexteStatutCalcul(c.niveau), QString::fromUtf8(c.texte));
        EXPECT_EQ(CouleurStatutCalcul(c.niveau), c.couleur) << c.niveau;
    }
}

TEST(PageResultats, PageChangesAndTheirCalculation)
{
    EXPECT_TRUE(ChangementPagePermis(PageCadre::Donnees, PageCadre::Resultats, 1));
    EXPECT_TRUE(ChangementPagePermis(PageCadre::Donnees, PageCadre::Dessin, 0));
    EXPECT_FALSE(ChangementPagePermis(PageCadre::Donnees, PageCadre::Dessin, 2));
    EXPECT_FALSE(ChangementPagePermis(PageCadre::Resultats, PageCadre::Donnees, 3));
    EXPECT_TRUE(CalculAvantPage(PageCadre::Donnees, PageCadre::Resultats));
    EXPECT_TRUE(CalculAvantPage(PageCadre::Donnees, PageCadre::Dessin));
    EXPECT_FALSE(CalculAvantPage(PageCadre::Dessin, PageCadre::Resultats));
    EXPECT_FALSE(CalculAvantPage(PageCadre::Resultats, PageCadre::Donnees));
}

TEST(PageResultats, ReserveInWordsForEachKind)
{
    using G = TReserveCharge::Genre;
    const struct {
        TReserveCharge reserve;
        const char* texte;
    } cas[] = {
        {{G::Valeur, 1.85},
         "Réserve de charge : charges variables (neige, vent, exploitation) multipliables par 1.85"},
        {{G::Valeur, 1}, "Réserve de charge : charges variables (neige, vent, exploitation) multipliables par 1.00"},
        {{G::Valeur, 0.48},
         "Réserve de charge : conforme seulement avec les charges variables (neige, vent, exploitation) "
         "multipliées par 0.48 au plus"},
        {{G::AuDela, 100},
         "Réserve de charge : charges variables (neige, vent, exploitation) multipliables par plus de 100"},
        {{G::Aucune, 0}, "Réserve de charge : aucune, les charges permanentes seules ne sont pas conformes"},
    };
    for (const auto& c : cas)
        EXPECT_EQ(TexteReserveCalcul(c.reserve), QString::fromUtf8(c.texte));
}

TEST(PageResultats, ReserveInTheReportSummaryForEachKind)
{
    using G = TReserveCharge::Genre;
    const struct {
        TReserveCharge reserve;
        const char* texte;
    } cas[] = {
        {{G::Valeur, 1.85}, "1.85"},
        {{G::Valeur, 1}, "1.00"},
        {{G::Valeur, 0.48}, "0.48 (conforme seulement avec des charges variables réduites)"},
        {{G::AuDela, 100}, "> 100"},
        {{G::Aucune, 0}, "aucune, les charges permanentes seules ne sont pas conformes"},
    };
    for (const auto& c : cas)
        EXPECT_EQ(TexteReserveSynthese(c.reserve), QString::fromUtf8(c.texte));
}
