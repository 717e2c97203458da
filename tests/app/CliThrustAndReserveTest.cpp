#include "model/DonneesAppli.h"

#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include "CliDocument.h"
#include "CliRun.h"

#include <gtest/gtest.h>

namespace {

// Two prismatic sections 1 m × 1 m, 2 m apart, 2000 daN/m³ (4000 daN of
// masonry), a permanent load P = 6000 daN at the centre of the top and a
// horizontal wind load H there. At the bottom, 0.90 G + 1.50 W gives
// e = 1.5 λ H × 2 / 9000, and the stress block fails when e > 0.5 - δ with
// δ = 9000 / (1.5 × 100000 × 5) = 0.012 m: λ* = 0.488 × 6000 / (2 H).
//   H = 700: λ* = 2.0914 -> "réserve 2.09"; at λ = 1, e = 0.233 > 1/6:
//            ACCEPTABLE;
//   H = 3000: λ* = 0.488 -> "réserve 0.48", NON CONFORME at λ = 1;
//   H = 10: λ* = 146 -> "réserve > 100".
// With the permanent load 1 m beyond the centre of the top section, the
// permanent loads alone fail: "aucune réserve".
QList<TSection> contrefort(double H, double excentrementPermanent = 0)
{
    TSection bas = SectionMaconnerie(0, 1, 1);
    TSection haut = SectionMaconnerie(2, 1, 1);
    haut.se_posicharge = 0.5 + excentrementPermanent;
    haut.se_chargePG = {0, -6000};
    haut.se_chargePW = {H, 0};
    return {bas, haut};
}

QString documentReserves(const QTemporaryDir& dir)
{
    return Document()
        .calcul(QStringLiteral("moyen"), contrefort(700))
        .calcul(QStringLiteral("fort"), contrefort(3000))
        .calcul(QStringLiteral("faible"), contrefort(10))
        .calcul(QStringLiteral("porte-à-faux"), contrefort(700, 1))
        .calcul(QStringLiteral("inv"), {SectionMaconnerie(0), SectionMaconnerie(0.04)})
        .ecrire(dir, QStringLiteral("reserves.Tolvane"));
}

} // namespace

TEST(CliReserve, TextModeAddsAThirdColumnAndNothingElse)
{
    QTemporaryDir dir;
    const QString chemin = documentReserves(dir);
    const Execution sans = LancerCli({QStringLiteral("calculer"), chemin});
    const Execution avec = LancerCli({QStringLiteral("calculer"), chemin, QStringLiteral("--reserve")});
    const QString invalide = QStringLiteral("inv\tDONNÉES INVALIDES : Section 2 : le niveau de la section doit être "
                                            "supérieur d'au moins 5 cm à celui de la précédente\n");
    EXPECT_EQ(sans.sortie(), QStringLiteral("moyen\tACCEPTABLE\nfort\tNON CONFORME\nfaible\tSATISFAISANT\n"
                                            "porte-à-faux\tNON CONFORME\n")
                                 + invalide);
    EXPECT_EQ(avec.sortie(), QStringLiteral("moyen\tACCEPTABLE\tréserve 2.09\n"
                                            "fort\tNON CONFORME\tréserve 0.48\n"
                                            "faible\tSATISFAISANT\tréserve > 100\n"
                                            "porte-à-faux\tNON CONFORME\taucune réserve\n")
                                 + invalide);
    EXPECT_EQ(avec.status, 2);
    EXPECT_EQ(avec.status, sans.status);
}

TEST(CliReserve, JsonCarriesTheRoundedFactorOnEachCalculation)
{
    QTemporaryDir dir;
    const QString chemin = documentReserves(dir);
    const auto calculs = [&](const QStringList& options) {
        const Execution r = LancerCli(QStringList{QStringLiteral("calculer"), chemin, QStringLiteral("--json")} + options);
        QJsonParseError erreur;
        const QJsonDocument json = QJsonDocument::fromJson(r.out, &erreur);
        EXPECT_EQ(erreur.error, QJsonParseError::NoError) << r.sortie().toStdString();
        return json.object()[u"calculs"].toArray();
    };
    const QJsonArray sans = calculs({});
    const QJsonArray avec = calculs({QStringLiteral("--reserve")});
    ASSERT_EQ(avec.size(), 5);
    ASSERT_EQ(sans.size(), 5);
    const QJsonValue attendus[] = {2.09, 0.48, 100, QJsonValue::Null, QJsonValue::Null};
    for (int i = 0; i < 5; ++i) {
        SCOPED_TRACE(i);
        QJsonObject o = avec[i].toObject();
        ASSERT_TRUE(o.contains(u"reserve"));
        EXPECT_EQ(o[u"reserve"], attendus[i]);
        EXPECT_FALSE(sans[i].toObject().contains(u"reserve"));
        // Every other field is what it is without the option.
        o.remove(u"reserve");
        EXPECT_EQ(o, sans[i].toObject());
    }
    // The number is written as its hundredths, nothing more.
    const Execution r = LancerCli({QStringLiteral("calculer"), chemin, QStringLiteral("--json"), QStringLiteral("--reserve")});
    EXPECT_TRUE(r.sortie().contains(QStringLiteral("\"reserve\": 2.09,")));
    EXPECT_TRUE(r.sortie().contains(QStringLiteral("\"reserve\": 100,")));
}

TEST(CliReserve, HelpDocumentsTheOptions)
{
    const Execution calculer = LancerCli({QStringLiteral("calculer"), QStringLiteral("--help")});
    EXPECT_EQ(calculer.status, 0);
    EXPECT_TRUE(calculer.sortie().contains(QStringLiteral("[--reserve]")));
    EXPECT_TRUE(calculer.sortie().contains(QStringLiteral("\"réserve 1.85\"")));
    const Execution general = LancerCli({QStringLiteral("--help")});
    EXPECT_TRUE(general.sortie().contains(QStringLiteral("calculer DOCUMENT [--json] [--reserve]")));
    EXPECT_TRUE(general.sortie().contains(QStringLiteral("[--ligne-de-poussee]")));
    const Execution dessin = LancerCli({QStringLiteral("dessin"), QStringLiteral("--help")});
    EXPECT_EQ(dessin.status, 0);
    EXPECT_TRUE(dessin.sortie().contains(QStringLiteral("--ligne-de-poussee")));
}

TEST(CliLignePoussee, AddsTheLineToTheCommandsAndThePicture)
{
    QTemporaryDir dir;
    const QString chemin = Document().calcul(QStringLiteral("moyen"), contrefort(700)).ecrire(dir, QStringLiteral("d.Tolvane"));
    const QStringList base{QStringLiteral("dessin"), chemin, QStringLiteral("--calcul"), QStringLiteral("moyen"),
                           QStringLiteral("--commandes")};
    const Execution sans = LancerCli(base);
    const Execution avec = LancerCli(base + QStringList{QStringLiteral("--ligne-de-poussee")});
    ASSERT_EQ(sans.status, 0) << sans.err.toStdString();
    ASSERT_EQ(avec.status, 0) << avec.err.toStdString();
    EXPECT_FALSE(sans.out.contains("COULEUR\t12583040"));
    // The usual text, then the line: through the centre of the top section
    // (e = 0) and, at the bottom, 0.5 + 1.5 × 700 × 2 / (1.35 × 10000) = 0.656.
    ASSERT_TRUE(avec.out.startsWith(sans.out));
    const QByteArray ligne = avec.out.mid(sans.out.size());
    EXPECT_TRUE(ligne.contains("COULEUR\t12583040\r\nEPTRAIT\t2\r\nLIGNE\r\n0.656\t0.000\r\n0.500\t2.000\r\n"));

    const QString png = dir.filePath(QStringLiteral("ligne.png"));
    ASSERT_EQ(LancerCli(base.mid(0, 4) + QStringList{QStringLiteral("--ligne-de-poussee"), QStringLiteral("-o"), png})
                  .status,
              0);
    const QImage image(png);
    ASSERT_FALSE(image.isNull());
    int violets = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            violets += image.pixelColor(x, y) == QColor(0x80, 0x00, 0xC0);
    EXPECT_GT(violets, 50);
}
