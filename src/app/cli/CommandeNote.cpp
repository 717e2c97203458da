#include "app/cli/CliCommands.h"
#include "app/cli/CliSupport.h"

#include "documents/Calcul.h"
#include "frame/ReportInput.h"
#include "report/CalculationNote.h"

#include <QFileInfo>
#include <algorithm>
#include <cstdio>

namespace {

const char* const kUsageNote = "Usage : tolvane-cli note DOCUMENT --calcul NOM [--donnees] [-o FICHIER]\n"
    "  -o FICHIER.pdf   écrit le rapport complet (cartouche, synthèse, dessin, note)\n";

struct OptionsNote {
    QString document;
    QString calcul;
    bool donnees = false;
    QString sortie;
};

// Empty message when the arguments are usable.
QString LireOptions(const QStringList& args, OptionsNote& options)
{
    bool calculDonne = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (arg == QStringLiteral("--calcul") || arg == QStringLiteral("-o")) {
            if (i + 1 >= args.size())
                return QStringLiteral("Valeur manquante après %1").arg(arg);
            if (arg == QStringLiteral("-o")) {
                options.sortie = args[++i];
            } else {
                options.calcul = args[++i];
                calculDonne = true;
            }
        } else if (arg == QStringLiteral("--donnees")) {
            options.donnees = true;
        } else if (arg.startsWith(u'-') && arg.size() > 1) {
            return QStringLiteral("Option inconnue : %1").arg(arg);
        } else if (options.document.isEmpty()) {
            options.document = arg;
        } else {
            return QStringLiteral("Argument en trop : %1").arg(arg);
        }
    }
    if (options.document.isEmpty())
        return QStringLiteral("Document manquant");
    if (!calculDonne)
        return QStringLiteral("Nom du calcul manquant (--calcul NOM)");
    return {};
}

// The page in UTF-8 after a byte-order mark, made in one buffer sized from the
// page: the note of a large buttress runs to hundreds of megabytes, and a
// whole UTF-8 copy then a copy behind the mark would triple what is held.
QByteArray Utf8AvecMarque(const QString& page)
{
    qsizetype taille = 3;
    for (const QChar c : page)
        taille += c.unicode() < 0x80 ? 1 : c.unicode() < 0x800 ? 2 : c.isSurrogate() ? 2 : 3;
    QByteArray octets;
    octets.reserve(taille);
    octets += QByteArrayLiteral("\xEF\xBB\xBF");
    constexpr qsizetype kMorceau = 1 << 16;
    for (qsizetype debut = 0; debut < page.size();) {
        qsizetype fin = std::min(page.size(), debut + kMorceau);
        // A piece never ends between the two halves of a pair.
        if (fin < page.size() && page[fin - 1].isHighSurrogate())
            ++fin;
        octets += QStringView(page).sliced(debut, fin - debut).toUtf8();
        debut = fin;
    }
    return octets;
}

} // namespace

int CommandeNote(const QStringList& args)
{
    OptionsNote options;
    const QString erreurOptions = LireOptions(args, options);
    if (!erreurOptions.isEmpty()) {
        ErreurCli(erreurOptions);
        std::fputs(kUsageNote, stderr);
        return 3;
    }

    return ExecuterCli([&options] {
        if (SortieRemplaceDocument(options.document, options.sortie, QStringLiteral("La note")))
            return 3;
        CalculCli calcul;
        if (const int refus = CalculerPourCli(options.document, options.calcul, QStringLiteral("aucune note n'est produite"), calcul);
            refus >= 0)
            return refus;
        const QString page = PageNdC(calcul.DA->Data, options.donnees);
        if (options.sortie.isEmpty()) {
            EcrireFlux(stdout, page);
            return calcul.statut;
        }
        QByteArray octets;
        if (QFileInfo(options.sortie).suffix().compare(QStringLiteral("pdf"), Qt::CaseInsensitive) == 0) {
            // A PDF is handed over: the whole report, title block, summary and drawing included.
            const TCalcul* tcalcul = calcul.document->TabToCalcul(options.calcul);
            if (!tcalcul) {
                ErreurCli(QStringLiteral("Le calcul « %1 » est introuvable").arg(options.calcul));
                return 3;
            }
            octets = RapportPdf(EntreeRapportCalcul(*calcul.document, *tcalcul, page));
            if (octets.isEmpty()) {
                ErreurCli(QStringLiteral("Le rapport n'a pas pu être rendu en PDF"));
                return 3;
            }
        } else {
            // The page declares no character set: the byte-order mark tells a
            // browser that the accents are UTF-8.
            octets = Utf8AvecMarque(page);
        }
        return EcrireFichierCli(options.sortie, octets) ? calcul.statut : 3;
    });
}
