#include "app/cli/CliCommands.h"

#include "documents/DocumentFile.h"
#include "documents/Calcul.h"
#include "model/Calculation.h"
#include "model/DonneesAppli.h"
#include "report/CalculationNote.h"
#include "report/NotePdf.h"
#include "util/Errors.h"

#include <QFileInfo>
#include <QSaveFile>
#include <cstdio>
#include <exception>

namespace {

const char* const kUsageNote = "Usage : tolvane-cli note DOCUMENT --calcul NOM [--donnees] [-o FICHIER]\n";

void Erreur(const QString& message)
{
    std::fputs(message.toUtf8().constData(), stderr);
    std::fputc('\n', stderr);
}

// Written whole or not at all: a note half written would look complete.
bool Ecrire(const QString& chemin, const QByteArray& octets)
{
    QSaveFile fichier(chemin);
    if (!fichier.open(QIODevice::WriteOnly) || fichier.write(octets) != octets.size() || !fichier.commit()) {
        Erreur(QStringLiteral("Impossible d'écrire le fichier %1 : %2").arg(chemin, fichier.errorString()));
        return false;
    }
    return true;
}

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

} // namespace

int CommandeNote(const QStringList& args)
{
    OptionsNote options;
    const QString erreurOptions = LireOptions(args, options);
    if (!erreurOptions.isEmpty()) {
        Erreur(erreurOptions);
        std::fputs(kUsageNote, stderr);
        return 3;
    }

    try {
        const std::unique_ptr<TFichPb> document = LireDocument(options.document);
        TCalcul* calcul = TrouverCalcul(*document, options.calcul);
        if (!calcul) {
            Erreur(QStringLiteral("Le document %1 n'a pas de calcul nommé « %2 »").arg(options.document, options.calcul));
            return 3;
        }
        TDonneesAppli& DA = *calcul->DAP;
        // A note of data that failed validation would show results never
        // computed: the reason goes to standard error and no note is written.
        if (!CalculerDonnees(DA)) {
            Erreur(QStringLiteral("Calcul « %1 » non effectué : aucune note n'est produite").arg(options.calcul));
            return 2;
        }
        const int statut = DA.Data.StatutGlobal >= 2 ? 1 : 0;
        const QString page = PageNdC(DA.Data, options.donnees);

        if (options.sortie.isEmpty()) {
            const QByteArray octets = page.toUtf8();
            std::fwrite(octets.constData(), 1, std::size_t(octets.size()), stdout);
            std::fflush(stdout);
            return statut;
        }
        QByteArray octets;
        if (QFileInfo(options.sortie).suffix().compare(QStringLiteral("pdf"), Qt::CaseInsensitive) == 0) {
            octets = NotePdf(page, QStringLiteral("Note de calcul - %1").arg(options.calcul));
        } else {
            // The page declares no character set: the byte-order mark tells a
            // browser that the accents are UTF-8.
            octets = QByteArrayLiteral("\xEF\xBB\xBF") + page.toUtf8();
        }
        return Ecrire(options.sortie, octets) ? statut : 3;
    } catch (const ETolvane& e) {
        Erreur(e.message());
        return 3;
    } catch (const std::exception& e) {
        Erreur(QStringLiteral("Erreur : %1").arg(QString::fromUtf8(e.what())));
        return 3;
    }
}
