#include "documents/DocumentFile.h"
#include "model/DonneesAppli.h"

#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <cmath>
#include "CliRun.h"

#include <gtest/gtest.h>

namespace {

// "Contour": the two sections of the drawing example, without load.
// "Charges": the same buttress with a permanent and a wind point load at the
// top and a distributed wind load at the bottom. "Invalide": a zero density.
class DocumentDessin : public ::testing::Test {
protected:
    void SetUp() override
    {
        TFichPb document;
        auto ajouter = [&](const QString& nom, QList<TSection> sections) {
            TCalcul* calcul = document.NouveauCalcul();
            calcul->nomtab = nom;
            calcul->DAP->Data.Sections = std::move(sections);
            calcul->DAP->CalCRC();
            document.AddCalcul(calcul);
        };
        ajouter(QStringLiteral("Contour"), {SectionMaconnerie(0, 1.0), SectionMaconnerie(3, 0.6)});
        TSection bas = SectionMaconnerie(0, 1.0);
        bas.se_chargeRW = 200;
        TSection haut = SectionMaconnerie(3, 0.6);
        haut.se_posicharge = 0.3;
        haut.se_chargePG = {0, -2000};
        haut.se_chargePW = {300, 0};
        ajouter(QStringLiteral("Charges"), {bas, haut});
        TSection vide = SectionMaconnerie(0, 1.0);
        vide.se_mvol = 0;
        ajouter(QStringLiteral("Invalide"), {vide});
        chemin = dossier.filePath(QStringLiteral("contreforts.Tolvane"));
        EnregistrerDocument(document, chemin);
    }

    Execution Dessin(const QString& calcul, const QStringList& options)
    {
        return LancerCli(QStringList{QStringLiteral("dessin"), chemin, QStringLiteral("--calcul"), calcul} + options);
    }

    QTemporaryDir dossier;
    QString chemin;
};

struct Fleche {
    double x1, y1, x2, y2;
    double longueur() const { return std::hypot(x2 - x1, y2 - y1); }
};

std::vector<Fleche> Fleches(const QByteArray& texte)
{
    std::vector<Fleche> f;
    for (const QString& ligne : QString::fromUtf8(texte).split(QStringLiteral("\r\n"))) {
        const QStringList champs = ligne.split(u'\t');
        if (champs.size() == 5 && champs[0] == QStringLiteral("FLECHE"))
            f.push_back({champs[1].toDouble(), champs[2].toDouble(), champs[3].toDouble(), champs[4].toDouble()});
    }
    return f;
}

int PixelsDe(const QImage& image, QColor couleur)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += image.pixelColor(x, y) == couleur;
    return n;
}

const QColor kNoir(0, 0, 0);
const QColor kBleu(0, 0, 255);
const QColor kVert(0x92, 0xD0, 0x50);

TEST_F(DocumentDessin, CommandesPrintsTheCommandTextOfTheDrawing)
{
    const Execution e = Dessin(QStringLiteral("Contour"),
                               {QStringLiteral("--sans-ponctuelles"), QStringLiteral("--sans-reparties"),
                                QStringLiteral("--commandes")});
    EXPECT_EQ(e.status, 0) << e.err.toStdString();
    EXPECT_EQ(e.out, QByteArray("REPERE\t255\r\nCOULEUR\t0\r\n"
                                "LIGNE\r\n0.000\t0.000\r\n1.000\t0.000\r\n"
                                "LIGNE\r\n0.000\t3.000\r\n0.600\t3.000\r\n"
                                "LIGNE\r\n0.000\t0.000\r\n0.000\t3.000\r\n"
                                "LIGNE\r\n1.000\t0.000\r\n0.600\t3.000\r\n"
                                "COULEUR\t16711680\r\nCOULEUR\t16711680\r\n"));
}

TEST_F(DocumentDessin, OptionsChooseTheArrowsDrawn)
{
    // Computed: MaxCharge 2000 (the G load), so EchCharges = 3 / 5 / 2000.
    const auto fleches = [&](const QStringList& options) {
        const Execution e = Dessin(QStringLiteral("Charges"), options + QStringList{QStringLiteral("--commandes")});
        EXPECT_EQ(e.status, 0) << e.err.toStdString();
        return Fleches(e.out);
    };
    const auto donnees = fleches({});
    ASSERT_EQ(donnees.size(), 3u); // from the bottom: distributed W, then G and W at the top
    EXPECT_NEAR(donnees[0].longueur(), 0.6 * 200 / 2000, 1e-3);
    EXPECT_NEAR(donnees[1].longueur(), 0.6, 1e-3);
    EXPECT_NEAR(donnees[2].longueur(), 0.6 * 300 / 2000, 1e-3);

    const auto doubles = fleches({QStringLiteral("--echelle"), QStringLiteral("20")});
    ASSERT_EQ(doubles.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i)
        EXPECT_NEAR(doubles[i].longueur(), 2 * donnees[i].longueur(), 2e-3);

    EXPECT_EQ(fleches({QStringLiteral("--familles"), QStringLiteral("w"), QStringLiteral("--sans-reparties")}).size(), 1u);
    EXPECT_EQ(fleches({QStringLiteral("--familles"), QStringLiteral("GSQ")}).size(), 1u);
    EXPECT_EQ(fleches({QStringLiteral("--sans-ponctuelles")}).size(), 1u);
    EXPECT_EQ(fleches({QStringLiteral("--affichage"), QStringLiteral("resultats")}).size(), 2u);
    EXPECT_EQ(fleches({QStringLiteral("--affichage"), QStringLiteral("les-deux")}).size(), 5u);
}

TEST_F(DocumentDessin, RendersPngFittedToTheSize)
{
    struct Cas {
        const char* affichage;
        bool bleu, vert;
    };
    for (const Cas& cas : {Cas{"donnees", true, false}, Cas{"resultats", false, true}, Cas{"les-deux", true, true}}) {
        const QString png = dossier.filePath(QStringLiteral("dessin-%1.png").arg(QLatin1String(cas.affichage)));
        const Execution e = Dessin(QStringLiteral("Charges"), {QStringLiteral("--affichage"),
                                                              QLatin1String(cas.affichage), QStringLiteral("-o"), png,
                                                              QStringLiteral("--taille"), QStringLiteral("300x400")});
        EXPECT_EQ(e.status, 0) << e.err.toStdString();
        EXPECT_TRUE(e.out.isEmpty());
        const QImage image(png);
        ASSERT_FALSE(image.isNull()) << cas.affichage;
        EXPECT_EQ(image.size(), QSize(300, 400));
        EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::white));
        EXPECT_GT(PixelsDe(image, kNoir), 300) << cas.affichage;
        EXPECT_EQ(PixelsDe(image, kBleu) > 20, cas.bleu) << cas.affichage;
        EXPECT_EQ(PixelsDe(image, kVert) > 20, cas.vert) << cas.affichage;
    }
    // The default size.
    const QString png = dossier.filePath(QStringLiteral("defaut.png"));
    EXPECT_EQ(Dessin(QStringLiteral("Contour"), {QStringLiteral("-o"), png}).status, 0);
    EXPECT_EQ(QImage(png).size(), QSize(800, 600));
}

TEST_F(DocumentDessin, RendersPdfAndSvgAndPrintsCommandsWhenAsked)
{
    const QString pdf = dossier.filePath(QStringLiteral("dessin.pdf"));
    const QString svg = dossier.filePath(QStringLiteral("dessin.SVG"));
    const Execution p = Dessin(QStringLiteral("Charges"), {QStringLiteral("-o"), pdf});
    EXPECT_EQ(p.status, 0) << p.err.toStdString();
    const Execution s = Dessin(QStringLiteral("Charges"), {QStringLiteral("-o"), svg, QStringLiteral("--commandes")});
    EXPECT_EQ(s.status, 0) << s.err.toStdString();
    EXPECT_TRUE(s.out.startsWith("REPERE\t255\r\n"));
    QFile fichierPdf(pdf);
    ASSERT_TRUE(fichierPdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(fichierPdf.readAll().startsWith("%PDF-"));
    QFile fichierSvg(svg);
    ASSERT_TRUE(fichierSvg.open(QIODevice::ReadOnly));
    const QByteArray contenu = fichierSvg.readAll();
    EXPECT_TRUE(contenu.contains("<svg"));
    EXPECT_TRUE(contenu.contains("viewBox=\"0 0 800 600\""));
    EXPECT_TRUE(contenu.contains("#0000ff")); // the load arrows
}

TEST_F(DocumentDessin, InvalidDataGiveNoDrawing)
{
    const QString png = dossier.filePath(QStringLiteral("invalide.png"));
    const Execution e = Dessin(QStringLiteral("Invalide"), {QStringLiteral("-o"), png});
    EXPECT_EQ(e.status, 2);
    EXPECT_TRUE(e.err.contains(QStringLiteral("Section 1 : la masse volumique est <= 0")));
    EXPECT_TRUE(e.err.contains(QStringLiteral("aucun dessin n'est produit")));
    EXPECT_FALSE(QFile::exists(png));
}

TEST_F(DocumentDessin, IncorrectCommandsAreRefusedWithoutWritingAnything)
{
    const QString png = dossier.filePath(QStringLiteral("refus.png"));
    struct Cas {
        QStringList arguments;
        const char* message;
    };
    const QString doc = chemin;
    const QString calcul = QStringLiteral("--calcul");
    const QString contour = QStringLiteral("Contour");
    const QString o = QStringLiteral("-o");
    const std::vector<Cas> cas = {
        {{doc, o, png}, "Nom du calcul manquant"},
        {{calcul, contour, o, png}, "Document manquant"},
        {{doc, calcul, QStringLiteral("Absent"), o, png}, "n'a pas de calcul nommé « Absent »"},
        {{doc, calcul, contour, QStringLiteral("--affichage"), QStringLiteral("tout"), o, png}, "Affichage inconnu : tout"},
        {{doc, calcul, contour, QStringLiteral("--echelle"), QStringLiteral("101"), o, png}, "Échelle des charges incorrecte : 101"},
        {{doc, calcul, contour, QStringLiteral("--echelle"), QStringLiteral("2.5"), o, png}, "Échelle des charges incorrecte : 2.5"},
        {{doc, calcul, contour, QStringLiteral("--familles"), QStringLiteral("GX"), o, png}, "Familles incorrectes : GX"},
        {{doc, calcul, contour, QStringLiteral("--taille"), QStringLiteral("0x600"), o, png}, "Taille incorrecte : 0x600"},
        {{doc, calcul, contour, QStringLiteral("--taille"), QStringLiteral("99999x600"), o, png}, "Taille incorrecte : 99999x600"},
        {{doc, calcul, contour, QStringLiteral("--taille"), QStringLiteral("800"), o, png}, "Taille incorrecte : 800"},
        {{doc, calcul, contour, o, dossier.filePath(QStringLiteral("x.jpg"))}, "Format de fichier non reconnu"},
        {{doc, calcul, contour, QStringLiteral("--vite"), o, png}, "Option inconnue : --vite"},
        {{doc, calcul, contour, o}, "Valeur manquante après -o"},
        {{dossier.filePath(QStringLiteral("absent.Tolvane")), calcul, contour, o, png}, ""},
    };
    for (const Cas& c : cas) {
        const Execution e = LancerCli(QStringList{QStringLiteral("dessin")} + c.arguments);
        EXPECT_EQ(e.status, 3) << c.message;
        EXPECT_FALSE(e.err.isEmpty()) << c.message;
        EXPECT_TRUE(e.err.contains(QString::fromUtf8(c.message))) << c.message << " / " << e.err.toStdString();
        EXPECT_TRUE(e.out.isEmpty()) << c.message;
        EXPECT_FALSE(QFile::exists(png)) << c.message;
    }

    // A document named like a picture is still not overwritten by its drawing.
    const QString docSvg = dossier.filePath(QStringLiteral("contreforts.svg"));
    ASSERT_TRUE(QFile::copy(doc, docSvg));
    const QByteArray avant = [&] {
        QFile f(docSvg);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }();
    const Execution surDocument = LancerCli({QStringLiteral("dessin"), docSvg, calcul, contour, o, docSvg});
    EXPECT_EQ(surDocument.status, 3);
    EXPECT_TRUE(surDocument.err.contains(QStringLiteral("Le dessin ne peut pas remplacer le document")));
    QFile apres(docSvg);
    ASSERT_TRUE(apres.open(QIODevice::ReadOnly));
    EXPECT_EQ(apres.readAll(), avant);

    const Execution dossierAbsent =
        Dessin(contour, {o, dossier.filePath(QStringLiteral("pas/de/dossier/dessin.png"))});
    EXPECT_EQ(dossierAbsent.status, 3);
    EXPECT_TRUE(dossierAbsent.err.contains(QStringLiteral("Impossible d'écrire le fichier")));
}

TEST(CliDessin, DrawsTheShippedExamples)
{
    QTemporaryDir dossier;
    const QString png = dossier.filePath(QStringLiteral("eglise.png"));
    const Execution e = LancerCli({QStringLiteral("dessin"), QStringLiteral(TOLVANE_EXAMPLES_DIR "/eglise-contreforts.Tolvane"),
                                QStringLiteral("--calcul"), QStringLiteral("Contrefort nef C3"), QStringLiteral("--affichage"),
                                QStringLiteral("les-deux"), QStringLiteral("-o"), png});
    EXPECT_EQ(e.status, 0) << e.err.toStdString();
    const QImage image(png);
    ASSERT_FALSE(image.isNull());
    EXPECT_GT(PixelsDe(image, kBleu), 100);
    EXPECT_GT(PixelsDe(image, QColor(0xFF, 0xCC, 0x99)), 20); // ACCEPTABLE sections

    const Execution aide = LancerCli({QStringLiteral("dessin"), QStringLiteral("--help")});
    EXPECT_EQ(aide.status, 0);
    EXPECT_TRUE(QString::fromUtf8(aide.out).contains(QStringLiteral("Usage : tolvane-cli dessin")));
    EXPECT_TRUE(QString::fromUtf8(LancerCli({QStringLiteral("--help")}).out).contains(QStringLiteral("dessin DOCUMENT")));
}

} // namespace
