#include "FrameWindow.h"
#include "frame/ResultsPage.h"
#include "model/LoadReserve.h"
#include "drawing/gui/DrawingExportDialog.h"
#include "report/gui/NoteView.h"
#include "support/FileBytes.h"
#include "support/FullDisk.h"
#include "support/PdfReader.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTextCursor>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// Answers the export dialog as a user does: format chosen in the list, size
// typed in the two fields, then OK.
void RepondreDialogueExport(const QString& format, int largeur, int hauteur)
{
    QTimer::singleShot(0, [=] {
        auto* dialogue = qobject_cast<DrawingExportDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialogue, nullptr);
        dialogue->CbFormat->setCurrentIndex(dialogue->CbFormat->findData(format));
        for (auto [champ, valeur] : {std::pair{dialogue->SeLargeur, largeur}, std::pair{dialogue->SeHauteur, hauteur}}) {
            champ->selectAll();
            QTest::keyClicks(champ, QString::number(valeur));
        }
        QTest::mouseClick(dialogue->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok), Qt::LeftButton);
    });
}

} // namespace

TEST(ExportDessin, ThePageDessinExportsEachFormatAtTheChosenSize)
{
    FenetreCadre f;
    ASSERT_TRUE(f.ouvrir("exemple-combinaisons.Tolvane"));
    f.selectionner({0});
    ASSERT_TRUE(f.cadre->ChoisirPage(PageCadre::Dessin));
    EXPECT_EQ(f.cadre->BtExporterDessin->accessibleName(), QStringLiteral("Exporter le dessin"));
    QTemporaryDir dossier;
    for (const QString& format : {QStringLiteral("png"), QStringLiteral("svg"), QStringLiteral("pdf")}) {
        SCOPED_TRACE(format.toStdString());
        // The name is typed without its extension: the format's is added.
        const QString chemin = dossier.filePath(QStringLiteral("dessin-") + format);
        f.plateforme.fileNames.push_back(chemin);
        RepondreDialogueExport(format, 420, 310);
        QTest::mouseClick(f.cadre->BtExporterDessin, Qt::LeftButton);
        const QByteArray octets = OctetsFichier(chemin + u'.' + format);
        ASSERT_FALSE(octets.isEmpty());
        if (format == QStringLiteral("png")) {
            const QImage image = QImage::fromData(octets, "PNG");
            EXPECT_EQ(image.size(), QSize(420, 310));
            EXPECT_GT(PixelsColores(image), 100);
        } else if (format == QStringLiteral("svg")) {
            EXPECT_TRUE(octets.contains("viewBox=\"0 0 420 310\"")) << octets.left(600).constData();
        } else {
            EXPECT_TRUE(octets.startsWith("%PDF-"));
        }
    }
    EXPECT_TRUE(f.plateforme.messages.empty());
}

TEST(ExportDessin, AFullDiskIsToldInFrenchAndLeavesThePreviousPicture)
{
    FullDisk disque;
    if (!disque.mounted())
        GTEST_SKIP() << "no tmpfs could be mounted (needs the superuser)";
    FenetreCadre f;
    ASSERT_TRUE(f.ouvrir("exemple-combinaisons.Tolvane"));
    f.selectionner({0});
    ASSERT_TRUE(f.cadre->ChoisirPage(PageCadre::Dessin));
    const QString chemin = disque.filePath(QStringLiteral("dessin.png"));
    const QByteArray ancien("l'image d'avant");
    ASSERT_TRUE(EcrireOctetsFichier(chemin, ancien));
    disque.fill();
    f.plateforme.fileNames.push_back(chemin);
    RepondreDialogueExport(QStringLiteral("png"), 800, 600);
    QTest::mouseClick(f.cadre->BtExporterDessin, Qt::LeftButton);
    ASSERT_EQ(f.plateforme.messages.size(), 1u);
    EXPECT_TRUE(f.plateforme.messages[0].contains(QStringLiteral("disque plein"))) << f.plateforme.messages[0].toStdString();
    EXPECT_EQ(OctetsFichier(chemin), ancien);
    disque.empty();
}

TEST(RapportResultats, ExportedPdfHoldsTheTitleBlockAndTheNoteAsRetouched)
{
    if (!OutilsPdfPresents())
        GTEST_SKIP() << "poppler-utils (pdfinfo, pdftotext, pdftoppm) absent";
    FenetreCadre f;
    ASSERT_TRUE(f.ouvrir("exemple-combinaisons.Tolvane"));
    f.selectionner({0});
    ASSERT_TRUE(f.cadre->ChoisirPage(PageCadre::Resultats));
    EXPECT_EQ(f.cadre->BtExporterPdf->accessibleName(), QStringLiteral("Exporter le rapport en PDF"));

    // A retouche typed in the view, as the user does before handing it over.
    QTextCursor curseur = f.cadre->WB->document()->find(QStringLiteral("poids propre"));
    ASSERT_FALSE(curseur.isNull());
    curseur.insertText(QStringLiteral("poids propre revu"));

    // The summary gives the load reserve of the calculation shown.
    const QString reserve = TexteReserveSynthese(CalculerReserve(f.calcul(0).DAP->Data));
    ASSERT_FALSE(reserve.isEmpty());

    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(QStringLiteral("rapport.pdf"));
    f.plateforme.fileNames.push_back(chemin);
    QTest::mouseClick(f.cadre->BtExporterPdf, Qt::LeftButton);
    EXPECT_TRUE(f.plateforme.messages.empty());
    const int pages = PagesPdf(chemin);
    ASSERT_GE(pages, 3);
    const QString premiere = TextePdf(chemin, 1, 1);
    for (const QString& attendu : {QStringLiteral("exemple-combinaisons.Tolvane"), f.calcul(0).nomtab,
                                   QStringLiteral("EX-1"), QStringLiteral("Exemple chiffré des combinaisons"),
                                   QStringLiteral("Résultat : SATISFAISANT"), QStringLiteral("charges variables) : ") + reserve,
                                   QStringLiteral("page 1 / %1").arg(pages)})
        EXPECT_TRUE(premiere.contains(attendu)) << attendu.toStdString() << "\n" << premiere.toStdString();
    const QString note = TextePdf(chemin, 3, pages);
    EXPECT_TRUE(note.contains(QStringLiteral("poids propre revu"))) << note.toStdString();
    EXPECT_TRUE(note.contains(QStringLiteral("0.90 G + 1.50 W")));
    // The check cells keep their level colours through the view's rewrite.
    EXPECT_GT(PixelsColores(PagePdf(chemin, 3)), 0);
}

TEST(RapportResultats, DataRefusedByTheCalculationGiveNoReport)
{
    FenetreCadre f;
    ASSERT_TRUE(f.ouvrir("exemple-combinaisons.Tolvane"));
    f.selectionner({0});
    ASSERT_TRUE(f.cadre->ChoisirPage(PageCadre::Resultats));
    // As a calculation refused for invalid data leaves it.
    f.calcul(0).DAP->SetResultatCalcul(-1);
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(QStringLiteral("rapport.pdf"));
    f.plateforme.fileNames.push_back(chemin);
    QTest::mouseClick(f.cadre->BtExporterPdf, Qt::LeftButton);
    ASSERT_EQ(f.plateforme.messages.size(), 1u);
    EXPECT_TRUE(f.plateforme.messages[0].contains(QStringLiteral("invalides")));
    EXPECT_EQ(f.plateforme.fileNames.size(), 1u) << "no file name was asked";
    EXPECT_FALSE(QFile::exists(chemin));
}
