#include "frame/SheetEditing.h"
#include "model/ButtressText.h"
#include "support/Sections.h"

#include <gtest/gtest.h>
#include <numbers>

namespace {

// Three sections told apart by their level and their comment.
TData troisSections()
{
    TData data;
    data.Comment = QStringLiteral("contrefort nord");
    for (int i = 0; i < 3; ++i) {
        TSection s = SectionMaconnerie(1.5 * i, 0.8);
        s.se_comment = QStringLiteral("s%1").arg(i + 1);
        data.Sections.append(s);
    }
    return data;
}

QStringList commentaires(const TData& data)
{
    QStringList c;
    for (const TSection& s : data.Sections)
        c << s.se_comment;
    return c;
}

int ligneValeur(int section, int offset) { return TSheetRows::Ligne(section, offset); }

} // namespace

TEST(FicheContrefort, ThreeSectionsMakeNinetyEightRowsAndShowRoundedUnits)
{
    TData data = troisSections();
    data.Sections[0].se_resistance = 2.5;
    data.Sections[0].se_angfrottrad = std::numbers::pi / 6;
    TFicheContrefort fiche;
    fiche.Afficher(DataVersTexte(data));
    ASSERT_EQ(fiche.Lignes().NbLignes(), 98);
    EXPECT_EQ(fiche.Lignes().LigneFiche(97).cle, QStringLiteral(" commentaire"));
    EXPECT_EQ(fiche.Lignes().LigneFiche(97).valeur, QStringLiteral("s3"));
    EXPECT_EQ(fiche.Lignes().LigneFiche(ligneValeur(1, 1)).valeur, QStringLiteral("1.50"));
    EXPECT_EQ(fiche.Lignes().LigneFiche(ligneValeur(0, 2)).valeur, QStringLiteral("80"));
    EXPECT_EQ(fiche.Lignes().LigneFiche(ligneValeur(0, 7)).valeur, QStringLiteral("2.5"));
    EXPECT_EQ(fiche.Lignes().LigneFiche(ligneValeur(0, 8)).valeur, QStringLiteral("30"));
    EXPECT_FALSE(fiche.Changee());
    EXPECT_EQ(fiche.ValeurLue(), DataVersTexte(data));
}

TEST(FicheContrefort, TypedLengthsAreCentimetresAndACommaReadsZero)
{
    struct Cas {
        const char* tape;
        double attendu;
    };
    for (const Cas& c : {Cas{"85", 0.85}, Cas{"85,5", 0}, Cas{"abc", 0}, Cas{"120.5", 1.205}}) {
        TFicheContrefort fiche;
        fiche.Afficher(DataVersTexte(troisSections()));
        ASSERT_TRUE(fiche.DefinirValeur(ligneValeur(0, 2), QString::fromUtf8(c.tape)));
        EXPECT_TRUE(fiche.Changee()) << c.tape;
        TData lu;
        QString texte = fiche.ValeurLue();
        TexteVersData(texte, lu);
        EXPECT_DOUBLE_EQ(lu.Sections[0].se_htrsec, c.attendu) << c.tape;
    }
}

TEST(FicheContrefort, HeadingsAndTheCountRowRefuseTyping)
{
    TFicheContrefort fiche;
    fiche.Afficher(DataVersTexte(troisSections()));
    for (int ligne : {1, ligneValeur(0, 0), ligneValeur(1, 5), ligneValeur(2, 28), 98, -1})
        EXPECT_FALSE(fiche.DefinirValeur(ligne, QStringLiteral("3"))) << ligne;
    EXPECT_FALSE(fiche.Changee());
    EXPECT_TRUE(fiche.DefinirValeur(0, QStringLiteral("autre commentaire")));
    EXPECT_TRUE(fiche.Changee());
}

// The sheet rounds what it shows: an untouched sheet is not a change and
// gives back the exact text it was shown, not its rounded copy.
TEST(FicheContrefort, AnUntouchedSheetGivesBackTheExactValueItShowed)
{
    TData data = troisSections();
    data.Sections[1].se_niveau = 1.505;
    data.Sections[1].se_angfrottrad = 0.61;
    const QString exact = DataVersTexte(data);
    TFicheContrefort fiche;
    fiche.Afficher(exact);
    EXPECT_NE(fiche.TexteLu(), exact);
    EXPECT_FALSE(fiche.Changee());
    EXPECT_EQ(fiche.ValeurLue(), exact);
}

TEST(FicheContrefort, AnUnreadableTextShowsAnEmptySheet)
{
    TFicheContrefort fiche;
    fiche.Afficher(QStringLiteral("c\r\n-4\r\n"));
    EXPECT_EQ(fiche.Lignes().NbSections(), 0);
    EXPECT_EQ(fiche.Lignes().NbLignes(), 2);
}

TEST(SectionsFiche, ActiveSectionOfASelectedRow)
{
    for (auto [ligne, section] : {std::pair{-1, 0}, {0, 0}, {1, 0}, {33, 0}, {34, 1}, {65, 1}, {66, 2}, {70, 2}})
        EXPECT_EQ(SectionActive(ligne), section) << ligne;
}

TEST(SectionsFiche, NavigationFromRowSeventy)
{
    const int active = SectionActive(70);
    EXPECT_EQ(Naviguer(DeplacementSection::Precedent, active, 3), (PositionFiche{34, 35}));
    EXPECT_EQ(Naviguer(DeplacementSection::Suivant, active, 3), (PositionFiche{66, 67}));
    EXPECT_EQ(Naviguer(DeplacementSection::Premier, active, 3), (PositionFiche{2, 3}));
    EXPECT_EQ(Naviguer(DeplacementSection::Dernier, active, 3), (PositionFiche{66, 67}));
    EXPECT_EQ(Naviguer(DeplacementSection::Precedent, 0, 3), (PositionFiche{2, 3}));
}

TEST(SectionsFiche, CommandsOnThreeSections)
{
    struct Cas {
        CommandeSection commande;
        int active;
        QStringList attendus;
        bool change;
    };
    const QString s1 = QStringLiteral("s1"), s2 = QStringLiteral("s2"), s3 = QStringLiteral("s3");
    for (const Cas& c : {Cas{CommandeSection::AjouterEnFin, 0, {s1, s2, s3, s3}, true},
                         Cas{CommandeSection::InsererAvantActive, 1, {s1, s2, s2, s3}, true},
                         Cas{CommandeSection::SupprimerActive, 0, {s2, s3}, true},
                         Cas{CommandeSection::SupprimerDerniere, 1, {s1, s2}, true}}) {
        TFicheContrefort fiche;
        fiche.Afficher(DataVersTexte(troisSections()));
        EXPECT_EQ(fiche.AppliquerCommande(c.commande, c.active), c.change);
        EXPECT_EQ(commentaires(fiche.Lignes().Lire()), c.attendus) << LibelleAnnulation(c.commande).toStdString();
        EXPECT_TRUE(fiche.Changee());
    }
}

TEST(SectionsFiche, DeletingTheLastSectionLeftDoesNothing)
{
    for (CommandeSection c : {CommandeSection::SupprimerActive, CommandeSection::SupprimerDerniere}) {
        TData data;
        data.Sections.append(SectionMaconnerie(0));
        TFicheContrefort fiche;
        fiche.Afficher(DataVersTexte(data));
        EXPECT_FALSE(fiche.AppliquerCommande(c, 0));
        EXPECT_EQ(fiche.Lignes().NbSections(), 1);
        EXPECT_FALSE(fiche.Changee());
    }
    TData vide;
    EXPECT_TRUE(AppliquerCommandeSection(vide, CommandeSection::AjouterEnFin, 0));
    ASSERT_EQ(vide.Sections.size(), 1);
    EXPECT_EQ(vide.Sections[0].se_htrsec, 0);
}

TEST(SectionsFiche, CommandsKeepTheValuesTypedBefore)
{
    TFicheContrefort fiche;
    fiche.Afficher(DataVersTexte(troisSections()));
    fiche.DefinirValeur(ligneValeur(2, 2), QStringLiteral("60"));
    fiche.AppliquerCommande(CommandeSection::AjouterEnFin, 0);
    const TData lu = fiche.Lignes().Lire();
    ASSERT_EQ(lu.Sections.size(), 4);
    EXPECT_DOUBLE_EQ(lu.Sections[3].se_htrsec, 0.6);
}

TEST(SectionsFiche, MenuCaptionsAndUndoLabels)
{
    struct Cas {
        CommandeSection commande;
        const char* menu;
        const char* annulation;
    };
    for (const Cas& c : {Cas{CommandeSection::AjouterEnFin, "Ajouter une section en fin", "ajouter une section"},
                         Cas{CommandeSection::InsererAvantActive, "Insérer une section avant la section active (2)",
                             "insérer une section"},
                         Cas{CommandeSection::SupprimerActive, "Supprimer la section active (2)",
                             "supprimer la section active"},
                         Cas{CommandeSection::SupprimerDerniere, "Supprimer la dernière section",
                             "supprimer la dernière section"}}) {
        EXPECT_EQ(LibelleMenu(c.commande, 2), QString::fromUtf8(c.menu));
        EXPECT_EQ(LibelleAnnulation(c.commande), QString::fromUtf8(c.annulation));
    }
}

// The sheet keeps the text of its rows between edits: after every kind of
// change it must still be the text the rows give when read afresh.
TEST(FicheContrefort, TheTextKeptFollowsEveryChangeOfTheRows)
{
    TFicheContrefort fiche;
    const auto verifier = [&fiche](const char* etape) {
        EXPECT_EQ(fiche.TexteLu(), DataVersTexte(fiche.Lignes().Lire())) << etape;
    };
    verifier("jamais affichée");
    fiche.Afficher(DataVersTexte(troisSections()));
    verifier("affichée");
    const struct {
        int ligne;
        const char16_t* valeur;
    } saisies[] = {
        {0, u"commentaire\tretouché α"},
        {ligneValeur(0, 1), u"0.25"},
        {ligneValeur(1, 3), u"95"},
        {ligneValeur(1, 3), u"95"},
        {ligneValeur(2, 8), u"abc"},
        {ligneValeur(2, 31), u"fin\tde section"},
        {ligneValeur(0, 19), u"-1500,5"},
    };
    for (const auto& saisie : saisies) {
        ASSERT_TRUE(fiche.DefinirValeur(saisie.ligne, QString::fromUtf16(saisie.valeur)));
        verifier("saisie");
    }
    for (CommandeSection commande : {CommandeSection::InsererAvantActive, CommandeSection::AjouterEnFin,
                                     CommandeSection::SupprimerActive, CommandeSection::SupprimerDerniere}) {
        ASSERT_TRUE(fiche.AppliquerCommande(commande, 1));
        verifier("commande");
        ASSERT_TRUE(fiche.DefinirValeur(ligneValeur(1, 2), QStringLiteral("77")));
        verifier("saisie après commande");
    }
    fiche.Relue(fiche.ValeurLue());
    verifier("relue");
    EXPECT_FALSE(fiche.Changee());
    fiche.Afficher(QStringLiteral("c\r\n-4\r\n"));
    verifier("illisible");
}
