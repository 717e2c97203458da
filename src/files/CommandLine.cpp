#include "files/CommandLine.h"

#include <QDir>
#include <QFileInfo>

namespace {

bool estSwitch(const QString& argument)
{
    if (!argument.startsWith(u'/'))
        return false;
    const QString nom = argument.mid(1).section(u':', 0, 0);
    return !nom.contains(u'/') && !nom.contains(u'.');
}

} // namespace

QString LigneDeCommande::Valeur(const QString& nom) const
{
    const QString prefixe = nom.toUpper() + u'=';
    for (const QString& param : Params)
        if (param.startsWith(prefixe))
            return param.mid(prefixe.size());
    return {};
}

bool LigneDeCommande::Switch(const QString& nom) const { return Params.contains(nom.toUpper() + u'='); }

LigneDeCommande LireLigneDeCommande(const QStringList& arguments)
{
    LigneDeCommande ligne;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument.isEmpty())
            break;
        if (estSwitch(argument)) {
            const QString corps = argument.mid(1);
            const qsizetype deuxPoints = corps.indexOf(u':');
            const QString nom = deuxPoints < 0 ? corps : corps.left(deuxPoints);
            const QString valeur = deuxPoints < 0 ? QString() : corps.mid(deuxPoints + 1);
            ligne.Params.append(nom.toUpper() + u'=' + valeur);
        } else if (i == 0) {
            ligne.FichierAOuvrir = CheminComplet(argument);
        }
    }
    return ligne;
}

QString CheminComplet(const QString& path)
{
    const QString trimmed = path.trimmed();
    if (trimmed.isEmpty())
        return {};
    const QFileInfo info(trimmed);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}
