#include "settings/NoteTexts.h"

#include "util/ApplicationFiles.h"
#include "util/ApplicationFolder.h"
#include "util/Errors.h"
#include "util/PlatformServices.h"
#include "util/TextFields.h"
#include "util/TextFiles.h"

namespace {

const QString kCommentaire = QStringLiteral(";;");

// The line trimmed, without its comment, trimmed again.
QString SansCommentaire(QStringView ligne)
{
    const qsizetype debut = ligne.indexOf(kCommentaire);
    if (debut >= 0)
        ligne = ligne.left(debut);
    return SansBlancs(ligne).toString();
}

bool LigneDeLangue(const QString& ligne)
{
    return ligne.size() >= 2 && ligne.startsWith(u'>') && ligne.endsWith(u'<');
}

} // namespace

bool TTextesNdC::Lire(const QString& texte)
{
    Vider();
    // A file edited on Linux may end its lines with LF alone: read it the same.
    QString reste = FinsDeLigneCrLf(texte);

    // Header: the codes, up to the first truly empty line.
    while (!reste.isEmpty()) {
        const QString ligne = ExtraireLigne(reste);
        if (SansBlancs(ligne).isEmpty())
            break;
        const QString code = SansCommentaire(ligne);
        if (!code.isEmpty())
            FCodes.append(code.toLower());
    }

    // Entries: a number, then one line per language.
    while (!reste.isEmpty()) {
        const QString ligneNumero = SansCommentaire(ExtraireLigne(reste));
        if (ligneNumero.isEmpty())
            continue;
        const std::optional<int> numero = LireEntier(ligneNumero);
        // Entry numbers start at 1: 0, a negative or an unreadable number
        // cannot name an entry.
        if (!numero || *numero <= 0)
            return false;
        QString entree;
        for (qsizetype i = 0; i < FCodes.size(); ++i) {
            const QString ligne = SansCommentaire(ExtraireLigne(reste));
            if (!LigneDeLangue(ligne))
                return false;
            entree += ligne.mid(1, ligne.size() - 2) + kCrLf;
        }
        entree.replace(u'_', u'\t');
        FTextes[*numero] = entree;
    }
    return true;
}

QString TTextesNdC::Texte(int numero) const
{
    const auto trouve = FTextes.find(numero);
    return trouve == FTextes.end() ? QString() : trouve->second;
}

QString TTextesNdC::LangueActive() const
{
    if (FIxLangue >= 0 && FIxLangue < FCodes.size())
        return FCodes.at(FIxLangue);
    return QStringLiteral("erreur");
}

void TTextesNdC::RendreCourante(const QString& code)
{
    FIxLangue = std::max(0, int(FCodes.indexOf(code.toLower())));
}

void TTextesNdC::Vider()
{
    FCodes.clear();
    FTextes.clear();
    FIxLangue = 0;
}

TTextesNdC& TextesNdC()
{
    static TTextesNdC table;
    return table;
}

QString CheminTextesNdC()
{
    // Beside the executable, or in the installed data folder.
    return CheminFichierApplication(QStringLiteral("textesndc.txt"), DossierApplication());
}

bool ChargerTextesNdC(const QString& chemin, bool avecMessages)
{
    QString texte;
    try {
        texte = LireFichierTexte(chemin);
    } catch (const EInOutError&) {
        // A file that is there but cannot be read: nothing of it was read,
        // so the table stays as it was.
        if (avecMessages)
            services().showMessage(QStringLiteral("fichier des textes de NdC illisible : ") + chemin,
                                   PlatformServices::Icon::Error);
        return false;
    }
    if (SansBlancs(texte).isEmpty()) {
        if (avecMessages)
            services().showMessage(QStringLiteral("pas trouvé le fichier des textes de NdC : ") + chemin,
                                   PlatformServices::Icon::Error);
        return false;
    }
    if (TextesNdC().Lire(texte))
        return true;
    if (avecMessages)
        services().showMessage(QStringLiteral("fichier des textes de NdC illisible : ") + chemin,
                               PlatformServices::Icon::Error);
    return false;
}

QString LangueActive() { return TextesNdC().LangueActive(); }
