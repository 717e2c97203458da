#include "util/ApplicationFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// A prefix as the installation lays it out: prefix/bin for the executables,
// prefix/share/tolvane for the application's files.
class Installation : public ::testing::Test {
protected:
    Installation()
    {
        QDir(root.path()).mkpath(QStringLiteral("bin"));
        QDir(root.path()).mkpath(QStringLiteral("share/tolvane"));
    }

    void Poser(const QString& relative)
    {
        const QString path = QDir(root.path()).filePath(relative);
        ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path()));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << relative.toStdString();
    }
    QString Chemin(const QString& relative) const { return QDir::cleanPath(QDir(root.path()).filePath(relative)); }

    QTemporaryDir root;
    const QString bin = Chemin(QStringLiteral("bin"));
};

TEST_F(Installation, BesideTheExecutableFirstThenTheInstalledShareFolder)
{
    EXPECT_EQ(DossiersFichiersApplication(bin), (QStringList{bin, Chemin(QStringLiteral("share/tolvane"))}));

    const struct {
        const char* fichier;
        const char* pose;    // where the file is, relative to the prefix ("" nowhere)
        const char* attendu; // the path found, relative to the prefix
    } cases[] = {
        // A build folder: the file beside the executable.
        {"Tolvanedefaut.txt", "bin/Tolvanedefaut.txt", "bin/Tolvanedefaut.txt"},
        // An installation: only in share/tolvane.
        {"textesndc.txt", "share/tolvane/textesndc.txt", "share/tolvane/textesndc.txt"},
        // A folder is found the same way.
        {"AIDE_PERSO", "share/tolvane/AIDE_PERSO/a.txt", "share/tolvane/AIDE_PERSO"},
        // Nowhere: the place beside the executable, for the message that says it is missing.
        {"Tolvane.chm", "", "bin/Tolvane.chm"},
    };
    for (const auto& c : cases) {
        if (*c.pose)
            Poser(QString::fromUtf8(c.pose));
        EXPECT_EQ(CheminFichierApplication(QString::fromUtf8(c.fichier), bin), Chemin(QString::fromUtf8(c.attendu)))
            << c.fichier;
    }
}

TEST_F(Installation, ACopyBesideTheExecutableOverridesTheInstalledOne)
{
    Poser(QStringLiteral("share/tolvane/Tolvanedefaut.txt"));
    Poser(QStringLiteral("bin/Tolvanedefaut.txt"));
    EXPECT_EQ(CheminFichierApplication(QStringLiteral("Tolvanedefaut.txt"), bin), Chemin(QStringLiteral("bin/Tolvanedefaut.txt")));
    // A path given with a trailing separator or dots finds the same file.
    EXPECT_EQ(CheminFichierApplication(QStringLiteral("Tolvanedefaut.txt"), bin + QStringLiteral("/./")),
              Chemin(QStringLiteral("bin/Tolvanedefaut.txt")));
}

} // namespace
