// The note and the JSON results are written in pieces (64 K characters at a
// time) so that a large buttress is never held whole; these outputs, large
// enough to be written in several pieces, must be byte for byte those of the
// former whole-text writing. Their SHA-256 were taken from it.

#include "CliDocument.h"
#include "CliRun.h"

#include <QCryptographicHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <string>

namespace {

// A masonry buttress of n sections, with wind at every other one so that the
// verdicts and the maxima vary from row to row.
QList<TSection> Contrefort(int n)
{
    QList<TSection> sections;
    for (int i = 0; i < n; ++i) {
        TSection s = SectionMaconnerie(0.5 * i, 1.0 + 0.001 * i, 0.8 - 0.0005 * i);
        if (i % 2)
            s.se_chargePW = {5.0 + i % 7, 0};
        sections.append(s);
    }
    return sections;
}

std::string Empreinte(const QByteArray& octets)
{
    return QCryptographicHash::hash(octets, QCryptographicHash::Sha256).toHex().toStdString();
}

// The JSON without its "document" line, which holds the temporary path.
QByteArray SansChemin(QByteArray json)
{
    const qsizetype debut = json.indexOf("\n  \"document\": ");
    const qsizetype fin = json.indexOf('\n', debut + 1);
    if (debut >= 0 && fin > debut)
        json.remove(debut, fin - debut);
    return json;
}

} // namespace

TEST(CliLargeOutputs, JsonOfManySectionsIsWrittenWholeAndUnchanged)
{
    QTemporaryDir dir;
    const QString chemin = Document()
                               .calcul(QStringLiteral("grand"), Contrefort(250))
                               .calcul(QStringLiteral("vide"), {})
                               .calcul(QStringLiteral("petit"), Contrefort(3))
                               .ecrire(dir, QStringLiteral("d.Tolvane"));
    const Execution r = LancerCli({QStringLiteral("calculer"), chemin, QStringLiteral("--json")});
    ASSERT_TRUE(r.normalExit);
    EXPECT_GT(r.out.size(), 3 * (1 << 16)) << "several pieces";
    const QJsonArray calculs = QJsonDocument::fromJson(r.out).object()[u"calculs"].toArray();
    ASSERT_EQ(calculs.size(), 3);
    EXPECT_EQ(calculs[0].toObject()[u"sections"].toArray().size(), 250);
    EXPECT_EQ(calculs[2].toObject()[u"sections"].toArray().size(), 3);
    EXPECT_EQ(Empreinte(SansChemin(r.out)), std::string("65f66a5f5794e0f2bcf719be24118a16c87706a450ab46115b8214172dbaafc3"));
}

TEST(CliLargeOutputs, NoteOfManySectionsIsWrittenWholeAndUnchanged)
{
    QTemporaryDir dir;
    const QString chemin = Document().calcul(QStringLiteral("grand"), Contrefort(150)).ecrire(dir, QStringLiteral("d.Tolvane"));
    const struct {
        bool donnees;
        const char* empreinte;
    } cas[] = {{false, "c025a849ae67f0313814895d66398592e18961216937cf3e94f197119f6fb602"}, {true, "ff084d77e100a33a7c2b9b0354d1a75d763b9a8e44c897a4c9bff7a466286a23"}};
    for (const auto& c : cas) {
        SCOPED_TRACE(c.donnees ? "avec les données" : "sans les données");
        QStringList args{QStringLiteral("note"), chemin, QStringLiteral("--calcul"), QStringLiteral("grand")};
        if (c.donnees)
            args << QStringLiteral("--donnees");
        const Execution sortie = LancerCli(args);
        ASSERT_TRUE(sortie.normalExit);
        EXPECT_GT(sortie.out.size(), 2 * (1 << 16)) << "several pieces";
        EXPECT_TRUE(sortie.out.endsWith("</html>\r\n"));
        EXPECT_EQ(Empreinte(sortie.out), std::string(c.empreinte));

        // The file carries the same page after its byte-order mark.
        const QString fichier = dir.filePath(c.donnees ? QStringLiteral("d.html") : QStringLiteral("n.html"));
        const Execution ecrit = LancerCli(args << QStringLiteral("-o") << fichier);
        EXPECT_EQ(ecrit.status, sortie.status);
        QFile f(fichier);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_EQ(f.readAll(), QByteArray("\xEF\xBB\xBF") + sortie.out);
    }
}
