#include "QStringPrinter.h"
#include "model/Calculation.h"
#include "report/CalculationNote.h"
#include "report/DeliverableReport.h"
#include "support/FakePlatformServices.h"
#include "support/PdfReader.h"
#include "support/Sections.h"

#include <QPrinter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// The print command paints on a QPrinter what the export paints on a
// QPdfWriter; a printer printing to a file shows what it received.
TEST(ReportPrinter, APrinterGetsTheSamePagesAsThePdfExport)
{
    if (!OutilsPdfPresents())
        GTEST_SKIP() << "poppler-utils (pdfinfo, pdftotext, pdftoppm) absent";
    FakePlatformServices plateforme;
    TDonneesAppli DA;
    DA.Data.Sections.append(SectionMaconnerie(0, 1.0));
    TSection haut = SectionMaconnerie(3, 0.6);
    haut.se_chargePW = {900, 0};
    DA.Data.Sections.append(haut);
    ASSERT_TRUE(CalculerDonnees(DA));
    EntreeRapport e;
    e.document = QStringLiteral("imprime.Tolvane");
    e.calcul = QStringLiteral("Pile 4");
    e.donnees = DA.Data;
    e.pageNote = PageNdC(e.donnees, true);

    QTemporaryDir dossier;
    const QString imprime = dossier.filePath(QStringLiteral("imprimante.pdf"));
    {
        QPrinter imprimante(QPrinter::HighResolution);
        imprimante.setOutputFormat(QPrinter::PdfFormat);
        imprimante.setOutputFileName(imprime);
        // At the export's resolution the text is measured alike, so the
        // pages must break at the same rows.
        imprimante.setResolution(300);
        PreparerPageRapport(imprimante);
        const int pages = PeindreRapport(imprimante, e);
        EXPECT_GE(pages, 4);
    }
    const QString exporte = dossier.filePath(QStringLiteral("export.pdf"));
    ASSERT_FALSE(EcrireRapportPdf(exporte, e).has_value());

    const int pages = PagesPdf(exporte);
    EXPECT_EQ(PagesPdf(imprime), pages);
    // The same words on each page (their order in the text depends on how the
    // tool groups the runs of each resolution).
    const auto mots = [](const QString& texte) {
        QStringList liste = texte.split(u' ', Qt::SkipEmptyParts);
        liste.sort();
        return liste;
    };
    for (int n = 1; n <= pages; ++n)
        EXPECT_EQ(mots(TextePdf(imprime, n, n)), mots(TextePdf(exporte, n, n))) << "page " << n;
    const QString premiere = TextePdf(imprime, 1, 1);
    EXPECT_TRUE(premiere.contains(QStringLiteral("Résultat : NON CONFORME"))) << premiere.toStdString();
    EXPECT_TRUE(premiere.contains(QStringLiteral("page 1 / %1").arg(pages)));
}

TEST(ReportPrinter, AtThePrinterResolutionTheTotalIsStillTheNumberOfPagesPrinted)
{
    if (!OutilsPdfPresents())
        GTEST_SKIP() << "poppler-utils (pdfinfo, pdftotext, pdftoppm) absent";
    FakePlatformServices plateforme;
    TDonneesAppli DA;
    for (int i = 0; i < 12; ++i)
        DA.Data.Sections.append(SectionMaconnerie(0.5 * i, 1.0));
    ASSERT_TRUE(CalculerDonnees(DA));
    EntreeRapport e;
    e.calcul = QStringLiteral("Mur");
    e.donnees = DA.Data;
    e.pageNote = PageNdC(e.donnees, true);
    QTemporaryDir dossier;
    const QString imprime = dossier.filePath(QStringLiteral("imprimante.pdf"));
    int pages = 0;
    {
        QPrinter imprimante(QPrinter::HighResolution);
        imprimante.setOutputFormat(QPrinter::PdfFormat);
        imprimante.setOutputFileName(imprime);
        PreparerPageRapport(imprimante);
        pages = PeindreRapport(imprimante, e);
    }
    ASSERT_GT(pages, 4);
    EXPECT_EQ(PagesPdf(imprime), pages);
    EXPECT_TRUE(TextePdf(imprime, pages, pages).contains(QStringLiteral("page %1 / %1").arg(pages)));
}
