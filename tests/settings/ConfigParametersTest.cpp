#include "settings/ConfigParameters.h"
#include "util/FileDialogFilter.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// "a" + U+0001 + "b"...: the texts the options dialog exchanges.
QString Champs(std::initializer_list<const char*> champs)
{
    QStringList liste;
    for (const char* c : champs)
        liste.append(QString::fromUtf8(c));
    return liste.join(kSeparateurConfig);
}

} // namespace

TEST(ConfigParameters, ParameterLinesGiveTypeLabelAndTheFileDialogFieldsOfTypes2And6)
{
    const QString liste = Champs({"", "Affichage"}) + QStringLiteral("\r\n") + Champs({"  ", "Titre"}) + u'\n'
                          + Champs({"2", "modèle", "txt", "textes|*.txt;*.csv"}) + QStringLiteral("\r\n")
                          + Champs({"6", "gabarit", "ini", "réglages|*.ini"}) + u'\n'
                          + Champs({"1", "dossier", "txt", "ignoré|*.txt"}) + u'\n' + Champs({"9", "inconnu"})
                          + QStringLiteral("\r\n");
    const QList<TParametreConfig> p = LireParametres(liste);
    ASSERT_EQ(p.size(), 6);
    EXPECT_EQ(p[0].type, TTypeParametre::Titre);
    EXPECT_EQ(p[0].libelle, QStringLiteral("Affichage"));
    EXPECT_EQ(p[1].type, TTypeParametre::Titre);
    EXPECT_EQ(p[2].type, TTypeParametre::Fichier);
    EXPECT_EQ(p[2].libelle, QStringLiteral("modèle"));
    EXPECT_EQ(p[2].extension, QStringLiteral("txt"));
    EXPECT_EQ(p[2].filtre, QStringLiteral("textes|*.txt;*.csv"));
    EXPECT_EQ(p[3].type, TTypeParametre::NomFichier);
    EXPECT_EQ(p[3].extension, QStringLiteral("ini"));
    EXPECT_EQ(p[4].type, TTypeParametre::Dossier);
    EXPECT_TRUE(p[4].extension.isEmpty());
    EXPECT_TRUE(p[4].filtre.isEmpty());
    EXPECT_EQ(p[5].type, TTypeParametre::Inconnu);
    EXPECT_TRUE(LireParametres(QString()).isEmpty());
    // A line left blank in the middle is a heading with no label.
    EXPECT_EQ(LireParametres(QStringLiteral("\n") + Champs({"5", "t"})).size(), 2);
}

TEST(ConfigParameters, EachTypeHasItsEditorsAndOnlyFoldersFilesAndPrintersCanBeSearched)
{
    struct Cas {
        const char* lettre;
        TEditeurModifier modifier;
        TEditeurRechercher rechercher;
    };
    const Cas cas[] = {
        {"0", TEditeurModifier::Aucun, TEditeurRechercher::Aucun},
        {"1", TEditeurModifier::Texte, TEditeurRechercher::Dossier},
        {"2", TEditeurModifier::Texte, TEditeurRechercher::Fichier},
        {"3", TEditeurModifier::OuiNon, TEditeurRechercher::Aucun},
        {"4", TEditeurModifier::Texte, TEditeurRechercher::Aucun},
        {"5", TEditeurModifier::Texte, TEditeurRechercher::Aucun},
        {"6", TEditeurModifier::Texte, TEditeurRechercher::Fichier},
        {"7", TEditeurModifier::Couleur, TEditeurRechercher::Aucun},
        {"8", TEditeurModifier::Texte, TEditeurRechercher::Imprimante},
        {"X", TEditeurModifier::Aucun, TEditeurRechercher::Aucun},
    };
    for (const Cas& c : cas) {
        const TTypeParametre type = TypeDeLettre(QString::fromLatin1(c.lettre));
        EXPECT_EQ(EditeurModifier(type), c.modifier) << c.lettre;
        EXPECT_EQ(EditeurRechercher(type), c.rechercher) << c.lettre;
    }
}

TEST(ConfigParameters, ValuesBeyondTheLastFieldReadEmptyAndWritingPadsWithEmptyFields)
{
    const QString valeurs = Champs({"a", "", "c"});
    EXPECT_EQ(ChampValeur(valeurs, 0), QStringLiteral("a"));
    EXPECT_EQ(ChampValeur(valeurs, 2), QStringLiteral("c"));
    EXPECT_EQ(ChampValeur(valeurs, 3), QString());
    EXPECT_EQ(ChampValeur(valeurs, -1), QString());
    EXPECT_EQ(ChampValeur(QString(), 0), QString());

    struct Cas {
        QString avant;
        int index;
        QString apres;
    };
    const Cas cas[] = {
        {QStringLiteral("a"), 3, Champs({"a", "", "", "x"})},
        {QString(), 1, Champs({"", "x"})},
        {valeurs, 1, Champs({"a", "x", "c"})},
        {valeurs, 0, Champs({"x", "", "c"})},
        {valeurs, -1, valeurs},
    };
    for (const Cas& c : cas)
        EXPECT_EQ(AvecChampValeur(c.avant, c.index, QStringLiteral("x")), c.apres) << c.avant.toStdString() << c.index;
}

TEST(ConfigParameters, StoredFormsOfYesNoIntegerAndColour)
{
    EXPECT_EQ(ValeurOuiNon(true), QStringLiteral("T"));
    EXPECT_EQ(ValeurOuiNon(false), QStringLiteral("F"));
    EXPECT_EQ(ValeurEntier(QStringLiteral("  12a \t")), QStringLiteral("12a"));

    EXPECT_EQ(ValeurCouleur(QColor(255, 0, 0)), QStringLiteral("16711680"));
    EXPECT_EQ(ValeurCouleur(QColor(0, 0, 255, 128)), QStringLiteral("255"));
    struct Cas {
        const char* texte;
        QColor couleur;
    };
    const Cas cas[] = {
        {"16711680", QColor(255, 0, 0)}, {" 65280 ", QColor(0, 255, 0)}, {"4294901760", QColor(255, 0, 0)},
        {"", QColor(0, 0, 0)},           {"rouge", QColor(0, 0, 0)},     {"-1", QColor(0, 0, 0)},
        {"12.5", QColor(0, 0, 0)},
    };
    for (const Cas& c : cas)
        EXPECT_EQ(CouleurDeValeur(QString::fromLatin1(c.texte)), c.couleur) << c.texte;
    const QColor teinte(18, 52, 86);
    EXPECT_EQ(CouleurDeValeur(ValeurCouleur(teinte)), teinte);
}

TEST(ConfigParameters, FolderPathsAreAbsoluteWithoutTrailingSeparatorAndLinksResolved)
{
    QTemporaryDir dir;
    const QString reel = QDir(dir.path()).canonicalPath() + QStringLiteral("/projets");
    ASSERT_TRUE(QDir().mkpath(reel));
    const QString lien = dir.filePath(QStringLiteral("raccourci"));
    ASSERT_TRUE(QFile::link(reel, lien));
    const QString courant = QDir::currentPath();

    struct Cas {
        QString saisi;
        QString attendu;
    };
    const Cas cas[] = {
        {QStringLiteral("  ") + reel + QStringLiteral("/  "), reel},
        {reel + QStringLiteral("//"), reel},
        {lien + u'/', reel},
        {QStringLiteral("/nulle/part/encore/"), QStringLiteral("/nulle/part/encore")},
        {QStringLiteral("/"), QStringLiteral("/")},
        {QString(), QDir(courant).canonicalPath()},
        {QStringLiteral("absent/"), QDir::cleanPath(courant + QStringLiteral("/absent"))},
    };
    for (const Cas& c : cas)
        EXPECT_EQ(CheminCompletConfig(c.saisi), c.attendu) << c.saisi.toStdString();
}

TEST(ConfigParameters, FileDialogFilterAndDefaultExtension)
{
    EXPECT_EQ(FiltreDialogue(QStringLiteral("textes|*.txt;*.csv|tous fichiers (*.*)|*.*")),
              QStringLiteral("textes (*.txt *.csv);;tous fichiers (*.*)"));
    EXPECT_EQ(FiltreDialogue(QString()), QString());

    QTemporaryDir dir;
    const QString existant = dir.filePath(QStringLiteral("LISEZMOI"));
    QFile f(existant);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    const QString absent = dir.filePath(QStringLiteral("modele"));
    EXPECT_EQ(AvecExtensionParDefaut(absent, QStringLiteral("txt")), absent + QStringLiteral(".txt"));
    EXPECT_EQ(AvecExtensionParDefaut(absent, QStringLiteral(".txt")), absent + QStringLiteral(".txt"));
    EXPECT_EQ(AvecExtensionParDefaut(existant, QStringLiteral("txt")), existant);
    EXPECT_EQ(AvecExtensionParDefaut(absent + QStringLiteral(".csv"), QStringLiteral("txt")), absent + QStringLiteral(".csv"));
    EXPECT_EQ(AvecExtensionParDefaut(absent, QString()), absent);
}
