#pragma once

#include "files/FileLockRegistry.h"
#include "support/FakePlatformServices.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <vector>

#include <QDir>

// Puts the current folder back when the scope ends.
class CurrentFolder {
public:
    explicit CurrentFolder(const QString& folder) : previous_(QDir::currentPath()) { QDir::setCurrent(folder); }
    ~CurrentFolder() { QDir::setCurrent(previous_); }
    CurrentFolder(const CurrentFolder&) = delete;
    CurrentFolder& operator=(const CurrentFolder&) = delete;

private:
    QString previous_;
};

inline QByteArray fileBytes(const QString& fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void writeFile(const QString& fileName, const QByteArray& bytes)
{
    QFile file(fileName);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

// A temporary folder, a scripted desktop and a registry whose waits are only
// recorded, held by "dupont".
class LockFixture : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }

    QString path(const QString& name) const { return folder + QLatin1Char('/') + name; }

    // A registry that records its waits into waits, as another instance would
    // see the documents.
    FileLockRegistry::Wait recordWaits()
    {
        return [this](int milliseconds) { waits.push_back(milliseconds); };
    }
    static OwnerName dupont(int) { return {QStringLiteral("dupont"), {}}; }

    FakePlatformServices platform;
    QTemporaryDir dir;
    const QString folder = QFileInfo(dir.path()).canonicalFilePath();
    std::vector<int> waits;
    FileLockRegistry locks{recordWaits(), dupont};
};
