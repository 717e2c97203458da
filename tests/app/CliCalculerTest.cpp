#include "model/ButtressText.h"
#include "model/DonneesAppli.h"
#include "util/AnsiCodePage.h"
#include "util/TextFields.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <charconv>
#include <cmath>
#include "CliDocument.h"
#include "CliRun.h"

#include <gtest/gtest.h>
#include <numbers>

namespace {

QList<TSection> valide() { return {SectionMaconnerie(0), SectionMaconnerie(3, 0.6)}; }

QList<TSection> invalide() { return {SectionMaconnerie(0), SectionMaconnerie(0.04)}; }

// A horizontal load at the top section, where no masonry gives weight.
QList<TSection> nonConforme()
{
    QList<TSection> s = valide();
    s[1].se_chargePW = {300, 0};
    return s;
}

const QString kNiveau =
    QStringLiteral("Section 2 : le niveau de la section doit être supérieur d'au moins 5 cm à celui de la précédente");

} // namespace

TEST(CliCalculer, PrintsOneLinePerCalculationAndItsExitStatus)
{
    QTemporaryDir dir;
    const struct {
        const char* nom;
        Document document;
        QString sortie;
        int statut;
    } cas[] = {
        {"tout satisfaisant", Document().calcul(QStringLiteral("a"), valide()).calcul(QStringLiteral("b"), {}),
         QStringLiteral("a\tSATISFAISANT\nb\tSATISFAISANT\n"), 0},
        {"un calcul non conforme",
         Document().calcul(QStringLiteral("a"), valide()).calcul(QStringLiteral("tête"), nonConforme()),
         QStringLiteral("a\tSATISFAISANT\ntête\tNON CONFORME\n"), 1},
        {"données invalides", Document().calcul(QStringLiteral("inv"), invalide()).calcul(QStringLiteral("a"), valide()),
         QStringLiteral("inv\tDONNÉES INVALIDES : ") + kNiveau + QStringLiteral("\na\tSATISFAISANT\n"), 2},
        {"invalide l'emporte sur non conforme",
         Document().calcul(QStringLiteral("nc"), nonConforme()).calcul(QStringLiteral("inv"), invalide()),
         QStringLiteral("nc\tNON CONFORME\ninv\tDONNÉES INVALIDES : ") + kNiveau + u'\n', 2},
        {"document sans calcul", Document(), QString(), 0},
        {"un calcul illisible n'est pas vérifié",
         Document().calcul(QStringLiteral("a"), valide()).illisible(QStringLiteral("x")).calcul(QStringLiteral("b"), valide()),
         QStringLiteral("a\tSATISFAISANT\nb\tSATISFAISANT\n"), 2},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.nom);
        const Execution r = LancerCli({QStringLiteral("calculer"), c.document.ecrire(dir, QStringLiteral("d.Tolvane"))});
        EXPECT_EQ(r.sortie(), c.sortie);
        EXPECT_EQ(r.status, c.statut);
    }
}

TEST(CliCalculer, WorkedExampleJsonCarriesItsNumbers)
{
    const QString chemin = CheminExemple("exemple-combinaisons.Tolvane");
    EXPECT_EQ(LancerCli({QStringLiteral("calculer"), chemin}).sortie(), QStringLiteral("Exemple\tSATISFAISANT\n"));

    const Execution r = LancerCli({QStringLiteral("calculer"), chemin, QStringLiteral("--json")});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    QJsonParseError erreur;
    const QJsonDocument json = QJsonDocument::fromJson(r.sortie().toUtf8(), &erreur);
    ASSERT_EQ(erreur.error, QJsonParseError::NoError) << r.sortie().toStdString();
    const QJsonObject racine = json.object();
    EXPECT_EQ(racine.keys(), (QStringList{QStringLiteral("calculs"), QStringLiteral("document")}));
    EXPECT_EQ(racine[u"document"].toString(), chemin);
    const QJsonArray calculs = racine[u"calculs"].toArray();
    ASSERT_EQ(calculs.size(), 1);
    const QJsonObject calcul = calculs[0].toObject();
    EXPECT_EQ(calcul[u"nom"].toString(), QStringLiteral("Exemple"));
    EXPECT_EQ(calcul[u"resultat"].toInt(-9), 0);
    EXPECT_TRUE(calcul[u"erreur"].isNull());
    EXPECT_EQ(calcul[u"statut"].toInt(-9), 0);
    EXPECT_EQ(calcul[u"verdict"].toString(), QStringLiteral("SATISFAISANT"));
    EXPECT_NEAR(calcul[u"MaxCharge"].toDouble(), 2000, 1e-9);
    EXPECT_NEAR(calcul[u"MaxEffortV"].toDouble(), 7884, 1e-6);

    const QJsonArray sections = calcul[u"sections"].toArray();
    ASSERT_EQ(sections.size(), 2);
    const QJsonObject bas = sections[0].toObject();
    const QJsonObject haut = sections[1].toObject();
    EXPECT_FALSE(bas[u"derniere"].toBool(true)) << "bottom section first";
    EXPECT_TRUE(haut[u"derniere"].toBool(false));

    auto torseur = [](const QJsonObject& o, const char16_t* cle) { return o[cle].toArray(); };
    auto proche = [](const QJsonArray& t, double fx, double fz, double my, double tol) {
        ASSERT_EQ(t.size(), 3);
        EXPECT_NEAR(t[0].toDouble(), fx, tol);
        EXPECT_NEAR(t[1].toDouble(), fz, tol);
        EXPECT_NEAR(t[2].toDouble(), my, tol);
    };
    const QJsonObject tBas = bas[u"torseurs"].toObject();
    EXPECT_NEAR(bas[u"Xcdg"].toDouble(), 0.40832, 5e-6);
    EXPECT_NEAR(bas[u"Zcdg"].toDouble(), 1.37514, 5e-6);
    proche(torseur(tBas, u"Gpp"), 0, -3840, -1567.96, 5e-3);
    proche(torseur(tBas, u"GaddP"), 0, -2000, -600, 1e-9);
    proche(torseur(tBas, u"Gtot"), 0, -5840, -2167.96, 5e-3);
    proche(torseur(tBas, u"WP"), 300, 0, -900, 1e-9);
    const QJsonObject exc = bas[u"maxExc"].toObject();
    EXPECT_EQ(exc[u"combinaison"].toString(), QStringLiteral("1.35 G"));
    proche(exc[u"torseur"].toArray(), 0, -7884, 1015.25, 5e-3);
    EXPECT_NEAR(exc[u"valeur"].toDouble(), -0.12877, 5e-6);
    EXPECT_EQ(exc[u"statut"].toInt(-9), 0);
    const QJsonObject ctr = bas[u"maxCtr"].toObject();
    EXPECT_NEAR(ctr[u"valeur"].toDouble(), 3.54, 5e-3);
    EXPECT_EQ(ctr[u"statut"].toInt(-9), 0);
    const QJsonObject ang = bas[u"maxAng"].toObject();
    EXPECT_EQ(ang[u"combinaison"].toString(), QStringLiteral("0.90 G + 1.50 W"));
    proche(ang[u"torseur"].toArray(), 450, -5256, -673.17, 5e-3);
    EXPECT_NEAR(ang[u"valeur"].toDouble() * 180 / std::numbers::pi, 4.89, 5e-3);

    proche(torseur(haut[u"torseurs"].toObject(), u"Gtot"), 0, -2000, -600, 1e-9);
    proche(haut[u"maxExc"].toObject()[u"torseur"].toArray(), 0, -2700, 0, 1e-9);
    EXPECT_NEAR(haut[u"maxCtr"].toObject()[u"valeur"].toDouble(), 1.5, 5e-3);
    EXPECT_NEAR(haut[u"maxAng"].toObject()[u"valeur"].toDouble() * 180 / std::numbers::pi, 14.04, 5e-3);

    // Every number is written in its shortest form that reads back the same.
    const QRegularExpression nombre(QStringLiteral(R"((?<=: |\[|, )(-?\d[\d.eE+-]*))"));
    int nombres = 0;
    for (auto it = nombre.globalMatch(r.sortie()); it.hasNext(); ++nombres) {
        const std::string texte = it.next().captured(1).toStdString();
        double valeur = 0;
        std::from_chars(texte.data(), texte.data() + texte.size(), valeur);
        char court[64];
        const auto fin = std::to_chars(court, court + sizeof court, valeur).ptr;
        EXPECT_EQ(std::string(court, fin), texte);
    }
    EXPECT_GT(nombres, 100);
}

TEST(CliCalculer, JsonOfInvalidDataCarriesTheMessageAndNoResult)
{
    QTemporaryDir dir;
    const QString chemin = Document()
                               .calcul(QStringLiteral("inv"), invalide())
                               .calcul(QStringLiteral("nc"), nonConforme())
                               .ecrire(dir, QStringLiteral("d.Tolvane"));
    const Execution r = LancerCli({QStringLiteral("calculer"), QStringLiteral("--json"), chemin});
    EXPECT_EQ(r.status, 2);
    const QJsonArray calculs = QJsonDocument::fromJson(r.sortie().toUtf8()).object()[u"calculs"].toArray();
    ASSERT_EQ(calculs.size(), 2);
    const QJsonObject inv = calculs[0].toObject();
    EXPECT_EQ(inv[u"resultat"].toInt(), -1);
    EXPECT_EQ(inv[u"erreur"].toString(), kNiveau);
    EXPECT_TRUE(inv[u"statut"].isNull());
    EXPECT_TRUE(inv[u"verdict"].isNull());
    EXPECT_TRUE(inv[u"sections"].toArray().isEmpty());
    const QJsonObject nc = calculs[1].toObject();
    EXPECT_EQ(nc[u"statut"].toInt(), 2);
    EXPECT_EQ(nc[u"verdict"].toString(), QStringLiteral("NON CONFORME"));
    EXPECT_EQ(nc[u"sections"].toArray()[1].toObject()[u"maxAng"].toObject()[u"statut"].toInt(), 2);
}

TEST(CliCalculer, RealisticChurchExampleComputesEveryTab)
{
    const Execution r = LancerCli({QStringLiteral("calculer"), CheminExemple("eglise-contreforts.Tolvane"), QStringLiteral("--json")});
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    const QJsonArray calculs = QJsonDocument::fromJson(r.sortie().toUtf8()).object()[u"calculs"].toArray();
    ASSERT_EQ(calculs.size(), 2);
    EXPECT_EQ(calculs[0].toObject()[u"nom"].toString(), QStringLiteral("Contrefort nef C3"));
    EXPECT_EQ(calculs[1].toObject()[u"nom"].toString(), QStringLiteral("Contrefort chœur C7"));
    for (const QJsonValue& v : calculs) {
        const QJsonArray sections = v.toObject()[u"sections"].toArray();
        ASSERT_GE(sections.size(), 4);
        double zPrecedent = -1;
        for (qsizetype i = 0; i + 1 < sections.size(); ++i) {
            const QJsonObject s = sections[i].toObject();
            EXPECT_GT(s[u"Zcdg"].toDouble(), zPrecedent) << "sections bottom first";
            zPrecedent = s[u"Zcdg"].toDouble();
            EXPECT_LT(s[u"torseurs"].toObject()[u"Ggoutt"].toArray()[1].toDouble(), 0) << "wall weight";
        }
        const QJsonObject bas = sections[0].toObject()[u"torseurs"].toObject();
        for (const char16_t* famille : {u"GaddP", u"S", u"WP", u"WR", u"QP"})
            EXPECT_NE(bas[famille].toArray()[0].toDouble() + bas[famille].toArray()[1].toDouble(), 0);
    }
}

TEST(CliCalculer, RefusesWrongCommandsAndUnreadableDocumentsWithoutCrashing)
{
    QTemporaryDir dir;
    const QString garbage = dir.filePath(QStringLiteral("binaire.Tolvane"));
    {
        QFile f(garbage);
        f.open(QIODevice::WriteOnly);
        QByteArray octets;
        for (int i = 0; i < 4096; ++i)
            octets.append(char((i * 7919 + 13) % 256));
        f.write(octets);
    }
    const struct {
        const char* nom;
        QStringList arguments;
        int statut;
        QString message;
    } cas[] = {
        {"document manquant", {QStringLiteral("calculer")}, 3, QStringLiteral("Document manquant")},
        {"option inconnue", {QStringLiteral("calculer"), CheminExemple("exemple-combinaisons.Tolvane"), QStringLiteral("--xml")},
         3, QStringLiteral("Option inconnue : --xml")},
        {"deux documents",
         {QStringLiteral("calculer"), CheminExemple("exemple-combinaisons.Tolvane"), CheminExemple("eglise-contreforts.Tolvane")}, 3,
         QStringLiteral("Un seul document")},
        {"fichier absent", {QStringLiteral("calculer"), dir.filePath(QStringLiteral("absent.Tolvane"))}, 3,
         QStringLiteral("Document introuvable")},
        {"dossier", {QStringLiteral("calculer"), dir.path()}, 3, QStringLiteral("n'est pas un fichier")},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.nom);
        const Execution r = LancerCli(c.arguments);
        EXPECT_TRUE(r.normalExit);
        EXPECT_EQ(r.status, c.statut);
        EXPECT_TRUE(r.err.contains(c.message)) << r.err.toStdString();
        EXPECT_TRUE(r.sortie().isEmpty());
    }

    const Execution binaire = LancerCli({QStringLiteral("calculer"), garbage, QStringLiteral("--json")});
    EXPECT_TRUE(binaire.normalExit);
    EXPECT_GE(binaire.status, 0);
    EXPECT_LE(binaire.status, 3);

    const Execution aide = LancerCli({QStringLiteral("--help")});
    EXPECT_TRUE(aide.sortie().contains(QStringLiteral("calculer DOCUMENT [--json]")));
    EXPECT_TRUE(aide.sortie().contains(QStringLiteral("DONNÉES INVALIDES")));
}
