#include "app/cli/CliSupport.h"

#include "documents/Calcul.h"
#include "documents/DocumentFile.h"
#include "model/Calculation.h"
#include "model/DonneesAppli.h"
#include "util/AtomicFile.h"
#include "util/Errors.h"

#include <QFileInfo>
#include <algorithm>
#include <cerrno>
#include <exception>

namespace {

// The first failure to write the standard output, as a system error number.
int& erreurSortieStandard()
{
    static int erreur = 0;
    return erreur;
}

void noterErreurSortie(std::FILE* flux)
{
    if (flux == stdout && erreurSortieStandard() == 0)
        erreurSortieStandard() = errno != 0 ? errno : EIO;
}

} // namespace

void EcrireFlux(std::FILE* flux, const QString& texte)
{
    // Encoded piece by piece: the note or the results of a large buttress run
    // to hundreds of megabytes, and a whole UTF-8 copy would double what the
    // command holds. A piece never ends between the two halves of a pair.
    constexpr qsizetype kMorceau = 1 << 16;
    errno = 0;
    bool ecrit = true;
    for (qsizetype debut = 0; debut < texte.size() && ecrit;) {
        qsizetype fin = std::min(texte.size(), debut + kMorceau);
        if (fin < texte.size() && texte[fin - 1].isHighSurrogate())
            ++fin;
        const QByteArray octets = QStringView(texte).sliced(debut, fin - debut).toUtf8();
        ecrit = std::fwrite(octets.constData(), 1, std::size_t(octets.size()), flux) == std::size_t(octets.size());
        debut = fin;
    }
    if (!ecrit || std::fflush(flux) != 0)
        noterErreurSortie(flux);
}

int TerminerSortieStandard(int statut)
{
    errno = 0;
    if (std::fflush(stdout) != 0 || std::ferror(stdout))
        noterErreurSortie(stdout);
    if (erreurSortieStandard() == 0)
        return statut;
    ErreurCli(QStringLiteral("Erreur d'écriture sur la sortie standard : %1")
                  .arg(systemErrorText(erreurSortieStandard())));
    return 3;
}

QString SansCaracteresDeControle(QString texte)
{
    for (QChar& c : texte)
        if (c.category() == QChar::Other_Control)
            c = u' ';
    return texte;
}

void ErreurCli(const QString& message) { EcrireFlux(stderr, message + u'\n'); }

bool EcrireFichierCli(const QString& chemin, const QByteArray& octets)
{
    if (const auto echec = writeFileAtomically(chemin, octets)) {
        ErreurCli(QStringLiteral("Impossible d'écrire le fichier %1 : %2").arg(chemin, *echec));
        return false;
    }
    return true;
}

bool SortieRemplaceDocument(const QString& document, const QString& sortie, const QString& quoi)
{
    const QString cheminDocument = QFileInfo(document).canonicalFilePath();
    if (sortie.isEmpty() || cheminDocument.isEmpty() || QFileInfo(sortie).canonicalFilePath() != cheminDocument)
        return false;
    ErreurCli(QStringLiteral("%1 ne peut pas remplacer le document %2").arg(quoi, document));
    return true;
}

int CalculerPourCli(const QString& chemin, const QString& nom, const QString& produit, CalculCli& resultat)
{
    resultat.document = LireDocument(chemin);
    TCalcul* calcul = resultat.document->TabToCalcul(nom);
    if (!calcul) {
        ErreurCli(QStringLiteral("Le document %1 n'a pas de calcul nommé « %2 »").arg(chemin, nom));
        return 3;
    }
    resultat.DA = calcul->DAP.get();
    // Results of data that failed validation were never computed: the reason
    // is on standard error and nothing is produced from them.
    if (const TIssueCalcul issue = calcul->Calculer(true); !issue.Calcule()) {
        ErreurCli(issue.message);
        ErreurCli(QStringLiteral("Calcul « %1 » non effectué : %2").arg(nom, produit));
        return 2;
    }
    resultat.statut = resultat.DA->Data.StatutGlobal >= 2 ? 1 : 0;
    return -1;
}

int ExecuterCli(const std::function<int()>& corps)
{
    try {
        return corps();
    } catch (const ETolvane& e) {
        ErreurCli(e.message());
    } catch (const std::exception& e) {
        ErreurCli(QStringLiteral("Erreur : %1").arg(QString::fromUtf8(e.what())));
    }
    return 3;
}
