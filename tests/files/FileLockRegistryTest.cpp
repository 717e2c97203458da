#include "LockTestSupport.h"
#include "files/FileLockRegistry.h"
#include "files/FileLocks.h"
#include "files/LockFileName.h"

#include <QDir>
#include <QTimer>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const std::vector<int> kNineWaits(FileLockRegistry::kAttempts - 1, FileLockRegistry::kWaitMilliseconds);

using FileLockRegistryTest = LockFixture;

TEST_F(FileLockRegistryTest, FreeDocumentIsLockedAtOnceAndReleased)
{
    const QString document = path(QStringLiteral("nc01.Tolvane"));
    const QString lockFile = path(QStringLiteral("nc01.~Tolvane"));

    const LockAttempt attempt = locks.acquire(document, kVerrouNomUtil);
    EXPECT_EQ(attempt.outcome, LockOutcome::Held);
    EXPECT_EQ(attempt.attempts, 1);
    EXPECT_TRUE(waits.empty());
    EXPECT_TRUE(locks.holds(document));
    EXPECT_EQ(fileBytes(lockFile), lockRecord(QStringLiteral("DUPONT")));
    EXPECT_EQ(platform.waitCursorShown, 1);
    EXPECT_EQ(platform.waitCursorDepth, 0);
    EXPECT_TRUE(platform.messages.empty());

    locks.release(document);
    EXPECT_FALSE(QFileInfo::exists(lockFile));
    EXPECT_FALSE(locks.holds(document));
    EXPECT_TRUE(locks.empty());
}

TEST_F(FileLockRegistryTest, HeldLockIsRefusedAfterTenAttempts)
{
    const QString document = path(QStringLiteral("nc01.Tolvane"));
    ASSERT_TRUE(locks.acquire(document, kVerrouNomUtil).held());
    const QByteArray record = fileBytes(path(QStringLiteral("nc01.~Tolvane")));

    // Asked again by this process, or by another instance living in it: the
    // lock belongs to the open file, not to the process.
    FileLockRegistry otherInstance(recordWaits(), [](int) { return OwnerName{QStringLiteral("martin"), {}}; });
    for (FileLockRegistry* asker : {&locks, &otherInstance}) {
        SCOPED_TRACE(asker == &locks ? "same registry" : "other registry");
        waits.clear();
        const LockAttempt attempt = asker->acquire(document, kVerrouNomUtil);
        EXPECT_EQ(attempt.outcome, LockOutcome::InUse);
        EXPECT_EQ(attempt.attempts, FileLockRegistry::kAttempts);
        EXPECT_EQ(waits, kNineWaits);
        EXPECT_EQ(fileBytes(path(QStringLiteral("nc01.~Tolvane"))), record);
    }
    EXPECT_TRUE(otherInstance.empty());
    EXPECT_TRUE(locks.holds(document));
    EXPECT_EQ(platform.waitCursorDepth, 0);
}

TEST_F(FileLockRegistryTest, StaleLockFileIsTakenOverAtOnce)
{
    writeFile(path(QStringLiteral("nc01.~Tolvane")), QByteArray("laisse par une instance arretee net, bien plus long que 65 octets"
                                                                "............................................"));
    const LockAttempt attempt = locks.acquire(path(QStringLiteral("nc01.Tolvane")), kVerrouNomUtil);
    EXPECT_EQ(attempt.outcome, LockOutcome::Held);
    EXPECT_EQ(attempt.attempts, 1);
    EXPECT_TRUE(waits.empty());
    EXPECT_EQ(fileBytes(path(QStringLiteral("nc01.~Tolvane"))), lockRecord(QStringLiteral("dupont")));
}

TEST_F(FileLockRegistryTest, NoLockWhereNoLockFileCanBeMade)
{
    writeFile(path(QStringLiteral("fichier")), "pas un dossier");
    ASSERT_TRUE(QDir(folder).mkdir(QStringLiteral("dossier.~Tolvane")));
    writeFile(path(QStringLiteral("cible")), "ne doit pas changer");
    ASSERT_TRUE(QFile::link(path(QStringLiteral("cible")), path(QStringLiteral("piege.~Tolvane"))));

    const char* const documents[] = {
        "absent/nc01.Tolvane",  // folder missing
        "fichier/nc01.Tolvane", // "folder" is a file
        "dossier.Tolvane",      // the lock file's name is taken by a folder
        "piege.Tolvane",        // ... or by a link, which must not be followed
    };
    for (const char* document : documents) {
        SCOPED_TRACE(document);
        waits.clear();
        const LockAttempt attempt = locks.acquire(path(QString::fromUtf8(document)), kVerrouNomUtil);
        EXPECT_EQ(attempt.outcome, LockOutcome::CannotCreate);
        EXPECT_EQ(attempt.attempts, 1);
        EXPECT_TRUE(waits.empty());
    }
    EXPECT_TRUE(locks.empty());
    EXPECT_TRUE(platform.messages.empty()); // the caller tells the user
    EXPECT_EQ(fileBytes(path(QStringLiteral("cible"))), QByteArray("ne doit pas changer"));
}

TEST_F(FileLockRegistryTest, SpellingsDifferingInCaseAreTwoLocks)
{
    EXPECT_TRUE(locks.acquire(path(QStringLiteral("Essai.Tolvane")), kVerrouNomUtil).held());
    EXPECT_TRUE(locks.acquire(path(QStringLiteral("essai.tolvane")), kVerrouNomUtil).held());
    EXPECT_TRUE(QFileInfo::exists(path(QStringLiteral("Essai.~Tolvane"))));
    EXPECT_TRUE(QFileInfo::exists(path(QStringLiteral("essai.~tolvane"))));
    EXPECT_TRUE(waits.empty());
}

TEST_F(FileLockRegistryTest, LinkAndRelativePathReachTheSameLock)
{
    writeFile(path(QStringLiteral("nc01.Tolvane")), "document");
    ASSERT_TRUE(QFile::link(path(QStringLiteral("nc01.Tolvane")), path(QStringLiteral("lien.Tolvane"))));
    ASSERT_TRUE(QFile::link(folder, path(QStringLiteral("raccourci"))));
    ASSERT_TRUE(QDir(folder).mkdir(QStringLiteral("vide")));
    const CurrentFolder inFolder(folder);

    const QString spellings[] = {
        path(QStringLiteral("lien.Tolvane")),
        path(QStringLiteral("raccourci/nc01.Tolvane")),
        QStringLiteral("nc01.Tolvane"),
        QStringLiteral("./vide/../nc01.Tolvane"),
        // ".." walks up from the link's target, here the folder itself.
        QStringLiteral("raccourci/../%1/nc01.Tolvane").arg(QFileInfo(folder).fileName()),
    };
    for (const QString& spelling : spellings) {
        SCOPED_TRACE(spelling.toStdString());
        ASSERT_TRUE(locks.acquire(path(QStringLiteral("nc01.Tolvane")), kVerrouNomUtil).held());
        EXPECT_EQ(locks.acquire(spelling, kVerrouNomUtil).outcome, LockOutcome::InUse);
        EXPECT_TRUE(locks.holds(spelling));
        locks.release(spelling);
        EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("nc01.~Tolvane"))));
        EXPECT_TRUE(locks.empty());
    }
}

TEST_F(FileLockRegistryTest, LockIsFoundAgainAfterItsLinkChanged)
{
    // The document component releases the path it locked; the link it went
    // through may have been moved meanwhile.
    writeFile(path(QStringLiteral("a.Tolvane")), "a");
    writeFile(path(QStringLiteral("b.Tolvane")), "b");
    ASSERT_TRUE(QFile::link(path(QStringLiteral("a.Tolvane")), path(QStringLiteral("lien.Tolvane"))));
    ASSERT_TRUE(locks.acquire(path(QStringLiteral("lien.Tolvane")), kVerrouNomUtil).held());
    ASSERT_TRUE(QFile::remove(path(QStringLiteral("lien.Tolvane"))));
    ASSERT_TRUE(QFile::link(path(QStringLiteral("b.Tolvane")), path(QStringLiteral("lien.Tolvane"))));

    locks.release(path(QStringLiteral("lien.Tolvane")));
    EXPECT_TRUE(locks.empty());
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("a.~Tolvane"))));
}

TEST_F(FileLockRegistryTest, ReleasingWhatIsNotHeldChangesNothing)
{
    ASSERT_TRUE(locks.acquire(path(QStringLiteral("tenu.Tolvane")), kVerrouNomUtil).held());
    // Another instance's lock file, or a stale one: not ours to delete.
    writeFile(path(QStringLiteral("autre.~Tolvane")), "autre instance");

    for (const QString& document : {path(QStringLiteral("autre.Tolvane")), path(QStringLiteral("jamais.Tolvane")),
                                    QString(), QStringLiteral("   ")})
        locks.release(document);

    EXPECT_TRUE(locks.holds(path(QStringLiteral("tenu.Tolvane"))));
    EXPECT_TRUE(QFileInfo::exists(path(QStringLiteral("tenu.~Tolvane"))));
    EXPECT_EQ(fileBytes(path(QStringLiteral("autre.~Tolvane"))), QByteArray("autre instance"));
}

TEST_F(FileLockRegistryTest, ReleasingEverythingLeavesNoLockFile)
{
    const QString names[] = {QStringLiteral("un.Tolvane"), QStringLiteral("deux.Tolvane"), QStringLiteral("trois")};
    {
        FileLockRegistry instance(recordWaits(), dupont);
        for (const QString& name : names)
            ASSERT_TRUE(instance.acquire(path(name), kVerrouNomPC).held());
        instance.releaseAll();
        EXPECT_TRUE(instance.empty());
        EXPECT_EQ(QDir(folder).entryList(QDir::Files), QStringList());

        // An instance that ends without saying so still cleans up.
        for (const QString& name : names)
            ASSERT_TRUE(instance.acquire(path(name), kVerrouNomPC).held());
    }
    EXPECT_EQ(QDir(folder).entryList(QDir::Files), QStringList());
}

TEST_F(FileLockRegistryTest, BlankPathOrInvalidModeTouchesNoFile)
{
    struct Case {
        QString document;
        int mode;
        LockOutcome outcome;
        bool message;
    };
    const Case cases[] = {
        {QString(), kVerrouNomUtil, LockOutcome::NoDocument, false},
        {QStringLiteral(" \t"), kVerrouNomPC, LockOutcome::NoDocument, false},
        {path(QStringLiteral("nc01.Tolvane")), 0, LockOutcome::InvalidMode, true},
        {path(QStringLiteral("nc01.Tolvane")), 3, LockOutcome::InvalidMode, true},
        {path(QStringLiteral("nc01.Tolvane")), -1, LockOutcome::InvalidMode, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        platform.messages.clear();
        const LockAttempt attempt = locks.acquire(c.document, c.mode);
        EXPECT_EQ(attempt.outcome, c.outcome);
        EXPECT_EQ(attempt.attempts, 0);
        if (c.message)
            EXPECT_EQ(platform.messages,
                      std::vector<QString>{QStringLiteral("err.conception:VerrouillerAccesAuFichier, mode doit être 1 ou 2")});
        else
            EXPECT_TRUE(platform.messages.empty());
    }
    EXPECT_EQ(QDir(folder).entryList(QDir::Files), QStringList());
    EXPECT_EQ(platform.waitCursorShown, 0);
}

TEST_F(FileLockRegistryTest, OwnerOfTheModeIsWrittenAndARefusedNameIsReported)
{
    std::vector<int> askedModes;
    locks.setOwnerNameSource([&](int mode) {
        askedModes.push_back(mode);
        if (mode == kVerrouNomPC)
            return OwnerName{{}, QStringLiteral("Operation not permitted")};
        return OwnerName{QStringLiteral("durand"), {}};
    });

    ASSERT_TRUE(locks.acquire(path(QStringLiteral("poste.Tolvane")), kVerrouNomPC).held());
    ASSERT_TRUE(locks.acquire(path(QStringLiteral("util.Tolvane")), kVerrouNomUtil).held());

    EXPECT_EQ(askedModes, (std::vector<int>{kVerrouNomPC, kVerrouNomUtil}));
    EXPECT_EQ(platform.messages, std::vector<QString>{QStringLiteral("Operation not permitted")});
    EXPECT_EQ(fileBytes(path(QStringLiteral("poste.~Tolvane"))), lockRecord(QString()));
    EXPECT_EQ(fileBytes(path(QStringLiteral("util.~Tolvane"))), lockRecord(QStringLiteral("DURAND")));
}

TEST_F(FileLockRegistryTest, FailureWhileWaitingEndsTheAttempts)
{
    const QString document = path(QStringLiteral("nc01.Tolvane"));
    ASSERT_TRUE(locks.acquire(document, kVerrouNomUtil).held());
    FileLockRegistry otherInstance([](int) { throw std::runtime_error("interrompu"); }, dupont);

    const LockAttempt attempt = otherInstance.acquire(document, kVerrouNomUtil);
    EXPECT_FALSE(attempt.held());
    EXPECT_EQ(attempt.attempts, 1);
    EXPECT_TRUE(otherInstance.empty());
    EXPECT_EQ(platform.waitCursorDepth, 0);
}

// Root may open any file for writing: the test plays an ordinary user to meet a
// lock file that another user left and that it may read but not write.
class AsOrdinaryUser {
public:
    AsOrdinaryUser()
    {
        if (::geteuid() == 0)
            switched_ = ::seteuid(kNobody) == 0;
    }
    ~AsOrdinaryUser()
    {
        if (switched_ && ::seteuid(0) != 0)
            ADD_FAILURE() << "could not become root again";
    }
    AsOrdinaryUser(const AsOrdinaryUser&) = delete;
    AsOrdinaryUser& operator=(const AsOrdinaryUser&) = delete;
    bool ordinary() const { return ::geteuid() != 0; }

private:
    static constexpr uid_t kNobody = 65534;
    bool switched_ = false;
};

TEST_F(FileLockRegistryTest, AnotherUsersStaleLockFileIsReplacedButNotTheirHeldOne)
{
    ASSERT_TRUE(QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup
                                                  | QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther
                                                  | QFile::WriteOther | QFile::ExeOther));
    const QFile::Permissions readOnly = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
    writeFile(path(QStringLiteral("perime.~Tolvane")), "instance arretee net");
    ASSERT_TRUE(QFile::setPermissions(path(QStringLiteral("perime.~Tolvane")), readOnly));
    FileLockRegistry otherUser(recordWaits(), dupont);
    ASSERT_TRUE(otherUser.acquire(path(QStringLiteral("tenu.Tolvane")), kVerrouNomUtil).held());
    ASSERT_TRUE(QFile::setPermissions(path(QStringLiteral("tenu.~Tolvane")), readOnly));
    const QByteArray heldRecord = fileBytes(path(QStringLiteral("tenu.~Tolvane")));

    LockAttempt stale{LockOutcome::NoDocument, 0};
    LockAttempt held{LockOutcome::NoDocument, 0};
    {
        const AsOrdinaryUser ordinaryUser;
        if (!ordinaryUser.ordinary() || ::access(QFile::encodeName(folder).constData(), W_OK | X_OK) != 0)
            GTEST_SKIP() << "no ordinary user can reach the temporary folder";
        stale = locks.acquire(path(QStringLiteral("perime.Tolvane")), kVerrouNomUtil);
        held = locks.acquire(path(QStringLiteral("tenu.Tolvane")), kVerrouNomUtil);
    }
    EXPECT_EQ(stale.outcome, LockOutcome::Held);
    EXPECT_EQ(stale.attempts, 1);
    EXPECT_EQ(fileBytes(path(QStringLiteral("perime.~Tolvane"))), lockRecord(QStringLiteral("dupont")));
    EXPECT_EQ(held.outcome, LockOutcome::InUse);
    EXPECT_EQ(held.attempts, FileLockRegistry::kAttempts);
    EXPECT_EQ(fileBytes(path(QStringLiteral("tenu.~Tolvane"))), heldRecord);
    EXPECT_TRUE(otherUser.holds(path(QStringLiteral("tenu.Tolvane"))));
}

TEST(FileLockWaitTest, WaitingKeepsTheInterfaceAlive)
{
    bool timerFired = false;
    QTimer::singleShot(0, [&] { timerFired = true; });
    waitProcessingEvents(30);
    EXPECT_TRUE(timerFired);
}

// The procedures the document component calls, over the process's registry.
class FileLockProceduresTest : public LockFixture {
protected:
    void SetUp() override
    {
        LockFixture::SetUp();
        processFileLocks().setWait(recordWaits());
        processFileLocks().setOwnerNameSource(dupont);
    }
    void TearDown() override
    {
        DeverrouillerTousLesAcces();
        processFileLocks().setWait(waitProcessingEvents);
        processFileLocks().setOwnerNameSource(systemOwnerName);
    }
};

TEST_F(FileLockProceduresTest, OpenSaveAsAndShutDown)
{
    const QString opened = path(QStringLiteral("nc01.Tolvane"));
    const QString savedAs = path(QStringLiteral("nc02.Tolvane"));

    EXPECT_TRUE(VerrouillerAccesAuFichier(opened, kVerrouNomUtil));
    EXPECT_FALSE(VerrouillerAccesAuFichier(opened, kVerrouNomUtil)); // save as onto itself
    EXPECT_EQ(waits, kNineWaits);
    EXPECT_TRUE(VerrouillerAccesAuFichier(savedAs, kVerrouNomUtil));
    DeverrouillerAccesAuFichier(opened);
    EXPECT_FALSE(QFileInfo::exists(NomFichierVerrou(opened)));
    EXPECT_TRUE(QFileInfo::exists(NomFichierVerrou(savedAs)));
    EXPECT_TRUE(VerrouillerAccesAuFichier(opened, kVerrouNomUtil));

    DeverrouillerTousLesAcces();
    EXPECT_EQ(QDir(folder).entryList(QDir::Files), QStringList());
    EXPECT_TRUE(processFileLocks().empty());
}

} // namespace
