#include "app/cli/CliCommands.h"
#include "app/cli/CliSupport.h"

#include <QGuiApplication>
#include <QTextStream>
#include <cstdio>
#include <functional>
#include <map>

namespace {

const char* const kUsage =
    "Usage : tolvane-cli COMMANDE [options]\n"
    "\n"
    "Commandes :\n"
    "  calculer DOCUMENT [--json] [--reserve]\n"
    "      Calcule chaque calcul du document, dans l'ordre des onglets.\n"
    "      Une ligne par calcul : onglet, tabulation, verdict ou \"DONNÉES INVALIDES : \" et le message.\n"
    "      --json : le détail des résultats de chaque section, en JSON.\n"
    "      --reserve : la réserve de charge (facteur sur neige, vent, exploitation avant NON CONFORME).\n"
    "  note DOCUMENT --calcul NOM [--donnees] [-o FICHIER]\n"
    "      Calcule le calcul NOM et écrit sa note (HTML ; PDF si FICHIER finit par .pdf).\n"
    "      --donnees : liste aussi les données.\n"
    "  dessin DOCUMENT --calcul NOM [--affichage donnees|resultats|les-deux] [--echelle P]\n"
    "         [--sans-ponctuelles] [--sans-reparties] [--familles GSWQ] [--commandes]\n"
    "         [--ligne-de-poussee] [-o FICHIER] [--taille LxH]\n"
    "      Calcule le calcul NOM et écrit son dessin : le texte des commandes, ou une image\n"
    "      .png, .pdf ou .svg (800x600 par défaut). « tolvane-cli dessin --help » détaille.\n"
    "\n"
    "Statut de sortie : 0 tout est calculé et rien n'est NON CONFORME ; 1 au moins un\n"
    "calcul NON CONFORME ; 2 au moins un calcul non effectué (données invalides, calcul\n"
    "illisible ou en échec), ce qui l'emporte sur 1 ; 3 document illisible, fichier qui\n"
    "n'est pas un document Tolvane, commande incorrecte, ou sortie impossible à écrire.\n";

// Qt's own notices (a missing runtime folder, font fallbacks) are not the
// tool's output: only failures reach standard error, unless TOLVANE_DEBUG is set.
void filtrerMessagesQt(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg || qEnvironmentVariableIsSet("TOLVANE_DEBUG"))
        std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
}

} // namespace

int main(int argc, char* argv[])
{
    // Fonts and page layout (PDF notes) need a GUI application; the tool never
    // shows a window, so it runs on the offscreen platform, display or not.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(filtrerMessagesQt);
    QGuiApplication app(argc, argv);
    QStringList arguments = QGuiApplication::arguments();
    arguments.removeFirst();

    const std::map<QString, std::function<int(const QStringList&)>> commands = {
        {QStringLiteral("calculer"), CommandeCalculer},
        {QStringLiteral("note"), CommandeNote},
        {QStringLiteral("dessin"), CommandeDessin},
    };

    if (arguments.isEmpty() || arguments.first() == QStringLiteral("--help")
        || arguments.first() == QStringLiteral("-h")) {
        std::fputs(kUsage, arguments.isEmpty() ? stderr : stdout);
        return TerminerSortieStandard(arguments.isEmpty() ? 3 : 0);
    }
    const auto command = commands.find(arguments.first());
    if (command == commands.end()) {
        std::fprintf(stderr, "Commande inconnue : %s\n\n%s", arguments.first().toLocal8Bit().constData(), kUsage);
        return 3;
    }
    arguments.removeFirst();
    return TerminerSortieStandard(command->second(arguments));
}
