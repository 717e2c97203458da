#include "support/FakePlatformServices.h"
#include "documents/DocumentFile.h"
#include "model/DonneesAppli.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray octets(const QString& chemin)
{
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

// The example documents open clean, hold valid calculations and are saved
// again byte for byte: they are what this version of the program writes.
TEST(Examples, OpenCleanAndSaveIdentically)
{
    FakePlatformServices fake;
    const QDir dossier(QStringLiteral(TOLVANE_EXAMPLES_DIR));
    const QStringList fichiers = dossier.entryList({QStringLiteral("*.Tolvane")}, QDir::Files);
    ASSERT_GE(fichiers.size(), 2);
    QTemporaryDir temp;
    for (const QString& nom : fichiers) {
        SCOPED_TRACE(nom.toStdString());
        const QString chemin = dossier.filePath(nom);
        const auto document = LireDocument(chemin);
        EXPECT_EQ(document->NbCalculsIgnores, 0);
        EXPECT_FALSE(document->DU.Modified());
        EXPECT_FALSE(document->Calculs().isEmpty());
        for (TCalcul* c : document->Calculs()) {
            EXPECT_FALSE(c->nomtab.isEmpty());
            EXPECT_TRUE(c->ValiderDonnees());
        }
        EXPECT_TRUE(fake.messages.empty());

        const QString copie = temp.filePath(nom);
        EnregistrerDocument(*document, copie);
        EXPECT_EQ(octets(copie), octets(chemin));
    }
}
