// tolvane-cli dessin: computes one calculation of a document and gives its
// buttress drawing as a command text or as a picture (PNG, PDF or SVG).

#include "app/cli/CliCommands.h"
#include "app/cli/CliSupport.h"

#include "drawing/ButtressDrawing.h"
#include "drawing/DrawingExport.h"

#include <QRegularExpression>
#include <cstdio>

namespace {

const char* const kUsageDessin =
    "Usage : tolvane-cli dessin DOCUMENT --calcul NOM [--affichage donnees|resultats|les-deux]\n"
    "          [--echelle P] [--sans-ponctuelles] [--sans-reparties] [--familles GSWQ]\n"
    "          [--ligne-de-poussee] [--commandes] [-o FICHIER] [--taille LxH]\n"
    "  Calcule le calcul NOM et donne le dessin du contrefort.\n"
    "  --affichage   données (par défaut), résultats, ou les deux\n"
    "  --echelle P   position de l'échelle des charges, de -100 à 100 (0 par défaut)\n"
    "  --sans-ponctuelles, --sans-reparties   masquent ces charges\n"
    "  --familles    lettres des familles de charges montrées parmi G, S, W, Q (toutes par défaut)\n"
    "  --ligne-de-poussee   ajoute la ligne de poussée (passage de la résultante retenue pour\n"
    "                l'excentricité dans chaque section) et le tiers central de chaque section\n"
    "  --commandes   écrit le texte des commandes de dessin (par défaut sans -o)\n"
    "  -o FICHIER    écrit le dessin en .png, .pdf ou .svg, ajusté à la taille\n"
    "  --taille LxH  taille de l'image en pixels (800x600 par défaut)\n"
    "Statut de sortie : 0 SATISFAISANT ou ACCEPTABLE ; 1 NON CONFORME ; 2 calcul non\n"
    "effectué ; 3 document illisible, commande incorrecte ou fichier non écrit.\n";

constexpr int kTailleMin = 16;
constexpr int kTailleMax = 8000;

struct OptionsCli {
    QString document;
    QString calcul;
    bool calculDonne = false;
    OptionsDessin dessin;
    bool commandes = false;
    QString sortie;
    QSize taille{800, 600};
};

// Empty message when the arguments are usable.
QString LireOptions(const QStringList& args, OptionsCli& o)
{
    const QStringList avecValeur{QStringLiteral("--calcul"), QStringLiteral("-o"), QStringLiteral("--affichage"),
                                 QStringLiteral("--echelle"), QStringLiteral("--familles"), QStringLiteral("--taille")};
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (avecValeur.contains(arg)) {
            if (i + 1 >= args.size())
                return QStringLiteral("Valeur manquante après %1").arg(arg);
            const QString valeur = args[++i];
            if (arg == QStringLiteral("--calcul")) {
                o.calcul = valeur;
                o.calculDonne = true;
            } else if (arg == QStringLiteral("-o")) {
                o.sortie = valeur;
            } else if (arg == QStringLiteral("--affichage")) {
                if (valeur == QStringLiteral("donnees") || valeur == QStringLiteral("données"))
                    o.dessin.affichage = OptionsDessin::Affichage::Donnees;
                else if (valeur == QStringLiteral("resultats") || valeur == QStringLiteral("résultats"))
                    o.dessin.affichage = OptionsDessin::Affichage::Resultats;
                else if (valeur == QStringLiteral("les-deux") || valeur == QStringLiteral("les deux"))
                    o.dessin.affichage = OptionsDessin::Affichage::LesDeux;
                else
                    return QStringLiteral("Affichage inconnu : %1 (donnees, resultats ou les-deux)").arg(valeur);
            } else if (arg == QStringLiteral("--echelle")) {
                bool ok = false;
                const int p = valeur.toInt(&ok);
                if (!ok || p < -100 || p > 100)
                    return QStringLiteral("Échelle des charges incorrecte : %1 (entier de -100 à 100)").arg(valeur);
                o.dessin.echelleCharges = p;
            } else if (arg == QStringLiteral("--familles")) {
                static const QRegularExpression lettres(QStringLiteral("^[GSWQgswq]*$"));
                if (!lettres.match(valeur).hasMatch())
                    return QStringLiteral("Familles incorrectes : %1 (lettres parmi G, S, W, Q)").arg(valeur);
                const QString f = valeur.toUpper();
                o.dessin.permanentes = f.contains(u'G');
                o.dessin.neige = f.contains(u'S');
                o.dessin.vent = f.contains(u'W');
                o.dessin.exploitation = f.contains(u'Q');
            } else {
                static const QRegularExpression format(QStringLiteral("^(\\d{1,5})[xX](\\d{1,5})$"));
                const QRegularExpressionMatch m = format.match(valeur);
                const int l = m.hasMatch() ? m.captured(1).toInt() : 0;
                const int h = m.hasMatch() ? m.captured(2).toInt() : 0;
                if (l < kTailleMin || h < kTailleMin || l > kTailleMax || h > kTailleMax)
                    return QStringLiteral("Taille incorrecte : %1 (LxH, de %2 à %3 pixels)")
                        .arg(valeur)
                        .arg(kTailleMin)
                        .arg(kTailleMax);
                o.taille = QSize(l, h);
            }
        } else if (arg == QStringLiteral("--sans-ponctuelles")) {
            o.dessin.ponctuelles = false;
        } else if (arg == QStringLiteral("--sans-reparties")) {
            o.dessin.reparties = false;
        } else if (arg == QStringLiteral("--ligne-de-poussee")) {
            o.dessin.lignePoussee = true;
        } else if (arg == QStringLiteral("--commandes")) {
            o.commandes = true;
        } else if (arg.startsWith(u'-') && arg.size() > 1) {
            return QStringLiteral("Option inconnue : %1").arg(arg);
        } else if (o.document.isEmpty()) {
            o.document = arg;
        } else {
            return QStringLiteral("Argument en trop : %1").arg(arg);
        }
    }
    if (o.document.isEmpty())
        return QStringLiteral("Document manquant");
    if (!o.calculDonne)
        return QStringLiteral("Nom du calcul manquant (--calcul NOM)");
    if (!o.sortie.isEmpty()) {
        if (FormatExportDessin(o.sortie).isEmpty())
            return QStringLiteral("Format de fichier non reconnu : %1 (.png, .pdf ou .svg)").arg(o.sortie);
    }
    return {};
}

} // namespace

int CommandeDessin(const QStringList& args)
{
    if (args.contains(QStringLiteral("--help")) || args.contains(QStringLiteral("-h"))) {
        std::fputs(kUsageDessin, stdout);
        return 0;
    }
    OptionsCli o;
    const QString erreurOptions = LireOptions(args, o);
    if (!erreurOptions.isEmpty()) {
        ErreurCli(erreurOptions);
        std::fputs(kUsageDessin, stderr);
        return 3;
    }

    return ExecuterCli([&o] {
        if (SortieRemplaceDocument(o.document, o.sortie, QStringLiteral("Le dessin")))
            return 3;
        CalculCli calcul;
        // The drawing scales and the resultants come from the calculation.
        if (const int refus = CalculerPourCli(o.document, o.calcul, QStringLiteral("aucun dessin n'est produit"), calcul);
            refus >= 0)
            return refus;
        const DessinContrefort dessin = ConstruireDessin(calcul.DA->Data, o.dessin);
        if (o.commandes || o.sortie.isEmpty())
            EcrireFlux(stdout, dessin.texte);
        if (o.sortie.isEmpty())
            return calcul.statut;
        const QString suffixe = FormatExportDessin(o.sortie);
        const QByteArray image = RendreDessin(suffixe, o.taille, dessin, QStringLiteral("Dessin - %1").arg(o.calcul));
        if (image.isEmpty()) {
            ErreurCli(QStringLiteral("Le dessin n'a pas pu être rendu en %1").arg(suffixe.toUpper()));
            return 3;
        }
        return EcrireFichierCli(o.sortie, image) ? calcul.statut : 3;
    });
}
