// What tolvane-cli writes, and what it says about it, when the disk, the
// output path, the standard output or the input itself is not what it expects.

#include "CliDocument.h"
#include "CliRun.h"
#include "support/FileBytes.h"
#include "support/FullDisk.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

QList<TSection> deuxSections() { return {SectionMaconnerie(0), SectionMaconnerie(3, 0.6)}; }

QByteArray contenu(const QString& chemin) { return OctetsFichier(chemin); }

void ecrireOctets(const QString& chemin, const QByteArray& octets) { ASSERT_TRUE(EcrireOctetsFichier(chemin, octets)); }

} // namespace

TEST(CliOutputs, AnOutputOntoAFullDiskFailsAndKeepsThePreviousFile)
{
    FullDisk disque;
    if (!disque.mounted())
        GTEST_SKIP() << "no small file system can be mounted here; the writer's injected failures cover it";
    QTemporaryDir dir;
    const QString doc = Document().calcul(QStringLiteral("C1"), deuxSections()).ecrire(dir, QStringLiteral("d.Tolvane"));
    const struct {
        const char* fichier;
        QStringList commande;
    } cas[] = {
        {"dessin.png", {QStringLiteral("dessin"), doc, QStringLiteral("--calcul"), QStringLiteral("C1")}},
        {"dessin.svg", {QStringLiteral("dessin"), doc, QStringLiteral("--calcul"), QStringLiteral("C1")}},
        {"note.html", {QStringLiteral("note"), doc, QStringLiteral("--calcul"), QStringLiteral("C1")}},
    };
    for (const auto& c : cas) {
        const QString sortie = disque.filePath(QString::fromLatin1(c.fichier));
        ecrireOctets(sortie, "version précédente");
        disque.fill();
        const Execution e = LancerCli(c.commande + QStringList{QStringLiteral("-o"), sortie});
        EXPECT_EQ(e.status, 3) << c.fichier;
        EXPECT_TRUE(e.err.contains(QStringLiteral("disque plein"))) << e.err.toStdString();
        EXPECT_EQ(contenu(sortie), QByteArray("version précédente")) << c.fichier;
        disque.empty();
    }
}

TEST(CliOutputs, AnOutputPathThatIsNotARegularFileIsRefusedAndLeftAlone)
{
    QTemporaryDir dir;
    const QString doc = Document().calcul(QStringLiteral("C1"), deuxSections()).ecrire(dir, QStringLiteral("d.Tolvane"));
    const QString tube = dir.filePath(QStringLiteral("tube.png"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(tube).constData(), 0600), 0);
    const QString peripherique = dir.filePath(QStringLiteral("peripherique.svg"));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/null"), peripherique));
    const QString dossier = dir.filePath(QStringLiteral("dossier.pdf"));
    ASSERT_TRUE(QDir().mkdir(dossier));
    for (const QString& sortie : {tube, peripherique, dossier}) {
        const Execution e = LancerCli({QStringLiteral("dessin"), doc, QStringLiteral("--calcul"), QStringLiteral("C1"),
                                       QStringLiteral("-o"), sortie});
        EXPECT_EQ(e.status, 3) << sortie.toStdString();
        EXPECT_TRUE(e.err.contains(QStringLiteral("Impossible d'écrire le fichier"))) << e.err.toStdString();
    }
    struct stat info {};
    ASSERT_EQ(::stat(QFile::encodeName(tube).constData(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));
    ASSERT_EQ(::stat("/dev/null", &info), 0);
    EXPECT_TRUE(S_ISCHR(info.st_mode));
}

TEST(CliOutputs, AFailedStandardOutputGivesStatusThree)
{
    QTemporaryDir dir;
    const QString doc = Document().calcul(QStringLiteral("C1"), deuxSections()).ecrire(dir, QStringLiteral("d.Tolvane"));
    const QStringList commandes[] = {
        {QStringLiteral("note"), doc, QStringLiteral("--calcul"), QStringLiteral("C1")},
        {QStringLiteral("calculer"), doc},
        {QStringLiteral("calculer"), doc, QStringLiteral("--json")},
        {QStringLiteral("--help")},
    };
    for (const QStringList& commande : commandes) {
        QProcess p;
        p.setStandardOutputFile(QStringLiteral("/dev/full"));
        p.start(QStringLiteral(TOLVANE_CLI_PATH), commande);
        ASSERT_TRUE(p.waitForFinished(60000));
        EXPECT_EQ(p.exitCode(), 3) << commande.join(u' ').toStdString();
        EXPECT_TRUE(QString::fromUtf8(p.readAllStandardError())
                        .contains(QStringLiteral("Erreur d'écriture sur la sortie standard : disque plein")))
            << commande.join(u' ').toStdString();
    }
}

TEST(CliOutputs, AFileThatIsNoDocumentIsSaidSo)
{
    QTemporaryDir dir;
    const struct {
        const char* nom;
        QByteArray octets;
    } cas[] = {
        {"passwd", "root:x:0:0:root:/root:/bin/bash\ndaemon:x:1:1::/usr/sbin:/usr/sbin/nologin\n"},
        {"image.png", QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16)},
        {"vide.Tolvane", QByteArray()},
        {"lettres.txt", QByteArray(50 * 1024 * 1024, 'A')},
    };
    for (const auto& c : cas) {
        const QString chemin = dir.filePath(QString::fromLatin1(c.nom));
        ecrireOctets(chemin, c.octets);
        const Execution e = LancerCli({QStringLiteral("calculer"), chemin});
        EXPECT_EQ(e.status, 3) << c.nom;
        EXPECT_TRUE(e.err.contains(QStringLiteral("Ce n'est pas un document Tolvane"))) << e.err.toStdString();
    }
    // A document of this program with no calculation is still a document.
    const Execution vide = LancerCli({QStringLiteral("calculer"), Document().ecrire(dir, QStringLiteral("v.Tolvane"))});
    EXPECT_EQ(vide.status, 0);
    EXPECT_TRUE(vide.err.contains(QStringLiteral("Aucun calcul dans le document")));
}

TEST(CliOutputs, NamesWithMarkupOrControlCharactersStayData)
{
    QTemporaryDir dir;
    const QString nom = QStringLiteral("a & b <script>alert(1)</script>");
    const QString doc = Document()
                            .calcul(nom, deuxSections())
                            .calcul(QStringLiteral("avec\ttabulation"), deuxSections())
                            .ecrire(dir, QStringLiteral("d.Tolvane"));
    const QString svg = dir.filePath(QStringLiteral("d.svg"));
    const Execution dessin =
        LancerCli({QStringLiteral("dessin"), doc, QStringLiteral("--calcul"), nom, QStringLiteral("-o"), svg});
    ASSERT_EQ(dessin.status, 0) << dessin.err.toStdString();
    QXmlStreamReader xml(contenu(svg));
    QString titre;
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QStringLiteral("title"))
            titre = xml.readElementText();
        EXPECT_NE(xml.name(), QStringLiteral("script"));
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_EQ(titre, QStringLiteral("Dessin - ") + nom);

    const Execution calcul = LancerCli({QStringLiteral("calculer"), doc});
    EXPECT_EQ(calcul.status, 0);
    EXPECT_EQ(calcul.sortie(), nom + QStringLiteral("\tSATISFAISANT\navec tabulation\tSATISFAISANT\n"));
}

TEST(CliOutputs, ACalculationWhoseSectionCountCannotBeReadIsNotReportedComputed)
{
    QTemporaryDir dir;
    const QString lignes = DataVersTexte([] {
                               TData d;
                               d.Sections = deuxSections();
                               return d;
                           }())
                               .section(QStringLiteral("\r\n"), 2);
    const QString doc = Document()
                            .brut(QStringLiteral("illisible"), QStringLiteral("comm\r\n2.0\r\n") + lignes)
                            .calcul(QStringLiteral("lisible"), deuxSections())
                            .ecrire(dir, QStringLiteral("d.Tolvane"));
    const Execution e = LancerCli({QStringLiteral("calculer"), doc});
    EXPECT_EQ(e.status, 2);
    EXPECT_TRUE(e.sortie().startsWith(QStringLiteral("illisible\tDONNÉES INVALIDES : Nombre de sections illisible")))
        << e.sortie().toStdString();
    EXPECT_TRUE(e.sortie().contains(QStringLiteral("lisible\tSATISFAISANT")));
    const Execution note = LancerCli({QStringLiteral("note"), doc, QStringLiteral("--calcul"), QStringLiteral("illisible")});
    EXPECT_EQ(note.status, 2);
    EXPECT_TRUE(note.out.isEmpty());
}
