#include "QStringPrinter.h"
#include "model/Calculation.h"
#include "report/CalculationNote.h"
#include "report/DeliverableReport.h"
#include "support/FakePlatformServices.h"
#include "support/FileBytes.h"
#include "support/FullDisk.h"
#include "support/PdfReader.h"
#include "support/Sections.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// The worked example: a bottom section and a top one with a permanent and a
// wind point load; nsections - 2 plain sections between them make it longer.
TData ExempleCalcule(int nsections = 2)
{
    TDonneesAppli DA;
    DA.Data.Sections.append(SectionMaconnerie(0, 1.0));
    for (int i = 1; i < nsections - 1; ++i)
        DA.Data.Sections.append(SectionMaconnerie(3.0 * i / (nsections - 1), 1.0));
    TSection haut = SectionMaconnerie(3, 0.6);
    haut.se_chargePG = {0, -2000};
    haut.se_posicharge = 0.3;
    haut.se_chargePW = {300, 0};
    DA.Data.Sections.append(haut);
    EXPECT_TRUE(CalculerDonnees(DA));
    return DA.Data;
}

EntreeRapport Entree(const TData& data, bool listerDonnees = false)
{
    EntreeRapport e;
    e.document = QStringLiteral("chapelle-nord.Tolvane");
    e.commentaires = QStringLiteral("Chapelle Saint-Éloi\nreprise du contrefort nord");
    e.proprietes = {{QStringLiteral("Affaire"), QStringLiteral("2026-114")}, {QStringLiteral("Auteur"), QStringLiteral("J. Méranger")}};
    e.calcul = QStringLiteral("Contrefort C2");
    e.repere = QStringLiteral("C2-nord");
    e.indice = QStringLiteral("B");
    e.dateIndice = QStringLiteral("3 mars 2026");
    e.donnees = data;
    e.pageNote = PageNdC(e.donnees, listerDonnees);
    e.reserve = QStringLiteral("1.85");
    e.dateEdition = QDate(2026, 12, 7);
    return e;
}

class RapportPdf : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!OutilsPdfPresents())
            GTEST_SKIP() << "poppler-utils (pdfinfo, pdftotext, pdftoppm) absent";
        ASSERT_TRUE(dossier.isValid());
    }

    QString Ecrire(const EntreeRapport& e)
    {
        const QString chemin = dossier.filePath(QStringLiteral("rapport.pdf"));
        const std::optional<QString> erreur = EcrireRapportPdf(chemin, e);
        EXPECT_FALSE(erreur.has_value()) << erreur.value_or(QString()).toStdString();
        return chemin;
    }

    FakePlatformServices plateforme;
    QTemporaryDir dossier;
};

} // namespace

TEST_F(RapportPdf, TitleBlockSummaryAndPageNumbersReadBack)
{
    const QString chemin = Ecrire(Entree(ExempleCalcule()));
    // Summary, drawing, and the short note of two sections.
    EXPECT_EQ(PagesPdf(chemin), 3);
    const QString premiere = TextePdf(chemin, 1, 1);
    for (const char* attendu : {"chapelle-nord.Tolvane", "Contrefort C2", "Repère", "C2-nord", "Indice", "B",
                                "Date de l'indice", "3 mars 2026", "Affaire", "2026-114", "Auteur", "J. Méranger",
                                "Chapelle Saint-Éloi", "reprise du contrefort nord", "7 décembre 2026",
                                "Résultat : SATISFAISANT", "Contrainte normale", "Excentricité",
                                "Angle de frottement", "0.90 G + 1.50 W", "charges variables) : 1.85", "page 1 / 3"})
        EXPECT_TRUE(premiere.contains(QString::fromUtf8(attendu))) << attendu << "\n" << premiere.toStdString();
    EXPECT_TRUE(TextePdf(chemin, 2, 2).contains(QStringLiteral("Dessin du contrefort")));
    EXPECT_TRUE(TextePdf(chemin, 2, 2).contains(QStringLiteral("page 2 / 3")));
    QString note = TextePdf(chemin, 3, 3);
    EXPECT_TRUE(note.contains(QStringLiteral("page 3 / 3")));
    // The title's spaced letters come back joined.
    EXPECT_TRUE(note.remove(u' ').contains(QStringLiteral("RESULTATS")));
}

TEST_F(RapportPdf, TheDrawingPageHoldsTheColouredDrawing)
{
    const QString chemin = Ecrire(Entree(ExempleCalcule()));
    const QImage page = PagePdf(chemin, 2);
    ASSERT_FALSE(page.isNull());
    // Red axes, blue loads and the resultants: hundreds of coloured pixels
    // even at 40 dpi, where the text of the page has none.
    EXPECT_GT(PixelsColores(page), 150);
    // The note's check cells on their level colours.
    EXPECT_GT(PixelsColores(PagePdf(chemin, 3)), 0);
}

TEST_F(RapportPdf, ALongNoteGoesOnNumberedPagesWithTheTotalOnEach)
{
    const QString chemin = Ecrire(Entree(ExempleCalcule(40), true));
    const int pages = PagesPdf(chemin);
    ASSERT_GT(pages, 6);
    for (int n : {1, 2, pages / 2, pages})
        EXPECT_TRUE(TextePdf(chemin, n, n).contains(QStringLiteral("page %1 / %2").arg(n).arg(pages))) << n;
    // The heading rows of a table cut by a page are repeated on the next.
    int repetitions = 0;
    for (int n = 4; n <= pages; ++n)
        if (TextePdf(chemin, n, n).contains(QStringLiteral("poids propre")))
            ++repetitions;
    EXPECT_GE(repetitions, 2);
}

TEST_F(RapportPdf, WithoutRevisionNorReserveTheirLinesSayNothingFalse)
{
    EntreeRapport e = Entree(ExempleCalcule());
    e.repere.clear();
    e.indice.clear();
    e.dateIndice.clear();
    e.reserve.clear();
    e.proprietes.clear();
    const QString premiere = TextePdf(Ecrire(e), 1, 1);
    EXPECT_FALSE(premiere.contains(QStringLiteral("Repère")));
    EXPECT_FALSE(premiere.contains(QStringLiteral("Indice")));
    EXPECT_TRUE(premiere.contains(QStringLiteral("charges variables) : non calculée")));
}

TEST(RapportPdfEcriture, AFullDiskLeavesThePreviousFileWhole)
{
    FakePlatformServices plateforme;
    FullDisk disque;
    if (!disque.mounted())
        GTEST_SKIP() << "no tmpfs could be mounted (needs the superuser)";
    const QString chemin = disque.filePath(QStringLiteral("rapport.pdf"));
    const QByteArray ancien("%PDF-1.4 l'ancien rapport");
    ASSERT_TRUE(EcrireOctetsFichier(chemin, ancien));
    disque.fill();
    const std::optional<QString> erreur = EcrireRapportPdf(chemin, Entree(ExempleCalcule()));
    ASSERT_TRUE(erreur.has_value());
    EXPECT_TRUE(erreur->contains(QStringLiteral("Impossible d'enregistrer le fichier"))) << erreur->toStdString();
    EXPECT_EQ(OctetsFichier(chemin), ancien);
    disque.empty();
}
