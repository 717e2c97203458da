#include "settings/PersonalHelp.h"
#include "settings/ShellOpen.h"
#include "support/FakePlatformServices.h"
#include "util/Errors.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

void Creer(const QString& chemin)
{
    QFile fichier(chemin);
    ASSERT_TRUE(fichier.open(QIODevice::WriteOnly)) << chemin.toStdString();
    fichier.write("aide");
}

// The user's data folder of the application lives in a temporary folder for
// the test's life.
class DonneesUtilisateur {
public:
    DonneesUtilisateur() : ancien_(qgetenv("XDG_DATA_HOME")) { qputenv("XDG_DATA_HOME", dossier.path().toUtf8()); }
    ~DonneesUtilisateur()
    {
        if (ancien_.isEmpty())
            qunsetenv("XDG_DATA_HOME");
        else
            qputenv("XDG_DATA_HOME", ancien_);
    }
    QTemporaryDir dossier;

private:
    QByteArray ancien_;
};

} // namespace

TEST(MasqueAidePerso, MatchesAsTheMenuExpects)
{
    struct Cas {
        const char* nom;
        const char* masque;
        bool correspond;
    };
    const Cas cas[] = {
        {"memo.pdf", "*.*", true},
        {"LISEZMOI", "*.*", true},
        {"memo.PDF", "*.pdf", true},
        {"memo.pdfx", "*.pdf", false},
        {"memo.pdf.txt", "*.pdf", false},
        {"memo.pdf", "*.pd?", true},
        {"memo.pdfx", "*.pd*", true},
        {"Notes-2024.odt", "notes*", true},
        {"annexe.odt", "notes*", false},
        {"a.txt", "?.txt", true},
        {"ab.txt", "?.txt", false},
    };
    for (const Cas& c : cas)
        EXPECT_EQ(CorrespondMasque(QString::fromUtf8(c.nom), QString::fromUtf8(c.masque)), c.correspond)
            << c.nom << " / " << c.masque;
}

TEST(ListeAidePerso, VisiblePlainFilesOnlyByNameAndAmpersandsApart)
{
    QTemporaryDir dossier;
    for (const char* nom : {"zeta.txt", "Alpha.pdf", ".cache", "R&D.txt", "beta.odt"})
        Creer(dossier.filePath(QString::fromUtf8(nom)));
    ASSERT_TRUE(QDir(dossier.path()).mkdir(QStringLiteral("sous-dossier")));
    ASSERT_TRUE(QFile::link(dossier.filePath(QStringLiteral("absent")), dossier.filePath(QStringLiteral("lien-casse"))));

    const TFichiersAidePerso tous = ListerAidePerso(dossier.path(), QStringLiteral("*.*"));
    EXPECT_EQ(tous.noms, (QStringList{QStringLiteral("Alpha.pdf"), QStringLiteral("beta.odt"), QStringLiteral("zeta.txt")}));
    EXPECT_EQ(tous.refuses, QStringList{QStringLiteral("R&D.txt")});

    const TFichiersAidePerso textes = ListerAidePerso(dossier.path(), QStringLiteral("*.txt"));
    EXPECT_EQ(textes.noms, QStringList{QStringLiteral("zeta.txt")});
}

TEST(ListeAidePerso, FolderHoldingOnlyAHiddenFileListsNothing)
{
    QTemporaryDir dossier;
    Creer(dossier.filePath(QStringLiteral(".memo.txt")));
    const TFichiersAidePerso fichiers = ListerAidePerso(dossier.path(), QStringLiteral("*.*"));
    EXPECT_TRUE(fichiers.noms.isEmpty());
    EXPECT_TRUE(fichiers.refuses.isEmpty());
}

TEST(DossierAidePerso, MadeBesideTheApplicationWhenMissing)
{
    QTemporaryDir application;
    const QString dossier = PreparerDossierAidePerso(application.path());
    EXPECT_EQ(dossier, application.filePath(QStringLiteral("AIDE_PERSO")));
    EXPECT_TRUE(QFileInfo(dossier).isDir());
    EXPECT_EQ(PreparerDossierAidePerso(application.path()), dossier) << "an existing folder is kept";
}

TEST(DossierAidePerso, ApplicationFolderThatCannotHoldItFallsBackOnTheUserDataFolder)
{
    DonneesUtilisateur donnees;
    QTemporaryDir application;
    // A plain file where the folder should be: nothing can be made under it,
    // whoever runs the test.
    const QString bloque = application.filePath(QStringLiteral("bin"));
    Creer(bloque);
    const QString dossier = PreparerDossierAidePerso(bloque);
    EXPECT_TRUE(dossier.startsWith(donnees.dossier.path())) << dossier.toStdString();
    EXPECT_TRUE(dossier.endsWith(QStringLiteral("/AIDE_PERSO")));
    EXPECT_TRUE(QFileInfo(dossier).isDir());
}

TEST(DossierAidePerso, NeitherFolderGivesAnInputOutputError)
{
    DonneesUtilisateur donnees;
    QTemporaryDir application;
    const QString bloque = application.filePath(QStringLiteral("bin"));
    Creer(bloque);
    // The user's data folder cannot be made either.
    const QString donneesBloquees = donnees.dossier.filePath(QStringLiteral("fichier"));
    Creer(donneesBloquees);
    qputenv("XDG_DATA_HOME", donneesBloquees.toUtf8());
    EXPECT_THROW(PreparerDossierAidePerso(bloque), EInOutError);
}

// Opening a memo file: what the desktop is asked, and what the user reads.
class OuvertureShell : public ::testing::Test {
protected:
    TOuvreurFichiers Ouvreur(bool reussit)
    {
        return [this, reussit](const QUrl& url) {
            demandes.append(url);
            return reussit;
        };
    }

    QTemporaryDir dossier;
    FakePlatformServices plateforme;
    QList<QUrl> demandes;
};

TEST_F(OuvertureShell, ExistingFileGoesToTheDesktopSilently)
{
    const QString fichier = dossier.filePath(QStringLiteral("memo.txt"));
    Creer(fichier);
    OuvrirAvecShell(fichier, Ouvreur(true));
    EXPECT_EQ(demandes, QList<QUrl>{QUrl::fromLocalFile(fichier)});
    EXPECT_TRUE(plateforme.messages.empty());
}

TEST_F(OuvertureShell, FailuresAreToldWithTheFileAndTheirFrenchText)
{
    const QString present = dossier.filePath(QStringLiteral("memo.xyz"));
    Creer(present);
    const QString absent = dossier.filePath(QStringLiteral("parti.txt"));
    const QString sansDossier = dossier.filePath(QStringLiteral("nulle-part/memo.txt"));

    OuvrirAvecShell(absent, Ouvreur(true));
    OuvrirAvecShell(sansDossier, Ouvreur(true));
    OuvrirAvecShell(present, Ouvreur(false));
    EXPECT_EQ(demandes, QList<QUrl>{QUrl::fromLocalFile(present)}) << "only a file that is there goes to the desktop";
    EXPECT_EQ(plateforme.messages,
              (std::vector<QString>{absent + QStringLiteral(" :\npas trouvé le fichier spécifié"),
                                    sansDossier + QStringLiteral(" :\nchemin pas trouvé"),
                                    present + QStringLiteral(" :\naucune application associée à cette extension")}));
}

TEST_F(OuvertureShell, UnreadableFileIsRefusedAccess)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root reads every file";
    const QString fichier = dossier.filePath(QStringLiteral("secret.txt"));
    Creer(fichier);
    ASSERT_TRUE(QFile::setPermissions(fichier, QFileDevice::WriteOwner));
    EXPECT_EQ(ExecuterOuvrir(fichier, Ouvreur(true)), kShellAccesRefuse);
    EXPECT_TRUE(demandes.isEmpty());
}

TEST(TexteEchecShell, KnownCodesHaveTheirTextOthersTheirNumber)
{
    EXPECT_EQ(TexteEchecShell(5), QStringLiteral("accès refusé"));
    EXPECT_EQ(TexteEchecShell(28), QStringLiteral("requête DDE : délai de réponse dépassé"));
    EXPECT_EQ(TexteEchecShell(32), QStringLiteral("une bibliothèque nécessaire est introuvable"));
    EXPECT_EQ(TexteEchecShell(12), QStringLiteral("erreur inconnue (12)"));
}

TEST_F(OuvertureShell, WithoutAnOpenerTheApplicationDesktopIsAsked)
{
    const QString fichier = dossier.filePath(QStringLiteral("memo.txt"));
    Creer(fichier);
    plateforme.openUrlSucceeds = false;
    OuvrirAvecShell(fichier);
    EXPECT_EQ(plateforme.openedUrls, std::vector<QUrl>{QUrl::fromLocalFile(fichier)});
    EXPECT_EQ(plateforme.messages, std::vector<QString>{fichier + QStringLiteral(" :\naucune application associée à cette extension")});
}
