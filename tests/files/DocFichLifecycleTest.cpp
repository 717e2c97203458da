#include "DocFichTestSupport.h"
#include "files/DocumentNames.h"
#include "util/Errors.h"
#include "util/FileDialogFilter.h"

namespace {

using A = PlatformServices::Answer;

const QString kFiltre = QStringLiteral("fichiers Tolvane (*.Tolvane)|*.Tolvane|tous fichiers (*.*)|*.*");

TEST(NomNouveau, FormatsTheOneNumberOfThePatternAndNothingElse)
{
    const struct {
        const char* format;
        int numero;
        const char* attendu;
    } cases[] = {
        {"NC%2.2d", 1, "NC01"},   {"NC%2.2d", 123, "NC123"}, {"", 3, "Nouveau3"},  {"MOD%03d", 7, "MOD007"},
        {"A%-3dB", 5, "A5  B"},   {"100%% %d", 5, "100% 5"}, {"%s-%d", 2, "%s-2"}, {"%d-%d", 4, "4-%d"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NomNouveau(QString::fromUtf8(c.format), c.numero), QString::fromUtf8(c.attendu)) << c.format;
}

TEST(NomEnregistrerSous, LowerCasesTheFileNameAndGivesItTheExtensionOfItsFilterEntry)
{
    const struct {
        const char* choisi;
        const char* attendu;
    } cases[] = {
        {"/docs/Essai", "/docs/essai.tolvane"},
        {"/docs/Essai.Tolvane", "/docs/essai.tolvane"},
        {"/docs/Essai.txt", "/docs/essai.txt.tolvane"},
        // Folders are kept as they are spelled: /Docs and /docs are two folders here.
        {"/Docs/Projet A/ESSAI.TOLVANE", "/Docs/Projet A/essai.tolvane"},
    };
    for (const auto& c : cases) {
        const QString choisi = QString::fromUtf8(c.choisi);
        EXPECT_EQ(NomEnregistrerSous(choisi, kFiltre, EntreeFiltrePourNom(kFiltre, choisi)), QString::fromUtf8(c.attendu))
            << c.choisi;
    }
    EXPECT_EQ(FiltreDialogue(kFiltre), QStringLiteral("fichiers Tolvane (*.Tolvane);;tous fichiers (*.*)"));
    EXPECT_EQ(CheminBak(QStringLiteral("/d/nc01.tolvane"), QStringLiteral("+bak")), QStringLiteral("/d/nc01.tolvane.bak"));
    EXPECT_EQ(CheminBak(QStringLiteral("/d/nc01.tolvane"), QStringLiteral("+.. bak")), QStringLiteral("/d/nc01.tolvane.bak"));
    EXPECT_EQ(CheminBak(QStringLiteral("/d/nc01.tolvane"), QString()), QString());
}

TEST_F(DocFichTest, NewDocumentsSkipExistingNamesAndNeverReuseANumberOfTheRun)
{
    WriteDocument(path(QStringLiteral("NC01.Tolvane")), QStringLiteral("existant"));
    ASSERT_TRUE(DF.Nouveau());
    EXPECT_TRUE(DF.DocNouveau());
    EXPECT_EQ(DF.FicActif()->PathNv, path(QStringLiteral("NC02.Tolvane")));
    EXPECT_EQ(DF.PathFichier(), QString());
    EXPECT_FALSE(DF.Modified());
    EXPECT_FALSE(hasLockFile(path(QStringLiteral("NC02.Tolvane")))) << "a new document holds no lock";

    // Discarded without ever being saved: its number is not offered again.
    ASSERT_TRUE(DF.Nouveau());
    EXPECT_EQ(DF.FicActif()->PathNv, path(QStringLiteral("NC03.Tolvane")));
    EXPECT_EQ(app.discards, 1);
    EXPECT_TRUE(platform.questions.empty());
}

TEST_F(DocFichTest, SavesKeepOneBackupOfThePreviousVersionAndSaveAsMakesNone)
{
    ASSERT_TRUE(DF.Nouveau());
    app.Edit(QStringLiteral("v1"));
    ASSERT_TRUE(DF.Modified());

    // The first save of a new document asks for a name.
    platform.fileNames.push_back(path(QStringLiteral("Essai")));
    ASSERT_TRUE(DF.Enregistrer());
    const QString essai = path(QStringLiteral("essai.tolvane"));
    EXPECT_EQ(DF.PathFichier(), essai);
    EXPECT_FALSE(DF.DocNouveau());
    EXPECT_FALSE(DF.Modified());
    EXPECT_EQ(MemoOf(essai), QStringLiteral("v1"));
    EXPECT_FALSE(QFileInfo::exists(essai + QStringLiteral(".bak")));
    EXPECT_TRUE(hasLockFile(essai));
    EXPECT_EQ(DF.Recents(), QStringList{essai});

    app.Edit(QStringLiteral("v2"));
    ASSERT_TRUE(DF.Enregistrer());
    EXPECT_EQ(MemoOf(essai), QStringLiteral("v2"));
    EXPECT_EQ(MemoOf(essai + QStringLiteral(".bak")), QStringLiteral("v1"));

    app.Edit(QStringLiteral("v3"));
    ASSERT_TRUE(DF.Enregistrer());
    EXPECT_EQ(MemoOf(essai), QStringLiteral("v3"));
    EXPECT_EQ(MemoOf(essai + QStringLiteral(".bak")), QStringLiteral("v2"));
    EXPECT_EQ(platform.fileNames.size(), 0u);

    // Save as: a new path, its lock, no backup; the old path's lock goes.
    app.Edit(QStringLiteral("v4"));
    platform.fileNames.push_back(path(QStringLiteral("Copie.Tolvane")));
    ASSERT_TRUE(DF.EnregistrerSous());
    const QString copie = path(QStringLiteral("copie.tolvane"));
    EXPECT_EQ(DF.PathFichier(), copie);
    EXPECT_EQ(MemoOf(copie), QStringLiteral("v4"));
    EXPECT_FALSE(QFileInfo::exists(copie + QStringLiteral(".bak")));
    EXPECT_TRUE(hasLockFile(copie));
    EXPECT_FALSE(hasLockFile(essai));
    EXPECT_EQ(DF.Recents(), (QStringList{copie, essai}));
    EXPECT_EQ(app.writes.back().mode, TDocFich::kEcrireNouveauChemin);

    // Nothing but the documents, their backup and the lock is left in the folder.
    EXPECT_EQ(files(), (QStringList{QStringLiteral("copie.tolvane"), QStringLiteral("copie.~tolvane"),
                                    QStringLiteral("essai.tolvane"), QStringLiteral("essai.tolvane.bak")}));
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(DocFichTest, SaveAsAsksBeforeReplacingAFileAndRefusesItsOwnLockedPath)
{
    const QString autre = path(QStringLiteral("autre.tolvane"));
    WriteDocument(autre, QStringLiteral("autre"));
    const QString doc = path(QStringLiteral("doc.tolvane"));
    WriteDocument(doc, QStringLiteral("doc"));
    ASSERT_TRUE(DF.Ouvrir(doc));
    app.Edit(QStringLiteral("doc modifié"));

    platform.fileNames.push_back(autre);
    platform.answers.push_back(A::No);
    EXPECT_FALSE(DF.EnregistrerSous());
    EXPECT_EQ(platform.questions.back(), autre + QStringLiteral(" :\r ce fichier existe déjà ; voulez-vous le remplacer?"));
    EXPECT_EQ(MemoOf(autre), QStringLiteral("autre"));

    // Onto its own path the document's own lock cannot be taken a second time.
    platform.fileNames.push_back(doc);
    platform.answers.push_back(A::Yes);
    EXPECT_FALSE(DF.EnregistrerSous());
    EXPECT_EQ(platform.messages, std::vector<QString>{QStringLiteral("document en cours d'utilisation, ne peut être remplacé")});
    EXPECT_EQ(MemoOf(doc), QStringLiteral("doc"));
    EXPECT_TRUE(hasLockFile(doc)) << "the refused save as leaves the document its lock";
    EXPECT_TRUE(DF.Modified());

    platform.fileNames.push_back(autre);
    platform.answers.push_back(A::Yes);
    ASSERT_TRUE(DF.EnregistrerSous());
    EXPECT_EQ(MemoOf(autre), QStringLiteral("doc modifié"));
    EXPECT_EQ(MemoOf(doc), QStringLiteral("doc"));
    EXPECT_FALSE(hasLockFile(doc));
}

TEST_F(DocFichTest, ReadOnlyFileIsOpenedOnlyWhenTheUserAgreesAndThenHoldsNoLock)
{
    const QString doc = path(QStringLiteral("protege.tolvane"));
    WriteDocument(doc, QStringLiteral("protégé"));
    ASSERT_TRUE(QFile::setPermissions(doc, QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther));

    platform.answers.push_back(A::No);
    EXPECT_FALSE(DF.Ouvrir(doc));
    EXPECT_EQ(platform.questions.back(), QStringLiteral("le fichier est en lecture seule, ouvrir quand même?"));
    EXPECT_TRUE(app.readModes.empty());

    platform.answers.push_back(A::Yes);
    ASSERT_TRUE(DF.Ouvrir(doc));
    EXPECT_TRUE(DF.LectureSeule());
    EXPECT_EQ(app.readModes, std::vector<int>{TDocFich::kLireLectureSeule});
    EXPECT_FALSE(hasLockFile(doc));
    EXPECT_EQ(app.doc->MemoFich, QStringLiteral("protégé"));

    // Saving a read-only document asks for a new name; cancelled, nothing is written.
    app.Edit(QStringLiteral("changé"));
    EXPECT_FALSE(DF.Enregistrer());
    EXPECT_TRUE(app.writes.empty());
}

TEST_F(DocFichTest, DocumentLockedElsewhereIsOfferedReadOnlyAndCannotBeSavedOver)
{
    const QString doc = path(QStringLiteral("partage.tolvane"));
    WriteDocument(doc, QStringLiteral("partagé"));
    FileLockRegistry otherInstance{[](int) {}, [](int) { return OwnerName{QStringLiteral("dupont"), {}}; }};
    ASSERT_TRUE(otherInstance.acquire(doc, kVerrouNomUtil).held());

    const QString question = doc + QStringLiteral(" :\r") + QStringLiteral("document en cours d'utilisation, ne peut être ouvert\r")
                             + QStringLiteral("voulez-vous l'ouvrir en lecture seule?\r")
                             + QStringLiteral("Remarque : vos modifications ne seront pas enregistrées");
    platform.answers.push_back(A::No);
    EXPECT_FALSE(DF.Ouvrir(doc));
    EXPECT_EQ(platform.questions.back(), question);

    platform.answers.push_back(A::Yes);
    ASSERT_TRUE(DF.Ouvrir(doc));
    EXPECT_TRUE(DF.LectureSeule());
    EXPECT_EQ(app.readModes.back(), TDocFich::kLireLectureSeule);

    app.Edit(QStringLiteral("ma version"));
    platform.fileNames.push_back(doc);
    platform.answers.push_back(A::Yes);
    EXPECT_FALSE(DF.Enregistrer());
    EXPECT_EQ(platform.messages.back(), QStringLiteral("document en cours d'utilisation, ne peut être remplacé"));
    EXPECT_EQ(MemoOf(doc), QStringLiteral("partagé"));

    // Saved under a name of its own, the copy becomes an ordinary document.
    platform.fileNames.push_back(path(QStringLiteral("ma copie")));
    ASSERT_TRUE(DF.Enregistrer());
    EXPECT_FALSE(DF.LectureSeule());
    EXPECT_TRUE(hasLockFile(path(QStringLiteral("ma copie.tolvane"))));
    app.Edit(QStringLiteral("ma version 2"));
    ASSERT_TRUE(DF.Enregistrer());
    EXPECT_EQ(MemoOf(path(QStringLiteral("ma copie.tolvane"))), QStringLiteral("ma version 2"));
    ASSERT_TRUE(DF.Fermer(true));
    EXPECT_FALSE(hasLockFile(path(QStringLiteral("ma copie.tolvane"))));
}

TEST_F(DocFichTest, UnsavedChangesPromptDecidesWhetherTheDocumentCloses)
{
    const QString doc = path(QStringLiteral("memo.tolvane"));
    WriteDocument(doc, QStringLiteral("avant"));
    ASSERT_TRUE(DF.Ouvrir(doc));
    app.Edit(QStringLiteral("après"));
    const QString question = doc + QStringLiteral(" : \r")
                             + QStringLiteral("  les modifications de ce document ne sont pas enregistrées ;\r\n")
                             + QStringLiteral("  faut-il les enregistrer ?");

    platform.answers.push_back(A::Cancel);
    EXPECT_FALSE(DF.Fermer(true));
    EXPECT_EQ(platform.questions.back(), question);
    EXPECT_TRUE(DF.DocActif());
    EXPECT_EQ(app.discards, 0);

    platform.answers.push_back(A::Yes);
    EXPECT_TRUE(DF.Fermer(true));
    EXPECT_FALSE(DF.DocActif());
    EXPECT_EQ(MemoOf(doc), QStringLiteral("après"));
    EXPECT_FALSE(hasLockFile(doc));

    ASSERT_TRUE(DF.Ouvrir(doc));
    app.Edit(QStringLiteral("abandonné"));
    platform.answers.push_back(A::No);
    EXPECT_TRUE(DF.Fermer(true));
    EXPECT_EQ(MemoOf(doc), QStringLiteral("après"));
    EXPECT_EQ(app.discards, 2);
    EXPECT_EQ(app.doc, nullptr);

    // Every operation ends with the refresh hook.
    const int before = app.refreshes;
    DF.Fermer(true);
    EXPECT_GT(app.refreshes, before);
}

TEST_F(DocFichTest, RecentEntryWhoseFileIsGoneClosesTheDocumentAndOpensNothing)
{
    const QString a = path(QStringLiteral("a.tolvane"));
    const QString b = path(QStringLiteral("b.tolvane"));
    WriteDocument(a, QStringLiteral("a"));
    WriteDocument(b, QStringLiteral("b"));
    ASSERT_TRUE(DF.Ouvrir(b));
    ASSERT_TRUE(DF.Ouvrir(a));
    ASSERT_TRUE(DF.Ouvrir(b));
    EXPECT_EQ(DF.Recents(), (QStringList{b, a}));

    ASSERT_TRUE(QFile::remove(a));
    EXPECT_FALSE(DF.OuvrirRecent(a));
    EXPECT_FALSE(DF.DocActif());
    ASSERT_EQ(platform.messages.size(), 1u) << "the user learns why nothing opened";
    EXPECT_TRUE(platform.messages[0].contains(QStringLiteral("a.tolvane")));
    EXPECT_TRUE(platform.questions.empty());
    EXPECT_FALSE(hasLockFile(b));
}

TEST_F(DocFichTest, OpenedFileThatCannotBeReadLeavesNoDocumentAndNoLock)
{
    const QString doc = path(QStringLiteral("dossier.tolvane"));
    ASSERT_TRUE(QDir(folder).mkdir(QStringLiteral("dossier.tolvane")));
    EXPECT_FALSE(DF.Ouvrir(doc)) << "a folder is no document";

    const QString casse = path(QStringLiteral("casse.tolvane"));
    writeFile(casse, "x");
    DF.OnLire = [](const QString&, TCtrlFic*, int, TDoUndo*&, bool&, bool&) { throw EInOutError(QStringLiteral("illisible")); };
    EXPECT_FALSE(DF.Ouvrir(casse));
    EXPECT_FALSE(DF.DocActif());
    EXPECT_FALSE(hasLockFile(casse));
    EXPECT_TRUE(DF.Recents().isEmpty());
}

} // namespace
