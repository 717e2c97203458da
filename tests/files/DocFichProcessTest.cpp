#include "DocFichTestSupport.h"

#include <QProcess>
#include <QThread>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int kProcessTimeoutMs = 60000;

// Another instance of the application saving documents, in its own process.
class SavingInstance {
public:
    SavingInstance(const QString& action, const QString& document)
    {
        process_.start(QStringLiteral(TOLVANE_DOCUMENT_SAVER), {action, document});
    }
    ~SavingInstance() { kill(); }
    SavingInstance(const SavingInstance&) = delete;
    SavingInstance& operator=(const SavingInstance&) = delete;

    // The next line it printed, without its end; its error output when it
    // ended without one.
    QString line()
    {
        while (!process_.canReadLine())
            if (!process_.waitForReadyRead(kProcessTimeoutMs))
                return QStringLiteral("<fin> ") + QString::fromUtf8(process_.readAllStandardError());
        return QString::fromUtf8(process_.readLine()).trimmed();
    }
    void kill()
    {
        if (process_.state() != QProcess::NotRunning) {
            process_.kill();
            process_.waitForFinished(kProcessTimeoutMs);
        }
    }
    int exitCode()
    {
        process_.waitForFinished(kProcessTimeoutMs);
        return process_.exitCode();
    }

private:
    QProcess process_;
};

TEST_F(DocFichTest, ProcessKilledWhileSavingLeavesAWholeVersionAndTheOneBeforeAsBackup)
{
    const QString doc = path(QStringLiteral("boucle.tolvane"));
    WriteDocument(doc, VersionMemo(0));
    // Killed at a few different moments of its loop of saves.
    for (const int afterMs : {0, 15, 40, 90}) {
        SavingInstance saver(QStringLiteral("boucle"), doc);
        ASSERT_EQ(saver.line(), QStringLiteral("pret"));
        QThread::msleep(static_cast<unsigned long>(afterMs));
        saver.kill();

        const int version = VersionOf(MemoOf(doc));
        const int backup = VersionOf(MemoOf(doc + QStringLiteral(".bak")));
        EXPECT_GE(version, 1) << "killed after " << afterMs << " ms";
        EXPECT_TRUE(backup == version - 1 || backup == version)
            << "killed after " << afterMs << " ms: document " << version << ", backup " << backup;
        EXPECT_TRUE(hasLockFile(doc)) << "the killed instance could not release its lock";
    }

    // The stale lock is taken over at once: the document opens for editing.
    const int version = VersionOf(MemoOf(doc));
    ASSERT_TRUE(DF.Ouvrir(doc));
    EXPECT_FALSE(DF.LectureSeule());
    EXPECT_TRUE(platform.questions.empty());
    EXPECT_EQ(VersionOf(app.doc->MemoFich), version);
}

TEST_F(DocFichTest, SideFileOfAKilledInstanceIsKeptAndItsStaleLockTakenOver)
{
    const QString doc = path(QStringLiteral("interrompu.tolvane"));
    const QString svg = doc + QStringLiteral(".SVG");
    WriteDocument(doc, QStringLiteral("enregistré"));
    {
        SavingInstance killed(QStringLiteral("svg"), doc);
        ASSERT_EQ(killed.line(), QStringLiteral("svg"));
        killed.kill();
    }
    EXPECT_TRUE(hasLockFile(doc));
    EXPECT_EQ(MemoOf(svg), QStringLiteral("modifié avant l'arrêt")) << "an abnormal end leaves the side file";

    // Offered the newer side file, the user opens the document as saved and
    // keeps the side file (AutoSaveRecoveryTest covers the other answers).
    platform.answers = {PlatformServices::Answer::No, PlatformServices::Answer::No};
    ASSERT_TRUE(DF.Ouvrir(doc));
    EXPECT_FALSE(DF.LectureSeule());
    EXPECT_EQ(app.readModes, std::vector<int>{TDocFich::kLireEdition});
    app.Edit(QStringLiteral("cette session"));
    DF.TopSauvegardeAuto();
    DF.SurRepos();

    // The killed session's changes are kept under another name, and the user told where.
    ASSERT_EQ(platform.messages.size(), 1u);
    const QString prefix =
        QStringLiteral("une sauvegarde automatique laissée par une session interrompue a été conservée sous le nom :\r");
    ASSERT_TRUE(platform.messages.front().startsWith(prefix));
    const QString kept = platform.messages.front().mid(prefix.size());
    EXPECT_EQ(MemoOf(kept), QStringLiteral("modifié avant l'arrêt"));
    EXPECT_EQ(MemoOf(svg), QStringLiteral("cette session"));

    DF.FinAppli();
    EXPECT_FALSE(QFileInfo::exists(svg));
    EXPECT_TRUE(QFileInfo::exists(kept)) << "only this run's side files are deleted at its end";
}

// A folder where the user may write the document but not create a file: as
// the superuser ignores permissions, the other instance runs as uid 65534.
TEST_F(DocFichTest, FolderWhereNoFileCanBeCreatedOffersReadOnlyAndLosesNothingOnSave)
{
    ASSERT_EQ(::chmod(QFile::encodeName(folder).constData(), 0755), 0);
    const QString protectedFolder = path(QStringLiteral("protege"));
    ASSERT_TRUE(QDir(folder).mkdir(QStringLiteral("protege")));
    const QString doc = protectedFolder + QStringLiteral("/calcul.tolvane");
    WriteDocument(doc, QStringLiteral("v2"));
    WriteDocument(doc + QStringLiteral(".bak"), QStringLiteral("v1"));
    if (::geteuid() == 0) {
        ASSERT_EQ(::chown(QFile::encodeName(doc).constData(), 65534, 65534), 0);
    }
    ASSERT_EQ(::chmod(QFile::encodeName(protectedFolder).constData(), 0555), 0);
    const QStringList before = QDir(protectedFolder).entryList(QDir::Files | QDir::Hidden);

    SavingInstance other(QStringLiteral("dossier-protege"), doc);
    const QString opened = other.line();
    const QString readOnly = other.line();
    const QString question = other.line();
    const QString saved = other.line();
    const QString modified = other.line();
    const QString message = other.line();
    EXPECT_EQ(other.exitCode(), 0) << opened.toStdString();
    ::chmod(QFile::encodeName(protectedFolder).constData(), 0755);

    EXPECT_EQ(opened, QStringLiteral("ouvert 1"));
    EXPECT_EQ(readOnly, QStringLiteral("lecture-seule 1")) << "no lock file can be made there";
    EXPECT_EQ(question, QStringLiteral("question ") + doc
                            + QStringLiteral(" :|document en cours d'utilisation, ne peut être ouvert|"
                                             "voulez-vous l'ouvrir en lecture seule?|"
                                             "Remarque : vos modifications ne seront pas enregistrées"));
    EXPECT_EQ(saved, QStringLiteral("enregistre 0"));
    EXPECT_EQ(modified, QStringLiteral("modifie 1"));
    EXPECT_EQ(message, QStringLiteral("message Impossible d'enregistrer le fichier \"%1\" : accès refusé").arg(doc));
    EXPECT_EQ(MemoOf(doc), QStringLiteral("v2"));
    EXPECT_EQ(MemoOf(doc + QStringLiteral(".bak")), QStringLiteral("v1"));
    EXPECT_EQ(QDir(protectedFolder).entryList(QDir::Files | QDir::Hidden), before);
}

} // namespace
