#include "settings/PersonalHelp.h"

#include "util/Errors.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

bool DossierPret(const QString& dossier)
{
    return QFileInfo(dossier).isDir() || QDir().mkpath(dossier);
}

bool AJoker(QStringView texte) { return texte.contains(u'*') || texte.contains(u'?'); }

// "*" any run of characters, "?" one character, the rest as it is.
bool CorrespondJokers(QStringView nom, QStringView masque)
{
    qsizetype n = 0;
    qsizetype m = 0;
    qsizetype etoile = -1;
    qsizetype reprise = 0;
    while (n < nom.size()) {
        if (m < masque.size() && (masque[m] == u'?' || masque[m].toCaseFolded() == nom[n].toCaseFolded())) {
            ++n;
            ++m;
        } else if (m < masque.size() && masque[m] == u'*') {
            etoile = m++;
            reprise = n;
        } else if (etoile >= 0) {
            m = etoile + 1;
            n = ++reprise;
        } else {
            return false;
        }
    }
    while (m < masque.size() && masque[m] == u'*')
        ++m;
    return m == masque.size();
}

QStringView Extension(QStringView nom)
{
    const qsizetype point = nom.lastIndexOf(u'.');
    return point < 0 ? QStringView() : nom.mid(point + 1);
}

} // namespace

QString PreparerDossierAidePerso(const QString& dossierApplication)
{
    const QString aupresDeLApplication = QDir(dossierApplication).filePath(kNomDossierAidePerso);
    if (DossierPret(aupresDeLApplication))
        return aupresDeLApplication;
    const QString donnees = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (!donnees.isEmpty()) {
        const QString personnel = QDir(donnees).filePath(kNomDossierAidePerso);
        if (DossierPret(personnel))
            return personnel;
    }
    throw EInOutError(QStringLiteral("impossible de créer le répertoire AIDE_PERSO : ") + QDir::toNativeSeparators(aupresDeLApplication));
}

bool CorrespondMasque(const QString& nom, const QString& masque)
{
    if (masque == QLatin1String("*.*") || masque == QLatin1String("*"))
        return true;
    if (!CorrespondJokers(nom, masque))
        return false;
    const QStringView extensionMasque = Extension(masque);
    if (!masque.contains(u'.') || AJoker(extensionMasque))
        return true;
    return Extension(nom).compare(extensionMasque, Qt::CaseInsensitive) == 0;
}

TFichiersAidePerso ListerAidePerso(const QString& dossier, const QString& masque)
{
    TFichiersAidePerso fichiers;
    // Hidden files are left out by the filter (no QDir::Hidden), and so are
    // sockets, pipes and broken links (no QDir::System).
    const QFileInfoList trouves = QDir(dossier).entryInfoList(QDir::Files | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo& info : trouves) {
        const QString nom = info.fileName();
        if (info.isHidden() || !CorrespondMasque(nom, masque))
            continue;
        if (nom.contains(u'&'))
            fichiers.refuses.append(nom);
        else
            fichiers.noms.append(nom);
    }
    return fichiers;
}
