#include "documents/DocumentFile.h"
#include "model/DonneesAppli.h"

#include <QFile>
#include <QTemporaryDir>
#include "CliRun.h"
#include "support/PdfReader.h"

#include <gtest/gtest.h>

namespace {

// A document of three calculations: the two-section buttress of the worked
// example, one whose top section is pushed sideways with nothing above it
// (NON CONFORME) and one with a zero density in its first section.
class DocumentNote : public ::testing::Test {
protected:
    void SetUp() override
    {
        TFichPb document;
        auto ajouter = [&](const QString& nom, QList<TSection> sections, const QString& commentaire) {
            TCalcul* calcul = document.NouveauCalcul();
            calcul->nomtab = nom;
            calcul->DAP->Data.Comment = commentaire;
            calcul->DAP->Data.Sections = std::move(sections);
            calcul->DAP->CalCRC();
            document.AddCalcul(calcul);
        };
        TSection haut = SectionMaconnerie(3, 0.6);
        haut.se_chargePG = {0, -2000};
        haut.se_posicharge = 0.3;
        haut.se_chargePW = {300, 0};
        ajouter(QStringLiteral("Contrefort A"), {SectionMaconnerie(0, 1.0), haut}, QStringLiteral("h < 2 m & pile"));
        TSection pousse = SectionMaconnerie(2, 0.6);
        pousse.se_chargePW = {500, 0};
        ajouter(QStringLiteral("Poussé"), {SectionMaconnerie(0, 1.0), pousse}, {});
        TSection vide = SectionMaconnerie(0, 1.0);
        vide.se_mvol = 0;
        ajouter(QStringLiteral("Invalide"), {vide}, {});
        chemin = dossier.filePath(QStringLiteral("église.Tolvane"));
        EnregistrerDocument(document, chemin);
    }

    QTemporaryDir dossier;
    QString chemin;
};

QByteArray Lire(const QString& chemin)
{
    QFile fichier(chemin);
    return fichier.open(QIODevice::ReadOnly) ? fichier.readAll() : QByteArray();
}

} // namespace

TEST_F(DocumentNote, WritesThePageOfTheNamedCalculation)
{
    const Execution note = LancerCli({QStringLiteral("note"), chemin, QStringLiteral("--calcul"), QStringLiteral("Contrefort A")});
    EXPECT_EQ(note.status, 0) << note.err.toStdString();
    const QString page = QString::fromUtf8(note.out);
    EXPECT_TRUE(page.startsWith(QStringLiteral("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\" "
                                               "\"http://www.w3.org/TR/html4/loose.dtd\">\r\n<html>\r\n"
                                               "<style type=\"text/css\">\r\nTABLE { font-family: Calibri,Arial }")));
    EXPECT_TRUE(page.contains(QStringLiteral("</style>\r\n\r\n<body><TABLE border=\"2\" cellpadding=\"2\" cellspacing=\"0\" "
                                             "width=\"95%\">\r\n<TR >\r\n<TD class=\"TITRE\" align=\"center\" >R E S U L T A T S")));
    EXPECT_TRUE(page.endsWith(QStringLiteral("</TABLE></body>\r\n</html>\r\n")));
    EXPECT_TRUE(page.contains(QStringLiteral("<TD align=\"center\" >-58.40</TD>")));
    EXPECT_TRUE(page.contains(QStringLiteral("<TD class=\"OK\" align=\"center\" >4.89</TD>")));
    EXPECT_FALSE(page.contains(QStringLiteral("D O N N E E S")));

    const Execution donnees = LancerCli({QStringLiteral("note"), chemin, QStringLiteral("--donnees"), QStringLiteral("--calcul"),
                                      QStringLiteral("Contrefort A")});
    EXPECT_EQ(donnees.status, 0);
    const QString avecDonnees = QString::fromUtf8(donnees.out);
    EXPECT_TRUE(avecDonnees.contains(QStringLiteral("<body><TABLE border=\"2\" cellpadding=\"2\" cellspacing=\"0\" "
                                                    "width=\"95%\">\r\n<COLGROUP><COL width=\"70%\"")));
    EXPECT_TRUE(avecDonnees.contains(QStringLiteral(">h &lt; 2 m &amp; pile</TD>")));
    EXPECT_TRUE(avecDonnees.contains(QStringLiteral("2 SECTIONS (décrites de bas en haut du tolvane)")));

    // The same page in a file, marked as UTF-8 for the browser.
    const QString html = dossier.filePath(QStringLiteral("note.html"));
    const Execution fichier = LancerCli({QStringLiteral("note"), chemin, QStringLiteral("--calcul"), QStringLiteral("Contrefort A"),
                                      QStringLiteral("-o"), html});
    EXPECT_EQ(fichier.status, 0);
    EXPECT_TRUE(fichier.out.isEmpty());
    EXPECT_EQ(Lire(html), QByteArrayLiteral("\xEF\xBB\xBF") + note.out);
}

TEST_F(DocumentNote, PdfHasPrintedPages)
{
    const QString pdf = dossier.filePath(QStringLiteral("note.PDF"));
    const Execution note = LancerCli({QStringLiteral("note"), chemin, QStringLiteral("--calcul"), QStringLiteral("Contrefort A"),
                                   QStringLiteral("--donnees"), QStringLiteral("-o"), pdf});
    EXPECT_EQ(note.status, 0) << note.err.toStdString();
    const QByteArray octets = Lire(pdf);
    EXPECT_TRUE(octets.startsWith("%PDF-"));
    EXPECT_TRUE(octets.contains("/Type /Page\n") || octets.contains("/Type /Page\r") || octets.contains("/Type /Page "));
    EXPECT_TRUE(octets.trimmed().endsWith("%%EOF"));
}

TEST_F(DocumentNote, PdfIsTheDeliverableReportWithItsTitleBlockAndDrawing)
{
    if (!OutilsPdfPresents())
        GTEST_SKIP() << "poppler-utils (pdfinfo, pdftotext, pdftoppm) absent";
    const QString pdf = dossier.filePath(QStringLiteral("rapport.pdf"));
    const Execution note = LancerCli({QStringLiteral("note"), chemin, QStringLiteral("--calcul"), QStringLiteral("Poussé"),
                                   QStringLiteral("-o"), pdf});
    EXPECT_EQ(note.status, 1) << note.err.toStdString();
    const int pages = PagesPdf(pdf);
    ASSERT_EQ(pages, 3);
    const QString premiere = TextePdf(pdf, 1, 1);
    for (const QString& attendu : {QStringLiteral("église.Tolvane"), QStringLiteral("Poussé"),
                                   QStringLiteral("Résultat : NON CONFORME"), QStringLiteral("page 1 / 3")})
        EXPECT_TRUE(premiere.contains(attendu)) << attendu.toStdString() << "\n" << premiere.toStdString();
    EXPECT_TRUE(TextePdf(pdf, 2, 2).contains(QStringLiteral("Dessin du contrefort")));
}

TEST_F(DocumentNote, RefusalsGoToStandardErrorWithTheirStatus)
{
    const QString sortie = dossier.filePath(QStringLiteral("refus.html"));
    const struct {
        const char* name;
        QStringList arguments;
        int status;
        const char* message;
    } cases[] = {
        {"calcul inconnu", {chemin, QStringLiteral("--calcul"), QStringLiteral("Contrefort Z"), QStringLiteral("-o"), sortie}, 3,
         "n'a pas de calcul nommé « Contrefort Z »"},
        {"document absent",
         {dossier.filePath(QStringLiteral("absent.Tolvane")), QStringLiteral("--calcul"), QStringLiteral("Contrefort A"),
          QStringLiteral("-o"), sortie},
         3, "Document introuvable"},
        {"nom de calcul manquant", {chemin, QStringLiteral("-o"), sortie}, 3, "Nom du calcul manquant"},
        {"valeur manquante", {chemin, QStringLiteral("--calcul")}, 3, "Valeur manquante après --calcul"},
        {"option inconnue", {chemin, QStringLiteral("--calcul"), QStringLiteral("Contrefort A"), QStringLiteral("--json")}, 3,
         "Option inconnue : --json"},
        {"données invalides", {chemin, QStringLiteral("--calcul"), QStringLiteral("Invalide"), QStringLiteral("-o"), sortie}, 2,
         "Section 1 : la masse volumique est <= 0"},
        {"dossier de sortie absent",
         {chemin, QStringLiteral("--calcul"), QStringLiteral("Contrefort A"), QStringLiteral("-o"),
          dossier.filePath(QStringLiteral("absent/note.pdf"))},
         3, "Impossible d'écrire le fichier"},
        {"sortie sur le document lui-même",
         {chemin, QStringLiteral("--calcul"), QStringLiteral("Contrefort A"), QStringLiteral("-o"),
          dossier.filePath(QStringLiteral("./église.Tolvane"))},
         3, "La note ne peut pas remplacer le document"},
    };
    const QByteArray documentAvant = Lire(chemin);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Execution note = LancerCli(QStringList{QStringLiteral("note")} + c.arguments);
        EXPECT_EQ(note.status, c.status);
        EXPECT_TRUE(note.err.contains(QString::fromUtf8(c.message))) << note.err.toStdString();
        EXPECT_TRUE(note.out.isEmpty());
        EXPECT_FALSE(QFile::exists(sortie));
        EXPECT_EQ(Lire(chemin), documentAvant);
    }
}

TEST_F(DocumentNote, NonConformingCalculationStillGetsItsNote)
{
    const Execution note = LancerCli({QStringLiteral("note"), chemin, QStringLiteral("--calcul"), QStringLiteral("Poussé")});
    EXPECT_EQ(note.status, 1);
    const QString page = QString::fromUtf8(note.out);
    EXPECT_TRUE(page.contains(QStringLiteral("<TD class=\"NOK\" align=\"center\" >90.00</TD>")));
}

TEST(CliNoteExample, ShippedWorkedExampleGivesItsNote)
{
    const Execution note = LancerCli({QStringLiteral("note"), QStringLiteral(TOLVANE_EXAMPLES_DIR "/exemple-combinaisons.Tolvane"),
                                   QStringLiteral("--calcul"), QStringLiteral("Exemple")});
    ASSERT_EQ(note.status, 0) << note.err.toStdString();
    const QString page = QString::fromUtf8(note.out);
    EXPECT_TRUE(page.contains(QStringLiteral("<TD align=\"center\" >-58.40</TD>\r\n<TD align=\"center\" >-21.68</TD>")));
    EXPECT_TRUE(page.contains(QStringLiteral("<TD class=\"OK\" align=\"center\" >0.13 (<0.17) </TD>")));
    EXPECT_TRUE(page.contains(QStringLiteral("<TD align=\"center\" >0.90 G + 1.50 W</TD>\r\n<TD align=\"center\" >4.50</TD>")));
}
