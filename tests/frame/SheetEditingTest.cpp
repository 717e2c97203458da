#include "frame/SheetEditing.h"
#include "model/ButtressText.h"
#include "support/Sections.h"

#include <gtest/gtest.h>
#include <functional>
#include <numbers>
#include <random>

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
    EXPECT_NE(DataVersTexte(fiche.Lignes().Lire()), exact) << "the rows are rounded";
    EXPECT_FALSE(fiche.Changee());
    EXPECT_EQ(fiche.ValeurLue(), exact);
    // Confirming a cell as it is shown writes nothing.
    EXPECT_TRUE(fiche.DefinirValeur(ligneValeur(1, 1), QStringLiteral("1.50")));
    EXPECT_FALSE(fiche.Changee());
    EXPECT_EQ(fiche.ValeurLue(), exact);
}

// Typing one field changes that field alone: every other value of every
// section stays what it was, however the sheet rounds it.
TEST(FicheContrefort, TypingOneFieldKeepsEveryOtherValueExact)
{
    TData data = troisSections();
    TSection& s = data.Sections[1];
    s.se_niveau = 1.234;
    s.se_htrsec = 0.805;
    s.se_angfrottrad = 0.6;
    s.se_resistance = 2.25;
    s.se_chargePG = {1234.5, -987.25};
    const QString exact = DataVersTexte(data);

    struct Cas {
        int ligne;
        const char* tape;
        std::function<void(TData&)> attendu;
    };
    const Cas cas[] = {
        {0, "mur nord", [](TData& d) { d.Comment = QStringLiteral("mur nord"); }},
        {ligneValeur(2, 31), "au droit de la baie", [](TData& d) { d.Sections[2].se_comment = QStringLiteral("au droit de la baie"); }},
        {ligneValeur(1, 7), "0.75", [](TData& d) { d.Sections[1].se_resistance = 0.75; }},
        {ligneValeur(0, 2), "85", [](TData& d) { d.Sections[0].se_htrsec = 0.85; }},
        {ligneValeur(2, 8), "30", [](TData& d) { d.Sections[2].se_angfrottrad = 30 * std::numbers::pi / 180; }},
        {ligneValeur(1, 20), "-150.5", [](TData& d) { d.Sections[1].se_chargePS[1] = -150.5; }},
    };
    for (const Cas& c : cas) {
        TFicheContrefort fiche;
        fiche.Afficher(exact);
        ASSERT_TRUE(fiche.DefinirValeur(c.ligne, QString::fromUtf8(c.tape)));
        TData attendu = data;
        c.attendu(attendu);
        EXPECT_EQ(fiche.ValeurLue(), DataVersTexte(attendu)) << c.tape;
    }

    // 0.75 MPa, shown "0.8", then a comment: the strength stays 0.75.
    TFicheContrefort fiche;
    fiche.Afficher(exact);
    fiche.DefinirValeur(ligneValeur(1, 7), QStringLiteral("0.75"));
    const QString apres = fiche.ValeurLue();
    fiche.LectureTerminee();
    fiche.Afficher(apres);
    EXPECT_EQ(fiche.Lignes().LigneFiche(ligneValeur(1, 7)).valeur, QStringLiteral("0.8"));
    fiche.DefinirValeur(0, QStringLiteral("vérifié"));
    TData lu;
    QString texte = fiche.ValeurLue();
    TexteVersData(texte, lu);
    EXPECT_EQ(lu.Sections[1].se_resistance, 0.75);
    EXPECT_EQ(lu.Sections[1].se_niveau, 1.234);
    EXPECT_EQ(lu.Sections[1].se_htrsec, 0.805);
    EXPECT_EQ(lu.Sections[1].se_angfrottrad, 0.6);
}

// Several calculations shown at once: what is typed or commanded goes into
// each of them, and nothing else of them changes.
TEST(FicheContrefort, SeveralCalculationsEachKeepTheirOwnSections)
{
    TData a = troisSections();
    TData b;
    b.Comment = QStringLiteral("autre");
    b.Sections = {SectionMaconnerie(0, 1.25), SectionMaconnerie(2.5, 0.9)};
    TFicheContrefort fiche;
    fiche.Afficher(QString(), true);
    ASSERT_TRUE(fiche.DefinirValeur(0, QStringLiteral("commun")));
    for (TData* d : {&a, &b}) {
        TData attendu = *d;
        attendu.Comment = QStringLiteral("commun");
        EXPECT_EQ(fiche.ValeurPour(DataVersTexte(*d)), DataVersTexte(attendu));
    }
    fiche.LectureTerminee();
    EXPECT_FALSE(fiche.Changee());
    EXPECT_EQ(fiche.ValeurPour(DataVersTexte(a)), DataVersTexte(a));

    ASSERT_TRUE(fiche.AppliquerCommande(CommandeSection::AjouterEnFin, 0));
    for (TData* d : {&a, &b}) {
        TData attendu = *d;
        attendu.Sections.append(attendu.Sections.last());
        EXPECT_EQ(fiche.ValeurPour(DataVersTexte(*d)), DataVersTexte(attendu));
    }
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

// Random sequences of typing and section commands on the sheet against the
// same edits made field by field on the exact data: the value stored is
// always the exact data with just those edits.
TEST(FicheContrefort, RandomEditsGiveTheExactDataWithJustThoseEdits)
{
    std::mt19937 aleas(20261211);
    const QStringList textes = {QStringLiteral("0.805"), QStringLiteral("85"), QStringLiteral("-1500.25"),
                                QStringLiteral("abc"),   QStringLiteral("1e3"), QStringLiteral("commentaire\tα"),
                                QStringLiteral("")};
    for (int essai = 0; essai < 40; ++essai) {
        TData reference = troisSections();
        reference.Sections[0].se_niveau = 0.123456789012345;
        reference.Sections[1].se_resistance = 2.25;
        reference.Sections[2].se_angfrottrad = 0.61;
        TFicheContrefort fiche;
        fiche.Afficher(DataVersTexte(reference));
        for (int pas = 0; pas < 30; ++pas) {
            if (aleas() % 5 == 0) {
                const auto commande = CommandeSection(aleas() % 4);
                const int active = int(aleas() % std::max<qsizetype>(1, reference.Sections.size()));
                const bool change = AppliquerCommandeSection(reference, commande, active);
                EXPECT_EQ(fiche.AppliquerCommande(commande, active), change);
            } else {
                const int ligne = int(aleas() % fiche.Lignes().NbLignes());
                const QString texte = textes[int(aleas() % textes.size())];
                const bool ecrit = !fiche.Lignes().LigneFiche(ligne).lectureSeule
                    && fiche.Lignes().LigneFiche(ligne).valeur != texte;
                EXPECT_EQ(fiche.DefinirValeur(ligne, texte), !fiche.Lignes().LigneFiche(ligne).lectureSeule);
                if (ecrit)
                    TSheetRows::AppliquerSaisie(reference, ligne, texte);
            }
            ASSERT_EQ(fiche.ValeurLue(), DataVersTexte(reference)) << "essai " << essai << ", pas " << pas;
            if (aleas() % 4 == 0) {
                // The edit is read and shown again, as the data control does.
                const QString lu = fiche.ValeurLue();
                fiche.LectureTerminee();
                fiche.Afficher(lu);
                QString texte = lu;
                reference = TData{};
                TexteVersData(texte, reference);
            }
        }
    }
}
