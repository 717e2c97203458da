#include "settings/ConfigEdition.h"
#include "support/FakePlatformServices.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using Answer = PlatformServices::Answer;

QString Ligne(const char* type, const char* libelle, const char* extension = "", const char* filtre = "")
{
    return QStringList{QString::fromUtf8(type), QString::fromUtf8(libelle), QString::fromUtf8(extension),
                       QString::fromUtf8(filtre)}
        .join(kSeparateurConfig);
}

QString Valeurs(std::initializer_list<const char*> champs)
{
    QStringList liste;
    for (const char* c : champs)
        liste.append(QString::fromUtf8(c));
    return liste.join(kSeparateurConfig);
}

// One parameter of each type, in the order of their letters.
const QString kTousLesTypes = QStringList{Ligne("0", "Réglages"),
                                          Ligne("1", "dossier par défaut"),
                                          Ligne("2", "modèle", "txt", "textes|*.txt"),
                                          Ligne("3", "afficher la grille"),
                                          Ligne("4", "nombre de copies"),
                                          Ligne("5", "auteur"),
                                          Ligne("6", "gabarit", "ini", "réglages|*.ini"),
                                          Ligne("7", "couleur du fond"),
                                          Ligne("8", "imprimante")}
                                  .join(u'\n');

struct EditionConfig : ::testing::Test {
    FakePlatformServices plateforme;
    QTemporaryDir dossier;
    TEditeursGraphiques editeurs;
    std::optional<QColor> couleurChoisie;
    QColor couleurProposee;
    std::optional<QString> imprimanteChoisie;

    EditionConfig()
    {
        editeurs.couleur = [this](const QColor& initiale, const QString&) {
            couleurProposee = initiale;
            return couleurChoisie;
        };
        editeurs.imprimante = [this] { return imprimanteChoisie; };
    }
    QString Reel(const QString& nom) const { return QDir(dossier.path()).canonicalPath() + u'/' + nom; }
};

} // namespace

TEST_F(EditionConfig, ModifierStoresTheTypedTextAsItIsAndTrimsOnlyIntegers)
{
    TEditionConfig e(kTousLesTypes, QString());
    plateforme.inputs = {QStringLiteral("  ~/projets/ "), QStringLiteral(" 12 "), QStringLiteral("  Vok  ")};
    EXPECT_TRUE(e.Modifier(1, editeurs));
    EXPECT_TRUE(e.Modifier(4, editeurs));
    EXPECT_TRUE(e.Modifier(5, editeurs));
    EXPECT_EQ(e.Valeur(1), QStringLiteral("  ~/projets/ "));
    EXPECT_EQ(e.Valeur(4), QStringLiteral("12"));
    EXPECT_EQ(e.Valeur(5), QStringLiteral("  Vok  "));
    EXPECT_EQ(plateforme.questions,
              (std::vector<QString>{QStringLiteral("dossier par défaut"), QStringLiteral("nombre de copies"),
                                    QStringLiteral("auteur")}));
}

TEST_F(EditionConfig, ACancelledEditorOrAHeadingChangesNothing)
{
    const QString valeurs = Valeurs({"", "/tmp", "", "T"});
    TEditionConfig e(kTousLesTypes, valeurs);
    plateforme.inputs = {std::nullopt};
    EXPECT_FALSE(e.Modifier(1, editeurs));
    EXPECT_FALSE(e.Modifier(3, editeurs)); // the yes/no box closed without an answer
    EXPECT_FALSE(e.Modifier(7, editeurs)); // colour dialog cancelled
    EXPECT_FALSE(e.Rechercher(1, editeurs)); // folder browser cancelled
    EXPECT_FALSE(e.Rechercher(8, editeurs)); // no printer chosen
    imprimanteChoisie = QString();
    EXPECT_FALSE(e.Rechercher(8, editeurs));
    const std::size_t questions = plateforme.questions.size();
    EXPECT_FALSE(e.Modifier(0, editeurs));
    EXPECT_FALSE(e.Modifier(9, editeurs));
    EXPECT_FALSE(e.Modifier(-1, editeurs));
    EXPECT_EQ(plateforme.questions.size(), questions);
    EXPECT_EQ(e.valtxt(), valeurs);
}

TEST_F(EditionConfig, YesNoAlwaysCountsAsAnEditEvenWhenTheValueStaysTheSame)
{
    TEditionConfig e(kTousLesTypes, Valeurs({"", "", "", "T"}));
    plateforme.answers = {Answer::Yes, Answer::No, Answer::Yes};
    EXPECT_TRUE(e.Modifier(3, editeurs));
    EXPECT_EQ(e.Valeur(3), QStringLiteral("T"));
    EXPECT_TRUE(e.Modifier(3, editeurs));
    EXPECT_EQ(e.Valeur(3), QStringLiteral("F"));
    EXPECT_TRUE(e.Modifier(3, editeurs));
    EXPECT_EQ(e.Valeur(3), QStringLiteral("T"));
    EXPECT_EQ(plateforme.questions.back(), QStringLiteral("afficher la grille ?"));
}

TEST_F(EditionConfig, ShortValuesReadEmptyAndEditingTheLastParameterPadsTheMissingFields)
{
    TEditionConfig e(kTousLesTypes, QStringLiteral("x"));
    EXPECT_EQ(e.Valeur(8), QString());
    imprimanteChoisie = QStringLiteral("Atelier A3");
    EXPECT_TRUE(e.Rechercher(8, editeurs));
    EXPECT_EQ(e.valtxt(), Valeurs({"x", "", "", "", "", "", "", "", "Atelier A3"}));
}

TEST_F(EditionConfig, SearchIsOfferedOnlyForFoldersFilesAndPrinters)
{
    TEditionConfig e(kTousLesTypes, QString());
    const bool attendu[] = {false, true, true, false, false, false, true, false, true};
    for (int i = 0; i < e.Nombre(); ++i) {
        EXPECT_EQ(e.RechercherPossible(i), attendu[i]) << i;
        EXPECT_TRUE(e.ModifierPossible(i)) << i;
    }
    EXPECT_FALSE(e.ModifierPossible(e.Nombre()));
    EXPECT_FALSE(e.Rechercher(4, editeurs));
    EXPECT_TRUE(plateforme.dialogFolders.empty());
}

TEST_F(EditionConfig, TheFolderBrowserOpensOnTheCurrentValueAndItsChoiceLosesTheTrailingSeparator)
{
    ASSERT_TRUE(QDir(dossier.path()).mkpath(QStringLiteral("notes/calculs")));
    TEditionConfig e(kTousLesTypes, Valeurs({"", Reel(QStringLiteral("notes/")).toUtf8().constData()}));
    plateforme.fileNames = {QStringLiteral(" ") + Reel(QStringLiteral("notes/calculs/")) + QStringLiteral(" ")};
    EXPECT_TRUE(e.Rechercher(1, editeurs));
    EXPECT_EQ(e.Valeur(1), Reel(QStringLiteral("notes/calculs")));
    EXPECT_EQ(plateforme.dialogFolders, std::vector<QString>{Reel(QStringLiteral("notes"))});
}

TEST_F(EditionConfig, FileTypesKeepTheFullPathOrTheNameAloneWithTheDefaultExtension)
{
    ASSERT_TRUE(QDir(dossier.path()).mkpath(QStringLiteral("modeles")));
    const QString courant = Reel(QStringLiteral("modeles/ancien.txt"));
    TEditionConfig e(kTousLesTypes, Valeurs({"", "", courant.toUtf8().constData()}));
    plateforme.fileNames = {Reel(QStringLiteral("modeles/nouveau")), Reel(QStringLiteral("modeles/defaut.ini"))};
    EXPECT_TRUE(e.Rechercher(2, editeurs));
    EXPECT_TRUE(e.Rechercher(6, editeurs));
    EXPECT_EQ(e.Valeur(2), Reel(QStringLiteral("modeles/nouveau.txt")));
    EXPECT_EQ(e.Valeur(6), QStringLiteral("defaut.ini"));
    // The first dialog opens in the folder of the current file, the second,
    // with no file yet, in the current folder.
    EXPECT_EQ(plateforme.dialogFolders,
              (std::vector<QString>{Reel(QStringLiteral("modeles")), QDir(QDir::currentPath()).canonicalPath()}));
}

TEST_F(EditionConfig, TheColourDialogOpensOnTheStoredColourAndItsChoiceIsStoredInDecimal)
{
    TEditionConfig e(kTousLesTypes, Valeurs({"", "", "", "", "", "", "", "255"}));
    couleurChoisie = QColor(255, 0, 0);
    EXPECT_TRUE(e.Modifier(7, editeurs));
    EXPECT_EQ(couleurProposee, QColor(0, 0, 255));
    EXPECT_EQ(e.Valeur(7), QStringLiteral("16711680"));

    TEditionConfig illisible(kTousLesTypes, Valeurs({"", "", "", "", "", "", "", "bleu"}));
    couleurChoisie = std::nullopt;
    EXPECT_FALSE(illisible.Modifier(7, editeurs));
    EXPECT_EQ(couleurProposee, QColor(0, 0, 0));
    EXPECT_EQ(illisible.Valeur(7), QStringLiteral("bleu"));
}
