#include "settings/ConfigParameters.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

TTypeParametre TypeDeLettre(const QString& champ)
{
    const QString lettre = champ.trimmed();
    if (lettre.isEmpty())
        return TTypeParametre::Titre;
    if (lettre.size() != 1)
        return TTypeParametre::Inconnu;
    switch (lettre.at(0).unicode()) {
    case u'0': return TTypeParametre::Titre;
    case u'1': return TTypeParametre::Dossier;
    case u'2': return TTypeParametre::Fichier;
    case u'3': return TTypeParametre::OuiNon;
    case u'4': return TTypeParametre::Entier;
    case u'5': return TTypeParametre::Texte;
    case u'6': return TTypeParametre::NomFichier;
    case u'7': return TTypeParametre::Couleur;
    case u'8': return TTypeParametre::Imprimante;
    default: return TTypeParametre::Inconnu;
    }
}

QList<TParametreConfig> LireParametres(const QString& liste)
{
    QStringList lignes = liste.split(u'\n');
    if (!lignes.isEmpty() && lignes.last().isEmpty())
        lignes.removeLast();
    QList<TParametreConfig> parametres;
    parametres.reserve(lignes.size());
    for (QString ligne : lignes) {
        if (ligne.endsWith(u'\r'))
            ligne.chop(1);
        const QStringList champs = ligne.split(kSeparateurConfig);
        TParametreConfig p;
        p.type = TypeDeLettre(champs.value(0));
        p.libelle = champs.value(1);
        if (p.type == TTypeParametre::Fichier || p.type == TTypeParametre::NomFichier) {
            p.extension = champs.value(2).trimmed();
            p.filtre = champs.value(3);
        }
        parametres.append(p);
    }
    return parametres;
}

TEditeurModifier EditeurModifier(TTypeParametre type)
{
    switch (type) {
    case TTypeParametre::Dossier:
    case TTypeParametre::Fichier:
    case TTypeParametre::Entier:
    case TTypeParametre::Texte:
    case TTypeParametre::NomFichier:
    case TTypeParametre::Imprimante: return TEditeurModifier::Texte;
    case TTypeParametre::OuiNon: return TEditeurModifier::OuiNon;
    case TTypeParametre::Couleur: return TEditeurModifier::Couleur;
    case TTypeParametre::Titre:
    case TTypeParametre::Inconnu: break;
    }
    return TEditeurModifier::Aucun;
}

TEditeurRechercher EditeurRechercher(TTypeParametre type)
{
    switch (type) {
    case TTypeParametre::Dossier: return TEditeurRechercher::Dossier;
    case TTypeParametre::Fichier:
    case TTypeParametre::NomFichier: return TEditeurRechercher::Fichier;
    case TTypeParametre::Imprimante: return TEditeurRechercher::Imprimante;
    default: break;
    }
    return TEditeurRechercher::Aucun;
}

QString ChampValeur(const QString& valeurs, int index)
{
    if (index < 0)
        return {};
    return valeurs.split(kSeparateurConfig).value(index);
}

QString AvecChampValeur(const QString& valeurs, int index, const QString& valeur)
{
    if (index < 0)
        return valeurs;
    QStringList champs = valeurs.split(kSeparateurConfig);
    while (champs.size() <= index)
        champs.append(QString());
    champs[index] = valeur;
    return champs.join(kSeparateurConfig);
}

QString ValeurCouleur(const QColor& couleur) { return QString::number(couleur.rgb() & 0xFFFFFFu); }

QColor CouleurDeValeur(const QString& valeur)
{
    bool ok = false;
    const uint rgb = valeur.trimmed().toUInt(&ok);
    // QColor(QRgb) ignores the alpha byte, so a value written with one reads
    // as the same colour.
    return ok ? QColor(QRgb(rgb)) : QColor(Qt::black);
}

QString CheminCompletConfig(const QString& chemin)
{
    QString texte = chemin.trimmed();
    if (texte.isEmpty())
        texte = QDir::currentPath();
    const QFileInfo info(texte);
    const QString canonique = info.canonicalFilePath();
    // cleanPath drops any trailing separator and keeps the root as "/".
    return canonique.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonique;
}

QString AvecExtensionParDefaut(const QString& fichier, const QString& extension)
{
    const QString ext = extension.trimmed();
    const QFileInfo info(fichier);
    if (ext.isEmpty() || !info.suffix().isEmpty() || info.exists())
        return fichier;
    return fichier + u'.' + (ext.startsWith(u'.') ? ext.mid(1) : ext);
}
