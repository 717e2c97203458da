#include "DocFichTestSupport.h"
#include "files/AutoSaveRecovery.h"

#include <QDateTime>
#include <sys/stat.h>

namespace {

using A = PlatformServices::Answer;

// The file's modification time, minutesAgo before a fixed instant, so that
// "newer" never depends on the clock's resolution.
void Dater(const QString& path, int minutesAgo)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite)) << path.toStdString();
    const QDateTime reference(QDate(2026, 3, 2), QTime(9, 30));
    ASSERT_TRUE(file.setFileTime(reference.addSecs(-60 * minutesAgo), QFileDevice::FileModificationTime));
}

// A saved document and, beside it, the side file of a session that ended
// before saving its changes.
class Recuperation : public DocFichTest {
protected:
    Recuperation()
    {
        WriteDocument(doc, QStringLiteral("enregistré"));
        WriteDocument(svg, QStringLiteral("modifié avant l'arrêt"));
        Dater(doc, 30);
        Dater(svg, 5);
    }

    const QString doc = path(QStringLiteral("contrefort.tolvane"));
    const QString svg = doc + QStringLiteral(".SVG");
};

TEST_F(Recuperation, OnlyANewerSideFileOfAnotherRunIsOffered)
{
    const struct {
        const char* cas;
        int documentMinutesAgo;
        int sideMinutesAgo; // -1: no side file
        bool writtenByThisRun;
        bool offered;
    } cases[] = {
        {"newer side file", 30, 5, false, true},
        {"older side file (the document was saved since)", 5, 30, false, false},
        {"same time", 10, 10, false, false},
        {"no side file", 30, -1, false, false},
        {"this run's own side file", 30, 5, true, false},
    };
    for (const auto& c : cases) {
        Dater(doc, c.documentMinutesAgo);
        if (c.sideMinutesAgo < 0) {
            QFile::remove(svg);
        } else {
            WriteDocument(svg, QStringLiteral("modifié"));
            Dater(svg, c.sideMinutesAgo);
        }
        const QStringList thisRun = c.writtenByThisRun ? QStringList{svg} : QStringList{};
        const auto found = SvgAbandonne(doc, thisRun);
        EXPECT_EQ(found.has_value(), c.offered) << c.cas;
        if (found) {
            EXPECT_EQ(*found, svg) << c.cas;
        }
    }
    EXPECT_EQ(NomFichierSvg(doc), svg);
}

TEST_F(Recuperation, YesOpensTheRecoveredVersionUnderTheDocumentsNameToBeSaved)
{
    platform.answers = {A::Yes};
    ASSERT_TRUE(DF.Ouvrir(doc));
    ASSERT_EQ(platform.questions.size(), 1u);
    const QString& question = platform.questions.front();
    EXPECT_TRUE(question.startsWith(QStringLiteral("Une version enregistrée automatiquement du document")));
    EXPECT_TRUE(question.contains(QStringLiteral("Document :\n  ") + doc + QStringLiteral("\n  enregistré le 02/03/2026 à 09:00:00")));
    EXPECT_TRUE(question.contains(svg + QStringLiteral("\n  du 02/03/2026 à 09:25:00"))) << "when the side file was written";
    EXPECT_TRUE(question.contains(QStringLiteral("Voulez-vous ouvrir la version enregistrée automatiquement ?")));

    EXPECT_EQ(app.readSources, std::vector<QString>{svg});
    EXPECT_EQ(app.doc->MemoFich, QStringLiteral("modifié avant l'arrêt"));
    EXPECT_EQ(DF.PathFichier(), doc);
    EXPECT_EQ(app.doc->pathF, doc);
    EXPECT_FALSE(DF.LectureSeule());
    EXPECT_TRUE(hasLockFile(doc));
    EXPECT_TRUE(DF.Modified()) << "the recovered changes are not saved yet";
    EXPECT_EQ(MemoOf(doc), QStringLiteral("enregistré")) << "nothing is written before the user saves";
    EXPECT_EQ(MemoOf(svg), QStringLiteral("modifié avant l'arrêt"));

    // Saving writes the recovered version into the document itself.
    ASSERT_TRUE(DF.Enregistrer());
    EXPECT_FALSE(DF.Modified());
    EXPECT_EQ(MemoOf(doc), QStringLiteral("modifié avant l'arrêt"));
    EXPECT_EQ(MemoOf(doc + QStringLiteral(".bak")), QStringLiteral("enregistré"));
    // The side file is now this run's own: a normal end deletes it.
    EXPECT_EQ(DF.FichiersSvg(), QStringList{svg});
    DF.FinAppli();
    EXPECT_FALSE(QFileInfo::exists(svg));
}

TEST_F(Recuperation, NoOpensTheSavedDocumentAndDeletesTheSideFileOnlyWhenConfirmed)
{
    const struct {
        A suppression;
        bool sideFileKept;
    } cases[] = {{A::No, true}, {A::Yes, false}};
    for (const auto& c : cases) {
        WriteDocument(svg, QStringLiteral("modifié avant l'arrêt"));
        Dater(svg, 5);
        platform.questions.clear();
        platform.answers = {A::No, c.suppression};
        ASSERT_TRUE(DF.Ouvrir(doc));
        ASSERT_EQ(platform.questions.size(), 2u);
        EXPECT_TRUE(platform.questions[1].startsWith(
            QStringLiteral("Faut-il supprimer définitivement la version enregistrée automatiquement\n") + svg));
        EXPECT_EQ(app.readSources.back(), QString());
        EXPECT_EQ(app.doc->MemoFich, QStringLiteral("enregistré"));
        EXPECT_FALSE(DF.Modified());
        EXPECT_EQ(QFileInfo::exists(svg), c.sideFileKept);
        if (c.sideFileKept) {
            EXPECT_EQ(MemoOf(svg), QStringLiteral("modifié avant l'arrêt"));
        }
        EXPECT_TRUE(DF.FichiersSvg().isEmpty()) << "a side file the user kept is not deleted at the end of the run";
        ASSERT_TRUE(DF.Fermer(true));
    }
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(Recuperation, CancelOpensNothingAndReleasesTheLock)
{
    platform.answers = {A::Cancel};
    EXPECT_FALSE(DF.Ouvrir(doc));
    EXPECT_FALSE(DF.DocActif());
    EXPECT_TRUE(app.readModes.empty());
    EXPECT_FALSE(hasLockFile(doc));
    EXPECT_EQ(MemoOf(svg), QStringLiteral("modifié avant l'arrêt"));
    EXPECT_EQ(platform.questions.size(), 1u);
}

TEST_F(Recuperation, AnUnreadableSideFileFallsBackToTheSavedDocumentAndIsKept)
{
    // The application refuses the side file (the main window's reader checks
    // that it is a whole document).
    std::vector<QString> attempts;
    DF.OnLire = [&attempts, lire = DF.OnLire](const QString& PF, TCtrlFic* HF, int mode, TDoUndo*& DU, bool& ok,
                                              bool& modif) {
        attempts.push_back(HF->FFichierRecupere);
        if (HF->FFichierRecupere.isEmpty())
            lire(PF, HF, mode, DU, ok, modif);
        else
            ok = false;
    };
    Dater(svg, 5);
    platform.answers = {A::Yes};
    ASSERT_TRUE(DF.Ouvrir(doc));
    EXPECT_EQ(attempts, (std::vector<QString>{svg, QString()}));
    EXPECT_EQ(app.doc->MemoFich, QStringLiteral("enregistré"));
    EXPECT_FALSE(DF.Modified());
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_TRUE(platform.messages.front().contains(QStringLiteral("n'a pas pu être lue")));
    EXPECT_TRUE(DF.FichiersSvg().isEmpty());
    EXPECT_TRUE(QFileInfo::exists(svg));
}

TEST_F(Recuperation, AReadOnlyCopyAsksNothing)
{
    ASSERT_EQ(::chmod(QFile::encodeName(doc).constData(), 0444), 0);
    platform.answers = {A::Yes};
    ASSERT_TRUE(DF.Ouvrir(doc));
    EXPECT_TRUE(DF.LectureSeule());
    ASSERT_EQ(platform.questions.size(), 1u) << "only the read-only question";
    EXPECT_EQ(app.readSources, std::vector<QString>{QString()});
    EXPECT_EQ(app.doc->MemoFich, QStringLiteral("enregistré"));
    ::chmod(QFile::encodeName(doc).constData(), 0644);
}

TEST_F(DocFichTest, ChangesDroppedInThisRunAreNotOfferedAgain)
{
    const QString doc = path(QStringLiteral("calcul.tolvane"));
    WriteDocument(doc, QStringLiteral("enregistré"));
    Dater(doc, 30);
    ASSERT_TRUE(DF.Ouvrir(doc));
    app.Edit(QStringLiteral("abandonné"));
    DF.TopSauvegardeAuto();
    DF.SurRepos();
    ASSERT_TRUE(QFileInfo::exists(NomFichierSvg(doc)));
    platform.answers = {A::No}; // do not save the changes
    ASSERT_TRUE(DF.Fermer(true));
    ASSERT_TRUE(DF.Ouvrir(doc));
    EXPECT_EQ(platform.questions.size(), 1u) << "only the unsaved-changes question";
    EXPECT_EQ(app.doc->MemoFich, QStringLiteral("enregistré"));
    DF.FinAppli();
}

} // namespace
