// Writes a document of the benchmarks' buttress for measuring the command-line
// tool on large inputs, e.g. the peak memory of the note and of the JSON
// results of 100 000 sections:
//   bench_generer_document gros.Tolvane 1 100000
//   /usr/bin/time -v build/src/app/tolvane-cli note gros.Tolvane --calcul "Contrefort C1" > /dev/null

#include "support/DocumentDeCalculs.h"

#include <QCoreApplication>
#include <QStringList>
#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    bool calculsLus = false;
    bool sectionsLues = false;
    const int calculs = args.size() == 4 ? args[2].toInt(&calculsLus) : 0;
    const int sections = args.size() == 4 ? args[3].toInt(&sectionsLues) : 0;
    if (!calculsLus || !sectionsLues || calculs < 1 || sections < 1) {
        std::fputs("Usage : bench_generer_document FICHIER CALCULS SECTIONS\n", stderr);
        return 3;
    }
    UtiliserCalculParDefautDesSources();
    EcrireDocumentDeCalculs(args[1], calculs, sections);
    return 0;
}
