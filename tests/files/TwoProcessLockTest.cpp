#include "LockTestSupport.h"
#include "files/LockFileName.h"

#include <QProcess>

namespace {

constexpr int kProcessTimeoutMs = 30000;

// Another instance of the application, in its own process.
class OtherInstance {
public:
    OtherInstance(const QString& action, const QString& document)
    {
        process_.start(QStringLiteral(TOLVANE_LOCK_HOLDER), {action, document});
    }
    ~OtherInstance()
    {
        if (process_.state() != QProcess::NotRunning) {
            process_.kill();
            process_.waitForFinished(kProcessTimeoutMs);
        }
    }
    OtherInstance(const OtherInstance&) = delete;
    OtherInstance& operator=(const OtherInstance&) = delete;

    // The line it printed, without its end.
    QByteArray answer()
    {
        while (!process_.canReadLine())
            if (!process_.waitForReadyRead(kProcessTimeoutMs))
                return process_.readAllStandardError();
        return process_.readLine().trimmed();
    }
    void tell(const QByteArray& command)
    {
        process_.write(command + '\n');
        process_.closeWriteChannel();
    }
    // True when it ended by itself with status 0.
    bool endedNormally()
    {
        return process_.waitForFinished(kProcessTimeoutMs) && process_.exitStatus() == QProcess::NormalExit
            && process_.exitCode() == 0;
    }
    void kill()
    {
        process_.kill();
        process_.waitForFinished(kProcessTimeoutMs);
    }

private:
    QProcess process_;
};

using TwoProcessLockTest = LockFixture;

TEST_F(TwoProcessLockTest, DocumentHeldByAnotherProcessIsRefusedUntilItEnds)
{
    const QString document = path(QStringLiteral("nc01.Tolvane"));
    OtherInstance holder(QStringLiteral("tenir"), document);
    ASSERT_EQ(holder.answer(), QByteArray("tenu"));

    const LockAttempt refused = locks.acquire(document, kVerrouNomUtil);
    EXPECT_EQ(refused.outcome, LockOutcome::InUse);
    EXPECT_EQ(refused.attempts, FileLockRegistry::kAttempts);
    EXPECT_EQ(waits.size(), std::size_t(FileLockRegistry::kAttempts - 1));

    holder.tell("liberer");
    ASSERT_TRUE(holder.endedNormally());
    waits.clear();
    const LockAttempt afterwards = locks.acquire(document, kVerrouNomUtil);
    EXPECT_EQ(afterwards.outcome, LockOutcome::Held);
    EXPECT_EQ(afterwards.attempts, 1);
    EXPECT_TRUE(waits.empty());
}

TEST_F(TwoProcessLockTest, AnotherProcessGivesUpOnADocumentHeldHere)
{
    // The other process waits for real between its attempts.
    const QString document = path(QStringLiteral("nc01.Tolvane"));
    ASSERT_TRUE(locks.acquire(document, kVerrouNomUtil).held());

    OtherInstance asker(QStringLiteral("essayer"), document);
    EXPECT_EQ(asker.answer(), QByteArray("occupe 10"));
    EXPECT_TRUE(asker.endedNormally());
    EXPECT_TRUE(locks.holds(document));
    EXPECT_EQ(fileBytes(NomFichierVerrou(document)), lockRecord(QStringLiteral("dupont")));
}

TEST_F(TwoProcessLockTest, HowTheOtherProcessEndsDecidesWhatIsLeft)
{
    struct Case {
        const char* end;       // "liberer", "quitter" or "" to kill it
        bool lockFileRemains; // a killed process cannot delete its file
    };
    const Case cases[] = {
        {"liberer", false}, // shut-down releases every lock
        {"quitter", false}, // a normal end releases them all the same
        {"", true},         // killed: the system drops the lock, the file stays
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.end);
        const QString document = path(QStringLiteral("fin-%1.Tolvane").arg(QLatin1String(c.end)));
        OtherInstance holder(QStringLiteral("tenir"), document);
        ASSERT_EQ(holder.answer(), QByteArray("tenu"));
        if (*c.end) {
            holder.tell(c.end);
            ASSERT_TRUE(holder.endedNormally());
        } else {
            holder.kill();
        }
        EXPECT_EQ(QFileInfo::exists(NomFichierVerrou(document)), c.lockFileRemains);

        waits.clear();
        const LockAttempt next = locks.acquire(document, kVerrouNomUtil);
        EXPECT_EQ(next.outcome, LockOutcome::Held);
        EXPECT_EQ(next.attempts, 1);
        EXPECT_TRUE(waits.empty());
        EXPECT_EQ(fileBytes(NomFichierVerrou(document)), lockRecord(QStringLiteral("dupont")));
    }
}

} // namespace
