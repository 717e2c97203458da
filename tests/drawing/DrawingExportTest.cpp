#include "drawing/DrawingExport.h"
#include "support/FileBytes.h"
#include "support/FullDisk.h"
#include "support/Sections.h"

#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

DessinContrefort Dessin()
{
    TData data;
    data.Sections = {SectionMaconnerie(0, 1.0), SectionMaconnerie(3, 0.6)};
    data.Sections[1].se_chargePG = {0, -2000};
    return ConstruireDessin(data, OptionsDessin{});
}

} // namespace

TEST(DrawingExport, FormatComesFromTheExtensionWhateverItsCase)
{
    const struct {
        const char* chemin;
        const char* format;
    } cases[] = {{"a/b.png", "png"}, {"b.SVG", "svg"}, {"c.Pdf", "pdf"}, {"d.jpg", ""}, {"e", ""}, {"f.png.txt", ""}};
    for (const auto& c : cases)
        EXPECT_EQ(FormatExportDessin(QString::fromLatin1(c.chemin)), QString::fromLatin1(c.format)) << c.chemin;
}

TEST(DrawingExport, EachFormatIsWrittenAtTheChosenSize)
{
    QTemporaryDir dossier;
    const DessinContrefort dessin = Dessin();
    const QString png = dossier.filePath(QStringLiteral("d.png"));
    ASSERT_FALSE(EcrireDessin(png, QSize(321, 234), dessin, QStringLiteral("Dessin - C1")).has_value());
    EXPECT_EQ(QImage(png).size(), QSize(321, 234));
    const QString svg = dossier.filePath(QStringLiteral("d.svg"));
    ASSERT_FALSE(EcrireDessin(svg, QSize(321, 234), dessin, QStringLiteral("a & <b>")).has_value());
    const QByteArray octetsSvg = OctetsFichier(svg);
    EXPECT_TRUE(octetsSvg.contains("width=\"")) << octetsSvg.left(400).constData();
    EXPECT_TRUE(octetsSvg.contains("<title>a &amp; &lt;b&gt;</title>"));
    const QString pdf = dossier.filePath(QStringLiteral("d.PDF"));
    ASSERT_FALSE(EcrireDessin(pdf, QSize(321, 234), dessin, QStringLiteral("Dessin - C1")).has_value());
    EXPECT_TRUE(OctetsFichier(pdf).startsWith("%PDF-"));
}

TEST(DrawingExport, AnUnknownFormatIsRefusedAndWritesNothing)
{
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(QStringLiteral("d.jpg"));
    const std::optional<QString> erreur = EcrireDessin(chemin, QSize(100, 100), Dessin(), QString());
    ASSERT_TRUE(erreur.has_value());
    EXPECT_TRUE(erreur->startsWith(QStringLiteral("Format de fichier non reconnu")));
    EXPECT_FALSE(QFile::exists(chemin));
}

TEST(DrawingExport, AFullDiskLeavesThePreviousPictureWhole)
{
    FullDisk disque;
    if (!disque.mounted())
        GTEST_SKIP() << "no tmpfs could be mounted (needs the superuser)";
    const QString chemin = disque.filePath(QStringLiteral("dessin.png"));
    const QByteArray ancien("l'ancienne image");
    ASSERT_TRUE(EcrireOctetsFichier(chemin, ancien));
    disque.fill();
    const std::optional<QString> erreur = EcrireDessin(chemin, QSize(800, 600), Dessin(), QString());
    ASSERT_TRUE(erreur.has_value());
    EXPECT_TRUE(erreur->contains(QStringLiteral("disque plein"))) << erreur->toStdString();
    EXPECT_EQ(OctetsFichier(chemin), ancien);
    disque.empty();
}
